// The calendar panel of the control board: moving a milestone to a new date or hour.
#include "projects/frmProjectControl.h"

#include "core/GridWheel.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "core/Utilities.h"
#include "platform/Clock.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/RegionalFormat.h"
#include "projects/BoardControls.h"
#include "scheduling/LoadedProjects.h"
#include "scheduling/TeamDayStore.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

bool IsFree(const QString& text)
{
    return text.isEmpty() || text == NoEventScheduled;
}

void AlarmBeep()
{
    if (Settings().AlarmsOn)
        Beep();
}

} // namespace

QWidget* frmProjectControl::BuildCalendarPanel()
{
    fraMSCal = new QGroupBox(QStringLiteral("Milestone Calendar"), this);
    fraMSCal->setToolTip(QStringLiteral("Rescheduling Calendar"));
    auto* layout = new QHBoxLayout(fraMSCal);
    auto* left = new QVBoxLayout;
    lblAction[1] = new QLabel(QStringLiteral("Reschedule Miletone Event"), fraMSCal);
    lblAction[0] = new QLabel(QStringLiteral("Complete Miletone Event"), fraMSCal);
    for (QLabel* action : lblAction) {
        QFont font = action->font();
        font.setBold(true);
        font.setPointSize(font.pointSize() + 2);
        action->setFont(font);
        left->addWidget(action);
    }
    lblMilestone = new QLabel(fraMSCal);
    lblMilestone->setWordWrap(true);
    left->addWidget(lblMilestone);
    MSCal = new QCalendarWidget(fraMSCal);
    MSCal->setGridVisible(true);
    // All six weeks stay in view when the summary panel below takes its share of the window.
    MSCal->setMinimumHeight(MSCal->sizeHint().height() + 2 * MSCal->fontMetrics().height());
    left->addWidget(MSCal);
    fraReschedule = new QGroupBox(fraMSCal);
    auto* reschedule = new QVBoxLayout(fraReschedule);
    Label1[0] = new QLabel(QStringLiteral("Click the Calendar to select a new date for this Milestone"), fraReschedule);
    Label1[1] = new QLabel(QStringLiteral("If the Milestone is in hours, then the Hours grid will be displayed"), fraReschedule);
    reschedule->addWidget(Label1[0]);
    reschedule->addWidget(Label1[1]);
    left->addWidget(fraReschedule);
    fraComplete = new QGroupBox(fraMSCal);
    auto* complete = new QVBoxLayout(fraComplete);
    complete->addWidget(new QLabel(QStringLiteral("Click the Calendar to select the date this Milestone was completed"), fraComplete));
    left->addWidget(fraComplete);
    Label1[2] = new QLabel(QStringLiteral("This Milestone is an Administrative Function No time slot allocation is required."), fraMSCal);
    Label1[2]->setWordWrap(true);
    left->addWidget(Label1[2]);
    auto* hide = new QHBoxLayout;
    hide->addStretch();
    cmdCalButtons[0] = new QPushButton(QStringLiteral("&Hide"), fraMSCal);
    hide->addWidget(cmdCalButtons[0]);
    left->addLayout(hide);
    left->addStretch();
    layout->addLayout(left);

    fraTime = new QGroupBox(QStringLiteral("Starting Time"), fraMSCal);
    fraTime->setToolTip(QStringLiteral("Rescheduling Start Time"));
    auto* time = new QVBoxLayout(fraTime);
    lblSelectDate = new QLabel(fraTime);
    lblSelectDate->setAlignment(Qt::AlignCenter);
    time->addWidget(lblSelectDate);
    fgPJHours = NewBoardGrid(fraTime, {QStringLiteral("Time"), QStringLiteral("Event")}, {0}, 1);
    fgPJHours->setToolTip(QStringLiteral("Displays Scheduled Events for this Date, this Team"));
    fgPJHours->SetRows(13);
    fgPJHours->setMinimumWidth(380);
    // Exactly the twelve hours of a day, no empty space below them.
    fgPJHours->setFixedHeight(fgPJHours->horizontalHeader()->sizeHint().height() +
                              12 * fgPJHours->verticalHeader()->defaultSectionSize() + 2 * fgPJHours->frameWidth());
    time->addWidget(fgPJHours);
    time->addWidget(new QLabel(QStringLiteral("Click on the Time of Day where this Event should begin"), fraTime));
    auto* buttons = new QHBoxLayout;
    cmdReschedule[0] = new QPushButton(QStringLiteral("Reschedule"), fraTime);
    cmdReschedule[0]->setToolTip(QStringLiteral("Event will be rescheduled this date"));
    cmdReschedule[1] = new QPushButton(QStringLiteral("Cancel"), fraTime);
    cmdReschedule[1]->setToolTip(QStringLiteral("Event will NOT be rescheduled"));
    buttons->addStretch();
    buttons->addWidget(cmdReschedule[0]);
    buttons->addWidget(cmdReschedule[1]);
    time->addLayout(buttons);
    time->addStretch();
    layout->addWidget(fraTime, 1);
    return fraMSCal;
}

void frmProjectControl::ConnectCalendar()
{
    // Only the user's clicks count; dates set from code pass silently.
    connect(MSCal, &QCalendarWidget::clicked, this, [this](QDate date) { MSCal_DateClick(date); });
    connect(fgPJHours, &QTableWidget::cellClicked, this, [this](int row) { fgPJHours_Click(row + 1); });
    for (int i = 0; i < 2; ++i)
        connect(cmdReschedule[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdReschedule_Click(i); });
    connect(cmdCalButtons[0], &QPushButton::clicked, this, [this] { cmdCalButtons_Click(0); });
}

void frmProjectControl::FillHourTimes()
{
    const QStringList& labels = Shared().TimeSlotLabels;
    for (int r = 1; r <= 12; ++r) {
        fgPJHours->SetTextMatrix(r, 0, labels.value(r) + (r <= 6 ? QStringLiteral("am") : QStringLiteral("pm")));
        fgPJHours->item(r - 1, 0)->setTextAlignment(Qt::AlignCenter);
    }
}

void frmProjectControl::mnuRescheduleMilestone_Click()
{
    fraMSDetails->hide();
    SetupCalendarPanel(QStringLiteral("Reschedule"));
}

void frmProjectControl::SetupCalendarPanel(const QString& action)
{
    if (!MilestoneRowSelected())
        return;
    SelectedMilestone = fgMilestones->currentRow() + 1;
    panelProject_ = SelectedProject;
    panelMilestone_ = SelectedMilestone;
    const MilestoneRecord& m = LoadedMilestone(SelectedProject, SelectedMilestone);
    TeamDay().CurrentTeam = MilestoneTeam(m);
    fraMSCal->show();
    // A click on another milestone would leave the panel naming one and moving another.
    fgMilestones->setEnabled(false);
    // Greyed, the list cannot be scrolled: it keeps a few whole rows, the panel's among them.
    const int rows = std::min(int(LoadedProjects().Projects.at(SelectedProject).Milestones.size()), 4);
    fgMilestones->setMinimumHeight(GreyedListHeight(rows));
    fgMilestones->scrollTo(fgMilestones->model()->index(SelectedMilestone - 1, 0));
    fraTime->hide();
    const bool completing = action == QLatin1String("Complete");
    fraReschedule->setVisible(!completing);
    fraComplete->setVisible(completing);
    lblAction[1]->setVisible(!completing);
    lblAction[0]->setVisible(completing);
    if (completing) {
        CalendarMode = 1;
        lblMilestone->setText(m.MilestoneName);
        MSCal->setSelectedDate(Clock::Today());
        Label1[2]->hide();
        return;
    }
    CalendarMode = 2;
    const QString dateText = ShortDateText(m.ScheduledDate);
    MSCal->setSelectedDate(m.ScheduledDate);
    lblMilestone->setText(m.MilestoneName + QStringLiteral(" scheduled for ") + dateText);
    lblSelectDate->setText(dateText);
    Label1[2]->setVisible(!IsTechnical(m));
    if (IsTechnical(m) && m.Unit == QLatin1String("Hours")) {
        fraTime->show();
        hoursDay_ = m.ScheduledDate;
        hoursTeam_ = TeamDay().CurrentTeam;
        LoadTeamDay(hoursDay_, hoursTeam_);
        LoadHoursGrid();
    }
}

void frmProjectControl::MSCal_DateClick(const QDate& date)
{
    RescheduleDependants = true;
    if (!TakePanelMilestone())
        return;
    MSCal->setSelectedDate(date);
    if (CalendarMode == 1) {
        CompleteDateClick(date);
        return;
    }
    if (CalendarMode != 2)
        return;
    const QDate today = Clock::Today();
    if (date < today) {
        AlarmBeep();
        MSCal->setSelectedDate(today);
        return;
    }
    const int i = SelectedProject;
    const int j = SelectedMilestone;
    const MilestoneRecord& m = LoadedMilestone(i, j);
    if (date < m.ScheduledDate &&
        MsgBox(QStringLiteral("Your Date Selection is prior to the Milestones's Current Scheduled Date\n"
                              "You may Reschedule all subsequent Milestones or leave them as Scheduled\n"
                              "   Click Yes to Reschedule subsequent Milestones"),
               MsgButtons::YesNo, MsgIcon::Question, QStringLiteral("Rescheduling Option")) == MsgAnswer::No)
        RescheduleDependants = false;

    if (!IsTechnical(m)) {
        UpdateMilestoneDate();
        if (RescheduleDependants) {
            if (MsgBox(QStringLiteral("                 This Event is an Administrative Function\n"
                                      "You may Reshedule all subsequent Milestones or leave them as Scheduled\n"
                                      "   Click Yes to Reschedule subsequent Milestones"),
                       MsgButtons::YesNo, MsgIcon::Question, QStringLiteral("Rescheduling Option")) == MsgAnswer::No) {
                RescheduleDependants = false;
            } else {
                RescheduleNextMilestone();
                CloseCalendarPanel();
                return;
            }
        }
    }
    if (m.Unit != QLatin1String("Hours") || !IsTechnical(m)) {
        // A day that cannot be freed stops the move before anything changed.
        if (!ClearjDayEvents(i, j))
            return;
        ScheduleMilestone();
        return;
    }
    hoursDay_ = date;
    hoursTeam_ = MilestoneTeam(m);
    lblSelectDate->setText(ShortDateText(date));
    TeamDay().CurrentTeam = hoursTeam_;
    LoadTeamDay(date, hoursTeam_);
    fraTime->show();
    fraProjectSummary->hide();
    UnhookFlexGrid();
    LoadHoursGrid();
}

void frmProjectControl::LoadHoursGrid()
{
    preparedSlots_ = TeamDay().DaySlots;
    preparedBase_ = TeamDay().LoadedSlots;
    pickedSlot_ = 0;
    for (int r = 1; r <= 12; ++r)
        fgPJHours->SetTextMatrix(r, 1, preparedSlots_[size_t(r)]);
}

void frmProjectControl::fgPJHours_Click(int row)
{
    if (row < 1 || row > 12 || !TakePanelMilestone())
        return;
    const MilestoneRecord& m = LoadedMilestone(SelectedProject, SelectedMilestone);
    const QString key = MilestoneKey(SelectedProject, SelectedMilestone);
    const int hours = std::max(1, m.Duration.trimmed().toInt());
    for (int s = 1; s <= 12; ++s)
        if (fgPJHours->TextMatrix(s, 1) == key) {
            fgPJHours->SetTextMatrix(s, 1, NoEventScheduled);
            preparedSlots_[size_t(s)] = NoEventScheduled;
        }
    if (!IsFree(fgPJHours->TextMatrix(row, 1)) || !IsFree(preparedSlots_[size_t(row)])) {
        MsgBox(QStringLiteral("This Time Slot is not Available"), MsgButtons::OkOnly, MsgIcon::Information,
               QStringLiteral("Event aready Scheduled Here"));
        return;
    }
    if (hours != 1) {
        if (row + hours - 1 > 12) {
            MsgBox(QStringLiteral("There is not enough Time left in this day\n    for this Event to begin at ") +
                       fgPJHours->TextMatrix(row, 0) + QStringLiteral("\n          ") + m.Duration +
                       QStringLiteral(" Hours are Required"),
                   MsgButtons::OkOnly, MsgIcon::Information, QStringLiteral("Not Enough Time"));
            return;
        }
        for (int s = row + 1; s < row + hours; ++s)
            if (!IsFree(fgPJHours->TextMatrix(s, 1)) || !IsFree(preparedSlots_[size_t(s)])) {
                MsgBox(QStringLiteral("A Previously Scheduled Event occurs at one\n"
                                      "of the Times Required to Complete this Milestone\n"
                                      "Select a Different Start Time or Date"),
                       MsgButtons::OkOnly, MsgIcon::Information, QStringLiteral("Event Conflict"));
                return;
            }
    }
    for (int s = row; s < row + hours; ++s) {
        fgPJHours->SetTextMatrix(s, 1, key);
        preparedSlots_[size_t(s)] = key;
    }
    pickedSlot_ = row;
}

void frmProjectControl::cmdReschedule_Click(int Index)
{
    if (Index != 0 || !TakePanelMilestone() || !hoursDay_.isValid()) {
        ShowPanel(2);
        return;
    }
    const int i = SelectedProject;
    const int j = SelectedMilestone;
    MilestoneRecord& m = LoadedMilestone(i, j);
    // The prepared grid is that team's day and no other.
    const QString team = hoursTeam_;
    TeamDay().CurrentTeam = team;
    const bool otherDay = hoursDay_ != m.ScheduledDate;
    // The old days are looked at before anything is written: one that cannot be freed stops
    // the move.
    DayFault fault;
    if (otherDay && !CheckMilestoneDays(i, j, fault)) {
        ShowDayFault(fault);
        return;
    }
    if (!WriteDayChanges(hoursDay_, team, preparedBase_, preparedSlots_)) {
        if (TeamDay().LastDayWrite == DayWrite::Conflict) {
            // Another program booked one of the hours since the grid was shown: show the day now.
            ShowSlotTaken();
            LoadHoursGrid();
            return;
        }
        if (TeamDay().LastDayWrite == DayWrite::Unreadable) {
            ShowDayFault({DayFault::Unreadable, hoursDay_, team});
            return;
        }
        ShowWriteFailure(QStringLiteral("The team day of ") + MilestoneKey(i, j) + QStringLiteral(" could not be written."));
        return;
    }
    const std::array<QString, 13> written = TeamDay().DaySlots;
    // On the same day the prepared hours already replace the old ones.
    if (otherDay && !ClearjDayEvents(i, j)) {
        // The new hours go again, so the milestone stays where it was.
        WriteDayChanges(hoursDay_, team, written, preparedBase_);
        TeamDay().CurrentTeam = team;
        LoadTeamDay(hoursDay_, team);
        LoadHoursGrid();
        return;
    }
    if (pickedSlot_ > 0)
        m.StartSlot = QString::number(pickedSlot_);
    MSCal->setSelectedDate(hoursDay_);
    UpdateMilestoneDate();
    if (RescheduleDependants)
        RescheduleNextMilestone();
    ShowPanel(2);
}

void frmProjectControl::cmdCalButtons_Click(int Index)
{
    Q_UNUSED(Index);
    ShowPanel(2);
}

bool frmProjectControl::ClearjDayEvents(int project, int milestone)
{
    const QString key = MilestoneKey(project, milestone);
    lastFreed_.clear();
    DayFault fault;
    const bool written = FreeMilestoneDays(project, milestone, lastFreed_, &fault);
    if (!written) {
        ShowDayFault(fault);
        return false;
    }
    for (int s = 1; s <= 12; ++s)
        if (fgPJHours->TextMatrix(s, 1) == key)
            fgPJHours->SetTextMatrix(s, 1, NoEventScheduled);
    return true;
}

bool frmProjectControl::FreeDaysOrSay(const QList<MilestoneRef>& milestones, QList<MilestoneFreed>& freed)
{
    DayFault fault;
    if (FreeMilestonesDays(milestones, freed, fault))
        return true;
    ShowDayFault(fault);
    return false;
}

void frmProjectControl::ShowDayFault(const DayFault& fault)
{
    MsgBox(DayFaultText(fault), MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Schedule File Error"));
}

void frmProjectControl::ScheduleMilestone()
{
    const int i = SelectedProject;
    const int j = SelectedMilestone;
    const BookingResult result = BookMilestone(i, j, MSCal->selectedDate());
    if (!result.Booked()) {
        TeamDay().CurrentTeam = MilestoneTeam(LoadedMilestone(i, j));
        RestoreFreedSlots(lastFreed_, MilestoneKey(i, j));
        ReportBooking(result);
        return;
    }
    MSCal->setSelectedDate(LoadedMilestone(i, j).ScheduledDate);
    UpdateMilestoneDate();
    if (j < LoadedProjects().Projects.at(i).Milestones.size() && RescheduleDependants)
        RescheduleNextMilestone();
    CloseCalendarPanel();
}

bool frmProjectControl::TakePanelMilestone()
{
    const LoadedProjectsState& state = LoadedProjects();
    if (panelProject_ < 1 || panelProject_ > state.ProjectCount || panelMilestone_ < 1 ||
        panelMilestone_ > state.Projects.at(panelProject_).Milestones.size())
        return false;
    SelectedProject = panelProject_;
    SelectedMilestone = panelMilestone_;
    return true;
}

int frmProjectControl::GreyedListHeight(int rows) const
{
    return fgMilestones->horizontalHeader()->sizeHint().height() +
           rows * fgMilestones->verticalHeader()->defaultSectionSize() + 2 * fgMilestones->frameWidth() +
           (fgMilestones->horizontalScrollBar()->isVisible() ? fgMilestones->horizontalScrollBar()->height() : 0);
}

void frmProjectControl::SizeForTallestPanels()
{
    // Laid out once, hidden, with the calendar panel at its fullest (the hours grid and the
    // administrative note both) over the summary, whose greyed list keeps its most rows.
    ensurePolished();
    HidePanels();
    fraMSCal->show();
    fraProjectSummary->show();
    for (QWidget* part : {static_cast<QWidget*>(fraTime), static_cast<QWidget*>(fraReschedule),
                          static_cast<QWidget*>(lblAction[1]), static_cast<QWidget*>(Label1[2])})
        part->show();
    fraComplete->hide();
    lblAction[0]->hide();
    fgMilestones->setMinimumHeight(GreyedListHeight(4) + fgMilestones->horizontalScrollBar()->sizeHint().height());
    layout()->invalidate();
    const int tallest = layout()->totalMinimumSize().height();
    HidePanels();
    if (tallest > height())
        resize(width(), tallest);
}

void frmProjectControl::CloseCalendarPanel()
{
    fraMSCal->hide();
    fgMilestones->setEnabled(true);
    fgMilestones->setMinimumHeight(0);
    panelProject_ = 0;
    panelMilestone_ = 0;
    hoursDay_ = QDate();
    hoursTeam_.clear();
}

void frmProjectControl::UpdateMilestoneDate()
{
    const int j = SelectedMilestone;
    const QDate day = MSCal->selectedDate();
    fgMilestones->SetTextMatrix(j, 3, ShortDateText(day));
    fgMilestones->SetTextMatrix(j, 2, StatusScheduled);
    fgMilestones->SetTextMatrix(j, 4, QStringLiteral("Not Completed"));
    DateMilestone(SelectedProject, j, day);
    RefreshMilestoneFigures(SelectedProject);
}

void frmProjectControl::RescheduleNextMilestone()
{
    const BookingResult result = RescheduleFollowing(SelectedProject, SelectedMilestone);
    ShowMovedMilestones(result.Moved);
    RefreshMilestoneFigures(SelectedProject);
    if (!result.Booked())
        ReportBooking(result);
}

void frmProjectControl::ShowMovedMilestones(const QList<int>& moved)
{
    for (int k : moved) {
        const MilestoneRecord& m = LoadedMilestone(SelectedProject, k);
        fgMilestones->SetTextMatrix(k, 3, ShortDateText(m.ScheduledDate));
        fgMilestones->SetTextMatrix(k, 2, StatusScheduled);
        fgMilestones->SetTextMatrix(k, 4, QStringLiteral("Not Completed"));
    }
}

void frmProjectControl::ReportBooking(const BookingResult& result)
{
    lblMilestone->setText(LoadedMilestone(SelectedProject, result.Milestone).MilestoneName);
    switch (result.Outcome) {
    case BookingOutcome::NoConsecutiveDays:
        AlarmBeep();
        MsgBox(QStringLiteral("    60 Workdays have been scanned\n   ") + QString::number(result.Amount) +
                   QStringLiteral(" Consecutive Workdays are not Available\nReview the Team Schedules to find ample Days"),
               MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Not enough Consecutive Days"));
        break;
    case BookingOutcome::NoConsecutiveHours:
        AlarmBeep();
        MsgBox(QStringLiteral("    60 Workdays have been scanned\n   ") + QString::number(result.Amount) +
                   QStringLiteral(" Consecutive Hours are not Available\nReview the Team Schedules to find ample Days"),
               MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Not enough Consecutive Hours"));
        break;
    case BookingOutcome::WriteFailed:
        ShowWriteFailure(QStringLiteral("The team days of ") + MilestoneKey(SelectedProject, result.Milestone) +
                         QStringLiteral(" could not be written."));
        break;
    case BookingOutcome::SlotTaken:
        ShowSlotTaken();
        break;
    case BookingOutcome::DayFaulted:
        ShowDayFault(result.Fault);
        break;
    case BookingOutcome::Booked:
        break;
    }
}
