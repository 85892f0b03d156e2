#pragma once

#include "platform/Screen.h"

#include <array>

class PictureBox;
class QAction;
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
    void cmdChange_Click(int Index);
    void cboCopies_Change();
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
    std::array<QPushButton*, 4> cmdChange{};
    QComboBox* cboCopies = nullptr;
    QCheckBox* ckPrompts = nullptr;
    QCheckBox* ckAlarms = nullptr;
    QPushButton* cmdQuit = nullptr;
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
    QWidget* BuildPrintingTab();
    QWidget* BuildAssistanceTab();
    QWidget* BuildHelpTab();
    void ConnectOperations();
    void ConnectBusiness();
    void SetSwatch(QLabel* swatch, quint32 color);
};
