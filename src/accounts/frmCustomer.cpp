#include "accounts/frmCustomer.h"

#include "accounts/ContactFiles.h"
#include "accounts/CustomerRecords.h"
#include "core/FileAccess.h"
#include "core/GridWheel.h"
#include "core/Navigation.h"
#include "core/Settings.h"
#include "core/Shutdown.h"
#include "core/Utilities.h"
#include "platform/Controls.h"
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
    phones->addWidget(BuildDialPicture());
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
    // The editable name list gets the keys and the focus itself and hands them to its line edit
    // directly, past any filter on that edit: watch the combo box.
    for (QObject* watched : {static_cast<QObject*>(txtCustomer[0]), static_cast<QObject*>(txtCustomer[1]),
                             static_cast<QObject*>(cboAccounts)})
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
    // Until activation lays the screen out, one name row and the taller address frame, so that
    // the window is measured for what it will show.
    nameBoxes_->hide();
    fraUSAddress->hide();
    // The search and the list of customers found open in turn under the buttons.
    SetAlternatePanels({fraSearch, fraCustomersFound});
    // The data screen beside the customer, and its large edit window, come and go within one size.
    SetReservedPanels({fraAux, fraBig});
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
    SetDialerPicture();
}

void frmCustomer::Form_Activate()
{
    SetDialerPicture();
    if (dialling_)
        return;
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
            else if (watched == cboAccounts)
                cboAccounts_LostFocus();
        }
    } else if (event->type() == QEvent::KeyPress && watched == cboAccounts) {
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

