#include "telephony/frmCallID.h"

#include "accounts/CustomerRecords.h"
#include "core/GridWheel.h"
#include "core/Navigation.h"
#include "core/Shutdown.h"
#include "platform/CodePage.h"
#include "platform/Controls.h"
#include "platform/FlexGrid.h"
#include "platform/SerialPort.h"
#include "platform/TickTimer.h"
#include "telephony/CallLog.h"
#include "telephony/Modem.h"
#include "telephony/PhoneSettings.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

frmCallID::frmCallID()
{
    setWindowTitle(QStringLiteral("Unattended Call Monitoring"));
    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    layout->setMenuBar(menuBar);
    mnuSummary = menuBar->addAction(QStringLiteral("Toggle View"));

    auto* top = new QHBoxLayout;
    top->addWidget(BuildCallShown(), 1);
    imgLogo = new PictureBox(this);
    imgLogo->setPixmap(ProductLogo(72));
    imgLogo->setToolTip(QStringLiteral("Click on the LOGO to Reset this Form"));
    top->addWidget(imgLogo, 0, Qt::AlignTop);
    layout->addLayout(top);

    auto* middle = new QHBoxLayout;
    fraSummary = new QGroupBox(QStringLiteral("Calls List"), this);
    auto* summary = new QHBoxLayout(fraSummary);
    fgCallSummary = new FlexGrid(fraSummary);
    fgCallSummary->SetCols(3);
    const char* headings[3] = {"Time", "Number", "Name"};
    for (int col = 0; col < 3; ++col)
        fgCallSummary->SetTextMatrix(0, col, QString::fromLatin1(headings[col]));
    const QFontMetrics metrics(fgCallSummary->font());
    fgCallSummary->setColumnWidth(0, metrics.horizontalAdvance(QStringLiteral("00:00 pm")) + 16);
    fgCallSummary->setColumnWidth(1, metrics.horizontalAdvance(QStringLiteral("000-000-0000")) + 16);
    fgCallSummary->horizontalHeader()->setStretchLastSection(true);
    summary->addWidget(fgCallSummary, 1);
    middle->addWidget(fraSummary, 3);
    middle->addWidget(BuildCounters(), 0);
    layout->addLayout(middle, 1);

    layout->addWidget(BuildCustomerLists());

    auto* buttons = new QHBoxLayout;
    cmdDial = new QPushButton(QStringLiteral("&Dial"), this);
    cmdDial->setToolTip(QStringLiteral("Call Selected Number"));
    cmdClear = new QPushButton(QStringLiteral("&Clear All Calls"), this);
    cmdClear->setToolTip(QStringLiteral("Deletes all Stored Calls"));
    cmdExit = new QPushButton(QStringLiteral(" &Main Menu"), this);
    cmdExit->setToolTip(QStringLiteral("Return to Main menu"));
    buttons->addWidget(cmdDial);
    buttons->addWidget(cmdClear);
    buttons->addStretch();
    buttons->addWidget(cmdExit);
    layout->addLayout(buttons);

    tmrMain = new TickTimer(this);
    connect(tmrMain, &TickTimer::Tick, this, [this] { tmrMain_Timer(); });
    connect(updnCalls, &UpDown::UpClick, this, [this] { updnCalls_Click(); });
    connect(updnCalls, &UpDown::DownClick, this, [this] { updnCalls_Click(); });
    connect(Image1, &PictureBox::clicked, this, [this] { Image1_Click(); });
    connect(imgLogo, &PictureBox::clicked, this, [this] { imgLogo_Click(); });
    connect(cmdDial, &QPushButton::clicked, this, [this] { cmdDial_Click(); });
    connect(cmdClear, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    connect(mnuSummary, &QAction::triggered, this, [this] { mnuSummary_Click(); });
    resize(720, 560);
}

QWidget* frmCallID::BuildCallShown()
{
    auto* frame = new QGroupBox(this);
    auto* layout = new QHBoxLayout(frame);
    Image1 = new PictureBox(frame);
    Image1->setPixmap(PhonePicture(56));
    Image1->setToolTip(QStringLiteral("Click to Return Calls"));
    // Blinking must not move the labels beside it.
    QSizePolicy policy = Image1->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    Image1->setSizePolicy(policy);
    layout->addWidget(Image1, 0, Qt::AlignTop);
    auto* labels = new QVBoxLayout;
    lblName = new QLabel(QStringLiteral("Name"), frame);
    QFont large = lblName->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    lblName->setFont(large);
    lblNumber = new QLabel(QStringLiteral("Number"), frame);
    lblNumber->setFont(large);
    lblTime = new QLabel(QStringLiteral("Time Recv'd"), frame);
    for (QLabel* label : {lblName, lblNumber, lblTime})
        labels->addWidget(label);
    layout->addLayout(labels, 1);
    return frame;
}

QWidget* frmCallID::BuildCounters()
{
    auto* frame = new QGroupBox(this);
    auto* layout = new QGridLayout(frame);
    // Label, counter, row; the up-down sits beside the call record it steps through.
    const std::pair<const char*, int> counters[] = {
        {"Total Calls (Old and New)", 0}, {"Customers", 1}, {"Others", 2}, {"Call Record", 3}};
    int row = 0;
    for (const auto& [caption, index] : counters) {
        layout->addWidget(new QLabel(QString::fromLatin1(caption), frame), row, 0);
        lblCount[size_t(index)] = new QLabel(QStringLiteral("0"), frame);
        lblCount[size_t(index)]->setFrameShape(QFrame::StyledPanel);
        lblCount[size_t(index)]->setMinimumWidth(48);
        lblCount[size_t(index)]->setAlignment(Qt::AlignCenter);
        layout->addWidget(lblCount[size_t(index)], row, 1);
        ++row;
    }
    updnCalls = new UpDown(frame);
    layout->addWidget(updnCalls, 3, 2);
    layout->setRowStretch(row, 1);
    // With the calls list hidden the counters keep their size.
    layout->setColumnStretch(3, 1);
    return frame;
}

QWidget* frmCallID::BuildCustomerLists()
{
    auto* box = new QWidget(this);
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Land Lines"), box), 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Cell Numbers"), box), 0, 1);
    lstCustomerTel = new QListWidget(box);
    lstCustomerCell = new QListWidget(box);
    for (QListWidget* list : {lstCustomerTel, lstCustomerCell})
        list->setMaximumHeight(90);
    layout->addWidget(lstCustomerTel, 1, 0);
    layout->addWidget(lstCustomerCell, 1, 1);
    return box;
}

void frmCallID::Form_Load()
{
    LoadCustomerNumbers();
}

void frmCallID::LoadCustomerNumbers()
{
    lstCustomerTel->clear();
    lstCustomerCell->clear();
    // No customer file gives empty lists: every call is then someone else's.
    const CustomerFileSnapshot customers;
    for (int n = 1; n <= customers.Count(); ++n) {
        lstCustomerTel->addItem(customers.Field(n, &CustomerRecord::Telephone).trimmed());
        lstCustomerCell->addItem(customers.Field(n, &CustomerRecord::Cell).trimmed());
    }
}

void frmCallID::Form_Activate()
{
    HookFlexGrid(this, fgCallSummary);
    StartMonitoring();
}

void frmCallID::imgLogo_Click()
{
    StartMonitoring();
}

void frmCallID::StartMonitoring()
{
    ResetDisplay();
    SerialPort& port = MSComm1();
    // Without a port found by the probe nothing opens, and the first tick finds no answer.
    if (!port.PortOpen())
        port.SetPortOpen(true);
    port.ClearInput();
    Unfinished.clear();
    port.Output(ModemCommand::CallerIdOn);
    tmrMain->SetInterval(AnswerInterval);
    tmrMain->SetEnabled(true);
}

void frmCallID::tmrMain_Timer()
{
    PhoneSettings().CallerIdOn = true;
    if (tmrMain->Interval() == AnswerInterval)
        AnswerTick();
    else
        MonitorTick();
}

void frmCallID::AnswerTick()
{
    tmrMain->SetEnabled(false);
    tmrMain->SetInterval(MonitorInterval);
    SerialPort& port = MSComm1();
    Reply = FromCodePage(port.Input());
    cmdExit->setEnabled(true);
    if (Reply.contains(QLatin1String("OK"))) {
        port.ClearInput();
        tmrMain->SetEnabled(true);
        return;
    }
    // The screen stays a viewer of the log until it is activated or reset again.
    PhoneSettings().CallerIdOn = false;
}

void frmCallID::MonitorTick()
{
    Image1->setVisible(Image1->isHidden());
    tmrMain->SetEnabled(false);
    // Everything waiting is read at once, so nothing of a report that is still coming in is
    // thrown away after it.
    const bool keptLastTick = !Unfinished.isEmpty();
    const QString chunk = Unfinished + FromCodePage(MSComm1().Input());
    Unfinished.clear();
    // A report caught halfway waits one tick for the rest of its lines.
    if (!keptLastTick && IsUnfinishedReport(chunk)) {
        Unfinished = chunk;
        ResumeMonitoring();
        return;
    }
    if (chunk.size() < ReportMinimum) {
        ResumeMonitoring();
        return;
    }
    Reply = chunk;
    Image1->show();
    ParseCallerID();
}

void frmCallID::ResumeMonitoring()
{
    // The tick has read everything that was waiting; what arrives from now on is the next
    // tick's.
    tmrMain->SetEnabled(true);
}

void frmCallID::Form_Deactivate()
{
    UnhookFlexGrid();
    SerialPort& port = MSComm1();
    if (port.PortOpen()) {
        port.Output(ModemCommand::CallerIdOff);
        port.ClearInput();
        port.SetPortOpen(false);
    }
    tmrMain->SetEnabled(false);
    Unfinished.clear();
}

void frmCallID::Form_QueryUnload(int unloadMode, bool& cancel)
{
    Q_UNUSED(cancel);
    if (unloadMode == UserClosed)
        EndProgram();
}

void frmCallID::cmdExit_Click()
{
    tmrMain->SetEnabled(false);
    Unload();
    ShowMainMenu();
}
