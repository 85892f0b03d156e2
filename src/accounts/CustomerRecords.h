#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <optional>

// The customer accounts: three record files kept in step record by record.
// "CustomerData.txt" is this program's own; "ContractInfo.txt" and "CycleInfo.txt" hold the
// sibling invoicer's billing data, which this program creates with defaults, carries unchanged
// and moves, but never interprets.

inline const QString CustomerDataPath = QStringLiteral("/CustomerData.txt");
inline const QString ContractInfoPath = QStringLiteral("/ContractInfo.txt");
inline const QString CycleInfoPath = QStringLiteral("/CycleInfo.txt");

inline const QString BusinessType = QStringLiteral("Business");
inline const QString IndividualType = QStringLiteral("Individual");

struct CustomerRecord {
    static constexpr int Length = 328;

    QString AccountNo;     // 20
    QString AccountName;   // 45, a business name, or an individual's name line
    QString Address1;      // 35
    QString Address2;      // 25
    QString City;          // 25, USA: the city; international: address line 3
    QString CityCopy;      // 20, the city box again; written, never read
    QString State;         // 2, USA only
    QString Zip;           // 10, the postal-code box as typed
    QString Zip2;          // 25, USA: the postal code trimmed; international: address line 4
    QString Telephone;     // 13
    QString Cell;          // 13
    QString FaxEmail;      // 30
    QString Title;         // 10
    QString FirstName;     // 15
    QString MiddleInitial; // 1, always written blank
    QString LastName;      // 25
    QString AccountType;   // 10, "Business" or "Individual"
    qint16 Spare1 = 0;
    qint16 Spare2 = 0;

    static CustomerRecord FromBytes(const QByteArray& bytes);
    QByteArray ToBytes() const;
};

struct ContractRecord {
    static constexpr int Length = 386;

    QString ContractField01;   // 35
    QString ContractField02;   // 15
    qint64 ContractField03 = 0; // currency
    QString ContractField04;   // 9
    QString ContractField05;   // 40
    double ContractField06 = 0; // date
    double ContractField07 = 0; // date
    qint16 ContractField08 = 0;
    qint16 ContractField09 = 0;
    qint16 ContractField10 = 0;
    QString ContractField11;   // 20
    QString ContractField12;   // 20
    QString ContractField13;   // 30
    QString ContractField14;   // 35
    QString ContractField15;   // 25
    QString ContractField16;   // 20
    QString ContractField17;   // 2
    QString ContractField18;   // 10
    QString ContractField19;   // 13
    QString ContractField20;   // 30
    qint16 ContractField21 = 0;
    QString ContractField22;   // 50

    static ContractRecord FromBytes(const QByteArray& bytes);
    QByteArray ToBytes() const;
    static ContractRecord Defaults();
};

struct CycleRecord {
    static constexpr int Length = 69;

    QString CycleField1;     // 35
    qint64 CycleField2 = 0;  // currency
    qint16 CycleField3 = 0;
    QString CycleField4;     // 20
    qint16 CycleField5 = 0;
    qint16 CycleField6 = 0;

    static CycleRecord FromBytes(const QByteArray& bytes);
    QByteArray ToBytes() const;
    static CycleRecord Defaults();
};

// The shared record buffers. The billing buffers remember the record they were read for
// (0 for defaults), so a save never puts defaults over billing data it did not read.
struct CustomerBuffers {
    CustomerRecord CustomerRec;
    ContractRecord ContractRec;
    CycleRecord CycleRec;
    qint64 ContractRecNo = 0;
    qint64 CycleRecNo = 0;
};

CustomerBuffers& Customers();
CustomerRecord& CustomerRec();
ContractRecord& ContractRec();
CycleRecord& CycleRec();
void ResetCustomerBuffers();

// The number of customer records; 0 when there is no customer file. Never creates a file.
int CustomerCount();
// Record n of a file, read without creating the file (blank past the end).
CustomerRecord ReadCustomer(qint64 number);
// The customer file read once, for a pass over every record: records 1 to Count() (as
// CustomerCount counts them), each as ReadCustomer reads it. A pass decodes only the fields it
// looks at; the others stay empty.
class CustomerFileSnapshot {
public:
    using Member = QString CustomerRecord::*;
    CustomerFileSnapshot();
    int Count() const { return count_; }
    CustomerRecord Record(int number) const;
    CustomerRecord Fields(int number, std::initializer_list<Member> members) const;
    QString Field(int number, Member member) const;

private:
    QByteArray RecordBytes(int number) const;
    QByteArray bytes_;
    int count_ = 0;
};
bool WriteCustomer(qint64 number, const CustomerRecord& record);

void ResetBillingRecords();
void LoadContractRecord(qint64 number);
void LoadCycleRecord(qint64 number);
bool SaveContractRecord(qint64 number);
bool SaveCycleRecord(qint64 number);
// The billing records to write with customer `number`: those read for it, or, when the buffers
// hold another record's, what the files hold for it (defaults for a new customer).
void PrepareBillingRecordsFor(qint64 number);

// Writes `count` default records as a new contract or cycle file (the old one and its backup
// copy go first). Nothing while a cut-short delete cannot be settled.
bool RebuildContractFile(int count);
bool RebuildCycleFile(int count);

// Writes customer `number`, and the billing buffers where the billing files have no record
// `number` yet (billing records on file are carried as they stand), all or none (a record appended to some files is taken back when another fails). None while a
// cut-short delete cannot be settled: its files are of mixed age.
bool SaveCustomerRecords(qint64 number, const CustomerRecord& record);

// What a change of the three files came to; true when it was made. `File` names the file the
// user has to know of: the one missing, or the one that could not be written ("Temp.txt").
enum class CustomerFileFault { None, Missing, NotRestored, NotWritten, Unsettled };
struct CustomerFileOutcome {
    CustomerFileFault Fault = CustomerFileFault::None;
    QString File;
    explicit operator bool() const { return Fault == CustomerFileFault::None; }
};

// The first of the three files that is missing once its backup copy has been tried: Missing
// (no backup copy to put back) or NotRestored (one that could not be put back).
CustomerFileOutcome CheckCustomerFilesThere();

// Removes customer `number` from the three files (records after it move down, the pairs stay
// together), and the invoicer's active-account file of the account number stored in it, when
// that number is safe as a file name. Refused, with the three files as they were, while one of
// them is missing or a delete cut short before cannot be settled (Unsettled); NotWritten, with
// the three files as they were, when a copy or a marker could not be written. Unsettled also
// when a cut-short delete of its own could be neither finished nor undone.
CustomerFileOutcome DeleteCustomer(qint64 number);

// The marker a delete leaves while it replaces the three files.
inline const QString CustomerDeleteMarkerPath = QStringLiteral("/CUSTOMER.DEL");
// Finishes or undoes a delete that was cut short, so the three files are all as before it or all
// as after it: finished only when each copy is exactly one record shorter than the old file kept
// aside and the three still pair, else the old files go back. True when there was none or it is
// settled; false (neither could be done) leaves every file and the marker for the next try, and
// nothing may be written to the three files until then.
bool RecoverCustomerDelete();
// The same at start-up, which also removes the copies of a delete cut short before its marker.
bool SettleCustomerDeleteAtStart();
// The customer files whose backup copies must stay as they are: all three while a cut-short
// delete cannot be settled (their files are of mixed age), else none.
QStringList CustomerFilesHeldFromBackup();
// The name of the first of the three files that is missing while its backup copy could not be
// put back ("ContractInfo.txt"); empty when there is none.
QString CustomerFileNotRestored();

// True when a record other than `exceptRecord` holds this account number (trimmed numbers, any
// case: the number names a folder and the invoicer's file, and "abc" and "ABC" would share them
// where the siblings run).
bool IsDuplicateAccount(const QString& accountNo, qint64 exceptRecord);

// The name list: a business's name, or an individual's "Last, First", with its record number.
struct AccountListEntry {
    QString Text;
    int RecordNo;
};
struct AccountLists {
    QList<AccountListEntry> Names; // sorted alphabetically
    QStringList Cities;            // distinct, sorted alphabetically
};
AccountLists ReadAccountLists();

// The record a navigation button leads to (0 first, 1 previous, 2 next with wrap, 3 last,
// 4 a quarter in, 5 three quarters in, 6 half way); nothing when the button does not move.
std::optional<int> NavigationTarget(int button, int currentRec, int recordCount);
