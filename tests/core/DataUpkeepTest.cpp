#include "core/DataUpkeep.h"
#include "scheduling/DayPurge.h"

#include "core/FileAccess.h"
#include "core/QtPrinters.h"
#include "core/SharedState.h"
#include "scheduling/SlipRecord.h"
#include "support/ProgramFolderFixture.h"

#include <QDir>
#include <QFile>

namespace {

class DataUpkeepTest : public ProgramFolderTest {
protected:
    static void UseTeams(int count, const QString& year = QStringLiteral("2026"))
    {
        Shared().TeamNames = QStringList{"populated"};
        for (int team = 1; team <= count; ++team)
            Shared().TeamNames.append(QStringLiteral("Crew %1").arg(team));
        Shared().CurrentYear = year;
    }

    void WriteDays(const QString& root, int team, int firstDay, int lastDay) const
    {
        for (int day = firstDay; day <= lastDay; ++day)
            WriteFile(root + TeamDayFilePath("2026", team, day), "\"day\"\r\n");
    }

    bool DayExists(int team, int day) const { return Exists(TeamDayFilePath("2026", team, day)); }

    static QByteArray Meeting(const QString& date)
    {
        SlipRecord slip;
        slip.EventKey = date;
        slip.EventDate = date;
        return slip.ToBytes();
    }
};

TEST_F(DataUpkeepTest, TeamListIsReadIntoTeamNames)
{
    Shared().TeamNames = QStringList{"populated", "Old crew"};
    ReadAssignments();
    EXPECT_EQ(Shared().TeamNames, QStringList{"empty"});

    WriteFile("/Assignto.txt", "");
    ReadAssignments();
    EXPECT_EQ(Shared().TeamNames, QStringList{"populated"});

    WriteFile("/Assignto.txt", "\"Smith, Jones & Co\"\r\n\"North\",\"South\"\n");
    ReadAssignments();
    EXPECT_EQ(Shared().TeamNames, (QStringList{"populated", "Smith, Jones & Co", "North", "South"}));
}

TEST_F(DataUpkeepTest, DayPurgeDeletesFromTheMarkerUpToYesterday)
{
    SetToday(QDate(2026, 2, 14)); // day 45
    UseTeams(2);
    WriteDays("", 1, 38, 46);
    WriteDays("", 2, 38, 46);
    WriteDays("/Backup", 1, 39, 44);
    WriteFile("/PurgedDate.txt", "39\r\n");

    PurgeOldDays();

    EXPECT_EQ(Shared().DayOfYear, 45);
    for (int team = 1; team <= 2; ++team) {
        for (int day = 38; day <= 46; ++day)
            EXPECT_EQ(DayExists(team, day), day < 39 || day > 44) << team << "/" << day;
    }
    EXPECT_TRUE(Exists("/Backup" + TeamDayFilePath("2026", 1, 40)));
    EXPECT_EQ(ReadFile("/PurgedDate.txt"), "44\r\n");
}

TEST_F(DataUpkeepTest, DayPurgeAfterTheTurnOfTheYear)
{
    UseTeams(1);
    WriteDays("", 1, 1, 5);
    WriteFile("/PurgedDate.txt", "364\r\n");
    SetToday(QDate(2026, 1, 2));
    PurgeOldDays();
    EXPECT_TRUE(DayExists(1, 1));
    EXPECT_EQ(ReadFile("/PurgedDate.txt"), "1\r\n");

    SetToday(QDate(2026, 1, 5));
    PurgeOldDays();
    for (int day = 1; day <= 5; ++day)
        EXPECT_EQ(DayExists(1, day), day == 5) << day;
    EXPECT_EQ(ReadFile("/PurgedDate.txt"), "4\r\n");

    // Without a marker the purge starts at day 1.
    QFile::remove(FullPath("/PurgedDate.txt"));
    WriteDays("", 1, 1, 7);
    SetToday(QDate(2026, 1, 7));
    PurgeOldDays();
    for (int day = 1; day <= 7; ++day)
        EXPECT_EQ(DayExists(1, day), day == 7) << day;
}

TEST_F(DataUpkeepTest, PreviousYearGoesFromDay121WhateverItsTeams)
{
    UseTeams(1);
    for (int team = 1; team <= 3; ++team) {
        WriteFile(QStringLiteral("/2026/Team# %1/200.txt").arg(team), "x");
        WriteFile(QStringLiteral("/Backup/2026/Team# %1/200.txt").arg(team), "x");
    }
    SetToday(QDate(2027, 4, 30)); // day 120
    CheckYearRollover();
    EXPECT_EQ(Shared().CurrentYear, "2027");
    EXPECT_TRUE(IsFolder("/2027/Team# 1"));
    EXPECT_TRUE(Exists("/2026/Team# 3/200.txt"));
    EXPECT_FALSE(IsFolder("/2028"));

    SetToday(QDate(2027, 5, 1)); // day 121
    CheckYearRollover();
    EXPECT_FALSE(IsFolder("/2026"));
    EXPECT_FALSE(IsFolder("/Backup/2026"));
    EXPECT_TRUE(IsFolder("/2028/Team# 1"));
    EXPECT_FALSE(IsFolder("/2028/Team# 2"));

    // In a leap year day 121 is the 30th of April.
    WriteFile("/2027/Team# 1/5.txt", "x");
    SetToday(QDate(2028, 4, 30));
    CheckYearRollover();
    EXPECT_FALSE(IsFolder("/2027"));
    EXPECT_TRUE(IsFolder("/2029/Team# 1"));
}

TEST_F(DataUpkeepTest, PreviousYearKeepsWhatTheProgramDidNotMake)
{
    UseTeams(3);
    for (const QString root : {"", "/Backup"}) {
        WriteFile(root + "/2026/Team# 1/5.txt", "x");
        WriteFile(root + "/2026/Team# 2/45.txt", "x");
        WriteFile(root + "/2026/Team# 2/notes.doc", "site notes");
        WriteFile(root + "/2026/Team# 2/045.txt", "not a day file of ours");
        WriteFile(root + "/2026/Team# 3/400.txt", "nor this");
        WriteFile(root + "/2026/Team# 9/plan.pdf", "plan");
    }
    SetToday(QDate(2027, 5, 1));
    CheckYearRollover();

    for (const QString root : {"", "/Backup"}) {
        EXPECT_EQ(QDir(FullPath(root + "/2026")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  (QStringList{"Team# 2", "Team# 3", "Team# 9"})) << root.toStdString();
        EXPECT_EQ(QDir(FullPath(root + "/2026/Team# 2")).entryList(QDir::Files), (QStringList{"045.txt", "notes.doc"}));
        EXPECT_EQ(ReadFile(root + "/2026/Team# 2/notes.doc"), "site notes");
        EXPECT_TRUE(Exists(root + "/2026/Team# 3/400.txt"));
        EXPECT_EQ(ReadFile(root + "/2026/Team# 9/plan.pdf"), "plan");
    }
}

TEST_F(DataUpkeepTest, MeetingPurgeDropsOnlyPastDays)
{
    // Today is 3/7/2026. December's day of the year is not yet past; a garbled date is kept.
    WriteFile("/Meetings.txt", Meeting("3/6/2026") + Meeting("3/7/2026") + Meeting("12/20/2025")
                                   + Meeting("1/15/2026") + Meeting("3/x/2026") + Meeting("3/8/2026")
                                   + Meeting("1/5/2027"));
    WriteFile("/Backup/Meetings.txt", "old copy");
    PurgeMeetings();
    EXPECT_EQ(ReadFile("/Meetings.txt"), Meeting("3/7/2026") + Meeting("12/20/2025") + Meeting("3/x/2026")
                                             + Meeting("3/8/2026") + Meeting("1/5/2027"));
    EXPECT_FALSE(Exists("/Backup/Meetings.txt"));
    EXPECT_FALSE(Exists("/TemporaryFile.txt"));

    QFile::remove(FullPath("/Meetings.txt"));
    PurgeMeetings();
    EXPECT_FALSE(Exists("/Meetings.txt"));
}

TEST_F(DataUpkeepTest, AMeetingPurgeThatDropsNothingLeavesTheFileToTheMeetingProgram)
{
    // The meeting program keeps the file open and appends through its handle; a rewrite would
    // leave that handle on a file no longer named Meetings.txt.
    const QByteArray kept = Meeting("3/7/2026") + Meeting("4/1/2026");
    WriteFile("/Meetings.txt", kept);
    WriteFile("/Backup/Meetings.txt", kept);
    QFile other(FullPath("/Meetings.txt"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly | QIODevice::Append));
    EXPECT_TRUE(PurgeMeetings());
    ASSERT_EQ(other.write(Meeting("4/2/2026")), SlipRecord::Length);
    other.close();
    EXPECT_EQ(ReadFile("/Meetings.txt"), kept + Meeting("4/2/2026"));
    EXPECT_EQ(ReadFile("/Backup/Meetings.txt"), kept);
}

TEST_F(DataUpkeepTest, APurgeThatCannotWriteSaysSo)
{
    UseTeams(1);
    // A folder where the marker or the compaction's scratch file has to go.
    for (const char* blocked : {"/PurgedDate.txt", "/TemporaryFile.txt"}) {
        WriteFile("/Meetings.txt", Meeting("3/6/2026") + Meeting("3/8/2026"));
        MakeFolders(blocked);
        EXPECT_FALSE(PurgeOldDays()) << blocked;
        EXPECT_EQ(GetFileRecordCount("/Meetings.txt", SlipRecord::Length),
                  QString(blocked) == "/PurgedDate.txt" ? 1 : 2) << blocked;
        QDir(FullPath(blocked)).removeRecursively();
    }
    EXPECT_TRUE(PurgeOldDays());
}

TEST_F(DataUpkeepTest, SettingsFilesAreRequiredAndRestored)
{
    const QStringList required{"/SchedulerSettings.txt", "/MyBusinessData.txt", "/Assignto.txt",
                               "/Characteristics.txt"};
    for (const QString& path : required)
        WriteFile(path, "\"x\"\r\n");
    EXPECT_TRUE(CheckSettingsFiles());

    for (const QString& path : required) {
        QFile::rename(FullPath(path), FullPath(path + ".away"));
        EXPECT_FALSE(CheckSettingsFiles()) << path.toStdString();
        WriteFile("/Backup" + path, "\"backup\"\r\n");
        EXPECT_TRUE(CheckSettingsFiles()) << path.toStdString();
        EXPECT_EQ(ReadFile(path), "\"backup\"\r\n");
    }
}

} // namespace
