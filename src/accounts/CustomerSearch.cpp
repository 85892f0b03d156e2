#include "accounts/CustomerSearch.h"

#include "accounts/CustomerRecords.h"

QString FoundCustomerName(const CustomerRecord& record)
{
    if (record.AccountType.trimmed() == BusinessType)
        return record.AccountName.trimmed();
    return record.Title.trimmed() + QLatin1Char(' ') + record.FirstName.trimmed() + QLatin1Char(' ')
         + record.LastName.trimmed();
}

namespace {

QString CustomerRecord::*SearchMember(int option)
{
    switch (option) {
    case SearchByBusinessName:
        return &CustomerRecord::AccountName;
    case SearchByAddress1:
        return &CustomerRecord::Address1;
    case SearchByAddress2:
        return &CustomerRecord::Address2;
    case SearchByCity:
        return &CustomerRecord::City;
    case SearchByState:
        return &CustomerRecord::State;
    case SearchByZip:
        return &CustomerRecord::Zip2;
    case SearchByTelephone:
        return &CustomerRecord::Telephone;
    case SearchByLastName:
        return &CustomerRecord::LastName;
    case SearchByAccountNumber:
        return &CustomerRecord::AccountNo;
    default:
        return nullptr;
    }
}

} // namespace

QString CustomerSearchField(const CustomerRecord& record, int option)
{
    const auto member = SearchMember(option);
    return member ? record.*member : QString();
}

QList<FoundCustomer> SearchCustomerRecords(int option, const QString& searchText)
{
    QList<FoundCustomer> found;
    const QString wanted = searchText.trimmed().toUpper();
    const CustomerFileSnapshot customers;
    const CustomerFileSnapshot::Member searched = SearchMember(option);
    for (int n = 1; n <= customers.Count(); ++n) {
        if (option != ListAllCustomers
            && !(searched ? customers.Field(n, searched) : QString()).trimmed().toUpper().contains(wanted))
            continue;
        const CustomerRecord record =
            customers.Fields(n, {&CustomerRecord::AccountType, &CustomerRecord::AccountName, &CustomerRecord::Title,
                                 &CustomerRecord::FirstName, &CustomerRecord::LastName, &CustomerRecord::Telephone,
                                 &CustomerRecord::Address1, &CustomerRecord::City});
        found.append({FoundCustomerName(record), record.Telephone.trimmed(), record.Address1.trimmed(),
                      record.City.trimmed(), n});
    }
    return found;
}
