#include "projects/WorkOrderPrinting.h"

#include "core/Printing.h"
#include "core/QtPrinters.h"
#include "core/Settings.h"
#include "platform/CommonDialogs.h"
#include "platform/Printer.h"
#include "projects/NarrativeTemplate.h"
#include "support/ScreenFixture.h"

#include <QFontMetricsF>
#include <QImage>

namespace {

class WorkOrderPrintingTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        ThePrinter().Reset();
        Settings().BusinessName = "Acme Builders";
        Live().ColorPrinting = true;
        Live().BorderColor = 0x123456;
        document_.Heading = "Work Order";
        document_.AccountNo = "A100";
        document_.CustomerName = "Jane Doe";
        document_.Address1 = "1 Main St";
        document_.City = "Dayton";
    }

    // Draws the work order as a print run would.
    void Print(const QString& narrative = QString())
    {
        ASSERT_TRUE(WriteNarrativeTemp(narrative));
        ThePrinter().Reset();
        PrintWorkOrder(document_);
    }

    static QList<PrintOperation> Ops(int page, PrintOperation::Kind kind)
    {
        QList<PrintOperation> ops;
        for (const PrintOperation& op : ThePrinter().Pages().at(page))
            if (op.kind == kind)
                ops << op;
        return ops;
    }
    static QStringList Texts(int page, double x = -1)
    {
        QStringList texts;
        for (const PrintOperation& op : Ops(page, PrintOperation::Text))
            if (x < 0 || op.x == x)
                texts << op.text;
        return texts;
    }

    WorkOrderDocument document_;
};

TEST_F(WorkOrderPrintingTest, AnEmptyNarrativePrintsRulesToWriteOn)
{
    Print();
    ASSERT_EQ(ThePrinter().Pages().size(), 1);
    const QStringList texts = Texts(0);
    EXPECT_TRUE(texts.contains("Date 3/7/2026"));
    EXPECT_TRUE(texts.contains("Acct: A100"));
    EXPECT_TRUE(texts.contains("Page  1"));
    EXPECT_TRUE(texts.contains("Jane Doe"));
    for (const PrintOperation& op : Ops(0, PrintOperation::Text))
        if (op.text == "Enter Instructions") {
            EXPECT_EQ(op.x, 1440);
            EXPECT_NEAR(op.y, 3.8 * 1440, 0.1);
            EXPECT_TRUE(op.bold && op.italic);
        }
    QList<double> rules;
    for (const PrintOperation& op : Ops(0, PrintOperation::Line))
        if (op.y == op.y2 && op.y > 6000 && op.y < 14000) {
            EXPECT_EQ(op.x, 360);
            EXPECT_EQ(op.x2, 11880);
            EXPECT_EQ(op.color, Settings().BorderColor);
            rules << op.y;
        }
    ASSERT_EQ(rules.size(), 11);
    EXPECT_EQ(rules.first(), 6480);
    EXPECT_EQ(rules.last(), 13680);
}

TEST_F(WorkOrderPrintingTest, ALongNarrativeGoesOnOverFullPages)
{
    // Short lines, and one paragraph far longer than a page, which must print whole.
    QStringList lines;
    for (int i = 1; i <= 30; ++i)
        lines << QStringLiteral("Step %1").arg(i);
    // A word wider than the box, with more after it, prints whole and keeps its place.
    const QString wide(200, QLatin1Char('W'));
    lines << wide + QStringLiteral(" tail");
    QStringList words;
    for (int i = 1; i <= 900; ++i)
        words << QStringLiteral("w%1").arg(i);
    lines << words.join(' ');
    Print(lines.join('\n'));

    const int pages = int(ThePrinter().Pages().size());
    ASSERT_GE(pages, 3);
    QStringList printed;
    for (int page = 0; page < pages; ++page) {
        const QStringList texts = Texts(page);
        EXPECT_TRUE(texts.contains(QStringLiteral("Page  %1").arg(page + 1))) << page;
        EXPECT_TRUE(texts.contains("Work Order")) << page;
        EXPECT_TRUE(texts.contains("Acme Builders")) << page;
        EXPECT_TRUE(texts.contains("Jane Doe")) << page;
        EXPECT_EQ(Ops(page, PrintOperation::Box).size(), 1) << page;
        for (const PrintOperation& op : Ops(page, PrintOperation::Text))
            if (op.x == 720 && op.y > 4 * 1440) {
                EXPECT_LE(op.y + ThePrinter().TextHeight(op.text), 14040) << op.text.toStdString();
                EXPECT_GE(op.y, 4.5 * 1440 - 0.1);
                printed << op.text.trimmed();
            }
    }
    EXPECT_EQ(printed.mid(0, 30), lines.mid(0, 30));
    EXPECT_EQ(printed.mid(30, 2), QStringList({wide, "tail"}));
    EXPECT_EQ(printed.mid(32).join(' ').split(' '), words);
}

TEST_F(WorkOrderPrintingTest, PartsPagesFollowOnlyWhenSomethingWasChosen)
{
    Print("Fix the gate");
    EXPECT_EQ(ThePrinter().Pages().size(), 1);

    document_.Services = QStringList{"Paint Room", "Haul Debris"};
    document_.ServicePrices = QStringList{"125.00", "$40.00"};
    Print("Fix the gate");
    ASSERT_EQ(ThePrinter().Pages().size(), 2);
    const QStringList texts = Texts(1);
    EXPECT_TRUE(texts.contains("Parts and Services List"));
    EXPECT_TRUE(texts.contains("Page  2"));
    EXPECT_EQ(Texts(1, 2.3 * 1440), (QStringList{"Paint Room", "Haul Debris"}));
    for (const PrintOperation& op : Ops(1, PrintOperation::Text))
        if (op.text == "125.00" || op.text == "$40.00") {
            const QFontMetricsF metrics(PrinterFont(op.fontName, op.fontSize, op.bold, op.italic));
            EXPECT_NEAR(op.x + metrics.horizontalAdvance(op.text), 9360, 0.5);
        }

    // A long list breaks once a row would pass 8 inches; items come before services.
    for (int i = 1; i <= 40; ++i) {
        document_.Items << QStringLiteral("Item %1").arg(i);
        document_.ItemPrices << "$1.00";
    }
    Print("Fix the gate");
    const int pages = int(ThePrinter().Pages().size());
    ASSERT_GE(pages, 3);
    QStringList rows;
    for (int page = 1; page < pages; ++page) {
        EXPECT_TRUE(Texts(page).contains("DESCRIPTION"));
        for (const PrintOperation& op : Ops(page, PrintOperation::Text))
            if (op.x == 2.3 * 1440) {
                EXPECT_GE(op.y, 4.3 * 1440 - 0.1);
                EXPECT_LE(op.y + ThePrinter().TextHeight("ABCD"), 11520);
                rows << op.text;
            }
    }
    ASSERT_EQ(rows.size(), 42);
    EXPECT_EQ(rows.first(), "Item 1");
    EXPECT_EQ(rows.last(), "Haul Debris");
}

TEST_F(WorkOrderPrintingTest, TheHeadingPrintsWholeInsideTheFrameClearOfLetterheadAndLogo)
{
    SettingsValues& s = Settings();
    s.BusinessStreet = "1200 Industrial Parkway";
    s.BusinessAddress2 = "Suite 400";
    s.BusinessPhone = "937-555-0100";
    Live().AdjustedLogo = QImage(200, 100, QImage::Format_RGB32);
    Live().LogoWidth = 2880;
    Live().LogoHeight = 1440;
    document_.Services = QStringList{"Paint Room"};
    document_.ServicePrices = QStringList{"125.00"};

    const auto box = [](const PrintOperation& op) {
        const QFontMetricsF metrics(PrinterFont(op.fontName, op.fontSize, op.bold, op.italic));
        return QRectF(op.x, op.y, metrics.horizontalAdvance(op.text), metrics.height());
    };
    for (const QString heading : {"Estimate for", "MMMMMMMMMMMM"}) {
        document_.Heading = heading;
        QList<QList<PrintOperation>> pages;
        Print("Fix the gate");
        pages << ThePrinter().Pages();
        ThePrinter().Reset();
        PrintSummaryReport(document_);
        pages << ThePrinter().Pages();
        ASSERT_EQ(pages.size(), 3);
        for (int page = 0; page < 3; ++page) {
            SCOPED_TRACE(testing::Message() << heading.toStdString() << " page " << page);
            const PrintOperation* title = nullptr;
            for (const PrintOperation& op : pages[page])
                if (op.kind == PrintOperation::Text && op.text == heading)
                    title = &op;
            ASSERT_TRUE(title);
            const QRectF titleBox = box(*title);
            EXPECT_TRUE(QRectF(360, 504, 11880 - 360, 5040 - 504).contains(titleBox)) << titleBox.right();
            EXPECT_GE(title->fontSize, 12);
            // The summary's own title, too, is clear of the logo and inside the frame.
            for (const PrintOperation& op : pages[page]) {
                if (op.text != "Summary Report")
                    continue;
                EXPECT_TRUE(QRectF(360, 504, 11880 - 360, 5040 - 504).contains(box(op)));
                for (const PrintOperation& picture : pages[page]) {
                    if (picture.kind == PrintOperation::Picture) {
                        EXPECT_FALSE(box(op).intersects(QRectF(picture.x, picture.y, picture.x2, picture.y2)));
                    }
                }
            }
            for (const PrintOperation& op : pages[page]) {
                if (&op == title || (op.kind != PrintOperation::Text && op.kind != PrintOperation::Picture)
                    || (op.text.isEmpty() && op.kind == PrintOperation::Text))
                    continue;
                const QRectF other = op.kind == PrintOperation::Picture ? QRectF(op.x, op.y, op.x2, op.y2) : box(op);
                EXPECT_FALSE(titleBox.intersects(other)) << op.text.toStdString();
            }
        }
    }
}

TEST_F(WorkOrderPrintingTest, BothDocumentsPrintUprightAfterALandscapeReport)
{
    SetupPrinter("Landscape", 1);
    ASSERT_TRUE(WriteNarrativeTemp(QString()));
    DialogScript dialogs;
    dialogs.QueuePrinter();
    ASSERT_TRUE(PrintWorkOrderDocuments(document_, true));
    EXPECT_EQ(dialogs.Shown(), 1);
    EXPECT_EQ(ThePrinter().orientation, Printer::Portrait);
    // The summary is the last document drawn: one page of its own.
    ASSERT_EQ(ThePrinter().Pages().size(), 1);
    const QStringList texts = Texts(0);
    EXPECT_TRUE(texts.contains("Summary Report"));
    EXPECT_TRUE(texts.contains("Completion Time:"));
    EXPECT_TRUE(texts.contains("Service performed by: ______________________________________________"));
    EXPECT_TRUE(texts.contains("Jane Doe"));
    EXPECT_EQ(Ops(0, PrintOperation::Line).size(), 16);
}

} // namespace
