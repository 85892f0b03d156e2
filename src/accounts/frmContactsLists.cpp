// The contact screen's lists: the search panel and its results, the contact list and its
// report, and the vendor list.
#include "accounts/frmContacts.h"

#include "accounts/ContactFiles.h"
#include "accounts/Reports.h"
#include "core/FileAccess.h"
#include "core/Printing.h"
#include "core/Settings.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

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

void frmContacts::BuildListFrames(QVBoxLayout* layout)
{
    fraSearch = new QGroupBox(QStringLiteral("Vendor Search"), this);
    auto* search = new QGridLayout(fraSearch);
    for (int i = 0; i < 8; ++i) {
        optSearch[size_t(i)] = new QRadioButton(QString::fromUtf8(ContactSearchCaptions[i]), fraSearch);
        search->addWidget(optSearch[size_t(i)], i / 2, i % 2);
    }
    auto* searchCaption = new QLabel(QStringLiteral("Search for"), fraSearch);
    txtSearchfor = new TextBox(fraSearch);
    searchCaption->setBuddy(txtSearchfor);
    auto* criterion = new QHBoxLayout;
    criterion->addWidget(searchCaption);
    criterion->addWidget(txtSearchfor, 1);
    search->addLayout(criterion, 4, 0, 1, 2);
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
