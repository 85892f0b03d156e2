#include "scheduling/BlockedDays.h"

#include "core/DataUpkeep.h"
#include "core/FileAccess.h"
#include "core/SharedState.h"
#include "platform/ProgramFolder.h"
#include "scheduling/TeamDayStore.h"

#include <algorithm>


namespace {

QString DayFileOf(const QDate& day, int teamNumber)
{
    return TeamDayFilePath(QString::number(day.year()), teamNumber, day.dayOfYear());
}

// The folders of a year after the current one, for every team, made once per request.
void MakeLaterYearFolders(const QList<QDate>& days)
{
    int made = Shared().CurrentYear.toInt();
    for (const QDate& day : days)
        if (day.year() > made) {
            made = day.year();
            CreateYearFolders(QString::number(made));
        }
}

} // namespace

bool IsBlockReason(const QString& text)
{
    return BlockReasons.contains(text);
}

QList<QDate> RequestWorkdays(const QDate& start, int count)
{
    QList<QDate> days;
    QDate day = start;
    for (int i = 0; i < count; ++i) {
        day = SkipNonWorkDays(day);
        days.append(day);
        day = day.addDays(1);
    }
    return days;
}

int FirstConflictingSlot(const std::array<QString, 12>& slotTexts, const QString& reason)
{
    for (size_t k = 0; k < slotTexts.size(); ++k) {
        const QString text = slotTexts[k].trimmed();
        if (!text.isEmpty() && text != NoEventScheduled && text != reason)
            return int(k) + 1;
    }
    return 0;
}

BlockDayCheck CheckJulian(const QDate& day, const QString& team, const QString& reason)
{
    if (!BuildDayPath(day, team))
        return {};
    // A day missing here but kept in the backup folder comes back before it is looked at.
    const QString path = DayFileOf(day, TeamNumberOf(team));
    if (!FileExists(path))
        return {};
    if (!OpenForInput(path).IsOpen())
        return {BlockDayCheck::Unreadable, 0};
    const int slot = FirstConflictingSlot(ReadDaySlots(), reason);
    return slot == 0 ? BlockDayCheck{} : BlockDayCheck{BlockDayCheck::Conflict, slot};
}

int WriteBlockedDay(const QDate& day, const QString& team, const QString& reason)
{
    if (!BuildDayPath(day, team))
        return -1;
    // Another program may have booked an hour since the day was checked.
    std::array<QString, 12> now;
    if (!ReadSlotsOfFile(DayFileOf(day, TeamNumberOf(team)), now))
        return -1;
    if (const int slot = FirstConflictingSlot(now, reason))
        return slot;
    TextOutput output = OpenForOutput(DayFileOf(day, TeamNumberOf(team)));
    for (int k = 1; k <= 12; ++k)
        output.WritePlainLine(reason);
    return output.Close() ? 0 : -1;
}

bool RestoreBlockedDay(const QDate& day, const QString& team)
{
    if (!BuildDayPath(day, team))
        return false;
    const QString path = DayFileOf(day, TeamNumberOf(team));
    QStringList lines;
    if (FileExists(path)) {
        TextInput input = OpenForInput(path);
        if (!input.IsOpen())
            return false;
        while (!input.AtEnd() && lines.size() < 12)
            lines.append(input.ReadLine());
    }
    // The slot texts as the store reads them decide; the lines themselves are what is kept.
    const std::array<QString, 12> slotTexts = ReadDaySlots();
    TextOutput output = OpenForOutput(path);
    for (int k = 0; k < 12; ++k) {
        if (k >= lines.size() || IsBlockReason(slotTexts[size_t(k)]))
            output.WritePlainLine(NoEventScheduled);
        else
            output.WritePlainLine(lines.at(k));
    }
    return output.Close();
}

namespace {

// A day file as it was before the request, so a request cut short can put it back.
struct DayBefore {
    QString Team;
    QDate Day;
    QString Path;
    bool Present = false;
    QByteArray Bytes;
};

// Reads a day as it is; false when it is there but cannot be read, or when it is missing and
// its backup copy could not come back (nothing may be made in its place then).
bool TakeDayBefore(const QString& team, const QDate& day, DayBefore& before)
{
    before = {team, day, DayFileOf(day, TeamNumberOf(team)), false, {}};
    switch (FileStateOf(before.Path)) {
    case FileState::Missing:
        return true;
    case FileState::NotRestored:
        return false;
    case FileState::Present:
        break;
    }
    before.Present = true;
    return ReadWholeFile(before.Path, before.Bytes);
}

bool PutBack(const DayBefore& before)
{
    if (!before.Present)
        return DeleteFile(before.Path);
    QByteArray now;
    if (ReadWholeFile(before.Path, now) && now == before.Bytes)
        return true;
    TextOutput output = OpenForOutput(before.Path);
    output.WriteRaw(before.Bytes);
    return output.Close();
}

// Checks every day of every team, then writes them; a failed write puts back what was written.
template <typename Check, typename Write>
BlockRequestResult RunRequest(const QStringList& teams, const QList<QDate>& days, Check check, Write write)
{
    MakeLaterYearFolders(days);
    QList<DayBefore> before;
    for (const QString& team : teams)
        for (const QDate& day : days) {
            if (!BuildDayPath(day, team))
                return {BlockRequestResult::NotWritten, team, day, 0, {}};
            // A folder or a pipe in the day's place is no day that can be read.
            switch (CheckDayAccess(day, team)) {
            case DayAccess::Ok:
                break;
            case DayAccess::Unreadable:
                return {BlockRequestResult::Unreadable, team, day, 0, {}};
            case DayAccess::Unwritable:
                return {BlockRequestResult::NotWritten, team, day, 0, {}};
            }
            DayBefore taken;
            if (!TakeDayBefore(team, day, taken))
                return {BlockRequestResult::Unreadable, team, day, 0, {}};
            const int slot = check(team, day);
            if (slot < 0)
                return {BlockRequestResult::Unreadable, team, day, 0, {}};
            if (slot > 0)
                return {BlockRequestResult::Conflict, team, day, slot, {}};
            before.append(std::move(taken));
        }
    for (qsizetype i = 0; i < before.size(); ++i) {
        const int written = write(before.at(i).Team, before.at(i).Day);
        if (written == 0)
            continue;
        BlockRequestResult result{written > 0 ? BlockRequestResult::Conflict : BlockRequestResult::NotWritten,
                                  before.at(i).Team, before.at(i).Day, std::max(written, 0), {}};
        // The failed day too: a write cut short may have left something in its place. A day
        // refused for an hour booked meanwhile was not written and keeps that booking.
        for (qsizetype k = written > 0 ? i - 1 : i; k >= 0; --k)
            if (!PutBack(before.at(k)))
                result.NotPutBack.prepend({before.at(k).Team, before.at(k).Day});
        return result;
    }
    return {};
}

} // namespace

BlockRequestResult ReserveTeamDays(const QStringList& teams, const QList<QDate>& days, const QString& reason)
{
    if (!IsBlockReason(reason))
        return {BlockRequestResult::NotWritten, teams.value(0), days.value(0), 0, {}};
    return RunRequest(
        teams, days,
        [&reason](const QString& team, const QDate& day) {
            const BlockDayCheck check = CheckJulian(day, team, reason);
            return check.Kind == BlockDayCheck::Unreadable ? -1 : check.Slot;
        },
        [&reason](const QString& team, const QDate& day) { return WriteBlockedDay(day, team, reason); });
}

BlockRequestResult RestoreTeamDays(const QStringList& teams, const QList<QDate>& days)
{
    return RunRequest(
        teams, days, [](const QString&, const QDate&) { return 0; },
        [](const QString& team, const QDate& day) { return RestoreBlockedDay(day, team) ? 0 : -1; });
}

QList<BlockedDayRow> FindBlockedDays(const QDate& first, const QDate& last)
{
    QList<BlockedDayRow> rows;
    for (int team = 1; team <= Shared().TeamCount(); ++team) {
        for (QDate day = first; day.isValid() && day <= last; day = day.addDays(1)) {
            const QString path = DayFileOf(day, team);
            if (!FileExists(path))
                continue;
            TextInput input = OpenForInput(path);
            const QString item = input.ReadItem().Text();
            if (IsBlockReason(item))
                rows.append({team, day, item});
        }
    }
    return rows;
}
