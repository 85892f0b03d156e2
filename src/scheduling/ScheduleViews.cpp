#include "scheduling/ScheduleViews.h"

#include "platform/RegionalFormat.h"
#include "scheduling/TeamDayStore.h"
#include "scheduling/TeamFileBackup.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

std::array<MonthCell, 42> BuildMonthCells(const QDate& shown, const QDate& today,
                                          const std::function<int(const QDate&)>& bookedLines)
{
    std::array<MonthCell, 42> cells;
    const QDate first(shown.year(), shown.month(), 1);
    // Qt counts Monday 1 to Sunday 7; the calendar starts on Sunday.
    const int start = first.dayOfWeek() % 7;
    for (int d = 1; d <= first.daysInMonth(); ++d) {
        MonthCell& cell = cells[size_t(d - 1 + start)];
        const QDate day(shown.year(), shown.month(), d);
        cell.Text = QString::number(d);
        cell.Current = d == shown.day();
        if (day >= today && bookedLines) {
            const int count = bookedLines(day);
            if (count > 0) {
                cell.Text = QString::number(count);
                cell.Booked = true;
            }
        }
    }
    return cells;
}

int CountBookedLines(const QString& fullPath)
{
    if (!QFileInfo(fullPath).isFile())
        return 0;
    QFile file(fullPath);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    int count = 0;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (QByteArray line : lines) {
        line = line.trimmed();
        if (!line.isEmpty() && !line.contains("No Event Scheduled"))
            ++count;
    }
    return count;
}

QDate CellDate(const QDate& shown, int index)
{
    const QDate first(shown.year(), shown.month(), 1);
    const int day = index + 1 - first.dayOfWeek() % 7;
    if (index < 0 || index > 41 || day < 1 || day > first.daysInMonth())
        return {};
    return QDate(shown.year(), shown.month(), day);
}

namespace {

bool IsWorkday(const QDate& day, int workWeek)
{
    const int weekday = day.dayOfWeek();
    switch (workWeek) {
    case 5:
        return weekday <= 5;
    case 61:
        return weekday != 7;
    case 62:
        return weekday != 6;
    default:
        return true;
    }
}

} // namespace

QDate StepScheduleDay(const QDate& day, bool forward, int workWeek)
{
    QDate next = day.addDays(forward ? 1 : -1);
    for (int guard = 0; guard < 7 && !IsWorkday(next, workWeek); ++guard)
        next = next.addDays(forward ? 1 : -1);
    return next;
}

int SlotEntryKind(const QString& slotText, bool slipsExist, bool meetingsExist, bool recordsExist)
{
    if (slipsExist) {
        const qsizetype blank = slotText.indexOf(QLatin1Char(' '));
        bool number = false;
        (blank < 0 ? slotText : slotText.left(blank)).toDouble(&number);
        if (slotText.contains(QLatin1String("SA")) || number)
            return 1;
    }
    if (meetingsExist && slotText.contains(QLatin1String("Mtg")))
        return 2;
    if (recordsExist && slotText.contains(QLatin1String("Pj")))
        return 3;
    return 0;
}

bool IsWithinDaysEvent(const QDate& start, int days, const QDate& date)
{
    QDate day = SkipNonWorkDays(start);
    for (int d = 1; d <= days && day <= date; ++d) {
        if (day == date)
            return true;
        day = SkipNonWorkDays(day.addDays(1));
    }
    return false;
}

namespace {

// The booking a project event leaves in its start slot. Event texts are cut at 30 characters,
// so a cut name only has to begin the slot text.
bool HoldsBooking(const QString& slotText, const QString& projectNo, const QString& name)
{
    const QString cut = name.left(30);
    const QString booking = BookingText(projectNo.trimmed(), cut);
    return cut.size() < 30 ? slotText == booking : slotText.startsWith(booking);
}

// A slip or meeting from the other program leaves a slot text holding its key. A slot freed
// since (the day cleared) no longer holds it, and the record is not the day's any more.
bool HoldsOutsideEvent(const QString& slotText, const QString& key)
{
    if (slotText.trimmed().isEmpty() || slotText.contains(QLatin1String("No Event")))
        return false;
    return key.isEmpty() || slotText.contains(key);
}

struct Details {
    QString Name, Address1, City, State, Zip, Telephone, EventText, EventKey, EventDate;
};

void FillBoxes(std::array<DayWindowBox, 12>& boxes, int startSlot, int count, const Details& d, bool usa, int& counter)
{
    DayWindowBox box;
    box.Booked = true;
    box.Text = d.Name + QStringLiteral("\r\n") + d.Address1 + QStringLiteral("\r\n") + d.City + QLatin1Char(',') + d.State
               + QStringLiteral("\r\n") + d.Telephone + QStringLiteral("\r\n") + d.EventText;
    box.ToolTip = d.Name;
    box.LabelToolTip = d.Telephone;
    box.EventText = d.EventText;
    box.AccountInfo = {d.Telephone, d.Name, d.Address1,
                       usa ? d.City + QStringLiteral(", ") + d.State + QLatin1Char(' ') + d.Zip : d.City,
                       d.EventKey, d.EventDate, usa ? QString() : d.Zip};
    // A run that would pass the last hour ends there.
    for (int j = 0; j < std::max(count, 1) && startSlot - 1 + j <= 11; ++j) {
        boxes[size_t(startSlot - 1 + j)] = box;
        ++counter;
    }
}

int RunLength(const QString& unit, const QString& duration)
{
    if (unit.trimmed() == QLatin1String("Days"))
        return 8;
    return duration.trimmed().toInt();
}

} // namespace

std::array<DayWindowBox, 12> BuildDayWindow(const DayWindowInput& input)
{
    std::array<DayWindowBox, 12> boxes;
    int counter = 0;
    for (size_t i = 0; i < 12; ++i) {
        boxes[i].Text = FreeBoxText;
        if (input.Slots[i] == NoEventScheduled)
            ++counter;
    }
    const QString team = input.Team.trimmed();

    for (int kind = 0; kind < 3; ++kind) {
        for (const SlipRecord& record : input.Records[size_t(kind)]) {
            if (counter > 12)
                return boxes;
            const std::optional<QDate> date = ParseShortDate(record.EventDate.trimmed());
            if (!date || *date != input.Date || record.TeamNo.trimmed() != team)
                continue;
            bool ok = false;
            const int slot = record.StartSlot.trimmed().toInt(&ok);
            if (!ok || slot < 1 || slot > 12)
                continue;
            const QString& slotText = input.Slots[size_t(slot - 1)];
            if (kind == 2 ? !HoldsBooking(slotText, record.EventKey, record.EventText.trimmed())
                          : !HoldsOutsideEvent(slotText, record.EventKey.trimmed()))
                continue;
            const Details details{record.CustomerName.trimmed(), record.Address1.trimmed(), record.City.trimmed(),
                                  record.State.trimmed(), record.Zip.trimmed(), record.Telephone.trimmed(),
                                  record.EventText.trimmed(), record.EventKey.trimmed(), record.EventDate.trimmed()};
            FillBoxes(boxes, slot, RunLength(record.Unit, record.Duration), details, input.UsaStyle, counter);
        }
    }
    if (counter >= 12 || !input.Projects)
        return boxes;
    const LoadedProjectsState* projects = input.Projects();
    if (!projects || !projects->ProjectsLoaded)
        return boxes;
    const int teamNumber = team.toInt();
    for (int p = 1; p <= projects->ProjectCount && p < projects->Projects.size(); ++p) {
        const LoadedProject& project = projects->Projects.at(p);
        const ProjectHeader& h = project.Header;
        for (const MilestoneRecord& m : project.Milestones) {
            if (m.PersonnelType != 2 || m.Team.trimmed().toInt() != teamNumber || teamNumber == 0)
                continue;
            const bool days = m.Unit.trimmed() == QLatin1String("Days");
            const bool onDate = days ? IsWithinDaysEvent(m.ScheduledDate, m.Duration.trimmed().toInt(), input.Date)
                                     : m.ScheduledDate == input.Date;
            if (!onDate)
                continue;
            bool ok = false;
            const int slot = m.StartSlot.trimmed().toInt(&ok);
            if (!ok || slot < 1 || slot > 12 || !HoldsBooking(input.Slots[size_t(slot - 1)], h.ProjectNo, m.MilestoneName))
                continue;
            const Details details{h.CustomerName.trimmed(), h.Address1.trimmed(), h.City.trimmed(), h.State.trimmed(),
                                  h.Zip.trimmed(), h.Telephone.trimmed(), m.MilestoneName.trimmed(), h.ProjectNo.trimmed(),
                                  ShortDateText(m.ScheduledDate)};
            FillBoxes(boxes, slot, RunLength(m.Unit, m.Duration), details, input.UsaStyle, counter);
        }
    }
    return boxes;
}
