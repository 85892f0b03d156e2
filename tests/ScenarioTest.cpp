// A first day with the program, as a user would live it: a first start in an empty folder,
// the settings, teams and milestones, then the first customers, and the end of the day.
#include "accounts/CustomerRecords.h"
#include "accounts/frmCustomer.h"
#include "app/Startup.h"
#include "app/frmSetup.h"
#include "app/frmSplash.h"
#include "app/frmStartup.h"
#include "core/DataUpkeep.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/FlexGrid.h"
#include "platform/TextBox.h"
#include "projects/frmProjectControl.h"
#include "scheduling/ProjectFile.h"
#include "scheduling/TeamDayStore.h"
#include "support/ScreenFixture.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

class ScenarioTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        ResetCustomerBuffers();
    }
};

TEST_F(ScenarioTest, FirstDayFromAnEmptyFolderToTheFirstCustomers)
{
    ASSERT_TRUE(Main());
    frmSplash& splash = ScreenInstance<frmSplash>();
    splash.cmdContinue_Click();
    ASSERT_TRUE(splash.fraWelcome->isVisible());
    splash.Image1_Click(1);
    frmSetup& setup = ScreenInstance<frmSetup>();
    ASSERT_TRUE(setup.isVisible());

    // The business, two teams and a catalogue of three milestones with their attributes.
    const QStringList business = {"Acme Builders", "1 Main St", "", "Springfield", "IL", "62701", "217-555-0100", "", ""};
    for (int i = 0; i < 9; ++i)
        setup.txtBusiness[size_t(i)]->setText(business[i]);
    setup.cmdAddress_Click();
    setup.txtBusiness[5]->setText("62701");
    setup.tabSetup->setCurrentIndex(frmSetup::AssignmentsTab);
    for (const char* team : {"Framers", "Roofers"}) {
        setup.cboAssignments->setEditText(team);
        setup.cmdSave_Click();
    }
    setup.tabSetup->setCurrentIndex(frmSetup::MilestonesTab);
    for (const char* milestone : {"Permit", "Framing", "Roofing"}) {
        setup.cboMilestones->setEditText(milestone);
        setup.cmdAddMilestone_Click();
    }
    setup.optMS->setChecked(true);
    setup.tabSetup->setCurrentIndex(frmSetup::AttributesTab); // Permit shown, done by the office
    Script().Queue(MsgAnswer::Yes);
    setup.cmdCharContinue_Click(); // Framing shown
    setup.optTech->setChecked(true);
    Script().Queue(MsgAnswer::Yes);
    setup.cmdCharContinue_Click(); // Roofing shown
    setup.optTech->setChecked(true);
    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::Ok); // "have been Created"
    setup.cmdCharContinue_Click();

    Script().Queue(MsgAnswer::Ok); // the menu asks for a first customer
    setup.cmdQuit_Click();
    ASSERT_TRUE(CheckSettingsFiles());
    frmStartup& menu = ScreenInstance<frmStartup>();
    ASSERT_TRUE(menu.isVisible());
    EXPECT_EQ(ReadFile("/Assignto.txt"), "\"Framers\"\r\n\"Roofers\"\r\n");
    EXPECT_EQ(ReadFile("/Characteristics.txt"), "\"Permit\",1,1,0,0\r\n\"Framing\",2,1,0,0\r\n\"Roofing\",2,1,0,0\r\n");
    EXPECT_EQ(ReadFile("/SchedulerSettings.txt"), "8\r\n61\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n");
    EXPECT_TRUE(IsFolder("/2026/Team# 2"));
    EXPECT_TRUE(IsFolder("/Backup/2028/Team# 2"));

    // Only the customer routine is offered without customers; it opens the customer screen.
    EXPECT_TRUE(menu.optProgramRoutine[8]->isChecked());
    Script().Queue(MsgAnswer::Ok); // "Your Customer File is Empty"
    Script().Queue(MsgAnswer::Ok); // the contract file cannot be rebuilt yet
    Script().Queue(MsgAnswer::Ok); // nor the cycle file
    menu.cmdStart_Click();
    frmCustomer& customers = ScreenInstance<frmCustomer>();
    ASSERT_TRUE(customers.isVisible());
    EXPECT_EQ(customers.cboCity->currentText(), "Springfield");

    customers.txtCustomer[0]->setText("SMITH01");
    customers.txtCustomer[8]->setText("John");
    customers.txtCustomer[10]->setText("Smith");
    customers.mnuAdd_Click();
    customers.cmdAcctType_Click();
    customers.txtCustomer[0]->setText("ACME02");
    customers.txtCustomer[1]->setText("Acme Roofing Supply");
    customers.cmdExit_Click();
    EXPECT_EQ(CustomerCount(), 2);
    EXPECT_EQ(ReadFile("/ContractInfo.txt").size(), 2 * ContractRecord::Length);
    EXPECT_EQ(ReadFile("/CycleInfo.txt").size(), 2 * CycleRecord::Length);
    EXPECT_EQ(ReadCustomer(2).AccountName.trimmed(), "Acme Roofing Supply");

    // The menu now sees customers; the end of the day backs up the shared files.
    ASSERT_TRUE(ScreenInstance<frmStartup>().isVisible());
    EXPECT_TRUE(ScreenInstance<frmStartup>().optProgramRoutine[0]->isChecked());
    ScreenInstance<frmStartup>().mnuExit_Click();
    EXPECT_TRUE(ProgramEnded());
    EXPECT_EQ(ReadFile("/Backup/CustomerData.txt"), ReadFile("/CustomerData.txt"));
    EXPECT_EQ(ReadFile("/Backup/MyBusinessData.txt"), ReadFile("/MyBusinessData.txt"));
    EXPECT_EQ(Script().PendingAnswers(), 0);
}

// A later day: a booked project is moved on the control board, the team days follow, and the
// finished project is completed.
TEST_F(ScenarioTest, TheControlBoardMovesAProjectAndCompletesIt)
{
    SetToday(QDate(2026, 3, 9)); // a Monday
    WriteFile("/SchedulerSettings.txt", "8\r\n5\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n");
    WriteFile("/MyBusinessData.txt", "\"Acme Builders\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    WriteFile("/Assignto.txt", "\"Framers\"\r\n\"Roofers\"\r\n");
    WriteFile("/Characteristics.txt", "\"Permit\",1,1,0,0\r\n\"Framing\",2,2,1,2\r\n\"Roofing\",2,2,2,1\r\n");
    WriteFile("/CustomerData.txt", QByteArray("SMITH01").leftJustified(328, ' '));

    // The project as the scheduling screen leaves it: its file and its team days.
    Shared().TeamNames = {"populated", "Framers", "Roofers"};
    Shared().CurrentYear = "2026";
    ProjectData project;
    project.Header.ProjectNo = "Pj68-1";
    project.Header.ProjectName = "Garage";
    project.Header.AccountNo = "SMITH01";
    project.Header.CustomerName = "John Smith";
    const auto milestone = [](const char* name, int type, QDate date, const char* unit, const char* duration,
                              int dependency, int interval) {
        MilestoneRecord m;
        m.MilestoneName = name;
        m.PersonnelType = qint16(type);
        m.ScheduledDate = date;
        m.Phase = 2;
        m.Dependency = qint16(dependency);
        m.Interval = qint16(interval);
        m.Team = type == 2 ? "1" : "";
        m.StartSlot = "3";
        m.Duration = duration;
        m.Unit = unit;
        return m;
    };
    project.Milestones = {milestone("Permit", 1, QDate(2026, 3, 10), "", "", 0, 0),
                          milestone("Framing", 2, QDate(2026, 3, 12), "Days", "2", 1, 2),
                          milestone("Roofing", 2, QDate(2026, 3, 16), "Hours", "3", 2, 1)};
    project.Header.MilestoneCount = 3;
    MakeFolders(ProjectsFolder);
    ASSERT_TRUE(WriteProjectFile(ProjectFilePath("Pj68-1"), project));
    TeamDay().CurrentTeam = TeamText(1);
    ASSERT_TRUE(ScheduleDays(QDate(2026, 3, 12), 2, "Pj68-1-Framing"));
    LoadTeamDay(QDate(2026, 3, 16), TeamText(1));
    for (int s = 3; s <= 5; ++s)
        TeamDay().DaySlots[size_t(s)] = "Pj68-1-Roofing";
    ASSERT_TRUE(SaveTeamDay(QDate(2026, 3, 16), TeamText(1)));
    const auto slotsHolding = [](QDate day, const QString& key) {
        LoadTeamDay(day, TeamText(1));
        int held = 0;
        for (int s = 1; s <= 12; ++s)
            held += TeamDay().DaySlots[size_t(s)] == key;
        return held;
    };

    ASSERT_TRUE(Main());
    ScreenInstance<frmSplash>().cmdContinue_Click();
    frmStartup& menu = ScreenInstance<frmStartup>();
    ASSERT_TRUE(menu.isVisible());
    ASSERT_TRUE(menu.optProgramRoutine[9]->isEnabled());
    menu.optProgramRoutine[9]->setChecked(true);
    menu.cmdStart_Click();
    frmProjectControl& board = ScreenInstance<frmProjectControl>();
    ASSERT_TRUE(board.isVisible());
    ASSERT_TRUE(board.fraProjects->isVisible());
    EXPECT_EQ(board.fgProjects->TextMatrix(1, 0), "Pj68-1");

    // The permit comes a week later; framing and roofing follow it.
    board.fgProjects->setCurrentCell(0, 0);
    board.fgProjects_DblClick();
    ASSERT_TRUE(board.fraProjectSummary->isVisible());
    board.fgMilestones->setCurrentCell(0, 0);
    board.fgMilestones_Click();
    board.mnuRescheduleMilestone_Click();
    Script().Queue(MsgAnswer::Yes); // move the following milestones too
    board.MSCal_DateClick(QDate(2026, 3, 17));
    EXPECT_EQ(slotsHolding(QDate(2026, 3, 12), "Pj68-1-Framing"), 0);
    EXPECT_EQ(slotsHolding(QDate(2026, 3, 19), "Pj68-1-Framing"), 8);
    EXPECT_EQ(slotsHolding(QDate(2026, 3, 20), "Pj68-1-Framing"), 8);
    EXPECT_EQ(slotsHolding(QDate(2026, 3, 16), "Pj68-1-Roofing"), 0);
    EXPECT_EQ(slotsHolding(QDate(2026, 3, 23), "Pj68-1-Roofing"), 3);

    // Leaving writes the project; coming back shows the new dates.
    board.cmdMenu_Click();
    ASSERT_TRUE(ScreenInstance<frmStartup>().isVisible());
    EXPECT_EQ(ReadProjectFile(ProjectFilePath("Pj68-1"))->Milestones[2].ScheduledDate, QDate(2026, 3, 23));
    ScreenInstance<frmStartup>().optProgramRoutine[9]->setChecked(true);
    ScreenInstance<frmStartup>().cmdStart_Click();
    frmProjectControl& again = ScreenInstance<frmProjectControl>();
    again.fgProjects->setCurrentCell(0, 0);
    again.fgProjects_DblClick();
    EXPECT_EQ(again.fgMilestones->TextMatrix(2, 3), "3/19/2026");

    // The job is done: the project leaves the list and its team days are free again.
    Script().Queue(MsgAnswer::Yes); // complete every milestone
    Script().Queue(MsgAnswer::No);  // no printed summary
    again.mnuCompleteProject_Click();
    EXPECT_FALSE(Exists(ProjectFilePath("Pj68-1")));
    EXPECT_EQ(again.fgProjects->TextMatrix(1, 0), "");
    EXPECT_EQ(slotsHolding(QDate(2026, 3, 19), "Pj68-1-Framing"), 0);
    EXPECT_EQ(slotsHolding(QDate(2026, 3, 23), "Pj68-1-Roofing"), 0);
    EXPECT_EQ(Script().PendingAnswers(), 0);
}

} // namespace
