#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>

class QFile;

// A fixed-length record file: records of one length and nothing else, record n (from 1) at
// byte (n - 1) x length. It closes itself when it goes out of scope.
class RecordFile {
public:
    RecordFile();
    RecordFile(const QString& fullPath, qint64 recordLength);
    RecordFile(RecordFile&&) noexcept;
    RecordFile& operator=(RecordFile&&) noexcept;
    ~RecordFile();

    bool IsOpen() const;
    qint64 RecordLength() const { return recordLength_; }
    // The file length over the record length, rounded to the nearest whole number (half to even).
    qint64 Count() const;

    // Record n; past the end of the file (or where the file is short) the bytes are zeros,
    // which read as blanks and zeros. Reading never lengthens the file. ok, when given, tells
    // whether the record came from the file: false when the file is not open, the record lies
    // past its end or the read failed, so a caller that rewrites the file can tell a record it
    // could not read from a blank one.
    QByteArray Read(qint64 recordNumber, bool* ok = nullptr) const;
    // Writes record n (padded with blanks or cut to the record length); writing past the end
    // lengthens the file to n records.
    bool Write(qint64 recordNumber, const QByteArray& record);
    void Close();
    qint64 Size() const;
    // Cuts the file back to a length (to take back records just appended).
    bool Truncate(qint64 length);

private:
    std::unique_ptr<QFile> file_;
    qint64 recordLength_ = 0;
};

qint64 RecordCountForLength(qint64 fileLength, qint64 recordLength);

// Field codecs of the record form. Text is single-byte code page, left-aligned and padded with
// blanks; readers drop trailing blanks (and trailing NUL bytes, which a short record leaves).
QString ReadTextField(const QByteArray& record, int offset, int width);
void WriteTextField(QByteArray& record, int offset, int width, const QString& text);
// A text cut or padded with blanks to a field width, as the record would store it.
QByteArray FixedWidthText(const QString& text, int width);

qint16 ReadInt16(const QByteArray& record, int offset);
void WriteInt16(QByteArray& record, int offset, qint16 value);
qint32 ReadInt32(const QByteArray& record, int offset);
void WriteInt32(QByteArray& record, int offset, qint32 value);

// Currency: a signed 64-bit count of ten-thousandths of the amount.
qint64 ReadCurrency(const QByteArray& record, int offset);
void WriteCurrency(QByteArray& record, int offset, qint64 tenThousandths);
qint64 CurrencyFromAmount(double amount);
double AmountFromCurrency(qint64 tenThousandths);

// Dates: an IEEE double of days since 30 December 1899, the fraction being the time of day.
double ReadDateValue(const QByteArray& record, int offset);
void WriteDateValue(QByteArray& record, int offset, double serial);
// No date (an invalid QDateTime) for a value outside 1 January 100 to 31 December 9999.
QDateTime DateTimeFromSerial(double serial);
double SerialFromDateTime(const QDateTime& moment);

// Records made only of text fields, described by a table of member, offset and width.
template <typename Record>
struct TextField {
    QString Record::*member;
    int offset;
    int width;
};

template <typename Record, std::size_t N>
Record DecodeTextRecord(const QByteArray& bytes, const TextField<Record> (&fields)[N])
{
    Record record;
    for (const auto& field : fields)
        record.*field.member = ReadTextField(bytes, field.offset, field.width);
    return record;
}

template <typename Record, std::size_t N>
QByteArray EncodeTextRecord(const Record& record, int length, const TextField<Record> (&fields)[N])
{
    QByteArray bytes(length, ' ');
    for (const auto& field : fields)
        WriteTextField(bytes, field.offset, field.width, record.*field.member);
    return bytes;
}
