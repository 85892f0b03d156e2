// The scheduling screen's hour grid and day window: the loaded team day hour by hour, a click
// that books an hours milestone or opens a booked hour, and who is booked where.
#include "scheduling/frmMain.h"

#include "core/FileAccess.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"
#include "core/Navigation.h"
#include "scheduling/LoadedProjects.h"
#include "scheduling/DayPurge.h"
#include "scheduling/EventRecords.h"
#include "scheduling/TeamDayStore.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void AlarmBeep()
{
    if (Settings().AlarmsOn)
        Beep();
}

} // namespace

QWidget* frmMain::BuildHourFrame()
{
    fraHours = new QGroupBox(this);
    auto* layout = new QVBoxLayout(fraHours);
    lblDateTime = new QLabel(fraHours);
    layout->addWidget(lblDateTime);
    fgHours = new FlexGrid(fraHours);
    fgHours->SetCols(2);
    fgHours->SetRows(13);
    fgHours->SetTextMatrix(0, 0, QStringLiteral("Time"));
    fgHours->SetTextMatrix(0, 1, QStringLiteral("Scheduled"));
    fgHours->horizontalHeader()->setStretchLastSection(true);
    fgHours->setColumnWidth(0, 80);
    fgHours->setMinimumWidth(300);
    for (int row = 1; row <= 12; ++row)
        fgHours->SetTextMatrix(row, 1, NoEventScheduled);
    layout->addWidget(fgHours, 1);
    cmdShowCal = new QPushButton(QStringLiteral("Show Calendar"), fraHours);
    layout->addWidget(cmdShowCal);
    return fraHours;
}

QWidget* frmMain::BuildDayFrame()
{
    fraDay = new QGroupBox(this);
    fraDay->setAutoFillBackground(true);
    auto* layout = new QGridLayout(fraDay);
    layout->setSpacing(3);
    for (int i = 0; i < 12; ++i) {
        auto* label = new QLabel(Shared().TimeSlotLabels.value(i + 1), fraDay);
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        label->installEventFilter(this);
        Label2[size_t(i)] = label;
        auto* box = new MultiLineTextBox(fraDay);
        box->setReadOnly(true);
        box->setMinimumHeight(78);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        txtHourSlot[size_t(i)] = box;
        // Two columns of six hours.
        const int column = (i / 6) * 2;
        layout->addWidget(label, i % 6, column);
        layout->addWidget(box, i % 6, column + 1);
    }
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(3, 1);
    cmdHideSchedule = new QPushButton(QStringLiteral("Hide Schedule"), fraDay);
    layout->addWidget(cmdHideSchedule, 6, 3, Qt::AlignRight);
    fraDay->hide();
    return fraDay;
}

void frmMain::ConnectHours()
{
    connect(&TeamDayEvents::Instance(), &TeamDayEvents::DaySlotsShown, this, [this] { ShowDaySlots(); });
    connect(fgHours, &QTableWidget::cellClicked, this, [this](int row, int) { fgHours_Click(row + 1); });
    connect(cmdHideSchedule, &QPushButton::clicked, this, [this] { cmdHideSchedule_Click(); });
    connect(cmdCancelPrint, &QPushButton::clicked, this, [this] { cmdCancelPrint_Click(); });
}

void frmMain::ShowDaySlots()
{
    for (int row = 1; row <= 12; ++row)
        fgHours->SetTextMatrix(row, 1, TeamDay().DaySlots[size_t(row)]);
}

void frmMain::WriteSlots()
{
    for (int row = 1; row <= 12; ++row)
        TeamDay().DaySlots[size_t(row)] = fgHours->TextMatrix(row, 1);
}

bool frmMain::CheckforSlots(int start, int hours)
{
    for (int row = start; row <= start + hours - 1; ++row)
        if (!TeamDay().DaySlots[size_t(row)].contains(QLatin1String("No Event"))) {
            MsgBox(QStringLiteral("Event already Scheduled Here"), MsgButtons::OkOnly, MsgIcon::Exclamation,
                   QStringLiteral("Selection Error"));
            return false;
        }
    return true;
}

void frmMain::ClearSelectedSlot()
{
    for (int row = 1; row <= 12; ++row)
        if (TeamDay().DaySlots[size_t(row)] == SelectedSlotText)
            TeamDay().DaySlots[size_t(row)] = NoEventScheduled;
    ShowDaySlots();
    SelectedSlotText = QStringLiteral("No Slot Selected");
    // The hour is given up: the step asks for one again instead of "Click Continue".
    lblDateTime->setText(QStringLiteral("Click a Starting Hour"));
}

void frmMain::DropLostPick()
{
    if (SelectedSlotText == QLatin1String("No Slot Selected"))
        return;
    for (int row = 1; row <= 12; ++row)
        if (TeamDay().DaySlots[size_t(row)] == SelectedSlotText)
            return;
    // Another team's or day's file was loaded over the pick: the step needs an hour again, and
    // the row clicked for it is no longer marked.
    SelectedSlotText = QStringLiteral("No Slot Selected");
    lblDateTime->setText(QStringLiteral("Click a Starting Hour"));
    fgHours->setCurrentIndex(QModelIndex());
    fgHours->clearSelection();
}

void frmMain::fgHours_Click(int row)
{
    if (row < 1 || row > 12)
        return;
    const QString text = TeamDay().DaySlots[size_t(row)];
    if (IsScheduleView()) {
        Shared().SelectedEntry = text;
        if (text.contains(QLatin1String("No Event "))) {
            AlarmBeep();
            return;
        }
        const int kind = SlotEntryKind(text, FileExists(SlipsPath), FileExists(MeetingsPath), FileExists(ProjectRecordsPath));
        if (kind != 0) {
            Shared().EntryKind = kind;
            Shared().EntryTeam = lstTeam->currentItem() ? lstTeam->currentItem()->text() : QString();
            ShowModalFromHere(QStringLiteral("frmSlip"));
            return;
        }
        // Nothing to show for it: the booking checks below refuse the taken hour.
    } else if (!cmdClear->isEnabled()) {
        AlarmBeep();
        return;
    }

    const QString key = lblProjectNo->text() + QLatin1Char('-') + txtConEvents->text();
    const int hours = txtTime->text().toInt();
    if (hours < 1)
        return;
    if (row + hours - 1 > 12) {
        MsgBox(QStringLiteral("Hours Requested exceed Hours Remaining this Date"), MsgButtons::OkOnly,
               MsgIcon::Exclamation, QStringLiteral("Selection Error"));
        return;
    }
    if (!IsScheduleView())
        for (int r = 1; r <= 12; ++r)
            if (TeamDay().DaySlots[size_t(r)] == key) {
                AlarmBeep();
                return;
            }
    if (!CheckforSlots(row, hours))
        return;
    SelectedSlotText = key;
    for (int r = row; r <= row + hours - 1; ++r)
        fgHours->SetTextMatrix(r, 1, key);
    lblDateTime->setText(QStringLiteral("Click Continue"));
    WriteSlots();
}

void frmMain::FillDayWindow()
{
    DayWindowInput input;
    input.Date = CalendarDate();
    input.Team = TeamDay().CurrentTeam;
    for (int slot = 1; slot <= 12; ++slot)
        input.Slots[size_t(slot - 1)] = TeamDay().DaySlots[size_t(slot)];
    const QString files[3] = {SlipsPath, MeetingsPath, ProjectRecordsPath};
    for (int k = 0; k < 3; ++k)
        input.Records[size_t(k)] = ReadEventRecords(files[k]);
    input.UsaStyle = Live().IsUsaStyle();
    input.Projects = []() -> const LoadedProjectsState* {
        if (!LoadedProjects().ProjectsLoaded)
            LoadProjects();
        return &LoadedProjects();
    };
    ShowDayBoxes(BuildDayWindow(input));
}

void frmMain::ShowDayBoxes(const std::array<DayWindowBox, 12>& boxes)
{
    for (size_t i = 0; i < 12; ++i) {
        const DayWindowBox& box = boxes[i];
        txtHourSlot[i]->setPlainText(box.Text);
        txtHourSlot[i]->setStyleSheet(box.Booked ? QStringLiteral("background: #00ff00;") : QStringLiteral("background: white;"));
        txtHourSlot[i]->setToolTip(box.ToolTip);
        txtHourSlot[i]->setProperty("Tag", box.ToolTip);
        Label2[i]->setToolTip(box.LabelToolTip);
        Label2[i]->setProperty("Tag", box.LabelToolTip);
        SlotEventText[i] = box.EventText;
        SlotAccountInfo[i] = box.AccountInfo;
    }
}
