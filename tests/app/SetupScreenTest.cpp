#include "app/frmSetup.h"

#include "app/frmStartup.h"
#include "core/Settings.h"
#include "platform/CommonDialogs.h"
#include "platform/Controls.h"
#include "platform/ProgramNames.h"
#include "platform/TextBox.h"
#include "platform/Units.h"
#include "support/ScreenFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest/QTest>

namespace {

class SetupScreenTest : public ScreenFixture {
protected:
    void WriteBusiness(const QByteArray& name, const QByteArray& state, const QByteArray& zip)
    {
        WriteFile("/MyBusinessData.txt", "\"" + name + "\",\"1 Main St\",\"\",\"Springfield\",\"" + state + "\",\""
                                             + zip + "\",\"555-0100\",\"\",\"\"\r\n");
    }

    static frmSetup& ShowSetup()
    {
        frmSetup& setup = ScreenInstance<frmSetup>();
        setup.Show();
        return setup;
    }

    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2)); }

    static void ExpectStyle(frmSetup& setup, bool usa)
    {
        EXPECT_EQ(setup.cmdAddress->text(), usa ? "USA Style Address" : "International Style Address");
        EXPECT_EQ(Live().AddressStyle, setup.cmdAddress->text());
        EXPECT_EQ(setup.lblAddress[3]->text(), usa ? "City" : "Address 3");
        EXPECT_EQ(setup.lblAddress[4]->text(), usa ? "State" : "Address 4");
        EXPECT_EQ(!setup.lblAddress[5]->isHidden() && !setup.lblPostal->isHidden(), usa);
        EXPECT_EQ(!setup.txtBusiness[5]->isHidden(), usa);
        EXPECT_EQ(setup.txtBusiness[4]->MaxLength(), usa ? 2 : 55);
        EXPECT_EQ(setup.txtBusiness[4]->width(), PixelsFromTwips(usa ? 930 : 5385));
        EXPECT_EQ(setup.txtBusiness[3]->width(), PixelsFromTwips(usa ? 3150 : 5385));
    }
};

TEST_F(SetupScreenTest, AddressStyleFollowsTheStoredBusinessData)
{
    frmSetup& setup = ShowSetup();
    ExpectStyle(setup, false); // no business file yet
    EXPECT_EQ(setup.txtBusiness[5]->text(), "");

    struct Case {
        const char *name, *zip;
        bool usa;
    };
    const Case cases[] = {{"Acme", "12345", true}, {"Acme", "", false},        {"", "", true},
                          {"", "02134", true},     {"", "SW1A 1AA", false},    {"Acme", "SW1A 1AA", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "name \"" << c.name << "\" zip \"" << c.zip << "\"");
        WriteBusiness(c.name, "", c.zip);
        QTest::mouseClick(setup.Image5, Qt::LeftButton);
        ExpectStyle(setup, c.usa);
        EXPECT_EQ(setup.txtBusiness[0]->text(), c.name);
        EXPECT_EQ(setup.txtBusiness[5]->text(), c.usa ? c.zip : "");
    }
}

TEST_F(SetupScreenTest, StateLimitHoldsForTypingOnlyAndTogglingRestoresTheStoredZip)
{
    WriteBusiness("Acme", "", "12345");
    frmSetup& setup = ShowSetup();
    ExpectStyle(setup, true);
    QTest::keyClicks(setup.txtBusiness[4], "NYC");
    EXPECT_EQ(setup.txtBusiness[4]->text(), "NY");

    setup.txtBusiness[5]->setText("99999");
    setup.cmdAddress->click();
    ExpectStyle(setup, false);
    EXPECT_EQ(setup.txtBusiness[5]->text(), "");
    setup.txtBusiness[4]->setText("New South Wales");
    setup.cmdAddress->click();
    ExpectStyle(setup, true);
    EXPECT_EQ(setup.txtBusiness[5]->text(), "12345");
    EXPECT_EQ(setup.txtBusiness[4]->text(), "New South Wales");
    QTest::keyClicks(setup.txtBusiness[4], "X");
    EXPECT_EQ(setup.txtBusiness[4]->text(), "New South Wales");
}

TEST_F(SetupScreenTest, ClearingBusinessDataAsksAndTouchesOnlyTheBoxes)
{
    WriteBusiness("Acme", "IL", "12345");
    const QByteArray stored = ReadFile("/MyBusinessData.txt");
    frmSetup& setup = ShowSetup();

    Script().Queue(MsgAnswer::No);
    QTest::mouseClick(setup.Image4, Qt::LeftButton);
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Prompt, "Do you want to reset (clear)all Business Data?");
    EXPECT_EQ(Script().Shown()[0].Title, "Reset Business Data");
    EXPECT_EQ(Script().Shown()[0].Buttons, MsgButtons::YesNo);
    EXPECT_EQ(setup.txtBusiness[6]->text(), "555-0100");

    Script().Queue(MsgAnswer::Yes);
    QTest::mouseClick(setup.Image4, Qt::LeftButton);
    for (TextBox* box : setup.txtBusiness)
        EXPECT_EQ(box->text(), "");
    EXPECT_EQ(Settings().BusinessName, "Acme");
    EXPECT_EQ(ReadFile("/MyBusinessData.txt"), stored);
}

TEST_F(SetupScreenTest, LeavingWithARequiredFileMissingStaysOnTheFirstTab)
{
    frmSetup& setup = ShowSetup();
    setup.txtBusiness[0]->setText("Acme");
    setup.tabSetup->setCurrentIndex(frmSetup::OperationsTab);
    Script().Queue(MsgAnswer::Ok);
    setup.cmdQuit->click();

    ASSERT_FALSE(Script().Shown().isEmpty());
    EXPECT_EQ(Script().Shown().last().Prompt, "You Have Not Created All Required Files");
    EXPECT_EQ(Script().Shown().last().Title, ProgramTitle);
    EXPECT_EQ(setup.tabSetup->currentIndex(), frmSetup::BusinessTab);
    EXPECT_TRUE(setup.isVisible());
    EXPECT_FALSE(IsScreenLoaded<frmStartup>());
    EXPECT_EQ(Settings().BusinessName, "Acme"); // what could be saved has been
}

TEST_F(SetupScreenTest, WorkDaysAndAlarmsReachTheSettingsAtOnceAndComeBackNextRun)
{
    WriteFile("/SchedulerSettings.txt", "8\r\n5\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n");
    WriteBusiness("Acme", "IL", "12345");
    WriteFile("/Assignto.txt", "\"North\"\r\n");
    WriteFile("/Characteristics.txt", "\"Permit\",1,1,0,0\r\n");
    WriteFile("/CustomerData.txt", QByteArray(328, ' ')); // the menu shown on leaving asks nothing

    struct Case {
        QRadioButton* frmSetup::*week;
        QRadioButton* frmSetup::*hour;
        int workWeek, startHour;
    };
    const Case cases[] = {{&frmSetup::optMS, &frmSetup::ck7, 61, 7},
                          {&frmSetup::optSF, &frmSetup::ck8, 62, 8},
                          {&frmSetup::optSS, &frmSetup::ck7, 7, 7},
                          {&frmSetup::optMF, &frmSetup::ck8, 5, 8}};
    frmSetup* setup = &ShowSetup();
    setup->ckAlarms->setChecked(false);
    EXPECT_FALSE(Settings().AlarmsOn);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.workWeek);
        Click(setup->*c.week);
        Click(setup->*c.hour);
        EXPECT_EQ(Settings().WorkWeek, c.workWeek);
        EXPECT_EQ(Settings().StartHour, c.startHour);

        setup->cmdQuit->click();
        EXPECT_FALSE(setup->isVisible());
        EXPECT_TRUE(ScreenInstance<frmStartup>().isVisible());

        // The next run: settings as at start-up, the screen loaded afresh.
        setup->Unload();
        ResetSettings();
        setup = &ShowSetup();
        EXPECT_TRUE((setup->*c.week)->isChecked());
        EXPECT_TRUE((setup->*c.hour)->isChecked());
        EXPECT_EQ(Settings().WorkWeek, c.workWeek);
        EXPECT_EQ(Settings().StartHour, c.startHour);
        EXPECT_FALSE(setup->ckAlarms->isChecked() || Settings().AlarmsOn);
        ExpectStyle(*setup, true);
    }
    EXPECT_TRUE(Script().Shown().isEmpty());
}

TEST_F(SetupScreenTest, PrintingDialogsAndCopiesChangeTheLiveSettingsUnlessCancelled)
{
    frmSetup& setup = ShowSetup();
    const LiveSettings before = Live();
    DialogScript dialogs;
    for (int i = 1; i <= 3; ++i) {
        dialogs.QueueCancel();
        setup.cmdChange[size_t(i)]->click();
    }
    EXPECT_EQ(dialogs.Shown(), 3);
    EXPECT_EQ(Live().BorderColor, before.BorderColor);
    EXPECT_EQ(Live().TextColor, before.TextColor);
    EXPECT_EQ(Live().FontName, before.FontName);

    dialogs.QueueColor(0x0000FF);
    dialogs.QueueColor(0x00FF00);
    dialogs.QueueFont("Courier New");
    for (int i = 1; i <= 3; ++i)
        setup.cmdChange[size_t(i)]->click();
    EXPECT_EQ(Live().BorderColor, 0x0000FFu);
    EXPECT_EQ(Live().TextColor, 0x00FF00u);
    EXPECT_EQ(Live().FontName, "Courier New");
    EXPECT_EQ(setup.lblFont->text(), "Courier New");
    EXPECT_EQ(setup.txtBorders->palette().color(QPalette::Window), QColor(255, 0, 0)); // red in the low byte
    EXPECT_EQ(setup.txtData->palette().color(QPalette::Window), QColor(0, 255, 0));
    EXPECT_EQ(dialogs.Unanswered(), 0);

    ASSERT_EQ(setup.cboCopies->count(), 5);
    EXPECT_EQ(setup.cboCopies->currentText(), "3");
    setup.cboCopies->setCurrentIndex(4);
    EXPECT_EQ(Settings().PrintCopies, 5);
    EXPECT_EQ(DialogCopies(), 5);
}

TEST_F(SetupScreenTest, TabPictureCyclesPastTheAttributesTab)
{
    WriteFile("/Characteristics.txt", "\"Permit\",1,1,0,0\r\n");
    frmSetup& setup = ShowSetup();
    ASSERT_TRUE(setup.tabSetup->isTabEnabled(frmSetup::AttributesTab));
    QList<int> visited;
    QObject::connect(setup.tabSetup, &QTabWidget::currentChanged, [&visited](int tab) { visited.append(tab); });
    for (int click = 0; click < 5; ++click) {
        QTest::mouseClick(setup.Image1, Qt::LeftButton);
        EXPECT_EQ(setup.mnuToggle->isEnabled(), setup.tabSetup->currentIndex() == frmSetup::MilestonesTab);
    }
    EXPECT_EQ(visited, (QList<int>{1, 2, 3, 4, 0}));

    setup.tabSetup->setCurrentIndex(frmSetup::AttributesTab);
    QTest::mouseClick(setup.Image1, Qt::LeftButton);
    EXPECT_EQ(setup.tabSetup->currentIndex(), frmSetup::HelpTab);
    QTest::mouseClick(setup.Image1, Qt::LeftButton);
    EXPECT_EQ(setup.tabSetup->currentIndex(), frmSetup::BusinessTab);

    // Every showing starts on the first tab.
    setup.tabSetup->setCurrentIndex(frmSetup::OperationsTab);
    setup.Hide();
    setup.Show();
    EXPECT_EQ(setup.tabSetup->currentIndex(), frmSetup::BusinessTab);
}

} // namespace
