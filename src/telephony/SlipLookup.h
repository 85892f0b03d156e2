#pragma once

#include "scheduling/SlipRecord.h"

#include <QString>

#include <optional>

// Finding the event record of a booked hour clicked on a team's schedule. The hour grid hands
// the slot text, the kind of record file (1 Slips.txt, 2 Meetings.txt, 3 ProjectRecords.txt)
// and the team through the shared state (SelectedEntry, EntryKind, EntryTeam).

// The event file of an entry kind; empty for any other number.
QString EntryKindPath(int kind);

// Whether a record is the event of a clicked slot. A blank key never is. Slips and meetings:
// the key occurs in the text. Project events: the text is the key, "-" and the event text (an
// event text that filled its field may have been cut, and then only starts the rest).
bool SlipMatches(int kind, const SlipRecord& record, const QString& slotText);

// The first matching record, in file order, of the kind's file; when that has none, of each
// later kind the text reads as whose file exists. Nothing is created.
std::optional<SlipRecord> FindSlip(int kind, const QString& slotText);
