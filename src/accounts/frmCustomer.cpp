#include "accounts/frmCustomer.h"

#include "accounts/ContactFiles.h"
#include "accounts/CustomerRecords.h"
#include "core/FileAccess.h"
#include "core/GridWheel.h"
#include "core/Navigation.h"
#include "core/Settings.h"
#include "core/Shutdown.h"
#include "core/Utilities.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QStringList Titles = {QStringLiteral("Mr/Mrs"), QStringLiteral("Mr."), QStringLiteral("Mrs"),
                            QStringLiteral("Ms"), QStringLiteral("Miss")};

TextBox* NewBox(QWidget* parent, int maxLength, const QString& toolTip = QString())
{
    auto* box = new TextBox(parent);
    box->SetMaxLength(maxLength);
    box->setToolTip(toolTip);
    return box;
}

} // namespace

frmCustomer::frmCustomer()
{
    setWindowTitle(QStringLiteral("Customer Selection       "));
    auto* layout = new QVBoxLayout(this);

    auto* menuBar = new QMenuBar(this);
    layout->setMenuBar(menuBar);
    QMenu* files = menuBar->addMenu(QStringLiteral("Files"));
    mnuAdd = files->addAction(QStringLiteral("Add a New Customer"));
    mnuDelete = files->addAction(QStringLiteral("DELETE This customer"));
    mnuPrint = files->addAction(QStringLiteral("View Customer List"));
    mnuAux = files->addAction(QStringLiteral("Toggle Data Screen"));

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    columns->addLayout(left, 3);
    layout->addLayout(columns, 1);

    auto* grid = new QGridLayout;
    int row = 0;
    grid->addWidget(new QLabel(QStringLiteral("Account No"), this), row, 0);
    txtCustomer[0] = NewBox(this, 20);
    grid->addWidget(txtCustomer[0], row, 1);
    auto* typeRow = new QHBoxLayout;
    lbLType = new QLabel(BusinessType, this);
    QFont bold = lbLType->font();
    bold.setBold(true);
    lbLType->setFont(bold);
    lbLType->setMinimumWidth(lbLType->fontMetrics().horizontalAdvance(IndividualType) + 8);
    typeRow->addWidget(lbLType);
    cmdAcctType = new QPushButton(QStringLiteral("Toggle Type"), this);
    typeRow->addWidget(cmdAcctType);
    typeRow->addStretch();
    grid->addLayout(typeRow, row, 2);
    ++row;

    // The name: a business's name box, an individual's title and name boxes, or the name list
    // in their place.
    nameBoxes_ = new QWidget(this);
    auto* nameLayout = new QHBoxLayout(nameBoxes_);
    nameLayout->setContentsMargins(0, 0, 0, 0);
    txtCustomer[1] = NewBox(nameBoxes_, 45);
    nameLayout->addWidget(txtCustomer[1]);
    individualBoxes_ = new QWidget(this);
    auto* individual = new QHBoxLayout(individualBoxes_);
    individual->setContentsMargins(0, 0, 0, 0);
    cboTitle = NewTextCombo(individualBoxes_, 10);
    cboTitle->setMinimumWidth(90);
    individual->addWidget(cboTitle);
    txtCustomer[8] = NewBox(individualBoxes_, 15, QStringLiteral("First Name"));
    txtCustomer[9] = NewBox(individualBoxes_, 1, QStringLiteral("Middle Initial"));
    txtCustomer[9]->setMaximumWidth(30);
    txtCustomer[10] = NewBox(individualBoxes_, 25, QStringLiteral("Last Name"));
    individual->addWidget(txtCustomer[8], 2);
    individual->addWidget(txtCustomer[9]);
    individual->addWidget(txtCustomer[10], 3);
    nameList_ = new QWidget(this);
    auto* list = new QHBoxLayout(nameList_);
    list->setContentsMargins(0, 0, 0, 0);
    cboAccounts = new QComboBox(nameList_);
    cboAccounts->setEditable(true);
    cboAccounts->setInsertPolicy(QComboBox::NoInsert);
    cboAccounts->setCompleter(nullptr);
    cboAccounts->setMaxVisibleItems(20);
    list->addWidget(cboAccounts, 1);
    lblSearch = new QLabel(QStringLiteral("(Tab to Accept)"), nameList_);
    list->addWidget(lblSearch);
    nameList_->hide();
    grid->addWidget(new QLabel(QStringLiteral("Name"), this), row, 0);
    auto* nameArea = new QVBoxLayout;
    nameArea->setSpacing(0);
    nameArea->addWidget(nameBoxes_);
    nameArea->addWidget(individualBoxes_);
    nameArea->addWidget(nameList_);
    grid->addLayout(nameArea, row, 1, 1, 2);
    ++row;

    grid->addWidget(new QLabel(QStringLiteral("Address 1"), this), row, 0);
    txtCustomer[2] = NewBox(this, 35);
    grid->addWidget(txtCustomer[2], row++, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Address 2"), this), row, 0);
    txtCustomer[3] = NewBox(this, 25);
    grid->addWidget(txtCustomer[3], row++, 1, 1, 2);

    fraUSAddress = new QGroupBox(this);
    auto* us = new QGridLayout(fraUSAddress);
    us->addWidget(new QLabel(QStringLiteral("City"), fraUSAddress), 0, 0);
    cboCity = NewTextCombo(fraUSAddress, 25);
    us->addWidget(cboCity, 0, 1);
    us->addWidget(new QLabel(QStringLiteral("State"), fraUSAddress), 0, 2);
    cboStates = NewTextCombo(fraUSAddress, 2);
    cboStates->setMinimumWidth(70);
    us->addWidget(cboStates, 0, 3);
    us->addWidget(new QLabel(QStringLiteral("Postal Code"), fraUSAddress), 0, 4);
    txtCustomer[5] = NewBox(fraUSAddress, 10, QStringLiteral("Enter Zipcode here"));
    us->addWidget(txtCustomer[5], 0, 5);
    us->setColumnStretch(1, 1);
    grid->addWidget(fraUSAddress, row++, 0, 1, 3);

    fraIntAddress = new QGroupBox(this);
    auto* international = new QGridLayout(fraIntAddress);
    international->addWidget(new QLabel(QStringLiteral("Address 3"), fraIntAddress), 0, 0);
    txtAdd3 = NewBox(fraIntAddress, 25);
    international->addWidget(txtAdd3, 0, 1);
    international->addWidget(new QLabel(QStringLiteral("Address 4"), fraIntAddress), 1, 0);
    txtAdd4 = NewBox(fraIntAddress, 25);
    international->addWidget(txtAdd4, 1, 1);
    grid->addWidget(fraIntAddress, row++, 0, 1, 3);

    grid->addWidget(new QLabel(QStringLiteral("Telephone"), this), row, 0);
    auto* phones = new QHBoxLayout;
    txtCustomer[6] = NewBox(this, 13, QStringLiteral("Enter telephone Number with Area Code FIRST (as AAA-EEE-NNNN)"));
    phones->addWidget(txtCustomer[6]);
    phones->addWidget(new QLabel(QStringLiteral("Cell"), this));
    txtCustomer[11] = NewBox(this, 13);
    phones->addWidget(txtCustomer[11]);
    grid->addLayout(phones, row++, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Fax, Email, ETC"), this), row, 0);
    txtCustomer[7] = NewBox(this, 30, QStringLiteral("Enter any additional info here"));
    grid->addWidget(txtCustomer[7], row++, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    left->addLayout(grid);

    auto* navigation = new QHBoxLayout;
    const QString navCaptions[7] = {QStringLiteral("|<<"), QStringLiteral("<"), QStringLiteral(">"), QStringLiteral(">>|"),
                                    QStringLiteral(">"),   QStringLiteral(">>>"), QStringLiteral(">>")};
    const QString navTips[7] = {QStringLiteral("First"), QStringLiteral("Previous"), QStringLiteral("Next"),
                                QStringLiteral("Last"), QStringLiteral("A quarter in"),
                                QStringLiteral("Three quarters in"), QStringLiteral("Half way")};
    for (int i = 0; i < 7; ++i) {
        cmdNav[size_t(i)] = new QPushButton(navCaptions[i], this);
        cmdNav[size_t(i)]->setToolTip(navTips[i]);
        cmdNav[size_t(i)]->setMaximumWidth(48);
    }
    // First, previous, next, last; then the quarter, half and three-quarter jumps.
    for (int i : {0, 1, 2, 3})
        navigation->addWidget(cmdNav[size_t(i)]);
    navigation->addSpacing(16);
    for (int i : {4, 6, 5})
        navigation->addWidget(cmdNav[size_t(i)]);
    navigation->addStretch();
    left->addLayout(navigation);

    auto* find = new QGridLayout;
    Command1[0] = new QPushButton(QStringLiteral("&Search by Criteria,such as Street Address"), this);
    Command1[1] = new QPushButton(QStringLiteral("&Find Account in Name List Alphbetically"), this);
    Command1[2] = new QPushButton(QStringLiteral("Select from &Account List"), this);
    Command1[3] = new QPushButton(QStringLiteral("&Locate Account in Name List "), this);
    for (int i = 0; i < 4; ++i)
        find->addWidget(Command1[size_t(i)], i / 2, i % 2);
    left->addLayout(find);

    auto* buttons = new QHBoxLayout;
    cmdNew = new QPushButton(QStringLiteral("Add New Customer"), this);
    cmdCustomer = new QPushButton(QStringLiteral("Cancel Add &New"), this);
    cmdCustomer->hide();
    cmdExit = new QPushButton(QStringLiteral("&Exit W/O Selecting"), this);
    buttons->addWidget(cmdNew);
    buttons->addWidget(cmdCustomer);
    buttons->addWidget(BuildHandOverButton());
    buttons->addStretch();
    buttons->addWidget(cmdExit);
    left->addLayout(buttons);
    left->addWidget(BuildSearchFrames());
    left->addStretch();
    columns->addWidget(BuildAuxFrame(), 2);

    for (TextBox* box : {txtCustomer[0], txtCustomer[6], txtAdd3, txtAdd4})
        box->SetKeyFilter([box](int key) { return CheckKeyEntry(key, box); });
    for (QObject* watched : {static_cast<QObject*>(txtCustomer[0]), static_cast<QObject*>(txtCustomer[1]),
                             static_cast<QObject*>(cboAccounts->lineEdit())})
        watched->installEventFilter(this);

    for (int i = 0; i < 7; ++i)
        connect(cmdNav[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdNav_Click(i); });
    for (int i = 0; i < 4; ++i)
        connect(Command1[size_t(i)], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    ConnectSearch();
    ConnectAux();
    connect(mnuPrint, &QAction::triggered, this, [this] { mnuPrint_Click(); });
    connect(cmdAcctType, &QPushButton::clicked, this, [this] { cmdAcctType_Click(); });
    connect(cmdNew, &QPushButton::clicked, this, [this] { cmdNew_Click(); });
    connect(cmdCustomer, &QPushButton::clicked, this, [this] { cmdCustomer_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    connect(mnuAdd, &QAction::triggered, this, [this] { mnuAdd_Click(); });
    connect(mnuDelete, &QAction::triggered, this, [this] { mnuDelete_Click(); });
    connect(cboAccounts, &QComboBox::activated, this, [this](int index) { cboAccounts_Click(index); });
    connect(cboAccounts, &QComboBox::editTextChanged, this, [this](const QString& text) { cboAccounts_Change(text); });
    resize(760, 560);
}

int frmCustomer::USAStyle() const
{
    return Live().IsUsaStyle() ? -1 : 0;
}

void frmCustomer::Form_Load()
{
    CurrentRec = 1;
    cboTitle->addItems(Titles);
    SetComboText(cboTitle, QString());
    cboStates->addItems(ReadStatesList());
    SetComboText(cboStates, QString());
}

void frmCustomer::Form_Activate()
{
    HookFlexGrid(this, fgCustomersFound);
    ResetBillingRecords();
    LoadAuxHeadings();
    ClearCustomerFields();
    lbLType->setText(BusinessType);
    cmdAcctType_Click();
    ApplyAddressStyle();

    RecordCount = CustomerCount();
    if (RecordCount > 0) {
        EnableNavButtons(true);
        EnableFindButtons(true);
        EnableRecordMenus(true);
        LoadAccountList();
        if (CurrentRec < 1 || CurrentRec > RecordCount)
            CurrentRec = 1;
        LoadCustomer();
    } else {
        ShowEmptyFile(true);
    }
    if (!FileExists(ContractInfoPath))
        BuildContractInfo(RecordCount);
    if (!FileExists(CycleInfoPath))
        BuildCycleInfo(RecordCount);
    txtCustomer[0]->setFocus();
}

void frmCustomer::Form_Deactivate()
{
    UnhookFlexGrid();
}

void frmCustomer::Form_QueryUnload(int unloadMode, bool& cancel)
{
    Q_UNUSED(cancel);
    if (unloadMode == UserClosed)
        EndProgram();
}

bool frmCustomer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Leaving a box means going to another control, not a pop-up list or another window.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            if (watched == txtCustomer[0])
                txtAccountNo_LostFocus();
            else if (watched == txtCustomer[1])
                txtName_LostFocus();
            else if (watched == cboAccounts->lineEdit())
                cboAccounts_LostFocus();
        }
    } else if (event->type() == QEvent::KeyPress && watched == cboAccounts->lineEdit()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Delete || key == Qt::Key_Backspace)
            suppressCompletion_ = true;
    }
    return Screen::eventFilter(watched, event);
}

void frmCustomer::ApplyAddressStyle()
{
    const bool usa = USAStyle() == -1;
    fraUSAddress->setVisible(usa);
    fraIntAddress->setVisible(!usa);
}

void frmCustomer::ClearCustomerFields()
{
    for (TextBox* box : txtCustomer)
        if (box)
            box->clear();
    SetComboText(cboCity, QString());
    txtAdd3->clear();
    txtAdd4->clear();
}

void frmCustomer::LoadCustomer()
{
    ClearCustomerFields();
    const CustomerRecord record = ReadCustomer(CurrentRec);
    CustomerRec() = record;
    txtCustomer[0]->setText(record.AccountNo.trimmed());
    txtCustomer[1]->setText(record.AccountName.trimmed());
    txtCustomer[2]->setText(record.Address1.trimmed());
    txtCustomer[3]->setText(record.Address2.trimmed());
    SetComboText(cboCity, record.City.trimmed());
    txtAdd3->setText(record.City.trimmed());
    SetComboText(cboStates, record.State.trimmed());
    txtCustomer[5]->setText(record.Zip.trimmed().isEmpty() ? record.Zip2.trimmed() : record.Zip.trimmed());
    txtAdd4->setText(record.Zip2.trimmed());
    txtCustomer[6]->setText(record.Telephone.trimmed());
    txtCustomer[7]->setText(record.FaxEmail.trimmed());
    txtCustomer[8]->setText(record.FirstName.trimmed());
    txtCustomer[9]->clear();
    txtCustomer[10]->setText(record.LastName.trimmed());
    txtCustomer[11]->setText(record.Cell.trimmed());
    SetComboText(cboTitle, record.Title.trimmed());
    lbLType->setText(record.AccountType.trimmed());
    SetAccountType(lbLType->text());
    if (txtCustomer[1]->text().isEmpty()) {
        txtCustomer[0]->setFocus();
        txtCustomer[1]->setText(JoinNameParts(record.Title, record.FirstName, record.MiddleInitial, record.LastName));
    }
    LoadAuxData();
    LoadContractRecord(CurrentRec);
    LoadCycleRecord(CurrentRec);
}

void frmCustomer::SaveCustomer()
{
    RecordValid = -1;
    const bool business = lbLType->text() == BusinessType;
    if (business && txtCustomer[1]->text().isEmpty()) {
        MsgBox(QStringLiteral("The Account Name Cannot be Blank"));
        RecordValid = 0;
        txtCustomer[1]->setFocus();
        return;
    }
    if (!business && (txtCustomer[8]->text().isEmpty() || txtCustomer[10]->text().isEmpty())) {
        MsgBox(QStringLiteral("Enter Account 1st and Last Name"));
        RecordValid = 0;
        txtCustomer[8]->setFocus();
        return;
    }
    // The account number names the customer's folders and the invoicer's file.
    const QString accountNo = txtCustomer[0]->text().trimmed();
    if (!IsSafePathPart(accountNo)) {
        MsgBox(accountNo.isEmpty() ? QStringLiteral("The Account Number cannot be blank")
                                   : QStringLiteral("The Account Number cannot contain / \\ * ? \" : < > | or ..\nEnter a different Number"),
               MsgButtons::OkOnly, MsgIcon::None, QStringLiteral("Invalid Account Number"));
        RecordValid = 0;
        txtCustomer[0]->setFocus();
        return;
    }
    RecordCount = CustomerCount();
    if (CurrentRec > RecordCount + 1)
        CurrentRec = RecordCount + 1;
    if (IsDuplicateAccount(accountNo, CurrentRec)) {
        MsgBox(QStringLiteral("The Account Number has been duplicated\nEnter a different Number"), MsgButtons::OkOnly,
               MsgIcon::None, QStringLiteral("Duplicate Account Number"));
        RecordValid = 0;
        txtCustomer[0]->setFocus();
        return;
    }

    CustomerRecord& record = CustomerRec();
    record.AccountNo = accountNo;
    record.AccountName = txtCustomer[1]->text().trimmed();
    record.Address1 = txtCustomer[2]->text().trimmed();
    record.Address2 = txtCustomer[3]->text().trimmed();
    record.CityCopy = cboCity->currentText().trimmed();
    record.Zip = txtCustomer[5]->text();
    record.Telephone = txtCustomer[6]->text().trimmed();
    record.FaxEmail = txtCustomer[7]->text().trimmed();
    record.FirstName = txtCustomer[8]->text().trimmed();
    record.MiddleInitial.clear();
    record.LastName = txtCustomer[10]->text().trimmed();
    record.Cell = txtCustomer[11]->text().trimmed();
    record.Title = cboTitle->currentText().trimmed();
    record.AccountType = lbLType->text();
    if (USAStyle() == -1) {
        record.City = cboCity->currentText().trimmed();
        record.State = cboStates->currentText().trimmed();
        record.Zip2 = txtCustomer[5]->text().trimmed();
    } else {
        record.City = txtAdd3->text().trimmed();
        record.State.clear();
        record.Zip2 = txtAdd4->text().trimmed();
    }

    // The billing records go with the customer: those on file for it, defaults for a new one.
    PrepareBillingRecordsFor(CurrentRec);
    const bool saved = SaveCustomerRecords(CurrentRec, record);
    RecordCount = CustomerCount();
    if (!saved) {
        ShowWriteFailure(QStringLiteral("The Customer could not be saved."));
        RecordValid = 0;
        return;
    }
    DisplayName = BuildAccountName(business);
    AddCity(record.City);
    EnableNavButtons(true);
    EnableFindButtons(true);
    ResetBillingRecords();
    EnableRecordMenus(true);
}

bool frmCustomer::HasSomethingToSave() const
{
    if (lbLType->text() == BusinessType)
        return !txtCustomer[1]->text().trimmed().isEmpty();
    return !txtCustomer[8]->text().trimmed().isEmpty() || !txtCustomer[10]->text().trimmed().isEmpty();
}

bool frmCustomer::IsNewRecord() const
{
    return CurrentRec > CustomerCount();
}

bool frmCustomer::IsBlankRecord() const
{
    for (int i : {0, 1, 2, 3, 7, 8, 10, 11})
        if (!txtCustomer[size_t(i)]->text().trimmed().isEmpty())
            return false;
    return txtAdd3->text().trimmed().isEmpty() && txtAdd4->text().trimmed().isEmpty();
}

bool frmCustomer::NewCustomer()
{
    if (HasSomethingToSave()) {
        SaveCustomer();
        if (!RecordValid)
            return false;
    }
    RecordCount = CustomerCount();
    CurrentRec = RecordCount + 1;
    CustomerRecord& record = CustomerRec();
    const qint16 spare1 = record.Spare1;
    const qint16 spare2 = record.Spare2;
    record = CustomerRecord{};
    record.Spare1 = spare1;
    record.Spare2 = spare2;

    ClearCustomerFields();
    SetAccountType(IndividualType);
    LoadAccountList();
    PrefillFromBusiness();
    txtCustomer[6]->clear();
    txtCustomer[0]->setFocus();
    return true;
}

void frmCustomer::PrefillFromBusiness()
{
    SetComboText(cboCity, Settings().BusinessCity);
    txtCustomer[5]->setText(Settings().BusinessZip);
    SetComboText(cboStates, Settings().BusinessState);
}

void frmCustomer::ShowEmptyFile(bool tellUser)
{
    RecordCount = 0;
    CurrentRec = 1;
    // Nothing of a customer shown before may pass to the first new one.
    CustomerRec() = CustomerRecord{};
    ResetBillingRecords();
    EnableNavButtons(false);
    EnableFindButtons(false);
    ClearCustomerFields();
    SetComboText(cboTitle, QString());
    SetAccountType(IndividualType);
    PrefillFromBusiness();
    txtCustomer[6]->setText(Settings().BusinessPhone.left(7) + QLatin1Char('-'));
    txtCustomer[0]->setFocus();
    if (tellUser)
        MsgBox(QStringLiteral("Your Customer File is Empty\nCreate your First Customer Now"), MsgButtons::OkOnly,
               MsgIcon::None, QStringLiteral("Create Customers"));
    mnuDelete->setEnabled(false);
}

void frmCustomer::SetAccountType(const QString& type)
{
    nameList_->hide();
    if (type == BusinessType) {
        DisplayName = BuildAccountName(true);
        nameBoxes_->show();
        individualBoxes_->hide();
        lbLType->setText(BusinessType);
        txtCustomer[0]->setFocus();
    } else {
        DisplayName = BuildAccountName(false);
        nameBoxes_->hide();
        individualBoxes_->show();
        lbLType->setText(IndividualType);
        cboTitle->setFocus();
    }
}

QString frmCustomer::BuildAccountName(bool business) const
{
    const CustomerRecord& record = CustomerRec();
    if (business)
        return record.AccountName.trimmed();
    return JoinNameParts(record.Title, record.FirstName, record.MiddleInitial, record.LastName);
}

void frmCustomer::ShowTypeLayout()
{
    nameList_->hide();
    const bool business = lbLType->text() == BusinessType;
    nameBoxes_->setVisible(business);
    individualBoxes_->setVisible(!business);
}

void frmCustomer::cmdAcctType_Click()
{
    nameList_->hide();
    SetAccountType(lbLType->text() == IndividualType ? BusinessType : IndividualType);
}

void frmCustomer::LoadAccountList()
{
    const AccountLists lists = ReadAccountLists();
    {
        const QSignalBlocker blocker(cboAccounts);
        cboAccounts->clear();
        for (const AccountListEntry& entry : lists.Names)
            cboAccounts->addItem(entry.Text, entry.RecordNo);
        SetComboText(cboAccounts, QString());
    }
    const QString city = cboCity->currentText();
    const QSignalBlocker blocker(cboCity);
    cboCity->clear();
    cboCity->addItems(lists.Cities);
    SetComboText(cboCity, city);
}

void frmCustomer::AddCity(const QString& city)
{
    const QString trimmed = city.trimmed();
    for (int i = 0; i < cboCity->count(); ++i)
        if (cboCity->itemText(i).trimmed() == trimmed)
            return;
    int position = 0;
    while (position < cboCity->count() && cboCity->itemText(position).compare(trimmed, Qt::CaseInsensitive) < 0)
        ++position;
    const QString shown = cboCity->currentText();
    const QSignalBlocker blocker(cboCity);
    cboCity->insertItem(position, trimmed);
    SetComboText(cboCity, shown);
}

void frmCustomer::EnableNavButtons(bool enabled)
{
    for (QPushButton* button : cmdNav)
        button->setEnabled(enabled);
}

void frmCustomer::EnableFindButtons(bool enabled)
{
    for (int i : {0, 1})
        if (Command1[size_t(i)])
            Command1[size_t(i)]->setEnabled(enabled);
}

void frmCustomer::EnableRecordMenus(bool enabled)
{
    mnuAdd->setEnabled(enabled);
    mnuDelete->setEnabled(enabled);
    mnuAux->setEnabled(enabled);
}

bool frmCustomer::CheckDuplicateAccount(const QString& accountNo)
{
    if (!IsDuplicateAccount(accountNo, CurrentRec))
        return false;
    MsgBox(QStringLiteral("The Account Number has been duplicated\nEnter a different Number"), MsgButtons::OkOnly,
           MsgIcon::None, QStringLiteral("Duplicate Account Number"));
    txtCustomer[0]->clear();
    txtCustomer[0]->setFocus();
    return true;
}

void frmCustomer::txtAccountNo_LostFocus()
{
    if (!txtCustomer[0]->text().isEmpty())
        CheckDuplicateAccount(txtCustomer[0]->text());
}

void frmCustomer::txtName_LostFocus()
{
    if (lbLType->text() != BusinessType || txtCustomer[1]->text().size() >= 2)
        return;
    if (Settings().AlarmsOn)
        Beep();
    MsgBox(QStringLiteral("Account Name cannot be blank"), MsgButtons::OkOnly, MsgIcon::None,
           QStringLiteral("No Name Entered"));
}

namespace {
// A billing file is rebuilt for the customers on file; without a customer file the user is
// told which file cannot be rebuilt.
bool CanRebuildBillingFile(const QString& fileName)
{
    if (FileExists(CustomerDataPath))
        return true;
    MsgBox(QStringLiteral("Your Customer Information File is missing\nThe %1 File can not be rebuilt\n"
                          "This is normal when creating your 1st Customer")
               .arg(fileName),
           MsgButtons::OkOnly, MsgIcon::None, QStringLiteral("No Customer File Found"));
    return false;
}
} // namespace

void frmCustomer::BuildContractInfo(int count)
{
    Q_UNUSED(count);
    if (!CanRebuildBillingFile(QStringLiteral("Contract")))
        return;
    if (!RebuildContractFile(CustomerCount()))
        ShowWriteFailure(QStringLiteral("The Contract File could not be rebuilt."));
}

void frmCustomer::BuildCycleInfo(int count)
{
    Q_UNUSED(count);
    if (!CanRebuildBillingFile(QStringLiteral("Cycle")))
        return;
    MsgBox(QStringLiteral("Your Billing Information File will be Built with Default Values"), MsgButtons::OkOnly,
           MsgIcon::None, QStringLiteral("Building Billing Info"));
    if (!RebuildCycleFile(CustomerCount()))
        ShowWriteFailure(QStringLiteral("The Billing Information File could not be rebuilt."));
}

void frmCustomer::cmdNav_Click(int Index)
{
    ShowTypeLayout();
    SaveCustomer();
    if (!RecordValid)
        return;
    const std::optional<int> target = NavigationTarget(Index, CurrentRec, RecordCount);
    if (!target)
        return;
    CurrentRec = *target;
    LoadCustomer();
}

void frmCustomer::Command1_Click(int Index)
{
    switch (Index) {
    case 0:
        ShowTypeLayout();
        SaveCustomer();
        if (!RecordValid)
            return;
        fraCustomersFound->hide();
        fraSearch->show();
        txtSearchfor->clear();
        txtSearchfor->setFocus();
        break;
    case 3:
        ShowTypeLayout();
        fraSearch->hide();
        mnuPrint_Click();
        break;
    case 1:
        if (cboAccounts->count() < 1)
            return;
        fraSearch->hide();
        fraCustomersFound->hide();
        nameBoxes_->hide();
        individualBoxes_->hide();
        SetComboText(cboAccounts, QString());
        lblSearch->show();
        nameList_->show();
        cboAccounts->setFocus();
        break;
    case 2:
        ShowTypeLayout();
        fraSearch->hide();
        fraCustomersFound->hide();
        break;
    default:
        break;
    }
}

void frmCustomer::cboAccounts_Click(int index)
{
    if (index < 0)
        return;
    const int recordNo = cboAccounts->itemData(index).toInt();
    ShowTypeLayout();
    CurrentRec = recordNo;
    LoadCustomer();
}

void frmCustomer::cboAccounts_Change(const QString& text)
{
    if (suppressCompletion_) {
        suppressCompletion_ = false;
        return;
    }
    if (text.isEmpty())
        return;
    for (int i = 0; i < cboAccounts->count(); ++i) {
        const QString entry = cboAccounts->itemText(i);
        if (!entry.startsWith(text, Qt::CaseInsensitive))
            continue;
        if (entry.size() > text.size()) {
            suppressCompletion_ = true;
            QLineEdit* edit = cboAccounts->lineEdit();
            edit->setText(text + entry.mid(text.size()));
            edit->setSelection(int(text.size()), int(entry.size() - text.size()));
        }
        return;
    }
}

void frmCustomer::cboAccounts_LostFocus()
{
    lblSearch->hide();
    const QString wanted = cboAccounts->currentText().trimmed().toUpper();
    if (wanted.isEmpty())
        return;
    for (int i = 0; i < cboAccounts->count(); ++i) {
        if (cboAccounts->itemText(i).trimmed().toUpper() == wanted) {
            {
                const QSignalBlocker blocker(cboAccounts);
                cboAccounts->setCurrentIndex(i);
            }
            cboAccounts_Click(i);
            return;
        }
    }
}

void frmCustomer::cmdNew_Click()
{
    mnuAdd_Click();
}

void frmCustomer::mnuAdd_Click()
{
    if (!NewCustomer())
        return;
    // The data boxes belong to customers on file.
    fraAux->hide();
    fraBig->hide();
    cmdCustomer->show();
    ResetBillingRecords();
    mnuAux->setEnabled(false);
    mnuDelete->setEnabled(false);
    mnuAdd->setEnabled(false);
}

void frmCustomer::cmdCustomer_Click()
{
    RecordCount = CustomerCount();
    CurrentRec = 1;
    cmdCustomer->hide();
    if (RecordCount > 0) {
        LoadCustomer();
        EnableRecordMenus(true);
    } else {
        ShowEmptyFile(false);
        mnuAdd->setEnabled(true);
    }
}

void frmCustomer::cmdExit_Click()
{
    // A new customer with nothing typed in is no customer to save.
    if (!(IsNewRecord() && IsBlankRecord())) {
        SaveCustomer();
        if (!RecordValid)
            return;
    }
    Unload();
    ShowMainMenu();
}

void frmCustomer::mnuDelete_Click()
{
    if (MsgBox(QStringLiteral("Delete this Customer"), MsgButtons::YesNo) != MsgAnswer::Yes) {
        txtCustomer[0]->setFocus();
        return;
    }
    if (IsNewRecord())
        return;
    if (!DeleteCustomer(CurrentRec))
        ShowWriteFailure(QStringLiteral("The Customer could not be deleted."), QStringLiteral("Delete Failed"));
    // The lists show record numbers, which the delete has moved.
    fraCustomersFound->hide();
    RecordCount = CustomerCount();
    CurrentRec = 1;
    if (RecordCount == 0) {
        LoadAccountList();
        ShowEmptyFile(true);
        return;
    }
    LoadAccountList();
    LoadCustomer();
    txtCustomer[0]->setFocus();
}
