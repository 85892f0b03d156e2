#pragma once

#include "scheduling/ProjectFile.h"

#include <QDate>
#include <QDateTime>
#include <QList>

// The rules of the project-creation wizard, without a window: which milestones a project gets
// from the catalogue, the date proposed for each, and the summary's day counts.

// The selected catalogue entries (selected[i] for entry i + 1) in catalogue order. A dependency
// is renumbered among the selected entries; one on an unselected or later entry, or on none,
// becomes 0 with interval 0.
QList<MilestoneRecord> BuildMilestoneArrays(const QList<bool>& selected);

// The date proposed for a milestone that follows one scheduled on `dependencyDate`, `bookedDays`
// being the day count of the milestone booked just before (0 after an hours booking).
QDate ProposeStartDate(const QDate& dependencyDate, int bookedDays, int interval);

// A date settled on a workday the calendar takes: never before today, a proposal of today
// becomes tomorrow from 20:00 on, one past `latest` the last workday before it.
QDate SettleScheduleDate(const QDate& date, const QDateTime& now, const QDate& latest, int workWeek);

struct SummaryFigures {
    qint64 PreConstructionDays = 0;
    qint64 ConstructionDays = 0;
    qint64 TotalDays = 0;
};
// Calendar days from the first milestone to the construction start, from there to the
// post-construction start, and from the first to the last; 0 construction or total days show
// as 1.
SummaryFigures SummaryDays(const QList<MilestoneRecord>& milestones);

QString PhaseName(int phase);
