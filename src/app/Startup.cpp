#include "app/Startup.h"

#include "accounts/CustomerRecords.h"
#include "accounts/frmContacts.h"
#include "accounts/frmCustomer.h"
#include "app/frmSetup.h"
#include "app/frmSplash.h"
#include "app/frmStartup.h"
#include "core/DataUpkeep.h"
#include "core/FileAccess.h"
#include "core/Navigation.h"
#include "core/Routines.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "core/Utilities.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/ProgramNames.h"
#include "platform/Screen.h"
#include "platform/SingleInstance.h"
#include "projects/frmCustomerSelection.h"
#include "projects/frmProjectControl.h"
#include "projects/frmWorkOrder.h"
#include "scheduling/DayPurge.h"
#include "scheduling/frmAdmin.h"
#include "scheduling/frmBlock.h"
#include "telephony/frmDialer.h"
#include "scheduling/frmMain.h"
#include "telephony/frmCallBack.h"
#include "telephony/frmCallID.h"
#include "telephony/frmSlip.h"

#include <QFileInfo>
#include <QSet>

#include <filesystem>
#include <future>
#include <system_error>
#include <vector>

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

// The names of the folders in a folder, from one listing (none when it cannot be listed).
QSet<QString> SubfolderNames(const QString& path)
{
    namespace fs = std::filesystem;
    QSet<QString> names;
    std::error_code error;
    for (fs::directory_iterator entry(fs::path(AppPath(path).toStdU16String()), error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code typeError;
        if (entry->is_directory(typeError))
            names.insert(QString::fromStdU16String(entry->path().filename().u16string()));
    }
    return names;
}

// Each account's folder and its six subfolders, where missing; the folders that could not be
// made. One listing of what is there saves a look at each of the seven folders of every account.
QStringList MakeAccountFolders(const QStringList& accounts, const QSet<QString>& accountFolders)
{
    QStringList notMade;
    // Two numbers may name one folder (a case-blind disk): the other maker's folder is as good.
    auto make = [&notMade](const QString& folder) {
        if (!MakeFolder(folder) && !QFileInfo(AppPath(folder)).isDir())
            notMade.append(folder);
    };
    for (const QString& accountNo : accounts) {
        const QString folder = QStringLiteral("/AuxFiles/") + accountNo;
        const bool listed = accountFolders.contains(accountNo);
        if (!listed)
            make(folder);
        const QSet<QString> subfolders = listed ? SubfolderNames(folder) : QSet<QString>();
        for (int i = 0; i <= 5; ++i) {
            const QString name = QStringLiteral("AuxFile") + QString::number(i);
            if (!subfolders.contains(name))
                make(folder + QLatin1Char('/') + name);
        }
    }
    return notMade;
}

std::future<QStringList>& AccountFoldersPass()
{
    static std::future<QStringList> pass;
    return pass;
}

QString ThisYear()
{
    return QString::number(Clock::Today().year());
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
    const CustomerFileSnapshot file;
    QStringList accounts;
    const int count = file.Count();
    for (int n = 1; n <= count; ++n) {
        const QString accountNo = file.Field(n, &CustomerRecord::AccountNo).trimmed();
        // A record without an account number has no folder of its own.
        if (accountNo.isEmpty())
            continue;
        const QString folder = QStringLiteral("/AuxFiles/") + accountNo;
        // An account number that would lead out of its folder gets no folders.
        if (!IsSafePathPart(accountNo)) {
            NoteFolderNotMade(folder);
            continue;
        }
        accounts.append(accountNo);
    }
    accounts.removeDuplicates();
    // On a big folder this is thousands of folders: they are made beside the loading of the
    // screens, and WaitForAccountFolders holds the start until they are all there.
    AccountFoldersPass() = std::async(std::launch::async, [accounts] {
        // Many small waits on the file system: four parts run at once.
        const QSet<QString> accountFolders = SubfolderNames(QStringLiteral("/AuxFiles"));
        const qsizetype part = (accounts.size() + 3) / 4;
        std::vector<std::future<QStringList>> parts;
        for (qsizetype from = part; from < accounts.size(); from += part)
            parts.push_back(std::async(std::launch::async, [&accounts, &accountFolders, from, part] {
                return MakeAccountFolders(accounts.mid(from, part), accountFolders);
            }));
        QStringList notMade = MakeAccountFolders(accounts.mid(0, part), accountFolders);
        for (std::future<QStringList>& other : parts)
            notMade += other.get();
        return notMade;
    });
}

void WaitForAccountFolders()
{
    if (!AccountFoldersPass().valid())
        return;
    for (const QString& folder : AccountFoldersPass().get())
        NoteFolderNotMade(folder);
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
    if (ProgramLock().TryAcquire())
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
    ScreenInstance<frmMain>().LoadTeamList();
    ScreenInstance<frmBlock>().FillAssignments();
    CreateYearFolders(ThisYear());
}

void StartProgram()
{
    // The board's load reads every project file before the menu is offered.
    ScreenInstance<frmProjectControl>();
    if (Shared().TeamNames.value(0) != QLatin1String("empty"))
        FillTeamLists();
    CheckYearRollover();
    if (!PurgeOldDays())
        ShowWriteFailure(QStringLiteral("The past days and meetings could not be purged."),
                         QStringLiteral("Purge Failed"));
    // The customer screen shows an account's free-text folders.
    WaitForAccountFolders();
    ScreenInstance<frmCustomer>();
    Shared().CurrentDate = Clock::Today();
}

namespace {

template <typename T>
void RegisterScreenClass(const char* name)
{
    RegisterScreen(QString::fromLatin1(name), []() -> Screen& { return ScreenInstance<T>(); });
}

} // namespace

void RegisterRoutineScreens()
{
    RegisterRoutine(1, [] { ScreenInstance<frmCustomerSelection>().Show(); });
    RegisterRoutine(2, [] { ScreenInstance<frmCustomer>().Show(); });
    RegisterRoutine(3, [] { ScreenInstance<frmMain>().Show(); });
    RegisterRoutine(4, [] { ScreenInstance<frmAdmin>().Show(); });
    RegisterRoutine(5, [] { ScreenInstance<frmCallID>().Show(); });
    RegisterRoutine(6, [] { ScreenInstance<frmCallBack>().Show(); });
    RegisterRoutine(7, [] { ScreenInstance<frmContacts>().Show(); });
    RegisterRoutine(8, [] { ScreenInstance<frmBlock>().Show(); });
    RegisterRoutine(9, [] { ScreenInstance<frmCustomer>().Show(); });
    RegisterRoutine(10, [] { ScreenInstance<frmProjectControl>().Show(); });
}

void RegisterScreens()
{
    RegisterScreenClass<frmStartup>("frmStartup");
    RegisterScreenClass<frmSetup>("frmSetup");
    RegisterScreenClass<frmCustomer>("frmCustomer");
    RegisterScreenClass<frmContacts>("frmContacts");
    RegisterScreenClass<frmProjectControl>("frmProjectControl");
    RegisterScreenClass<frmBlock>("frmBlock");
    RegisterScreenClass<frmAdmin>("frmAdmin");
    RegisterScreenClass<frmDialer>("frmDialer");
    RegisterScreenClass<frmMain>("frmMain");
    RegisterScreenClass<frmCallID>("frmCallID");
    RegisterScreenClass<frmCallBack>("frmCallBack");
    RegisterScreenClass<frmSlip>("frmSlip");
    RegisterScreenClass<frmWorkOrder>("frmWorkOrder");
    RegisterScreenClass<frmCustomerSelection>("frmCustomerSelection");
    SetMainMenu([] { ScreenInstance<frmStartup>().Show(); });
    SetTeamListChangedAction(&FillTeamLists);
    SetNoProjectsAction([] { ScreenInstance<frmStartup>().DisableProjectRoutines(); });
}

bool Main()
{
    // Screens that load early read the year, so it is known from the first step.
    Shared().CurrentYear = ThisYear();
    RegisterRoutineScreens();
    RegisterScreens();

    CreateDataFolders();
    CreateSiblingFolders();
    CreateDocumentFolders();

    frmSplash& splash = ScreenInstance<frmSplash>();
    splash.Show();
    splash.repaint();

    if (!CheckPrevInstance()) {
        WaitForAccountFolders();
        return false;
    }

    // A customer delete cut short is settled before any screen pairs customers with billing
    // records; only the copy that holds the lock may touch it.
    if (!RecoverCustomerDelete())
        ShowWriteFailure(QStringLiteral("A customer delete that was cut short could not be finished."),
                         QStringLiteral("Customer Files"));

    if (!ReadAssignments())
        MsgBox(QStringLiteral("The team list, Assignto.txt, could not be read.\n"
                              "The teams cannot be shown or changed until it can be read."),
               MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Team List"));
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

void ResetStartupState()
{
    ResetShutdownState();
    WaitForAccountFolders();
    ForgetFoldersNotMade();
    FailuresReported() = false;
}

