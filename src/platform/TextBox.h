#pragma once

#include <QLineEdit>
#include <QStringList>

#include <functional>

// A text box as the program's screens expect it: the maximum length limits typing and pasting
// only and never cuts text already there; a key filter sees each typed character before it is
// inserted and can swallow it (by answering 0); characters the data files' code page cannot hold
// are refused with a short message, and a paste keeps the rest.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    // 0 means no limit.
    void SetMaxLength(int length);
    int MaxLength() const { return maxLength_; }

    // Called with the character code of each typed key; the answer is the code to let
    // through, 0 to swallow the key.
    void SetKeyFilter(std::function<int(int keyAscii)> filter);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    class InsertionCheck;
    void Refuse(const QString& character);
    void TellRefused();

    int maxLength_ = 0;
    std::function<int(int)> keyFilter_;
    QString before_;
    QString refused_;
    int eventDepth_ = 0;
};

#include <QPlainTextEdit>

class QComboBox;

// An editable drop-down list whose box is a TextBox: typing is limited to maxLength characters,
// choosing or typing adds no entry to the list.
QComboBox* NewTextCombo(QWidget* parent, int maxLength);
// The entries of a drop-down list, in list order.
QStringList ComboItems(const QComboBox* combo);
// Shows a text in a drop-down list's box with no entry chosen and no handler run.
void SetComboText(QComboBox* combo, const QString& text);

// A text box of several lines, with the same code-page rule as TextBox; it tells of a
// double-click.
class MultiLineTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineTextBox(QWidget* parent = nullptr);

signals:
    void doubleClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};
