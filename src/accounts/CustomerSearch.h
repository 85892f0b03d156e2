#pragma once

#include <QList>
#include <QString>

struct CustomerRecord;

// Finding customers: every record on file is read in order, and a record is a hit when the
// search text occurs anywhere in the chosen field, trimmed and in capitals.
enum CustomerSearchOption {
    SearchByBusinessName = 0,
    SearchByAddress1,
    SearchByAddress2,
    SearchByCity,
    SearchByState,
    SearchByZip,
    SearchByTelephone,
    SearchByLastName,
    SearchByAccountNumber,
    ListAllCustomers = 10,
};

struct FoundCustomer {
    QString Customer;  // the display name
    QString Phone;
    QString Street;
    QString City;
    int RecordNo = 0;
};

// The text the search compares for a record under an option.
QString CustomerSearchField(const CustomerRecord& record, int option);
QList<FoundCustomer> SearchCustomerRecords(int option, const QString& searchText);
// The name shown for a customer in the lists: a business's name, or an individual's title,
// first and last name joined by single blanks.
QString FoundCustomerName(const CustomerRecord& record);
