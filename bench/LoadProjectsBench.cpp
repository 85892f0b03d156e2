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
            const ProjectData project = SampleMixedProject(p, 4, QDate(2026, 1, 1));
            WriteProjectFile(ProjectFilePath(project.Header.ProjectNo), project);
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
