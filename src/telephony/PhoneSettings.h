#pragma once

#include "core/DialService.h"

#include <QString>

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
