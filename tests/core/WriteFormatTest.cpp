#include "core/WriteFormat.h"

#include "core/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QStringList ReadAllItems(const QByteArray& bytes)
{
    ItemReader reader(bytes);
    QStringList items;
    while (!reader.AtEnd())
        items.append(reader.ReadItem().Text());
    return items;
}

TEST(WriteFormat, TextNumberAndFlagRoundTrip)
{
    const QByteArray line = FormatWriteLine({"a,b", -3, false});
    EXPECT_EQ(line, "\"a,b\",-3,#FALSE#\r\n");

    ItemReader reader(line);
    EXPECT_EQ(reader.ReadItem().Text(), "a,b");
    EXPECT_EQ(reader.ReadItem().Integer(), -3);
    EXPECT_EQ(reader.ReadItem().Boolean(), false);
    EXPECT_TRUE(reader.AtEnd());

    EXPECT_EQ(FormatWriteLine({"New Installation", 7, true}), "\"New Installation\",7,#TRUE#\r\n");
}

TEST(WriteFormat, DatesAndTimes)
{
    const QDate day(2026, 3, 7);
    EXPECT_EQ(FormatWriteLine({day, QDateTime(day, QTime(14, 5, 9)), QTime(8, 30)}),
              "#2026-03-07#,#2026-03-07 14:05:09#,#08:30:00#\r\n");

    ItemReader reader("#2026-03-07#,#2026-12-31 23:59:00#,\"2026-01-02\"\r\n");
    EXPECT_EQ(reader.ReadItem().Date(), day);
    EXPECT_EQ(reader.ReadItem().Date(), QDate(2026, 12, 31));
    EXPECT_EQ(reader.ReadItem().Date(), QDate(2026, 1, 2));
}

TEST(WriteFormat, NumbersWithAFractionUseDigitsAndAPeriod)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QByteArray line = FormatWriteLine({2.5, -12.75, 100000.0, 2000000.0});
    QLocale::setDefault(previous);
    EXPECT_EQ(line, "2.5,-12.75,100000,2000000\r\n");

    ItemReader reader(line);
    EXPECT_EQ(reader.ReadItem().Number(), 2.5);
    EXPECT_EQ(reader.ReadItem().Number(), -12.75);
    EXPECT_EQ(reader.ReadItem().Integer(), 100000);
}

TEST(WriteFormat, QuotesAndLineBreaksCannotSplitAText)
{
    const QByteArray line = FormatWriteLine({"12\" pipe, \"long\"", "two\r\nlines\nhere", 5});
    EXPECT_EQ(line, "\"12' pipe, 'long'\",\"two lines here\",5\r\n");

    ItemReader reader(line);
    EXPECT_EQ(reader.ReadItem().Text(), "12' pipe, 'long'");
    EXPECT_EQ(reader.ReadItem().Text(), "two lines here");
    EXPECT_EQ(reader.ReadItem().Integer(), 5);
    EXPECT_TRUE(reader.AtEnd());
}

TEST(WriteFormat, EmptyAndNullItems)
{
    const QByteArray line = FormatWriteLine({"a", WriteItem::Empty{}, WriteItem::Null{}, 4});
    EXPECT_EQ(line, "\"a\",,#NULL#,4\r\n");

    ItemReader reader(line + "\r\n");
    EXPECT_EQ(reader.ReadItem().Text(), "a");
    const ReadValue empty = reader.ReadItem();
    EXPECT_EQ(empty.Text(), "");
    EXPECT_EQ(empty.Integer(), 0);
    EXPECT_EQ(reader.ReadItem().kind(), ReadValue::Kind::Null);
    EXPECT_EQ(reader.ReadItem().Integer(), 4);
    // An empty line is one empty item.
    EXPECT_FALSE(reader.AtEnd());
    EXPECT_EQ(reader.ReadItem().Text(), "");
    EXPECT_TRUE(reader.AtEnd());
}

TEST(WriteFormat, CodePageTextRoundTrips)
{
    const QString text = QStringLiteral("Caf\u00e9 \u20ac5");
    EXPECT_EQ(FormatWriteLine({text}), "\"Caf\xE9 \x80" "5\"\r\n");
    EXPECT_EQ(ReadAllItems(FormatWriteLine({text})), QStringList{text});
    EXPECT_EQ(FormatPlainLine(text), "Caf\xE9 \x80" "5\r\n");
}

TEST(WriteFormat, AnyLineEndReadsTheSame)
{
    const QStringList expected{"Crew, North", "12", "", "Crew South"};
    for (const char* end : {"\r\n", "\n", "\r"}) {
        const QByteArray e(end);
        const QByteArray bytes = "\"Crew, North\",12" + e + e + "  Crew South  " + e;
        EXPECT_EQ(ReadAllItems(bytes), expected) << "line end " << bytes.toPercentEncoding().constData();

        ItemReader lines(bytes);
        EXPECT_EQ(lines.ReadLine(), "\"Crew, North\",12");
        EXPECT_EQ(lines.ReadLine(), "");
        EXPECT_EQ(lines.ReadLine(), "  Crew South  ");
        EXPECT_TRUE(lines.AtEnd());
    }
}

TEST(WriteFormat, PlainLineReadsAsItemsOrAsAWholeLine)
{
    const QByteArray line = FormatPlainLine("Smith, John");
    EXPECT_EQ(line, "Smith, John\r\n");
    EXPECT_EQ(ReadAllItems(line), (QStringList{"Smith", "John"}));
    EXPECT_EQ(ItemReader(line).ReadLine(), "Smith, John");

    // What follows a closing quote up to the comma is dropped.
    EXPECT_EQ(ReadAllItems("\"Smith\" Jr,\"John\"\r\n"), (QStringList{"Smith", "John"}));
}

TEST(WriteFormat, ReadingTextsIntoNumbers)
{
    ItemReader reader("\"12\", 7 ,abc,#TRUE#\r\n");
    EXPECT_EQ(reader.ReadItem().Integer(), 12);
    EXPECT_EQ(reader.ReadItem().Integer(), 7);
    EXPECT_FALSE(reader.ReadItem().Integer().has_value());
    EXPECT_EQ(reader.ReadItem().Boolean(), true);
}

} // namespace
