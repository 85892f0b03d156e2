#include "core/Shutdown.h"

#include "core/FileAccess.h"
#include "core/SharedState.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/Screen.h"
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

void DefaultEndAction()
{
    QCoreApplication::exit(0);
}

void (*&EndAction())()
{
    static void (*action)() = &DefaultEndAction;
    return action;
}

QStringList (*&ExitBackupHold())()
{
    static QStringList (*held)() = nullptr;
    return held;
}

bool& EndedFlag()
{
    static bool ended = false;
    return ended;
}

} // namespace

SingleInstanceLock& ProgramLock()
{
    static SingleInstanceLock lock;
    return lock;
}

QStringList BackupFileNames()
{
    return {QStringLiteral("CompanyLogo"), QStringLiteral("CustomerData"), QStringLiteral("AuxHeadings"),
            QStringLiteral("LogoSettings"), QStringLiteral("Phone"), QStringLiteral("MyBusinessData"),
            QStringLiteral("PrintColors"), QStringLiteral("SoldItems"), QStringLiteral("MyWebSite"),
            QStringLiteral("TaxRecords"), QStringLiteral("SpeedNumbers")};
}

void SetExitBackupHold(QStringList (*held)())
{
    ExitBackupHold() = held;
}

void BackupSharedFiles()
{
    Shared().BackupPath = ProgramFolder() + QStringLiteral("/Backup/");
    BackupFileList();
}

namespace {

// The shared files kept in fixed-length records, with their record length.
int RecordLengthOf(const QString& name)
{
    return name == QLatin1String("CustomerData") ? 328 : 0;
}

// Empty, or cut in the middle of a record: something went wrong with the file since its last
// backup, and the backup is the copy worth keeping.
bool LooksDamaged(const QString& name, qint64 size)
{
    const int recordLength = RecordLengthOf(name);
    return size == 0 || (recordLength > 0 && size % recordLength != 0);
}

} // namespace

void BackupFileList()
{
    QStringList kept;
    const QStringList held = ExitBackupHold() ? ExitBackupHold()() : QStringList();
    for (const QString& name : BackupFileNames()) {
        if (held.contains(name))
            continue;
        const QString file = QLatin1Char('/') + name + QStringLiteral(".txt");
        const QFileInfo info(AppPath(file));
        if (!info.isFile())
            continue;
        const QFileInfo backup(AppPath(BackupPathOf(file)));
        if (LooksDamaged(name, info.size()) && backup.isFile() && backup.size() > 0) {
            kept.append(file.mid(1));
            continue;
        }
        // The copy replaces the old backup only once it is complete; a failure skips the file.
        CopyAppFile(file, BackupPathOf(file));
    }
    if (!kept.isEmpty())
        MsgBox(QStringLiteral("These files look damaged (empty or cut short), so their backup copies were kept:\n")
                   + kept.join(QLatin1Char('\n')),
               MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Backup"));
}

void EndProgram()
{
    if (EndedFlag())
        return;
    EndedFlag() = true;
    BackupSharedFiles();
    ScreenRegistry::Instance().UnloadAll();
    ProgramLock().Release();
    EndAction()();
}

void SetProgramEndAction(void (*action)())
{
    EndAction() = action ? action : &DefaultEndAction;
}

bool ProgramEnded()
{
    return EndedFlag();
}

void ResetShutdownState()
{
    EndedFlag() = false;
    ProgramLock().Release();
}
