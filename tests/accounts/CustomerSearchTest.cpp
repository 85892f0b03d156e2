#include "accounts/CustomerSearch.h"

#include "accounts/CustomerRecords.h"
#include "accounts/frmCustomer.h"
#include "core/Settings.h"
#include "platform/FlexGrid.h"
#include "platform/TextBox.h"
#include "support/CustomerScreenFixture.h"
#include "support/UserInput.h"

#include <QAction>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

namespace {

class CustomerSearchTest : public CustomerScreenFixture {
protected:
    void SetUp() override
    {
        CustomerScreenFixture::SetUp();
        Live().AddressStyle = UsaStyleAddress;
        Settings().BusinessPhone = "217-555-0100";
        // Account, business name, title, first, last, street, city, state, telephone.
        const QStringList customers[] = {
            {"AC-100", "Acme Builders", "", "", "", "12 Main St", "Springfield", "IL", "217-555-0101"},
            {"JO-200", "", "", "Ann", "Jones", "4 mainland ave", "Decatur", "CA", "217-555-0202"},
            {"BR-300", "Best Roofing", "", "", "", "99 Oak Rd", "Albany", "NY", "518-555-0303"},
            {"ac-400", "", "Mr.", "Bob", "Mainz", "7 Elm St", "Erie", "PA", "814-555-0404"},
            {"ZH-500", "Zeta Homes", "", "", "", "1 Pine Ln", "Austin", "TX", "512-555-0505"},
        };
        for (int n = 1; n <= 5; ++n) {
            const QStringList& c = customers[n - 1];
            CustomerRecord record;
            record.AccountNo = c[0];
            record.AccountName = c[1];
            record.Title = c[2];
            record.FirstName = c[3];
            record.LastName = c[4];
            record.Address1 = c[5];
            record.City = c[6];
            record.State = c[7];
            record.Telephone = c[8];
            record.AccountType = c[1].isEmpty() ? IndividualType : BusinessType;
            ResetBillingRecords();
            ASSERT_TRUE(WriteCustomer(n, record) && SaveContractRecord(n) && SaveCycleRecord(n));
        }
        ResetCustomerBuffers();
    }

    static void Search(frmCustomer& screen, int option, const QString& text)
    {
        screen.Command1[0]->click();
        screen.optSearch[size_t(option)]->setChecked(true);
        QTest::keyClicks(screen.txtSearchfor, text);
        screen.cmdStartSearch->click();
    }

    static QStringList Column(const FlexGrid* grid, int col)
    {
        QStringList cells;
        for (int row = 1; row < grid->Rows(); ++row)
            cells.append(grid->TextMatrix(row, col));
        return cells;
    }
};

TEST_F(CustomerSearchTest, TextIsFoundAnywhereInTheChosenFieldWhateverItsCase)
{
    const struct {
        int option;
        QString text;
        QList<int> hits;
    } cases[] = {
        {SearchByAddress1, " main ", {1, 2}},
        {SearchByState, "a", {2, 4}},
        {SearchByTelephone, "", {1, 2, 3, 4, 5}},
        {SearchByLastName, "MAIN", {4}},
        {SearchByAccountNumber, "ac-", {1, 4}},
        {SearchByAccountNumber, "c-4", {4}},
        {SearchByBusinessName, "nowhere", {}},
        {ListAllCustomers, "nowhere", {1, 2, 3, 4, 5}},
    };
    // The record being edited is not disturbed by a search.
    CustomerRec().AccountNo = "NEW";
    for (const auto& c : cases) {
        QList<int> hits;
        for (const FoundCustomer& found : SearchCustomerRecords(c.option, c.text))
            hits.append(found.RecordNo);
        EXPECT_EQ(hits, c.hits) << c.option << " '" << c.text.toStdString() << "'";
    }
    EXPECT_EQ(CustomerRec().AccountNo, "NEW");

    const QList<FoundCustomer> all = SearchCustomerRecords(ListAllCustomers, "All");
    ASSERT_EQ(all.size(), 5);
    // An individual without a title begins with a blank.
    EXPECT_EQ(QStringList({all[0].Customer, all[1].Customer, all[3].Customer}),
              QStringList({"Acme Builders", " Ann Jones", "Mr. Bob Mainz"}));
    EXPECT_EQ(QStringList({all[1].Phone, all[1].Street, all[1].City}),
              QStringList({"217-555-0202", "4 mainland ave", "Decatur"}));
}

TEST_F(CustomerSearchTest, TelephoneSearchNeedsTheWholeNumber)
{
    frmCustomer& screen = ShowScreen();
    screen.Command1[0]->click();
    screen.optSearch[SearchByTelephone]->setChecked(true);
    EXPECT_EQ(screen.txtSearchfor->text(), "217-555-"); // the business's area code and exchange

    QTest::keyClicks(screen.txtSearchfor, "020");
    screen.cmdStartSearch->click();
    EXPECT_EQ(Script().Beeps(), 1);
    EXPECT_TRUE(Script().Shown().isEmpty());
    EXPECT_FALSE(screen.fraSearch->isHidden());

    QTest::keyClicks(screen.txtSearchfor, "2");
    screen.cmdStartSearch->click();
    EXPECT_TRUE(screen.fraSearch->isHidden());
    EXPECT_EQ(screen.CurrentRec, 2);
}

TEST_F(CustomerSearchTest, NoneOneOrSeveralHits)
{
    frmCustomer& screen = ShowScreen();

    Script().Queue(MsgAnswer::No);
    Search(screen, SearchByAddress1, "nowhere");
    ASSERT_EQ(Script().Shown().size(), 1);
    const ShownMessage& box = Script().Shown().first();
    EXPECT_EQ(box.Title, "Customer not Found");
    EXPECT_EQ(box.Prompt, "No Accounts Matching the Search Data were Found\nWould you like to Create a New Account?");
    EXPECT_EQ(box.Buttons, MsgButtons::YesNo);
    EXPECT_TRUE(screen.fraCustomersFound->isHidden());
    EXPECT_EQ(screen.txtSearchfor->text(), "");
    EXPECT_EQ(screen.CurrentRec, 1);

    Search(screen, SearchByAddress1, "main");
    EXPECT_FALSE(screen.fraCustomersFound->isHidden());
    EXPECT_EQ(screen.fraCustomersFound->title(), "Customers Search Results");
    EXPECT_TRUE(screen.cmdPrintCustomers->isHidden());
    EXPECT_EQ(Column(screen.fgCustomersFound, 0), QStringList({"Acme Builders", " Ann Jones"}));
    EXPECT_EQ(Column(screen.fgCustomersFound, 4), QStringList({"1", "2"}));

    Search(screen, SearchByAccountNumber, "br-3");
    EXPECT_EQ(screen.CurrentRec, 3);
    EXPECT_EQ(screen.txtCustomer[1]->text(), "Best Roofing");

    Script().Queue(MsgAnswer::Yes);
    Search(screen, SearchByBusinessName, "nowhere");
    EXPECT_EQ(screen.CurrentRec, 6);
    EXPECT_FALSE(screen.cmdCustomer->isHidden());
    EXPECT_EQ(screen.txtCustomer[0]->text(), "");
    EXPECT_EQ(CustomerCount(), 5);
}

TEST_F(CustomerSearchTest, CustomerListShowsTheRecordsOnFileAndLoadsTheChosenRow)
{
    frmCustomer& screen = ShowScreen();
    screen.cmdNew->click(); // a new customer not yet saved is not listed
    screen.mnuPrint->trigger();
    EXPECT_FALSE(screen.fraCustomersFound->isHidden());
    EXPECT_EQ(screen.fraCustomersFound->title(), "Customer List");
    EXPECT_FALSE(screen.cmdPrintCustomers->isHidden());
    EXPECT_EQ(Column(screen.fgCustomersFound, 0),
              QStringList({"Acme Builders", " Ann Jones", "Best Roofing", "Mr. Bob Mainz", "Zeta Homes"}));
    EXPECT_TRUE(Script().Shown().isEmpty());

    screen.fgCustomersFound->setCurrentCell(3, 0);
    screen.mnuSelect->trigger();
    EXPECT_EQ(screen.CurrentRec, 4);
    EXPECT_EQ(screen.txtCustomer[0]->text(), "ac-400");
    EXPECT_TRUE(screen.fraCustomersFound->isHidden());

    // A later search leaves no row of the list behind.
    Search(screen, SearchByAddress1, "main");
    EXPECT_EQ(screen.fgCustomersFound->Rows(), 3);
}

TEST_F(CustomerSearchTest, TheSearchAndTheListTakeTurnsAtOneHeight)
{
    frmCustomer& screen = ShowScreen();
    ShowAtRealSize(&screen);
    const int height = screen.height();
    ClickAt(screen.Command1[0]);
    ASSERT_TRUE(screen.fraSearch->isVisible());
    QApplication::processEvents();
    EXPECT_EQ(screen.height(), height) << "the search";
    screen.mnuPrint->trigger();
    ASSERT_TRUE(screen.fraCustomersFound->isVisible());
    QApplication::processEvents();
    EXPECT_EQ(screen.height(), height) << "the customer list";
}

} // namespace
