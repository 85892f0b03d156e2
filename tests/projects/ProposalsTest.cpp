#include "projects/frmCustomerSelection.h"

#include "accounts/CustomerHandOver.h"
#include "accounts/frmCustomer.h"
#include "core/DataUpkeep.h"
#include "core/QtPrinters.h"
#include "core/SharedState.h"
#include "platform/FlexGrid.h"
#include "projects/ProposalFiles.h"
#include "scheduling/frmMain.h"
#include "scheduling/ProposalHandOver.h"
#include "support/CustomerFiles.h"
#include "support/ScreenFixture.h"
#include "support/UserInput.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

const QByteArray Customer = "\"A7\",\"  Jane Doe \",\"1 Main St\",\"\",\"Dayton\",\"OH\",\"45402\",\"937-555-0101\"";

class ProposalsTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        ForgetReportedProposals();
        ResetProposalHandOver();
        ResetCustomerHandOver();
        SeedCustomer(1, "A7", "Doe Builders");
    }
    void TearDown() override
    {
        ScreenFixture::TearDown();
        ForgetReportedProposals();
        ResetProposalHandOver();
        ResetCustomerHandOver();
    }

    // Proposals as the writer leaves them: "FP" ones with 11 items on one line, others with 18
    // over two lines; a damaged one of 10 items.
    void WriteProposals()
    {
        WriteFile("/TamselProposals/b.txt", "\"FP-100\",4800,#2026-02-01#," + Customer + "\r\n");
        WriteFile("/TamselProposals/A.txt", "\"P-200\",\"1250.5\",\"early March\"," + Customer
                                                + "\r\n1,2,3,\"four\",5,6,#TRUE#\r\n");
        WriteFile("/TamselProposals/c.txt", "\"fp-300\",\"TBD\",\"3/1/2026\"," + Customer + "\r\n1,2,3,4,5,6,7\r\n");
        WriteFile("/TamselProposals/d.txt", "\"P-400\",1,#2026-02-01#,\"A7\",\"x\",\"\",\"\",\"\",\"\",\"\"\r\n");
        WriteFile("/TamselProposals/notes.doc", "not a proposal");
    }

    static frmCustomerSelection& Open()
    {
        frmCustomerSelection& screen = ScreenInstance<frmCustomerSelection>();
        screen.Show();
        return screen;
    }
};

TEST_F(ProposalsTest, TheFirstElevenItemsOfEachFileAreRead)
{
    EXPECT_TRUE(ReadProposals().Proposals.isEmpty()); // no folder
    WriteProposals();
    const ProposalListing listing = ReadProposals();
    EXPECT_EQ(listing.Unreadable, QStringList{"d.txt"});
    ASSERT_EQ(listing.Proposals.size(), 3);
    QStringList rows;
    for (const ProposalRecord& p : listing.Proposals)
        rows << p.ProposalNo.Text() + '|' + p.CreatedOnText() + '|' + p.AmountText() + '|' + p.Telephone.Text();
    EXPECT_EQ(rows, (QStringList{"P-200|early March|$1,250.50|937-555-0101", "FP-100|2/1/2026|$4,800.00|937-555-0101",
                                 "fp-300|3/1/2026|TBD|937-555-0101"}));
    EXPECT_EQ(TakeUnreportedProposals(listing.Unreadable), QStringList{"d.txt"});
    EXPECT_TRUE(TakeUnreportedProposals(listing.Unreadable).isEmpty());
}

TEST_F(ProposalsTest, WithoutProposalsOnlyTheCustomerListIsOffered)
{
    Script().Queue(MsgAnswer::Ok);
    frmCustomerSelection& screen = Open();
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Prompt, "No Proposals Exist");
    EXPECT_FALSE(screen.cmdStartup[1]->isEnabled());
    EXPECT_FALSE(screen.cmdCreation[1]->isEnabled());
    screen.cmdCreation[0]->click(); // back to the menu; a later visit reads nothing again
    screen.Show();
    EXPECT_EQ(Script().Shown().size(), 1);

    // The customer list: the next project carries no proposal's number.
    ProposalHandOver().ProposalNo = "FP-100";
    screen.cmdStartup[0]->click();
    EXPECT_TRUE(ScreenInstance<frmCustomer>().isVisible());
    EXPECT_FALSE(IsScreenLoaded<frmCustomerSelection>());
    EXPECT_EQ(ProposalHandOver().ProposalNo, "Proposal Number");
    EXPECT_FALSE(ProposalHandOver().Pending);
}

TEST_F(ProposalsTest, APickedProposalGoesToTheScheduling)
{
    WriteProposals();
    Script().Queue(MsgAnswer::Ok);
    frmCustomerSelection& screen = Open();
    EXPECT_EQ(Script().Shown().last().Title, "Damaged Proposal Files");
    EXPECT_TRUE(Script().Shown().last().Prompt.endsWith("d.txt"));
    ASSERT_EQ(screen.fgProposals->Rows(), 4);
    EXPECT_EQ(screen.fgProposals->TextMatrix(2, 0), "FP-100");
    EXPECT_EQ(screen.fgProposals->TextMatrix(2, 2), "  Jane Doe ");
    EXPECT_EQ(screen.fgProposals->TextMatrix(2, 3), "$4,800.00");

    screen.cmdStartup[1]->click();
    EXPECT_FALSE(screen.fraProposals->isHidden());
    screen.fgProposals_Click(2);
    EXPECT_TRUE(screen.fraProposals->isHidden());
    EXPECT_TRUE(screen.cmdCreation[1]->isEnabled());
    EXPECT_EQ(screen.lblAccount->text(), "A7");
    EXPECT_EQ(screen.lblCustomerInfo[1]->text(), "  Jane Doe ");
    EXPECT_EQ(screen.lblCustomerInfo[7]->text(), "937-555-0101");

    // Another customer: the start panel, the labels as they were until the next visit.
    screen.cmdCreation[2]->click();
    EXPECT_FALSE(screen.cmdCreation[1]->isEnabled());
    EXPECT_FALSE(screen.fraInstructions[0]->isHidden());
    EXPECT_EQ(screen.lblAccount->text(), "A7");
    screen.fgProposals_Click(2);

    Shared().TeamNames = {QStringLiteral("populated"), QStringLiteral("Framers")};
    Shared().CurrentYear = QStringLiteral("2026");
    Shared().ProgramRoutine = 1;
    MakeFolders(TeamFolderPath("2026", 1));
    screen.cmdCreation[1]->click();
    const ProposalHandOverValues& handOver = ProposalHandOver();
    EXPECT_EQ(handOver.Items[1], "Jane Doe");
    EXPECT_EQ(handOver.AccountNo, "A7");
    const frmMain& schedule = ScreenInstance<frmMain>();
    ASSERT_TRUE(schedule.isVisible());
    EXPECT_TRUE(screen.isHidden());
    EXPECT_FALSE(handOver.Pending);
    EXPECT_EQ(schedule.lblCustomerInfo[1]->text(), "Jane Doe");
    EXPECT_EQ(schedule.lblPropNo[0]->text(), "Selected from Proposal Number");
    EXPECT_TRUE(schedule.lblPropNo[1]->isVisible());
    EXPECT_EQ(schedule.DraftHeader().ProposalNo, "FP-100");
    EXPECT_EQ(schedule.DraftHeader().AccountNo, "A7");

    // Unloaded by the customer-list path, the screen reads the folder again; the damaged file
    // has been named once already.
    const qsizetype shown = Script().Shown().size();
    screen.Show();
    screen.cmdStartup[0]->click();
    frmCustomerSelection& again = Open();
    EXPECT_EQ(again.fgProposals->Rows(), 4);
    EXPECT_EQ(Script().Shown().size(), shown);
}

TEST_F(ProposalsTest, AHugeItemIsCutToItsFieldAsItIsRead)
{
    // A damaged proposal whose customer name runs on for 50 MiB; the items after it are whole.
    QByteArray big = "\"BIG-1\",100,#2026-11-02#,\"C1001\",\"" + QByteArray(50 << 20, 'N');
    big += "\",\"1 Main St\",\"\",\"Dayton\",\"OH\",\"45402\",\"937-555-0101\"\r\n1,2,3,4,5,6,7\r\n";
    WriteFile("/TamselProposals/big.txt", big);
    big.clear();
    frmCustomerSelection& screen = Open();
    ShowAtRealSize(&screen);
    ASSERT_EQ(screen.fgProposals->Rows(), 2);
    EXPECT_EQ(screen.fgProposals->TextMatrix(1, 2), QString(ProposalRecord::ItemWidth, 'N'));
    EXPECT_EQ(screen.fgProposals->TextMatrix(1, 3), "$100.00");

    ClickButton(screen.cmdStartup[1]);
    ClickRow(screen.fgProposals, 1);
    EXPECT_EQ(screen.lblAccount->text(), "C1001");
    EXPECT_EQ(screen.lblCustomerInfo[1]->text().size(), ProposalRecord::ItemWidth);
    EXPECT_EQ(screen.lblCustomerInfo[2]->text(), "1 Main St");
    EXPECT_EQ(screen.lblCustomerInfo[7]->text(), "937-555-0101");
}

} // namespace
