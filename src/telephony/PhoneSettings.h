#pragma once

#include <QString>

// The phone flags the other screens read.
struct PhoneSettingsValues {
    // A telephone is chained behind the modem; the screens offer their dial buttons.
    bool PhoneOn = false;
    // The modem's port, 1 to 16 (COM1 to COM16); 0 while unknown.
    int ModemPort = 0;
    // The modem accepted the caller-ID command.
    bool CallerIdOn = false;
    // Phone.txt or CallID.txt is there but could not be read: it is never written over.
    bool PhoneFileUnreadable = false;
    bool CallIdFileUnreadable = false;
};

PhoneSettingsValues& PhoneSettings();

// What the probe found this run and what the settings screen's phone page shows, for the
// screens that cannot read that page.
struct ModemStateValues {
    // A modem answered the probe.
    bool ModemAnswered = false;
    // No modem answered: the customer screen's dial picture and the phone page stay off.
    bool FeaturesDisabled = false;
    // The dialer's status box and port label.
    QString StatusText;
    QString PortLabel = QStringLiteral("COM Port #");
    // The port box of the phone page as text (the dialer opens this port).
    QString ModemPortText = QStringLiteral("0");
    // The phone page's "A Phone is Daisy-Chained" box.
    bool PhoneTicked = false;
    // The phone page's "Using Caller ID" box.
    bool CallerIdTicked = false;
};

ModemStateValues& ModemState();

// Back to the state before the probe: flags and texts at their defaults, the port closed
// with no port selected, the answer window at its default.
void ResetPhoneSettings();

inline const QString PhonePath = QStringLiteral("/Phone.txt");
inline const QString CallIdPath = QStringLiteral("/CallID.txt");

// The probe, then Phone.txt, then CallID.txt. The settings screen shows the result.
void LoadPhoneSettings();
// CallerIdOn from CallID.txt; a missing file or an unreadable item keeps it.
void ReadCallIDSetting();
// Writes Phone.txt (PhoneOn, ModemPort), then CallID.txt; false when either failed. A file
// that was there but could not be read is left as it is, and counts as failed.
bool SavePhoneSettings();
bool SaveCallIDSetting();
