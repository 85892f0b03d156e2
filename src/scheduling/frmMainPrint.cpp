// Printing the shown day of the scheduling screen: the daily work schedule or the completion
// report, for one team or for every team.
#include "scheduling/frmMain.h"

#include "core/Printing.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/FlexGrid.h"
#include "platform/RegionalFormat.h"
#include "scheduling/SchedulePrinting.h"
#include "scheduling/TeamDayStore.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

namespace {

bool CompletionReportChosen(const std::array<QRadioButton*, 2>& options)
{
    return options[1]->isChecked();
}

} // namespace

void frmMain::cmdPrint_Click()
{
    for (QGroupBox* frame : {fraDay, fraCalendar, fraHours, fraTeamCal})
        frame->hide();
    const bool completion = CompletionReportChosen(optWorkSchedule);
    fraPrint->setTitle(completion ? QStringLiteral("Insert Response Paper") : QStringLiteral("Insert Plain Paper"));
    // The frame hides the calendar and the team list: it names what is about to print.
    const QString team = lstTeam->currentRow() >= Shared().TeamCount() ? QStringLiteral("All Teams") : txtCurrentTeam->text();
    lblPrintWhat->setText((completion ? QStringLiteral("Completion Report") : QStringLiteral("Daily Work Schedule"))
                          + QStringLiteral("\nfor ") + team + QStringLiteral("\n")
                          + QLocale(QLocale::English).toString(CalendarDate(), QStringLiteral("dddd")) + QLatin1Char(' ')
                          + ShortDateText(CalendarDate()));
    fraPrint->show();
}

void frmMain::cmdInvoiceContinue_Click()
{
    const bool completion = CompletionReportChosen(optWorkSchedule);
    const QDate date = CalendarDate();
    // The page of the team whose day the day window shows.
    const auto pageOf = [this, &date](const QString& teamName) {
        SchedulePage page;
        page.TeamName = teamName;
        page.Date = date;
        page.UsaStyle = Live().IsUsaStyle();
        for (size_t i = 0; i < 12; ++i) {
            // As the hour grid shows it, with am or pm: "06:00" begins and ends the day.
            page.Slots[i].TimeLabel = fgHours->TextMatrix(int(i) + 1, 0);
            page.Slots[i].HourText = TeamDay().DaySlots[i + 1];
            page.Slots[i].AccountInfo = SlotAccountInfo[i];
        }
        return page;
    };

    QList<SchedulePage> pages;
    if (lstTeam->currentRow() >= Shared().TeamCount()) {
        // Each team's own day, the last team first; the selection's day comes back afterwards.
        const QString shown = TeamDay().CurrentTeam;
        for (int n = Shared().TeamCount(); n >= 1; --n) {
            TeamDay().CurrentTeam = TeamText(n);
            LoadTeamDay(date, TeamDay().CurrentTeam);
            FillDayWindow();
            pages.append(pageOf(Shared().TeamNames.at(n)));
        }
        TeamDay().CurrentTeam = shown;
        LoadTeamDay(date, shown);
    } else {
        LoadTeamDay(date, TeamDay().CurrentTeam);
        FillDayWindow();
        pages.append(pageOf(txtCurrentTeam->text()));
    }
    RunPrintJob(QStringLiteral("The Schedule will not be Printed"), int(pages.size()),
                [&pages, completion](int document) { PrintSchedule(pages.at(document), completion); },
                {QStringLiteral("A failure occurred while printing"), QStringLiteral("Printer Failure")});
    HidePrintFrame();
}

void frmMain::HidePrintFrame()
{
    fraPrint->hide();
    cmdView->setEnabled(true);
    fraCalendar->show();
}
