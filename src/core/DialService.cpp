#include "core/DialService.h"

DialRequestValues& DialRequest()
{
    static DialRequestValues request;
    return request;
}

PhoneSettingsValues& PhoneSettings()
{
    static PhoneSettingsValues values;
    return values;
}

ModemStateValues& ModemState()
{
    static ModemStateValues values;
    return values;
}
