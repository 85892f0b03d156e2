#pragma once

#include "platform/Screen.h"

#include <array>

class DatePicker;
class FlexGrid;
class PictureBox;
class QPushButton;

// The call-back list: the service slips of Slips.txt in a date range, so the customers can be
// called before the visit.
class frmCallBack : public Screen {
    Q_OBJECT
public:
    frmCallBack();

    void LoadUpcomingSlips();
    void cmdWeekly_Click(int Index);
    void fgTomorrow_Click(int row);
    void Image2_Click();
    // Hands the account of data row `row` to the dialer.
    void DialRow(int row);
    void cmdTomorrow_Click();

    // The records of Slips.txt when the screen was activated.
    int SlipCount = 0;
    // The next grid row to fill.
    int RowNo = 1;

    DatePicker* DTStarting = nullptr;
    DatePicker* DTEnding = nullptr;
    // 3 "&Load Grid", 5 "Next Year", 6 "Next Month", 7 "Next Qtr"; no others.
    std::array<QPushButton*, 8> cmdWeekly{};
    FlexGrid* fgTomorrow = nullptr;
    PictureBox* Image2 = nullptr;
    QPushButton* cmdTomorrow = nullptr;

protected:
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_QueryUnload(int unloadMode, bool& cancel) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
