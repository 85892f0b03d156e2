#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The core's shared variables: what start-up and data-file upkeep establish and the rest of the
// program reads. One instance, reachable through Shared(); test fixtures reset it.
struct SharedState {
    // Element 0 is a marker, "empty" when the team list file is missing and "populated" when it
    // exists; elements 1 to n are the team names in file order (a team is its position).
    QStringList TeamNames{QStringLiteral("empty")};
    // The team list file exists but could not be read: the teams are unknown this run, and the
    // list is never written from the empty list that stands in for it.
    bool TeamListUnreadable = false;
    // This year as four digits, the parent folder of the team day folders.
    QString CurrentYear;
    // Today's day of the year, set by the day purge.
    int DayOfYear = 0;
    QDate CurrentDate;
    // Slot labels 1 to 12 and weekday names 1 to 7 (element 0 unused).
    QStringList TimeSlotLabels;
    QStringList WeekdayNames;
    // The backup folder's full path with its trailing separator, set at shutdown.
    QString BackupPath;

    // The main menu's routine chosen last, 1 to 10; 0 before any choice.
    int ProgramRoutine = 0;

    // The hour row clicked last on the scheduling screen, for the slip viewer: its text, the
    // record file it belongs to (1 "Slips.txt", 2 "Meetings.txt", 3 "ProjectRecords.txt") and
    // the name of the team whose day was shown.
    QString SelectedEntry;
    int EntryKind = 0;
    QString EntryTeam;

    // Record count of the last 297-byte event file counted, and the number of its next append.
    qint32 SlipRecCount = 0;
    qint32 SlipRecNext = 1;

    int TeamCount() const { return int(TeamNames.size()) - 1; }
};

SharedState& Shared();
void ResetSharedState();
