#include "scheduling/TeamDayStore.h"

#include "core/DataUpkeep.h"
#include "core/FileAccess.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "core/Utilities.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/NativePath.h"
#include "platform/ProgramFolder.h"
#include "platform/RegionalFormat.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>
#include <vector>

namespace {

bool IsFreeSlot(const QString& text)
{
    return text.isEmpty() || text == NoEventScheduled;
}

// One slot per line: a quoted line gives the text between its quotes, a bare line the whole
// line trimmed, commas included (blocked days and slot texts from outside are bare).
QString SlotTextFromLine(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(QLatin1Char('"'))) {
        const qsizetype end = trimmed.indexOf(QLatin1Char('"'), 1);
        return end < 0 ? trimmed.mid(1) : trimmed.mid(1, end - 1);
    }
    return trimmed;
}

enum class DayFileRead { Missing, Read, Unreadable };

// The slots of a day file. Only a day with no file is free for want of one (a folder of that
// name is no file); a file that is there but cannot be read is told apart, so that its day is
// never taken for free nor written over.
DayFileRead SlotsOfFile(const QString& fullPath, std::array<QString, 12>& slotTexts)
{
    slotTexts.fill(NoEventScheduled);
    std::error_code error;
    const std::filesystem::file_status status =
        std::filesystem::status(NativePath(fullPath), error);
    if (status.type() == std::filesystem::file_type::not_found
        || status.type() == std::filesystem::file_type::directory)
        return DayFileRead::Missing;
    if (status.type() != std::filesystem::file_type::regular)
        return DayFileRead::Unreadable;
    QFile file(fullPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return DayFileRead::Unreadable;
    ItemReader reader(file.readAll());
    if (file.error() != QFileDevice::NoError)
        return DayFileRead::Unreadable;
    for (size_t k = 0; k < slotTexts.size() && !reader.AtEnd(); ++k)
        slotTexts[k] = SlotTextFromLine(reader.ReadLine());
    return DayFileRead::Read;
}

QString TeamNameOf(const QString& team)
{
    const QString name = TeamName(team);
    return name.isEmpty() ? team.trimmed() : name;
}

void ShowUnreadableDay(const QDate& day, const QString& team)
{
    MsgBox(QStringLiteral("The Schedule of %1 for %2 can not be read\nThat Day counts as Taken")
               .arg(TeamNameOf(team), ShortDateText(day)),
           MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Schedule File Error"));
}

// Sets DayOfYearText and DayFilePath. A search or booking passes the team folder it made last,
// so that a run of days in one folder asks for it once.
bool BuildDayPathIn(const QDate& day, const QString& team, QString* madeFolder)
{
    TeamDayState& state = TeamDay();
    const QString year = QString::number(day.year());
    state.DayOfYearText = QString::number(day.dayOfYear());
    const int teamNumber = TeamNumberOf(team);
    if (teamNumber == 0) {
        state.DayFilePath.clear();
        return false;
    }
    const QString teamFolder = TeamFolderPath(year, teamNumber);
    if (!madeFolder || *madeFolder != teamFolder) {
        // A search can run past the year folders made at start-up.
        MakeFolder(QLatin1Char('/') + year);
        if (MakeFolder(teamFolder) && madeFolder)
            *madeFolder = teamFolder;
    }
    state.DayFilePath = AppPath(teamFolder) + QLatin1Char('/') + state.DayOfYearText + QStringLiteral(".txt");
    return true;
}

void LoadTeamDayIn(const QDate& day, const QString& team, QString* madeFolder)
{
    ClearDaySlots();
    BuildDayPathIn(day, team, madeFolder);
    ReadDayFile();
}

bool DayTakenIn(const QDate& day, QString* madeFolder)
{
    TeamDayState& state = TeamDay();
    LoadTeamDayIn(day, state.CurrentTeam, madeFolder);
    if (state.DayUnreadable) {
        ShowUnreadableDay(day, state.CurrentTeam);
        return true;
    }
    for (int slot = FirstWorkingSlot(); slot <= LastWorkingSlot(); ++slot)
        if (!IsFreeSlot(state.DaySlots[size_t(slot)]))
            return true;
    return false;
}

void Announce()
{
    emit TeamDayEvents::Instance().DaySlotsShown();
}

} // namespace

TeamDayState& TeamDay()
{
    static TeamDayState state;
    return state;
}

void ResetTeamDayState()
{
    TeamDay() = TeamDayState{};
}

TeamDayEvents& TeamDayEvents::Instance()
{
    static TeamDayEvents events;
    return events;
}

int TeamNumberOf(const QString& team)
{
    bool ok = false;
    const int number = team.trimmed().toInt(&ok);
    return ok && number >= 1 && number <= Shared().TeamCount() ? number : 0;
}

QString TeamName(const QString& team)
{
    const int number = TeamNumberOf(team);
    return number > 0 ? Shared().TeamNames.at(number) : QString();
}

QString TeamText(int teamNumber)
{
    return QLatin1Char(' ') + QString::number(teamNumber);
}

int FirstWorkingSlot()
{
    return Settings().StartHour - 5;
}

int LastWorkingSlot()
{
    return Settings().StartHour + 2;
}

void ClearDaySlots()
{
    TeamDayState& state = TeamDay();
    for (int k = 1; k <= 12; ++k)
        state.DaySlots[size_t(k)] = NoEventScheduled;
    Announce();
}

bool BuildDayPath(const QDate& day, const QString& team)
{
    return BuildDayPathIn(day, team, nullptr);
}

void ReadDayFile()
{
    TeamDayState& state = TeamDay();
    state.DayUnreadable = false;
    if (state.DayFilePath.isEmpty())
        return;
    std::array<QString, 12> slotTexts;
    const DayFileRead read = SlotsOfFile(state.DayFilePath, slotTexts);
    state.DayUnreadable = read == DayFileRead::Unreadable;
    if (read != DayFileRead::Read)
        return;
    for (int k = 1; k <= 12; ++k)
        state.DaySlots[size_t(k)] = slotTexts[size_t(k - 1)];
    Announce();
}

void LoadTeamDay(const QDate& day, const QString& team)
{
    LoadTeamDayIn(day, team, nullptr);
}

bool SaveTeamDay(const QDate& day, const QString& team)
{
    if (!BuildDayPath(day, team))
        return false;
    const TeamDayState& state = TeamDay();
    const QString path = TeamDayFilePath(QString::number(day.year()), TeamNumberOf(team), day.dayOfYear());
    // A day whose file is there but cannot be read is not replaced by slots that never held it.
    std::array<QString, 12> stored;
    if (SlotsOfFile(AppPath(path), stored) == DayFileRead::Unreadable)
        return false;
    TextOutput output = OpenForOutput(path);
    for (int k = 1; k <= 12; ++k)
        output.WriteItems({state.DaySlots[size_t(k)]});
    return output.Close();
}

std::array<QString, 12> ReadDaySlots()
{
    std::array<QString, 12> slotTexts;
    SlotsOfFile(TeamDay().DayFilePath, slotTexts);
    return slotTexts;
}

bool CheckDayTaken(const QDate& day)
{
    return DayTakenIn(day, nullptr);
}

void FindOpenDay(QDate& day, int days, bool& taken)
{
    TeamDayState& state = TeamDay();
    state.OpenDayTries = 0;
    taken = false;
    if (days > MaxScheduleDays) {
        taken = true;
        return;
    }
    QString madeFolder;
    QDate runStart = SkipNonWorkDays(day);
    for (;;) {
        QDate examined = runStart;
        QDate takenDay;
        for (int i = 1; i <= days; ++i) {
            if (i > 1)
                examined = SkipNonWorkDays(examined.addDays(1));
            if (DayTakenIn(examined, &madeFolder)) {
                takenDay = examined;
                break;
            }
        }
        if (!takenDay.isValid()) {
            day = runStart;
            return;
        }
        if (++state.OpenDayTries >= 60) {
            taken = true;
            return;
        }
        runStart = SkipNonWorkDays(takenDay.addDays(1));
    }
}

bool ScheduleDays(QDate day, int days, const QString& text)
{
    TeamDayState& state = TeamDay();
    state.DaysNotPutBack.clear();
    if (days > MaxScheduleDays)
        return false;
    const QString team = state.CurrentTeam;

    struct Booked {
        QDate day;
        std::array<QString, 13> before;
        bool hadFile;
    };
    std::vector<Booked> booked;
    QString madeFolder;

    for (int d = 1; d <= days; ++d) {
        day = SkipNonWorkDays(day);
        LoadTeamDayIn(day, team, &madeFolder);
        const bool unreadable = state.DayUnreadable;
        const bool hadFile = !state.DayFilePath.isEmpty() && QFileInfo(state.DayFilePath).isFile();
        const std::array<QString, 13> before = state.DaySlots;
        bool saved = false;
        // A day whose file cannot be read is not free: writing it would replace what it holds.
        if (!unreadable) {
            for (int slot = FirstWorkingSlot(); slot <= LastWorkingSlot(); ++slot)
                state.DaySlots[size_t(slot)] = text;
            saved = SaveTeamDay(day, team);
        }
        if (!saved) {
            if (unreadable)
                ShowUnreadableDay(day, team);
            // Put back what this booking already wrote, so no half booking is left behind.
            for (const Booked& done : booked) {
                state.DaySlots = done.before;
                bool putBack = false;
                if (done.hadFile) {
                    putBack = SaveTeamDay(done.day, team);
                } else if (BuildDayPath(done.day, team)) {
                    putBack = QFile::remove(state.DayFilePath) || !QFileInfo::exists(state.DayFilePath);
                }
                if (!putBack)
                    state.DaysNotPutBack.append(done.day);
            }
            if (!state.DaysNotPutBack.isEmpty()) {
                QStringList dates;
                for (const QDate& left : std::as_const(state.DaysNotPutBack))
                    dates.append(ShortDateText(left));
                ShowWriteFailure(QStringLiteral("The Booking could not be taken back from %1 on %2")
                                     .arg(TeamNameOf(team), dates.join(QStringLiteral(", "))),
                                 QStringLiteral("Booking Not Undone"));
            }
            state.DaySlots = before;
            return false;
        }
        booked.push_back({day, before, hadFile});
        day = day.addDays(1);
    }
    return true;
}

QDate SkipNonWorkDays(const QDate& day)
{
    // Qt counts Monday as 1 and Sunday as 7.
    const int weekday = day.dayOfWeek();
    switch (Settings().WorkWeek) {
    case 5:
        if (weekday == 6)
            return day.addDays(2);
        if (weekday == 7)
            return day.addDays(1);
        return day;
    case 61:
        return weekday == 7 ? day.addDays(1) : day;
    case 62:
        return weekday == 6 ? day.addDays(1) : day;
    default:
        return day;
    }
}

QDate GetDefaultScheduleDate()
{
    const QDateTime now = Clock::Now();
    return now.time().hour() > 19 ? now.date().addDays(1) : now.date();
}

void CheckScheduleYear(int& year)
{
    const int current = Shared().CurrentYear.toInt();
    if (year < current)
        year = current;
    else if (year > current)
        CreateYearFolders(QString::number(year));
}
