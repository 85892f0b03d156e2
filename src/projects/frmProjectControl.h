#pragma once

#include "platform/Screen.h"
#include "projects/MilestoneScheduling.h"

#include <QDate>

#include <array>

class FlexGrid;
class PictureBox;
class QAction;
class QCalendarWidget;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

// The project control board: every saved project, its milestones and their past-due list, and
// the calendar on which a milestone is moved to a new date or hour. One panel shows at a time.
class frmProjectControl : public Screen {
    Q_OBJECT
public:
    frmProjectControl();

    // The project and milestone the user is working on (1-based indices of the loaded tables).
    int SelectedProject = 0;
    int SelectedMilestone = 0;
    // 1 completing a milestone, 2 rescheduling: what a date click on the calendar does.
    int CalendarMode = 2;
    bool RescheduleDependants = true;
    // The shown project's first and last milestone dates, for its day total.
    QDate FirstDate;
    QDate LastDate;

    // Reads every project file and fills both lists.
    void LoadProjects();
    // Fills the project list and the past-due list from the loaded tables.
    void FillProjectLists();
    // What the board does each time it becomes active: reload when stale, show the past-due
    // list when it has entries, else the project list.
    void ActivateBoard();

    void ShowPanel(int n);
    void HidePanels();
    void ClearProjectGrid();
    void ShowProjectSummary();
    void LoadMilestoneGrid();
    int ProjectDays() const;
    // The Start Date column and "Project Days" of the shown project as the tables now hold them.
    void RefreshMilestoneFigures(int project);

    // Frees the team days a technical milestone holds from today on; false, with nothing freed,
    // when a day could not be read or written (told to the user).
    bool ClearjDayEvents(int project, int milestone);
    // The box that names the day and team that stopped an action.
    static void ShowDayFault(const DayFault& fault);
    // Frees the days of every milestone given, all or none; a day that cannot be freed is told.
    static bool FreeDaysOrSay(const QList<MilestoneRef>& milestones, QList<MilestoneFreed>& freed);
    void SetupCalendarPanel(const QString& action);
    void MSCal_DateClick(const QDate& date);
    void LoadHoursGrid();
    void fgPJHours_Click(int row);
    void cmdReschedule_Click(int Index);
    void ScheduleMilestone();
    void UpdateMilestoneDate();
    void RescheduleNextMilestone();

    // Completing and deleting.
    void mnuComplete_Click();
    // Marks the milestone completed on the calendar's date, first freeing its days unless the
    // caller has; false, and nothing changed, when its days could not be freed.
    bool CompleteMilestone(int project, int milestone, bool freeDays = true);
    void cmdCompleteAll_Click();
    void mnuCompleteProject_Click();
    void mnuDeleteProject_Click();
    // Frees the project's team days from today on, deletes its file and its event records;
    // false, and nothing changed, when a day could not be freed or the file could not be
    // removed.
    bool DeleteProject(int project, const QString& projectNo);
    void mnuClearAll_Click();

    // Reports.
    void mnuPrint_Click();
    void cmdPrint_Click();
    void PrintSelectedProject();
    void mnuPrintAll_Click();
    void cmdPrintPastCompletion_Click();

    void fgProjects_Click();
    void fgProjects_MouseUp(Qt::MouseButton button);
    void fgProjects_DblClick();
    void fgMilestones_Click();
    void fgMilestones_MouseUp(Qt::MouseButton button);
    void fgMilestones_DblClick();
    void mnuProjectSummary_Click();
    void mnuDetails_Click();
    void mnuRescheduleMilestone_Click();
    void mnuPastDue_Click();
    void mnuHelp_Click();
    void cmdPJSHide_Click();
    void cmdGotoProjects_Click();
    void cmdMSDetailsHide_Click();
    void cmdCalButtons_Click(int Index);
    void cmdMenu_Click();

    QPushButton* cmdMenu = nullptr;
    QAction* mnuPastDue = nullptr;
    QAction* mnuPrintAll = nullptr;
    QAction* mnuClearAll = nullptr;
    QAction* mnuHelp = nullptr;
    QMenu* mnuMilestones = nullptr;
    QAction* mnuDetails = nullptr;
    QAction* mnuRescheduleMilestone = nullptr;
    QAction* mnuComplete = nullptr;
    QMenu* mnuProjects = nullptr;
    QAction* mnuProjectSummary = nullptr;
    QAction* mnuCompleteProject = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuDeleteProject = nullptr;

    // Panel 1: the calendar.
    QGroupBox* fraMSCal = nullptr;
    QCalendarWidget* MSCal = nullptr;
    QGroupBox* fraReschedule = nullptr;
    QGroupBox* fraComplete = nullptr;
    std::array<QLabel*, 2> lblAction{};
    QLabel* lblMilestone = nullptr;
    QLabel* lblSelectDate = nullptr;
    std::array<QLabel*, 3> Label1{};
    QGroupBox* fraTime = nullptr;
    FlexGrid* fgPJHours = nullptr;
    std::array<QPushButton*, 2> cmdReschedule{};
    std::array<QPushButton*, 1> cmdCalButtons{};

    // Panel 2: the project list.
    QGroupBox* fraProjects = nullptr;
    FlexGrid* fgProjects = nullptr;
    PictureBox* imgDialer = nullptr;
    QLabel* Label3 = nullptr;

    // Panel 3: the past-due list.
    QGroupBox* fraCompleteMS = nullptr;
    FlexGrid* fgCompleted = nullptr;
    QPushButton* cmdPrintPastCompletion = nullptr;
    QPushButton* cmdGotoProjects = nullptr;
    QPushButton* cmdCompleteAll = nullptr;

    // Panel 4: the project summary, and the milestone details over it.
    QGroupBox* fraProjectSummary = nullptr;
    QLabel* lblPJSProNo = nullptr;
    QLabel* lblPJSProTitle = nullptr;
    QLabel* lblAcctNo = nullptr;
    std::array<QLabel*, 4> lblCustomer{};
    QGroupBox* fraProposal = nullptr;
    QLabel* lblProposal = nullptr;
    FlexGrid* fgMilestones = nullptr;
    QLabel* lblProDays = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdPJSHide = nullptr;
    QGroupBox* fraMSDetails = nullptr;
    std::array<QLabel*, 8> lblMSInfo{};
    QPushButton* cmdMSDetailsHide = nullptr;

    // Dialling: the current project's customer, or the summary's.
    void imgDialer_Click();
    void lblCustomer_MouseUp(int Index, Qt::MouseButton button);
    void SetDialerIcon();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_QueryUnload(int unloadMode, bool& cancel) override;
    void Form_Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildCalendarPanel();
    QWidget* BuildProjectsPanel();
    QWidget* BuildPastDuePanel();
    QWidget* BuildSummaryPanel();
    QWidget* BuildDetailsPanel();
    void ConnectLists();
    void ConnectSummary();
    void ConnectCalendar();
    void FillHourTimes();
    // True when the current row of fgProjects holds a project, and of fgMilestones one of its
    // milestones.
    bool ProjectRowSelected() const;
    bool MilestoneRowSelected() const;
    void SaveAndReport();
    // Writes the tables' date and status of a moved milestone into its row of fgMilestones.
    void ShowMovedMilestones(const QList<int>& moved);
    // Tells the user why a booking could not be made, naming the milestone in hand.
    void ReportBooking(const BookingResult& result);
    // The prepared day of the hour grid, the team it was loaded for, and the first row picked on
    // it (0 none).
    std::array<QString, 13> preparedSlots_;
    // The day as its file held it when the grid was loaded: the save changes only what differs.
    std::array<QString, 13> preparedBase_;
    QDate hoursDay_;
    QString hoursTeam_;
    int pickedSlot_ = 0;
    // The project and milestone the open calendar panel works on; clicks elsewhere on the board
    // never change them while it is open.
    int panelProject_ = 0;
    int panelMilestone_ = 0;
    // Puts the panel's milestone back into SelectedProject and SelectedMilestone; false when the
    // panel holds none.
    bool TakePanelMilestone();
    void CloseCalendarPanel();
    // The milestone list's height while a panel greys it: the header and `rows` whole rows.
    int GreyedListHeight(int rows) const;
    // Grows the window's own size to the tallest the panels get: the calendar panel over the
    // summary.
    void SizeForTallestPanels();
    // What the last ClearjDayEvents gave back, booked again when the move fails.
    FreedSlots lastFreed_;
    // The project whose milestones fgMilestones shows.
    int milestoneGridProject_ = 0;

    void ConnectCompleting();
    void ConnectDialling();
    void Dial(const QString& name, const QString& number);
    // Set while the dialer is up, so its return does not rebuild the panels.
    bool dialling_ = false;
    // A date click while completing: today or earlier completes the milestone.
    void CompleteDateClick(const QDate& date);
    // Writes every changed project but one, so a reload of the tables loses none of them.
    void WriteOtherChangedProjects(int except);
    void DisableMenuProjectRoutines();
};
