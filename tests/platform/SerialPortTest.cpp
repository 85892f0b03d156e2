#include "platform/SerialPort.h"

#include "support/FakeModem.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(SerialPortTest, ThePortNumberChangesOnlyWhileClosedAndAVanishedDeviceClosesThePort)
{
    std::optional<FakeModem> modems;
    modems.emplace();
    modems->Add(2);
    modems->Install();
    SerialPort port;
    EXPECT_FALSE(port.SetPortOpen(true)); // no port chosen
    EXPECT_FALSE(port.Output("AT\r"));
    EXPECT_FALSE(port.SetCommPort(17));
    ASSERT_TRUE(port.SetCommPort(1));
    EXPECT_FALSE(port.SetPortOpen(true)); // nothing behind COM1
    ASSERT_TRUE(port.SetCommPort(2));
    ASSERT_TRUE(port.SetPortOpen(true));
    EXPECT_FALSE(port.SetCommPort(3));
    EXPECT_EQ(port.CommPort(), 2);

    ASSERT_TRUE(port.Output("AT\r"));
    ASSERT_TRUE(port.WaitForInput(6, 2000));
    EXPECT_EQ(port.InBufferCount(), 6);
    EXPECT_EQ(port.Input(), "\r\nOK\r\n");
    EXPECT_EQ(port.InBufferCount(), 0);

    // The device goes away under the open port: no bytes, and the port closed.
    modems.reset();
    EXPECT_FALSE(port.WaitForInput(1, 200));
    EXPECT_EQ(port.InBufferCount(), 0);
    EXPECT_FALSE(port.PortOpen());
    EXPECT_FALSE(port.Output("AT\r"));
    EXPECT_TRUE(port.SetCommPort(3));
}

TEST(SerialPortTest, AChatteringDeviceKeepsOnlyAFewKilobytesWaitingAndItsPortStillWorks)
{
    FakeModem modems;
    modems.Add(2);
    modems.Install();
    SerialPort port;
    ASSERT_TRUE(port.SetCommPort(2));
    ASSERT_TRUE(port.SetPortOpen(true));
    int arrivals = 0;
    QObject::connect(&port, &SerialPort::DataArrived, [&] { ++arrivals; });

    // Nobody reads for a while, as between the probe and the first telephony screen.
    modems.Chatter(2, true);
    FakeModem::WaitUntil([&] { return modems.Chattered(2) >= 1024 * 1024; }, 1500);
    EXPECT_GT(port.InBufferCount(), 0);
    EXPECT_LE(port.InBufferCount(), SerialPort::InputLimit);
    modems.Chatter(2, false);

    // A reader discards what waits before it sends, and the answer is announced as ever.
    port.ClearInput();
    arrivals = 0;
    ASSERT_TRUE(port.Output("AT\r"));
    QByteArray answer;
    ASSERT_TRUE(FakeModem::WaitUntil([&] {
        answer += port.Input();
        return arrivals > 0 && answer.endsWith("\r\nOK\r\n");
    }));
}

} // namespace
