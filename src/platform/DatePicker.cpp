#include "platform/DatePicker.h"

#include "platform/RegionalFormat.h"

#include <QCalendarWidget>
#include <QSignalBlocker>

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent)
{
    setCalendarPopup(true);
    setDisplayFormat(ShortDateFormat());
    setMaximumDate(QDate(9999, 12, 31));
    // A click in the drop-down calendar is a choice; typing counts once the box is left, so a
    // half-typed date is never taken for one.
    connect(calendarWidget(), &QCalendarWidget::clicked, this, [this] { UserChose(); });
    connect(this, &QDateEdit::editingFinished, this, [this] {
        if (date() != signalled_)
            UserChose();
    });
}

void DatePicker::SetValue(const QDate& value)
{
    const QSignalBlocker blocker(this);
    setDate(value);
    signalled_ = date();
}

void DatePicker::SetMinDate(const QDate& value)
{
    const QSignalBlocker blocker(this);
    setMinimumDate(value);
    signalled_ = date();
}

void DatePicker::ClickDate(const QDate& value)
{
    SetValue(value);
    UserChose();
}

void DatePicker::UserChose()
{
    signalled_ = date();
    emit DateClick(signalled_);
}
