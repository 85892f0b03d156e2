#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <utility>

// Blocked days: team days reserved for a reason so that nothing is booked on them. A blocked
// day file holds the reason on all twelve lines, as bare text; the team day store counts such
// a day as taken.

inline const QStringList BlockReasons{QStringLiteral("Vacation"), QStringLiteral("Holiday"),
                                      QStringLiteral("Personal Day"), QStringLiteral("Sick Day")};

bool IsBlockReason(const QString& text);

// The days a request covers: `count` consecutive workdays from the first workday on or after
// `start`, days between them that are not workdays left out.
QList<QDate> RequestWorkdays(const QDate& start, int count);

// The first slot (1 to 12) that stops a reservation for `reason`: one holding anything but a
// free text or that very reason, compared whole after trimming. 0 when the day may be blocked.
int FirstConflictingSlot(const std::array<QString, 12>& slotTexts, const QString& reason);

struct BlockDayCheck {
    enum Kind { Free, Conflict, Unreadable } Kind = Free;
    int Slot = 0; // the conflicting slot, 1 to 12
};
// Looks at a team's day before it is reserved (sets the store's day path). A day file that is
// there but cannot be read is never taken for a free day.
BlockDayCheck CheckJulian(const QDate& day, const QString& team, const QString& reason);

// Replaces the day file with twelve lines of the reason, reading it again just before: a slot
// another program booked since the check stops it. 0 written, the slot (1 to 12) that stopped
// it, or -1 when it could not be read or written.
int WriteBlockedDay(const QDate& day, const QString& team, const QString& reason);
// Frees the slots holding a reason; every other line is written back as it was, missing lines
// become free. False when the day file could not be read or written.
bool RestoreBlockedDay(const QDate& day, const QString& team);

// How a request ended; on a stop, the team and day (and slot) that stopped it. A request is
// whole or nothing: every day of every team is checked before any is written, and a write that
// fails puts back the days already written. Days that could not be put back are listed, with
// their teams.
struct BlockRequestResult {
    enum Kind { Done, Conflict, Unreadable, NotWritten } Kind = Done;
    QString Team;
    QDate Day;
    int Slot = 0;
    QList<std::pair<QString, QDate>> NotPutBack;
};
// The days of the teams, in order. A later year's folders are made for every team. A day whose
// place holds anything but a plain file that reads (a folder, a pipe) cannot be read.
BlockRequestResult ReserveTeamDays(const QStringList& teams, const QList<QDate>& days, const QString& reason);
BlockRequestResult RestoreTeamDays(const QStringList& teams, const QList<QDate>& days);

struct BlockedDayRow {
    int TeamNumber = 0;
    QDate Day;
    QString Reason;
};
// Every team's days from `first` through `last`, every day of the week, whose day file starts
// with one of the reasons; team by team, in date order.
QList<BlockedDayRow> FindBlockedDays(const QDate& first, const QDate& last);
