// Accept on the blocking screen: the question, the check of every day, and the writing.
#include "scheduling/frmBlock.h"

#include "core/SharedState.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "platform/MonthCalendar.h"
#include "platform/RegionalFormat.h"
#include "platform/WaitCursor.h"
#include "scheduling/BlockedDays.h"
#include "scheduling/TeamDayStore.h"

#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>

namespace {

const QString CantBlockTitle = QStringLiteral("Can't Block or UnBlock This Time");

} // namespace

void frmBlock::cmdAccept_Click()
{
    // The question, the check and the writing all name the same days, also when the screen
    // was left open past midnight or on a day that is no workday.
    QDate start = Calender->Value();
    if (start < Clock::Today())
        start = GetDefaultScheduleDate();
    start = SkipNonWorkDays(start);
    BlockStartDate = start;
    Calender->SetValue(start);
    TakeYear(start);

    const int position = lstAssignto->currentRow();
    if (position < 0)
        return;
    const QString prompt = QStringLiteral("You have Selected to\n") +
                           (Reserving() ? QStringLiteral("Prevent Work Scheduling") : QStringLiteral("Restore Previous Blocked Days")) +
                           QStringLiteral("\nof  ") + QString::number(sldTimeReq->Value()) +
                           QStringLiteral(" Consecutive WORKDAYS\nStarting on ") + ShortDateText(BlockStartDate) +
                           QStringLiteral("\nfor ") + lstAssignto->item(position)->text();
    if (MsgBox(prompt, MsgButtons::YesNo, MsgIcon::Question, QStringLiteral("Action Selection")) == MsgAnswer::No) {
        Initform();
        return;
    }
    if (position == Shared().TeamCount()) {
        FindAllTeams();
        return;
    }
    const WaitCursor wait;
    FindTeam(TeamText(position + 1));
}

void frmBlock::FindAllTeams()
{
    QStringList teams;
    for (int n = 1; n <= Shared().TeamCount(); ++n)
        teams.append(TeamText(n));
    if (teams.isEmpty())
        return;
    const WaitCursor wait;
    RunRequest(teams);
}

void frmBlock::FindTeam(const QString& team)
{
    RunRequest({team});
}

void frmBlock::RunRequest(const QStringList& teams)
{
    const QList<QDate> days = RequestWorkdays(BlockStartDate, sldTimeReq->Value());
    const BlockRequestResult result = Reserving() ? ReserveTeamDays(teams, days, lstReason->currentText())
                                                  : RestoreTeamDays(teams, days);
    RequestFlag = result.Kind == BlockRequestResult::Done;
    if (!RequestFlag) {
        ShowRequestStop(result, teams.size() > 1);
        Initform();
        Calender->SetValue(SkipNonWorkDays(Clock::Today()));
        return;
    }
    // The calendar shows the first workday after the days written, held to its latest date.
    Calender->SetValue(SkipNonWorkDays(days.isEmpty() ? BlockStartDate : days.last().addDays(1)));
    TakeYear(Calender->Value());
}

void frmBlock::ShowRequestStop(const BlockRequestResult& result, bool allTeams)
{
    const QString dayText = ShortDateText(result.Day);
    const QString team = TeamName(result.Team);
    QString prompt;
    switch (result.Kind) {
    case BlockRequestResult::Conflict:
        // Among all teams the hour and day alone do not say whose schedule holds the event.
        prompt = QStringLiteral("An Event Exists at ") + Shared().TimeSlotLabels.value(result.Slot) + QStringLiteral(" on ") +
                 dayText + (allTeams ? QStringLiteral(" for ") + team : QString()) +
                 QStringLiteral("\nUse the Reschedule Routine to\nDelete or Rechedule this Attention");
        break;
    case BlockRequestResult::Unreadable:
        prompt = QStringLiteral("The day file of %1 for %2 cannot be read.").arg(team, dayText);
        break;
    default:
        prompt = QStringLiteral("The day file of %1 for %2 could not be written.").arg(team, dayText);
        break;
    }
    if (!result.NotPutBack.isEmpty()) {
        // Name every team with its days, so the user knows which days to see to.
        QStringList lines;
        QString lineTeam;
        for (const auto& [dayTeam, day] : result.NotPutBack) {
            if (lines.isEmpty() || dayTeam != lineTeam) {
                lineTeam = dayTeam;
                lines.append(TeamName(dayTeam) + QStringLiteral(": ") + ShortDateText(day));
            } else {
                lines.last() += QStringLiteral(", ") + ShortDateText(day);
            }
        }
        prompt += (Reserving() ? QStringLiteral("\nThese Days could not be put back and stay Blocked:\n")
                               : QStringLiteral("\nThese Days could not be put back and stay Restored:\n")) +
                  lines.join(QLatin1Char('\n'));
    }
    MsgBox(prompt + QStringLiteral("\nThis Request will be aborted."), MsgButtons::OkOnly, MsgIcon::Critical,
           CantBlockTitle);
}
