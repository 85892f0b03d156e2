#include "app/frmSetup.h"

#include "platform/SerialPort.h"
#include "platform/TextBox.h"
#include "support/FakeModem.h"
#include "support/ScreenFixture.h"
#include "telephony/Modem.h"
#include "telephony/PhoneSettings.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <optional>

namespace {

class PhonePageTest : public ScreenFixture {};

TEST_F(PhonePageTest, TheLoadShowsWhatTheProbeAndThePhoneFilesHold)
{
    struct Case {
        const char* name;
        bool modem;            // a modem on COM3
        QByteArray phone;      // Phone.txt; empty for none
        QByteArray callId;     // CallID.txt; empty for none
        bool inBackupOnly;     // the files only in the backup folder
        bool ticked, phoneOn, callerId;
        int modemPort;
        const char* portBox;
    };
    const Case cases[] = {
        {"no modem, no files", false, "", "", false, false, false, false, 0, "0"},
        {"stored phone survives no modem", false, "#TRUE#\r\n5\r\n", "#TRUE#\r\n", false, true, true, true, 5, "0"},
        {"stored port kept, probed port shown", true, "#TRUE#\r\n5\r\n", "#FALSE#\r\n", false, true, true, false, 5, "3"},
        {"phone off keeps the probed port", true, "#FALSE#\r\n3\r\n", "", false, false, false, false, 3, "3"},
        {"restored from the backup folder", true, "#TRUE#\r\n3\r\n", "#TRUE#\r\n", true, true, true, true, 3, "3"},
        {"unreadable items", true, "yes\r\nport\r\n", "maybe\r\n", false, false, false, false, 3, "3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<FakeModem> modems;
        modems.emplace();
        if (c.modem)
            modems->Add(3);
        modems->Install();
        const QString folder = c.inBackupOnly ? "/Backup" : "";
        if (!c.phone.isEmpty())
            WriteFile(folder + "/Phone.txt", c.phone);
        if (!c.callId.isEmpty())
            WriteFile(folder + "/CallID.txt", c.callId);

        frmSetup& setup = ScreenInstance<frmSetup>();
        EXPECT_EQ(setup.ckPhone->isChecked(), c.ticked);
        EXPECT_EQ(PhoneSettings().PhoneOn, c.phoneOn);
        EXPECT_EQ(PhoneSettings().ModemPort, c.modemPort);
        EXPECT_EQ(setup.txtModemPort->text(), c.portBox);
        EXPECT_EQ(setup.ckCallerID->isChecked(), c.callerId);
        EXPECT_EQ(!setup.lblCallid->isHidden(), c.callerId);
        EXPECT_EQ(setup.SSTab1->isTabEnabled(frmSetup::PhoneTab), c.modem);
        EXPECT_EQ(MSComm1().PortOpen(), c.modem);
        if (c.inBackupOnly) {
            EXPECT_EQ(ReadFile("/Phone.txt"), c.phone);
        }

        // The next case is a fresh run.
        setup.Unload();
        modems.reset();
        ResetPhoneSettings();
        for (const char* file : {"/Phone.txt", "/CallID.txt", "/Backup/Phone.txt", "/Backup/CallID.txt"})
            QFile::remove(FullPath(file));
    }
}

TEST_F(PhonePageTest, SavingWritesTheBoxAndTheStoredPortNotTheTypedOne)
{
    FakeModem modems;
    modems.Add(3);
    modems.Install();
    WriteFile("/Phone.txt", "#TRUE#\r\n5\r\n");
    WriteFile("/Backup/Phone.txt", "#TRUE#\r\n5\r\n");
    WriteFile("/Backup/CallID.txt", "#TRUE#\r\n");
    frmSetup& setup = ScreenInstance<frmSetup>();
    setup.Show();
    ASSERT_TRUE(setup.ckCallerID->isChecked());
    setup.ckPhone->setChecked(false);
    setup.txtModemPort->setText("7");
    setup.ckCallerID->setChecked(false);
    EXPECT_TRUE(setup.lblCallid->isHidden());
    EXPECT_EQ(ModemState().ModemPortText, "7");

    Script().Queue(MsgAnswer::Ok); // the required files are missing
    setup.cmdQuit->click();

    EXPECT_FALSE(PhoneSettings().PhoneOn);
    EXPECT_EQ(ReadFile("/Phone.txt"), "#FALSE#\r\n5\r\n");
    // The caller-ID box is the user's note; the flag is the modem's answer.
    EXPECT_EQ(ReadFile("/CallID.txt"), "#TRUE#\r\n");
    EXPECT_FALSE(Exists("/Backup/Phone.txt"));
    EXPECT_FALSE(Exists("/Backup/CallID.txt"));

    // A phone file that cannot be written is reported, the old one kept.
    QFile::remove(FullPath("/Phone.txt"));
    MakeFolders("/Phone.txt/x");
    setup.ckPhone->setChecked(true);
    Script().Queue(MsgAnswer::Ok);
    Script().Queue(MsgAnswer::Ok);
    setup.cmdQuit->click();
    ASSERT_GE(Script().Shown().size(), 3);
    EXPECT_TRUE(Script().Shown()[1].Prompt.startsWith("Some settings could not be saved."));
}

TEST_F(PhonePageTest, PhoneFilesThatCannotBeReadAreNeverWrittenOver)
{
    FakeModem modems;
    modems.Install();
    // Files that may be written but not read (the user running has no read right on them).
    WriteFile("/Phone.txt", "#TRUE#\r\n5\r\n");
    WriteFile("/CallID.txt", "#TRUE#\r\n");
    for (const char* file : {"/Phone.txt", "/CallID.txt"})
        QFile::setPermissions(FullPath(file), QFile::WriteOwner);
    if (QFile(FullPath("/Phone.txt")).open(QIODevice::ReadOnly))
        GTEST_SKIP() << "this user reads every file";
    frmSetup& setup = ScreenInstance<frmSetup>();
    setup.Show();
    setup.ckPhone->setChecked(false);
    for (int i = 0; i < 3; ++i)
        Script().Queue(MsgAnswer::Ok);
    setup.cmdQuit->click();
    for (const char* file : {"/Phone.txt", "/CallID.txt"})
        QFile::setPermissions(FullPath(file), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(ReadFile("/Phone.txt"), "#TRUE#\r\n5\r\n");
    EXPECT_EQ(ReadFile("/CallID.txt"), "#TRUE#\r\n");
    bool told = false;
    for (const ShownMessage& box : Script().Shown())
        told = told || box.Prompt.startsWith("Some settings could not be saved.");
    EXPECT_TRUE(told);
}

} // namespace
