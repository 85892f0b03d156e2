#pragma once

#include "accounts/CustomerRecords.h"
#include "platform/ProgramFolder.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

// Customer n of the program folder, its billing records marked "C<n>" and "Y<n>" so that a test
// can tell whose they are. Leaves the shared record buffers reset.
inline void SeedCustomer(int n, const QString& accountNo, const QString& businessName,
                         const QString& firstName = QString(), const QString& lastName = QString())
{
    CustomerRecord customer;
    customer.AccountNo = accountNo;
    customer.AccountName = businessName;
    customer.FirstName = firstName;
    customer.LastName = lastName;
    customer.AccountType = businessName.isEmpty() ? IndividualType : BusinessType;
    ResetBillingRecords();
    ContractRec().ContractField22 = QStringLiteral("C%1").arg(n);
    CycleRec().CycleField4 = QStringLiteral("Y%1").arg(n);
    ASSERT_TRUE(WriteCustomer(n, customer) && SaveContractRecord(n) && SaveCycleRecord(n));
    ResetCustomerBuffers();
}

// Record by record, the account number and the marks of the billing records stored with it
// ("A1 C1 Y1"); the three files must hold the same number of whole records.
inline QStringList CustomerMarks()
{
    auto bytesOf = [](const char* path) {
        QFile file(AppPath(QString::fromLatin1(path)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray customers = bytesOf("/CustomerData.txt"), contracts = bytesOf("/ContractInfo.txt"),
                     cycles = bytesOf("/CycleInfo.txt");
    const qsizetype count = customers.size() / CustomerRecord::Length;
    EXPECT_EQ(customers.size(), count * CustomerRecord::Length);
    EXPECT_EQ(contracts.size(), count * ContractRecord::Length);
    EXPECT_EQ(cycles.size(), count * CycleRecord::Length);
    QStringList marks;
    for (qsizetype i = 0; i < count; ++i)
        marks << CustomerRecord::FromBytes(customers.mid(i * CustomerRecord::Length, CustomerRecord::Length)).AccountNo
                     + ' ' + ContractRecord::FromBytes(contracts.mid(i * ContractRecord::Length, ContractRecord::Length)).ContractField22
                     + ' ' + CycleRecord::FromBytes(cycles.mid(i * CycleRecord::Length, CycleRecord::Length)).CycleField4;
    return marks;
}
