#include "projects/WorkOrderPrinting.h"

#include "core/BusinessForm.h"
#include "core/Printing.h"
#include "core/Settings.h"
#include "platform/Clock.h"
#include "platform/Printer.h"
#include "platform/RegionalFormat.h"
#include "projects/NarrativeTemplate.h"

#include <algorithm>

namespace {

constexpr int NarrativeBottom = 14040; // 9.75 inches
constexpr int PartsBottom = 11520;     // 8 inches
constexpr int NarrativeLeft = 720;
constexpr int NarrativeWidth = 10800;
constexpr int PriceRight = 9360;

void HorizontalLine(double y)
{
    ThePrinter().Line(360, y, 11880, y, Settings().BorderColor);
}

// Text at x inches on the current line; the position then moves to the next line, or stays on
// this one for more text.
void PrintAt(double x, const QString& text, bool lineEnd = true)
{
    Printer& printer = ThePrinter();
    const double y = printer.CurrentY;
    printer.CurrentX = x * 1440.0;
    printer.Print(text);
    if (!lineEnd)
        printer.CurrentY = y;
}

void PrintCustomerAddress(const WorkOrderDocument& d)
{
    PrintAddressBlock(d.CustomerName, d.Address1, d.Address2, d.City, d.State, d.Zip2, 2.3);
}

QString Today()
{
    return ShortDateText(Clock::Today());
}

void PrintRow(const QString& name, const QString& price, const WorkOrderDocument& d)
{
    Printer& printer = ThePrinter();
    if (printer.CurrentY + printer.TextHeight(QStringLiteral("ABCD")) > PartsBottom)
        NewPartsPage(d);
    PrintAt(2.3, name, false);
    printer.CurrentX = PriceRight - printer.TextWidth(price);
    printer.Print(price);
    PrintRowRule();
}

// "Summary Report" on the line below the heading: at 5 inches, or right of a logo that reaches
// that far, and smaller only where it would pass the frame.
void PrintSummaryTitle()
{
    const QString title = QStringLiteral("Summary Report");
    const double left = 5.0 * 1440;
    const FormTitleFit fit =
        FitFormTitle(title, left, std::max(left, LogoRightEdge() + 144), 11880 - 144, 12);
    SetPrintFont(fit.Size, true, false);
    PrintAt(fit.Left / 1440.0, title);
}

} // namespace

void PrintWOPageFrame(const WorkOrderDocument& d, double top)
{
    ThePrinter().Width = 12240;
    DrawFormFrame();
    const quint32 border = Settings().BorderColor;
    Printer& printer = ThePrinter();
    printer.Line(360, 5760, 11880, 5760, border);
    printer.Line(360, 14400, 11880, 14400, border);
    printer.Line(360, 5760, 360, 14400, border);
    printer.Line(11880, 5760, 11880, 14400, border);
    const FormTitlePlace place = PlaceFormTitle(d.Heading, 0.5, 1.0, top, 12);
    PrintFormTitle(d.Heading, place.Top, place.Left, place.Size);
    PrintLogo();
    PrintCompanyHeader(1.0, top, 12);
    PrintWOHeader(d.AccountNo);
    PrintCustomerAddress(d);
}

void PrintWOHeader(const QString& accountNo)
{
    SetPrintColour(true);
    SetPrintFont(10, true, false);
    SetPrintPosition(6.0, 0.9);
    PrintAt(6.0, QStringLiteral("Date ") + Today());
    PrintAt(6.0, QStringLiteral("Acct: ") + accountNo);
    // A number printed as such gets a leading blank for its sign.
    PrintAt(6.0, QStringLiteral("Page ") + QLatin1Char(' ') + QString::number(ThePrinter().Pages().size()));
}

void PrintNarrative(const WorkOrderDocument& d)
{
    SetPrintPosition(0.5, 4.5);
    const std::optional<QStringList> lines = ReadNarrativeTemp();
    if (!lines)
        return;
    Printer& printer = ThePrinter();
    // Every printed line gets the page test, so a long paragraph goes on over the next page.
    for (const QString& line : *lines) {
        QString rest = line;
        do {
            const QString wrapped = NextWrappedLine(rest, NarrativeWidth);
            if (printer.CurrentY + printer.TextHeight(wrapped) > NarrativeBottom)
                NewNarrativePage(d);
            // Already wrapped: printed as it stands, as wrapping it again would drop a word too wide.
            printer.CurrentX = NarrativeLeft;
            printer.Print(wrapped);
        } while (!rest.isEmpty());
    }
}

void NewNarrativePage(const WorkOrderDocument& d)
{
    ThePrinter().NewPage();
    PrintWOPageFrame(d, 0.4);
    SetPrintPosition(0.5, 4.5);
}

void NewPartsPage(const WorkOrderDocument& d)
{
    ThePrinter().NewPage();
    PrintGenericForm(true, d.Heading, 0.4);
    PrintWOHeader(d.AccountNo);
    SetPrintColour(true);
    SetPrintFont(18, true, false);
    SetPrintPosition(3.0, 3.6);
    PrintAt(3.0, QStringLiteral("Parts and Services List"));
    SetPrintFont(10, true, false);
    PrintInvoiceHeaderLine();
    PrintCustomerAddress(d);
    SetPrintPosition(0, 4.3);
}

void PrintInvoiceHeaderLine()
{
    SetPrintColour(false);
    SetPrintPosition(0, 4.05);
    PrintAt(0.6, QStringLiteral("QTY"), false);
    PrintAt(1.5, QStringLiteral("DATE"), false);
    PrintAt(3.1, QStringLiteral("DESCRIPTION"), false);
    PrintAt(6.1, QStringLiteral("PRICE"), false);
    PrintAt(7.5, QStringLiteral("TOTAL"));
}

void PrintPartsAndServices(const WorkOrderDocument& d)
{
    SetPrintPosition(0, 4.3);
    for (qsizetype i = 0; i < d.Items.size(); ++i)
        PrintRow(d.Items.at(i), d.ItemPrices.value(i), d);
    for (qsizetype i = 0; i < d.Services.size(); ++i)
        PrintRow(d.Services.at(i), d.ServicePrices.value(i), d);
}

void PrintRowRule()
{
    Printer& printer = ThePrinter();
    printer.CurrentY += 72;
    const double y = printer.CurrentY;
    HorizontalLine(y);
    printer.CurrentY = y + 72;
}

void PrintWorkOrder(const WorkOrderDocument& d)
{
    // Upright in the settings' font and colour mode, whatever an earlier report left.
    SetupPrinter(QStringLiteral("Portrait"), ColorPrintingFlag());
    PrintWOPageFrame(d, 0.4);
    if (ReadNarrativeTemp()) {
        PrintNarrative(d);
    } else {
        SetPrintFont(10, true, true);
        SetPrintPosition(1.0, 3.8);
        PrintAt(1.0, QStringLiteral("Enter Instructions"));
        for (int k = 0; k <= 10; ++k)
            HorizontalLine(6480 + k * 720);
    }
    if (!d.Items.isEmpty() || !d.Services.isEmpty()) {
        NewPartsPage(d);
        PrintPartsAndServices(d);
    }
}

void PrintSummaryReport(const WorkOrderDocument& d)
{
    SetupPrinter(QStringLiteral("Portrait"), ColorPrintingFlag());
    ThePrinter().Width = 12240;
    DrawFormFrame();
    const FormTitlePlace place = PlaceFormTitle(d.Heading, 0.5, 1.0, 0.4, 12);
    PrintFormTitle(d.Heading, place.Top, place.Left, place.Size);
    SetPrintColour(false);
    PrintSummaryTitle();
    SetPrintColour(false);
    SetPrintFont(10, true, false);
    PrintLogo();
    PrintCompanyHeader(1.0, 0.4, 12);
    SetPrintColour(true);
    SetPrintFont(10, true, false);
    SetPrintPosition(5.0, 1.5);
    PrintAt(5.0, QStringLiteral("Date ") + Today());
    PrintAt(5.0, QStringLiteral("Acct: ") + d.AccountNo);
    ThePrinter().Print(QString());
    const auto pair = [](const char* label, const char* blank) {
        PrintAt(5.0, QString::fromLatin1(label), false);
        PrintAt(6.5, QString::fromLatin1(blank));
    };
    pair("Start Time:", "______:______");
    pair("Completion Time:", "______:______");
    pair("Service Time:", "______:______");
    ThePrinter().Print(QString());
    ThePrinter().Print(QString());
    pair("Starting Odometer:", "____________");
    pair("Ending Odometer:", "____________");
    PrintCustomerAddress(d);
    const auto ruledList = [](const char* caption) {
        PrintAt(0.5, QString::fromLatin1(caption));
        for (int k = 0; k < 8; ++k) {
            ThePrinter().Print(QString());
            PrintRowRule();
        }
    };
    SetPrintPosition(0.5, 4.3);
    ruledList("List any Anomalies prior to Commencement");
    ThePrinter().Print(QString());
    ruledList("List any Services that could not be Performed and the Reason");
    ThePrinter().Print(QString());
    ThePrinter().Print(QString());
    PrintAt(0.5, QStringLiteral("Service performed by: ______________________________________________"));
}

bool PrintWorkOrderDocuments(const WorkOrderDocument& d, bool summary)
{
    const auto draw = [&d](int document) {
        if (document == 0)
            PrintWorkOrder(d);
        else
            PrintSummaryReport(d);
    };
    // One printer dialog for both: into a PDF file the summary's page follows the work order's.
    return RunPrintJob(WorkOrderNotPrinted, summary ? 2 : 1, draw);
}
