#include "app/Startup.h"
#include "core/DataUpkeep.h"
#include "core/QtPrinters.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/CommonDialogs.h"
#include "platform/FlexGrid.h"
#include "platform/Printer.h"
#include "platform/TextBox.h"
#include "platform/RegionalFormat.h"
#include "scheduling/EventRecords.h"
#include "scheduling/SlipRecord.h"
#include "scheduling/TeamDayStore.h"
#include "scheduling/frmMain.h"
#include "support/ScreenFixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QDate Monday(2026, 3, 9);

class SchedulePrintTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        InitTimeSlotNames();
        Shared().TeamNames = {"populated", "Framers", "Roofers", "Painters"};
        Shared().CurrentYear = "2026";
        Shared().ProgramRoutine = 3;
    }

    void BookDay(const QDate& day, int team, const QStringList& slotTexts)
    {
        QByteArray bytes;
        for (int slot = 0; slot < 12; ++slot)
            bytes += '"' + slotTexts.value(slot, NoEventScheduled).toLatin1() + "\"\r\n";
        WriteFile(TeamDayFilePath("2026", team, day.dayOfYear()), bytes);
    }

    // Team 1's service slip "SA1001" for John Smith on Monday.
    static SlipRecord MondaySlip(const QString& startSlot, const QString& duration)
    {
        SlipRecord slip;
        slip.EventKey = "SA1001";
        slip.TeamNo = "1";
        slip.Unit = "Hours";
        slip.Duration = duration;
        slip.EventDate = ShortDateText(Monday);
        slip.StartSlot = startSlot;
        slip.EventText = "Leaking roof";
        slip.CustomerName = "John Smith";
        slip.Telephone = "217-555-0100";
        return slip;
    }

    static frmMain& ShowSchedule()
    {
        frmMain& screen = ScreenInstance<frmMain>();
        screen.Show();
        return screen;
    }

    static QStringList TextsAt(const QList<PrintOperation>& page, double xInches)
    {
        QStringList texts;
        for (const PrintOperation& op : page)
            if (op.kind == PrintOperation::Text && qAbs(op.x - xInches * 1440) < 1)
                texts << op.text;
        return texts;
    }

    static const PrintOperation* Find(const QList<PrintOperation>& page, const QString& text)
    {
        for (const PrintOperation& op : page)
            if (op.text == text)
                return &op;
        return nullptr;
    }

    // A click where the window system would send it: to the widget under the pointer.
    static void Click(QWidget* target)
    {
        QWidget* window = target->window();
        const QPoint at = target->mapTo(window, target->rect().center());
        QWidget* hit = window->childAt(at);
        ASSERT_EQ(hit, target);
        QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(window, at));
    }
};

TEST_F(SchedulePrintTest, AllTeamsPrintsEachTeamsOwnDayTheLastTeamFirst)
{
    BookDay(Monday, 1, {"Pj1-1-Framing", "Pj1-1-Framing"});
    BookDay(Monday, 2, {"", "", "Mtg Supplier"});
    frmMain& screen = ShowSchedule();
    ASSERT_EQ(screen.CalendarDate(), Monday);
    screen.lstTeam->setCurrentRow(3); // "All Teams"
    screen.cmdPrint_Click();
    ASSERT_TRUE(screen.fraPrint->isVisible());
    EXPECT_EQ(screen.fraPrint->title(), "Insert Plain Paper");

    DialogScript dialogs;
    dialogs.QueuePrinter();
    screen.cmdInvoiceContinue_Click();
    const QList<Printer::Document>& documents = ThePrinter().Documents();
    ASSERT_EQ(documents.size(), 3);
    QStringList hourLabels;
    for (int row = 1; row <= 12; ++row)
        hourLabels.append(screen.fgHours->TextMatrix(row, 0));
    const QString names[3] = {"Painters", "Roofers", "Framers"};
    const QStringList booked[3] = {{}, {"Mtg Supplier"}, {"Pj1-1-Framing", "Pj1-1-Framing"}};
    for (int d = 0; d < 3; ++d) {
        const QList<PrintOperation>& page = documents[d].pages[0];
        EXPECT_EQ(documents[d].orientation, Printer::Portrait);
        EXPECT_TRUE(Find(page, "Assigned to : " + names[d])) << d;
        EXPECT_TRUE(Find(page, "Date: 3/9/2026")) << d;
        EXPECT_EQ(TextsAt(page, 0.75).mid(1), hourLabels) << d;
        EXPECT_EQ(TextsAt(page, 4.5).mid(1), booked[d]) << d;
    }
    // The selection's day is back, and the frame is gone.
    EXPECT_EQ(TeamDay().CurrentTeam, TeamText(4));
    EXPECT_FALSE(screen.fraPrint->isVisible());
    EXPECT_TRUE(screen.cmdView->isEnabled());

    screen.cmdPrint_Click();
    dialogs.QueueCancel();
    Script().Queue(MsgAnswer::Ok);
    screen.cmdInvoiceContinue_Click();
    EXPECT_EQ(Script().Shown().last().Prompt, "The Schedule will not be Printed");
    EXPECT_FALSE(screen.fraPrint->isVisible());

    // A file that cannot be opened is a printer failure.
    screen.cmdPrint_Click();
    dialogs.QueuePrinter(FullPath("/no such folder/Schedule.pdf"));
    Script().Queue(MsgAnswer::Ok);
    screen.cmdInvoiceContinue_Click();
    EXPECT_EQ(Script().Shown().last().Title, "Printer Failure");
    EXPECT_EQ(Script().Shown().last().Prompt, "A failure occurred while printing");
    EXPECT_FALSE(screen.fraPrint->isVisible());
}

TEST_F(SchedulePrintTest, TheCompletionReportHasOnePaymentBlockPerJobAtItsFirstRow)
{
    SlipRecord slip = MondaySlip("4", "4");
    slip.Address1 = "12 Elm Street";
    slip.City = "Springfield";
    WriteFile(SlipsPath, slip.ToBytes());
    BookDay(Monday, 1, {"", "", "", "SA1001 Leaking roof", "SA1001 Leaking roof", "SA1001 Leaking roof",
                        "SA1001 Leaking roof"});
    const QDate tuesday = Monday.addDays(1);
    BookDay(tuesday, 1, QStringList(12, "Holiday"));
    frmMain& screen = ShowSchedule();
    screen.optWorkSchedule[1]->setChecked(true);
    DialogScript dialogs;

    struct Case {
        int startHour;
        QDate day;
        int blocks;
        double blockRow; // 0 for the first printed row
        int holidayRows;
    };
    for (const Case& c : {Case{8, Monday, 1, 1, 0}, Case{7, Monday, 1, 2, 0}, Case{8, tuesday, 0, 0, 8},
                          Case{8, Monday.addDays(2), 0, 0, 0}}) {
        Settings().StartHour = quint8(c.startHour);
        screen.SetCalendarDate(c.day);
        screen.cmdPrint_Click();
        EXPECT_EQ(screen.fraPrint->title(), "Insert Response Paper");
        dialogs.QueuePrinter();
        screen.cmdInvoiceContinue_Click();
        ASSERT_EQ(ThePrinter().Documents().size(), 1);
        const Printer::Document& report = ThePrinter().Documents()[0];
        EXPECT_EQ(report.orientation, Printer::Landscape);
        const QList<PrintOperation>& page = report.pages[0];
        // The heading, eight time labels, and for each hour of the job the customer's name,
        // street and city (the city within the account column).
        EXPECT_EQ(TextsAt(page, 0.75).size(), 1 + 8 + (c.blocks ? 4 * 3 : 0)) << c.startHour << " " << c.day.toString().toStdString();
        const QStringList collected = TextsAt(page, 9.4);
        EXPECT_EQ(collected.count("___Collected"), c.blocks);
        if (c.blocks) {
            const PrintOperation* block = Find(page, "___Collected");
            EXPECT_DOUBLE_EQ(block->y, (1.35 + 0.75 * c.blockRow) * 1440);
            EXPECT_TRUE(Find(page, "SA1001"));
            EXPECT_EQ(TextsAt(page, 4.5).count("Start"), 4);
        }
        EXPECT_EQ(TextsAt(page, 3.0).count("Holiday"), c.holidayRows);
    }
}

TEST_F(SchedulePrintTest, AClearedDayShowsAndPrintsFreeAndHoursSayAmOrPm)
{
    const SlipRecord slip = MondaySlip("1", "2");
    WriteFile(SlipsPath, slip.ToBytes());
    SlipRecord meeting = slip;
    meeting.EventKey = "Mtg77";
    meeting.StartSlot = "12";
    meeting.Duration = "1";
    meeting.CustomerName = "Supplier";
    WriteFile(MeetingsPath, meeting.ToBytes());
    QStringList dayTexts(12, NoEventScheduled);
    dayTexts[0] = dayTexts[1] = "SA1001 Leaking roof";
    dayTexts[11] = "Mtg77 Supplier";
    BookDay(Monday, 1, dayTexts);

    frmMain& screen = ShowSchedule();
    screen.resize(1280, 1024);
    ASSERT_TRUE(screen.cmdView->isEnabled());
    Click(screen.cmdView);
    EXPECT_EQ(screen.txtHourSlot[0]->toPlainText().left(10), "John Smith");
    EXPECT_EQ(screen.txtHourSlot[11]->toPlainText().left(8), "Supplier");

    // The print frame says what it prints; its "&Print" is the only button of that name.
    Click(screen.cmdHideSchedule);
    Click(screen.cmdPrint);
    EXPECT_EQ(screen.lblPrintWhat->text(), "Daily Work Schedule\nfor Framers\nMonday 3/9/2026");
    QStringList captions;
    for (QPushButton* button : screen.findChildren<QPushButton*>())
        if (button->isVisibleTo(&screen))
            captions.append(button->text().remove('&'));
    EXPECT_EQ(captions.count("Print"), 1) << captions.join(", ").toStdString();
    DialogScript dialogs;
    dialogs.QueuePrinter();
    Click(screen.cmdInvoiceContinue);
    ASSERT_EQ(ThePrinter().Documents().size(), 1);
    QStringList labels = TextsAt(ThePrinter().Documents()[0].pages[0], 0.75).mid(1);
    ASSERT_EQ(labels.size(), 12);
    EXPECT_EQ(labels.first(), "06:00 am");
    EXPECT_EQ(labels.last(), "06:00 pm");
    EXPECT_TRUE(Find(ThePrinter().Documents()[0].pages[0], "John Smith"));

    // Clear frees the day: the window and the printout show every hour free.
    Click(screen.cmdView);
    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::Yes);
    Click(screen.cmdClear);
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(screen.txtHourSlot[size_t(i)]->toPlainText().endsWith("         No Event Scheduled")) << i;
    Click(screen.cmdHideSchedule);
    Click(screen.cmdPrint);
    dialogs.QueuePrinter();
    Click(screen.cmdInvoiceContinue);
    const QList<PrintOperation>& page = ThePrinter().Documents()[0].pages[0];
    EXPECT_FALSE(Find(page, "John Smith"));
    EXPECT_FALSE(Find(page, "Supplier"));
    EXPECT_EQ(TextsAt(page, 2.5).mid(1), QStringList{});
}

} // namespace
