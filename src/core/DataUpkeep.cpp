#include "core/DataUpkeep.h"

#include "core/FileAccess.h"
#include "core/SharedState.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"
#include "platform/ProgramNames.h"
#include "platform/RegionalFormat.h"
#include "scheduling/SlipRecord.h"

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

void ReadAssignments()
{
    QStringList& teams = Shared().TeamNames;
    const QString marker = teams.isEmpty() ? QString() : teams.first();
    teams = QStringList{marker};
    if (!FileExists(AssignmentsPath)) {
        teams[0] = QStringLiteral("empty");
        return;
    }
    teams[0] = QStringLiteral("populated");
    TextInput input = OpenForInput(AssignmentsPath);
    while (!input.AtEnd())
        teams.append(input.ReadItem().Text());
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

void PurgeOldDays()
{
    Shared().DayOfYear = Clock::Today().dayOfYear();
    qint64 last = 1;
    if (FileExists(PurgedDatePath)) {
        TextInput marker = OpenForInput(PurgedDatePath);
        last = marker.ReadItem().Integer().value_or(1);
        if (last < 1)
            last = 1;
    }

    for (int team = 1; team <= Shared().TeamCount(); ++team)
        for (qint64 day = last; day <= Shared().DayOfYear - 1; ++day)
            DeleteFile(TeamDayFilePath(Shared().CurrentYear, team, int(day)));

    TextOutput marker = OpenForOutput(PurgedDatePath);
    marker.WriteItems({Shared().DayOfYear - 1});
    marker.Close();

    PurgeMeetings();
}

void PurgeMeetings()
{
    if (!FileExists(MeetingsPath))
        return;
    {
        RecordFile meetings = GetRecordCount(MeetingsPath);
        if (Shared().SlipRecCount < 1)
            return;
    }

    const QDate today = Clock::Today();
    CompactRecordFile(MeetingsPath, SlipRecord::Length, [&today](const QByteArray& bytes, qint64) {
        const std::optional<QDate> date = ParseShortDate(SlipRecord::FromBytes(bytes).EventDate);
        // A meeting whose date cannot be read is kept rather than lost.
        if (!date)
            return true;
        // The day of the year is compared without the year, as the meeting program expects.
        return date->year() > today.year() || date->dayOfYear() >= today.dayOfYear();
    });
}

bool CheckSettingsFiles()
{
    return FileExists(ConstructionSettingsPath()) && FileExists(QStringLiteral("/MyBusinessData.txt"))
        && FileExists(AssignmentsPath) && FileExists(QStringLiteral("/Characteristics.txt"));
}
