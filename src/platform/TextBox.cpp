#include "platform/TextBox.h"

#include "platform/CodePage.h"
#include "platform/MessageBox.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QMimeData>
#include <QValidator>

namespace {

// Pasted or dropped text is held to the same rules as typed text; text set by the program is
// not checked, since a validator only sees the user's input.
class TypingValidator : public QValidator {
public:
    explicit TypingValidator(TextBox* box) : QValidator(box), box_(box) {}

    State validate(QString& input, int&) const override
    {
        if (!FitsCodePage(input))
            return Invalid;
        if (box_->MaxLength() > 0 && input.size() > box_->MaxLength() && input.size() > box_->text().size())
            return Invalid;
        return Acceptable;
    }

private:
    TextBox* box_;
};

} // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new TypingValidator(this));
}

void TextBox::SetMaxLength(int length)
{
    maxLength_ = length;
}

void TextBox::SetKeyFilter(std::function<int(int keyAscii)> filter)
{
    keyFilter_ = std::move(filter);
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    const bool isCharacter = typed.size() == 1 && (typed.at(0).isPrint() || event->key() == Qt::Key_Backspace);
    if (isCharacter && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const int code = event->key() == Qt::Key_Backspace ? 8 : typed.at(0).unicode();
        if (keyFilter_ && keyFilter_(code) == 0) {
            event->accept();
            return;
        }
        if (code != 8) {
            if (!FitsCodePage(typed)) {
                MsgBox(QStringLiteral("This character, (%1) cannot be stored").arg(typed),
                       MsgButtons::OkOnly, MsgIcon::None, QStringLiteral("Invalid Key entry"));
                event->accept();
                return;
            }
            if (maxLength_ > 0 && text().size() - selectedText().size() >= maxLength_) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

MultiLineTextBox::MultiLineTextBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
}

void MultiLineTextBox::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    if (typed.size() == 1 && typed.at(0).isPrint() && !FitsCodePage(typed)) {
        MsgBox(QStringLiteral("This character, (%1) cannot be stored").arg(typed), MsgButtons::OkOnly,
               MsgIcon::None, QStringLiteral("Invalid Key entry"));
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineTextBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void MultiLineTextBox::insertFromMimeData(const QMimeData* source)
{
    // Pasted text keeps only what the data files can hold.
    QString text = source->text();
    for (QChar& c : text)
        if (!FitsCodePage(QString(c)) && c != QLatin1Char('\n'))
            c = QLatin1Char('?');
    insertPlainText(text);
}

QComboBox* NewTextCombo(QWidget* parent, int maxLength)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    auto* box = new TextBox(combo);
    box->SetMaxLength(maxLength);
    combo->setLineEdit(box);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    return combo;
}

void SetComboText(QComboBox* combo, const QString& text)
{
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

QStringList ComboItems(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}
