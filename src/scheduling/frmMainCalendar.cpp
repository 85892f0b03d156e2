// The scheduling screen's calendar: the date picker, the month calendar of booked hours,
// stepping by workdays and teams, and the time unit of the current milestone.
#include "scheduling/frmMain.h"

#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/RegionalFormat.h"
#include "platform/TextBox.h"
#include "core/DataUpkeep.h"
#include "scheduling/ProjectWizard.h"
#include "scheduling/TeamDayStore.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString Rgb(int red, int green, int blue)
{
    return QStringLiteral("#%1%2%3").arg(red, 2, 16, QLatin1Char('0')).arg(green, 2, 16, QLatin1Char('0')).arg(blue, 2, 16, QLatin1Char('0'));
}

QString WeekdayName(const QDate& date)
{
    // Qt counts Monday 1 to Sunday 7; the program's names start on Sunday.
    return Shared().WeekdayNames.value(date.dayOfWeek() % 7 + 1);
}

void InvalidDate(const QString& prompt)
{
    MsgBox(prompt, MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Invalid date"));
}

} // namespace

QWidget* frmMain::BuildCalendarFrames()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    fraCalendar = new QGroupBox(column);
    auto* calendar = new QGridLayout(fraCalendar);
    MonthView1 = new QCalendarWidget(fraCalendar);
    MonthView1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthView1->setFirstDayOfWeek(Qt::Sunday);
    calendar->addWidget(MonthView1, 0, 0, 1, 3);
    lblDay = new QLabel(fraCalendar);
    lblDate = new QLabel(fraCalendar);
    QFont bold = lblDay->font();
    bold.setBold(true);
    lblDay->setFont(bold);
    lblDate->setFont(bold);
    UpDown1 = new UpDown(fraCalendar, Qt::Horizontal);
    UpDown1->setToolTip(QStringLiteral("Up/Down Day"));
    UpDown1->SetRange(0, 2);
    UpDown1->SetValue(1);
    calendar->addWidget(lblDay, 1, 0);
    calendar->addWidget(lblDate, 1, 1);
    calendar->addWidget(UpDown1, 1, 2);
    // Only the last label of the array shows anything here; a label made and not laid out
    // would sit over the calendar's back-month arrow and take its clicks.
    Label3[2] = new QLabel(fraCalendar);
    calendar->addWidget(Label3[2], 2, 0, 1, 3);
    cmdHourly = new QPushButton(QStringLiteral("Show Hourly"), fraCalendar);
    calendar->addWidget(cmdHourly, 3, 0, 1, 3);
    layout->addWidget(fraCalendar);
    layout->addWidget(BuildTeamCalendarFrame());
    layout->addStretch();
    return column;
}

QWidget* frmMain::BuildTeamCalendarFrame()
{
    fraTeamCal = new QGroupBox(QStringLiteral("Schedule for "), this);
    auto* layout = new QGridLayout(fraTeamCal);
    layout->setSpacing(2);
    txtCurrentDate = new QLabel(fraTeamCal);
    txtCurrentDate->setAlignment(Qt::AlignCenter);
    layout->addWidget(txtCurrentDate, 0, 0, 1, 7);
    const char* days[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int c = 0; c < 7; ++c) {
        auto* heading = new QLabel(QString::fromLatin1(days[c]), fraTeamCal);
        heading->setAlignment(Qt::AlignCenter);
        layout->addWidget(heading, 1, c);
    }
    for (int i = 0; i < 42; ++i) {
        auto* cell = new QLabel(fraTeamCal);
        cell->setAlignment(Qt::AlignCenter);
        cell->setMinimumSize(30, 24);
        cell->setFrameShape(QFrame::Box);
        cell->setToolTip(QStringLiteral("Shows Availability of days this Month"));
        cell->installEventFilter(this);
        Text1[size_t(i)] = cell;
        layout->addWidget(cell, 2 + i / 7, i % 7);
    }
    auto* note = new QLabel(QStringLiteral("Red numbers are Hours Already Scheduled"), fraTeamCal);
    layout->addWidget(note, 8, 0, 1, 5);
    cmdHide = new QPushButton(QStringLiteral("Close"), fraTeamCal);
    layout->addWidget(cmdHide, 8, 5, 1, 2);
    return fraTeamCal;
}

void frmMain::ConnectCalendar()
{
    connect(MonthView1, &QCalendarWidget::selectionChanged, this, [this] { MonthView1_Change(); });
    // The month shown follows the pick; a page turn alone picks nothing.
    if (auto* view = MonthView1->findChild<QTableView*>()) {
        view->setMouseTracking(true);
        monthViewport_ = view->viewport();
        monthViewport_->installEventFilter(this);
    }
    connect(UpDown1, &UpDown::UpClick, this, [this] { NextScheduleDay(); });
    connect(UpDown1, &UpDown::DownClick, this, [this] { PrevScheduleDay(); });
    connect(UpDnTeam, &UpDown::UpClick, this, [this] { UpDnTeam_UpClick(); });
    connect(UpDnTeam, &UpDown::DownClick, this, [this] { UpDnTeam_DownClick(); });
    connect(lstTeam, &QListWidget::currentRowChanged, this, [this] { lstTeam_Click(); });
    for (int i = 0; i < 2; ++i)
        connect(optSelect[size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optSelect_Click(i);
        });
    connect(tgTime, &QPushButton::clicked, this, [this] { tgTime_Click(); });
    // The spin steps the count within its unit's range; what is typed stays as typed.
    connect(UpDnTime, &UpDown::UpClick, this, [this] { txtTime->setText(QString::number(UpDnTime->Value())); });
    connect(UpDnTime, &UpDown::DownClick, this, [this] { txtTime->setText(QString::number(UpDnTime->Value())); });
    connect(txtTime, &QLineEdit::textChanged, this, [this](const QString& text) {
        bool ok = false;
        const int value = text.toInt(&ok);
        if (ok)
            UpDnTime->SetValue(value);
    });
    txtTime->SetKeyFilter([](int key) { return key == 8 || (key >= '0' && key <= '9') ? key : 0; });
    connect(cmdHourly, &QPushButton::clicked, this, [this] { cmdHourly_Click(); });
    connect(cmdShowCal, &QPushButton::clicked, this, [this] { cmdShowCal_Click(); });
    connect(cmdHide, &QPushButton::clicked, this, [this] { cmdHide_Click(); });
}

QDate frmMain::CalendarDate() const
{
    return MonthView1->selectedDate();
}

void frmMain::SetCalendarDate(const QDate& wanted)
{
    const QDate date = std::clamp(wanted, MonthView1->minimumDate(), MonthView1->maximumDate());
    if (MonthView1->selectedDate() == date) {
        MonthView1_Change();
        return;
    }
    MonthView1->setSelectedDate(date);
}

void frmMain::MonthView1_Change()
{
    const QDate date = CalendarDate();
    Shared().CurrentDate = date;
    lblDay->setText(WeekdayName(date));
    lblDate->setText(ShortDateText(date));
    BuildTeamCalendar();
    if (settingDate_)
        return;
    // The shown team's day follows the date.
    const QString team = TeamDay().CurrentTeam;
    if (TeamNumberOf(team) == 0)
        return;
    LoadTeamDay(date, team);
    if (!IsScheduleView())
        DropLostPick();
    if (IsScheduleView()) {
        bool booked = false;
        for (int slot = 1; slot <= 12; ++slot)
            booked = booked || TeamDay().DaySlots[size_t(slot)] != NoEventScheduled;
        cmdView->setEnabled(booked);
        cmdClear->setEnabled(true);
    }
}

void frmMain::BuildTeamCalendar()
{
    const QDate shown = CalendarDate();
    txtCurrentDate->setText(QLocale(QLocale::English).monthName(shown.month()) + QLatin1Char(' ') + QString::number(shown.year()));
    fraTeamCal->setTitle(QStringLiteral("Schedule for ") + txtCurrentTeam->text());
    const int team = TeamNumberOf(TeamDay().CurrentTeam);
    const auto cells = BuildMonthCells(shown, Clock::Today(), [team](const QDate& day) {
        if (team == 0)
            return 0;
        return CountBookedLines(AppPath(TeamDayFilePath(QString::number(day.year()), team, day.dayOfYear())));
    });
    for (int i = 0; i < 42; ++i) {
        const MonthCell& cell = cells[size_t(i)];
        QLabel* box = Text1[size_t(i)];
        box->setText(cell.Text);
        box->setStyleSheet(QStringLiteral("color: %1; background: %2;")
                               .arg(cell.Booked ? Rgb(0xFF, 0, 0) : Rgb(0, 0, 0xFF),
                                    cell.Current ? Rgb(0xC0, 0xC0, 0xFF) : Rgb(0xFF, 0xFF, 0x80)));
        box->setProperty("Booked", cell.Booked);
    }
}

void frmMain::Text1_Click(int Index)
{
    if (Index < 0 || Index > 41 || Text1[size_t(Index)]->text().isEmpty())
        return;
    const QDate date = CellDate(CalendarDate(), Index);
    if (!date.isValid())
        return;
    if (date < MonthView1->minimumDate()) {
        InvalidDate(QStringLiteral("Date cannot be before Today"));
        SetCalendarDate(Clock::Today());
        return;
    }
    if (date > MonthView1->maximumDate()) {
        InvalidDate(QStringLiteral("Date cannot be more than Two Years"));
        return;
    }
    SetCalendarDate(date);
    SetScheduleDate();
}

void frmMain::NextScheduleDay()
{
    const QDate next = StepScheduleDay(CalendarDate(), true, Settings().WorkWeek);
    if (next > MonthView1->maximumDate()) {
        InvalidDate(QStringLiteral("Date cannot be more than Two Years"));
        return;
    }
    SetCalendarDate(next);
}

void frmMain::PrevScheduleDay()
{
    const QDate previous = StepScheduleDay(CalendarDate(), false, Settings().WorkWeek);
    if (previous < MonthView1->minimumDate()) {
        InvalidDate(QStringLiteral("Date cannot be before Today"));
        return;
    }
    SetCalendarDate(previous);
}

void frmMain::UpDnTeam_UpClick()
{
    const int teams = Shared().TeamCount();
    if (teams < 1)
        return;
    const int row = lstTeam->currentRow();
    lstTeam->setCurrentRow(row + 1 >= teams || row < 0 ? 0 : row + 1);
}

void frmMain::UpDnTeam_DownClick()
{
    const int teams = Shared().TeamCount();
    if (teams < 1)
        return;
    const int row = lstTeam->currentRow();
    lstTeam->setCurrentRow(row <= 0 || row >= teams ? teams - 1 : row - 1);
}

void frmMain::optSelect_Click(int Index)
{
    lblMode->setText(Index == 0 ? QStringLiteral("Hours") : QStringLiteral("Days"));
}

void frmMain::tgTime_Click()
{
    const bool toDays = lblMode->text() == QLatin1String("Hours");
    if (toDays)
        SetDaysMode();
    else
        SetHoursMode();
    SetTimeColour(toDays);
}

void frmMain::SetDaysMode()
{
    txtTime->setText(QStringLiteral("1"));
    lblMode->setText(QStringLiteral("Days"));
    UpDnTime->SetRange(1, MaxScheduleDays);
    UpDnTime->SetValue(1);
    UpDnTime->setToolTip(QStringLiteral("Add or Subtract Days needed"));
    cmdHourly->setEnabled(false);
}

void frmMain::SetHoursMode()
{
    txtTime->setText(QStringLiteral("1"));
    lblMode->setText(QStringLiteral("Hours"));
    UpDnTime->SetRange(1, 12);
    UpDnTime->SetValue(1);
    UpDnTime->setToolTip(QStringLiteral("Add or Subtract Hours needed"));
    cmdHourly->setEnabled(true);
}

void frmMain::SetTimeColour(bool flag)
{
    const QString style = flag ? QStringLiteral("background: %1;").arg(Rgb(0x80, 0xFF, 0x80)) : QString();
    txtTime->setStyleSheet(style);
    tgTime->setStyleSheet(style);
}

void frmMain::SetTimeFrame(bool show)
{
    if (show) {
        fraTime->show();
        lblMode->setText(optSelect[0]->isChecked() ? QStringLiteral("Hours") : QStringLiteral("Days"));
    } else {
        fraTime->hide();
    }
}

void frmMain::SetScheduleDate()
{
    settingDate_ = true;
    QDate date = SettleScheduleDate(CalendarDate(), Clock::Now(), MonthView1->maximumDate(), Settings().WorkWeek);
    int year = date.year();
    CheckScheduleYear(year);
    SetCalendarDate(date);
    settingDate_ = false;
    Shared().CurrentDate = date;
    lblDate->setText(ShortDateText(date));
    lblDay->setText(QLocale(QLocale::English).toString(date, QStringLiteral("dddd")));
    if (fraTeam->isVisible())
        lstTeam_Click();
    else
        MonthView1_Change();
    if (cmdContinue->isEnabled() && cmdContinue->isVisible())
        cmdContinue->setFocus();
}

void frmMain::mnuTeamCal_Click()
{
    if (fraTeamCal->isVisible()) {
        fraTeamCal->hide();
        fraTeamCal->lower();
    } else {
        BuildTeamCalendar();
        fraTeamCal->show();
        fraTeamCal->raise();
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int i = 0; i < 42; ++i)
            if (watched == Text1[size_t(i)]) {
                Text1_Click(i);
                return true;
            }
        for (int i = 0; i < 12; ++i)
            if (watched == Label2[size_t(i)]) {
                Label2_Click(i);
                return true;
            }
    } else if (event->type() == QEvent::MouseMove && watched == monthViewport_) {
        MonthView1->setToolTip(WeekdayName(CalendarDate()));
    }
    return Screen::eventFilter(watched, event);
}
