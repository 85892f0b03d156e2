#pragma once

#include "scheduling/ProjectFile.h"

#include <QByteArray>
#include <QDate>
#include <QString>

// The partial invoice record left for the sibling invoicer when a project is completed: a file
// of 27 lines named after the next invoice number, and the shared number file the invoicer
// advances too. Invoice numbers are the year's four digits followed by a four-digit sequence.

inline const QString InvoiceNumberPath = QStringLiteral("/TIInvoiceNo.txt");
inline const QString IncompleteInvoicesFolder = QStringLiteral("/TamselInvoicer/IncompleteInvoices");
inline const QString ProposalPaymentsFolder = QStringLiteral("/TamselProposals/ProposalPayments");
inline const QString InvoicerProgramPath = QStringLiteral("/TamselInvoicer.exe");

// The number the next record uses: the number file's value, the year's 0000 for a 0 or an
// unreadable value, the year's 0001 without the file or once a new year has begun.
qint32 GetInvoiceNumber();
QString InvoiceRecordPath(qint32 invoiceNo);
// The first line of the proposal's payment file as it stands, or zero in currency form when the
// project has no proposal, its number cannot name a file, or there is no payment file.
QString ProposalPayment(const ProjectHeader& header);
// The 27 lines of the record, CR LF after each.
QByteArray FormatInvoiceRecord(const ProjectHeader& header, qint32 invoiceNo, const QString& amount,
                               const QDate& today);
// Writes the record file (its folders made again when missing); false when it was not written.
bool WriteInvoiceRecord(const ProjectHeader& header, qint32 invoiceNo, const QString& amount);
// Replaces the number file by one holding the number, and removes its backup copy.
bool WriteInvoiceNumber(qint32 number);
bool SaveInvoiceNumber(qint32 invoiceNo);

struct InvoiceRecordResult {
    enum Outcome { Created, RecordNotWritten, NumberNotWritten } outcome = Created;
    qint32 InvoiceNo = 0;
};
// Writes the record under the next number whose record file does not exist yet, then the
// number file with the number after it. Nothing advances when the record is not written.
InvoiceRecordResult CreateInvoiceRecord(const ProjectHeader& header);
