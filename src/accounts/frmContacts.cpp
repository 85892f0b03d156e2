#include "accounts/frmContacts.h"

#include "accounts/ContactFiles.h"
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
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

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

    BuildListFrames(layout);

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

void frmContacts::cmdExit_Click()
{
    if (CurrentRec > 0)
        SaveContact();
    Hide();
    fraSearch->hide();
    ShowMainMenu();
}
