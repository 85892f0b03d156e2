#include "core/Startup.h"
#include "core/Utilities.h"

#include "core/DataUpkeep.h"
#include "core/FileAccess.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "accounts/frmContacts.h"
#include "accounts/frmCustomer.h"
#include "core/Routines.h"
#include "core/frmSetup.h"
#include "core/frmSplash.h"
#include "core/frmStartup.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/ProgramNames.h"
#include "platform/Screen.h"
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

bool& FailuresReported()
{
    static bool reported = false;
    return reported;
}

void ReportFailedFolders()
{
    if (FoldersNotMade().isEmpty() || FailuresReported())
        return;
    FailuresReported() = true;
    ShowWriteFailure(QStringLiteral("These folders could not be created:\n") + FoldersNotMade().join(QLatin1Char('\n')),
                     QStringLiteral("Folder Error"));
}

QString ThisYear()
{
    return QString::number(Clock::Today().year());
}

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

SingleInstanceLock& InstanceLock()
{
    static SingleInstanceLock lock;
    return lock;
}

} // namespace

void CreateDataFolders()
{
    EnsureFolder(QLatin1Char('/') + ThisYear());
    EnsureFolder(QStringLiteral("/Templates"));
    EnsureFolder(QStringLiteral("/TIActiveAccounts"));
    EnsureFolder(QStringLiteral("/Backup"));
    EnsureFolder(QStringLiteral("/Backup/TIActiveAccounts"));
    EnsureFolder(QStringLiteral("/Backup/TIActiveAccountsBACK"));
    EnsureFolder(QStringLiteral("/AuxFiles"));

    const QString customers = QStringLiteral("/CustomerData.txt");
    if (!FileExists(customers) || GetFileRecordCount(customers, 328) < 1)
        return;
    RecordFile file = OpenCustomerFile();
    const qint64 count = file.Count();
    for (qint64 n = 1; n <= count; ++n) {
        const QString accountNo = ReadTextField(file.Read(n), 0, 20).trimmed();
        const QString folder = QStringLiteral("/AuxFiles/") + accountNo;
        // An account number that would lead out of its folder gets no folders.
        if (!IsSafePathPart(accountNo) && !accountNo.isEmpty()) {
            NoteFolderNotMade(folder);
            continue;
        }
        EnsureFolder(folder);
        for (int i = 0; i <= 5; ++i)
            EnsureFolder(folder + QStringLiteral("/AuxFile") + QString::number(i));
    }
}

void CreateSiblingFolders()
{
    EnsureFolder(QLatin1Char('/') + ProgramName);
    EnsureFolder(QStringLiteral("/TamselInvoicer"));
    EnsureFolder(QStringLiteral("/TamselInvoicer/IncompleteInvoices"));
    EnsureFolder(QStringLiteral("/Backup"));
    EnsureFolder(QStringLiteral("/Backup/ConstructionProjects"));
    EnsureFolder(QStringLiteral("/Backup/") + ProgramName);
    EnsureFolder(QStringLiteral("/ConstructionProjects"));
}

void CreateDocumentFolders()
{
    EnsureFolder(QStringLiteral("/Documents"));
    EnsureFolder(QStringLiteral("/Documents/Projects"));
    EnsureFolder(QStringLiteral("/Documents/Contracts"));
    EnsureFolder(QStringLiteral("/Documents/Work Orders"));
}

void CreateBackupYearFolders()
{
    const int year = Clock::Today().year();
    for (int y = year; y <= year + 2; ++y)
        EnsureFolder(QStringLiteral("/Backup/") + QString::number(y));
    for (int y = year; y <= year + 2; ++y)
        for (int team = 1; team <= Shared().TeamCount(); ++team)
            EnsureFolder(QStringLiteral("/Backup") + TeamFolderPath(QString::number(y), team));
}

bool CheckPrevInstance()
{
    if (InstanceLock().TryAcquire())
        return true;
    MsgBox(ProgramTitle + QStringLiteral(" is already Running!\nLook for it on the Task Bar"),
           MsgButtons::OkOnly, MsgIcon::None, ProgramTitle);
    return false;
}

void InitTimeSlotNames()
{
    Shared().TimeSlotLabels = {QString(),
                               QStringLiteral("06:00"), QStringLiteral("07:00"), QStringLiteral("08:00"),
                               QStringLiteral("09:00"), QStringLiteral("10:00"), QStringLiteral("11:00"),
                               QStringLiteral("01:00"), QStringLiteral("02:00"), QStringLiteral("03:00"),
                               QStringLiteral("04:00"), QStringLiteral("05:00"), QStringLiteral("06:00")};
    Shared().WeekdayNames = {QString(),
                             QStringLiteral("Sunday"), QStringLiteral("Monday"), QStringLiteral("Tuesday"),
                             QStringLiteral("Wednesday"), QStringLiteral("Thursday"), QStringLiteral("Friday"),
                             QStringLiteral("Saturday")};
}

void InitArrays()
{
    // The loaded-project tables start as one empty element each; nothing holds them yet.
}

void InitLists()
{
    InitTimeSlotNames();
    InitArrays();
}

void FillTeamLists()
{
    // Filling a team list loads the screen that holds it.
    ScreenInstance<frmSetup>().FillAssignmentsList();
    CreateYearFolders(ThisYear());
}

void StartProgram()
{
    if (Shared().TeamNames.value(0) != QLatin1String("empty"))
        FillTeamLists();
    CheckYearRollover();
    PurgeOldDays();
    ScreenInstance<frmCustomer>();
    Shared().CurrentDate = Clock::Today();
}

void RegisterRoutineScreens()
{
    RegisterRoutine(7, [] { ScreenInstance<frmContacts>().Show(); });
    RegisterRoutine(9, [] { ScreenInstance<frmCustomer>().Show(); });
}

bool Main()
{
    // Screens that load early read the year, so it is known from the first step.
    Shared().CurrentYear = ThisYear();
    RegisterRoutineScreens();

    CreateDataFolders();
    CreateSiblingFolders();
    CreateDocumentFolders();

    frmSplash& splash = ScreenInstance<frmSplash>();
    splash.Show();
    splash.repaint();

    if (!CheckPrevInstance())
        return false;

    ReadAssignments();
    CreateBackupYearFolders();
    InitLists();
    StartProgram();
    // The settings screen stays loaded and hidden for the whole run; its load reads every
    // settings file.
    ScreenInstance<frmSetup>();
    ScreenInstance<frmStartup>();
    ReportFailedFolders();
    return true;
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
    InstanceLock().Release();
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

void ResetStartupState()
{
    EndedFlag() = false;
    ForgetFoldersNotMade();
    FailuresReported() = false;
    InstanceLock().Release();
}

