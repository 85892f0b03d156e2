#include "scheduling/AdminTasks.h"

#include "core/Printing.h"
#include "platform/Printer.h"
#include "platform/RegionalFormat.h"

#include <algorithm>

namespace {

constexpr int Administrative = 1;
// Nothing is printed closer than this to the paper's right edge.
constexpr double RightMarginTwips = 720;
constexpr double ColumnGapTwips = 72;

// A column's text cut to end before the next column starts, so no two texts print over each
// other.
QString FitBefore(const QString& text, double xInches, double nextXInches)
{
    const double room = (nextXInches - xInches) * 1440.0 - ColumnGapTwips;
    QString fitted = text;
    while (!fitted.isEmpty() && ThePrinter().TextWidth(fitted) > room)
        fitted.chop(1);
    return fitted;
}

// Texts on one line at their positions in inches, then the line end; each text but the last
// ends before the next one's position.
void PrintLine(const QList<std::pair<double, QString>>& items)
{
    Printer& printer = ThePrinter();
    const double y = printer.CurrentY;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const auto& [x, text] = items.at(i);
        printer.CurrentX = x * 1440.0;
        printer.CurrentY = y;
        printer.Print(i + 1 < items.size() ? FitBefore(text, x, items.at(i + 1).first) : text);
    }
}

double PaperWidth()
{
    return ThePrinter().orientation == Printer::Portrait ? 12240 : 15840;
}

// The blank to fill in by hand: 32 underscores, fewer where they would pass the right margin.
QString HandBlank(double xInches)
{
    QString blank(32, QLatin1Char('_'));
    const double room = PaperWidth() - RightMarginTwips - xInches * 1440.0;
    while (!blank.isEmpty() && ThePrinter().TextWidth(blank) > room)
        blank.chop(1);
    return blank;
}

} // namespace

QList<AdminTaskRow> ListAdminTasks(const LoadedProjectsState& projects, const QDate& first, const QDate& last)
{
    QList<AdminTaskRow> rows;
    for (int p = 1; p <= projects.ProjectCount && p < projects.Projects.size(); ++p) {
        const LoadedProject& project = projects.Projects.at(p);
        for (const MilestoneRecord& milestone : project.Milestones) {
            if (milestone.PersonnelType != Administrative || !milestone.ScheduledDate.isValid())
                continue;
            if (milestone.ScheduledDate < first || milestone.ScheduledDate > last)
                continue;
            rows.append({project.Header.ProjectNo, project.Header.ProjectName, milestone.ScheduledDate,
                         milestone.MilestoneName, project.Header.CustomerName, project.Header.Telephone});
        }
    }
    return rows;
}

void PrintAdminHeader(const QDate& first, const QDate& last)
{
    Printer& printer = ThePrinter();
    SetPrintFont(15, true, false);
    SetPrintPosition(1.0, 0.3);
    printer.Print(QStringLiteral("Administrative Tasks"));
    SetPrintPosition(1.0, 0);
    printer.Print(QStringLiteral("Date Range: ") + ShortDateText(first) + QStringLiteral(" to ") + ShortDateText(last));
    SetPrintFont(10, true, false);
    SetPrintPosition(0.75, 1.1);
    PrintLine({{0.75, QStringLiteral("Project No.")},
               {1.75, QStringLiteral("Project Title")},
               {3.0, QStringLiteral("Milestone")},
               {5.0, QStringLiteral("Acct Name")},
               {7.5, QStringLiteral("Acct Tel")},
               {9.0, QStringLiteral("Status")}});
    SetPrintFont(0, false, false);
}

void PrintAdminRows(const QDate& first, const QDate& last, const QList<QStringList>& rows)
{
    Printer& printer = ThePrinter();
    printer.Print(QString());
    // A date is never cut: in a font wider than the layout's the milestone column moves right,
    // the same for every row, to start after the widest date.
    double widestDate = 0;
    for (const QStringList& row : rows)
        widestDate = std::max(widestDate, printer.TextWidth(row.value(2)));
    const double milestoneX = std::max(3.75, 3.0 + (widestDate + ColumnGapTwips) / 1440.0);
    int group = 0;
    for (const QStringList& row : rows) {
        if (printer.Height() < printer.CurrentY + printer.TextHeight(QStringLiteral("ABC"))) {
            printer.NewPage();
            PrintAdminHeader(first, last);
            group = 0;
        }
        PrintLine({{0.75, row.value(0)},
                   {1.75, row.value(1)},
                   {3.0, row.value(2)},
                   {milestoneX, row.value(3)},
                   {5.0, row.value(4)},
                   {7.5, row.value(5)},
                   {9.0, HandBlank(9.0)}});
        if (++group == 5) {
            group = 0;
            printer.Print(QString());
        }
    }
}

void PrintAdminReport(const QDate& first, const QDate& last, const QList<QStringList>& rows)
{
    // Landscape: the telephone and status columns lie past the width of an upright page.
    SetupPrinter(QStringLiteral("Landscape"), ColorPrintingFlag());
    PrintAdminHeader(first, last);
    PrintAdminRows(first, last, rows);
}
