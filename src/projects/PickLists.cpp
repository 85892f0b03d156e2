#include "projects/PickLists.h"

#include "core/FileAccess.h"
#include "core/RecordFile.h"
#include "platform/RegionalFormat.h"

#include <functional>

namespace {

QList<PickEntry> Decode(const QByteArray& bytes, int length, const std::function<PickEntry(const QByteArray&)>& entry)
{
    QList<PickEntry> entries;
    const qint64 count = RecordCountForLength(bytes.size(), length);
    entries.reserve(qsizetype(count));
    for (qint64 n = 0; n < count; ++n) {
        QByteArray record = bytes.mid(qsizetype(n * length), length);
        record.append(QByteArray(length - record.size(), '\0'));
        entries.append(entry(record));
    }
    return entries;
}

QString Price(const QByteArray& record, int offset)
{
    return CurrencyText(AmountFromCurrency(ReadCurrency(record, offset)));
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
    return Decode(bytes, InventoryRecordLength, [](const QByteArray& record) {
        return PickEntry{ReadTextField(record, 0, 40).trimmed(), Price(record, 68)};
    });
}

QList<PickEntry> DecodeServices(const QByteArray& bytes)
{
    return Decode(bytes, ServiceRecordLength, [](const QByteArray& record) {
        return PickEntry{ReadTextField(record, 0, 60).trimmed(), ReadTextField(record, 60, 10).trimmed()};
    });
}

QList<PickEntry> DecodeCustomItems(const QByteArray& bytes)
{
    return Decode(bytes, CustomItemRecordLength, [](const QByteArray& record) {
        return PickEntry{ReadTextField(record, 0, 50).trimmed(), Price(record, 50)};
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
