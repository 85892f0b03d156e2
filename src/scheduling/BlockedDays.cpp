#include "scheduling/BlockedDays.h"

#include "core/DataUpkeep.h"
#include "core/FileAccess.h"
#include "core/SharedState.h"
#include "platform/ProgramFolder.h"
#include "scheduling/TeamDayStore.h"

#include <QFileInfo>

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

bool WriteBlockedDay(const QDate& day, const QString& team, const QString& reason)
{
    if (!BuildDayPath(day, team))
        return false;
    TextOutput output = OpenForOutput(DayFileOf(day, TeamNumberOf(team)));
    for (int k = 1; k <= 12; ++k)
        output.WritePlainLine(reason);
    return output.Close();
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

BlockRequestResult ReserveTeamDays(const QString& team, const QList<QDate>& days, const QString& reason)
{
    if (!IsBlockReason(reason))
        return {BlockRequestResult::NotWritten, days.value(0), 0};
    MakeLaterYearFolders(days);
    for (const QDate& day : days) {
        const BlockDayCheck check = CheckJulian(day, team, reason);
        if (check.Kind == BlockDayCheck::Conflict)
            return {BlockRequestResult::Conflict, day, check.Slot};
        if (check.Kind == BlockDayCheck::Unreadable)
            return {BlockRequestResult::Unreadable, day, 0};
    }
    for (const QDate& day : days)
        if (!WriteBlockedDay(day, team, reason))
            return {BlockRequestResult::NotWritten, day, 0};
    return {};
}

BlockRequestResult RestoreTeamDays(const QString& team, const QList<QDate>& days)
{
    MakeLaterYearFolders(days);
    for (const QDate& day : days) {
        if (RestoreBlockedDay(day, team))
            continue;
        const QString path = DayFileOf(day, TeamNumberOf(team));
        const bool unreadable = QFileInfo(AppPath(path)).isFile() && !OpenForInput(path).IsOpen();
        return {unreadable ? BlockRequestResult::Unreadable : BlockRequestResult::NotWritten, day, 0};
    }
    return {};
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
