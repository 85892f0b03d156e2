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
#include "scheduling/TeamDelete.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <optional>

namespace {

QString TeamFolderIn(const QString& yearFolder, int team)
{
    return yearFolder + QLatin1Char('/') + TeamFolderName(team);
}

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

// What deleting a team does to one event record.
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
// so everything else the other program wrote stays byte for byte, a short tail included. The
// project records keep every record: a project's history stays whole.
QByteArray RenumberedEvents(const QByteArray& bytes, int deletedTeam, const QDate& today, bool dropComing)
{
    QByteArray result;
    result.reserve(bytes.size());
    const qsizetype whole = bytes.size() / SlipRecord::Length * SlipRecord::Length;
    for (qsizetype at = 0; at < whole; at += SlipRecord::Length) {
        QByteArray record = bytes.mid(at, SlipRecord::Length);
        const SlipRecord slip = SlipRecord::FromBytes(record);
        EventChange change = ChangeOf(slip, deletedTeam, today);
        if (change == EventChange::Goes && !dropComing)
            change = EventChange::LosesTeam;
        switch (change) {
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

// The new contents of the project files, beside them. A file that cannot be read cannot be
// renumbered either, nor one whose name the marker could not hold: it is named in
// `notRenumbered` and the delete goes on without it.
bool PrepareProjectFiles(int deletedTeam, QList<TeamDeleteStep>& steps, QStringList& notRenumbered, QString& problem)
{
    const QStringList names = QDir(AppPath(ProjectsFolder)).entryList({QStringLiteral("*.txt")}, QDir::Files);
    QByteArray bytes;
    for (const QString& name : names) {
        const QString path = ProjectsFolder + QLatin1Char('/') + name;
        std::optional<ProjectData> project = MarkerCanName(path) ? ReadProjectFile(path, bytes) : std::nullopt;
        if (!project) {
            notRenumbered.append(NormalizeRelativePath(path));
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
        if (!changed)
            continue;
        TeamDeleteStep step;
        if (!PrepareFileStep(path, bytes, ProjectFileBytes(*project), step)) {
            problem = NormalizeRelativePath(path);
            return false;
        }
        steps.append(step);
    }
    return true;
}

// The renumbered copy of an event file. False, with the file in `problem`, when it cannot be
// read or its copies cannot be written.
bool PrepareEventFile(const QString& path, int deletedTeam, bool dropComing, QList<TeamDeleteStep>& steps, QString& problem)
{
    const FileState state = FileStateOf(path);
    if (state == FileState::Missing)
        return true;
    QByteArray bytes;
    if (state == FileState::NotRestored || !ReadWholeFile(path, bytes)) {
        problem = NormalizeRelativePath(path);
        return false;
    }
    const QByteArray renumbered = RenumberedEvents(bytes, deletedTeam, Clock::Today(), dropComing);
    if (renumbered == bytes)
        return true;
    TeamDeleteStep step;
    if (!PrepareFileStep(path, bytes, renumbered, step)) {
        problem = NormalizeRelativePath(path);
        return false;
    }
    steps.append(step);
    return true;
}

bool PrepareTeamList(const QStringList& remainingNames, QList<TeamDeleteStep>& steps, QString& problem)
{
    QByteArray bytes;
    if (Shared().TeamListUnreadable || (QFileInfo::exists(AppPath(AssignmentsPath)) && !ReadWholeFile(AssignmentsPath, bytes))) {
        problem = AssignmentsPath;
        return false;
    }
    QByteArray list;
    for (const QString& name : remainingNames)
        list += FormatWriteLine({name});
    TeamDeleteStep step;
    if (!PrepareFileStep(AssignmentsPath, bytes, list, step)) {
        problem = AssignmentsPath;
        return false;
    }
    steps.append(step);
    return true;
}

// Every year's folder of the deleted team steps aside, then the later teams move down. Each
// new name must be free when its turn comes: a folder or file already there stops the delete
// before anything is changed, so that no name is ever taken twice.
bool PlanFolderMoves(int teamNo, int teamCountBefore, QList<TeamDeleteStep>& steps, QString& problem)
{
    const QStringList years = TeamYearFolders();
    // Nothing starts unless the deleted team's folders can go: once one is half removed it
    // could not come back whole.
    for (const QString& year : years) {
        for (const QString& folder : {TeamFolderIn(year, teamNo), year + QLatin1Char('/') + ParkedFolderName(teamNo)})
            if (!CanRemoveTree(AppPath(folder))) {
                problem = NormalizeRelativePath(folder);
                return false;
            }
    }
    for (const QString& year : years) {
        QSet<QString> taken;
        const QStringList names = QDir(AppPath(year)).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& name : names)
            taken.insert(name);
        auto move = [&](TeamDeleteStep::Kind kind, int team, const QString& newName) {
            const QString from = TeamFolderIn(year, team);
            if (!QFileInfo(AppPath(from)).isDir())
                return true;
            if (taken.contains(newName)) {
                problem = NormalizeRelativePath(from);
                return false;
            }
            taken.remove(TeamFolderName(team));
            taken.insert(newName);
            steps.append(TeamDeleteStep{kind, from, year + QLatin1Char('/') + newName, 0, 0});
            return true;
        };
        if (!move(TeamDeleteStep::Kind::Park, teamNo, ParkedFolderName(teamNo)))
            return false;
        for (int team = teamNo + 1; team <= teamCountBefore; ++team)
            if (!move(TeamDeleteStep::Kind::Folder, team, TeamFolderName(team - 1)))
                return false;
    }
    return true;
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
    TeamDeletion deletion;
    // A delete cut short before is settled first, and what deletes left behind goes, so that no
    // copy or parked folder of theirs can be taken for this one's.
    if (!RecoverTeamDelete(&deletion.Problem)) {
        deletion.Unsettled = true;
        return deletion;
    }

    // Every new file is written beside the old one first. The slips and meetings, which the
    // other program writes, are read last, just before the renames.
    QList<TeamDeleteStep> ours;
    QList<TeamDeleteStep> folders;
    QList<TeamDeleteStep> events;
    QStringList notRenumbered;
    QString problem;
    const bool prepared = PrepareProjectFiles(teamNo, ours, notRenumbered, problem)
                          && PrepareEventFile(ProjectRecordsPath, teamNo, false, ours, problem)
                          && PrepareTeamList(remainingNames, ours, problem)
                          && PlanFolderMoves(teamNo, teamCountBefore, folders, problem)
                          && PrepareEventFile(SlipsPath, teamNo, true, events, problem)
                          && PrepareEventFile(MeetingsPath, teamNo, true, events, problem);
    if (!prepared) {
        DropPreparedCopies(ours + events);
        deletion.Problem = problem;
        return deletion;
    }

    // The slips and meetings are replaced first, so the other program's writes have the least
    // time to fall between their reading and their replacement.
    const TeamDeleteRun run = RunTeamDelete(events + folders + ours);
    deletion.Problem = run.Problem;
    deletion.Unsettled = run.Result == TeamDeleteRun::Outcome::Unsettled;
    if (run.Result != TeamDeleteRun::Outcome::Done)
        return deletion;
    deletion.Done = true;
    deletion.NotRemoved = run.NotRemoved;
    deletion.NotRenumbered = notRenumbered + run.NotRenumbered;
    LoadedProjects().ProjectsLoaded = false;
    return deletion;
}
