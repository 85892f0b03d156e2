#pragma once

#include "platform/Screen.h"

#include <QDate>
#include <QList>
#include <QStringList>

#include <array>

class DatePicker;
class FlexGrid;
class QPushButton;

// The administrative milestones of every loaded project in a date range, and their report.
class frmAdmin : public Screen {
    Q_OBJECT
public:
    frmAdmin();

    void SetDefaultDateRange();
    void LoadAdminTasks();
    void ClearAdminGrid();
    void PrintAdminReport();
    // The listed rows of the grid, six texts each.
    QList<QStringList> ListedRows() const;

    void cmdWeekly_Click(int Index);
    void cmdAdmin_Click(int Index);
    void DTEnd_Click();

    DatePicker* DTStart = nullptr;
    DatePicker* DTEnd = nullptr;
    FlexGrid* fgAdminSchedule = nullptr;
    // Buttons 3 "&Load Grid", 5 "Next Year", 6 " Next Month", 7 "Next Qtr"; no others.
    std::array<QPushButton*, 8> cmdWeekly{};
    // 0 "&Menu", 1 "&Print".
    std::array<QPushButton*, 2> cmdAdmin{};
    // The range the grid was last loaded for; the report names it above the rows.
    QDate LoadedFirst;
    QDate LoadedLast;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(int unloadMode, bool& cancel) override;
};
