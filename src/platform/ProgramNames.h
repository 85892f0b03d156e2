#pragma once

#include <QString>

// The program's title shows in captions and messages; its name stands for the executable's
// name wherever a file or folder is named after it ("/SchedulerSettings.txt", "/Scheduler").
// The Linux binary is "construction-scheduler" so it never collides with the "Scheduler" folder.
inline const QString ProgramTitle = QStringLiteral("Construction Scheduler");
inline const QString ProgramName = QStringLiteral("Scheduler");
