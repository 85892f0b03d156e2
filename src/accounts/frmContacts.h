#pragma once

#include "platform/Screen.h"

#include <array>

class FlexGrid;
class PictureBox;
class QAction;
class QComboBox;
class QGroupBox;
class QMenu;
class QPushButton;
class QRadioButton;
class QVBoxLayout;
class TextBox;

// The contact screen: the business's pay-to recipients (vendors, suppliers, sub-contractors
// and card companies), one record of "VendorData.txt" at a time.
class frmContacts : public Screen {
    Q_OBJECT
public:
    frmContacts();

    int CurrentRec = 1;
    // Records on file.
    int ContactCount = 0;

    void LoadContacts();
    void ShowContact();
    void SaveContact();
    void NewContact();
    void ClearContactFields();
    void SearchContacts(int option, const QString& searchText);
    void AddFoundRow(int row, int recordNo);
    void AddCityToList(const QString& city);
    void ShowContactList();

    void cmdNav_Click(int Index);
    void Command1_Click(int Index);
    void mnuAdd_Click();
    void mnuDelete_Click();
    void mnuPrint_Click();
    void mnuView_Click();
    void mnuSelect_Click();
    void optSearch_Click(int Index);
    void cmdStartSearch_Click();
    void cmdClearSearch_Click();
    void cmdReturn_Click();
    void cmdRetry_Click();
    void cmdVendorList_Click(int Index);
    void cmdExit_Click();
    void txtName_LostFocus();
    void cmdPrintContacts_Click();
    // Dialling the contact shown.
    void imgPhone_Click();
    void SetPhonePicture();

    // Boxes by index; there is no box 7.
    std::array<TextBox*, 10> txtContact{};
    QComboBox* cboCity = nullptr;
    QComboBox* cboStates = nullptr;
    QComboBox* cboCategory = nullptr;
    QGroupBox* fraContact = nullptr;
    PictureBox* imgPhone = nullptr;
    std::array<QPushButton*, 4> cmdNav{};
    // 0 "&Search", 1 "Cancel &Add New".
    std::array<QPushButton*, 2> Command1{};
    QPushButton* cmdExit = nullptr;
    QGroupBox* fraSuppliers = nullptr;
    FlexGrid* fgVendors = nullptr;
    std::array<QPushButton*, 2> cmdVendorList{};
    QGroupBox* fraSearch = nullptr;
    std::array<QRadioButton*, 8> optSearch{};
    TextBox* txtSearchfor = nullptr;
    QPushButton* cmdStartSearch = nullptr;
    QPushButton* cmdClearSearch = nullptr;
    QPushButton* cmdReturn = nullptr;
    QGroupBox* fraContactsFound = nullptr;
    FlexGrid* fgContactsFound = nullptr;
    QPushButton* cmdPrintContacts = nullptr;
    QPushButton* cmdRetry = nullptr;
    QAction* mnuView = nullptr;
    QAction* mnuAdd = nullptr;
    QAction* mnuDelete = nullptr;
    QAction* mnuPrint = nullptr;
    QMenu* mnupopup = nullptr;
    QAction* mnuSelect = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_QueryUnload(int unloadMode, bool& cancel) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PictureBox* BuildPhonePicture(QWidget* parent);
    bool IsNewRecord() const;
    bool BoxesAreEmpty() const;
    // The screen for an empty contact file: a new first record to type.
    void ShowEmptyFile();
    // The search panel, its results and the vendor list, hidden, added to the screen's layout.
    void BuildListFrames(QVBoxLayout* layout);
};
