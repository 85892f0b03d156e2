// A first day with the program, as a user would live it: a first start in an empty folder,
// the settings, teams and milestones, the first customers, a first project booked on the
// teams' days, and the end of the day.
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
#include "projects/frmCustomerSelection.h"
#include "projects/frmProjectControl.h"
#include "scheduling/LoadedProjects.h"
#include "scheduling/ProjectFile.h"
#include "scheduling/SlipRecord.h"
#include "scheduling/TeamDayStore.h"
#include "scheduling/frmMain.h"
#include "support/ScreenFixture.h"

#include <QCalendarWidget>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMap>
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

    // A new project for the roofing supplier, picked from the customer list: the permit, two
    // hours of framing and three days of roofing.
    Script().Queue(MsgAnswer::Ok); // no proposals yet
    ScreenInstance<frmStartup>().cmdStart_Click();
    ScreenInstance<frmCustomerSelection>().cmdStartup[0]->click();
    frmCustomer& list = ScreenInstance<frmCustomer>(); // the screen unloaded when it was left
    ASSERT_TRUE(list.isVisible());
    list.Command1_Click(1);
    const int acme = list.cboAccounts->findText("Acme Roofing Supply", Qt::MatchStartsWith);
    ASSERT_GE(acme, 0);
    list.cboAccounts_Click(acme);
    list.cmdSchedule_Click();
    frmMain& schedule = ScreenInstance<frmMain>();
    ASSERT_TRUE(schedule.isVisible());
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(schedule.lblCustomerInfo[1]->text(), "Acme Roofing Supply");
    EXPECT_EQ(schedule.txtCustomerInfo[4]->text(), "Springfield");
    EXPECT_EQ(schedule.lblAccount->text(), "ACME02");
    EXPECT_EQ(schedule.lblProjectNo->text(), "Pj66-1");
    ASSERT_EQ(schedule.lstMilestoneSelection->selectedItems().size(), 3);
    schedule.cmdContinue_Click();
    EXPECT_EQ(schedule.txtConEvents->text(), "Permit");
    EXPECT_FALSE(schedule.fraTeam->isVisible());
    schedule.cmdContinue_Click(); // the permit on Saturday, a workday of this week
    EXPECT_EQ(schedule.txtConEvents->text(), "Framing");
    if (schedule.lblMode->text() != "Hours")
        schedule.tgTime_Click();
    schedule.txtTime->setText("2");
    schedule.cmdContinue_Click();
    ASSERT_TRUE(schedule.fgHours->isVisible());
    schedule.fgHours_Click(4);
    schedule.cmdContinue_Click();
    EXPECT_EQ(schedule.txtConEvents->text(), "Roofing");
    if (schedule.lblMode->text() != "Days")
        schedule.tgTime_Click();
    schedule.txtTime->setText("3");
    schedule.lstTeam->setCurrentRow(1);
    Script().Queue(MsgAnswer::Ok); // "3/7/2026 is the 1st day scheduled"
    schedule.cmdContinue_Click();
    ASSERT_TRUE(schedule.fraSummary->isVisible());
    EXPECT_EQ(schedule.fgSummary->TextMatrix(3, 3), "Roofers");
    schedule.cmdSave_Click();
    EXPECT_FALSE(schedule.isVisible());
    ASSERT_TRUE(ScreenInstance<frmStartup>().isVisible());

    // The team day files hold exactly those bookings.
    QMap<QString, QByteArray> teamDays;
    for (const char* year : {"2026", "2027", "2028"})
        for (int team = 1; team <= 2; ++team) {
            const QString folder = TeamFolderPath(year, team);
            for (const QString& name : QDir(FullPath(folder)).entryList(QDir::Files))
                teamDays.insert(folder + '/' + name, ReadFile(folder + '/' + name));
        }
    auto day = [](int first, int last, const QByteArray& booking) {
        QByteArray bytes;
        for (int slot = 1; slot <= 12; ++slot)
            bytes += '"' + (slot >= first && slot <= last ? booking : QByteArray("No Event Scheduled")) + "\"\r\n";
        return bytes;
    };
    const QByteArray roofing = day(3, 10, "Pj66-1-Roofing");
    EXPECT_EQ(teamDays, (QMap<QString, QByteArray>{{"/2026/Team# 1/66.txt", day(4, 5, "Pj66-1-Framing")},
                                                   {"/2026/Team# 2/66.txt", roofing},
                                                   {"/2026/Team# 2/68.txt", roofing},
                                                   {"/2026/Team# 2/69.txt", roofing}}));
    EXPECT_EQ(ReadFile("/ProjectRecords.txt").size(), 2 * SlipRecord::Length);
    EXPECT_FALSE(Exists("/ProjectTempFile.txt"));
    EXPECT_EQ(ReadFile("/PjCounter.txt"), "\"66\",2\r\n");
    LoadProjects();
    ASSERT_EQ(LoadedProjects().ProjectCount, 1);
    const LoadedProject& project = LoadedProjects().Projects.at(1);
    EXPECT_EQ(project.Header.ProjectNo, "Pj66-1");
    EXPECT_EQ(project.Header.CustomerName, "Acme Roofing Supply");
    EXPECT_EQ(project.Header.ProjectName, "New Installation");
    ASSERT_EQ(project.Milestones.size(), 3);
    QStringList entered;
    for (const MilestoneRecord& m : project.Milestones)
        entered << QStringList{m.MilestoneName, QString::number(m.PersonnelType), m.ScheduledDate.toString(Qt::ISODate),
                               m.Team, m.WorkLocation, m.StartSlot, m.Duration, m.Unit, m.Status}
                       .join('|');
    EXPECT_EQ(entered, (QStringList{"Permit|1|2026-03-07||Office|3|||Scheduled",
                                    "Framing|2|2026-03-07|1|Office/Shop|4|2|Hours|Scheduled",
                                    "Roofing|2|2026-03-07|2|Office/Shop|3|3|Days|Scheduled"}));

    // The schedules show the new bookings.
    ScreenInstance<frmStartup>().optProgramRoutine[2]->setChecked(true);
    ScreenInstance<frmStartup>().cmdStart_Click();
    ASSERT_TRUE(schedule.isVisible());
    EXPECT_EQ(schedule.fgHours->TextMatrix(4, 1), "Pj66-1-Framing");
    EXPECT_EQ(schedule.Text1[6]->text(), "2"); // March starts on a Sunday: Saturday the 7th
    schedule.lstTeam->setCurrentRow(1);
    EXPECT_EQ(schedule.Text1[9]->text(), "8");
    schedule.cmdExit_Click();

    // On the control board the roofing moves to Thursday; its three days move with it.
    const auto roofersHold = [this](int dayOfYear) {
        return ReadFile(QStringLiteral("/2026/Team# 2/%1.txt").arg(dayOfYear)).count("Pj66-1-Roofing");
    };
    ScreenInstance<frmStartup>().optProgramRoutine[9]->setChecked(true);
    ScreenInstance<frmStartup>().cmdStart_Click();
    frmProjectControl& board = ScreenInstance<frmProjectControl>();
    ASSERT_TRUE(board.fraProjects->isVisible());
    EXPECT_EQ(board.fgProjects->TextMatrix(1, 0), "Pj66-1");
    board.fgProjects->setCurrentCell(0, 0);
    board.fgProjects_DblClick();
    board.fgMilestones->setCurrentCell(2, 0);
    board.fgMilestones_Click();
    board.mnuRescheduleMilestone_Click();
    board.MSCal_DateClick(QDate(2026, 3, 12));
    for (int dayOfYear : {66, 68, 69})
        EXPECT_EQ(roofersHold(dayOfYear), 0) << dayOfYear;
    for (int dayOfYear : {71, 72, 73}) // Thursday to Saturday, a six-day week
        EXPECT_EQ(roofersHold(dayOfYear), 8) << dayOfYear;
    board.cmdMenu_Click();
    EXPECT_EQ(ReadProjectFile(ProjectFilePath("Pj66-1"))->Milestones[2].ScheduledDate, QDate(2026, 3, 12));
    // The schedules show the roofers on Thursday.
    ScreenInstance<frmStartup>().optProgramRoutine[2]->setChecked(true);
    ScreenInstance<frmStartup>().cmdStart_Click();
    frmMain& schedules = ScreenInstance<frmMain>();
    ASSERT_TRUE(schedules.isVisible());
    schedules.lstTeam->setCurrentRow(1);
    schedules.SetCalendarDate(QDate(2026, 3, 12));
    schedules.cmdHourly_Click();
    EXPECT_EQ(schedules.fgHours->TextMatrix(3, 1), "Pj66-1-Roofing");
    schedules.cmdExit_Click();

    // The job done, the project is completed: it leaves the list and its days are free again.
    ScreenInstance<frmStartup>().optProgramRoutine[9]->setChecked(true);
    ScreenInstance<frmStartup>().cmdStart_Click();
    frmProjectControl& again = ScreenInstance<frmProjectControl>();
    EXPECT_EQ(again.fgProjects->TextMatrix(1, 0), "Pj66-1");
    again.fgProjects->setCurrentCell(0, 0);
    Script().Queue(MsgAnswer::Yes); // complete every milestone
    Script().Queue(MsgAnswer::No);  // no printed summary
    again.mnuCompleteProject_Click();
    EXPECT_FALSE(Exists(ProjectFilePath("Pj66-1")));
    EXPECT_EQ(again.fgProjects->TextMatrix(1, 0), "");
    EXPECT_EQ(roofersHold(71), 0);
    EXPECT_EQ(ReadFile("/2026/Team# 1/66.txt").count("Pj66-1-Framing"), 0);
    again.cmdMenu_Click();

    ScreenInstance<frmStartup>().mnuExit_Click();
    EXPECT_TRUE(ProgramEnded());
    EXPECT_EQ(ReadFile("/Backup/CustomerData.txt"), ReadFile("/CustomerData.txt"));
    EXPECT_EQ(ReadFile("/Backup/MyBusinessData.txt"), ReadFile("/MyBusinessData.txt"));
    EXPECT_EQ(Script().PendingAnswers(), 0);
}

} // namespace
