#pragma once

#include "platform/Screen.h"

#include <array>
#include <optional>

class FlexGrid;
class MultiLineTextBox;
class PictureBox;
class QAction;
class QCheckBox;
class QComboBox;
class QMenu;
class QRadioButton;
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
    // Opens a new record at the end of the file; false when the record shown could not be saved.
    bool NewCustomer();
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

    // The hand-over of the customer shown to the routine's next screen.
    void cmdSchedule_Click();
    QPushButton* cmdSchedule = nullptr;

    // Search and the customer list.
    void SearchCustomers(int option, const QString& searchText);
    void AddFoundCustomer(int row, const struct FoundCustomer& found);
    void optSearch_Click(int Index);
    void cmdStartSearch_Click();
    void cmdClearSearch_Click();
    void cmdHideSearch_Click();
    void cmdRetry_Click();
    void mnuPrint_Click();
    void mnuSelect_Click();
    void fgCustomersFound_MouseUp();
    void cmdPrintCustomers_Click();

    // The six free-text boxes of the account shown.
    void LoadAuxHeadings();
    void LoadAuxData();
    void SaveAuxData();
    void mnuAux_Click();
    void cmdSaveAux_Click(int Index);
    void lblClear_Click(int Index);
    void txtAux_DblClick(int Index);
    QString AuxAccountLine() const;

    // Dialling the customer shown.
    void imgDialer_Click();
    void SetDialerPicture();

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
    QAction* mnuPrint = nullptr;
    QAction* mnuAux = nullptr;

    QGroupBox* fraSearch = nullptr;
    TextBox* txtSearchfor = nullptr;
    std::array<QRadioButton*, 9> optSearch{};
    QPushButton* cmdStartSearch = nullptr;
    QPushButton* cmdClearSearch = nullptr;
    QPushButton* cmdHideSearch = nullptr;
    QGroupBox* fraCustomersFound = nullptr;
    FlexGrid* fgCustomersFound = nullptr;
    QPushButton* cmdRetry = nullptr;
    QPushButton* cmdPrintCustomers = nullptr;
    QMenu* mnupopup = nullptr;
    QAction* mnuSelect = nullptr;

    QGroupBox* fraAux = nullptr;
    std::array<TextBox*, 6> txtHeading{};
    std::array<MultiLineTextBox*, 6> txtAux{};
    std::array<PictureBox*, 6> lblClear{};
    QLabel* lblAccount = nullptr;
    QCheckBox* ckSaveAux = nullptr;
    // 0 save headings, 2 close, 3 reload, 4 hide the large window, 5 clear it, 6 reload it,
    // 7 next account, 8 previous account; there is no 1.
    std::array<QPushButton*, 9> cmdSaveAux{};
    QGroupBox* fraBig = nullptr;
    MultiLineTextBox* txtBig = nullptr;
    QLabel* lblEditing = nullptr;
    PictureBox* imgDialer = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_QueryUnload(int unloadMode, bool& cancel) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PictureBox* BuildDialPicture();
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
    // True when none of the boxes the user fills in holds anything (the prefilled city, state,
    // postal code and telephone aside).
    bool IsBlankRecord() const;
    void ApplyAddressStyle();
    void EnableRecordMenus(bool enabled);
    // Settles a delete that was cut short; false, with the user told that the customer files
    // must be repaired, while it cannot be settled.
    bool CustomerFilesSettled();
    // Settles a cut-short delete, then finds the customer shown again by the account number on
    // file, as records may have moved; false, with the user told and the screen reloaded, when
    // it was the customer deleted.
    bool FindShownCustomer();
    // Tells the user why a change of the customer files was refused or failed, naming the file.
    void ShowCustomerFileFault(const struct CustomerFileOutcome& outcome);

    QPushButton* BuildHandOverButton();
    QWidget* BuildSearchFrames();
    QWidget* BuildAuxFrame();
    void ConnectSearch();
    void ConnectAux();
    // The account the free-text boxes belong to, when its number can name a folder; the user
    // is told once when it cannot.
    std::optional<QString> AuxAccount();

    QWidget* nameBoxes_ = nullptr;
    QWidget* individualBoxes_ = nullptr;
    QWidget* nameList_ = nullptr;
    bool suppressCompletion_ = false;
    // A return from the modal dialer is no new start: the customer shown stays as typed.
    bool dialling_ = false;
    // The account number on file of the customer shown; none for a record not on file yet.
    std::optional<QString> shownAccountNo_;
};
