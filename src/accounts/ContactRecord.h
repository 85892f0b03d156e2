#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A pay-to recipient of "VendorData.txt": 235 bytes of fixed-width text fields.
struct ContactRecord {
    static constexpr int Length = 235;

    QString AccountNo;   // 20, the business's account number with this recipient
    QString VendorName;  // 30
    QString Address1;    // 35
    QString Address2;    // 25
    QString City;        // 20
    QString State;       // 2
    QString Zip;         // 10
    QString Telephone;   // 13
    QString Email;       // 30
    QString Category;    // 20
    QString KeyContact;  // 30

    static ContactRecord FromBytes(const QByteArray& bytes);
    QByteArray ToBytes() const;
};

inline const QString VendorDataPath = QStringLiteral("/VendorData.txt");
inline const QString SubContractorCategory = QStringLiteral("Sub-Contractor");

// The names of the sub-contractors of the contact file, in file order.
QStringList LoadSubContractorNames();
