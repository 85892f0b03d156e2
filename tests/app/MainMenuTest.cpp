#include "app/frmStartup.h"

#include "app/frmAbout.h"
#include "app/frmSetup.h"
#include "core/Links.h"
#include "core/Routines.h"
#include "core/SharedState.h"
#include "platform/ProgramNames.h"
#include "platform/Shell.h"
#include "support/ScreenFixture.h"
#include "telephony/PhoneSettings.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

namespace {

class MainMenuTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        ResetPhoneSettings();
        // Every routine has a screen, so that only the menu's own rules disable options.
        for (int routine = 1; routine <= RoutineCount; ++routine)
            RegisterRoutine(routine, [this, routine] { opened_.append(routine); });
    }
    void TearDown() override
    {
        ForgetRoutines();
        ResetPhoneSettings();
        ScreenFixture::TearDown();
    }

    void SetFiles(bool customers, bool project, bool callerId)
    {
        QFile::remove(FullPath("/CustomerData.txt"));
        QFile::remove(FullPath("/ConstructionProjects/x.txt"));
        if (customers)
            WriteFile("/CustomerData.txt", QByteArray(328, ' '));
        if (project)
            WriteFile("/ConstructionProjects/x.txt", "\"x\"\r\n");
        PhoneSettings().CallerIdOn = callerId;
    }

    // Shows the menu and lets the window system's activations through.
    static frmStartup& ShowMenu()
    {
        frmStartup& menu = ScreenInstance<frmStartup>();
        menu.Show();
        QTest::qWait(20);
        return menu;
    }

    // On the option's mark: a click beside a short caption does not reach the button.
    static QPoint Mark(QWidget* option) { return QPoint(6, option->height() / 2); }

    QList<int> opened_;
};

TEST_F(MainMenuTest, EnablingRulesFollowTheCustomerFileProjectsAndCallerId)
{
    for (int mask = 0; mask < 8; ++mask) {
        const bool customers = mask & 1, project = mask & 2, callerId = mask & 4;
        SCOPED_TRACE(testing::Message() << "customers " << customers << " project " << project << " caller ID "
                                        << callerId);
        SetFiles(customers, project, callerId);
        Shared().ProgramRoutine = 0;
        const qsizetype boxesBefore = Script().Shown().size();
        if (!customers)
            Script().Queue(MsgAnswer::Ok);

        frmStartup& menu = ShowMenu();
        for (size_t i = 0; i < 10; ++i) {
            const bool enabled = customers ? project || (i != 3 && i != 9) : i == 8;
            const bool visible = !customers || callerId || i != 5;
            EXPECT_EQ(menu.optProgramRoutine[i]->isEnabled(), enabled) << "option " << i;
            EXPECT_EQ(!menu.optProgramRoutine[i]->isHidden(), visible) << "option " << i;
            EXPECT_EQ(menu.optProgramRoutine[i]->isChecked(), i == (customers ? 0u : 8u)) << "option " << i;
        }
        EXPECT_EQ(Shared().ProgramRoutine, customers ? 1 : 9);

        // Exactly one box for the one activation, and only without customers.
        ASSERT_EQ(Script().Shown().size(), boxesBefore + (customers ? 0 : 1));
        if (!customers) {
            EXPECT_EQ(Script().Shown().last().Prompt, "Create your 1st Customer Record Now");
            EXPECT_EQ(Script().Shown().last().Title, ProgramTitle);
            EXPECT_EQ(Script().Shown().last().Buttons, MsgButtons::OkOnly);
        }
        menu.Unload();
    }
}

TEST_F(MainMenuTest, TheRoutinesStayPutWhetherOrNotReminderCallsShow)
{
    // Where each routine lies and the menu's size, with and without "Place Reminder Calls".
    auto layout = [this](bool callerId) {
        SetFiles(true, true, callerId);
        frmStartup& menu = ShowMenu();
        QList<QRect> places{QRect(QPoint(), menu.size())};
        for (QRadioButton* option : menu.optProgramRoutine)
            places.append(QRect(option->mapTo(&menu, QPoint()), option->size()));
        EXPECT_TRUE(menu.screen()->availableGeometry().contains(menu.frameGeometry()));
        menu.Unload();
        return places;
    };
    const QList<QRect> shown = layout(true);
    const QList<QRect> hidden = layout(false);
    for (int i = 0; i < shown.size(); ++i) {
        if (i != 6) { // the hidden routine itself
            EXPECT_EQ(hidden[i], shown[i]) << (i == 0 ? "menu size" : "option ") << i - 1;
        }
    }
}

TEST_F(MainMenuTest, HiddenMenuKeepsItsDisablingsWhileAnUnloadedOneStartsFresh)
{
    SetFiles(true, false, false);
    frmStartup* menu = &ShowMenu();
    menu->mnuCreate->trigger();
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(ScreenInstance<frmSetup>().isVisible());

    // A project and caller ID arrive while the menu is hidden; the rules never undo anything.
    SetFiles(true, true, true);
    ScreenInstance<frmSetup>().Hide();
    menu = &ShowMenu();
    EXPECT_FALSE(menu->optProgramRoutine[3]->isEnabled());
    EXPECT_FALSE(menu->optProgramRoutine[9]->isEnabled());
    EXPECT_TRUE(menu->optProgramRoutine[5]->isHidden());

    menu->cmdStart->click();
    EXPECT_EQ(opened_, QList<int>{1});
    EXPECT_FALSE(IsScreenLoaded<frmStartup>());
    menu = &ShowMenu();
    for (size_t i = 0; i < 10; ++i)
        EXPECT_TRUE(menu->optProgramRoutine[i]->isEnabled() && !menu->optProgramRoutine[i]->isHidden()) << i;
}

TEST_F(MainMenuTest, WithoutCustomersTheMessageComesAtEveryActivation)
{
    SetFiles(false, true, true);
    Script().Queue(MsgAnswer::Ok);
    Script().Queue(MsgAnswer::Ok);
    ShowMenu().mnuAbout->trigger();
    ScreenInstance<frmAbout>().cmdOK->click();
    QTest::qWait(20);
    frmStartup& menu = ScreenInstance<frmStartup>();
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(Script().Shown().size(), 2);

    menu.cmdStart->click();
    EXPECT_EQ(opened_, QList<int>{9});
    EXPECT_FALSE(IsScreenLoaded<frmStartup>());
}

TEST_F(MainMenuTest, GotoOpensTheChosenRoutineAndUnloadsTheMenu)
{
    SetFiles(true, true, true);
    for (size_t i = 0; i < 10; ++i) {
        opened_.clear();
        frmStartup& menu = ShowMenu();
        QTest::mouseClick(menu.optProgramRoutine[i], Qt::LeftButton, {}, Mark(menu.optProgramRoutine[i]));
        EXPECT_EQ(Shared().ProgramRoutine, int(i) + 1);
        menu.cmdStart->click();
        EXPECT_EQ(opened_, QList<int>{int(i) + 1}) << "option " << i;
        EXPECT_FALSE(IsScreenLoaded<frmStartup>()) << "option " << i;
    }

    opened_.clear();
    frmStartup& menu = ShowMenu();
    QTest::mouseDClick(menu.optProgramRoutine[7], Qt::LeftButton, {}, Mark(menu.optProgramRoutine[7]));
    EXPECT_EQ(Shared().ProgramRoutine, 8);
    EXPECT_EQ(opened_, QList<int>{8});
    EXPECT_FALSE(IsScreenLoaded<frmStartup>());

    // A routine outside 1 to 10 opens nothing but still unloads the menu.
    opened_.clear();
    ShowMenu();
    Shared().ProgramRoutine = 0;
    ScreenInstance<frmStartup>().cmdStart_Click();
    EXPECT_TRUE(opened_.isEmpty());
    EXPECT_FALSE(IsScreenLoaded<frmStartup>());

    // A disabled option cannot be double-clicked into.
    SetFiles(true, false, true);
    frmStartup& noProjects = ShowMenu();
    QTest::mouseDClick(noProjects.optProgramRoutine[9], Qt::LeftButton, {}, Mark(noProjects.optProgramRoutine[9]));
    EXPECT_EQ(Shared().ProgramRoutine, 1);
    EXPECT_TRUE(opened_.isEmpty());
    EXPECT_TRUE(noProjects.isVisible());
}

TEST_F(MainMenuTest, OrderFormsAskFirstAndOpenTheSupplierOnlyOnYes)
{
    SetFiles(true, true, true);
    frmStartup& menu = ShowMenu();
    const QString forms = Links::FormsSupplierName;
    const QString supplierLine = QStringLiteral("\r\nClick Yes to connect to a Supplier");
    struct Item {
        QAction* action;
        QString title, prompt, page;
    };
    const Item items[] = {
        {menu.mnuPPaper, "Order Paper", "Use Plain Paper for Reports (etc)" + supplierLine, Links::PlainPaperPage},
        {menu.mnuPPPaper, "Order Paper",
         "Perforated Response Paper is used to create\r\nField Invoices with a Tear-off Completion Summary"
             + supplierLine,
         Links::PerforatedPaperPage},
        {menu.mnuProposalForms, "Order " + forms + " Forms",
         forms + " offers 2 and 3 part carbonless paper\r\nSuitable for creating a Proposal Form on which\r\n"
                 "information can be hand written as well as printed\r\nConnect to " + forms + " Now",
         Links::ProposalFormsPage},
        {menu.mnuAddress, "Order Paper", "30 to a Page Mailing Labels" + supplierLine, Links::MailingLabelsPage},
        {menu.mnuLabels, "Order Labels", "Click YES to Connect to a Supplier", Links::ShippingLabelsPage},
        // Only the last of its three lines is fixed.
        {menu.mnuChecks, "Connect to " + Links::CheckSupplierName, {}, Links::ChecksPage},
    };
    for (const Item& item : items) {
        SCOPED_TRACE(item.action->text().toStdString());
        ShellRecorder shell;
        QFile::remove(FullPath("/Temp.url"));
        Script().Queue(MsgAnswer::No);
        item.action->trigger();
        EXPECT_TRUE(shell.Opened().isEmpty());
        EXPECT_FALSE(Exists("/Temp.url"));

        Script().Queue(MsgAnswer::Yes);
        item.action->trigger();
        EXPECT_EQ(shell.Opened(), QStringList{item.page});
        const ShownMessage& box = Script().Shown().last();
        EXPECT_EQ(box.Title, item.title);
        EXPECT_EQ(box.Buttons, MsgButtons::YesNo);
        if (item.prompt.isEmpty()) {
            const QStringList lines = box.Prompt.split("\r\n");
            EXPECT_EQ(lines.size(), 3);
            EXPECT_EQ(lines.last(), "Click YES to Connect");
        } else {
            EXPECT_EQ(box.Prompt, item.prompt);
        }
    }

    const qsizetype boxes = Script().Shown().size();
    ShellRecorder shell;
    menu.mnuDepositSlips->trigger();
    menu.mnuHelpContentsFile->trigger();
    EXPECT_EQ(shell.Opened(), (QStringList{Links::DepositSlipsPage, Links::UserManual}));
    EXPECT_EQ(Script().Shown().size(), boxes);
}

TEST_F(MainMenuTest, AboutHidesTheMenuAndItsMenuButtonBringsItBack)
{
    SetFiles(true, true, true);
    frmStartup& menu = ShowMenu();
    menu.mnuAbout->trigger();
    EXPECT_TRUE(menu.IsLoaded());
    EXPECT_FALSE(menu.isVisible());
    frmAbout& about = ScreenInstance<frmAbout>();
    EXPECT_TRUE(about.isVisible());

    ShellRecorder shell;
    about.cmdVisit->click();
    EXPECT_EQ(shell.Opened(), QStringList{Links::MakerWebSite});
    about.cmdOK->click();
    EXPECT_FALSE(IsScreenLoaded<frmAbout>());
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(&ScreenInstance<frmStartup>(), &menu);
}

} // namespace
