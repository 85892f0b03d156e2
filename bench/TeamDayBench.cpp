#include "core/DataUpkeep.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"
#include "scheduling/TeamDayStore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// One team whose next months are densely booked: 59 taken workdays, scattered so that no run
// of five free workdays comes before the last of them.
struct BookedTeam {
    QTemporaryDir folder;
    QDate start{2027, 1, 4};

    BookedTeam()
    {
        SetProgramFolder(folder.path());
        Clock::Fix(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
        ResetSharedState();
        ResetSettings();
        Shared().TeamNames = {QStringLiteral("populated"), QStringLiteral("Framing crew")};
        Shared().CurrentYear = QStringLiteral("2026");
        CreateYearFolders(QStringLiteral("2027"));
        TeamDay().CurrentTeam = TeamText(1);

        QDate day = start;
        for (int taken = 0; taken < 59; ++taken) {
            day = SkipNonWorkDays(day);
            ScheduleDays(day, 1, QStringLiteral("Pj1-1-Framing"));
            // Every fourth workday is taken, leaving runs of three free days between.
            for (int i = 0; i < 4; ++i)
                day = SkipNonWorkDays(day.addDays(1));
        }
    }

    ~BookedTeam() { SetProgramFolder(QString()); }
};

void BM_FindOpenDayDenselyBooked(benchmark::State& state)
{
    BookedTeam team;
    for (auto _ : state) {
        QDate day = team.start;
        bool taken = false;
        FindOpenDay(day, 5, taken);
        benchmark::DoNotOptimize(day);
        if (taken)
            state.SkipWithError("no run found");
    }
}
BENCHMARK(BM_FindOpenDayDenselyBooked)->Unit(benchmark::kMillisecond);

void BM_ScheduleFiveDays(benchmark::State& state)
{
    BookedTeam team;
    for (auto _ : state)
        benchmark::DoNotOptimize(ScheduleDays(QDate(2027, 9, 6), 5, QStringLiteral("Pj2-1-Roofing")));
}
BENCHMARK(BM_ScheduleFiveDays)->Unit(benchmark::kMillisecond);

} // namespace
