#include "scheduling/BlockedDays.h"

#include "app/Startup.h"
#include "app/frmStartup.h"
#include "core/DataUpkeep.h"
#include "core/FileAccess.h"
#include "core/QtPrinters.h"
#include "core/Routines.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/DatePicker.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/MonthCalendar.h"
#include "platform/TextBox.h"
#include "scheduling/TeamDayStore.h"
#include "scheduling/frmBlock.h"
#include "support/ScreenFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QGroupBox>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include <sys/stat.h>

namespace {

// 2026-03-05 is a Thursday; the work week is Monday to Friday.
const QDate Thursday(2026, 3, 5);
const QDate Friday(2026, 3, 6);
const QDate Monday(2026, 3, 9);
const QDate Tuesday(2026, 3, 10);
const QDate Wednesday(2026, 3, 11);

QByteArray Lines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

QByteArray BlockedDay(const QString& reason)
{
    return Lines(QStringList(12, reason));
}

class BlockedDaysTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        SetToday(Thursday);
        ResetTeamDayState();
        InitTimeSlotNames();
        Shared().TeamNames = {"populated", "Framers", "Roofers", "Painters"};
        Shared().CurrentYear = "2026";
        CreateYearFolders("2026");
        // The main menu, shown on leaving, wants a customer file.
        WriteFile("/CustomerData.txt", QByteArray(328, ' '));
    }
    void TearDown() override
    {
        FailingWrites() = nullptr;
        ResetTeamDayState();
        ScreenFixture::TearDown();
    }

    static QString DayFile(const QDate& day, int team = 1)
    {
        return TeamDayFilePath(QString::number(day.year()), team, day.dayOfYear());
    }

    static frmBlock& Open()
    {
        frmBlock& screen = ScreenInstance<frmBlock>();
        screen.Show();
        return screen;
    }

    // A request as the user makes it: action, team row, reason, first day, count, then Accept
    // and the answer to the question.
    frmBlock& Request(int teamRow, const QString& reason, const QDate& start, int count,
                      std::initializer_list<MsgAnswer> answers = {MsgAnswer::Yes})
    {
        frmBlock& screen = Open();
        if (reason == NoEventScheduled)
            screen.optAction[1]->setChecked(true);
        else
            screen.lstReason->setCurrentText(reason);
        screen.lstAssignto->setCurrentRow(teamRow);
        screen.Calender->ClickDate(start);
        while (screen.sldTimeReq->Value() < count)
            screen.sldTimeReq->ClickUp();
        for (MsgAnswer answer : answers)
            Script().Queue(answer);
        screen.cmdAccept_Click();
        return screen;
    }

    QString LastPrompt() { return Script().Shown().isEmpty() ? QString() : Script().Shown().last().Prompt; }
};

TEST_F(BlockedDaysTest, ReservesWorkdaysFromTheClickedDayAndAsksFirst)
{
    // A Saturday click moves the calendar to Monday.
    frmBlock& screen = Open();
    screen.Calender->ClickDate(QDate(2026, 3, 7));
    EXPECT_EQ(screen.Calender->Value(), Monday);

    Request(0, "Holiday", Friday, 3, {MsgAnswer::No});
    EXPECT_EQ(LastPrompt(), "You have Selected to\nPrevent Work Scheduling\nof  3 Consecutive WORKDAYS\n"
                            "Starting on 3/6/2026\nfor Framers");
    EXPECT_EQ(Script().Shown().last().Title, "Action Selection");
    EXPECT_FALSE(Exists(DayFile(Friday)));
    EXPECT_EQ(screen.sldTimeReq->Value(), 1);
    EXPECT_EQ(screen.txtTimeReq->text(), "1");

    Request(0, "Holiday", Friday, 3);
    for (const QDate& day : {Friday, Monday, Tuesday})
        EXPECT_EQ(ReadFile(DayFile(day)), BlockedDay("Holiday")) << day.toString().toStdString();
    EXPECT_FALSE(Exists(DayFile(QDate(2026, 3, 7))));
    EXPECT_FALSE(Exists(DayFile(Wednesday)));
    EXPECT_FALSE(Exists(DayFile(Friday, 2)));
    EXPECT_EQ(screen.Calender->Value(), Wednesday);
    EXPECT_EQ(screen.lstReason->currentText(), "Holiday");
    EXPECT_EQ(screen.TeamFolderPrefix, FullPath("/2026/Team#"));

    // The blocked day is taken for every later booking.
    TeamDay().CurrentTeam = TeamText(1);
    QDate day = Friday;
    bool taken = true;
    FindOpenDay(day, 1, taken);
    EXPECT_FALSE(taken);
    EXPECT_EQ(day, Wednesday);
}

TEST_F(BlockedDaysTest, AnyOtherTextStopsTheReservationBeforeTheTeamIsWritten)
{
    struct Case {
        const char* name;
        QByteArray monday;
        const char* stopLabel; // nullptr: the request goes through
    };
    QStringList booked(12, "\"No Event Scheduled\"");
    booked[3] = "\"Pj45-3-Framing\"";
    QStringList lighting(12, "No Event Scheduled");
    lighting[2] = "\"Pj45-3-Holiday Lighting\"";
    QStringList withEmpty(12, "No Event Scheduled");
    withEmpty[6] = "";
    const Case cases[] = {
        {"same reason", BlockedDay("Holiday"), nullptr},
        {"other reason", BlockedDay("Vacation"), "06:00"},
        {"booking", Lines(booked), "09:00"},
        {"booking naming the reason", Lines(lighting), "08:00"},
        {"empty line", Lines(withEmpty), nullptr},
        {"short file", Lines({"Holiday", " No Event Scheduled "}), nullptr},
    };
    ShownMessage conflict;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(FullPath("/2026/Team# 1")).removeRecursively();
        QDir().mkpath(FullPath("/2026/Team# 1"));
        WriteFile(DayFile(Monday), c.monday);
        const int shownBefore = int(Script().Shown().size());

        frmBlock& screen = c.stopLabel ? Request(0, "Holiday", Friday, 3, {MsgAnswer::Yes, MsgAnswer::Ok})
                                       : Request(0, "Holiday", Friday, 3);
        if (!c.stopLabel) {
            EXPECT_EQ(Script().Shown().size(), shownBefore + 1);
            EXPECT_EQ(ReadFile(DayFile(Monday)), BlockedDay("Holiday"));
            EXPECT_EQ(ReadFile(DayFile(Tuesday)), BlockedDay("Holiday"));
            continue;
        }
        ASSERT_EQ(Script().Shown().size(), shownBefore + 2);
        EXPECT_EQ(Script().Shown().last().Title, "Can't Block or UnBlock This Time");
        conflict = Script().Shown().last();
        EXPECT_EQ(LastPrompt(), QString("An Event Exists at ") + c.stopLabel +
                                    " on 3/9/2026\nUse the Reschedule Routine to\nDelete or Rechedule this Attention\n"
                                    "This Request will be aborted.");
        EXPECT_EQ(ReadFile(DayFile(Monday)), c.monday);
        EXPECT_FALSE(Exists(DayFile(Friday)));
        EXPECT_FALSE(Exists(DayFile(Tuesday)));
        // The screen starts over, the calendar on today.
        EXPECT_EQ(screen.Calender->Value(), Thursday);
        EXPECT_EQ(screen.lstReason->currentText(), "Vacation");
        EXPECT_EQ(screen.sldTimeReq->Value(), 1);
    }

    // The box as shown on the screen leaves its title room beside the window's buttons.
    const std::unique_ptr<QMessageBox> box = NewMessageBox(conflict.Prompt, conflict.Buttons, conflict.Icon, conflict.Title);
    box->show();
    QApplication::processEvents();
    QFont titleFont = box->font();
    titleFont.setBold(true);
    EXPECT_GT(box->width(), QFontMetrics(titleFont).horizontalAdvance(conflict.Title) + 100);
}

TEST_F(BlockedDaysTest, AllTeamsAreBlockedWholeOrNotAtAll)
{
    // Framers' Monday is free but written in another form, Painters (the last team) have a
    // booking on it.
    WriteFile(DayFile(Monday, 1), Lines(QStringList(12, "\"No Event Scheduled\"")));
    WriteFile(DayFile(Friday, 2), BlockedDay("Vacation"));
    QStringList booked(12, "\"No Event Scheduled\"");
    booked[3] = "\"Pj45-3-Framing\"";
    WriteFile(DayFile(Monday, 3), Lines(booked));
    const auto dayFiles = [this] {
        QMap<QString, QByteArray> files;
        for (int team = 1; team <= 3; ++team) {
            const QString folder = TeamFolderPath("2026", team);
            for (const QString& name : QDir(FullPath(folder)).entryList(QDir::Files))
                files.insert(folder + '/' + name, ReadFile(folder + '/' + name));
        }
        return files;
    };
    const QMap<QString, QByteArray> before = dayFiles();

    // As the user does it: the day, "All Assignments", two days, Accept, Yes.
    frmBlock& screen = Open();
    ShowAtRealSize(&screen);
    screen.Calender->ClickDate(Friday);
    QListWidgetItem* all = screen.lstAssignto->item(3);
    ClickAt(screen.lstAssignto->viewport(), screen.lstAssignto->visualItemRect(all).center());
    ASSERT_EQ(screen.lstAssignto->currentRow(), 3);
    screen.sldTimeReq->ClickUp();
    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::Ok);
    ClickButton(screen.cmdAccept);

    ASSERT_EQ(Script().Shown().size(), 2);
    EXPECT_TRUE(Script().Shown()[0].Prompt.endsWith("of  2 Consecutive WORKDAYS\nStarting on 3/6/2026\nfor All Assignments"));
    EXPECT_EQ(LastPrompt(), "An Event Exists at 09:00 on 3/9/2026 for Painters\nUse the Reschedule Routine to\n"
                            "Delete or Rechedule this Attention\nThis Request will be aborted.");
    EXPECT_EQ(dayFiles(), before);

    // Without teams the list holds only "All Assignments" and a request writes nothing.
    QDir(FullPath("/2026")).removeRecursively();
    Shared().TeamNames = {"empty"};
    FillTeamLists();
    Request(0, "Vacation", Monday, 2);
    ASSERT_EQ(screen.lstAssignto->count(), 1);
    EXPECT_EQ(screen.lstAssignto->item(0)->text(), "All Assignments");
    EXPECT_TRUE(LastPrompt().endsWith("for All Assignments"));
    EXPECT_TRUE(QDir(FullPath("/2026")).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(BlockedDaysTest, RestoreFreesTheReasonsAndKeepsEveryOtherLine)
{
    QStringList mixed(12, "Vacation");
    for (int k = 2; k < 10; ++k)
        mixed[k] = "\"Pj45-3-Framing\"";
    mixed[10] = "Mtg with owner, site office";
    WriteFile(DayFile(Friday), Lines(mixed));
    WriteFile(DayFile(Monday), BlockedDay("Holiday"));

    frmBlock& screen = Request(0, NoEventScheduled, Friday, 3);
    EXPECT_EQ(screen.lstReason->currentText(), NoEventScheduled);
    EXPECT_FALSE(screen.lstReason->isEnabled());
    EXPECT_TRUE(LastPrompt().contains("Restore Previous Blocked Days"));

    QStringList restored = mixed;
    for (int k : {0, 1, 11})
        restored[k] = NoEventScheduled;
    EXPECT_EQ(ReadFile(DayFile(Friday)), Lines(restored));
    EXPECT_EQ(ReadFile(DayFile(Monday)), BlockedDay(NoEventScheduled));
    EXPECT_EQ(ReadFile(DayFile(Tuesday)), BlockedDay(NoEventScheduled));

    // Back to reserving: the four reasons only.
    screen.optAction[0]->setChecked(true);
    EXPECT_TRUE(screen.lstReason->isEnabled());
    EXPECT_EQ(ComboItems(screen.lstReason), BlockReasons);
}

TEST_F(BlockedDaysTest, RequestsRunIntoTheNextYearAndPastTheCalendarsLastDay)
{
    SetToday(QDate(2026, 12, 30));
    Request(1, "Vacation", QDate(2026, 12, 30), 3);
    EXPECT_EQ(ReadFile(DayFile(QDate(2026, 12, 31), 2)), BlockedDay("Vacation"));
    EXPECT_EQ(ReadFile(DayFile(QDate(2027, 1, 1), 2)), BlockedDay("Vacation"));
    // The new year's folders are made for every team.
    EXPECT_TRUE(IsFolder("/2027/Team# 3"));
    EXPECT_EQ(ScreenInstance<frmBlock>().Calender->Value(), QDate(2027, 1, 4));

    // The calendar ends at today + 730 (a Wednesday); the request still writes its five days.
    const QDate last = QDate(2026, 12, 30).addDays(730);
    frmBlock& screen = Request(0, "Personal Day", last.addDays(-1), 5);
    for (const QDate& day : RequestWorkdays(last.addDays(-1), 5))
        EXPECT_EQ(ReadFile(DayFile(day)), BlockedDay("Personal Day")) << day.toString().toStdString();
    EXPECT_EQ(screen.Calender->Value(), last);
}

TEST_F(BlockedDaysTest, ADayThatCannotBeWrittenStopsTheRequest)
{
    // A folder, then a pipe, in the place of Monday's file: no day that can be read.
    MakeFolders(DayFile(Monday));
    Request(0, "Holiday", Friday, 3, {MsgAnswer::Yes, MsgAnswer::Ok});
    EXPECT_EQ(LastPrompt(), "The day file of Framers for 3/9/2026 cannot be read.\nThis Request will be aborted.");
    EXPECT_FALSE(Exists(DayFile(Friday)));
    EXPECT_FALSE(Exists(DayFile(Tuesday)));
    QDir(FullPath(DayFile(Monday))).removeRecursively();
    ASSERT_EQ(::mkfifo(QFile::encodeName(FullPath(DayFile(Monday))).constData(), 0644), 0);
    Request(0, NoEventScheduled, Friday, 3, {MsgAnswer::Yes, MsgAnswer::Ok});
    EXPECT_EQ(LastPrompt(), "The day file of Framers for 3/9/2026 cannot be read.\nThis Request will be aborted.");
    EXPECT_EQ(QFileInfo(FullPath(DayFile(Monday))).isFile(), false);
    EXPECT_FALSE(Exists(DayFile(Friday)));
    QFile::remove(FullPath(DayFile(Monday)));

    // A day that is there but cannot be read is not free: neither a block nor a restore
    // replaces it.
    QDir(FullPath("/2026/Team# 2")).removeRecursively();
    if (!MakeUnreadableFile(DayFile(Monday, 2)))
        GTEST_SKIP() << "no unreadable file on this system";
    const QString unreadable = "The day file of Roofers for 3/9/2026 cannot be read.\nThis Request will be aborted.";
    Request(1, "Holiday", Friday, 3, {MsgAnswer::Yes, MsgAnswer::Ok});
    EXPECT_EQ(LastPrompt(), unreadable);
    EXPECT_FALSE(Exists(DayFile(Friday, 2)));
    // A restore stops there too, before the free Friday is written.
    Request(1, NoEventScheduled, Friday, 3, {MsgAnswer::Yes, MsgAnswer::Ok});
    EXPECT_EQ(LastPrompt(), unreadable);
    EXPECT_FALSE(Exists(DayFile(Friday, 2)));
    EXPECT_FALSE(Exists(DayFile(Tuesday, 2)));
}

TEST_F(BlockedDaysTest, AWriteThatFailsPutsBackTheDaysWrittenOrNamesThem)
{
    // Friday is there, free, as another program wrote it; Monday's write fails.
    const QByteArray friday = Lines(QStringList(12, "\"No Event Scheduled\""));
    WriteFile(DayFile(Friday), friday);
    const QString monday = FullPath(DayFile(Monday));
    const QString fridayPath = FullPath(DayFile(Friday));
    int fridayWrites = 0;
    bool putBackFails = false;
    FailingWrites() = [&](const QString& path) {
        if (path == fridayPath)
            return ++fridayWrites > 1 && putBackFails;
        return path == monday;
    };
    Request(0, "Holiday", Friday, 3, {MsgAnswer::Yes, MsgAnswer::Ok});
    EXPECT_EQ(LastPrompt(), "The day file of Framers for 3/9/2026 could not be written.\nThis Request will be aborted.");
    EXPECT_EQ(fridayWrites, 2);
    EXPECT_EQ(ReadFile(DayFile(Friday)), friday);
    EXPECT_FALSE(Exists(DayFile(Monday)));

    // When Friday cannot be put back either, the box names it.
    fridayWrites = 0;
    putBackFails = true;
    Request(0, "Holiday", Friday, 3, {MsgAnswer::Yes, MsgAnswer::Ok});
    FailingWrites() = nullptr;
    EXPECT_EQ(LastPrompt(), "The day file of Framers for 3/9/2026 could not be written.\n"
                            "These Days could not be put back and stay Blocked:\nFramers: 3/6/2026\n"
                            "This Request will be aborted.");
    EXPECT_EQ(ReadFile(DayFile(Friday)), BlockedDay("Holiday"));
}

TEST_F(BlockedDaysTest, GridListsTheBlockedDaysOfEveryTeamOverTheRange)
{
    SetToday(QDate(2026, 12, 20));
    CreateYearFolders("2027");
    WriteFile(DayFile(QDate(2026, 12, 25), 1), BlockedDay("Holiday"));
    WriteFile(DayFile(QDate(2027, 1, 1), 1), BlockedDay("Holiday"));
    WriteFile(DayFile(QDate(2026, 12, 20), 3), BlockedDay("Sick Day"));
    WriteFile(DayFile(QDate(2027, 1, 10), 3), BlockedDay("Vacation"));
    WriteFile(DayFile(QDate(2027, 1, 11), 3), BlockedDay("Vacation"));
    // A booked day, a reason below a booking and a reason in quotes are not blocked days.
    WriteFile(DayFile(QDate(2026, 12, 28), 2), Lines(QStringList(12, "\"Pj3-1-Roofing\"")));
    WriteFile(DayFile(QDate(2026, 12, 29), 2), Lines({"\"Pj3-1-Roofing\"", "Holiday"}));
    // Kept only in the backup folder: the search brings it back.
    WriteFile("/Backup" + DayFile(QDate(2026, 12, 30), 2), BlockedDay("Personal Day"));

    frmBlock& screen = Open();
    EXPECT_TRUE(screen.fraBlockedDays->isHidden());
    screen.DTEndSearch->ClickDate(QDate(2027, 1, 10));
    screen.mnuBlocked->trigger();
    EXPECT_FALSE(screen.fraBlockedDays->isHidden());
    const QStringList expected = {"Framers|12/25/2026|Holiday", "Framers|1/1/2027|Holiday",
                                  "Roofers|12/30/2026|Personal Day", "Painters|12/20/2026|Sick Day",
                                  "Painters|1/10/2027|Vacation", ""};
    ASSERT_EQ(screen.FGBlocked->Rows(), 5 + 2);
    for (int row = 1; row < screen.FGBlocked->Rows(); ++row)
        EXPECT_EQ(QStringList({screen.FGBlocked->TextMatrix(row, 0), screen.FGBlocked->TextMatrix(row, 1),
                               screen.FGBlocked->TextMatrix(row, 2)})
                      .join('|')
                      .remove(QRegularExpression("^\\|\\|$")),
                  expected.at(row - 1));

    screen.cmdClearGrid->click();
    EXPECT_EQ(screen.FGBlocked->Rows(), 2);
    EXPECT_EQ(screen.FGBlocked->TextMatrix(1, 0), "");
    screen.mnuBlocked->trigger();
    EXPECT_TRUE(screen.fraBlockedDays->isHidden());
}

TEST_F(BlockedDaysTest, TheGridIsLoadedForTheSearchDatesTyped)
{
    WriteFile(DayFile(QDate(2026, 4, 20), 1), BlockedDay("Vacation"));
    WriteFile(DayFile(QDate(2026, 5, 4), 2), BlockedDay("Holiday"));
    frmBlock& screen = Open();
    ShowAtRealSize(&screen);
    screen.mnuBlocked->trigger();
    ASSERT_EQ(screen.FGBlocked->Rows(), 2);

    // A whole date over the selected text.
    ClickAt(screen.DTEndSearch);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    TypeText("4/30/2026");
    ClickButton(screen.cmdSearch);
    EXPECT_EQ(screen.DTEndSearch->Value(), QDate(2026, 4, 30));
    ASSERT_EQ(screen.FGBlocked->Rows(), 3);
    EXPECT_EQ(screen.FGBlocked->TextMatrix(1, 1), "4/20/2026");

    // A click on the month selects it for the digit typed.
    ClickAt(screen.DTEndSearch, QPoint(6, screen.DTEndSearch->height() / 2));
    TypeText("5");
    PressKey(Qt::Key_Tab);
    ClickButton(screen.cmdSearch);
    EXPECT_EQ(screen.DTEndSearch->Value(), QDate(2026, 5, 30));
    EXPECT_EQ(screen.FGBlocked->Rows(), 4);
    EXPECT_TRUE(Script().Shown().isEmpty());
}

TEST_F(BlockedDaysTest, InvalidSearchDatesGiveTheMessageAndTheDefaultRange)
{
    frmBlock& screen = Open();
    Script().Queue(MsgAnswer::Ok);
    Script().Queue(MsgAnswer::Ok);
    screen.DTStartSearch->ClickDate(QDate(2026, 3, 20));
    screen.DTEndSearch->ClickDate(QDate(2026, 3, 19));
    EXPECT_EQ(LastPrompt(), "Your Calendar Selection is Invalid");
    EXPECT_EQ(Script().Beeps(), 1);
    EXPECT_EQ(screen.DTStartSearch->Value(), Thursday);
    EXPECT_EQ(screen.DTEndSearch->Value(), QDate(2026, 4, 5));

    // Left open past midnight, the start picker still offers yesterday.
    SetToday(Friday);
    Settings().AlarmsOn = false;
    screen.DTStartSearch->ClickDate(Thursday);
    EXPECT_EQ(Script().Shown().size(), 2);
    EXPECT_EQ(Script().Beeps(), 1);
    EXPECT_EQ(screen.DTStartSearch->Value(), Friday);
    EXPECT_EQ(screen.DTEndSearch->Value(), QDate(2026, 4, 6));

    // A date set from code runs no handler.
    screen.DTEndSearch->SetValue(QDate(2026, 3, 1));
    screen.Calender->SetValue(QDate(2026, 3, 14));
    EXPECT_EQ(Script().Shown().size(), 2);
    EXPECT_EQ(screen.Calender->Value(), QDate(2026, 3, 14));
}

TEST_F(BlockedDaysTest, RoutineEightOpensTheScreenAndMenuReturnsToTheMainMenu)
{
    RegisterRoutineScreens();
    ASSERT_TRUE(ShowRoutineScreen(8));
    frmBlock& screen = ScreenInstance<frmBlock>();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(screen.windowTitle(), "Holiday and Vacation Days");
    EXPECT_EQ(screen.lstAssignto->count(), 4);
    EXPECT_EQ(screen.lstAssignto->item(3)->text(), "All Assignments");

    // The spinner and the box stop at 30.
    for (int i = 0; i < 40; ++i)
        screen.sldTimeReq->ClickUp();
    screen.txtTimeReq_Click();
    EXPECT_EQ(screen.txtTimeReq->text(), "30");

    screen.cmdExit->click();
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(ScreenInstance<frmStartup>().isVisible());
    ForgetRoutines();
}

} // namespace
