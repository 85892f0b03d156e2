#include "telephony/frmCallBack.h"

#include "core/DialService.h"
#include "core/FileAccess.h"
#include "core/GridWheel.h"
#include "core/Navigation.h"
#include "core/SharedState.h"
#include "core/Shutdown.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/DatePicker.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "scheduling/EventRecords.h"
#include "telephony/UpcomingSlips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

struct Column {
    const char* heading;
    int width; // in characters
};
const Column Columns[UpcomingSlipColumns] = {{"Account Name", 26}, {"Date", 11}, {"Time", 6}, {"Telephone No", 14},
                                             {"Assigned to", 18}, {"Service", 30}, {"", 0}};

QLabel* Hint(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

frmCallBack::frmCallBack()
{
    setWindowTitle(QStringLiteral("Upcoming Service Calls"));
    auto* layout = new QVBoxLayout(this);

    auto* title = Hint("Find Upcoming Services by Date Range", this);
    QFont large = title->font();
    large.setPointSizeF(large.pointSizeF() * 1.3);
    large.setBold(true);
    title->setFont(large);
    layout->addWidget(title);

    auto* top = new QHBoxLayout;
    auto* range = new QGridLayout;
    range->addWidget(new QLabel(QStringLiteral("Select Starting Date"), this), 0, 0);
    range->addWidget(new QLabel(QStringLiteral("Select Ending Date"), this), 0, 1);
    DTStarting = new DatePicker(this);
    DTEnding = new DatePicker(this);
    range->addWidget(DTStarting, 1, 0);
    range->addWidget(DTEnding, 1, 1);
    cmdWeekly[3] = new QPushButton(QStringLiteral("&Load Grid"), this);
    range->addWidget(cmdWeekly[3], 1, 2);
    top->addLayout(range);

    auto* presets = new QGroupBox(QStringLiteral("or Select a Preset"), this);
    auto* presetLayout = new QHBoxLayout(presets);
    const std::pair<int, const char*> captions[] = {{5, "Next Year"}, {6, "Next Month"}, {7, "Next Qtr"}};
    for (const auto& [index, caption] : captions) {
        cmdWeekly[size_t(index)] = new QPushButton(QString::fromLatin1(caption), presets);
        presetLayout->addWidget(cmdWeekly[size_t(index)]);
    }
    top->addWidget(presets);
    top->addStretch();
    layout->addLayout(top);

    auto* hints = new QHBoxLayout;
    auto* steps = new QVBoxLayout;
    steps->addWidget(Hint("Find upcoming Service Events by entering a starting and ending date", this));
    steps->addWidget(Hint("Click Load grid then select the account to place a Reminder call", this));
    hints->addLayout(steps, 1);
    auto* call = new QVBoxLayout;
    call->addWidget(Hint("Left Click to Select an Account", this));
    call->addWidget(Hint("Then Right Click to place a Call", this));
    hints->addLayout(call);
    Image2 = new PictureBox(this);
    Image2->setPixmap(PhonePicture(40));
    Image2->setToolTip(QStringLiteral("Click to Call Account"));
    hints->addWidget(Image2);
    layout->addLayout(hints);

    fgTomorrow = new FlexGrid(this);
    fgTomorrow->setToolTip(QStringLiteral("Left Click to Select"));
    fgTomorrow->SetCols(UpcomingSlipColumns);
    for (int col = 0; col < UpcomingSlipColumns; ++col) {
        fgTomorrow->SetTextMatrix(0, col, QString::fromLatin1(Columns[col].heading));
        fgTomorrow->SetColWidthInCharacters(col, Columns[col].width);
    }
    // The sort key column is the list's own.
    fgTomorrow->setColumnHidden(6, true);
    fgTomorrow->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(fgTomorrow, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdTomorrow = new QPushButton(QStringLiteral("&Menu"), this);
    cmdTomorrow->setToolTip(QStringLiteral("Return to  Main menu"));
    buttons->addWidget(cmdTomorrow);
    layout->addLayout(buttons);

    for (int index : {3, 5, 6, 7})
        connect(cmdWeekly[size_t(index)], &QPushButton::clicked, this, [this, index] { cmdWeekly_Click(index); });
    connect(fgTomorrow, &QTableWidget::cellClicked, this, [this](int row, int) { fgTomorrow_Click(row + 1); });
    fgTomorrow->viewport()->installEventFilter(this);
    // The hint beside the picture asks for a right click; the left one dials as well.
    for (auto signal : {&PictureBox::clicked, &PictureBox::rightClicked})
        connect(Image2, signal, this, [this] {
            if (Image2->isEnabled())
                Image2_Click();
        });
    connect(cmdTomorrow, &QPushButton::clicked, this, [this] { cmdTomorrow_Click(); });
    resize(980, 520);
}

void frmCallBack::Form_Activate()
{
    Image2->setEnabled(false);
    HookFlexGrid(this, fgTomorrow);
    const QDate today = Clock::Today();
    DTStarting->SetValue(today);
    DTEnding->SetValue(today.addMonths(1));
    if (FileExists(SlipsPath)) {
        SlipCount = int(ReadEventRecords(SlipsPath).size());
        LoadUpcomingSlips();
        return;
    }
    MsgBox(QStringLiteral("No Service Slips were found"));
    // Shown by the main menu's Goto, which unloads the menu once this activation is over: the
    // way back waits for that, so a fresh menu is shown.
    QTimer::singleShot(0, this, [this] {
        if (IsLoaded())
            cmdTomorrow_Click();
    });
}

void frmCallBack::Form_Deactivate()
{
    UnhookFlexGrid();
}

void frmCallBack::Form_QueryUnload(int unloadMode, bool& cancel)
{
    Q_UNUSED(cancel);
    UnhookFlexGrid();
    if (unloadMode == UserClosed)
        EndProgram();
}

void frmCallBack::LoadUpcomingSlips()
{
    fgTomorrow->SetRows(1);
    RowNo = 1;
    // Slips added since the activation wait for the next one.
    const QList<SlipRecord> slips = ReadEventRecords(SlipsPath).mid(0, SlipCount);
    const QList<QStringList> rows =
        UpcomingSlipRows(slips, DTStarting->Value(), DTEnding->Value(), Shared().TeamNames, Shared().TimeSlotLabels);
    fgTomorrow->SetRows(int(rows.size()) + 1);
    for (const QStringList& row : rows) {
        for (int col = 0; col < UpcomingSlipColumns; ++col)
            fgTomorrow->SetTextMatrix(RowNo, col, row.value(col));
        ++RowNo;
    }
    if (RowNo == 1)
        MsgBox(QStringLiteral("No Service Slips within the Date Range"));
}

void frmCallBack::cmdWeekly_Click(int Index)
{
    const QDate today = Clock::Today();
    switch (Index) {
    case 3:
        LoadUpcomingSlips();
        return;
    case 5:
        DTEnding->SetValue(today.addYears(1));
        break;
    case 6:
        DTEnding->SetValue(today.addMonths(1));
        break;
    case 7:
        DTEnding->SetValue(today.addMonths(3));
        break;
    default:
        return;
    }
    DTStarting->SetValue(today);
    LoadUpcomingSlips();
}

void frmCallBack::fgTomorrow_Click(int row)
{
    if (row >= 1 && row < fgTomorrow->Rows())
        Image2->setEnabled(true);
}

bool frmCallBack::eventFilter(QObject* watched, QEvent* event)
{
    // "Then Right Click to place a Call": a right click on a listed row dials that row.
    if (watched == fgTomorrow->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int row = fgTomorrow->rowAt(mouse->position().toPoint().y()) + 1;
        if (mouse->button() == Qt::RightButton && row >= 1 && row < fgTomorrow->Rows()) {
            fgTomorrow->setCurrentCell(row - 1, 0);
            DialRow(row);
            return true;
        }
    }
    return Screen::eventFilter(watched, event);
}

void frmCallBack::Image2_Click()
{
    DialRow(fgTomorrow->currentRow() + 1);
}

void frmCallBack::DialRow(int row)
{
    if (row < 1 || row >= fgTomorrow->Rows())
        return;
    DialRequest() = {fgTomorrow->TextMatrix(row, 0), fgTomorrow->TextMatrix(row, 3)};
    ShowScreenModal(QStringLiteral("frmDialer"));
    Image2->setEnabled(false);
}

void frmCallBack::cmdTomorrow_Click()
{
    Unload();
    ShowMainMenu();
}
