#include "accounts/frmCustomer.h"

#include "accounts/CustomerRecords.h"
#include "app/frmStartup.h"
#include "core/QtPrinters.h"
#include "core/Settings.h"
#include "platform/TextBox.h"
#include "support/CustomerFiles.h"
#include "support/CustomerScreenFixture.h"
#include "support/UserInput.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest/QTest>

namespace {

class CustomerScreenTest : public CustomerScreenFixture {
protected:
    void SetUp() override
    {
        CustomerScreenFixture::SetUp();
        Settings().BusinessCity = "Springfield";
        Settings().BusinessState = "IL";
        Settings().BusinessZip = "62701";
        Settings().BusinessPhone = "217-555-0100";
    }

    // The screen on a folder without customers, its three boxes answered.
    frmCustomer& ShowOnEmptyFolder()
    {
        for (int i = 0; i < 3; ++i)
            Script().Queue(MsgAnswer::Ok);
        return ShowScreen();
    }

    static void TypeIndividual(frmCustomer& screen, const QString& accountNo, const QString& first, const QString& last)
    {
        QTest::keyClicks(screen.txtCustomer[0], accountNo);
        QTest::keyClicks(screen.txtCustomer[8], first);
        QTest::keyClicks(screen.txtCustomer[10], last);
    }

    // Opens a menu of the screen's menu bar and clicks its entry, as the user does.
    static void ChooseMenu(QWidget* screen, const QString& title, const QString& entry)
    {
        ShowAtRealSize(screen);
        auto* bar = screen->findChild<QMenuBar*>();
        ASSERT_TRUE(bar);
        for (QAction* top : bar->actions()) {
            if (top->text() != title)
                continue;
            ClickAt(bar, bar->actionGeometry(top).center());
            QMenu* menu = top->menu();
            ASSERT_TRUE(menu && menu->isVisible()) << title.toStdString();
            for (QAction* action : menu->actions())
                if (action->text() == entry) {
                    ClickAt(menu, menu->actionGeometry(action).center());
                    return;
                }
            FAIL() << "no menu entry " << entry.toStdString();
        }
        FAIL() << "no menu " << title.toStdString();
    }

    void ExpectNoCustomerFiles() const
    {
        for (const char* path : {"/CustomerData.txt", "/ContractInfo.txt", "/CycleInfo.txt"})
            EXPECT_FALSE(Exists(path)) << path;
    }

    QByteArray AllFiles() const
    {
        return ReadFile("/CustomerData.txt") + "|" + ReadFile("/ContractInfo.txt") + "|" + ReadFile("/CycleInfo.txt");
    }
};

TEST_F(CustomerScreenTest, EmptyFolderOffersAFirstCustomerAndCreatesNoFile)
{
    Live().AddressStyle = UsaStyleAddress;
    frmCustomer& screen = ShowOnEmptyFolder();
    ASSERT_EQ(Titles(), QStringList({"Create Customers", "No Customer File Found", "No Customer File Found"}));
    EXPECT_EQ(Script().Shown()[0].Prompt, "Your Customer File is Empty\nCreate your First Customer Now");
    ExpectNoCustomerFiles();
    EXPECT_EQ(QStringList({screen.cboCity->currentText(), screen.cboStates->currentText(),
                           screen.txtCustomer[5]->text(), screen.txtCustomer[6]->text()}),
              QStringList({"Springfield", "IL", "62701", "217-555-"}));
    EXPECT_FALSE(screen.cmdNav[2]->isEnabled() || screen.mnuDelete->isEnabled());

    // The first customer, typed straight in and saved, is record 1 of all three files.
    TypeIndividual(screen, "C1", "John", "Smith");
    screen.SaveCustomer();
    ASSERT_EQ(screen.RecordValid, -1);
    EXPECT_EQ(ReadFile("/ContractInfo.txt") + ReadFile("/CycleInfo.txt"),
              ContractRecord::Defaults().ToBytes() + CycleRecord::Defaults().ToBytes());
    const CustomerRecord saved = ReadCustomer(1);
    EXPECT_EQ(ReadFile("/CustomerData.txt"), saved.ToBytes());
    EXPECT_EQ(QStringList({saved.AccountNo, saved.FirstName, saved.LastName, saved.AccountType, saved.City,
                           saved.State, saved.Zip2, saved.Telephone}),
              QStringList({"C1", "John", "Smith", "Individual", "Springfield", "IL", "62701", "217-555-"}));
    EXPECT_EQ(screen.DisplayName, "John Smith");
    EXPECT_EQ(screen.RecordCount, 1);

    // A customer added afterwards goes after it, not over it.
    screen.cmdNew->click();
    TypeIndividual(screen, "C2", "Ann", "Jones");
    screen.SaveCustomer();
    EXPECT_EQ(CustomerMarks(), QStringList({"C1  ", "C2  "}));
}

TEST_F(CustomerScreenTest, TwoNewIndividualsInARowAreBothKeptWithoutAGap)
{
    frmCustomer& screen = ShowOnEmptyFolder();
    screen.cmdNew->click();
    TypeIndividual(screen, "C1", "John", "Smith");
    screen.cmdNew->click(); // saves the first
    EXPECT_EQ(screen.CurrentRec, 2);
    TypeIndividual(screen, "C2", "Ann", "Jones");
    screen.SaveCustomer();
    EXPECT_EQ(CustomerMarks(), QStringList({"C1  ", "C2  "}));
    EXPECT_EQ(ReadFile("/ContractInfo.txt"), ContractRecord::Defaults().ToBytes().repeated(2));
    EXPECT_EQ(Script().Shown().size(), 3); // no validation message on the way
}

TEST_F(CustomerScreenTest, ANewCustomerStartsWithoutTheTitleShownBefore)
{
    CustomerRecord shown;
    shown.AccountNo = "A1";
    shown.Title = "Mr.";
    shown.FirstName = "John";
    shown.LastName = "Smith";
    shown.AccountType = IndividualType;
    ASSERT_TRUE(WriteCustomer(1, shown) && SaveContractRecord(1) && SaveCycleRecord(1));
    ResetCustomerBuffers();
    frmCustomer& screen = ShowScreen();
    ShowAtRealSize(&screen);
    ASSERT_EQ(screen.cboTitle->currentText(), "Mr.");

    ClickAt(screen.cmdNew);
    EXPECT_EQ(screen.cboTitle->currentText(), "");
    TypeIndividual(screen, "A2", "Ann", "Jones");
    screen.SaveCustomer();
    EXPECT_EQ(ReadCustomer(2).Title.trimmed(), "");
}

TEST_F(CustomerScreenTest, ActivationRebuildsMissingBillingFilesForEveryCustomer)
{
    for (int n = 1; n <= 3; ++n)
        SeedCustomer(n, QStringLiteral("A%1").arg(n), "", "Ann", "Jones");
    QFile::remove(FullPath("/ContractInfo.txt"));
    QFile::remove(FullPath("/CycleInfo.txt"));
    QByteArray states;
    for (int i = 1; i <= 60; ++i)
        states += "\"S" + QByteArray::number(i) + "\"\r\n";
    WriteFile("/StatesList.txt", states);
    Script().Queue(MsgAnswer::Ok);
    frmCustomer& screen = ShowScreen();

    EXPECT_EQ(Titles(), QStringList({"Building Billing Info"}));
    EXPECT_EQ(ReadFile("/ContractInfo.txt"), ContractRecord::Defaults().ToBytes().repeated(3));
    EXPECT_EQ(ReadFile("/CycleInfo.txt"), CycleRecord::Defaults().ToBytes().repeated(3));
    EXPECT_EQ(screen.cboStates->count(), 50);
    EXPECT_EQ(screen.cboStates->itemText(49), "S50");
}

TEST_F(CustomerScreenTest, RefusedSavesLeaveTheFilesUntouched)
{
    SeedCustomer(1, "A1", "Acme Builders");
    SeedCustomer(2, "A2", "", "Ann", "Jones");
    frmCustomer& screen = ShowScreen();
    const QByteArray before = AllFiles();

    const struct {
        int record, box;
        QString text, shown; // the box's new text; the title, or the prompt of an untitled box
    } cases[] = {
        {1, 1, "", "The Account Name Cannot be Blank"},
        {2, 10, "", "Enter Account 1st and Last Name"},
        {2, 8, "", "Enter Account 1st and Last Name"},
        {2, 0, "A1 ", "Duplicate Account Number"},
        {1, 0, "../x", "Invalid Account Number"},
        {1, 0, "12/3", "Invalid Account Number"},
        {1, 0, "..\\x", "Invalid Account Number"},
        {1, 0, "  ", "Invalid Account Number"},
        {1, 0, "A\u03A91", "Invalid Account Number"}, // stored as "A?1"
        {1, 0, "com\u00B9", "Invalid Account Number"},   // a device where the siblings run
        {1, 0, "A1.", "Invalid Account Number"},
        {2, 0, "a1", "Duplicate Account Number"},        // one folder with "A1" where the siblings run
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " " + c.shown.toStdString());
        screen.CurrentRec = c.record;
        screen.LoadCustomer();
        screen.txtCustomer[size_t(c.box)]->setText(c.text);
        Script().Queue(MsgAnswer::Ok);
        screen.SaveCustomer();
        EXPECT_EQ(screen.RecordValid, 0);
        const ShownMessage& box = Script().Shown().last();
        EXPECT_EQ(box.Title.contains("Account") ? box.Title : box.Prompt, c.shown);
        EXPECT_EQ(AllFiles(), before);
    }
    EXPECT_EQ(Script().Shown().size(), std::size(cases));
    EXPECT_EQ(Script().Shown()[3].Prompt, "The Account Number has been duplicated\nEnter a different Number");
    EXPECT_EQ(Script().Shown().value(8).Prompt, "The Account Number cannot hold the character (\u03A9)\nEnter a different Number");
    EXPECT_EQ(Script().Shown().value(9).Prompt, "The Account Number (com\u00B9) is the name of a device\nEnter a different Number");
    EXPECT_EQ(Script().Shown().value(10).Prompt, "The Account Number cannot end with a dot\nEnter a different Number");

}

TEST_F(CustomerScreenTest, SavesKeepEachCustomersBillingRecords)
{
    SeedCustomer(1, "A1", "Acme Builders");
    SeedCustomer(2, "A2", "Best Roofing");
    frmCustomer& screen = ShowScreen();

    // A refused save, then an add with nothing to save yet: the new record opens as any other.
    screen.txtCustomer[1]->clear();
    Script().Queue(MsgAnswer::Ok);
    screen.cmdNav[2]->click(); // "The Account Name Cannot be Blank"
    ASSERT_EQ(screen.RecordValid, 0);
    screen.cmdNew->click();
    EXPECT_EQ(screen.CurrentRec, 3);
    EXPECT_FALSE(screen.cmdCustomer->isHidden());
    TypeIndividual(screen, "A3", "Bob", "Brown");
    screen.SaveCustomer();
    // Default billing records, not those of customer 1 that the buffers held from its load.
    EXPECT_EQ(CustomerMarks(), QStringList({"A1 C1 Y1", "A2 C2 Y2", "A3  "}));

    screen.cmdNav[0]->click();
    screen.txtCustomer[1]->setText("Acme Builders");
    screen.cmdNav[4]->click(); // fewer than four customers: saves and stays, twice
    screen.cmdNav[6]->click();
    EXPECT_EQ(screen.CurrentRec, 1);
    EXPECT_EQ(CustomerMarks(), QStringList({"A1 C1 Y1", "A2 C2 Y2", "A3  "}));
}

TEST_F(CustomerScreenTest, CancellingAnAddKeepsTheCountOfTheFile)
{
    frmCustomer& screen = ShowOnEmptyFolder();
    screen.cmdNew->click();
    EXPECT_FALSE(screen.cmdCustomer->isHidden());
    screen.cmdCustomer->click();
    EXPECT_EQ(screen.RecordCount, 0);
    EXPECT_TRUE(screen.cmdCustomer->isHidden());
    ExpectNoCustomerFiles();

    // A new customer already written by a navigation button stays counted after a cancel.
    TypeIndividual(screen, "C1", "John", "Smith");
    screen.cmdNew->click();
    TypeIndividual(screen, "C2", "Ann", "Jones");
    screen.cmdNav[0]->click();
    screen.cmdCustomer->click();
    EXPECT_EQ(screen.RecordCount, 2);
    EXPECT_EQ(screen.txtCustomer[0]->text(), "C1");
}

TEST_F(CustomerScreenTest, APastedAccountNumberIsCheckedAsItWillBeStored)
{
    frmCustomer& screen = ShowOnEmptyFolder();
    ShowAtRealSize(&screen);
    // A new customer whose account number is pasted; leaving the box checks it against those on file.
    auto addWithPastedNumber = [&](const QString& pasted) {
        ClickButton(screen.cmdNew);
        ClickAt(screen.txtCustomer[0]);
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        ClickAt(screen.txtCustomer[8]);
    };
    addWithPastedNumber(QStringLiteral("DUPACCOUNT0123456789X"));
    TypeText("Ann");
    ClickAt(screen.txtCustomer[10]);
    TypeText("Jones");
    Script().Queue(MsgAnswer::Ok);
    addWithPastedNumber(QStringLiteral("DUPACCOUNT0123456789Y"));
    EXPECT_EQ(Titles().mid(3), QStringList{"Duplicate Account Number"});
    EXPECT_EQ(screen.txtCustomer[0]->text(), "");
    EXPECT_EQ(CustomerMarks(), QStringList{"DUPACCOUNT0123456789  "});
}

TEST_F(CustomerScreenTest, InternationalAddressKeepsLinesThreeAndFour)
{
    frmCustomer& screen = ShowOnEmptyFolder();
    TypeIndividual(screen, "C1", "John", "Smith");
    screen.txtCustomer[5]->setText(" AB1 2CD");
    screen.txtAdd3->setText("Leeds");
    screen.txtAdd4->setText("West Yorkshire");
    screen.SaveCustomer();
    ASSERT_EQ(screen.RecordValid, -1);
    const QByteArray record = ReadFile("/CustomerData.txt");
    EXPECT_EQ(record.mid(125, 25).trimmed(), "Leeds");
    EXPECT_EQ(record.mid(170, 12), "   AB1 2CD  "); // no state, the postal code as typed
    EXPECT_EQ(record.mid(182, 25).trimmed(), "West Yorkshire");

    CustomerRecord noZip = ReadCustomer(1);
    noZip.AccountNo = "C2";
    noZip.Zip = "";
    noZip.Zip2 = "Z9 9ZZ";
    ASSERT_TRUE(WriteCustomer(2, noZip));
    screen.CurrentRec = 2;
    screen.LoadCustomer();
    EXPECT_EQ(screen.txtCustomer[5]->text(), "Z9 9ZZ");
    EXPECT_EQ(screen.txtAdd4->text(), "Z9 9ZZ");
    EXPECT_EQ(screen.txtAdd3->text(), "Leeds");

    Live().AddressStyle = UsaStyleAddress; // the style is read when it is needed
    EXPECT_EQ(screen.USAStyle(), -1);
}

TEST_F(CustomerScreenTest, NameListCompletesTypedTextButNotADeletionAndTabAccepts)
{
    SeedCustomer(1, "A2", "", "Ann", "Jones");
    SeedCustomer(2, "A1", "", "John", "Smith");
    frmCustomer& screen = ShowScreen();
    ShowAtRealSize(&screen);
    ClickAt(screen.Command1[1]);
    QLineEdit* edit = screen.cboAccounts->lineEdit();

    // Keys go where the window system sends them: to the editable combo box.
    TypeText("sm");
    EXPECT_EQ(edit->text(), "smith, John");
    EXPECT_EQ(edit->selectedText(), "ith, John");
    PressKey(Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "sm");
    EXPECT_FALSE(edit->hasSelectedText());
    TypeText("i");
    EXPECT_EQ(edit->text(), "smith, John");
    EXPECT_EQ(edit->selectedText(), "th, John");
    PressKey(Qt::Key_Backspace);
    PressKey(Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "sm");

    TypeText("i");
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(screen.CurrentRec, 2);
    EXPECT_EQ(screen.txtCustomer[8]->text(), "John");
    EXPECT_EQ(screen.txtCustomer[10]->text(), "Smith");
    EXPECT_TRUE(screen.lblSearch->isHidden());
}

TEST_F(CustomerScreenTest, DeletingTheOnlyCustomerShowsTheEmptyFile)
{
    SeedCustomer(1, "A1", "", "John", "Smith");
    WriteFile("/TIActiveAccounts/A1.txt", "x");
    frmCustomer& screen = ShowScreen();
    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::Ok);
    screen.mnuDelete_Click();

    EXPECT_EQ(Script().Shown().first().Prompt, "Delete this Customer");
    EXPECT_EQ(Script().Shown().first().Buttons, MsgButtons::YesNo);
    EXPECT_EQ(AllFiles(), "||");
    EXPECT_FALSE(Exists("/TIActiveAccounts/A1.txt"));
    EXPECT_EQ(screen.RecordCount, 0);
    EXPECT_FALSE(screen.cmdNav[0]->isEnabled() || screen.mnuDelete->isEnabled());
    EXPECT_EQ(screen.txtCustomer[0]->text() + screen.txtCustomer[6]->text(), "217-555-");
    EXPECT_EQ(CustomerRec().AccountNo, ""); // the deleted customer is no longer the one shown

    // The next customer takes record 1.
    TypeIndividual(screen, "C9", "Ann", "Jones");
    screen.SaveCustomer();
    EXPECT_EQ(CustomerMarks(), QStringList({"C9  "}));
}

TEST_F(CustomerScreenTest, ExitFromABlankNewRecordLeavesWithoutSaving)
{
    SeedCustomer(1, "A1", "", "John", "Smith");
    frmCustomer& screen = ShowScreen();
    screen.cmdNew->click();
    const QByteArray before = AllFiles();
    screen.cmdExit->click();

    EXPECT_TRUE(Script().Shown().isEmpty());
    EXPECT_FALSE(IsScreenLoaded<frmCustomer>());
    EXPECT_TRUE(ScreenInstance<frmStartup>().isVisible());
    EXPECT_EQ(AllFiles(), before);
}

} // namespace

namespace {

class CustomerFilesStayPairedTest : public CustomerScreenTest {};

TEST_F(CustomerFilesStayPairedTest, ARebuiltBillingFileKeepsItsDefaultsThroughTheFirstSave)
{
    for (int n = 1; n <= 3; ++n)
        SeedCustomer(n, QStringLiteral("A%1").arg(n), QStringLiteral("Firm%1").arg(n));
    QFile::remove(FullPath("/ContractInfo.txt"));
    Script().Queue(MsgAnswer::Ok); // no message for the contract file; this answers the cycle file's
    QFile::remove(FullPath("/CycleInfo.txt"));
    frmCustomer& screen = ShowScreen();
    screen.cmdNav_Click(2);
    EXPECT_EQ(ContractRecord::FromBytes(ReadFile("/ContractInfo.txt").left(ContractRecord::Length)).ContractField01,
              "None Selected");
    EXPECT_EQ(CycleRecord::FromBytes(ReadFile("/CycleInfo.txt").left(CycleRecord::Length)).CycleField6, -1);
}

TEST_F(CustomerFilesStayPairedTest, BillingRecordsPastTheEndOfTheirFilesAreSavedAsDefaults)
{
    for (int n = 1; n <= 3; ++n)
        SeedCustomer(n, QStringLiteral("A%1").arg(n), QStringLiteral("Firm%1").arg(n));
    // The contract file ends after customer 1, the cycle file after customer 2.
    WriteFile("/ContractInfo.txt", ReadFile("/ContractInfo.txt").left(ContractRecord::Length));
    WriteFile("/CycleInfo.txt", ReadFile("/CycleInfo.txt").left(2 * CycleRecord::Length));
    frmCustomer& screen = ShowScreen();
    screen.cmdNav[3]->click(); // to customer 3
    screen.cmdNav[0]->click(); // saves it

    EXPECT_EQ(CustomerMarks(), QStringList({"A1 C1 Y1", "A2  Y2", "A3  "}));
    // A new customer's defaults, not zeros (dates of 30 December 1899), also for customer 2 between.
    EXPECT_EQ(ReadFile("/ContractInfo.txt").mid(ContractRecord::Length), ContractRecord::Defaults().ToBytes().repeated(2));
    EXPECT_EQ(ReadFile("/CycleInfo.txt").mid(2 * CycleRecord::Length), CycleRecord::Defaults().ToBytes());
}

TEST_F(CustomerFilesStayPairedTest, ABackupThatCannotBePutBackIsKeptAndNothingIsRebuiltOverIt)
{
    for (int n = 1; n <= 2; ++n)
        SeedCustomer(n, QStringLiteral("A%1").arg(n), QStringLiteral("Firm%1").arg(n));
    const QByteArray contracts = ReadFile("/ContractInfo.txt");
    WriteFile("/Backup/ContractInfo.txt", contracts);
    QFile::remove(FullPath("/ContractInfo.txt"));
    MakeFolders("/ContractInfo.txt"); // the copy back cannot be written, as on a full disk
    Script().Queue(MsgAnswer::Ok);
    ShowScreen();

    EXPECT_EQ(Titles(), QStringList({"File Not Restored"}));
    EXPECT_FALSE(RebuildContractFile(2));
    EXPECT_EQ(ReadFile("/Backup/ContractInfo.txt"), contracts);
}

TEST_F(CustomerFilesStayPairedTest, NoDeleteWhileABillingFileCannotBePutBack)
{
    for (int n = 1; n <= 3; ++n)
        SeedCustomer(n, QStringLiteral("A%1").arg(n), QStringLiteral("Firm%1").arg(n));
    frmCustomer& screen = ShowScreen();
    ASSERT_TRUE(screen.mnuDelete->isEnabled());
    // The cycle file goes while the screen is shown, and its backup cannot be copied back.
    const QByteArray cycles = ReadFile("/CycleInfo.txt");
    WriteFile("/Backup/CycleInfo.txt", cycles);
    QFile::remove(FullPath("/CycleInfo.txt"));
    MakeFolders("/CycleInfo.txt");
    const QByteArray customers = ReadFile("/CustomerData.txt");
    const QByteArray contracts = ReadFile("/ContractInfo.txt");

    Script().Queue(MsgAnswer::Ok);
    screen.mnuDelete->trigger();
    ASSERT_EQ(Titles(), QStringList({"File Not Restored"}));
    EXPECT_TRUE(Script().Shown().last().Prompt.contains("CycleInfo.txt"));
    EXPECT_FALSE(DeleteCustomer(2));
    EXPECT_EQ(ReadFile("/CustomerData.txt"), customers);
    EXPECT_EQ(ReadFile("/ContractInfo.txt"), contracts);
    EXPECT_EQ(ReadFile("/Backup/CycleInfo.txt"), cycles);

    // Shown again, the screen does not offer the delete.
    screen.Hide();
    Script().Queue(MsgAnswer::Ok);
    screen.Show();
    EXPECT_EQ(Titles().last(), "File Not Restored");
    EXPECT_FALSE(screen.mnuDelete->isEnabled());
}

TEST_F(CustomerFilesStayPairedTest, ADeleteThatCannotCopyEveryFileChangesNothing)
{
    for (int n = 1; n <= 3; ++n)
        SeedCustomer(n, QStringLiteral("A%1").arg(n), QStringLiteral("Firm%1").arg(n));
    const QStringList before = CustomerMarks();
    MakeFolders("/Temp.txt"); // the cycle file's scratch copy cannot be made
    frmCustomer& screen = ShowScreen();
    screen.CurrentRec = 2;
    screen.LoadCustomer();
    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::Ok);
    screen.mnuDelete_Click();
    EXPECT_EQ(Script().Shown().last().Title, "Delete Failed");
    EXPECT_TRUE(Script().Shown().last().Prompt.contains("Temp.txt could not be written"));
    EXPECT_EQ(CustomerMarks(), before);
    EXPECT_FALSE(Exists("/CUSTOMER.TMP"));
}

TEST_F(CustomerFilesStayPairedTest, ASaveThatCannotReachEveryFileWritesNone)
{
    SeedCustomer(1, "A1", "Firm1");
    frmCustomer& screen = ShowScreen();
    const QByteArray customers = ReadFile("/CustomerData.txt");
    const QByteArray contracts = ReadFile("/ContractInfo.txt");
    QFile::remove(FullPath("/CycleInfo.txt"));
    MakeFolders("/CycleInfo.txt"); // the cycle record cannot be written
    screen.txtCustomer[1]->setText("Firm1 renamed");
    Script().Queue(MsgAnswer::Ok);
    screen.SaveCustomer();
    EXPECT_EQ(screen.RecordValid, 0);
    EXPECT_EQ(Script().Shown().last().Title, "Save Failed");
    EXPECT_EQ(ReadFile("/CustomerData.txt"), customers);
    EXPECT_EQ(ReadFile("/ContractInfo.txt"), contracts);
}

TEST_F(CustomerFilesStayPairedTest, ADeleteIsRefusedWhileAFileIsGoneAtTheMomentOfTheDelete)
{
    for (int n = 1; n <= 3; ++n)
        SeedCustomer(n, QStringLiteral("A%1").arg(n), QStringLiteral("Firm%1").arg(n));
    frmCustomer& screen = ShowScreen();
    const QByteArray customers = ReadFile("/CustomerData.txt");
    const QByteArray cycles = ReadFile("/CycleInfo.txt");
    // While the question is up the contract file goes, and its backup copy cannot be put back.
    Script().WhileShown = [this](const ShownMessage& shown) {
        if (shown.Prompt != "Delete this Customer")
            return;
        QFile::remove(FullPath("/ContractInfo.txt"));
        MakeFolders("/Backup/ContractInfo.txt/in the way");
    };
    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::Ok);
    ChooseMenu(&screen, "Files", "DELETE This customer");
    ASSERT_EQ(Script().Shown().size(), 2);
    EXPECT_EQ(Script().Shown().last().Title, "File Missing");
    EXPECT_TRUE(Script().Shown().last().Prompt.contains("ContractInfo.txt"));
    EXPECT_EQ(ReadFile("/CustomerData.txt"), customers);
    EXPECT_EQ(ReadFile("/CycleInfo.txt"), cycles);
    EXPECT_FALSE(Exists("/ContractInfo.txt"));
    EXPECT_EQ(screen.txtCustomer[0]->text(), "A1");

    // Tried again, it is refused before the question.
    Script().Queue(MsgAnswer::Ok);
    ChooseMenu(&screen, "Files", "DELETE This customer");
    ASSERT_EQ(Script().Shown().size(), 3);
    EXPECT_EQ(Script().Shown().last().Title, "File Missing");
    EXPECT_EQ(ReadFile("/CustomerData.txt"), customers);
}

TEST_F(CustomerFilesStayPairedTest, NothingIsSavedWhileACutShortDeleteCannotBeSettled)
{
    for (int n = 1; n <= 3; ++n)
        SeedCustomer(n, QStringLiteral("A%1").arg(n), QStringLiteral("Firm%1").arg(n));
    frmCustomer& screen = ShowScreen();
    ShowAtRealSize(&screen);
    // A delete stopped on its way: its customer copy is cut short, so it cannot be finished.
    WriteFile(CustomerDeleteMarkerPath, "\"Finish\",\"A2\"\r\n");
    const QByteArray torn = ReadFile("/CustomerData.txt").left(CustomerRecord::Length + 100);
    WriteFile("/CUSTOMER.TMP", torn);
    const QByteArray before = AllFiles();

    ClickAt(screen.txtCustomer[1]);
    PressKey(Qt::Key_End);
    TypeText(" renamed");
    Script().Queue(MsgAnswer::Ok);
    ClickButton(screen.cmdNav[2]); // saves, then moves on
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown().last().Title, "Customer Files");
    EXPECT_TRUE(Script().Shown().last().Prompt.contains("repaired"));
    EXPECT_EQ(screen.CurrentRec, 1);
    Script().Queue(MsgAnswer::Ok);
    ClickButton(screen.cmdNew);
    Script().Queue(MsgAnswer::Ok);
    ChooseMenu(&screen, "Files", "DELETE This customer");
    EXPECT_EQ(Titles(), QStringList({"Customer Files", "Customer Files", "Customer Files"}));
    EXPECT_EQ(AllFiles(), before);
    EXPECT_EQ(ReadFile("/CUSTOMER.TMP"), torn);
    EXPECT_TRUE(Exists(CustomerDeleteMarkerPath));

    // Once the folder is put right the delete is settled and the save goes through.
    QFile::remove(FullPath("/CUSTOMER.TMP"));
    ClickButton(screen.cmdNav[2]);
    EXPECT_EQ(Script().Shown().size(), 3);
    EXPECT_FALSE(Exists(CustomerDeleteMarkerPath));
    EXPECT_EQ(ReadCustomer(1).AccountName.trimmed(), "Firm1 renamed");
    EXPECT_EQ(screen.CurrentRec, 2);
}

TEST_F(CustomerFilesStayPairedTest, ADeleteHidesTheListWhoseNumbersItMoved)
{
    for (int n = 1; n <= 3; ++n)
        SeedCustomer(n, QStringLiteral("A%1").arg(n), QStringLiteral("Firm%1").arg(n));
    frmCustomer& screen = ShowScreen();
    screen.mnuPrint_Click();
    ASSERT_TRUE(screen.fraCustomersFound->isVisible());
    Script().Queue(MsgAnswer::Yes);
    screen.mnuDelete_Click();
    EXPECT_FALSE(screen.fraCustomersFound->isVisible());

    // The data boxes are not offered for a customer still being added.
    screen.mnuAux_Click();
    ASSERT_TRUE(screen.fraAux->isVisible());
    screen.mnuAdd_Click();
    EXPECT_FALSE(screen.fraAux->isVisible());
}

} // namespace
