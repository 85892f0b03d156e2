#pragma once

#include <QString>

// Addresses and names of outside parties: the program's maker, its online manual and the
// suppliers of business forms behind the main menu's Order Forms. They are placeholders to be
// set for the business that runs the program.
namespace Links {

inline const QString MakerName = QStringLiteral("Construction Scheduler Software");
inline const QString MakerWebSite = QStringLiteral("https://www.example.com/");
inline const QString UserManual = QStringLiteral("https://www.example.com/manual/");

// The sibling invoicer prints on the check supplier's checks.
inline const QString InvoicerName = QStringLiteral("Tamsel Invoicer");
inline const QString CheckSupplierName = QStringLiteral("Check Supplier");
inline const QString CheckModels = QStringLiteral("Checks: model 00000   Envelopes: model 00000");
inline const QString ChecksPage = QStringLiteral("https://www.example.com/checks/");
inline const QString DepositSlipsPage = QStringLiteral("https://www.example.com/deposit-slips/");
inline const QString PlainPaperPage = QStringLiteral("https://www.example.com/paper/");
inline const QString PerforatedPaperPage = QStringLiteral("https://www.example.com/perforated-paper/");
inline const QString FormsSupplierName = QStringLiteral("Forms Supplier");
inline const QString ProposalFormsPage = QStringLiteral("https://www.example.com/carbonless-forms/");
inline const QString MailingLabelsPage = QStringLiteral("https://www.example.com/address-labels/");
inline const QString ShippingLabelsPage = QStringLiteral("https://www.example.com/shipping-labels/");

} // namespace Links
