#include "projects/frmWorkOrder.h"

#include "accounts/WorkOrderCustomer.h"
#include "core/FileAccess.h"
#include "core/GridWheel.h"
#include "core/Navigation.h"
#include "core/Settings.h"
#include "core/Shutdown.h"
#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"
#include "projects/NarrativeTemplate.h"
#include "projects/PickLists.h"
#include "projects/WorkOrderPrinting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const Headings[] = {"Work Order", "Service Order", "Repair Order", "Estimate"};

} // namespace

frmWorkOrder::frmWorkOrder()
{
    setWindowTitle(QStringLiteral("Create Work Order or Estimate"));
    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    layout->setMenuBar(menuBar);
    mnuAccount = menuBar->addAction(QStringLiteral("Toggle Account Data Screen"));
    connect(mnuAccount, &QAction::triggered, this, [this] { mnuAccount_Click(); });

    const std::pair<int, const char*> captions[] = {
        {0, "Menu"}, {1, "Print Documents"}, {2, "Hide"}, {3, "Clear All Services and Items "},
        {4, "Add Service"}, {5, "Add Item"}, {6, "Save as a Template"}, {7, "Clear Narrative"},
        {8, "Load a Template"}, {9, "Select All"}, {10, "Select All"},
    };
    for (const auto& [index, caption] : captions) {
        cmdWO[size_t(index)] = new QPushButton(QString::fromLatin1(caption), this);
        connect(cmdWO[size_t(index)], &QPushButton::clicked, this, [this, i = index] { cmdWO_Click(i); });
    }

    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* headingRow = new QGridLayout;
    headingRow->addWidget(new QLabel(QStringLiteral("Select from List or Type New Heading"), this), 0, 0);
    cboHeading = NewTextCombo(this, 0);
    cboHeading->setMinimumWidth(200);
    headingRow->addWidget(cboHeading, 1, 0);
    headingRow->addWidget(new QLabel(QStringLiteral("(Max Length = 12 Chrs)"), this), 1, 1);
    headingRow->setColumnStretch(2, 1);
    left->addLayout(headingRow);
    left->addWidget(new QLabel(QStringLiteral("Narrative Box"), this));
    txtWONarrative = new MultiLineTextBox(this);
    txtWONarrative->setMinimumHeight(160);
    left->addWidget(txtWONarrative, 1);
    auto* blank = new QLabel(QStringLiteral("If Left BLANK, the Form will be Printed with lines allowing for Manual Entry"), this);
    blank->setWordWrap(true);
    left->addWidget(blank);
    auto* narrativeButtons = new QHBoxLayout;
    for (int i : {6, 8, 7})
        narrativeButtons->addWidget(cmdWO[size_t(i)]);
    narrativeButtons->addStretch();
    left->addLayout(narrativeButtons);
    top->addLayout(left, 1);
    top->addWidget(BuildAccountFrame());
    layout->addLayout(top, 1);

    layout->addWidget(BuildPickLists(), 1);

    auto* bottom = new QHBoxLayout;
    ckCompletion = new QCheckBox(QStringLiteral("Print a Completion Summary Report"), this);
    bottom->addWidget(ckCompletion);
    bottom->addStretch();
    bottom->addWidget(cmdWO[3]);
    bottom->addWidget(cmdWO[1]);
    bottom->addWidget(cmdWO[0]);
    layout->addLayout(bottom);
    resize(1200, 760);
}

QWidget* frmWorkOrder::BuildAccountFrame()
{
    fraAccount = new QGroupBox(QStringLiteral("Account Information"), this);
    auto* box = new QVBoxLayout(fraAccount);
    for (size_t i = 0; i < lblAccount.size(); ++i) {
        lblAccount[i] = new ElidedLabel(fraAccount);
        lblAccount[i]->setMinimumWidth(220);
        box->addWidget(lblAccount[i]);
    }
    lblAccount[4]->setText(QStringLiteral("City"));
    box->addStretch();
    box->addWidget(cmdWO[2], 0, Qt::AlignRight);
    return fraAccount;
}

void frmWorkOrder::Form_Load()
{
    cboHeading->blockSignals(true);
    cboHeading->clear();
    for (const char* heading : Headings)
        cboHeading->addItem(QString::fromLatin1(heading));
    cboHeading->setCurrentIndex(-1);
    cboHeading->blockSignals(false);
    if (FileExists(InventoryPath))
        LoadAdditionalItems();
    if (FileExists(ServicesPath))
        LoadServices();
    if (FileExists(CustomItemsPath))
        LoadCustomItems();
}

void frmWorkOrder::Form_Activate()
{
    DeleteFile(NarrativeTempPath);
    const WorkOrderCustomerValues& customer = WorkOrderCustomer();
    for (size_t i = 0; i < lblAccount.size(); ++i)
        if (i != 4)
            lblAccount[i]->setText(customer.Labels[i]);
    for (QListWidget* list : {lstItems, lstServices}) {
        list->setEnabled(list->count() > 0);
        if (list->count() > 0)
            list->setCurrentRow(0);
    }
    for (QComboBox* prices : cboPrices)
        if (prices->count() > 0)
            prices->setCurrentIndex(0);
    cboHeading->setCurrentIndex(0);
    ClearSelectedLists();
    cmdWO[8]->setEnabled(FileExists(NarrativeTemplatePath));
}

void frmWorkOrder::Form_Deactivate()
{
    UnhookFlexGrid();
}

void frmWorkOrder::Form_QueryUnload(int unloadMode, bool& cancel)
{
    Q_UNUSED(cancel);
    UnhookFlexGrid();
    if (unloadMode == UserClosed)
        EndProgram();
}

void frmWorkOrder::cmdWO_Click(int Index)
{
    switch (Index) {
    case 0:
        Hide();
        ShowMainMenu();
        break;
    case 1:
        PrintDocuments();
        break;
    case 2:
        fraAccount->hide();
        break;
    case 3:
        lstItems->setCurrentRow(-1);
        lstServices->setCurrentRow(-1);
        ClearSelectedLists();
        break;
    case 4:
        AddChosen(0);
        break;
    case 5:
        AddChosen(1);
        break;
    case 6:
        if (txtWONarrative->toPlainText().isEmpty()) {
            MsgBox(QStringLiteral("Enter Data in Narrative Box"));
            txtWONarrative->setFocus();
            return;
        }
        SaveNarrativeTemplate();
        break;
    case 7:
        txtWONarrative->clear();
        txtWONarrative->setFocus();
        break;
    case 8:
        LoadNarrativeTemplate();
        break;
    case 9:
        SelectAll(1);
        break;
    case 10:
        SelectAll(0);
        break;
    default:
        break;
    }
}

void frmWorkOrder::mnuAccount_Click()
{
    fraAccount->setVisible(fraAccount->isHidden());
}

void frmWorkOrder::SaveNarrativeTemplate()
{
    if (!::SaveNarrativeTemplate(txtWONarrative->toPlainText())) {
        MsgBox(QStringLiteral("The Template could not be Saved"), MsgButtons::OkOnly, MsgIcon::Exclamation,
               QStringLiteral("Template not Saved"));
        return;
    }
    cmdWO[8]->setEnabled(true);
}

void frmWorkOrder::LoadNarrativeTemplate()
{
    const std::optional<QString> text = ::LoadNarrativeTemplate();
    if (!text) {
        // The template has gone since the button was enabled: the narrative stays as it is.
        cmdWO[8]->setEnabled(false);
        if (Settings().AlarmsOn)
            Beep();
        return;
    }
    txtWONarrative->setPlainText(*text);
}

WorkOrderDocument frmWorkOrder::Document() const
{
    const WorkOrderCustomerValues& customer = WorkOrderCustomer();
    WorkOrderDocument d;
    d.Heading = cboHeading->currentText();
    d.AccountNo = lblAccount[0]->text();
    d.CustomerName = customer.DisplayName;
    d.Address1 = customer.Address1;
    d.Address2 = customer.Address2;
    d.City = customer.City;
    d.State = customer.State;
    d.Zip2 = customer.Zip2;
    d.Items = Entries(lstItemsList);
    d.ItemPrices = Entries(lstPrices[1]);
    d.Services = Entries(lstServicesList);
    d.ServicePrices = Entries(lstPrices[0]);
    return d;
}

void frmWorkOrder::PrintDocuments()
{
    const QString heading = cboHeading->currentText().left(HeadingLength);
    if (heading != cboHeading->currentText())
        SetComboText(cboHeading, heading);
    // The printing copy goes first: without it the narrative would print as blank lines.
    if (!WriteNarrativeTemp(txtWONarrative->toPlainText())) {
        MsgBox(QStringLiteral("A Print Error has occurred\n") + WorkOrderNotPrinted, MsgButtons::OkOnly,
               MsgIcon::Exclamation, QStringLiteral("Print Error"));
        return;
    }
    if (!PrintWorkOrderDocuments(Document(), ckCompletion->isChecked()))
        return;
    Hide();
    ShowMainMenu();
}
