#include "app/frmStartup.h"
#include "core/DataUpkeep.h"
#include "core/FileAccess.h"
#include "platform/CommonDialogs.h"
#include "platform/Printer.h"
#include "projects/BoardFixture.h"
#include "projects/InvoiceRecord.h"
#include "scheduling/EventRecords.h"
#include "support/FileFlags.h"

#include <QCalendarWidget>
#include <filesystem>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {

using namespace board;

class ProjectCompletionTest : public BoardTest {
protected:
    static QByteArray EventRecord(const QString& projectNo, const QString& text)
    {
        SlipRecord record;
        record.EventKey = projectNo;
        record.EventText = text;
        record.AccountNo = "SMITH01";
        return record.ToBytes();
    }

    QStringList RecordTexts() const
    {
        QStringList texts;
        for (const SlipRecord& record : ReadEventRecords(ProjectRecordsPath))
            texts << record.EventKey.trimmed() + ":" + record.EventText.trimmed();
        return texts;
    }

    static int ProjectRow(frmProjectControl& board, const QString& projectNo)
    {
        for (int r = 1; r < board.fgProjects->Rows(); ++r)
            if (board.fgProjects->TextMatrix(r, 0) == projectNo)
                return r;
        return 0;
    }
};

TEST_F(ProjectCompletionTest, CompletedMilestonesGiveBackTheirDaysFromTodayOn)
{
    MilestoneRecord cleanup = Milestone("Cleanup", 2, Day(6), "Days", 3, 3);
    WriteProject("Pj5-1", {Milestone("Framing", 2, Day(16), "Days", 2, 3), Milestone("Permit", 2, Day(2), "Days", 1, 3),
                           cleanup, Milestone("Survey", 1, Day(20))});
    WriteProject("Pj5-2", {Milestone("Permit", 1, Day(3))});
    TeamDay().CurrentTeam = TeamText(1);
    ASSERT_TRUE(ScheduleDays(Day(16), 2, "Pj5-1-Framing"));
    ASSERT_TRUE(ScheduleDays(Day(2), 1, "Pj5-1-Permit"));
    ASSERT_TRUE(ScheduleDays(Day(6), 3, "Pj5-1-Cleanup"));
    frmProjectControl& board = OpenBoard();
    board.resize(1280, 1024);
    ASSERT_TRUE(board.fraCompleteMS->isVisible());

    // One milestone, on a date the calendar gives; a later date than today is refused.
    board.cmdGotoProjects_Click();
    ChooseFromRowMenu(board.fgProjects, 1, "View Project Details");
    ChooseFromRowMenu(board.fgMilestones, 1, "Complete Milestone");
    EXPECT_TRUE(board.lblAction[0]->isVisibleTo(&board));
    EXPECT_FALSE(board.lblAction[1]->isVisibleTo(&board));
    Script().Queue(MsgAnswer::Ok);
    ClickDate(board.MSCal, Day(10));
    EXPECT_EQ(Script().Beeps(), 1);
    ASSERT_FALSE(Script().Shown().isEmpty()) << "refused without a word";
    EXPECT_EQ(Script().Shown().last().Title, "Completion Date");
    EXPECT_EQ(Loaded(1, 1).Status, StatusScheduled);
    ClickDate(board.MSCal, Day(5));
    EXPECT_EQ(Loaded(1, 1).Status, StatusCompleted);
    EXPECT_EQ(Loaded(1, 1).ScheduledDate, Day(5));
    EXPECT_EQ(Loaded(1, 1).CompletedDate, "3/5/2026");
    EXPECT_EQ(board.fgMilestones->TextMatrix(1, 4), "3/5/2026");
    EXPECT_EQ(board.fgMilestones->TextMatrix(1, 2), "Completed");
    // The summary follows the file: the completion date as start, and the day total from it.
    EXPECT_EQ(board.fgMilestones->TextMatrix(1, 3), "3/5/2026");
    EXPECT_EQ(board.lblProDays->text(), QString::number(Day(5).daysTo(Day(20))));
    EXPECT_TRUE(SlotsOf(Day(16), "Pj5-1-Framing").isEmpty());
    EXPECT_TRUE(SlotsOf(Day(17), "Pj5-1-Framing").isEmpty());
    // Dated last week: its day stays as the record of the work.
    Select(board, 1, 2);
    board.mnuComplete_Click();
    board.MSCal_DateClick(Day(4));
    EXPECT_EQ(Loaded(1, 2).Status, StatusCompleted);
    EXPECT_EQ(SlotsOf(Day(2), "Pj5-1-Permit").size(), 8);

    // All past-due milestones at once: today as their completion date, their dates kept, and
    // what a milestone begun last week still holds from today on given back.
    Script().Queue(MsgAnswer::Yes);
    board.cmdCompleteAll_Click();
    const std::optional<ProjectData> first = ReadProjectFile(ProjectFilePath("Pj5-1"));
    const std::optional<ProjectData> second = ReadProjectFile(ProjectFilePath("Pj5-2"));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->Milestones[2].Status, StatusCompleted);
    EXPECT_EQ(first->Milestones[2].CompletedDate, "3/9/2026");
    EXPECT_EQ(first->Milestones[2].ScheduledDate, Day(6));
    EXPECT_EQ(first->Milestones[1].CompletedDate, "3/4/2026");
    EXPECT_EQ(first->Milestones[3].Status, StatusScheduled);
    EXPECT_EQ(second->Milestones[0].CompletedDate, "3/9/2026");
    EXPECT_EQ(SlotsOf(Day(6), "Pj5-1-Cleanup").size(), 8);
    EXPECT_TRUE(SlotsOf(Monday, "Pj5-1-Cleanup").isEmpty());
    EXPECT_TRUE(SlotsOf(Day(10), "Pj5-1-Cleanup").isEmpty());
    EXPECT_TRUE(board.fraProjects->isVisible());
    EXPECT_EQ(board.fgCompleted->Rows(), 2);
}

TEST_F(ProjectCompletionTest, ADayThatCannotBeReadStopsEveryActionThatWouldFreeIt)
{
    WriteFile("/CustomerData.txt", QByteArray("SMITH01").leftJustified(328, ' '));
    WriteProject("Pj8-1", {Milestone("Framing", 2, Day(16), "Days", 2, 3)});
    WriteProject("Pj8-2", {Milestone("Cleanup", 2, Day(6), "Days", 3, 3)});
    TeamDay().CurrentTeam = TeamText(1);
    ASSERT_TRUE(ScheduleDays(Day(16), 2, "Pj8-1-Framing"));
    ASSERT_TRUE(ScheduleDays(Day(6), 3, "Pj8-2-Cleanup"));
    // Each project's last day can no longer be read (a link that leads to itself): it may
    // still hold the booking.
    for (const QDate& day : {Day(17), Day(10)}) {
        const std::filesystem::path path(FullPath(TeamDayFilePath("2026", 1, day.dayOfYear())).toStdString());
        std::filesystem::remove(path);
        std::filesystem::create_symlink(path, path);
    }
    const QByteArray projectFile = ReadFile(ProjectFilePath("Pj8-1"));
    frmProjectControl& board = OpenBoard();
    board.resize(1280, 1024);
    const QString refused = "The Schedule of Framers for 3/17/2026 can not be read\nNothing was changed";
    const auto expectRefused = [&](const QString& prompt) {
        ASSERT_FALSE(Script().Shown().isEmpty());
        EXPECT_EQ(Script().Shown().last().Title, "Schedule File Error");
        EXPECT_EQ(Script().Shown().last().Prompt, prompt);
        EXPECT_EQ(SlotsOf(Day(16), "Pj8-1-Framing").size(), 8);
        EXPECT_EQ(SlotsOf(Monday, "Pj8-2-Cleanup").size(), 8);
    };

    board.cmdGotoProjects_Click();
    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::Ok);
    ChooseFromRowMenu(board.fgProjects, ProjectRow(board, "Pj8-1"), "Delete Project");
    expectRefused(refused);
    EXPECT_EQ(ReadFile(ProjectFilePath("Pj8-1")), projectFile);

    // The board opened on the past-due list again.
    board.cmdGotoProjects_Click();
    ChooseFromRowMenu(board.fgProjects, ProjectRow(board, "Pj8-1"), "View Project Details");
    ChooseFromRowMenu(board.fgMilestones, 1, "Reschedule Milestone");
    Script().Queue(MsgAnswer::Ok);
    ClickDate(board.MSCal, Day(23));
    expectRefused(refused);
    EXPECT_TRUE(SlotsOf(Day(23), "Pj8-1-Framing").isEmpty());
    EXPECT_EQ(Loaded(ProjectRow(board, "Pj8-1"), 1).ScheduledDate, Day(16));

    ClickButton(board.cmdCalButtons[0]);
    ChooseFromRowMenu(board.fgProjects, ProjectRow(board, "Pj8-1"), "View Project Details");
    ChooseFromRowMenu(board.fgMilestones, 1, "Complete Milestone");
    Script().Queue(MsgAnswer::Ok);
    ClickDate(board.MSCal, Monday);
    expectRefused(refused);
    EXPECT_EQ(Loaded(ProjectRow(board, "Pj8-1"), 1).Status, StatusScheduled);

    // The past-due milestone still holds today and tomorrow: nothing is completed.
    const QByteArray pastDueFile = ReadFile(ProjectFilePath("Pj8-2"));
    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::Ok);
    board.cmdCompleteAll_Click();
    expectRefused("The Schedule of Framers for 3/10/2026 can not be read\nNothing was changed");
    EXPECT_EQ(ReadFile(ProjectFilePath("Pj8-2")), pastDueFile);
    EXPECT_EQ(Loaded(ProjectRow(board, "Pj8-2"), 1).Status, StatusScheduled);
}

TEST_F(ProjectCompletionTest, AWriteThatFailsWhileDaysAreFreedBooksThemAgain)
{
    WriteFile("/CustomerData.txt", QByteArray("SMITH01").leftJustified(328, ' '));
    WriteProject("Pj8-3", {Milestone("Siding", 2, Day(19), "Days", 2, 3)});
    TeamDay().CurrentTeam = TeamText(1);
    ASSERT_TRUE(ScheduleDays(Day(19), 2, "Pj8-3-Siding"));
    // The second day reads, but its write fails as on a full disk.
    const QString friday = FullPath(TeamDayFilePath("2026", 1, Day(20).dayOfYear()));
    FailingWrites() = [&friday](const QString& path) { return path == friday; };
    const struct Healed {
        ~Healed() { FailingWrites() = nullptr; }
    } healed;
    frmProjectControl& board = OpenBoard();
    board.fgProjects->setCurrentCell(0, 0);
    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::Ok);
    board.mnuDeleteProject_Click();
    EXPECT_EQ(Script().Shown().last().Prompt, "The Schedule of Framers for 3/20/2026 can not be written\nNothing was changed");
    EXPECT_TRUE(Exists(ProjectFilePath("Pj8-3")));
    EXPECT_EQ(SlotsOf(Day(19), "Pj8-3-Siding").size(), 8);
    EXPECT_EQ(SlotsOf(Day(20), "Pj8-3-Siding").size(), 8);
}

TEST_F(ProjectCompletionTest, ACompletedProjectLeavesItsSummaryAndAnInvoiceRecord)
{
    MilestoneRecord permit = Milestone("Permit", 1, Day(2));
    permit.Status = StatusCompleted;
    permit.CompletedDate = "3/2/2026";
    WriteProject("Pj7-1", {permit, Milestone("Framing", 2, Day(16), "Days", 2, 3)});
    WriteProject("Pj7-2", {Milestone("Permit", 1, Day(12))});
    WriteProject("Pj7-3", {Milestone("Permit", 1, Day(12))});
    TeamDay().CurrentTeam = TeamText(1);
    ASSERT_TRUE(ScheduleDays(Day(16), 2, "Pj7-1-Framing"));
    WriteFile(InvoicerProgramPath, "");
    WriteFile(InvoiceNumberPath, "20260042\r\n");
    MakeFolders(IncompleteInvoicesFolder);
    DialogScript dialogs;
    frmProjectControl& board = OpenBoard();

    // Another project's move, not yet written, survives the reload that follows.
    LoadedMilestone(2, 1).ScheduledDate = Day(13);
    LoadedProjects().Projects[2].ProjectChanged = true;
    // The calendar holds a reschedule's future date; completion is today.
    board.MSCal->setSelectedDate(Day(20));
    board.fgProjects->setCurrentCell(0, 0);
    Script().Queue(MsgAnswer::Yes); // complete every milestone
    Script().Queue(MsgAnswer::Yes); // print a summary
    dialogs.QueuePrinter();
    Script().Queue(MsgAnswer::Yes); // create an invoice record
    Script().Queue(MsgAnswer::Ok);  // its number
    board.mnuCompleteProject_Click();
    ASSERT_EQ(Script().Shown().size(), 4);
    EXPECT_EQ(Script().Shown()[0].Prompt, "Click YES to complete all Project Milestones\nClick  NO to exit Project Completion");
    EXPECT_EQ(Script().Shown()[3].Prompt, "A Partial Invoice Record has been created with\nan Invoice Number of 20260042\n"
                                          "Follow the Partial Invoice Routine of Tamsel Invoicer\nto Complete the Invoice");
    ASSERT_EQ(ThePrinter().Documents().size(), 1);
    bool completedToday = false;
    for (const PrintOperation& op : ThePrinter().Documents()[0].pages[0])
        completedToday |= op.text == "3/9/2026" && op.x == 9.0 * 1440 && op.y > 2 * 1440;
    EXPECT_TRUE(completedToday);
    bool permitKeepsItsDate = false;
    for (const PrintOperation& op : ThePrinter().Documents()[0].pages[0])
        permitKeepsItsDate |= op.text == "3/2/2026" && op.x == 9.0 * 1440;
    EXPECT_TRUE(permitKeepsItsDate);
    EXPECT_TRUE(Exists(IncompleteInvoicesFolder + "/20260042.txt"));
    EXPECT_EQ(ReadFile(InvoiceNumberPath), "20260043\r\n");
    EXPECT_FALSE(Exists(ProjectFilePath("Pj7-1")));
    EXPECT_TRUE(SlotsOf(Day(16), "Pj7-1-Framing").isEmpty());
    EXPECT_EQ(board.fgProjects->Rows(), 3);
    EXPECT_EQ(ProjectRow(board, "Pj7-1"), 0);
    EXPECT_EQ(ReadProjectFile(ProjectFilePath("Pj7-2"))->Milestones[0].ScheduledDate, Day(13));

    // A cancelled summary stops the completion: no invoice question, the file stays.
    board.fgProjects->setCurrentCell(ProjectRow(board, "Pj7-2") - 1, 0);
    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::Yes);
    dialogs.QueueCancel();
    Script().Queue(MsgAnswer::Ok);
    board.mnuCompleteProject_Click();
    EXPECT_EQ(Script().Shown().last().Prompt, "The Report will not be Printed");
    EXPECT_TRUE(Exists(ProjectFilePath("Pj7-2")));

    // Without the invoicer no invoice is offered.
    QFile::remove(FullPath(InvoicerProgramPath));
    board.fgProjects->setCurrentCell(ProjectRow(board, "Pj7-3") - 1, 0);
    const qsizetype shown = Script().Shown().size();
    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::No);
    board.mnuCompleteProject_Click();
    EXPECT_EQ(Script().Shown().size(), shown + 2);
    EXPECT_FALSE(Exists(ProjectFilePath("Pj7-3")));
}

TEST_F(ProjectCompletionTest, AnInvoiceRecordThatCannotBeWrittenKeepsTheProject)
{
    WriteProject("Pj9-1", {Milestone("Permit", 1, Day(12))});
    WriteFile(InvoicerProgramPath, "");
    WriteFile("/TamselInvoicer", "not a folder");
    frmProjectControl& board = OpenBoard();
    board.fgProjects->setCurrentCell(0, 0);
    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::No);
    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::Ok);
    board.mnuCompleteProject_Click();
    EXPECT_EQ(Script().Shown().last().Title, "Invoice Record");
    EXPECT_EQ(Script().Shown().last().Prompt, "The Partial Invoice Record could not be created\nThe Project remains in the Project List");
    EXPECT_TRUE(Exists(ProjectFilePath("Pj9-1")));
    EXPECT_FALSE(Exists(InvoiceNumberPath));
}

TEST_F(ProjectCompletionTest, DeletedProjectsGiveBackTheirDaysAndDropTheirRecords)
{
    WriteFile("/CustomerData.txt", QByteArray("SMITH01").leftJustified(328, ' '));
    WriteProject("Pj8-1", {Milestone("Framing", 2, Day(16), "Days", 2, 3), Milestone("Wiring", 2, Day(10), "Hours", 2, 1)});
    WriteProject("Pj8-12", {Milestone("Permit", 1, Day(12)), Milestone("Framing", 2, Day(18), "Days", 1, 3)});
    TeamDay().CurrentTeam = TeamText(1);
    ASSERT_TRUE(ScheduleDays(Day(16), 2, "Pj8-1-Framing"));
    ASSERT_TRUE(ScheduleDays(Day(18), 1, "Pj8-12-Framing"));
    Book(Day(10), "Pj8-1-Wiring", {1, 2});
    WriteFile(ProjectRecordsPath, EventRecord("Pj8-12", "first") + EventRecord("Pj8-1", "a") +
                                      EventRecord("Pj8-12", "second") + EventRecord("Pj8-1", "b"));
    frmProjectControl& board = OpenBoard();
    // Pj8-12's move, pending in memory, is written before the tables are read again.
    LoadedMilestone(2, 1).ScheduledDate = Day(13);
    LoadedProjects().Projects[2].ProjectChanged = true;

    board.fgProjects->setCurrentCell(0, 0);
    Script().Queue(MsgAnswer::Yes);
    board.mnuDeleteProject_Click();
    EXPECT_EQ(Script().Shown().last().Prompt, "Click YES to Delete Project Pj8-1\nClick  NO to exit Project Deletion");
    EXPECT_FALSE(Exists(ProjectFilePath("Pj8-1")));
    EXPECT_TRUE(SlotsOf(Day(16), "Pj8-1-Framing").isEmpty());
    EXPECT_TRUE(SlotsOf(Day(10), "Pj8-1-Wiring").isEmpty());
    EXPECT_EQ(SlotsOf(Day(18), "Pj8-12-Framing").size(), 8);
    EXPECT_EQ(RecordTexts(), (QStringList{"Pj8-12:first", "Pj8-12:second"}));
    ASSERT_EQ(LoadedProjects().ProjectCount, 1);
    EXPECT_EQ(Loaded(1, 1).ScheduledDate, Day(13));
    EXPECT_EQ(board.fgProjects->TextMatrix(1, 0), "Pj8-12");

    // The last records of the file go with the file.
    board.fgProjects->setCurrentCell(0, 0);
    Script().Queue(MsgAnswer::Yes);
    board.mnuDeleteProject_Click();
    EXPECT_FALSE(Exists(ProjectRecordsPath));
    EXPECT_EQ(board.fgProjects->TextMatrix(1, 0), "");

    // Deleting every project leaves the menu without the project routines.
    WriteProject("Pj9-1", {Milestone("Framing", 2, Day(19), "Days", 1, 3)});
    WriteProject("Pj9-2", {Milestone("Permit", 1, Day(12))});
    TeamDay().CurrentTeam = TeamText(1);
    ASSERT_TRUE(ScheduleDays(Day(19), 1, "Pj9-1-Framing"));
    LoadedProjects().ProjectsLoaded = false;
    board.ActivateBoard();
    ASSERT_TRUE(board.mnuClearAll->isEnabled());
    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::No);
    board.mnuClearAll_Click();
    EXPECT_TRUE(Exists(ProjectFilePath("Pj9-1")));
    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::Yes);
    board.mnuClearAll_Click();
    EXPECT_FALSE(Exists(ProjectFilePath("Pj9-1")));
    EXPECT_FALSE(Exists(ProjectFilePath("Pj9-2")));
    EXPECT_TRUE(SlotsOf(Day(19), "Pj9-1-Framing").isEmpty());
    EXPECT_FALSE(IsScreenLoaded<frmProjectControl>());
    frmStartup& menu = ScreenInstance<frmStartup>();
    EXPECT_TRUE(menu.isVisible());
    EXPECT_FALSE(menu.optProgramRoutine[9]->isEnabled());
    EXPECT_FALSE(menu.optProgramRoutine[3]->isEnabled());
}

TEST_F(ProjectCompletionTest, ADeleteDropsOnlyRecordsOfItsOwnWholeNumber)
{
    WriteFile("/CustomerData.txt", QByteArray("SMITH01").leftJustified(328, ' '));
    // The key field holds ten bytes: the longer number is stored cut to the shorter one.
    WriteProject("Pj366-1000", {Milestone("Framing", 2, Day(16), "Days", 1, 3)});
    WriteProject("Pj366-10000", {Milestone("Permit", 1, Day(12)), Milestone("Roofing", 2, Day(18), "Days", 1, 3)});
    WriteProject("Pj36-1000", {Milestone("Framing", 2, Day(19), "Days", 1, 3)});
    WriteFile(ProjectRecordsPath, EventRecord("Pj366-10000", "Roofing") + EventRecord("Pj366-1000", "Framing") +
                                      EventRecord("Pj36-1000", "Framing"));
    frmProjectControl& board = OpenBoard();
    board.resize(1280, 1024);
    const auto deleteProject = [&](const QString& projectNo) {
        Script().Queue(MsgAnswer::Yes);
        ChooseFromRowMenu(board.fgProjects, ProjectRow(board, projectNo), "Delete Project");
        ASSERT_FALSE(Exists(ProjectFilePath(projectNo)));
    };
    deleteProject("Pj366-1000");
    EXPECT_EQ(RecordTexts(), (QStringList{"Pj366-1000:Roofing", "Pj36-1000:Framing"}));
    deleteProject("Pj366-10000");
    EXPECT_EQ(RecordTexts(), QStringList{"Pj36-1000:Framing"});
}

TEST_F(ProjectCompletionTest, AProjectWhoseFileCannotGoKeepsItsDaysAndRecords)
{
    WriteProject("Pj8-1", {Milestone("Framing", 2, Day(16), "Days", 2, 3)});
    TeamDay().CurrentTeam = TeamText(1);
    ASSERT_TRUE(ScheduleDays(Day(16), 2, "Pj8-1-Framing"));
    WriteFile(ProjectRecordsPath, EventRecord("Pj8-1", "a"));
    if (!SetImmutable(FullPath(ProjectFilePath("Pj8-1")), true))
        GTEST_SKIP() << "files cannot be made undeletable here";
    frmProjectControl& board = OpenBoard();

    // Neither a delete nor a completion frees what the file, staying, would still name.
    for (const bool complete : {false, true}) {
        SCOPED_TRACE(complete ? "complete" : "delete");
        board.fgProjects->setCurrentCell(0, 0);
        Script().Queue(MsgAnswer::Yes);
        Script().Queue(MsgAnswer::Ok);
        complete ? board.mnuCompleteProject_Click() : board.mnuDeleteProject_Click();
        EXPECT_EQ(Script().Shown().last().Title, complete ? "Project Completion" : "Project Deletion");
        EXPECT_EQ(SlotsOf(Day(16), "Pj8-1-Framing").size(), 8);
        EXPECT_EQ(RecordTexts(), QStringList{"Pj8-1:a"});
        EXPECT_EQ(board.fgProjects->TextMatrix(1, 0), "Pj8-1");
        EXPECT_EQ(Loaded(1, 1).Status, StatusScheduled);
    }
    SetImmutable(FullPath(ProjectFilePath("Pj8-1")), false);
}

TEST_F(ProjectCompletionTest, ARefusedDeleteKeepsTheProjectsOwnMove)
{
    WriteFile("/CustomerData.txt", QByteArray("SMITH01").leftJustified(328, ' '));
    WriteProject("Pj8-1", {Milestone("Framing", 2, Day(16), "Days", 2, 3)});
    TeamDay().CurrentTeam = TeamText(1);
    ASSERT_TRUE(ScheduleDays(Day(16), 2, "Pj8-1-Framing"));
    WriteFile(ProjectRecordsPath, EventRecord("Pj8-1", "Framing"));
    frmProjectControl& board = OpenBoard();
    board.resize(1280, 1024);
    ChooseFromRowMenu(board.fgProjects, 1, "View Project Details");
    ChooseFromRowMenu(board.fgMilestones, 1, "Reschedule Milestone");
    ClickDate(board.MSCal, Day(18));
    ASSERT_EQ(SlotsOf(Day(19), "Pj8-1-Framing").size(), 8);
    if (!SetImmutable(FullPath(ProjectFilePath("Pj8-1")), true))
        GTEST_SKIP() << "files cannot be made undeletable here";

    ClickButton(board.cmdPJSHide);
    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::Ok);
    ChooseFromRowMenu(board.fgProjects, 1, "Delete Project");
    SetImmutable(FullPath(ProjectFilePath("Pj8-1")), false);
    EXPECT_EQ(Script().Shown().last().Title, "Project Deletion");
    EXPECT_EQ(Loaded(1, 1).ScheduledDate, Day(18));
    // Leaving the board writes the move its days already hold.
    ClickButton(board.cmdMenu);
    const std::optional<ProjectData> saved = ReadProjectFile(ProjectFilePath("Pj8-1"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->Milestones[0].ScheduledDate, Day(18));
    EXPECT_TRUE(SlotsOf(Day(16), "Pj8-1-Framing").isEmpty());
    EXPECT_EQ(SlotsOf(Day(18), "Pj8-1-Framing").size(), 8);
    EXPECT_EQ(RecordTexts(), QStringList{"Pj8-1:Framing"});
}

} // namespace

