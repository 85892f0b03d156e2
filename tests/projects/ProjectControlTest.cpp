#include "app/Startup.h"
#include "app/frmStartup.h"
#include "core/DataUpkeep.h"
#include "core/Links.h"
#include "platform/Shell.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/FlexGrid.h"
#include "platform/RegionalFormat.h"
#include "projects/frmProjectControl.h"
#include "scheduling/TeamDayStore.h"
#include "projects/BoardFixture.h"

#include <QAction>
#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

namespace {

using namespace board;
using ProjectControlTest = BoardTest;

TEST_F(ProjectControlTest, OpensOnThePastDueListWhenAMilestoneIsPastDue)
{
    // No project at all: the project routines of the menu and the past-due entry are off.
    {
        frmProjectControl& board = OpenBoard();
        frmStartup& menu = ScreenInstance<frmStartup>();
        EXPECT_FALSE(menu.optProgramRoutine[9]->isEnabled());
        EXPECT_FALSE(menu.optProgramRoutine[3]->isEnabled());
        EXPECT_FALSE(board.mnuPastDue->isEnabled());
        EXPECT_EQ(board.fgProjects->Rows(), 2);
        EXPECT_EQ(board.fgProjects->TextMatrix(1, 0), "");
        EXPECT_TRUE(board.fraProjects->isVisible());
        board.Unload();
        menu.Unload();
    }

    WriteProject("Pj60-1", {Milestone("Permit", 1, Day(20))});
    frmProjectControl& board = OpenBoard();
    EXPECT_TRUE(board.fraProjects->isVisible());
    EXPECT_EQ(board.fgCompleted->Rows(), 2);
    EXPECT_EQ(board.fgProjects->TextMatrix(0, 4), "Telephone");
    EXPECT_EQ(board.fgProjects->TextMatrix(1, 1), "Kitchen Pj60-1");

    // A project saved by another screen, and a file that cannot be read, show at the next
    // activation; the damaged one is named once.
    WriteProject("Pj61-1", {Milestone("Survey", 1, Day(6)), Milestone("Permit", 1, Day(9))});
    WriteFile(ProjectsFolder + "/Pj62-1.txt", "\"Pj62-1\",\"cut short\"\r\n");
    LoadedProjects().ProjectsLoaded = false;
    Script().Queue(MsgAnswer::Ok);
    board.ActivateBoard();
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Prompt,
              "These Project Files could not be read\nPj62-1.txt\nThey are not listed and have not been changed");
    EXPECT_EQ(board.fgProjects->Rows(), 3);
    ASSERT_EQ(board.fgCompleted->Rows(), 3);
    EXPECT_EQ(board.fgCompleted->TextMatrix(1, 2), "Survey");
    EXPECT_EQ(board.fgCompleted->TextMatrix(1, 3), "3/6/2026");
    EXPECT_TRUE(board.fraCompleteMS->isVisible());
    EXPECT_TRUE(board.mnuPastDue->isEnabled());
    LoadedProjects().ProjectsLoaded = false;
    board.ActivateBoard();
    EXPECT_EQ(Script().Shown().size(), 1);

    ShellRecorder shell;
    board.mnuHelp_Click();
    EXPECT_EQ(shell.Opened(), QStringList{Links::UserManual});

    // Leaving through Menu writes the changed projects and names the one that could not be
    // written; the menu then asks for a first customer.
    LoadedProjects().Projects[1].ProjectChanged = true;
    QFile::remove(FullPath(ProjectFilePath("Pj60-1")));
    MakeFolders(ProjectFilePath("Pj60-1"));
    Script().Queue(MsgAnswer::Ok);
    Script().Queue(MsgAnswer::Ok);
    board.cmdMenu_Click();
    EXPECT_EQ(Script().Shown()[1].Title, "Save Failed");
    EXPECT_TRUE(Script().Shown()[1].Prompt.startsWith("These Project Files could not be written:\nPj60-1.txt\n"));
    EXPECT_FALSE(IsScreenLoaded<frmProjectControl>());
    EXPECT_TRUE(ScreenInstance<frmStartup>().isVisible());
}

TEST_F(ProjectControlTest, SummaryAndDetailsReadOddDataCalmly)
{
    MilestoneRecord inspection = Milestone("Inspection", 2, Day(12), "Hours", 3, 13, 1);
    inspection.Team = "7";
    MilestoneRecord framing = Milestone("Framing", 2, Day(10), "Days", 2, 3);
    framing.Status = StatusCompleted;
    framing.CompletedDate = "3/10/2026";
    MilestoneRecord roofing = Milestone("Roofing", 2, QDate(2026, 6, 10), "Hours", 4, 3, 2, 2);
    MilestoneRecord permit = Milestone("Permit", 1, QDate(2026, 6, 3));
    WriteProject("Pj70-1", {permit, framing, roofing}, "P-100");
    WriteProject("Pj70-2", {Milestone("Permit", 1, Day(20))}, "");
    WriteProject("Pj70-3", {Milestone("Permit", 1, Day(20)), inspection});
    frmProjectControl& board = OpenBoard();

    struct Case {
        int project;
        QString proposal; // empty: no proposal box
        QString days;
    };
    for (const Case& c : {Case{1, "No. P-100", "9"}, Case{2, "", "0"}, Case{3, "", "-8"}}) {
        Select(board, c.project, 1);
        EXPECT_EQ(board.fraProposal->isVisibleTo(&board), !c.proposal.isEmpty()) << c.project;
        EXPECT_EQ(board.lblProposal->text(), c.proposal);
        EXPECT_EQ(board.lblProDays->text(), c.days) << c.project;
        EXPECT_EQ(board.lblCustomer[2]->text(), "Springfield, IL 62701");
    }

    struct Details {
        int project;
        int milestone;
        QStringList texts;
    };
    const QList<Details> details = {
        {1, 1, {"Permit", "Administrative Staff", "Construction", "6/3/2026", "No Time Established", "has no Dependency", "Scheduled", "On Site"}},
        {1, 2, {"Framing", "Framers", "Construction", "3/10/2026 at 08:00", "2 Days", "has no Dependency", "Completed 3/10/2026", "On Site"}},
        {1, 3, {"Roofing", "Framers", "Construction", "6/10/2026 at 08:00", "4 Hours", "Framing", "Scheduled", "On Site"}},
        // A slot beyond the day and a team that is gone.
        {3, 2, {"Inspection", "", "Construction", "3/12/2026", "3 Hours", "Permit", "Scheduled", "On Site"}},
    };
    for (const Details& d : details) {
        Select(board, d.project, d.milestone);
        board.fgMilestones_DblClick();
        ASSERT_TRUE(board.fraMSDetails->isVisible());
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(board.lblMSInfo[size_t(i)]->text(), d.texts[i]) << d.project << "/" << d.milestone << " " << i;
    }

    // A completed milestone cannot be moved or completed again.
    Select(board, 1, 2);
    EXPECT_EQ(board.fgMilestones->TextMatrix(0, 4), "Completd Date");
    board.fgMilestones_MouseUp(Qt::RightButton);
    EXPECT_FALSE(board.mnuRescheduleMilestone->isEnabled());
    EXPECT_FALSE(board.mnuComplete->isEnabled());
    board.mnuMilestones->hide();
    Select(board, 1, 3);
    board.fgMilestones_MouseUp(Qt::RightButton);
    EXPECT_TRUE(board.mnuRescheduleMilestone->isEnabled());
    board.mnuMilestones->hide();
}

TEST_F(ProjectControlTest, ADaysMilestoneMovesWithItsDependants)
{
    // Siding is done already; its day stays as the record of it.
    MilestoneRecord siding = Milestone("Siding", 2, Day(19), "Days", 1, 3, 2, 0);
    siding.Status = StatusCompleted;
    WriteProject("Pj1-1", {Milestone("Framing", 2, Day(16), "Days", 2, 3),
                           Milestone("Roofing", 2, Day(18), "Days", 1, 3, 1, 1),
                           Milestone("Inspection", 1, Day(19), QString(), 0, 1, 2, 1),
                           siding,
                           Milestone("Painting", 2, Day(20), "Days", 1, 3, 0, 0)});
    TeamDay().CurrentTeam = TeamText(1);
    ASSERT_TRUE(ScheduleDays(Day(16), 2, "Pj1-1-Framing"));
    ASSERT_TRUE(ScheduleDays(Day(18), 1, "Pj1-1-Roofing"));
    ASSERT_TRUE(ScheduleDays(Day(19), 1, "Pj1-1-Siding"));
    frmProjectControl& board = OpenBoard();
    ASSERT_EQ(Loaded(1, 4).Status, StatusCompleted);

    Select(board, 1, 1);
    board.mnuRescheduleMilestone_Click();
    EXPECT_EQ(board.lblMilestone->text(), "Framing scheduled for 3/16/2026");
    EXPECT_FALSE(board.fraTime->isVisibleTo(&board));
    // A date gone by is refused with a beep.
    board.MSCal_DateClick(Day(6));
    EXPECT_EQ(Script().Beeps(), 1);
    EXPECT_EQ(board.MSCal->selectedDate(), Monday);
    EXPECT_EQ(Loaded(1, 1).ScheduledDate, Day(16));

    // Thursday and Friday are free but Thursday holds the completed Siding: the run starts on
    // Friday the 20th.
    board.MSCal_DateClick(Day(19));
    EXPECT_TRUE(SlotsOf(Day(16), "Pj1-1-Framing").isEmpty());
    EXPECT_TRUE(SlotsOf(Day(17), "Pj1-1-Framing").isEmpty());
    EXPECT_EQ(Loaded(1, 1).ScheduledDate, Day(20));
    EXPECT_EQ(SlotsOf(Day(20), "Pj1-1-Framing"), (QList<int>{3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(SlotsOf(Day(23), "Pj1-1-Framing").size(), 8);
    // Roofing follows a day after Framing, on the first free workday; Inspection after it.
    EXPECT_EQ(Loaded(1, 2).ScheduledDate, Day(24));
    EXPECT_TRUE(SlotsOf(Day(18), "Pj1-1-Roofing").isEmpty());
    EXPECT_EQ(SlotsOf(Day(24), "Pj1-1-Roofing").size(), 8);
    EXPECT_EQ(Loaded(1, 3).ScheduledDate, Day(25));
    EXPECT_EQ(Loaded(1, 4).ScheduledDate, Day(19));
    EXPECT_EQ(SlotsOf(Day(19), "Pj1-1-Siding").size(), 8);
    EXPECT_EQ(Loaded(1, 5).ScheduledDate, Day(20));
    EXPECT_EQ(board.fgMilestones->TextMatrix(2, 3), "3/24/2026");
    EXPECT_FALSE(board.fraMSCal->isVisible());

    // An earlier date, answered No, moves Framing alone.
    Select(board, 1, 1);
    board.mnuRescheduleMilestone_Click();
    Script().Queue(MsgAnswer::No);
    board.MSCal_DateClick(Day(10));
    EXPECT_EQ(Script().Shown().last().Title, "Rescheduling Option");
    EXPECT_EQ(Loaded(1, 1).ScheduledDate, Day(10));
    EXPECT_EQ(SlotsOf(Day(11), "Pj1-1-Framing").size(), 8);
    EXPECT_TRUE(SlotsOf(Day(20), "Pj1-1-Framing").isEmpty());
    EXPECT_EQ(Loaded(1, 2).ScheduledDate, Day(24));

    // The moved project's file is written when the board is left.
    Script().Queue(MsgAnswer::Ok);
    board.cmdMenu_Click();
    const std::optional<ProjectData> saved = ReadProjectFile(ProjectFilePath("Pj1-1"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->Milestones[1].ScheduledDate, Day(24));
}

TEST_F(ProjectControlTest, HoursArePlacedOnTheHourGrid)
{
    WriteProject("Pj45-1", {Milestone("Permit", 2, Day(10), "Hours", 3, 1),
                            Milestone("Inspection", 2, Day(12), "Hours", 2, 4, 1, 1)});
    Book(Day(10), "Pj45-1-Permit", {1, 2, 3});
    Book(Day(10), "Pj45-12-Permit Inspection", {4});
    Book(Day(11), "Mtg Smith", {7});
    frmProjectControl& board = OpenBoard();

    Select(board, 1, 1);
    board.mnuRescheduleMilestone_Click();
    ASSERT_TRUE(board.fraTime->isVisible());
    EXPECT_EQ(board.fgPJHours->TextMatrix(1, 0), "06:00am");
    EXPECT_EQ(board.fgPJHours->TextMatrix(12, 0), "06:00pm");
    EXPECT_EQ(board.fgPJHours->TextMatrix(4, 1), "Pj45-12-Permit Inspection");

    board.MSCal_DateClick(Day(11));
    EXPECT_EQ(board.lblSelectDate->text(), "3/11/2026");
    EXPECT_FALSE(board.fraProjectSummary->isVisible());
    struct Pick {
        int row;
        QString title; // empty: accepted
    };
    for (const Pick& pick : {Pick{11, "Not Enough Time"}, Pick{5, "Event Conflict"}, Pick{7, "Event aready Scheduled Here"},
                             Pick{10, ""}, Pick{1, ""}, Pick{8, ""}}) {
        const qsizetype shown = Script().Shown().size();
        if (!pick.title.isEmpty())
            Script().Queue(MsgAnswer::Ok);
        board.fgPJHours_Click(pick.row);
        EXPECT_EQ(Script().Shown().size(), shown + (pick.title.isEmpty() ? 0 : 1)) << pick.row;
        if (!pick.title.isEmpty()) {
            EXPECT_EQ(Script().Shown().last().Title, pick.title);
        }
    }
    EXPECT_EQ(Script().Shown()[0].Prompt,
              "There is not enough Time left in this day\n    for this Event to begin at 05:00pm\n          3 Hours are Required");
    // A date gone by, refused, does not change the day the hours are placed on.
    board.MSCal_DateClick(Day(2));
    board.cmdReschedule_Click(0);
    EXPECT_EQ(SlotsOf(Day(11), "Pj45-1-Permit"), (QList<int>{8, 9, 10}));
    EXPECT_EQ(SlotsOf(Day(11), "Mtg Smith"), (QList<int>{7}));
    // The old hours are freed; the other project's similar key stays.
    EXPECT_TRUE(SlotsOf(Day(10), "Pj45-1-Permit").isEmpty());
    EXPECT_EQ(SlotsOf(Day(10), "Pj45-12-Permit Inspection"), (QList<int>{4}));
    EXPECT_EQ(Loaded(1, 1).ScheduledDate, Day(11));
    EXPECT_EQ(Loaded(1, 1).StartSlot, "8");
    // Inspection follows a day later from its own start slot.
    EXPECT_EQ(Loaded(1, 2).ScheduledDate, Day(12));
    EXPECT_EQ(SlotsOf(Day(12), "Pj45-1-Inspection"), (QList<int>{4, 5}));
    EXPECT_TRUE(board.fraProjects->isVisible());

    // On the same day the new hours stay; without a pick the old ones stay too.
    Select(board, 1, 1);
    board.mnuRescheduleMilestone_Click();
    board.MSCal_DateClick(Day(11));
    board.fgPJHours_Click(2);
    board.cmdReschedule_Click(0);
    EXPECT_EQ(SlotsOf(Day(11), "Pj45-1-Permit"), (QList<int>{2, 3, 4}));
    EXPECT_EQ(Loaded(1, 1).StartSlot, "2");
    Select(board, 1, 1);
    board.mnuRescheduleMilestone_Click();
    board.MSCal_DateClick(Day(13));
    board.cmdReschedule_Click(0);
    EXPECT_EQ(Loaded(1, 1).ScheduledDate, Day(13));
    EXPECT_TRUE(SlotsOf(Day(11), "Pj45-1-Permit").isEmpty());
    EXPECT_TRUE(SlotsOf(Day(13), "Pj45-1-Permit").isEmpty());
}

TEST_F(ProjectControlTest, HoursPlacedOnADayAnotherProgramWroteMeanwhileKeepItsSlots)
{
    WriteProject("Pj45-1", {Milestone("Permit", 2, Day(10), "Hours", 2, 1)});
    Book(Day(10), "Pj45-1-Permit", {1, 2});
    frmProjectControl& board = OpenBoard();
    board.resize(1280, 1024);
    ChooseFromRowMenu(board.fgProjects, 1, "View Project Details");
    ChooseFromRowMenu(board.fgMilestones, 1, "Reschedule Milestone");
    ClickDate(board.MSCal, Day(23));
    ASSERT_TRUE(board.fgPJHours->isVisible());
    ASSERT_EQ(board.fgPJHours->TextMatrix(3, 1), NoEventScheduled);
    // With the empty day shown, another program books 08:00 and 05:00pm.
    QByteArray day;
    for (int slot = 1; slot <= 12; ++slot)
        day += '"' + (slot == 3 ? "SA2005 Slip" : slot == 11 ? "Mtg Jones" : NoEventScheduled.toLatin1()) + "\"\r\n";
    const QString file = TeamDayFilePath("2026", 1, Day(23).dayOfYear());
    WriteFile(file, day);

    ClickRow(board.fgPJHours, 2);
    Script().Queue(MsgAnswer::Ok);
    ClickButton(board.cmdReschedule[0]);
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Prompt, "Event already Scheduled Here");
    EXPECT_EQ(ReadFile(file), day);
    EXPECT_EQ(board.fgPJHours->TextMatrix(3, 1), "SA2005 Slip");
    EXPECT_EQ(Loaded(1, 1).ScheduledDate, Day(10));
    EXPECT_EQ(SlotsOf(Day(10), "Pj45-1-Permit"), (QList<int>{1, 2}));

    ClickRow(board.fgPJHours, 4);
    ClickButton(board.cmdReschedule[0]);
    EXPECT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(SlotsOf(Day(23), "Pj45-1-Permit"), (QList<int>{4, 5}));
    EXPECT_EQ(SlotsOf(Day(23), "SA2005 Slip"), QList<int>{3});
    EXPECT_EQ(SlotsOf(Day(23), "Mtg Jones"), QList<int>{11});
    EXPECT_TRUE(SlotsOf(Day(10), "Pj45-1-Permit").isEmpty());
    EXPECT_EQ(Loaded(1, 1).ScheduledDate, Day(23));
}

TEST_F(ProjectControlTest, AnOpenCalendarPanelKeepsToItsMilestoneWhateverIsClicked)
{
    // In each project milestone 1 is team 1's and milestone 2 team 2's, whose day 10 also holds
    // a service slip.
    MakeFolders("/2026/Team# 2");
    const auto teamTwo = [](MilestoneRecord m) {
        m.Team = "2";
        return m;
    };
    WriteProject("Pj45-1", {Milestone("Permit", 2, Day(10), "Hours", 2, 1), teamTwo(Milestone("Siding", 2, Day(10), "Hours", 2, 6))});
    WriteProject("Pj45-2", {Milestone("Framing", 2, Day(11), "Days", 1, 3), teamTwo(Milestone("Roofing", 2, Day(12), "Days", 1, 3))});
    WriteProject("Pj45-3", {Milestone("Permit", 1, Day(11)), Milestone("Survey", 1, Day(12))});
    WriteProject("Pj45-4", {Milestone("Wiring", 2, Day(16), "Days", 1, 3), teamTwo(Milestone("Drywall", 2, Day(17), "Days", 1, 3))});
    Book(Day(10), "Pj45-1-Permit", {1, 2});
    TeamDay().CurrentTeam = TeamText(1);
    ASSERT_TRUE(ScheduleDays(Day(11), 1, "Pj45-2-Framing"));
    ASSERT_TRUE(ScheduleDays(Day(16), 1, "Pj45-4-Wiring"));
    TeamDay().CurrentTeam = TeamText(2);
    ASSERT_TRUE(ScheduleDays(Day(12), 1, "Pj45-2-Roofing"));
    ASSERT_TRUE(ScheduleDays(Day(17), 1, "Pj45-4-Drywall"));
    LoadTeamDay(Day(10), TeamText(2));
    TeamDay().DaySlots[3] = "SA 1234 Smith";
    TeamDay().DaySlots[6] = TeamDay().DaySlots[7] = "Pj45-1-Siding";
    ASSERT_TRUE(SaveTeamDay(Day(10), TeamText(2)));
    const QString teamTwoDay10 = TeamDayFilePath("2026", 2, Day(10).dayOfYear());
    const QByteArray slipDay = ReadFile(teamTwoDay10);
    frmProjectControl& board = OpenBoard();
    board.resize(1280, 1024);
    board.cmdGotoProjects_Click();
    const auto openProject = [&board](const QString& projectNo) {
        for (int r = 1; r < board.fgProjects->Rows(); ++r)
            if (board.fgProjects->TextMatrix(r, 0) == projectNo)
                ChooseFromRowMenu(board.fgProjects, r, "View Project Details");
        ASSERT_TRUE(board.fraProjectSummary->isVisible());
        ASSERT_EQ(board.lblPJSProNo->text(), projectNo);
    };
    const auto project = [](const QString& projectNo) {
        for (int p = 1; p <= LoadedProjects().ProjectCount; ++p)
            if (LoadedProjects().Projects.at(p).Header.ProjectNo == projectNo)
                return p;
        return 0;
    };

    // Hours: a pick on the hour grid, the other milestone's row, then Reschedule.
    openProject("Pj45-1");
    ChooseFromRowMenu(board.fgMilestones, 1, "Reschedule Milestone");
    ASSERT_TRUE(board.fgPJHours->isVisible());
    ClickRow(board.fgPJHours, 8);
    ClickRow(board.fgMilestones, 2);
    ClickButton(board.cmdReschedule[0]);
    EXPECT_EQ(ReadFile(teamTwoDay10), slipDay);
    EXPECT_EQ(SlotsOf(Day(10), "Pj45-1-Permit"), (QList<int>{8, 9}));
    EXPECT_EQ(Loaded(project("Pj45-1"), 1).StartSlot, "8");
    EXPECT_EQ(Loaded(project("Pj45-1"), 2).StartSlot, "6");

    // Days: the date click moves the milestone the panel was opened for.
    openProject("Pj45-2");
    ChooseFromRowMenu(board.fgMilestones, 1, "Reschedule Milestone");
    ClickRow(board.fgMilestones, 2);
    ClickDate(board.MSCal, Day(13));
    EXPECT_EQ(Loaded(project("Pj45-2"), 1).ScheduledDate, Day(13));
    EXPECT_EQ(SlotsOf(Day(13), "Pj45-2-Framing").size(), 8);
    EXPECT_EQ(Loaded(project("Pj45-2"), 2).ScheduledDate, Day(12));
    EXPECT_EQ(board.fgMilestones->TextMatrix(2, 3), "3/12/2026");
    LoadTeamDay(Day(12), TeamText(2));
    EXPECT_EQ(TeamDay().DaySlots[5], "Pj45-2-Roofing");

    // Administrative.
    ClickButton(board.cmdPJSHide);
    openProject("Pj45-3");
    ChooseFromRowMenu(board.fgMilestones, 1, "Reschedule Milestone");
    ClickRow(board.fgMilestones, 2);
    Script().Queue(MsgAnswer::No);
    ClickDate(board.MSCal, Day(16));
    EXPECT_EQ(Loaded(project("Pj45-3"), 1).ScheduledDate, Day(16));
    EXPECT_EQ(Loaded(project("Pj45-3"), 2).ScheduledDate, Day(12));

    // Complete.
    ClickButton(board.cmdPJSHide);
    openProject("Pj45-4");
    ChooseFromRowMenu(board.fgMilestones, 1, "Complete Milestone");
    ClickRow(board.fgMilestones, 2);
    ClickDate(board.MSCal, Monday);
    EXPECT_EQ(Loaded(project("Pj45-4"), 1).Status, StatusCompleted);
    EXPECT_TRUE(SlotsOf(Day(16), "Pj45-4-Wiring").isEmpty());
    EXPECT_EQ(Loaded(project("Pj45-4"), 2).Status, StatusScheduled);
    LoadTeamDay(Day(17), TeamText(2));
    EXPECT_EQ(TeamDay().DaySlots[5], "Pj45-4-Drywall");
}

TEST_F(ProjectControlTest, TheGreyedListUnderAnOpenPanelLeavesItsCaptionAlone)
{
    WriteProject("Pj45-1", {Milestone("Framing", 2, Day(11), "Days", 1, 3), Milestone("Roofing", 2, Day(12), "Days", 1, 3),
                            Milestone("Siding", 2, Day(13), "Days", 1, 3)});
    frmProjectControl& board = OpenBoard();
    ShowAtRealSize(&board);
    board.cmdGotoProjects_Click();
    ChooseFromRowMenu(board.fgProjects, 1, "View Project Details");
    ChooseFromRowMenu(board.fgMilestones, 1, "Reschedule Milestone");
    ASSERT_TRUE(board.fraMSCal->isVisible());
    const QString caption = board.lblMilestone->text();
    ASSERT_EQ(caption, "Framing scheduled for 3/11/2026");

    // The list stays readable beside the panel: every row whole in view.
    QApplication::processEvents();
    for (int r = 1; r <= 3; ++r)
        EXPECT_TRUE(board.fgMilestones->viewport()->rect().contains(
            board.fgMilestones->visualRect(board.fgMilestones->model()->index(r - 1, 1))))
            << "row " << r;

    ClickRow(board.fgMilestones, 2, Qt::RightButton);
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(board.lblMilestone->text(), caption);
    EXPECT_EQ(board.fgMilestones->currentRow(), 0);
}

TEST_F(ProjectControlTest, TheBoardKeepsOneHeightWhicheverPanelsShow)
{
    QList<MilestoneRecord> milestones = {Milestone("Wiring", 2, Day(11), "Hours", 2, 3), Milestone("Permit", 1, Day(11))};
    for (const char* name : {"Framing", "Roofing", "Siding", "Painting"})
        milestones.append(Milestone(name, 2, Day(12), "Days", 1, 1));
    WriteProject("Pj45-1", milestones);
    frmProjectControl& board = OpenBoard();
    ShowAtRealSize(&board);
    board.cmdGotoProjects_Click();
    QApplication::processEvents();
    const int height = board.height();
    const auto step = [&](const char* what) {
        QApplication::processEvents();
        EXPECT_EQ(board.height(), height) << what;
    };
    ChooseFromRowMenu(board.fgProjects, 1, "View Project Details");
    step("the summary");
    ChooseFromRowMenu(board.fgMilestones, 2, "Reschedule Milestone");
    ASSERT_TRUE(board.Label1[2]->isVisible());
    step("an administrative milestone's calendar over the summary");
    ClickAt(board.cmdCalButtons[0]);
    step("the calendar hidden");
    ChooseFromRowMenu(board.fgProjects, 1, "View Project Details");
    ChooseFromRowMenu(board.fgMilestones, 1, "Reschedule Milestone");
    ASSERT_TRUE(board.fraTime->isVisible());
    step("the calendar and its hours over the summary");
    ClickDate(board.MSCal, Day(13));
    step("a day's hours");
}

TEST_F(ProjectControlTest, TheGreyedListShowsThePanelsMilestoneWhole)
{
    QList<MilestoneRecord> milestones;
    for (const char* name : {"Survey", "Permit", "Footings", "Framing", "Roofing"})
        milestones.append(Milestone(name, 2, Day(12), "Days", 1, 1));
    milestones.append(Milestone("Siding", 2, Day(13), "Days", 1, 1));
    milestones.append(Milestone("Wiring", 2, Day(16), "Hours", 2, 3));
    milestones.append(Milestone("Painting", 2, Day(17), "Days", 1, 1));
    WriteProject("Pj45-1", milestones);
    frmProjectControl& board = OpenBoard();
    ShowAtRealSize(&board);
    board.cmdGotoProjects_Click();
    const auto rowWhole = [&](int r) {
        QApplication::processEvents();
        const QRect row = board.fgMilestones->visualRect(board.fgMilestones->model()->index(r - 1, 1));
        return board.fgMilestones->viewport()->rect().contains(row);
    };
    ChooseFromRowMenu(board.fgProjects, 1, "View Project Details");
    ChooseFromRowMenu(board.fgMilestones, 6, "Reschedule Milestone");
    EXPECT_TRUE(rowWhole(6));
    ClickAt(board.cmdCalButtons[0]);
    ChooseFromRowMenu(board.fgProjects, 1, "View Project Details");
    ChooseFromRowMenu(board.fgMilestones, 7, "Reschedule Milestone");
    ASSERT_TRUE(board.fraTime->isVisible());
    EXPECT_TRUE(rowWhole(7));
}

TEST_F(ProjectControlTest, AnAdministrativeMoveCarriesItsDependantsAlong)
{
    MilestoneRecord inspected = Milestone("Inspection", 1, Day(13), QString(), 0, 1, 2, 2);
    inspected.Status = StatusCompleted;
    WriteProject("Pj2-1", {Milestone("Survey", 1, Day(2)),
                           Milestone("Permit", 1, Day(11)),
                           Milestone("Framing", 2, Day(12), "Hours", 2, 4, 2, 1),
                           inspected,
                           Milestone("Cleanup", 2, Day(6), "Days", 2, 3, 1, 1),
                           Milestone("Walkthrough", 1, Day(20))});
    Book(Day(12), "Pj2-1-Framing", {4, 5});
    // Cleanup began last week; its remaining day is today.
    Book(Day(6), "Pj2-1-Cleanup", {3, 4});
    Book(Monday, "Pj2-1-Cleanup", {3, 4});
    frmProjectControl& board = OpenBoard();
    ASSERT_TRUE(board.fraCompleteMS->isVisible());
    board.cmdGotoProjects_Click();

    Select(board, 1, 2);
    board.mnuRescheduleMilestone_Click();
    EXPECT_TRUE(board.Label1[2]->isVisible());
    Script().Queue(MsgAnswer::Yes);
    board.MSCal_DateClick(Day(12));
    EXPECT_EQ(Script().Shown().last().Prompt.left(57), "                 This Event is an Administrative Function");
    EXPECT_EQ(Loaded(1, 2).ScheduledDate, Day(12));
    EXPECT_EQ(Loaded(1, 3).ScheduledDate, Day(13));
    EXPECT_EQ(SlotsOf(Day(13), "Pj2-1-Framing"), (QList<int>{4, 5}));
    EXPECT_TRUE(SlotsOf(Day(12), "Pj2-1-Framing").isEmpty());
    EXPECT_EQ(Loaded(1, 4).ScheduledDate, Day(13));
    EXPECT_EQ(Loaded(1, 4).Status, StatusCompleted);
    // Survey + 1 lies in the past: Cleanup starts today.
    EXPECT_EQ(Loaded(1, 5).ScheduledDate, Monday);
    EXPECT_EQ(SlotsOf(Day(6), "Pj2-1-Cleanup"), (QList<int>{3, 4}));
    EXPECT_EQ(SlotsOf(Monday, "Pj2-1-Cleanup").size(), 8);
    EXPECT_EQ(SlotsOf(Day(10), "Pj2-1-Cleanup").size(), 8);
    EXPECT_FALSE(board.fraMSCal->isVisible());
    EXPECT_TRUE(LoadedProjects().Projects[1].ProjectChanged);

    EXPECT_EQ(Loaded(1, 6).ScheduledDate, Day(20));

    // The last milestone, answered Yes, has nothing after it to move.
    board.resize(1280, 1024);
    ClickButton(board.cmdPJSHide);
    ChooseFromRowMenu(board.fgProjects, 1, "View Project Details");
    EXPECT_EQ(board.lblProDays->text(), "18");
    ChooseFromRowMenu(board.fgMilestones, 6, "Reschedule Milestone");
    Script().Queue(MsgAnswer::Yes);
    ClickDate(board.MSCal, Day(27));
    EXPECT_EQ(Loaded(1, 6).ScheduledDate, Day(27));
    // The day total follows at once, not only when the project is chosen again.
    EXPECT_EQ(board.lblProDays->text(), "25");
    EXPECT_EQ(board.fgMilestones->TextMatrix(6, 3), "3/27/2026");
    EXPECT_EQ(Loaded(1, 5).ScheduledDate, Monday);
}

TEST_F(ProjectControlTest, ABookingThatCannotBeMadeKeepsTheMilestoneAndItsDays)
{
    WriteProject("Pj3-1", {Milestone("Framing", 2, Day(16), "Days", 2, 3),
                           Milestone("Permit", 1, Day(16)),
                           Milestone("Wiring", 2, Day(17), "Hours", 2, 1, 2, 1)});
    TeamDay().CurrentTeam = TeamText(1);
    ASSERT_TRUE(ScheduleDays(Day(16), 2, "Pj3-1-Framing"));
    Book(Day(17), "Pj3-1-Wiring", {1, 2});
    // Every other workday of the next months is full.
    for (QDate day = Day(18); day < Day(18).addDays(120); day = day.addDays(1))
        if (day.dayOfWeek() <= 5)
            Book(day, "Blocked", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    frmProjectControl& board = OpenBoard();

    Select(board, 1, 1);
    board.mnuRescheduleMilestone_Click();
    Script().Queue(MsgAnswer::Ok);
    board.MSCal_DateClick(Day(18));
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Title, "Not enough Consecutive Days");
    EXPECT_EQ(Script().Shown()[0].Prompt, "    60 Workdays have been scanned\n   2 Consecutive Workdays are not Available\n"
                                          "Review the Team Schedules to find ample Days");
    EXPECT_EQ(Loaded(1, 1).ScheduledDate, Day(16));
    EXPECT_EQ(SlotsOf(Day(16), "Pj3-1-Framing").size(), 8);
    EXPECT_EQ(SlotsOf(Day(17), "Pj3-1-Framing").size(), 8);
    EXPECT_TRUE(board.fraMSCal->isVisible());

    // Wiring's hours find no room either: the chain stops on it and names it.
    Select(board, 1, 2);
    board.mnuRescheduleMilestone_Click();
    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::Ok);
    board.MSCal_DateClick(Day(18));
    EXPECT_EQ(Script().Shown().last().Title, "Not enough Consecutive Hours");
    EXPECT_EQ(Loaded(1, 2).ScheduledDate, Day(18));
    EXPECT_EQ(Loaded(1, 3).ScheduledDate, Day(17));
    EXPECT_EQ(SlotsOf(Day(17), "Pj3-1-Wiring"), (QList<int>{1, 2}));
    EXPECT_EQ(board.lblMilestone->text(), "Wiring");
}

} // namespace
