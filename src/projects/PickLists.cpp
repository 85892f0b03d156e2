#include "projects/PickLists.h"

#include "core/FileAccess.h"
#include "core/RecordFile.h"
#include "platform/RegionalFormat.h"

#include <cmath>
#include <functional>

namespace {

// `entry` gets each record and whether all its bytes are there: a short last record (a copy
// cut off, or a write torn by the sibling) has a name worth listing but no price worth offering.
QList<PickEntry> Decode(const QByteArray& bytes, int length,
                        const std::function<PickEntry(const QByteArray&, bool)>& entry)
{
    QList<PickEntry> entries;
    const qint64 count = RecordCountForLength(bytes.size(), length);
    entries.reserve(qsizetype(count));
    for (qint64 n = 0; n < count; ++n) {
        QByteArray record = bytes.mid(qsizetype(n * length), length);
        const bool whole = record.size() == length;
        record.append(QByteArray(length - record.size(), '\0'));
        entries.append(entry(record, whole));
    }
    return entries;
}

// Far above any price of a work-order line, far below what text read as a currency value gives
// (eight printable bytes make at least $231 trillion).
constexpr double LargestPrice = 1e9;

// The currency text of the price, or nothing for the user to type in its place when the bytes
// cannot be a price.
QString Price(const QByteArray& record, int offset, bool whole)
{
    const double amount = AmountFromCurrency(ReadCurrency(record, offset));
    if (!whole || std::abs(amount) >= LargestPrice)
        return {};
    return CurrencyText(amount);
}

QList<PickEntry> ReadPickFile(const QString& path, QList<PickEntry> (*decode)(const QByteArray&))
{
    QByteArray bytes;
    if (!FileExists(path) || !ReadWholeFile(path, bytes))
        return {};
    return decode(bytes);
}

} // namespace

QList<PickEntry> DecodeInventory(const QByteArray& bytes)
{
    return Decode(bytes, InventoryRecordLength, [](const QByteArray& record, bool whole) {
        return PickEntry{ReadTextField(record, 0, 40).trimmed(), Price(record, 68, whole)};
    });
}

QList<PickEntry> DecodeServices(const QByteArray& bytes)
{
    return Decode(bytes, ServiceRecordLength, [](const QByteArray& record, bool whole) {
        return PickEntry{ReadTextField(record, 0, 60).trimmed(),
                         whole ? ReadTextField(record, 60, 10).trimmed() : QString()};
    });
}

QList<PickEntry> DecodeCustomItems(const QByteArray& bytes)
{
    return Decode(bytes, CustomItemRecordLength, [](const QByteArray& record, bool whole) {
        return PickEntry{ReadTextField(record, 0, 50).trimmed(), Price(record, 50, whole)};
    });
}

QList<PickEntry> ReadInventory()
{
    return ReadPickFile(InventoryPath, DecodeInventory);
}

QList<PickEntry> ReadServices()
{
    return ReadPickFile(ServicesPath, DecodeServices);
}

QList<PickEntry> ReadCustomItems()
{
    return ReadPickFile(CustomItemsPath, DecodeCustomItems);
}
