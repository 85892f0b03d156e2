#pragma once

#include <QString>

#include <array>

inline const QString SpeedNumbersPath = QStringLiteral("/SpeedNumbers.txt");

// The ten speed-dial slots; a slot with an empty name is free.
struct SpeedDialList {
    std::array<QString, 10> Name;
    std::array<QString, 10> Number;
    // The file is there but could not be read: it must not be written over.
    bool Unreadable = false;
};

// SpeedNumbers.txt: a name line then a number line for each used slot, in slot order. At
// most ten pairs are read; a name without its number line gets an empty number. A missing
// file gives ten free slots.
SpeedDialList ReadSpeedDials();
// Rewrites the file from the used slots, packed to the front in their order; false when it
// could not be written (the old file is then kept).
bool WriteSpeedDials(const SpeedDialList& list);
