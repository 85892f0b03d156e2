#pragma once

#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <memory>

// Message boxes: a prompt, a set of buttons, an icon, a default button and a title (the
// program's title when none is given); the answer is the button pressed. Tests install a
// script that answers from a queue and keeps every box shown.
enum class MsgButtons { OkOnly, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Question, Exclamation, Critical };
enum class MsgAnswer { Ok, Cancel, Yes, No };

MsgAnswer MsgBox(const QString& prompt, MsgButtons buttons = MsgButtons::OkOnly,
                 MsgIcon icon = MsgIcon::None, const QString& title = QString(),
                 int defaultButton = 0);

// The error beep (the caller decides whether alarms are on).
void Beep();

class QMessageBox;
// The box MsgBox shows when no script answers, wide enough for its title.
std::unique_ptr<QMessageBox> NewMessageBox(const QString& prompt, MsgButtons buttons, MsgIcon icon,
                                           const QString& title, int defaultButton = 0);

struct ShownMessage {
    QString Title;
    QString Prompt;
    MsgButtons Buttons;
    MsgIcon Icon;
};

// While installed, boxes are answered from the queue instead of being shown. A box with no
// queued answer is answered with its first button and recorded in Unanswered.
class MessageScript {
public:
    MessageScript();
    ~MessageScript();
    MessageScript(const MessageScript&) = delete;
    MessageScript& operator=(const MessageScript&) = delete;

    void Queue(MsgAnswer answer) { answers_.push_back(answer); }
    // Runs while each box is up, before it is answered: what else happens on the machine while
    // the user reads it (another program, a disk taken away).
    std::function<void(const ShownMessage&)> WhileShown;

    const QList<ShownMessage>& Shown() const { return shown_; }
    const QList<ShownMessage>& Unanswered() const { return unanswered_; }
    int Beeps() const { return beeps_; }
    int PendingAnswers() const { return int(answers_.size()); }

private:
    friend MsgAnswer MsgBox(const QString&, MsgButtons, MsgIcon, const QString&, int);
    friend void Beep();

    std::deque<MsgAnswer> answers_;
    QList<ShownMessage> shown_;
    QList<ShownMessage> unanswered_;
    int beeps_ = 0;
};
