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
    return ok ? file.readAll() : QByteArray();
}

// Most day files are the same on both sides; only a changed or missing one is written.
bool CopyWhenDifferent(const QString& source, const QString& target)
{
    const QFileInfo targetInfo(AppPath(target));
    if (targetInfo.isFile() && targetInfo.size() == QFileInfo(AppPath(source)).size()) {
        bool sourceRead = false, targetRead = false;
        const QByteArray sourceBytes = Bytes(AppPath(source), sourceRead);
        if (sourceRead && Bytes(AppPath(target), targetRead) == sourceBytes && targetRead)
            return true;
    }
    return CopyAppFile(source, target);
}

bool MirrorFolder(const QString& source, const QString& target)
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
        allCopied = CopyWhenDifferent(source + QLatin1Char('/') + name, target + QLatin1Char('/') + name) && allCopied;
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
            ok = (toBackup ? MirrorFolder(live, backup) : MirrorFolder(backup, live)) && ok;
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
    return ok;
}

bool BackupTeamFiles()
{
    return MirrorAll(true);
}

bool RestoreTeamFiles()
{
    return MirrorAll(false);
}

bool UndoDaysEvents(const QString& projectNo, const QList<MilestoneRecord>& scheduled)
{
    TeamDayState& state = TeamDay();
    bool ok = true;
    for (const MilestoneRecord& milestone : scheduled) {
        if (milestone.PersonnelType != 2)
            continue;
        const QString team = TeamText(milestone.Team.trimmed().toInt());
        if (TeamNumberOf(team) == 0 || !milestone.ScheduledDate.isValid())
            continue;
        const int days = milestone.Unit == QLatin1String("Days") ? std::clamp(milestone.Duration.trimmed().toInt(), 1, MaxScheduleDays) : 1;
        const QString booking = BookingText(projectNo, milestone.MilestoneName);
        QDate day = milestone.ScheduledDate;
        for (int d = 1; d <= days; ++d) {
            LoadTeamDay(day, team);
            bool freed = false;
            for (int slot = 1; slot <= 12; ++slot)
                if (state.DaySlots[size_t(slot)] == booking) {
                    state.DaySlots[size_t(slot)] = NoEventScheduled;
                    freed = true;
                }
            // A day that held none of the bookings is left as it is (no new file).
            if (freed)
                ok = SaveTeamDay(day, team) && ok;
            day = SkipNonWorkDays(day.addDays(1));
        }
    }
    return ok;
}
