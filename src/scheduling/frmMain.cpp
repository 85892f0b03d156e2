#include "scheduling/frmMain.h"

#include "core/DialService.h"
#include "core/GridWheel.h"
#include "core/Navigation.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "core/Shutdown.h"
#include "core/Utilities.h"
#include "platform/Clock.h"
#include "platform/CommonDialogs.h"
#include "platform/Controls.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "platform/RegionalFormat.h"
#include "platform/TextBox.h"
#include "scheduling/TeamDayStore.h"
#include "scheduling/TeamFileBackup.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmMain::frmMain()
{
    setWindowTitle(QStringLiteral("Scheduling Screen"));
    auto* layout = new QVBoxLayout(this);

    auto* menuBar = new QMenuBar(this);
    layout->setMenuBar(menuBar);
    mnuWindows = menuBar->addMenu(QStringLiteral("Windows"));
    mnuTeamCal = mnuWindows->addAction(QStringLiteral("Team Calendar"));
    mnuHelp = menuBar->addAction(QStringLiteral("Help"));

    // The frames that take turns share cells; the day window and the help cover the others.
    auto* body = new QGridLayout;
    body->addWidget(BuildProjectPage(), 0, 0);
    body->addWidget(BuildSummaryFrame(), 0, 0);
    body->addWidget(BuildCalendarFrames(), 0, 1);
    body->addWidget(BuildHourFrame(), 0, 2);
    body->addWidget(BuildSidePanel(), 0, 3);
    body->addWidget(BuildDayFrame(), 0, 0, 1, 3);
    body->addWidget(BuildHelpFrame(), 0, 0, 1, 2);
    body->setColumnStretch(2, 1);
    layout->addLayout(body, 1);

    auto* buttons = new QHBoxLayout;
    cmdContinue = new QPushButton(QStringLiteral("Continue"), this);
    cmdSave = new QPushButton(QStringLiteral("Schedule"), this);
    cmdRedoEvent = new QPushButton(QStringLiteral("Redo Event"), this);
    cmdClear = new QPushButton(QStringLiteral("Clear"), this);
    cmdView = new QPushButton(QStringLiteral("&View"), this);
    cmdStartOver = new QPushButton(QStringLiteral("&Start Over"), this);
    cmdKillProj = new QPushButton(QStringLiteral("&Kill Project"), this);
    cmdDelete = new QPushButton(QStringLiteral("&Delete"), this);
    cmdDelete->setToolTip(QStringLiteral("Deletes the Schedules of all Teams"));
    cmdExit = new QPushButton(QStringLiteral("&Menu"), this);
    for (QPushButton* button : {cmdContinue, cmdSave, cmdRedoEvent, cmdClear, cmdView, cmdStartOver, cmdKillProj})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(cmdHelp[0]);
    buttons->addWidget(cmdDelete);
    buttons->addWidget(cmdExit);
    layout->addLayout(buttons);

    connect(mnuTeamCal, &QAction::triggered, this, [this] { mnuTeamCal_Click(); });
    connect(mnuHelp, &QAction::triggered, this, [this] { mnuHelp_Click(); });
    connect(cmdClear, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
    connect(cmdView, &QPushButton::clicked, this, [this] { cmdView_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    connect(cmdContinue, &QPushButton::clicked, this, [this] { cmdContinue_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdStartOver, &QPushButton::clicked, this, [this] { cmdStartOver_Click(); });
    connect(cmdKillProj, &QPushButton::clicked, this, [this] { cmdKillProj_Click(); });
    connect(cmdRedoEvent, &QPushButton::clicked, this, [this] { cmdRedoEvent_Click(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    connect(cmdSetJobSite, &QPushButton::clicked, this, [this] { cmdSetJobSite_Click(); });
    connect(imgDialer, &PictureBox::clicked, this, [this] { imgDialer_Click(); });
    for (int i = 0; i < 2; ++i)
        connect(cmdHelp[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdHelp_Click(i); });
    ConnectCalendar();
    ConnectHours();
    resize(1180, 640);
}

bool frmMain::IsScheduleView()
{
    return Shared().ProgramRoutine == 3;
}

void frmMain::Form_Load()
{
    InitScheduleScreen();
}

void frmMain::InitScheduleScreen()
{
    for (int row = 1; row <= 12; ++row)
        fgHours->SetTextMatrix(row, 0, Shared().TimeSlotLabels.value(row) + (row <= 6 ? QStringLiteral(" am") : QStringLiteral(" pm")));
    cboProjectTitle->clear();
    cboProjectTitle->addItems({QStringLiteral("New Installation"), QStringLiteral("Major Repair"), QStringLiteral("Add-on")});
    SetComboText(cboProjectTitle, QStringLiteral("New Installation"));
    SetCalendarRange();
    SetCalendarDate(Clock::Today());
    lblDay->setText(QLocale(QLocale::English).toString(CalendarDate(), QStringLiteral("dddd")));
}

void frmMain::SetCalendarRange()
{
    const QDate today = Clock::Today();
    MonthView1->setDateRange(today, today.addYears(2));
    Label3[2]->setText(QStringLiteral("Schedule up to ") + ShortDateText(today.addYears(2)));
}

void frmMain::Form_Activate()
{
    HookFlexGrid(this, fgHours);
    // Coming back from a modal dialer or slip viewer is no new start.
    if (modalShown_) {
        SetDialerIcon();
        return;
    }
    SetCalendarRange();
    TakeHandOver();
    SetDialerIcon();
    InitScheduleDate();
    SetButtonsByRoutine();
    HideAllFrames();
    mnuWindows->setEnabled(false);
    optSelect[Settings().DaysOn ? 1 : 0]->setChecked(true);
    if (!IsScheduleView()) {
        // A restore from a partial copy would lose days: without a whole copy there is no new
        // project.
        if (!BackupTeamFiles()) {
            ShowWriteFailure(QStringLiteral("The team schedules could not be copied to the Backup folder.\n"
                                            "A new project cannot be started."));
            Hide();
            ShowMainMenu();
            return;
        }
        if (!OpenWizard()) {
            Hide();
            ShowMainMenu();
            return;
        }
        ClearSiteBoxes();
        if (optSelect[0]->isChecked())
            SetHoursMode();
        else
            SetDaysMode();
        SetTimeFrame(true);
        fraProjectInfo->show();
        fraBasicInst->show();
        cmdSetJobSite->setFocus();
    } else {
        SetTimeFrame(false);
        mnuWindows->setEnabled(true);
        mnuTeamCal->setEnabled(true);
        fraCalendar->show();
        fraTeam->show();
        fraTeamCal->show();
        fra8or12HourSchedule->show();
        cmdContinue->setEnabled(false);
        cmdHourly->setEnabled(true);
    }
    LoadTeamList();
    cmdHourly_Click();
    CopyBillingToSite();
}

void frmMain::SetDialerIcon()
{
    imgDialer->setEnabled(PhoneSettings().PhoneOn);
}

void frmMain::InitScheduleDate()
{
    SelectedSlotText = QStringLiteral("No Slot Selected");
    SetCalendarDate(SkipNonWorkDays(GetDefaultScheduleDate()));
    Shared().CurrentDate = CalendarDate();
    SetDialogCopies(1);
    ThePrinter().copies = 1;
}

void frmMain::SetButtonsByRoutine()
{
    cmdView->setEnabled(false);
    const bool view = IsScheduleView();
    cmdStartOver->setVisible(!view);
    cmdRedoEvent->setVisible(!view);
    cmdKillProj->setVisible(!view);
    cmdContinue->setVisible(!view);
    cmdSave->setVisible(!view);
    cmdDelete->setVisible(view);
    lblPrintSchedule->setVisible(view);
    if (view) {
        cmdClear->setEnabled(true);
    } else {
        cmdRedoEvent->setEnabled(false);
        cmdSave->setEnabled(false);
        // The grid books only in a milestone's hours step, which enables Clear.
        cmdClear->setEnabled(false);
        tgTime->setEnabled(true);
    }
}

void frmMain::HideAllFrames()
{
    for (QWidget* frame : {fraTeam, fraConEvents, fraDependent, fraProjectInfo, fraBasicInst, fraPrint, fraCalendar,
                           fraHours, fraTime, fraLocation, fra8or12HourSchedule, fraSummary, fraDay, fraTeamCal})
        frame->hide();
}

void frmMain::LoadTeamList()
{
    const QSignalBlocker blocker(lstTeam);
    lstTeam->clear();
    for (int team = 1; team <= Shared().TeamCount(); ++team)
        lstTeam->addItem(Shared().TeamNames.at(team));
    // Only the schedule view can show every team at once; a milestone needs a real team.
    if (IsScheduleView())
        lstTeam->addItem(QStringLiteral("All Teams"));
    UpDnTeam->SetRange(0, std::max(0, Shared().TeamCount() - 1));
    UpDnTeam->SetValue(0);
    if (lstTeam->count() > 0)
        lstTeam->setCurrentRow(0);
    lstTeam_Click();
}

namespace {

bool AllTeamsSelected(const QListWidget* list)
{
    return list->currentRow() >= Shared().TeamCount();
}

} // namespace

void frmMain::lstTeam_Click()
{
    fraPrint->hide();
    const int row = lstTeam->currentRow();
    if (row < 0) {
        TeamDay().CurrentTeam.clear();
        return;
    }
    TeamDay().CurrentTeam = TeamText(row + 1);
    txtCurrentTeam->setText(lstTeam->currentItem()->text());
    if (mnuTeamCal->isEnabled())
        BuildTeamCalendar();
    LoadTeamDay(CalendarDate(), TeamDay().CurrentTeam);
    if (IsScheduleView()) {
        cmdView->setEnabled(false);
        cmdClear->setEnabled(false);
        if (!AllTeamsSelected(lstTeam))
            ShowDayIfBooked();
    } else if (MilestoneRecord* m = CurrentDraft(); m && m->PersonnelType == 2) {
        m->Team = QString::number(row + 1);
        DropLostPick();
    }
}

void frmMain::cmdHourly_Click()
{
    LoadTeamDay(CalendarDate(), TeamDay().CurrentTeam);
    fraHours->show();
    fraCalendar->hide();
    // Clearing needs a real team; in a new project the grid books only once a milestone's
    // hours step has enabled Clear.
    if (IsScheduleView())
        cmdClear->setEnabled(TeamNumberOf(TeamDay().CurrentTeam) != 0);
}

void frmMain::ShowDayIfBooked()
{
    cmdHourly_Click();
    bool booked = false;
    for (int slot = 1; slot <= 12; ++slot)
        booked = booked || TeamDay().DaySlots[size_t(slot)] != NoEventScheduled;
    cmdView->setEnabled(booked);
    cmdClear->setEnabled(booked);
    if (booked) {
        fraHours->show();
        fraCalendar->hide();
    } else {
        fraCalendar->show();
    }
}

void frmMain::cmdShowCal_Click()
{
    fraHours->hide();
    fraCalendar->show();
}

void frmMain::cmdView_Click()
{
    if (fraDay->isVisible()) {
        fraDay->hide();
        return;
    }
    fraDay->show();
    fraDay->raise();
    FillDayWindow();
    fraDay->setTitle(QStringLiteral("Work Schedule for ") + txtCurrentTeam->text() + QLatin1Char(' ') + ShortDateText(CalendarDate()));
}

void frmMain::cmdHideSchedule_Click()
{
    fraDay->hide();
}

void frmMain::cmdCancelPrint_Click()
{
    fraPrint->hide();
    fraHours->show();
}

void frmMain::cmdHide_Click()
{
    mnuTeamCal_Click();
}

void frmMain::cmdHelp_Click(int Index)
{
    if (Index == 0) {
        fraHelp->setVisible(!fraHelp->isVisible());
        if (fraHelp->isVisible())
            fraHelp->raise();
    } else {
        fraHelp->hide();
    }
}

void frmMain::mnuHelp_Click()
{
    cmdHelp_Click(0);
}

void frmMain::ClearSiteBoxes()
{
    for (int i = 1; i <= 7; ++i)
        txtCustomerInfo[size_t(i)]->clear();
}

void frmMain::CopyBillingToSite()
{
    for (int i = 1; i <= 7; ++i)
        txtCustomerInfo[size_t(i)]->setText(lblCustomerInfo[size_t(i)]->text());
    cmdSetJobSite->setText(QStringLiteral("Toggle / Clear"));
}

void frmMain::cmdSetJobSite_Click()
{
    if (cmdSetJobSite->text() == QLatin1String("Toggle / Clear")) {
        ClearSiteBoxes();
        txtCustomerInfo[1]->setFocus();
        cmdSetJobSite->setText(QStringLiteral("Same as Account"));
    } else {
        CopyBillingToSite();
    }
}

void frmMain::cmdClear_Click()
{
    if (!IsScheduleView()) {
        const MilestoneRecord* m = CurrentDraft();
        if (!m)
            return;
        if (MsgBox(QStringLiteral("This will clear Milestone ") + m->MilestoneName + QStringLiteral("\nAre You Sure?"),
                   MsgButtons::YesNo, MsgIcon::Question, QStringLiteral("Clear Current Event This Date"))
            != MsgAnswer::Yes)
            return;
        ClearSelectedSlot();
        WriteSlots();
        if (!SaveTeamDay(Shared().CurrentDate, TeamDay().CurrentTeam))
            ShowWriteFailure(QStringLiteral("The day could not be written."));
        return;
    }
    if (TeamNumberOf(TeamDay().CurrentTeam) == 0)
        return;
    const QString title = QStringLiteral("Clearing Time Slots");
    if (MsgBox(QStringLiteral("This will Clear all Events for ") + ShortDateText(CalendarDate()) + QStringLiteral(" for ")
                   + txtCurrentTeam->text(),
               MsgButtons::YesNo, MsgIcon::Question, title) != MsgAnswer::Yes)
        return;
    if (MsgBox(QStringLiteral("Are You Sure?"), MsgButtons::YesNo, MsgIcon::Question, title) != MsgAnswer::Yes)
        return;
    const QDate day = Shared().CurrentDate;
    ClearDaySlots();
    if (!SaveTeamDay(day, TeamDay().CurrentTeam))
        ShowWriteFailure(QStringLiteral("The day could not be cleared."));
    LoadTeamDay(day, TeamDay().CurrentTeam);
    BuildTeamCalendar();
    // A shown day window follows: the freed hours read free.
    if (fraDay->isVisible())
        FillDayWindow();
}

void frmMain::cmdDelete_Click()
{
    if (!IsScheduleView())
        return;
    if (MsgBox(QStringLiteral("This will Delete the Schedules of all Teams\nand their Backup Copies\nAre You Sure?"),
               MsgButtons::YesNo, MsgIcon::Exclamation, QStringLiteral("Delete All Team Schedules"), 1)
        != MsgAnswer::Yes)
        return;
    const bool backupGone = ClearTeamFiles(false);
    const bool liveGone = ClearTeamFiles(true);
    if (!backupGone || !liveGone)
        ShowWriteFailure(QStringLiteral("Some team schedules could not be deleted."), QStringLiteral("Delete Failed"));
    LoadTeamDay(CalendarDate(), TeamDay().CurrentTeam);
    BuildTeamCalendar();
}

void frmMain::cmdExit_Click()
{
    if (!IsScheduleView()) {
        if (WizardStep == 5) {
            if (MsgBox(QStringLiteral("Click Yes to Schedule this Project\nClick No to Delete this Project"),
                       MsgButtons::YesNo, MsgIcon::Question, QStringLiteral("Complete or Delete New Project"))
                == MsgAnswer::Yes) {
                // A project that could not be saved keeps its summary.
                cmdSave_Click();
                return;
            }
            AbandonProject();
        } else if (ProjectInProgress && (CurrentMilestone > 1 || !NotGivenBack.isEmpty())) {
            if (MsgBox(QStringLiteral("Returning to the Menu now\nwill delete the Project"), MsgButtons::YesNo,
                       MsgIcon::Question, QStringLiteral("Delete New Project"))
                != MsgAnswer::Yes)
                return;
            AbandonProject();
        } else {
            // Nothing of this project was booked yet.
            ProjectInProgress = false;
            WizardStep = 0;
        }
    }
    Hide();
    ShowMainMenu();
}

bool frmMain::ShowModalFromHere(const QString& name)
{
    modalShown_ = true;
    const bool shown = ShowScreenModal(name);
    modalShown_ = false;
    return shown;
}

void frmMain::imgDialer_Click()
{
    DialRequest().Number = lblCustomerInfo[7]->text();
    DialRequest().Name = lblCustomerInfo[1]->text();
    ShowModalFromHere(QStringLiteral("frmDialer"));
}

void frmMain::Label2_Click(int Index)
{
    if (Index < 0 || Index > 11 || !PhoneSettings().PhoneOn)
        return;
    const QString number = Label2[size_t(Index)]->property("Tag").toString();
    if (number.isEmpty())
        return;
    DialRequest().Number = number;
    DialRequest().Name = txtHourSlot[size_t(Index)]->property("Tag").toString();
    ShowModalFromHere(QStringLiteral("frmDialer"));
}

void frmMain::Form_Deactivate()
{
    UnhookFlexGrid();
}

void frmMain::Form_QueryUnload(int unloadMode, bool& cancel)
{
    Q_UNUSED(cancel);
    if (ProjectInProgress)
        AbandonProject();
    Shared().ProgramRoutine = 0;
    if (unloadMode == UserClosed)
        EndProgram();
}

void frmMain::Form_Unload()
{
    UnhookFlexGrid();
}
