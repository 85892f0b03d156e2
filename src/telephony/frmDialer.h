#pragma once

#include "platform/Screen.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TextBox;

// The dialer: the modem dials the number shown, the user picks up the chained handset, and
// the modem leaves the line to it. Ten speed-dial slots are kept in SpeedNumbers.txt. Callers
// fill DialRequest() and show the screen modal; hanging up unloads it, so each call starts
// afresh, while the port (MSComm1) stays for the run.
class frmDialer : public Screen {
    Q_OBJECT
public:
    frmDialer();

    void ResetDialer();
    void HangUpModem();
    void LoadSpeedDials();
    void SaveSpeedDials();

    void cmdNewDial_Click();
    void cmdCancel_Click();
    void cmdHangup_Click();
    void ckDial1_Click();
    void cmdDialer_Click(int Index);
    void cmdSpeedDialer_Click(int Index);
    void cmdHelp_Click();

    // The slots, shown on cmdDialer (an empty caption is a free slot).
    std::array<QString, 10> SpeedName;
    std::array<QString, 10> SpeedNumber;
    int SelectedSlot = 0;
    QString OriginalName;
    QString OriginalNumber;
    // What the modem said since the dial was sent (a short tail of it).
    QString Reply;
    // Waiting for the modem's "OK" after a dial.
    bool Dialling = false;
    // SpeedNumbers.txt could not be read; it is kept as it is.
    bool SpeedDialsUnreadable = false;

    QLabel* lblName = nullptr;
    QLabel* lblNumber = nullptr;
    QLabel* lblStatus = nullptr;
    QPushButton* cmdNewDial = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdHangup = nullptr;
    QCheckBox* ckDial1 = nullptr;
    std::array<QPushButton*, 10> cmdDialer{};
    QGroupBox* fraSpeedDial = nullptr;
    std::array<TextBox*, 2> txtDialer{};
    // 0 save, 1 cancel, 2 delete, 3 restore the caller's party, 4 take the party shown.
    std::array<QPushButton*, 5> cmdSpeedDialer{};
    QPushButton* cmdHelp = nullptr;
    QGroupBox* fraHelp = nullptr;
    QLineEdit* Text1 = nullptr;
    // 0 to 2 the speed-dial hints, 3 the modem's port.
    std::array<QLabel*, 4> Label2{};

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(int unloadMode, bool& cancel) override;
    void Form_Unload() override;

private:
    QWidget* BuildSpeedDials();
    QWidget* BuildHelp();
    // Opens the port named on the settings screen when the port is closed; without a usable
    // port, Dial is refused and the status says so.
    bool OpenModemPort();
    void ModemOutput();
    // The port closed under the dialer: the modem is gone.
    void ModemGone();
};
