#pragma once

#include <QString>

// Dialling from any screen: the request the dialer takes and the phone flags that decide which
// dial pictures are offered. Telephony fills the flags (the modem probe, Phone.txt, CallID.txt)
// when app loads the settings at start-up; other screens read them here and so never include
// telephony.

// What a screen hands the dialer: the name and number it shows when it opens. A caller fills
// it, then shows "frmDialer" modal through the registry (core/Navigation.h).
struct DialRequestValues {
    QString Name;
    QString Number;
};

DialRequestValues& DialRequest();

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
