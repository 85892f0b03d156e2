// The project list and the past-due list of the control board.
#include "projects/frmProjectControl.h"

#include "core/GridWheel.h"
#include "core/Utilities.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/RegionalFormat.h"
#include "projects/BoardControls.h"
#include "scheduling/LoadedProjects.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QList<int> ProjectsCentred{0, 2, 4};
const QList<int> PastDueCentred{0, 3};
} // namespace

QWidget* frmProjectControl::BuildProjectsPanel()
{
    fraProjects = new QGroupBox(QStringLiteral("Construction Projects"), this);
    auto* layout = new QVBoxLayout(fraProjects);
    fgProjects = NewBoardGrid(fraProjects,
                              {QStringLiteral("Project"), QStringLiteral("Project Name"), QStringLiteral("Account No"),
                               QStringLiteral("Customer Name"), QStringLiteral("Telephone")},
                              ProjectsCentred, 1);
    layout->addWidget(fgProjects, 1);
    auto* hints = new QHBoxLayout;
    imgDialer = new PictureBox(fraProjects);
    imgDialer->setToolTip(QStringLiteral("Click No in grid, then click to Call Customer"));
    imgDialer->hide();
    hints->addWidget(imgDialer);
    Label3 = new QLabel(QStringLiteral("Click on a Project to Select it   Then Right Click for Options"), fraProjects);
    hints->addWidget(Label3);
    hints->addStretch();
    layout->addLayout(hints);
    return fraProjects;
}

QWidget* frmProjectControl::BuildPastDuePanel()
{
    fraCompleteMS = new QGroupBox(QStringLiteral("Milestones Past Completion Date"), this);
    auto* layout = new QVBoxLayout(fraCompleteMS);
    fgCompleted = NewBoardGrid(fraCompleteMS,
                               {QStringLiteral("Project No"), QStringLiteral("Project Name"), QStringLiteral("Milestone"),
                                QStringLiteral("Date")},
                               PastDueCentred, 2);
    layout->addWidget(fgCompleted, 1);
    for (const char* text : {"These Milestones should have been Completed prior to today You can post them as "
                             "Completed as of today by clicking the CompleteAll Button.",
                             "If you require more accurate Completion Dates,",
                             "Close this window and post individual completion data",
                             "Click Print to Print Milestones Past Completion Date Summary"}) {
        auto* label = new QLabel(QString::fromUtf8(text), fraCompleteMS);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdPrintPastCompletion = new QPushButton(QStringLiteral("Print"), fraCompleteMS);
    cmdCompleteAll = new QPushButton(QStringLiteral("CompleteAll"), fraCompleteMS);
    cmdGotoProjects = new QPushButton(QStringLiteral("Close"), fraCompleteMS);
    for (QPushButton* button : {cmdPrintPastCompletion, cmdCompleteAll, cmdGotoProjects})
        buttons->addWidget(button);
    layout->addLayout(buttons);
    return fraCompleteMS;
}

void frmProjectControl::ConnectLists()
{
    fgProjects->viewport()->installEventFilter(this);
    connect(fgProjects, &QTableWidget::cellDoubleClicked, this, [this] { fgProjects_DblClick(); });
    connect(cmdGotoProjects, &QPushButton::clicked, this, [this] { cmdGotoProjects_Click(); });
}

void frmProjectControl::LoadProjects()
{
    ::LoadProjects();
    FillProjectLists();
    const QStringList damaged = TakeUnreportedDamagedFiles();
    if (!damaged.isEmpty())
        MsgBox(QStringLiteral("These Project Files could not be read\n") + FewLines(damaged) +
                   QStringLiteral("\nThey are not listed and have not been changed"),
               MsgButtons::OkOnly, MsgIcon::Exclamation);
}

void frmProjectControl::FillProjectLists()
{
    const LoadedProjectsState& state = LoadedProjects();
    mnuPastDue->setEnabled(false);
    mnuClearAll->setEnabled(false);
    mnuPrintAll->setEnabled(false);
    ClearProjectGrid();
    fgCompleted->SetRows(2);
    for (int col = 0; col < fgCompleted->Cols(); ++col)
        fgCompleted->SetTextMatrix(1, col, QString());
    fgCompleted->setCurrentCell(0, 0);
    if (!state.ProjectsLoaded || state.ProjectCount == 0)
        return;

    mnuClearAll->setEnabled(true);
    mnuPrintAll->setEnabled(true);
    fgProjects->SetRows(state.ProjectCount + 1);
    for (int i = 1; i <= state.ProjectCount; ++i) {
        const ProjectHeader& h = state.Projects.at(i).Header;
        const QString cells[5] = {h.ProjectNo, h.ProjectName, h.AccountNo, h.CustomerName, h.Telephone};
        for (int col = 0; col < 5; ++col)
            fgProjects->SetTextMatrix(i, col, cells[col]);
    }
    CentreColumns(fgProjects, ProjectsCentred);
    fgProjects->setCurrentCell(0, 0);

    const QList<MilestoneRef> pastDue = PastDueMilestones();
    fgCompleted->SetRows(int(pastDue.size()) + 2);
    for (int r = 1; r <= pastDue.size(); ++r) {
        const MilestoneRef& ref = pastDue.at(r - 1);
        const LoadedProject& project = state.Projects.at(ref.Project);
        const MilestoneRecord& m = project.Milestones.at(ref.Milestone - 1);
        fgCompleted->SetTextMatrix(r, 0, project.Header.ProjectNo);
        fgCompleted->SetTextMatrix(r, 1, project.Header.ProjectName);
        fgCompleted->SetTextMatrix(r, 2, m.MilestoneName);
        fgCompleted->SetTextMatrix(r, 3, ShortDateText(m.ScheduledDate));
    }
    for (int col = 0; col < fgCompleted->Cols(); ++col)
        fgCompleted->SetTextMatrix(fgCompleted->Rows() - 1, col, QString());
    CentreColumns(fgCompleted, PastDueCentred);
    mnuPastDue->setEnabled(!pastDue.isEmpty());
}

void frmProjectControl::ClearProjectGrid()
{
    fgProjects->SetRows(2);
    for (int col = 0; col < 5; ++col)
        fgProjects->SetTextMatrix(1, col, QString());
    fgProjects->setCurrentCell(0, 0);
}

bool frmProjectControl::ProjectRowSelected() const
{
    const int row = fgProjects->currentRow() + 1;
    return row >= 1 && row <= LoadedProjects().ProjectCount && row < fgProjects->Rows();
}

void frmProjectControl::fgProjects_Click()
{
    if (ProjectRowSelected())
        SelectedProject = fgProjects->currentRow() + 1;
}

void frmProjectControl::fgProjects_MouseUp(Qt::MouseButton button)
{
    fgProjects_Click();
    if (button != Qt::RightButton || !ProjectRowSelected())
        return;
    // The menu's actions work on the summary of the row it was opened on.
    ShowProjectSummary();
    mnuProjects->popup(QCursor::pos());
}

void frmProjectControl::fgProjects_DblClick()
{
    if (!ProjectRowSelected())
        return;
    fgProjects_Click();
    ShowProjectSummary();
    mnuProjectSummary_Click();
}

void frmProjectControl::mnuProjectSummary_Click()
{
    if (!ProjectRowSelected())
        return;
    ShowPanel(4);
    cmdPJSHide->setFocus();
}

void frmProjectControl::mnuPastDue_Click()
{
    HidePanels();
    fraCompleteMS->show();
}

void frmProjectControl::cmdGotoProjects_Click()
{
    ShowPanel(2);
}
