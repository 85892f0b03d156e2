#include "Application.h"
#include "SampleCustomers.h"
#include "SampleProjects.h"
#include "accounts/CustomerRecords.h"
#include "app/Startup.h"
#include "core/Navigation.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/Screen.h"
#include "platform/SerialPort.h"
#include "platform/SingleInstance.h"
#include "scheduling/LoadedProjects.h"
#include "scheduling/ProjectFile.h"
#include "scheduling/TeamDayStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void Write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(AppPath(path)).absolutePath());
    QFile file(AppPath(path));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

// A contractor's folder after its first run: settings, teams, customers with their billing
// records, projects and every folder already made.
struct ContractorFolder {
    QTemporaryDir folder;

    ContractorFolder(int customers, int projects, int teams)
    {
        SetProgramFolder(folder.path());
        Write("/SchedulerSettings.txt", "8\r\n5\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n");
        Write("/MyBusinessData.txt", "\"Acme Builders\",\"1 Main St\",\"\",\"Springfield\",\"IL\",\"62701\",\"\",\"\",\"\"\r\n");
        Write("/Characteristics.txt", "\"Permit\",1,1,0,0\r\n\"Framing\",2,2,1,2\r\n\"Roofing\",2,2,2,1\r\n");
        QByteArray teamList;
        for (int t = 1; t <= teams; ++t)
            teamList += QStringLiteral("\"Crew %1\"\r\n").arg(t).toLatin1();
        Write("/Assignto.txt", teamList);
        WriteSampleCustomers(customers);
        Write(ContractInfoPath, ContractRecord::Defaults().ToBytes().repeated(customers));
        Write(CycleInfoPath, CycleRecord::Defaults().ToBytes().repeated(customers));
        QDir().mkpath(AppPath(ProjectsFolder));
        for (int p = 1; p <= projects; ++p) {
            const ProjectData project = SampleMixedProject(p, teams, QDate(2026, 3, 9));
            WriteProjectFile(ProjectFilePath(project.Header.ProjectNo), project);
        }
        // The first run makes the folders; the runs measured find them there.
        Start();
        Stop();
    }
    ~ContractorFolder() { SetProgramFolder(QString()); }

    static void Reset()
    {
        ResetSharedState();
        ResetSettings();
        ResetLoadedProjects();
        ResetTeamDayState();
        ResetStartupState();
    }

    // Launch to the main menu loaded, without a modem to probe for.
    bool Start()
    {
        SetProgramFolder(folder.path());
        Clock::Fix(QDateTime(QDate(2026, 3, 9), QTime(8, 0)));
        SetPortTable(QStringList());
        Reset();
        RegisterScreens();
        MessageScript script;
        const bool started = Main();
        return started && script.Shown().isEmpty();
    }

    static void Stop()
    {
        ScreenRegistry::Instance().UnloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ForgetScreens();
        ProgramLock().Release();
        Reset();
        ResetPortTable();
        Clock::Release();
    }
};

void BM_Startup(benchmark::State& state)
{
    EnsureApplication();
    const bool large = state.range(0) > 25;
    ContractorFolder folder(large ? 10000 : 25, large ? 2000 : 12, large ? 12 : 3);
    for (auto _ : state) {
        const bool started = folder.Start();
        state.PauseTiming();
        ContractorFolder::Stop();
        state.ResumeTiming();
        if (!started) {
            state.SkipWithError("the start-up stopped or showed a message");
            break;
        }
    }
}
// A small contractor's folder (25 customers, 12 projects, 3 teams) and a large one (10,000
// customers, 2,000 projects, 12 teams).
BENCHMARK(BM_Startup)->Arg(25)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
