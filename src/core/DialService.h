#pragma once

#include <QString>

// What a screen hands the dialer: the name and number it shows when it opens. A caller fills
// it, then shows "frmDialer" modal through the registry (core/Navigation.h).
struct DialRequestValues {
    QString Name;
    QString Number;
};

DialRequestValues& DialRequest();
