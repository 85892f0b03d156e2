// The scheduling screen's project-creation wizard: the project page, then a step per selected
// milestone in catalogue order, each booked on its team's days at its own Continue.
#include "scheduling/frmMain.h"

#include "accounts/CustomerHandOver.h"
#include "core/Navigation.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "core/Utilities.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/RegionalFormat.h"
#include "platform/TextBox.h"
#include "scheduling/ProjectCounter.h"
#include "scheduling/ProjectWizard.h"
#include "scheduling/ProposalHandOver.h"
#include "scheduling/TeamDayStore.h"
#include "scheduling/TeamFileBackup.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString NoSlotSelected = QStringLiteral("No Slot Selected");

} // namespace

void frmMain::TakeHandOver()
{
    // The proposal selection's customer, with the proposal's number when it came from one.
    ProposalHandOverValues& proposal = ProposalHandOver();
    if (proposal.Pending) {
        proposal.Pending = false;
        for (int i = 1; i <= 7; ++i) {
            lblCustomerInfo[size_t(i)]->setText(proposal.Items[size_t(i)]);
            txtCustomerInfo[size_t(i)]->setText(proposal.Items[size_t(i)]);
        }
        lblAccount->setText(proposal.AccountNo);
        lblPropNo[0]->setText(proposal.FromProposal ? FromProposalCaption : NoProposalCaption);
        lblPropNo[1]->setText(proposal.ProposalNo);
        lblPropNo[0]->setVisible(proposal.FromProposal);
        lblPropNo[1]->setVisible(proposal.FromProposal);
        return;
    }
    CustomerHandOverValues& handOver = CustomerHandOver();
    if (!handOver.Pending)
        return;
    handOver.Pending = false;
    for (int i = 1; i <= 7; ++i) {
        txtCustomerInfo[size_t(i)]->setText(handOver.Items[size_t(i)]);
        lblCustomerInfo[size_t(i)]->setText(handOver.Items[size_t(i)].trimmed());
    }
    lblAccount->setText(handOver.AccountNo);
    // A customer's project comes from no proposal.
    lblPropNo[1]->setText(QStringLiteral("Proposal Number"));
    lblPropNo[0]->hide();
    lblPropNo[1]->hide();
}

bool frmMain::OpenWizard()
{
    ProjectInProgress = false;
    NotGivenBack.clear();
    WizardStep = 0;
    CurrentMilestone = 1;
    Draft = ProjectData{};
    // Nothing of the last project of this run carries over: its title, its hour or its prompt.
    SetComboText(cboProjectTitle, QStringLiteral("New Installation"));
    SelectedSlotText = NoSlotSelected;
    lblDateTime->clear();
    const SettingsValues& s = Settings();
    lstMilestoneSelection->clear();
    for (int c = 1; c <= s.TplCount && c < s.TplName.size(); ++c)
        lstMilestoneSelection->addItem(s.TplName.at(c));
    lstMilestoneSelection->selectAll();
    lstMilestoneSelection->scrollToTop();
    const bool counterSaved = ReadProjectCounter();
    lblProjectNo->setText(ProjectCounter().NewProjectNo);
    // Without a number the bookings would name no project and the project could never be saved.
    if (ProjectCounter().NoNumberLeft || ProjectCounter().NewProjectNo.isEmpty()) {
        MsgBox(NoProjectNumberMessage, MsgButtons::OkOnly, MsgIcon::Exclamation, NoProjectNumberTitle);
        cmdContinue->setEnabled(false);
        return false;
    }
    if (!counterSaved)
        ShowWriteFailure(QStringLiteral("The project number counter, PjCounter.txt, could not be written."));
    cmdContinue->setEnabled(true);
    return true;
}

ProjectHeader frmMain::DraftHeader() const
{
    ProjectHeader h;
    h.ProjectNo = lblProjectNo->text();
    h.ProjectName = cboProjectTitle->currentText();
    h.AccountNo = lblAccount->text();
    h.ProposalNo = lblPropNo[1]->text();
    QString* billing[7] = {&h.CustomerName, &h.Address1, &h.Address2, &h.City, &h.State, &h.Zip, &h.Telephone};
    QString* site[7] = {&h.SiteName, &h.SiteAddress1, &h.SiteAddress2, &h.SiteCity, &h.SiteState, &h.SiteZip, &h.SiteTelephone};
    for (int i = 1; i <= 7; ++i) {
        *billing[i - 1] = lblCustomerInfo[size_t(i)]->text();
        *site[i - 1] = txtCustomerInfo[size_t(i)]->text();
    }
    h.MilestoneCount = qint16(Draft.Milestones.size());
    return h;
}

MilestoneRecord* frmMain::CurrentDraft()
{
    if (WizardStep < 1 || WizardStep > 3 || CurrentMilestone < 1 || CurrentMilestone > Draft.Milestones.size())
        return nullptr;
    return &Draft.Milestones[CurrentMilestone - 1];
}

void frmMain::cmdContinue_Click()
{
    if (IsScheduleView())
        return;
    if (WizardStep == 0) {
        if (lblProjectNo->text().isEmpty())
            return;
        mnuWindows->setEnabled(true);
        fraTime->setEnabled(true);
        fraLocation->setEnabled(true);
        if (lstMilestoneSelection->selectedItems().isEmpty()) {
            MsgBox(QStringLiteral("You cannot Create a Project\nwithout Selecting Milestones"), MsgButtons::OkOnly,
                   MsgIcon::Exclamation, QStringLiteral("No Milestones Selected"));
            return;
        }
        if (cboProjectTitle->currentText().isEmpty()) {
            MsgBox(QStringLiteral("Enter a Title for this Project"), MsgButtons::OkOnly, MsgIcon::Exclamation,
                   QStringLiteral("No Title"));
            cboProjectTitle->setFocus();
            return;
        }
        BeginMilestoneScheduling();
        return;
    }
    MilestoneRecord* m = CurrentDraft();
    if (!m)
        return;
    m->ScheduledDate = CalendarDate();
    if (m->PersonnelType != 2) {
        ShowAssignmentStep();
        m->WorkLocation = QStringLiteral("Office");
        m->StartSlot = lblMode->text() == QLatin1String("Days") ? QString::number(FirstWorkingSlot()) : QString();
        if (AppendCurrentMilestone())
            NextMilestoneStep();
        return;
    }
    if (Shared().TeamCount() < 1 || TeamNumberOf(TeamDay().CurrentTeam) == 0) {
        MsgBox(QStringLiteral("Create a Team on the Setup Screen first"), MsgButtons::OkOnly, MsgIcon::Exclamation,
               QStringLiteral("No Team"));
        return;
    }
    const QString unit = lblMode->text();
    bool number = false;
    const int count = txtTime->text().toInt(&number);
    if (!number || count < 1 || count > (unit == QLatin1String("Hours") ? 12 : MaxScheduleDays)) {
        MsgBox(QStringLiteral("Enter 1 to 12 Hours or 1 to 255 Days"), MsgButtons::OkOnly, MsgIcon::Exclamation,
               QStringLiteral("Invalid Duration"));
        return;
    }
    m->Unit = unit;
    m->Duration = QString::number(count);
    m->Team = QString::number(TeamNumberOf(TeamDay().CurrentTeam));
    m->WorkLocation = optOffice->isChecked() ? QStringLiteral("Office/Shop") : QStringLiteral("On Site");
    const QString booking = BookingText(lblProjectNo->text(), m->MilestoneName);

    if (unit == QLatin1String("Hours")) {
        if (fraCalendar->isVisible()) {
            lblDateTime->setText(QStringLiteral("Click a Starting Hour"));
            fraTime->setEnabled(false);
            fraLocation->setEnabled(false);
            fraCalendar->hide();
            fraHours->show();
            cmdClear->setEnabled(true);
            fraTeam->show();
            return;
        }
        fraTime->setEnabled(true);
        fraLocation->setEnabled(true);
        tgTime->setEnabled(true);
        // The pick must be this milestone's and still be in the day shown.
        int startSlot = 0;
        for (int slot = 12; slot >= 1; --slot)
            if (TeamDay().DaySlots[size_t(slot)] == booking)
                startSlot = slot;
        if (SelectedSlotText != booking || startSlot == 0) {
            MsgBox(QStringLiteral("A Time Must be Selected"), MsgButtons::OkOnly, MsgIcon::Exclamation,
                   QStringLiteral("Select a Time"));
            return;
        }
        if (!SaveTeamDay(CalendarDate(), TeamDay().CurrentTeam)) {
            if (TeamDay().LastDayWrite == DayWrite::Conflict) {
                // Another program took the hour since the grid was shown; the grid shows it now.
                ShowSlotTaken();
                DropLostPick();
                return;
            }
            ShowWriteFailure(QStringLiteral("The team's day could not be written; the hours are not booked."));
            return;
        }
        fraConEvents->show();
        fraCalendar->show();
        fraHours->hide();
        cmdClear->setEnabled(false);
        m->StartSlot = QString::number(startSlot);
        m->Duration = QString::number(count);
        if (AppendCurrentMilestone())
            NextMilestoneStep();
        return;
    }

    QDate date = m->ScheduledDate;
    bool taken = false;
    FindOpenDay(date, count, taken);
    if (taken) {
        if (Settings().AlarmsOn)
            Beep();
        MsgBox(QStringLiteral("    60 Workdays have been scanned\n   ") + txtTime->text()
                   + QStringLiteral(" Consecutive Workdays are not Available\nReview the Team Schedules to find ample Days"),
               MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Not enough Consecutive Days"));
        RepeatMilestoneStep();
        return;
    }
    if (Settings().PromptsOn)
        MsgBox(ShortDateText(date) + QStringLiteral(" is the 1st day scheduled\n") + txtTime->text()
               + QStringLiteral(" days will be scheduled"));
    if (!ScheduleDays(date, count, booking)) {
        if (TeamDay().LastDayWrite == DayWrite::Conflict)
            ShowSlotTaken();
        else
            ShowWriteFailure(QStringLiteral("The team's days could not be written; nothing is booked."));
        RepeatMilestoneStep();
        return;
    }
    m->ScheduledDate = date;
    m->StartSlot = QString::number(FirstWorkingSlot());
    if (AppendCurrentMilestone())
        NextMilestoneStep();
}

bool frmMain::AppendCurrentMilestone()
{
    const MilestoneRecord& m = Draft.Milestones.at(CurrentMilestone - 1);
    if (AppendMilestoneRecord(m))
        return true;
    ShowWriteFailure(QStringLiteral("The milestone could not be added to the project."));
    if (!UndoDaysEvents(lblProjectNo->text(), {m})) {
        NotGivenBack.append(m);
        ShowWriteFailure(QStringLiteral("The days booked for ") + m.MilestoneName +
                         QStringLiteral(" could not be given back.\nThey are given back when the Project is abandoned."));
    }
    LoadTeamDay(CalendarDate(), TeamDay().CurrentTeam);
    RepeatMilestoneStep();
    return false;
}

void frmMain::RepeatMilestoneStep()
{
    SetCalendarDate(Draft.Milestones.at(CurrentMilestone - 1).ScheduledDate);
    fraHours->hide();
    fraCalendar->show();
    cmdClear->setEnabled(false);
    fraTime->setEnabled(true);
    fraLocation->setEnabled(true);
    ShowAssignmentStep();
    Milestones();
}

void frmMain::NextMilestoneStep()
{
    const int booked = lblMode->text() == QLatin1String("Hours") ? 0 : txtTime->text().toInt();
    ++CurrentMilestone;
    if (CurrentMilestone > Draft.Milestones.size()) {
        ShowProjectSummary();
        return;
    }
    FindEarliestStartDate(booked);
    ShowAssignmentStep();
    switch (Draft.Milestones.at(CurrentMilestone - 1).Phase) {
    case 2:
        SetWizardStep2();
        break;
    case 3:
        SetWizardStep3();
        break;
    default:
        Milestones();
        break;
    }
}

void frmMain::BeginMilestoneScheduling()
{
    fraProjectInfo->hide();
    fraBasicInst->hide();
    fraSummary->hide();
    fraHours->hide();
    fraCalendar->show();
    fraConEvents->show();
    cmdRedoEvent->setEnabled(true);
    BuildMilestoneArrays();
    if (!WriteProjectHeader(DraftHeader())) {
        ShowWriteFailure(QStringLiteral("The new project, ProjectTempFile.txt, could not be written."));
        fraCalendar->hide();
        fraConEvents->hide();
        cmdRedoEvent->setEnabled(false);
        fraProjectInfo->show();
        fraBasicInst->show();
        return;
    }
    ProjectInProgress = true;
    CurrentMilestone = 1;
    // The milestones all start on the date shown.
    for (MilestoneRecord& m : Draft.Milestones)
        m.ScheduledDate = CalendarDate();
    WizardStep = 1;
    ShowAssignmentStep();
    if (Draft.Milestones.first().PersonnelType == 2)
        SetWizardStep2();
    else
        Milestones();
}

void frmMain::BuildMilestoneArrays()
{
    QList<bool> selected;
    for (int i = 0; i < lstMilestoneSelection->count(); ++i)
        selected.append(lstMilestoneSelection->item(i)->isSelected());
    Draft.Milestones = ::BuildMilestoneArrays(selected);
    Draft.Header = DraftHeader();
}

void frmMain::ShowAssignmentStep()
{
    const MilestoneRecord* m = CurrentDraft();
    if (!m)
        return;
    if (m->PersonnelType == 2) {
        mnuWindows->setEnabled(true);
        mnuTeamCal->setEnabled(true);
        SetTimeFrame(true);
        fraTeam->show();
        lblConstructionInstructions[1]->hide();
        fraLocation->show();
        if (m->Phase == 2)
            optSite->setChecked(true);
        else
            optOffice->setChecked(true);
    } else {
        mnuWindows->setEnabled(false);
        fraTeamCal->hide();
        fraCalendar->show();
        fraHours->hide();
        fraTime->hide();
        fraTeam->hide();
        lblConstructionInstructions[1]->show();
        fraLocation->hide();
    }
}

void frmMain::Milestones()
{
    MilestoneRecord* m = CurrentDraft();
    if (!m)
        return;
    // Each step picks its own hour.
    SelectedSlotText = NoSlotSelected;
    if (optSelect[1]->isChecked())
        SetDaysMode();
    else
        SetHoursMode();
    if (m->PersonnelType == 2)
        lstTeam_Click();
    txtConEvents->setText(m->MilestoneName);
    const int d = m->Dependency;
    if (d > 0 && d < CurrentMilestone) {
        const MilestoneRecord& dependency = Draft.Milestones.at(d - 1);
        fraDependent->show();
        txtConEventsDays->setText(QString::number(m->Interval));
        txtDependentEvent->setText(dependency.MilestoneName + QStringLiteral(" ( ") + ShortDateText(dependency.ScheduledDate)
                                   + QLatin1Char(')'));
    } else {
        fraDependent->hide();
    }
}

void frmMain::SetWizardStep2()
{
    WizardStep = 2;
    Milestones();
}

void frmMain::SetWizardStep3()
{
    WizardStep = 3;
    Milestones();
}

void frmMain::FindEarliestStartDate(int days)
{
    const MilestoneRecord& m = Draft.Milestones.at(CurrentMilestone - 1);
    const int d = m.Dependency;
    if (d < 1 || d >= CurrentMilestone || m.Interval == 0)
        return;
    SetCalendarDate(ProposeStartDate(Draft.Milestones.at(d - 1).ScheduledDate, days, m.Interval));
    SetScheduleDate();
}

void frmMain::cmdRedoEvent_Click()
{
    const MilestoneRecord* m = CurrentDraft();
    if (!m)
        return;
    ShowAssignmentStep();
    ClearSelectedSlot();
    if (m->PersonnelType == 2) {
        fraTime->setEnabled(true);
        fraLocation->setEnabled(true);
        tgTime->setEnabled(true);
        txtTime->setText(QStringLiteral("1"));
        SetTimeFrame(true);
    }
}
