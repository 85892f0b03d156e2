#pragma once

#include <QString>

#include <functional>
#include <initializer_list>
#include <utility>

// The printing steps every report and form goes through: page set-up, positions in inches,
// font size and style, word-wrapped text in a box, and the print colours, all drawn from the
// live print settings (font, colour printing, border and text colours).

void SetupPrinter(const QString& orientation, int colorFlag);
void SetPrintPosition(double x, double y);
void SetPrintFont(int size, bool bold, bool italic);
void PrintWrapped(int left, int top, int width, int height, const QString& text);
// The next line PrintWrapped would print of `rest` in a box of that width (in the printer's
// font), taken off the front of `rest`. A first word too wide for the box is a line of its own.
QString NextWrappedLine(QString& rest, int width);
// Texts side by side on the current line, each at its x position in inches, then the next line.
void PrintRow(std::initializer_list<std::pair<double, QString>> items);
// true: the data colour (text in blue when colour printing is on); false: the border colour.
void SetPrintColour(bool which);

// A whole print run: the printer dialog (its copies from the settings), then the report's
// drawing, then the end of the document. A cancelled dialog shows `notPrintedLine`; a printer
// that fails shows "A Print Error has occurred" and that line under "Print Error".
// True when the document went to the printer.
bool RunPrintJob(const QString& notPrintedLine, const std::function<void()>& drawReport);
// Several documents after one printer dialog: drawDocument(0 .. count - 1) draws each. On a
// system printer each is a job of its own; into a PDF file they follow one another. A document
// that fails ends the run with the print error box; those before it are printed.
bool RunPrintJob(const QString& notPrintedLine, int count, const std::function<void(int document)>& drawDocument);

// A box of its own for a printer that cannot be opened at all, in place of the print error box.
struct PrinterFailureBox {
    QString Prompt;
    QString Title;
};
bool RunPrintJob(const QString& notPrintedLine, int count, const std::function<void(int document)>& drawDocument,
                 const PrinterFailureBox& openFailure);

// The colour-printing flag as the reports pass it: 1 when ticked, else 0.
int ColorPrintingFlag();
