#pragma once

#include "platform/Screen.h"

#include <array>

class PictureBox;
class QAction;
class QLabel;
class QPushButton;
class QRadioButton;

// The main menu: the user picks one of the ten routines and presses Goto; the menu opens the
// routine's screen and unloads itself. Its menu bar leads to the settings screen, the supply
// order pages, the about box and the manual.
class frmStartup : public Screen {
    Q_OBJECT
public:
    frmStartup();

    void optProgramRoutine_Click(int Index);
    void optProgramRoutine_DblClick(int Index);
    void cmdStart_Click();
    void Image1_Click();
    void Label1_DblClick(int Index);
    void mnuCreate_Click();
    void mnuExit_Click();
    void mnuChecks_Click();
    void mnuDepositSlips_Click();
    void mnuPPaper_Click();
    void mnuPPPaper_Click();
    void mnuProposalForms_Click();
    void mnuAddress_Click();
    void mnuLabels_Click();
    void mnuAbout_Click();
    void mnuHelpContentsFile_Click();

    // The enabling rules, run on every activation.
    void ApplyEnablingRules();
    // Routines 10 and 4 need a project; the control board asks for this when it finds none.
    Q_INVOKABLE void DisableProjectRoutines();

    std::array<QRadioButton*, 10> optProgramRoutine{};
    QPushButton* cmdStart = nullptr;
    PictureBox* Image1 = nullptr;
    PictureBox* Image2 = nullptr;
    std::array<QLabel*, 2> Label1{};
    QAction* mnuCreate = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuChecks = nullptr;
    QAction* mnuDepositSlips = nullptr;
    QAction* mnuPPaper = nullptr;
    QAction* mnuPPPaper = nullptr;
    QAction* mnuProposalForms = nullptr;
    QAction* mnuAddress = nullptr;
    QAction* mnuLabels = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuHelpContentsFile = nullptr;

protected:
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_QueryUnload(int unloadMode, bool& cancel) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Options whose screen is not part of the program yet cannot be chosen.
    void DisableUnavailableRoutines();
    void AskAndOpen(const QString& title, const QString& prompt, const QString& address);
};
