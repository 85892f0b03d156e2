#pragma once

#include <QDate>
#include <QDateTime>

// Every use of today's date or the time of day goes through here, so tests can fix it.
namespace Clock {
QDateTime Now();
QDate Today();

// Fixes the clock at a moment (tests); an invalid moment lets it run again.
void Fix(const QDateTime& moment);
void Release();
} // namespace Clock
