#include "projects/InvoiceRecord.h"

#include "core/FileAccess.h"
#include "core/WriteFormat.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"
#include "platform/RegionalFormat.h"

#include <QFileInfo>

#include <limits>

namespace {

qint32 YearNumber(int year, int sequence)
{
    return qint32(year) * 10000 + sequence;
}

} // namespace

qint32 GetInvoiceNumber()
{
    const int year = Clock::Today().year();
    if (!FileExists(InvoiceNumberPath))
        return YearNumber(year, 1);
    TextInput input = OpenForInput(InvoiceNumberPath);
    const std::optional<qint64> value = input.ReadItem().Integer();
    qint32 number = value && *value > 0 && *value <= std::numeric_limits<qint32>::max() ? qint32(*value)
                                                                                          : YearNumber(year, 0);
    // A number of a year gone by starts the new year's sequence.
    if (QString::number(number).left(4) < QString::number(year))
        number = YearNumber(year, 1);
    return number;
}

QString InvoiceRecordPath(qint32 invoiceNo)
{
    return IncompleteInvoicesFolder + QLatin1Char('/') + QString::number(invoiceNo) + QStringLiteral(".txt");
}

QString ProposalPayment(const ProjectHeader& header)
{
    const QString proposalNo = header.ProposalNo;
    const QString trimmed = proposalNo.trimmed();
    if (trimmed.isEmpty() || trimmed == QLatin1String("Proposal Number") || !IsSafePathPart(proposalNo))
        return CurrencyText(0);
    const QString path = ProposalPaymentsFolder + QLatin1Char('/') + proposalNo + QStringLiteral(".txt");
    if (!FileExists(path))
        return CurrencyText(0);
    TextInput input = OpenForInput(path);
    return input.ReadLine();
}

QByteArray FormatInvoiceRecord(const ProjectHeader& h, qint32 invoiceNo, const QString& amount, const QDate& today)
{
    const QString number = QString::number(invoiceNo).trimmed();
    const QString date = ShortDateText(today);
    QByteArray lines;
    for (const QString& plain : {number, h.AccountNo.trimmed(), h.CustomerName.trimmed(), date})
        lines += FormatPlainLine(plain);
    for (const QString& quoted : {h.CustomerName, h.Address1, h.Address2, h.City, h.State, h.Zip, h.SiteName,
                                  h.SiteAddress1, h.SiteAddress2, h.SiteCity, h.SiteState, h.SiteZip})
        lines += FormatWriteLine({quoted});
    for (const QString& plain : {number, h.AccountNo.trimmed(), h.ProjectNo.trimmed(), QString(), QStringLiteral("1"),
                                 QStringLiteral("1"), h.ProjectName, date, amount, amount, QStringLiteral("False")})
        lines += FormatPlainLine(plain);
    return lines;
}

bool WriteInvoiceRecord(const ProjectHeader& header, qint32 invoiceNo, const QString& amount)
{
    // The invoicer's folders may have gone while the program runs.
    MakeFolder(QStringLiteral("/TamselInvoicer"));
    MakeFolder(IncompleteInvoicesFolder);
    TextOutput output = OpenForOutput(InvoiceRecordPath(invoiceNo));
    output.WriteRaw(FormatInvoiceRecord(header, invoiceNo, amount, Clock::Today()));
    return output.Close();
}

bool WriteInvoiceNumber(qint32 number)
{
    TextOutput output = OpenForOutput(InvoiceNumberPath);
    output.WriteItems({qint64(number)});
    if (!output.Close())
        return false;
    DeleteFile(BackupPathOf(InvoiceNumberPath));
    return true;
}

bool SaveInvoiceNumber(qint32 invoiceNo)
{
    return WriteInvoiceNumber(invoiceNo + 1);
}

InvoiceRecordResult CreateInvoiceRecord(const ProjectHeader& header)
{
    // A number file that is there but cannot be read would restart the year's numbers over the
    // invoicer's own; no record is made then.
    if (FileExists(InvoiceNumberPath) && !OpenForInput(InvoiceNumberPath).IsOpen())
        return {InvoiceRecordResult::RecordNotWritten, 0};
    qint32 invoiceNo = GetInvoiceNumber();
    // A record of that number left by an earlier run or by the invoicer is never replaced.
    while (QFileInfo::exists(AppPath(InvoiceRecordPath(invoiceNo))) && invoiceNo < std::numeric_limits<qint32>::max())
        ++invoiceNo;
    if (!WriteInvoiceRecord(header, invoiceNo, ProposalPayment(header)))
        return {InvoiceRecordResult::RecordNotWritten, invoiceNo};
    if (!SaveInvoiceNumber(invoiceNo))
        return {InvoiceRecordResult::NumberNotWritten, invoiceNo};
    return {InvoiceRecordResult::Created, invoiceNo};
}
