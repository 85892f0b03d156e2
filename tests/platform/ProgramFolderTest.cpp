#include "core/FileAccess.h"
#include "platform/ProgramFolder.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#endif

namespace {

#ifdef Q_OS_UNIX
bool IsFolderAt(const QByteArray& bytes)
{
    struct stat info {};
    return ::stat(bytes.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsFileAt(const QByteArray& bytes)
{
    struct stat info {};
    return ::stat(bytes.constData(), &info) == 0 && S_ISREG(info.st_mode);
}
#endif

TEST(ProgramFolderEntryTest, AFolderWhosePathIsNotUtf8IsWorkedInByItsBytes)
{
#ifndef Q_OS_UNIX
    GTEST_SKIP() << "only a Unix file system keeps a name's bytes as they are";
#else
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    // What a copy from an older Windows machine leaves: a name in Windows-1252, no UTF-8.
    const QByteArray folder = QFile::encodeName(base.path()) + "/Ordner M\xfcller";
    ASSERT_EQ(::mkdir(folder.constData(), 0777), 0);
    const int before = ::open(".", O_RDONLY | O_DIRECTORY);
    ASSERT_GE(before, 0);

    const ProgramFolderEntry entry = EnterProgramFolder(folder + "/construction-scheduler");
    EXPECT_TRUE(entry.Entered);
    EXPECT_TRUE(MakeFolder("/2026"));
    EXPECT_TRUE(OpenForOutput("/Scheduler.lock").Close());
    EXPECT_TRUE(IsFolderAt(folder + "/2026"));
    EXPECT_TRUE(IsFileAt(folder + "/Scheduler.lock"));
    EXPECT_FALSE(IsFolderAt(QFile::encodeName(base.path()) + "/2026"));

    // A folder that cannot be entered is named as its bytes read, and nothing is made anywhere.
    SetProgramFolder(QString());
    const ProgramFolderEntry missing = EnterProgramFolder(QFile::encodeName(base.path()) + "/Fehlt M\xfcller/construction-scheduler");
    EXPECT_FALSE(missing.Entered);
    EXPECT_TRUE(missing.ShownName.endsWith(QStringLiteral("/Fehlt M\u00fcller"))) << missing.ShownName.toStdString();

    SetProgramFolder(QString());
    ASSERT_EQ(::fchdir(before), 0);
    ::close(before);
    // Qt cannot name what it did not decode: the folder goes by its bytes.
    std::error_code error;
    std::filesystem::remove_all(std::filesystem::path(folder.toStdString()), error);
    EXPECT_FALSE(error);
#endif
}

} // namespace
