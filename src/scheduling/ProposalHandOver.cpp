#include "scheduling/ProposalHandOver.h"

ProposalHandOverValues& ProposalHandOver()
{
    static ProposalHandOverValues values;
    return values;
}

void ResetProposalHandOver()
{
    ProposalHandOver() = ProposalHandOverValues{};
}

ProposalHandOverValues BuildProposalHandOver(const std::array<QString, 8>& labels, const QString& account,
                                             bool fromProposal, const QString& proposalNo)
{
    ProposalHandOverValues values;
    for (size_t i = 1; i <= 7; ++i)
        values.Items[i] = labels[i].trimmed();
    values.AccountNo = account.trimmed();
    values.FromProposal = fromProposal;
    values.ProposalNo = fromProposal ? proposalNo : NoProposalCaption;
    values.Pending = true;
    return values;
}
