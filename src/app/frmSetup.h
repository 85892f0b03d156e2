#pragma once

#include "platform/Screen.h"

#include <array>

class FlexGrid;
class PictureBox;
class QAction;
class QListWidget;
class UpDown;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TextBox;

// The settings screen: business data, teams, logo, work days, phone, printing and assistance
// options, the milestone catalogue and its attributes. Loaded once at start-up and kept loaded
// and hidden; every change that other screens depend on is written through to the live
// settings at once, and "Save Changes" writes the files.
class frmSetup : public Screen {
    Q_OBJECT
public:
    frmSetup();

    // Leave and save.
    void cmdQuit_Click();
    // Business Info tab.
    void cmdAddress_Click();
    void Image5_Click();
    void Image4_Click();
    // Work Days, Printing and Assistance tabs.
    void ck7_Click();
    void ck8_Click();
    void optMF_Click();
    void optMS_Click();
    void optSF_Click();
    void optSS_Click();
    void ckDays_Click();
    void ckPrompts_Click();
    void ckAlarms_Click();
    void ckColor_Click();
    // Phone Connection page.
    void ckCallerID_Click();
    // The probe's and the phone files' result on the page.
    void ShowPhoneSettings();
    // The chained-phone box into PhoneOn, then the phone files; false when a write failed.
    bool SavePhoneChoices();
    void cmdChange_Click(int Index);
    void cboCopies_Change();
    // Assignments tab: the team list.
    void cboAssignments_Click(int index);
    void cmdAddNew_Click();
    void cmdSave_Click();
    void cmdDelete_Click();
    void cboAssignments_DragDrop();
    void LoadSubContractors();
    // The team list from TeamNames, as start-up and every change fill it.
    void FillAssignmentsList();
    QStringList AssignmentNames() const;
    // Milestones tab: the catalogue.
    void cmdAddMilestone_Click();
    void cmdDeleteMilestone_Click();
    void cmdClear_Click();
    void updnMilestone_DownClick();
    void updnMilestone_UpClick();
    void cmdSaveMilestones_Click();
    void cmdBuildAttributes_Click();
    void mnuToggle_Click();
    void Command1_Click();
    void FillMilestoneGrid();
    QStringList MilestoneNames() const;
    // Reads the catalogue file and shows it in the list, the grid and the tabs.
    void ReloadCharacteristics();
    // The catalogue as loaded, in the list, the grid and the tabs.
    void ShowCatalogue();
    // Attributes tab: the wizard.
    void StartAttributeWizard();
    void cmdCharContinue_Click();
    void StoreCharacteristics();
    void LoadButtons();
    void DemensionCharacteristics();
    void lstDependencies_Click(int position);
    void cmdResetDepend_Click();
    void lblReset_Click();
    void UpDnDays_Click();
    // Logo tab.
    void cmdLogo_Click(int Index);
    void UpDown3_DownClick();
    void UpDown3_UpClick();
    void UpDown2_DownClick();
    void UpDown2_UpClick();
    // Shows the logo pictures as the live settings hold them.
    void ShowLogo();
    // Tabs and menu.
    void tabSetup_Click();
    void Image1_Click();
    void mnuHelp_Click();

    // The nine business globals into the boxes.
    void ShowBusinessData();
    // Applies "USA Style Address" or "International Style Address" to the business boxes.
    void ApplyAddressStyle(const QString& style);
    void ResetSetupTabs();
    // The Part of the load that puts the settings into the controls.
    void ShowLoadedSettings();
    void FillCopiesList();

    // Tab indexes of tabSetup.
    // Tab of SSTab1 that holds the phone options.
    static constexpr int PhoneTab = 1;
    enum Tab { BusinessTab = 0, AssignmentsTab, LogoTab, OperationsTab, MilestonesTab, AttributesTab, HelpTab };

    QTabWidget* tabSetup = nullptr;
    QTabWidget* SSTab1 = nullptr;
    std::array<TextBox*, 9> txtBusiness{};
    std::array<QLabel*, 7> lblAddress{};
    QLabel* lblPostal = nullptr;
    QPushButton* cmdAddress = nullptr;
    PictureBox* Image4 = nullptr;
    PictureBox* Image5 = nullptr;
    QRadioButton* ck8 = nullptr;
    QRadioButton* ck7 = nullptr;
    QRadioButton* optMF = nullptr;
    QRadioButton* optMS = nullptr;
    QRadioButton* optSF = nullptr;
    QRadioButton* optSS = nullptr;
    QCheckBox* ckDays = nullptr;
    QCheckBox* ckColor = nullptr;
    QLabel* txtBorders = nullptr;
    QLabel* txtData = nullptr;
    QLabel* lblFont = nullptr;
    // 1 to 3 change the print colours and font; 0 and 4 rename a team.
    std::array<QPushButton*, 5> cmdChange{};
    QComboBox* cboCopies = nullptr;
    QCheckBox* ckPhone = nullptr;
    QCheckBox* ckCallerID = nullptr;
    QLabel* lblCallid = nullptr;
    TextBox* txtModemPort = nullptr;
    QCheckBox* ckPrompts = nullptr;
    QCheckBox* ckAlarms = nullptr;
    QPushButton* cmdQuit = nullptr;

    QComboBox* cboAssignments = nullptr;
    QPushButton* cmdAddNew = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdDelete = nullptr;
    QGroupBox* fraContacts = nullptr;
    QListWidget* lstContacts = nullptr;
    int SelectedTeamIndex = -1;
    int DeletedTeamNo = 0;
    bool AddedByDrop = false;

    QComboBox* cboMilestones = nullptr;
    QPushButton* cmdAddMilestone = nullptr;
    QPushButton* cmdDeleteMilestone = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdSaveMilestones = nullptr;
    QPushButton* cmdBuildAttributes = nullptr;
    QPushButton* Command1 = nullptr;
    UpDown* updnMilestone = nullptr;
    FlexGrid* fgMilestones = nullptr;

    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QPushButton*, 7> cmdLogo{};
    UpDown* UpDown2 = nullptr;
    UpDown* UpDown3 = nullptr;
    // The picture the Find button chose in this run; what Store keeps.
    QString ChosenLogoFile;

    QLabel* txtMilestone = nullptr;
    QGroupBox* fraFunction = nullptr;
    QGroupBox* fraSeq = nullptr;
    QGroupBox* fraDependencies = nullptr;
    QGroupBox* fraLeadTime = nullptr;
    QRadioButton* optAdmin = nullptr;
    QRadioButton* optTech = nullptr;
    QRadioButton* optbCon = nullptr;
    QRadioButton* optdCon = nullptr;
    QRadioButton* optaCon = nullptr;
    QListWidget* lstDependencies = nullptr;
    QPushButton* cmdResetDepend = nullptr;
    QLabel* lblDependency = nullptr;
    UpDown* UpDnDays = nullptr;
    QLabel* txtDays = nullptr;
    PictureBox* lblReset = nullptr;
    QPushButton* cmdCharContinue = nullptr;
    int WizardStarted = 0;
    int EntriesDone = 0;
    int CurrentEntry = 0;
    bool ConfirmEachStep = false;
    PictureBox* Image1 = nullptr;
    QAction* mnuHelp = nullptr;
    QAction* mnuToggle = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_QueryUnload(int unloadMode, bool& cancel) override;

private:
    QWidget* BuildBusinessTab();
    QWidget* BuildOperationsTab();
    QWidget* BuildWorkDaysTab();
    QWidget* BuildPhoneTab();
    QWidget* BuildPrintingTab();
    QWidget* BuildAssistanceTab();
    QWidget* BuildHelpTab();
    QWidget* BuildAssignmentsTab();
    QWidget* BuildMilestonesTab();
    QWidget* BuildAttributesTab();
    QWidget* BuildLogoTab();
    void ConnectLogo();
    void ConnectTeams();
    void ConnectMilestones();
    void RenameTeam(bool requireText);
    void ClearTeamSelection();
    void SaveTeamChange();
    // A refused save names its reason: the team list that cannot be read, or the folder.
    static void ShowSettingsSaveFailure(const QString& whatFailed);
    // The catalogue arrays hold at least TplCount + 1 elements.
    void EnsureCatalogueSize();
    void ConnectOperations();
    void ConnectBusiness();
    void SetSwatch(QLabel* swatch, quint32 color);
};
