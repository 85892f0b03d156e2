#pragma once

#include <QCalendarWidget>
#include <QDate>

// A month calendar: one date chosen between an earliest and a latest date. DateClick comes only
// from the user's click on a day, after the calendar has moved there; a date set from code
// signals nothing.
class MonthCalendar : public QCalendarWidget {
    Q_OBJECT
public:
    explicit MonthCalendar(QWidget* parent = nullptr);

    QDate Value() const { return selectedDate(); }
    // Shows the date, held to the earliest and latest dates; no handler runs.
    void SetValue(const QDate& date);
    void SetMinDate(const QDate& date);
    void SetMaxDate(const QDate& date);

    // Clicks a day as the user would.
    void ClickDate(const QDate& date);

signals:
    void DateClick(const QDate& date);
};
