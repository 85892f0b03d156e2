// The customer delete: the three files lose the same record together, and a delete cut short by
// a kill or a power cut is finished or undone at the next try.
#include "accounts/CustomerRecords.h"

#include "accounts/ContactFiles.h"
#include "core/FileAccess.h"
#include "platform/ProgramFolder.h"

#include <QFileInfo>
#include <QList>

#include <algorithm>

namespace {

// A delete copies each file without the record to its scratch file and keeps a copy of the old
// file aside; the marker file then says which way a delete cut short goes: on to the scratch
// copies, or back to the old files. Renames are whole, so every state a kill can leave is
// finished or undone from the marker and the sizes of the copies.
struct DeleteStep {
    QString path;
    int length;
    QString scratch;
    QString aside;
};

const DeleteStep DeleteSteps[] = {
    {CustomerDataPath, CustomerRecord::Length, QStringLiteral("/CUSTOMER.TMP"), QStringLiteral("/CUSTOMER.OLD")},
    {CycleInfoPath, CycleRecord::Length, QStringLiteral("/Temp.txt"), QStringLiteral("/CYCLE.OLD")},
    {ContractInfoPath, ContractRecord::Length, QStringLiteral("/ContractTemp.txt"), QStringLiteral("/CONTRACT.OLD")},
};

const QString FinishDelete = QStringLiteral("Finish");
const QString UndoDelete = QStringLiteral("Undo");

bool WriteDeleteMarker(const QString& direction, const QString& accountNo)
{
    TextOutput marker = OpenForOutput(CustomerDeleteMarkerPath);
    // The number names the invoicer's file when the delete is finished: only a safe one is kept.
    marker.WriteItems({direction, IsSafePathPart(accountNo) ? accountNo : QString()});
    return marker.Close();
}

bool IsThere(const QString& path)
{
    return QFileInfo(AppPath(path)).isFile();
}

// The number of records of a file made of whole records only; -1 for a missing or cut file.
qint64 WholeRecords(const QString& path, int length)
{
    const QFileInfo info(AppPath(path));
    if (!info.isFile() || info.size() % length != 0)
        return -1;
    return info.size() / length;
}

// Whether the delete's copies are what it wrote: each copy (or the file it has already
// replaced) exactly one record shorter than the old file (kept aside, or still in its place while
// its copy waits beside it), and the old files all of one count, so the three stay paired. A copy
// emptied or cut by a power cut is not.
bool DeleteCopiesWhole()
{
    const bool copiesLeft =
        std::any_of(std::begin(DeleteSteps), std::end(DeleteSteps), [](const DeleteStep& step) { return IsThere(step.scratch); });
    qint64 count = -1;
    QList<qint64> unmatched;
    for (const DeleteStep& step : DeleteSteps) {
        const bool copy = IsThere(step.scratch);
        const qint64 now = WholeRecords(copy ? step.scratch : step.path, step.length);
        // A file already replaced whose old file is gone: once every copy has taken its file's
        // place there is nothing left to decide, and the old files go one by one.
        if (!IsThere(step.aside) && !copy) {
            if (copiesLeft)
                unmatched.append(now);
            continue;
        }
        const qint64 old = WholeRecords(IsThere(step.aside) ? step.aside : step.path, step.length);
        if (old < 1 || (count >= 0 && old != count) || now != old - 1)
            return false;
        count = old;
    }
    return std::all_of(unmatched.cbegin(), unmatched.cend(), [count](qint64 now) { return now >= 0 && (count < 0 || now == count - 1); });
}

// Whether the old files can go back: each (kept aside, or still in its place) whole and all of
// one count. Going forward, a file with neither its copy nor its old file beside it has been
// replaced already; going back, it has been put back.
bool OldFilesPaired(bool goingBack)
{
    qint64 count = -1;
    for (const DeleteStep& step : DeleteSteps) {
        const bool aside = IsThere(step.aside);
        if (!aside && !goingBack && !IsThere(step.scratch))
            return false;
        const qint64 old = WholeRecords(aside ? step.aside : step.path, step.length);
        if (old < 0 || (count >= 0 && old != count))
            return false;
        count = old;
    }
    return true;
}

bool PutOldFilesBack()
{
    for (const DeleteStep& step : DeleteSteps)
        if (IsThere(step.aside) && !RenameDataFile(step.aside, step.path))
            return false;
    for (const DeleteStep& step : DeleteSteps)
        DeleteFile(step.scratch);
    return DeleteFile(CustomerDeleteMarkerPath);
}

} // namespace

CustomerFileOutcome CheckCustomerFilesThere()
{
    for (const QString& path : {CustomerDataPath, ContractInfoPath, CycleInfoPath}) {
        const FileState state = FileStateOf(path);
        if (state != FileState::Present)
            return {state == FileState::NotRestored ? CustomerFileFault::NotRestored : CustomerFileFault::Missing,
                    path.mid(1)};
    }
    return {};
}

QString CustomerFileNotRestored()
{
    for (const QString& path : {CustomerDataPath, ContractInfoPath, CycleInfoPath})
        if (FileStateOf(path) == FileState::NotRestored)
            return path.mid(1);
    return QString();
}

bool RecoverCustomerDelete()
{
    if (!IsThere(CustomerDeleteMarkerPath))
        return true;
    TextInput marker = OpenForInput(CustomerDeleteMarkerPath);
    if (!marker.IsOpen())
        return false;
    const QString direction = marker.ReadItem().Text();
    const QString accountNo = marker.ReadItem().Text().trimmed();
    if (direction == UndoDelete)
        return OldFilesPaired(true) && PutOldFilesBack();
    if (direction != FinishDelete)
        return false;
    if (!DeleteCopiesWhole()) {
        // Copies the delete did not write whole: the old files go back, and the marker says so
        // first, so a kill on the way back goes on back.
        if (!OldFilesPaired(false) || !WriteDeleteMarker(UndoDelete, QString()))
            return false;
        return PutOldFilesBack();
    }
    for (const DeleteStep& step : DeleteSteps)
        if (IsThere(step.scratch) && !RenameDataFile(step.scratch, step.path))
            return false;
    for (const DeleteStep& step : DeleteSteps) {
        // A stale backup must not bring the deleted customer back.
        DeleteFile(BackupPathOf(step.path));
        DeleteFile(step.aside);
    }
    // The invoicer's file goes only with the customer's records.
    if (IsSafePathPart(accountNo))
        DeleteWithBackup(QStringLiteral("/TIActiveAccounts/") + accountNo + QStringLiteral(".txt"));
    return DeleteFile(CustomerDeleteMarkerPath);
}

bool SettleCustomerDeleteAtStart()
{
    if (IsThere(CustomerDeleteMarkerPath))
        return RecoverCustomerDelete();
    // Without a marker nothing was replaced: what a delete cut short before its marker wrote is
    // of no use to anyone.
    for (const DeleteStep& step : DeleteSteps) {
        DeleteFile(step.scratch);
        DeleteFile(step.aside);
    }
    return true;
}

QStringList CustomerFilesHeldFromBackup()
{
    if (RecoverCustomerDelete())
        return {};
    return {QStringLiteral("CustomerData"), QStringLiteral("ContractInfo"), QStringLiteral("CycleInfo")};
}

CustomerFileOutcome DeleteCustomer(qint64 number)
{
    auto notWritten = [](const QString& path) { return CustomerFileOutcome{CustomerFileFault::NotWritten, path.mid(1)}; };
    // What an earlier delete left is settled first; copies left by one cut short before its
    // marker are stale and go, so none can be taken for this delete's.
    if (!RecoverCustomerDelete())
        return {CustomerFileFault::Unsettled, CustomerDeleteMarkerPath.mid(1)};
    // Compacting the files that are there would pair the customers with the wrong billing
    // records once the missing one comes back.
    if (const CustomerFileOutcome missing = CheckCustomerFilesThere(); !missing)
        return missing;
    for (const DeleteStep& step : DeleteSteps) {
        if (!DeleteFile(step.scratch))
            return notWritten(step.scratch);
        if (!DeleteFile(step.aside))
            return notWritten(step.aside);
    }

    // The invoicer's file is named by the number on file, never by what the box shows now.
    const QString storedAccountNo = ReadCustomer(number).AccountNo.trimmed();

    // Every copy without the record, and every old file kept aside (a copy, so the shared file is
    // never missing), is complete and on the disk before the marker is written: after a power cut
    // the marker never stands beside copies that were still in memory.
    auto allBut = [number](const QByteArray&, qint64 n) { return n != number; };
    QString failed;
    for (const DeleteStep& step : DeleteSteps) {
        if (!WriteCompactedCopy(step.path, step.length, allBut, step.scratch) || !SyncToDisk(step.scratch))
            failed = step.scratch;
        else if (!CopyAppFile(step.path, step.aside))
            failed = step.aside;
        if (!failed.isEmpty())
            break;
    }
    if (failed.isEmpty() && !WriteDeleteMarker(FinishDelete, storedAccountNo))
        failed = CustomerDeleteMarkerPath;
    if (!failed.isEmpty()) {
        for (const DeleteStep& step : DeleteSteps) {
            DeleteFile(step.scratch);
            DeleteFile(step.aside);
        }
        return notWritten(failed);
    }

    for (const DeleteStep& step : DeleteSteps)
        if (failed.isEmpty() && !RenameDataFile(step.scratch, step.path))
            failed = step.path;
    // When one copy cannot take its file's place, those already placed go back to the old files;
    // when not even that can be marked, the delete is finished, now or at the next start.
    if (!failed.isEmpty() && WriteDeleteMarker(UndoDelete, QString()))
        return RecoverCustomerDelete() ? notWritten(failed)
                                       : CustomerFileOutcome{CustomerFileFault::Unsettled, CustomerDeleteMarkerPath.mid(1)};
    // Once every file is replaced the customer is gone; what is left to tidy, the next try does
    // before anything else is written to the three files.
    if (RecoverCustomerDelete() || failed.isEmpty())
        return {};
    return {CustomerFileFault::Unsettled, CustomerDeleteMarkerPath.mid(1)};
}
