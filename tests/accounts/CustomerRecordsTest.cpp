#include "accounts/CustomerRecords.h"
#include "accounts/CustomerSearch.h"

#include "core/QtPrinters.h"
#include "support/CustomerFiles.h"
#include "support/ProgramFolderFixture.h"

#include <QDir>

#include <tuple>

namespace {

TEST(CustomerRecordCodec, FieldsSitAtTheirOffsetsCutToTheirWidths)
{
    const struct {
        QString CustomerRecord::*member;
        int offset, width;
        QString value;
    } fields[] = {
        {&CustomerRecord::AccountNo, 0, 20, "ACC-0001"},    {&CustomerRecord::AccountName, 20, 45, QString(45, 'N')},
        {&CustomerRecord::Address1, 65, 35, "12 High St"},  {&CustomerRecord::Address2, 100, 25, "Unit 4"},
        {&CustomerRecord::City, 125, 25, "Springfield"},    {&CustomerRecord::CityCopy, 150, 20, "Springfield copy"},
        {&CustomerRecord::State, 170, 2, "IL"},             {&CustomerRecord::Zip, 172, 10, " 62701"},
        {&CustomerRecord::Zip2, 182, 25, "62701"},          {&CustomerRecord::Telephone, 207, 13, "217-555-0100"},
        {&CustomerRecord::Cell, 220, 13, "217-555-0199"},   {&CustomerRecord::FaxEmail, 233, 30, "a@b.example"},
        {&CustomerRecord::Title, 263, 10, "Mrs"},           {&CustomerRecord::FirstName, 273, 15, "Ann"},
        {&CustomerRecord::MiddleInitial, 288, 1, ""},       {&CustomerRecord::LastName, 289, 25, "Jones"},
        {&CustomerRecord::AccountType, 314, 10, "Individual"},
    };
    CustomerRecord record;
    QByteArray golden(CustomerRecord::Length, ' ');
    for (const auto& field : fields) {
        record.*field.member = field.value;
        golden.replace(field.offset, field.width, field.value.toLatin1().leftJustified(field.width, ' '));
    }
    record.AccountName += 'X'; // a 46-character name keeps 45
    record.Spare1 = -1;
    record.Spare2 = 0x0102;
    golden.replace(324, 4, QByteArray("\xFF\xFF\x02\x01", 4));

    const QByteArray bytes = record.ToBytes();
    EXPECT_EQ(bytes.toHex(' '), golden.toHex(' '));
    const CustomerRecord back = CustomerRecord::FromBytes(bytes);
    EXPECT_EQ(back.AccountName, QString(45, 'N'));
    EXPECT_EQ(back.Zip, " 62701"); // readers drop trailing blanks only
    EXPECT_EQ(back.Spare1, -1);
    EXPECT_EQ(back.ToBytes(), bytes);
}

// The billing defaults depend on today, which the fixture fixes at Saturday 2026-03-07.
class CustomerBillingDefaults : public ProgramFolderTest {};

TEST_F(CustomerBillingDefaults, ContractAndCycleDefaultBytes)
{
    const QByteArray zero2("\0\0", 2), zero8(8, '\0'), minusOne("\xFF\xFF", 2);
    const QByteArray today = QByteArray::fromHex("000000000081e640"); // 46088.0
    QByteArray contract(ContractRecord::Length, ' ');
    for (const auto& [offset, field] : std::initializer_list<std::pair<int, QByteArray>>{
             {0, "None Selected"}, {35, "None"}, {50, zero8}, {58, "Saturday"}, {67, "None Selected"}, {107, today},
             {115, today}, {123, zero2}, {125, minusOne}, {127, zero2}, {129, "None"}, {334, zero2}})
        contract.replace(offset, field.size(), field);
    EXPECT_EQ(ContractRecord::Defaults().ToBytes().toHex(' '), contract.toHex(' '));

    QByteArray cycle(CycleRecord::Length, ' ');
    for (const auto& [offset, field] : std::initializer_list<std::pair<int, QByteArray>>{
             {0, "None Selected"}, {35, zero8}, {43, zero2}, {65, zero2}, {67, minusOne}})
        cycle.replace(offset, field.size(), field);
    EXPECT_EQ(CycleRecord::Defaults().ToBytes().toHex(' '), cycle.toHex(' '));

    // Round trips, through the numbers the invoicer may have put there.
    contract.replace(50, 8, QByteArray::fromHex("b29e43ffffffffff")).replace(334, 2, "\x34\x12");
    cycle.replace(35, 8, QByteArray::fromHex("50c3000000000000")).replace(65, 2, QByteArray("\x07\x00", 2));
    EXPECT_EQ(ContractRecord::FromBytes(contract).ContractField03, -12345678);
    EXPECT_EQ(ContractRecord::FromBytes(contract).ToBytes(), contract);
    EXPECT_EQ(CycleRecord::FromBytes(cycle).CycleField2, 50000);
    EXPECT_EQ(CycleRecord::FromBytes(cycle).ToBytes(), cycle);
}

class CustomerStoreTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        ResetCustomerBuffers();
    }
    void TearDown() override
    {
        ResetCustomerBuffers();
        ProgramFolderTest::TearDown();
    }

    // Customers "A1".."An" with billing records marked "C<n>" and "Y<n>".
    static void Seed(int count)
    {
        for (int n = 1; n <= count; ++n)
            SeedCustomer(n, QStringLiteral("A%1").arg(n), QStringLiteral("Customer %1").arg(n));
    }
};

// The passes over every customer read the file once; each must see what a read of one record
// sees, a short last record too (the count rounds it in).
TEST_F(CustomerStoreTest, APassOverTheFileSeesEachRecordAsAOneRecordRead)
{
    Seed(3);
    CustomerRecord individual = ReadCustomer(2);
    individual.AccountType = IndividualType;
    individual.LastName = "Jones";
    individual.FirstName = "Ann";
    individual.City = "  Decatur";
    ASSERT_TRUE(WriteCustomer(2, individual));
    CustomerRecord last;
    last.AccountNo = "A4";
    last.AccountName = "Short Record";
    QByteArray bytes = ReadFile(CustomerDataPath) + last.ToBytes().left(200);
    WriteFile(CustomerDataPath, bytes);

    const CustomerFileSnapshot customers;
    ASSERT_EQ(customers.Count(), 4);
    ASSERT_EQ(CustomerCount(), 4);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(customers.Record(n).ToBytes(), ReadCustomer(n).ToBytes()) << n;
        EXPECT_EQ(customers.Field(n, &CustomerRecord::City), ReadCustomer(n).City) << n;
    }
    EXPECT_TRUE(IsDuplicateAccount("A4", 0));
    EXPECT_FALSE(IsDuplicateAccount("A2", 2));
    const QList<FoundCustomer> found = SearchCustomerRecords(SearchByAccountNumber, "a");
    ASSERT_EQ(found.size(), 4);
    EXPECT_EQ(found.at(1).Customer, " Ann Jones");
    EXPECT_EQ(found.at(1).City, "Decatur");
    EXPECT_EQ(found.at(3).RecordNo, 4);
    EXPECT_EQ(SearchCustomerRecords(SearchByCity, "decat").size(), 1);
    const AccountLists lists = ReadAccountLists();
    ASSERT_EQ(lists.Names.size(), 4);
    // The short record's type was cut off: it lists as an individual without a name.
    EXPECT_EQ(lists.Names.at(0).Text, ", ");
    EXPECT_EQ(lists.Names.at(2).Text, "Customer 3");
    EXPECT_EQ(lists.Names.at(3).Text, "Jones, Ann");
    EXPECT_EQ(lists.Names.at(3).RecordNo, 2);
    EXPECT_TRUE(lists.Cities.contains("Decatur"));
}

TEST_F(CustomerStoreTest, DeleteKeepsTheThreeFilesPaired)
{
    Seed(4);
    WriteFile("/Backup/CustomerData.txt", ReadFile("/CustomerData.txt"));
    for (const char* path : {"/TIActiveAccounts/A2.txt", "/Backup/TIActiveAccounts/A2.txt", "/TIActiveAccounts/A3.txt"})
        WriteFile(path, "x");

    ASSERT_TRUE(DeleteCustomer(2));
    EXPECT_EQ(CustomerMarks(), QStringList({"A1 C1 Y1", "A3 C3 Y3", "A4 C4 Y4"}));
    EXPECT_FALSE(Exists("/TIActiveAccounts/A2.txt"));
    EXPECT_FALSE(Exists("/Backup/TIActiveAccounts/A2.txt"));
    EXPECT_TRUE(Exists("/TIActiveAccounts/A3.txt"));
    // A stale backup must not bring the deleted customer back; no scratch file stays behind.
    EXPECT_FALSE(Exists("/Backup/CustomerData.txt"));
    EXPECT_FALSE(Exists("/CUSTOMER.TMP"));
    EXPECT_FALSE(Exists("/Temp.txt"));

    ASSERT_TRUE(DeleteCustomer(3)); // the last one
    EXPECT_EQ(CustomerMarks(), QStringList({"A1 C1 Y1", "A3 C3 Y3"}));
    ASSERT_TRUE(DeleteCustomer(1));
    ASSERT_TRUE(DeleteCustomer(1)); // the only one: three empty files
    for (const char* path : {"/CustomerData.txt", "/ContractInfo.txt", "/CycleInfo.txt"}) {
        EXPECT_TRUE(Exists(path)) << path;
        EXPECT_EQ(ReadFile(path).size(), 0) << path;
    }
}

TEST_F(CustomerStoreTest, ADeleteThatCannotReplaceEveryFilePutsThemAllBack)
{
    Seed(3);
    for (const char* path : {"/TIActiveAccounts/A2.txt", "/Backup/TIActiveAccounts/A2.txt"})
        WriteFile(path, "x");
    const QStringList before = CustomerMarks();
    // The contract file cannot be kept aside: no file is replaced, and the invoicer keeps the
    // file of a customer still on file.
    MakeFolders("/CONTRACT.OLD/in the way");
    EXPECT_FALSE(DeleteCustomer(2));
    EXPECT_EQ(CustomerMarks(), before);
    EXPECT_TRUE(Exists("/TIActiveAccounts/A2.txt"));
    EXPECT_TRUE(Exists("/Backup/TIActiveAccounts/A2.txt"));
    for (const char* path : {"/CUSTOMER.TMP", "/Temp.txt", "/ContractTemp.txt", "/CUSTOMER.OLD", "/CYCLE.OLD"})
        EXPECT_FALSE(Exists(path)) << path;

    ASSERT_TRUE(QDir(FullPath("/CONTRACT.OLD")).removeRecursively());
    ASSERT_TRUE(DeleteCustomer(2));
    EXPECT_EQ(CustomerMarks(), QStringList({"A1 C1 Y1", "A3 C3 Y3"}));
    EXPECT_FALSE(Exists("/TIActiveAccounts/A2.txt"));
    for (const char* path : {"/CUSTOMER.OLD", "/CYCLE.OLD", "/CONTRACT.OLD"})
        EXPECT_FALSE(Exists(path)) << path;
}

TEST_F(CustomerStoreTest, DeleteNamesTheInvoicerFileOnlyFromASafeStoredNumber)
{
    Seed(2);
    CustomerRecord unsafe = ReadCustomer(1);
    unsafe.AccountNo = "../x";
    ASSERT_TRUE(WriteCustomer(1, unsafe));
    WriteFile("/x.txt", "keep");
    WriteFile("/Backup/x.txt", "keep");
    // Only the number on file names the invoicer's file, never what the buffer holds.
    CustomerRec().AccountNo = "A2";
    WriteFile("/TIActiveAccounts/A2.txt", "keep");

    ASSERT_TRUE(DeleteCustomer(1));
    EXPECT_TRUE(Exists("/x.txt"));
    EXPECT_TRUE(Exists("/Backup/x.txt"));
    EXPECT_TRUE(Exists("/TIActiveAccounts/A2.txt"));
    EXPECT_EQ(CustomerMarks(), QStringList({"A2 C2 Y2"}));
}

TEST_F(CustomerStoreTest, BillingRecordsToSaveAreThoseOnFileForThatCustomer)
{
    Seed(3);
    // A load, then a save (which leaves the defaults), then a second save without a load.
    LoadContractRecord(2);
    LoadCycleRecord(2);
    ResetBillingRecords();
    PrepareBillingRecordsFor(2);
    EXPECT_EQ(ContractRec().ContractField22, "C2");
    EXPECT_EQ(CycleRec().CycleField4, "Y2");

    // Buffers read for another customer are not that customer's.
    PrepareBillingRecordsFor(3);
    EXPECT_EQ(ContractRec().ContractField22, "C3");
    EXPECT_EQ(CycleRec().CycleField4, "Y3");

    // A customer not on file yet gets the defaults, never another customer's billing data.
    PrepareBillingRecordsFor(4);
    EXPECT_EQ(ContractRec().ContractField22, "") << "record 3's contract would be written for record 4";
    EXPECT_EQ(CycleRec().CycleField4, "") << "record 3's cycle would be written for record 4";

    // The buffers read for the customer itself are kept, edits included.
    LoadContractRecord(1);
    ContractRec().ContractField22 = "edited";
    PrepareBillingRecordsFor(1);
    EXPECT_EQ(ContractRec().ContractField22, "edited");
}

TEST_F(CustomerStoreTest, DuplicateAccountNumbersCompareTrimmed)
{
    Seed(3);
    CustomerRecord padded = ReadCustomer(2);
    padded.AccountNo = "  B7";
    ASSERT_TRUE(WriteCustomer(2, padded));

    EXPECT_TRUE(IsDuplicateAccount("B7", 1));
    EXPECT_TRUE(IsDuplicateAccount(" B7  ", 3));
    EXPECT_FALSE(IsDuplicateAccount("B7", 2)); // its own record
    EXPECT_TRUE(IsDuplicateAccount("b7", 1)); // the same folder where the siblings run
    EXPECT_TRUE(IsDuplicateAccount("A3 ", 0));
    EXPECT_FALSE(IsDuplicateAccount("A4", 0));
}

TEST(CustomerNavigation, TargetsOfTheSevenButtons)
{
    // button, current record, record count, expected target (0: no move)
    const std::tuple<int, int, int, int> cases[] = {
        {0, 7, 10, 1},  {1, 5, 10, 4}, {1, 1, 10, 1}, {2, 5, 10, 6}, {2, 10, 10, 1}, {3, 5, 10, 10},
        {4, 5, 10, 2},  {5, 5, 10, 6}, {6, 5, 10, 4}, {4, 1, 4, 1},  {5, 1, 4, 3},   {6, 1, 4, 2},
        {4, 2, 3, 0},   {5, 2, 3, 0},  {6, 2, 3, 0},  {2, 1, 1, 1},  {1, 1, 1, 1},   {5, 9, 11, 6},
    };
    for (const auto& [button, current, count, expected] : cases) {
        const std::optional<int> target = NavigationTarget(button, current, count);
        EXPECT_EQ(target.value_or(0), expected) << "button " << button << " from " << current << " of " << count;
    }
}

} // namespace
