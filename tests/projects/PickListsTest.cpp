#include "projects/NarrativeTemplate.h"
#include "projects/PickLists.h"

#include "core/FileAccess.h"
#include "core/QtPrinters.h"
#include "core/RecordFile.h"
#include "support/ProgramFolderFixture.h"

namespace {

QByteArray InventoryRecord(const QString& name, double price)
{
    QByteArray record(InventoryRecordLength, '\x7f'); // the unused fields hold anything
    WriteTextField(record, 0, 40, name);
    WriteCurrency(record, 68, CurrencyFromAmount(price));
    return record;
}

QByteArray ServiceRecord(const QByteArray& name, const QByteArray& price)
{
    QByteArray record(ServiceRecordLength, ' ');
    record.replace(0, name.size(), name);
    record.replace(60, price.size(), price);
    return record;
}

QByteArray CustomRecord(const QString& name, double price)
{
    QByteArray record(CustomItemRecordLength, ' ');
    WriteTextField(record, 0, 50, name);
    WriteCurrency(record, 50, CurrencyFromAmount(price));
    return record;
}

QStringList Texts(const QList<PickEntry>& entries)
{
    QStringList texts;
    for (const PickEntry& entry : entries)
        texts << entry.Name + '|' + entry.Price;
    return texts;
}

class PickListsTest : public ProgramFolderTest {};

TEST_F(PickListsTest, RecordsAreReadAtTheirOffsetsToTheLastOne)
{
    WriteFile(InventoryPath, InventoryRecord("Hinge", 4.5) + InventoryRecord("  Door Knob", 1234.5)
                                 + InventoryRecord("Nails", 0));
    EXPECT_EQ(Texts(ReadInventory()), QStringList({"Hinge|$4.50", "Door Knob|$1,234.50", "Nails|$0.00"}));

    // Prices are the stored text, trimmed, not currency; NUL padding reads as blanks.
    WriteFile(ServicesPath, ServiceRecord("Paint Room", "    125.00") + ServiceRecord("Haul\0\0\0", "40\0\0"));
    EXPECT_EQ(Texts(ReadServices()), QStringList({"Paint Room|125.00", "Haul|40"}));

    // A short last record is read when it is more than half there, as if padded with NULs; its
    // price is left for the user to type.
    WriteFile(CustomItemsPath, CustomRecord("Shelf", 19.99) + CustomRecord("Rail", 7).left(40));
    EXPECT_EQ(Texts(ReadCustomItems()), QStringList({"Shelf|$19.99", "Rail|"}));
    WriteFile(CustomItemsPath, CustomRecord("Shelf", 19.99) + CustomRecord("Rail", 7).left(20));
    EXPECT_EQ(Texts(ReadCustomItems()), QStringList({"Shelf|$19.99"}));

    // Past the 254 records an 8-bit counter could reach.
    QByteArray many;
    for (int i = 1; i <= 300; ++i)
        many += InventoryRecord(QStringLiteral("Item %1").arg(i), i);
    WriteFile(InventoryPath, many);
    const QList<PickEntry> entries = ReadInventory();
    ASSERT_EQ(entries.size(), 300);
    EXPECT_EQ(entries.last().Name, "Item 300");
    EXPECT_EQ(entries.last().Price, "$300.00");
}

TEST_F(PickListsTest, MissingFilesGiveNoEntries)
{
    EXPECT_TRUE(ReadInventory().isEmpty());
    EXPECT_TRUE(ReadServices().isEmpty());
    EXPECT_TRUE(ReadCustomItems().isEmpty());
    EXPECT_FALSE(Exists(InventoryPath));
}

TEST_F(PickListsTest, TemplateRoundTripAddsOneLineBreak)
{
    ASSERT_TRUE(SaveNarrativeTemplate(QString::fromLatin1("Remove old tile.\nLay new tile \xe9")));
    EXPECT_EQ(ReadFile(NarrativeTemplatePath), QByteArray("Remove old tile.\r\nLay new tile \xe9\r\n"));
    EXPECT_EQ(LoadNarrativeTemplate(), QString::fromLatin1("Remove old tile.\nLay new tile \xe9\n"));

    // A stale backup copy would bring the old template back once the file goes.
    WriteFile(BackupPathOf(NarrativeTemplatePath), "old\r\n");
    ASSERT_TRUE(SaveNarrativeTemplate("new"));
    EXPECT_FALSE(Exists(BackupPathOf(NarrativeTemplatePath)));
    ASSERT_TRUE(DeleteFile(NarrativeTemplatePath));
    EXPECT_EQ(LoadNarrativeTemplate(), std::nullopt);

    ASSERT_TRUE(WriteNarrativeTemp("one\ntwo"));
    EXPECT_EQ(ReadNarrativeTemp(), QStringList({"one", "two"}));
    ASSERT_TRUE(WriteNarrativeTemp(QString()));
    EXPECT_FALSE(Exists(NarrativeTempPath));
}

} // namespace
