#include "core/FileAccess.h"
#include "scheduling/LoadedProjects.h"
#include "support/ProgramFolderFixture.h"

#include <QFile>

namespace {

class LoadedProjectsTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        ResetLoadedProjects();
        MakeFolders(ProjectsFolder);
    }
    void TearDown() override
    {
        ResetLoadedProjects();
        ProgramFolderTest::TearDown();
    }

    // A project whose milestones fall on the given dates, all "Scheduled".
    void WriteProject(const QString& projectNo, const QList<QDate>& dates, const QString& status = StatusScheduled)
    {
        ProjectData project;
        project.Header.ProjectNo = projectNo;
        project.Header.ProjectName = QStringLiteral("Project ") + projectNo;
        project.Header.MilestoneCount = qint16(dates.size());
        for (int j = 0; j < dates.size(); ++j) {
            MilestoneRecord m;
            m.MilestoneName = QStringLiteral("Step %1").arg(j + 1);
            m.PersonnelType = 2;
            m.ScheduledDate = dates[j];
            m.Status = status;
            project.Milestones.append(m);
        }
        ASSERT_TRUE(WriteProjectFile(ProjectFilePath(projectNo), project));
    }
};

TEST_F(LoadedProjectsTest, LoadsEveryProjectAndItsMilestones)
{
    const QDate later(2026, 6, 1);
    WriteProject(QStringLiteral("Pj10-1"), {later, later});
    WriteProject(QStringLiteral("Pj10-2"), {later, later, later, later, later});
    WriteProject(QStringLiteral("Pj11-1"), {later});

    LoadProjects();
    const LoadedProjectsState& state = LoadedProjects();
    EXPECT_TRUE(state.ProjectsLoaded);
    EXPECT_EQ(state.ProjectCount, 3);
    EXPECT_EQ(state.MsCount, 5);
    EXPECT_EQ(state.ProjectFiles, (QStringList{QString(), "Pj10-1.txt", "Pj10-2.txt", "Pj11-1.txt"}));
    EXPECT_EQ(state.Projects[1].Milestones.size(), 2);
    EXPECT_EQ(state.Projects[2].Milestones[4].MilestoneName, QStringLiteral("Step 5"));
    EXPECT_EQ(state.Projects[3].Header.ProjectName, QStringLiteral("Project Pj11-1"));
}

TEST_F(LoadedProjectsTest, NoProjectFileLeavesTheTablesStale)
{
    LoadProjects();
    EXPECT_FALSE(LoadedProjects().ProjectsLoaded);
    EXPECT_EQ(LoadedProjects().ProjectCount, 0);

    WriteProject(QStringLiteral("Pj1-1"), {QDate(2026, 6, 1)});
    LoadProjects();
    ASSERT_TRUE(LoadedProjects().ProjectsLoaded);
    QFile::remove(FullPath(ProjectFilePath(QStringLiteral("Pj1-1"))));
    LoadProjects();
    EXPECT_FALSE(LoadedProjects().ProjectsLoaded);
    EXPECT_EQ(LoadedProjects().ProjectCount, 0);
}

TEST_F(LoadedProjectsTest, PastDueMeansBeforeTodayAndNotExactlyCompleted)
{
    const QDate today(2026, 3, 7);
    MilestoneRecord m;
    m.ScheduledDate = today.addDays(-1);
    EXPECT_TRUE(IsPastDue(m, today));
    m.Status = StatusCompleted;
    EXPECT_FALSE(IsPastDue(m, today));
    m.Status = QStringLiteral("completed");
    EXPECT_TRUE(IsPastDue(m, today));
    m.Status = StatusScheduled;
    m.ScheduledDate = today;
    EXPECT_FALSE(IsPastDue(m, today));

    WriteProject(QStringLiteral("Pj1-1"), {today.addDays(-1), today});
    WriteProject(QStringLiteral("Pj1-2"), {today.addDays(-30)}, StatusCompleted);
    WriteProject(QStringLiteral("Pj1-3"), {today.addDays(3), today.addDays(-2)});
    LoadProjects();
    const QList<MilestoneRef> pastDue = PastDueMilestones();
    ASSERT_EQ(pastDue.size(), 2);
    EXPECT_EQ(pastDue[0].Project, 1);
    EXPECT_EQ(pastDue[0].Milestone, 1);
    EXPECT_EQ(pastDue[1].Project, 3);
    EXPECT_EQ(pastDue[1].Milestone, 2);
}

TEST_F(LoadedProjectsTest, OnlyTheChangedProjectIsWrittenBackToItsOwnFile)
{
    WriteProject(QStringLiteral("Pj1-1"), {QDate(2026, 6, 1)});
    WriteProject(QStringLiteral("Pj1-2"), {QDate(2026, 6, 2)});
    const QByteArray untouched = ReadFile(ProjectFilePath(QStringLiteral("Pj1-1")));
    WriteFile(BackupPathOf(ProjectFilePath(QStringLiteral("Pj1-2"))), "old backup");
    LoadProjects();

    LoadedProjectsState& state = LoadedProjects();
    state.Projects[2].Milestones[0].ScheduledDate = QDate(2026, 7, 1);
    state.Projects[2].ProjectChanged = true;
    // A new project file appearing in between changes nothing about where Pj1-2 goes.
    WriteProject(QStringLiteral("Pj1-10"), {QDate(2026, 6, 3)});

    EXPECT_TRUE(SaveProjects().isEmpty());
    EXPECT_FALSE(state.ProjectsLoaded);
    EXPECT_EQ(ReadFile(ProjectFilePath(QStringLiteral("Pj1-1"))), untouched);
    EXPECT_TRUE(ReadFile(ProjectFilePath(QStringLiteral("Pj1-2"))).contains("#2026-07-01#"));
    EXPECT_FALSE(ReadFile(ProjectFilePath(QStringLiteral("Pj1-10"))).contains("#2026-07-01#"));
    EXPECT_EQ(ReadFile(BackupPathOf(ProjectFilePath(QStringLiteral("Pj1-2")))), QByteArray("old backup"));

    // Saving stale tables writes nothing.
    state.Projects[1].ProjectChanged = true;
    state.Projects[1].Header.ProjectName = QStringLiteral("Renamed");
    SaveProjects();
    EXPECT_EQ(ReadFile(ProjectFilePath(QStringLiteral("Pj1-1"))), untouched);
}

TEST_F(LoadedProjectsTest, DamagedFileIsLeftOutUntouchedAndReportedOnce)
{
    WriteProject(QStringLiteral("Pj1-1"), {QDate(2026, 6, 1)});
    const QByteArray damaged = "\"Pj1-2\",\"Cut short\"\r\n";
    WriteFile(ProjectFilePath(QStringLiteral("Pj1-2")), damaged);
    WriteProject(QStringLiteral("Pj1-3"), {QDate(2026, 6, 1), QDate(2026, 6, 2)});

    LoadProjects();
    const LoadedProjectsState& state = LoadedProjects();
    EXPECT_EQ(state.ProjectCount, 2);
    EXPECT_EQ(state.ProjectFiles, (QStringList{QString(), "Pj1-1.txt", "Pj1-3.txt"}));
    EXPECT_EQ(state.Projects[2].Header.ProjectNo, QStringLiteral("Pj1-3"));
    EXPECT_EQ(TakeUnreportedDamagedFiles(), QStringList{"Pj1-2.txt"});

    LoadedProjects().Projects[1].ProjectChanged = true;
    SaveProjects();
    LoadProjects();
    EXPECT_TRUE(TakeUnreportedDamagedFiles().isEmpty());
    EXPECT_EQ(ReadFile(ProjectFilePath(QStringLiteral("Pj1-2"))), damaged);
}

} // namespace
