#include "app/Startup.h"
#include "core/DataUpkeep.h"
#include "core/Navigation.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/Controls.h"
#include "platform/FlexGrid.h"
#include "platform/TextBox.h"
#include "scheduling/TeamDayStore.h"
#include "scheduling/frmMain.h"
#include "core/QtPrinters.h"
#include "support/ScreenFixture.h"
#include "core/DialService.h"
#include "support/UserInput.h"
#include "telephony/PhoneSettings.h"

#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace {

// Today is Saturday 2026-03-07; the first workday the screen proposes is Monday 2026-03-09.
class SchedulingScreenTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        ResetTeamDayState();
        ResetPhoneSettings();
        InitTimeSlotNames();
        Shared().TeamNames = {QStringLiteral("populated"), QStringLiteral("Framers"), QStringLiteral("Roofers")};
        Shared().CurrentYear = QStringLiteral("2026");
        Shared().ProgramRoutine = 3;
    }

    void TearDown() override
    {
        ScreenFixture::TearDown();
        ResetTeamDayState();
        ResetPhoneSettings();
    }

    static frmMain& ShowSchedule()
    {
        frmMain& screen = ScreenInstance<frmMain>();
        screen.Show();
        return screen;
    }

    void BookDay(const QDate& day, int team, const QStringList& first)
    {
        QByteArray bytes;
        for (int slot = 0; slot < 12; ++slot)
            bytes += '"' + (slot < first.size() ? first[slot] : NoEventScheduled).toLatin1() + "\"\r\n";
        WriteFile(DayFile(day, team), bytes);
    }

    static QString DayFile(const QDate& day, int team)
    {
        return TeamDayFilePath(QString::number(day.year()), team, day.dayOfYear());
    }
};

const QDate Monday(2026, 3, 9);
const QDate Tuesday(2026, 3, 10);

TEST_F(SchedulingScreenTest, ClearEmptiesTheDayShownAfterTwoYesAnswers)
{
    BookDay(Monday, 1, {"Pj1-1-Framing"});
    BookDay(Tuesday, 1, {"Pj1-1-Framing", "Pj1-1-Framing", "Pj1-1-Framing"});
    frmMain& screen = ShowSchedule();
    EXPECT_EQ(screen.CalendarDate(), Monday);
    EXPECT_EQ(screen.lstTeam->count(), 3);
    EXPECT_EQ(screen.lstTeam->item(2)->text(), "All Teams");
    EXPECT_TRUE(screen.fgHours->isVisible());
    EXPECT_EQ(screen.fgHours->TextMatrix(1, 0), "06:00 am");
    EXPECT_EQ(screen.fgHours->TextMatrix(12, 0), "06:00 pm");
    EXPECT_EQ(screen.fgHours->TextMatrix(1, 1), "Pj1-1-Framing");
    EXPECT_TRUE(screen.cmdView->isEnabled());

    screen.MonthView1->setSelectedDate(Tuesday);
    EXPECT_EQ(Shared().CurrentDate, Tuesday);
    EXPECT_EQ(screen.Text1[9]->text(), "3"); // March starts on a Sunday
    EXPECT_EQ(screen.Text1[8]->text(), "1");
    EXPECT_EQ(screen.fgHours->TextMatrix(3, 1), "Pj1-1-Framing");
    const QByteArray before = ReadFile(DayFile(Tuesday, 1));
    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::No);
    screen.cmdClear_Click();
    EXPECT_EQ(ReadFile(DayFile(Tuesday, 1)), before);
    ASSERT_EQ(Script().Shown().size(), 2);
    EXPECT_EQ(Script().Shown()[0].Prompt, "This will Clear all Events for 3/10/2026 for Framers");
    EXPECT_EQ(Script().Shown()[0].Title, "Clearing Time Slots");
    EXPECT_EQ(Script().Shown()[1].Prompt, "Are You Sure?");

    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::Yes);
    screen.cmdClear_Click();
    EXPECT_EQ(ReadFile(DayFile(Tuesday, 1)), QByteArray("\"No Event Scheduled\"\r\n").repeated(12));
    EXPECT_EQ(screen.fgHours->TextMatrix(3, 1), NoEventScheduled);
    EXPECT_EQ(screen.Text1[9]->text(), "10");
    EXPECT_EQ(ReadFile(DayFile(Monday, 1)).left(15), "\"Pj1-1-Framing\"");

    // "All Teams" is no team to clear.
    screen.lstTeam->setCurrentRow(2);
    EXPECT_FALSE(screen.cmdClear->isEnabled());
    screen.cmdClear_Click();
    EXPECT_EQ(Script().Shown().size(), 4);
}

TEST_F(SchedulingScreenTest, StepsStayBetweenTodayAndTwoYearsAhead)
{
    frmMain& screen = ShowSchedule();
    for (int i = 0; i < 3; ++i)
        Script().Queue(MsgAnswer::Ok);
    screen.PrevScheduleDay(); // Friday the 6th is past
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Prompt, "Date cannot be before Today");
    EXPECT_EQ(Script().Shown()[0].Title, "Invalid date");
    EXPECT_EQ(screen.CalendarDate(), Monday);
    screen.UpDown1->ClickUp();
    EXPECT_EQ(screen.CalendarDate(), Tuesday);
    EXPECT_EQ(screen.lblDay->text(), "Tuesday");

    // The latest date is Tuesday 2028-03-07.
    screen.MonthView1->setSelectedDate(QDate(2028, 3, 6));
    screen.NextScheduleDay();
    EXPECT_EQ(screen.CalendarDate(), QDate(2028, 3, 7));
    screen.NextScheduleDay();
    EXPECT_EQ(screen.CalendarDate(), QDate(2028, 3, 7));
    EXPECT_EQ(Script().Shown().last().Prompt, "Date cannot be more than Two Years");
    screen.Text1_Click(3 + 7); // March 2028 starts on a Wednesday: cell 10 is the 8th
    EXPECT_EQ(Script().Shown().last().Prompt, "Date cannot be more than Two Years");
    EXPECT_EQ(Script().Shown().size(), 3);
    screen.Text1_Click(0); // an empty cell
    EXPECT_EQ(Script().Shown().size(), 3);
    screen.Text1_Click(8); // the 6th, a Monday
    EXPECT_EQ(screen.CalendarDate(), QDate(2028, 3, 6));

    // The team spin wraps both ways, over the teams only.
    screen.UpDnTeam->ClickDown();
    EXPECT_EQ(screen.lstTeam->currentRow(), 1);
    EXPECT_EQ(screen.txtCurrentTeam->text(), "Roofers");
    EXPECT_EQ(TeamDay().CurrentTeam, " 2");
    screen.UpDnTeam->ClickUp();
    EXPECT_EQ(screen.lstTeam->currentRow(), 0);
}

TEST_F(SchedulingScreenTest, AnEveningsDateLabelNamesTheDateTheCalendarHolds)
{
    // Wednesday after eight: the screen proposes Thursday.
    SetToday(QDate(2026, 3, 11), QTime(20, 30));
    frmMain& screen = ShowSchedule();
    ShowAtRealSize(&screen);
    ClickAt(screen.cmdShowCal);
    ASSERT_EQ(screen.CalendarDate(), QDate(2026, 3, 12));
    EXPECT_EQ(screen.lblDate->text(), "3/12/2026");
    EXPECT_EQ(screen.lblDay->text(), "Thursday");
}

TEST_F(SchedulingScreenTest, TheMonthCalendarPagesBothWaysUnderThePointer)
{
    frmMain& screen = ShowSchedule();
    ShowAtRealSize(&screen);
    ClickAt(screen.cmdShowCal);
    ASSERT_TRUE(screen.fraCalendar->isVisible());
    auto* back = screen.MonthView1->findChild<QToolButton*>(QStringLiteral("qt_calendar_prevmonth"));
    auto* forward = screen.MonthView1->findChild<QToolButton*>(QStringLiteral("qt_calendar_nextmonth"));
    ASSERT_TRUE(back && forward);
    EXPECT_EQ(ClickAt(forward), forward);
    ClickAt(forward);
    EXPECT_EQ(screen.MonthView1->monthShown(), 5);
    EXPECT_EQ(ClickAt(back), back);
    EXPECT_EQ(screen.MonthView1->monthShown(), 4);
    EXPECT_EQ(screen.CalendarDate(), Monday); // a page turn picks nothing
}

TEST_F(SchedulingScreenTest, AReturnFromTheDialerKeepsDateAndTeam)
{
    ScreenA* dialer = nullptr;
    RegisterScreen("frmDialer", [&]() -> Screen& {
        dialer = &ScreenInstance<ScreenA>();
        dialer->OnActivate = [&] { dialer->Hide(); };
        return *dialer;
    });
    PhoneSettings().PhoneOn = true;
    frmMain& screen = ShowSchedule();
    EXPECT_TRUE(screen.imgDialer->isEnabled());
    screen.lblCustomerInfo[1]->setText("John Smith");
    screen.lblCustomerInfo[7]->setText("555-0101");
    screen.lstTeam->setCurrentRow(1);
    screen.MonthView1->setSelectedDate(QDate(2026, 3, 11));
    screen.imgDialer_Click();
    EXPECT_EQ(DialRequest().Name, "John Smith");
    EXPECT_EQ(DialRequest().Number, "555-0101");
    EXPECT_TRUE(ScreenEvents().contains("A.Activate"));
    EXPECT_EQ(screen.CalendarDate(), QDate(2026, 3, 11));
    EXPECT_EQ(screen.lstTeam->currentRow(), 1);
    EXPECT_EQ(screen.txtCurrentTeam->text(), "Roofers");
}

TEST_F(SchedulingScreenTest, TheJobSiteTogglesBetweenEmptyAndTheBillingAddress)
{
    frmMain& screen = ScreenInstance<frmMain>();
    screen.lblCustomerInfo[1]->setText("John Smith");
    screen.lblCustomerInfo[2]->setText("1 Oak St");
    Shared().ProgramRoutine = 1;
    screen.Show();
    EXPECT_TRUE(screen.fraProjectInfo->isVisible());
    EXPECT_EQ(screen.txtCustomerInfo[1]->text(), "John Smith");
    EXPECT_EQ(screen.cmdSetJobSite->text(), "Toggle / Clear");
    screen.cmdSetJobSite_Click();
    EXPECT_EQ(screen.txtCustomerInfo[1]->text(), "");
    EXPECT_EQ(screen.txtCustomerInfo[2]->text(), "");
    EXPECT_EQ(screen.cmdSetJobSite->text(), "Same as Account");
    screen.cmdSetJobSite_Click();
    EXPECT_EQ(screen.txtCustomerInfo[2]->text(), "1 Oak St");
    EXPECT_EQ(screen.lstTeam->count(), 2); // no "All Teams" for a milestone
}

TEST_F(SchedulingScreenTest, TheHourGridBooksAnHoursMilestoneOnlyWhereItFits)
{
    Shared().ProgramRoutine = 1;
    frmMain& screen = ShowSchedule();
    screen.fgHours_Click(10); // no hours step yet
    EXPECT_EQ(Script().Beeps(), 1);
    screen.cmdClear->setEnabled(true);
    screen.lblProjectNo->setText("Pj66-1");
    screen.txtConEvents->setText("Framing");
    screen.txtTime->setText("4");
    for (int i = 0; i < 2; ++i)
        Script().Queue(MsgAnswer::Ok);
    screen.fgHours_Click(10);
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Prompt, "Hours Requested exceed Hours Remaining this Date");
    EXPECT_EQ(Script().Shown()[0].Title, "Selection Error");
    EXPECT_EQ(screen.SelectedSlotText, "No Slot Selected");

    screen.txtTime->setText("3");
    screen.fgHours_Click(10);
    for (int row = 10; row <= 12; ++row) {
        EXPECT_EQ(screen.fgHours->TextMatrix(row, 1), "Pj66-1-Framing");
        EXPECT_EQ(TeamDay().DaySlots[size_t(row)], "Pj66-1-Framing");
    }
    EXPECT_EQ(screen.fgHours->TextMatrix(9, 1), NoEventScheduled);
    EXPECT_EQ(screen.SelectedSlotText, "Pj66-1-Framing");
    EXPECT_EQ(screen.lblDateTime->text(), "Click Continue");
    screen.fgHours_Click(2); // the same milestone twice on one day
    EXPECT_EQ(Script().Beeps(), 2);
    screen.txtConEvents->setText("Roofing");
    screen.txtTime->setText("2");
    screen.fgHours_Click(9);
    EXPECT_EQ(Script().Shown().last().Prompt, "Event already Scheduled Here");
    EXPECT_EQ(screen.fgHours->TextMatrix(9, 1), NoEventScheduled);
    screen.txtTime->setText("0");
    screen.fgHours_Click(1);
    EXPECT_EQ(screen.fgHours->TextMatrix(1, 1), NoEventScheduled);
    EXPECT_FALSE(Exists(DayFile(Monday, 1))); // the day is written by the wizard's Continue

    screen.ClearSelectedSlot();
    EXPECT_EQ(screen.fgHours->TextMatrix(11, 1), NoEventScheduled);
    EXPECT_EQ(screen.SelectedSlotText, "No Slot Selected");
}

TEST_F(SchedulingScreenTest, DeleteAsksFirstAndKeepsTheFolders)
{
    BookDay(Monday, 1, {"Pj1-1-Framing"});
    WriteFile("/Backup" + DayFile(Monday, 2), "x");
    frmMain& screen = ShowSchedule();
    Script().Queue(MsgAnswer::No);
    screen.cmdDelete_Click();
    EXPECT_TRUE(Exists(DayFile(Monday, 1)));
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Prompt, "This will Delete the Schedules of all Teams\nand their Backup Copies\nAre You Sure?");
    EXPECT_EQ(Script().Shown()[0].Title, "Delete All Team Schedules");
    Script().Queue(MsgAnswer::Yes);
    screen.cmdDelete_Click();
    EXPECT_FALSE(Exists(DayFile(Monday, 1)));
    EXPECT_FALSE(Exists("/Backup" + DayFile(Monday, 2)));
    EXPECT_TRUE(IsFolder("/2026/Team# 1"));
    EXPECT_EQ(screen.fgHours->TextMatrix(1, 1), NoEventScheduled);
}

} // namespace
