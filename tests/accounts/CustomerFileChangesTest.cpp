// The customer screen while the customer files change under it: a cut-short delete settled by a
// save, the invoicer writing billing records, a backup copy that cannot be put back.
#include "accounts/frmCustomer.h"

#include "accounts/CustomerRecords.h"
#include "core/FileAccess.h"
#include "core/Settings.h"
#include "platform/TextBox.h"
#include "support/CustomerFiles.h"
#include "support/CustomerScreenFixture.h"
#include "support/UserInput.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>

#include <utility>

namespace {

using CustomerFileChangesTest = CustomerScreenFixture;

TEST_F(CustomerFileChangesTest, ASaveAfterASettledDeleteFindsItsCustomerByItsNumber)
{
    for (int n = 1; n <= 4; ++n)
        SeedCustomer(n, QStringLiteral("C100%1").arg(n), QStringLiteral("Firm%1").arg(n));
    // A delete cut short before it replaced any file, its marker unreadable for now.
    auto cutShortDelete = [this](qint64 number) {
        auto allBut = [number](const QByteArray&, qint64 n) { return n != number; };
        ASSERT_TRUE(WriteCompactedCopy(CustomerDataPath, CustomerRecord::Length, allBut, "/CUSTOMER.TMP"));
        ASSERT_TRUE(WriteCompactedCopy(CycleInfoPath, CycleRecord::Length, allBut, "/Temp.txt"));
        ASSERT_TRUE(WriteCompactedCopy(ContractInfoPath, ContractRecord::Length, allBut, "/ContractTemp.txt"));
        for (const auto& [path, aside] : {std::pair{CustomerDataPath, "/CUSTOMER.OLD"}, std::pair{CycleInfoPath, "/CYCLE.OLD"},
                                          std::pair{ContractInfoPath, "/CONTRACT.OLD"}})
            ASSERT_TRUE(CopyAppFile(path, aside));
        MakeUnreadableFile(CustomerDeleteMarkerPath);
    };
    auto markerReadable = [this](const char* accountNo) {
        QFile::remove(FullPath(CustomerDeleteMarkerPath));
        WriteFile(CustomerDeleteMarkerPath, "\"Finish\",\"" + QByteArray(accountNo) + "\"\r\n");
    };
    cutShortDelete(3);
    if (!QFileInfo(FullPath(CustomerDeleteMarkerPath)).isSymLink())
        GTEST_SKIP() << "no unreadable file can be made here";
    frmCustomer& screen = ShowScreen();
    ShowAtRealSize(&screen);
    auto loadByName = [&screen](const QString& name) {
        ClickAt(screen.Command1[1]);
        TypeText(name);
        PressKey(Qt::Key_Tab);
    };

    // The customer shown is the one the delete takes: nothing of it is saved anywhere.
    loadByName("Firm3");
    ASSERT_EQ(screen.CurrentRec, 3);
    markerReadable("C1003");
    ClickAt(screen.txtCustomer[6]);
    TypeText("9");
    Script().Queue(MsgAnswer::Ok);
    ClickButton(screen.cmdNav[2]);
    EXPECT_EQ(Titles(), QStringList({"Customer Deleted"}));
    EXPECT_EQ(CustomerMarks(), QStringList({"C1001 C1 Y1", "C1002 C2 Y2", "C1004 C4 Y4"}));
    EXPECT_EQ(screen.CurrentRec, 1);
    EXPECT_EQ(screen.txtCustomer[0]->text(), "C1001");

    // A customer behind the one deleted moved down a record: its save goes where it is now.
    cutShortDelete(1);
    loadByName("Firm4");
    ASSERT_EQ(screen.CurrentRec, 3);
    markerReadable("C1001");
    ClickAt(screen.txtCustomer[6]);
    TypeText("9");
    ClickButton(screen.cmdNav[2]);
    EXPECT_EQ(CustomerMarks(), QStringList({"C1002 C2 Y2", "C1004 C4 Y4"}));
    EXPECT_EQ(ReadCustomer(2).Telephone.trimmed(), "9");
    EXPECT_EQ(ReadCustomer(1).Telephone.trimmed(), "");
    EXPECT_EQ(Titles(), QStringList({"Customer Deleted"}));
}

TEST_F(CustomerFileChangesTest, ASaveCarriesTheBillingRecordsTheInvoicerWroteMeanwhile)
{
    for (int n = 1; n <= 2; ++n)
        SeedCustomer(n, QStringLiteral("C100%1").arg(n), QStringLiteral("Firm%1").arg(n));
    frmCustomer& screen = ShowScreen();
    ShowAtRealSize(&screen);
    ASSERT_EQ(screen.txtCustomer[0]->text(), "C1001");
    // The invoicer changes the customer's contract and cycle records while it is shown.
    ContractRecord contract = ContractRecord::FromBytes(ReadRecordAt(ContractInfoPath, ContractRecord::Length, 1));
    contract.ContractField22 = "Invoiced";
    CycleRecord cycle = CycleRecord::FromBytes(ReadRecordAt(CycleInfoPath, CycleRecord::Length, 1));
    cycle.CycleField4 = "Paid";
    WriteFile(ContractInfoPath, contract.ToBytes() + ReadFile(ContractInfoPath).mid(ContractRecord::Length));
    WriteFile(CycleInfoPath, cycle.ToBytes() + ReadFile(CycleInfoPath).mid(CycleRecord::Length));

    ClickAt(screen.txtCustomer[6]);
    TypeText("217-555-0199");
    ClickButton(screen.cmdNav[2]);
    EXPECT_EQ(ReadCustomer(1).Telephone.trimmed(), "217-555-0199");
    EXPECT_EQ(CustomerMarks(), QStringList({"C1001 Invoiced Paid", "C1002 C2 Y2"}));
}

TEST_F(CustomerFileChangesTest, ABackupThatCannotBePutBackIsToldByItsCause)
{
    for (int n = 1; n <= 2; ++n)
        SeedCustomer(n, QStringLiteral("A%1").arg(n), QStringLiteral("Firm%1").arg(n));
    QFile::remove(FullPath(CycleInfoPath));
    if (!MakeUnreadableFile("/Backup/CycleInfo.txt"))
        GTEST_SKIP() << "no unreadable file can be made here";
    Script().Queue(MsgAnswer::Ok);
    frmCustomer& screen = ShowScreen();
    ASSERT_EQ(Titles(), QStringList({"File Not Restored"}));
    const QString unreadable = Script().Shown().last().Prompt;
    EXPECT_TRUE(unreadable.contains("cannot be read")) << unreadable.toStdString();
    EXPECT_FALSE(unreadable.contains("room on the disk")) << unreadable.toStdString();

    // A folder where the file goes is named as what stands in the way.
    QFile::remove(FullPath("/Backup/CycleInfo.txt"));
    WriteFile("/Backup/CycleInfo.txt", "cycles");
    MakeFolders("/CycleInfo.txt");
    screen.Hide();
    Script().Queue(MsgAnswer::Ok);
    screen.Show();
    const QString inTheWay = Script().Shown().last().Prompt;
    EXPECT_TRUE(inTheWay.contains("move CycleInfo.txt away")) << inTheWay.toStdString();
    EXPECT_FALSE(inTheWay.contains("room on the disk")) << inTheWay.toStdString();
}

} // namespace
