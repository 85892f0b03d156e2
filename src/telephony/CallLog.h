#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>

// The call log "TelCall.txt": 35-byte records, one per call taken since the log was cleared.
struct CallRecord {
    static constexpr int Length = 35;

    QString CallerName;   // 15
    QString CallerNumber; // 12
    QString CallTime;     // 8, "02:05 pm"

    // The fields as stored, padding blanks included.
    static CallRecord FromBytes(const QByteArray& bytes);
    QByteArray ToBytes() const;
};

inline const QString TelCallPath = QStringLiteral("/TelCall.txt");

// Plain lookup in the program folder: the log has no backup copy to restore.
bool CallLogExists();
// The whole records of the log, oldest first; a fragment at its end is no record.
QList<CallRecord> ReadCallLog();
// Writes the call after the last whole record, over any fragment, creating the log when
// missing. The record number written, or 0 when the write failed.
qint64 AppendCall(const CallRecord& call);
// A logged name as the screen shows it: a name kept with the caller-ID report's line end (as
// older logs hold short names) ends before it.
QString CallerNameShown(const QString& name);
// Deletes the log; false when it is still there.
bool ClearCallLog();

// One caller-ID report, as the log keeps it.
struct CallerId {
    QString Name;
    QString Number; // AAA-EEE-NNNN for ten characters, otherwise as received
};

// The call in a chunk of modem output. Each value is the window after its "NMBR = " (10
// characters) or "NAME = " (15) tag, ended at the first line end, the name also before "NMB",
// trailing blanks dropped. Nothing for no number tag, a number that begins with "0" or has
// fewer than 7 characters, or a value that is "RING".
std::optional<CallerId> ParseCallerID(const QString& reply);
// The chunk holds the start of a report whose number or name line has not ended yet.
bool IsUnfinishedReport(const QString& reply);
QString FormatCallerNumber(const QString& number);
// Two-digit hours on the 12-hour clock, minutes, "am" or "pm": "02:05 pm".
QString CallTimeText(const QTime& time);
// The number, trimmed, is item i of either list, trimmed.
bool IsCustomerNumber(const QString& number, const QStringList& telephones, const QStringList& cells);
