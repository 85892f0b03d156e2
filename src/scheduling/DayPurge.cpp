#include "scheduling/DayPurge.h"

#include "core/DataUpkeep.h"
#include "core/FileAccess.h"
#include "core/SharedState.h"
#include "platform/Clock.h"
#include "platform/RegionalFormat.h"
#include "scheduling/SlipRecord.h"

bool PurgeOldDays()
{
    Shared().DayOfYear = Clock::Today().dayOfYear();
    qint64 last = 1;
    if (FileExists(PurgedDatePath)) {
        TextInput marker = OpenForInput(PurgedDatePath);
        last = marker.ReadItem().Integer().value_or(1);
        if (last < 1)
            last = 1;
    }

    // The marker moves only past days purged for every team; an unreadable team list purges none.
    bool purged = !Shared().TeamListUnreadable;
    for (int team = 1; team <= Shared().TeamCount(); ++team)
        for (qint64 day = last; day <= Shared().DayOfYear - 1; ++day)
            purged = DeleteFile(TeamDayFilePath(Shared().CurrentYear, team, int(day))) && purged;
    if (!purged)
        return PurgeMeetings();

    TextOutput marker = OpenForOutput(PurgedDatePath);
    marker.WriteItems({Shared().DayOfYear - 1});
    const bool markerWritten = marker.Close();

    return PurgeMeetings() && markerWritten;
}

bool PurgeMeetings()
{
    if (!FileExists(MeetingsPath))
        return true;
    QByteArray bytes;
    if (!ReadWholeFile(MeetingsPath, bytes))
        return false;
    const qint64 count = RecordCountForLength(bytes.size(), SlipRecord::Length);
    if (count < 1)
        return true;

    const QDate today = Clock::Today();
    auto keep = [&today](const QByteArray& record, qint64) {
        const std::optional<QDate> date = ParseShortDate(SlipRecord::FromBytes(record).EventDate);
        // A meeting whose date cannot be read is kept rather than lost.
        if (!date)
            return true;
        // The day of the year is compared without the year, as the meeting program expects.
        return date->year() > today.year() || date->dayOfYear() >= today.dayOfYear();
    };
    // The meeting program appends to the file, through a handle it may keep open: a rewrite
    // with nothing to drop could only lose what it appends meanwhile.
    bool dropsOne = false;
    for (qint64 n = 1; n <= count && !dropsOne; ++n)
        dropsOne = !keep(bytes.mid((n - 1) * SlipRecord::Length, SlipRecord::Length), n);
    if (!dropsOne)
        return true;
    return CompactRecordFile(MeetingsPath, SlipRecord::Length, keep);
}
