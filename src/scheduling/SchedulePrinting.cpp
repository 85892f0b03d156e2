#include "scheduling/SchedulePrinting.h"

#include "core/Printing.h"
#include "core/Settings.h"
#include "platform/Printer.h"
#include "platform/RegionalFormat.h"
#include "scheduling/TeamDayStore.h"

#include <utility>

namespace {

constexpr double RowTop = 1.35;
constexpr double RowStep = 0.75;

void PrintAt(double xInches, const QString& text)
{
    ThePrinter().CurrentX = xInches * 1440.0;
    ThePrinter().Print(text);
}

bool IsFree(const QString& text)
{
    return text.isEmpty() || text == NoEventScheduled;
}

// Address line 1 stands out in italics.
void PrintAddressLine(double xInches, const QString& text)
{
    SetPrintFont(9, false, true);
    PrintAt(xInches, text);
    SetPrintFont(9, false, false);
}

} // namespace

int FirstPrintedSlot(bool completionReport)
{
    return completionReport ? FirstWorkingSlot() : 1;
}

int LastPrintedSlot(bool completionReport)
{
    return completionReport ? LastWorkingSlot() : 12;
}

void PrintScheduleHeader(const SchedulePage& page, bool completionReport)
{
    const QString date = ShortDateText(page.Date);
    SetPrintFont(14, true, false);
    SetPrintPosition(1.0, 0.3);
    PrintAt(1.0, QStringLiteral("Daily Work Schedule"));
    PrintAt(1.0, QStringLiteral("Assigned to : ") + page.TeamName);
    PrintAt(1.0, QStringLiteral("Date: ") + date);
    SetPrintPosition(0.75, 1.1);
    SetPrintFont(10, true, false);
    if (completionReport) {
        PrintRow({{0.75, QStringLiteral("Account Information")}, {3.25, QStringLiteral("Problem")},
                     {4.85, QStringLiteral("Times")}, {6.1, QStringLiteral("Total Time")}});
        SetPrintFont(14, true, false);
        SetPrintPosition(8.0, 0.3);
        PrintAt(8.0, QStringLiteral("COMPLETION REPORT"));
        SetPrintFont(10, false, false);
        PrintAt(8.0, QStringLiteral("Date: ") + date);
        PrintAt(8.0, page.TeamName);
    } else {
        PrintRow({{0.75, QStringLiteral("Time")}, {2.5, QStringLiteral("Account Info")},
                     {4.5, QStringLiteral("Project Event/Reason")}});
    }
}

void PrintDaySlots(const SchedulePage& page, bool completionReport)
{
    SetPrintFont(9, false, false);
    const int first = FirstPrintedSlot(completionReport);
    const int last = LastPrintedSlot(completionReport);
    for (int slot = first; slot <= last; ++slot) {
        const ScheduleSlot& s = page.Slots[size_t(slot - 1)];
        const std::array<QString, 7>& info = s.AccountInfo;
        SetPrintPosition(0, RowTop + RowStep * (slot - first));
        const bool details = s.HourText.contains(QLatin1String("Recurring")) || !info[0].isEmpty();
        const bool booked = !IsFree(s.HourText);
        if (completionReport) {
            if (!details) {
                PrintRow({{0.75, s.TimeLabel}, {3.0, booked ? s.HourText : QString()}});
                continue;
            }
            PrintRow({{0.75, s.TimeLabel}, {3.0, s.HourText}, {4.5, QStringLiteral("Start")}});
            PrintAt(0.75, info[1]);
            const double y = ThePrinter().CurrentY;
            PrintAddressLine(0.75, info[2]);
            ThePrinter().CurrentY = y;
            PrintAt(4.5, QStringLiteral("Stop"));
            // The city lines stay inside the account column of the grid.
            PrintAt(0.75, info[3]);
            if (!page.UsaStyle)
                PrintAt(0.75, info[6]);
            continue;
        }
        if (!details) {
            PrintRow({{0.75, s.TimeLabel}, {4.5, booked ? s.HourText : QString()}});
            continue;
        }
        PrintRow({{0.75, s.TimeLabel}, {4.5, s.HourText}, {2.5, info[0]}});
        PrintAt(2.5, info[1]);
        PrintAddressLine(2.5, info[2]);
        PrintAt(2.5, info[3]);
        if (!page.UsaStyle)
            PrintAt(2.5, info[6]);
    }
}

void DrawCompletionGrid(const SchedulePage& page)
{
    Printer& printer = ThePrinter();
    const double bottom = 1850 + 1080 * 8;
    printer.Line(1000, 1520, 10300, 1520, printer.ForeColor);
    printer.Line(1000, 1850, 10300, 1850, printer.ForeColor);
    for (int k = 1; k <= 8; ++k)
        printer.Line(1000, 1850 + 1080 * k, 10300, 1850 + 1080 * k, printer.ForeColor);
    for (double x : {1000, 4200, 6400, 8300, 10300})
        printer.Line(x, 1520, x, bottom, printer.ForeColor);
    PrintPaymentBlocks(page);
}

void PrintPaymentBlocks(const SchedulePage& page)
{
    SetPrintFont(10, false, false);
    const int first = FirstPrintedSlot(true);
    QString previousKey;
    for (int slot = first; slot <= LastPrintedSlot(true); ++slot) {
        const QString key = page.Slots[size_t(slot - 1)].AccountInfo[4];
        // A job over several hours gets one block, at its first hour.
        if (!key.isEmpty() && (slot == first || key != previousKey))
            PrintCompletionData(page, slot, 7.5, RowTop + RowStep * (slot - first));
        previousKey = key;
    }
}

void PrintCompletionData(const SchedulePage& page, int slot, double x, double y)
{
    const std::array<QString, 7>& info = page.Slots[size_t(slot - 1)].AccountInfo;
    SetPrintPosition(0, y);
    PrintRow({{x, info[1]}, {x + 1.9, QStringLiteral("___Collected")}});
    PrintRow({{x, info[4]}, {x + 1.9, QStringLiteral("___Invoiced")}});
    PrintRow({{x, QStringLiteral("AMOUNT    _______________")}, {x + 1.9, QStringLiteral("___from Office")}});
}

void PrintSchedule(const SchedulePage& page, bool completionReport)
{
    SetupPrinter(QStringLiteral("Landscape"), ColorPrintingFlag());
    if (!completionReport)
        ThePrinter().orientation = Printer::Portrait;
    else
        ThePrinter().Width = 15840;
    PrintScheduleHeader(page, completionReport);
    PrintDaySlots(page, completionReport);
    if (completionReport)
        DrawCompletionGrid(page);
}
