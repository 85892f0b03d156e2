#include "projects/ProjectReports.h"

#include "core/BusinessForm.h"
#include "core/Printing.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/Clock.h"
#include "platform/Printer.h"
#include "platform/RegionalFormat.h"
#include "projects/MilestoneScheduling.h"
#include "scheduling/LoadedProjects.h"
#include "scheduling/TeamDayStore.h"

#include <utility>

namespace {

constexpr quint32 Red = 255;
constexpr double LandscapeWidth = 15840;

QString AssignedTo(const MilestoneRecord& m)
{
    if (!IsTechnical(m))
        return QStringLiteral("Administrative");
    return TeamName(m.Team);
}

} // namespace

void PrintProjectHeader(int project)
{
    Printer& printer = ThePrinter();
    const ProjectHeader& h = LoadedProjects().Projects.at(project).Header;
    printer.orientation = Printer::Landscape;
    printer.Width = LandscapeWidth;
    printer.FontName = Live().FontName;
    SetPrintFont(15, false, false);
    printer.CurrentY = 0.5 * 1440;
    printer.CurrentX = (LandscapeWidth - printer.TextWidth(ProjectReportTitle)) / 2;
    printer.Print(ProjectReportTitle);
    SetPrintPosition(9.0, 0.5);
    printer.Print(ShortDateText(Clock::Today()));

    SetPrintFont(10, true, true);
    SetPrintPosition(0, 1.0);
    PrintRow({{1.0, QStringLiteral("Account")}, {6.5, QStringLiteral("Project Title")}, {9.0, QStringLiteral("Project No")}});
    SetPrintFont(10, false, false);
    SetPrintPosition(0, 1.25);
    PrintRow({{6.5, h.ProjectName}, {9.0, h.ProjectNo}});
    PrintAddressBlock(h.CustomerName, h.Address1, h.Address2, h.City, h.State, h.Zip, 1.25);
    PrintRow({{1.0, QStringLiteral("Telephone  ") + h.Telephone}});
    printer.Print(QString());

    printer.DrawWidth = 3;
    printer.Line(1000, printer.CurrentY, 14500, printer.CurrentY, 0);
    printer.DrawWidth = 1;
    printer.Print(QString());
    SetPrintFont(0, true, false);
    PrintRow({{0.75, QStringLiteral("Milestone Event")}, {2.75, QStringLiteral("Action Date")},
              {4.0, QStringLiteral("Assigned to")}, {5.75, QStringLiteral("Work Location")},
              {7.5, QStringLiteral("Status")}, {9.0, QStringLiteral("Completed Date")}});
    SetPrintFont(0, false, false);
}

void PrintProject(int project)
{
    Printer& printer = ThePrinter();
    const LoadedProject& p = LoadedProjects().Projects.at(project);
    const QDate today = Clock::Today();
    PrintProjectHeader(project);
    printer.Print(QString());
    int group = 0;
    for (const MilestoneRecord& m : p.Milestones) {
        const bool overdue = m.ScheduledDate < today && m.CompletedDate.contains(QLatin1String("Not"));
        printer.ForeColor = overdue ? Red : 0;
        PrintRow({{0.75, m.MilestoneName}, {2.75, ShortDateText(m.ScheduledDate)}, {4.0, AssignedTo(m)},
                  {6.0, m.WorkLocation}, {7.5, m.Status}, {9.0, m.CompletedDate}});
        printer.ForeColor = 0;
        if (++group == 5) {
            printer.Print(QString());
            group = 0;
        }
        if (printer.Height() <= printer.CurrentY + printer.TextHeight(p.Header.CustomerName)) {
            printer.NewPage();
            PrintProjectHeader(project);
        }
    }
}

void PrintPastDueHeader()
{
    Printer& printer = ThePrinter();
    SetPrintPosition(2.25, 0.5);
    const double y = printer.CurrentY;
    printer.Print(PastDueReportTitle);
    printer.CurrentY = y;
    SetPrintPosition(6.25, 0);
    printer.Print(ShortDateText(Clock::Today()));
    printer.Print(QString());
    SetPrintFont(0, true, false);
    PrintRow({{0.75, QStringLiteral("Project No.")}, {2.25, QStringLiteral("Project Name")},
              {4.0, QStringLiteral("Milestone")}, {6.0, QStringLiteral("Scheduled Date")}});
    SetPrintFont(10, false, false);
    printer.Print(QString());
}

void PrintPastDueReport(const QList<QStringList>& rows)
{
    Printer& printer = ThePrinter();
    printer.orientation = Printer::Portrait;
    printer.Width = 12240;
    printer.FontName = Live().FontName;
    SetPrintFont(15, false, false);
    PrintPastDueHeader();
    int group = 0;
    for (const QStringList& row : rows) {
        if (printer.Height() <= printer.CurrentY + printer.TextHeight(QStringLiteral("ABC"))) {
            printer.NewPage();
            PrintPastDueHeader();
        }
        PrintRow({{1.0, row.value(0)}, {2.25, row.value(1)}, {4.0, row.value(2)}, {6.25, row.value(3)}});
        if (++group == 5) {
            printer.Print(QString());
            group = 0;
        }
    }
}
