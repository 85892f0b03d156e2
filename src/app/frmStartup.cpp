#include "app/frmStartup.h"

#include "app/Startup.h"
#include "app/frmAbout.h"
#include "app/frmSetup.h"
#include "core/FileAccess.h"
#include "core/GridWheel.h"
#include "core/Links.h"
#include "core/Routines.h"
#include "core/SharedState.h"
#include "core/Utilities.h"
#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "scheduling/LoadedProjects.h"
#include "scheduling/ProjectFile.h"
#include "telephony/PhoneSettings.h"

#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct RoutineOption {
    const char* caption;
    const char* toolTip;
};

const RoutineOption RoutineOptions[10] = {
    {"&Create  a New Project", "Create a Construction Project"},
    {"Create a &Work Order", "Create a Work Order"},
    {"Print/View Work &Schedules", "View and Print Team Work Schedules"},
    {"Print/View &Administrative Events", "View and Print Administrative Events"},
    {"&Set Unattended Call Monitoring", "Record incoming calls while away"},
    {"&Place Reminder Calls", "Call Accts, about upcoming Service"},
    {"Manage Vendors, Suppliers and Sub-Contractors", "Show Vendor Screen"},
    {"Schedule &Holidays, Vacations", "Prevent Work Scheduling on Holidays Vacations etc"},
    {"Create/Modify Customer Data", "Display Customer Screen"},
    {"&Manage Existing Projects", "Manage Project Events"},
};

QString FirstProjectFile()
{
    const QStringList names = QDir(AppPath(ProjectsFolder)).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    return names.isEmpty() ? QString() : names.first();
}

} // namespace

frmStartup::frmStartup()
{
    setWindowTitle(QStringLiteral("CONSTRUCTION SCHEDULER Main Menu"));
    auto* layout = new QVBoxLayout(this);

    auto* menuBar = new QMenuBar(this);
    layout->setMenuBar(menuBar);
    QMenu* files = menuBar->addMenu(QStringLiteral("Files"));
    mnuCreate = files->addAction(QStringLiteral("Create/Modify"));
    mnuExit = files->addAction(QStringLiteral("&Exit"));
    QMenu* orderForms = menuBar->addMenu(QStringLiteral("Order Forms"));
    QMenu* businessForms = orderForms->addMenu(QStringLiteral("%1 Business Forms").arg(Links::CheckSupplierName));
    mnuChecks = businessForms->addAction(QStringLiteral("Checks and Envelopes"));
    mnuDepositSlips = businessForms->addAction(QStringLiteral("Deposit Slips"));
    mnuPPaper = orderForms->addAction(QStringLiteral("Plain Paper"));
    mnuPPPaper = orderForms->addAction(QStringLiteral("Perforated Paper"));
    mnuProposalForms = orderForms->addAction(QStringLiteral("Proposal Forms"));
    mnuAddress = orderForms->addAction(QStringLiteral("Mailing Labels"));
    mnuLabels = orderForms->addAction(QStringLiteral("Shipping Labels"));
    mnuAbout = menuBar->addAction(QStringLiteral("About"));
    mnuHelpContentsFile = menuBar->addAction(QStringLiteral("&Help"));

    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    Image1 = new PictureBox(this);
    Image1->setPixmap(ProductLogo(120));
    Image1->setToolTip(QStringLiteral("Show Setup Screen"));
    left->addWidget(Image1, 0, Qt::AlignHCenter);
    Image2 = new PictureBox(this);
    Image2->setPixmap(ProductLogo(64));
    Image2->hide();
    left->addWidget(Image2, 0, Qt::AlignHCenter);
    left->addStretch();
    Label1[1] = new QLabel(QStringLiteral("Select Routine Then Click  >>"), this);
    left->addWidget(Label1[1]);
    cmdStart = new QPushButton(QStringLiteral("&Goto"), this);
    cmdStart->setToolTip(QStringLiteral("Starts the Selected Routine"));
    cmdStart->setDefault(true);
    left->addWidget(cmdStart);
    body->addLayout(left);

    auto* routines = new QGroupBox(this);
    auto* routineLayout = new QVBoxLayout(routines);
    Label1[0] = new QLabel(QStringLiteral("Construction Scheduler Sub-routines"), routines);
    QFont heading = Label1[0]->font();
    heading.setBold(true);
    Label1[0]->setFont(heading);
    Label1[0]->installEventFilter(this);
    routineLayout->addWidget(Label1[0]);
    for (int i = 0; i < 10; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(RoutineOptions[i].caption), routines);
        option->setToolTip(QString::fromUtf8(RoutineOptions[i].toolTip));
        option->installEventFilter(this);
        routineLayout->addWidget(option);
        // A routine hidden by the rules keeps its place, so the others never move under the pointer.
        QSizePolicy keepPlace = option->sizePolicy();
        keepPlace.setRetainSizeWhenHidden(true);
        option->setSizePolicy(keepPlace);
        optProgramRoutine[size_t(i)] = option;
        connect(option, &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                optProgramRoutine_Click(i);
        });
    }
    body->addWidget(routines, 1);
    layout->addLayout(body);
    optProgramRoutine[0]->setChecked(true);

    connect(cmdStart, &QPushButton::clicked, this, [this] { cmdStart_Click(); });
    connect(Image1, &PictureBox::clicked, this, [this] { Image1_Click(); });
    connect(mnuCreate, &QAction::triggered, this, [this] { mnuCreate_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(mnuChecks, &QAction::triggered, this, [this] { mnuChecks_Click(); });
    connect(mnuDepositSlips, &QAction::triggered, this, [this] { mnuDepositSlips_Click(); });
    connect(mnuPPaper, &QAction::triggered, this, [this] { mnuPPaper_Click(); });
    connect(mnuPPPaper, &QAction::triggered, this, [this] { mnuPPPaper_Click(); });
    connect(mnuProposalForms, &QAction::triggered, this, [this] { mnuProposalForms_Click(); });
    connect(mnuAddress, &QAction::triggered, this, [this] { mnuAddress_Click(); });
    connect(mnuLabels, &QAction::triggered, this, [this] { mnuLabels_Click(); });
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
    connect(mnuHelpContentsFile, &QAction::triggered, this, [this] { mnuHelpContentsFile_Click(); });
}

bool frmStartup::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int i = 0; i < 10; ++i)
            if (watched == optProgramRoutine[size_t(i)] && optProgramRoutine[size_t(i)]->isEnabled()) {
                optProgramRoutine_DblClick(i);
                return true;
            }
        if (watched == Label1[0]) {
            Label1_DblClick(0);
            return true;
        }
    }
    return Screen::eventFilter(watched, event);
}

void frmStartup::Form_Activate()
{
    ApplyEnablingRules();
    DisableUnavailableRoutines();
}

void frmStartup::ApplyEnablingRules()
{
    if (FileExists(QStringLiteral("/CustomerData.txt"))) {
        if (FirstProjectFile().isEmpty()) {
            optProgramRoutine[9]->setEnabled(false);
            optProgramRoutine[3]->setEnabled(false);
        }
        if (!PhoneSettings().CallerIdOn)
            optProgramRoutine[5]->hide();
        optProgramRoutine[0]->setChecked(true);
        Shared().ProgramRoutine = 1;
        return;
    }
    MsgBox(QStringLiteral("Create your 1st Customer Record Now"));
    for (QRadioButton* option : optProgramRoutine)
        option->setEnabled(false);
    optProgramRoutine[8]->setEnabled(true);
    optProgramRoutine[8]->setChecked(true);
    Shared().ProgramRoutine = 9;
}

void frmStartup::DisableProjectRoutines()
{
    optProgramRoutine[9]->setEnabled(false);
    optProgramRoutine[3]->setEnabled(false);
}

void frmStartup::DisableUnavailableRoutines()
{
    for (int i = 0; i < 10; ++i)
        if (!RoutineAvailable(i + 1))
            optProgramRoutine[size_t(i)]->setEnabled(false);
}

void frmStartup::Form_Deactivate()
{
    UnhookFlexGrid();
}

void frmStartup::Form_QueryUnload(int unloadMode, bool& cancel)
{
    Q_UNUSED(cancel);
    if (unloadMode == UserClosed)
        EndProgram();
}

void frmStartup::optProgramRoutine_Click(int Index)
{
    Shared().ProgramRoutine = Index + 1;
}

void frmStartup::optProgramRoutine_DblClick(int Index)
{
    Shared().ProgramRoutine = Index + 1;
    cmdStart_Click();
}

void frmStartup::cmdStart_Click()
{
    const int routine = Shared().ProgramRoutine;
    if (routine >= 1 && routine <= RoutineCount) {
        // A routine whose screen is not part of the program yet opens nothing.
        if (!ShowRoutineScreen(routine))
            return;
    }
    Unload();
}

void frmStartup::Image1_Click()
{
    mnuCreate_Click();
}

void frmStartup::Label1_DblClick(int Index)
{
    if (Index == 0)
        Image2->show();
}

void frmStartup::mnuCreate_Click()
{
    Hide();
    ScreenInstance<frmSetup>().Show();
}

void frmStartup::mnuExit_Click()
{
    EndProgram();
}

void frmStartup::AskAndOpen(const QString& title, const QString& prompt, const QString& address)
{
    if (MsgBox(prompt, MsgButtons::YesNo, MsgIcon::Question, title) == MsgAnswer::Yes)
        OpenWebPage(address);
}

void frmStartup::mnuChecks_Click()
{
    AskAndOpen(QStringLiteral("Connect to ") + Links::CheckSupplierName,
               QStringLiteral("Checks and Envelopes for %1\r\n%2\r\nClick YES to Connect")
                   .arg(Links::InvoicerName, Links::CheckModels),
               Links::ChecksPage);
}

void frmStartup::mnuDepositSlips_Click()
{
    OpenWebPage(Links::DepositSlipsPage);
}

void frmStartup::mnuPPaper_Click()
{
    AskAndOpen(QStringLiteral("Order Paper"),
               QStringLiteral("Use Plain Paper for Reports (etc)\r\nClick Yes to connect to a Supplier"),
               Links::PlainPaperPage);
}

void frmStartup::mnuPPPaper_Click()
{
    AskAndOpen(QStringLiteral("Order Paper"),
               QStringLiteral("Perforated Response Paper is used to create\r\n"
                              "Field Invoices with a Tear-off Completion Summary\r\n"
                              "Click Yes to connect to a Supplier"),
               Links::PerforatedPaperPage);
}

void frmStartup::mnuProposalForms_Click()
{
    const QString supplier = Links::FormsSupplierName;
    AskAndOpen(QStringLiteral("Order ") + supplier + QStringLiteral(" Forms"),
               supplier + QStringLiteral(" offers 2 and 3 part carbonless paper\r\n"
                                         "Suitable for creating a Proposal Form on which\r\n"
                                         "information can be hand written as well as printed\r\n")
                   + QStringLiteral("Connect to ") + supplier + QStringLiteral(" Now"),
               Links::ProposalFormsPage);
}

void frmStartup::mnuAddress_Click()
{
    AskAndOpen(QStringLiteral("Order Paper"),
               QStringLiteral("30 to a Page Mailing Labels\r\nClick Yes to connect to a Supplier"),
               Links::MailingLabelsPage);
}

void frmStartup::mnuLabels_Click()
{
    AskAndOpen(QStringLiteral("Order Labels"), QStringLiteral("Click YES to Connect to a Supplier"),
               Links::ShippingLabelsPage);
}

void frmStartup::mnuAbout_Click()
{
    Hide();
    ScreenInstance<frmAbout>().Show();
}

void frmStartup::mnuHelpContentsFile_Click()
{
    OpenWebPage(Links::UserManual);
}
