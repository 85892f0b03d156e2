#include "support/ProgramFolderFixture.h"

#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"
#include "platform/RegionalFormat.h"
#include "scheduling/LoadedProjects.h"
#include "scheduling/TeamDayStore.h"
#include "platform/SerialPort.h"
#include "telephony/PhoneSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

void ProgramFolderTest::SetUp()
{
    ASSERT_TRUE(folder_.isValid());
    SetProgramFolder(folder_.path());
    SetToday(QDate(2026, 3, 7));
    SetRegionalLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    ResetProgramState();
    // No test reaches a real serial device; tests that want modems install fake ones.
    SetPortTable(QStringList());
    ResetPhoneSettings();
}

void ProgramFolderTest::TearDown()
{
    ResetPhoneSettings();
    SetPortTable(QStringList());
    ResetProgramState();
    ResetRegionalLocale();
    Clock::Release();
    SetProgramFolder(QString());
    // By its bytes: a name that is not UTF-8 cannot be named back to the file system by Qt.
    std::error_code error;
    std::filesystem::remove_all(std::filesystem::path(QFile::encodeName(folder_.path()).toStdString()), error);
}

void ProgramFolderTest::ResetProgramState()
{
    ResetSharedState();
    ResetSettings();
    ResetLoadedProjects();
    ResetTeamDayState();
}

void ProgramFolderTest::SetToday(const QDate& date, const QTime& time)
{
    Clock::Fix(QDateTime(date, time));
}

QString ProgramFolderTest::FullPath(const QString& relativePath) const
{
    return AppPath(relativePath);
}

void ProgramFolderTest::WriteFile(const QString& relativePath, const QByteArray& bytes) const
{
    const QString path = FullPath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

QByteArray ProgramFolderTest::ReadFile(const QString& relativePath) const
{
    QFile file(FullPath(relativePath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool ProgramFolderTest::Exists(const QString& relativePath) const
{
    return QFileInfo(FullPath(relativePath)).isFile();
}

bool ProgramFolderTest::IsFolder(const QString& relativePath) const
{
    return QFileInfo(FullPath(relativePath)).isDir();
}

void ProgramFolderTest::MakeFolders(const QString& relativePath) const
{
    QDir().mkpath(FullPath(relativePath));
}

bool ProgramFolderTest::MakeUnreadableFile(const QString& relativePath) const
{
    // Reading a process's memory file from its start fails with an I/O error.
    const QString target = QStringLiteral("/proc/self/mem");
    if (!QFileInfo(target).isFile())
        return false;
    const QString path = FullPath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    return QFile::link(target, path);
}
