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
    const WaitCursor wait;
    for (int n = 1; n <= Shared().TeamCount(); ++n) {
        FindTeam(TeamText(n));
        if (!RequestFlag)
            return;
    }
}

void frmBlock::FindTeam(const QString& team)
{
    const QList<QDate> days = RequestWorkdays(BlockStartDate, sldTimeReq->Value());
    const BlockRequestResult result = Reserving() ? ReserveTeamDays(team, days, lstReason->currentText())
                                                  : RestoreTeamDays(team, days);
    RequestFlag = result.Kind == BlockRequestResult::Done;
    if (!RequestFlag) {
        ShowRequestStop(team, result);
        Initform();
        Calender->SetValue(SkipNonWorkDays(Clock::Today()));
        return;
    }
    // The calendar shows the first workday after the days written, held to its latest date.
    Calender->SetValue(SkipNonWorkDays(days.isEmpty() ? BlockStartDate : days.last().addDays(1)));
    TakeYear(Calender->Value());
}

void frmBlock::ShowRequestStop(const QString& team, const BlockRequestResult& result)
{
    const QString dayText = ShortDateText(result.Day);
    QString prompt;
    switch (result.Kind) {
    case BlockRequestResult::Conflict:
        prompt = QStringLiteral("An Event Exists at ") + Shared().TimeSlotLabels.value(result.Slot) + QStringLiteral(" on ") +
                 dayText + QStringLiteral("\nUse the Reschedule Routine to\nDelete or Rechedule this Attention");
        break;
    case BlockRequestResult::Unreadable:
        prompt = QStringLiteral("The day file of %1 for %2 cannot be read.").arg(TeamName(team), dayText);
        break;
    default:
        prompt = QStringLiteral("The day file of %1 for %2 could not be written.").arg(TeamName(team), dayText);
        break;
    }
    MsgBox(prompt + QStringLiteral("\nThis Request will be aborted."), MsgButtons::OkOnly, MsgIcon::Critical,
           CantBlockTitle);
}
