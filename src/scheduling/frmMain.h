#pragma once

#include "platform/Screen.h"
#include "scheduling/ProjectFile.h"
#include "scheduling/ScheduleViews.h"

#include <QDate>

#include <array>

class FlexGrid;
class MultiLineTextBox;
class PictureBox;
class QAction;
class QCalendarWidget;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;
class TextBox;
class UpDown;

// The scheduling screen. Routine 3 views, clears and deletes the teams' days: a month calendar
// of booked hours, a day's hour grid and the day window of who is booked where. Every other
// routine creates a project: the project page, a step per milestone, the summary.
class frmMain : public Screen {
    Q_OBJECT
public:
    frmMain();

    // Routine 3 is the schedule view; every other routine creates a project.
    static bool IsScheduleView();

    // Set-up and the parts both routines share.
    void InitScheduleScreen();
    void SetDialerIcon();
    void InitScheduleDate();
    void SetButtonsByRoutine();
    void HideAllFrames();
    void LoadTeamList();
    void ClearSiteBoxes();
    void CopyBillingToSite();
    void cmdSetJobSite_Click();
    void lstTeam_Click();
    void cmdHourly_Click();
    void ShowDayIfBooked();
    void cmdShowCal_Click();
    void cmdView_Click();
    void cmdHideSchedule_Click();
    void cmdCancelPrint_Click();
    // Printing the day shown: the daily work schedule or the completion report.
    void cmdPrint_Click();
    void cmdInvoiceContinue_Click();
    void HidePrintFrame();
    void cmdHide_Click();
    void cmdHelp_Click(int Index);
    void cmdClear_Click();
    void cmdExit_Click();
    void cmdDelete_Click();
    void imgDialer_Click();
    void Label2_Click(int Index);

    // The calendar, the date and the time unit.
    void MonthView1_Change();
    void BuildTeamCalendar();
    void Text1_Click(int Index);
    void NextScheduleDay();
    void PrevScheduleDay();
    void UpDnTeam_UpClick();
    void UpDnTeam_DownClick();
    void optSelect_Click(int Index);
    void tgTime_Click();
    void SetHoursMode();
    void SetDaysMode();
    void SetTimeColour(bool flag);
    void SetTimeFrame(bool show);
    void SetScheduleDate();
    void mnuTeamCal_Click();
    void mnuHelp_Click();
    // The shown date; CurrentDate follows every change.
    QDate CalendarDate() const;
    void SetCalendarDate(const QDate& date);

    // The hour grid and the day window.
    void fgHours_Click(int row);
    bool CheckforSlots(int start, int hours);
    void WriteSlots();
    void ClearSelectedSlot();
    // Forgets an hour pick that the day now shown no longer holds.
    void DropLostPick();
    void FillDayWindow();
    // Shows the loaded day in the hour grid.
    void ShowDaySlots();

    // The project-creation wizard.
    // False when no project number is left for today: no project can be made.
    bool OpenWizard();
    void cmdContinue_Click();
    void BeginMilestoneScheduling();
    void BuildMilestoneArrays();
    void ShowAssignmentStep();
    void Milestones();
    void SetWizardStep2();
    void SetWizardStep3();
    void FindEarliestStartDate(int days);
    void cmdRedoEvent_Click();
    void ShowProjectSummary();
    void cmdSave_Click();
    void cmdStartOver_Click();
    void cmdKillProj_Click();
    // The header of the project on the screen.
    ProjectHeader DraftHeader() const;
    // The current milestone's draft; nullptr outside the milestone steps.
    MilestoneRecord* CurrentDraft();

    // Form state.
    int WizardStep = 0;
    int CurrentMilestone = 1;
    QString SelectedSlotText = QStringLiteral("No Slot Selected");
    std::array<QString, 12> SlotEventText;
    std::array<std::array<QString, 7>, 12> SlotAccountInfo;
    // The draft of the project being created (its milestones 1 to MsCount at 0 to MsCount - 1).
    ProjectData Draft;
    // Set once the wizard leaves its project page, cleared by the save and every way out: while
    // it is set the team files hold the project's bookings and the backup the days before them.
    bool ProjectInProgress = false;
    // Milestones that could not be added to the project and whose bookings could not be given
    // back either; abandoning the project frees them.
    QList<MilestoneRecord> NotGivenBack;

    // Project page.
    QGroupBox* fraProjectInfo = nullptr;
    QGroupBox* fraBasicInst = nullptr;
    std::array<TextBox*, 8> txtCustomerInfo{};  // 1 to 7
    std::array<QLabel*, 8> lblCustomerInfo{};   // 1 to 7
    QLabel* lblAccount = nullptr;
    std::array<QLabel*, 2> lblPropNo{};
    QLabel* lblProjectNo = nullptr;
    QComboBox* cboProjectTitle = nullptr;
    QPushButton* cmdSetJobSite = nullptr;
    QListWidget* lstMilestoneSelection = nullptr;
    PictureBox* imgDialer = nullptr;

    // Calendar and month calendar.
    QGroupBox* fraCalendar = nullptr;
    QCalendarWidget* MonthView1 = nullptr;
    QGroupBox* fraTeamCal = nullptr;
    std::array<QLabel*, 42> Text1{};
    QLabel* txtCurrentDate = nullptr;
    QLabel* lblDay = nullptr;
    QLabel* lblDate = nullptr;
    UpDown* UpDown1 = nullptr;
    std::array<QLabel*, 3> Label3{};

    // Team, time unit, location, milestone.
    QGroupBox* fraTeam = nullptr;
    QListWidget* lstTeam = nullptr;
    UpDown* UpDnTeam = nullptr;
    QLabel* txtCurrentTeam = nullptr;
    QGroupBox* fraTime = nullptr;
    QLabel* lblMode = nullptr;
    TextBox* txtTime = nullptr;
    UpDown* UpDnTime = nullptr;
    std::array<QRadioButton*, 2> optSelect{};
    QPushButton* tgTime = nullptr;
    QGroupBox* fraLocation = nullptr;
    QRadioButton* optSite = nullptr;
    QRadioButton* optOffice = nullptr;
    QGroupBox* fraConEvents = nullptr;
    QLabel* txtConEvents = nullptr;
    QGroupBox* fraDependent = nullptr;
    QLabel* txtDependentEvent = nullptr;
    QLabel* txtConEventsDays = nullptr;
    std::array<QLabel*, 2> lblConstructionInstructions{};
    QLabel* lblDateTime = nullptr;

    // Hour grid and day window.
    QGroupBox* fraHours = nullptr;
    FlexGrid* fgHours = nullptr;
    QGroupBox* fraDay = nullptr;
    std::array<MultiLineTextBox*, 12> txtHourSlot{};
    std::array<QLabel*, 12> Label2{};

    // Summary.
    QGroupBox* fraSummary = nullptr;
    QLabel* lblSummaryProNo = nullptr;
    QLabel* lblSummaryProName = nullptr;
    std::array<QLabel*, 3> lblSummaryCust{};
    std::array<QLabel*, 3> lblSite{};
    FlexGrid* fgSummary = nullptr;
    TextBox* txtPreDays = nullptr;
    TextBox* txtConDays = nullptr;
    TextBox* txtDaysTotal = nullptr;

    // Printing (filled by the schedule printing), help.
    QGroupBox* fraPrint = nullptr;
    // What the print frame is about to print: the document, the team (or all teams) and the day.
    QLabel* lblPrintWhat = nullptr;
    QGroupBox* fra8or12HourSchedule = nullptr;
    QLabel* lblPrintSchedule = nullptr;
    // 0 "Daily Work Schedule", 1 "Completion Report".
    std::array<QRadioButton*, 2> optWorkSchedule{};
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdInvoiceContinue = nullptr;
    QGroupBox* fraHelp = nullptr;

    // Buttons and menus.
    QPushButton* cmdContinue = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdStartOver = nullptr;
    QPushButton* cmdKillProj = nullptr;
    QPushButton* cmdRedoEvent = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdHourly = nullptr;
    QPushButton* cmdShowCal = nullptr;
    QPushButton* cmdView = nullptr;
    QPushButton* cmdHide = nullptr;
    QPushButton* cmdHideSchedule = nullptr;
    QPushButton* cmdCancelPrint = nullptr;
    QPushButton* cmdDelete = nullptr;
    std::array<QPushButton*, 2> cmdHelp{};
    QMenu* mnuWindows = nullptr;
    QAction* mnuTeamCal = nullptr;
    QAction* mnuHelp = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_QueryUnload(int unloadMode, bool& cancel) override;
    void Form_Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildProjectPage();
    QWidget* BuildSummaryFrame();
    QWidget* BuildCalendarFrames();
    QWidget* BuildTeamCalendarFrame();
    QWidget* BuildSidePanel();
    QWidget* BuildHourFrame();
    QWidget* BuildDayFrame();
    QWidget* BuildHelpFrame();
    void ConnectCalendar();
    void ConnectHours();
    // Shows another screen modal from here; its return is no new start of the screen.
    bool ShowModalFromHere(const QString& name);
    void ShowDayBoxes(const std::array<DayWindowBox, 12>& boxes);
    // The latest date the calendar takes, and the frame the day window and help cover.
    void SetCalendarRange();
    // Takes what the customer screen handed over.
    void TakeHandOver();
    // Frees the new project's own bookings made so far; false, with the days named to the user,
    // when a day stays booked.
    bool AbandonProject();
    // The finished milestone's line; false (its booking freed, or kept in NotGivenBack) when it
    // could not be written.
    bool AppendCurrentMilestone();
    void NextMilestoneStep();
    // The milestone steps' answer when a booking cannot be made: the step shown again as it began.
    void RepeatMilestoneStep();

    QWidget* monthViewport_ = nullptr;
    bool modalShown_ = false;
    bool settingDate_ = false;
};
