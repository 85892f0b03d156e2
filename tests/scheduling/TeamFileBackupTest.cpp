#include "core/DataUpkeep.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/ProgramFolder.h"
#include "scheduling/TeamDayStore.h"
#include "scheduling/TeamFileBackup.h"
#include "core/QtPrinters.h"
#include "support/ProgramFolderFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class TeamFileBackupTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        Shared().TeamNames = {QStringLiteral("populated"), QStringLiteral("Framers"), QStringLiteral("Roofers")};
        Shared().CurrentYear = QStringLiteral("2026");
        for (int year = 2026; year <= 2028; ++year)
            for (int team = 1; team <= 2; ++team) {
                MakeFolders(TeamFolderPath(QString::number(year), team));
                MakeFolders(QStringLiteral("/Backup") + TeamFolderPath(QString::number(year), team));
            }
    }

    // Every file of the live (or backup) team folders with its bytes, by path below the year.
    QMap<QString, QByteArray> TeamFiles(bool live) const
    {
        QMap<QString, QByteArray> files;
        for (int year = 2026; year <= 2028; ++year)
            for (int team = 1; team <= Shared().TeamCount(); ++team) {
                const QString folder = TeamFolderPath(QString::number(year), team);
                const QString root = live ? folder : QStringLiteral("/Backup") + folder;
                for (const QString& name : QDir(FullPath(root)).entryList(QDir::Files))
                    files.insert(folder + '/' + name, ReadFile(root + '/' + name));
            }
        return files;
    }

    void Book(const QDate& day, int team, const QString& text, int days = 1)
    {
        TeamDay().CurrentTeam = TeamText(team);
        ASSERT_TRUE(ScheduleDays(day, days, text));
    }

    static MilestoneRecord Milestone(const QString& name, const QDate& date, int team, const QString& unit, int duration)
    {
        MilestoneRecord m;
        m.MilestoneName = name;
        m.PersonnelType = 2;
        m.ScheduledDate = date;
        m.Team = QString::number(team);
        m.Unit = unit;
        m.Duration = QString::number(duration);
        return m;
    }
};

TEST_F(TeamFileBackupTest, ARestoreAfterBookingPutsBackExactlyTheSnapshot)
{
    Book(QDate(2026, 3, 9), 1, "Pj1-1-Framing");
    Book(QDate(2027, 6, 1), 2, "Pj1-1-Roofing");
    WriteFile("/Backup/2026/Team# 1/5.txt", "stale copy\r\n");
    WriteFile("/2026/Team# 2/notes.dat", "not a day file");
    ASSERT_TRUE(BackupTeamFiles());
    QMap<QString, QByteArray> expectedBackup = TeamFiles(true);
    expectedBackup.remove("/2026/Team# 2/notes.dat");
    EXPECT_EQ(TeamFiles(false), expectedBackup); // the stale copy went, only ".txt" files came

    // A team added since start-up has no backup folder yet.
    Shared().TeamNames.append(QStringLiteral("Painters"));
    Book(QDate(2026, 4, 1), 3, "Pj1-1-Painting");
    ASSERT_TRUE(BackupTeamFiles());
    EXPECT_TRUE(IsFolder("/Backup/2027/Team# 3"));
    QMap<QString, QByteArray> snapshot = TeamFiles(true);
    snapshot.remove("/2026/Team# 2/notes.dat"); // a restore mirrors the copy

    Book(QDate(2026, 3, 9), 2, "Pj2-1-Siding");     // a new day file
    Book(QDate(2027, 6, 2), 2, "Pj2-1-Gutters", 3); // more new ones
    TeamDay().CurrentTeam = TeamText(1);
    LoadTeamDay(QDate(2026, 3, 9), TeamText(1));
    TeamDay().DaySlots[1] = "Pj2-1-Early";
    ASSERT_TRUE(SaveTeamDay(QDate(2026, 3, 9), TeamText(1)));
    ASSERT_TRUE(RestoreTeamFiles());
    EXPECT_EQ(TeamFiles(true), snapshot);

    // A team whose copy was never made keeps its days.
    Shared().TeamNames.append(QStringLiteral("Glaziers"));
    Book(QDate(2026, 4, 2), 4, "Pj3-1-Glazing");
    ASSERT_TRUE(RestoreTeamFiles());
    EXPECT_TRUE(Exists("/2026/Team# 4/92.txt"));
}

TEST_F(TeamFileBackupTest, AFolderThatCannotBeListedEmptiesNoOtherFolder)
{
    Book(QDate(2026, 3, 9), 1, "Pj1-1-Framing");
    ASSERT_TRUE(BackupTeamFiles());
    const QMap<QString, QByteArray> live = TeamFiles(true), backup = TeamFiles(false);
    // Folders the user running may enter and write but not list.
    const QFile::Permissions noList = QFile::WriteOwner | QFile::ExeOwner;
    const QFile::Permissions all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    for (const bool restore : {true, false}) {
        SCOPED_TRACE(restore ? "restore" : "backup");
        const QString source = FullPath(restore ? "/Backup/2026/Team# 1" : "/2026/Team# 1");
        QFile::setPermissions(source, noList);
        if (!QDir(source).entryList(QDir::Files).isEmpty() || QFileInfo(source).isReadable()) {
            QFile::setPermissions(source, all);
            GTEST_SKIP() << "this user lists every folder";
        }
        EXPECT_FALSE(restore ? RestoreTeamFiles() : BackupTeamFiles());
        QFile::setPermissions(source, all);
        EXPECT_EQ(TeamFiles(true), live);
        EXPECT_EQ(TeamFiles(false), backup);
    }
}

TEST_F(TeamFileBackupTest, ACopyCutShortIsNeverPutBackOverTheLiveDays)
{
    for (int year = 2026; year <= 2028; ++year)
        for (int team = 1; team <= 2; ++team)
            for (int day = 1; day <= 150; ++day)
                WriteFile(TeamDayFilePath(QString::number(year), team, day), "\"Pj1-1-Framing\"\r\n");
    ASSERT_TRUE(BackupTeamFiles());
    Book(QDate(2026, 3, 9), 1, "Pj2-1-Siding");
    Book(QDate(2027, 7, 1), 2, "Pj2-1-Roofing", 3);
    const QMap<QString, QByteArray> live = TeamFiles(true);

    // A backup killed part way; the next run has made no copy of its own.
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const char go = 1;
        (void)!write(ready[1], &go, 1);
        BackupTeamFiles();
        _exit(0);
    }
    char go = 0;
    ASSERT_EQ(read(ready[0], &go, 1), 1);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(ready[0]);
    close(ready[1]);
    ResetProgramState();
    Shared().TeamNames = {QStringLiteral("populated"), QStringLiteral("Framers"), QStringLiteral("Roofers")};
    Shared().CurrentYear = QStringLiteral("2026");
    EXPECT_FALSE(RestoreTeamFiles());
    EXPECT_EQ(TeamFiles(true), live);

    // A backup in this run that could not copy every file.
    ASSERT_TRUE(BackupTeamFiles());
    if (MakeUnreadableFile("/2027/Team# 1/200.txt")) {
        const QMap<QString, QByteArray> withUnreadable = TeamFiles(true);
        EXPECT_FALSE(BackupTeamFiles());
        EXPECT_FALSE(RestoreTeamFiles());
        EXPECT_EQ(TeamFiles(true), withUnreadable);
        QFile::remove(FullPath("/2027/Team# 1/200.txt"));
    }
    ASSERT_TRUE(BackupTeamFiles());
    Book(QDate(2026, 3, 10), 1, "Pj3-1-Siding");
    ASSERT_TRUE(RestoreTeamFiles());
    EXPECT_EQ(TeamFiles(true), live);
}

TEST_F(TeamFileBackupTest, ClearingEmptiesTheFoldersAndKeepsThem)
{
    Book(QDate(2026, 3, 9), 1, "Pj1-1-Framing");
    Book(QDate(2028, 1, 4), 2, "Pj1-1-Roofing");
    ASSERT_TRUE(BackupTeamFiles());
    ASSERT_TRUE(ClearTeamFiles(false));
    EXPECT_TRUE(TeamFiles(false).isEmpty());
    EXPECT_FALSE(TeamFiles(true).isEmpty());
    ASSERT_TRUE(ClearTeamFiles(true));
    EXPECT_TRUE(TeamFiles(true).isEmpty());
    EXPECT_TRUE(IsFolder("/2028/Team# 2"));
    EXPECT_TRUE(IsFolder("/Backup/2028/Team# 2"));
}

TEST_F(TeamFileBackupTest, UndoFreesOnlyTheExactBookingsOnTheBookedDays)
{
    const QDate friday(2026, 3, 13), saturday(2026, 3, 14), monday(2026, 3, 16), tuesday(2026, 3, 17),
        wednesday(2026, 3, 18);
    Book(friday, 1, "Pj45-3-Framing", 3);
    Book(wednesday, 1, "Pj45-3-Framing"); // beyond the three days: not this milestone's
    // Another project's milestone whose booking contains this one's.
    TeamDay().CurrentTeam = TeamText(2);
    LoadTeamDay(monday, TeamText(2));
    TeamDay().DaySlots[1] = "Pj45-30-Framing Inspection";
    TeamDay().DaySlots[2] = "Pj45-3-Framing";
    TeamDay().DaySlots[3] = "Pj45-3-Roof";
    ASSERT_TRUE(SaveTeamDay(monday, TeamText(2)));
    const QByteArray saturdayBefore = ReadFile(TeamDayFilePath("2026", 1, saturday.dayOfYear()));

    QList<MilestoneRecord> scheduled = {Milestone("Framing", friday, 1, "Days", 3),
                                        Milestone("Framing", monday, 2, "Hours", 1),
                                        Milestone("Framing", monday, 7, "Hours", 1)}; // no such team
    MilestoneRecord admin = Milestone("Permit", monday, 2, "", 0);
    admin.PersonnelType = 1;
    scheduled.append(admin);
    ASSERT_TRUE(UndoDaysEvents("Pj45-3", scheduled));

    for (const QDate& day : {friday, monday, tuesday}) {
        LoadTeamDay(day, TeamText(1));
        for (int slot = 1; slot <= 12; ++slot)
            EXPECT_EQ(TeamDay().DaySlots[size_t(slot)], NoEventScheduled) << day.toString().toStdString();
    }
    LoadTeamDay(wednesday, TeamText(1));
    EXPECT_EQ(TeamDay().DaySlots[3], "Pj45-3-Framing");
    EXPECT_EQ(ReadFile(TeamDayFilePath("2026", 1, saturday.dayOfYear())), saturdayBefore);
    LoadTeamDay(monday, TeamText(2));
    EXPECT_EQ(TeamDay().DaySlots[1], "Pj45-30-Framing Inspection");
    EXPECT_EQ(TeamDay().DaySlots[2], NoEventScheduled);
    EXPECT_EQ(TeamDay().DaySlots[3], "Pj45-3-Roof");
    EXPECT_FALSE(IsFolder("/2026/Team# 7"));
}

} // namespace
