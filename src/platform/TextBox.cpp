#include "platform/TextBox.h"

#include "platform/CodePage.h"
#include "platform/MessageBox.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTimer>
#include <QValidator>

#include <algorithm>
#include <utility>

namespace {

// The characters of a text the data files can hold, in order; the first one left out, whole
// (a character outside the basic plane is two QChars), goes to leftOut.
QString StorablePart(const QString& text, QString* leftOut)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const QString character = text.mid(i, pair ? 2 : 1);
        if (pair)
            ++i;
        if (FitsCodePage(character))
            kept += character;
        else if (leftOut && leftOut->isEmpty())
            *leftOut = character;
    }
    return kept;
}

void RefuseCharacter(const QString& character)
{
    MsgBox(QStringLiteral("This character, (%1) cannot be stored").arg(character), MsgButtons::OkOnly, MsgIcon::None,
           QStringLiteral("Invalid Key entry"));
}

} // namespace

// Every insertion by the user (typing, a paste by key, menu or middle button, a drop, an input
// method) passes here, with the text already changed and the cursor after what went in. Text
// set by the program has no undo step yet and is left as it is.
class TextBox::InsertionCheck : public QValidator {
public:
    explicit InsertionCheck(TextBox* box) : QValidator(box), box_(box) {}

    State validate(QString& input, int& cursor) const override
    {
        const QString& before = box_->before_;
        if (!box_->isUndoAvailable() || input == before)
            return Acceptable;
        // What follows the cursor was there before; what precedes it, up to where the two texts
        // part, is what went in.
        const qsizetype after = input.size() - cursor;
        if (cursor < 0 || after < 0 || after > before.size()
            || QStringView(before).last(after) != QStringView(input).sliced(cursor))
            return Acceptable;
        qsizetype start = 0;
        const qsizetype startLimit = std::min<qsizetype>(cursor, before.size() - after);
        while (start < startLimit && input.at(start) == before.at(start))
            ++start;
        const QString inserted = input.mid(start, cursor - start);
        QString leftOut;
        QString kept = StorablePart(inserted, &leftOut);
        // As typing stops at the maximum length, so does a paste; the text already there stays.
        const qsizetype others = input.size() - inserted.size();
        if (box_->maxLength_ > 0)
            kept.truncate(std::max<qsizetype>(0, box_->maxLength_ - others));
        if (kept.size() < inserted.size()) {
            // Never half a character.
            if (!kept.isEmpty() && kept.back().isHighSurrogate())
                kept.chop(1);
            input = input.left(start) + kept + input.mid(cursor);
            cursor = int(start + kept.size());
        }
        if (!leftOut.isEmpty())
            box_->Refuse(leftOut);
        return Acceptable;
    }

private:
    TextBox* box_;
};

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new InsertionCheck(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
}

void TextBox::SetMaxLength(int length)
{
    maxLength_ = length;
}

void TextBox::SetKeyFilter(std::function<int(int keyAscii)> filter)
{
    keyFilter_ = std::move(filter);
}

void TextBox::Refuse(const QString& character)
{
    if (!refused_.isEmpty())
        return;
    refused_ = character;
    // Told once the change is done: at the end of the event that made it, or, for a paste from
    // the context menu, when the event loop comes back.
    if (eventDepth_ == 0)
        QTimer::singleShot(0, this, [this] { TellRefused(); });
}

void TextBox::TellRefused()
{
    if (refused_.isEmpty())
        return;
    const QString character = std::exchange(refused_, QString());
    RefuseCharacter(character);
}

bool TextBox::event(QEvent* event)
{
    ++eventDepth_;
    const bool handled = QLineEdit::event(event);
    --eventDepth_;
    if (eventDepth_ == 0)
        TellRefused();
    return handled;
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
                RefuseCharacter(typed);
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
    // A character outside the basic plane (an emoji) comes as two QChars.
    const QString typed = event->text();
    if (!typed.isEmpty() && !typed.at(0).isNull() && typed.at(0).category() != QChar::Other_Control) {
        QString leftOut;
        StorablePart(typed, &leftOut);
        if (!leftOut.isEmpty()) {
            RefuseCharacter(leftOut);
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineTextBox::inputMethodEvent(QInputMethodEvent* event)
{
    QString leftOut;
    const QString kept = StorablePart(event->commitString(), &leftOut);
    if (leftOut.isEmpty()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent storable(event->preeditString(), event->attributes());
    storable.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&storable);
    event->accept();
    RefuseCharacter(leftOut);
}

void MultiLineTextBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void MultiLineTextBox::insertFromMimeData(const QMimeData* source)
{
    // What the data files can hold goes in; the user is told of the first character left out.
    QString leftOut;
    insertPlainText(StorablePart(source->text(), &leftOut));
    if (!leftOut.isEmpty())
        RefuseCharacter(leftOut);
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
