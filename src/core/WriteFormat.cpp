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
template <typename View>
std::optional<QDate> IsoDateAtStart(View text)
{
    int parts[3] = {0, 0, 0};
    int part = 0;
    int digits = 0;
    qsizetype i = 0;
    for (; i < text.size() && part < 3; ++i) {
        const QChar c(text.at(i));
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
    if (part != 2 || digits == 0 || (i < text.size() && QChar(text.at(i)) != QLatin1Char(' ')))
        return std::nullopt;
    const QDate date(parts[0], parts[1], parts[2]);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

bool IsAscii(QByteArrayView bytes)
{
    for (char c : bytes)
        if (uchar(c) >= 0x80)
            return false;
    return true;
}

// The blanks QString::trimmed takes away, as far as they are ASCII.
bool IsAsciiSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

QByteArrayView TrimmedAscii(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && IsAsciiSpace(bytes.front()))
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && IsAsciiSpace(bytes.back()))
        bytes.chop(1);
    return bytes;
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

QString AsReadBack(const QString& text)
{
    return SafeText(text);
}

QByteArray FormatPlainLine(const QString& text)
{
    return ToCodePage(text) + "\r\n";
}

QString AsOneLine(const QString& text)
{
    QString line = text;
    for (QChar& c : line)
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    return line;
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

ReadValue ItemView::Value() const
{
    return ReadValue(Kind, FromCodePage(Bytes));
}

QString ItemView::Text() const
{
    switch (Kind) {
    case ReadValue::Kind::True:
    case ReadValue::Kind::False:
    case ReadValue::Kind::Null:
        return Value().Text();
    default:
        return FromCodePage(Bytes);
    }
}

std::optional<qint64> ItemView::Integer() const
{
    if (Kind == ReadValue::Kind::Bare || Kind == ReadValue::Kind::Quoted) {
        // Plain digits are read here; anything else the way a text is read.
        const QByteArrayView text = TrimmedAscii(Bytes);
        if (text.isEmpty())
            return 0;
        const bool negative = text.front() == '-';
        const QByteArrayView digits = negative ? text.sliced(1) : text;
        if (!digits.isEmpty() && digits.size() <= 18) {
            qint64 value = 0;
            bool allDigits = true;
            for (char c : digits) {
                if (c < '0' || c > '9') {
                    allDigits = false;
                    break;
                }
                value = value * 10 + (c - '0');
            }
            if (allDigits)
                return negative ? -value : value;
        }
    }
    return Value().Integer();
}

std::optional<QDate> ItemView::Date() const
{
    if (Kind != ReadValue::Kind::Date && Kind != ReadValue::Kind::Bare && Kind != ReadValue::Kind::Quoted)
        return std::nullopt;
    // Beyond ASCII the code page's own blanks decide what trimming takes away.
    if (!IsAscii(Bytes))
        return Value().Date();
    const QByteArrayView text = TrimmedAscii(Bytes);
    return IsoDateAtStart(QLatin1String(text.data(), text.size()));
}

ItemReader::ItemReader(QByteArray bytes) : bytes_(std::move(bytes)) {}

bool ItemReader::AtEnd() const
{
    return pos_ >= bytes_.size();
}

qsizetype ItemReader::LineEnd() const
{
    const char* data = bytes_.constData();
    qsizetype end = pos_;
    while (end < bytes_.size() && !IsLineEnd(data[end]))
        ++end;
    return end;
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

ItemView ItemReader::ScanItem(qsizetype limit)
{
    const char* data = bytes_.constData();
    while (pos_ < limit && (data[pos_] == ' ' || data[pos_] == '\t'))
        ++pos_;

    if (pos_ < limit && data[pos_] == '"') {
        const qsizetype start = ++pos_;
        while (pos_ < limit && data[pos_] != '"')
            ++pos_;
        const ItemView item{ReadValue::Kind::Quoted, QByteArrayView(data + start, pos_ - start)};
        if (pos_ < limit)
            ++pos_; // the closing quote
        // Whatever follows the closing quote up to the item's end is skipped.
        while (pos_ < limit && data[pos_] != ',' && !IsLineEnd(data[pos_]))
            ++pos_;
        return item;
    }

    const qsizetype start = pos_;
    while (pos_ < limit && data[pos_] != ',' && !IsLineEnd(data[pos_]))
        ++pos_;
    qsizetype end = pos_;
    while (end > start && (data[end - 1] == ' ' || data[end - 1] == '\t'))
        --end;
    const QByteArrayView text(data + start, end - start);
    if (text.size() >= 2 && text.front() == '#' && text.back() == '#') {
        const QByteArrayView inner = text.sliced(1, text.size() - 2);
        if (inner.compare("TRUE", Qt::CaseInsensitive) == 0)
            return {ReadValue::Kind::True, text};
        if (inner.compare("FALSE", Qt::CaseInsensitive) == 0)
            return {ReadValue::Kind::False, text};
        if (inner.compare("NULL", Qt::CaseInsensitive) == 0)
            return {ReadValue::Kind::Null, text};
        return {ReadValue::Kind::Date, inner};
    }
    return {ReadValue::Kind::Bare, text};
}

ReadValue ItemReader::ReadItem()
{
    return ReadItemView().Value();
}

ItemView ItemReader::ReadItemView()
{
    const ItemView item = ScanItem(bytes_.size());
    if (pos_ < bytes_.size() && bytes_.at(pos_) == ',')
        ++pos_;
    else
        SkipLineEnd();
    return item;
}

QString ItemReader::ReadLine()
{
    const qsizetype start = pos_;
    pos_ = LineEnd();
    QString line = FromCodePage(QByteArrayView(bytes_.constData() + start, pos_ - start));
    SkipLineEnd();
    return line;
}

void ItemReader::ReadLineViews(ItemViews& items)
{
    items.clear();
    const qsizetype end = LineEnd();
    do {
        items.append(ScanItem(end));
        if (pos_ < end && bytes_.at(pos_) == ',')
            ++pos_;
    } while (pos_ < end);
    pos_ = end;
    SkipLineEnd();
}

QList<ReadValue> ItemReader::ReadLineItems()
{
    ItemViews views;
    ReadLineViews(views);
    QList<ReadValue> items;
    items.reserve(views.size());
    for (const ItemView& view : views)
        items.append(view.Value());
    return items;
}
