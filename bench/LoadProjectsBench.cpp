#include "core/FileAccess.h"
#include "RawRead.h"
#include "SampleProjects.h"
#include "platform/ProgramFolder.h"
#include "scheduling/LoadedProjects.h"
#include "scheduling/AdminTasks.h"
#include "scheduling/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// 2,000 project files of 5 to 15 milestones each.
struct ProjectFolder {
    QTemporaryDir folder;

    ProjectFolder()
    {
        SetProgramFolder(folder.path());
        QDir().mkpath(AppPath(ProjectsFolder));
        for (int p = 1; p <= 2000; ++p) {
            ProjectData project;
            project.Header = SampleProjectHeader(p);
            ProjectHeader& h = project.Header;
            const int milestones = 5 + p % 11;
            h.MilestoneCount = qint16(milestones);
            for (int j = 1; j <= milestones; ++j) {
                MilestoneRecord m;
                m.MilestoneName = QStringLiteral("Milestone %1").arg(j);
                m.PersonnelType = qint16(1 + j % 2);
                m.ScheduledDate = QDate(2026, 1, 1).addDays(p % 300 + j * 3);
                m.Phase = qint16(1 + j % 3);
                m.Team = QString::number(1 + j % 4);
                m.WorkLocation = QStringLiteral("On Site");
                m.StartSlot = QStringLiteral("3");
                m.Duration = QStringLiteral("2");
                m.Unit = QStringLiteral("Days");
                project.Milestones.append(m);
            }
            WriteProjectFile(ProjectFilePath(h.ProjectNo), project);
        }
    }
    ~ProjectFolder() { SetProgramFolder(QString()); }
};

ProjectFolder& Folder()
{
    static ProjectFolder folder;
    return folder;
}

void BM_LoadProjects2000(benchmark::State& state)
{
    Folder();
    for (auto _ : state) {
        LoadProjects();
        benchmark::DoNotOptimize(LoadedProjects().ProjectCount);
    }
    SetProgramFolder(Folder().folder.path());
}
BENCHMARK(BM_LoadProjects2000)->Unit(benchmark::kMillisecond);

// Reading the same files' bytes alone, for the ratio.
void BM_ReadProjectBytes2000(benchmark::State& state)
{
    Folder();
    const QDir projects(AppPath(ProjectsFolder));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadFolderRaw(projects, {QStringLiteral("*.txt")}));
}
BENCHMARK(BM_ReadProjectBytes2000)->Unit(benchmark::kMillisecond);

// Opening the administrative view on a fresh start: the load, then a year's listing.
void BM_LoadAndListAdminTasks2000(benchmark::State& state)
{
    Folder();
    for (auto _ : state) {
        LoadProjects();
        benchmark::DoNotOptimize(ListAdminTasks(LoadedProjects(), QDate(2026, 1, 1), QDate(2026, 12, 31)).size());
    }
}
BENCHMARK(BM_LoadAndListAdminTasks2000)->Unit(benchmark::kMillisecond);

} // namespace
