#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>

#include <array>

// The team day store: one file of twelve hour slots per team and day,
// "/<yyyy>/Team# <n>/<day of year>.txt". One day is loaded at a time into DaySlots.

inline const QString NoEventScheduled = QStringLiteral("No Event Scheduled");

// How the last write of a day ended.
enum class DayWrite { Written, Conflict, Unreadable, NotWritten };

// Whether a day's file may be read and replaced before anything is changed.
enum class DayAccess { Ok, Unreadable, Unwritable };

struct TeamDayState {
    // Entries 1 to 12 are the slots of the loaded day (entry 0 unused).
    std::array<QString, 13> DaySlots;
    // Full path of the day file last built, and its day-of-year part.
    QString DayFilePath;
    QString DayOfYearText;
    // The team being worked on, as its number with one leading blank (" 3").
    QString CurrentTeam;
    // Taken days met by the running search.
    int OpenDayTries = 0;
    // The loaded day's file is there but could not be read: its slots show free, yet they are
    // not what the file holds.
    bool DayUnreadable = false;
    // Days of the last failed booking that could not be put back as they were.
    QList<QDate> DaysNotPutBack;
    // The slots of the loaded day as its file held them, and that file: what a save compares
    // against to tell the slots it changes from those it leaves to the file.
    std::array<QString, 13> LoadedSlots;
    QString LoadedPath;
    // How the last day write (or booking) ended, and on a conflict the slot that was taken.
    DayWrite LastDayWrite = DayWrite::Written;
    int ConflictSlot = 0;
    // The backup team folders hold a whole copy made in this run. The copy is not flushed file
    // by file, and one cut short (a failure, or a kill in an earlier run) must never be put back.
    bool TeamBackupWhole = false;
};

TeamDayState& TeamDay();
void ResetTeamDayState();

// Announces every change of the loaded day's slots, so the hour grid can show them.
class TeamDayEvents : public QObject {
    Q_OBJECT
public:
    static TeamDayEvents& Instance();
signals:
    void DaySlotsShown();
};

// The team number a team text stands for (" 3" gives 3), or 0 when it names no team of the
// team list. Days of such a team are never written.
int TeamNumberOf(const QString& team);
// The name of the team a team text or stored team number stands for; empty when it names no
// team of the team list.
QString TeamName(const QString& team);
// The team text for a team number, with its leading blank.
QString TeamText(int teamNumber);

// The eight working slots, from the start hour: slots 3 to 10 for 8, 2 to 9 for 7.
int FirstWorkingSlot();
int LastWorkingSlot();

void LoadTeamDay(const QDate& day, const QString& team);
void ClearDaySlots();
// Sets DayOfYearText and DayFilePath and makes the year and team folders when missing.
// False (and no path) for a team that is not in the team list.
bool BuildDayPath(const QDate& day, const QString& team);
// Fills DaySlots from the file at DayFilePath; sets DayUnreadable when the file is there but
// cannot be read.
void ReadDayFile();
// Writes the slots that DaySlots changes since the day was loaded (see WriteDayChanges); false
// when the team is unknown, a slot it books is taken meanwhile, or the file could not be read
// or written (LastDayWrite says which).
bool SaveTeamDay(const QDate& day, const QString& team);
// Another program writes slots into the day files too, so a day is read again just before it
// is written and only the slots where `target` differs from `base` change: a slot booked (a
// text) is refused when the file now holds another text there, a slot freed is freed only while
// the file still holds what `base` had. Every other slot keeps what the file holds now; a file
// with nothing to change is not rewritten. On a refusal nothing is written and DaySlots is
// reloaded from the file. DaySlots then holds the day as the file has it.
bool WriteDayChanges(const QDate& day, const QString& team, const std::array<QString, 13>& base,
                     const std::array<QString, 13>& target);
// Whether the day's file may be read and replaced: missing, or a plain file that reads and may
// be replaced in its folder. Anything else in its place (a folder, a pipe) cannot be read.
DayAccess CheckDayAccess(const QDate& day, const QString& team);
// The box that refuses a booking on an hour taken meanwhile.
void ShowSlotTaken();
// The slots of the file at DayFilePath without touching DaySlots: entry i holds slot i + 1;
// missing lines are free.
std::array<QString, 12> ReadDaySlots();
// The slots of a day file anywhere under the program folder (its copy in the backup folder):
// a missing file is a free day (present false); false when it is there but cannot be read.
bool ReadSlotsOfFile(const QString& path, std::array<QString, 12>& slotTexts, bool* present = nullptr);
// True when a working slot of the day holds anything but a free text (loads the day). A day
// whose file cannot be read is taken, and the user is told.
bool CheckDayTaken(const QDate& day);
// The first run of `days` consecutive free workdays of CurrentTeam on or after `day`: on
// success `day` holds the run's first day and taken is false; at the 60th taken day of the
// search taken is true.
void FindOpenDay(QDate& day, int days, bool& taken);
// Books `days` consecutive workdays of CurrentTeam from `day` on, writing `text` into the
// working slots. If a day cannot be saved, its file cannot be read (the user is told) or one of
// its working slots was taken meanwhile (LastDayWrite is Conflict), the days already booked are
// put back and the answer is false; days that could not be put back are left in DaysNotPutBack
// and the user is told.
bool ScheduleDays(QDate day, int days, const QString& text);
// The day itself, or the next workday of the work week.
QDate SkipNonWorkDays(const QDate& day);
// Tomorrow from 20:00 on, else today.
QDate GetDefaultScheduleDate();
// A year before the current one becomes the current year; a later one gets its folders.
void CheckScheduleYear(int& year);

// The most days one search or booking takes.
inline constexpr int MaxScheduleDays = 255;
