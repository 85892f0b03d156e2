#include "accounts/Reports.h"

#include "accounts/ContactFiles.h"
#include "accounts/CustomerRecords.h"
#include "accounts/CustomerSearch.h"
#include "core/BusinessForm.h"
#include "core/Printing.h"
#include "core/Settings.h"
#include "platform/Clock.h"
#include "platform/Printer.h"
#include "platform/RegionalFormat.h"

#include <functional>

namespace {

void PrintAt(double xInches, const QString& text)
{
    ThePrinter().CurrentX = xInches * 1440.0;
    ThePrinter().Print(text);
}

// "Account Information" centred at the top; the font is 10 point again afterwards. Centred on the
// paper as it lies: the layout width stays that of an upright page on a landscape one.
void PrintReportTitle()
{
    Printer& printer = ThePrinter();
    SetPrintPosition(0, 0.5);
    SetPrintFont(14, true, true);
    const QString title = QStringLiteral("Account Information");
    printer.CurrentX = (printer.PageWidth() - printer.TextWidth(title)) / 2;
    printer.Print(title);
    SetPrintFont(10, false, false);
}

void PrintDateAtRight()
{
    SetPrintPosition(9.0, 0.5);
    ThePrinter().Print(ShortDateText(Clock::Today()));
}

// Blocks three to a row, five lines a row, a new page with its header when the next row would
// not fit.
void PrintInRows(int count, double extraRowLines, const std::function<void(int, double, int)>& printBlock,
                 const std::function<void()>& printHeader)
{
    Printer& printer = ThePrinter();
    const double h = printer.TextHeight(QStringLiteral("ABC"));
    double y = printer.CurrentY;
    int column = 1;
    for (int n = 1; n <= count; ++n) {
        printBlock(column, y, n);
        ++column;
        if (column < 4)
            continue;
        y += extraRowLines * h;
        if (n == count)
            break;
        column = 1;
        y += 5 * h;
        if (printer.Height() <= y + 5 * h) {
            printer.NewPage();
            printHeader();
            y = printer.CurrentY;
        }
    }
}

} // namespace

void PrintReportHeader()
{
    PrintReportTitle();
    SetPrintPosition(0, 0.5);
    PrintCompanyHeader(1.0, 0.8, 14);
    PrintDateAtRight();
    SetPrintPosition(1.0, 2.25);
}

void PrintCustomerEntry(int column, double rowTop, const CustomerRecord& customer)
{
    const double x = column == 1 ? 1.0 : column == 2 ? 4.0 : 7.0;
    ThePrinter().CurrentY = rowTop;
    PrintAt(x, FoundCustomerName(customer));
    PrintAt(x, customer.Address1.trimmed());
    if (Live().IsUsaStyle()) {
        PrintAt(x, customer.City.trimmed() + QStringLiteral(", ") + customer.State.trimmed() + QLatin1Char(' ')
                       + customer.Zip2.trimmed());
    } else {
        PrintAt(x, customer.City.trimmed());
        PrintAt(x, customer.Zip2.trimmed());
    }
    PrintAt(x, customer.Telephone.trimmed());
}

void PrintCustomerList()
{
    // International addresses take one line more.
    const double extraLines = Live().IsUsaStyle() ? 0 : 1;
    const CustomerFileSnapshot customers;
    PrintInRows(
        customers.Count(), extraLines,
        [&customers](int column, double y, int n) { PrintCustomerEntry(column, y, customers.Record(n)); },
        [] { PrintReportHeader(); });
}

void PrintContactHeader()
{
    PrintReportTitle();
    PrintDateAtRight();
    SetPrintPosition(1.0, 2.25);
}

void PrintContactBlock(int column, double rowTop, const ContactRecord& contact)
{
    const double x = column == 1 ? 1.0 : column == 2 ? 4.0 : 7.0;
    ThePrinter().CurrentY = rowTop;
    PrintAt(x, contact.VendorName.trimmed());
    PrintAt(x, contact.Address1.trimmed());
    PrintAt(x, contact.City.trimmed() + QStringLiteral(", ") + contact.State.trimmed() + QLatin1Char(' ')
                   + contact.Zip.trimmed());
    PrintAt(x, contact.Telephone.trimmed());
    PrintAt(x, contact.Email.trimmed());
}

void PrintAllContacts()
{
    PrintInRows(
        ContactFileCount(), 0, [](int column, double y, int n) { PrintContactBlock(column, y, ReadContact(n)); },
        [] { PrintContactHeader(); });
}

void PrintContactReport()
{
    PrintContactHeader();
    PrintAllContacts();
}
