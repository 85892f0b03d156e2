#include "accounts/CustomerSearch.h"

#include "accounts/CustomerRecords.h"

QString FoundCustomerName(const CustomerRecord& record)
{
    if (record.AccountType.trimmed() == BusinessType)
        return record.AccountName.trimmed();
    return record.Title.trimmed() + QLatin1Char(' ') + record.FirstName.trimmed() + QLatin1Char(' ')
         + record.LastName.trimmed();
}

QString CustomerSearchField(const CustomerRecord& record, int option)
{
    switch (option) {
    case SearchByBusinessName:
        return record.AccountName;
    case SearchByAddress1:
        return record.Address1;
    case SearchByAddress2:
        return record.Address2;
    case SearchByCity:
        return record.City;
    case SearchByState:
        return record.State;
    case SearchByZip:
        return record.Zip2;
    case SearchByTelephone:
        return record.Telephone;
    case SearchByLastName:
        return record.LastName;
    case SearchByAccountNumber:
        return record.AccountNo;
    default:
        return QString();
    }
}

QList<FoundCustomer> SearchCustomerRecords(int option, const QString& searchText)
{
    QList<FoundCustomer> found;
    const QString wanted = searchText.trimmed().toUpper();
    const int count = CustomerCount();
    for (int n = 1; n <= count; ++n) {
        const CustomerRecord record = ReadCustomer(n);
        if (option != ListAllCustomers && !CustomerSearchField(record, option).trimmed().toUpper().contains(wanted))
            continue;
        found.append({FoundCustomerName(record), record.Telephone.trimmed(), record.Address1.trimmed(),
                      record.City.trimmed(), n});
    }
    return found;
}
