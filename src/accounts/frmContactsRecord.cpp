// The contact screen's record: the contact shown, its load, save, add and delete, and the
// moves between records.
#include "accounts/frmContacts.h"

#include "accounts/ContactFiles.h"
#include "accounts/CustomerRecords.h"
#include "core/Settings.h"
#include "core/Utilities.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>


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
    // A contact on file is shown: nothing is being added that could be cancelled.
    Command1[1]->setEnabled(false);
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
