#include "accounts/CustomerHandOver.h"
#include "app/Startup.h"
#include "core/DataUpkeep.h"
#include "core/QtPrinters.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/FlexGrid.h"
#include "platform/TextBox.h"
#include "scheduling/LoadedProjects.h"
#include "scheduling/ProjectCounter.h"
#include "scheduling/SlipRecord.h"
#include "scheduling/TeamDayStore.h"
#include "scheduling/frmMain.h"
#include "support/FileFlags.h"
#include "support/ScreenFixture.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QGroupBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QTest>
#include <QRadioButton>

namespace {

// Today is Saturday 2026-03-07 (day 66); the calendar opens on Monday the 9th.
class ProjectCreationTest : public ScreenFixture {
protected:
    const QDate monday{2026, 3, 9}, friday{2026, 3, 13}, nextMonday{2026, 3, 16}, nextTuesday{2026, 3, 17};

    void SetUp() override
    {
        ScreenFixture::SetUp();
        ResetTeamDayState();
        ResetProjectCounter();
        ResetLoadedProjects();
        ResetCustomerHandOver();
        InitTimeSlotNames();
        Shared().TeamNames = {QStringLiteral("populated"), QStringLiteral("Framers"), QStringLiteral("Roofers")};
        Shared().CurrentYear = QStringLiteral("2026");
        Shared().ProgramRoutine = 1;
        for (int year = 2026; year <= 2028; ++year)
            for (int team = 1; team <= 2; ++team) {
                MakeFolders(TeamFolderPath(QString::number(year), team));
                MakeFolders("/Backup" + TeamFolderPath(QString::number(year), team));
            }
        // Permit (office), Framing and Roofing (technical, during construction), Cleanup (after).
        SettingsValues& s = Settings();
        s.TplName = {"", "Permit", "Framing", "Roofing", "Cleanup"};
        s.TplPersonnelType = {0, 1, 2, 2, 1};
        s.TplPhase = {0, 1, 2, 2, 3};
        s.TplDependency = {0, 0, 1, 2, 3};
        s.TplInterval = {0, 0, 2, 1, 1};
        s.TplCount = 4;
        s.PromptsOn = false;
        CustomerHandOverValues& handOver = CustomerHandOver();
        handOver.Items = {"", "Acme Roofing", "1 Main St", "", "Springfield", "IL", "62701", "555-0100"};
        handOver.AccountNo = "ACME02";
        handOver.Pending = true;
        // The main menu the screen returns to knows customers.
        WriteFile("/CustomerData.txt", QByteArray(328, ' '));
    }

    void TearDown() override
    {
        ScreenFixture::TearDown();
        ResetTeamDayState();
        ResetProjectCounter();
        ResetLoadedProjects();
        ResetCustomerHandOver();
    }

    // Opens the wizard with only the catalogue entries given (1-based) selected.
    frmMain& Open(QList<int> entries = {1, 2, 3, 4})
    {
        frmMain& screen = ScreenInstance<frmMain>();
        screen.Show();
        for (int i = 0; i < screen.lstMilestoneSelection->count(); ++i)
            screen.lstMilestoneSelection->item(i)->setSelected(entries.contains(i + 1));
        screen.cmdContinue_Click();
        return screen;
    }

    static void Unit(frmMain& screen, const QString& unit, int count)
    {
        if (screen.lblMode->text() != unit)
            screen.tgTime_Click();
        screen.txtTime->setText(QString::number(count));
    }

    QMap<QString, QByteArray> TeamFiles() const
    {
        QMap<QString, QByteArray> files;
        for (int year = 2026; year <= 2028; ++year)
            for (int team = 1; team <= 2; ++team) {
                const QString folder = TeamFolderPath(QString::number(year), team);
                for (const QString& name : QDir(FullPath(folder)).entryList(QDir::Files))
                    files.insert(folder + '/' + name, ReadFile(folder + '/' + name));
            }
        return files;
    }

    // Slots of every team file holding the project number.
    int Bookings(const QString& projectNo) const
    {
        int count = 0;
        for (const QByteArray& bytes : TeamFiles())
            count += int(bytes.count(projectNo.toLatin1() + '-'));
        return count;
    }

    QStringList Slots(const QDate& day, int team) const
    {
        QStringList texts;
        const QByteArray bytes = ReadFile(TeamDayFilePath(QString::number(day.year()), team, day.dayOfYear()));
        for (const QByteArray& line : bytes.split('\n'))
            if (!line.trimmed().isEmpty())
                texts << QString::fromLatin1(line.trimmed()).remove('"');
        return texts;
    }

    void BookWorkingDay(const QDate& day, int team, const QString& text)
    {
        QByteArray bytes;
        for (int slot = 1; slot <= 12; ++slot)
            bytes += '"' + (slot >= 3 && slot <= 10 ? text : NoEventScheduled).toLatin1() + "\"\r\n";
        WriteFile(TeamDayFilePath(QString::number(day.year()), team, day.dayOfYear()), bytes);
    }
};

TEST_F(ProjectCreationTest, DaysBookTheFirstFreeRunOfWorkdays)
{
    frmMain& screen = Open({2, 3});
    EXPECT_EQ(screen.lblCustomerInfo[1]->text(), "Acme Roofing");
    EXPECT_FALSE(screen.lblPropNo[1]->isVisible());
    EXPECT_EQ(screen.txtConEvents->text(), "Framing");
    EXPECT_TRUE(screen.optSite->isChecked()); // during construction
    screen.SetCalendarDate(friday);
    Unit(screen, "Days", 3);
    screen.cmdContinue_Click();
    for (const QDate& day : {friday, nextMonday, nextTuesday})
        EXPECT_EQ(Slots(day, 1).mid(2, 8), QStringList(8, "Pj66-1-Framing")) << day.toString().toStdString();
    EXPECT_EQ(Slots(friday, 1).value(0), NoEventScheduled);
    EXPECT_EQ(screen.Draft.Milestones[0].ScheduledDate, friday);
    EXPECT_EQ(screen.Draft.Milestones[0].StartSlot, "3");
    EXPECT_TRUE(Slots(QDate(2026, 3, 14), 1).isEmpty());

    // Roofing follows Framing by a day, counted from Friday in calendar days; its start day is
    // taken, the next run of two is free.
    EXPECT_EQ(screen.txtConEvents->text(), "Roofing");
    EXPECT_EQ(screen.CalendarDate(), nextTuesday);
    EXPECT_EQ(screen.txtDependentEvent->text(), "Framing ( 3/13/2026)");
    BookWorkingDay(nextTuesday, 2, "Pj1-1-Siding");
    screen.lstTeam->setCurrentRow(1);
    Unit(screen, "Days", 2);
    screen.cmdContinue_Click();
    EXPECT_EQ(screen.Draft.Milestones[1].ScheduledDate, QDate(2026, 3, 18));
    EXPECT_EQ(screen.Draft.Milestones[1].Team, "2");
    EXPECT_EQ(Slots(QDate(2026, 3, 19), 2).value(2), "Pj66-1-Roofing");
    EXPECT_EQ(Slots(nextTuesday, 2).value(2), "Pj1-1-Siding");
    EXPECT_EQ(screen.WizardStep, 5);
    EXPECT_EQ(screen.fgSummary->TextMatrix(2, 3), "Roofers");
    EXPECT_EQ(screen.fgSummary->TextMatrix(1, 1), "Construction");
}

TEST_F(ProjectCreationTest, SixtyTakenDaysBookNothingAndKeepTheStep)
{
    QDate day = monday;
    for (int taken = 0; taken < 61; ++taken) {
        BookWorkingDay(day, 1, "Pj1-1-Siding");
        day = SkipNonWorkDays(day.addDays(1));
    }
    const QMap<QString, QByteArray> before = TeamFiles();
    frmMain& screen = Open({2});
    Unit(screen, "Days", 2);
    Script().Queue(MsgAnswer::Ok);
    screen.cmdContinue_Click();
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Title, "Not enough Consecutive Days");
    EXPECT_EQ(Script().Shown()[0].Prompt, "    60 Workdays have been scanned\n   2 Consecutive Workdays are not Available\n"
                                          "Review the Team Schedules to find ample Days");
    EXPECT_EQ(Script().Beeps(), 1);
    EXPECT_EQ(TeamFiles(), before);
    EXPECT_EQ(screen.CurrentMilestone, 1);
    EXPECT_EQ(screen.txtTime->text(), "1");
    EXPECT_EQ(screen.CalendarDate(), monday);
    EXPECT_EQ(ReadFile("/ProjectTempFile.txt").count('\n'), 1); // the header alone
}

TEST_F(ProjectCreationTest, AnHoursMilestoneNeedsItsOwnPickInTheDayShown)
{
    frmMain& screen = Open({2, 3});
    Unit(screen, "Hours", 2);
    screen.cmdContinue_Click(); // to the grid
    ASSERT_TRUE(screen.fgHours->isVisible());
    screen.fgHours_Click(3);
    screen.lstTeam->setCurrentRow(1); // the pick is lost with the other team's day
    screen.lstTeam->setCurrentRow(0);
    Script().Queue(MsgAnswer::Ok);
    screen.cmdContinue_Click();
    EXPECT_EQ(Script().Shown().last().Prompt, "A Time Must be Selected");
    EXPECT_TRUE(Slots(monday, 1).isEmpty());

    // A refused click moves nothing: the booking starts where it was placed.
    screen.fgHours_Click(5);
    Script().Queue(MsgAnswer::Ok);
    screen.txtTime->setText("9");
    screen.fgHours_Click(6);
    EXPECT_EQ(Script().Shown().last().Prompt, "Hours Requested exceed Hours Remaining this Date");
    screen.txtTime->setText("2");
    screen.cmdContinue_Click();
    EXPECT_EQ(screen.Draft.Milestones[0].StartSlot, "5");
    EXPECT_EQ(Slots(monday, 1).mid(4, 2), QStringList(2, "Pj66-1-Framing"));

    // The second Hours milestone starts without a pick of its own.
    EXPECT_EQ(screen.txtConEvents->text(), "Roofing");
    Unit(screen, "Hours", 1);
    screen.cmdContinue_Click();
    Script().Queue(MsgAnswer::Ok);
    screen.cmdContinue_Click();
    EXPECT_EQ(Script().Shown().last().Prompt, "A Time Must be Selected");
    EXPECT_EQ(screen.CurrentMilestone, 2);
}

TEST_F(ProjectCreationTest, ATeamSwitchThatDropsThePickAsksForAnHourAgain)
{
    frmMain& screen = Open({2});
    ShowAtRealSize(&screen);
    Unit(screen, "Hours", 1);
    ClickButton(screen.cmdContinue);
    ASSERT_TRUE(screen.fgHours->isVisible());
    EXPECT_EQ(screen.lblDateTime->text(), "Click a Starting Hour");
    ClickRow(screen.fgHours, 4); // 09:00
    EXPECT_EQ(screen.lblDateTime->text(), "Click Continue");
    ClickAt(screen.lstTeam->viewport(), screen.lstTeam->visualItemRect(screen.lstTeam->item(1)).center());
    ASSERT_EQ(screen.lstTeam->currentRow(), 1);
    EXPECT_EQ(screen.lblDateTime->text(), "Click a Starting Hour");
    EXPECT_EQ(screen.SelectedSlotText, "No Slot Selected");
    // The dropped hour is no longer marked as picked.
    EXPECT_TRUE(screen.fgHours->selectionModel()->selectedIndexes().isEmpty());
    EXPECT_FALSE(screen.fgHours->currentIndex().isValid());
}

TEST_F(ProjectCreationTest, AnHourTakenByAnotherProgramMeanwhileIsRefusedAndItsSlotsStay)
{
    frmMain& screen = Open({2});
    ShowAtRealSize(&screen);
    Unit(screen, "Hours", 1);
    ClickButton(screen.cmdContinue);
    ASSERT_TRUE(screen.fgHours->isVisible());
    ClickRow(screen.fgHours, 3); // 08:00, free when the grid was shown
    // Meanwhile another program books two slips into the day, one at that very hour.
    QByteArray day;
    for (int slot = 1; slot <= 12; ++slot)
        day += '"' + (slot == 3 ? "SA2005 Slip" : slot == 11 ? "SA2006 Slip" : NoEventScheduled.toLatin1()) + "\"\r\n";
    const QString file = TeamDayFilePath("2026", 1, monday.dayOfYear());
    WriteFile(file, day);

    Script().Queue(MsgAnswer::Ok);
    ClickButton(screen.cmdContinue);
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Title, "Selection Error");
    EXPECT_EQ(Script().Shown()[0].Prompt, "Event already Scheduled Here");
    EXPECT_EQ(ReadFile(file), day);
    EXPECT_EQ(screen.fgHours->TextMatrix(3, 1), "SA2005 Slip");
    EXPECT_EQ(screen.lblDateTime->text(), "Click a Starting Hour");
    EXPECT_EQ(screen.CurrentMilestone, 1);

    // Another hour books only itself: both slips keep their hours.
    ClickRow(screen.fgHours, 4);
    ClickButton(screen.cmdContinue);
    ASSERT_EQ(screen.WizardStep, 5);
    QStringList expected(12, NoEventScheduled);
    expected[2] = "SA2005 Slip";
    expected[3] = "Pj66-1-Framing";
    expected[10] = "SA2006 Slip";
    EXPECT_EQ(Slots(monday, 1), expected);
}

TEST_F(ProjectCreationTest, ALongBillingNameIsShownWholeOrElidedWithItAsTip)
{
    // As long as the customer file's name field holds.
    const QString name = "Mr/Mrs Daniel O'Rourke-Whitman";
    ASSERT_EQ(name.size(), 30);
    CustomerHandOver().Items[1] = name;
    frmMain& screen = ScreenInstance<frmMain>();
    screen.Show();
    ShowAtRealSize(&screen);
    screen.resize(1024, 768);
    QApplication::processEvents();
    QLabel* label = screen.lblCustomerInfo[1];
    ASSERT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), name);
    const QFontMetrics metrics = label->fontMetrics();
    const bool whole = metrics.horizontalAdvance(name) + metrics.horizontalAdvance('x') <= label->contentsRect().width();
    EXPECT_TRUE(whole || label->toolTip() == name) << label->contentsRect().width();
    EXPECT_EQ(screen.txtCustomerInfo[1]->text(), name);
}

TEST_F(ProjectCreationTest, ASecondProjectInOneRunStartsWithTheDefaultTitleAndNoPrompt)
{
    frmMain& screen = ScreenInstance<frmMain>();
    screen.resize(1280, 1024);
    screen.Show();
    QApplication::setActiveWindow(&screen);
    ClickButton(screen.cboProjectTitle);
    ASSERT_TRUE(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "Garage");
    ASSERT_EQ(screen.cboProjectTitle->currentText(), "Garage");
    // Framing alone: a click turns an entry of the list on or off.
    for (int i = 0; i < screen.lstMilestoneSelection->count(); ++i)
        if (screen.lstMilestoneSelection->item(i)->isSelected() != (i == 1))
            ClickAt(screen.lstMilestoneSelection->viewport(),
                    screen.lstMilestoneSelection->visualItemRect(screen.lstMilestoneSelection->item(i)).center());
    ClickButton(screen.cmdContinue);
    ASSERT_EQ(screen.txtConEvents->text(), "Framing");
    if (screen.lblMode->text() != "Hours")
        ClickButton(screen.tgTime);
    ASSERT_EQ(screen.lblMode->text(), "Hours");
    ClickButton(screen.txtTime);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "2");
    ASSERT_EQ(screen.txtTime->text(), "2");
    ClickButton(screen.cmdContinue); // to the grid
    ASSERT_TRUE(screen.fgHours->isVisible());
    ClickRow(screen.fgHours, 3);
    EXPECT_EQ(screen.lblDateTime->text(), "Click Continue");
    // Redo gives the hour up: the step asks for one again.
    ClickButton(screen.cmdRedoEvent);
    EXPECT_EQ(screen.lblDateTime->text(), "Click a Starting Hour");
    ClickRow(screen.fgHours, 4);
    ClickButton(screen.cmdContinue);
    ASSERT_EQ(screen.WizardStep, 5);
    ClickButton(screen.cmdSave);
    ASSERT_FALSE(screen.isVisible());

    screen.Show();
    EXPECT_EQ(screen.cboProjectTitle->currentText(), "New Installation");
    EXPECT_EQ(screen.lblDateTime->text(), "");
    EXPECT_EQ(screen.SelectedSlotText, "No Slot Selected");
}

TEST_F(ProjectCreationTest, SavingMakesTheProjectFileRecordsAndNextNumber)
{
    SetToday(QDate(2026, 2, 14)); // day 45
    WriteFile("/PjCounter.txt", "\"45\",3\r\n");
    const QByteArray records = QByteArray(SlipRecord::Length, 'x');
    WriteFile("/ProjectRecords.txt", records);
    frmMain& screen = Open();
    EXPECT_EQ(screen.lblProjectNo->text(), "Pj45-3");
    screen.cmdContinue_Click(); // Permit
    Unit(screen, "Days", 1);
    screen.cmdContinue_Click(); // Framing
    Unit(screen, "Days", 1);
    screen.cmdContinue_Click(); // Roofing
    screen.cmdContinue_Click(); // Cleanup
    ASSERT_EQ(screen.WizardStep, 5);
    EXPECT_EQ(screen.fgSummary->TextMatrix(1, 3), "Administrative");
    const QByteArray scratch = ReadFile("/ProjectTempFile.txt");

    // A project file that cannot be written moves nothing.
    WriteFile("/ConstructionProjects", "a file in the folder's place");
    Script().Queue(MsgAnswer::Ok);
    screen.cmdSave_Click();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(ReadFile("/ProjectTempFile.txt"), scratch);
    EXPECT_EQ(ReadFile("/PjCounter.txt"), "\"45\",3\r\n");
    QFile::remove(FullPath("/ConstructionProjects"));

    LoadedProjects().ProjectsLoaded = true;
    screen.cmdSave_Click();
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(ReadFile("/ConstructionProjects/Pj45-3.txt"), scratch);
    EXPECT_FALSE(Exists("/ProjectTempFile.txt"));
    EXPECT_EQ(ReadFile("/PjCounter.txt"), "\"45\",4\r\n");
    const QByteArray after = ReadFile("/ProjectRecords.txt");
    EXPECT_EQ(after.size(), 3 * SlipRecord::Length);
    EXPECT_EQ(after.left(SlipRecord::Length), records);
    EXPECT_FALSE(LoadedProjects().ProjectsLoaded);
    EXPECT_EQ(LoadedProjects().Projects[0].Milestones.size(), 4);
}

TEST_F(ProjectCreationTest, NoNumberLeftForTodayStartsNoProject)
{
    WriteFile("/PjCounter.txt", "\"66\",32767\r\n");
    WriteFile("/ConstructionProjects/Pj66-32767.txt", "an older project\r\n");
    Script().Queue(MsgAnswer::Ok);
    frmMain& screen = ScreenInstance<frmMain>();
    screen.Show();
    ASSERT_FALSE(Script().Shown().isEmpty());
    EXPECT_EQ(Script().Shown().last().Title, NoProjectNumberTitle);
    EXPECT_EQ(Script().Shown().last().Prompt, NoProjectNumberMessage);
    EXPECT_FALSE(screen.isVisible());
    // A Continue that still reached the page books nothing under an empty number.
    screen.cmdContinue_Click();
    EXPECT_EQ(screen.WizardStep, 0);
    EXPECT_FALSE(Exists("/ProjectTempFile.txt"));
    EXPECT_EQ(ReadFile("/ConstructionProjects/Pj66-32767.txt"), "an older project\r\n");
}

TEST_F(ProjectCreationTest, KillAndTheCloseBoxGiveBackOnlyTheProjectsOwnSlots)
{
    for (const bool kill : {true, false}) {
        SCOPED_TRACE(kill ? "Kill Project" : "close box");
        frmMain& screen = Open({2, 3});
        const QString number = screen.lblProjectNo->text();
        Unit(screen, "Days", 2);
        screen.cmdContinue_Click();
        ASSERT_EQ(Slots(monday, 1).value(2), number + "-Framing");
        // Meanwhile another program writes a slip into a booked day and makes a day of its own.
        const QString booked = TeamDayFilePath("2026", 1, monday.dayOfYear());
        QList<QByteArray> lines = ReadFile(booked).split('\n');
        lines[10] = "\"SA2005 Slip\"\r";
        WriteFile(booked, lines.join('\n'));
        ASSERT_EQ(Slots(monday, 1).value(10), "SA2005 Slip");
        const QString stray = TeamDayFilePath("2026", 2, kill ? 200 : 201);
        WriteFile(stray, "\"Holiday\"\r\n");
        const int boxes = Script().Shown().size();
        if (kill) {
            Script().Queue(MsgAnswer::Yes);
            screen.cmdKillProj_Click();
        } else {
            screen.close();
        }
        EXPECT_EQ(Script().Shown().size(), boxes + (kill ? 1 : 0));
        EXPECT_EQ(Bookings(number), 0);
        QStringList expected(12, NoEventScheduled);
        expected[10] = "SA2005 Slip";
        EXPECT_EQ(Slots(monday, 1).join('|'), expected.join('|'));
        EXPECT_EQ(ReadFile(stray), "\"Holiday\"\r\n");
        // The day the project alone had made is gone again.
        EXPECT_FALSE(Exists(TeamDayFilePath("2026", 1, monday.addDays(1).dayOfYear())));
        QFile::remove(FullPath(booked));
    }
}

TEST_F(ProjectCreationTest, StartingOverOverADayThatCannotBeReadIsToldAsNotGivenBack)
{
    frmMain& screen = Open({2, 3});
    ShowAtRealSize(&screen);
    const QString number = screen.lblProjectNo->text();
    Unit(screen, "Days", 2);
    ClickButton(screen.cmdContinue);
    ASSERT_EQ(Bookings(number), 16);
    // One of the booked days can no longer be read: its booking may still be there.
    QString booked;
    const QMap<QString, QByteArray> files = TeamFiles();
    for (auto file = files.begin(); file != files.end() && booked.isEmpty(); ++file)
        if (file.value().contains(number.toLatin1() + '-'))
            booked = file.key();
    if (!MakeUnreadableFile(booked))
        GTEST_SKIP() << "no unreadable file on this system";

    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::Ok);
    // The new start's copy of the team files stumbles on the same day.
    Script().Queue(MsgAnswer::Ok);
    ClickButton(screen.cmdStartOver);
    ASSERT_EQ(Script().Shown().size(), 3);
    EXPECT_EQ(Script().Shown()[0].Title, "Cancel Project Creation");
    EXPECT_TRUE(Script().Shown()[1].Prompt.startsWith("Some of the new project's booked days could not be given back."));
    EXPECT_EQ(Script().Shown()[1].Prompt, "Some of the new project's booked days could not be given back.\n"
                                          "Framers: 3/9/2026\nCheck that the program folder may be written to.");
    // The other day is freed all the same.
    EXPECT_EQ(Bookings(number), 0);
}

TEST_F(ProjectCreationTest, AGiveBackThatFailsIsToldAndLeftToTheExit)
{
    frmMain& screen = Open({2, 3});
    screen.resize(1280, 1024);
    const QString number = screen.lblProjectNo->text();
    Unit(screen, "Days", 2);
    if (!SetImmutable(FullPath(ProjectTempFilePath), true))
        GTEST_SKIP() << "files cannot be made unwritable here";
    // While the first box is up the team's days become unwritable too.
    QStringList locked;
    Script().WhileShown = [&](const ShownMessage&) {
        if (!locked.isEmpty())
            return;
        const QMap<QString, QByteArray> files = TeamFiles();
        for (auto file = files.begin(); file != files.end(); ++file)
            if (file.value().contains(number.toLatin1() + '-') && SetImmutable(FullPath(file.key()), true))
                locked << file.key();
    };
    const auto click = [&screen](QPushButton* button) {
        QApplication::processEvents();
        const QPoint at = button->mapTo(&screen, button->rect().center());
        QWidget* target = screen.childAt(at);
        ASSERT_TRUE(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&screen, at));
    };
    Script().Queue(MsgAnswer::Ok);
    Script().Queue(MsgAnswer::Ok);
    click(screen.cmdContinue);
    Script().WhileShown = nullptr;
    for (const QString& file : locked)
        SetImmutable(FullPath(file), false);
    SetImmutable(FullPath(ProjectTempFilePath), false);
    ASSERT_EQ(locked.size(), 2);
    ASSERT_EQ(Script().Shown().size(), 2);
    EXPECT_TRUE(Script().Shown()[1].Prompt.startsWith(
        "The days booked for Framing could not be given back.\nThey are given back when the Project is abandoned."));
    EXPECT_EQ(screen.CurrentMilestone, 1);
    ASSERT_EQ(Bookings(number), 16);

    // Still on the first milestone, the way out asks and gives them back.
    Script().Queue(MsgAnswer::Yes);
    click(screen.cmdExit);
    EXPECT_EQ(Script().Shown().last().Title, "Delete New Project");
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(Bookings(number), 0);
}

TEST_F(ProjectCreationTest, EveryWayOutLeavesTheTeamFilesAsTheyWere)
{
    BookWorkingDay(QDate(2026, 3, 20), 2, "Pj1-1-Siding");
    const QMap<QString, QByteArray> before = TeamFiles();

    // Exit from the project page asks nothing.
    frmMain& screen = ScreenInstance<frmMain>();
    screen.Show();
    const QString number = screen.lblProjectNo->text();
    screen.cmdExit_Click();
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(Script().Shown().isEmpty());

    // After a booked milestone: No stays, Yes gives the days back.
    Open({2, 3});
    EXPECT_EQ(screen.lblProjectNo->text(), number);
    Unit(screen, "Days", 3);
    screen.cmdContinue_Click();
    ASSERT_NE(TeamFiles(), before);
    Script().Queue(MsgAnswer::No);
    screen.cmdExit_Click();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(Script().Shown().last().Title, "Delete New Project");
    Script().Queue(MsgAnswer::Yes);
    screen.cmdExit_Click();
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(TeamFiles(), before);
    // Days blocked after the abandon are no concern of that project any more.
    BookWorkingDay(QDate(2026, 4, 1), 1, "Holiday");
    const QMap<QString, QByteArray> later = TeamFiles();
    screen.Unload();
    EXPECT_EQ(TeamFiles(), later);

    // Start Over frees the bookings and keeps the number; Kill deletes the scratch file.
    frmMain& again = Open({2, 3});
    Unit(again, "Days", 2);
    again.cmdContinue_Click();
    ASSERT_GT(Bookings(number), 0);
    Script().Queue(MsgAnswer::Yes);
    again.cmdStartOver_Click();
    EXPECT_EQ(Bookings(number), 0);
    EXPECT_EQ(again.WizardStep, 0);
    EXPECT_EQ(again.lblProjectNo->text(), number);
    const QMap<QString, QByteArray> afterStartOver = TeamFiles();
    again.lstMilestoneSelection->item(0)->setSelected(false);
    again.cmdContinue_Click();
    Unit(again, "Days", 2);
    again.cmdContinue_Click();
    WriteFile("/ConstructionProjects/" + number + ".txt", "another project of that number");
    Script().Queue(MsgAnswer::Yes);
    again.cmdKillProj_Click();
    EXPECT_FALSE(Exists("/ProjectTempFile.txt"));
    EXPECT_TRUE(Exists("/ConstructionProjects/" + number + ".txt"));
    EXPECT_EQ(TeamFiles(), afterStartOver);

    // The close box in the middle of a project restores the copy.
    again.lstMilestoneSelection->item(0)->setSelected(false);
    again.cmdContinue_Click();
    Unit(again, "Days", 1);
    again.cmdContinue_Click();
    ASSERT_NE(TeamFiles(), afterStartOver);
    again.close();
    EXPECT_EQ(TeamFiles(), afterStartOver);
    EXPECT_TRUE(ProgramEnded());
}

} // namespace
