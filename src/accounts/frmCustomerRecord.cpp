// The customer screen's record: the boxes of the customer shown, its load, save, add and delete,
// and the billing files rebuilt for the customers on file.
#include "accounts/frmCustomer.h"

#include "accounts/CustomerRecords.h"
#include "core/FileAccess.h"
#include "core/Settings.h"
#include "core/Utilities.h"
#include "platform/CodePage.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

void frmCustomer::ClearCustomerFields()
{
    for (TextBox* box : txtCustomer)
        if (box)
            box->clear();
    SetComboText(cboCity, QString());
    // The title too, or a new customer takes over the one shown before.
    SetComboText(cboTitle, QString());
    txtAdd3->clear();
    txtAdd4->clear();
}

void frmCustomer::LoadCustomer()
{
    ClearCustomerFields();
    const CustomerRecord record = ReadCustomer(CurrentRec);
    CustomerRec() = record;
    shownAccountNo_.reset();
    if (CurrentRec <= CustomerCount())
        shownAccountNo_ = record.AccountNo.trimmed();
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
    const PathPartFault fault = CheckPathPart(accountNo);
    if (fault != PathPartFault::None) {
        QString why = QStringLiteral("The Account Number cannot contain / \\ * ? \" : < > | or ..\nEnter a different Number");
        if (fault == PathPartFault::Empty)
            why = QStringLiteral("The Account Number cannot be blank");
        else if (fault == PathPartFault::DeviceName)
            why = QStringLiteral("The Account Number (%1) is the name of a device\nEnter a different Number").arg(accountNo);
        else if (fault == PathPartFault::TrailingDotOrBlank)
            why = QStringLiteral("The Account Number cannot end with a dot\nEnter a different Number");
        MsgBox(why, MsgButtons::OkOnly, MsgIcon::None, QStringLiteral("Invalid Account Number"));
        RecordValid = 0;
        txtCustomer[0]->setFocus();
        return;
    }
    // The file keeps the number in its code page, where a character it lacks becomes "?": two
    // numbers could become one, and a folder named as typed could not be found from the file.
    if (!FitsCodePage(accountNo)) {
        const auto unfit = std::find_if(accountNo.cbegin(), accountNo.cend(), [](QChar c) { return !FitsCodePage(QString(c)); });
        MsgBox(QStringLiteral("The Account Number cannot hold the character (%1)\nEnter a different Number").arg(*unfit),
               MsgButtons::OkOnly, MsgIcon::None, QStringLiteral("Invalid Account Number"));
        RecordValid = 0;
        txtCustomer[0]->setFocus();
        return;
    }
    if (!FindShownCustomer()) {
        RecordValid = 0;
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
    shownAccountNo_ = accountNo;
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
    shownAccountNo_.reset();
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
    shownAccountNo_.reset();
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

void frmCustomer::EnableRecordMenus(bool enabled)
{
    mnuAdd->setEnabled(enabled);
    // Compacting two of the three files would pair the customers with the wrong billing records
    // once the third comes back.
    mnuDelete->setEnabled(enabled && CustomerFileNotRestored().isEmpty());
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
// What the user can do about a backup copy that could not be put back, as far as the cause is known.
QString NotRestoredCause(const QString& path, const QString& thenWhat)
{
    switch (WhyNotRestored(path)) {
    case RestoreFault::BackupUnreadable:
        return QStringLiteral("The Backup copy, %1, cannot be read: check that the program may read it, then ")
                   .arg(BackupPathOf(path).mid(1))
               + thenWhat;
    case RestoreFault::PlaceTaken:
        return QStringLiteral("Something that is not a file stands in its place: move %1 away, then ").arg(path.mid(1))
               + thenWhat;
    case RestoreFault::NotWritten:
        break;
    }
    return QStringLiteral("It could not be written: make room on the disk or check that the program folder may be "
                          "written to, then ")
           + thenWhat;
}

// A billing file is rebuilt for the customers on file; without a customer file the user is
// told which file cannot be rebuilt. A backup copy that could not be put back is the file's only
// good copy: it is kept, and the user is told.
bool CanRebuildBillingFile(const QString& fileName, const QString& path)
{
    if (FileStateOf(path) == FileState::NotRestored) {
        MsgBox(QStringLiteral("The %1 File is missing and its Backup copy could not be put back\n%2\n"
                              "The Backup copy is kept")
                   .arg(fileName, NotRestoredCause(path, QStringLiteral("open this screen again"))),
               MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("File Not Restored"));
        return false;
    }
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
    if (!CanRebuildBillingFile(QStringLiteral("Contract"), ContractInfoPath))
        return;
    if (!RebuildContractFile(CustomerCount()))
        ShowWriteFailure(QStringLiteral("The Contract File could not be rebuilt."));
}

void frmCustomer::BuildCycleInfo(int count)
{
    Q_UNUSED(count);
    if (!CanRebuildBillingFile(QStringLiteral("Cycle"), CycleInfoPath))
        return;
    MsgBox(QStringLiteral("Your Billing Information File will be Built with Default Values"), MsgButtons::OkOnly,
           MsgIcon::None, QStringLiteral("Building Billing Info"));
    if (!RebuildCycleFile(CustomerCount()))
        ShowWriteFailure(QStringLiteral("The Billing Information File could not be rebuilt."));
}

void frmCustomer::cmdNew_Click()
{
    mnuAdd_Click();
}

void frmCustomer::mnuAdd_Click()
{
    if (!CustomerFilesSettled() || !NewCustomer())
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

bool frmCustomer::CustomerFilesSettled()
{
    if (RecoverCustomerDelete())
        return true;
    ShowCustomerFileFault({CustomerFileFault::Unsettled, CustomerDeleteMarkerPath.mid(1)});
    return false;
}

bool frmCustomer::FindShownCustomer()
{
    if (!CustomerFilesSettled())
        return false;
    if (!shownAccountNo_)
        return true;
    if (CurrentRec <= CustomerCount() && ReadCustomer(CurrentRec).AccountNo.trimmed() == *shownAccountNo_)
        return true;
    const CustomerFileSnapshot customers;
    auto numberAt = [&customers](int n) { return customers.Field(n, &CustomerRecord::AccountNo).trimmed(); };
    // Records moved since the customer was loaded: it is wherever its number is now.
    if (!shownAccountNo_->isEmpty()) {
        for (int n = 1; n <= customers.Count(); ++n) {
            if (numberAt(n) == *shownAccountNo_) {
                CurrentRec = n;
                RecordCount = customers.Count();
                LoadAccountList();
                return true;
            }
        }
    }
    MsgBox(QStringLiteral("This Customer (%1) was deleted when a Customer delete that had been cut short was finished\n"
                          "The changes shown cannot be saved")
               .arg(*shownAccountNo_),
           MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Customer Deleted"));
    fraCustomersFound->hide();
    RecordCount = customers.Count();
    CurrentRec = 1;
    LoadAccountList();
    if (RecordCount > 0)
        LoadCustomer();
    else
        ShowEmptyFile(false);
    return false;
}

void frmCustomer::ShowCustomerFileFault(const CustomerFileOutcome& outcome)
{
    switch (outcome.Fault) {
    case CustomerFileFault::None:
        return;
    case CustomerFileFault::Missing:
    case CustomerFileFault::NotRestored: {
        const bool noBackup = outcome.Fault == CustomerFileFault::Missing;
        MsgBox(QStringLiteral("The Customer cannot be deleted while %1 is missing\n%2")
                   .arg(outcome.File, noBackup ? QStringLiteral("There is no Backup copy of it to put back")
                                               : QStringLiteral("Its Backup copy could not be put back\n")
                                                     + NotRestoredCause(QLatin1Char('/') + outcome.File,
                                                                        QStringLiteral("try again"))),
               MsgButtons::OkOnly, MsgIcon::Exclamation,
               noBackup ? QStringLiteral("File Missing") : QStringLiteral("File Not Restored"));
        return;
    }
    case CustomerFileFault::NotWritten:
        ShowWriteFailure(QStringLiteral("The Customer could not be deleted: %1 could not be written.").arg(outcome.File),
                         QStringLiteral("Delete Failed"));
        return;
    case CustomerFileFault::Unsettled:
        MsgBox(QStringLiteral("A Customer delete could not be finished: the Customer Files must be repaired\n"
                              "Make sure the program folder can be written to, then try again"),
               MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Customer Files"));
        return;
    }
}

void frmCustomer::mnuDelete_Click()
{
    if (!FindShownCustomer())
        return;
    // The files as they are now, the backup copies tried, not as the screen found them.
    if (const CustomerFileOutcome missing = CheckCustomerFilesThere(); !missing) {
        ShowCustomerFileFault(missing);
        return;
    }
    if (MsgBox(QStringLiteral("Delete this Customer"), MsgButtons::YesNo) != MsgAnswer::Yes) {
        txtCustomer[0]->setFocus();
        return;
    }
    if (IsNewRecord())
        return;
    const CustomerFileOutcome deleted = DeleteCustomer(CurrentRec);
    if (!deleted) {
        ShowCustomerFileFault(deleted);
        return;
    }
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
