#include "projects/frmProjectControl.h"

#include "core/GridWheel.h"
#include "core/Links.h"
#include "core/Navigation.h"
#include "core/Shutdown.h"
#include "core/Utilities.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "scheduling/LoadedProjects.h"

#include <QCalendarWidget>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

frmProjectControl::frmProjectControl()
{
    setWindowTitle(QStringLiteral("Construction Project Control"));
    resize(900, 620);
    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    layout->setMenuBar(menuBar);
    QMenu* routines = menuBar->addMenu(QStringLiteral("Routines"));
    mnuPastDue = routines->addAction(QStringLiteral("View Past Due Milestones"));
    mnuPrintAll = routines->addAction(QStringLiteral("Print All Projects"));
    mnuClearAll = routines->addAction(QStringLiteral("Delete All Projects"));
    mnuHelp = menuBar->addAction(QStringLiteral("Help"));

    mnuMilestones = new QMenu(QStringLiteral("Milestones"), this);
    mnuDetails = mnuMilestones->addAction(QStringLiteral("View Milestone Details"));
    mnuRescheduleMilestone = mnuMilestones->addAction(QStringLiteral("Reschedule Milestone"));
    mnuComplete = mnuMilestones->addAction(QStringLiteral("Complete Milestone"));
    mnuProjects = new QMenu(QStringLiteral("Projects"), this);
    mnuProjectSummary = mnuProjects->addAction(QStringLiteral("View Project Details"));
    mnuCompleteProject = mnuProjects->addAction(QStringLiteral("Complete Project"));
    mnuPrint = mnuProjects->addAction(QStringLiteral("Print Project Summary"));
    mnuDeleteProject = mnuProjects->addAction(QStringLiteral("Delete Project"));

    layout->addWidget(BuildCalendarPanel(), 1);
    layout->addWidget(BuildProjectsPanel(), 1);
    layout->addWidget(BuildPastDuePanel(), 1);
    layout->addWidget(BuildSummaryPanel(), 1);
    SetAlternatePanels({fraMSCal, fraProjects, fraCompleteMS, fraProjectSummary});

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    cmdMenu = new QPushButton(QStringLiteral("&Menu"), this);
    cmdMenu->setToolTip(QStringLiteral("Return to the Menu"));
    bottom->addWidget(cmdMenu);
    layout->addLayout(bottom);

    connect(mnuPastDue, &QAction::triggered, this, [this] { mnuPastDue_Click(); });
    connect(mnuHelp, &QAction::triggered, this, [this] { mnuHelp_Click(); });
    connect(mnuDetails, &QAction::triggered, this, [this] { mnuDetails_Click(); });
    connect(mnuRescheduleMilestone, &QAction::triggered, this, [this] { mnuRescheduleMilestone_Click(); });
    connect(mnuProjectSummary, &QAction::triggered, this, [this] { mnuProjectSummary_Click(); });
    connect(cmdMenu, &QPushButton::clicked, this, [this] { cmdMenu_Click(); });
    ConnectLists();
    ConnectSummary();
    ConnectCalendar();
    ConnectCompleting();
    ConnectDialling();
    SizeForTallestPanels();
}

void frmProjectControl::Form_Load()
{
    HookFlexGrid(this, fgProjects);
    LoadProjects();
    if (!LoadedProjects().ProjectsLoaded)
        DisableMenuProjectRoutines();
    FillHourTimes();
    // The dial icon follows the phone settings, which are read after the board has loaded.
    imgDialer->hide();
}

void frmProjectControl::Form_Activate()
{
    SetDialerIcon();
    if (dialling_)
        return;
    ActivateBoard();
}

void frmProjectControl::ActivateBoard()
{
    if (!LoadedProjects().ProjectsLoaded)
        LoadProjects();
    else
        FillProjectLists();
    HidePanels();
    MSCal->setSelectedDate(Clock::Today());
    ShowPanel(fgCompleted->Rows() >= 3 ? 3 : 2);
}

void frmProjectControl::DisableMenuProjectRoutines()
{
    NoProjectsLoaded();
}

void frmProjectControl::Form_Deactivate()
{
    UnhookFlexGrid();
}

void frmProjectControl::Form_QueryUnload(int unloadMode, bool& cancel)
{
    Q_UNUSED(cancel);
    UnhookFlexGrid();
    if (LoadedProjects().ProjectsLoaded)
        SaveAndReport();
    if (unloadMode == UserClosed)
        EndProgram();
}

void frmProjectControl::Form_Unload()
{
    // The window's size is not kept between visits.
}

void frmProjectControl::SaveAndReport()
{
    const QStringList failed = SaveProjects();
    if (!failed.isEmpty())
        ShowWriteFailure(QStringLiteral("These Project Files could not be written:\n") + FewLines(failed));
}

void frmProjectControl::ShowPanel(int n)
{
    HidePanels();
    switch (n) {
    case 1:
        fraMSCal->show();
        break;
    case 2:
        fraProjects->show();
        HookFlexGrid(this, fgProjects);
        break;
    case 3:
        fraCompleteMS->show();
        break;
    case 4:
        fraProjectSummary->show();
        break;
    default:
        break;
    }
}

void frmProjectControl::HidePanels()
{
    CloseCalendarPanel();
    for (QGroupBox* panel : {fraMSCal, fraProjects, fraCompleteMS, fraProjectSummary})
        panel->hide();
    UnhookFlexGrid();
}

void frmProjectControl::mnuHelp_Click()
{
    OpenWebPage(Links::UserManual);
}

void frmProjectControl::cmdMenu_Click()
{
    SaveAndReport();
    Unload();
    ShowMainMenu();
}

bool frmProjectControl::eventFilter(QObject* watched, QEvent* event)
{
    FlexGrid* grid = watched == fgProjects->viewport()     ? fgProjects
                     : watched == fgMilestones->viewport() ? fgMilestones
                                                           : nullptr;
    // Greyed under the calendar panel, the list cannot be scrolled by hand: whatever room the
    // panel leaves it, the panel's own milestone is brought into view whole.
    // Done once the list has taken its new size and scroll range.
    if (grid == fgMilestones && event->type() == QEvent::Resize)
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!fgMilestones->isEnabled() && panelMilestone_ > 0)
                    fgMilestones->scrollTo(fgMilestones->model()->index(panelMilestone_ - 1, 0));
            },
            Qt::QueuedConnection);
    for (int i = 0; i < int(lblCustomer.size()); ++i)
        if (watched == lblCustomer[size_t(i)] && event->type() == QEvent::MouseButtonRelease)
            lblCustomer_MouseUp(i, static_cast<QMouseEvent*>(event)->button());
    // A disabled grid still shows its clicks to this filter; they must not move its row or open a menu.
    if (grid && grid->isEnabled() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        // A right-click acts on the row under the pointer.
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::RightButton) {
            const int row = grid->rowAt(mouse->position().toPoint().y());
            if (row >= 0)
                grid->setCurrentCell(row, std::max(0, grid->currentColumn()));
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            if (grid == fgProjects)
                fgProjects_MouseUp(mouse->button());
            else
                fgMilestones_MouseUp(mouse->button());
        }
    }
    return Screen::eventFilter(watched, event);
}
