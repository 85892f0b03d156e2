#include "core/DataUpkeep.h"

#include "core/FileAccess.h"
#include "core/SharedState.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"
#include "platform/ProgramNames.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

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
// The names the team day store gives its folders and files: "Team# 3", "45.txt".
bool IsTeamFolderName(const QString& name)
{
    static const QRegularExpression team(QStringLiteral("^Team# [1-9]\\d*$"));
    return team.match(name).hasMatch();
}

bool IsDayFileName(const QString& name)
{
    static const QRegularExpression day(QStringLiteral("^[1-9]\\d{0,2}\\.txt$"));
    return day.match(name).hasMatch() && name.chopped(4).toInt() <= 366;
}

// Removes the day files of a year folder's team folders, then every folder that leaves empty.
// The teams may have changed since the folders were made, so every team folder is emptied,
// whatever its number; but only of day files: whatever else the user put there stays, and so
// does the folder that holds it. A deleted team's parked folder is not a team folder: the start
// takes it before the roll-over, when the deletion is settled.
void RemoveYearFolder(const QString& relativeYearFolder)
{
    QDir year(AppPath(relativeYearFolder));
    if (!year.exists())
        return;
    const QStringList teamFolders = year.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& teamFolder : teamFolders) {
        if (!IsTeamFolderName(teamFolder))
            continue;
        QDir team(year.filePath(teamFolder));
        for (const QString& name : team.entryList(QDir::Files | QDir::Hidden | QDir::System))
            if (IsDayFileName(name))
                team.remove(name);
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
