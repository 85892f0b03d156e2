// The project summary panel of the control board and the milestone details over it.
#include "projects/frmProjectControl.h"

#include "core/GridWheel.h"
#include "platform/Controls.h"
#include "platform/FlexGrid.h"
#include "platform/RegionalFormat.h"
#include "projects/BoardControls.h"
#include "projects/ProjectSummary.h"
#include "scheduling/LoadedProjects.h"
#include "scheduling/TeamDayStore.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QList<int> MilestonesCentred{3, 4};

QLabel* ValueLabel(QWidget* parent)
{
    auto* label = new ElidedLabel(parent);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(120);
    return label;
}
} // namespace

QWidget* frmProjectControl::BuildSummaryPanel()
{
    fraProjectSummary = new QGroupBox(QStringLiteral("Project Summary"), this);
    auto* layout = new QGridLayout(fraProjectSummary);
    auto* heading = new QGridLayout;
    lblPJSProNo = ValueLabel(fraProjectSummary);
    lblPJSProTitle = ValueLabel(fraProjectSummary);
    lblAcctNo = ValueLabel(fraProjectSummary);
    heading->addWidget(new QLabel(QStringLiteral("Project"), fraProjectSummary), 0, 0);
    heading->addWidget(lblPJSProNo, 0, 1);
    heading->addWidget(new QLabel(QStringLiteral("Title"), fraProjectSummary), 1, 0);
    heading->addWidget(lblPJSProTitle, 1, 1);
    heading->addWidget(new QLabel(QStringLiteral("Account"), fraProjectSummary), 2, 0);
    heading->addWidget(lblAcctNo, 2, 1);
    auto* customer = new QVBoxLayout;
    for (size_t i = 0; i < lblCustomer.size(); ++i) {
        lblCustomer[i] = new ElidedLabel(fraProjectSummary);
        customer->addWidget(lblCustomer[i]);
    }
    heading->addLayout(customer, 0, 2, 4, 1);
    fraProposal = new QGroupBox(QStringLiteral("Proposal"), fraProjectSummary);
    auto* proposal = new QVBoxLayout(fraProposal);
    lblProposal = new QLabel(fraProposal);
    proposal->addWidget(lblProposal);
    heading->addWidget(fraProposal, 0, 3, 3, 1);
    heading->setColumnStretch(1, 1);
    heading->setColumnStretch(2, 1);
    layout->addLayout(heading, 0, 0);

    fgMilestones = NewBoardGrid(fraProjectSummary,
                                {QStringLiteral("No"), QStringLiteral("Title"), QStringLiteral("Status"),
                                 QStringLiteral("Start Date"), QStringLiteral("Completd Date")},
                                MilestonesCentred, 1);
    layout->addWidget(fgMilestones, 1, 0);
    // The details lie over the milestone list.
    layout->addWidget(BuildDetailsPanel(), 1, 0, Qt::AlignCenter);
    layout->setRowStretch(1, 1);

    auto* bottom = new QHBoxLayout;
    auto* hints = new QVBoxLayout;
    hints->addWidget(new QLabel(QStringLiteral("Click on a Milestone to Select it"), fraProjectSummary));
    hints->addWidget(new QLabel(QStringLiteral("Then Right Click to Display Options"), fraProjectSummary));
    bottom->addLayout(hints);
    bottom->addStretch();
    bottom->addWidget(new QLabel(QStringLiteral("Project Days"), fraProjectSummary));
    lblProDays = ValueLabel(fraProjectSummary);
    lblProDays->setMinimumWidth(50);
    bottom->addWidget(lblProDays);
    cmdPrint = new QPushButton(QStringLiteral("Print Project"), fraProjectSummary);
    cmdPJSHide = new QPushButton(QStringLiteral("Close"), fraProjectSummary);
    bottom->addWidget(cmdPrint);
    bottom->addWidget(cmdPJSHide);
    layout->addLayout(bottom, 2, 0);
    return fraProjectSummary;
}

QWidget* frmProjectControl::BuildDetailsPanel()
{
    fraMSDetails = new QGroupBox(QStringLiteral("Milestone Summary"), fraProjectSummary);
    fraMSDetails->setAutoFillBackground(true);
    auto* layout = new QGridLayout(fraMSDetails);
    const char* const captions[8] = {"Milestone", "Assigned to", "Project Phase", "Scheduled Date/Time",
                                     "Time Allotted", "Dependent on Milestone", "Status", "Location"};
    for (int i = 0; i < 8; ++i) {
        layout->addWidget(new QLabel(QString::fromUtf8(captions[i]), fraMSDetails), i, 0);
        lblMSInfo[size_t(i)] = ValueLabel(fraMSDetails);
        lblMSInfo[size_t(i)]->setMinimumWidth(260);
        layout->addWidget(lblMSInfo[size_t(i)], i, 1);
    }
    cmdMSDetailsHide = new QPushButton(QStringLiteral("Close"), fraMSDetails);
    layout->addWidget(cmdMSDetailsHide, 8, 1, Qt::AlignRight);
    fraMSDetails->hide();
    return fraMSDetails;
}

void frmProjectControl::ConnectSummary()
{
    fgMilestones->viewport()->installEventFilter(this);
    connect(fgMilestones, &QTableWidget::cellDoubleClicked, this, [this] { fgMilestones_DblClick(); });
    connect(cmdPJSHide, &QPushButton::clicked, this, [this] { cmdPJSHide_Click(); });
    connect(cmdMSDetailsHide, &QPushButton::clicked, this, [this] { cmdMSDetailsHide_Click(); });
    connect(mnuMilestones, &QMenu::aboutToShow, this, [this] {
        if (MilestoneRowSelected())
            lblMilestone->setText(LoadedMilestone(SelectedProject, SelectedMilestone).MilestoneName);
    });
}

void frmProjectControl::ShowProjectSummary()
{
    if (!ProjectRowSelected())
        return;
    const int p = fgProjects->currentRow() + 1;
    LoadMilestoneGrid();
    lblPJSProNo->setText(fgProjects->TextMatrix(p, 0));
    lblPJSProTitle->setText(fgProjects->TextMatrix(p, 1));
    lblAcctNo->setText(fgProjects->TextMatrix(p, 2));
    lblProDays->setText(QString::number(ProjectDays()));
    const ProjectHeader& h = LoadedProjects().Projects.at(p).Header;
    const QString proposal = ProposalText(h);
    lblProposal->setText(proposal);
    fraProposal->setVisible(!proposal.isEmpty());
    lblCustomer[0]->setText(h.CustomerName);
    lblCustomer[1]->setText(h.Address1);
    lblCustomer[2]->setText(CityLine(h));
    lblCustomer[3]->setText(h.Telephone);
    fraMSDetails->hide();
    UnhookFlexGrid();
}

void frmProjectControl::LoadMilestoneGrid()
{
    SelectedProject = fgProjects->currentRow() + 1;
    milestoneGridProject_ = SelectedProject;
    const QList<MilestoneRecord>& milestones = LoadedProjects().Projects.at(SelectedProject).Milestones;
    fgMilestones->SetRows(int(milestones.size()) + 1);
    for (int j = 1; j <= milestones.size(); ++j) {
        const MilestoneRecord& m = milestones.at(j - 1);
        fgMilestones->SetTextMatrix(j, 0, QString::number(j));
        fgMilestones->SetTextMatrix(j, 1, m.MilestoneName);
        fgMilestones->SetTextMatrix(j, 2, m.Status);
        fgMilestones->SetTextMatrix(j, 3, ShortDateText(m.ScheduledDate));
        fgMilestones->SetTextMatrix(j, 4, m.CompletedDate);
    }
    CentreColumns(fgMilestones, MilestonesCentred);
    FirstDate = milestones.isEmpty() ? QDate() : milestones.first().ScheduledDate;
    LastDate = milestones.isEmpty() ? QDate() : milestones.last().ScheduledDate;
    fgMilestones->setCurrentCell(milestones.isEmpty() ? -1 : 0, 0);
}

int frmProjectControl::ProjectDays() const
{
    if (SelectedProject < 1 || SelectedProject > LoadedProjects().ProjectCount)
        return 0;
    return ProjectDayTotal(LoadedProjects().Projects.at(SelectedProject));
}

void frmProjectControl::RefreshMilestoneFigures(int project)
{
    if (project != milestoneGridProject_ || project < 1 || project > LoadedProjects().ProjectCount)
        return;
    const QList<MilestoneRecord>& milestones = LoadedProjects().Projects.at(project).Milestones;
    for (int j = 1; j <= milestones.size() && j < fgMilestones->Rows(); ++j)
        fgMilestones->SetTextMatrix(j, 3, ShortDateText(milestones.at(j - 1).ScheduledDate));
    if (project == SelectedProject)
        lblProDays->setText(QString::number(ProjectDays()));
}

bool frmProjectControl::MilestoneRowSelected() const
{
    if (SelectedProject < 1 || SelectedProject > LoadedProjects().ProjectCount)
        return false;
    const int row = fgMilestones->currentRow() + 1;
    return row >= 1 && row <= LoadedProjects().Projects.at(SelectedProject).Milestones.size();
}

void frmProjectControl::fgMilestones_Click()
{
    if (!MilestoneRowSelected())
        return;
    SelectedMilestone = fgMilestones->currentRow() + 1;
    TeamDay().CurrentTeam = MilestoneTeam(LoadedMilestone(SelectedProject, SelectedMilestone));
}

void frmProjectControl::fgMilestones_MouseUp(Qt::MouseButton button)
{
    fgMilestones_Click();
    if (button != Qt::RightButton || !MilestoneRowSelected())
        return;
    const bool open = fgMilestones->TextMatrix(SelectedMilestone, 2) != StatusCompleted;
    mnuRescheduleMilestone->setEnabled(open);
    mnuComplete->setEnabled(open);
    mnuMilestones->popup(QCursor::pos());
}

void frmProjectControl::fgMilestones_DblClick()
{
    if (!MilestoneRowSelected())
        return;
    fgMilestones_Click();
    mnuDetails_Click();
}

void frmProjectControl::mnuDetails_Click()
{
    if (!MilestoneRowSelected())
        return;
    const std::array<QString, 8> texts =
        MilestoneDetailTexts(LoadedProjects().Projects.at(SelectedProject), fgMilestones->currentRow() + 1);
    for (size_t i = 0; i < texts.size(); ++i)
        lblMSInfo[i]->setText(texts[i]);
    fraMSDetails->show();
    fraMSDetails->raise();
}

void frmProjectControl::cmdPJSHide_Click()
{
    ShowPanel(2);
}

void frmProjectControl::cmdMSDetailsHide_Click()
{
    fraMSDetails->hide();
}
