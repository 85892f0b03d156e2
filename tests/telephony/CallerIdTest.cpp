#include "telephony/frmCallID.h"

#include "accounts/CustomerRecords.h"
#include "app/frmStartup.h"
#include "core/DialService.h"
#include "core/Navigation.h"
#include "platform/Controls.h"
#include "platform/FlexGrid.h"
#include "platform/SerialPort.h"
#include "platform/TickTimer.h"
#include "support/FakeModem.h"
#include "support/ScreenFixture.h"
#include "telephony/CallLog.h"
#include "telephony/Modem.h"
#include "telephony/PhoneSettings.h"
#include "telephony/frmDialer.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <optional>

namespace {

const QByteArray SmithReport = FakeModem::CallerIdReport("0321", "1405", "5551234567", "SMITH JOHN");
const QByteArray SmithRecord = "SMITH JOHN     555-123-456702:05 pm";

TEST(CallerIdReport, TheNameAndNumberAreTakenFromTheirLinesAndBadReportsDropped)
{
    struct Case {
        const char* name;
        QString reply;
        std::optional<CallerId> call;
    };
    const Case cases[] = {
        {"standard report", QString::fromLatin1(SmithReport), CallerId{"SMITH JOHN", "555-123-4567"}},
        {"name first", "NAME = SMITH JOHN\r\nNMBR = 5551234567\r\n", CallerId{"SMITH JOHN", "555-123-4567"}},
        {"short name before the number", "NAME = BOBNMBR = 5551234567", CallerId{"BOB", "555-123-4567"}},
        {"a number beginning with 0", "NMBR = 0123456789\r\nNAME = SMITH JOHN\r\n", std::nullopt},
        {"RING inside a name", "NMBR = 5551234567\r\nNAME = SPRINGER\r\n", CallerId{"SPRINGER", "555-123-4567"}},
        {"a window into RING", "NMBR = 555\r\nRING\r\nNAME = SMITH JOHN\r\n", std::nullopt},
        {"a number that is RING", "NMBR = RING\r\nNAME = SMITH JOHN\r\n", std::nullopt},
        {"seven digits kept as received", "NMBR = 5551234\r\nNAME = SMITH JOHN\r\n", CallerId{"SMITH JOHN", "5551234"}},
        {"out of area", "NMBR = O\r\nNAME = O\r\n", std::nullopt},
        {"private", "NMBR = P\r\nNAME = P\r\n", std::nullopt},
        {"no number line", "DATE = 0321\r\nTIME = 1405\r\nNAME = SMITH JOHN\r\n", std::nullopt},
        {"no name line", "DATE = 0321\r\nTIME = 1405\r\nNMBR = 5551234567\r\n", CallerId{"", "555-123-4567"}},
        {"garbage", QString::fromLatin1("\x01\xfe~%\x7fZQ#@!\x02\x03xyzzy 12345 ;;;;.,.,=-=-+*&^%$#", 40), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<CallerId> call = ParseCallerID(c.reply);
        ASSERT_EQ(call.has_value(), c.call.has_value());
        if (call) {
            EXPECT_EQ(call->Name, c.call->Name);
            EXPECT_EQ(call->Number, c.call->Number);
        }
    }

    // A report whose number or name line is still coming in waits for the rest.
    EXPECT_TRUE(IsUnfinishedReport("RING\r\n\r\nDATE = 0321\r\n"));
    EXPECT_TRUE(IsUnfinishedReport("DATE = 0321\r\nTIME = 1405\r\nNMBR = 5551234567\r\nNAME = SMI"));
    EXPECT_FALSE(IsUnfinishedReport(QString::fromLatin1(SmithReport)));
    EXPECT_FALSE(IsUnfinishedReport("RING\r\n"));
    EXPECT_EQ(CallTimeText(QTime(0, 7)), "12:07 am");
    EXPECT_EQ(CallTimeText(QTime(12, 30)), "12:30 pm");
}

class CallerIdTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        TickTimer::SetManual(true);
        frmCallID::ResetLogWarning();
        SetToday(QDate(2026, 3, 7), QTime(14, 5));
    }
    void TearDown() override
    {
        ScreenFixture::TearDown();
        TickTimer::SetManual(false);
    }

    // A modem on COM3, found by the probe.
    void InstallModem(FakeModem& modems)
    {
        modems.Add(3);
        modems.Install();
        MSComm1().SetCommPort(3);
        ModemState().ModemPortText = "3";
    }

    // Shows the monitor and lets its first tick read the modem's answer.
    static frmCallID& StartMonitor(FakeModem& modems)
    {
        const int sent = int(modems.Commands(3).size());
        frmCallID& monitor = ScreenInstance<frmCallID>();
        monitor.Show();
        // The window system's late report of this activation must not come while a later
        // screen is up.
        EXPECT_TRUE(FakeModem::WaitUntil([&] { return QApplication::activeWindow() == &monitor; }));
        EXPECT_TRUE(modems.WaitForCommands(3, sent + 1));
        EXPECT_EQ(modems.Commands(3).last(), "AT#CID=1");
        EXPECT_TRUE(MSComm1().WaitForInput(6, 2000));
        EXPECT_TRUE(monitor.tmrMain->Fire());
        EXPECT_EQ(monitor.tmrMain->Interval(), frmCallID::MonitorInterval);
        EXPECT_TRUE(monitor.tmrMain->Enabled());
        return monitor;
    }

    // The modem sends the bytes; the next tick reads them.
    static void Arrive(FakeModem& modems, frmCallID& monitor, const QByteArray& bytes)
    {
        modems.Send(3, bytes);
        ASSERT_TRUE(MSComm1().WaitForInput(int(bytes.size()), 2000));
        ASSERT_TRUE(monitor.tmrMain->Fire());
    }

    static QStringList Row(const frmCallID& monitor, int row)
    {
        return {monitor.fgCallSummary->TextMatrix(row, 0), monitor.fgCallSummary->TextMatrix(row, 1),
                monitor.fgCallSummary->TextMatrix(row, 2)};
    }

    static void SeedCustomerNumbers(const QString& telephone, const QString& cell)
    {
        CustomerRecord customer;
        customer.AccountNo = "A1";
        customer.AccountName = "Smith Builders";
        customer.Telephone = telephone;
        customer.Cell = cell;
        ASSERT_TRUE(WriteCustomer(CustomerCount() + 1, customer));
    }
};

TEST_F(CallerIdTest, OnlyAnOkStartsMonitoringAndTheFlagFollowsTheAnswer)
{
    struct Case {
        const char* name;
        bool modem;
        ModemReply reply;
        bool monitoring;
    };
    const Case cases[] = {
        {"ok", true, {"\r\nOK\r\n"}, true},
        {"error", true, {"\r\nERROR\r\n"}, false},
        {"silence", true, {""}, false},
        {"no port found", false, {""}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SeedCustomerNumbers("555-000-0001", "");
        FakeModem modems;
        if (c.modem) {
            modems.Add(3);
            modems.SetReply(3, "AT#CID", c.reply);
            modems.Install();
            MSComm1().SetCommPort(3);
            ASSERT_TRUE(MSComm1().SetPortOpen(true));
            // Left waiting since the probe: thrown away, never logged.
            modems.Send(3, SmithReport);
            ASSERT_TRUE(MSComm1().WaitForInput(int(SmithReport.size()), 2000));
        }
        frmCallID& monitor = ScreenInstance<frmCallID>();
        monitor.Show();
        EXPECT_FALSE(monitor.cmdExit->isEnabled());
        EXPECT_EQ(monitor.tmrMain->Interval(), frmCallID::AnswerInterval);
        if (c.modem) {
            ASSERT_TRUE(modems.WaitForCommands(3, 1));
            EXPECT_EQ(modems.Commands(3), QStringList({"AT#CID=1"}));
            if (!c.reply.Text.isEmpty()) {
                ASSERT_TRUE(MSComm1().WaitForInput(int(c.reply.Text.size()), 2000));
            }
        }
        ASSERT_TRUE(monitor.tmrMain->Fire());
        EXPECT_TRUE(monitor.cmdExit->isEnabled());
        EXPECT_EQ(PhoneSettings().CallerIdOn, c.monitoring);
        EXPECT_EQ(monitor.tmrMain->Enabled(), c.monitoring);
        EXPECT_EQ(monitor.tmrMain->Fire(), c.monitoring);
        EXPECT_EQ(monitor.CallCount, 0);
        EXPECT_FALSE(QFile::exists(FullPath("/TelCall.txt")));

        // The menu that follows offers reminder calls only while caller ID works.
        monitor.cmdExit->click();
        EXPECT_FALSE(IsScreenLoaded<frmCallID>());
        ASSERT_TRUE(IsScreenLoaded<frmStartup>());
        EXPECT_EQ(ScreenInstance<frmStartup>().optProgramRoutine[5]->isHidden(), !c.monitoring);
        EXPECT_FALSE(MSComm1().PortOpen());
        if (c.modem) {
            ASSERT_TRUE(modems.WaitForCommands(3, 2));
            EXPECT_EQ(modems.Commands(3).last(), "AT#CID=0;");
        }
        ScreenRegistry::Instance().UnloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ResetPhoneSettings();
        QFile::remove(FullPath("/CustomerData.txt"));
    }
}

TEST_F(CallerIdTest, EachReportIsShownLoggedAndCountedOnceAndNoiseLogsNothing)
{
    SeedCustomerNumbers("555-000-0001", " 555-123-4567 ");
    SeedCustomerNumbers("555-000-0002", "");
    FakeModem modems;
    InstallModem(modems);
    frmCallID& monitor = StartMonitor(modems);
    EXPECT_EQ(monitor.lstCustomerCell->item(0)->text(), "555-123-4567");
    EXPECT_EQ(monitor.lstCustomerTel->count(), 2);

    // A customer's cell.
    Arrive(modems, monitor, SmithReport);
    EXPECT_EQ(monitor.lblName->text(), "SMITH JOHN");
    EXPECT_EQ(monitor.lblNumber->text(), "555-123-4567");
    EXPECT_EQ(monitor.lblTime->text(), "02:05 pm");
    EXPECT_EQ(Row(monitor, 1), QStringList({"02:05 pm", "555-123-4567", "SMITH JOHN"}));
    EXPECT_EQ(ReadFile("/TelCall.txt"), SmithRecord);
    EXPECT_EQ(monitor.lblCount[1]->text(), "1");
    EXPECT_EQ(monitor.lblCount[2]->text(), "0");
    EXPECT_TRUE(monitor.Image1->isVisible());
    EXPECT_TRUE(monitor.tmrMain->Enabled());

    // Noise: a ring, a modem answer, garbage, and a complete report of 27 characters.
    for (const QByteArray& noise : {QByteArray("RING\r\n"), QByteArray("\r\nOK\r\n"),
                                    QByteArray("\x01\xfe~%\x7fZQ#@!\x02\x03xyzzy 12345 ;;;;.,.,=-=-+*&^%$#", 40),
                                    QByteArray("NMBR = 5551234\r\nNAME = AB\r\n")}) {
        SCOPED_TRACE(noise.toStdString());
        Arrive(modems, monitor, noise);
        EXPECT_EQ(monitor.CallCount, 1);
    }
    // One more character is a report.
    Arrive(modems, monitor, "NMBR = 5551234\r\nNAME = ABC\r\n");
    EXPECT_EQ(monitor.CallCount, 2);
    EXPECT_EQ(ReadFile("/TelCall.txt").mid(35), CallRecord({"ABC", "5551234", "02:05 pm"}).ToBytes());
    EXPECT_EQ(monitor.lblCount[2]->text(), "1");

    // Reports split across a tick, the first part under and over 28 characters.
    const qsizetype cuts[] = {20, 50};
    for (const qsizetype cut : cuts) {
        SCOPED_TRACE(cut);
        const QByteArray report = FakeModem::CallerIdReport("0321", "1405", "5550001111", "DOE JANE");
        const long before = monitor.CallCount;
        Arrive(modems, monitor, report.left(cut));
        EXPECT_EQ(monitor.CallCount, before);
        Arrive(modems, monitor, report.mid(cut));
        EXPECT_EQ(monitor.CallCount, before + 1);
        EXPECT_EQ(monitor.lblName->text(), "DOE JANE");
        ASSERT_TRUE(monitor.tmrMain->Fire());
        EXPECT_EQ(monitor.CallCount, before + 1);
        EXPECT_EQ(ReadFile("/TelCall.txt").mid(35 * before), "DOE JANE       555-000-111102:05 pm");
    }
    EXPECT_EQ(monitor.lblCount[0]->text(), "4");
    EXPECT_EQ(monitor.lblCount[3]->text(), "4");
    EXPECT_EQ(ReadFile("/TelCall.txt").size(), 4 * 35);
    EXPECT_EQ(modems.Commands(3), QStringList({"AT#CID=1"}));
}

TEST_F(CallerIdTest, ANameLoggedWithItsLineEndShowsWithoutItAndTheLogStays)
{
    FakeModem modems;
    InstallModem(modems);
    // A short name kept with the report's CR LF, padded to its 15 characters.
    const QByteArray log = QByteArray("KINCAID GARY\r\n 555-123-456702:05 pm");
    ASSERT_EQ(log.size(), 35);
    WriteFile("/TelCall.txt", log);
    frmCallID& monitor = StartMonitor(modems);
    EXPECT_EQ(monitor.lblName->text(), "KINCAID GARY");
    EXPECT_EQ(Row(monitor, 1), QStringList({"02:05 pm", "555-123-4567", "KINCAID GARY"}));
    EXPECT_EQ(ReadFile("/TelCall.txt"), log);
}

TEST_F(CallerIdTest, TheLogIsListedAtActivationAndClearedOnlyAfterAYes)
{
    FakeModem modems;
    InstallModem(modems);
    const QByteArray three = CallRecord{"ANN", "555-111-0001", "09:00 am"}.ToBytes()
                             + CallRecord{"BOB", "555-111-0002", "10:00 am"}.ToBytes()
                             + CallRecord{"CY", "555-111-0003", "11:00 am"}.ToBytes();
    WriteFile("/TelCall.txt", three);
    frmCallID* monitor = &StartMonitor(modems);
    EXPECT_EQ(monitor->fgCallSummary->Rows(), 4);
    EXPECT_EQ(monitor->lblCount[3]->text(), "3");
    EXPECT_EQ(monitor->lblName->text(), "ANN" + QString(12, ' '));
    EXPECT_TRUE(monitor->updnCalls->isEnabled());
    monitor->updnCalls->ClickUp();
    EXPECT_EQ(monitor->lblTime->text(), "10:00 am");
    monitor->updnCalls->ClickUp();
    monitor->updnCalls->ClickUp();
    EXPECT_EQ(monitor->updnCalls->Value(), 3);
    Arrive(modems, *monitor, SmithReport);
    EXPECT_EQ(ReadFile("/TelCall.txt").mid(105), SmithRecord);

    // No keeps the log.
    Script().Queue(MsgAnswer::No);
    monitor->cmdClear->click();
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Prompt, "Clear All Entries?");
    EXPECT_EQ(Script().Shown()[0].Title, "Clear Call List");
    EXPECT_EQ(Script().Shown()[0].Buttons, MsgButtons::YesNo);
    EXPECT_EQ(Script().Shown()[0].Icon, MsgIcon::Question);
    EXPECT_EQ(ReadFile("/TelCall.txt").size(), 4 * 35);
    EXPECT_TRUE(monitor->tmrMain->Enabled());

    // Yes clears it; a report that waited through the question is the new first call.
    modems.Send(3, SmithReport);
    ASSERT_TRUE(MSComm1().WaitForInput(int(SmithReport.size()), 2000));
    Script().Queue(MsgAnswer::Yes);
    monitor->cmdClear->click();
    EXPECT_FALSE(QFile::exists(FullPath("/TelCall.txt")));
    EXPECT_EQ(monitor->fgCallSummary->Rows(), 1);
    EXPECT_EQ(monitor->lblName->text(), "Name");
    EXPECT_FALSE(monitor->updnCalls->isEnabled());
    EXPECT_FALSE(monitor->cmdClear->isEnabled());
    EXPECT_TRUE(monitor->cmdExit->isEnabled());
    ASSERT_TRUE(monitor->tmrMain->Fire());
    EXPECT_EQ(ReadFile("/TelCall.txt"), SmithRecord);

    // An empty log asks nothing; neither does a fragment, which is kept until a call covers it.
    for (const QByteArray& log : {QByteArray(), QByteArray(20, 'x')}) {
        SCOPED_TRACE(log.size());
        monitor->Unload();
        QFile::remove(FullPath("/TelCall.txt"));
        if (!log.isEmpty())
            WriteFile("/TelCall.txt", log);
        monitor = &StartMonitor(modems);
        EXPECT_FALSE(monitor->cmdClear->isEnabled());
        monitor->cmdClear_Click();
        EXPECT_EQ(Script().Shown().size(), 2);
        EXPECT_EQ(ReadFile("/TelCall.txt"), log);
        Arrive(modems, *monitor, SmithReport);
        EXPECT_EQ(ReadFile("/TelCall.txt"), SmithRecord);
    }

    // A log that cannot be written is told once; the calls are still shown and monitoring goes on.
    monitor->Unload();
    QFile::remove(FullPath("/TelCall.txt"));
    MakeFolders("/TelCall.txt/x");
    monitor = &StartMonitor(modems);
    Script().Queue(MsgAnswer::Ok);
    Arrive(modems, *monitor, SmithReport);
    Arrive(modems, *monitor, SmithReport);
    EXPECT_EQ(Script().Shown().size(), 3);
    EXPECT_EQ(Script().Shown().last().Title, "Call Log");
    EXPECT_EQ(monitor->fgCallSummary->Rows(), 3);
    EXPECT_TRUE(monitor->tmrMain->Enabled());

    // The summary frame toggles with the menu entry.
    EXPECT_EQ(monitor->mnuSummary->text(), "Toggle View");
    monitor->mnuSummary->trigger();
    EXPECT_TRUE(monitor->fraSummary->isHidden());
    EXPECT_EQ(monitor->mnuSummary->text(), "Summary");
    monitor->mnuSummary->trigger();
    EXPECT_TRUE(monitor->fraSummary->isVisible());
    EXPECT_EQ(monitor->mnuSummary->text(), "List");
}

TEST_F(CallerIdTest, DiallingBackSwitchesCallerIdOffForTheDialerAndOnAgainAfter)
{
    SeedCustomerNumbers("555-000-0001", "");
    FakeModem modems;
    InstallModem(modems);
    frmCallID& monitor = StartMonitor(modems);

    // No call row: nothing to dial.
    monitor.cmdDial->click();
    EXPECT_FALSE(IsScreenLoaded<frmDialer>());

    Arrive(modems, monitor, SmithReport);
    monitor.fgCallSummary->setCurrentCell(0, 0);
    QStringList commandsWhileDialling;
    QString handedName, handedNumber;
    QTimer::singleShot(0, [&] {
        auto* dialer = dynamic_cast<frmDialer*>(FindScreen("frmDialer"));
        ASSERT_TRUE(dialer);
        handedName = dialer->lblName->text();
        handedNumber = dialer->lblNumber->text();
        FakeModem::WaitUntil([&] { return modems.Transcript(3).size() >= 5; });
        commandsWhileDialling = modems.Transcript(3);
        dialer->cmdHangup->click();
    });
    monitor.cmdDial->click();
    EXPECT_EQ(handedName, "SMITH JOHN");
    EXPECT_EQ(handedNumber, "555-123-4567");
    // Off and closed before the dialer opened the port.
    EXPECT_EQ(commandsWhileDialling, QStringList({"open", "AT#CID=1", "AT#CID=0;", "close", "open"}));
    ASSERT_TRUE(modems.WaitForCommands(3, 4));
    EXPECT_EQ(modems.Commands(3).mid(2), QStringList({"ATH", "AT#CID=1"}));
    EXPECT_EQ(monitor.tmrMain->Interval(), frmCallID::AnswerInterval);
    ASSERT_TRUE(MSComm1().WaitForInput(6, 2000));
    ASSERT_TRUE(monitor.tmrMain->Fire());
    EXPECT_TRUE(monitor.tmrMain->Enabled());

    // Another application taking the focus and giving it back changes nothing.
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&monitor, &deactivate);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&monitor, &activate);
    QCoreApplication::processEvents();
    EXPECT_TRUE(monitor.tmrMain->Enabled());
    monitor.cmdExit->click();
    ASSERT_TRUE(modems.WaitForCommands(3, 5));
    EXPECT_EQ(modems.Commands(3).mid(3), QStringList({"AT#CID=1", "AT#CID=0;"}));
}

} // namespace
