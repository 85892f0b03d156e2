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
#include "platform/TextBox.h"
#include "support/ScreenFixture.h"

#include <QComboBox>
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

} // namespace
