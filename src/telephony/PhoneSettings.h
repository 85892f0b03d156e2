#pragma once

// The phone flags the other screens read.
struct PhoneSettingsValues {
    // A telephone is chained behind the modem; the screens offer their dial buttons.
    bool PhoneOn = false;
    // The modem's port, 1 to 16 (COM1 to COM16); 0 while unknown.
    int ModemPort = 0;
    // The modem accepted the caller-ID command.
    bool CallerIdOn = false;
};

PhoneSettingsValues& PhoneSettings();
void ResetPhoneSettings();
