#pragma once

#include "core/WriteFormat.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The proposals the sibling proposal writer leaves in its folder: one write-format file each,
// of which the first 11 items are read, each with the type its text gives it.

inline const QString ProposalsFolder = QStringLiteral("/TamselProposals");

struct ProposalRecord {
    static constexpr int ItemCount = 11;
    // No item goes into a field wider than the customer name's 45 characters; whatever a
    // damaged file holds beyond that is dropped as it is read.
    static constexpr int ItemWidth = 45;

    ReadValue ProposalNo;
    ReadValue ProposalAmount;
    ReadValue CreatedOn;
    ReadValue AccountNo;
    ReadValue CustomerName;
    ReadValue Address1;
    ReadValue Address2;
    ReadValue City;
    ReadValue State;
    ReadValue Zip;
    ReadValue Telephone;

    // A date item as the short date, anything else as it stands.
    QString CreatedOnText() const;
    // Currency text when the item is or reads as a number, else as it stands.
    QString AmountText() const;
    // Name, two address lines, city, state, postal code and telephone: the customer block 1 to 7.
    std::array<QString, 8> CustomerBlock() const;
};

// The record from a file's bytes, each item cut to ItemWidth; nothing when the file ends before
// its 11th item.
std::optional<ProposalRecord> DecodeProposal(const QByteArray& bytes);

struct ProposalListing {
    QList<ProposalRecord> Proposals;
    // Files left out because they end early or cannot be read.
    QStringList Unreadable;
};

// Every "*.txt" of the proposal folder, by name ignoring case. A missing folder lists nothing.
ProposalListing ReadProposals();

// Of the unreadable files, those not yet named to the user in this run (each named once).
QStringList TakeUnreportedProposals(const QStringList& unreadable);
void ForgetReportedProposals();
