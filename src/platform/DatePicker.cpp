#include "platform/DatePicker.h"

#include "platform/RegionalFormat.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include <functional>

namespace {

// A click selects the part of the date under the pointer, so that digits replace it.
class DateLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void()> Pressed;
    std::function<void()> Clicked;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (Pressed)
            Pressed();
        QLineEdit::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QLineEdit::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && !hasSelectedText() && Clicked)
            Clicked();
    }
};

bool IsDateCharacter(QChar c)
{
    return c.isDigit() || c == QLatin1Char('/') || c == QLatin1Char('.') || c == QLatin1Char('-');
}

} // namespace

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent)
{
    auto* edit = new DateLineEdit(this);
    setLineEdit(edit);
    edit->Pressed = [this] {
        if (typing_)
            TakeTyped();
    };
    edit->Clicked = [this] {
        if (!typing_)
            setSelectedSection(currentSection());
    };
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
    typing_ = false;
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
    typing_ = false;
    signalled_ = date();
    emit DateClick(signalled_);
}

void DatePicker::SelectSection(int index)
{
    setCurrentSectionIndex(index);
    setSelectedSection(currentSection());
}

void DatePicker::keyPressEvent(QKeyEvent* event)
{
    if (TypeWholeDate(event))
        return;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && event->key() == Qt::Key_Home) {
        SelectSection(0);
        return;
    }
    if (plain && event->key() == Qt::Key_End) {
        SelectSection(sectionCount() - 1);
        return;
    }
    QDateEdit::keyPressEvent(event);
}

void DatePicker::focusOutEvent(QFocusEvent* event)
{
    if (typing_)
        TakeTyped();
    QDateEdit::focusOutEvent(event);
}

bool DatePicker::focusNextPrevChild(bool next)
{
    // Tab goes to the next control, not to the next part of the date.
    return QWidget::focusNextPrevChild(next);
}

// The box's own editing takes a date part by part and refuses a whole date typed over the
// selected text, so that one is collected here and read when it is complete.
bool DatePicker::TypeWholeDate(QKeyEvent* event)
{
    const QString text = event->text();
    const bool dateCharacter = text.size() == 1 && IsDateCharacter(text.at(0))
                               && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!typing_) {
        QLineEdit* edit = lineEdit();
        if (!dateCharacter || !text.at(0).isDigit() || edit->selectedText() != edit->text())
            return false;
        typing_ = true;
        typed_.clear();
    }
    switch (event->key()) {
    case Qt::Key_Backspace:
        typed_.chop(1);
        ShowTyped();
        return true;
    case Qt::Key_Escape:
        typing_ = false;
        SetValue(date());
        selectAll();
        return true;
    default:
        break;
    }
    if (dateCharacter) {
        if (typed_.size() < 10)
            typed_ += text;
        ShowTyped();
        return true;
    }
    if (!text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return true; // a letter has no place in a date
    // Enter, Tab, the arrows and the rest act on the date as typed.
    TakeTyped();
    return false;
}

void DatePicker::ShowTyped()
{
    // Kept from the box's own editing, which would put the old date back.
    const QSignalBlocker blocker(lineEdit());
    lineEdit()->setText(typed_);
    lineEdit()->setCursorPosition(int(typed_.size()));
}

void DatePicker::TakeTyped()
{
    typing_ = false;
    const std::optional<QDate> typed = ParseShortDate(typed_);
    if (typed && *typed >= minimumDate() && *typed <= maximumDate()) {
        setDate(*typed);
        return;
    }
    // Not taken: the box shows the date it holds, selected to be typed over again.
    {
        const QSignalBlocker blocker(lineEdit());
        lineEdit()->setText(textFromDateTime(dateTime()));
    }
    selectAll();
    QApplication::beep();
}
