#pragma once

#include "scheduling/LoadedProjects.h"

#include <QDate>
#include <QList>
#include <QString>

// Moving a loaded project's milestones on their teams' day files: freeing what a milestone
// holds, booking it again from a new date, and moving its dependants along. Changes go to the
// loaded tables (with ProjectChanged) and at once to the day files. CurrentTeam is set to the
// milestone's team by every operation that touches a day.

// Milestone j of project i, both 1-based.
MilestoneRecord& LoadedMilestone(int project, int milestone);
// The text that stands for the milestone in a team day slot: project number, "-", name.
QString MilestoneKey(int project, int milestone);
// Only technical milestones hold team days.
bool IsTechnical(const MilestoneRecord& milestone);
// The milestone's team text (" 3") as CurrentTeam takes it.
QString MilestoneTeam(const MilestoneRecord& milestone);

// The slots one freeing gave back, day by day, so that a booking that then fails can take
// them again exactly.
struct FreedDay {
    QDate Day;
    QList<int> Slots;
};
using FreedSlots = QList<FreedDay>;

// A day that stops a freeing before anything changes: its file cannot be read or replaced,
// or (found only while writing) a write failed.
struct DayFault {
    enum Kind { Unreadable, Unwritable } Kind = Unreadable;
    QDate Day;
    QString Team;
};
// The box's text naming the day and its team.
QString DayFaultText(const DayFault& fault);

// Checks every day the milestone holds from today on (see FreeMilestoneDays); false, with the
// first day that cannot be read or written in `fault`, when one would stop the freeing.
bool CheckMilestoneDays(int project, int milestone, DayFault& fault);
// Frees every slot whose text is the milestone's key, walking its days from its stored date
// (one day for hours, Duration workdays for days) and touching only days from today on. Every
// day is checked first: a day that cannot be read or written frees nothing. A write that fails
// midway books again what was freed; the answer is then false and `freed` empty. On success
// `freed` holds what was given back.
bool FreeMilestoneDays(int project, int milestone, FreedSlots& freed, DayFault* fault = nullptr);
// Books the freed slots again; false when a day could not be written.
bool RestoreFreedSlots(const FreedSlots& freed, const QString& key);

// What a freeing of several milestones gave back, milestone by milestone.
struct MilestoneFreed {
    MilestoneRef Ref;
    FreedSlots Freed;
};
// Frees the days of all the milestones or of none: every day is checked before any is freed,
// and a write that fails books again what the others gave back.
bool FreeMilestonesDays(const QList<MilestoneRef>& milestones, QList<MilestoneFreed>& freed, DayFault& fault);
// Books again what FreeMilestonesDays gave back.
bool RestoreMilestonesDays(const QList<MilestoneFreed>& freed);

// SlotTaken: another program booked a slot of the day between its reading and its writing.
// DayFaulted: a day the milestone holds could not be freed (Fault names it).
enum class BookingOutcome { Booked, NoConsecutiveDays, NoConsecutiveHours, WriteFailed, SlotTaken, DayFaulted };

struct BookingResult {
    BookingOutcome Outcome = BookingOutcome::Booked;
    // The milestone in hand when the booking stopped.
    int Milestone = 0;
    // The days or hours asked for.
    int Amount = 0;
    // Milestones given a new date, in order.
    QList<int> Moved;
    DayFault Fault;
    bool Booked() const { return Outcome == BookingOutcome::Booked; }
};

// Workdays the hours search looks at before it gives up.
inline constexpr int HoursSearchDays = 60;

// Books a milestone whose old slots are already free from `day` on and dates it: hours on
// the first day with enough consecutive free slots from its start slot on (stored as its new
// start slot), days on the first free run of workdays, nothing for other milestones. On
// failure nothing is booked and the milestone keeps its date.
BookingResult BookMilestone(int project, int milestone, const QDate& day);
// Moves every later milestone that has a dependency to its dependency's date plus its
// interval (never before today, on a workday), freeing and booking it again. Completed
// milestones stay as they are. The chain stops at the first booking that cannot be made,
// whose freed slots are booked again.
BookingResult RescheduleFollowing(int project, int milestone);

// The milestone's date and status after a move.
void DateMilestone(int project, int milestone, const QDate& day);
// Marks the milestone completed on that day, which becomes its date unless it keeps it.
void MarkCompleted(int project, int milestone, const QDate& day, bool keepScheduledDate);
