#include "core/GridWheel.h"

#include "platform/Controls.h"
#include "platform/FlexGrid.h"
#include "platform/Screen.h"
#include "platform/TextBox.h"
#include "support/UserInput.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QtTest/QTest>
#include <QtTest/qtestspontaneevent.h>

#include <gtest/gtest.h>

namespace {

constexpr int Up = 120;
constexpr int Down = -120;

TEST(WheelTopRowTest, PagesByTheRowsThatFitAndStaysInsideTheGrid)
{
    struct Case {
        double height, rowHeight;
        int top, rows, rotation, expected;
    };
    const Case cases[] = {
        // 3,000 twips of 240-twip rows: a page of 12.
        {3000, 240, 5, 100, Up, 1},   {3000, 240, 20, 100, Up, 8},  {3000, 240, 5, 100, Down, 17},
        {3000, 240, 5, 18, Down, 17}, {3000, 240, 5, 15, Down, 14}, {3000, 240, 5, 100, 0, 17},
        // 1,200 twips hold 5 rows; a page is at least 10.
        {1200, 240, 1, 100, Down, 11}, {1200, 240, 25, 100, Up, 15},
        // An 8-row grid: never past the last data row.
        {3000, 240, 1, 8, Down, 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WheelTopRow(c.height, c.rowHeight, c.top, c.rows, c.rotation), c.expected)
            << c.height << "/" << c.rowHeight << " top " << c.top << " rows " << c.rows << " rotation " << c.rotation;

    // Rows of no height: still a row inside the grid.
    const int down = WheelTopRow(3000, 0, 5, 100, Down);
    EXPECT_TRUE(down >= 1 && down <= 99) << down;
    EXPECT_EQ(WheelTopRow(0, 0, 1, 1, Down), 1);
}

// A 200-row grid 3,000 twips high with rows of 240 twips: 12 rows to a page.
FlexGrid* AddPagedGrid(QWidget& screen, QVBoxLayout* layout)
{
    auto* grid = new FlexGrid(&screen);
    grid->SetCols(2);
    grid->SetRows(200);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setDefaultSectionSize(16);
    grid->setFixedHeight(200);
    layout->addWidget(grid);
    return grid;
}

void Wheel(QWidget* target, int rotation)
{
    QWheelEvent event(QPointF(5, 5), QPointF(target->mapToGlobal(QPoint(5, 5))), QPoint(), QPoint(0, rotation),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

TEST(GridWheelTest, WheelAnywhereOnTheHookedScreenPagesItsGridUntilReleased)
{
    // A screen with a button and a 200-row grid 3,000 twips high with rows of 240 twips.
    QWidget screen;
    auto* layout = new QVBoxLayout(&screen);
    auto* button = new QPushButton("Other control", &screen);
    layout->addWidget(button);
    FlexGrid* grid = AddPagedGrid(screen, layout);
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    ASSERT_EQ(grid->HeightTwips(), 3000);
    ASSERT_EQ(grid->RowHeightTwips(1), 240);
    grid->SetTopRow(5);
    ASSERT_EQ(grid->TopRow(), 5);

    HookFlexGrid(&screen, grid);
    Wheel(button, Down);
    EXPECT_EQ(grid->TopRow(), 17);
    Wheel(button, Up);
    EXPECT_EQ(grid->TopRow(), 5);
    // Over the grid itself the wheel pages too, instead of the grid's own few rows.
    Wheel(grid->viewport(), Down);
    EXPECT_EQ(grid->TopRow(), 17);

    UnhookFlexGrid();
    EXPECT_EQ(HookedGrid(), nullptr);
    Wheel(button, Down);
    EXPECT_EQ(grid->TopRow(), 17);
}

// A wheel notch as the window system gives it: to whatever lies on top at the point, with the
// pointer's place on the screen.
void WheelAt(QWidget* widget, QPoint point, int rotation)
{
    QWidget* window = widget->window();
    const QPoint inWindow = widget->mapTo(window, point);
    QWidget* target = window->childAt(inWindow);
    ASSERT_NE(target, nullptr);
    const QPoint local = target->mapFrom(window, inWindow);
    QWheelEvent event(QPointF(local), QPointF(target->mapToGlobal(local)), QPoint(), QPoint(0, rotation), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    // From the window system, so that a control that leaves the notch passes it to its parents.
    QSpontaneKeyEvent::setSpontaneous(&event);
    qApp->notify(target, &event);
}

TEST(GridWheelTest, ListsAndBoxesUnderThePointerScrollThemselvesAndTheGridPagesOncePerNotch)
{
    // A screen like the new-project page: a list of 9 with room for 8, a drop-down box, spin
    // buttons, and the hooked grid of 200 rows with 12 to a page.
    QWidget screen;
    auto* layout = new QVBoxLayout(&screen);
    auto* list = new QListWidget(&screen);
    for (int i = 1; i <= 9; ++i)
        list->addItem(QStringLiteral("Milestone %1").arg(i));
    list->setFixedHeight(list->sizeHintForRow(0) * 8 + 2 * list->frameWidth());
    layout->addWidget(list);
    auto* combo = new QComboBox(&screen);
    combo->addItems({"Vacation", "Holiday", "Personal Day"});
    layout->addWidget(combo);
    auto* spin = new UpDown(&screen);
    spin->SetRange(1, 30);
    spin->SetValue(1);
    layout->addWidget(spin);
    auto* button = new QPushButton("Other control", &screen);
    layout->addWidget(button);
    FlexGrid* grid = AddPagedGrid(screen, layout);
    screen.resize(400, 600);
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    ASSERT_GT(list->verticalScrollBar()->maximum(), 0);
    grid->SetTopRow(5);
    HookFlexGrid(&screen, grid);

    WheelAt(list->viewport(), list->viewport()->rect().center(), Down);
    EXPECT_EQ(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
    // A drop-down list steps itself while it has the focus.
    QApplication::setActiveWindow(&screen);
    combo->setFocus();
    WheelAt(combo, combo->rect().center(), Down);
    EXPECT_EQ(combo->currentIndex(), 1);
    WheelAt(spin, spin->rect().center(), Up);
    EXPECT_EQ(spin->Value(), 2);
    // The list at its end leaves the notch to its parents, which page nothing either.
    WheelAt(list->viewport(), list->viewport()->rect().center(), Down);
    EXPECT_EQ(grid->TopRow(), 5);

    // Over the grid, its rows or its scroll bar, one page per notch and no rows of its own.
    WheelAt(grid->viewport(), grid->viewport()->rect().center(), Down);
    EXPECT_EQ(grid->TopRow(), 17);
    WheelAt(grid->verticalScrollBar(), grid->verticalScrollBar()->rect().center(), Down);
    EXPECT_EQ(grid->TopRow(), 29);
    // A fine-stepping wheel pages once for a whole notch's worth.
    for (int step = 0; step < 8; ++step)
        WheelAt(grid->viewport(), grid->viewport()->rect().center(), Up / 8);
    EXPECT_EQ(grid->TopRow(), 17);
    // A control that does nothing with the wheel leaves it to the grid.
    WheelAt(button, button->rect().center(), Up);
    EXPECT_EQ(grid->TopRow(), 5);
    // A greyed list does not scroll.
    list->scrollToTop();
    list->setEnabled(false);
    WheelAt(list->viewport(), list->viewport()->rect().center(), Down);
    EXPECT_EQ(list->verticalScrollBar()->value(), 0);
    EXPECT_EQ(grid->TopRow(), 17);
    UnhookFlexGrid();
}

TEST(GridWheelTest, AClosedDropDownListStepsOnlyWithTheFocusToTheNeighbourOfItsEntry)
{
    // A customer screen in small: the State box showing a state typed in, the name list on a
    // customer, a button, and the hooked grid of 200 rows with 12 to a page.
    Screen screen;
    auto* layout = new QVBoxLayout(&screen);
    QComboBox* states = NewTextCombo(&screen, 2);
    states->addItems({"AL", "AK", "AZ", "OH", "OK"});
    SetComboText(states, "OH");
    layout->addWidget(states);
    auto* names = new QComboBox(&screen);
    names->addItems({"Jones, Mary", "Smith, John", "Acme Roofing"});
    names->setCurrentIndex(1);
    int loads = 0;
    QObject::connect(names, &QComboBox::activated, [&loads] { ++loads; });
    layout->addWidget(names);
    auto* button = new QPushButton("Other control", &screen);
    layout->addWidget(button);
    FlexGrid* grid = AddPagedGrid(screen, layout);
    screen.resize(400, 600);
    ShowAtRealSize(&screen);
    grid->SetTopRow(5);
    HookFlexGrid(&screen, grid);
    button->setFocus();

    // A passing pointer changes no value; the notch pages the screen's list.
    WheelAt(states, states->rect().center(), Down);
    EXPECT_EQ(states->currentText(), "OH");
    EXPECT_EQ(grid->TopRow(), 17);
    WheelAt(names, names->rect().center(), Down);
    EXPECT_EQ(names->currentIndex(), 1);
    EXPECT_EQ(loads, 0);
    EXPECT_EQ(grid->TopRow(), 29);

    // Focused, the box steps to the neighbours of the entry it shows, and the list stays.
    ClickAt(states);
    WheelAt(states, states->rect().center(), Down);
    EXPECT_EQ(states->currentText(), "OK");
    WheelAt(states, states->rect().center(), Up);
    WheelAt(states, states->rect().center(), Up);
    EXPECT_EQ(states->currentText(), "AZ");
    EXPECT_EQ(grid->TopRow(), 29);

    // With no list hooked the notch still changes no value.
    UnhookFlexGrid();
    button->setFocus();
    WheelAt(names, names->rect().center(), Up);
    EXPECT_EQ(names->currentIndex(), 1);
    EXPECT_EQ(loads, 0);
}

} // namespace
