#include "accounts/CustomerHandOver.h"
#include "accounts/CustomerRecords.h"
#include "accounts/frmCustomer.h"
#include "core/QtPrinters.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/TextBox.h"
#include "support/CustomerFiles.h"
#include "support/ScreenFixture.h"

#include <QPushButton>

namespace {

TEST(HandOverBlockTest, TheCustomerBlockFollowsTypeAndAddressStyle)
{
    CustomerBoxes person;
    person.Individual = true;
    person.Title = "Mr. ";
    person.FirstName = " John";
    person.LastName = "Smith ";
    person.BusinessName = "ignored";
    person.Address1 = " 1 Oak St ";
    person.City = "Springfield ";
    person.State = "IL";
    person.Zip = "62701 ";
    person.Address3 = "Kent";
    person.Address4 = "CT1 1AA";
    person.Telephone = " 555-0101";
    person.AccountNo = " SMITH01 ";

    CustomerHandOverValues usa = BuildHandOverBlock(person, true);
    EXPECT_EQ(usa.Items[1], "Mr. John Smith");
    EXPECT_EQ(usa.Items[2], "1 Oak St");
    EXPECT_EQ(usa.Items[4], "Springfield");
    EXPECT_EQ(usa.Items[5], "IL");
    EXPECT_EQ(usa.Items[6], "62701");
    EXPECT_EQ(usa.Items[7], "555-0101");
    EXPECT_EQ(usa.AccountNo, "SMITH01");
    EXPECT_TRUE(usa.Pending);

    person.Middle = " Q ";
    CustomerHandOverValues international = BuildHandOverBlock(person, false);
    EXPECT_EQ(international.Items[1], "Mr. John Q Smith");
    EXPECT_EQ(international.Items[4], "Kent");
    EXPECT_EQ(international.Items[5], "CT1 1AA");
    EXPECT_EQ(international.Items[6], "");

    CustomerBoxes business;
    business.BusinessName = " Acme Roofing ";
    EXPECT_EQ(BuildHandOverBlock(business, true).Items[1], " Acme Roofing ");
}

class HandOverScreenTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        ResetCustomerBuffers();
        ResetCustomerHandOver();
    }
    void TearDown() override
    {
        ScreenFixture::TearDown();
        ResetCustomerHandOver();
    }
};

TEST_F(HandOverScreenTest, AnInvalidCustomerStaysOnTheCustomerScreen)
{
    SeedCustomer(1, "ACME02", "Acme Roofing Supply");
    frmCustomer& customers = ScreenInstance<frmCustomer>();
    customers.Show();
    EXPECT_EQ(customers.cmdSchedule->text(), "&Select Account Start Routine");
    customers.txtCustomer[1]->clear();
    Script().Queue(MsgAnswer::Ok);
    customers.cmdSchedule_Click();
    EXPECT_EQ(Script().Shown().last().Prompt, "The Account Name Cannot be Blank");
    EXPECT_TRUE(customers.isVisible());
    EXPECT_FALSE(CustomerHandOver().Pending);
    EXPECT_EQ(ReadCustomer(1).AccountName.trimmed(), "Acme Roofing Supply");
}

} // namespace
