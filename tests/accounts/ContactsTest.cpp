#include "accounts/ContactFiles.h"

#include "accounts/frmContacts.h"
#include "app/frmSetup.h"
#include "core/FileAccess.h"
#include "platform/FlexGrid.h"
#include "platform/TextBox.h"
#include "support/ScreenFixture.h"
#include "support/UserInput.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>

#include <algorithm>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

ContactRecord Contact(const QString& name, const QString& city = QString(), const QString& category = "Vendor")
{
    ContactRecord record;
    record.AccountNo = "AC-" + name.left(3).toUpper();
    record.VendorName = name;
    record.Address1 = "1 Yard Rd";
    record.City = city;
    record.State = "IL";
    record.Zip = "62701";
    record.Telephone = "555-123-4567";
    record.Category = category;
    record.KeyContact = "Jim Hall";
    return record;
}

// While it lives, the process can open one more file and no other.
class RoomForOneFile {
public:
    RoomForOneFile()
    {
        if (::getrlimit(RLIMIT_NOFILE, &old_) != 0)
            return;
        // The two lowest free handles; every handle below the second but the first is taken.
        const int first = ::open("/dev/null", O_RDONLY);
        const int second = ::open("/dev/null", O_RDONLY);
        if (first >= 0)
            ::close(first);
        if (second >= 0)
            ::close(second);
        rlimit limited = old_;
        limited.rlim_cur = rlim_t(second);
        active_ = first >= 0 && second > first && ::setrlimit(RLIMIT_NOFILE, &limited) == 0;
    }
    ~RoomForOneFile()
    {
        if (active_)
            ::setrlimit(RLIMIT_NOFILE, &old_);
    }
    bool Active() const { return active_; }

private:
    rlimit old_{};
    bool active_ = false;
};

class ContactsTest : public ScreenFixture {
protected:
    // The main menu, shown on leaving, wants a customer file.
    void SetUp() override
    {
        ScreenFixture::SetUp();
        WriteFile("/CustomerData.txt", QByteArray(328, ' '));
    }

    void Seed(const QStringList& names) const
    {
        for (int n = 1; n <= names.size(); ++n)
            ASSERT_TRUE(WriteContact(n, Contact(names[n - 1])));
    }

    static frmContacts& ShowScreen()
    {
        frmContacts& screen = ScreenInstance<frmContacts>();
        screen.Show();
        return screen;
    }

    // The screen on a folder without contacts, its message answered.
    frmContacts& ShowOnEmptyFolder()
    {
        Script().Queue(MsgAnswer::Ok);
        return ShowScreen();
    }

    static QString Shown(const frmContacts& screen) { return screen.txtContact[1]->text(); }
};

TEST_F(ContactsTest, DeleteCompactsThroughTheScratchFile)
{
    QByteArray records[6];
    for (int n = 1; n <= 5; ++n) {
        ASSERT_TRUE(WriteContact(n, Contact(QStringLiteral("Vendor %1").arg(n))));
        records[n] = ReadContact(n).ToBytes();
    }
    WriteFile("/Contact.TMP", QByteArray(ContactRecord::Length * 7, 'Z')); // left by a broken run
    WriteFile(BackupPathOf(VendorDataPath), "old copy");

    ASSERT_TRUE(DeleteContactRecord(3));
    EXPECT_EQ(ReadFile("/VendorData.txt"), records[1] + records[2] + records[4] + records[5]);
    EXPECT_FALSE(Exists("/Contact.TMP"));
    EXPECT_EQ(ReadFile(BackupPathOf(VendorDataPath)), "old copy");
    EXPECT_EQ(ContactFileCount(), 4);
}

TEST_F(ContactsTest, ADeleteThatCannotReadTheContactsLeavesTheFileAlone)
{
    Seed({"Acme Supply", "Bolt Hardware", "Cray Lumber"});
    const QByteArray before = ReadFile("/VendorData.txt");
    bool deleted = true;
    {
        // The scratch copy opens; the contact file then cannot be opened to be read.
        RoomForOneFile limit;
        if (!limit.Active())
            GTEST_SKIP() << "the open-file limit cannot be lowered here";
        deleted = DeleteContactRecord(2);
    }
    EXPECT_FALSE(deleted);
    EXPECT_EQ(ReadFile("/VendorData.txt"), before);
    EXPECT_FALSE(Exists("/Contact.TMP"));
}

TEST_F(ContactsTest, SearchFindsTheTextAnywhereInTheField)
{
    ASSERT_TRUE(WriteContact(1, Contact("Acme Supply", "Springfield")));
    ASSERT_TRUE(WriteContact(2, Contact("Bob's Framing", "Boston", "Sub-Contractor")));
    ASSERT_TRUE(WriteContact(3, Contact("Carl Electric", "West Springs")));
    EXPECT_EQ(SearchContactRecords(ContactByCity, "spring"), QList<int>({1, 3}));
    EXPECT_EQ(SearchContactRecords(ContactByCategory, "sub"), QList<int>({2}));
    EXPECT_EQ(SearchContactRecords(ContactByZip, "99"), QList<int>());
    EXPECT_EQ(SearchContactRecords(AllContacts, "All"), QList<int>({1, 2, 3}));
}

TEST_F(ContactsTest, VendorListPutsNumbersAsNumbersBeforeTexts)
{
    // A name such as Nan or Inf is a name, not a number.
    QStringList names = {"beta", "Nan", "10", "Acme", "2", "Inf", " 7"};
    std::stable_sort(names.begin(), names.end(), GenericAscending);
    EXPECT_EQ(names.join('|').toStdString(), "2| 7|10|Acme|beta|Inf|Nan");

    Seed({"beta", "10", "Acme", "2"});
    frmContacts& screen = ShowScreen();
    QStringList rows;
    for (int row = 1; row < screen.fgVendors->Rows(); ++row)
        rows.append(screen.fgVendors->TextMatrix(row, 0) + "#" + screen.fgVendors->TextMatrix(row, 3));
    EXPECT_EQ(rows, QStringList({"2#4", "10#2", "Acme#3", "beta#1"}));
}

TEST_F(ContactsTest, EmptyFileOffersAFirstContactAndLeavingUntypedWritesNothing)
{
    frmContacts& screen = ShowOnEmptyFolder();
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Title + ": " + Script().Shown()[0].Prompt,
              "Create Contacts: Your Contact File is Empty\r\nCreate your First Contact Now");
    EXPECT_TRUE(screen.Command1[1]->isEnabled());
    EXPECT_EQ(screen.ContactCount, 0);

    screen.cboStates->setEditText("IL"); // the state alone is no contact
    screen.cmdExit->click();
    EXPECT_FALSE(Exists("/VendorData.txt"));

    // Next time a name is typed: it becomes record 1, its telephone standing for the empty category.
    Script().Queue(MsgAnswer::Ok);
    ShowScreen();
    EXPECT_EQ(Script().Shown().size(), 2);
    QTest::keyClicks(screen.txtContact[1], "Acme Supply");
    QTest::keyClicks(screen.txtContact[6], "555-123-4567");
    screen.cmdExit->click();
    EXPECT_EQ(ContactFileCount(), 1);
    const ContactRecord saved = ReadContact(1);
    EXPECT_EQ(saved.VendorName, "Acme Supply");
    EXPECT_EQ(saved.Category, "555-123-4567");
    EXPECT_EQ(saved.State, "IL");

    // Opening and leaving again changes nothing.
    const QByteArray before = ReadFile("/VendorData.txt");
    ShowScreen();
    EXPECT_EQ(Shown(screen), "Acme Supply");
    screen.cmdExit->click();
    EXPECT_EQ(ReadFile("/VendorData.txt"), before);
    EXPECT_EQ(Script().Shown().size(), 2);
}

TEST_F(ContactsTest, CancelledOrDeletedNewContactLeavesTheFileAsItWas)
{
    Seed({"Acme Supply", "Bob's Framing"});
    const QByteArray before = ReadFile("/VendorData.txt");
    frmContacts& screen = ShowScreen();
    ASSERT_EQ(Shown(screen), "Acme Supply");

    screen.mnuAdd->trigger();
    EXPECT_EQ(screen.CurrentRec, 3);
    EXPECT_TRUE(screen.Command1[1]->isEnabled());
    EXPECT_EQ(Shown(screen), "");
    screen.Command1[1]->click();
    EXPECT_EQ(screen.ContactCount, 2);
    EXPECT_EQ(screen.CurrentRec, 2);
    EXPECT_EQ(Shown(screen), "Bob's Framing");
    EXPECT_FALSE(screen.Command1[1]->isEnabled());

    screen.mnuAdd->trigger();
    QTest::keyClicks(screen.txtContact[1], "Temp Co");
    Script().Queue(MsgAnswer::Yes);
    screen.mnuDelete->trigger();
    EXPECT_EQ(Script().Shown().last().Prompt, "Delete this Contact?");
    EXPECT_EQ(screen.ContactCount, 2);
    EXPECT_EQ(screen.CurrentRec, 2);
    EXPECT_EQ(Shown(screen), "Bob's Framing");
    EXPECT_FALSE(screen.Command1[1]->isEnabled());
    EXPECT_EQ(ReadFile("/VendorData.txt"), before);
    EXPECT_FALSE(Exists("/Contact.TMP"));
}

TEST_F(ContactsTest, CancelAddNewAnswersOnlyWhileAContactIsBeingAdded)
{
    Seed({"Acme Supply", "Bob's Framing"});
    frmContacts& screen = ShowScreen();
    ShowAtRealSize(&screen);
    EXPECT_FALSE(screen.Command1[1]->isEnabled());
    screen.mnuAdd->trigger();
    ASSERT_TRUE(screen.Command1[1]->isEnabled());
    ClickAt(screen.txtContact[1]);
    TypeText("Temp Co");
    ClickAt(screen.cmdNav[1]); // saves the new contact and shows another
    EXPECT_EQ(ContactFileCount(), 3);
    EXPECT_FALSE(screen.Command1[1]->isEnabled());

    // The search box says what it is for.
    ClickAt(screen.Command1[0]);
    ASSERT_TRUE(screen.txtSearchfor->isVisible());
    QLabel* caption = nullptr;
    for (QLabel* label : screen.fraSearch->findChildren<QLabel*>())
        if (label->buddy() == screen.txtSearchfor)
            caption = label;
    ASSERT_TRUE(caption);
    EXPECT_TRUE(caption->isVisible());
    EXPECT_FALSE(caption->text().isEmpty());
}

TEST_F(ContactsTest, NavigationWrapsForwardButNotBack)
{
    Seed({"Acme Supply", "Bob's Framing", "Carl Electric", "Dana Roofing", "Eve Plumbing"});
    frmContacts& screen = ShowScreen();
    screen.cmdNav[3]->click();
    EXPECT_EQ(Shown(screen), "Eve Plumbing");
    screen.cmdNav[2]->click();
    EXPECT_EQ(screen.CurrentRec, 1);
    EXPECT_EQ(Shown(screen), "Acme Supply");
    screen.cmdNav[1]->click();
    EXPECT_EQ(screen.CurrentRec, 1);
    screen.cmdNav[2]->click();
    screen.cmdNav[2]->click();
    EXPECT_EQ(Shown(screen), "Carl Electric");

    // Deleting record 3 shows the one that took its place.
    Script().Queue(MsgAnswer::Yes);
    screen.mnuDelete->trigger();
    EXPECT_EQ(screen.ContactCount, 4);
    EXPECT_EQ(screen.CurrentRec, 3);
    EXPECT_EQ(Shown(screen), "Dana Roofing");
}

TEST_F(ContactsTest, SubContractorReachesTheSettingsScreen)
{
    frmContacts& screen = ShowOnEmptyFolder();
    QTest::keyClicks(screen.txtContact[1], "Dana Roofing");
    screen.cboCategory->setCurrentIndex(int(ContactCategories.indexOf(SubContractorCategory)));
    screen.mnuAdd->trigger(); // saves the first
    QTest::keyClicks(screen.txtContact[1], "Acme Supply");
    screen.cboCategory->setCurrentIndex(0);
    screen.cmdExit->click();
    ASSERT_EQ(ContactFileCount(), 2);

    frmSetup& setup = ScreenInstance<frmSetup>();
    setup.LoadSubContractors();
    ASSERT_EQ(setup.lstContacts->count(), 1);
    EXPECT_EQ(setup.lstContacts->item(0)->text(), "Dana Roofing");
}

} // namespace
