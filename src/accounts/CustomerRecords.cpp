#include "accounts/CustomerRecords.h"

#include "accounts/ContactFiles.h"
#include "core/FileAccess.h"
#include "core/RecordFile.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"
#include "platform/RegionalFormat.h"

#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace {

const TextField<CustomerRecord> CustomerTextFields[] = {
    {&CustomerRecord::AccountNo, 0, 20},      {&CustomerRecord::AccountName, 20, 45},
    {&CustomerRecord::Address1, 65, 35},      {&CustomerRecord::Address2, 100, 25},
    {&CustomerRecord::City, 125, 25},         {&CustomerRecord::CityCopy, 150, 20},
    {&CustomerRecord::State, 170, 2},         {&CustomerRecord::Zip, 172, 10},
    {&CustomerRecord::Zip2, 182, 25},         {&CustomerRecord::Telephone, 207, 13},
    {&CustomerRecord::Cell, 220, 13},         {&CustomerRecord::FaxEmail, 233, 30},
    {&CustomerRecord::Title, 263, 10},        {&CustomerRecord::FirstName, 273, 15},
    {&CustomerRecord::MiddleInitial, 288, 1}, {&CustomerRecord::LastName, 289, 25},
    {&CustomerRecord::AccountType, 314, 10},
};

const TextField<ContractRecord> ContractTextFields[] = {
    {&ContractRecord::ContractField01, 0, 35},   {&ContractRecord::ContractField02, 35, 15},
    {&ContractRecord::ContractField04, 58, 9},   {&ContractRecord::ContractField05, 67, 40},
    {&ContractRecord::ContractField11, 129, 20}, {&ContractRecord::ContractField12, 149, 20},
    {&ContractRecord::ContractField13, 169, 30}, {&ContractRecord::ContractField14, 199, 35},
    {&ContractRecord::ContractField15, 234, 25}, {&ContractRecord::ContractField16, 259, 20},
    {&ContractRecord::ContractField17, 279, 2},  {&ContractRecord::ContractField18, 281, 10},
    {&ContractRecord::ContractField19, 291, 13}, {&ContractRecord::ContractField20, 304, 30},
    {&ContractRecord::ContractField22, 336, 50},
};

const TextField<CycleRecord> CycleTextFields[] = {
    {&CycleRecord::CycleField1, 0, 35},
    {&CycleRecord::CycleField4, 45, 20},
};

// Record n when the file holds all of it. A record past the end of its file (or cut short) is
// none: its missing bytes would read as zeros, and a zero date is 30 December 1899.
std::optional<QByteArray> WholeRecordAt(const QString& path, int length, qint64 number)
{
    const QFileInfo info(AppPath(path));
    if (number < 1 || !info.isFile() || info.size() < number * length)
        return std::nullopt;
    return ReadRecordAt(path, length, number);
}

// Default records written where a billing file ends before record `number`, so no record
// between its end and the one written is left as zeros.
bool FillBillingGap(RecordFile& file, qint64 number, const QByteArray& defaults)
{
    bool written = true;
    for (qint64 n = file.Size() / file.RecordLength() + 1; n < number && written; ++n)
        written = file.Write(n, defaults);
    return written;
}

} // namespace

CustomerRecord CustomerRecord::FromBytes(const QByteArray& bytes)
{
    CustomerRecord record = DecodeTextRecord(bytes, CustomerTextFields);
    record.Spare1 = ReadInt16(bytes, 324);
    record.Spare2 = ReadInt16(bytes, 326);
    return record;
}

QByteArray CustomerRecord::ToBytes() const
{
    QByteArray bytes = EncodeTextRecord(*this, Length, CustomerTextFields);
    WriteInt16(bytes, 324, Spare1);
    WriteInt16(bytes, 326, Spare2);
    return bytes;
}

ContractRecord ContractRecord::FromBytes(const QByteArray& bytes)
{
    ContractRecord record = DecodeTextRecord(bytes, ContractTextFields);
    record.ContractField03 = ReadCurrency(bytes, 50);
    record.ContractField06 = ReadDateValue(bytes, 107);
    record.ContractField07 = ReadDateValue(bytes, 115);
    record.ContractField08 = ReadInt16(bytes, 123);
    record.ContractField09 = ReadInt16(bytes, 125);
    record.ContractField10 = ReadInt16(bytes, 127);
    record.ContractField21 = ReadInt16(bytes, 334);
    return record;
}

QByteArray ContractRecord::ToBytes() const
{
    QByteArray bytes = EncodeTextRecord(*this, Length, ContractTextFields);
    WriteCurrency(bytes, 50, ContractField03);
    WriteDateValue(bytes, 107, ContractField06);
    WriteDateValue(bytes, 115, ContractField07);
    WriteInt16(bytes, 123, ContractField08);
    WriteInt16(bytes, 125, ContractField09);
    WriteInt16(bytes, 127, ContractField10);
    WriteInt16(bytes, 334, ContractField21);
    return bytes;
}

ContractRecord ContractRecord::Defaults()
{
    const QDate today = Clock::Today();
    const double serial = SerialFromDateTime(QDateTime(today, QTime(0, 0)));
    ContractRecord record;
    record.ContractField01 = QStringLiteral("None Selected");
    record.ContractField02 = QStringLiteral("None");
    record.ContractField03 = 0;
    record.ContractField04 = RegionalLocale().dayName(today.dayOfWeek(), QLocale::LongFormat);
    record.ContractField05 = QStringLiteral("None Selected");
    record.ContractField06 = serial;
    record.ContractField07 = serial;
    record.ContractField08 = 0;
    record.ContractField09 = -1;
    record.ContractField10 = 0;
    record.ContractField11 = QStringLiteral("None");
    record.ContractField21 = 0;
    return record;
}

CycleRecord CycleRecord::FromBytes(const QByteArray& bytes)
{
    CycleRecord record = DecodeTextRecord(bytes, CycleTextFields);
    record.CycleField2 = ReadCurrency(bytes, 35);
    record.CycleField3 = ReadInt16(bytes, 43);
    record.CycleField5 = ReadInt16(bytes, 65);
    record.CycleField6 = ReadInt16(bytes, 67);
    return record;
}

QByteArray CycleRecord::ToBytes() const
{
    QByteArray bytes = EncodeTextRecord(*this, Length, CycleTextFields);
    WriteCurrency(bytes, 35, CycleField2);
    WriteInt16(bytes, 43, CycleField3);
    WriteInt16(bytes, 65, CycleField5);
    WriteInt16(bytes, 67, CycleField6);
    return bytes;
}

CycleRecord CycleRecord::Defaults()
{
    CycleRecord record;
    record.CycleField1 = QStringLiteral("None Selected");
    record.CycleField6 = -1;
    return record;
}

CustomerBuffers& Customers()
{
    static CustomerBuffers buffers;
    return buffers;
}

CustomerRecord& CustomerRec() { return Customers().CustomerRec; }
ContractRecord& ContractRec() { return Customers().ContractRec; }
CycleRecord& CycleRec() { return Customers().CycleRec; }

void ResetCustomerBuffers()
{
    Customers() = CustomerBuffers{};
}

int CustomerCount()
{
    return GetFileRecordCount(CustomerDataPath, CustomerRecord::Length);
}

CustomerRecord ReadCustomer(qint64 number)
{
    return CustomerRecord::FromBytes(ReadRecordAt(CustomerDataPath, CustomerRecord::Length, number));
}

CustomerFileSnapshot::CustomerFileSnapshot() : count_(CustomerCount())
{
    if (count_ > 0 && !ReadWholeFile(CustomerDataPath, bytes_))
        bytes_.clear();
    // A short last record (or a file that could not be read) reads as ReadCustomer reads it.
    const qsizetype whole = qsizetype(count_) * CustomerRecord::Length;
    if (bytes_.size() < whole)
        bytes_.append(QByteArray(whole - bytes_.size(), '\0'));
}

QByteArray CustomerFileSnapshot::RecordBytes(int number) const
{
    if (number < 1 || number > count_)
        return QByteArray(CustomerRecord::Length, '\0');
    return QByteArray::fromRawData(bytes_.constData() + qsizetype(number - 1) * CustomerRecord::Length,
                                   CustomerRecord::Length);
}

CustomerRecord CustomerFileSnapshot::Record(int number) const
{
    return CustomerRecord::FromBytes(RecordBytes(number));
}

CustomerRecord CustomerFileSnapshot::Fields(int number, std::initializer_list<Member> members) const
{
    const QByteArray bytes = RecordBytes(number);
    CustomerRecord record;
    for (const auto& field : CustomerTextFields)
        if (std::find(members.begin(), members.end(), field.member) != members.end())
            record.*field.member = ReadTextField(bytes, field.offset, field.width);
    return record;
}

QString CustomerFileSnapshot::Field(int number, Member member) const
{
    for (const auto& field : CustomerTextFields)
        if (field.member == member)
            return ReadTextField(RecordBytes(number), field.offset, field.width);
    return QString();
}

bool WriteCustomer(qint64 number, const CustomerRecord& record)
{
    RecordFile file = OpenCustomerFile();
    return file.Write(number, record.ToBytes());
}

void ResetBillingRecords()
{
    Customers().ContractRec = ContractRecord::Defaults();
    Customers().CycleRec = CycleRecord::Defaults();
    Customers().ContractRecNo = 0;
    Customers().CycleRecNo = 0;
}

void LoadContractRecord(qint64 number)
{
    const std::optional<QByteArray> bytes = WholeRecordAt(ContractInfoPath, ContractRecord::Length, number);
    Customers().ContractRec = bytes ? ContractRecord::FromBytes(*bytes) : ContractRecord::Defaults();
    Customers().ContractRecNo = number;
}

void LoadCycleRecord(qint64 number)
{
    const std::optional<QByteArray> bytes = WholeRecordAt(CycleInfoPath, CycleRecord::Length, number);
    Customers().CycleRec = bytes ? CycleRecord::FromBytes(*bytes) : CycleRecord::Defaults();
    Customers().CycleRecNo = number;
}

bool SaveContractRecord(qint64 number)
{
    RecordFile file = OpenContractFile();
    return file.Write(number, Customers().ContractRec.ToBytes());
}

bool SaveCycleRecord(qint64 number)
{
    RecordFile file = OpenCycleFile();
    return file.Write(number, Customers().CycleRec.ToBytes());
}

void PrepareBillingRecordsFor(qint64 number)
{
    CustomerBuffers& buffers = Customers();
    if (buffers.ContractRecNo != number) {
        if (GetFileRecordCount(ContractInfoPath, ContractRecord::Length) >= number) {
            LoadContractRecord(number);
        } else {
            buffers.ContractRec = ContractRecord::Defaults();
            buffers.ContractRecNo = 0;
        }
    }
    if (buffers.CycleRecNo != number) {
        if (GetFileRecordCount(CycleInfoPath, CycleRecord::Length) >= number) {
            LoadCycleRecord(number);
        } else {
            buffers.CycleRec = CycleRecord::Defaults();
            buffers.CycleRecNo = 0;
        }
    }
}

bool RebuildContractFile(int count)
{
    // The buffer holds what the rebuilt file holds, so a save cannot put a blank record back.
    Customers().ContractRec = ContractRecord::Defaults();
    Customers().ContractRecNo = 0;
    if (!RecoverCustomerDelete())
        return false;
    // The backup of a file that could not be put back is the only good copy: no rebuilt file
    // takes its place.
    if (FileStateOf(ContractInfoPath) == FileState::NotRestored)
        return false;
    DeleteWithBackup(ContractInfoPath);
    const QByteArray defaults = ContractRecord::Defaults().ToBytes();
    RecordFile file = OpenContractFile();
    bool written = file.IsOpen();
    for (int n = count; n >= 1 && written; --n)
        written = file.Write(n, defaults);
    return written;
}

bool RebuildCycleFile(int count)
{
    Customers().CycleRec = CycleRecord::Defaults();
    Customers().CycleRecNo = 0;
    if (!RecoverCustomerDelete())
        return false;
    if (FileStateOf(CycleInfoPath) == FileState::NotRestored)
        return false;
    DeleteWithBackup(CycleInfoPath);
    const QByteArray defaults = CycleRecord::Defaults().ToBytes();
    RecordFile file = OpenCycleFile();
    bool written = file.IsOpen();
    for (int n = count; n >= 1 && written; --n)
        written = file.Write(n, defaults);
    return written;
}

bool SaveCustomerRecords(qint64 number, const CustomerRecord& record)
{
    // A record saved into files a cut-short delete left of mixed age would be lost when the
    // delete is settled, or pair the customer with another's billing records.
    if (!RecoverCustomerDelete())
        return false;
    // A file missing while its backup could not be put back is not made anew: the backup is
    // its only good copy.
    for (const QString& path : {CustomerDataPath, ContractInfoPath, CycleInfoPath})
        if (FileStateOf(path) == FileState::NotRestored)
            return false;
    // All three files are opened before anything is written, and a record appended to some of
    // them is taken back when another cannot take its record.
    RecordFile customers = OpenCustomerFile();
    RecordFile contracts = OpenContractFile();
    RecordFile cycles = OpenCycleFile();
    if (!customers.IsOpen() || !contracts.IsOpen() || !cycles.IsOpen())
        return false;
    const qint64 sizes[3] = {customers.Size(), contracts.Size(), cycles.Size()};
    // The invoicer owns the billing records: one on file stays as it stands now, whatever it was
    // when the customer was loaded. Only a customer without them gets the buffers (defaults).
    auto carryOrAdd = [number](RecordFile& file, const QByteArray& defaults, const QByteArray& buffer) {
        if (file.Size() >= number * file.RecordLength())
            return true;
        return FillBillingGap(file, number, defaults) && file.Write(number, buffer);
    };
    if (carryOrAdd(contracts, ContractRecord::Defaults().ToBytes(), Customers().ContractRec.ToBytes())
        && carryOrAdd(cycles, CycleRecord::Defaults().ToBytes(), Customers().CycleRec.ToBytes())
        && customers.Write(number, record.ToBytes()))
        return true;
    RecordFile* files[3] = {&customers, &contracts, &cycles};
    for (int i = 0; i < 3; ++i)
        if (files[i]->Size() > sizes[i])
            files[i]->Truncate(sizes[i]);
    return false;
}

bool IsDuplicateAccount(const QString& accountNo, qint64 exceptRecord)
{
    const QString wanted = accountNo.trimmed();
    const CustomerFileSnapshot customers;
    for (int n = 1; n <= customers.Count(); ++n)
        if (n != exceptRecord && customers.Field(n, &CustomerRecord::AccountNo).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

AccountLists ReadAccountLists()
{
    AccountLists lists;
    const CustomerFileSnapshot customers;
    for (int n = 1; n <= customers.Count(); ++n) {
        const CustomerRecord record =
            customers.Fields(n, {&CustomerRecord::City, &CustomerRecord::AccountType, &CustomerRecord::AccountName,
                                 &CustomerRecord::LastName, &CustomerRecord::FirstName});
        const QString city = record.City.trimmed();
        if (!lists.Cities.contains(city, Qt::CaseSensitive))
            lists.Cities.append(city);
        const QString text = record.AccountType.trimmed() == BusinessType
                                 ? record.AccountName.trimmed()
                                 : record.LastName.trimmed() + QStringLiteral(", ") + record.FirstName.trimmed();
        lists.Names.append({text, n});
    }
    auto byText = [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; };
    std::stable_sort(lists.Names.begin(), lists.Names.end(),
                     [&byText](const AccountListEntry& a, const AccountListEntry& b) { return byText(a.Text, b.Text); });
    std::stable_sort(lists.Cities.begin(), lists.Cities.end(), byText);
    return lists;
}

std::optional<int> NavigationTarget(int button, int currentRec, int recordCount)
{
    const int n = recordCount;
    switch (button) {
    case 0:
        return 1;
    case 1:
        return currentRec >= 2 ? currentRec - 1 : currentRec;
    case 2:
        return currentRec >= n ? 1 : currentRec + 1;
    case 3:
        return n;
    case 4:
    case 5:
    case 6:
        if (n < 4)
            return std::nullopt;
        return button == 4 ? n / 4 : button == 5 ? n / 4 * 3 : n / 4 * 2;
    default:
        return std::nullopt;
    }
}
