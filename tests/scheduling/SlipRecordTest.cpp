#include "scheduling/SlipRecord.h"

#include "core/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

SlipRecord SampleRecord()
{
    SlipRecord slip;
    slip.EventKey = "P-1042";
    slip.TeamNo = "12";
    slip.Unit = "Hours";
    slip.Duration = "4";
    slip.EventDate = "12/31/2026";
    slip.StartSlot = "3";
    slip.EventText = QStringLiteral("Pour footings at Ren\u00e9's lot");
    slip.Status = "Scheduled";
    slip.Amount = "$3.00";
    slip.AccountNo = "A100";
    slip.CustomerName = "Harbor View Lot 7";
    slip.Address1 = "1200 Harbor Road";
    slip.City = "Springfield";
    slip.State = "IL";
    slip.Zip = "62701-1234";
    slip.Telephone = "(217)555-0100";
    return slip;
}

TEST(SlipRecord, FieldsSitAtTheirOffsets)
{
    const QByteArray bytes = SampleRecord().ToBytes();
    ASSERT_EQ(bytes.size(), 297);
    const auto field = [](const char* text, int width) { return QByteArray(text).leftJustified(width); };
    EXPECT_EQ(bytes.left(20), field("", 10) + field("P-1042", 10));
    EXPECT_EQ(bytes.mid(20, 22), "12Hours 4 12/31/20263 ");
    EXPECT_EQ(bytes.mid(42, 30), field("Pour footings at Ren\xE9's lot", 30));
    EXPECT_EQ(bytes.mid(72, 60), field("Scheduled", 60));
    EXPECT_EQ(bytes.mid(132, 30), field("$3.00", 10) + field("A100", 20));
    EXPECT_EQ(bytes.mid(162, 90), field("Harbor View Lot 7", 30) + field("1200 Harbor Road", 35) + field("", 25));
    EXPECT_EQ(bytes.mid(252, 45), "Springfield         IL62701-1234(217)555-0100");

    const SlipRecord back = SlipRecord::FromBytes(bytes);
    EXPECT_EQ(back.EventText, SampleRecord().EventText);
    EXPECT_EQ(back.EventDate, "12/31/2026");
    EXPECT_EQ(back.Telephone, "(217)555-0100");
    EXPECT_EQ(back.Address2, "");
}

TEST(SlipRecord, LongTextsAreCutToTheFieldWidth)
{
    SlipRecord slip;
    slip.EventText = QString(30, 'x');
    EXPECT_EQ(slip.ToBytes().mid(42, 31), QByteArray(30, 'x') + ' ');
    slip.EventText = QString(30, 'x') + 'y';
    slip.State = "Illinois";
    const QByteArray bytes = slip.ToBytes();
    EXPECT_EQ(bytes.size(), 297);
    EXPECT_EQ(bytes.mid(42, 31), QByteArray(30, 'x') + ' ');
    EXPECT_EQ(bytes.mid(272, 3), "Il ");
}

TEST(SlipRecord, AShortBufferReadsAsBlankFields)
{
    const SlipRecord slip = SlipRecord::FromBytes(QByteArray("          P-7") + QByteArray(100, '\0'));
    EXPECT_EQ(slip.EventKey, "P-7");
    EXPECT_EQ(slip.EventDate, "");
    EXPECT_EQ(slip.Telephone, "");
}

} // namespace
