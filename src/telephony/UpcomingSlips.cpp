#include "telephony/UpcomingSlips.h"

#include "platform/RegionalFormat.h"

#include <algorithm>

namespace {

struct Listed {
    QDate date;
    int slot;
    QStringList columns;
};

// A number from 1 up, or 0.
int Positive(const QString& text)
{
    bool number = false;
    const int value = text.trimmed().toInt(&number);
    return number && value > 0 ? value : 0;
}

} // namespace

QList<QStringList> UpcomingSlipRows(const QList<SlipRecord>& slips, const QDate& first, const QDate& last,
                                    const QStringList& teamNames, const QStringList& slotLabels)
{
    QList<Listed> listed;
    for (const SlipRecord& slip : slips) {
        const std::optional<QDate> date = ParseShortDate(slip.EventDate.trimmed());
        if (!date || *date < first || *date > last)
            continue;
        const int slot = Positive(slip.StartSlot);
        QString time;
        if (slip.EventKey.trimmed() == QLatin1String("Contract"))
            time = QStringLiteral("Cont");
        else if (slot >= 1 && slot <= 12)
            time = slotLabels.value(slot);
        const int team = Positive(slip.TeamNo);
        const QString teamName = team >= 1 && team < teamNames.size() ? teamNames.at(team) : QString();
        const QString key = QString::number(date->year()) + QString::number(date->dayOfYear());
        // Slips without a readable slot come after the day's timed ones.
        listed.append({*date, slot >= 1 && slot <= 12 ? slot : 13,
                       {slip.CustomerName.trimmed(), slip.EventDate.trimmed(), time, slip.Telephone.trimmed(), teamName,
                        slip.EventText.trimmed(), key}});
    }
    std::stable_sort(listed.begin(), listed.end(), [](const Listed& a, const Listed& b) {
        return a.date != b.date ? a.date < b.date : a.slot < b.slot;
    });
    QList<QStringList> rows;
    for (const Listed& row : listed)
        rows.append(row.columns);
    return rows;
}
