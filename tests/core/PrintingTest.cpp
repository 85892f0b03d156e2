#include "core/Printing.h"

#include "core/QtPrinters.h"
#include "core/Settings.h"
#include "platform/CommonDialogs.h"
#include "platform/Printer.h"
#include "support/ScreenFixture.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

class PrintingTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        ThePrinter().Reset();
    }

    static QStringList Printed()
    {
        QStringList lines;
        for (const PrintOperation& op : ThePrinter().Pages().constLast())
            lines << op.text;
        return lines;
    }
};

TEST_F(PrintingTest, PositionFontAndSetupChangeOnlyWhatTheyAreGiven)
{
    Printer& printer = ThePrinter();
    printer.CurrentX = 500;
    SetPrintPosition(0, 2.5);
    EXPECT_EQ(QPointF(printer.CurrentX, printer.CurrentY), QPointF(500, 3600));
    SetPrintPosition(1.25, 0);
    EXPECT_EQ(QPointF(printer.CurrentX, printer.CurrentY), QPointF(1800, 3600));
    printer.FontSize = 12;
    printer.FontItalic = true;
    SetPrintFont(0, true, false);
    EXPECT_TRUE(printer.FontSize == 12 && printer.FontBold && !printer.FontItalic);

    Live().FontName = "Courier New";
    for (const auto& [text, flag, expected] : {std::tuple{"Portrait", 1, Printer::Portrait},
                                               {"portrait", 0, Printer::Landscape},
                                               {"Landscape", -1, Printer::Landscape}}) {
        SCOPED_TRACE(text);
        printer.Width = 15840;
        printer.ForeColor = 0xFF0000;
        SetupPrinter(text, flag);
        EXPECT_EQ(printer.orientation, expected);
        EXPECT_EQ(printer.colorMode, flag != 0);
        EXPECT_EQ(printer.Width, 12240);
        EXPECT_EQ(printer.FontName, "Courier New");
        EXPECT_EQ(printer.ForeColor, 0u);
        EXPECT_TRUE(printer.FontSize == 12 && !printer.FontBold && !printer.FontItalic);
    }
}

TEST_F(PrintingTest, WrappedTextBreaksAtBlanksInsideTheBox)
{
    Printer& printer = ThePrinter();
    const double h = printer.TextHeight("ABC");
    const QString text = "The crew will remove the old shingles, replace any damaged decking and install the new "
                         "ridge vent before the inspection on Friday morning";
    PrintWrapped(720, 1000, 2880, 50, text); // lower than a line: one line all the same
    ASSERT_EQ(Printed().size(), 1);
    EXPECT_TRUE(text.startsWith(Printed()[0]));

    printer.Reset();
    PrintWrapped(720, 1000, 2880, 20000, text);
    const QList<PrintOperation> lines = printer.Pages()[0];
    ASSERT_GE(lines.size(), 4);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i].text.toStdString());
        EXPECT_EQ(QPointF(lines[i].x, lines[i].y), QPointF(720, 1000 + double(i) * h));
        if (i + 1 < lines.size()) { // it fits, and with the next word it would not
            EXPECT_LE(printer.TextWidth(lines[i].text), 2860);
            EXPECT_GT(printer.TextWidth(lines[i].text + lines[i + 1].text.section(' ', 0, 0) + ' '), 2860);
        }
    }
    EXPECT_EQ(Printed().join(QString()), text);

    // 20 twips stay clear of the right edge; the last piece is printed whole.
    printer.Reset();
    PrintWrapped(0, 0, int(printer.TextWidth("Frame and sheath ")) + 10, 5000, "Frame and sheath the east wall");
    EXPECT_EQ(Printed(), (QStringList{"Frame and ", "sheath the east wall"}));

    // A first word wider than the box prints whole on its own line, and the rest goes on.
    printer.Reset();
    PrintWrapped(360, 2000, 600, int(3.5 * h), "Incomprehensibilities everywhere");
    EXPECT_EQ(Printed(), (QStringList{"Incomprehensibilities ", "everywhere"}));
    EXPECT_DOUBLE_EQ(printer.CurrentY, 2000 + 2 * h);
    printer.Reset();
    PrintWrapped(360, 2000, 600, int(3.5 * h), "Incomprehensibilities");
    EXPECT_EQ(Printed(), QStringList{"Incomprehensibilities"});
}

TEST_F(PrintingTest, PrintColourFollowsColourPrinting)
{
    Live().BorderColor = 0x0000FF; // red
    Live().TextColor = 0x00FF00;   // green
    struct Case {
        bool colour, which;
        quint32 text, border;
    };
    for (const Case& c : {Case{true, true, 0xFF0000, 0x00FF00}, Case{true, false, 0x0000FF, 0x0000FF},
                          Case{false, true, 0, 0}, Case{false, false, 0, 0}}) {
        SCOPED_TRACE(testing::Message() << "colour " << c.colour << " which " << c.which);
        Live().ColorPrinting = c.colour;
        ThePrinter().ForeColor = 0x123456;
        Settings().BorderColor = 0x654321;
        SetPrintColour(c.which);
        EXPECT_EQ(ThePrinter().ForeColor, c.text);
        EXPECT_EQ(Settings().BorderColor, c.border);
    }
}

TEST_F(PrintingTest, ThePrinterDialogProposesTheLastFileChosenInThisRun)
{
    DialogScript dialogs;
    const QString first = FullPath("/First.pdf"), second = FullPath("/Second.pdf");
    dialogs.QueuePrinter(first);
    ASSERT_TRUE(ChoosePrinter());
    dialogs.QueuePrinter(second);
    ASSERT_TRUE(ChoosePrinter());
    EXPECT_EQ(dialogs.ProposedFile(), first);
    dialogs.QueueCancel();
    EXPECT_FALSE(ChoosePrinter());
    EXPECT_EQ(dialogs.ProposedFile(), second);
    dialogs.QueuePrinter(); // a printer this time
    ASSERT_TRUE(ChoosePrinter());
    EXPECT_EQ(dialogs.ProposedFile(), second);
    dialogs.QueueCancel();
    EXPECT_FALSE(ChoosePrinter());
    EXPECT_EQ(dialogs.ProposedFile(), ""); // the dialog opens on the printers again
}

TEST_F(PrintingTest, SeveralDocumentsAfterOnePrinterDialogFollowOneAnotherInAFile)
{
    DialogScript dialogs;
    dialogs.QueuePrinter(FullPath("/Run.pdf"));
    const auto draw = [](int document) {
        ThePrinter().orientation = document == 1 ? Printer::Landscape : Printer::Portrait;
        ThePrinter().Print(QStringLiteral("Document %1").arg(document + 1));
        if (document == 2) {
            ThePrinter().NewPage();
            ThePrinter().Print(QStringLiteral("Document 3, page 2"));
        }
    };
    ASSERT_TRUE(RunPrintJob("The Reports will not be Printed", 3, draw));
    ASSERT_EQ(ThePrinter().Documents().size(), 3);
    EXPECT_EQ(ThePrinter().Documents()[1].orientation, Printer::Landscape);
    EXPECT_EQ(ThePrinter().Documents()[2].pages.size(), 2);
    EXPECT_EQ(ThePrinter().Documents()[0].pages[0][0].text, "Document 1");
    // Four pages in the one file, the second on its side.
    const QString pdf = QString::fromLatin1(ReadFile("/Run.pdf"));
    EXPECT_EQ(pdf.count(QRegularExpression("/Type /Page[^s]")), 4);
    EXPECT_EQ(pdf.count(QRegularExpression("/MediaBox \\[0 0 792[.0]* 612[.0]*\\]")), 1);

    // Cancelling the dialog draws nothing.
    dialogs.QueueCancel();
    Script().Queue(MsgAnswer::Ok);
    int drawn = 0;
    EXPECT_FALSE(RunPrintJob("The Reports will not be Printed", 3, [&](int) { ++drawn; }));
    EXPECT_EQ(drawn, 0);
    EXPECT_EQ(Script().Shown().last().Prompt, "The Reports will not be Printed");
}

} // namespace
