#pragma once

#include "accounts/ContactRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

// The contact file "VendorData.txt": pay-to recipients, one 235-byte record each.

// Records on file; 0 without a file. Never creates the file.
int ContactFileCount();
ContactRecord ReadContact(qint64 number);
bool WriteContact(qint64 number, const ContactRecord& record);
// Removes a record: the others, in order, go through "Contact.TMP", which then takes the
// file's place. False, and the file as it was, when a record could not be read or written.
bool DeleteContactRecord(qint64 number);
// Renames a file of the program folder over another.
bool RenameDataFile(const QString& oldName, const QString& newName);

enum ContactSearchOption {
    ContactByName = 0,
    ContactByStreet,
    ContactByAptOrBox,
    ContactByCity,
    ContactByState,
    ContactByZip,
    ContactByTelephone,
    ContactByCategory,
    AllContacts = 10,
};
QString ContactSearchField(const ContactRecord& record, int option);
// The numbers of the records whose field holds the text (trimmed, in capitals), in file order.
QList<int> SearchContactRecords(int option, const QString& searchText);

// The list order of the vendor grid: numbers as numbers, before texts; texts alphabetically.
bool GenericAscending(const QString& a, const QString& b);

// The states list of "StatesList.txt": at most 50 items.
QStringList ReadStatesList();

inline const QStringList ContactCategories = {QStringLiteral("Vendor"), QStringLiteral("Sub-Contractor"),
                                              QStringLiteral("Supplier"), QStringLiteral("Credit Card Company"),
                                              QStringLiteral("Retail Credit Card")};
