#pragma once

#include <QString>

#include <array>

// What the proposal selection hands the scheduling screen when the user creates a project: the
// customer block (1 name, 2 and 3 address lines, 4 city, 5 state, 6 postal code, 7 telephone),
// the account number and, for a project from a proposal, its number. The scheduling screen
// takes it when it opens and clears Pending.
inline const QString NoProposalCaption = QStringLiteral("Proposal Number");
inline const QString FromProposalCaption = QStringLiteral("Selected from Proposal Number");

struct ProposalHandOverValues {
    std::array<QString, 8> Items; // 1 to 7, trimmed
    QString AccountNo;            // trimmed
    // True: show both proposal labels, the second reading ProposalNo. False: hide both, and
    // ProposalNo is NoProposalCaption, which the project file takes as no proposal.
    bool FromProposal = false;
    QString ProposalNo = NoProposalCaption;
    bool Pending = false;
};

ProposalHandOverValues& ProposalHandOver();
void ResetProposalHandOver();

// The hand-over built from the selection's labels: each item and the account trimmed.
ProposalHandOverValues BuildProposalHandOver(const std::array<QString, 8>& labels, const QString& account,
                                             bool fromProposal, const QString& proposalNo);
