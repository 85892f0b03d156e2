#include "projects/MilestoneScheduling.h"

#include "platform/Clock.h"
#include "platform/RegionalFormat.h"
#include "scheduling/TeamDayStore.h"

#include <algorithm>

namespace {

bool IsFree(const QString& text)
{
    return text.isEmpty() || text == NoEventScheduled;
}

LoadedProject& Project(int project)
{
    return LoadedProjects().Projects[project];
}

int DurationOf(const MilestoneRecord& milestone)
{
    return std::clamp(milestone.Duration.trimmed().toInt(), 0, MaxScheduleDays);
}

// The first slot from `from` on that starts `hours` consecutive free slots of the loaded day.
int FreeRunStart(int from, int hours)
{
    const auto& daySlots = TeamDay().DaySlots;
    for (int s = std::max(from, 1); s + hours - 1 <= 12; ++s) {
        bool free = true;
        for (int k = s; k < s + hours && free; ++k)
            free = IsFree(daySlots[size_t(k)]);
        if (free)
            return s;
    }
    return 0;
}

BookingResult BookHours(int project, int milestone, QDate day)
{
    MilestoneRecord& m = LoadedMilestone(project, milestone);
    const QString key = MilestoneKey(project, milestone);
    const QString team = TeamDay().CurrentTeam;
    const int hours = std::max(1, m.Duration.trimmed().toInt());
    const int startSlot = std::clamp(m.StartSlot.trimmed().toInt(), 1, 12);
    BookingResult result{BookingOutcome::NoConsecutiveHours, milestone, hours, {}, {}};
    // Each day is searched from the stored start slot again.
    for (int tried = 0; tried < HoursSearchDays; ++tried, day = SkipNonWorkDays(day.addDays(1))) {
        LoadTeamDay(day, team);
        // A day whose file cannot be read is taken: its slots are not known.
        if (TeamDay().DayUnreadable)
            continue;
        const int s = FreeRunStart(startSlot, hours);
        if (s == 0)
            continue;
        for (int k = s; k < s + hours; ++k)
            TeamDay().DaySlots[size_t(k)] = key;
        if (!SaveTeamDay(day, team)) {
            // Taken meanwhile by another program: the search goes on as over a full day.
            if (TeamDay().LastDayWrite == DayWrite::Conflict)
                continue;
            return {BookingOutcome::WriteFailed, milestone, hours, {}, {}};
        }
        m.StartSlot = QString::number(s);
        DateMilestone(project, milestone, day);
        result.Outcome = BookingOutcome::Booked;
        result.Moved = {milestone};
        return result;
    }
    return result;
}

BookingResult BookDays(int project, int milestone, QDate day)
{
    const int days = DurationOf(LoadedMilestone(project, milestone));
    bool taken = false;
    FindOpenDay(day, days, taken);
    if (taken)
        return {BookingOutcome::NoConsecutiveDays, milestone, days, {}, {}};
    if (!ScheduleDays(day, days, MilestoneKey(project, milestone)))
        return {TeamDay().LastDayWrite == DayWrite::Conflict ? BookingOutcome::SlotTaken : BookingOutcome::WriteFailed,
                milestone, days, {}, {}};
    DateMilestone(project, milestone, day);
    return {BookingOutcome::Booked, milestone, days, {milestone}, {}};
}

} // namespace

MilestoneRecord& LoadedMilestone(int project, int milestone)
{
    return Project(project).Milestones[milestone - 1];
}

QString MilestoneKey(int project, int milestone)
{
    return Project(project).Header.ProjectNo + QLatin1Char('-') + LoadedMilestone(project, milestone).MilestoneName;
}

bool IsTechnical(const MilestoneRecord& milestone)
{
    return milestone.PersonnelType == 2;
}

QString MilestoneTeam(const MilestoneRecord& milestone)
{
    return QLatin1Char(' ') + milestone.Team.trimmed();
}

QString DayFaultText(const DayFault& fault)
{
    const QString name = TeamName(fault.Team).isEmpty() ? fault.Team.trimmed() : TeamName(fault.Team);
    return QStringLiteral("The Schedule of %1 for %2 can not be %3\nNothing was changed")
        .arg(name, ShortDateText(fault.Day),
             fault.Kind == DayFault::Unreadable ? QStringLiteral("read") : QStringLiteral("written"));
}

namespace {

// The days a milestone holds from today on, on its team.
QList<QDate> HeldDays(const MilestoneRecord& m)
{
    QList<QDate> held;
    if (!IsTechnical(m) || !m.ScheduledDate.isValid())
        return held;
    const QDate today = Clock::Today();
    const int days = m.Unit == QLatin1String("Days") ? DurationOf(m) : 1;
    QDate day = m.ScheduledDate;
    for (int n = 0; n < days; ++n, day = SkipNonWorkDays(day.addDays(1)))
        // Days gone by keep their record of the work.
        if (day >= today)
            held.append(day);
    return held;
}

} // namespace

bool CheckMilestoneDays(int project, int milestone, DayFault& fault)
{
    const MilestoneRecord& m = LoadedMilestone(project, milestone);
    const QString team = MilestoneTeam(m);
    for (const QDate& day : HeldDays(m)) {
        const DayAccess access = CheckDayAccess(day, team);
        if (access != DayAccess::Ok) {
            fault = {access == DayAccess::Unreadable ? DayFault::Unreadable : DayFault::Unwritable, day, team};
            return false;
        }
    }
    return true;
}

bool FreeMilestoneDays(int project, int milestone, FreedSlots& freed, DayFault* fault)
{
    const MilestoneRecord& m = LoadedMilestone(project, milestone);
    if (!IsTechnical(m) || !m.ScheduledDate.isValid())
        return true;
    const QString key = MilestoneKey(project, milestone);
    const QString team = MilestoneTeam(m);
    TeamDay().CurrentTeam = team;
    DayFault found;
    if (!CheckMilestoneDays(project, milestone, found)) {
        if (fault)
            *fault = found;
        return false;
    }
    for (const QDate& day : HeldDays(m)) {
        LoadTeamDay(day, team);
        FreedDay freedDay{day, {}};
        for (int s = 1; s <= 12; ++s)
            if (TeamDay().DaySlots[size_t(s)] == key) {
                TeamDay().DaySlots[size_t(s)] = NoEventScheduled;
                freedDay.Slots.append(s);
            }
        if (freedDay.Slots.isEmpty())
            continue;
        if (!SaveTeamDay(day, team)) {
            // Half a freeing would leave the milestone on some of its days only.
            RestoreFreedSlots(freed, key);
            freed.clear();
            if (fault)
                *fault = {TeamDay().LastDayWrite == DayWrite::Unreadable ? DayFault::Unreadable : DayFault::Unwritable,
                          day, team};
            return false;
        }
        freed.append(freedDay);
    }
    return true;
}

bool RestoreFreedSlots(const FreedSlots& freed, const QString& key)
{
    bool written = true;
    const QString team = TeamDay().CurrentTeam;
    for (const FreedDay& freedDay : freed) {
        LoadTeamDay(freedDay.Day, team);
        for (int s : freedDay.Slots)
            if (IsFree(TeamDay().DaySlots[size_t(s)]))
                TeamDay().DaySlots[size_t(s)] = key;
        written = SaveTeamDay(freedDay.Day, team) && written;
    }
    return written;
}

bool FreeMilestonesDays(const QList<MilestoneRef>& milestones, QList<MilestoneFreed>& freed, DayFault& fault)
{
    freed.clear();
    for (const MilestoneRef& ref : milestones)
        if (!CheckMilestoneDays(ref.Project, ref.Milestone, fault))
            return false;
    for (const MilestoneRef& ref : milestones) {
        MilestoneFreed done{ref, {}};
        if (!FreeMilestoneDays(ref.Project, ref.Milestone, done.Freed, &fault)) {
            RestoreMilestonesDays(freed);
            freed.clear();
            return false;
        }
        freed.append(done);
    }
    return true;
}

bool RestoreMilestonesDays(const QList<MilestoneFreed>& freed)
{
    bool written = true;
    for (const MilestoneFreed& done : freed) {
        TeamDay().CurrentTeam = MilestoneTeam(LoadedMilestone(done.Ref.Project, done.Ref.Milestone));
        written = RestoreFreedSlots(done.Freed, MilestoneKey(done.Ref.Project, done.Ref.Milestone)) && written;
    }
    return written;
}

void DateMilestone(int project, int milestone, const QDate& day)
{
    MilestoneRecord& m = LoadedMilestone(project, milestone);
    m.ScheduledDate = day;
    m.Status = StatusScheduled;
    Project(project).ProjectChanged = true;
}

void MarkCompleted(int project, int milestone, const QDate& day, bool keepScheduledDate)
{
    MilestoneRecord& m = LoadedMilestone(project, milestone);
    if (!keepScheduledDate)
        m.ScheduledDate = day;
    m.Status = StatusCompleted;
    m.CompletedDate = ShortDateText(day);
    Project(project).ProjectChanged = true;
}

BookingResult BookMilestone(int project, int milestone, const QDate& day)
{
    const MilestoneRecord& m = LoadedMilestone(project, milestone);
    if (!IsTechnical(m)) {
        DateMilestone(project, milestone, day);
        return {BookingOutcome::Booked, milestone, 0, {milestone}, {}};
    }
    TeamDay().CurrentTeam = MilestoneTeam(m);
    if (m.Unit == QLatin1String("Hours"))
        return BookHours(project, milestone, day);
    return BookDays(project, milestone, day);
}

BookingResult RescheduleFollowing(int project, int milestone)
{
    BookingResult chain;
    const QList<MilestoneRecord>& milestones = Project(project).Milestones;
    const QDate today = Clock::Today();
    for (int k = milestone + 1; k <= int(milestones.size()); ++k) {
        const MilestoneRecord& m = milestones.at(k - 1);
        if (m.Status == StatusCompleted || m.Dependency < 1 || m.Dependency >= k)
            continue;
        QDate day = milestones.at(m.Dependency - 1).ScheduledDate.addDays(m.Interval);
        day = SkipNonWorkDays(std::max(day, today));
        FreedSlots freed;
        DayFault fault;
        const bool freedAll = FreeMilestoneDays(project, k, freed, &fault);
        BookingResult booking = freedAll ? BookMilestone(project, k, day)
                                         : BookingResult{BookingOutcome::DayFaulted, k, 0, {}, fault};
        if (!booking.Booked()) {
            TeamDay().CurrentTeam = MilestoneTeam(m);
            RestoreFreedSlots(freed, MilestoneKey(project, k));
            booking.Moved = chain.Moved;
            return booking;
        }
        chain.Moved.append(k);
    }
    return chain;
}
