#include "core/Shutdown.h"

#include "core/FileAccess.h"
#include "core/SharedState.h"
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

void BackupSharedFiles()
{
    Shared().BackupPath = ProgramFolder() + QStringLiteral("/Backup/");
    BackupFileList();
}

void BackupFileList()
{
    for (const QString& name : BackupFileNames()) {
        const QString file = QLatin1Char('/') + name + QStringLiteral(".txt");
        if (!QFileInfo(AppPath(file)).isFile())
            continue;
        // The copy replaces the old backup only once it is complete; a failure skips the file.
        CopyAppFile(file, BackupPathOf(file));
    }
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
