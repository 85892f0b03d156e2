#include "telephony/frmCallBack.h"

#include "app/Startup.h"
#include "app/frmStartup.h"
#include "core/DialService.h"
#include "core/Navigation.h"
#include "core/Routines.h"
#include "core/SharedState.h"
#include "platform/Controls.h"
#include "platform/DatePicker.h"
#include "platform/FlexGrid.h"
#include "platform/ProgramNames.h"
#include "scheduling/EventRecords.h"
#include "support/FakeModem.h"
#include "support/ScreenFixture.h"
#include "support/UserInput.h"
#include "telephony/PhoneSettings.h"
#include "telephony/UpcomingSlips.h"
#include "telephony/frmDialer.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <functional>

namespace {

SlipRecord Slip(const QString& name, const QString& date, const QString& slot, const QString& team = "1",
                const QString& key = "SA100")
{
    SlipRecord slip;
    slip.EventKey = key;
    slip.TeamNo = team;
    slip.EventDate = date;
    slip.StartSlot = slot;
    slip.EventText = "Furnace check";
    slip.CustomerName = name;
    slip.Telephone = "555-123-" + name.left(1).repeated(4);
    return slip;
}

QByteArray SlipsFile(const QList<SlipRecord>& slips)
{
    QByteArray bytes;
    for (const SlipRecord& slip : slips)
        bytes += slip.ToBytes();
    return bytes;
}

class CallBackTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        InitTimeSlotNames();
        Shared().TeamNames = {"populated", "North", "South"};
        SetToday(QDate(2026, 10, 5));
    }

    static QStringList Column(const FlexGrid* grid, int col)
    {
        QStringList texts;
        for (int row = 1; row < grid->Rows(); ++row)
            texts.append(grid->TextMatrix(row, col));
        return texts;
    }
};

TEST_F(CallBackTest, SlipsOfTheRangeComeInDateThenSlotThenFileOrder)
{
    const QList<SlipRecord> slips = {
        Slip("Yesterday", "10/4/2026", "3"),
        Slip("Start day late", "10/5/2026", "9"),
        Slip("Start day early", "10/5/2026", "3", "2"),
        Slip("Contract", "10/5/2026", "3", "1", "Contract"),
        Slip("Two months", "12/5/2026", "3"),
        Slip("Day 100", "4/10/2027", "1"),
        Slip("Day 36", "2/5/2027", "1", "3"),
        Slip("January", "1/15/2027", "xx", "x"),
        Slip("Unreadable", "31/31/2026", "1"),
        Slip("End day", "11/5/2026", "13", "0"),
    };
    const QStringList& labels = Shared().TimeSlotLabels;
    const QList<QStringList> month = UpcomingSlipRows(slips, QDate(2026, 10, 5), QDate(2026, 11, 5), Shared().TeamNames, labels);
    ASSERT_EQ(month.size(), 4);
    EXPECT_EQ(month[0], QStringList({"Start day early", "10/5/2026", "08:00", "555-123-SSSS", "South", "Furnace check", "2026278"}));
    EXPECT_EQ(month[1][0], "Contract");
    EXPECT_EQ(month[1][2], "Cont");
    EXPECT_EQ(month[2][0], "Start day late");
    EXPECT_EQ(month[2][2], "03:00");
    EXPECT_EQ(month[3], QStringList({"End day", "11/5/2026", "", "555-123-EEEE", "", "Furnace check", "2026309"}));

    const QList<QStringList> year = UpcomingSlipRows(slips, QDate(2026, 10, 5), QDate(2027, 10, 5), Shared().TeamNames, labels);
    QStringList names;
    for (const QStringList& row : year)
        names.append(row[0]);
    EXPECT_EQ(names, QStringList({"Start day early", "Contract", "Start day late", "End day", "Two months", "January",
                                  "Day 36", "Day 100"}));
    EXPECT_EQ(year[5][2], "");
    EXPECT_EQ(year[5][4], "");
    EXPECT_EQ(year[6][4], "");
    EXPECT_EQ(year[6][6], "202736");
}

TEST_F(CallBackTest, TheListLoadsAtEveryActivationAndHandsTheSelectedSlipToTheDialer)
{
    WriteFile("/Slips.txt", SlipsFile({Slip("Later", "1/15/2027", "2"), Slip("Tomorrow", "10/6/2026", "3", "2")}));
    frmCallBack& list = ScreenInstance<frmCallBack>();
    list.Show();
    EXPECT_EQ(list.DTStarting->Value(), QDate(2026, 10, 5));
    EXPECT_EQ(list.DTEnding->Value(), QDate(2026, 11, 5));
    EXPECT_EQ(list.SlipCount, 2);
    EXPECT_EQ(Column(list.fgTomorrow, 0), QStringList({"Tomorrow"}));
    EXPECT_EQ(list.fgTomorrow->TextMatrix(0, 3), "Telephone No");
    EXPECT_TRUE(list.fgTomorrow->isColumnHidden(6));

    list.cmdWeekly[5]->click();
    EXPECT_EQ(list.DTEnding->Value(), QDate(2027, 10, 5));
    EXPECT_EQ(Column(list.fgTomorrow, 0), QStringList({"Tomorrow", "Later"}));

    // Only a data row offers the call.
    EXPECT_FALSE(list.Image2->isEnabled());
    list.fgTomorrow_Click(0);
    EXPECT_FALSE(list.Image2->isEnabled());
    list.fgTomorrow->setCurrentCell(1, 0);
    list.fgTomorrow_Click(2);
    ASSERT_TRUE(list.Image2->isEnabled());
    QString name, number;
    QTimer::singleShot(0, [&] {
        auto* dialer = dynamic_cast<frmDialer*>(FindScreen("frmDialer"));
        ASSERT_TRUE(dialer);
        name = dialer->lblName->text();
        number = dialer->lblNumber->text();
        dialer->cmdHangup->click();
    });
    list.Image2_Click();
    EXPECT_EQ(name, "Later");
    EXPECT_EQ(number, "555-123-LLLL");
    // Back from the call: the range and the list start again.
    EXPECT_FALSE(list.Image2->isEnabled());
    EXPECT_EQ(list.DTEnding->Value(), QDate(2026, 11, 5));
    EXPECT_EQ(Column(list.fgTomorrow, 0), QStringList({"Tomorrow"}));

    // Nothing in the range, or nothing at all: the heading row stays.
    for (const QByteArray& file : {SlipsFile({Slip("Past", "1/15/2026", "2")}), QByteArray()}) {
        WriteFile("/Slips.txt", file);
        Script().Queue(MsgAnswer::Ok);
        list.cmdWeekly[3]->click();
        list.Hide();
        Script().Queue(MsgAnswer::Ok);
        list.Show();
        EXPECT_EQ(list.fgTomorrow->Rows(), 1);
        EXPECT_EQ(list.fgTomorrow->TextMatrix(0, 0), "Account Name");
        EXPECT_EQ(Script().Shown().last().Prompt, "No Service Slips within the Date Range");
        EXPECT_EQ(Script().Shown().last().Title, ProgramTitle);
    }
}

// Answers the modal dialer once it is up (within two seconds): notes whom it calls and hangs up.
struct DialerAnswer {
    QString Name, Number;
    int Tries = 0;
    std::function<void()> HangUp = [this] {
        // Finding a screen loads it, so only a dialer already up is looked at.
        auto* dialer = IsScreenLoaded<frmDialer>() ? &ScreenInstance<frmDialer>() : nullptr;
        if ((!dialer || !dialer->isVisible()) && ++Tries < 200) {
            QTimer::singleShot(10, HangUp);
            return;
        }
        ASSERT_TRUE(dialer);
        Name = dialer->lblName->text();
        Number = dialer->lblNumber->text();
        dialer->cmdHangup->click();
    };
    DialerAnswer() { QTimer::singleShot(0, HangUp); }
    DialerAnswer(const DialerAnswer&) = delete;
    DialerAnswer& operator=(const DialerAnswer&) = delete;
};

TEST_F(CallBackTest, ARightClickOnThePictureCallsTheAccountClickedInTheList)
{
    WriteFile("/Slips.txt", SlipsFile({Slip("Tomorrow", "10/6/2026", "3", "2"), Slip("Later", "10/9/2026", "2")}));
    frmCallBack& list = ScreenInstance<frmCallBack>();
    list.Show();
    ShowAtRealSize(&list);
    FlexGrid* grid = list.fgTomorrow;
    ClickAt(grid->viewport(), grid->visualRect(grid->model()->index(1, 1)).center());
    ASSERT_TRUE(list.Image2->isEnabled());
    // The click settles pending events first, so the answer waits until the dialer is up.
    DialerAnswer answer;
    ClickAt(list.Image2, std::nullopt, Qt::RightButton);
    EXPECT_EQ(answer.Name, "Later");
    EXPECT_FALSE(list.Image2->isEnabled());
}

TEST_F(CallBackTest, ARightClickOnARowCallsThatRowsAccount)
{
    WriteFile("/Slips.txt", SlipsFile({Slip("Tomorrow", "10/6/2026", "3", "2"), Slip("Later", "10/9/2026", "2")}));
    frmCallBack& list = ScreenInstance<frmCallBack>();
    list.Show();
    ShowAtRealSize(&list);
    DialerAnswer answer;
    // No left click first: the row under the pointer is the one called.
    ClickRow(list.fgTomorrow, 2, Qt::RightButton);
    // Without a call the answer keeps looking for the dialer: it is let finish here.
    FakeModem::WaitUntil([&] { return !answer.Name.isEmpty() || answer.Tries >= 200; }, 4000);
    EXPECT_EQ(answer.Name, "Later");
    EXPECT_EQ(answer.Number, "555-123-LLLL");
}

TEST_F(CallBackTest, WithoutSlipsTheRoutineGoesBackToAFreshMenuThatStays)
{
    WriteFile("/CustomerData.txt", QByteArray(328, ' '));
    PhoneSettings().CallerIdOn = true;
    RegisterRoutineScreens();
    frmStartup* menu = &ScreenInstance<frmStartup>();
    menu->Show();
    menu->optProgramRoutine[5]->setChecked(true);
    Script().Queue(MsgAnswer::Ok);
    menu->cmdStart->click();
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Prompt, "No Service Slips were found");
    EXPECT_TRUE(FakeModem::WaitUntil([] { return !IsScreenLoaded<frmCallBack>(); }));
    ASSERT_TRUE(IsScreenLoaded<frmStartup>());
    menu = &ScreenInstance<frmStartup>();
    QCoreApplication::processEvents();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(QFile::exists(FullPath("/Slips.txt")));
    ForgetRoutines();
}

} // namespace
