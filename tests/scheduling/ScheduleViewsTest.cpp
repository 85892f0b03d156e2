#include "core/Settings.h"
#include "core/SharedState.h"
#include "scheduling/ScheduleViews.h"
#include "scheduling/TeamDayStore.h"
#include "support/ProgramFolderFixture.h"

namespace {

class ScheduleViewsTest : public ProgramFolderTest {};

// Today is Saturday 2026-03-07; March 2026 starts on a Sunday, August 2026 on a Saturday.
TEST_F(ScheduleViewsTest, MonthCellsPlaceTheDaysAndShowBookedHoursFromTodayOn)
{
    const QMap<QDate, int> booked = {{QDate(2026, 3, 10), 3}, {QDate(2026, 3, 12), 12}, {QDate(2026, 3, 5), 4}};
    const auto cells = BuildMonthCells(QDate(2026, 3, 10), QDate(2026, 3, 7), [&](const QDate& d) { return booked.value(d); });
    EXPECT_EQ(cells[0].Text, "1");
    EXPECT_EQ(cells[30].Text, "31");
    EXPECT_EQ(cells[31].Text, "");
    EXPECT_EQ(cells[4].Text, "5"); // a past day shows its number
    EXPECT_FALSE(cells[4].Booked);
    EXPECT_EQ(cells[9].Text, "3");
    EXPECT_TRUE(cells[9].Booked && cells[9].Current);
    EXPECT_EQ(cells[11].Text, "12");
    EXPECT_EQ(cells[12].Text, "13");
    EXPECT_EQ(CellDate(QDate(2026, 3, 20), 9), QDate(2026, 3, 10)); // a count cell picks its day

    const auto august = BuildMonthCells(QDate(2026, 8, 1), QDate(2026, 3, 7), nullptr);
    EXPECT_EQ(august[5].Text, "");
    EXPECT_EQ(august[6].Text, "1");
    EXPECT_EQ(august[36].Text, "31");
    EXPECT_EQ(CellDate(QDate(2026, 8, 1), 36), QDate(2026, 8, 31));
    EXPECT_FALSE(CellDate(QDate(2026, 8, 1), 5).isValid());
    EXPECT_FALSE(CellDate(QDate(2026, 8, 1), 37).isValid());

    WriteFile("/2026/Team# 1/69.txt", QByteArray("\"Pj1-1-A\"\r\n").repeated(3) + QByteArray("\"No Event Scheduled\"\r\n").repeated(9));
    WriteFile("/2026/Team# 1/71.txt", QByteArray("Vacation\r\n").repeated(12));
    EXPECT_EQ(CountBookedLines(FullPath("/2026/Team# 1/69.txt")), 3);
    EXPECT_EQ(CountBookedLines(FullPath("/2026/Team# 1/71.txt")), 12);
    EXPECT_EQ(CountBookedLines(FullPath("/2026/Team# 1/70.txt")), 0);
}

TEST_F(ScheduleViewsTest, StepsSkipTheDaysTheWorkWeekExcludes)
{
    const QDate friday(2026, 3, 13), saturday(2026, 3, 14), sunday(2026, 3, 15), monday(2026, 3, 16);
    struct Case {
        int workWeek;
        QDate from;
        bool forward;
        QDate to;
    } cases[] = {
        {5, friday, true, monday},     {5, monday, false, friday},  {61, friday, true, saturday},
        {61, saturday, true, monday},  {61, monday, false, saturday}, {62, friday, true, sunday},
        {62, sunday, false, friday},   {7, friday, true, saturday},  {7, monday, false, sunday},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StepScheduleDay(c.from, c.forward, c.workWeek), c.to) << c.workWeek << " " << c.from.toString().toStdString();
}

TEST_F(ScheduleViewsTest, SlotKindsAreTestedInFileOrder)
{
    struct Case {
        const char* text;
        bool slips, meetings, records;
        int kind;
    } cases[] = {
        {"SA 1042 Leak", true, true, true, 1},  {"123 Smith", true, true, true, 1}, {"123", true, true, true, 1},
        {"Mtg Smith", true, true, true, 2},     {"Pj45-3-Framing", true, true, true, 3},
        {"Pj45-3-Framing", true, true, false, 0}, {"123 Smith", false, true, true, 0},
        {"mtg Smith", true, true, true, 0},     {"Smith 123", true, false, false, 0},
        {"SA Mtg Pj", false, true, true, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SlotEntryKind(c.text, c.slips, c.meetings, c.records), c.kind) << c.text;
}

class DayWindowTest : public ScheduleViewsTest {
protected:
    static constexpr int Team = 1;
    const QDate monday{2026, 3, 16};

    DayWindowInput Input(const QDate& date) const
    {
        DayWindowInput input;
        input.Date = date;
        input.Team = TeamText(Team);
        input.Slots.fill(NoEventScheduled);
        return input;
    }

    static SlipRecord Record(const QString& date, const QString& team, int slot, const QString& unit, int duration,
                             const QString& text, const QString& key = QString())
    {
        SlipRecord r;
        r.EventDate = date;
        r.TeamNo = team;
        r.StartSlot = QString::number(slot);
        r.Unit = unit;
        r.Duration = QString::number(duration);
        r.EventText = text;
        r.EventKey = key;
        r.CustomerName = "Smith";
        r.Address1 = "1 Oak St";
        r.City = "Springfield";
        r.State = "IL";
        r.Zip = "62701";
        r.Telephone = "555-0101";
        return r;
    }

    static QList<int> BookedBoxes(const std::array<DayWindowBox, 12>& boxes)
    {
        QList<int> booked;
        for (int i = 0; i < 12; ++i)
            if (boxes[size_t(i)].Booked)
                booked.append(i);
        return booked;
    }
};

TEST_F(DayWindowTest, RecordsFillTheirHoursFromTheirStartSlot)
{
    DayWindowInput input = Input(monday);
    EXPECT_EQ(BookedBoxes(BuildDayWindow(input)), QList<int>{});
    EXPECT_EQ(BuildDayWindow(input)[0].Text, "\r\n\r\n         No Event Scheduled");

    input.Slots.fill("booked from outside");
    input.Records[0] = {Record("3/16/2026", "1", 4, "Hours", 3, "Leak"),
                        Record("3/16/2026", " 1", 11, "Hours", 4, "Late call"),  // runs past the last hour
                        Record("16.3.2026x", "1", 1, "Hours", 1, "Unreadable"),
                        Record("3/16/2026", "2", 1, "Hours", 1, "Other team"),
                        Record("3/16/2026", "1", 13, "Hours", 1, "No such slot")};
    auto boxes = BuildDayWindow(input);
    EXPECT_EQ(BookedBoxes(boxes), (QList<int>{3, 4, 5, 10, 11}));
    EXPECT_EQ(boxes[4].Text, "Smith\r\n1 Oak St\r\nSpringfield,IL\r\n555-0101\r\nLeak");
    EXPECT_EQ(boxes[4].ToolTip, "Smith");
    EXPECT_EQ(boxes[4].LabelToolTip, "555-0101");
    EXPECT_EQ(boxes[11].EventText, "Late call");
    EXPECT_EQ(boxes[4].AccountInfo[3], "Springfield");
    EXPECT_EQ(boxes[4].AccountInfo[6], "62701");
    input.UsaStyle = true;
    boxes = BuildDayWindow(input);
    EXPECT_EQ(boxes[4].AccountInfo[3], "Springfield, IL 62701");
    EXPECT_EQ(boxes[4].AccountInfo[6], "");

    input.Records[0] = {};
    input.Records[1] = {Record("3/16/2026", "1", 3, "Days", 1, "Mtg Site")};
    EXPECT_EQ(BookedBoxes(BuildDayWindow(input)), (QList<int>{2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(DayWindowTest, ProjectEventsShowOnlyWhileTheirSlotsHoldTheirBooking)
{
    DayWindowInput input = Input(monday);
    input.Slots[2] = "Pj45-3-Framing";
    input.Records[2] = {Record("3/16/2026", "1", 3, "Hours", 1, "Framing", "Pj45-3"),
                        // completed since: its slot is free again
                        Record("3/16/2026", "1", 5, "Hours", 1, "Siding", "Pj45-3")};
    EXPECT_EQ(BookedBoxes(BuildDayWindow(input)), QList<int>{2});

    // A loaded three-day milestone from Friday shows on Monday and Tuesday, not on Saturday.
    LoadedProjectsState projects;
    LoadedProject project;
    project.Header.ProjectNo = "Pj40-1";
    project.Header.CustomerName = "Jones";
    MilestoneRecord days;
    days.MilestoneName = "Roofing";
    days.PersonnelType = 2;
    days.ScheduledDate = QDate(2026, 3, 13);
    days.Team = "1";
    days.StartSlot = "3";
    days.Unit = "Days";
    days.Duration = "3";
    project.Milestones = {days};
    projects.Projects.append(project);
    projects.ProjectCount = 1;
    projects.ProjectsLoaded = true;
    int loads = 0;
    auto withProjects = [&](const QDate& date) {
        DayWindowInput in = Input(date);
        in.Slots.fill("Pj40-1-Roofing");
        in.Projects = [&]() -> const LoadedProjectsState* { ++loads; return &projects; };
        in.Slots[0] = NoEventScheduled;
        return BookedBoxes(BuildDayWindow(in));
    };
    const QList<int> eight = {2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(withProjects(QDate(2026, 3, 16)), eight);
    EXPECT_EQ(withProjects(QDate(2026, 3, 17)), eight);
    EXPECT_EQ(withProjects(QDate(2026, 3, 14)), QList<int>{});
    EXPECT_EQ(withProjects(QDate(2026, 3, 18)), QList<int>{});
    EXPECT_EQ(loads, 4);
    // Every hour accounted for by the records: the projects are not loaded.
    input.Slots.fill(NoEventScheduled);
    input.Projects = [&]() -> const LoadedProjectsState* { ++loads; return &projects; };
    BuildDayWindow(input);
    EXPECT_EQ(loads, 4);
}

} // namespace
