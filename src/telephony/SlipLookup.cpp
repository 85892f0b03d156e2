#include "telephony/SlipLookup.h"

#include "scheduling/EventRecords.h"
#include "scheduling/ScheduleViews.h"

QString EntryKindPath(int kind)
{
    switch (kind) {
    case 1:
        return SlipsPath;
    case 2:
        return MeetingsPath;
    case 3:
        return ProjectRecordsPath;
    default:
        return QString();
    }
}

namespace {

constexpr int EventTextWidth = 30;

} // namespace

bool SlipMatches(int kind, const SlipRecord& record, const QString& slotText)
{
    const QString key = record.EventKey.trimmed();
    if (key.isEmpty())
        return false;
    if (kind != 3)
        return slotText.contains(key);
    const QString prefix = key + QLatin1Char('-');
    if (!slotText.startsWith(prefix))
        return false;
    const QString rest = slotText.mid(prefix.size());
    const QString text = record.EventText.trimmed();
    if (rest == text)
        return true;
    // A milestone name longer than the field was stored cut; its first characters decide.
    return rest.size() > EventTextWidth && !text.isEmpty() && rest.left(EventTextWidth).trimmed() == text;
}

std::optional<SlipRecord> FindSlip(int kind, const QString& slotText)
{
    for (int tried = kind; tried >= 1 && tried <= 3; ++tried) {
        // A later file only for a text that reads as its kind.
        if (tried != kind && SlotEntryKind(slotText, tried == 1, tried == 2, tried == 3) != tried)
            continue;
        // ReadEventRecords looks for the file first and never makes one.
        for (const SlipRecord& record : ReadEventRecords(EntryKindPath(tried)))
            if (SlipMatches(tried, record, slotText))
                return record;
    }
    return std::nullopt;
}
