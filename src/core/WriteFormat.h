#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QVarLengthArray>
#include <QString>
#include <QTime>

#include <initializer_list>
#include <optional>
#include <variant>

// The write-format line: comma-separated items, texts in double quotes, numbers bare,
// true/false as #TRUE#/#FALSE#, dates as #yyyy-mm-dd#, the line ended by CR LF.
// Settings files, the team list, the catalogue, project files and day files use it.

class WriteItem {
public:
    struct Empty {};
    struct Null {};

    WriteItem(const QString& text) : value_(text) {}
    WriteItem(const char* text) : value_(QString::fromUtf8(text)) {}
    WriteItem(int number) : value_(qint64(number)) {}
    WriteItem(qint64 number) : value_(number) {}
    WriteItem(double number) : value_(number) {}
    WriteItem(bool flag) : value_(flag) {}
    WriteItem(const QDate& date) : value_(date) {}
    WriteItem(const QDateTime& moment) : value_(moment) {}
    WriteItem(const QTime& time) : value_(time) {}
    WriteItem(Empty) : value_(Empty{}) {}
    WriteItem(Null) : value_(Null{}) {}

    // The item as it stands in the line (text already made safe for reading back).
    QString Formatted() const;

private:
    std::variant<QString, qint64, double, bool, QDate, QDateTime, QTime, Empty, Null> value_;
};

// One line of items with its CR LF, as code-page bytes. A double quote inside a text becomes
// an apostrophe and a line break a blank, since the reader could not read either back.
QByteArray FormatWriteLine(std::initializer_list<WriteItem> items);
QByteArray FormatWriteLine(const QList<WriteItem>& items);

// A text as it reads back from a write-format item: a double quote as an apostrophe, a line
// break as a blank. Names kept in such files are compared in this form.
QString AsReadBack(const QString& text);

// A plain text line: the text as it stands and CR LF.
QByteArray FormatPlainLine(const QString& text);
// The text with every control character (a pasted line break among them) as a blank, for a plain
// line that must stay one line: one more would shift every line after it.
QString AsOneLine(const QString& text);

// One item as the item reader found it.
class ReadValue {
public:
    enum class Kind { Bare, Quoted, True, False, Null, Date };

    ReadValue() = default;
    ReadValue(Kind kind, QString text) : kind_(kind), text_(std::move(text)) {}

    Kind kind() const { return kind_; }

    // The item read into a text: quotes removed; a number or date keeps its text.
    QString Text() const;
    // The item read into a whole number; an empty item gives 0; nothing when unreadable.
    std::optional<qint64> Integer() const;
    // The item read into a number with a fraction; "." is the decimal separator.
    std::optional<double> Number() const;
    std::optional<bool> Boolean() const;
    // A #yyyy-mm-dd# item, or a text holding a date.
    std::optional<QDate> Date() const;

private:
    Kind kind_ = Kind::Bare;
    QString text_;
};

// One item as it stands in the bytes of its file, before it becomes a text: a reader that
// takes many items and keeps few texts spares a text per item. Valid while its reader lives.
struct ItemView {
    ReadValue::Kind Kind = ReadValue::Kind::Bare;
    QByteArrayView Bytes; // what ReadValue's text holds, still in the code page

    ReadValue Value() const;
    // As the ReadValue of the same item answers.
    QString Text() const;
    std::optional<qint64> Integer() const;
    std::optional<QDate> Date() const;
};

// The items of one line as views; room for the longest line of the program's files.
using ItemViews = QVarLengthArray<ItemView, 20>;

// Reads items and whole lines from the bytes of one file. Accepts CR LF, LF or CR.
class ItemReader {
public:
    explicit ItemReader(QByteArray bytes = {});

    bool AtEnd() const;
    // The next item; reading at the end gives an empty bare item.
    ReadValue ReadItem();
    // The same item as a view into the bytes, for a reader that keeps only part of it.
    ItemView ReadItemView();
    // The characters up to the next line end, commas and quotes included.
    QString ReadLine();
    // The items of the next line; an empty line gives one empty item. A short line cannot
    // pull items from the line after it.
    QList<ReadValue> ReadLineItems();
    // The same items as views into the bytes; `items` is emptied first.
    void ReadLineViews(ItemViews& items);

private:
    // The item at the read position, scanning no further than `limit`; a comma after it is
    // taken too.
    ItemView ScanItem(qsizetype limit);
    qsizetype LineEnd() const;
    void SkipLineEnd();

    QByteArray bytes_;
    qsizetype pos_ = 0;
};
