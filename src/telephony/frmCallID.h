#pragma once

#include "platform/Screen.h"

#include <QStringList>

#include <array>

class FlexGrid;
class PictureBox;
class QAction;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class TickTimer;
class UpDown;

// The caller-ID monitor: while it is the active screen, the modem's caller-ID reports are
// shown, logged in TelCall.txt and counted as customers' or others'; any logged call can be
// dialled back.
class frmCallID : public Screen {
    Q_OBJECT
public:
    // The timer's phases, told apart by its interval.
    static constexpr int AnswerInterval = 1500;
    static constexpr int MonitorInterval = 1000;
    // Less output than this in a tick is no report.
    static constexpr int ReportMinimum = 28;

    frmCallID();

    void LoadCustomerNumbers();
    void ResetDisplay();
    void ResumeMonitoring();
    void ParseCallerID();

    void tmrMain_Timer();
    void updnCalls_Click();
    void Image1_Click();
    void imgLogo_Click();
    void cmdDial_Click();
    void cmdClear_Click();
    void cmdExit_Click();
    void mnuSummary_Click();

    // The failed write of the log is told once per run (tests start a new run).
    static void ResetLogWarning();

    long CallCount = 0;
    int CustomerCalls = 0;
    int OtherCalls = 0;
    QString Reply;
    // A report whose lines had not all come in at the last tick, read again at the next.
    QString Unfinished;

    QLabel* lblName = nullptr;
    QLabel* lblNumber = nullptr;
    QLabel* lblTime = nullptr;
    QGroupBox* fraSummary = nullptr;
    FlexGrid* fgCallSummary = nullptr;
    UpDown* updnCalls = nullptr;
    // 0 and 3 the calls in the log, 1 customers' calls, 2 the others.
    std::array<QLabel*, 4> lblCount{};
    QListWidget* lstCustomerTel = nullptr;
    QListWidget* lstCustomerCell = nullptr;
    PictureBox* Image1 = nullptr;
    PictureBox* imgLogo = nullptr;
    QPushButton* cmdDial = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdExit = nullptr;
    QAction* mnuSummary = nullptr;
    TickTimer* tmrMain = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_QueryUnload(int unloadMode, bool& cancel) override;

private:
    QWidget* BuildCallShown();
    QWidget* BuildCounters();
    QWidget* BuildCustomerLists();
    void StartMonitoring();
    void AnswerTick();
    void MonitorTick();
    void ShowRow(int row);
    void OpenDialer(const QString& name, const QString& number);
};
