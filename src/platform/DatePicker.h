#pragma once

#include <QDate>
#include <QDateEdit>

// A date-only picker: the regional short date in a box, with a month calendar dropping down.
// DateClick comes only from the user, when a date is chosen in the calendar or typed and left;
// a date set from code signals nothing.
//
// Typing works as in other desktop date boxes: a click, Home or End selects a part of the date
// and digits replace that part; with the whole text selected a whole date can be typed, taken
// when the box is left or Enter is pressed. A typed date that cannot be taken (unreadable, or
// outside the box's range) is dropped and the box shows its date again. Tab leaves the box.
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

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void UserChose();
    void SelectSection(int index);
    bool TypeWholeDate(QKeyEvent* event);
    void ShowTyped();
    void TakeTyped();

    QDate signalled_;
    // A whole date being typed over the selected text; empty when none is.
    bool typing_ = false;
    QString typed_;
};
