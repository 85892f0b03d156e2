// The end of a new project: its summary and saving, and the ways out that give its booked days
// back.
#include "scheduling/frmMain.h"

#include "core/FileAccess.h"
#include "core/Navigation.h"
#include "core/SharedState.h"
#include "core/Utilities.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/RegionalFormat.h"
#include "platform/TextBox.h"
#include "scheduling/EventRecords.h"
#include "scheduling/LoadedProjects.h"
#include "scheduling/ProjectCounter.h"
#include "scheduling/ProjectWizard.h"
#include "scheduling/TeamDayStore.h"
#include "scheduling/TeamFileBackup.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

QString CityLine(const QString& city, const QString& state, const QString& zip)
{
    return city + QStringLiteral(", ") + state + QLatin1Char(' ') + zip;
}

} // namespace

void frmMain::ShowProjectSummary()
{
    const std::optional<ProjectData> project = ReadProjectFile(ProjectTempFilePath);
    if (!project) {
        ShowWriteFailure(QStringLiteral("The new project, ProjectTempFile.txt, could not be read back."));
        return;
    }
    for (QWidget* frame : {fraCalendar, fraHours, fraConEvents, fraDependent, fraTeam, fraTime, fraLocation, fraTeamCal})
        frame->hide();
    cmdSave->setEnabled(true);
    // Nothing is left to continue or redo.
    cmdContinue->setEnabled(false);
    cmdRedoEvent->setEnabled(false);
    fraSummary->show();
    const ProjectHeader& h = project->Header;
    lblSummaryProNo->setText(h.ProjectNo);
    lblSummaryProName->setText(h.ProjectName);
    lblSummaryCust[0]->setText(h.CustomerName);
    lblSummaryCust[1]->setText(h.Address1);
    lblSummaryCust[2]->setText(CityLine(h.City, h.State, h.Zip));
    lblSite[0]->setText(h.SiteName);
    lblSite[1]->setText(h.SiteAddress1);
    lblSite[2]->setText(CityLine(h.SiteCity, h.SiteState, h.SiteZip));
    fgSummary->SetRows(int(project->Milestones.size()) + 1);
    for (int j = 1; j <= project->Milestones.size(); ++j) {
        const MilestoneRecord& m = project->Milestones.at(j - 1);
        fgSummary->SetTextMatrix(j, 0, m.MilestoneName);
        fgSummary->SetTextMatrix(j, 1, PhaseName(m.Phase));
        fgSummary->SetTextMatrix(j, 2, ShortDateText(m.ScheduledDate));
        fgSummary->SetTextMatrix(j, 3, m.PersonnelType != 2 ? QStringLiteral("Administrative") : TeamName(m.Team));
    }
    const SummaryFigures figures = SummaryDays(project->Milestones);
    txtPreDays->setText(QString::number(figures.PreConstructionDays));
    txtConDays->setText(QString::number(figures.ConstructionDays));
    txtDaysTotal->setText(QString::number(figures.TotalDays));
    WizardStep = 5;
}

void frmMain::cmdSave_Click()
{
    if (WizardStep != 5)
        return;
    const QString projectNo = lblProjectNo->text();
    MakeFolder(ProjectsFolder);
    // Nothing moves before the project file is in place.
    if (!IsSafePathPart(projectNo) || !CopyAppFile(ProjectTempFilePath, ProjectFilePath(projectNo))) {
        ShowWriteFailure(QStringLiteral("The project ") + projectNo + QStringLiteral(" could not be saved."));
        return;
    }
    QStringList failures;
    if (!DeleteWithBackup(ProjectTempFilePath))
        failures << QStringLiteral("ProjectTempFile.txt could not be deleted.");
    NextProjectNumber();
    if (!SaveProjectCounter())
        failures << QStringLiteral("The project number counter could not be written.");
    ReadProjectCounter();

    LoadedProjectsState& loaded = LoadedProjects();
    const std::optional<ProjectData> saved = ReadProjectFile(ProjectFilePath(projectNo));
    if (saved) {
        loaded.Projects[0].Header = saved->Header;
        loaded.Projects[0].Milestones = saved->Milestones;
        loaded.Projects[0].FileName = projectNo + QStringLiteral(".txt");
        for (int i = 1; i <= saved->Milestones.size(); ++i) {
            CurrentMilestone = i;
            if (saved->Milestones.at(i - 1).PersonnelType != 2)
                continue;
            FillProjectRecord(i);
            if (!AppendRecord(ProjectRecordsPath))
                failures << QStringLiteral("The event record of ") + saved->Milestones.at(i - 1).MilestoneName
                                + QStringLiteral(" could not be written.");
        }
    } else {
        failures << QStringLiteral("The saved project could not be read back for its event records.");
    }
    if (!failures.isEmpty())
        ShowWriteFailure(FewLines(failures));
    loaded.ProjectsLoaded = false;
    WizardStep = 0;
    ProjectInProgress = false;
    Hide();
    ShowMainMenu();
}

bool frmMain::AbandonProject()
{
    // Only the project's own slots are freed: the copy of the team files taken when the wizard
    // opened would also take back what another program wrote into them since.
    const QList<MilestoneRecord> scheduled = Draft.Milestones.mid(0, std::max(0, CurrentMilestone - 1)) + NotGivenBack;
    QList<std::pair<QString, QDate>> left;
    const bool ok = UndoDaysEvents(lblProjectNo->text(), scheduled, &left);
    NotGivenBack.clear();
    ProjectInProgress = false;
    WizardStep = 0;
    if (!ok) {
        // Name every team with its days, so the user knows which days to see to.
        QStringList lines;
        QString lineTeam;
        for (const auto& [team, day] : std::as_const(left)) {
            if (lines.isEmpty() || team != lineTeam) {
                lineTeam = team;
                lines.append(TeamName(team) + QStringLiteral(": ") + ShortDateText(day));
            } else {
                lines.last() += QStringLiteral(", ") + ShortDateText(day);
            }
        }
        ShowWriteFailure(QStringLiteral("Some of the new project's booked days could not be given back.\n") + FewLines(lines));
    }
    return ok;
}

namespace {

bool ConfirmCancelProject()
{
    return MsgBox(QStringLiteral("This will DELETE the Entire Project"), MsgButtons::YesNo, MsgIcon::Question,
                  QStringLiteral("Cancel Project Creation"))
        == MsgAnswer::Yes;
}

} // namespace

void frmMain::cmdStartOver_Click()
{
    if (IsScheduleView())
        return;
    if (!ConfirmCancelProject())
        return;
    if (ProjectInProgress)
        AbandonProject();
    Form_Activate();
}

void frmMain::cmdKillProj_Click()
{
    if (IsScheduleView())
        return;
    if (!ConfirmCancelProject())
        return;
    DeleteWithBackup(ProjectTempFilePath);
    if (ProjectInProgress)
        AbandonProject();
    Form_Activate();
}
