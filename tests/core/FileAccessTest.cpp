#include "core/FileAccess.h"

#include "core/QtPrinters.h"
#include "core/SharedState.h"
#include "support/ProgramFolderFixture.h"

#include <QDir>

namespace {

QByteArray Records(const QByteArray& fills, int length = 297)
{
    QByteArray bytes;
    for (char fill : fills)
        bytes += QByteArray(length, fill);
    return bytes;
}

class FileAccessTest : public ProgramFolderTest {
protected:
    QStringList Entries(const QString& relativeFolder = QStringLiteral("/")) const
    {
        return QDir(FullPath(relativeFolder)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }
};

TEST_F(FileAccessTest, ExistenceTestRestoresFromTheBackupFolder)
{
    WriteFile("/Backup/Assignto.txt", "\"Crew A\"\r\n");
    EXPECT_TRUE(FileExists("\\Assignto.txt"));
    EXPECT_EQ(ReadFile("/Assignto.txt"), "\"Crew A\"\r\n");
    EXPECT_EQ(ReadFile("/Backup/Assignto.txt"), "\"Crew A\"\r\n");

    // Deeper down, with both separators in one path.
    MakeFolders("/2026/Team# 1");
    WriteFile("/Backup/2026/Team# 1/45.txt", "day");
    EXPECT_TRUE(FileExists("\\2026/Team# 1\\45.txt"));
    EXPECT_EQ(ReadFile("/2026/Team# 1/45.txt"), "day");
}

TEST_F(FileAccessTest, ExistenceTestIsFalseWithoutACopyOrForAFolder)
{
    EXPECT_FALSE(FileExists("/Assignto.txt"));
    EXPECT_TRUE(Entries().isEmpty());

    MakeFolders("/Meetings.txt");
    WriteFile("/Backup/Meetings.txt", Records("a"));
    EXPECT_FALSE(FileExists("\\Meetings.txt"));
    EXPECT_TRUE(IsFolder("/Meetings.txt"));
}

TEST_F(FileAccessTest, EventFileCountRoundsToTheNearestRecord)
{
    struct Case { int bytes; qint32 count; };
    for (const Case c : {Case{2970, 10}, Case{3200, 11}, Case{2970 + 148, 10}, Case{2970 + 149, 11}}) {
        WriteFile("/Slips.txt", QByteArray(c.bytes, 'x'));
        GetRecordCount("\\Slips.txt");
        EXPECT_EQ(Shared().SlipRecCount, c.count) << c.bytes << " bytes";
        EXPECT_EQ(Shared().SlipRecNext, c.count + 1) << c.bytes << " bytes";
        EXPECT_EQ(ReadFile("/Slips.txt").size(), c.bytes) << "counting changed the file";
    }
}

TEST_F(FileAccessTest, CountingAMissingEventFileCreatesItEmpty)
{
    Shared().SlipRecCount = 7;
    Shared().SlipRecNext = 8;
    EXPECT_TRUE(GetRecordCount("/ProjectRecords.txt").IsOpen());
    EXPECT_EQ(Shared().SlipRecCount, 0);
    EXPECT_EQ(Shared().SlipRecNext, 1);
    EXPECT_TRUE(Exists("/ProjectRecords.txt"));
    EXPECT_TRUE(ReadFile("/ProjectRecords.txt").isEmpty());
}

TEST_F(FileAccessTest, FileRecordCountByLength)
{
    WriteFile("/CustomerData.txt", Records("abcd", 328));
    EXPECT_EQ(GetFileRecordCount("\\CustomerData.txt", 328), 4);

    EXPECT_EQ(GetFileRecordCount("/ContractInfo.txt", 386), 0);
    EXPECT_FALSE(Exists("/ContractInfo.txt"));

    WriteFile("/Backup/CycleInfo.txt", Records("ab", 69));
    EXPECT_EQ(GetFileRecordCount("/CycleInfo.txt", 69), 2);

    // A half record rounds to the even count.
    for (auto [bytes, count] : {std::pair{15, 2}, std::pair{25, 2}, std::pair{35, 4}, std::pair{5, 0}}) {
        WriteFile("/Short.txt", QByteArray(bytes, 'x'));
        EXPECT_EQ(GetFileRecordCount("/Short.txt", 10), count) << bytes << " bytes";
    }
}

TEST_F(FileAccessTest, CompactionKeepsOrderClosesGapsAndDropsTheBackup)
{
    WriteFile("/ProjectRecords.txt", Records("abcde"));
    WriteFile("/Backup/ProjectRecords.txt", Records("abcde"));
    // A longer scratch file left by a broken run must not leak into the result.
    WriteFile("/TemporaryFile.txt", Records("zzzzzzzz"));

    EXPECT_TRUE(CompactRecordFile("\\ProjectRecords.txt", 297,
                                  [](const QByteArray& record) { return record[0] != 'b' && record[0] != 'd'; }));
    EXPECT_EQ(ReadFile("/ProjectRecords.txt"), Records("ace"));
    EXPECT_FALSE(Exists("/Backup/ProjectRecords.txt"));
    EXPECT_FALSE(Exists("/TemporaryFile.txt"));
}

TEST_F(FileAccessTest, CompactionKeepingNothingLeavesAnEmptyFile)
{
    WriteFile("/CycleInfo.txt", Records("abc", 69));
    EXPECT_TRUE(CompactRecordFile("/CycleInfo.txt", 69, [](const QByteArray&) { return false; }));
    EXPECT_TRUE(Exists("/CycleInfo.txt"));
    EXPECT_TRUE(ReadFile("/CycleInfo.txt").isEmpty());
    EXPECT_FALSE(Exists("/TemporaryFile.txt"));
}

TEST_F(FileAccessTest, DeletingFilesAndWildcards)
{
    WriteFile("/2025/Team# 1/1.txt", "a");
    WriteFile("/2025/Team# 1/2.txt", "b");
    WriteFile("/2025/Team# 1/Sub/3.txt", "c");
    EXPECT_TRUE(DeleteFile("\\2025\\Team# 1\\*.*"));
    EXPECT_EQ(Entries("/2025/Team# 1"), QStringList{"Sub"});
    EXPECT_TRUE(Exists("/2025/Team# 1/Sub/3.txt"));
    EXPECT_TRUE(DeleteFile("/2024/Team# 1/*.*"));
    EXPECT_TRUE(DeleteFile("/Missing.txt"));

    WriteFile("/Meetings.txt", "m");
    WriteFile("/Backup/Meetings.txt", "m");
    EXPECT_TRUE(DeleteWithBackup("\\Meetings.txt"));
    EXPECT_FALSE(Exists("/Meetings.txt"));
    EXPECT_FALSE(Exists("/Backup/Meetings.txt"));
    EXPECT_FALSE(FileExists("/Meetings.txt"));
}

TEST_F(FileAccessTest, MakeFolderMakesOneLevelWhereNothingIsInTheWay)
{
    EXPECT_TRUE(MakeFolder("\\2026"));
    EXPECT_TRUE(IsFolder("/2026"));
    EXPECT_TRUE(MakeFolder("/2026"));
    EXPECT_FALSE(MakeFolder("/2027/Team# 1"));
    EXPECT_FALSE(IsFolder("/2027"));

    WriteFile("/2028", "not a folder");
    EXPECT_FALSE(MakeFolder("/2028"));
    EXPECT_EQ(ReadFile("/2028"), "not a folder");
}

TEST_F(FileAccessTest, ReplaceWithTempTakesTheFilesPlace)
{
    WriteFile("/Slips.txt", "old");
    WriteFile("/Backup/Slips.txt", "old");
    WriteFile("/TemporaryFile.txt", "new");
    EXPECT_TRUE(ReplaceWithTemp("\\Slips.txt"));
    EXPECT_EQ(ReadFile("/Slips.txt"), "new");
    EXPECT_FALSE(Exists("/Backup/Slips.txt"));
    EXPECT_FALSE(Exists("/TemporaryFile.txt"));

    // Without a scratch file the original stays as it is.
    EXPECT_FALSE(ReplaceWithTemp("/Slips.txt"));
    EXPECT_EQ(ReadFile("/Slips.txt"), "new");
}

TEST_F(FileAccessTest, OutputReplacesAndAppendAddsAtTheEnd)
{
    WriteFile("/PurgedDate.txt", "1234567890\r\n1234567890\r\n");
    {
        TextOutput out = OpenForOutput("\\PurgedDate.txt");
        out.WriteItems({44});
        EXPECT_TRUE(out.Close());
    }
    EXPECT_EQ(ReadFile("/PurgedDate.txt"), "44\r\n");

    {
        TextOutput out = OpenForAppend("/Log.txt");
        out.WritePlainLine("one");
    }
    {
        TextOutput out = OpenForAppend("/Log.txt");
        out.WriteItems({"two", 2});
    }
    EXPECT_EQ(ReadFile("/Log.txt"), "one\r\n\"two\",2\r\n");
}

} // namespace
