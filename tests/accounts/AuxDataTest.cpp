#include "accounts/AuxData.h"

#include "accounts/CustomerRecords.h"
#include "accounts/frmCustomer.h"
#include "core/FileAccess.h"
#include "platform/TextBox.h"
#include "support/CustomerFiles.h"
#include "support/ScreenFixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>

namespace {

class AuxDataTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        ResetCustomerBuffers();
        SeedCustomer(1, "A1", "Acme Builders");
        SeedCustomer(2, "A2", "", "Ann", "Jones");
    }
    void TearDown() override
    {
        ScreenFixture::TearDown();
        ResetCustomerBuffers();
    }

    static frmCustomer& ShowBoxes()
    {
        frmCustomer& screen = ScreenInstance<frmCustomer>();
        screen.Show();
        screen.mnuAux->trigger();
        return screen;
    }

    static QStringList Boxes(const frmCustomer& screen)
    {
        QStringList texts;
        for (const MultiLineTextBox* box : screen.txtAux)
            texts.append(box->toPlainText());
        return texts;
    }

    QByteArray BoxFiles(const QString& accountNo) const
    {
        QByteArray all;
        for (int i = 0; i < AuxBoxCount; ++i)
            all += ReadFile(QStringLiteral("/AuxFiles/%1/AuxFile%2/Data.txt").arg(accountNo, QString::number(i))) + "|";
        return all;
    }
};

TEST_F(AuxDataTest, BoxTextsComeBackAsTypedAndTheFilesDoNotGrow)
{
    frmCustomer& screen = ShowBoxes();
    EXPECT_EQ(screen.lblAccount->text(), "Acme Builders");
    const QStringList texts = {"Smith, John, \"Jr\"", "\"a quoted phrase\"", "   three leading blanks",
                               "first line\nsecond line", "ends with a break\n", ""};
    for (int i = 0; i < AuxBoxCount; ++i)
        screen.txtAux[size_t(i)]->setPlainText(texts[i]);

    screen.cmdSaveAux[2]->click();
    const QByteArray files = BoxFiles("A1");
    EXPECT_EQ(files, "Smith, John, \"Jr\"\r\n|\"a quoted phrase\"\r\n|   three leading blanks\r\n|"
                     "first line\r\nsecond line\r\n|ends with a break\r\n\r\n|\r\n|");

    for (int cycle = 0; cycle < 3; ++cycle) {
        screen.cmdSaveAux[3]->click();
        EXPECT_EQ(Boxes(screen), texts) << cycle;
        screen.mnuAux->trigger();
        screen.cmdSaveAux[2]->click();
        EXPECT_EQ(BoxFiles("A1"), files) << cycle;
    }

    ASSERT_TRUE(WriteAuxBox("A9", 4, "x\r\ny"));
    EXPECT_EQ(ReadFile("/AuxFiles/A9/AuxFile4/Data.txt"), "x\r\ny\r\n");
    EXPECT_TRUE(Script().Shown().isEmpty());
}

TEST_F(AuxDataTest, TheDataScreenNamesTheCustomerShownAfterACancelledAdd)
{
    WriteAuxBox("A1", 0, "Acme's gate code");
    frmCustomer& screen = ScreenInstance<frmCustomer>();
    screen.Show();
    ShowAtRealSize(&screen);
    ClickButton(screen.cmdNew);
    QTest::keyClicks(screen.txtCustomer[0], "C3");
    QTest::keyClicks(screen.txtCustomer[8], "Carl");
    QTest::keyClicks(screen.txtCustomer[10], "Hart");
    // The last-record button saves the new customer; the data screen then opens on it.
    ClickButton(screen.cmdNav[3]);
    screen.mnuAux->trigger();
    EXPECT_EQ(screen.lblAccount->text(), " Carl Hart");

    ClickButton(screen.cmdCustomer);
    EXPECT_EQ(screen.txtCustomer[0]->text(), "A1");
    EXPECT_EQ(Boxes(screen).value(0), "Acme's gate code");
    EXPECT_EQ(screen.lblAccount->text(), "Acme Builders");
}

TEST_F(AuxDataTest, HeadingsAreSixWholeLinesSharedByEveryAccount)
{
    WriteFile("/AuxHeadings.txt", "Gate code, side door\r\n  Dog's name\r\n\"Quoted\"\r\n");
    frmCustomer& screen = ShowBoxes();
    QStringList shown;
    for (const TextBox* heading : screen.txtHeading)
        shown.append(heading->text());
    EXPECT_EQ(shown, QStringList({"Gate code, side door", "  Dog's name", "\"Quoted\"", "Heading #4", "Heading #5",
                                  "Heading #6"}));

    WriteFile(BackupPathOf(AuxHeadingsPath), "stale\r\n");
    screen.txtHeading[3]->setText("Paint, colours");
    // A pasted line break stays in its heading's line.
    QApplication::clipboard()->setText("Roof\r\npitch");
    screen.resize(1280, 1024);
    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    QTest::mouseClick(screen.txtHeading[4], Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), screen.txtHeading[4]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    screen.cmdSaveAux[0]->click();
    EXPECT_EQ(ReadFile("/AuxHeadings.txt"), "Gate code, side door\r\n  Dog's name\r\n\"Quoted\"\r\nPaint, colours\r\n"
                                            "Heading #5Roof  pitch\r\nHeading #6\r\n");
    EXPECT_FALSE(Exists(BackupPathOf(AuxHeadingsPath)));
    EXPECT_EQ(ReadAuxHeadings(), shown.replaceInStrings("Heading #4", "Paint, colours")
                                     .replaceInStrings("Heading #5", "Heading #5Roof  pitch"));

    WriteFile("/AuxHeadings.txt", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n");
    EXPECT_EQ(ReadAuxHeadings(), QStringList({"1", "2", "3", "4", "5", "6"}));
}

TEST_F(AuxDataTest, RetainedTextsGoToTheNextAccount)
{
    ASSERT_TRUE(WriteAuxBox("A2", 0, "Ann's own"));
    frmCustomer& screen = ShowBoxes();
    screen.txtAux[0]->setPlainText("Acme's notes");
    screen.txtAux[5]->setPlainText("Acme, last box");

    // Without RETAIN the next account shows its own texts.
    screen.cmdSaveAux[7]->click();
    EXPECT_EQ(screen.CurrentRec, 2);
    EXPECT_EQ(screen.lblAccount->text(), " Ann Jones");
    EXPECT_EQ(Boxes(screen), QStringList({"Ann's own", "", "", "", "", ""}));
    screen.cmdSaveAux[8]->click();
    EXPECT_EQ(screen.CurrentRec, 1);
    EXPECT_EQ(Boxes(screen), QStringList({"Acme's notes", "", "", "", "", "Acme, last box"}));

    screen.ckSaveAux->setChecked(true);
    screen.cmdSaveAux[7]->click();
    EXPECT_EQ(screen.txtCustomer[10]->text(), "Jones");
    screen.cmdSaveAux[2]->click();
    EXPECT_EQ(BoxFiles("A2"), BoxFiles("A1"));
    EXPECT_EQ(ReadFile("/AuxFiles/A2/AuxFile5/Data.txt"), "Acme, last box\r\n");
}

TEST_F(AuxDataTest, APercentSignInAnAccountNumberNamesNoOtherAccount)
{
    SeedCustomer(1, "AB%2", "Percent Builders");
    SeedCustomer(2, "AB3", "Three Builders");
    ASSERT_TRUE(WriteAuxBox("AB3", 3, "AB3's own"));
    frmCustomer& screen = ShowBoxes();
    ShowAtRealSize(&screen);
    EXPECT_EQ(Boxes(screen), QStringList({"", "", "", "", "", ""}));

    ClickAt(screen.txtAux[3]);
    TypeText("Percent's notes");
    ClickButton(screen.cmdSaveAux[7]); // saves the boxes, shows AB3
    EXPECT_EQ(screen.txtCustomer[0]->text(), "AB3");
    EXPECT_EQ(Boxes(screen), QStringList({"", "", "", "AB3's own", "", ""}));
    EXPECT_EQ(ReadFile("/AuxFiles/AB3/AuxFile3/Data.txt"), "AB3's own\r\n");
    EXPECT_EQ(ReadFile("/AuxFiles/AB%2/AuxFile3/Data.txt"), "Percent's notes\r\n");
    ClickButton(screen.cmdSaveAux[8]);
    EXPECT_EQ(Boxes(screen), QStringList({"", "", "", "Percent's notes", "", ""}));
}

TEST_F(AuxDataTest, UnsafeAccountNumberNeverNamesAFolder)
{
    frmCustomer& screen = ShowBoxes();
    screen.txtCustomer[0]->setText("../x");
    screen.txtAux[0]->setPlainText("escaped");
    Script().Queue(MsgAnswer::Ok);
    screen.cmdSaveAux[2]->click();
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Title, "Account Data");

    // Told once: loading and saving again, or with no number, stay silent.
    screen.cmdSaveAux[3]->click();
    screen.txtAux[0]->setPlainText("escaped");
    screen.cmdSaveAux[2]->click();
    screen.txtCustomer[0]->setText("");
    screen.cmdSaveAux[2]->click();
    EXPECT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(QDir(FullPath("/")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({"ContractInfo.txt", "CustomerData.txt", "CycleInfo.txt"}));
}

TEST_F(AuxDataTest, UnsafeStoredAccountNumberIsReportedOncePerRun)
{
    CustomerRecord stored = ReadCustomer(2);
    stored.AccountNo = "A*2";
    ASSERT_TRUE(WriteCustomer(2, stored));
    frmCustomer& screen = ShowBoxes();
    Script().Queue(MsgAnswer::Ok);
    screen.cmdSaveAux[7]->click(); // loads customer 2
    ASSERT_EQ(Script().Shown().size(), 1);
    screen.Unload();

    // The customer screen again, later in the same run.
    frmCustomer& again = ShowBoxes();
    again.CurrentRec = 2;
    again.LoadCustomer();
    EXPECT_EQ(Script().Shown().size(), 1);
}

TEST_F(AuxDataTest, LargeWindowEditsOneBox)
{
    frmCustomer& screen = ShowBoxes();
    screen.cmdSaveAux[7]->click(); // Ann Jones, no title
    screen.txtHeading[2]->setText("Access, keys");
    screen.txtAux[2]->setPlainText("side gate\nkey under mat");

    QTest::mouseDClick(screen.txtAux[2]->viewport(), Qt::LeftButton);
    EXPECT_EQ(screen.AuxBoxIndex, 2);
    EXPECT_FALSE(screen.fraBig->isHidden());
    EXPECT_EQ(screen.lblEditing->text(), "Editing Data Box # 3 - Access, keys - for  Ann Jones");
    EXPECT_EQ(screen.txtBig->toPlainText(), "side gate\nkey under mat");

    screen.txtBig->setPlainText("changed");
    screen.cmdSaveAux[6]->click(); // Oops, Reload
    EXPECT_EQ(screen.txtBig->toPlainText(), "side gate\nkey under mat");
    screen.cmdSaveAux[5]->click();
    EXPECT_EQ(screen.txtBig->toPlainText(), "");
    screen.txtBig->setPlainText("front gate\ncode 1234");
    screen.cmdSaveAux[4]->click(); // Hide
    EXPECT_TRUE(screen.fraBig->isHidden());
    EXPECT_EQ(Boxes(screen), QStringList({"", "", "front gate\ncode 1234", "", "", ""}));
}

} // namespace
