#include "telephony/frmSlip.h"

#include "app/Startup.h"
#include "core/DataUpkeep.h"
#include "core/Navigation.h"
#include "core/SharedState.h"
#include "platform/Controls.h"
#include "platform/ProgramNames.h"
#include "platform/FlexGrid.h"
#include "scheduling/EventRecords.h"
#include "scheduling/TeamDayStore.h"
#include "scheduling/frmMain.h"
#include "support/ScreenFixture.h"
#include "telephony/PhoneSettings.h"
#include "telephony/SlipLookup.h"
#include "telephony/frmDialer.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

SlipRecord Event(const QString& key, const QString& text, const QString& name = QString())
{
    SlipRecord record;
    record.EventKey = key;
    record.EventText = text;
    record.CustomerName = name.isEmpty() ? key + " " + text : name;
    record.Unit = "Hours";
    record.Duration = "4";
    record.StartSlot = "3";
    record.EventDate = "3/9/2026";
    record.Telephone = "555-123-4567";
    return record;
}

class SlipViewerTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        InitTimeSlotNames();
    }

    // What the hour grid hands over.
    static void Select(const QString& entry, int kind, const QString& team)
    {
        Shared().SelectedEntry = entry;
        Shared().EntryKind = kind;
        Shared().EntryTeam = team;
    }

    void WriteEvents(const QString& path, const QList<SlipRecord>& records) const
    {
        QByteArray bytes;
        for (const SlipRecord& record : records)
            bytes += record.ToBytes();
        WriteFile(path, bytes);
    }
};

TEST_F(SlipViewerTest, AClickedSlotFindsOnlyItsOwnRecord)
{
    const QString longName = "Foundation waterproofing and drainage";
    WriteEvents(ProjectRecordsPath, {Event("Pj36-10", "Framing"), Event("Pj36-1", "Framing"),
                                     Event("Pj40-2", "Roof"), Event("Pj40-2", "Roof Inspection"),
                                     Event("Pj36-1", "SAFETY INSPECTION"), Event("Pj36-1", longName.left(30), "Long")});
    WriteEvents(SlipsPath, {Event("", "Blank key", "Nobody"), Event("SA77", "Furnace", "First Smith"),
                            Event("77", "Furnace", "Second Smith"), Event("SA9", "Boiler")});

    struct Case {
        int kind;
        const char* slot;
        const char* found; // the customer name of the record, empty for none
    };
    const Case cases[] = {
        {3, "Pj36-1-Framing", "Pj36-1 Framing"},
        {3, "Pj36-10-Framing", "Pj36-10 Framing"},
        {3, "Pj40-2-Roof Inspection", "Pj40-2 Roof Inspection"},
        {3, "Pj40-2-Roof", "Pj40-2 Roof"},
        {3, "Pj40-2-Roofing", ""},
        {3, "Pj36-1-Foundation waterproofing and drainage", "Long"},
        {3, "Pj36-1-Foundation waterproofing and d", "Long"},
        {3, "Pj36-1-Foundation", ""},
        {1, "SA77 Smith", "First Smith"},
        {1, "77 Smith", "Second Smith"},
        {1, "Smith", ""},
        // Routed to the slips for its "SA", found among the project events.
        {1, "Pj36-1-SAFETY INSPECTION", "Pj36-1 SAFETY INSPECTION"},
        // No meetings file: nothing to try there.
        {2, "Mtg SA9", ""},
        {0, "SA9", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slot);
        const std::optional<SlipRecord> found = FindSlip(c.kind, c.slot);
        EXPECT_EQ(found ? found->CustomerName : QString(), QString::fromLatin1(c.found));
    }
    EXPECT_FALSE(QFile::exists(FullPath(MeetingsPath)));
}

TEST_F(SlipViewerTest, TheViewerShowsTheRecordOrSaysThereIsNoneAndCloses)
{
    SlipRecord slip = Event("SA77", "Furnace makes noise", "Smith Builders");
    slip.Address1 = "12 Main St";
    slip.City = "Springfield";
    slip.State = "IL";
    slip.Zip = "62701";
    slip.AccountNo = "A100";
    SlipRecord lateSlip = Event("SA88", "Late", "Late Slip");
    lateSlip.StartSlot = "13";
    lateSlip.Unit = "Days";
    lateSlip.Duration = "10";
    WriteEvents(SlipsPath, {slip, lateSlip});
    SlipRecord meeting = Event("Mtg5", "Budget", " ");
    WriteEvents(MeetingsPath, {meeting});
    PhoneSettings().PhoneOn = true;

    Select("SA77 Smith furnace", 1, "North");
    frmSlip* viewer = nullptr;
    QTimer::singleShot(0, [&] {
        viewer = dynamic_cast<frmSlip*>(FindScreen("frmSlip"));
        ASSERT_TRUE(viewer && viewer->isVisible());
        EXPECT_EQ(viewer->lblServiceSlip->text(), "SA77 Smith furnace");
        EXPECT_EQ(viewer->lblName->text(), "Smith Builders");
        EXPECT_EQ(viewer->lblStreet->text(), "12 Main St");
        EXPECT_EQ(viewer->lblZip->text(), "62701");
        EXPECT_EQ(viewer->lblAccount->text(), "A100");
        EXPECT_EQ(viewer->lblDate->text(), "3/9/2026");
        EXPECT_EQ(viewer->lblTime->text(), "08:00");
        EXPECT_EQ(viewer->lblDuration->text(), "4  Hours ");
        EXPECT_EQ(viewer->lblProblem->text(), "Furnace makes noise");
        EXPECT_EQ(viewer->lblAssignto->text(), "North");
        EXPECT_TRUE(viewer->fraDial->isVisible());
        // The dial picture hands over the name and telephone, and the slip is there after.
        QTimer::singleShot(0, [&] {
            auto* dialer = dynamic_cast<frmDialer*>(FindScreen("frmDialer"));
            ASSERT_TRUE(dialer);
            EXPECT_EQ(dialer->lblName->text(), "Smith Builders");
            EXPECT_EQ(dialer->lblNumber->text(), "555-123-4567");
            dialer->cmdHangup->click();
        });
        viewer->imgDialer_Click();
        EXPECT_TRUE(viewer->isVisible());
        viewer->cmdAttn->click();
    });
    ASSERT_TRUE(ShowScreenModal("frmSlip"));
    ASSERT_TRUE(viewer);
    EXPECT_TRUE(viewer->isHidden());

    // A slot past the day's hours shows no time; a meeting without a name is still shown.
    Select("SA88", 1, "South");
    QTimer::singleShot(0, [&] { viewer->cmdAttn->click(); });
    PhoneSettings().PhoneOn = false;
    ShowScreenModal("frmSlip");
    EXPECT_EQ(viewer->lblTime->text(), "");
    EXPECT_EQ(viewer->lblDuration->text(), "10 Days  ");
    EXPECT_TRUE(viewer->fraDial->isHidden());
    Select("Mtg5 Budget", 2, "South");
    QTimer::singleShot(0, [&] { viewer->cmdAttn->click(); });
    ShowScreenModal("frmSlip");
    EXPECT_EQ(viewer->lblName->text(), "");
    EXPECT_EQ(viewer->lblProblem->text(), "Budget");
    EXPECT_TRUE(Script().Shown().isEmpty());

    // No record: the message, and the modal show returns by itself.
    Select("SA99 Jones", 1, "South");
    Script().Queue(MsgAnswer::Ok);
    ShowScreenModal("frmSlip");
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Prompt, "No Data Available");
    EXPECT_EQ(Script().Shown()[0].Title, ProgramTitle);
    EXPECT_TRUE(viewer->isHidden());
    EXPECT_EQ(viewer->lblName->text(), "");
    EXPECT_FALSE(QFile::exists(FullPath(ProjectRecordsPath)));
}

} // namespace

namespace {

TEST_F(SlipViewerTest, ABookedHourOfATeamScheduleOpensItsEvent)
{
    ResetTeamDayState();
    Shared().TeamNames = {"populated", "Framers", "Roofers"};
    Shared().CurrentYear = "2026";
    Shared().ProgramRoutine = 3;
    // Monday 2026-03-09, the first workday the schedule shows.
    QByteArray day = "\"No Event Scheduled\"\r\n\"Pj36-1-SAFETY INSPECTION\"\r\n";
    day += QByteArray("\"No Event Scheduled\"\r\n").repeated(10);
    WriteFile(TeamDayFilePath("2026", 1, 68), day);
    WriteEvents(SlipsPath, {Event("SA77", "Furnace")});
    SlipRecord inspection = Event("Pj36-1", "SAFETY INSPECTION", "Smith Builders");
    WriteEvents(ProjectRecordsPath, {Event("Pj36-1", "Framing"), inspection});

    frmMain& schedule = ScreenInstance<frmMain>();
    schedule.Show();
    ASSERT_EQ(schedule.fgHours->TextMatrix(2, 1), "Pj36-1-SAFETY INSPECTION");
    QString shownName, shownTeam;
    QTimer::singleShot(0, [&] {
        auto* viewer = dynamic_cast<frmSlip*>(FindScreen("frmSlip"));
        ASSERT_TRUE(viewer && viewer->isVisible());
        shownName = viewer->lblName->text();
        shownTeam = viewer->lblAssignto->text();
        viewer->cmdAttn->click();
    });
    schedule.fgHours_Click(2);
    EXPECT_EQ(Shared().EntryKind, 1);
    EXPECT_EQ(shownName, "Smith Builders");
    EXPECT_EQ(shownTeam, "Framers");
    EXPECT_TRUE(Script().Shown().isEmpty());
    ResetTeamDayState();
}

} // namespace
