// Completing and deleting milestones and projects on the control board.
#include "projects/frmProjectControl.h"

#include "core/FileAccess.h"
#include "core/Printing.h"
#include "core/Settings.h"
#include "core/Utilities.h"
#include "platform/Clock.h"
#include "platform/FileRemoval.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/ProgramNames.h"
#include "platform/RegionalFormat.h"
#include "projects/InvoiceRecord.h"
#include "projects/ProjectReports.h"
#include "scheduling/EventRecords.h"
#include "scheduling/SlipRecord.h"
#include "scheduling/TeamDayStore.h"

#include <QAction>
#include <QCalendarWidget>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>

namespace {

bool Confirmed(const QString& prompt, const QString& title)
{
    return MsgBox(prompt, MsgButtons::YesNo, MsgIcon::Question, title) == MsgAnswer::Yes;
}

QString ProjectFileOf(int project)
{
    return ProjectsFolder + QLatin1Char('/') + LoadedProjects().Projects.at(project).FileName;
}

} // namespace

void frmProjectControl::ConnectCompleting()
{
    connect(mnuComplete, &QAction::triggered, this, [this] { mnuComplete_Click(); });
    connect(mnuCompleteProject, &QAction::triggered, this, [this] { mnuCompleteProject_Click(); });
    connect(mnuDeleteProject, &QAction::triggered, this, [this] { mnuDeleteProject_Click(); });
    connect(mnuClearAll, &QAction::triggered, this, [this] { mnuClearAll_Click(); });
    connect(cmdCompleteAll, &QPushButton::clicked, this, [this] { cmdCompleteAll_Click(); });
    connect(mnuPrint, &QAction::triggered, this, [this] { mnuPrint_Click(); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(mnuPrintAll, &QAction::triggered, this, [this] { mnuPrintAll_Click(); });
    connect(cmdPrintPastCompletion, &QPushButton::clicked, this, [this] { cmdPrintPastCompletion_Click(); });
}

void frmProjectControl::mnuComplete_Click()
{
    fraMSDetails->hide();
    SetupCalendarPanel(QStringLiteral("Complete"));
}

void frmProjectControl::CompleteDateClick(const QDate& date)
{
    const QDate today = Clock::Today();
    if (date > today) {
        if (Settings().AlarmsOn)
            Beep();
        MSCal->setSelectedDate(today);
        // Many machines sound no beep: say why nothing happened.
        MsgBox(QStringLiteral("A Milestone can not be Completed on a future Date\nClick Today or an earlier Date"),
               MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Completion Date"));
        return;
    }
    CompleteMilestone(SelectedProject, SelectedMilestone);
}

bool frmProjectControl::CompleteMilestone(int project, int milestone, bool freeDays)
{
    const QDate day = MSCal->selectedDate();
    if (freeDays && IsTechnical(LoadedMilestone(project, milestone)) && !ClearjDayEvents(project, milestone))
        return false;
    if (milestoneGridProject_ == project && milestone < fgMilestones->Rows()) {
        fgMilestones->SetTextMatrix(milestone, 4, ShortDateText(day));
        fgMilestones->SetTextMatrix(milestone, 2, StatusCompleted);
    }
    MarkCompleted(project, milestone, day, false);
    RefreshMilestoneFigures(project);
    return true;
}

void frmProjectControl::cmdCompleteAll_Click()
{
    if (!Confirmed(QStringLiteral("This will mark all milestones as Completed"), QStringLiteral("Complete All Milestones")))
        return;
    const QDate today = Clock::Today();
    // A milestone of several days begun before today still holds the days from today on; all
    // of them are freed, or none and nothing is completed.
    const QList<MilestoneRef> pastDue = PastDueMilestones();
    QList<MilestoneFreed> freed;
    if (!FreeDaysOrSay(pastDue, freed))
        return;
    for (const MilestoneRef& ref : pastDue)
        MarkCompleted(ref.Project, ref.Milestone, today, true);
    SaveAndReport();
    ActivateBoard();
}

void frmProjectControl::WriteOtherChangedProjects(int except)
{
    LoadedProjectsState& state = LoadedProjects();
    QStringList failed;
    for (int k = 1; k <= state.ProjectCount; ++k) {
        LoadedProject& project = state.Projects[k];
        if (k == except || !project.ProjectChanged)
            continue;
        if (WriteProjectFile(ProjectsFolder + QLatin1Char('/') + project.FileName, ProjectData{project.Header, project.Milestones}))
            project.ProjectChanged = false;
        else
            failed.append(project.FileName);
    }
    if (!failed.isEmpty())
        ShowWriteFailure(QStringLiteral("These Project Files could not be written:\n") + FewLines(failed));
}

void frmProjectControl::mnuCompleteProject_Click()
{
    if (!ProjectRowSelected())
        return;
    const int i = fgProjects->currentRow() + 1;
    SelectedProject = i;
    if (!Confirmed(QStringLiteral("Click YES to complete all Project Milestones\nClick  NO to exit Project Completion"),
                   QStringLiteral("Project Completion")))
        return;
    // A file that will not go would bring the project back at the next load, its days freed and
    // its invoice record written a second time; nothing starts then.
    if (FileExists(ProjectFileOf(i)) && !CanRemoveTree(AppPath(ProjectFileOf(i)))) {
        ShowWriteFailure(QStringLiteral("The Project's file cannot be removed: ") + ProjectFileOf(i) +
                             QStringLiteral("\nThe Project was not completed."),
                         QStringLiteral("Project Completion"));
        return;
    }
    // Completed today; milestones completed before keep their dates. Their days are freed all
    // together first, or nothing is completed.
    MSCal->setSelectedDate(Clock::Today());
    const int count = int(LoadedProjects().Projects.at(i).Milestones.size());
    QList<MilestoneRef> open;
    for (int j = 1; j <= count; ++j)
        if (LoadedMilestone(i, j).Status != StatusCompleted)
            open.append({i, j});
    QList<MilestoneFreed> freed;
    if (!FreeDaysOrSay(open, freed))
        return;
    for (const MilestoneRef& ref : open)
        CompleteMilestone(ref.Project, ref.Milestone, false);

    if (Confirmed(QStringLiteral("Would you like to Print a Project Summary?"), QStringLiteral("Project Summary")) &&
        !RunPrintJob(QStringLiteral("The Report will not be Printed"), [i] { PrintProject(i); }))
        return;

    if (QFileInfo::exists(AppPath(InvoicerProgramPath)) &&
        Confirmed(QStringLiteral("Would you like to Create an Invoice Record?"), QStringLiteral("Invoice Record"))) {
        const InvoiceRecordResult result = CreateInvoiceRecord(LoadedProjects().Projects.at(i).Header);
        if (result.outcome == InvoiceRecordResult::RecordNotWritten) {
            MsgBox(QStringLiteral("The Partial Invoice Record could not be created\nThe Project remains in the Project List"),
                   MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Invoice Record"));
            return;
        }
        const QString number = QString::number(result.InvoiceNo);
        MsgBox(QStringLiteral("A Partial Invoice Record has been created with\nan Invoice Number of ") + number +
                   QStringLiteral("\nFollow the Partial Invoice Routine of Tamsel Invoicer\nto Complete the Invoice"),
               MsgButtons::OkOnly, MsgIcon::Information);
        if (result.outcome == InvoiceRecordResult::NumberNotWritten)
            ShowWriteFailure(QStringLiteral("The next invoice number could not be written to ") + InvoiceNumberPath +
                             QStringLiteral("."));
    }

    WriteOtherChangedProjects(i);
    if (FileExists(ProjectFileOf(i)) && !DeleteFile(ProjectFileOf(i)))
        ShowWriteFailure(QStringLiteral("The completed Project's file could not be removed: ") + ProjectFileOf(i));
    LoadedProjects().ProjectsLoaded = false;
    ActivateBoard();
}

void frmProjectControl::mnuDeleteProject_Click()
{
    if (!ProjectRowSelected())
        return;
    const int i = fgProjects->currentRow() + 1;
    SelectedProject = i;
    const QString projectNo = fgProjects->TextMatrix(i, 0);
    if (!Confirmed(QStringLiteral("Click YES to Delete Project ") + projectNo + QStringLiteral("\nClick  NO to exit Project Deletion"),
                   QStringLiteral("Project Deletion")))
        return;
    WriteOtherChangedProjects(i);
    // A project that stays keeps its own changes in the tables, which a reload from its old
    // file would replace while its changed flag survives.
    if (DeleteProject(i, projectNo))
        LoadProjects();
    ActivateBoard();
}

bool frmProjectControl::DeleteProject(int project, const QString& projectNo)
{
    // Every day the project holds is freed first, all or none: a day that cannot be read keeps
    // the whole project as it is.
    const int count = int(LoadedProjects().Projects.at(project).Milestones.size());
    QList<MilestoneRef> milestones;
    for (int j = 1; j <= count; ++j)
        milestones.append({project, j});
    QList<MilestoneFreed> freed;
    if (!FreeDaysOrSay(milestones, freed))
        return false;
    // A project whose file stays must keep its days and records, or it would come back from the
    // next load with its bookings gone.
    if (!DeleteFile(ProjectFileOf(project))) {
        RestoreMilestonesDays(freed);
        ShowWriteFailure(QStringLiteral("The Project's file could not be removed: ") + ProjectFileOf(project) +
                             QStringLiteral("\nThe Project was not deleted."),
                         QStringLiteral("Project Deletion"));
        return false;
    }

    if (!FileExists(ProjectRecordsPath))
        return true;
    const LoadedProject& loaded = LoadedProjects().Projects.at(project);
    ProjectData data{loaded.Header, loaded.Milestones};
    data.Header.ProjectNo = projectNo;
    const bool compacted = CompactRecordFile(ProjectRecordsPath, SlipRecord::Length, [&data](const QByteArray& record, qint64) {
        return !IsRecordOfProject(SlipRecord::FromBytes(record), data);
    });
    if (!compacted) {
        ShowWriteFailure(QStringLiteral("The event records of Project ") + projectNo + QStringLiteral(" could not be removed."));
        return true;
    }
    if (GetFileRecordCount(ProjectRecordsPath, SlipRecord::Length) == 0)
        DeleteWithBackup(ProjectRecordsPath);
    return true;
}

void frmProjectControl::mnuClearAll_Click()
{
    if (!Confirmed(QStringLiteral("This Routine Deletes all Projects\nClick Yes to Continue"), QStringLiteral("Delete All Projects")))
        return;
    if (!Confirmed(QStringLiteral("Are you Sure?\nClick Yes to Continue"), QStringLiteral("Verify Delete")))
        return;
    // A project whose file will not go is read back afterwards; its changes must be in it.
    WriteOtherChangedProjects(0);
    const int count = LoadedProjects().ProjectCount;
    for (int r = 1; r <= count && r < fgProjects->Rows(); ++r)
        DeleteProject(r, fgProjects->TextMatrix(r, 0));
    ClearProjectGrid();
    LoadedProjects().ProjectsLoaded = false;
    ActivateBoard();
    DisableMenuProjectRoutines();
    cmdMenu_Click();
}
