#include "platform/MessageBox.h"

#include "platform/ProgramNames.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {
// Room in a title bar beside its text: the window's icon and its three buttons.
constexpr int TitleBarButtonsWidth = 140;

// Brings a box up whole on its screen, in front and active: a window manager places a new
// window where it likes, and may put one from a program the user has not touched yet behind
// the window that has the focus.
class BoxKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            framed_ = false;
            shown_.start();
            QTimer::singleShot(0, box, [box] {
                box->raise();
                box->activateWindow();
            });
        } else if (event->type() == QEvent::WindowDeactivate && !QApplication::activeWindow()
                   && shown_.isValid() && shown_.elapsed() < FrontTime) {
            // A window of another program mapped just after the box took the focus; the user
            // has not touched anything yet, so the box is what they must see.
            QTimer::singleShot(0, box, [box] {
                box->raise();
                box->activateWindow();
            });
        } else if (!framed_ && (event->type() == QEvent::WindowActivate
                                || (event->type() == QEvent::Move && event->spontaneous()))) {
            // Once the window manager has framed it; the frame is part of what must fit.
            const QRect frame = box->frameGeometry();
            framed_ = event->type() == QEvent::WindowActivate || frame != box->geometry();
            const QRect area = box->screen()->availableGeometry();
            const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
            const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
            if (x != frame.left() || y != frame.top())
                box->move(x, y);
        }
        return false;
    }

private:
    static constexpr qint64 FrontTime = 2000;
    bool framed_ = false;
    QElapsedTimer shown_;
};

MessageScript*& InstalledScript()
{
    static MessageScript* script = nullptr;
    return script;
}

MsgAnswer FirstAnswer(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
        return MsgAnswer::Yes;
    default:
        return MsgAnswer::Ok;
    }
}

QList<QMessageBox::StandardButton> ButtonsOf(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OkOnly:
        return {QMessageBox::Ok};
    case MsgButtons::OkCancel:
        return {QMessageBox::Ok, QMessageBox::Cancel};
    case MsgButtons::YesNo:
        return {QMessageBox::Yes, QMessageBox::No};
    case MsgButtons::YesNoCancel:
        return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    }
    return {QMessageBox::Ok};
}

QMessageBox::Icon IconOf(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

MessageScript::MessageScript()
{
    InstalledScript() = this;
}

MessageScript::~MessageScript()
{
    if (InstalledScript() == this)
        InstalledScript() = nullptr;
}

MsgAnswer MsgBox(const QString& prompt, MsgButtons buttons, MsgIcon icon, const QString& title,
                 int defaultButton)
{
    const QString caption = title.isEmpty() ? ProgramTitle : title;
    if (MessageScript* script = InstalledScript()) {
        const ShownMessage shown{caption, prompt, buttons, icon};
        script->shown_.append(shown);
        if (script->WhileShown)
            script->WhileShown(shown);
        if (script->answers_.empty()) {
            script->unanswered_.append(shown);
            return FirstAnswer(buttons);
        }
        const MsgAnswer answer = script->answers_.front();
        script->answers_.pop_front();
        return answer;
    }

    const std::unique_ptr<QMessageBox> box = NewMessageBox(prompt, buttons, icon, caption, defaultButton);
    const QList<QMessageBox::StandardButton> standard = ButtonsOf(buttons);
    switch (box->exec()) {
    case QMessageBox::Ok:
        return MsgAnswer::Ok;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    default:
        // A box closed by its close button answers Cancel where it has one.
        return buttons == MsgButtons::OkOnly ? MsgAnswer::Ok
             : standard.contains(QMessageBox::Cancel) ? MsgAnswer::Cancel
                                                       : MsgAnswer::No;
    }
}

std::unique_ptr<QMessageBox> NewMessageBox(const QString& prompt, MsgButtons buttons, MsgIcon icon,
                                           const QString& title, int defaultButton)
{
    const QString caption = title.isEmpty() ? ProgramTitle : title;
    auto box = std::make_unique<QMessageBox>(IconOf(icon), caption, prompt);
    box->installEventFilter(new BoxKeeper(box.get()));
    const QList<QMessageBox::StandardButton> standard = ButtonsOf(buttons);
    for (QMessageBox::StandardButton button : standard)
        box->addButton(button);
    if (defaultButton >= 0 && defaultButton < standard.size())
        box->setDefaultButton(standard.at(defaultButton));
    // The box sizes itself to its text; a longer title would be cut in the title bar, which also
    // holds the window's icon and buttons and often a bold font.
    QFont titleFont = box->font();
    titleFont.setBold(true);
    const int room = QFontMetrics(titleFont).horizontalAdvance(caption) + TitleBarButtonsWidth;
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(room, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    return box;
}

void Beep()
{
    if (MessageScript* script = InstalledScript()) {
        ++script->beeps_;
        return;
    }
    QApplication::beep();
}
