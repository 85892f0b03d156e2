#include "scheduling/frmBlock.h"

#include "core/DataUpkeep.h"
#include "core/GridWheel.h"
#include "core/Navigation.h"
#include "core/SharedState.h"
#include "core/Shutdown.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/DatePicker.h"
#include "platform/FlexGrid.h"
#include "platform/MonthCalendar.h"
#include "platform/ProgramFolder.h"
#include "platform/TextBox.h"
#include "scheduling/BlockedDays.h"
#include "scheduling/TeamDayStore.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int MaxBlockDays = 30;
// The calendar offers today through two years ahead.
constexpr int CalendarDays = 730;

// Lines that keep their width: a wrapped label's height would depend on the window's width,
// and the window could then be too short for the grid.
QLabel* InstructionLabel(const QString& text, QWidget* parent)
{
    return new QLabel(text, parent);
}

} // namespace

frmBlock::frmBlock()
{
    setWindowTitle(QStringLiteral("Holiday and Vacation Days"));
    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    layout->setMenuBar(menuBar);
    mnuBlocked = menuBar->addAction(QStringLiteral("Toggle Blocked Days Grid"));

    auto* top = new QHBoxLayout;
    auto* choices = new QVBoxLayout;
    choices->addWidget(new QLabel(QStringLiteral("Reason"), this));
    lstReason = new QComboBox(this);
    choices->addWidget(lstReason);
    optAction[0] = new QRadioButton(QStringLiteral("Reserve Days (Prevents work Scheduling)"), this);
    optAction[1] = new QRadioButton(QStringLiteral("Restore Days (Clears previous Blocks)"), this);
    choices->addWidget(optAction[0]);
    choices->addWidget(optAction[1]);
    choices->addWidget(new QLabel(QStringLiteral("Assignment (s)"), this));
    lstAssignto = new QListWidget(this);
    lstAssignto->setMinimumWidth(200);
    choices->addWidget(lstAssignto, 1);
    top->addLayout(choices);

    auto* dates = new QVBoxLayout;
    Calender = new MonthCalendar(this);
    dates->addWidget(Calender);
    auto* days = new QGroupBox(QStringLiteral("Days"), this);
    auto* daysRow = new QHBoxLayout(days);
    txtTimeReq = new TextBox(days);
    // The count changes through the spinner or a click, so the box shows what a request uses.
    txtTimeReq->setReadOnly(true);
    txtTimeReq->setMaximumWidth(48);
    txtTimeReq->setAlignment(Qt::AlignCenter);
    sldTimeReq = new UpDown(days);
    sldTimeReq->SetRange(1, MaxBlockDays);
    daysRow->addWidget(txtTimeReq);
    daysRow->addWidget(sldTimeReq);
    daysRow->addStretch();
    dates->addWidget(days);
    top->addLayout(dates);

    auto* buttons = new QVBoxLayout;
    cmdAccept = new QPushButton(QStringLiteral("&Accept"), this);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdExit = new QPushButton(QStringLiteral("&Menu"), this);
    for (QPushButton* button : {cmdAccept, cmdCancel, cmdExit})
        buttons->addWidget(button);
    buttons->addStretch();
    top->addLayout(buttons);
    layout->addLayout(top);

    fraInstructions = new QGroupBox(QStringLiteral("Reserving / Restoring Days"), this);
    auto* instructions = new QVBoxLayout(fraInstructions);
    instructions->addWidget(new QLabel(QStringLiteral("<b>Reserving</b>"), fraInstructions));
    for (const char* line : {"Click  the 1st day from the calendar where work will not be performed",
                             "Select a single assignment or all assignments from the list",
                             "Select an Action button, Reserve Days or Restore Days",
                             "Enter the number of Workdays to Reserve in the Days Box",
                             "Select a Reason for Reserving Days from the drop down Reason Box.", "Click Accept"})
        instructions->addWidget(InstructionLabel(QString::fromUtf8(line), fraInstructions));
    instructions->addWidget(new QLabel(QStringLiteral("<b>Restoring</b>"), fraInstructions));
    instructions->addWidget(InstructionLabel(
        QStringLiteral("The Restoring procedure is identical to Reserving. Select the Restore Button and proceed as above."),
        fraInstructions));
    layout->addWidget(fraInstructions);

    fraBlockedDays = new QGroupBox(QStringLiteral("Blocked Days"), this);
    auto* blocked = new QGridLayout(fraBlockedDays);
    FGBlocked = new FlexGrid(fraBlockedDays);
    FGBlocked->SetCols(3);
    FGBlocked->SetTextMatrix(0, 0, QStringLiteral("Team"));
    FGBlocked->SetTextMatrix(0, 1, QStringLiteral("Date"));
    FGBlocked->SetTextMatrix(0, 2, QStringLiteral("Reason"));
    FGBlocked->SetColAlignment(1, Qt::AlignCenter);
    FGBlocked->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // A few rows at the least; the grid scrolls through the rest.
    FGBlocked->setMinimumHeight(FGBlocked->horizontalHeader()->sizeHint().height() +
                                6 * FGBlocked->verticalHeader()->defaultSectionSize() + 2 * FGBlocked->frameWidth());
    blocked->addWidget(FGBlocked, 0, 0, 1, 4);
    blocked->addWidget(new QLabel(QStringLiteral("Select a Search Start Date"), fraBlockedDays), 1, 0);
    DTStartSearch = new DatePicker(fraBlockedDays);
    blocked->addWidget(DTStartSearch, 1, 1);
    blocked->addWidget(new QLabel(QStringLiteral("Select a Search End Date"), fraBlockedDays), 2, 0);
    DTEndSearch = new DatePicker(fraBlockedDays);
    blocked->addWidget(DTEndSearch, 2, 1);
    cmdSearch = new QPushButton(QStringLiteral("&Load Grid"), fraBlockedDays);
    cmdClearGrid = new QPushButton(QStringLiteral("&Clear Grid"), fraBlockedDays);
    cmdHideGrid = new QPushButton(QStringLiteral("&Hide Grid"), fraBlockedDays);
    blocked->addWidget(cmdSearch, 1, 2);
    blocked->addWidget(cmdClearGrid, 2, 2);
    blocked->addWidget(cmdHideGrid, 1, 3);
    blocked->setColumnStretch(1, 1);
    fraBlockedDays->hide();
    layout->addWidget(fraBlockedDays, 1);
    // The grid takes the instructions' place, so the window keeps one size.
    SetAlternatePanels({fraInstructions, fraBlockedDays});

    for (int i = 0; i < 2; ++i)
        connect(optAction[size_t(i)], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                optAction_Click(i);
        });
    connect(lstReason, &QComboBox::activated, this, [this] { cmdAccept->setFocus(); });
    connect(sldTimeReq, &UpDown::ValueShown, this, [this](int value) { txtTimeReq->setText(QString::number(value)); });
    connect(sldTimeReq, &UpDown::UpClick, this, [this] { cmdAccept->setFocus(); });
    connect(sldTimeReq, &UpDown::DownClick, this, [this] { cmdAccept->setFocus(); });
    connect(Calender, &MonthCalendar::DateClick, this, [this](const QDate& date) { Calender_DateClick(date); });
    connect(cmdAccept, &QPushButton::clicked, this, [this] { cmdAccept_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    connect(cmdSearch, &QPushButton::clicked, this, [this] { cmdSearch_Click(); });
    connect(cmdClearGrid, &QPushButton::clicked, this, [this] { cmdClearGrid_Click(); });
    connect(cmdHideGrid, &QPushButton::clicked, this, [this] { cmdHideGrid_Click(); });
    connect(mnuBlocked, &QAction::triggered, this, [this] { mnuBlocked_Click(); });
    connect(DTStartSearch, &DatePicker::DateClick, this, [this] { DTStartSearch_Click(); });
    connect(DTEndSearch, &DatePicker::DateClick, this, [this] { DTEndSearch_Click(); });
    txtTimeReq->installEventFilter(this);
    FGBlocked->viewport()->installEventFilter(this);
}

void frmBlock::Form_Load()
{
    {
        const QSignalBlocker blocker(lstReason);
        lstReason->clear();
        lstReason->addItems(BlockReasons);
    }
    SetDateLimits();
    // The list ends with "All Assignments" even before start-up fills it, and without teams.
    FillAssignments();
}

void frmBlock::Form_Activate()
{
    Initform();
}

void frmBlock::Form_Deactivate()
{
    UnhookFlexGrid();
}

void frmBlock::Form_QueryUnload(int unloadMode, bool& cancel)
{
    Q_UNUSED(cancel);
    UnhookFlexGrid();
    if (unloadMode == UserClosed)
        EndProgram();
}

bool frmBlock::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == txtTimeReq)
            txtTimeReq_Click();
        else if (watched == FGBlocked->viewport())
            HookFlexGrid(this, FGBlocked);
    }
    return Screen::eventFilter(watched, event);
}

void frmBlock::FillAssignments()
{
    const QSignalBlocker blocker(lstAssignto);
    lstAssignto->clear();
    lstAssignto->addItems(Shared().TeamNames.mid(1));
    lstAssignto->addItem(QStringLiteral("All Assignments"));
}

void frmBlock::SetDateLimits()
{
    const QDate today = Clock::Today();
    Calender->SetMinDate(today);
    Calender->SetMaxDate(today.addDays(CalendarDays));
    DTStartSearch->SetMinDate(today);
}

bool frmBlock::Reserving() const
{
    return optAction[0]->isChecked();
}

void frmBlock::ShowCount(int count)
{
    sldTimeReq->SetValue(count);
}

void frmBlock::Initform()
{
    // The limits follow the clock, so a screen left open past midnight offers no past day.
    SetDateLimits();
    optAction_Click(0);
    lstAssignto->setCurrentRow(0);
    Calender->SetValue(SkipNonWorkDays(GetDefaultScheduleDate()));
    optAction[0]->setChecked(true);
    ShowCount(1);
    SetDefaultSearchRange();
    ShowGrid(false);
}

void frmBlock::optAction_Click(int Index)
{
    const QSignalBlocker blocker(lstReason);
    const int restoreEntry = lstReason->findText(NoEventScheduled);
    if (Index == 0) {
        if (restoreEntry >= 0)
            lstReason->removeItem(restoreEntry);
        lstReason->setEnabled(true);
        lstReason->setCurrentIndex(0);
    } else {
        // Restoring writes the free text; it is shown in the reason box and cannot be changed.
        if (restoreEntry < 0)
            lstReason->addItem(NoEventScheduled);
        lstReason->setCurrentIndex(lstReason->findText(NoEventScheduled));
        lstReason->setEnabled(false);
    }
}

void frmBlock::TakeYear(const QDate& date)
{
    const QString year = QString::number(date.year());
    if (Shared().CurrentYear.toInt() < date.year())
        CreateYearFolders(year);
    TeamFolderPrefix = AppPath(QLatin1Char('/') + year + QStringLiteral("/Team#"));
}

void frmBlock::Calender_DateClick(const QDate& date)
{
    if (date < Clock::Today()) {
        Calender->SetValue(GetDefaultScheduleDate());
        return;
    }
    Calender->SetValue(SkipNonWorkDays(date));
    TakeYear(Calender->Value());
}

void frmBlock::txtTimeReq_Click()
{
    const int shown = txtTimeReq->text().toInt();
    if (shown > 0 && shown < MaxBlockDays)
        ShowCount(sldTimeReq->Value() + 1);
}

void frmBlock::cmdCancel_Click()
{
    Initform();
}

void frmBlock::cmdExit_Click()
{
    Hide();
    ShowMainMenu();
}
