#include "Application.h"
#include "core/DataUpkeep.h"
#include "RawRead.h"
#include "SampleProjects.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"
#include "scheduling/LoadedProjects.h"
#include "projects/MilestoneScheduling.h"
#include "projects/frmProjectControl.h"
#include "scheduling/ProjectFile.h"
#include "scheduling/TeamDayStore.h"

#include "core/FileAccess.h"
#include "platform/MessageBox.h"
#include "scheduling/EventRecords.h"
#include "scheduling/SlipRecord.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

ProjectData SampleProject(int p, int milestones, const QDate& first)
{
    ProjectData project;
    project.Header = SampleProjectHeader(p);
    ProjectHeader& h = project.Header;
    h.MilestoneCount = qint16(milestones);
    for (int j = 1; j <= milestones; ++j) {
        MilestoneRecord m;
        m.MilestoneName = QStringLiteral("Milestone %1").arg(j);
        m.PersonnelType = 2;
        m.ScheduledDate = first.addDays(j * 2);
        m.Phase = 2;
        m.Dependency = qint16(j - 1);
        m.Interval = j == 1 ? 0 : 1;
        m.Team = QStringLiteral("1");
        m.WorkLocation = QStringLiteral("On Site");
        m.StartSlot = QStringLiteral("3");
        m.Duration = QStringLiteral("1");
        m.Unit = QStringLiteral("Days");
        project.Milestones.append(m);
    }
    return project;
}

// 2,000 projects of 5 to 15 milestones, a fifth of them with a milestone past due.
struct BoardFolder {
    QTemporaryDir folder;

    BoardFolder()
    {
        SetProgramFolder(folder.path());
        Clock::Fix(QDateTime(QDate(2026, 6, 1), QTime(10, 0)));
        Write();
    }

    void Write()
    {
        QDir().mkpath(AppPath(ProjectsFolder));
        for (int p = 1; p <= 2000; ++p) {
            const QDate first = QDate(2026, 6, 1).addDays(p % 5 == 0 ? -10 : p % 90);
            ProjectData project = SampleProject(p, 5 + p % 11, first);
            WriteProjectFile(ProjectFilePath(project.Header.ProjectNo), project);
        }
    }
};

BoardFolder& Board()
{
    static BoardFolder folder;
    return folder;
}

void BM_BoardLoad2000(benchmark::State& state)
{
    EnsureApplication();
    BoardFolder& folder = Board();
    SetProgramFolder(folder.folder.path());
    Clock::Fix(QDateTime(QDate(2026, 6, 1), QTime(10, 0)));
    auto* board = new frmProjectControl;
    for (auto _ : state) {
        board->LoadProjects();
        benchmark::DoNotOptimize(board->fgProjects);
    }
    delete board;
    SetProgramFolder(QString());
}
BENCHMARK(BM_BoardLoad2000)->Unit(benchmark::kMillisecond);

// The same files' bytes alone, for the ratio.
void BM_BoardReadBytes2000(benchmark::State& state)
{
    BoardFolder& folder = Board();
    const QDir projects(QDir(folder.folder.path()).filePath(QStringLiteral("ConstructionProjects")));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadFolderRaw(projects, {QStringLiteral("*.txt")}));
}
BENCHMARK(BM_BoardReadBytes2000)->Unit(benchmark::kMillisecond);

// One project of 31 one-day milestones, each following the one before, on a team whose every
// other workday is taken for the next months.
struct ChainTeam {
    QTemporaryDir folder;
    QDate start{2027, 1, 4};

    ChainTeam()
    {
        SetProgramFolder(folder.path());
        Clock::Fix(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
        ResetSharedState();
        ResetSettings();
        ResetLoadedProjects();
        Shared().TeamNames = {QStringLiteral("populated"), QStringLiteral("Framing crew")};
        Shared().CurrentYear = QStringLiteral("2026");
        CreateYearFolders(QStringLiteral("2027"));
        TeamDay().CurrentTeam = TeamText(1);
        QDate day = start;
        for (int taken = 0; taken < 120; ++taken) {
            day = SkipNonWorkDays(day.addDays(1));
            ScheduleDays(day, 1, QStringLiteral("Mtg %1").arg(taken));
            day = SkipNonWorkDays(day.addDays(1));
        }
        QDir().mkpath(AppPath(ProjectsFolder));
        ProjectData project = SampleProject(1, 31, start);
        WriteProjectFile(ProjectFilePath(project.Header.ProjectNo), project);
        LoadProjects();
    }
};

ChainTeam& Chain()
{
    static ChainTeam team;
    return team;
}

void BM_RescheduleChain30(benchmark::State& state)
{
    ChainTeam& team = Chain();
    SetProgramFolder(team.folder.path());
    Clock::Fix(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
    int move = 0;
    for (auto _ : state) {
        // Back and forth by a week, so every run moves the whole chain.
        const QDate day = team.start.addDays(move++ % 2 == 0 ? 7 : 0);
        FreedSlots freed;
        FreeMilestoneDays(1, 1, freed);
        BookMilestone(1, 1, day);
        const BookingResult chain = RescheduleFollowing(1, 1);
        if (chain.Moved.size() != 30)
            state.SkipWithError("the chain did not move 30 milestones");
    }
    SetProgramFolder(QString());
}
BENCHMARK(BM_RescheduleChain30)->Unit(benchmark::kMillisecond);

// Reading the team's day files that the chain walks, for the ratio.
void BM_ReadChainDays(benchmark::State& state)
{
    ChainTeam& team = Chain();
    const QString teamFolder = QDir(team.folder.path()).filePath(QStringLiteral("2027/Team# 1"));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadFolderRaw(QDir(teamFolder)));
}
BENCHMARK(BM_ReadChainDays)->Unit(benchmark::kMillisecond);

// "CompleteAll" over the 2,000 projects: a fifth of them have past-due milestones, which are
// completed and written; the board then reads every project again.
void BM_CompleteAll2000(benchmark::State& state)
{
    EnsureApplication();
    BoardFolder& folder = Board();
    SetProgramFolder(folder.folder.path());
    Clock::Fix(QDateTime(QDate(2026, 6, 1), QTime(10, 0)));
    ResetSharedState();
    Shared().TeamNames = {QStringLiteral("populated"), QStringLiteral("Framing crew")};
    Shared().CurrentYear = QStringLiteral("2026");
    auto* board = new frmProjectControl;
    for (auto _ : state) {
        state.PauseTiming();
        folder.Write();
        ResetLoadedProjects();
        board->LoadProjects();
        MessageScript script;
        script.Queue(MsgAnswer::Yes);
        state.ResumeTiming();
        board->cmdCompleteAll_Click();
        if (!PastDueMilestones().isEmpty())
            state.SkipWithError("past-due milestones are left");
    }
    delete board;
    folder.Write();
    SetProgramFolder(QString());
}
BENCHMARK(BM_CompleteAll2000)->Unit(benchmark::kMillisecond)->Iterations(3);

// One project deleted from 2,000, whose event records are 10 of 20,000.
struct RecordsFolder {
    QTemporaryDir folder;
    QByteArray records;

    RecordsFolder()
    {
        for (int p = 1; p <= 2000; ++p)
            for (int r = 1; r <= 10; ++r) {
                SlipRecord record;
                record.EventKey = QStringLiteral("Pj%1-%2").arg(p % 366 + 1).arg(p / 366 + 1);
                record.EventText = QStringLiteral("Milestone %1").arg(r);
                record.TeamNo = QStringLiteral("1");
                records += record.ToBytes();
            }
    }

    void Write()
    {
        SetProgramFolder(folder.path());
        QDir().mkpath(AppPath(ProjectsFolder));
        ProjectData project = SampleProject(1000, 10, QDate(2026, 6, 2));
        WriteProjectFile(ProjectFilePath(project.Header.ProjectNo), project);
        QFile file(AppPath(ProjectRecordsPath));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(records);
    }
};

RecordsFolder& Records()
{
    static RecordsFolder folder;
    return folder;
}

void BM_DeleteProject20000Records(benchmark::State& state)
{
    EnsureApplication();
    RecordsFolder& folder = Records();
    Clock::Fix(QDateTime(QDate(2026, 6, 1), QTime(10, 0)));
    ResetSharedState();
    Shared().TeamNames = {QStringLiteral("populated"), QStringLiteral("Framing crew")};
    Shared().CurrentYear = QStringLiteral("2026");
    folder.Write();
    auto* board = new frmProjectControl;
    for (auto _ : state) {
        state.PauseTiming();
        folder.Write();
        ResetLoadedProjects();
        board->LoadProjects();
        const QString projectNo = LoadedProjects().Projects.at(1).Header.ProjectNo;
        state.ResumeTiming();
        board->DeleteProject(1, projectNo);
    }
    if (GetFileRecordCount(ProjectRecordsPath, SlipRecord::Length) != 19990)
        state.SkipWithError("the project's records were not dropped");
    delete board;
    SetProgramFolder(QString());
}
BENCHMARK(BM_DeleteProject20000Records)->Unit(benchmark::kMillisecond);

// Reading the 20,000 records' bytes alone, for the ratio.
void BM_ReadEventRecords20000(benchmark::State& state)
{
    RecordsFolder& folder = Records();
    folder.Write();
    for (auto _ : state) {
        QFile file(AppPath(ProjectRecordsPath));
        qint64 total = 0;
        if (file.open(QIODevice::ReadOnly))
            total = file.readAll().size();
        benchmark::DoNotOptimize(total);
    }
    SetProgramFolder(QString());
}
BENCHMARK(BM_ReadEventRecords20000)->Unit(benchmark::kMillisecond);

} // namespace
