#include "core/RecordFile.h"

#include "core/QtPrinters.h"
#include "support/ProgramFolderFixture.h"

#include <limits>

namespace {

TEST(RecordFields, TextIsPaddedCutAndOneBytePerCharacter)
{
    EXPECT_EQ(FixedWidthText("Crew", 6), "Crew  ");
    EXPECT_EQ(FixedWidthText("Construction", 5), "Const");
    EXPECT_EQ(FixedWidthText(QStringLiteral("Ren\u00e9 \u20ac"), 7), "Ren\xE9 \x80 ");

    QByteArray record(12, 'x');
    WriteTextField(record, 2, 4, "ab");
    EXPECT_EQ(record, "xxab  xxxxxx");
    EXPECT_EQ(ReadTextField(QByteArray("  Jos\xE9  \0\0", 11), 0, 11), QStringLiteral("  Jos\u00e9"));
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
    EXPECT_EQ(AmountFromCurrency(ReadCurrency(record, 6)), 1234.5);
    EXPECT_EQ(CurrencyFromAmount(-0.0001), -1);
    EXPECT_EQ(CurrencyFromAmount(19.99), 199900);
}

TEST(RecordFields, DatesAreDaysFromTheEndOf1899AsLittleEndianDoubles)
{
    const QDateTime march7(QDate(2026, 3, 7), QTime(0, 0));
    EXPECT_EQ(SerialFromDateTime(march7), 46088.0);
    EXPECT_EQ(SerialFromDateTime(QDateTime(QDate(1899, 12, 30), QTime(12, 0))), 0.5);
    EXPECT_EQ(SerialFromDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
    EXPECT_EQ(DateTimeFromSerial(46088.75), march7.addSecs(18 * 3600));
    EXPECT_EQ(DateTimeFromSerial(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));

    QByteArray dates;
    WriteDateValue(dates, 0, 46088.0);
    WriteDateValue(dates, 8, 0.5);
    EXPECT_EQ(dates, QByteArray("\0\0\0\0\0\x81\xE6\x40" "\0\0\0\0\0\0\xE0\x3F", 16));
    EXPECT_EQ(ReadDateValue(dates, 8), 0.5);
}

TEST(RecordFields, StoredDatesOutsideTheDateRangeReadAsNoDate)
{
    EXPECT_EQ(DateTimeFromSerial(-657434.0), QDateTime(QDate(100, 1, 1), QTime(0, 0)));
    EXPECT_EQ(DateTimeFromSerial(2958465.5), QDateTime(QDate(9999, 12, 31), QTime(12, 0)));
    for (double serial : {2958466.0, -657435.0, 1e11, 1e300, -1e300, std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity()}) {
        QByteArray record;
        WriteDateValue(record, 0, serial);
        EXPECT_FALSE(DateTimeFromSerial(ReadDateValue(record, 0)).isValid()) << serial;
    }
}

using RecordFileTest = ProgramFolderTest;

TEST_F(RecordFileTest, WritingPastTheEndLengthensAndReadingDoesNot)
{
    {
        RecordFile file(FullPath("/Records.txt"), 10);
        ASSERT_TRUE(file.IsOpen());
        EXPECT_TRUE(file.Write(3, "third"));
        EXPECT_EQ(file.Count(), 3);
    }
    EXPECT_EQ(ReadFile("/Records.txt"), QByteArray(20, '\0') + "third     ");

    WriteFile("/Records.txt", "aaaaabbbbbccccc1234");
    RecordFile file(FullPath("/Records.txt"), 5);
    EXPECT_EQ(file.Count(), 4);
    EXPECT_TRUE(file.Write(2, "1234567"));
    EXPECT_EQ(file.Read(2), "12345");
    EXPECT_EQ(file.Read(4), QByteArray("1234\0", 5));
    EXPECT_EQ(file.Read(9), QByteArray(5, '\0'));
    EXPECT_EQ(ReadTextField(file.Read(9), 0, 5), "");
    file.Close();
    EXPECT_EQ(ReadFile("/Records.txt"), "aaaaa12345ccccc1234");
}

} // namespace
