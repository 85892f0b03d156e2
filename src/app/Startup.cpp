#include "app/Startup.h"

#include "accounts/AuxData.h"
#include "accounts/ContactRecord.h"
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
#include "projects/InvoiceRecord.h"
#include "projects/NarrativeTemplate.h"
#include "projects/PickLists.h"
#include "projects/frmCustomerSelection.h"
#include "projects/frmProjectControl.h"
#include "projects/frmWorkOrder.h"
#include "scheduling/DayPurge.h"
#include "scheduling/EventRecords.h"
#include "scheduling/ProjectCounter.h"
#include "scheduling/ProjectFile.h"
#include "scheduling/TeamDelete.h"
#include "scheduling/frmAdmin.h"
#include "scheduling/frmBlock.h"
#include "telephony/CallLog.h"
#include "telephony/PhoneSettings.h"
#include "telephony/SpeedDials.h"
#include "telephony/frmDialer.h"
#include "scheduling/frmMain.h"
#include "telephony/frmCallBack.h"
#include "telephony/frmCallID.h"
#include "telephony/frmSlip.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <future>
#include <new>
#include <system_error>
#include <utility>
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
    const QStringList failed = FoldersNotMade();
    if (failed.size() <= FewLinesShown) {
        ShowWriteFailure(QStringLiteral("These folders could not be created:\n") + failed.join(QLatin1Char('\n')),
                         QStringLiteral("Folder Error"));
        return;
    }
    // Thousands when the account folders cannot be made: the count, the folder they all lie
    // under, and a few of them.
    QStringList common = failed.first().split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& folder : failed) {
        const QStringList parts = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        qsizetype same = 0;
        while (same < common.size() && same < parts.size() && common.at(same) == parts.at(same))
            ++same;
        common = common.first(same);
    }
    const QString under = common.isEmpty() ? QStringLiteral("in the program folder")
                                           : QStringLiteral("under ") + QLatin1Char('/') + common.join(QLatin1Char('/'));
    ShowWriteFailure(QStringLiteral("%1 folders could not be created %2, among them:\n%3")
                         .arg(QString::number(failed.size()), under, FewLines(failed)),
                     QStringLiteral("Folder Error"));
}

// The names of the folders in a folder, from one listing (none when it cannot be listed).
// Qt decodes every name, whatever its bytes: a folder copied from an older machine may carry
// a name that is not UTF-8.
QSet<QString> SubfolderNames(const QString& path)
{
    QSet<QString> names;
    QDirIterator entries(AppPath(path), QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext())
        names.insert(entries.nextFileInfo().fileName());
    return names;
}

// Each account's folder and its six subfolders, where missing; the folders that could not be
// made. One listing of what is there saves a look at each of the seven folders of every account.
QStringList MakeAccountFolders(const QStringList& accounts, const QSet<QString>& accountFolders)
{
    QStringList notMade;
    // Two numbers may name one folder (a case-blind disk): MakeFolder takes the other maker's.
    auto make = [&notMade](const QString& folder) {
        if (!MakeFolder(folder))
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

// What starting a thread throws when the system has none to spare.
bool NoThreadToSpare(const std::system_error& error)
{
    return error.code() == std::errc::resource_unavailable_try_again;
}

std::future<QStringList>& AccountFoldersPass()
{
    static std::future<QStringList> pass;
    return pass;
}

// The accounts the pass is making folders for, kept for making them one by one when the pass
// cannot run or does not come back.
QStringList& PassAccounts()
{
    static QStringList accounts;
    return accounts;
}

QStringList MakeAccountFoldersInParts(const QStringList& accounts)
{
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
}

QString ThisYear()
{
    return QString::number(Clock::Today().year());
}

} // namespace

// Only the writer's own copies go (their names end in its tag), and only beside the files the
// program rewrites whole, in the folders it writes; a sibling program's proposals are never
// looked into.
void ClearRewriteLeftovers()
{
    const QStringList sharedFiles = {
        CustomerDataPath, ContractInfoPath, CycleInfoPath, CustomerDeleteMarkerPath,
        QStringLiteral("/CUSTOMER.OLD"), QStringLiteral("/CYCLE.OLD"), QStringLiteral("/CONTRACT.OLD"),
        VendorDataPath, AuxHeadingsPath, AssignmentsPath, ConstructionSettingsPath(), LegacySettingsPath,
        PromptsPath, PrintColorsPath, BusinessDataPath, CharacteristicsPath, CompanyLogoPath, LogoSettingsPath,
        TemporaryFilePath, WebShortcutPath, ProjectRecordsPath, SlipsPath, MeetingsPath, PurgedDatePath,
        PjCounterPath, ProjectTempFilePath, InventoryPath, ServicesPath, CustomItemsPath, InvoiceNumberPath,
        PhonePath, CallIdPath, SpeedNumbersPath, TelCallPath, NarrativeTemplatePath, NarrativeTempPath};
    QSet<QString> names;
    for (const QString& path : sharedFiles)
        names.insert(NormalizeRelativePath(path).mid(1).toLower());
    for (const QString& root : {QStringLiteral("/"), QStringLiteral("/Backup/")}) {
        RemoveRewriteLeftovers(root, [&names](const QString& name) { return names.contains(name.toLower()); });
        RemoveRewriteLeftovers(root + QStringLiteral("Templates"), [&names](const QString& name) {
            return names.contains(QStringLiteral("templates/") + name.toLower());
        });
        static const QRegularExpression projectFile(QStringLiteral("^.+\\.txt$"), QRegularExpression::CaseInsensitiveOption);
        RemoveRewriteLeftovers(root + ProjectsFolder.mid(1), [](const QString& name) { return projectFile.match(name).hasMatch(); });
        // The invoice records a completed project leaves for the invoicer.
        static const QRegularExpression invoiceRecord(QStringLiteral("^[0-9]+\\.txt$"), QRegularExpression::CaseInsensitiveOption);
        RemoveRewriteLeftovers(root + IncompleteInvoicesFolder.mid(1),
                               [](const QString& name) { return invoiceRecord.match(name).hasMatch(); });
        // The day files of the years a start or a roll-over keeps.
        static const QRegularExpression dayFile(QStringLiteral("^[0-9]{1,3}\\.txt$"), QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression teamFolder(QStringLiteral("^Team# [0-9]+$"));
        const int year = Clock::Today().year();
        for (int y = year - 1; y <= year + 2; ++y) {
            const QString yearFolder = root + QString::number(y);
            QDirIterator teams(AppPath(yearFolder), QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
            while (teams.hasNext()) {
                const QString team = teams.nextFileInfo().fileName();
                if (teamFolder.match(team).hasMatch())
                    RemoveRewriteLeftovers(yearFolder + QLatin1Char('/') + team,
                                           [](const QString& name) { return dayFile.match(name).hasMatch(); });
            }
        }
    }
}

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
    PassAccounts() = accounts;
    try {
        AccountFoldersPass() = std::async(std::launch::async, [accounts] { return MakeAccountFoldersInParts(accounts); });
    } catch (const std::system_error& error) {
        if (!NoThreadToSpare(error))
            throw;
        // WaitForAccountFolders makes them.
        AccountFoldersPass() = std::future<QStringList>();
    }
}

void WaitForAccountFolders()
{
    const QStringList accounts = std::exchange(PassAccounts(), QStringList());
    QStringList notMade;
    bool made = false;
    if (AccountFoldersPass().valid()) {
        try {
            notMade = AccountFoldersPass().get();
            made = true;
        } catch (const std::system_error& error) {
            // A part that could not start: the folders are made one by one. Anything else is a
            // fault, not a reason to go the slow way.
            if (!NoThreadToSpare(error))
                throw;
        } catch (const std::bad_alloc&) {
            // A part that ran out of memory: likewise.
        }
    }
    if (!made && !accounts.isEmpty())
        notMade = MakeAccountFolders(accounts, QSet<QString>());
    for (const QString& folder : notMade)
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
    // Only the copy that holds the lock may take a writer's copy for a leftover.
    ClearRewriteLeftovers();

    // A customer delete cut short is settled before any screen pairs customers with billing
    // records; only the copy that holds the lock may touch it.
    SetExitBackupHold(&CustomerFilesHeldFromBackup);
    if (!SettleCustomerDeleteAtStart())
        MsgBox(QStringLiteral("A customer delete that was cut short could be neither finished nor undone.\n"
                              "Every customer file is left as it is, and no customer is saved or deleted until it is "
                              "settled.\nCheck that the program folder may be written to."),
               MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Customer Files"));

    // A team delete cut short is settled before anything reads or writes the teams' files.
    if (!SettleTeamDeleteAtStart()) {
        WaitForAccountFolders();
        return false;
    }

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

