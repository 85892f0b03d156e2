#include "accounts/frmContacts.h"

#include "accounts/ContactFiles.h"
#include "accounts/CustomerRecords.h"
#include "accounts/Reports.h"
#include "core/FileAccess.h"
#include "core/GridWheel.h"
#include "core/Navigation.h"
#include "core/Printing.h"
#include "core/Settings.h"
#include "core/Shutdown.h"
#include "core/Utilities.h"
#include "platform/Controls.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char* const ContactSearchCaptions[8] = {
    "by Name", "by Street Address", "by Apt/PO Box", "by City",
    "by State", "by Zip Code", "by Telephone Number", "by Category",
};

FlexGrid* NewGrid(QWidget* parent, const QStringList& headings)
{
    auto* grid = new FlexGrid(parent);
    grid->SetCols(int(headings.size()));
    for (int col = 0; col < headings.size(); ++col)
        grid->SetTextMatrix(0, col, headings.at(col));
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    return grid;
}

} // namespace

frmContacts::frmContacts()
{
    setWindowTitle(QStringLiteral("Payto Selection       "));
    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    layout->setMenuBar(menuBar);
    mnuView = menuBar->addAction(QStringLiteral("Toggle Vendor Grid"));
    QMenu* files = menuBar->addMenu(QStringLiteral("Files"));
    mnuAdd = files->addAction(QStringLiteral("Add a New Recipient"));
    mnuDelete = files->addAction(QStringLiteral("DELETE This Recipient"));
    mnuPrint = files->addAction(QStringLiteral("Print  Recipient Records"));
    mnupopup = new QMenu(this);
    mnuSelect = mnupopup->addAction(QStringLiteral("Select Recipient"));

    fraContact = new QGroupBox(QStringLiteral("Vendor Information"), this);
    auto* grid = new QGridLayout(fraContact);
    const std::pair<int, int> widths[] = {{0, 20}, {1, 30}, {2, 35}, {3, 25}, {4, 2}, {5, 10}, {6, 13}, {8, 30}, {9, 30}};
    for (const auto& [index, width] : widths) {
        txtContact[size_t(index)] = new TextBox(fraContact);
        txtContact[size_t(index)]->SetMaxLength(width);
    }
    txtContact[4]->setReadOnly(true);
    txtContact[4]->setMaximumWidth(40);
    cboCity = NewTextCombo(fraContact, 20);
    cboStates = NewTextCombo(fraContact, 2);
    cboStates->setMinimumWidth(70);
    cboCategory = NewTextCombo(fraContact, 20);
    cboCategory->addItems(ContactCategories);
    SetComboText(cboCategory, QString());

    int row = 0;
    auto addRow = [&](const QString& caption, QWidget* widget) {
        grid->addWidget(new QLabel(caption, fraContact), row, 0);
        grid->addWidget(widget, row++, 1, 1, 3);
    };
    addRow(QStringLiteral("Your Acct No with this Payto"), txtContact[0]);
    addRow(QStringLiteral("Name"), txtContact[1]);
    addRow(QStringLiteral("Address"), txtContact[2]);
    addRow(QStringLiteral("Apt / PO Box"), txtContact[3]);
    grid->addWidget(new QLabel(QStringLiteral("City"), fraContact), row, 0);
    grid->addWidget(cboCity, row, 1);
    auto* stateRow = new QHBoxLayout;
    stateRow->addWidget(new QLabel(QStringLiteral("State"), fraContact));
    stateRow->addWidget(cboStates);
    stateRow->addWidget(txtContact[4]);
    stateRow->addWidget(new QLabel(QStringLiteral("Zip"), fraContact));
    stateRow->addWidget(txtContact[5]);
    grid->addLayout(stateRow, row++, 2, 1, 2);
    addRow(QStringLiteral("Telephone"), txtContact[6]);
    addRow(QStringLiteral("E-mail"), txtContact[9]);
    addRow(QStringLiteral("Category"), cboCategory);
    addRow(QStringLiteral("Key Contact"), txtContact[8]);
    grid->setColumnStretch(1, 1);

    auto* navigation = new QHBoxLayout;
    const QString captions[4] = {QStringLiteral("|<<"), QStringLiteral("<"), QStringLiteral(">"), QStringLiteral(">>|")};
    for (int i = 0; i < 4; ++i) {
        cmdNav[size_t(i)] = new QPushButton(captions[i], fraContact);
        cmdNav[size_t(i)]->setMaximumWidth(48);
        navigation->addWidget(cmdNav[size_t(i)]);
    }
    navigation->addWidget(BuildPhonePicture(fraContact));
    navigation->addStretch();
    Command1[0] = new QPushButton(QStringLiteral("&Search"), fraContact);
    Command1[1] = new QPushButton(QStringLiteral("Cancel &Add New"), fraContact);
    Command1[1]->setEnabled(false);
    navigation->addWidget(Command1[0]);
    navigation->addWidget(Command1[1]);
    grid->addLayout(navigation, row++, 0, 1, 4);
    layout->addWidget(fraContact);

    fraSearch = new QGroupBox(QStringLiteral("Vendor Search"), this);
    auto* search = new QGridLayout(fraSearch);
    for (int i = 0; i < 8; ++i) {
        optSearch[size_t(i)] = new QRadioButton(QString::fromUtf8(ContactSearchCaptions[i]), fraSearch);
        search->addWidget(optSearch[size_t(i)], i / 2, i % 2);
    }
    txtSearchfor = new TextBox(fraSearch);
    search->addWidget(txtSearchfor, 4, 0, 1, 2);
    auto* searchButtons = new QHBoxLayout;
    cmdStartSearch = new QPushButton(QStringLiteral("Start Search"), fraSearch);
    cmdClearSearch = new QPushButton(QStringLiteral("Clear Search"), fraSearch);
    cmdReturn = new QPushButton(QStringLiteral("Return"), fraSearch);
    for (QPushButton* button : {cmdStartSearch, cmdClearSearch, cmdReturn})
        searchButtons->addWidget(button);
    searchButtons->addStretch();
    search->addLayout(searchButtons, 5, 0, 1, 2);
    fraSearch->hide();
    layout->addWidget(fraSearch);

    fraContactsFound = new QGroupBox(QStringLiteral("Vendor Search Results"), this);
    auto* found = new QVBoxLayout(fraContactsFound);
    fgContactsFound = NewGrid(fraContactsFound, {QStringLiteral("Name"), QStringLiteral("Phone"), QStringLiteral("Street Address"),
                                                 QStringLiteral("City"), QStringLiteral("St"), QStringLiteral("Zip Code"),
                                                 QStringLiteral("Rec")});
    found->addWidget(fgContactsFound, 1);
    auto* foundButtons = new QHBoxLayout;
    foundButtons->addStretch();
    cmdPrintContacts = new QPushButton(QStringLiteral("&Print"), fraContactsFound);
    cmdPrintContacts->setToolTip(QStringLiteral("Prints the Contact List"));
    cmdRetry = new QPushButton(QStringLiteral("&Hide"), fraContactsFound);
    foundButtons->addWidget(cmdPrintContacts);
    foundButtons->addWidget(cmdRetry);
    found->addLayout(foundButtons);
    fraContactsFound->hide();
    layout->addWidget(fraContactsFound, 1);

    fraSuppliers = new QGroupBox(QStringLiteral("Vendors / Suppliers List"), this);
    auto* suppliers = new QVBoxLayout(fraSuppliers);
    fgVendors = NewGrid(fraSuppliers, {QStringLiteral("Vendor Name"), QStringLiteral("Account Number"),
                                       QStringLiteral("Phone"), QStringLiteral("Vendor Rec")});
    suppliers->addWidget(fgVendors, 1);
    auto* supplierButtons = new QHBoxLayout;
    supplierButtons->addWidget(new QLabel(QStringLiteral("Vendor / Supplier Data cannot be modified     on this screen"), fraSuppliers));
    supplierButtons->addStretch();
    cmdVendorList[0] = new QPushButton(QStringLiteral("Load"), fraSuppliers);
    cmdVendorList[0]->setToolTip(QStringLiteral("Load Selected Vendor"));
    cmdVendorList[1] = new QPushButton(QStringLiteral("Close Window"), fraSuppliers);
    supplierButtons->addWidget(cmdVendorList[0]);
    supplierButtons->addWidget(cmdVendorList[1]);
    suppliers->addLayout(supplierButtons);
    fraSuppliers->hide();
    layout->addWidget(fraSuppliers, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    cmdExit = new QPushButton(QStringLiteral("&Menu"), this);
    bottom->addWidget(cmdExit);
    layout->addLayout(bottom);
    layout->addStretch();

    for (int i = 0; i < 4; ++i)
        connect(cmdNav[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdNav_Click(i); });
    for (int i = 0; i < 2; ++i)
        connect(Command1[size_t(i)], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    for (int i = 0; i < 8; ++i)
        connect(optSearch[size_t(i)], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                optSearch_Click(i);
        });
    for (int i = 0; i < 2; ++i)
        connect(cmdVendorList[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdVendorList_Click(i); });
    connect(cmdStartSearch, &QPushButton::clicked, this, [this] { cmdStartSearch_Click(); });
    connect(cmdClearSearch, &QPushButton::clicked, this, [this] { cmdClearSearch_Click(); });
    connect(cmdReturn, &QPushButton::clicked, this, [this] { cmdReturn_Click(); });
    connect(cmdRetry, &QPushButton::clicked, this, [this] { cmdRetry_Click(); });
    connect(cmdPrintContacts, &QPushButton::clicked, this, [this] { cmdPrintContacts_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    connect(mnuView, &QAction::triggered, this, [this] { mnuView_Click(); });
    connect(mnuAdd, &QAction::triggered, this, [this] { mnuAdd_Click(); });
    connect(mnuDelete, &QAction::triggered, this, [this] { mnuDelete_Click(); });
    connect(mnuPrint, &QAction::triggered, this, [this] { mnuPrint_Click(); });
    connect(mnuSelect, &QAction::triggered, this, [this] { mnuSelect_Click(); });
    connect(fgVendors, &QTableWidget::cellClicked, this, [this] { cmdVendorList_Click(0); });
    connect(cboStates, &QComboBox::editTextChanged, this, [this](const QString& text) { txtContact[4]->setText(text); });
    txtContact[1]->installEventFilter(this);
    fgContactsFound->viewport()->installEventFilter(this);
    fgVendors->viewport()->installEventFilter(this);
    resize(720, 560);
}

void frmContacts::Form_Load()
{
    CurrentRec = 1;
    if (FileExists(VendorDataPath))
        LoadContacts();
    cboStates->addItems(ReadStatesList());
    SetComboText(cboStates, QString());
}

void frmContacts::Form_Activate()
{
    SetPhonePicture();
    fraContact->show();
    ClearContactFields();
    if (FileExists(VendorDataPath))
        LoadContacts();
    else
        ContactCount = 0;
    if (ContactCount == 0) {
        ShowEmptyFile();
        MsgBox(QStringLiteral("Your Contact File is Empty\r\nCreate your First Contact Now"), MsgButtons::OkOnly,
               MsgIcon::None, QStringLiteral("Create Contacts"));
        return;
    }
    if (CurrentRec < 1 || CurrentRec > ContactCount)
        CurrentRec = 1;
    ShowContact();
}

void frmContacts::ShowEmptyFile()
{
    CurrentRec = 1;
    ContactCount = 0;
    Command1[1]->setEnabled(true);
    txtContact[0]->setFocus();
}

void frmContacts::Form_Deactivate()
{
    UnhookFlexGrid();
}

void frmContacts::Form_QueryUnload(int unloadMode, bool& cancel)
{
    Q_UNUSED(cancel);
    UnhookFlexGrid();
    if (unloadMode == UserClosed) {
        if (FileExists(VendorDataPath))
            LoadContacts();
        EndProgram();
    }
}

bool frmContacts::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && watched == txtContact[1]) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            txtName_LostFocus();
    } else if (event->type() == QEvent::MouseButtonPress) {
        // Either grid takes the mouse wheel once it is clicked.
        if (watched == fgContactsFound->viewport())
            HookFlexGrid(this, fgContactsFound);
        else if (watched == fgVendors->viewport())
            HookFlexGrid(this, fgVendors);
    } else if (event->type() == QEvent::MouseButtonRelease && watched == fgContactsFound->viewport()) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
            mnupopup->popup(QCursor::pos());
    }
    return Screen::eventFilter(watched, event);
}

bool frmContacts::IsNewRecord() const
{
    return CurrentRec > ContactFileCount();
}

bool frmContacts::BoxesAreEmpty() const
{
    for (TextBox* box : txtContact)
        if (box && box != txtContact[4] && !box->text().trimmed().isEmpty())
            return false;
    return cboCity->currentText().trimmed().isEmpty() && cboCategory->currentText().trimmed().isEmpty();
}

void frmContacts::LoadContacts()
{
    ContactCount = ContactFileCount();
    fgVendors->SetRows(ContactCount + 1);
    struct Row {
        QString name, account, phone;
        int recordNo;
    };
    QList<Row> rows;
    for (int n = 1; n <= ContactCount; ++n) {
        const ContactRecord record = ReadContact(n);
        AddCityToList(record.City);
        rows.append({record.VendorName.trimmed(), record.AccountNo.trimmed(), record.Telephone.trimmed(), n});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return GenericAscending(a.name, b.name); });
    for (int r = 1; r <= rows.size(); ++r) {
        const Row& entry = rows.at(r - 1);
        fgVendors->SetTextMatrix(r, 0, entry.name);
        fgVendors->SetTextMatrix(r, 1, entry.account);
        fgVendors->SetTextMatrix(r, 2, entry.phone);
        fgVendors->SetTextMatrix(r, 3, QString::number(entry.recordNo));
    }
}

void frmContacts::AddCityToList(const QString& city)
{
    const QString trimmed = city.trimmed();
    for (int i = 0; i < cboCity->count(); ++i)
        if (cboCity->itemText(i) == trimmed)
            return;
    const QString shown = cboCity->currentText();
    const QSignalBlocker blocker(cboCity);
    cboCity->addItem(trimmed);
    SetComboText(cboCity, shown);
}

void frmContacts::ClearContactFields()
{
    for (TextBox* box : txtContact)
        if (box)
            box->clear();
    SetComboText(cboCity, QString());
    SetComboText(cboCategory, QString());
    txtContact[0]->setFocus();
}

void frmContacts::ShowContact()
{
    ClearContactFields();
    if (CurrentRec == 0)
        return;
    fraSearch->hide();
    fraContactsFound->hide();
    fraContact->show();
    const ContactRecord record = ReadContact(CurrentRec);
    txtContact[0]->setText(record.AccountNo.trimmed());
    txtContact[1]->setText(record.VendorName.trimmed());
    txtContact[2]->setText(record.Address1.trimmed());
    txtContact[3]->setText(record.Address2.trimmed());
    SetComboText(cboCity, record.City.trimmed());
    SetComboText(cboStates, record.State.trimmed());
    txtContact[4]->setText(record.State.trimmed());
    txtContact[5]->setText(record.Zip.trimmed());
    txtContact[6]->setText(record.Telephone.trimmed());
    txtContact[8]->setText(record.KeyContact.trimmed());
    txtContact[9]->setText(record.Email.trimmed());
    SetComboText(cboCategory, record.Category.trimmed());
    cboCategory->setFocus();
}

void frmContacts::SaveContact()
{
    if (CurrentRec == 0)
        return;
    // A new contact with nothing typed in is nothing to keep.
    if (IsNewRecord() && BoxesAreEmpty())
        return;
    if (cboCategory->currentText().isEmpty())
        SetComboText(cboCategory, txtContact[6]->text());
    ContactRecord record;
    record.City = cboCity->currentText();
    record.AccountNo = txtContact[0]->text().trimmed();
    record.State = cboStates->currentText().trimmed();
    record.Zip = txtContact[5]->text().trimmed();
    record.Category = cboCategory->currentText().trimmed();
    record.VendorName = txtContact[1]->text().trimmed();
    record.Address1 = txtContact[2]->text().trimmed();
    record.Address2 = txtContact[3]->text().trimmed();
    record.Telephone = txtContact[6]->text().trimmed();
    record.Email = txtContact[9]->text();
    record.KeyContact = txtContact[8]->text();
    const int count = ContactFileCount();
    if (CurrentRec > count + 1)
        CurrentRec = count + 1;
    if (!WriteContact(CurrentRec, record))
        ShowWriteFailure(QStringLiteral("The Contact could not be saved."));
    AddCityToList(record.City);
    LoadContacts();
}

void frmContacts::cmdNav_Click(int Index)
{
    SaveContact();
    ContactCount = ContactFileCount();
    if (ContactCount == 0)
        return;
    if (const std::optional<int> target = NavigationTarget(Index, std::min(CurrentRec, ContactCount), ContactCount))
        CurrentRec = *target;
    ShowContact();
}

void frmContacts::NewContact()
{
    if (txtContact[1]->text().size() >= 2)
        SaveContact();
    CurrentRec = ContactFileCount() + 1;
    ClearContactFields();
    LoadContacts();
}

void frmContacts::mnuAdd_Click()
{
    NewContact();
    Command1[1]->setEnabled(true);
    LoadContacts();
}

void frmContacts::Command1_Click(int Index)
{
    if (Index == 0) {
        SaveContact();
        fraSearch->show();
        fraContact->hide();
        optSearch[ContactByTelephone]->setChecked(true);
        txtSearchfor->setFocus();
        txtSearchfor->end(false);
        return;
    }
    // Cancel a new contact: back to the last one on file.
    Command1[1]->setEnabled(false);
    ContactCount = ContactFileCount();
    CurrentRec = ContactCount;
    if (ContactCount == 0) {
        ShowEmptyFile();
        ClearContactFields();
        return;
    }
    ShowContact();
}

void frmContacts::txtName_LostFocus()
{
    if (CurrentRec == 0 || txtContact[1]->text().size() >= 2)
        return;
    if (Settings().AlarmsOn)
        Beep();
    MsgBox(QStringLiteral("The Name Field Must be at least 2 Characters\r\nThis is okay if Cancelling a New Entry\r\n"
                          "Click Cancel AddNew Again"),
           MsgButtons::OkOnly, MsgIcon::None, QStringLiteral("No Name Entered"));
}

void frmContacts::mnuDelete_Click()
{
    if (MsgBox(QStringLiteral("Delete this Contact?"), MsgButtons::YesNo) != MsgAnswer::Yes) {
        txtContact[0]->setFocus();
        return;
    }
    if (IsNewRecord()) {
        Command1_Click(1);
        return;
    }
    if (!DeleteContactRecord(CurrentRec))
        ShowWriteFailure(QStringLiteral("The Contact could not be deleted."), QStringLiteral("Delete Failed"));
    // The lists show record numbers, which the delete has moved.
    fraContactsFound->hide();
    LoadContacts();
    if (ContactCount == 0) {
        ShowEmptyFile();
        ClearContactFields();
        return;
    }
    if (CurrentRec > ContactCount)
        CurrentRec = ContactCount;
    ShowContact();
    txtContact[0]->setFocus();
}

void frmContacts::optSearch_Click(int Index)
{
    Q_UNUSED(Index);
    txtSearchfor->clear();
    txtSearchfor->setFocus();
}

void frmContacts::cmdStartSearch_Click()
{
    int option = ContactByTelephone;
    for (int i = 0; i < 8; ++i)
        if (optSearch[size_t(i)]->isChecked()) {
            option = i;
            break;
        }
    if (option == ContactByTelephone && txtSearchfor->text().size() < 12) {
        if (Settings().AlarmsOn)
            Beep();
        txtSearchfor->setFocus();
        return;
    }
    SearchContacts(option, txtSearchfor->text().trimmed().toUpper());
}

void frmContacts::cmdClearSearch_Click()
{
    txtSearchfor->clear();
    txtSearchfor->setFocus();
}

void frmContacts::cmdReturn_Click()
{
    fraSearch->hide();
    fraContact->show();
}

void frmContacts::AddFoundRow(int row, int recordNo)
{
    const ContactRecord record = ReadContact(recordNo);
    fgContactsFound->SetRows(row + 1);
    const QString cells[7] = {record.VendorName.trimmed(), record.Telephone.trimmed(), record.Address1.trimmed(),
                              record.City.trimmed(), record.State.trimmed(), record.Zip.trimmed(),
                              QString::number(recordNo)};
    for (int col = 0; col < 7; ++col)
        fgContactsFound->SetTextMatrix(row, col, cells[col]);
}

void frmContacts::SearchContacts(int option, const QString& searchText)
{
    const QList<int> hits = SearchContactRecords(option, searchText);
    fgContactsFound->SetRows(1);
    for (int row = 1; row <= hits.size(); ++row)
        AddFoundRow(row, hits.at(row - 1));
    if (option == AllContacts)
        return;
    if (hits.isEmpty()) {
        if (MsgBox(QStringLiteral("Would you like to Create a New Contact?"), MsgButtons::YesNo, MsgIcon::Question,
                   QStringLiteral("Contact not Found"))
            == MsgAnswer::Yes) {
            fraSearch->hide();
            fraContact->show();
            SaveContact();
            ClearContactFields();
            NewContact();
            Command1[1]->setEnabled(true);
        } else {
            // Back to the search, to try again.
            fraContactsFound->hide();
            fraContact->hide();
            fraSearch->show();
            txtSearchfor->clear();
            txtSearchfor->setFocus();
        }
        return;
    }
    fraSearch->hide();
    if (hits.size() == 1) {
        fraContact->show();
        CurrentRec = hits.first();
        ShowContact();
        return;
    }
    fraContactsFound->setTitle(QStringLiteral("Contacts Search Results"));
    cmdPrintContacts->hide();
    fraContactsFound->show();
}

void frmContacts::mnuSelect_Click()
{
    const int row = fgContactsFound->currentRow() + 1;
    if (row < 1 || row >= fgContactsFound->Rows())
        return;
    fraContact->show();
    fraContactsFound->hide();
    CurrentRec = fgContactsFound->TextMatrix(row, 6).toInt();
    ShowContact();
}

void frmContacts::cmdRetry_Click()
{
    if (cmdPrintContacts->isHidden()) {
        fraContact->hide();
        fraSearch->show();
        txtSearchfor->clear();
        txtSearchfor->setFocus();
    } else {
        fraContact->show();
    }
    fraContactsFound->hide();
}

void frmContacts::ShowContactList()
{
    fraContactsFound->setTitle(QStringLiteral("Contact List"));
    cmdPrintContacts->show();
    fraContactsFound->show();
    SearchContacts(AllContacts, QStringLiteral("All"));
    fraContact->hide();
}

void frmContacts::mnuPrint_Click()
{
    if (FileExists(VendorDataPath)) {
        SaveContact();
        ShowContactList();
    } else if (Settings().AlarmsOn) {
        Beep();
    }
}

void frmContacts::mnuView_Click()
{
    fraSuppliers->setVisible(!fraSuppliers->isVisible());
}

void frmContacts::cmdVendorList_Click(int Index)
{
    if (Index == 1) {
        fraSuppliers->hide();
        return;
    }
    const int row = fgVendors->currentRow() + 1;
    if (row < 1 || row >= fgVendors->Rows()) {
        if (Settings().AlarmsOn)
            Beep();
        return;
    }
    SaveContact();
    CurrentRec = fgVendors->TextMatrix(row, 3).toInt();
    ShowContact();
    fraSuppliers->hide();
}

void frmContacts::cmdExit_Click()
{
    if (CurrentRec > 0)
        SaveContact();
    Hide();
    fraSearch->hide();
    ShowMainMenu();
}

void frmContacts::cmdPrintContacts_Click()
{
    if (MsgBox(QStringLiteral("Click Yes to print a Contact Report"), MsgButtons::YesNo, MsgIcon::Question,
               QStringLiteral("Contact Report"))
        != MsgAnswer::Yes)
        return;
    RunPrintJob(QStringLiteral("The Contact List will not be Printed"), [] {
        SetupPrinter(QStringLiteral("Landscape"), 1);
        PrintContactReport();
    });
}
