#pragma once

#include <QDate>
#include <QDateEdit>

// A date-only picker: the regional short date in a box, with a month calendar dropping down.
// DateClick comes only from the user, when a date is chosen in the calendar or typed and left;
// a date set from code signals nothing.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

    QDate Value() const { return date(); }
    // Shows the date, held to the earliest date; no handler runs.
    void SetValue(const QDate& date);
    void SetMinDate(const QDate& date);

    // Chooses a date as the user would.
    void ClickDate(const QDate& date);

signals:
    void DateClick(const QDate& date);

private:
    void UserChose();

    QDate signalled_;
};
