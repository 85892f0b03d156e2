#include "core/FileAccess.h"

#include "core/QtPrinters.h"
#include "core/SharedState.h"
#include "support/ProgramFolderFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray Records(const QByteArray& fills, int length = 297)
{
    QByteArray bytes;
    for (char fill : fills)
        bytes += QByteArray(length, fill);
    return bytes;
}

using FileAccessTest = ProgramFolderTest;
using Case = std::pair<int, int>; // file length, record count

TEST_F(FileAccessTest, ExistenceTestRestoresFromTheBackupFolderOnly)
{
    WriteFile("/Backup/Assignto.txt", "\"Crew A\"\r\n");
    EXPECT_TRUE(FileExists("\\Assignto.txt"));
    EXPECT_EQ(ReadFile("/Assignto.txt"), "\"Crew A\"\r\n");
    EXPECT_EQ(ReadFile("/Backup/Assignto.txt"), "\"Crew A\"\r\n");

    MakeFolders("/2026/Team# 1");
    WriteFile("/Backup/2026/Team# 1/45.txt", "day");
    EXPECT_TRUE(FileExists("\\2026/Team# 1\\45.txt"));
    EXPECT_EQ(ReadFile("/2026/Team# 1/45.txt"), "day");

    // Neither copy, or a folder of that name: no file, and nothing made.
    EXPECT_FALSE(FileExists("/Slips.txt"));
    EXPECT_FALSE(QFileInfo::exists(FullPath("/Slips.txt")));
    MakeFolders("/Meetings.txt");
    WriteFile("/Backup/Meetings.txt", Records("a"));
    EXPECT_FALSE(FileExists("\\Meetings.txt"));
    EXPECT_TRUE(IsFolder("/Meetings.txt"));
}

TEST_F(FileAccessTest, RecordCountRoundsToTheNearestRecord)
{
    for (auto [bytes, count] : {Case{2970, 10}, Case{3200, 11}, Case{2970 + 148, 10}, Case{2970 + 149, 11}}) {
        WriteFile("/Slips.txt", QByteArray(bytes, 'x'));
        GetRecordCount("\\Slips.txt");
        EXPECT_EQ(Shared().SlipRecCount, count) << bytes;
        EXPECT_EQ(Shared().SlipRecNext, count + 1) << bytes;
        EXPECT_EQ(ReadFile("/Slips.txt").size(), bytes);
    }
    GetRecordCount("/ProjectRecords.txt");
    EXPECT_EQ(Shared().SlipRecCount, 0);
    EXPECT_EQ(Shared().SlipRecNext, 1);
    EXPECT_TRUE(Exists("/ProjectRecords.txt"));

    WriteFile("/CustomerData.txt", Records("abcd", 328));
    EXPECT_EQ(GetFileRecordCount("\\CustomerData.txt", 328), 4);
    EXPECT_EQ(GetFileRecordCount("/ContractInfo.txt", 386), 0);
    EXPECT_FALSE(Exists("/ContractInfo.txt"));
    WriteFile("/Backup/CycleInfo.txt", Records("ab", 69));
    EXPECT_EQ(GetFileRecordCount("/CycleInfo.txt", 69), 2);
    // Half a record rounds to the even count.
    for (auto [bytes, count] : {Case{15, 2}, Case{25, 2}, Case{35, 4}, Case{5, 0}}) {
        WriteFile("/Short.txt", QByteArray(bytes, 'x'));
        EXPECT_EQ(GetFileRecordCount("/Short.txt", 10), count) << bytes;
    }
}

TEST_F(FileAccessTest, CompactionKeepsOrderClosesGapsAndDropsTheBackup)
{
    WriteFile("/ProjectRecords.txt", Records("abcde"));
    WriteFile("/Backup/ProjectRecords.txt", Records("abcde"));
    WriteFile("/TemporaryFile.txt", Records("zzzzzzzz")); // left behind by a broken run
    EXPECT_TRUE(CompactRecordFile("\\ProjectRecords.txt", 297,
                                  [](const QByteArray& record, qint64) { return record[0] != 'b' && record[0] != 'd'; }));
    EXPECT_EQ(ReadFile("/ProjectRecords.txt"), Records("ace"));
    EXPECT_FALSE(Exists("/Backup/ProjectRecords.txt"));
    EXPECT_FALSE(Exists("/TemporaryFile.txt"));

    WriteFile("/CycleInfo.txt", Records("abc", 69));
    EXPECT_TRUE(CompactRecordFile("/CycleInfo.txt", 69, [](const QByteArray&, qint64) { return false; }, "/Temp.txt"));
    EXPECT_FALSE(Exists("/Temp.txt"));
    EXPECT_TRUE(Exists("/CycleInfo.txt"));
    EXPECT_TRUE(ReadFile("/CycleInfo.txt").isEmpty());
}

TEST_F(FileAccessTest, ACompactionThatCannotReadARecordLeavesTheFileAlone)
{
    // The file is cut short while it is being copied (another program of the business writes
    // it too): the records that are gone must not come back as blanks.
    WriteFile("/Meetings.txt", Records("abc"));
    WriteFile("/Backup/Meetings.txt", Records("abc"));
    const QString path = FullPath("/Meetings.txt");
    EXPECT_FALSE(CompactRecordFile("/Meetings.txt", 297, [&path](const QByteArray&, qint64 n) {
        if (n == 1)
            QFile::resize(path, 297);
        return true;
    }));
    EXPECT_EQ(ReadFile("/Meetings.txt"), Records("a"));
    EXPECT_EQ(ReadFile("/Backup/Meetings.txt"), Records("abc"));
    EXPECT_FALSE(Exists("/TemporaryFile.txt"));
}

TEST_F(FileAccessTest, DeletingMakingAndReplacing)
{
    WriteFile("/2025/Team# 1/1.txt", "a");
    WriteFile("/2025/Team# 1/Sub/3.txt", "c");
    EXPECT_TRUE(DeleteFile("\\2025\\Team# 1\\*.*"));
    EXPECT_EQ(QDir(FullPath("/2025/Team# 1")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"Sub"});
    EXPECT_TRUE(Exists("/2025/Team# 1/Sub/3.txt"));
    EXPECT_TRUE(DeleteFile("/2024/Team# 1/*.*"));
    EXPECT_TRUE(DeleteFile("/Missing.txt"));

    WriteFile("/Meetings.txt", "m");
    WriteFile("/Backup/Meetings.txt", "m");
    EXPECT_TRUE(DeleteWithBackup("\\Meetings.txt"));
    EXPECT_FALSE(FileExists("/Meetings.txt"));

    EXPECT_TRUE(MakeFolder("\\2026"));
    EXPECT_TRUE(IsFolder("/2026"));
    EXPECT_FALSE(MakeFolder("/2027/Team# 1"));
    WriteFile("/2028", "not a folder");
    EXPECT_FALSE(MakeFolder("/2028"));
    EXPECT_EQ(ReadFile("/2028"), "not a folder");

    WriteFile("/Slips.txt", "old");
    WriteFile("/Backup/Slips.txt", "old");
    WriteFile("/TemporaryFile.txt", "new");
    EXPECT_TRUE(ReplaceWithTemp("\\Slips.txt"));
    EXPECT_EQ(ReadFile("/Slips.txt"), "new");
    EXPECT_FALSE(Exists("/Backup/Slips.txt"));
    EXPECT_FALSE(Exists("/TemporaryFile.txt"));
    // Without a scratch file the original and its backup stay as they are.
    WriteFile("/Backup/Slips.txt", "backup");
    EXPECT_FALSE(ReplaceWithTemp("/Slips.txt"));
    EXPECT_EQ(ReadFile("/Slips.txt"), "new");
    EXPECT_EQ(ReadFile("/Backup/Slips.txt"), "backup");
}

TEST_F(FileAccessTest, OutputReplacesAndAppendAddsAtTheEnd)
{
    WriteFile("/PurgedDate.txt", "1234567890\r\n1234567890\r\n");
    OpenForOutput("\\PurgedDate.txt").WriteItems({44});
    EXPECT_EQ(ReadFile("/PurgedDate.txt"), "44\r\n");

    OpenForAppend("/Log.txt").WritePlainLine("one");
    OpenForAppend("/Log.txt").WriteItems({"two", 2});
    EXPECT_EQ(ReadFile("/Log.txt"), "one\r\n\"two\",2\r\n");
}

} // namespace

namespace {

TEST(PathPartTest, OnlyPlainNamesMayBecomePartOfAPath)
{
    for (const char* safe : {"SMITH01", "12-345", "A B", "Pj45-3", "CONRAD", "COM10", "LPT0", "AUXILIARY.1"})
        EXPECT_TRUE(IsSafePathPart(QString::fromLatin1(safe))) << safe;
    for (const char* unsafe : {"", " ", ".", "..", "../x", "a/b", "a\\b", "x*", "what?", "a:b", "end.", "end ", "tab\there",
                              "CON", "con", "Prn.txt", "AUX", "NUL.tar.gz", "COM1", "com9.log", "LPT5", "NUL .x"})
        EXPECT_FALSE(IsSafePathPart(QString::fromLatin1(unsafe))) << unsafe;

    // The device names of the sibling programs' platform, superscript digits included, and the
    // reason a refusal gives.
    for (const QString& device : {QStringLiteral("CONIN$"), QStringLiteral("conout$.txt"), QStringLiteral("COM\u00B9"),
                                  QStringLiteral("com\u00B2.log"), QStringLiteral("LPT\u00B3")})
        EXPECT_EQ(CheckPathPart(device), PathPartFault::DeviceName) << device.toStdString();
    EXPECT_TRUE(IsSafePathPart(QStringLiteral("CONINS")));
    EXPECT_EQ(CheckPathPart("end."), PathPartFault::TrailingDotOrBlank);
    EXPECT_EQ(CheckPathPart("end "), PathPartFault::TrailingDotOrBlank);
    EXPECT_EQ(CheckPathPart("a/b."), PathPartFault::Characters);
    EXPECT_EQ(CheckPathPart(" "), PathPartFault::Empty);
}

} // namespace
