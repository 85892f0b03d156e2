#include "scheduling/TeamFileBackup.h"

#include "core/DataUpkeep.h"
#include "core/FileAccess.h"
#include "core/SharedState.h"
#include "platform/ProgramFolder.h"
#include "scheduling/TeamDayStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

QStringList TeamYears()
{
    const int year = Shared().CurrentYear.toInt();
    return {QString::number(year), QString::number(year + 1), QString::number(year + 2)};
}

QString BackupFolder(const QString& year, int team)
{
    return QStringLiteral("/Backup") + TeamFolderPath(year, team);
}

QByteArray Bytes(const QString& fullPath, bool& ok)
{
    QFile file(fullPath);
    ok = file.open(QIODevice::ReadOnly);
    if (!ok)
        return {};
    QByteArray bytes = file.readAll();
    ok = file.error() == QFile::NoError;
    return bytes;
}

// The backup copy is only read back in the run that made it, so it needs no flush per file;
// the day files put back into the live folders go through the atomic, flushed copy.
bool CopyPlain(const QString& source, const QString& target)
{
    bool read = false;
    const QByteArray bytes = Bytes(AppPath(source), read);
    if (!read)
        return false;
    QFile out(AppPath(target));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = out.write(bytes) == bytes.size();
    out.close();
    return written && out.error() == QFile::NoError;
}

// Most day files are the same on both sides; only a changed or missing one is written.
bool CopyWhenDifferent(const QString& source, const QString& target, bool toBackup)
{
    const QFileInfo targetInfo(AppPath(target));
    if (targetInfo.isFile() && targetInfo.size() == QFileInfo(AppPath(source)).size()) {
        bool sourceRead = false, targetRead = false;
        const QByteArray sourceBytes = Bytes(AppPath(source), sourceRead);
        if (sourceRead && Bytes(AppPath(target), targetRead) == sourceBytes && targetRead)
            return true;
    }
    return toBackup ? CopyPlain(source, target) : CopyAppFile(source, target);
}

bool MirrorFolder(const QString& source, const QString& target, bool toBackup)
{
    QDir targetDir(AppPath(target));
    // A copy that was never made (a team added since) is no reason to empty the days it has.
    if (!QDir(AppPath(source)).exists() && source.startsWith(QLatin1String("/Backup")))
        return true;
    // A folder that is there but cannot be listed would look empty and empty the target.
    const QFileInfo sourceInfo(AppPath(source));
    if (sourceInfo.exists() && !(sourceInfo.isDir() && sourceInfo.isReadable()))
        return false;
    if (!targetDir.exists() && !QDir().mkpath(targetDir.path()))
        return false;
    const QStringList names = QDir(AppPath(source)).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    bool allCopied = true;
    for (const QString& name : names)
        allCopied = CopyWhenDifferent(source + QLatin1Char('/') + name, target + QLatin1Char('/') + name, toBackup)
                    && allCopied;
    // With a copy missing the old target files are the better fallback: keep them.
    if (!allCopied)
        return false;
    const QSet<QString> kept(names.begin(), names.end());
    bool allRemoved = true;
    for (const QString& name : targetDir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (!kept.contains(name))
            allRemoved = targetDir.remove(name) && allRemoved;
    return allRemoved;
}

bool MirrorAll(bool toBackup)
{
    bool ok = true;
    for (const QString& year : TeamYears())
        for (int team = 1; team <= Shared().TeamCount(); ++team) {
            const QString live = TeamFolderPath(year, team);
            const QString backup = BackupFolder(year, team);
            ok = (toBackup ? MirrorFolder(live, backup, true) : MirrorFolder(backup, live, false)) && ok;
        }
    return ok;
}

} // namespace

QString BookingText(const QString& projectNo, const QString& milestoneName)
{
    return projectNo + QLatin1Char('-') + milestoneName;
}

bool ClearTeamFiles(bool live)
{
    bool ok = true;
    for (const QString& year : TeamYears())
        for (int team = 1; team <= Shared().TeamCount(); ++team) {
            const QString folder = live ? TeamFolderPath(year, team) : BackupFolder(year, team);
            ok = DeleteFile(folder + QStringLiteral("/*.*")) && ok;
        }
    if (!live)
        TeamDay().TeamBackupWhole = false;
    return ok;
}

bool BackupTeamFiles()
{
    TeamDay().TeamBackupWhole = MirrorAll(true);
    return TeamDay().TeamBackupWhole;
}

bool RestoreTeamFiles()
{
    if (!TeamDay().TeamBackupWhole)
        return false;
    return MirrorAll(false);
}

namespace {

bool SameDay(const std::array<QString, 13>& day, const std::array<QString, 12>& copy)
{
    for (int k = 1; k <= 12; ++k) {
        const QString& a = day[size_t(k)];
        const QString& b = copy[size_t(k - 1)];
        const bool aFree = a.isEmpty() || a == NoEventScheduled;
        const bool bFree = b.isEmpty() || b == NoEventScheduled;
        if (aFree != bFree || (!aFree && a != b))
            return false;
    }
    return true;
}

// A day given back that holds again what the wizard's copy holds gets that copy's very bytes,
// or no file when the copy had none.
void PutBackAsItWas(const QDate& day, const QString& team)
{
    const QString year = QString::number(day.year());
    if (!TeamDay().TeamBackupWhole || !TeamYears().contains(year))
        return;
    const QString live = TeamDayFilePath(year, TeamNumberOf(team), day.dayOfYear());
    const QString copy = QStringLiteral("/Backup") + live;
    std::array<QString, 12> copySlots;
    bool present = false;
    if (!ReadSlotsOfFile(copy, copySlots, &present) || !SameDay(TeamDay().DaySlots, copySlots))
        return;
    if (present)
        CopyAppFile(copy, live);
    else
        DeleteFile(live);
}

} // namespace

bool UndoDaysEvents(const QString& projectNo, const QList<MilestoneRecord>& scheduled,
                    QList<std::pair<QString, QDate>>* notGivenBack)
{
    TeamDayState& state = TeamDay();
    bool ok = true;
    const auto notBack = [&](const QString& team, const QDate& day) {
        ok = false;
        if (notGivenBack && !notGivenBack->contains({team, day}))
            notGivenBack->append({team, day});
    };
    for (const MilestoneRecord& milestone : scheduled) {
        if (milestone.PersonnelType != 2)
            continue;
        const QString team = TeamText(milestone.Team.trimmed().toInt());
        if (TeamNumberOf(team) == 0 || !milestone.ScheduledDate.isValid())
            continue;
        const int days = milestone.Unit == QLatin1String("Days") ? std::clamp(milestone.Duration.trimmed().toInt(), 1, MaxScheduleDays) : 1;
        const QString booking = BookingText(projectNo, milestone.MilestoneName);
        QDate day = milestone.ScheduledDate;
        for (int d = 1; d <= days; ++d, day = SkipNonWorkDays(day.addDays(1))) {
            LoadTeamDay(day, team);
            // A day that cannot be read may still hold the booking: it was not given back.
            if (state.DayUnreadable) {
                notBack(team, day);
                continue;
            }
            bool freed = false;
            for (int slot = 1; slot <= 12; ++slot)
                if (state.DaySlots[size_t(slot)] == booking) {
                    state.DaySlots[size_t(slot)] = NoEventScheduled;
                    freed = true;
                }
            // A day that held none of the bookings is left as it is (no new file).
            if (!freed)
                continue;
            if (!SaveTeamDay(day, team)) {
                notBack(team, day);
                continue;
            }
            PutBackAsItWas(day, team);
        }
    }
    return ok;
}
