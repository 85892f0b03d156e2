#include "app/frmSetup.h"

#include "accounts/ContactRecord.h"
#include "app/Startup.h"
#include "app/frmStartup.h"
#include "core/DataUpkeep.h"
#include "core/FileAccess.h"
#include "core/GridWheel.h"
#include "core/Links.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "core/Utilities.h"
#include "platform/Controls.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"
#include "telephony/PhoneSettings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

frmSetup::frmSetup()
{
    setWindowTitle(QStringLiteral("Scheduler Setup Form"));
    auto* layout = new QVBoxLayout(this);

    auto* menuBar = new QMenuBar(this);
    layout->setMenuBar(menuBar);
    mnuHelp = menuBar->addAction(QStringLiteral("Help"));
    mnuToggle = menuBar->addAction(QStringLiteral("Toggle Grid"));
    mnuToggle->setEnabled(false);

    tabSetup = new QTabWidget(this);
    tabSetup->setToolTip(QStringLiteral("Select Folders and Set Options"));
    tabSetup->addTab(BuildBusinessTab(), QStringLiteral("Business Info"));
    tabSetup->addTab(BuildAssignmentsTab(), QStringLiteral("Assignments"));
    tabSetup->addTab(BuildLogoTab(), QStringLiteral("Logo"));
    tabSetup->addTab(BuildOperationsTab(), QStringLiteral("Operations"));
    tabSetup->addTab(BuildMilestonesTab(), QStringLiteral("Milestones"));
    tabSetup->addTab(BuildAttributesTab(), QStringLiteral("Attributes"));
    tabSetup->addTab(BuildHelpTab(), QStringLiteral("Help"));
    layout->addWidget(tabSetup, 1);

    auto* bottom = new QHBoxLayout;
    auto* toggleLabel = new QLabel(QStringLiteral("Click toToggle Tabs >"), this);
    bottom->addWidget(toggleLabel);
    Image1 = new PictureBox(this);
    Image1->setPixmap(ProductLogo(40));
    bottom->addWidget(Image1);
    bottom->addStretch();
    cmdQuit = new QPushButton(QStringLiteral("Save Changes - Return to Main &Menu"), this);
    bottom->addWidget(cmdQuit);
    layout->addLayout(bottom);

    ConnectBusiness();
    ConnectOperations();
    ConnectTeams();
    ConnectMilestones();
    ConnectLogo();
    connect(cmdQuit, &QPushButton::clicked, this, [this] { cmdQuit_Click(); });
    connect(Image1, &PictureBox::clicked, this, [this] { Image1_Click(); });
    connect(mnuHelp, &QAction::triggered, this, [this] { mnuHelp_Click(); });
    connect(mnuToggle, &QAction::triggered, this, [this] { mnuToggle_Click(); });
    connect(tabSetup, &QTabWidget::currentChanged, this, [this](int) { tabSetup_Click(); });
    resize(760, 520);
}

void frmSetup::Form_Load()
{
    HookFlexGrid(this, fgMilestones);
    LoadSettingsFiles();
    LoadPhoneSettings();
    ShowPhoneSettings();
    ShowLoadedSettings();
}

void frmSetup::ShowLoadedSettings()
{
    ShowBusinessData();
    const SettingsValues& s = Settings();
    // Setting the controls runs their handlers, which keep the settings as loaded.
    const bool promptsOn = s.PromptsOn;
    const bool alarmsOn = s.AlarmsOn;
    ckPrompts->setChecked(promptsOn);
    ckAlarms->setChecked(alarmsOn);

    const quint8 startHour = s.StartHour;
    const quint8 workWeek = s.WorkWeek;
    const bool daysOn = s.DaysOn;
    (startHour == 7 ? ck7 : ck8)->setChecked(true);
    switch (workWeek) {
    case 61:
        optMS->setChecked(true);
        break;
    case 62:
        optSF->setChecked(true);
        break;
    case 7:
        optSS->setChecked(true);
        break;
    default:
        optMF->setChecked(true);
        break;
    }
    ckDays->setChecked(daysOn);

    const LiveSettings live = Live();
    SetSwatch(txtBorders, live.BorderColor);
    SetSwatch(txtData, live.TextColor);
    lblFont->setText(live.FontName);
    ckColor->setChecked(live.ColorPrinting);
    FillCopiesList();
    ShowLogo();
    FillAssignmentsList();
    // The load has just read the catalogue file.
    ShowCatalogue();
    ResetSetupTabs();
}

void frmSetup::ResetSetupTabs()
{
    tabSetup->setCurrentIndex(BusinessTab);
    SSTab1->setCurrentIndex(0);
    tabSetup->setTabEnabled(AttributesTab, cboMilestones->count() > 0);
    optbCon->setChecked(true);
    optAdmin->setChecked(true);
    ApplyAddressStyle(Live().AddressStyle);
}

void frmSetup::Form_Activate()
{
    HookFlexGrid(this, fgMilestones);
    tabSetup->setCurrentIndex(BusinessTab);
    txtBusiness[0]->setFocus();
    if (FileExists(VendorDataPath))
        LoadSubContractors();
}

void frmSetup::Form_Deactivate()
{
    UnhookFlexGrid();
}

void frmSetup::Form_QueryUnload(int unloadMode, bool& cancel)
{
    Q_UNUSED(cancel);
    UnhookFlexGrid();
    if (unloadMode == UserClosed)
        EndProgram();
}

void frmSetup::ShowSettingsSaveFailure(const QString& whatFailed)
{
    // The list is never written over while it cannot be read; the folder may well be writable.
    if (Shared().TeamListUnreadable)
        MsgBox(whatFailed + QStringLiteral("\nThe team list, Assignto.txt, cannot be read: the teams are not saved "
                                           "until it can be read."),
               MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Save Failed"));
    else
        ShowWriteFailure(whatFailed);
}

void frmSetup::cmdQuit_Click()
{
    CreateBackupYearFolders();

    SettingsScreenValues values;
    for (size_t i = 0; i < txtBusiness.size(); ++i)
        values.BusinessBoxes[i] = txtBusiness[i]->text();
    values.Assignments = AssignmentNames();
    values.Milestones = MilestoneNames();
    values.SavePhone = [this] { return SavePhoneChoices(); };
    if (!SaveAllSettings(values))
        ShowSettingsSaveFailure(QStringLiteral("Some settings could not be saved."));
    ShowBusinessData();
    ApplyAddressStyle(Live().AddressStyle);

    if (CheckSettingsFiles()) {
        Hide();
        ScreenInstance<frmStartup>().Show();
        return;
    }
    MsgBox(QStringLiteral("You Have Not Created All Required Files"));
    tabSetup->setCurrentIndex(BusinessTab);
}

void frmSetup::tabSetup_Click()
{
    mnuToggle->setEnabled(false);
    switch (tabSetup->currentIndex()) {
    case AssignmentsTab:
        cmdSave->setEnabled(true);
        cmdChange[4]->setEnabled(false);
        cmdDelete->setEnabled(false);
        cboAssignments->setFocus();
        break;
    case MilestonesTab:
        mnuToggle->setEnabled(true);
        cboMilestones->setFocus();
        break;
    case AttributesTab:
        StartAttributeWizard();
        break;
    default:
        break;
    }
}

void frmSetup::Image1_Click()
{
    const int tab = tabSetup->currentIndex();
    tabSetup->setCurrentIndex(tab == HelpTab || tab == MilestonesTab ? BusinessTab : tab + 1);
}

void frmSetup::mnuHelp_Click()
{
    OpenWebPage(Links::UserManual);
}

QWidget* frmSetup::BuildHelpTab()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    const QStringList lines = {
        QStringLiteral("Business Info: your company's name, address and telephone, printed on work orders and reports."),
        QStringLiteral("Assignments: the teams (an Individual, a Team, a Truck Route, a Territory, etc.) that work is booked to."),
        QStringLiteral("Logo: the picture printed at the top of work orders."),
        QStringLiteral("Operations: the work days and start time, the phone connection, printing and assistance options."),
        QStringLiteral("Milestones and Attributes: the steps of a construction project and how each is scheduled."),
        QStringLiteral("Click \"Save Changes - Return to Main Menu\" when you are done."),
    };
    for (const QString& line : lines) {
        auto* label = new QLabel(line, page);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addStretch();
    return page;
}
