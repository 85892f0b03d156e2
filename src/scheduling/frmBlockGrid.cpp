// The blocked-days grid of the blocking screen and its search range.
#include "scheduling/frmBlock.h"

#include "core/Settings.h"
#include "core/SharedState.h"
#include "core/Utilities.h"
#include "platform/Clock.h"
#include "platform/DatePicker.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/RegionalFormat.h"
#include "scheduling/BlockedDays.h"

#include <QGroupBox>

void frmBlock::SetDefaultSearchRange()
{
    const QDate today = Clock::Today();
    DTStartSearch->SetValue(today);
    DTEndSearch->SetValue(today.addMonths(1));
}

void frmBlock::ClearBlockedGrid()
{
    for (int row = 1; row < FGBlocked->Rows(); ++row)
        for (int col = 0; col < 3; ++col)
            FGBlocked->SetTextMatrix(row, col, QString());
    FGBlocked->SetRows(2);
}

void frmBlock::cmdSearch_Click()
{
    ClearBlockedGrid();
    int row = 1;
    for (const BlockedDayRow& blocked : FindBlockedDays(DTStartSearch->Value(), DTEndSearch->Value())) {
        FGBlocked->SetTextMatrix(row, 0, Shared().TeamNames.value(blocked.TeamNumber));
        FGBlocked->SetTextMatrix(row, 1, ShortDateText(blocked.Day));
        FGBlocked->SetTextMatrix(row, 2, blocked.Reason);
        FGBlocked->SetRows(FGBlocked->Rows() + 1);
        ++row;
    }
}

void frmBlock::cmdClearGrid_Click()
{
    ClearBlockedGrid();
}

void frmBlock::ShowGrid(bool show)
{
    // The grid and the instructions take turns in one place of a window sized for the larger.
    fraInstructions->setVisible(!show);
    fraBlockedDays->setVisible(show);
}

void frmBlock::cmdHideGrid_Click()
{
    ShowGrid(false);
}

void frmBlock::mnuBlocked_Click()
{
    if (!fraBlockedDays->isHidden()) {
        ShowGrid(false);
        return;
    }
    ShowGrid(true);
    cmdSearch_Click();
}

void frmBlock::DTStartSearch_Click()
{
    if (DTStartSearch->Value() >= Clock::Today())
        return;
    if (Settings().AlarmsOn)
        Beep();
    ShowInvalidCalendar();
    SetDefaultSearchRange();
    DTStartSearch->setFocus();
}

void frmBlock::DTEndSearch_Click()
{
    if (DTEndSearch->Value() >= DTStartSearch->Value())
        return;
    if (Settings().AlarmsOn)
        Beep();
    ShowInvalidCalendar();
    SetDefaultSearchRange();
    DTEndSearch->setFocus();
}
