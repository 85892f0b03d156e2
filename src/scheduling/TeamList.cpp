#include "scheduling/TeamList.h"

#include "core/DataUpkeep.h"
#include "core/FileAccess.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/Clock.h"
#include "platform/FileRemoval.h"
#include "platform/ProgramFolder.h"
#include "platform/RegionalFormat.h"
#include "scheduling/EventRecords.h"
#include "scheduling/LoadedProjects.h"
#include "scheduling/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>
#include <utility>
#include <vector>

namespace {

// The year folders of the program folder and of its backup mirror, as relative paths.
QStringList YearFolders()
{
    static const QRegularExpression year(QStringLiteral("^\\d{4}$"));
    QStringList folders;
    for (const QString& parent : {QString(), QStringLiteral("/Backup")}) {
        const QStringList names = QDir(AppPath(parent.isEmpty() ? QStringLiteral("/") : parent))
                                      .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString& name : names)
            if (year.match(name).hasMatch())
                folders.append(parent + QLatin1Char('/') + name);
    }
    return folders;
}

QString TeamFolderIn(const QString& yearFolder, int team)
{
    return yearFolder + QLatin1Char('/') + TeamFolderName(team);
}

bool Rename(const QString& from, const QString& to)
{
    return QDir().rename(AppPath(from), AppPath(to));
}

// Renames done so far, undone in reverse order when a later one fails.
class FolderMoves {
public:
    bool Move(const QString& from, const QString& to)
    {
        if (!Rename(from, to))
            return false;
        done_.emplace_back(from, to);
        return true;
    }
    // False when a folder could not be put back; the caller names it.
    bool Undo(QStringList& notBack)
    {
        for (auto it = done_.rbegin(); it != done_.rend(); ++it)
            if (!Rename(it->second, it->first))
                notBack.append(NormalizeRelativePath(it->first));
        done_.clear();
        return notBack.isEmpty();
    }

private:
    std::vector<std::pair<QString, QString>> done_;
};

// A later team moves down by one; the deleted team's own bookings keep no team, so they are
// not taken for the next team's.
QString RenumberedTeam(const QString& team, int deletedTeam)
{
    bool ok = false;
    const int number = team.trimmed().toInt(&ok);
    if (!ok)
        return team;
    if (number == deletedTeam)
        return QString();
    return number > deletedTeam ? QString::number(number - 1) : team;
}

QStringList RenumberProjectFiles(int deletedTeam)
{
    QStringList failed;
    const QStringList names = QDir(AppPath(ProjectsFolder)).entryList({QStringLiteral("*.txt")}, QDir::Files);
    for (const QString& name : names) {
        const QString path = ProjectsFolder + QLatin1Char('/') + name;
        std::optional<ProjectData> project = ReadProjectFile(path);
        if (!project) {
            // A file that cannot be read cannot be renumbered either; the user hears of it.
            failed.append(NormalizeRelativePath(path));
            continue;
        }
        bool changed = false;
        for (MilestoneRecord& milestone : project->Milestones) {
            const QString renumbered = RenumberedTeam(milestone.Team, deletedTeam);
            if (renumbered != milestone.Team) {
                milestone.Team = renumbered;
                changed = true;
            }
        }
        if (changed && !WriteProjectFile(path, *project))
            failed.append(NormalizeRelativePath(path));
    }
    LoadedProjects().ProjectsLoaded = false;
    return failed;
}

bool RenumberEventRecords(int deletedTeam)
{
    if (!FileExists(ProjectRecordsPath))
        return true;
    bool written = true;
    RecordFile records = OpenForRandom(ProjectRecordsPath, SlipRecord::Length);
    const qint64 count = records.Count();
    for (qint64 n = 1; n <= count; ++n) {
        bool read = false;
        SlipRecord record = SlipRecord::FromBytes(records.Read(n, &read));
        if (!read) {
            written = false;
            continue;
        }
        const QString renumbered = RenumberedTeam(record.TeamNo, deletedTeam);
        if (renumbered != record.TeamNo) {
            record.TeamNo = renumbered;
            written = records.Write(n, record.ToBytes()) && written;
        }
    }
    return written;
}

// What deleting a team does to one slip or meeting of the files written by the other program.
enum class EventChange { None, MovesDown, LosesTeam, Goes };

EventChange ChangeOf(const SlipRecord& record, int deletedTeam, const QDate& today)
{
    bool ok = false;
    const int number = record.TeamNo.trimmed().toInt(&ok);
    if (!ok || number < deletedTeam)
        return EventChange::None;
    if (number > deletedTeam)
        return EventChange::MovesDown;
    // A past visit stays on record, with no team; a coming one would send no crew.
    const std::optional<QDate> date = ParseShortDate(record.EventDate.trimmed());
    return date && *date >= today ? EventChange::Goes : EventChange::LosesTeam;
}

constexpr int TeamNoOffset = 20;
constexpr int TeamNoWidth = 2;

// The bytes of an event file once the team is gone. Only the team field of a record changes,
// so everything else the other program wrote stays byte for byte, a short tail included.
QByteArray RenumberedEvents(const QByteArray& bytes, int deletedTeam, const QDate& today)
{
    QByteArray result;
    result.reserve(bytes.size());
    const qsizetype whole = bytes.size() / SlipRecord::Length * SlipRecord::Length;
    for (qsizetype at = 0; at < whole; at += SlipRecord::Length) {
        QByteArray record = bytes.mid(at, SlipRecord::Length);
        const SlipRecord slip = SlipRecord::FromBytes(record);
        switch (ChangeOf(slip, deletedTeam, today)) {
        case EventChange::Goes:
            continue;
        case EventChange::MovesDown:
            record.replace(TeamNoOffset, TeamNoWidth,
                           QByteArray::number(slip.TeamNo.trimmed().toInt() - 1).leftJustified(TeamNoWidth, ' '));
            break;
        case EventChange::LosesTeam:
            record.replace(TeamNoOffset, TeamNoWidth, QByteArray(TeamNoWidth, ' '));
            break;
        case EventChange::None:
            break;
        }
        result += record;
    }
    result += bytes.mid(whole);
    return result;
}

// A slip or meeting file rewritten for the deletion, waiting beside the file to take its place.
struct PendingEvents {
    QString Path;
    QString Scratch;
    QString Former;
};

QString ScratchOf(const QString& path)
{
    return path + QStringLiteral(".renumbered");
}

QString FormerOf(const QString& path)
{
    return path + QStringLiteral(".before-deletion");
}

void DropScratchFiles(const std::vector<PendingEvents>& pending)
{
    for (const PendingEvents& events : pending)
        QFile::remove(AppPath(events.Scratch));
}

// Writes the renumbered copies of "Slips.txt" and "Meetings.txt" before anything is changed.
// False, with the file that stopped it in `problem`, when one cannot be read or written.
bool PrepareEventFiles(int deletedTeam, std::vector<PendingEvents>& pending, QString& problem)
{
    const QDate today = Clock::Today();
    for (const QString& path : {SlipsPath, MeetingsPath}) {
        const FileState state = FileStateOf(path);
        if (state == FileState::Missing)
            continue;
        QByteArray bytes;
        if (state == FileState::NotRestored || !ReadWholeFile(path, bytes)) {
            problem = NormalizeRelativePath(path);
            return false;
        }
        const QByteArray renumbered = RenumberedEvents(bytes, deletedTeam, today);
        if (renumbered == bytes)
            continue;
        const PendingEvents events{path, ScratchOf(path), FormerOf(path)};
        TextOutput out = OpenForOutput(events.Scratch);
        out.WriteRaw(renumbered);
        // A copy left by an earlier run would stop the file from stepping aside.
        if (!out.Close() || !DeleteFile(events.Former)) {
            QFile::remove(AppPath(events.Scratch));
            problem = NormalizeRelativePath(path);
            return false;
        }
        pending.push_back(events);
    }
    return true;
}

TeamDeletion Refused(const QString& problem, FolderMoves& moves, const std::vector<PendingEvents>& pending = {})
{
    TeamDeletion deletion;
    deletion.Problem = problem;
    QStringList notBack;
    if (!moves.Undo(notBack))
        deletion.Problem += QStringLiteral("\nThese folders could not be put back: ") + notBack.join(QStringLiteral(", "));
    DropScratchFiles(pending);
    return deletion;
}

} // namespace

void CreateTeamFolder(int teamCount)
{
    if (teamCount < 1)
        return;
    EnsureFolder(TeamFolderPath(Shared().CurrentYear.trimmed(), teamCount));
}

TeamEventCounts UpcomingEventsOfTeam(int teamNo)
{
    const QDate today = Clock::Today();
    TeamEventCounts counts;
    for (const SlipRecord& record : ReadEventRecords(SlipsPath))
        counts.Slips += ChangeOf(record, teamNo, today) == EventChange::Goes;
    for (const SlipRecord& record : ReadEventRecords(MeetingsPath))
        counts.Meetings += ChangeOf(record, teamNo, today) == EventChange::Goes;
    return counts;
}

int OpenMilestonesOfTeam(int teamNo)
{
    int open = 0;
    const QStringList names = QDir(AppPath(ProjectsFolder)).entryList({QStringLiteral("*.txt")}, QDir::Files);
    for (const QString& name : names) {
        const std::optional<ProjectData> project = ReadProjectFile(ProjectsFolder + QLatin1Char('/') + name);
        if (!project)
            continue;
        for (const MilestoneRecord& milestone : project->Milestones)
            if (milestone.Status != StatusCompleted && milestone.Team.trimmed().toInt() == teamNo)
                ++open;
    }
    return open;
}

TeamDeletion PurgeFolder(int teamNo, int teamCountBefore, const QStringList& remainingNames)
{
    const QString parkedName = QStringLiteral("Team#-deleted-%1").arg(teamNo);
    FolderMoves moves;
    QStringList parked;

    // Nothing starts unless the deleted team's folders can go: once one is half removed it
    // could not come back whole.
    const QStringList years = YearFolders();
    for (const QString& year : years) {
        for (const QString& folder : {TeamFolderIn(year, teamNo), year + QLatin1Char('/') + parkedName})
            if (!CanRemoveTree(AppPath(folder)))
                return Refused(NormalizeRelativePath(folder), moves);
    }
    std::vector<PendingEvents> pending;
    QString problem;
    if (!PrepareEventFiles(teamNo, pending, problem))
        return Refused(problem, moves, pending);

    // First every year's folder of the deleted team steps aside, then the later teams move down.
    for (const QString& year : years) {
        const QString folder = TeamFolderIn(year, teamNo);
        if (!QDir(AppPath(folder)).exists())
            continue;
        const QString aside = year + QLatin1Char('/') + parkedName;
        if (QDir(AppPath(aside)).exists() && !QDir(AppPath(aside)).removeRecursively())
            return Refused(NormalizeRelativePath(aside), moves, pending);
        if (!moves.Move(folder, aside))
            return Refused(NormalizeRelativePath(folder), moves, pending);
        parked.append(aside);
    }
    for (const QString& year : years) {
        for (int team = teamNo + 1; team <= teamCountBefore; ++team) {
            const QString folder = TeamFolderIn(year, team);
            if (!QDir(AppPath(folder)).exists())
                continue;
            if (!moves.Move(folder, TeamFolderIn(year, team - 1)))
                return Refused(NormalizeRelativePath(folder), moves, pending);
        }
    }
    // The slips and meetings change with the folders: the old file steps aside, the new one
    // takes its name, and both can still be turned back.
    for (const PendingEvents& events : pending)
        if (!moves.Move(events.Path, events.Former) || !moves.Move(events.Scratch, events.Path))
            return Refused(NormalizeRelativePath(events.Path), moves, pending);

    // Writing the new list completes the deletion; until then every step can be undone.
    if (!SaveAssignments(remainingNames))
        return Refused(AssignmentsPath, moves, pending);

    TeamDeletion deletion;
    deletion.Done = true;
    // A parked folder that still will not go keeps a name no team is read from; the next
    // deletion of that number or the year's removal takes it.
    for (const QString& aside : parked)
        if (!QDir(AppPath(aside)).removeRecursively())
            deletion.NotRemoved.append(NormalizeRelativePath(aside));
    for (const PendingEvents& events : pending) {
        DeleteFile(events.Former);
        // A backup copy with the old numbers would bring them back if the file went missing.
        const QString backup = BackupPathOf(events.Path);
        if (QFileInfo(AppPath(backup)).isFile() && !CopyAppFile(events.Path, backup) && !DeleteFile(backup))
            deletion.NotRenumbered.append(backup);
    }
    deletion.NotRenumbered += RenumberProjectFiles(teamNo);
    if (!RenumberEventRecords(teamNo))
        deletion.NotRenumbered.append(ProjectRecordsPath);
    return deletion;
}
