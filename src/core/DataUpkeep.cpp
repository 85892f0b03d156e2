#include "core/DataUpkeep.h"

#include "core/FileAccess.h"
#include "core/SharedState.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"
#include "platform/ProgramNames.h"

#include <QDir>
#include <QFileInfo>

QString TeamFolderName(int teamNumber)
{
    return QStringLiteral("Team# ") + QString::number(teamNumber);
}

QString TeamFolderPath(const QString& year, int teamNumber)
{
    return QLatin1Char('/') + year + QLatin1Char('/') + TeamFolderName(teamNumber);
}

QString TeamDayFilePath(const QString& year, int teamNumber, int dayOfYear)
{
    return QStringLiteral("%1/%2.txt").arg(TeamFolderPath(year, teamNumber)).arg(dayOfYear);
}

QString ConstructionSettingsPath()
{
    return QLatin1Char('/') + ProgramName + QStringLiteral("Settings.txt");
}

namespace {
QStringList& FailedFolders()
{
    static QStringList folders;
    return folders;
}
} // namespace

void NoteFolderNotMade(const QString& path)
{
    const QString shown = NormalizeRelativePath(path);
    if (!FailedFolders().contains(shown))
        FailedFolders().append(shown);
}

void EnsureFolder(const QString& path)
{
    if (!MakeFolder(path))
        NoteFolderNotMade(path);
}

QStringList FoldersNotMade()
{
    return FailedFolders();
}

void ForgetFoldersNotMade()
{
    FailedFolders().clear();
}

bool ReadAssignments()
{
    QStringList& teams = Shared().TeamNames;
    const QString marker = teams.isEmpty() ? QString() : teams.first();
    teams = QStringList{marker};
    Shared().TeamListUnreadable = false;
    if (!FileExists(AssignmentsPath)) {
        teams[0] = QStringLiteral("empty");
        return true;
    }
    teams[0] = QStringLiteral("populated");
    TextInput input = OpenForInput(AssignmentsPath);
    if (!input.IsOpen()) {
        Shared().TeamListUnreadable = true;
        return false;
    }
    while (!input.AtEnd())
        teams.append(input.ReadItem().Text());
    return true;
}

void CreateYearFolders(const QString& year)
{
    EnsureFolder(QLatin1Char('/') + year);
    for (int team = 1; team <= Shared().TeamCount(); ++team)
        EnsureFolder(TeamFolderPath(year, team));
}

void CheckYearRollover()
{
    const QDate today = Clock::Today();
    Shared().CurrentYear = QString::number(today.year());
    CreateYearFolders(Shared().CurrentYear);
    if (today.dayOfYear() > 120) {
        RemovePreviousYear();
        CreateYearFolders(QString::number(today.year() + 1));
    }
}

namespace {
// Removes a year folder's team folders (their files first), then the year folder if that
// leaves it empty. The teams may have changed since the folders were made, so every folder
// named "Team#..." goes, whatever its number. Anything that will not go is left in place.
void RemoveYearFolder(const QString& relativeYearFolder)
{
    QDir year(AppPath(relativeYearFolder));
    if (!year.exists())
        return;
    const QStringList teamFolders = year.entryList({QStringLiteral("Team#*")}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& teamFolder : teamFolders) {
        DeleteFile(relativeYearFolder + QLatin1Char('/') + teamFolder + QStringLiteral("/*.*"));
        year.rmdir(teamFolder);
    }
    QDir().rmdir(year.absolutePath());
}
} // namespace

void RemovePreviousYear()
{
    const QString previous = QString::number(Shared().CurrentYear.toInt() - 1);
    RemoveYearFolder(QLatin1Char('/') + previous);
    RemoveYearFolder(QStringLiteral("/Backup/") + previous);
}

bool CheckSettingsFiles()
{
    return FileExists(ConstructionSettingsPath()) && FileExists(QStringLiteral("/MyBusinessData.txt"))
        && FileExists(AssignmentsPath) && FileExists(QStringLiteral("/Characteristics.txt"));
}
