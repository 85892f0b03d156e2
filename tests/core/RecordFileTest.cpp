#include "core/RecordFile.h"

#include "core/QtPrinters.h"
#include "support/ProgramFolderFixture.h"

namespace {

TEST(RecordFields, TextIsPaddedCutAndOneBytePerCharacter)
{
    EXPECT_EQ(FixedWidthText("Crew", 6), "Crew  ");
    EXPECT_EQ(FixedWidthText("Construction", 5), "Const");
    EXPECT_EQ(FixedWidthText(QStringLiteral("Ren\u00e9 \u20ac"), 7), "Ren\xE9 \x80 ");

    QByteArray record(12, 'x');
    WriteTextField(record, 2, 4, "ab");
    EXPECT_EQ(record, "xxab  xxxxxx");

    const QByteArray stored("  Jos\xE9  \0\0", 11);
    EXPECT_EQ(ReadTextField(stored, 0, 11), QStringLiteral("  Jos\u00e9"));
    EXPECT_EQ(ReadTextField(QByteArray(10, '\0'), 0, 10), "");
}

TEST(RecordFields, NumbersAreLittleEndian)
{
    QByteArray record;
    WriteInt16(record, 0, -2);
    WriteInt32(record, 2, 0x01020304);
    WriteCurrency(record, 6, CurrencyFromAmount(1234.5));
    EXPECT_EQ(record, QByteArray("\xFE\xFF\x04\x03\x02\x01\xA8\x5E\xBC\0\0\0\0\0", 14));
    EXPECT_EQ(ReadInt16(record, 0), -2);
    EXPECT_EQ(ReadInt32(record, 2), 0x01020304);
    EXPECT_EQ(ReadCurrency(record, 6), 12345000);
    EXPECT_EQ(AmountFromCurrency(ReadCurrency(record, 6)), 1234.5);

    WriteCurrency(record, 6, CurrencyFromAmount(-0.0001));
    EXPECT_EQ(record.mid(6), QByteArray(8, '\xFF'));
    EXPECT_EQ(CurrencyFromAmount(19.99), 199900);
}

TEST(RecordFields, DatesAreDaysSinceTheEndOf1899)
{
    const QDateTime march7(QDate(2026, 3, 7), QTime(0, 0));
    EXPECT_EQ(SerialFromDateTime(march7), 46088.0);
    EXPECT_EQ(SerialFromDateTime(QDateTime(QDate(1899, 12, 30), QTime(12, 0))), 0.5);
    EXPECT_EQ(SerialFromDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
    EXPECT_EQ(SerialFromDateTime(QDateTime(QDate(2026, 3, 7), QTime(18, 0))), 46088.75);

    EXPECT_EQ(DateTimeFromSerial(46088.0), march7);
    EXPECT_EQ(DateTimeFromSerial(46088.75), QDateTime(QDate(2026, 3, 7), QTime(18, 0)));
    EXPECT_EQ(DateTimeFromSerial(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));

    QByteArray record;
    WriteDateValue(record, 0, 46088.0);
    WriteDateValue(record, 8, 0.5);
    EXPECT_EQ(record, QByteArray("\0\0\0\0\0\x81\xE6\x40" "\0\0\0\0\0\0\xE0\x3F", 16));
    EXPECT_EQ(ReadDateValue(record, 0), 46088.0);
    EXPECT_EQ(ReadDateValue(record, 8), 0.5);
}

class RecordFileTest : public ProgramFolderTest {};

TEST_F(RecordFileTest, WritingPastTheEndLengthensTheFile)
{
    RecordFile file(FullPath("/Records.txt"), 10);
    ASSERT_TRUE(file.IsOpen());
    EXPECT_EQ(file.Count(), 0);
    EXPECT_TRUE(file.Write(3, "third"));
    EXPECT_EQ(file.Count(), 3);
    file.Close();
    EXPECT_EQ(ReadFile("/Records.txt"), QByteArray(20, '\0') + "third     ");
}

TEST_F(RecordFileTest, RecordsAreCutToLengthAndOverwriteInPlace)
{
    WriteFile("/Records.txt", "aaaaabbbbbccccc");
    RecordFile file(FullPath("/Records.txt"), 5);
    EXPECT_TRUE(file.Write(2, "1234567"));
    EXPECT_EQ(file.Read(2), "12345");
    EXPECT_EQ(file.Read(3), "ccccc");
    file.Close();
    EXPECT_EQ(ReadFile("/Records.txt"), "aaaaa12345ccccc");
}

TEST_F(RecordFileTest, ReadingPastTheEndGivesZerosAndChangesNothing)
{
    WriteFile("/Records.txt", "abcdefghijklm");
    RecordFile file(FullPath("/Records.txt"), 10);
    EXPECT_EQ(file.Count(), 1);
    EXPECT_EQ(file.Read(2), QByteArray("klm\0\0\0\0\0\0\0", 10));
    EXPECT_EQ(file.Read(5), QByteArray(10, '\0'));
    EXPECT_EQ(ReadTextField(file.Read(2), 0, 10), "klm");
    file.Close();
    EXPECT_EQ(ReadFile("/Records.txt"), "abcdefghijklm");
}

} // namespace
