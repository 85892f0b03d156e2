#include "scheduling/AdminTasks.h"

#include "app/Startup.h"
#include "app/frmStartup.h"
#include "core/QtPrinters.h"
#include "core/Routines.h"
#include "core/Settings.h"
#include "platform/CommonDialogs.h"
#include "platform/DatePicker.h"
#include "platform/FlexGrid.h"
#include "platform/Printer.h"
#include "platform/ProgramNames.h"
#include "scheduling/frmAdmin.h"
#include "support/ScreenFixture.h"
#include "support/UserInput.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPushButton>
#include <QTest>

#include <algorithm>

#include <map>

namespace {

const QDate Today(2026, 3, 7);

MilestoneRecord Milestone(const QString& name, int personnelType, const QDate& date)
{
    MilestoneRecord m;
    m.MilestoneName = name;
    m.PersonnelType = qint16(personnelType);
    m.ScheduledDate = date;
    return m;
}

LoadedProject Project(const QString& projectNo, const QList<MilestoneRecord>& milestones)
{
    LoadedProject project;
    project.Header.ProjectNo = projectNo;
    project.Header.ProjectName = "Kitchen " + projectNo;
    project.Header.CustomerName = "Owner of " + projectNo;
    project.Header.Telephone = "937-555-0101";
    project.Header.MilestoneCount = qint16(milestones.size());
    project.Milestones = milestones;
    return project;
}

class AdminTasksTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        ResetLoadedProjects();
        ThePrinter().Reset();
        MakeFolders(ProjectsFolder);
        WriteFile("/CustomerData.txt", QByteArray(328, ' '));
    }
    void TearDown() override
    {
        ResetLoadedProjects();
        ForgetRoutines();
        ScreenFixture::TearDown();
    }

    static void Save(const LoadedProject& project)
    {
        ASSERT_TRUE(WriteProjectFile(ProjectFilePath(project.Header.ProjectNo), {project.Header, project.Milestones}));
    }

    // `count` administrative milestones on consecutive days from today.
    static void SaveAdminProject(const QString& projectNo, int count, const QString& title = QString())
    {
        QList<MilestoneRecord> milestones;
        for (int j = 0; j < count; ++j)
            milestones.append(Milestone(QStringLiteral("Permit %1").arg(j + 1), 1, Today.addDays(j % 28)));
        LoadedProject project = Project(projectNo, milestones);
        if (!title.isEmpty())
            project.Header.ProjectName = title;
        Save(project);
    }

    static frmAdmin& Open()
    {
        RegisterRoutineScreens();
        EXPECT_TRUE(ShowRoutineScreen(4));
        return ScreenInstance<frmAdmin>();
    }

    // The y positions of the listed rows, page by page (texts at the first column).
    static std::map<int, QList<double>> RowPositions()
    {
        std::map<int, QList<double>> rows;
        const auto& pages = ThePrinter().Pages();
        for (int page = 0; page < pages.size(); ++page)
            for (const PrintOperation& op : pages[page])
                if (op.x == 0.75 * 1440 && op.text.startsWith("Pj"))
                    rows[page].append(op.y);
        return rows;
    }

    static QStringList PageTexts(int page)
    {
        QStringList texts;
        for (const PrintOperation& op : ThePrinter().Pages()[page])
            texts.append(op.text);
        return texts;
    }
};

TEST_F(AdminTasksTest, ListsAdministrativeMilestonesInTheRangeInProjectOrder)
{
    LoadedProjectsState state;
    state.Projects.append(Project("Pj66-1", {Milestone("Permit", 1, Today), Milestone("Framing", 2, Today.addDays(3)),
                                             Milestone("Too early", 1, Today.addDays(-1)),
                                             Milestone("Inspection", 1, Today.addMonths(1)),
                                             Milestone("Too late", 1, Today.addMonths(1).addDays(1))}));
    state.Projects.append(Project("Pj60-1", {Milestone("Order cabinets", 1, Today.addDays(1))}));
    state.ProjectCount = 2;
    state.ProjectsLoaded = true;

    QStringList listed;
    for (const AdminTaskRow& row : ListAdminTasks(state, Today, Today.addMonths(1)))
        listed.append(row.ProjectNo + " " + row.Milestone + " " + row.Date.toString(Qt::ISODate));
    EXPECT_EQ(listed, (QStringList{"Pj66-1 Permit 2026-03-07", "Pj66-1 Inspection 2026-04-07",
                                   "Pj60-1 Order cabinets 2026-03-08"}));
}

TEST_F(AdminTasksTest, ScreenLoadsTheProjectsItselfAndSetsItsRanges)
{
    SaveAdminProject("Pj66-1", 2);
    Save(Project("Pj67-1", {Milestone("Framing", 2, Today.addDays(2))}));
    WriteFile(ProjectFilePath("Pj68-1"), "\"Pj68-1\",\"cut off");
    Script().Queue(MsgAnswer::Ok);

    frmAdmin& screen = Open();
    EXPECT_TRUE(LoadedProjects().ProjectsLoaded);
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Title, "Damaged Project Files");
    EXPECT_TRUE(Script().Shown()[0].Prompt.endsWith("Pj68-1.txt"));
    EXPECT_EQ(screen.DTEnd->Value(), QDate(2026, 4, 7));
    ASSERT_EQ(screen.fgAdminSchedule->Rows(), 3);
    EXPECT_EQ(screen.ListedRows()[1], (QStringList{"Pj66-1", "Kitchen Pj66-1", "3/8/2026", "Permit 2", "Owner of Pj66-1",
                                                   "937-555-0101"}));
    EXPECT_TRUE(screen.cmdAdmin[1]->isEnabled());

    // One quarter or one month ahead, the day held to the month's end.
    struct Case {
        QDate today;
        int button;
        QDate end;
    };
    for (const Case& c : {Case{{2026, 11, 30}, 7, {2027, 2, 28}}, Case{{2027, 11, 30}, 7, {2028, 2, 29}},
                          Case{{2027, 1, 31}, 6, {2027, 2, 28}}, Case{{2027, 1, 31}, 5, {2028, 1, 31}}}) {
        SetToday(c.today);
        screen.cmdWeekly[size_t(c.button)]->click();
        EXPECT_EQ(screen.DTStart->Value(), c.today);
        EXPECT_EQ(screen.DTEnd->Value(), c.end) << c.today.toString().toStdString();
    }
    // Nothing in the range: an empty row, and nothing to print.
    EXPECT_EQ(screen.fgAdminSchedule->Rows(), 2);
    EXPECT_FALSE(screen.cmdAdmin[1]->isEnabled());

    // An end before the start: the message and the default range, the grid left as it is.
    SetToday(Today);
    screen.cmdWeekly[6]->click();
    Script().Queue(MsgAnswer::Ok);
    screen.DTEnd->ClickDate(QDate(2026, 3, 6));
    EXPECT_EQ(Script().Shown().last().Prompt, "Your Calendar Selection is Invalid");
    EXPECT_EQ(Script().Beeps(), 1);
    EXPECT_EQ(screen.DTEnd->Value(), QDate(2026, 4, 7));
    EXPECT_EQ(screen.fgAdminSchedule->Rows(), 3);

    // Menu unloads the screen; the next visit tells nothing again of the damaged file.
    screen.cmdAdmin[0]->click();
    EXPECT_FALSE(IsScreenLoaded<frmAdmin>());
    EXPECT_TRUE(ScreenInstance<frmStartup>().isVisible());
    Open();
    EXPECT_EQ(Script().Shown().size(), 2);
}

TEST_F(AdminTasksTest, TheGridGivesTheCustomersNameItsRoomAndThePhoneNoMore)
{
    SaveAdminProject("Pj66-1", 1);
    frmAdmin& screen = Open();
    ShowAtRealSize(&screen);
    const FlexGrid* grid = screen.fgAdminSchedule;
    const QFontMetrics metrics(grid->font());
    EXPECT_GT(grid->columnWidth(4), metrics.horizontalAdvance("Springfield Roofing and Siding Co."));
    EXPECT_GT(grid->columnWidth(5), metrics.horizontalAdvance("(217) 555-0100"));
    EXPECT_LT(grid->columnWidth(5), grid->columnWidth(4) / 2 + metrics.horizontalAdvance("n"));
}

TEST_F(AdminTasksTest, ReportPrintsLandscapeInGroupsOfFiveAndRepeatsItsHeader)
{
    SaveAdminProject("Pj66-1", 11, "Addition, kitchen remodel and a new two-car garage");
    frmAdmin& screen = Open();
    DialogScript dialogs;
    dialogs.QueueCancel();
    Script().Queue(MsgAnswer::Ok);
    screen.cmdAdmin[1]->click();
    EXPECT_EQ(Script().Shown().last().Prompt, "The Report will not be Printed");

    dialogs.QueuePrinter();
    screen.cmdAdmin[1]->click();
    EXPECT_EQ(ThePrinter().orientation, Printer::Landscape);
    ASSERT_EQ(ThePrinter().Pages().size(), 1);
    const QStringList texts = PageTexts(0);
    EXPECT_EQ(texts.mid(0, 8), (QStringList{"Administrative Tasks", "Date Range: 3/7/2026 to 4/7/2026", "Project No.",
                                            "Project Title", "Milestone", "Acct Name", "Acct Tel", "Status"}));
    const double h = ThePrinter().TextHeight("ABC");
    const QList<double> ys = RowPositions()[0];
    ASSERT_EQ(ys.size(), 11);
    for (int i = 1; i < ys.size(); ++i)
        EXPECT_NEAR(ys[i] - ys[i - 1], i % 5 == 0 ? 2 * h : h, 0.01) << i;
    // A long title stops before the date; the blank to fill in ends inside the right margin.
    for (const PrintOperation& op : ThePrinter().Pages()[0]) {
        const double end = op.x + QFontMetricsF(PrinterFont(op.fontName, op.fontSize, op.bold, op.italic)).horizontalAdvance(op.text);
        if (op.x == 1.75 * 1440 && op.y > ys[0] - 1) {
            EXPECT_LT(end, 3.0 * 1440) << op.text.toStdString();
        }
        if (op.text.startsWith("___")) {
            EXPECT_LE(end, 15840 - 720);
        }
    }

    // A second page repeats the header and starts its groups afresh.
    SaveAdminProject("Pj66-1", 45);
    LoadProjects();
    screen.cmdWeekly[3]->click();
    dialogs.QueuePrinter();
    screen.cmdAdmin[1]->click();
    ASSERT_EQ(ThePrinter().Pages().size(), 2);
    EXPECT_EQ(PageTexts(1).mid(0, 2), texts.mid(0, 2));
    const std::map<int, QList<double>> pages = RowPositions();
    EXPECT_EQ(pages.at(0).size() + pages.at(1).size(), 45);
    const QList<double>& second = pages.at(1);
    for (int i = 1; i < second.size(); ++i)
        EXPECT_NEAR(second[i] - second[i - 1], i % 5 == 0 ? 2 * h : h, 0.01) << i;
    EXPECT_EQ(dialogs.Unanswered(), 0);
}

TEST_F(AdminTasksTest, ADateTypedIntoTheBoxIsTheRangeTheGridIsLoadedFor)
{
    Save(Project("Pj66-1", {Milestone("Order windows", 1, QDate(2027, 1, 5)), Milestone("Inspection", 1, QDate(2027, 11, 20)),
                            Milestone("Final walk", 1, QDate(2027, 12, 20))}));
    frmAdmin& screen = Open();
    ShowAtRealSize(&screen);
    screen.DTEnd->SetValue(QDate(2027, 1, 9));
    const auto listed = [&] {
        QStringList names;
        for (const QStringList& row : screen.ListedRows())
            names.append(row[3]);
        return names;
    };

    // The month clicked, Home, then 1 and 2: December.
    ClickAt(screen.DTEnd, QPoint(6, screen.DTEnd->height() / 2));
    PressKey(Qt::Key_Home);
    TypeText("12");
    ClickButton(screen.cmdWeekly[3]);
    EXPECT_EQ(screen.DTEnd->Value(), QDate(2027, 12, 9));
    EXPECT_EQ(listed(), (QStringList{"Order windows", "Inspection"}));

    // The whole text selected, a whole date typed.
    ClickAt(screen.DTEnd);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    TypeText("12/31/2027");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(screen.DTEnd->Value(), QDate(2027, 12, 31));
    ClickAt(screen.DTStart);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    TypeText("1/6/2027");
    ClickButton(screen.cmdWeekly[3]);
    EXPECT_EQ(screen.DTStart->Value(), QDate(2027, 1, 6));
    EXPECT_EQ(listed(), (QStringList{"Inspection", "Final walk"}));

    // A date that cannot be taken leaves the box showing the date it holds.
    ClickAt(screen.DTEnd);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    TypeText("13/45/2027");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(screen.DTEnd->Value(), QDate(2027, 12, 31));
    EXPECT_EQ(screen.DTEnd->text(), "12/31/2027");
    EXPECT_TRUE(Script().Shown().isEmpty());
}

TEST_F(AdminTasksTest, AWideFontPrintsWholeDatesUnderTheRangeTheRowsWereLoadedFor)
{
    Save(Project("Pj66-1", {Milestone("Order windows and doors", 1, QDate(2026, 12, 31)),
                            Milestone("Final inspection with the county", 1, QDate(2027, 2, 20))}));
    Live().FontName = "Verdana";
    frmAdmin& screen = Open();
    screen.resize(1280, 1024);
    // As the user clicks: the range buttons under the pointer.
    const auto click = [&](QWidget* target) {
        const QPoint at = target->mapTo(&screen, target->rect().center());
        QWidget* hit = screen.childAt(at);
        ASSERT_TRUE(hit);
        QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(&screen, at));
    };
    click(screen.cmdWeekly[5]);
    ASSERT_EQ(screen.ListedRows().size(), 2);
    // Other dates picked but the grid not loaded for them: the report names the rows' range.
    screen.DTEnd->ClickDate(QDate(2026, 4, 30));
    DialogScript dialogs;
    dialogs.QueuePrinter();
    click(screen.cmdAdmin[1]);
    ASSERT_EQ(ThePrinter().Pages().size(), 1);
    const QList<PrintOperation>& page = ThePrinter().Pages()[0];
    EXPECT_EQ(page[1].text, "Date Range: 3/7/2026 to 3/7/2027");

    QStringList dates;
    for (const PrintOperation& op : page)
        if (op.x == 3.0 * 1440 && op.text.contains('/'))
            dates.append(op.text);
    EXPECT_EQ(dates, (QStringList{"12/31/2026", "2/20/2027"}));
    // No text of a line reaches the next one's start.
    std::map<double, QList<const PrintOperation*>> lines;
    for (const PrintOperation& op : page)
        if (op.kind == PrintOperation::Text && !op.text.isEmpty())
            lines[op.y].append(&op);
    for (auto& [y, ops] : lines) {
        std::sort(ops.begin(), ops.end(), [](auto* a, auto* b) { return a->x < b->x; });
        for (qsizetype i = 0; i + 1 < ops.size(); ++i) {
            const PrintOperation& op = *ops[i];
            const double end = op.x + QFontMetricsF(PrinterFont(op.fontName, op.fontSize, op.bold, op.italic))
                                          .horizontalAdvance(op.text);
            EXPECT_LT(end, ops[i + 1]->x) << op.text.toStdString();
        }
    }
}

} // namespace
