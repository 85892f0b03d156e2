#include "platform/RegionalFormat.h"

#include <QRegularExpression>

namespace {
std::optional<QLocale>& LocaleOverride()
{
    static std::optional<QLocale> locale;
    return locale;
}

QLocale Corrected(const QLocale& locale)
{
    if (locale.language() == QLocale::C)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

QString WithFourDigitYear(QString format)
{
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(twoDigitYear, QStringLiteral("yyyy"));
    return format;
}
} // namespace

QLocale RegionalLocale()
{
    return Corrected(LocaleOverride().value_or(QLocale::system()));
}

void SetRegionalLocale(const QLocale& locale)
{
    LocaleOverride() = locale;
}

void ResetRegionalLocale()
{
    LocaleOverride().reset();
}

QString ShortDateFormat()
{
    return WithFourDigitYear(RegionalLocale().dateFormat(QLocale::ShortFormat));
}

QString ShortDateText(const QDate& date)
{
    return RegionalLocale().toString(date, ShortDateFormat());
}

std::optional<QDate> ParseShortDate(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QLocale locale = RegionalLocale();

    QDate date = locale.toDate(trimmed, ShortDateFormat());
    if (date.isValid())
        return date;
    date = QDate::fromString(trimmed, Qt::ISODate);
    if (date.isValid())
        return date;
    date = locale.toDate(trimmed, locale.dateFormat(QLocale::ShortFormat));
    if (date.isValid()) {
        // Two-digit years: 00-29 are this century, 30-99 the last one.
        if (date.year() < 1930)
            date = date.addYears(100);
        return date;
    }
    return std::nullopt;
}

QString CurrencyText(double amount)
{
    return RegionalLocale().toCurrencyString(amount);
}
