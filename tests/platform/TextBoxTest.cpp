#include "platform/MessageBox.h"
#include "platform/TextBox.h"
#include "core/QtPrinters.h"
#include "support/UserInput.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include <optional>

namespace {

const QString Hostile = QStringLiteral("Crew \u0141\u00f3d\u017a, \u65e5\u672c \U0001F642 \u20ac ok");
const QString HostileStored = QStringLiteral("Crew \u00f3d,   \u20ac ok");

class TextBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        script_.emplace();
        window_.emplace();
        auto* layout = new QVBoxLayout(&*window_);
        box_ = new TextBox(&*window_);
        layout->addWidget(box_);
        lines_ = new MultiLineTextBox(&*window_);
        layout->addWidget(lines_);
        combo_ = NewTextCombo(&*window_, 20);
        layout->addWidget(combo_);
        ShowAtRealSize(&*window_);
    }
    void TearDown() override
    {
        window_.reset();
        script_.reset();
    }

    // A paste as the user makes it: the text on the clipboard, Ctrl+V to the focused widget.
    static void Paste(const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        PressKeys(Qt::Key_V, Qt::ControlModifier);
    }
    static void PressKeys(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key, modifiers);
    }
    // One key that types a character outside the basic plane, as the window system sends it.
    static void TypeOneKey(const QString& character)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(focus, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(focus, &release);
    }
    QStringList Prompts() const
    {
        QStringList prompts;
        for (const ShownMessage& shown : script_->Shown())
            prompts.append(shown.Prompt);
        return prompts;
    }

    std::optional<MessageScript> script_;
    std::optional<QWidget> window_;
    TextBox* box_ = nullptr;
    MultiLineTextBox* lines_ = nullptr;
    QComboBox* combo_ = nullptr;
};

TEST_F(TextBoxTest, APasteStopsAtTheMaximumLengthAndNeverCutsWhatIsThere)
{
    box_->SetMaxLength(20);
    box_->setFocus();
    Paste(QStringLiteral("DUPACCOUNT0123456789X"));
    EXPECT_EQ(box_->text(), QStringLiteral("DUPACCOUNT0123456789"));

    // Into the middle, over a selection: only what fits goes in, at the cursor.
    box_->setText(QStringLiteral("ABCDEFGHIJKLMNOPQR"));
    box_->setSelection(2, 2);
    Paste(QStringLiteral("xyz123"));
    EXPECT_EQ(box_->text(), QStringLiteral("ABxyz1EFGHIJKLMNOPQR"));
    EXPECT_EQ(box_->cursorPosition(), 6);

    // A longer text the program put there stays whole; a paste adds nothing to it.
    const QString longer = QStringLiteral("A text of twenty-seven chrs");
    box_->setText(longer);
    Paste(QStringLiteral("more"));
    EXPECT_EQ(box_->text(), longer);

    // The box of an editable drop-down takes the paste sent to the drop-down.
    combo_->setFocus();
    Paste(QStringLiteral("averyveryverylongemail.address@example.com"));
    EXPECT_EQ(combo_->currentText(), QStringLiteral("averyveryverylongema"));
    EXPECT_TRUE(Prompts().isEmpty());
}

TEST_F(TextBoxTest, CharactersTheFilesCannotHoldAreRefusedByNameTypedOrPasted)
{
    const QString refused = QStringLiteral("This character, (%1) cannot be stored");
    for (QWidget* target : {static_cast<QWidget*>(box_), static_cast<QWidget*>(lines_), static_cast<QWidget*>(combo_)}) {
        SCOPED_TRACE(target->metaObject()->className());
        const auto text = [&] {
            if (target == lines_)
                return lines_->toPlainText();
            return target == combo_ ? combo_->currentText() : box_->text();
        };
        target->setFocus();
        TypeOneKey(QStringLiteral("\U0001F642"));
        EXPECT_EQ(text(), QString());
        Paste(Hostile);
        EXPECT_EQ(text(), HostileStored);
        EXPECT_EQ(Prompts(), (QStringList{refused.arg(QStringLiteral("\U0001F642")), refused.arg(QStringLiteral("\u0141"))}));
        script_.emplace();
    }
}

} // namespace
