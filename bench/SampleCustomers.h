#pragma once

#include "accounts/CustomerRecords.h"
#include "platform/ProgramFolder.h"

#include <QFile>

// The benchmarks' sample customer number c: businesses and individuals in turn, spread over a
// few dozen cities, as the customer screen writes them.
inline CustomerRecord SampleCustomer(int c)
{
    CustomerRecord r;
    r.AccountNo = QStringLiteral("ACCT%1").arg(c);
    r.AccountType = c % 3 == 0 ? BusinessType : IndividualType;
    r.AccountName = r.AccountType == BusinessType ? QStringLiteral("Builders Supply %1").arg(c) : QStringLiteral("Mr. Pat Smith");
    r.Title = QStringLiteral("Mr.");
    r.FirstName = QStringLiteral("Pat%1").arg(c % 97);
    r.LastName = QStringLiteral("Smith%1").arg(c);
    r.Address1 = QStringLiteral("%1 Main Street").arg(c);
    r.Address2 = QStringLiteral("Suite %1").arg(c % 40);
    r.City = r.CityCopy = QStringLiteral("Springfield %1").arg(c % 40);
    r.State = QStringLiteral("IL");
    r.Zip = r.Zip2 = QStringLiteral("627%1").arg(c % 100, 2, 10, QLatin1Char('0'));
    r.Telephone = QStringLiteral("(217)555-%1").arg(c % 10000, 4, 10, QLatin1Char('0'));
    r.Cell = QStringLiteral("(217)556-%1").arg(c % 10000, 4, 10, QLatin1Char('0'));
    r.FaxEmail = QStringLiteral("pat%1@example.com").arg(c);
    return r;
}

// `count` sample customers as "CustomerData.txt" of the program folder.
inline void WriteSampleCustomers(int count)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(count) * CustomerRecord::Length);
    for (int c = 1; c <= count; ++c)
        bytes += SampleCustomer(c).ToBytes();
    QFile file(AppPath(CustomerDataPath));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}
