#include "core/WriteFormat.h"

#include "platform/CodePage.h"

#include <QLocale>

#include <cmath>

namespace {

QString SafeText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('"'), QLatin1Char('\''));
    return text;
}

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// "yyyy-mm-dd" at the start of a text (a time of day may follow). Read by hand: Qt's format
// parser is far slower, and every project file holds a date per milestone.
std::optional<QDate> IsoDateAtStart(QStringView text)
{
    int parts[3] = {0, 0, 0};
    int part = 0;
    int digits = 0;
    qsizetype i = 0;
    for (; i < text.size() && part < 3; ++i) {
        const QChar c = text.at(i);
        if (c.isDigit() && c.unicode() < 128) {
            parts[part] = parts[part] * 10 + (c.unicode() - '0');
            if (++digits > 4)
                return std::nullopt;
        } else if (c == QLatin1Char('-') && part < 2 && digits > 0) {
            ++part;
            digits = 0;
        } else {
            break;
        }
    }
    if (part != 2 || digits == 0 || (i < text.size() && text.at(i) != QLatin1Char(' ')))
        return std::nullopt;
    const QDate date(parts[0], parts[1], parts[2]);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace

QString WriteItem::Formatted() const
{
    struct Visitor {
        QString operator()(const QString& text) const { return QLatin1Char('"') + SafeText(text) + QLatin1Char('"'); }
        QString operator()(qint64 number) const { return QString::number(number); }
        QString operator()(double number) const
        {
            return QLocale::c().toString(number, 'f', QLocale::FloatingPointShortest);
        }
        QString operator()(bool flag) const { return flag ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#"); }
        QString operator()(const QDate& date) const { return QLatin1Char('#') + date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('#'); }
        QString operator()(const QDateTime& moment) const
        {
            return QLatin1Char('#') + moment.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) + QLatin1Char('#');
        }
        QString operator()(const QTime& time) const { return QLatin1Char('#') + time.toString(QStringLiteral("hh:mm:ss")) + QLatin1Char('#'); }
        QString operator()(Empty) const { return {}; }
        QString operator()(Null) const { return QStringLiteral("#NULL#"); }
    };
    return std::visit(Visitor{}, value_);
}

QByteArray FormatWriteLine(const QList<WriteItem>& items)
{
    QStringList parts;
    parts.reserve(items.size());
    for (const WriteItem& item : items)
        parts.append(item.Formatted());
    return ToCodePage(parts.join(QLatin1Char(','))) + "\r\n";
}

QByteArray FormatWriteLine(std::initializer_list<WriteItem> items)
{
    return FormatWriteLine(QList<WriteItem>(items));
}

QByteArray FormatPlainLine(const QString& text)
{
    return ToCodePage(text) + "\r\n";
}

QString ReadValue::Text() const
{
    switch (kind_) {
    case Kind::True:
        return QStringLiteral("True");
    case Kind::False:
        return QStringLiteral("False");
    case Kind::Null:
        return {};
    default:
        return text_;
    }
}

std::optional<qint64> ReadValue::Integer() const
{
    switch (kind_) {
    case Kind::True:
        return -1;
    case Kind::False:
        return 0;
    case Kind::Null:
    case Kind::Date:
        return std::nullopt;
    default:
        break;
    }
    const QString text = text_.trimmed();
    if (text.isEmpty())
        return 0;
    bool ok = false;
    qint64 value = text.toLongLong(&ok);
    if (ok)
        return value;
    // A number written with a fraction read into a whole number rounds, half to even.
    double number = QLocale::c().toDouble(text, &ok);
    if (ok && number > -9.2e18 && number < 9.2e18)
        return qint64(std::nearbyint(number));
    return std::nullopt;
}

std::optional<double> ReadValue::Number() const
{
    if (kind_ == Kind::True)
        return -1.0;
    if (kind_ == Kind::False)
        return 0.0;
    if (kind_ == Kind::Null || kind_ == Kind::Date)
        return std::nullopt;
    const QString text = text_.trimmed();
    if (text.isEmpty())
        return 0.0;
    bool ok = false;
    double value = QLocale::c().toDouble(text, &ok);
    if (ok)
        return value;
    return std::nullopt;
}

std::optional<bool> ReadValue::Boolean() const
{
    switch (kind_) {
    case Kind::True:
        return true;
    case Kind::False:
        return false;
    case Kind::Null:
    case Kind::Date:
        return std::nullopt;
    default:
        break;
    }
    const QString text = text_.trimmed();
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (std::optional<double> number = Number())
        return *number != 0.0;
    return std::nullopt;
}

std::optional<QDate> ReadValue::Date() const
{
    if (kind_ == Kind::Date || kind_ == Kind::Bare || kind_ == Kind::Quoted)
        return IsoDateAtStart(QStringView(text_).trimmed());
    return std::nullopt;
}

ItemReader::ItemReader(QByteArray bytes) : bytes_(std::move(bytes)) {}

bool ItemReader::AtEnd() const
{
    return pos_ >= bytes_.size();
}

bool ItemReader::AtLineEnd() const
{
    return pos_ < bytes_.size() && IsLineEnd(bytes_.at(pos_));
}

void ItemReader::SkipLineEnd()
{
    if (pos_ < bytes_.size() && bytes_.at(pos_) == '\r') {
        ++pos_;
        if (pos_ < bytes_.size() && bytes_.at(pos_) == '\n')
            ++pos_;
    } else if (pos_ < bytes_.size() && bytes_.at(pos_) == '\n') {
        ++pos_;
    }
}

ReadValue ItemReader::ReadItem()
{
    const qsizetype size = bytes_.size();
    while (pos_ < size && (bytes_.at(pos_) == ' ' || bytes_.at(pos_) == '\t'))
        ++pos_;

    ReadValue value;
    if (pos_ < size && bytes_.at(pos_) == '"') {
        const qsizetype start = ++pos_;
        while (pos_ < size && bytes_.at(pos_) != '"')
            ++pos_;
        value = ReadValue(ReadValue::Kind::Quoted, FromCodePage(bytes_.mid(start, pos_ - start)));
        if (pos_ < size)
            ++pos_; // the closing quote
        // Whatever follows the closing quote up to the item's end is skipped.
        while (pos_ < size && bytes_.at(pos_) != ',' && !IsLineEnd(bytes_.at(pos_)))
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < size && bytes_.at(pos_) != ',' && !IsLineEnd(bytes_.at(pos_)))
            ++pos_;
        QString text = FromCodePage(bytes_.mid(start, pos_ - start));
        while (!text.isEmpty() && (text.back() == QLatin1Char(' ') || text.back() == QLatin1Char('\t')))
            text.chop(1);
        if (text.size() >= 2 && text.startsWith(QLatin1Char('#')) && text.endsWith(QLatin1Char('#'))) {
            const QString inner = text.mid(1, text.size() - 2);
            if (inner.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0)
                value = ReadValue(ReadValue::Kind::True, text);
            else if (inner.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0)
                value = ReadValue(ReadValue::Kind::False, text);
            else if (inner.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0)
                value = ReadValue(ReadValue::Kind::Null, text);
            else
                value = ReadValue(ReadValue::Kind::Date, inner);
        } else {
            value = ReadValue(ReadValue::Kind::Bare, text);
        }
    }

    if (pos_ < size && bytes_.at(pos_) == ',')
        ++pos_;
    else
        SkipLineEnd();
    return value;
}

QString ItemReader::ReadLine()
{
    const qsizetype start = pos_;
    while (pos_ < bytes_.size() && !IsLineEnd(bytes_.at(pos_)))
        ++pos_;
    QString line = FromCodePage(bytes_.mid(start, pos_ - start));
    SkipLineEnd();
    return line;
}

QList<ReadValue> ItemReader::ReadLineItems()
{
    const qsizetype start = pos_;
    while (pos_ < bytes_.size() && !IsLineEnd(bytes_.at(pos_)))
        ++pos_;
    ItemReader line(bytes_.mid(start, pos_ - start));
    SkipLineEnd();
    QList<ReadValue> items;
    do
        items.append(line.ReadItem());
    while (!line.AtEnd());
    return items;
}
