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

TEST(WriteFormat, ItemsRoundTrip)
{
    const QByteArray line = FormatWriteLine({"a,b", -3, false});
    EXPECT_EQ(line, "\"a,b\",-3,#FALSE#\r\n");
    ItemReader reader(line);
    EXPECT_EQ(reader.ReadItem().Text(), "a,b");
    EXPECT_EQ(reader.ReadItem().Integer(), -3);
    EXPECT_EQ(reader.ReadItem().Boolean(), false);
    EXPECT_TRUE(reader.AtEnd());

    EXPECT_EQ(FormatWriteLine({"New Installation", 7, true}), "\"New Installation\",7,#TRUE#\r\n");
    EXPECT_EQ(FormatWriteLine({QStringLiteral("Caf\u00e9 \u20ac5")}), "\"Caf\xE9 \x80" "5\"\r\n");

    const QDate day(2026, 3, 7);
    EXPECT_EQ(FormatWriteLine({day, QDateTime(day, QTime(14, 5, 9)), QTime(8, 30)}),
              "#2026-03-07#,#2026-03-07 14:05:09#,#08:30:00#\r\n");
    ItemReader dates("#2026-03-07#,#2026-12-31 23:59:00#,\"2026-01-02\"\r\n");
    EXPECT_EQ(dates.ReadItem().Date(), day);
    EXPECT_EQ(dates.ReadItem().Date(), QDate(2026, 12, 31));
    EXPECT_EQ(dates.ReadItem().Date(), QDate(2026, 1, 2));
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
}

TEST(WriteFormat, TextsThatCouldNotBeReadBack)
{
    // A double quote or a line break inside a text would split it on reading.
    const QByteArray line = FormatWriteLine({"12\" pipe, \"long\"", "two\r\nlines\nhere", WriteItem::Empty{},
                                             WriteItem::Null{}, 5});
    EXPECT_EQ(line, "\"12' pipe, 'long'\",\"two lines here\",,#NULL#,5\r\n");

    ItemReader reader(line);
    EXPECT_EQ(reader.ReadItem().Text(), "12' pipe, 'long'");
    EXPECT_EQ(reader.ReadItem().Text(), "two lines here");
    EXPECT_EQ(reader.ReadItem().Integer(), 0);
    EXPECT_EQ(reader.ReadItem().kind(), ReadValue::Kind::Null);
    EXPECT_EQ(reader.ReadItem().Integer(), 5);
    EXPECT_TRUE(reader.AtEnd());
}

TEST(WriteFormat, AnyLineEndReadsTheSame)
{
    for (const QByteArray end : {"\r\n", "\n", "\r"}) {
        const QByteArray bytes = "\"Crew, North\", 12 " + end + end + "  Crew South  " + end;
        EXPECT_EQ(ReadAllItems(bytes), (QStringList{"Crew, North", "12", "", "Crew South"})) << end.toHex().data();

        ItemReader lines(bytes);
        EXPECT_EQ(lines.ReadLine(), "\"Crew, North\", 12 ");
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

    // What follows a closing quote up to the comma is dropped; numbers come from texts.
    ItemReader reader("\"Smith\" Jr,\"12\",abc,#TRUE#\r\n");
    EXPECT_EQ(reader.ReadItem().Text(), "Smith");
    EXPECT_EQ(reader.ReadItem().Integer(), 12);
    EXPECT_FALSE(reader.ReadItem().Integer().has_value());
    EXPECT_EQ(reader.ReadItem().Boolean(), true);
}

TEST(WriteFormat, ItemViewsReadAsTheirValues)
{
    // The views' own readings of digits and dates must answer as the texts do, blanks of the
    // code page and numbers too long for the shortcut included.
    const QByteArray lines =
        " 12 ,-7,+5,1e3,2.5,-,007,\"42\",999999999999999999999,\xA0" "42\xA0,\t3\t,#TRUE#,#false#,#NULL#\r\n"
        "#2026-03-07#,\"2026-03-07 14:00\",2026-3-7\xA0,\xA0" "2026-01-02,2026-01-02\x85,2026-02-30,#not a date#,,\"Caf\xE9\"\r\n"
        "\"unclosed, \"Smith\" Jr,abc,\r\n"
        "\r\n";
    ItemReader values(lines);
    ItemReader views(lines);
    ItemViews items;
    for (int line = 1; line <= 4; ++line) {
        const QList<ReadValue> expected = values.ReadLineItems();
        views.ReadLineViews(items);
        ASSERT_EQ(items.size(), expected.size()) << line;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const ItemView& item = items.at(i);
            EXPECT_EQ(item.Kind, expected.at(i).kind()) << line << ":" << i;
            EXPECT_EQ(item.Text(), expected.at(i).Text()) << line << ":" << i;
            EXPECT_EQ(item.Integer(), expected.at(i).Integer()) << line << ":" << i;
            EXPECT_EQ(item.Date(), expected.at(i).Date()) << line << ":" << i;
        }
    }
    EXPECT_TRUE(views.AtEnd());
}

} // namespace
