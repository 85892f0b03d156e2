#include "scheduling/SlipRecord.h"

#include "core/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QByteArray Field(const char* text, int width)
{
    return QByteArray(text).leftJustified(width);
}

TEST(SlipRecord, FieldsSitAtTheirOffsetsAndAreCutToWidth)
{
    SlipRecord slip;
    slip.EventKey = "P-1042";
    slip.TeamNo = "12";
    slip.Unit = "Hours";
    slip.Duration = "4";
    slip.EventDate = "12/31/2026";
    slip.StartSlot = "3";
    slip.EventText = QStringLiteral("Pour footings at Ren\u00e9's lot, phase 2");
    slip.Status = "Scheduled";
    slip.Amount = "$3.00";
    slip.AccountNo = "A100";
    slip.CustomerName = "Harbor View Lot 7";
    slip.Address1 = "1200 Harbor Road";
    slip.City = "Springfield";
    slip.State = "Illinois";
    slip.Zip = "62701-1234";
    slip.Telephone = "(217)555-0100";

    const QByteArray bytes = slip.ToBytes();
    ASSERT_EQ(bytes.size(), 297);
    EXPECT_EQ(bytes.left(72), Field("", 10) + "P-1042    12Hours 4 12/31/20263 Pour footings at Ren\xE9's lot, p");
    EXPECT_EQ(bytes.mid(72, 90), Field("Scheduled", 60) + Field("$3.00", 10) + Field("A100", 20));
    EXPECT_EQ(bytes.mid(162), Field("Harbor View Lot 7", 30) + Field("1200 Harbor Road", 60)
                                  + "Springfield         Il62701-1234(217)555-0100");

    const SlipRecord back = SlipRecord::FromBytes(bytes);
    EXPECT_EQ(back.EventText, QStringLiteral("Pour footings at Ren\u00e9's lot, p"));
    EXPECT_EQ(back.Telephone, "(217)555-0100");
    EXPECT_EQ(back.Extra1, "");

    // A short buffer reads as blank fields.
    EXPECT_EQ(SlipRecord::FromBytes(bytes.left(40)).EventDate, "12/31/2026");
    EXPECT_EQ(SlipRecord::FromBytes(bytes.left(40) + QByteArray(20, '\0')).EventText, "");
}

} // namespace
