#include "scheduling/LoadedProjects.h"

#include "platform/Clock.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QHash>

namespace {
QSet<QString>& ReportedDamagedFiles()
{
    static QSet<QString> reported;
    return reported;
}
} // namespace

LoadedProjectsState& LoadedProjects()
{
    static LoadedProjectsState state;
    return state;
}

void ResetLoadedProjects()
{
    LoadedProjects() = LoadedProjectsState{};
    ReportedDamagedFiles().clear();
}

int FindProjectFiles()
{
    LoadedProjectsState& state = LoadedProjects();
    const QStringList names = QDir(AppPath(ProjectsFolder))
                                  .entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    state.ProjectFiles = QStringList{QString()} + names;
    if (names.isEmpty())
        state.ProjectsLoaded = false;
    else
        state.MsCount = 0;
    return int(names.size());
}

void LoadProjects()
{
    LoadedProjectsState& state = LoadedProjects();
    const int found = FindProjectFiles();
    if (found == 0) {
        state.ProjectCount = 0;
        return;
    }

    // Changed flags belong to their files and survive a reload.
    QHash<QString, bool> changed;
    for (qsizetype i = 1; i < state.Projects.size(); ++i)
        if (state.Projects.at(i).ProjectChanged)
            changed.insert(state.Projects.at(i).FileName, true);

    QList<LoadedProject> projects{state.Projects.value(0)};
    projects.reserve(found + 1);
    QStringList files{QString()};
    files.reserve(found + 1);
    state.DamagedProjectFiles.clear();
    state.MsCount = 0;
    QByteArray buffer;
    for (int i = 1; i <= found; ++i) {
        const QString& name = state.ProjectFiles.at(i);
        std::optional<ProjectData> data = ReadProjectFile(ProjectsFolder + QLatin1Char('/') + name, buffer);
        if (!data) {
            state.DamagedProjectFiles.append(name);
            continue;
        }
        LoadedProject project;
        project.Header = std::move(data->Header);
        project.Milestones = std::move(data->Milestones);
        project.FileName = name;
        project.ProjectChanged = changed.value(name, false);
        state.MsCount = std::max(state.MsCount, int(project.Header.MilestoneCount));
        projects.append(std::move(project));
        files.append(name);
    }
    state.ProjectCount = int(projects.size()) - 1;
    state.Projects = std::move(projects);
    state.ProjectFiles = std::move(files);
    // Only damaged files is the same as no project at all.
    state.ProjectsLoaded = state.ProjectCount > 0;
}

QStringList SaveProjects()
{
    LoadedProjectsState& state = LoadedProjects();
    QStringList failed;
    if (!state.ProjectsLoaded)
        return failed;
    for (int i = 1; i <= state.ProjectCount; ++i) {
        const LoadedProject& project = state.Projects.at(i);
        if (!project.ProjectChanged)
            continue;
        if (!WriteProjectFile(ProjectsFolder + QLatin1Char('/') + project.FileName,
                              ProjectData{project.Header, project.Milestones}))
            failed.append(project.FileName);
    }
    state.ProjectsLoaded = false;
    return failed;
}

bool IsPastDue(const MilestoneRecord& milestone, const QDate& today)
{
    return milestone.ScheduledDate < today && milestone.Status != StatusCompleted;
}

QList<MilestoneRef> PastDueMilestones()
{
    const LoadedProjectsState& state = LoadedProjects();
    const QDate today = Clock::Today();
    QList<MilestoneRef> pastDue;
    for (int i = 1; i <= state.ProjectCount; ++i) {
        const QList<MilestoneRecord>& milestones = state.Projects.at(i).Milestones;
        for (int j = 1; j <= milestones.size(); ++j)
            if (IsPastDue(milestones.at(j - 1), today))
                pastDue.append({i, j});
    }
    return pastDue;
}

QStringList TakeUnreportedDamagedFiles()
{
    QStringList unreported;
    for (const QString& name : LoadedProjects().DamagedProjectFiles)
        if (!ReportedDamagedFiles().contains(name)) {
            ReportedDamagedFiles().insert(name);
            unreported.append(name);
        }
    return unreported;
}
