#pragma once

#include "scheduling/ProjectFile.h"
#include "scheduling/SlipRecord.h"

#include <QList>
#include <QString>

// The event record files of 297-byte SlipRecords: "ProjectRecords.txt" (one record per technical
// milestone of every saved project), and "Slips.txt" and "Meetings.txt", written by another
// program of the business.

inline const QString ProjectRecordsPath = QStringLiteral("/ProjectRecords.txt");
inline const QString SlipsPath = QStringLiteral("/Slips.txt");
inline const QString MeetingsPath = QStringLiteral("/Meetings.txt");

// The shared record buffer every reader and writer of the event files uses.
SlipRecord& SlipRec();
void ResetSlipRec();

// Fills SlipRec from the project just saved (element 0 of the loaded projects) and its
// milestone at that 1-based position. False, and SlipRec as it was, when there is no such
// milestone.
bool FillProjectRecord(int position);
// Writes SlipRec as the new last record of the file (created when missing).
bool AppendRecord(const QString& path);

// Whether a record of "ProjectRecords.txt" is one of the project's: its key is the project
// number as the ten-byte field holds it. A number of ten characters or more shares that form
// with others ("Pj366-1000" and "Pj366-10000" both read "Pj366-1000"), so such a record must
// also carry the project's account and the name of one of its technical milestones.
bool IsRecordOfProject(const SlipRecord& record, const ProjectData& project);

// Every record of an event file; a missing file contributes none.
QList<SlipRecord> ReadEventRecords(const QString& path);
