#pragma once

#include "app/Startup.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/FlexGrid.h"
#include "projects/frmProjectControl.h"
#include "scheduling/TeamDayStore.h"
#include "support/ScreenFixture.h"

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
};

} // namespace board
