#pragma once

#include "app/Startup.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/FlexGrid.h"
#include "projects/frmProjectControl.h"
#include "scheduling/TeamDayStore.h"
#include "support/ScreenFixture.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>

// The control board on a program folder with two teams, a work week of five days and today a
// Monday, with helpers for project files and team days.
namespace board {

// 2026-03-09 is a Monday.
inline const QDate Monday(2026, 3, 9);
inline QDate Day(int dayOfMarch)
{
    return QDate(2026, 3, dayOfMarch);
}

inline MilestoneRecord Milestone(const QString& name, int type, const QDate& date, const QString& unit = QString(),
                          int duration = 0, int startSlot = 1, int dependency = 0, int interval = 0)
{
    MilestoneRecord m;
    m.MilestoneName = name;
    m.PersonnelType = qint16(type);
    m.ScheduledDate = date;
    m.Phase = 2;
    m.Dependency = qint16(dependency);
    m.Interval = qint16(interval);
    m.Team = type == 2 ? QStringLiteral("1") : QString();
    m.WorkLocation = QStringLiteral("On Site");
    m.StartSlot = QString::number(startSlot);
    m.Duration = QString::number(duration);
    m.Unit = unit;
    return m;
}

class BoardTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        SetToday(Monday);
        InitTimeSlotNames();
        Settings().WorkWeek = 5;
        Shared().TeamNames = {QStringLiteral("populated"), QStringLiteral("Framers"), QStringLiteral("Roofers")};
        Shared().CurrentYear = QStringLiteral("2026");
        MakeFolders(QStringLiteral("/2026/Team# 1"));
        MakeFolders(ProjectsFolder);
    }

    void WriteProject(const QString& projectNo, const QList<MilestoneRecord>& milestones,
                      const QString& proposalNo = QStringLiteral("Proposal Number"))
    {
        ProjectData project;
        project.Header.ProjectNo = projectNo;
        project.Header.ProjectName = QStringLiteral("Kitchen ") + projectNo;
        project.Header.AccountNo = QStringLiteral("SMITH01");
        project.Header.ProposalNo = proposalNo;
        project.Header.CustomerName = QStringLiteral("John Smith");
        project.Header.Address1 = QStringLiteral("1 Elm St");
        project.Header.City = QStringLiteral("Springfield");
        project.Header.State = QStringLiteral("IL");
        project.Header.Zip = QStringLiteral("62701");
        project.Header.Telephone = QStringLiteral("217-555-0100");
        project.Header.MilestoneCount = qint16(milestones.size());
        project.Milestones = milestones;
        ASSERT_TRUE(WriteProjectFile(ProjectFilePath(projectNo), project));
    }

    // Books the key into the given slots of team 1's day.
    static void Book(const QDate& day, const QString& key, const QList<int>& slotNumbers)
    {
        LoadTeamDay(day, TeamText(1));
        for (int s : slotNumbers)
            TeamDay().DaySlots[size_t(s)] = key;
        ASSERT_TRUE(SaveTeamDay(day, TeamText(1)));
    }

    // The slots of team 1's day that hold the key.
    static QList<int> SlotsOf(const QDate& day, const QString& key)
    {
        LoadTeamDay(day, TeamText(1));
        QList<int> held;
        for (int s = 1; s <= 12; ++s)
            if (TeamDay().DaySlots[size_t(s)] == key)
                held.append(s);
        return held;
    }

    frmProjectControl& OpenBoard()
    {
        frmProjectControl& board = ScreenInstance<frmProjectControl>();
        board.Show();
        return board;
    }

    // Opens project p's summary and makes milestone j the current one, as the user's clicks do.
    static void Select(frmProjectControl& board, int p, int j)
    {
        board.fgProjects->setCurrentCell(p - 1, 0);
        board.fgProjects_Click();
        board.ShowProjectSummary();
        board.mnuProjectSummary_Click();
        board.fgMilestones->setCurrentCell(j - 1, 0);
        board.fgMilestones_Click();
    }

    static const MilestoneRecord& Loaded(int p, int j) { return LoadedProjects().Projects.at(p).Milestones.at(j - 1); }

    // Right-clicks the row and picks the entry of the pop-up menu that opens.
    static void ChooseFromRowMenu(FlexGrid* grid, int r, const QString& entry)
    {
        ClickRow(grid, r, Qt::RightButton);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu) << "no pop-up menu";
        for (QAction* action : menu->actions())
            if (action->text() == entry) {
                ClickAt(menu, menu->actionGeometry(action).center());
                return;
            }
        FAIL() << "no menu entry " << entry.toStdString();
    }

    // Clicks the day of the month the calendar shows.
    static void ClickDate(QCalendarWidget* calendar, const QDate& date)
    {
        QApplication::processEvents();
        ASSERT_EQ(calendar->monthShown(), date.month());
        auto* view = calendar->findChild<QTableView*>();
        ASSERT_TRUE(view);
        // Days 1 to 14 may also show at the foot for the next month, later ones at the head for
        // the one before; the first column may hold week numbers.
        QModelIndex found;
        const int firstColumn = calendar->verticalHeaderFormat() == QCalendarWidget::NoVerticalHeader ? 0 : 1;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            for (int col = firstColumn; col < view->model()->columnCount(); ++col) {
                const QModelIndex index = view->model()->index(row, col);
                if (index.data().toString() == QString::number(date.day()) && (date.day() > 14 || !found.isValid()))
                    found = index;
            }
        ASSERT_TRUE(found.isValid());
        ClickAt(view->viewport(), view->visualRect(found).center());
    }
};

} // namespace board
