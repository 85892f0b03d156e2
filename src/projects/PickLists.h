#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The work order's pick lists, written by the sibling programs and only read here: fixed-length
// records of blank-padded single-byte text and little-endian numbers.

inline const QString InventoryPath = QStringLiteral("/UpdatedInventory.txt");
inline const QString ServicesPath = QStringLiteral("/Services.txt");
inline const QString CustomItemsPath = QStringLiteral("/CustomItems.txt");

inline constexpr int InventoryRecordLength = 124;
inline constexpr int ServiceRecordLength = 72;
inline constexpr int CustomItemRecordLength = 70;

// One entry of a pick list: the name shown in the list and the price shown beside it, as text
// (currency text for items, the stored text for services).
struct PickEntry {
    QString Name;
    QString Price;
};

// Entries from a file's bytes, one per record to the last (the count is rounded to the nearest
// whole record; a short last record reads as if padded with NULs). A price is empty, for the user
// to type, when its record is short or its bytes cannot be a price.
QList<PickEntry> DecodeInventory(const QByteArray& bytes);
QList<PickEntry> DecodeServices(const QByteArray& bytes);
QList<PickEntry> DecodeCustomItems(const QByteArray& bytes);

// The pick-list files of the program folder; a missing or unreadable file gives no entries.
QList<PickEntry> ReadInventory();
QList<PickEntry> ReadServices();
QList<PickEntry> ReadCustomItems();
