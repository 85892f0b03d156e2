#include "accounts/ContactFiles.h"
#include "accounts/CustomerRecords.h"
#include "accounts/frmContacts.h"
#include "accounts/frmCustomer.h"
#include "app/Startup.h"
#include "core/Navigation.h"
#include "platform/Controls.h"
#include "platform/TextBox.h"
#include "projects/BoardFixture.h"
#include "support/CustomerFiles.h"
#include "support/FakeModem.h"
#include "support/ScreenFixture.h"
#include "telephony/Modem.h"
#include "telephony/PhoneSettings.h"
#include "telephony/frmDialer.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

namespace {

struct Handed {
    bool shown = false;
    QString name, number;
};

// Clicks a dial picture and reads what the dialer shows, then hangs it up.
Handed Dial(QWidget* picture, Qt::MouseButton button = Qt::LeftButton)
{
    Handed handed;
    QTimer::singleShot(0, [&] {
        if (!IsScreenLoaded<frmDialer>())
            return;
        auto* dialer = dynamic_cast<frmDialer*>(FindScreen("frmDialer"));
        if (!dialer || !dialer->isVisible())
            return;
        handed = {true, dialer->lblName->text(), dialer->lblNumber->text()};
        dialer->cmdHangup->click();
    });
    QTest::mouseClick(picture, button);
    QCoreApplication::processEvents();
    return handed;
}

class DialPictureTest : public ScreenFixture {};

TEST_F(DialPictureTest, TheCustomerPictureIsOfferedWhileThePhoneIsOnAndAModemAnswered)
{
    struct Case {
        bool teams, modem, shown;
    };
    // A stored phone setting survives "no modem", but the picture stays off for the run.
    const Case cases[] = {{false, false, false}, {true, false, false}, {false, true, true}, {true, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("teams %1 modem %2").arg(c.teams).arg(c.modem).toStdString());
        SeedCustomer(1, "A1", "Smith Builders");
        WriteFile("/Phone.txt", "#TRUE#\r\n3\r\n");
        if (c.teams)
            WriteFile("/Assignto.txt", "\"North\"\r\n");
        FakeModem modems;
        if (c.modem)
            modems.Add(3);
        modems.Install();

        ASSERT_TRUE(Main());
        ASSERT_TRUE(IsScreenLoaded<frmCustomer>());
        frmCustomer& customer = ScreenInstance<frmCustomer>();
        // Loaded before the settings screen (no teams), it learns of the modem when shown.
        EXPECT_EQ(!customer.imgDialer->isHidden(), c.shown && c.teams);
        customer.Show();
        EXPECT_EQ(customer.imgDialer->isVisible(), c.shown);
        // The phone box unticked and saved: gone at the next activation.
        PhoneSettings().PhoneOn = false;
        customer.Hide();
        customer.Show();
        EXPECT_FALSE(customer.imgDialer->isVisible());

        // A fresh run for the next case.
        ScreenRegistry::Instance().UnloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ResetStartupState();
        ResetPhoneSettings();
        QFile::remove(FullPath("/Assignto.txt"));
    }
}

TEST_F(DialPictureTest, TheCustomerHandsOverTheTelephoneOrTheCellAsChosen)
{
    SeedCustomer(1, "A1", "Smith Builders");
    PhoneSettings().PhoneOn = true;
    ModemState().ModemAnswered = true;
    frmCustomer& customer = ScreenInstance<frmCustomer>();
    customer.Show();
    ASSERT_TRUE(customer.imgDialer->isVisible());

    struct Case {
        const char *telephone, *cell;
        std::optional<MsgAnswer> answer;
        const char* dialled;
    };
    const Case cases[] = {{"555-0001 ", "", {}, "555-0001"},
                          {"", " 555-0002", {}, "555-0002"},
                          {"555-0001", "555-0002", MsgAnswer::Yes, "555-0001"},
                          {"555-0001", "555-0002", MsgAnswer::No, "555-0002"},
                          {"", "", {}, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialled);
        const int boxes = Script().Shown().size();
        customer.txtCustomer[6]->setText(c.telephone);
        customer.txtCustomer[11]->setText(c.cell);
        if (c.answer)
            Script().Queue(*c.answer);
        const Handed handed = Dial(customer.imgDialer);
        EXPECT_TRUE(handed.shown);
        EXPECT_EQ(handed.name, "Smith Builders");
        EXPECT_EQ(handed.number, c.dialled);
        // Coming back from the call keeps what the user typed.
        EXPECT_EQ(customer.txtCustomer[6]->text(), QString(c.telephone));
        EXPECT_EQ(customer.txtCustomer[11]->text(), QString(c.cell));
        ASSERT_EQ(Script().Shown().size(), boxes + (c.answer ? 1 : 0));
        if (c.answer) {
            EXPECT_EQ(Script().Shown().last().Title, "Select Phone or Cell");
            EXPECT_EQ(Script().Shown().last().Prompt, "Click YES to dial Phone,\r\nClick NO to dial Cell");
        }
    }
}

TEST_F(DialPictureTest, TheContactPictureFollowsThePhoneBoxAndSavesBeforeDialling)
{
    ContactRecord first;
    first.VendorName = "Ace Lumber";
    first.Telephone = "555-123-4567";
    first.Category = "Vendor";
    ContactRecord second = first;
    second.VendorName = "Bo Plumbing";
    second.Telephone = "";
    ASSERT_TRUE(WriteContact(1, first) && WriteContact(2, second));

    frmContacts& contacts = ScreenInstance<frmContacts>();
    contacts.Show();
    EXPECT_FALSE(contacts.imgPhone->isEnabled());
    EXPECT_FALSE(Dial(contacts.imgPhone).shown);

    ModemState().PhoneTicked = true;
    contacts.Hide();
    contacts.Show();
    ASSERT_TRUE(contacts.imgPhone->isEnabled());
    contacts.txtContact[1]->setText("Ace Lumber Co");
    Handed handed = Dial(contacts.imgPhone);
    EXPECT_TRUE(handed.shown);
    EXPECT_EQ(handed.name, "Ace Lumber Co");
    EXPECT_EQ(handed.number, "555-123-4567");
    EXPECT_EQ(ReadContact(1).VendorName, "Ace Lumber Co");

    contacts.cmdNav[2]->click();
    handed = Dial(contacts.imgPhone);
    EXPECT_EQ(handed.name, "Bo Plumbing");
    EXPECT_EQ(handed.number, "");

    ModemState().PhoneTicked = false;
    contacts.Hide();
    contacts.Show();
    EXPECT_FALSE(contacts.imgPhone->isEnabled());
}

class BoardDialTest : public board::BoardTest {};

TEST_F(BoardDialTest, TheBoardDialsTheChosenProjectsCustomerFromTheListOrTheSummary)
{
    WriteProject(QStringLiteral("Pj60-1"), {board::Milestone(QStringLiteral("Permit"), 1, board::Day(12))});
    frmProjectControl& control = ScreenInstance<frmProjectControl>();
    control.Show();
    EXPECT_FALSE(control.imgDialer->isVisible());
    PhoneSettings().PhoneOn = true;
    control.Hide();
    control.Show();
    ASSERT_TRUE(control.imgDialer->isVisible());

    // Nothing to call before a project is chosen.
    control.fgProjects->setCurrentCell(-1, 0);
    EXPECT_FALSE(Dial(control.imgDialer).shown);
    control.fgProjects->setCurrentCell(0, 0);
    Handed handed = Dial(control.imgDialer);
    EXPECT_TRUE(handed.shown);
    EXPECT_EQ(handed.name, "John Smith");
    EXPECT_EQ(handed.number, "217-555-0100");

    // From the summary, a right-click on the customer; the call leaves the summary open.
    control.fgProjects_DblClick();
    ASSERT_TRUE(control.fraProjectSummary->isVisible());
    EXPECT_FALSE(Dial(control.lblCustomer[1]).shown);
    handed = Dial(control.lblCustomer[1], Qt::RightButton);
    EXPECT_TRUE(handed.shown);
    EXPECT_EQ(handed.number, "217-555-0100");
    EXPECT_TRUE(control.fraProjectSummary->isVisible());
}

} // namespace
