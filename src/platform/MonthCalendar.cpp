#include "platform/MonthCalendar.h"

#include <QSignalBlocker>

MonthCalendar::MonthCalendar(QWidget* parent) : QCalendarWidget(parent)
{
    setGridVisible(true);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Qt's clicked() is the mouse alone; selectionChanged also fires for dates set from code.
    connect(this, &QCalendarWidget::clicked, this, [this](const QDate&) { emit DateClick(selectedDate()); });
}

void MonthCalendar::SetValue(const QDate& date)
{
    const QSignalBlocker blocker(this);
    setSelectedDate(date);
}

void MonthCalendar::SetMinDate(const QDate& date)
{
    const QSignalBlocker blocker(this);
    setMinimumDate(date);
}

void MonthCalendar::SetMaxDate(const QDate& date)
{
    const QSignalBlocker blocker(this);
    setMaximumDate(date);
}

void MonthCalendar::ClickDate(const QDate& date)
{
    SetValue(date);
    emit DateClick(selectedDate());
}
