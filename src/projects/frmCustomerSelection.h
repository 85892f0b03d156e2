#pragma once

#include "platform/Screen.h"
#include "projects/ProposalFiles.h"

#include <QList>

#include <array>

class FlexGrid;
class QGroupBox;
class QLabel;
class QPushButton;

// Where a new project's customer comes from: the customer list, or a proposal the sibling
// proposal writer left, whose customer and number go on to the scheduling screen.
class frmCustomerSelection : public Screen {
    Q_OBJECT
public:
    frmCustomerSelection();

    void LoadProposals();
    void ClearCustomerInfo();
    // True: the start panel; false: the create panel.
    void ShowStartPanel(bool start);

    void cmdStartup_Click(int Index);
    void cmdCancelselectProposal_Click();
    void fgProposals_Click(int row);
    void cmdCreation_Click(int Index);

    // A proposal has been picked from the list, and the grid row it was picked in.
    bool FromProposal = false;
    qint16 ProposalRow = 0;
    // Entry j belongs to grid row j (entry 0 unused).
    QList<ProposalRecord> Proposals;

    std::array<QGroupBox*, 2> fraInstructions{};
    // 0 "Select Customer from Customer List", 1 "Select Customer from Existing Proposal".
    std::array<QPushButton*, 2> cmdStartup{};
    QGroupBox* fraProposals = nullptr;
    FlexGrid* fgProposals = nullptr;
    QPushButton* cmdCancelselectProposal = nullptr;
    QGroupBox* fraProjectInfo = nullptr;
    QLabel* lblAccount = nullptr;
    std::array<QLabel*, 9> lblCustomerInfo{}; // 1 to 8
    // 0 "Return to Menu", 1 "&Create", 2 "Select a Different Customer".
    std::array<QPushButton*, 3> cmdCreation{};

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_QueryUnload(int unloadMode, bool& cancel) override;

private:
    void Create();
    QWidget* BuildProjectInfo();
};
