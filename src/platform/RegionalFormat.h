#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

// Dates and money written "as the regional settings have them". The machine's locale, with two
// corrections: the year always has four digits, and the C/POSIX locale counts as en_US.
QLocale RegionalLocale();

// Tests fix the locale; ResetRegionalLocale goes back to the machine's.
void SetRegionalLocale(const QLocale& locale);
void ResetRegionalLocale();

// The short date of the regional settings with a four-digit year ("3/7/2026" for en_US).
QString ShortDateFormat();
QString ShortDateText(const QDate& date);

// Reads the regional short date (four- or two-digit year) and also "2026-03-07".
// An unreadable text gives nothing.
std::optional<QDate> ParseShortDate(const QString& text);

// A plain amount in the regional currency form ("$1,234.50" for en_US).
QString CurrencyText(double amount);
