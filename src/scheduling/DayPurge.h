#pragma once

#include "scheduling/EventRecords.h"

#include <QString>

// The start-up purge of the past: the team day files of the days gone by since the last purge,
// and the meetings whose day has passed.

inline const QString PurgedDatePath = QStringLiteral("/PurgedDate.txt");

// Both return false when a file could not be written (the purge marker, the meetings file); the
// caller tells the user. Nothing is lost: the next start purges the same days again.
bool PurgeOldDays();
bool PurgeMeetings();
