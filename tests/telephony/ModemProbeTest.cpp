#include "platform/SerialPort.h"
#include "support/FakeModem.h"
#include "support/ProgramFolderFixture.h"
#include "telephony/Modem.h"
#include "telephony/PhoneSettings.h"


namespace {

constexpr int Window = 150;

class ModemProbeTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        SetModemAnswerWindow(Window);
    }
};

TEST_F(ModemProbeTest, FindsTheModemBehindSilentPortsAndSwitchesCallerIdOn)
{
    FakeModem modems;
    modems.Add(1, FakeModem::Behaviour::Silent);
    modems.Add(2, FakeModem::Behaviour::Silent);
    modems.Add(3);
    modems.Add(4);
    modems.SetReply(3, "AT#CID", {"\r\nCID OK\r\n"});
    modems.Install();

    CheckModem();

    const QStringList probed = {"open", "AT", "close"};
    // The fake modem learns of opens and closes on its own thread, a moment later.
    FakeModem::WaitUntil([&] { return modems.Transcript(2) == probed; });
    EXPECT_EQ(modems.Transcript(1), probed);
    EXPECT_EQ(modems.Transcript(2), probed);
    ASSERT_TRUE(modems.WaitForCommands(3, 2));
    EXPECT_EQ(modems.Commands(3), QStringList({"AT", "AT#CID=1"}));
    EXPECT_EQ(modems.Opens(3), 2);
    EXPECT_EQ(modems.Closes(3), 1);
    EXPECT_TRUE(modems.IsOpen(3));
    EXPECT_EQ(modems.Opens(4), 0);

    EXPECT_EQ(PhoneSettings().ModemPort, 3);
    EXPECT_EQ(MSComm1().CommPort(), 3);
    EXPECT_TRUE(MSComm1().PortOpen());
    const ModemStateValues& state = ModemState();
    EXPECT_TRUE(state.ModemAnswered);
    EXPECT_FALSE(state.FeaturesDisabled);
    EXPECT_EQ(state.StatusText, "Your Modem Comm Port Is 3.");
    EXPECT_EQ(state.PortLabel, "COM Port # 3");
    EXPECT_EQ(state.ModemPortText, "3");
    // The answer to "AT" was discarded; the caller-ID answer waits for its reader.
    ASSERT_TRUE(MSComm1().WaitForInput(10, 1000));
    EXPECT_EQ(MSComm1().Input(), "\r\nCID OK\r\n");
}

TEST_F(ModemProbeTest, NoAnswerTurnsThePhoneOffWithNothingOpenAndEachPortCostsAtMostOneWindow)
{
    FakeModem modems;
    modems.Add(1, FakeModem::Behaviour::Silent);
    modems.Add(2, FakeModem::Behaviour::Busy);
    modems.Add(16, FakeModem::Behaviour::Silent);
    // Far past the window, so no pause of a busy machine lets it count.
    modems.SetReply(16, "AT", {"\r\nOK\r\n", false, Window * 20});
    modems.Install();
    PhoneSettings().PhoneOn = true;
    ModemState().PhoneTicked = true;

    CheckModem();

    // Two ports opened, each waited one window (an answer after it is none); the busy one only
    // failed to open. How long the probe takes is the benchmark's business. The fake modem
    // learns of the last close on its own thread, a moment later.
    FakeModem::WaitUntil([&] { return !modems.IsOpen(16); });
    EXPECT_EQ(modems.Transcript(1), QStringList({"open", "AT", "close"}));
    EXPECT_TRUE(modems.Commands(2).isEmpty());
    EXPECT_EQ(modems.Commands(16), QStringList({"AT"}));
    EXPECT_FALSE(modems.IsOpen(16));

    EXPECT_FALSE(MSComm1().PortOpen());
    EXPECT_EQ(MSComm1().CommPort(), 0);
    EXPECT_EQ(PhoneSettings().ModemPort, 0);
    EXPECT_FALSE(PhoneSettings().PhoneOn);
    const ModemStateValues& state = ModemState();
    EXPECT_FALSE(state.ModemAnswered);
    EXPECT_TRUE(state.FeaturesDisabled);
    EXPECT_FALSE(state.PhoneTicked);
    EXPECT_EQ(state.StatusText, "Modem Not Detected Or In Use.");
    EXPECT_EQ(state.PortLabel, "COM Port #");
    EXPECT_EQ(state.ModemPortText, "0");
}

TEST_F(ModemProbeTest, AnyAnswerOfTwoCharactersCounts)
{
    FakeModem modems;
    modems.Add(2, FakeModem::Behaviour::Garbage);
    modems.Install();

    CheckModem();

    EXPECT_EQ(PhoneSettings().ModemPort, 2);
    EXPECT_TRUE(ModemState().ModemAnswered);
}

TEST(ModemCommandTest, TheDialledNumberCannotEndTheCommandEarly)
{
    EXPECT_EQ(DialCommand("555-123-4567"), "ATDT555-123-4567;\r");
    EXPECT_EQ(DialCommand("1-555 123;4567\r\n"), "ATDT1-555 1234567;\r");
}

} // namespace
