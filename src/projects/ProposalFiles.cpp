#include "projects/ProposalFiles.h"

#include "core/FileAccess.h"
#include "platform/ProgramFolder.h"
#include "platform/RegionalFormat.h"

#include <QDir>
#include <QSet>

#include <algorithm>

namespace {

QSet<QString>& ReportedProposals()
{
    static QSet<QString> reported;
    return reported;
}

} // namespace

QString ProposalRecord::CreatedOnText() const
{
    if (CreatedOn.kind() == ReadValue::Kind::Date)
        if (const std::optional<QDate> date = CreatedOn.Date())
            return ShortDateText(*date);
    return CreatedOn.Text();
}

QString ProposalRecord::AmountText() const
{
    if (const std::optional<double> amount = ProposalAmount.Number())
        return CurrencyText(*amount);
    return ProposalAmount.Text();
}

std::array<QString, 8> ProposalRecord::CustomerBlock() const
{
    return {QString(), CustomerName.Text(), Address1.Text(), Address2.Text(), City.Text(),
            State.Text(), Zip.Text(), Telephone.Text()};
}

std::optional<ProposalRecord> DecodeProposal(const QByteArray& bytes)
{
    ItemReader reader(bytes);
    ProposalRecord record;
    ReadValue* items[ProposalRecord::ItemCount] = {
        &record.ProposalNo, &record.ProposalAmount, &record.CreatedOn, &record.AccountNo,
        &record.CustomerName, &record.Address1, &record.Address2, &record.City,
        &record.State, &record.Zip, &record.Telephone,
    };
    for (ReadValue* item : items) {
        if (reader.AtEnd())
            return std::nullopt;
        ItemView view = reader.ReadItemView();
        view.Bytes = view.Bytes.first(std::min<qsizetype>(view.Bytes.size(), ProposalRecord::ItemWidth));
        *item = view.Value();
    }
    return record;
}

ProposalListing ReadProposals()
{
    ProposalListing listing;
    const QStringList names = QDir(AppPath(ProposalsFolder))
                                  .entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QByteArray bytes;
    for (const QString& name : names) {
        std::optional<ProposalRecord> record;
        if (ReadWholeFile(ProposalsFolder + QLatin1Char('/') + name, bytes))
            record = DecodeProposal(bytes);
        if (record)
            listing.Proposals.append(*record);
        else
            listing.Unreadable.append(name);
    }
    return listing;
}

QStringList TakeUnreportedProposals(const QStringList& unreadable)
{
    QStringList unreported;
    for (const QString& name : unreadable)
        if (!ReportedProposals().contains(name)) {
            ReportedProposals().insert(name);
            unreported.append(name);
        }
    return unreported;
}

void ForgetReportedProposals()
{
    ReportedProposals().clear();
}
