#include "core/TeamList.h"

#include "accounts/ContactRecord.h"
#include "core/DataUpkeep.h"
#include "core/FileAccess.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/ProgramFolder.h"
#include "projects/LoadedProjects.h"
#include "scheduling/EventRecords.h"
#include "scheduling/ProjectFile.h"

#include <QDir>
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
    return yearFolder + QStringLiteral("/Team# ") + QString::number(team);
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
    void Undo()
    {
        for (auto it = done_.rbegin(); it != done_.rend(); ++it)
            Rename(it->second, it->first);
        done_.clear();
    }

private:
    std::vector<std::pair<QString, QString>> done_;
};

QString RenumberedTeam(const QString& team, int deletedTeam)
{
    bool ok = false;
    const int number = team.trimmed().toInt(&ok);
    return ok && number > deletedTeam ? QString::number(number - 1) : team;
}

void RenumberProjectFiles(int deletedTeam)
{
    const QStringList names = QDir(AppPath(ProjectsFolder)).entryList({QStringLiteral("*.txt")}, QDir::Files);
    for (const QString& name : names) {
        const QString path = ProjectsFolder + QLatin1Char('/') + name;
        std::optional<ProjectData> project = ReadProjectFile(path);
        if (!project)
            continue;
        bool changed = false;
        for (MilestoneRecord& milestone : project->Milestones) {
            const QString renumbered = RenumberedTeam(milestone.Team, deletedTeam);
            if (renumbered != milestone.Team) {
                milestone.Team = renumbered;
                changed = true;
            }
        }
        if (changed)
            WriteProjectFile(path, *project);
    }
    LoadedProjects().ProjectsLoaded = false;
}

void RenumberEventRecords(int deletedTeam)
{
    if (!FileExists(ProjectRecordsPath))
        return;
    RecordFile records = OpenForRandom(ProjectRecordsPath, SlipRecord::Length);
    const qint64 count = records.Count();
    for (qint64 n = 1; n <= count; ++n) {
        SlipRecord record = SlipRecord::FromBytes(records.Read(n));
        const QString renumbered = RenumberedTeam(record.TeamNo, deletedTeam);
        if (renumbered != record.TeamNo) {
            record.TeamNo = renumbered;
            records.Write(n, record.ToBytes());
        }
    }
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
            if (milestone.Status != StatusCompleted && milestone.Team.trimmed() == QString::number(teamNo))
                ++open;
    }
    return open;
}

TeamDeletion PurgeFolder(int teamNo, int teamCountBefore, const QStringList& remainingNames)
{
    const QString parkedName = QStringLiteral("Team#-deleted-%1").arg(teamNo);
    FolderMoves moves;
    QStringList parked;

    // First every year's folder of the deleted team steps aside, then the later teams move down.
    const QStringList years = YearFolders();
    for (const QString& year : years) {
        const QString folder = TeamFolderIn(year, teamNo);
        if (!QDir(AppPath(folder)).exists())
            continue;
        const QString aside = year + QLatin1Char('/') + parkedName;
        if (QDir(AppPath(aside)).exists() && !QDir(AppPath(aside)).removeRecursively()) {
            moves.Undo();
            return {false, NormalizeRelativePath(aside)};
        }
        if (!moves.Move(folder, aside)) {
            moves.Undo();
            return {false, NormalizeRelativePath(folder)};
        }
        parked.append(aside);
    }
    for (const QString& year : years) {
        for (int team = teamNo + 1; team <= teamCountBefore; ++team) {
            const QString folder = TeamFolderIn(year, team);
            if (!QDir(AppPath(folder)).exists())
                continue;
            if (!moves.Move(folder, TeamFolderIn(year, team - 1))) {
                moves.Undo();
                return {false, NormalizeRelativePath(folder)};
            }
        }
    }

    if (!SaveAssignments(remainingNames)) {
        moves.Undo();
        return {false, AssignmentsPath};
    }

    // The deleted team's days go; a folder that will not go is harmless under its new name.
    for (const QString& aside : parked)
        QDir(AppPath(aside)).removeRecursively();
    RenumberProjectFiles(teamNo);
    RenumberEventRecords(teamNo);
    return {true, QString()};
}

QStringList LoadSubContractorNames()
{
    QStringList names;
    if (!FileExists(VendorDataPath))
        return names;
    RecordFile contacts = OpenForRandom(VendorDataPath, ContactRecord::Length);
    const qint64 count = contacts.Count();
    for (qint64 n = 1; n <= count; ++n) {
        const ContactRecord contact = ContactRecord::FromBytes(contacts.Read(n));
        if (contact.Category.trimmed() == SubContractorCategory)
            names.append(contact.VendorName.trimmed());
    }
    return names;
}
