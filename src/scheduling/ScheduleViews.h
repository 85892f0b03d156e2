#pragma once

#include "scheduling/LoadedProjects.h"
#include "scheduling/SlipRecord.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <functional>

// What the scheduling screen shows, worked out without a window: the month calendar's cells,
// the stepping of the date by workdays, the kind of a clicked slot and the day window.

struct MonthCell {
    QString Text;
    bool Booked = false;   // the text is a count of booked hours (shown in red)
    bool Current = false;  // the shown date's own cell
};

// The 42 cells, Sunday first, of the month of `shown`. A day from today on whose day file
// holds booked lines shows their count instead of its number; `bookedLines` gives that count.
std::array<MonthCell, 42> BuildMonthCells(const QDate& shown, const QDate& today,
                                          const std::function<int(const QDate&)>& bookedLines);
// The lines of a team day file that are not free (every line counts, so a blocked day gives
// 12); 0 for a missing file. Nothing is restored or created.
int CountBookedLines(const QString& fullPath);
// The day of a clicked cell of the month of `shown`; an invalid date for an empty cell.
QDate CellDate(const QDate& shown, int index);

// One day forward or back, then on in the same direction past the days the work week excludes.
QDate StepScheduleDay(const QDate& day, bool forward, int workWeek);

// The record file a slot text belongs to: 1 "Slips.txt", 2 "Meetings.txt", 3
// "ProjectRecords.txt", tested in that order and only for files that exist; 0 for none.
int SlotEntryKind(const QString& slotText, bool slipsExist, bool meetingsExist, bool recordsExist);

struct DayWindowBox {
    QString Text;
    bool Booked = false;   // green
    QString ToolTip;       // the customer's name
    QString LabelToolTip;  // the telephone
    QString EventText;
    // 0 telephone, 1 name, 2 address 1, 3 city line, 4 event key, 5 event date, 6 fourth address
    // line (international style only).
    std::array<QString, 7> AccountInfo;
};

struct DayWindowInput {
    QDate Date;
    QString Team;                          // as " 3"
    std::array<QString, 12> Slots;         // the hour grid's texts, slot 1 first
    // Records of "Slips.txt", "Meetings.txt" and "ProjectRecords.txt"; a missing file gives none.
    std::array<QList<SlipRecord>, 3> Records;
    bool UsaStyle = false;
    // Loads the projects when the records leave booked hours unexplained; nullptr when no
    // projects are to be looked at.
    std::function<const LoadedProjectsState*()> Projects;
};

inline const QString FreeBoxText = QStringLiteral("\r\n\r\n         No Event Scheduled");

// The twelve boxes of the day window. An event fills boxes only while its start slot still
// holds it (a project event its booking, a slip or meeting its key), so an outdated record
// never sends a crew to a freed day.
std::array<DayWindowBox, 12> BuildDayWindow(const DayWindowInput& input);

// True when the date lies on one of the workdays a "Days" booking of `days` days starting at
// `start` takes.
bool IsWithinDaysEvent(const QDate& start, int days, const QDate& date);
