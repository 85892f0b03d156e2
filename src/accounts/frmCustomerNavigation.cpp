// The customer screen's ways between records: the account type and its name boxes, the
// navigation and find buttons, and the name list.
#include "accounts/frmCustomer.h"

#include "accounts/CustomerRecords.h"
#include "core/Utilities.h"
#include "platform/TextBox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

