#include "app/Startup.h"
#include "core/DataUpkeep.h"
#include "core/QtPrinters.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/CommonDialogs.h"
#include "platform/Printer.h"
#include "platform/RegionalFormat.h"
#include "scheduling/EventRecords.h"
#include "scheduling/SlipRecord.h"
#include "scheduling/TeamDayStore.h"
#include "scheduling/frmMain.h"
#include "support/ScreenFixture.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

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
    const QString names[3] = {"Painters", "Roofers", "Framers"};
    const QStringList booked[3] = {{}, {"Mtg Supplier"}, {"Pj1-1-Framing", "Pj1-1-Framing"}};
    for (int d = 0; d < 3; ++d) {
        const QList<PrintOperation>& page = documents[d].pages[0];
        EXPECT_EQ(documents[d].orientation, Printer::Portrait);
        EXPECT_TRUE(Find(page, "Assigned to : " + names[d])) << d;
        EXPECT_TRUE(Find(page, "Date: 3/9/2026")) << d;
        EXPECT_EQ(TextsAt(page, 0.75).mid(1), Shared().TimeSlotLabels.mid(1)) << d;
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
    SlipRecord slip;
    slip.EventKey = "SA1001";
    slip.TeamNo = "1";
    slip.Unit = "Hours";
    slip.Duration = "4";
    slip.EventDate = ShortDateText(Monday);
    slip.StartSlot = "4";
    slip.EventText = "Leaking roof";
    slip.CustomerName = "John Smith";
    slip.Address1 = "12 Elm Street";
    slip.City = "Springfield";
    slip.Telephone = "217-555-0100";
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

} // namespace
