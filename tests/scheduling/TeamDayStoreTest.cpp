#include "core/DataUpkeep.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/MessageBox.h"
#include "scheduling/TeamDayStore.h"
#include "support/ProgramFolderFixture.h"

#include <QFile>
#include <QSignalSpy>

#include <filesystem>

namespace {

class TeamDayStoreTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        Shared().TeamNames = {QStringLiteral("populated"), QStringLiteral("Framers"), QStringLiteral("Roofers")};
        Shared().CurrentYear = QStringLiteral("2026");
        MakeFolders(QStringLiteral("/2026"));
        TeamDay().CurrentTeam = TeamText(1);
    }

    static QString DayFile(const QDate& day, int team = 1)
    {
        return TeamDayFilePath(QString::number(day.year()), team, day.dayOfYear());
    }

    void Book(const QDate& day, const QString& text, int team = 1)
    {
        TeamDay().CurrentTeam = TeamText(team);
        ASSERT_TRUE(ScheduleDays(day, 1, text));
        TeamDay().CurrentTeam = TeamText(1);
    }

    static QByteArray QuotedDay(const QStringList& slotTexts)
    {
        QByteArray bytes;
        for (const QString& text : slotTexts)
            bytes += '"' + text.toLatin1() + "\"\r\n";
        return bytes;
    }

    static QStringList FreeDay() { return QStringList(12, NoEventScheduled); }
};

// 2026-03-06 is a Friday.
const QDate Friday(2026, 3, 6);
const QDate Saturday(2026, 3, 7);
const QDate Sunday(2026, 3, 8);
const QDate Monday(2026, 3, 9);
const QDate Tuesday(2026, 3, 10);

TEST_F(TeamDayStoreTest, WorkWeekMovesOnlyItsNonWorkdays)
{
    struct Case {
        quint8 workWeek;
        QDate from;
        QDate to;
    };
    const Case cases[] = {
        {5, Friday, Friday},   {5, Saturday, Monday}, {5, Sunday, Monday},   {5, Monday, Monday},
        {61, Saturday, Saturday}, {61, Sunday, Monday}, {61, Friday, Friday},
        {62, Saturday, Sunday}, {62, Sunday, Sunday}, {62, Friday, Friday},
        {7, Saturday, Saturday}, {7, Sunday, Sunday},
        // Across the year end: 2033-12-31 is a Saturday.
        {5, QDate(2033, 12, 31), QDate(2034, 1, 2)}, {62, QDate(2033, 12, 31), QDate(2034, 1, 1)},
        // 31 December of a leap year is a Sunday in 2028.
        {5, QDate(2028, 12, 31), QDate(2029, 1, 1)}, {61, QDate(2028, 12, 31), QDate(2029, 1, 1)},
    };
    for (const Case& c : cases) {
        Settings().WorkWeek = c.workWeek;
        EXPECT_EQ(SkipNonWorkDays(c.from), c.to) << int(c.workWeek) << " " << c.from.toString().toStdString();
    }
}

TEST_F(TeamDayStoreTest, LoadingAMissingDayGivesAFreeDayAndMakesOnlyTheTeamFolder)
{
    QSignalSpy shown(&TeamDayEvents::Instance(), &TeamDayEvents::DaySlotsShown);
    LoadTeamDay(Monday, TeamText(2));

    for (int k = 1; k <= 12; ++k)
        EXPECT_EQ(TeamDay().DaySlots[size_t(k)], NoEventScheduled);
    EXPECT_TRUE(IsFolder(QStringLiteral("/2026/Team# 2")));
    EXPECT_FALSE(Exists(DayFile(Monday, 2)));
    EXPECT_EQ(TeamDay().DayOfYearText, QStringLiteral("68"));
    EXPECT_TRUE(TeamDay().DayFilePath.endsWith(QStringLiteral("/2026/Team# 2/68.txt")));
    EXPECT_GE(shown.count(), 1);
}

TEST_F(TeamDayStoreTest, SavedDayIsTwelveQuotedLines)
{
    LoadTeamDay(Monday, TeamText(1));
    TeamDay().DaySlots[3] = QStringLiteral("Pj68-1-Framing");
    ASSERT_TRUE(SaveTeamDay(Monday, TeamText(1)));

    QStringList expected = FreeDay();
    expected[2] = QStringLiteral("Pj68-1-Framing");
    EXPECT_EQ(ReadFile(DayFile(Monday)), QuotedDay(expected));
}

TEST_F(TeamDayStoreTest, TeamsOutsideTheListAreNeverWritten)
{
    for (const QString& team : {QString(), QStringLiteral(" 3"), QStringLiteral("All Assignments")}) {
        LoadTeamDay(Monday, team);
        EXPECT_EQ(TeamDay().DaySlots[5], NoEventScheduled);
        EXPECT_FALSE(SaveTeamDay(Monday, team));
    }
    EXPECT_FALSE(IsFolder(QStringLiteral("/2026/Team# ")));
    EXPECT_FALSE(IsFolder(QStringLiteral("/2026/Team# 3")));
}

TEST_F(TeamDayStoreTest, BareLinesReadWholeAndShortFilesAreFreeAtTheEnd)
{
    // A blocked day is written as bare text; a slot from outside may hold a comma.
    WriteFile(DayFile(Monday), QByteArray("Vacation\r\n").repeated(2) + "SA 1042, Smith\r\n\"Pj1-1-Roof\"\r\n");
    LoadTeamDay(Monday, TeamText(1));

    EXPECT_EQ(TeamDay().DaySlots[1], QStringLiteral("Vacation"));
    EXPECT_EQ(TeamDay().DaySlots[3], QStringLiteral("SA 1042, Smith"));
    EXPECT_EQ(TeamDay().DaySlots[4], QStringLiteral("Pj1-1-Roof"));
    EXPECT_EQ(TeamDay().DaySlots[5], NoEventScheduled);

    const std::array<QString, 12> read = ReadDaySlots();
    EXPECT_EQ(read[2], QStringLiteral("SA 1042, Smith"));
    EXPECT_EQ(read[11], NoEventScheduled);

    // Saving it back keeps every slot in its place.
    ASSERT_TRUE(SaveTeamDay(Monday, TeamText(1)));
    LoadTeamDay(Monday, TeamText(1));
    EXPECT_EQ(TeamDay().DaySlots[3], QStringLiteral("SA 1042, Smith"));
    EXPECT_EQ(TeamDay().DaySlots[4], QStringLiteral("Pj1-1-Roof"));
}

TEST_F(TeamDayStoreTest, OnlyTheWorkingSlotsDecideWhetherADayIsTaken)
{
    QStringList early = FreeDay();
    early[0] = early[1] = early[10] = early[11] = QStringLiteral("Pj5-1-Early");
    early[4] = QString(); // an empty working slot is free
    WriteFile(DayFile(Monday), QuotedDay(early));
    EXPECT_FALSE(CheckDayTaken(Monday));

    WriteFile(DayFile(Tuesday), QByteArray("Holiday\r\n").repeated(12));
    EXPECT_TRUE(CheckDayTaken(Tuesday));
    // Each test answers for its own day only.
    EXPECT_FALSE(CheckDayTaken(Monday));

    // With start hour 7 the window moves one slot earlier, onto slot 2.
    Settings().StartHour = 7;
    EXPECT_TRUE(CheckDayTaken(Monday));
}

TEST_F(TeamDayStoreTest, DayBookingFillsTheWindowAndKeepsTheRest)
{
    QStringList day = FreeDay();
    day[0] = day[11] = QStringLiteral("Mtg 7");
    WriteFile(DayFile(Monday), QuotedDay(day));

    ASSERT_TRUE(ScheduleDays(Monday, 1, QStringLiteral("Pj68-1-Framing")));
    LoadTeamDay(Monday, TeamText(1));
    for (int k = 1; k <= 12; ++k) {
        const QString expected = k == 1 || k == 12 ? QStringLiteral("Mtg 7")
                               : k >= 3 && k <= 10 ? QStringLiteral("Pj68-1-Framing")
                                                   : NoEventScheduled;
        EXPECT_EQ(TeamDay().DaySlots[size_t(k)], expected) << k;
    }

    Settings().StartHour = 7;
    ASSERT_TRUE(ScheduleDays(Tuesday, 1, QStringLiteral("Pj68-2-Roof")));
    LoadTeamDay(Tuesday, TeamText(1));
    EXPECT_EQ(TeamDay().DaySlots[1], NoEventScheduled);
    EXPECT_EQ(TeamDay().DaySlots[2], QStringLiteral("Pj68-2-Roof"));
    EXPECT_EQ(TeamDay().DaySlots[9], QStringLiteral("Pj68-2-Roof"));
    EXPECT_EQ(TeamDay().DaySlots[10], NoEventScheduled);
}

TEST_F(TeamDayStoreTest, FridayRunOfThreeSpansTheWeekend)
{
    QDate day = Friday;
    bool taken = true;
    FindOpenDay(day, 3, taken);
    EXPECT_FALSE(taken);
    EXPECT_EQ(day, Friday);

    ASSERT_TRUE(ScheduleDays(day, 3, QStringLiteral("Pj65-1-Footings")));
    EXPECT_TRUE(Exists(DayFile(Friday)));
    EXPECT_FALSE(Exists(DayFile(Saturday)));
    EXPECT_FALSE(Exists(DayFile(Sunday)));
    EXPECT_TRUE(Exists(DayFile(Monday)));
    EXPECT_TRUE(Exists(DayFile(Tuesday)));
    EXPECT_FALSE(Exists(DayFile(Tuesday.addDays(1))));
}

TEST_F(TeamDayStoreTest, SearchStartsOnAWorkdayAndSkipsTakenDays)
{
    QDate day = Saturday;
    bool taken = true;
    FindOpenDay(day, 1, taken);
    EXPECT_EQ(day, Monday);

    Book(Monday, QStringLiteral("Pj1-1-Permit"));
    // Another team's booking does not count.
    Book(Tuesday, QStringLiteral("Pj1-2-Roof"), 2);
    day = Monday;
    FindOpenDay(day, 2, taken);
    EXPECT_FALSE(taken);
    EXPECT_EQ(day, Tuesday);
    LoadTeamDay(Monday, TeamText(1));
    EXPECT_EQ(TeamDay().DaySlots[3], QStringLiteral("Pj1-1-Permit"));

    day = Monday;
    FindOpenDay(day, 0, taken);
    EXPECT_FALSE(taken);
    EXPECT_EQ(day, Monday);
}

TEST_F(TeamDayStoreTest, SearchGivesUpAtTheSixtiethTakenDay)
{
    Settings().WorkWeek = 7;
    const QDate start(2026, 4, 1);
    for (int i = 0; i < 59; ++i)
        Book(start.addDays(i), QStringLiteral("Pj1-1-Busy"));

    QDate day = start;
    bool taken = true;
    FindOpenDay(day, 1, taken);
    EXPECT_FALSE(taken);
    EXPECT_EQ(day, start.addDays(59));
    EXPECT_EQ(TeamDay().OpenDayTries, 59);

    Book(start.addDays(59), QStringLiteral("Pj1-1-Busy"));
    day = start;
    FindOpenDay(day, 1, taken);
    EXPECT_TRUE(taken);

    // The next search counts afresh.
    day = start.addDays(30);
    FindOpenDay(day, 1, taken);
    EXPECT_FALSE(taken);
    EXPECT_EQ(day, start.addDays(60));
}

TEST_F(TeamDayStoreTest, RunAcrossTheYearEndWritesIntoNextYearsFolder)
{
    ASSERT_TRUE(ScheduleDays(QDate(2026, 12, 31), 2, QStringLiteral("Pj365-1-Siding")));
    EXPECT_TRUE(Exists(QStringLiteral("/2026/Team# 1/365.txt")));
    EXPECT_TRUE(Exists(QStringLiteral("/2027/Team# 1/1.txt")));
}

TEST_F(TeamDayStoreTest, FailedSaveLeavesNoHalfBooking)
{
    // Day two cannot be written: a folder stands where its file would go.
    MakeFolders(DayFile(Tuesday));
    EXPECT_FALSE(ScheduleDays(Monday, 2, QStringLiteral("Pj68-1-Framing")));
    EXPECT_FALSE(Exists(DayFile(Monday)));

    QStringList before = FreeDay();
    before[0] = QStringLiteral("Mtg 3");
    WriteFile(DayFile(Monday), QuotedDay(before));
    EXPECT_FALSE(ScheduleDays(Monday, 2, QStringLiteral("Pj68-1-Framing")));
    EXPECT_EQ(ReadFile(DayFile(Monday)), QuotedDay(before));
    EXPECT_FALSE(ScheduleDays(Monday, MaxScheduleDays + 1, QStringLiteral("Pj68-1-Framing")));
}

TEST_F(TeamDayStoreTest, AnHourBookedMeanwhileStopsADaysBookingAndKeepsItsSlip)
{
    // Between the booking's reading of Tuesday and its writing, another program books a slip
    // into one of Tuesday's working hours.
    WriteFile(DayFile(Tuesday), QuotedDay(FreeDay()));
    QStringList slip = FreeDay();
    slip[4] = QStringLiteral("SA2005 Slip");
    bool written = false;
    QObject hook;
    QObject::connect(&TeamDayEvents::Instance(), &TeamDayEvents::DaySlotsShown, &hook, [&] {
        if (!written && TeamDay().DayFilePath.endsWith(QStringLiteral("/69.txt"))) {
            written = true;
            WriteFile(DayFile(Tuesday), QuotedDay(slip));
        }
    });
    EXPECT_FALSE(ScheduleDays(Monday, 2, QStringLiteral("Pj68-1-Framing")));
    EXPECT_EQ(TeamDay().LastDayWrite, DayWrite::Conflict);
    EXPECT_EQ(TeamDay().ConflictSlot, 5);
    EXPECT_EQ(ReadFile(DayFile(Tuesday)), QuotedDay(slip));
    // Monday, booked first, is given back as it was: no file.
    EXPECT_FALSE(Exists(DayFile(Monday)));
}

TEST_F(TeamDayStoreTest, UnreadableDayIsTakenAndNeverWrittenOver)
{
    // A day file the system will not read: here a link that leads to itself, as a file of
    // another user or one held by another program would be.
    MakeFolders(QStringLiteral("/2026/Team# 1"));
    const std::filesystem::path tuesday(FullPath(DayFile(Tuesday)).toStdString());
    std::filesystem::create_symlink(tuesday, tuesday);
    MessageScript script;
    for (int i = 0; i < 3; ++i)
        script.Queue(MsgAnswer::Ok);

    EXPECT_TRUE(CheckDayTaken(Tuesday));
    ASSERT_EQ(script.Shown().size(), 1);
    EXPECT_EQ(script.Shown()[0].Title, QStringLiteral("Schedule File Error"));
    EXPECT_EQ(script.Shown()[0].Prompt,
              QStringLiteral("The Schedule of Framers for 3/10/2026 can not be read\nThat Day counts as Taken"));

    QDate day = Monday;
    bool taken = true;
    FindOpenDay(day, 2, taken);
    EXPECT_FALSE(taken);
    EXPECT_EQ(day, Tuesday.addDays(1));

    // A booking onto it stops there and takes back the day before.
    EXPECT_FALSE(ScheduleDays(Monday, 2, QStringLiteral("Pj68-1-Framing")));
    EXPECT_FALSE(Exists(DayFile(Monday)));
    EXPECT_TRUE(std::filesystem::is_symlink(tuesday));
    EXPECT_EQ(script.Shown().size(), 3);
    // Nor does a save of the day replace it.
    EXPECT_FALSE(SaveTeamDay(Tuesday, TeamDay().CurrentTeam));
    EXPECT_TRUE(std::filesystem::is_symlink(tuesday));
    EXPECT_TRUE(script.Unanswered().isEmpty());
}

TEST_F(TeamDayStoreTest, BookingThatCannotBeTakenBackIsReported)
{
    // Tuesday cannot be written, and while it is tried a folder takes the place of Monday's
    // new file, so Monday cannot be put back as it was.
    MakeFolders(DayFile(Tuesday));
    QObject hook;
    QObject::connect(&TeamDayEvents::Instance(), &TeamDayEvents::DaySlotsShown, &hook, [this] {
        if (Exists(DayFile(Monday))) {
            QFile::remove(FullPath(DayFile(Monday)));
            MakeFolders(DayFile(Monday));
        }
    });
    MessageScript script;
    script.Queue(MsgAnswer::Ok);

    EXPECT_FALSE(ScheduleDays(Monday, 2, QStringLiteral("Pj68-1-Framing")));
    EXPECT_EQ(TeamDay().DaysNotPutBack, QList<QDate>{Monday});
    ASSERT_EQ(script.Shown().size(), 1);
    EXPECT_EQ(script.Shown()[0].Title, QStringLiteral("Booking Not Undone"));
    EXPECT_EQ(script.Shown()[0].Prompt, QStringLiteral("The Booking could not be taken back from Framers on 3/9/2026\n"
                                                       "Check that the program folder may be written to."));
}

TEST_F(TeamDayStoreTest, DefaultDateTurnsOverAtEightInTheEvening)
{
    SetToday(QDate(2026, 3, 9), QTime(19, 59));
    EXPECT_EQ(GetDefaultScheduleDate(), QDate(2026, 3, 9));
    SetToday(QDate(2026, 3, 9), QTime(20, 0));
    EXPECT_EQ(GetDefaultScheduleDate(), QDate(2026, 3, 10));
    SetToday(QDate(2026, 12, 31), QTime(20, 0));
    EXPECT_EQ(GetDefaultScheduleDate(), QDate(2027, 1, 1));
}

TEST_F(TeamDayStoreTest, ScheduleYearCorrectsThePastAndPreparesTheFuture)
{
    int year = 2025;
    CheckScheduleYear(year);
    EXPECT_EQ(year, 2026);

    year = 2026;
    CheckScheduleYear(year);
    EXPECT_EQ(year, 2026);
    EXPECT_FALSE(IsFolder(QStringLiteral("/2026/Team# 1")));

    year = 2027;
    CheckScheduleYear(year);
    EXPECT_EQ(year, 2027);
    EXPECT_TRUE(IsFolder(QStringLiteral("/2027/Team# 1")));
    EXPECT_TRUE(IsFolder(QStringLiteral("/2027/Team# 2")));
}

} // namespace
