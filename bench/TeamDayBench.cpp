#include "core/DataUpkeep.h"
#include "RawRead.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"
#include "scheduling/TeamDayStore.h"

#include <QFile>
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
        Use();
        CreateYearFolders(QStringLiteral("2027"));
        QDate day = start;
        for (int taken = 0; taken < 59; ++taken) {
            day = SkipNonWorkDays(day);
            ScheduleDays(day, 1, QStringLiteral("Pj1-1-Framing"));
            // Every fourth workday is taken, leaving runs of three free days between.
            for (int i = 0; i < 4; ++i)
                day = SkipNonWorkDays(day.addDays(1));
        }
    }

    // Points the program at this folder, as a start of the program on it would.
    void Use() const
    {
        SetProgramFolder(folder.path());
        Clock::Fix(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
        ResetSharedState();
        ResetSettings();
        ResetTeamDayState();
        Shared().TeamNames = {QStringLiteral("populated"), QStringLiteral("Framing crew")};
        Shared().CurrentYear = QStringLiteral("2026");
        TeamDay().CurrentTeam = TeamText(1);
    }

    ~BookedTeam() { SetProgramFolder(QString()); }
};

// The search and the plain read of its files share one folder; the booking benchmark writes,
// so it has a folder of its own.
BookedTeam& SearchedTeam()
{
    static BookedTeam team;
    return team;
}

constexpr int SearchedRun = 5;

void BM_FindOpenDayDenselyBooked(benchmark::State& state)
{
    const BookedTeam& team = SearchedTeam();
    team.Use();
    for (auto _ : state) {
        QDate day = team.start;
        bool taken = false;
        FindOpenDay(day, SearchedRun, taken);
        benchmark::DoNotOptimize(day);
        if (taken)
            state.SkipWithError("no run found");
    }
}
BENCHMARK(BM_FindOpenDayDenselyBooked)->Unit(benchmark::kMillisecond);

// Reading the bytes of every day file the search looks at (each workday from the start to the
// end of the run it finds; a free day has no file), for the ratio.
void BM_ReadDayFilesDenselyBooked(benchmark::State& state)
{
    const BookedTeam& team = SearchedTeam();
    team.Use();
    QDate found = team.start;
    bool taken = false;
    FindOpenDay(found, SearchedRun, taken);
    QDate last = found;
    for (int i = 1; i < SearchedRun; ++i)
        last = SkipNonWorkDays(last.addDays(1));
    QStringList paths;
    for (QDate day = SkipNonWorkDays(team.start); day <= last; day = SkipNonWorkDays(day.addDays(1)))
        paths.append(AppPath(TeamDayFilePath(QString::number(day.year()), 1, day.dayOfYear())));

    for (auto _ : state) {
        qint64 total = 0;
        for (const QString& path : paths)
            total += ReadFileRaw(path);
        benchmark::DoNotOptimize(total);
    }
    state.counters["files"] = double(paths.size());
}
BENCHMARK(BM_ReadDayFilesDenselyBooked)->Unit(benchmark::kMillisecond);

void BM_ScheduleFiveDays(benchmark::State& state)
{
    BookedTeam team;
    for (auto _ : state)
        benchmark::DoNotOptimize(ScheduleDays(QDate(2027, 9, 6), 5, QStringLiteral("Pj2-1-Roofing")));
}
BENCHMARK(BM_ScheduleFiveDays)->Unit(benchmark::kMillisecond);

} // namespace
