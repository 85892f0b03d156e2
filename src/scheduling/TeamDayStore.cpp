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

#include <algorithm>
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

std::array<QString, 13> FreeSlots()
{
    std::array<QString, 13> free;
    for (int k = 1; k <= 12; ++k)
        free[size_t(k)] = NoEventScheduled;
    return free;
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
    state.LoadedPath = state.DayFilePath;
    state.LoadedSlots = FreeSlots();
    if (state.DayFilePath.isEmpty())
        return;
    std::array<QString, 12> slotTexts;
    const DayFileRead read = SlotsOfFile(state.DayFilePath, slotTexts);
    state.DayUnreadable = read == DayFileRead::Unreadable;
    if (read != DayFileRead::Read)
        return;
    for (int k = 1; k <= 12; ++k)
        state.DaySlots[size_t(k)] = slotTexts[size_t(k - 1)];
    state.LoadedSlots = state.DaySlots;
    Announce();
}

void LoadTeamDay(const QDate& day, const QString& team)
{
    LoadTeamDayIn(day, team, nullptr);
}

bool SaveTeamDay(const QDate& day, const QString& team)
{
    TeamDayState& state = TeamDay();
    if (!BuildDayPath(day, team)) {
        state.LastDayWrite = DayWrite::NotWritten;
        return false;
    }
    // Slots of another day than the one loaded change nothing they did not book.
    const std::array<QString, 13> base = state.LoadedPath == state.DayFilePath ? state.LoadedSlots : FreeSlots();
    const std::array<QString, 13> target = state.DaySlots;
    return WriteDayChanges(day, team, base, target);
}

bool WriteDayChanges(const QDate& day, const QString& team, const std::array<QString, 13>& base,
                     const std::array<QString, 13>& target)
{
    TeamDayState& state = TeamDay();
    state.ConflictSlot = 0;
    if (!BuildDayPath(day, team)) {
        state.LastDayWrite = DayWrite::NotWritten;
        return false;
    }
    const QString path = TeamDayFilePath(QString::number(day.year()), TeamNumberOf(team), day.dayOfYear());
    // A day whose file is there but cannot be read is not replaced by slots that never held it.
    std::array<QString, 12> stored;
    const DayFileRead read = SlotsOfFile(AppPath(path), stored);
    if (read == DayFileRead::Unreadable) {
        state.LastDayWrite = DayWrite::Unreadable;
        return false;
    }
    std::array<QString, 13> now;
    for (int k = 1; k <= 12; ++k)
        now[size_t(k)] = stored[size_t(k - 1)];
    std::array<QString, 13> merged = now;
    for (int k = 1; k <= 12; ++k) {
        const QString& wanted = target[size_t(k)];
        if (wanted == base[size_t(k)] || wanted == now[size_t(k)])
            continue;
        if (IsFreeSlot(wanted)) {
            // What another program put there since is no longer ours to free.
            if (now[size_t(k)] == base[size_t(k)])
                merged[size_t(k)] = wanted;
            continue;
        }
        if (!IsFreeSlot(now[size_t(k)])) {
            state.DaySlots = now;
            state.LoadedSlots = now;
            state.LoadedPath = state.DayFilePath;
            state.LastDayWrite = DayWrite::Conflict;
            state.ConflictSlot = k;
            Announce();
            return false;
        }
        merged[size_t(k)] = wanted;
    }
    bool written = true;
    if (merged != now) {
        TextOutput output = OpenForOutput(path);
        for (int k = 1; k <= 12; ++k)
            output.WriteItems({merged[size_t(k)]});
        written = output.Close();
    }
    if (!written) {
        state.LastDayWrite = DayWrite::NotWritten;
        return false;
    }
    state.DaySlots = merged;
    state.LoadedSlots = merged;
    state.LoadedPath = state.DayFilePath;
    state.LastDayWrite = DayWrite::Written;
    Announce();
    return true;
}

DayAccess CheckDayAccess(const QDate& day, const QString& team)
{
    if (!BuildDayPath(day, team))
        return DayAccess::Unwritable;
    const QString fullPath = TeamDay().DayFilePath;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(NativePath(fullPath), error);
    if (status.type() == std::filesystem::file_type::not_found)
        return QFileInfo(QFileInfo(fullPath).absolutePath()).isWritable() ? DayAccess::Ok : DayAccess::Unwritable;
    std::array<QString, 12> slotTexts;
    if (status.type() != std::filesystem::file_type::regular || SlotsOfFile(fullPath, slotTexts) != DayFileRead::Read)
        return DayAccess::Unreadable;
    // The file is replaced through a new file in its folder.
    const QFileInfo file(fullPath);
    return file.isWritable() && QFileInfo(file.absolutePath()).isWritable() ? DayAccess::Ok : DayAccess::Unwritable;
}

void ShowSlotTaken()
{
    MsgBox(QStringLiteral("Event already Scheduled Here"), MsgButtons::OkOnly, MsgIcon::Exclamation,
           QStringLiteral("Selection Error"));
}

std::array<QString, 12> ReadDaySlots()
{
    std::array<QString, 12> slotTexts;
    SlotsOfFile(TeamDay().DayFilePath, slotTexts);
    return slotTexts;
}

bool ReadSlotsOfFile(const QString& path, std::array<QString, 12>& slotTexts, bool* present)
{
    const DayFileRead read = SlotsOfFile(AppPath(path), slotTexts);
    if (present)
        *present = read == DayFileRead::Read;
    return read != DayFileRead::Unreadable;
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
    if (days > MaxScheduleDays) {
        state.LastDayWrite = DayWrite::NotWritten;
        return false;
    }
    const QString team = state.CurrentTeam;

    struct Booked {
        QDate day;
        std::array<QString, 13> before;
        std::array<QString, 13> after;
        bool hadFile;
    };
    std::vector<Booked> booked;
    QString madeFolder;

    for (int d = 1; d <= days; ++d) {
        day = SkipNonWorkDays(day);
        LoadTeamDayIn(day, team, &madeFolder);
        const bool unreadable = state.DayUnreadable;
        const bool hadFile = !state.DayFilePath.isEmpty() && QFileInfo(state.DayFilePath).isFile();
        const std::array<QString, 13> before = state.LoadedSlots;
        bool saved = false;
        // A day whose file cannot be read is not free: writing it would replace what it holds.
        if (!unreadable) {
            for (int slot = FirstWorkingSlot(); slot <= LastWorkingSlot(); ++slot)
                state.DaySlots[size_t(slot)] = text;
            saved = SaveTeamDay(day, team);
        }
        if (!saved) {
            const DayWrite failure = unreadable ? DayWrite::Unreadable : state.LastDayWrite;
            const int conflictSlot = state.ConflictSlot;
            const std::array<QString, 13> shown = failure == DayWrite::Conflict ? state.DaySlots : before;
            if (unreadable)
                ShowUnreadableDay(day, team);
            // Put back what this booking already wrote, so no half booking is left behind; only
            // its own slots, so what another program wrote since stays.
            for (const Booked& done : booked) {
                bool putBack = WriteDayChanges(done.day, team, done.after, done.before);
                if (putBack && !done.hadFile && BuildDayPath(done.day, team)) {
                    // A day this booking made holds nothing now: no file, as before. Another
                    // program's slots keep theirs; anything but a file in its place is no day.
                    std::array<QString, 12> left;
                    const QFileInfo info(state.DayFilePath);
                    if (info.exists() && !info.isFile())
                        putBack = false;
                    else if (SlotsOfFile(state.DayFilePath, left) == DayFileRead::Read
                             && std::all_of(left.begin(), left.end(), IsFreeSlot))
                        putBack = QFile::remove(state.DayFilePath);
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
            state.DaySlots = shown;
            state.LastDayWrite = failure;
            state.ConflictSlot = conflictSlot;
            return false;
        }
        booked.push_back({day, before, state.DaySlots, hadFile});
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
