#include "telephony/frmDialer.h"

#include "core/DialService.h"
#include "platform/SerialPort.h"
#include "platform/TextBox.h"
#include "support/FakeModem.h"
#include "support/ScreenFixture.h"
#include "telephony/Modem.h"
#include "telephony/PhoneSettings.h"
#include "telephony/SpeedDials.h"

#include <QCheckBox>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

#include <time.h>

namespace {

const QString Pickup = "Pickup Receiver - Then Click Hangup";

class DialerTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        DialRequest() = {"Smith Builders", "555-123-4567"};
    }

    static frmDialer& ShowDialer()
    {
        frmDialer& dialer = ScreenInstance<frmDialer>();
        dialer.Show();
        return dialer;
    }

    static bool Connected(const frmDialer& dialer) { return dialer.lblStatus->text() == Pickup; }

    static frmDialer& ShowOnScreen()
    {
        frmDialer& dialer = ShowDialer();
        dialer.resize(1280, 1024);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialer));
        return dialer;
    }

    // A click where the window system would deliver it: to the widget under the pointer.
    static void ClickOn(QWidget* window, QWidget* target)
    {
        const QPoint at = target->mapTo(window, target->rect().center());
        QWidget* under = window->childAt(at);
        ASSERT_NE(under, nullptr);
        QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(window, at));
    }

    // The processor time this process used while its event loop ran for a second.
    static double CpuSecondsOverOneSecond()
    {
        timespec before{}, after{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &before);
        QEventLoop loop;
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        loop.exec();
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &after);
        return double(after.tv_sec - before.tv_sec) + double(after.tv_nsec - before.tv_nsec) / 1e9;
    }
};

TEST_F(DialerTest, TheDialConnectsOnlyOnAnOkThatArrivesAfterTheDial)
{
    struct Case {
        const char* name;
        ModemReply reply;
        bool staleOk; // an "OK" waiting before the dial
        bool connects;
    };
    const Case cases[] = {
        {"ok", {"\r\nOK\r\n"}, false, true},
        {"echo then ok", {"\r\nOK\r\n", true}, false, true},
        {"O then K", {"OK", false, 0, 2}, false, true},
        {"garbage then ok", {"\x01\xfe\r\nOK\r\n", false, 0, 3}, false, true},
        {"busy", {"\r\nBUSY\r\n"}, false, false},
        {"stale ok, then silence", {""}, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<FakeModem> modems;
        modems.emplace();
        modems->Add(3);
        modems->SetReply(3, "ATDT", c.reply);
        modems->Install();
        ModemState().ModemPortText = "3";

        frmDialer& dialer = ShowDialer();
        EXPECT_EQ(dialer.lblName->text(), "Smith Builders");
        EXPECT_EQ(dialer.lblStatus->text(), "Ready to Dial......");
        ASSERT_TRUE(FakeModem::WaitUntil([&] { return modems->IsOpen(3); }));
        if (c.staleOk) {
            modems->Send(3, "\r\nOK\r\n");
            ASSERT_TRUE(MSComm1().WaitForInput(6, 1000));
        }
        dialer.cmdNewDial->click();
        EXPECT_TRUE(dialer.cmdNewDial->isHidden());
        ASSERT_TRUE(modems->WaitForCommands(3, 1));
        EXPECT_EQ(modems->Commands(3), QStringList({"ATDT555-123-4567;"}));

        FakeModem::WaitUntil([&] { return Connected(dialer); }, c.connects ? 2000 : 300);
        EXPECT_EQ(Connected(dialer), c.connects);
        EXPECT_EQ(!dialer.cmdCancel->isHidden(), c.connects);
        if (!c.connects) {
            EXPECT_EQ(dialer.lblStatus->text().toStdString(), "Dialing..... 555-123-4567");
            // Still dialling, and the screen still answers.
            dialer.cmdDialer[0]->click();
            EXPECT_TRUE(dialer.fraSpeedDial->isVisible());
        }

        (c.connects ? dialer.cmdCancel : dialer.cmdHangup)->click();
        EXPECT_FALSE(IsScreenLoaded<frmDialer>());
        EXPECT_FALSE(MSComm1().PortOpen());
        ASSERT_TRUE(FakeModem::WaitUntil([&] { return !modems->IsOpen(3); }));
        EXPECT_EQ(modems->Commands(3).last(), "ATH");
        // A reply after the hang-up changes nothing.
        modems.reset();
        ResetPhoneSettings();
        DialRequest() = {"Smith Builders", "555-123-4567"};
    }
}

TEST_F(DialerTest, ThePrefixIsAddedAndTakenOffOnlyWhileTheNumberStillHasIt)
{
    WriteFile("/SpeedNumbers.txt", "Yard\r\n555-000-1111\r\n");
    FakeModem modems;
    modems.Add(3);
    modems.Install();
    ModemState().ModemPortText = "3";
    frmDialer& dialer = ShowDialer();

    dialer.ckDial1->setChecked(true);
    EXPECT_EQ(dialer.lblNumber->text(), "1-555-123-4567");
    dialer.ckDial1->setChecked(false);
    EXPECT_EQ(dialer.lblNumber->text(), "555-123-4567");
    dialer.ckDial1->setChecked(true);
    dialer.cmdDialer[0]->click();
    dialer.ckDial1->setChecked(false);
    EXPECT_EQ(dialer.lblNumber->text(), "555-000-1111");
    dialer.cmdSpeedDialer[3]->click();
    EXPECT_EQ(dialer.lblName->text(), "Smith Builders");
    EXPECT_EQ(dialer.lblNumber->text(), "1-555-123-4567");

    dialer.cmdNewDial->click();
    ASSERT_TRUE(modems.WaitForCommands(3, 1));
    EXPECT_EQ(modems.Commands(3), QStringList({"ATDT1-555-123-4567;"}));
    ASSERT_TRUE(FakeModem::WaitUntil([&] { return Connected(dialer); }));
    dialer.cmdHangup->click();
}

TEST_F(DialerTest, WithoutAUsablePortDialIsRefusedButSpeedDialsAndDisconnectWork)
{
    for (const char* port : {"0", "x", "17", "5"}) { // "5": nothing behind COM5
        SCOPED_TRACE(port);
        ModemState().ModemPortText = port;
        frmDialer& dialer = ShowDialer();
        EXPECT_FALSE(dialer.cmdNewDial->isEnabled());
        EXPECT_EQ(dialer.lblStatus->text(), "Modem Not Detected Or In Use.");
        EXPECT_FALSE(MSComm1().PortOpen());
        dialer.cmdDialer[4]->click();
        EXPECT_TRUE(dialer.fraSpeedDial->isVisible());
        dialer.cmdHangup->click();
        EXPECT_FALSE(IsScreenLoaded<frmDialer>());
    }
}

TEST_F(DialerTest, ADialThatCannotBeSentSaysTheModemIsGone)
{
    std::optional<FakeModem> modems;
    modems.emplace();
    modems->Add(3);
    modems->Install();
    ModemState().ModemPortText = "3";
    frmDialer& dialer = ShowDialer();
    ASSERT_TRUE(dialer.cmdNewDial->isEnabled());
    ASSERT_TRUE(FakeModem::WaitUntil([&] { return modems->IsOpen(3); }));
    // The device goes away while the dialer waits for the user.
    modems.reset();
    dialer.cmdNewDial->click();
    EXPECT_EQ(dialer.lblStatus->text().toStdString(), "Modem Not Detected Or In Use.");
    EXPECT_FALSE(dialer.cmdNewDial->isHidden());
    EXPECT_FALSE(dialer.cmdNewDial->isEnabled());
    EXPECT_FALSE(MSComm1().PortOpen());
    dialer.cmdHangup->click();
    EXPECT_FALSE(IsScreenLoaded<frmDialer>());
}

TEST_F(DialerTest, AModemThatGoesAwayClosesThePortAtOnceAndADialInProgressSaysSo)
{
    enum class State { AtRest, IdleDialer, Dialling };
    for (const State state : {State::AtRest, State::IdleDialer, State::Dialling}) {
        SCOPED_TRACE(int(state));
        std::optional<FakeModem> modems;
        modems.emplace();
        modems->Add(3);
        modems->SetReply(3, "ATDT", {""}); // a dial never answered
        modems->Install();
        CheckModem();
        ASSERT_TRUE(MSComm1().PortOpen());
        // The answer to the caller-ID command comes before the dial, as it does for a user who
        // clicks some moments after the start; on a busy machine it could otherwise come after.
        ASSERT_TRUE(FakeModem::WaitUntil([] { return MSComm1().InBufferCount() > 0; }));
        frmDialer* dialer = nullptr;
        if (state != State::AtRest)
            dialer = &ShowOnScreen();
        if (state == State::Dialling) {
            ClickOn(dialer, dialer->cmdNewDial);
            ASSERT_TRUE(modems->WaitForCommands(3, 3));
            ASSERT_EQ(dialer->lblStatus->text().toStdString(), "Dialing..... 555-123-4567");
        }

        modems->HangUp(3);
        // The read that finds the line hung up sets no error of its own; the program has just
        // looked for a file that is not there, as it often has.
        EXPECT_FALSE(QFileInfo::exists(FullPath("/NoSuchFile.txt")));
        // A port left spinning on its dead line would take about a whole second here.
        EXPECT_LT(CpuSecondsOverOneSecond(), 0.3);
        EXPECT_FALSE(MSComm1().PortOpen());
        if (dialer) {
            EXPECT_EQ(dialer->lblStatus->text().toStdString(), "Modem Not Detected Or In Use.");
            EXPECT_FALSE(dialer->Dialling);
            EXPECT_FALSE(dialer->cmdNewDial->isHidden());
            EXPECT_FALSE(dialer->cmdNewDial->isEnabled());
            ClickOn(dialer, dialer->cmdHangup);
            EXPECT_FALSE(IsScreenLoaded<frmDialer>());
        }

        // The next use opens the port again on a modem that is back.
        modems.reset();
        modems.emplace();
        modems->Add(3);
        modems->Install();
        dialer = &ShowOnScreen();
        EXPECT_TRUE(dialer->cmdNewDial->isEnabled());
        ClickOn(dialer, dialer->cmdNewDial);
        ASSERT_TRUE(FakeModem::WaitUntil([&] { return Connected(*dialer); }));
        ClickOn(dialer, dialer->cmdHangup);
        modems.reset();
        ResetPhoneSettings();
        DialRequest() = {"Smith Builders", "555-123-4567"};
    }
}

TEST_F(DialerTest, TheProbedPortIsUsedUntilAHangUpThenThePortBoxNamesTheNext)
{
    FakeModem modems;
    modems.Add(3);
    modems.Add(5);
    modems.Install();
    CheckModem();
    ASSERT_TRUE(MSComm1().PortOpen());
    ModemState().ModemPortText = "5";

    frmDialer* dialer = &ShowDialer();
    EXPECT_EQ(dialer->Text1->text(), "Your Modem Comm Port Is 3.");
    EXPECT_EQ(dialer->Label2[3]->text(), "COM Port # 3");
    dialer->cmdNewDial->click();
    ASSERT_TRUE(FakeModem::WaitUntil([&] { return Connected(*dialer); }));
    EXPECT_EQ(modems.Commands(3).last(), "ATDT555-123-4567;");
    EXPECT_EQ(modems.Opens(5), 0);
    dialer->cmdHangup->click();

    dialer = &ShowDialer();
    dialer->cmdNewDial->click();
    ASSERT_TRUE(FakeModem::WaitUntil([&] { return Connected(*dialer); }));
    EXPECT_EQ(modems.Commands(5), QStringList({"ATDT555-123-4567;"}));
    EXPECT_EQ(MSComm1().CommPort(), 5);
    dialer->cmdHangup->click();
}

TEST_F(DialerTest, SpeedDialFilesAreReadByLinesAtMostTenPairs)
{
    QByteArray eleven;
    for (int i = 1; i <= 11; ++i)
        eleven += "Name " + QByteArray::number(i) + "\r\n555-" + QByteArray::number(i) + "\r\n";
    struct Case {
        const char* name;
        QByteArray file;
        QString slot0Name, slot0Number, lastName, lastNumber;
        int used;
    };
    const Case cases[] = {
        {"no file", "", "", "", "", "", 0},
        {"eleven pairs", eleven, "Name 1", "555-1", "Name 10", "555-10", 10},
        {"comma and a missing last number", "Smith, John\r\n555-1\r\nYard\n", "Smith, John", "555-1", "Yard", "", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(FullPath("/SpeedNumbers.txt"));
        if (!c.file.isEmpty())
            WriteFile("/SpeedNumbers.txt", c.file);
        const SpeedDialList list = ReadSpeedDials();
        int used = 0;
        for (const QString& name : list.Name)
            used += name.isEmpty() ? 0 : 1;
        EXPECT_EQ(used, c.used);
        EXPECT_EQ(list.Name[0], c.slot0Name);
        EXPECT_EQ(list.Number[0], c.slot0Number);
        if (c.used > 0) {
            EXPECT_EQ(list.Name[size_t(c.used - 1)], c.lastName);
            EXPECT_EQ(list.Number[size_t(c.used - 1)], c.lastNumber);
        }
    }
}

TEST_F(DialerTest, SpeedDialsAreAddedDeletedAndPackedInTheFile)
{
    frmDialer& dialer = ShowDialer();
    for (QPushButton* button : dialer.cmdDialer)
        EXPECT_TRUE(button->text().isEmpty());

    auto add = [&](int slot, const QString& name, const QString& number) {
        dialer.cmdDialer[size_t(slot)]->click();
        ASSERT_TRUE(dialer.fraSpeedDial->isVisible());
        dialer.txtDialer[0]->setText(name);
        dialer.txtDialer[1]->setText(number);
        dialer.cmdSpeedDialer[0]->click();
        EXPECT_TRUE(dialer.fraSpeedDial->isHidden());
    };
    add(0, "Smith, John", "555-0001");
    add(1, "Yard", "555-0002");
    add(3, "", "555-0004"); // no name, not kept
    // The party on screen into a free slot.
    dialer.cmdDialer[2]->click();
    dialer.cmdSpeedDialer[4]->click();
    EXPECT_EQ(ReadFile("/SpeedNumbers.txt"),
              "Smith, John\r\n555-0001\r\nYard\r\n555-0002\r\nSmith Builders\r\n555-123-4567\r\n");

    // A used slot shows its entry and can be deleted; No keeps it.
    dialer.cmdDialer[1]->click();
    EXPECT_EQ(dialer.lblName->text(), "Yard");
    EXPECT_TRUE(dialer.cmdSpeedDialer[2]->isEnabled());
    Script().Queue(MsgAnswer::No);
    dialer.cmdSpeedDialer[2]->click();
    EXPECT_FALSE(dialer.cmdSpeedDialer[2]->isEnabled());
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Prompt, "This will delete SpeedDial entry  Yard\r\nAre you Sure");
    EXPECT_EQ(Script().Shown()[0].Title, "Delete Speed Dial");
    EXPECT_EQ(Script().Shown()[0].Buttons, MsgButtons::YesNo);

    dialer.cmdDialer[1]->click();
    Script().Queue(MsgAnswer::Yes);
    dialer.cmdSpeedDialer[2]->click();
    EXPECT_EQ(ReadFile("/SpeedNumbers.txt"), "Smith, John\r\n555-0001\r\nSmith Builders\r\n555-123-4567\r\n");
    EXPECT_EQ(dialer.cmdDialer[1]->text(), "Smith Builders");
    EXPECT_TRUE(dialer.cmdDialer[2]->text().isEmpty());

    // A used slot clicked while adding is not overwritten by the add frame.
    dialer.cmdDialer[5]->click();
    dialer.txtDialer[0]->setText("Other");
    dialer.cmdDialer[0]->click();
    EXPECT_TRUE(dialer.fraSpeedDial->isHidden());
    EXPECT_EQ(dialer.cmdDialer[0]->text(), "Smith, John");

    // A list that cannot be written is reported.
    QFile::remove(FullPath("/SpeedNumbers.txt"));
    MakeFolders("/SpeedNumbers.txt/x");
    Script().Queue(MsgAnswer::Ok);
    add(6, "Mill", "555-0007");
    EXPECT_EQ(Script().Shown().last().Title, "Save Failed");

    // A list that cannot be read is not written over.
    ASSERT_TRUE(QDir(FullPath("/SpeedNumbers.txt")).removeRecursively());
    if (MakeUnreadableFile("/SpeedNumbers.txt")) {
        dialer.Unload();
        frmDialer& again = ShowDialer();
        Script().Queue(MsgAnswer::Ok);
        again.cmdDialer[0]->click();
        again.txtDialer[0]->setText("Mill");
        again.cmdSpeedDialer[0]->click();
        EXPECT_TRUE(Script().Shown().last().Prompt.contains("could not be read"));
        EXPECT_TRUE(QFileInfo(FullPath("/SpeedNumbers.txt")).isSymLink());
    }
}

} // namespace
