#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Clicks the given button of the real box once it is up, where the pointer would press it.
void ClickWhenUp(QTimer& poll, QMessageBox::StandardButton which)
{
    QObject::connect(&poll, &QTimer::timeout, &poll, [&poll, which] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll.stop();
        QAbstractButton* button = box->button(which);
        if (!button) {
            ADD_FAILURE() << "the box has no such button";
            box->reject();
            return;
        }
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    });
    poll.start(20);
}

// No script is installed: these are the boxes the user sees.
TEST(MessageBoxTest, EveryButtonOfEveryRealBoxAnswersWhatItSays)
{
    const struct {
        MsgButtons Set;
        QMessageBox::StandardButton Button;
        MsgAnswer Answer;
    } cases[] = {
        {MsgButtons::OkOnly, QMessageBox::Ok, MsgAnswer::Ok},
        {MsgButtons::OkCancel, QMessageBox::Ok, MsgAnswer::Ok},
        {MsgButtons::OkCancel, QMessageBox::Cancel, MsgAnswer::Cancel},
        {MsgButtons::YesNo, QMessageBox::Yes, MsgAnswer::Yes},
        {MsgButtons::YesNo, QMessageBox::No, MsgAnswer::No},
        {MsgButtons::YesNoCancel, QMessageBox::Yes, MsgAnswer::Yes},
        {MsgButtons::YesNoCancel, QMessageBox::No, MsgAnswer::No},
        {MsgButtons::YesNoCancel, QMessageBox::Cancel, MsgAnswer::Cancel},
    };
    for (const auto& c : cases) {
        QTimer poll;
        ClickWhenUp(poll, c.Button);
        // The default button is another one where the set has two, so the click is what counts.
        EXPECT_EQ(MsgBox(QStringLiteral("Press a button"), c.Set, MsgIcon::Question, QStringLiteral("Buttons"), 1), c.Answer)
            << "set " << int(c.Set) << ", button " << std::hex << c.Button;
    }
}

} // namespace
