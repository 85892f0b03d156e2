#include "core/DataUpkeep.h"
#include "RawRead.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"
#include "scheduling/BlockedDays.h"
#include "scheduling/TeamDayStore.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Teams = 40;

// Forty teams, a holiday season of 30 workdays blocked for all of them, and every fifth other
// workday of the year booked.
struct BlockedTeams {
    QTemporaryDir folder;
    QDate start{2027, 1, 4};
    QList<QDate> blocked;

    BlockedTeams()
    {
        SetProgramFolder(folder.path());
        Clock::Fix(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
        ResetSharedState();
        ResetSettings();
        ResetTeamDayState();
        Shared().TeamNames = {QStringLiteral("populated")};
        for (int n = 1; n <= Teams; ++n)
            Shared().TeamNames.append(QStringLiteral("Team %1").arg(n));
        Shared().CurrentYear = QStringLiteral("2026");
        CreateYearFolders(QStringLiteral("2027"));
        blocked = RequestWorkdays(start, 30);
        for (int n = 1; n <= Teams; ++n) {
            ReserveTeamDays({TeamText(n)}, blocked, QStringLiteral("Holiday"));
            TeamDay().CurrentTeam = TeamText(n);
            for (QDate day = blocked.last().addDays(1 + n % 5); day.year() == 2027; day = day.addDays(7))
                ScheduleDays(day, 1, QStringLiteral("Pj12-3-Framing"));
        }
    }
    ~BlockedTeams() { SetProgramFolder(QString()); }

    static qint64 ReadRaw(int team, const QDate& day)
    {
        return ReadFileRaw(AppPath(TeamDayFilePath(QString::number(day.year()), team, day.dayOfYear())));
    }
};

// The all-teams request over days already blocked for the same reason: every day is read,
// checked and written again.
void BM_ReserveAllTeams30Days(benchmark::State& state)
{
    BlockedTeams teams;
    for (auto _ : state)
        for (int n = 1; n <= Teams; ++n)
            benchmark::DoNotOptimize(ReserveTeamDays({TeamText(n)}, teams.blocked, QStringLiteral("Holiday")).Kind);
}
BENCHMARK(BM_ReserveAllTeams30Days)->Unit(benchmark::kMillisecond);

void BM_ReadReservedDayFilesRaw(benchmark::State& state)
{
    BlockedTeams teams;
    for (auto _ : state) {
        qint64 total = 0;
        for (int n = 1; n <= Teams; ++n)
            for (const QDate& day : teams.blocked)
                total += BlockedTeams::ReadRaw(n, day);
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ReadReservedDayFilesRaw)->Unit(benchmark::kMillisecond);

// Replacing the same files with the same bytes, each through a scratch file renamed over it as
// every whole-file write of the program is: the floor for the request above.
void BM_WriteReservedDayFilesRaw(benchmark::State& state)
{
    BlockedTeams teams;
    QByteArray bytes;
    for (int k = 0; k < 12; ++k)
        bytes += "Holiday\r\n";
    for (auto _ : state)
        for (int n = 1; n <= Teams; ++n)
            for (const QDate& day : teams.blocked) {
                QSaveFile file(AppPath(TeamDayFilePath(QString::number(day.year()), n, day.dayOfYear())));
                if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
                    benchmark::DoNotOptimize(file.commit());
            }
}
BENCHMARK(BM_WriteReservedDayFilesRaw)->Unit(benchmark::kMillisecond);

// Load Grid over the whole year for every team.
void BM_LoadGridYear40Teams(benchmark::State& state)
{
    BlockedTeams teams;
    for (auto _ : state)
        benchmark::DoNotOptimize(FindBlockedDays(QDate(2027, 1, 1), QDate(2027, 12, 31)).size());
}
BENCHMARK(BM_LoadGridYear40Teams)->Unit(benchmark::kMillisecond);

void BM_ReadYearDayFilesRaw(benchmark::State& state)
{
    BlockedTeams teams;
    for (auto _ : state) {
        qint64 total = 0;
        for (int n = 1; n <= Teams; ++n)
            for (QDate day(2027, 1, 1); day.year() == 2027; day = day.addDays(1))
                total += BlockedTeams::ReadRaw(n, day);
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ReadYearDayFilesRaw)->Unit(benchmark::kMillisecond);

} // namespace
