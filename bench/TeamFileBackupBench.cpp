#include "core/DataUpkeep.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"
#include "scheduling/TeamFileBackup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

// Forty teams, each with a booked day file on every workday of three years (about 260 a year).
struct FortyTeams {
    static constexpr int Teams = 40;
    static constexpr int DaysPerYear = 260;
    QTemporaryDir folder;

    FortyTeams()
    {
        SetProgramFolder(folder.path());
        Clock::Fix(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
        ResetSharedState();
        ResetSettings();
        Shared().CurrentYear = QStringLiteral("2026");
        Shared().TeamNames = {QStringLiteral("populated")};
        QByteArray day;
        for (int slot = 1; slot <= 12; ++slot)
            day += slot <= 8 ? "\"Pj12-1-Framing\"\r\n" : "\"No Event Scheduled\"\r\n";
        for (int team = 1; team <= Teams; ++team) {
            Shared().TeamNames.append(QStringLiteral("Team %1").arg(team));
            for (int year = 2026; year <= 2028; ++year) {
                const QString path = AppPath(TeamFolderPath(QString::number(year), team));
                QDir().mkpath(path);
                QDir().mkpath(AppPath(QStringLiteral("/Backup") + TeamFolderPath(QString::number(year), team)));
                for (int d = 1; d <= DaysPerYear; ++d) {
                    QFile file(path + QStringLiteral("/%1.txt").arg(d));
                    file.open(QIODevice::WriteOnly);
                    file.write(day);
                }
            }
        }
    }

    ~FortyTeams() { SetProgramFolder(QString()); }
};

// The first backup writes every file; later ones find most of them unchanged.
void BM_BackupTeamFilesFirst(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto teams = std::make_unique<FortyTeams>();
        state.ResumeTiming();
        benchmark::DoNotOptimize(BackupTeamFiles());
        state.PauseTiming();
        teams.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * FortyTeams::Teams * 3 * FortyTeams::DaysPerYear);
}
BENCHMARK(BM_BackupTeamFilesFirst)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_BackupTeamFiles(benchmark::State& state)
{
    FortyTeams teams;
    BackupTeamFiles();
    for (auto _ : state)
        benchmark::DoNotOptimize(BackupTeamFiles());
    state.SetItemsProcessed(state.iterations() * FortyTeams::Teams * 3 * FortyTeams::DaysPerYear);
}
BENCHMARK(BM_BackupTeamFiles)->Unit(benchmark::kMillisecond)->Iterations(3);

// An abandoned project: a few days were booked since the backup.
void BM_RestoreTeamFiles(benchmark::State& state)
{
    FortyTeams teams;
    BackupTeamFiles();
    for (auto _ : state) {
        state.PauseTiming();
        for (int team = 1; team <= 3; ++team) {
            QFile file(AppPath(TeamFolderPath(QStringLiteral("2027"), team) + QStringLiteral("/40.txt")));
            file.open(QIODevice::WriteOnly);
            file.write("\"Pj13-1-Roofing\"\r\n");
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(RestoreTeamFiles());
    }
    state.SetItemsProcessed(state.iterations() * FortyTeams::Teams * 3 * FortyTeams::DaysPerYear);
}
BENCHMARK(BM_RestoreTeamFiles)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same folders copied with nothing but the file system's own copy.
void BM_RawCopyTeamFolders(benchmark::State& state)
{
    FortyTeams teams;
    namespace fs = std::filesystem;
    for (auto _ : state)
        for (int year = 2026; year <= 2028; ++year)
            for (int team = 1; team <= FortyTeams::Teams; ++team) {
                const QString folder = TeamFolderPath(QString::number(year), team);
                fs::copy(AppPath(folder).toStdString(), AppPath(QStringLiteral("/Backup") + folder).toStdString(),
                         fs::copy_options::overwrite_existing | fs::copy_options::recursive);
            }
    state.SetItemsProcessed(state.iterations() * FortyTeams::Teams * 3 * FortyTeams::DaysPerYear);
}
BENCHMARK(BM_RawCopyTeamFolders)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
