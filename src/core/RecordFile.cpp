#include "core/RecordFile.h"

#include "platform/CodePage.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

RecordFile::RecordFile() = default;

RecordFile::RecordFile(const QString& fullPath, qint64 recordLength)
    : file_(std::make_unique<QFile>(fullPath)), recordLength_(recordLength)
{
    if (!file_->open(QIODevice::ReadWrite))
        file_.reset();
}

RecordFile::RecordFile(RecordFile&&) noexcept = default;
RecordFile& RecordFile::operator=(RecordFile&&) noexcept = default;
RecordFile::~RecordFile() = default;

bool RecordFile::IsOpen() const
{
    return file_ != nullptr;
}

qint64 RecordFile::Count() const
{
    return file_ ? RecordCountForLength(file_->size(), recordLength_) : 0;
}

QByteArray RecordFile::Read(qint64 recordNumber, bool* ok) const
{
    QByteArray record(recordLength_, '\0');
    if (ok)
        *ok = false;
    if (!file_ || recordNumber < 1)
        return record;
    const qint64 start = (recordNumber - 1) * recordLength_;
    const qint64 size = file_->size();
    if (start >= size || !file_->seek(start))
        return record;
    const QByteArray bytes = file_->read(recordLength_);
    std::memcpy(record.data(), bytes.constData(), size_t(bytes.size()));
    // A short last record is read as far as it goes; anything less is a failed read.
    if (ok)
        *ok = bytes.size() == std::min<qint64>(recordLength_, size - start);
    return record;
}

bool RecordFile::Write(qint64 recordNumber, const QByteArray& record)
{
    if (!file_ || recordNumber < 1)
        return false;
    QByteArray bytes = record.left(recordLength_);
    if (bytes.size() < recordLength_)
        bytes.append(QByteArray(recordLength_ - bytes.size(), ' '));
    if (!file_->seek((recordNumber - 1) * recordLength_))
        return false;
    return file_->write(bytes) == recordLength_ && file_->flush();
}

void RecordFile::Close()
{
    file_.reset();
}

qint64 RecordFile::Size() const
{
    return file_ ? file_->size() : 0;
}

bool RecordFile::Truncate(qint64 length)
{
    return file_ && file_->resize(length);
}

qint64 RecordCountForLength(qint64 fileLength, qint64 recordLength)
{
    if (recordLength <= 0 || fileLength <= 0)
        return 0;
    const qint64 whole = fileLength / recordLength;
    const qint64 rest = fileLength % recordLength;
    if (2 * rest > recordLength || (2 * rest == recordLength && whole % 2 == 1))
        return whole + 1;
    return whole;
}

QString ReadTextField(const QByteArray& record, int offset, int width)
{
    // A view, not a copy: a pass over thousands of records decodes every field of each.
    const qsizetype start = std::clamp<qsizetype>(offset, 0, record.size());
    const QByteArrayView bytes = QByteArrayView(record).sliced(start, std::clamp<qsizetype>(width, 0, record.size() - start));
    qsizetype end = bytes.size();
    while (end > 0 && (bytes.at(end - 1) == ' ' || bytes.at(end - 1) == '\0'))
        --end;
    return FromCodePage(bytes.first(end));
}

QByteArray FixedWidthText(const QString& text, int width)
{
    QByteArray bytes = ToCodePage(text).left(width);
    if (bytes.size() < width)
        bytes.append(QByteArray(width - bytes.size(), ' '));
    return bytes;
}

void WriteTextField(QByteArray& record, int offset, int width, const QString& text)
{
    if (record.size() < offset + width)
        record.append(QByteArray(offset + width - record.size(), ' '));
    record.replace(offset, width, FixedWidthText(text, width));
}

namespace {
template <typename T>
T ReadLittle(const QByteArray& record, int offset)
{
    if (offset < 0 || record.size() < offset + qsizetype(sizeof(T)))
        return T{};
    return qFromLittleEndian<T>(record.constData() + offset);
}

template <typename T>
void WriteLittle(QByteArray& record, int offset, T value)
{
    if (record.size() < offset + qsizetype(sizeof(T)))
        record.append(QByteArray(offset + sizeof(T) - record.size(), '\0'));
    qToLittleEndian<T>(value, record.data() + offset);
}

const QDate SerialEpoch(1899, 12, 30);
constexpr double FirstSerialDay = -657434.0; // 1 January 100
constexpr double LastSerialDay = 2958465.0;  // 31 December 9999
} // namespace

qint16 ReadInt16(const QByteArray& record, int offset) { return ReadLittle<qint16>(record, offset); }
void WriteInt16(QByteArray& record, int offset, qint16 value) { WriteLittle<qint16>(record, offset, value); }
qint32 ReadInt32(const QByteArray& record, int offset) { return ReadLittle<qint32>(record, offset); }
void WriteInt32(QByteArray& record, int offset, qint32 value) { WriteLittle<qint32>(record, offset, value); }
qint64 ReadCurrency(const QByteArray& record, int offset) { return ReadLittle<qint64>(record, offset); }
void WriteCurrency(QByteArray& record, int offset, qint64 tenThousandths) { WriteLittle<qint64>(record, offset, tenThousandths); }

qint64 CurrencyFromAmount(double amount)
{
    return qint64(std::llround(amount * 10000.0));
}

double AmountFromCurrency(qint64 tenThousandths)
{
    return double(tenThousandths) / 10000.0;
}

double ReadDateValue(const QByteArray& record, int offset)
{
    const quint64 bits = ReadLittle<quint64>(record, offset);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void WriteDateValue(QByteArray& record, int offset, double serial)
{
    quint64 bits;
    std::memcpy(&bits, &serial, sizeof bits);
    WriteLittle<quint64>(record, offset, bits);
}

QDateTime DateTimeFromSerial(double serial)
{
    // The date type the files come from holds 1 January 100 to 31 December 9999; anything
    // else (NaN and the infinities included) is no date, and is never converted to a count.
    if (!(serial > FirstSerialDay - 1.0 && serial < LastSerialDay + 1.0))
        return {};
    // The whole part counts days (towards zero); the fraction is the time of day even before
    // the epoch, so -1.25 is 29 December 1899 at 06:00.
    const double days = std::trunc(serial);
    const double fraction = std::fabs(serial - days);
    qint64 milliseconds = std::llround(fraction * 86400000.0);
    QDate date = SerialEpoch.addDays(qint64(days));
    if (milliseconds >= 86400000) {
        date = date.addDays(1);
        milliseconds -= 86400000;
    }
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(milliseconds)));
}

double SerialFromDateTime(const QDateTime& moment)
{
    if (!moment.isValid())
        return 0.0;
    const double days = double(SerialEpoch.daysTo(moment.date()));
    const double fraction = moment.time().msecsSinceStartOfDay() / 86400000.0;
    return days >= 0 ? days + fraction : days - fraction;
}
