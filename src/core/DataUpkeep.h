#pragma once

#include <QString>
#include <QStringList>

// Upkeep of the program folder at every start: the team list, the year and team folders, the
// previous year's removal, and the test for the four settings files a working program needs.
// The purge of past days and meetings is the scheduling side's (scheduling/DayPurge.h).

// "Team# <n>", the folder of a team inside a year folder.
QString TeamFolderName(int teamNumber);
// "/<year>/Team# <n>" and the day file "/<year>/Team# <n>/<day>.txt".
QString TeamFolderPath(const QString& year, int teamNumber);
QString TeamDayFilePath(const QString& year, int teamNumber, int dayOfYear);

// Makes a folder when missing; one that cannot be made is noted for the start-up report.
void EnsureFolder(const QString& path);
void NoteFolderNotMade(const QString& path);
QStringList FoldersNotMade();
void ForgetFoldersNotMade();

// False when the team list exists but cannot be read: the run goes on without teams, and
// Shared().TeamListUnreadable keeps the list from being written over.
bool ReadAssignments();
void CreateYearFolders(const QString& year);
void CheckYearRollover();
void RemovePreviousYear();
bool CheckSettingsFiles();

// The construction settings file, named after the program: "/SchedulerSettings.txt".
QString ConstructionSettingsPath();

inline const QString AssignmentsPath = QStringLiteral("/Assignto.txt");
