// The call log on the monitor: the grid, browsing, logging a call, dialling back, clearing.
#include "telephony/frmCallID.h"

#include "core/DialService.h"
#include "core/Navigation.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/TickTimer.h"
#include "telephony/CallLog.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString NameCaption = QStringLiteral("Name");

bool& WriteFailureTold()
{
    static bool told = false;
    return told;
}

QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}

} // namespace

void frmCallID::ResetLogWarning()
{
    WriteFailureTold() = false;
}

void frmCallID::ResetDisplay()
{
    cmdExit->setEnabled(false);
    for (int i = 0; i < 3; ++i)
        lblCount[size_t(i)]->setText(QStringLiteral("0"));
    CustomerCalls = 0;
    OtherCalls = 0;
    // Only whole records are calls; a fragment is left for the next call to overwrite.
    const QList<CallRecord> calls = ReadCallLog();
    CallCount = long(calls.size());
    if (calls.isEmpty()) {
        lblName->setText(NameCaption);
        lblNumber->setText(QStringLiteral("Number"));
        lblTime->setText(QStringLiteral("Time Recv'd"));
        lblCount[3]->setText(QStringLiteral("0"));
        fgCallSummary->SetRows(1);
        updnCalls->setEnabled(false);
        cmdClear->setEnabled(false);
        return;
    }
    fgCallSummary->SetRows(int(calls.size()) + 1);
    for (int row = 1; row <= calls.size(); ++row) {
        const CallRecord& call = calls.at(row - 1);
        fgCallSummary->SetTextMatrix(row, 0, call.CallTime);
        fgCallSummary->SetTextMatrix(row, 1, call.CallerNumber);
        fgCallSummary->SetTextMatrix(row, 2, CallerNameShown(call.CallerName));
    }
    ShowRow(1);
    lblCount[3]->setText(QString::number(CallCount));
    updnCalls->setEnabled(true);
    updnCalls->SetRange(1, int(CallCount));
    updnCalls->SetValue(1);
    cmdClear->setEnabled(true);
}

void frmCallID::ShowRow(int row)
{
    if (row < 1 || row >= fgCallSummary->Rows())
        return;
    lblName->setText(fgCallSummary->TextMatrix(row, 2));
    lblNumber->setText(fgCallSummary->TextMatrix(row, 1));
    lblTime->setText(fgCallSummary->TextMatrix(row, 0));
}

void frmCallID::updnCalls_Click()
{
    ShowRow(updnCalls->Value());
}

void frmCallID::ParseCallerID()
{
    const std::optional<CallerId> call = ::ParseCallerID(Reply);
    if (!call) {
        ResumeMonitoring();
        return;
    }
    const QString time = CallTimeText(Clock::Now().time());
    ++CallCount;
    cmdClear->setEnabled(true);
    lblName->setText(call->Name);
    lblNumber->setText(call->Number);
    lblTime->setText(time);
    fgCallSummary->SetRows(int(CallCount) + 1);
    fgCallSummary->SetTextMatrix(int(CallCount), 1, call->Number);
    fgCallSummary->SetTextMatrix(int(CallCount), 2, call->Name);
    fgCallSummary->SetTextMatrix(int(CallCount), 0, time);
    updnCalls->setEnabled(true);
    updnCalls->SetRange(1, int(CallCount));
    lblCount[0]->setText(QString::number(CallCount));
    lblCount[3]->setText(QString::number(CallCount));

    if (AppendCall({call->Name, call->Number, time}) == 0 && !WriteFailureTold()) {
        // Calls go on being shown; the user learns once that they are not kept.
        WriteFailureTold() = true;
        MsgBox(QStringLiteral("The call could not be written to the call log, TelCall.txt.\n"
                              "Calls are still shown here but are not kept."),
               MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Call Log"));
    }

    if (IsCustomerNumber(call->Number, Items(lstCustomerTel), Items(lstCustomerCell)))
        lblCount[1]->setText(QString::number(++CustomerCalls));
    else
        lblCount[2]->setText(QString::number(++OtherCalls));
    ResumeMonitoring();
}

void frmCallID::OpenDialer(const QString& name, const QString& number)
{
    DialRequest() = {name.trimmed(), number.trimmed()};
    ShowScreenModal(QStringLiteral("frmDialer"));
}

void frmCallID::cmdDial_Click()
{
    // Without a call row the current row would be the headings.
    const int row = fgCallSummary->currentRow() + 1;
    if (row < 1 || row > CallCount || row >= fgCallSummary->Rows())
        return;
    OpenDialer(fgCallSummary->TextMatrix(row, 2), fgCallSummary->TextMatrix(row, 1));
}

void frmCallID::Image1_Click()
{
    if (lblName->text() != NameCaption)
        OpenDialer(lblName->text(), lblNumber->text());
    else
        OpenDialer(QString(), QString());
}

void frmCallID::cmdClear_Click()
{
    if (CallCount == 0)
        return;
    // No tick may log a call while the question is up; a report waiting then is read after it.
    const bool running = tmrMain->Enabled();
    tmrMain->SetEnabled(false);
    const MsgAnswer answer = MsgBox(QStringLiteral("Clear All Entries?"), MsgButtons::YesNo, MsgIcon::Question,
                                    QStringLiteral("Clear Call List"));
    if (answer == MsgAnswer::Yes) {
        CallCount = 0;
        if (!ClearCallLog())
            MsgBox(QStringLiteral("The call log, TelCall.txt, could not be deleted."), MsgButtons::OkOnly,
                   MsgIcon::Exclamation, QStringLiteral("Clear Call List"));
        ResetDisplay();
        cmdExit->setEnabled(true);
    }
    tmrMain->SetEnabled(running);
}

void frmCallID::mnuSummary_Click()
{
    fraSummary->setVisible(fraSummary->isHidden());
    mnuSummary->setText(mnuSummary->text() == QLatin1String("Summary") ? QStringLiteral("List")
                                                                       : QStringLiteral("Summary"));
}
