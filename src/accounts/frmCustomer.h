#pragma once

#include "platform/Screen.h"

#include <array>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class TextBox;

// The customer screen: customer accounts are created, edited, found, deleted and chosen here,
// one record of the customer files at a time.
class frmCustomer : public Screen {
    Q_OBJECT
public:
    frmCustomer();

    // What other screens read.
    QString DisplayName;
    int AuxBoxIndex = 0;
    int CurrentRec = 1;
    int RecordCount = 0;
    int RecordValid = -1;
    // -1 while the settings' address style is the USA style, else 0.
    int USAStyle() const;

    void LoadCustomer();
    void SaveCustomer();
    void NewCustomer();
    void ClearCustomerFields();
    void SetAccountType(const QString& type);
    QString BuildAccountName(bool business) const;
    void LoadAccountList();
    void AddCity(const QString& city);
    void EnableNavButtons(bool enabled);
    void EnableFindButtons(bool enabled);
    bool CheckDuplicateAccount(const QString& accountNo);
    void BuildContractInfo(int count);
    void BuildCycleInfo(int count);

    void cmdNav_Click(int Index);
    void Command1_Click(int Index);
    void cmdAcctType_Click();
    void cmdNew_Click();
    void cmdCustomer_Click();
    void cmdExit_Click();
    void mnuAdd_Click();
    void mnuDelete_Click();
    void cboAccounts_Click(int index);
    void cboAccounts_Change(const QString& text);
    void cboAccounts_LostFocus();
    void txtAccountNo_LostFocus();
    void txtName_LostFocus();

    // Boxes by index; index 4 does not exist.
    std::array<TextBox*, 12> txtCustomer{};
    TextBox* txtAdd3 = nullptr;
    TextBox* txtAdd4 = nullptr;
    QComboBox* cboTitle = nullptr;
    QComboBox* cboCity = nullptr;
    QComboBox* cboStates = nullptr;
    QComboBox* cboAccounts = nullptr;
    QLabel* lblSearch = nullptr;
    QLabel* lbLType = nullptr;
    QPushButton* cmdAcctType = nullptr;
    QGroupBox* fraUSAddress = nullptr;
    QGroupBox* fraIntAddress = nullptr;
    std::array<QPushButton*, 7> cmdNav{};
    std::array<QPushButton*, 4> Command1{};
    QPushButton* cmdNew = nullptr;
    QPushButton* cmdCustomer = nullptr;
    QPushButton* cmdExit = nullptr;
    QAction* mnuAdd = nullptr;
    QAction* mnuDelete = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_QueryUnload(int unloadMode, bool& cancel) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The screen for an empty customer file: the business's own city and telephone prefix
    // prefilled, and only a first customer to type.
    void ShowEmptyFile(bool tellUser);
    // The layout of the current account type (the name list hidden).
    void ShowTypeLayout();
    void PrefillFromBusiness();
    // True when the boxes hold a customer worth saving (a name of the shown type).
    bool HasSomethingToSave() const;
    // True when the record shown is not on file yet.
    bool IsNewRecord() const;
    void ApplyAddressStyle();
    void EnableRecordMenus(bool enabled);

    QWidget* nameBoxes_ = nullptr;
    QWidget* individualBoxes_ = nullptr;
    QWidget* nameList_ = nullptr;
    bool suppressCompletion_ = false;
};
