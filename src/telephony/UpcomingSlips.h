#pragma once

#include "scheduling/SlipRecord.h"

#include <QDate>
#include <QList>
#include <QStringList>

// The service slips of a date range as the call-back list shows them, seven texts a row:
// account name, date as stored, time ("Cont" for a contract visit, else the slot's label),
// telephone, team name, service, and the year-and-day key. Rows are in date order, within a
// day by start slot, then in file order. A slip whose date cannot be read is left out; a slot
// outside 1 to 12 gives a blank time; the team is entry TeamNo of the team names (entry 0 is
// no team), blank when that cannot be read or lies beyond the list.
QList<QStringList> UpcomingSlipRows(const QList<SlipRecord>& slips, const QDate& first, const QDate& last,
                                    const QStringList& teamNames, const QStringList& slotLabels);

inline constexpr int UpcomingSlipColumns = 7;
