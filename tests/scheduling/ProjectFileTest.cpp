#include "core/FileAccess.h"
#include "core/SharedState.h"
#include "scheduling/EventRecords.h"
#include "scheduling/LoadedProjects.h"
#include "scheduling/ProjectCounter.h"
#include "scheduling/ProjectFile.h"
#include "support/FileFlags.h"
#include "support/ProgramFolderFixture.h"

#include <QFile>

namespace {

class ProjectFileTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        ResetProjectCounter();
        ResetLoadedProjects();
        ResetSlipRec();
        MakeFolders(ProjectsFolder);
    }
    void TearDown() override
    {
        ResetProjectCounter();
        ResetLoadedProjects();
        ResetSlipRec();
        ProgramFolderTest::TearDown();
    }
};

ProjectHeader SampleHeader()
{
    ProjectHeader h;
    h.ProjectNo = QStringLiteral("Pj45-3");
    h.ProjectName = QStringLiteral("Kitchen Remodel");
    h.AccountNo = QStringLiteral("SMITH01");
    h.ProposalNo = QString();
    h.CustomerName = QStringLiteral("John Smith");
    h.Address1 = QStringLiteral("12 Oak St");
    h.City = QStringLiteral("Springfield");
    h.State = QStringLiteral("IL");
    h.Zip = QStringLiteral("62701");
    h.Telephone = QStringLiteral("(217)555-0100");
    h.SiteName = QStringLiteral("Smith, Lake House");
    h.SiteAddress1 = QStringLiteral("4 Shore Rd");
    h.SiteCity = QStringLiteral("Lakeview");
    h.SiteState = QStringLiteral("IL");
    h.SiteZip = QStringLiteral("62999");
    h.SiteTelephone = QStringLiteral("(217)555-0199");
    h.MilestoneCount = 2;
    return h;
}

MilestoneRecord Permit()
{
    MilestoneRecord m;
    m.MilestoneName = QStringLiteral("Permit");
    m.PersonnelType = 1;
    m.ScheduledDate = QDate(2026, 2, 16);
    m.Phase = 1;
    m.WorkLocation = QStringLiteral("Office");
    m.StartSlot = QStringLiteral("3");
    return m;
}

MilestoneRecord Framing()
{
    MilestoneRecord m;
    m.MilestoneName = QStringLiteral("Framing");
    m.PersonnelType = 2;
    m.ScheduledDate = QDate(2026, 3, 2);
    m.Phase = 2;
    m.Dependency = 1;
    m.Interval = 14;
    m.Team = QStringLiteral("2");
    m.WorkLocation = QStringLiteral("On Site");
    m.StartSlot = QStringLiteral("3");
    m.Duration = QStringLiteral("5");
    m.Unit = QStringLiteral("Days");
    return m;
}

TEST_F(ProjectFileTest, CounterOffersTheDaysNextNumberAndRestartsOnANewDay)
{
    SetToday(QDate(2026, 2, 14)); // day 45
    ASSERT_TRUE(ReadProjectCounter());
    EXPECT_EQ(ProjectCounter().NewProjectNo, QStringLiteral("Pj45-1"));
    EXPECT_EQ(ReadFile(PjCounterPath), QByteArray("\"45\",1\r\n"));

    // Activating twice without saving offers the same number.
    ASSERT_TRUE(ReadProjectCounter());
    EXPECT_EQ(ProjectCounter().NewProjectNo, QStringLiteral("Pj45-1"));

    WriteFile(PjCounterPath, "\"45\",3\r\n");
    ReadProjectCounter();
    EXPECT_EQ(ProjectCounter().NewProjectNo, QStringLiteral("Pj45-3"));
    NextProjectNumber();
    SaveProjectCounter();
    ReadProjectCounter();
    EXPECT_EQ(ReadFile(PjCounterPath), QByteArray("\"45\",4\r\n"));
    EXPECT_EQ(ProjectCounter().NewProjectNo, QStringLiteral("Pj45-4"));

    SetToday(QDate(2026, 2, 15));
    ReadProjectCounter();
    EXPECT_EQ(ProjectCounter().NewProjectNo, QStringLiteral("Pj46-1"));

    // The same day of the year in a later year continues the sequence.
    WriteFile(PjCounterPath, "\"46\",7\r\n");
    SetToday(QDate(2027, 2, 15));
    ReadProjectCounter();
    EXPECT_EQ(ProjectCounter().NewProjectNo, QStringLiteral("Pj46-7"));
}

TEST_F(ProjectFileTest, CounterPassesOverNumbersWhoseProjectStillExists)
{
    SetToday(QDate(2026, 2, 14));
    WriteFile(ProjectFilePath(QStringLiteral("Pj45-1")), "old project\r\n");
    WriteFile(BackupPathOf(ProjectFilePath(QStringLiteral("Pj45-2"))), "old project\r\n");
    ReadProjectCounter();
    EXPECT_EQ(ProjectCounter().NewProjectNo, QStringLiteral("Pj45-3"));

    WriteFile(ProjectFilePath(QStringLiteral("Pj45-4")), "old project\r\n");
    NextProjectNumber();
    EXPECT_EQ(ProjectCounter().NewProjectNo, QStringLiteral("Pj45-5"));
}

TEST_F(ProjectFileTest, CounterRefusesRatherThanReuseTheDaysLastNumber)
{
    SetToday(QDate(2026, 2, 14));
    WriteFile(ProjectFilePath(QStringLiteral("Pj45-32766")), "old project\r\n");
    WriteFile(PjCounterPath, "\"45\",32766\r\n");
    ASSERT_TRUE(ReadProjectCounter());
    EXPECT_EQ(ProjectCounter().NewProjectNo, QStringLiteral("Pj45-32767"));

    // Once the last number has its project, nothing is offered, by either road.
    WriteFile(ProjectFilePath(QStringLiteral("Pj45-32767")), "old project\r\n");
    EXPECT_FALSE(NextProjectNumber());
    EXPECT_TRUE(ProjectCounter().NoNumberLeft);
    EXPECT_EQ(ProjectCounter().NewProjectNo, QString());
    ResetProjectCounter();
    EXPECT_FALSE(ReadProjectCounter());
    EXPECT_TRUE(ProjectCounter().NoNumberLeft);
    EXPECT_EQ(ProjectCounter().NewProjectNo, QString());
    EXPECT_EQ(ReadFile(PjCounterPath), QByteArray("\"45\",32767\r\n"));

    // The next day starts again at 1.
    SetToday(QDate(2026, 2, 15));
    ASSERT_TRUE(ReadProjectCounter());
    EXPECT_FALSE(ProjectCounter().NoNumberLeft);
    EXPECT_EQ(ProjectCounter().NewProjectNo, QStringLiteral("Pj46-1"));
}

TEST_F(ProjectFileTest, ProjectFileIsWrittenAndReadBackExactly)
{
    ProjectData project{SampleHeader(), {Permit(), Framing()}};
    const QString path = ProjectFilePath(QStringLiteral("Pj45-3"));
    ASSERT_TRUE(WriteProjectFile(path, project));

    const QByteArray expected =
        "\"Pj45-3\",\"Kitchen Remodel\",\"SMITH01\",\"\",\"John Smith\",\"12 Oak St\",\"\",\"Springfield\","
        "\"IL\",\"62701\",\"(217)555-0100\",\"Smith, Lake House\",\"4 Shore Rd\",\"\",\"Lakeview\",\"IL\","
        "\"62999\",\"(217)555-0199\",2\r\n"
        "\"Permit\",1,#2026-02-16#,1,0,0,\"\",\"Office\",\"3\",\"\",\"\",\"Scheduled\",\"Not Completed \"\r\n"
        "\"Framing\",2,#2026-03-02#,2,1,14,\"2\",\"On Site\",\"3\",\"5\",\"Days\",\"Scheduled\",\"Not Completed \"\r\n";
    EXPECT_EQ(ReadFile(path), expected);

    std::optional<ProjectData> read = ReadProjectFile(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Header.SiteName, QStringLiteral("Smith, Lake House"));
    EXPECT_EQ(read->Header.MilestoneCount, 2);
    ASSERT_EQ(read->Milestones.size(), 2);
    EXPECT_EQ(read->Milestones[1].ScheduledDate, QDate(2026, 3, 2));
    EXPECT_EQ(read->Milestones[1].Interval, 14);
    EXPECT_EQ(read->Milestones[0].CompletedDate, NotCompleted);

    // Writing what was read gives the same bytes again.
    ASSERT_TRUE(WriteProjectFile(path, *read));
    EXPECT_EQ(ReadFile(path), expected);
}

TEST_F(ProjectFileTest, HeaderCountsTheMilestonesWritten)
{
    const QString path = ProjectFilePath(QStringLiteral("Pj45-3"));
    for (qint16 staleCount : {qint16(0), qint16(1), qint16(5)}) {
        ProjectHeader header = SampleHeader();
        header.MilestoneCount = staleCount;
        ASSERT_TRUE(WriteProjectFile(path, ProjectData{header, {Permit(), Framing()}}));
        const std::optional<ProjectData> read = ReadProjectFile(path);
        ASSERT_TRUE(read) << staleCount;
        EXPECT_EQ(read->Header.MilestoneCount, 2) << staleCount;
        ASSERT_EQ(read->Milestones.size(), 2) << staleCount;
        EXPECT_EQ(read->Milestones[1].MilestoneName, QStringLiteral("Framing")) << staleCount;
    }
}

TEST_F(ProjectFileTest, QuoteInATitleDoesNotShiftTheItems)
{
    ProjectHeader header = SampleHeader();
    header.ProjectName = QStringLiteral("The \"Big\" Barn");
    const QString path = ProjectFilePath(header.ProjectNo);
    ASSERT_TRUE(WriteProjectFile(path, ProjectData{header, {Permit(), Framing()}}));
    std::optional<ProjectData> read = ReadProjectFile(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Header.ProjectName, QStringLiteral("The 'Big' Barn"));
    EXPECT_EQ(read->Header.AccountNo, QStringLiteral("SMITH01"));
}

TEST_F(ProjectFileTest, WizardScratchFileStartsWithTheHeader)
{
    WriteFile(ProjectTempFilePath, "left from an earlier run\r\n");
    WriteFile(BackupPathOf(ProjectTempFilePath), "old backup\r\n");
    ASSERT_TRUE(WriteProjectHeader(SampleHeader()));
    ASSERT_TRUE(AppendMilestoneRecord(Permit()));
    ASSERT_TRUE(AppendMilestoneRecord(Framing()));

    EXPECT_EQ(ReadFile(ProjectTempFilePath),
              FormatProjectHeader(SampleHeader()) + FormatMilestoneRecord(Permit()) + FormatMilestoneRecord(Framing()));
    EXPECT_FALSE(Exists(BackupPathOf(ProjectTempFilePath)));
}

TEST_F(ProjectFileTest, WizardScratchFileThatCannotBeDeletedIsNotAppendedTo)
{
    WriteFile(ProjectTempFilePath, "left from an earlier run\r\n");
    if (!SetAppendOnly(FullPath(ProjectTempFilePath), true))
        GTEST_SKIP() << "files cannot be made undeletable here";
    const bool written = WriteProjectHeader(SampleHeader());
    SetAppendOnly(FullPath(ProjectTempFilePath), false);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadFile(ProjectTempFilePath), "left from an earlier run\r\n");
}

TEST_F(ProjectFileTest, DamagedFilesReadAsNothing)
{
    const QByteArray header = FormatProjectHeader(SampleHeader());
    const QByteArray permit = FormatMilestoneRecord(Permit());
    const QList<QByteArray> damaged = {
        QByteArray(),                                        // empty
        header,                                              // ends before its milestones
        header + permit,                                     // one of two milestones
        header + permit + "\"Framing\",two,#2026-03-02#,2,1,14,\"2\",\"On Site\",\"3\",\"5\",\"Days\",\"Scheduled\",\"x\"\r\n",
        header + permit + "\"Framing\",2,#not a date#,2,1,14,\"2\",\"On Site\",\"3\",\"5\",\"Days\",\"Scheduled\",\"x\"\r\n",
        "\"Pj1-1\",\"short header\",3\r\n",
    };
    for (const QByteArray& bytes : damaged) {
        WriteFile(QStringLiteral("/ConstructionProjects/Bad.txt"), bytes);
        EXPECT_FALSE(ReadProjectFile(QStringLiteral("/ConstructionProjects/Bad.txt"))) << bytes.toStdString();
    }
}

TEST_F(ProjectFileTest, EventRecordOfATechnicalMilestone)
{
    ProjectHeader header = SampleHeader();
    header.SiteName = QStringLiteral("Café on the Lake, with a longer name");
    LoadedProjects().Projects[0].Header = header;
    LoadedProjects().Projects[0].Milestones = {Permit(), Framing()};
    SlipRec().RecordTag = QStringLiteral("OLDTAG");

    FillProjectRecord(2);
    const QByteArray bytes = SlipRec().ToBytes();
    ASSERT_EQ(bytes.size(), SlipRecord::Length);
    EXPECT_EQ(bytes.mid(0, 10), QByteArray(10, ' '));
    EXPECT_EQ(bytes.mid(10, 10), QByteArray("Pj45-3    "));
    EXPECT_EQ(bytes.mid(20, 2), QByteArray("2 "));
    EXPECT_EQ(bytes.mid(22, 6), QByteArray("Days  "));
    EXPECT_EQ(bytes.mid(28, 2), QByteArray("5 "));
    EXPECT_EQ(bytes.mid(30, 10), QByteArray("3/2/2026  "));
    EXPECT_EQ(bytes.mid(40, 2), QByteArray("3 "));
    EXPECT_EQ(bytes.mid(42, 30), QByteArray("Framing").leftJustified(30, ' '));
    EXPECT_EQ(bytes.mid(72, 20), QByteArray("Scheduled").leftJustified(20, ' '));
    EXPECT_EQ(bytes.mid(132, 10), QByteArray("$2.00     "));
    EXPECT_EQ(bytes.mid(142, 20), QByteArray("SMITH01").leftJustified(20, ' '));
    // The site name is cut to its 30 bytes; "é" is one byte.
    EXPECT_EQ(bytes.mid(162, 30), QByteArray("Caf\xe9 on the Lake, with a longe"));
    EXPECT_EQ(bytes.mid(284, 13), QByteArray("(217)555-0199"));
}

TEST_F(ProjectFileTest, EventRecordOfAMilestoneNotHeldIsRefused)
{
    LoadedProjects().Projects[0].Header = SampleHeader();
    LoadedProjects().Projects[0].Milestones = {Permit(), Framing()};
    SlipRec().EventKey = QStringLiteral("KEEP");
    for (int position : {0, -1, 3})
        EXPECT_FALSE(FillProjectRecord(position)) << position;
    LoadedProjects().Projects.clear();
    EXPECT_FALSE(FillProjectRecord(1));
    EXPECT_EQ(SlipRec().EventKey, QStringLiteral("KEEP"));
}

TEST_F(ProjectFileTest, AppendingGoesAfterTheLastWholeRecord)
{
    SlipRec().EventKey = QStringLiteral("Pj1-1");
    ASSERT_TRUE(AppendRecord(ProjectRecordsPath));
    EXPECT_EQ(ReadFile(ProjectRecordsPath).size(), 297);

    WriteFile(SlipsPath, QByteArray(5 * 297, ' '));
    SlipRec().EventKey = QStringLiteral("SA77");
    ASSERT_TRUE(AppendRecord(SlipsPath));
    const QByteArray bytes = ReadFile(SlipsPath);
    EXPECT_EQ(bytes.size(), 1782);
    EXPECT_EQ(bytes.mid(1485 + 10, 4), QByteArray("SA77"));
    EXPECT_EQ(Shared().SlipRecNext, 6);

    const QList<SlipRecord> records = ReadEventRecords(SlipsPath);
    ASSERT_EQ(records.size(), 6);
    EXPECT_EQ(records[5].EventKey, QStringLiteral("SA77"));
    EXPECT_TRUE(ReadEventRecords(QStringLiteral("/Meetings.txt")).isEmpty());
    EXPECT_FALSE(Exists(QStringLiteral("/Meetings.txt")));
}

} // namespace
