#include "core/BusinessForm.h"

#include "core/QtPrinters.h"
#include "core/Settings.h"
#include "platform/Printer.h"
#include "support/ScreenFixture.h"

#include <QFontMetricsF>

#include <QStringList>

namespace {

class BusinessFormTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        ThePrinter().Reset();
        SettingsValues& s = Settings();
        s.BusinessName = "Acme Builders";
        s.BusinessStreet = "1 Main St";
        s.BusinessPhone = "217-555-0100";
        s.BusinessExtra = "Licensed";
        Live().BorderColor = 0x0000FF;
    }

    static QList<PrintOperation> Ops(PrintOperation::Kind kind)
    {
        QList<PrintOperation> found;
        for (const PrintOperation& op : ThePrinter().Pages().constLast())
            if (op.kind == kind)
                found.append(op);
        return found;
    }

    // The lines of text, each of which must start at x.
    static QStringList Lines(double x)
    {
        QStringList lines;
        for (const PrintOperation& op : Ops(PrintOperation::Text)) {
            EXPECT_NEAR(op.x, x, 0.01) << op.text.toStdString();
            lines << op.text;
        }
        return lines;
    }
};

TEST_F(BusinessFormTest, LetterheadAndAddressBlockFollowTheAddressStyle)
{
    struct Case {
        bool usa;
        const char *city, *state, *fax;
        QStringList lines;
    };
    const Case cases[] = {
        {true, "Springfield", "IL", "", {"Acme Builders", "1 Main St", "Springfield, IL. 62701", "Telephone: 217-555-0100", "Licensed"}},
        {true, "Springfield", "", "Fax 217-555-0199",
         {"Acme Builders", "1 Main St", "Springfield, ", "Telephone: 217-555-0100", "Fax 217-555-0199", "Licensed"}},
        {true, "", "", "", {"Acme Builders", "1 Main St", "Telephone: 217-555-0100", "Licensed"}},
        {false, "Leeds", "Yorkshire", "", {"Acme Builders", "1 Main St", "Leeds", "Yorkshire", "Telephone: 217-555-0100", "Licensed"}},
    };
    Settings().BusinessZip = "62701";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.join(" / ").toStdString());
        ThePrinter().Reset();
        Live().AddressStyle = c.usa ? UsaStyleAddress : InternationalStyleAddress;
        Settings().BusinessCity = c.city;
        Settings().BusinessState = c.state;
        Settings().BusinessFax = c.fax;
        PrintCompanyHeader(1.0, 0.8, 14);
        EXPECT_EQ(Lines(1440), c.lines);
        const QList<PrintOperation> texts = Ops(PrintOperation::Text);
        EXPECT_NEAR(texts[0].y, 1152, 0.01);
        EXPECT_TRUE(texts[0].fontSize == 14 && texts[0].bold);
        const double gap = ThePrinter().TextHeight("A"); // ten-point lines, none left blank
        for (qsizetype i = 1; i < texts.size(); ++i) {
            EXPECT_TRUE(texts[i].fontSize == 10 && !texts[i].bold && !texts[i].italic && texts[i].color == 0xFF0000);
            if (i > 1) {
                EXPECT_NEAR(texts[i].y - texts[i - 1].y, gap, 0.01) << texts[i].text.toStdString();
            }
        }
    }

    for (const auto& [usa, second, lines] :
         {std::tuple{true, "Apt 4", QStringList{"Jane Doe", "12 Oak Ave", "Apt 4", "Dayton, OH 45402"}},
          {true, "", QStringList{"Jane Doe", "12 Oak Ave", "Dayton, OH 45402"}},
          {false, "", QStringList{"Jane Doe", "12 Oak Ave", "Dayton", "45402"}}}) {
        SCOPED_TRACE(lines.join(" / ").toStdString());
        ThePrinter().Reset();
        ThePrinter().ForeColor = 0xFF0000;
        Live().AddressStyle = usa ? UsaStyleAddress : InternationalStyleAddress;
        PrintAddressBlock("Jane Doe", "12 Oak Ave", second, "Dayton", "OH", "45402", 2.0);
        EXPECT_EQ(Lines(1440), lines);
        EXPECT_NEAR(Ops(PrintOperation::Text)[0].y, 2880, 0.01);
        EXPECT_EQ(ThePrinter().ForeColor, 0u);
    }
}

TEST_F(BusinessFormTest, GenericFormRulesFollowTheVariant)
{
    const QStringList common{"y5760", "y6120", "y14400", "x360:5760-14400", "x1800:5760-14400", "x11880:5760-14400"};
    for (const auto& [variant, colour, rules] :
         {std::tuple{true, true, QStringList{"y12240", "y13680", "x3240:5760-12240", "x7920:5760-12240", "x10080:5760-14400"}},
          {false, false, QStringList{"y13392", "y13824", "x7920:5760-14400", "x10080:5760-14400", "x4680:13392-14400"}}}) {
        SCOPED_TRACE(testing::Message() << "variant " << variant);
        ThePrinter().Reset();
        Live().ColorPrinting = colour;
        const quint32 border = colour ? 0x0000FF : 0;
        PrintGenericForm(variant, "WORK ORDER", 1.5);

        const QList<PrintOperation> boxes = Ops(PrintOperation::Box);
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_EQ(QRectF(QPointF(boxes[0].x, boxes[0].y), QPointF(boxes[0].x2, boxes[0].y2)), QRectF(360, 504, 11520, 4536));
        EXPECT_EQ(boxes[0].lineWidth, 6);
        EXPECT_EQ(boxes[0].color, border);
        QStringList drawn;
        for (const PrintOperation& line : Ops(PrintOperation::Line)) {
            EXPECT_EQ(line.color, border);
            if (line.y == line.y2 && line.x == 360 && line.x2 == 11880)
                drawn << QStringLiteral("y%1").arg(line.y);
            else if (line.x == line.x2)
                drawn << QStringLiteral("x%1:%2-%3").arg(line.x).arg(line.y).arg(line.y2);
            else
                ADD_FAILURE() << "stray line at " << line.x << "," << line.y;
        }
        drawn.sort();
        QStringList expected = common + rules;
        expected.sort();
        EXPECT_EQ(drawn, expected);

        const QList<PrintOperation> texts = Ops(PrintOperation::Text);
        ASSERT_GE(texts.size(), 3);
        EXPECT_EQ(texts[0].text, "from Acme Builders");
        EXPECT_EQ(QPointF(texts[0].x, texts[0].y), QPointF(1872, 14544));
        EXPECT_TRUE(texts[0].fontSize == 14 && texts[0].bold);
        EXPECT_EQ(texts[0].color, colour ? 0x00FF00u : 0u);
        EXPECT_EQ(texts[1].text, "WORK ORDER");
        // Moved left of 5.5 inches and raised just enough to end inside the frame and above
        // the work order's date block.
        const double titleRight = texts[1].x + QFontMetricsF(PrinterFont(texts[1].fontName, 28, true, false)).horizontalAdvance("WORK ORDER");
        EXPECT_TRUE(texts[1].x <= 7920 && texts[1].x > 6000 && titleRight <= 11880) << texts[1].x;
        EXPECT_TRUE(texts[1].y > 504 && texts[1].y < 720) << texts[1].y;
        EXPECT_TRUE(texts[1].fontSize == 28 && texts[1].bold && texts[1].color == border);
        EXPECT_EQ(texts[2].text, "Acme Builders");
        EXPECT_EQ(QPointF(texts[2].x, texts[2].y), QPointF(1440, 2160));
    }
}

TEST_F(BusinessFormTest, LogoIsCentredOnItsPrintedWidthAndAtMost1800High)
{
    ThePrinter().CurrentY = 5000;
    PrintLogo();
    EXPECT_TRUE(Ops(PrintOperation::Picture).isEmpty());
    EXPECT_EQ(ThePrinter().CurrentY, 144);

    QImage logo(200, 100, QImage::Format_RGB32); // 3000 twips wide on screen
    logo.fill(Qt::red);
    Live().Logo = Live().AdjustedLogo = logo;
    Live().LogoWidth = 1000;
    for (const auto& [height, printed] : {std::pair{1799.0, 1799.0}, {2400.0, 1800.0}}) {
        ThePrinter().Reset();
        Live().LogoHeight = height;
        PrintLogo();
        const QList<PrintOperation> pictures = Ops(PrintOperation::Picture);
        ASSERT_EQ(pictures.size(), 1);
        EXPECT_EQ(QRectF(pictures[0].x, pictures[0].y, pictures[0].x2, pictures[0].y2), QRectF(5620, 144, 1000, printed));
    }
}

} // namespace
