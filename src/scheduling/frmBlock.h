#pragma once

#include "platform/Screen.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>

struct BlockRequestResult;
class DatePicker;
class FlexGrid;
class MonthCalendar;
class QAction;
class QComboBox;
class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;
class TextBox;
class UpDown;

// Holidays, vacations, personal and sick days: reserves consecutive workdays of one team or of
// every team so that no work is booked on them, restores them, and lists the blocked days.
class frmBlock : public Screen {
    Q_OBJECT
public:
    frmBlock();

    // The first day of the request, taken when Accept is pressed.
    QDate BlockStartDate;
    // The program folder, the calendar date's year and "Team#": the team number and the day
    // complete a day file's path.
    QString TeamFolderPrefix;
    // True while the request may go on; a conflict clears it.
    bool RequestFlag = false;

    // The teams in team-list order, then "All Assignments".
    void FillAssignments();

    void Initform();
    void FindAllTeams();
    void FindTeam(const QString& team);
    void Calender_DateClick(const QDate& date);
    void ClearBlockedGrid();
    void SetDefaultSearchRange();

    void optAction_Click(int Index);
    void cmdAccept_Click();
    void cmdCancel_Click();
    void cmdExit_Click();
    void cmdSearch_Click();
    void cmdClearGrid_Click();
    void cmdHideGrid_Click();
    void mnuBlocked_Click();
    void txtTimeReq_Click();
    void DTStartSearch_Click();
    void DTEndSearch_Click();

    QComboBox* lstReason = nullptr;
    std::array<QRadioButton*, 2> optAction{};
    QListWidget* lstAssignto = nullptr;
    MonthCalendar* Calender = nullptr;
    TextBox* txtTimeReq = nullptr;
    UpDown* sldTimeReq = nullptr;
    QPushButton* cmdAccept = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdExit = nullptr;
    QGroupBox* fraBlockedDays = nullptr;
    FlexGrid* FGBlocked = nullptr;
    DatePicker* DTStartSearch = nullptr;
    DatePicker* DTEndSearch = nullptr;
    QPushButton* cmdSearch = nullptr;
    QPushButton* cmdClearGrid = nullptr;
    QPushButton* cmdHideGrid = nullptr;
    QAction* mnuBlocked = nullptr;
    QGroupBox* fraInstructions = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_QueryUnload(int unloadMode, bool& cancel) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Reserving() const;
    // Makes the year folders of a later year and sets TeamFolderPrefix for the date.
    void TakeYear(const QDate& date);
    void SetDateLimits();
    // Checks and writes the request's days for the teams, whole or not at all.
    void RunRequest(const QStringList& teams);
    // Tells why a request stopped; among all teams a conflict names its team.
    void ShowRequestStop(const BlockRequestResult& result, bool allTeams);
    void ShowCount(int count);
    void ShowGrid(bool show);
};
