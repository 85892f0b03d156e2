#include "accounts/CustomerHandOver.h"
#include "accounts/frmContacts.h"
#include "accounts/frmCustomer.h"
#include "app/frmAbout.h"
#include "app/frmSetup.h"
#include "app/frmSplash.h"
#include "app/frmStartup.h"
#include "core/DataUpkeep.h"
#include "projects/frmCustomerSelection.h"
#include "projects/frmWorkOrder.h"
#include "projects/BoardFixture.h"
#include "scheduling/ProjectCounter.h"
#include "scheduling/SlipRecord.h"
#include "scheduling/frmAdmin.h"
#include "scheduling/frmBlock.h"
#include "scheduling/frmMain.h"
#include "telephony/frmCallBack.h"
#include "telephony/frmCallID.h"
#include "telephony/frmDialer.h"
#include "telephony/frmSlip.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QWindow>
#include <QtTest/QTest>

namespace {

// Every screen in the states its routines put it in, on the 1280x1024 desk screen and on a
// 1024x768 one: the frame inside the screen's available area, every button inside the frame.
class ScreenFitTest : public board::BoardTest {
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        ResetTeamDayState();
        ResetProjectCounter();
        ResetCustomerHandOver();
        for (int year = 2026; year <= 2028; ++year)
            for (int team = 1; team <= 2; ++team) {
                MakeFolders(TeamFolderPath(QString::number(year), team));
                MakeFolders("/Backup" + TeamFolderPath(QString::number(year), team));
            }
        // A technical first milestone, read by the settings screen when it loads.
        WriteFile("/Characteristics.txt", "\"Framing\",2,2,0,0\r\n\"Permit\",1,1,1,2\r\n\"Roofing\",2,2,2,1\r\n");
        WriteFile("/CustomerData.txt", QByteArray(328, ' '));
        WriteProject("Pj60-1", {board::Milestone("Framing", 2, board::Day(16), "Days", 2),
                                board::Milestone("Wiring", 2, board::Day(18), "Hours", 2, 3)});
    }

    void TearDown() override
    {
        BoardTest::TearDown();
        ResetTeamDayState();
        ResetProjectCounter();
        ResetCustomerHandOver();
    }

    static QScreen* ScreenOfSize(int width, int height)
    {
        for (QScreen* screen : QGuiApplication::screens())
            if (screen->geometry().size() == QSize(width, height))
                return screen;
        return nullptr;
    }

    // Opens the screen on the given screen of the desktop the first time it is shown, a little
    // in from its corner, where a big window would run past the far edges.
    template <typename T>
    T& Open(QScreen* where)
    {
        T& screen = ScreenInstance<T>();
        if (!screen.isVisible() && !placed_.contains(&screen)) {
            placed_.append(&screen);
            screen.setScreen(where);
            screen.move(where->availableGeometry().topLeft() + QPoint(40, 40));
        }
        screen.Show();
        return screen;
    }

    template <typename T>
    void OpenAndLeave(QScreen* where, const char* state)
    {
        QPointer<T> screen = &Open<T>(where);
        Fits(*screen, where, state);
        if (screen)
            screen->Hide();
    }

    static void Fits(QWidget& shown, QScreen* where, const char* state)
    {
        QPointer<QWidget> still = &shown;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        ASSERT_TRUE(still && still->isVisible()) << state << ": the screen closed itself";
        QWidget& window = *still;
        const QRect area = where->availableGeometry();
        const QRect frame = window.frameGeometry();
        EXPECT_TRUE(area.contains(frame)) << state << ": frame " << frame.x() << "," << frame.y() << " "
                                          << frame.width() << "x" << frame.height() << " on " << area.width()
                                          << "x" << area.height();
        // Squeezed below what its layout needs, a window draws controls over one another.
        if (QLayout* layout = window.layout()) {
            const QSize least = layout->totalMinimumSize();
            EXPECT_TRUE(least.width() <= window.width() && least.height() <= window.height())
                << state << ": needs " << least.width() << "x" << least.height() << ", has " << window.width() << "x"
                << window.height();
        }
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            if (!button->isVisibleTo(&window))
                continue;
            const QRect place(button->mapTo(&window, QPoint(0, 0)), button->size());
            EXPECT_TRUE(window.rect().contains(place))
                << state << ": \"" << button->text().toStdString() << "\" at " << place.x() << "," << place.y()
                << " in " << window.width() << "x" << window.height();
        }
    }

    // Clicks the button where the window system would deliver the click.
    static void Click(QAbstractButton* button)
    {
        QWidget* window = button->window();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        const QPoint at = button->mapTo(window, button->rect().center());
        QWidget* target = window->childAt(at);
        ASSERT_TRUE(target) << button->text().toStdString();
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, at));
    }

    void WalkEveryScreen(QScreen* where)
    {
        OpenAndLeave<frmSplash>(where, "splash");
        OpenAndLeave<frmStartup>(where, "main menu");
        frmSetup& setup = Open<frmSetup>(where);
        for (QTabWidget* tabs : setup.findChildren<QTabWidget*>())
            for (int page = 0; page < tabs->count(); ++page) {
                tabs->setCurrentIndex(page);
                Fits(setup, where, qPrintable("settings " + tabs->tabText(page)));
            }
        setup.Hide();
        OpenAndLeave<frmAbout>(where, "about");

        Script().Queue(MsgAnswer::Ok); // the contract and cycle files are built
        Script().Queue(MsgAnswer::Ok);
        frmCustomer& customer = Open<frmCustomer>(where);
        Fits(customer, where, "customer");
        customer.mnuAux->trigger();
        Fits(customer, where, "customer data screen");
        customer.mnuPrint->trigger();
        Fits(customer, where, "customer list beside the data screen");
        customer.mnuAux->trigger();
        Fits(customer, where, "customer after its data screen");
        customer.Hide();
        Script().Queue(MsgAnswer::Ok);
        OpenAndLeave<frmContacts>(where, "contacts");

        Shared().ProgramRoutine = 1;
        CustomerHandOverValues& handOver = CustomerHandOver();
        handOver.Items = {"", "Acme Roofing", "1 Main St", "", "Springfield", "IL", "62701", "555-0100"};
        handOver.AccountNo = "ACME02";
        handOver.Pending = true;
        frmMain& schedule = Open<frmMain>(where);
        Fits(schedule, where, "routine 1 project page");
        Click(schedule.cmdContinue);
        Fits(schedule, where, "routine 1 technical milestone");
        if (schedule.lblMode->text() != "Hours")
            Click(schedule.tgTime);
        Click(schedule.cmdContinue);
        EXPECT_TRUE(schedule.fgHours->isVisible());
        Fits(schedule, where, "routine 1 hour grid");
        Click(schedule.cmdHelp[0]);
        Fits(schedule, where, "routine 1 help");
        Click(schedule.cmdHelp[1]);
        Script().Queue(MsgAnswer::Yes);
        Click(schedule.cmdStartOver);
        Fits(schedule, where, "routine 1 after Start Over");
        schedule.Hide();
        Shared().ProgramRoutine = 3;
        schedule.Show();
        Fits(schedule, where, "routine 3");
        schedule.mnuTeamCal->trigger();
        Fits(schedule, where, "routine 3 team calendar");
        schedule.cmdView->setEnabled(true);
        Click(schedule.cmdView);
        Fits(schedule, where, "routine 3 day window");
        schedule.fraPrint->show();
        Fits(schedule, where, "routine 3 print frame");
        schedule.Hide();

        frmProjectControl& board = Open<frmProjectControl>(where);
        const int boardHeight = board.height();
        for (int panel = 1; panel <= 4; ++panel) {
            board.ShowPanel(panel);
            Fits(board, where, qPrintable(QStringLiteral("board panel %1").arg(panel)));
            // Sized once for the largest panel: the window does not jump from panel to panel.
            EXPECT_EQ(board.height(), boardHeight) << "board panel " << panel;
        }
        // The calendar with its hours over the summary, the tallest the board gets.
        Select(board, 1, 2);
        board.mnuRescheduleMilestone_Click();
        ASSERT_TRUE(board.fraTime->isVisible());
        Fits(board, where, "board calendar and hours over the summary");
        EXPECT_EQ(board.height(), boardHeight) << "board calendar and hours over the summary";
        board.Hide();

        Script().Queue(MsgAnswer::Ok);
        OpenAndLeave<frmAdmin>(where, "administrative view");
        frmBlock& block = Open<frmBlock>(where);
        Fits(block, where, "blocked days");
        block.mnuBlocked->trigger();
        Fits(block, where, "blocked days with their grid");
        block.Hide();
        OpenAndLeave<frmDialer>(where, "dialer");
        OpenAndLeave<frmCallID>(where, "call monitor");
        SlipRecord slip;
        slip.EventKey = "SA100";
        slip.TeamNo = "1";
        slip.EventDate = "3/10/2026";
        slip.StartSlot = "3";
        slip.CustomerName = "Jones";
        WriteFile("/Slips.txt", slip.ToBytes());
        OpenAndLeave<frmCallBack>(where, "call-back list");
        Shared().SelectedEntry = "SA100 Jones";
        Shared().EntryKind = 1;
        OpenAndLeave<frmSlip>(where, "slip viewer");
        OpenAndLeave<frmWorkOrder>(where, "work order");
        WriteFile("/TamselProposals/A.txt", "\"FP-100\",4800,#2026-02-01#,\"A7\",\"Jane Doe\",\"1 Main St\",\"\","
                                            "\"Dayton\",\"OH\",\"45402\",\"937-555-0101\"\r\n");
        OpenAndLeave<frmCustomerSelection>(where, "proposal selection");
    }

    QList<QWidget*> placed_;
};

TEST_F(ScreenFitTest, EveryScreenOpensInsideTheDeskScreen)
{
    QScreen* desk = ScreenOfSize(1280, 1024);
    ASSERT_TRUE(desk);
    WalkEveryScreen(desk);
}

TEST_F(ScreenFitTest, EveryScreenStillFitsASmallScreen)
{
    QScreen* laptop = ScreenOfSize(1024, 768);
    ASSERT_TRUE(laptop);
    WalkEveryScreen(laptop);
}

TEST_F(ScreenFitTest, AWindowStaysAsTheUserLeftIt)
{
    QScreen* desk = ScreenOfSize(1280, 1024);
    ASSERT_TRUE(desk);
    ScreenInstance<frmSetup>(); // loaded hidden at start-up: the catalogue
    Script().Queue(MsgAnswer::Ok); // the contract and cycle files are built
    Script().Queue(MsgAnswer::Ok);
    frmCustomer& customer = Open<frmCustomer>(desk);
    QCoreApplication::processEvents();
    const QSize own = customer.size();
    customer.mnuAux->trigger();
    QCoreApplication::processEvents();
    // The data screen beside the customer comes within the window's one size.
    EXPECT_EQ(customer.size(), own);
    EXPECT_TRUE(customer.rect().contains(customer.fraAux->geometry())) << customer.fraAux->geometry().right();
    customer.mnuAux->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(customer.size(), own);
    customer.Hide();

    // On the small screen a panel shown before another is hidden would widen the window past it.
    QScreen* laptop = ScreenOfSize(1024, 768);
    ASSERT_TRUE(laptop);
    Shared().ProgramRoutine = 1;
    CustomerHandOver().Pending = true;
    frmMain& schedule = Open<frmMain>(laptop);
    QCoreApplication::processEvents();
    // Sized by the user through the window system, then panels come and go.
    const QSize userSize(1000, 700);
    schedule.windowHandle()->resize(userSize);
    QCoreApplication::processEvents();
    ASSERT_EQ(schedule.size(), userSize);
    Click(schedule.cmdContinue);
    Click(schedule.cmdHelp[0]);
    Click(schedule.cmdHelp[0]);
    Script().Queue(MsgAnswer::Yes);
    Click(schedule.cmdStartOver);
    QCoreApplication::processEvents();
    EXPECT_EQ(schedule.size(), userSize);

    schedule.windowHandle()->showMaximized();
    QCoreApplication::processEvents();
    Click(schedule.cmdContinue);
    Script().Queue(MsgAnswer::Yes);
    Click(schedule.cmdStartOver);
    Click(schedule.cmdContinue);
    Script().Queue(MsgAnswer::Yes);
    Click(schedule.cmdKillProj);
    QCoreApplication::processEvents();
    EXPECT_TRUE(schedule.isMaximized());
    EXPECT_EQ(schedule.frameGeometry(), laptop->availableGeometry());
}

} // namespace
