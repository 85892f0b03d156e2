#include "telephony/PhoneSettings.h"

#include "core/DialService.h"
#include "core/FileAccess.h"
#include "platform/SerialPort.h"
#include "telephony/Modem.h"

void ResetPhoneSettings()
{
    PhoneSettings() = PhoneSettingsValues{};
    ModemState() = ModemStateValues{};
    DialRequest() = DialRequestValues{};
    MSComm1().SetPortOpen(false);
    MSComm1().SetCommPort(0);
    SetModemAnswerWindow(DefaultAnswerWindowMs);
}

void LoadPhoneSettings()
{
    CheckModem();
    PhoneSettingsValues& phone = PhoneSettings();
    if (!FileExists(PhonePath)) {
        phone.PhoneOn = false;
    } else {
        TextInput input = OpenForInput(PhonePath);
        phone.PhoneFileUnreadable = !input.IsOpen();
        // An item that cannot be read leaves the phone off and the probed port.
        phone.PhoneOn = input.ReadLineItems().value(0).Boolean().value_or(false);
        const std::optional<qint64> port =
            input.AtEnd() ? std::nullopt : input.ReadLineItems().value(0).Integer();
        if (port && *port >= 0 && *port <= 16)
            phone.ModemPort = int(*port);
    }
    ModemState().PhoneTicked = phone.PhoneOn;
    ReadCallIDSetting();
}

void ReadCallIDSetting()
{
    PhoneSettingsValues& phone = PhoneSettings();
    if (FileExists(CallIdPath)) {
        TextInput input = OpenForInput(CallIdPath);
        phone.CallIdFileUnreadable = !input.IsOpen();
        if (const std::optional<bool> on = input.ReadLineItems().value(0).Boolean())
            phone.CallerIdOn = *on;
    }
    ModemState().CallerIdTicked = phone.CallerIdOn;
}

namespace {

// The file replaced whole; its backup copy goes once the new file is in place, so a failed
// write leaves both.
bool WriteSettingsFile(const QString& path, std::initializer_list<WriteItem> lines)
{
    TextOutput output = OpenForOutput(path);
    for (const WriteItem& line : lines)
        output.WriteItems({line});
    if (!output.Close())
        return false;
    DeleteFile(BackupPathOf(path));
    return true;
}

} // namespace

bool SavePhoneSettings()
{
    const PhoneSettingsValues& phone = PhoneSettings();
    const bool phoneSaved = !phone.PhoneFileUnreadable && WriteSettingsFile(PhonePath, {phone.PhoneOn, phone.ModemPort});
    return SaveCallIDSetting() && phoneSaved;
}

bool SaveCallIDSetting()
{
    return !PhoneSettings().CallIdFileUnreadable && WriteSettingsFile(CallIdPath, {PhoneSettings().CallerIdOn});
}
