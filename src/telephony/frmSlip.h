#pragma once

#include "platform/Screen.h"

class PictureBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;

// The slip viewer: the service slip, meeting or project event of a booked hour that was
// clicked on a team's schedule (SelectedEntry, EntryKind and EntryTeam of the shared
// state), shown modal, with a dial picture.
class frmSlip : public Screen {
    Q_OBJECT
public:
    frmSlip();

    // Finds the clicked slot's record and shows it, or says "No Data Available" and closes.
    void ReadCallSlip();
    void ClearSlip();
    // Fills the labels from SlipRec().
    void LoadRecData();
    void cmdAttn_Click();
    void imgDialer_Click();

    QLabel* lblServiceSlip = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblStreet = nullptr;
    QLabel* lblApt = nullptr;
    QLabel* lblCity = nullptr;
    QLabel* lblState = nullptr;
    QLabel* lblZip = nullptr;
    QLabel* lblTelephone = nullptr;
    QLabel* lblAccount = nullptr;
    QLabel* lblDate = nullptr;
    QLabel* lblTime = nullptr;
    QLabel* lblDuration = nullptr;
    QLabel* lblProblem = nullptr;
    QLabel* lblAssignto = nullptr;
    QGroupBox* fraDial = nullptr;
    PictureBox* imgDialer = nullptr;
    QPushButton* cmdAttn = nullptr;

protected:
    void Form_Activate() override;
    void Form_QueryUnload(int unloadMode, bool& cancel) override;

private:
    void AddCaption(QGridLayout* layout, int row, const char* caption);
    QLabel* AddRow(QGridLayout* layout, int row, const char* caption);
};
