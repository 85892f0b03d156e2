#include "scheduling/TeamDayStore.h"

#include "core/DataUpkeep.h"
#include "core/FileAccess.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"

#include <QFile>
#include <QFileInfo>

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

std::array<QString, 12> SlotsOfFile(const QString& fullPath, bool& exists)
{
    std::array<QString, 12> slotTexts;
    slotTexts.fill(NoEventScheduled);
    QFile file(fullPath);
    exists = QFileInfo(fullPath).isFile() && file.open(QIODevice::ReadOnly);
    if (!exists)
        return slotTexts;
    ItemReader reader(file.readAll());
    for (size_t k = 0; k < slotTexts.size() && !reader.AtEnd(); ++k)
        slotTexts[k] = SlotTextFromLine(reader.ReadLine());
    return slotTexts;
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
    TeamDayState& state = TeamDay();
    const QString year = QString::number(day.year());
    state.DayOfYearText = QString::number(day.dayOfYear());
    const int teamNumber = TeamNumberOf(team);
    if (teamNumber == 0) {
        state.DayFilePath.clear();
        return false;
    }
    // A search can run past the year folders made at start-up.
    MakeFolder(QLatin1Char('/') + year);
    const QString teamFolder = TeamFolderPath(year, teamNumber);
    MakeFolder(teamFolder);
    state.DayFilePath = AppPath(TeamDayFilePath(year, teamNumber, day.dayOfYear()));
    return true;
}

void ReadDayFile()
{
    TeamDayState& state = TeamDay();
    if (state.DayFilePath.isEmpty())
        return;
    bool exists = false;
    const std::array<QString, 12> slotTexts = SlotsOfFile(state.DayFilePath, exists);
    if (!exists)
        return;
    for (int k = 1; k <= 12; ++k)
        state.DaySlots[size_t(k)] = slotTexts[size_t(k - 1)];
    Announce();
}

void LoadTeamDay(const QDate& day, const QString& team)
{
    ClearDaySlots();
    BuildDayPath(day, team);
    ReadDayFile();
}

bool SaveTeamDay(const QDate& day, const QString& team)
{
    if (!BuildDayPath(day, team))
        return false;
    const TeamDayState& state = TeamDay();
    TextOutput output = OpenForOutput(TeamDayFilePath(QString::number(day.year()), TeamNumberOf(team), day.dayOfYear()));
    for (int k = 1; k <= 12; ++k)
        output.WriteItems({state.DaySlots[size_t(k)]});
    return output.Close();
}

std::array<QString, 12> ReadDaySlots()
{
    bool exists = false;
    return SlotsOfFile(TeamDay().DayFilePath, exists);
}

bool CheckDayTaken(const QDate& day)
{
    TeamDayState& state = TeamDay();
    LoadTeamDay(day, state.CurrentTeam);
    for (int slot = FirstWorkingSlot(); slot <= LastWorkingSlot(); ++slot)
        if (!IsFreeSlot(state.DaySlots[size_t(slot)]))
            return true;
    return false;
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
    QDate runStart = SkipNonWorkDays(day);
    for (;;) {
        QDate examined = runStart;
        QDate takenDay;
        for (int i = 1; i <= days; ++i) {
            if (i > 1)
                examined = SkipNonWorkDays(examined.addDays(1));
            if (CheckDayTaken(examined)) {
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
    if (days > MaxScheduleDays)
        return false;
    TeamDayState& state = TeamDay();
    const QString team = state.CurrentTeam;

    struct Booked {
        QDate day;
        std::array<QString, 13> before;
        bool hadFile;
    };
    std::vector<Booked> booked;

    for (int d = 1; d <= days; ++d) {
        day = SkipNonWorkDays(day);
        LoadTeamDay(day, team);
        const bool hadFile = !state.DayFilePath.isEmpty() && QFileInfo(state.DayFilePath).isFile();
        const std::array<QString, 13> before = state.DaySlots;
        for (int slot = FirstWorkingSlot(); slot <= LastWorkingSlot(); ++slot)
            state.DaySlots[size_t(slot)] = text;
        if (!SaveTeamDay(day, team)) {
            // Put back what this booking already wrote, so no half booking is left behind.
            for (const Booked& done : booked) {
                state.DaySlots = done.before;
                if (done.hadFile) {
                    SaveTeamDay(done.day, team);
                } else if (BuildDayPath(done.day, team)) {
                    QFile::remove(state.DayFilePath);
                }
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
