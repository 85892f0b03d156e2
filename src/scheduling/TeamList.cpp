#include "scheduling/TeamList.h"

#include "core/DataUpkeep.h"
#include "core/FileAccess.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/FileRemoval.h"
#include "platform/ProgramFolder.h"
#include "scheduling/EventRecords.h"
#include "scheduling/LoadedProjects.h"
#include "scheduling/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

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

TeamDeletion Refused(const QString& problem, FolderMoves& moves)
{
    TeamDeletion deletion;
    deletion.Problem = problem;
    QStringList notBack;
    if (!moves.Undo(notBack))
        deletion.Problem += QStringLiteral("\nThese folders could not be put back: ") + notBack.join(QStringLiteral(", "));
    return deletion;
}

} // namespace

void CreateTeamFolder(int teamCount)
{
    if (teamCount < 1)
        return;
    EnsureFolder(TeamFolderPath(Shared().CurrentYear.trimmed(), teamCount));
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

    // First every year's folder of the deleted team steps aside, then the later teams move down.
    for (const QString& year : years) {
        const QString folder = TeamFolderIn(year, teamNo);
        if (!QDir(AppPath(folder)).exists())
            continue;
        const QString aside = year + QLatin1Char('/') + parkedName;
        if (QDir(AppPath(aside)).exists() && !QDir(AppPath(aside)).removeRecursively())
            return Refused(NormalizeRelativePath(aside), moves);
        if (!moves.Move(folder, aside))
            return Refused(NormalizeRelativePath(folder), moves);
        parked.append(aside);
    }
    for (const QString& year : years) {
        for (int team = teamNo + 1; team <= teamCountBefore; ++team) {
            const QString folder = TeamFolderIn(year, team);
            if (!QDir(AppPath(folder)).exists())
                continue;
            if (!moves.Move(folder, TeamFolderIn(year, team - 1)))
                return Refused(NormalizeRelativePath(folder), moves);
        }
    }

    // Writing the new list completes the deletion; until then every step can be undone.
    if (!SaveAssignments(remainingNames))
        return Refused(AssignmentsPath, moves);

    TeamDeletion deletion;
    deletion.Done = true;
    // A parked folder that still will not go keeps a name no team is read from; the next
    // deletion of that number or the year's removal takes it.
    for (const QString& aside : parked)
        if (!QDir(AppPath(aside)).removeRecursively())
            deletion.NotRemoved.append(NormalizeRelativePath(aside));
    deletion.NotRenumbered = RenumberProjectFiles(teamNo);
    if (!RenumberEventRecords(teamNo))
        deletion.NotRenumbered.append(ProjectRecordsPath);
    return deletion;
}
