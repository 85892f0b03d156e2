#include "core/Printing.h"

#include "core/Settings.h"
#include "platform/CommonDialogs.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"

#include <QStringList>

namespace {
constexpr quint32 PureBlue = 0xFF0000; // red in the low byte
}

void SetupPrinter(const QString& orientation, int colorFlag)
{
    Printer& printer = ThePrinter();
    printer.colorMode = colorFlag != 0;
    printer.orientation = orientation == QLatin1String("Portrait") ? Printer::Portrait : Printer::Landscape;
    printer.Width = 12240;
    printer.FontName = Live().FontName;
    printer.ForeColor = 0;
    SetPrintFont(0, false, false);
}

void SetPrintPosition(double x, double y)
{
    Printer& printer = ThePrinter();
    if (x > 0)
        printer.CurrentX = x * 1440.0;
    if (y > 0)
        printer.CurrentY = y * 1440.0;
}

void SetPrintFont(int size, bool bold, bool italic)
{
    Printer& printer = ThePrinter();
    if (size > 0)
        printer.FontSize = size;
    printer.FontBold = bold;
    printer.FontItalic = italic;
}

QString NextWrappedLine(QString& rest, int width)
{
    const Printer& printer = ThePrinter();
    qsizetype previousBlank = -1;
    for (qsizetype p = rest.indexOf(QLatin1Char(' ')); p >= 0; p = rest.indexOf(QLatin1Char(' '), p + 1)) {
        if (printer.TextWidth(rest.left(p + 1)) > width - 20) {
            // A first word wider than the box goes out whole on a line of its own: the box
            // overflows rather than the text being lost.
            const qsizetype end = previousBlank >= 0 ? previousBlank : p;
            const QString line = rest.left(end + 1);
            rest = rest.mid(end + 1);
            while (rest.startsWith(QLatin1Char(' ')))
                rest.remove(0, 1);
            return line;
        }
        previousBlank = p;
    }
    QString line = rest;
    rest.clear();
    return line;
}

void PrintWrapped(int left, int top, int width, int height, const QString& text)
{
    Printer& printer = ThePrinter();
    printer.CurrentY = top;
    const double bottom = double(top) + height;
    QString rest = text;
    for (;;) {
        const QString line = NextWrappedLine(rest, width);
        printer.CurrentX = left;
        printer.Print(line);
        if (printer.CurrentY >= bottom || rest.isEmpty())
            break;
    }
}

void PrintRow(std::initializer_list<std::pair<double, QString>> items)
{
    Printer& printer = ThePrinter();
    const double y = printer.CurrentY;
    double next = y;
    for (const auto& [xInches, text] : items) {
        printer.CurrentY = y;
        printer.CurrentX = xInches * 1440.0;
        printer.Print(text);
        next = printer.CurrentY;
    }
    printer.CurrentY = next;
}

void SetPrintColour(bool which)
{
    Printer& printer = ThePrinter();
    const LiveSettings& live = Live();
    if (live.ColorPrinting) {
        printer.ForeColor = which ? PureBlue : live.BorderColor;
        Settings().BorderColor = which ? live.TextColor : live.BorderColor;
    } else {
        printer.ForeColor = 0;
        Settings().BorderColor = 0;
    }
}

int ColorPrintingFlag()
{
    return Live().ColorPrinting ? 1 : 0;
}

bool RunPrintJob(const QString& notPrintedLine, const std::function<void()>& drawReport)
{
    return RunPrintJob(notPrintedLine, 1, [&](int) { drawReport(); });
}

bool RunPrintJob(const QString& notPrintedLine, int count, const std::function<void(int document)>& drawDocument)
{
    return RunPrintJob(notPrintedLine, count, drawDocument, PrinterFailureBox{});
}

bool RunPrintJob(const QString& notPrintedLine, int count, const std::function<void(int document)>& drawDocument,
                 const PrinterFailureBox& openFailure)
{
    const std::optional<PrinterChoice> choice = ChoosePrinter();
    if (!choice) {
        MsgBox(notPrintedLine);
        return false;
    }
    Printer& printer = ThePrinter();
    printer.BeginRun(choice->printer);
    bool printed = true;
    for (int document = 0; document < count && printed; ++document) {
        printer.Reset();
        printer.copies = choice->copies;
        drawDocument(document);
        printed = printer.EndDoc();
    }
    printed = printer.EndRun() && printed;
    if (!printed && printer.OpenFailed() && !openFailure.Prompt.isEmpty()) {
        MsgBox(openFailure.Prompt, MsgButtons::OkOnly, MsgIcon::Exclamation, openFailure.Title);
        return false;
    }
    if (!printed) {
        MsgBox(QStringLiteral("A Print Error has occurred\n") + notPrintedLine, MsgButtons::OkOnly,
               MsgIcon::Exclamation, QStringLiteral("Print Error"));
        return false;
    }
    return true;
}
