#include "platform/CodePage.h"
#include "platform/RegionalFormat.h"

#include "core/QtPrinters.h"
#include "support/ProgramFolderFixture.h"

namespace {

using RegionalFormatTest = ProgramFolderTest;

TEST_F(RegionalFormatTest, ShortDatesHaveAFourDigitYear)
{
    const QDate march7(2026, 3, 7);
    EXPECT_EQ(ShortDateText(march7), "3/7/2026");
    EXPECT_EQ(CurrencyText(1234.5), "$1,234.50");
    for (const char* text : {"3/7/2026", "03/07/2026", " 3/7/2026  ", "2026-03-07", "3/7/26"})
        EXPECT_EQ(ParseShortDate(text), march7) << text;
    EXPECT_EQ(ParseShortDate("12/31/95"), QDate(1995, 12, 31));
    for (const char* text : {"", "tomorrow", "13/45/2026", "2/30/2026", "3/7"})
        EXPECT_FALSE(ParseShortDate(text).has_value()) << text;

    SetRegionalLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(ShortDateText(march7), "07.03.2026");
    EXPECT_EQ(ParseShortDate("07.03.2026"), march7);
    EXPECT_EQ(ParseShortDate("2026-03-07"), march7);

    // The C locale stands for en_US.
    SetRegionalLocale(QLocale::c());
    EXPECT_EQ(ShortDateText(march7), "3/7/2026");
    EXPECT_EQ(CurrencyText(3), "$3.00");
}

TEST(CodePage, SingleBytesOfWindows1252)
{
    const QString text = QStringLiteral("Jos\u00e9 \u20ac\u2019");
    EXPECT_EQ(ToCodePage(text), "Jos\xE9 \x80\x92");
    EXPECT_EQ(FromCodePage("Jos\xE9 \x80\x92"), text);
    EXPECT_TRUE(FitsCodePage(text));

    // A character the code page lacks costs exactly one byte.
    const QString foreign = QStringLiteral("a\u0101b\u4e2d");
    EXPECT_FALSE(FitsCodePage(foreign));
    EXPECT_EQ(ToCodePage(foreign), "a?b?");
}

} // namespace
