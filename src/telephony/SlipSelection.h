#pragma once

#include "scheduling/SlipRecord.h"

#include <QString>

#include <optional>

// What the hour grid hands the slip viewer: the clicked slot text, the file it names (1
// Slips.txt, 2 Meetings.txt, 3 ProjectRecords.txt) and the name of the team whose day it is.
struct SlipSelectionValues {
    QString SelectedEntry;
    int EntryKind = 0;
    QString EntryTeam;
};

SlipSelectionValues& SlipSelection();
void ResetSlipSelection();

// The event file of an entry kind; empty for any other number.
QString EntryKindPath(int kind);
// Whether a slot text reads as the kind: 1 contains "SA" or its first word is a number, 2
// contains "Mtg", 3 contains "Pj" (case-sensitive).
bool FitsEntryKind(int kind, const QString& slotText);

// Whether a record is the event of a clicked slot. A blank key never is. Slips and meetings:
// the key occurs in the text. Project events: the text is the key, "-" and the event text (an
// event text that filled its field may have been cut, and then only starts the rest).
bool SlipMatches(int kind, const SlipRecord& record, const QString& slotText);

// The first matching record, in file order, of the kind's file; when that has none, of each
// later kind the text fits whose file exists. Nothing is created.
std::optional<SlipRecord> FindSlip(int kind, const QString& slotText);
