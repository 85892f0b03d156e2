#include "telephony/PhoneSettings.h"

PhoneSettingsValues& PhoneSettings()
{
    static PhoneSettingsValues values;
    return values;
}

void ResetPhoneSettings()
{
    PhoneSettings() = PhoneSettingsValues{};
}
