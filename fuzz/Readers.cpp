// Fuzz targets for the readers of every stored file. One binary, entered under one name per
// file kind ("fuzz-customers", "fuzz-day-file", ...; see Targets below): each input becomes that
// file in a scratch program folder, and the program's own reader reads it.

#include "accounts/AuxData.h"
#include "accounts/ContactFiles.h"
#include "accounts/CustomerRecords.h"
#include "accounts/CustomerSearch.h"
#include "app/Startup.h"
#include "core/DataUpkeep.h"
#include "core/FileAccess.h"
#include "core/RecordFile.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/RegionalFormat.h"
#include "platform/SerialPort.h"
#include "projects/InvoiceRecord.h"
#include "projects/NarrativeTemplate.h"
#include "projects/PickLists.h"
#include "projects/ProposalFiles.h"
#include "scheduling/BlockedDays.h"
#include "scheduling/DayPurge.h"
#include "scheduling/EventRecords.h"
#include "scheduling/LoadedProjects.h"
#include "scheduling/ProjectCounter.h"
#include "scheduling/ProjectFile.h"
#include "scheduling/ScheduleViews.h"
#include "scheduling/TeamDayStore.h"
#include "scheduling/TeamDelete.h"
#include "scheduling/TeamList.h"
#include "telephony/CallLog.h"
#include "telephony/PhoneSettings.h"
#include "telephony/SpeedDials.h"
#include "telephony/UpcomingSlips.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>

#include <sys/stat.h>

namespace {

const QDate Today(2026, 3, 7);

void OneTeam()
{
    Shared().TeamNames = QStringList{QStringLiteral("populated"), QStringLiteral("Framing Crew")};
    Shared().CurrentYear = QString::number(Today.year());
    TeamDay().CurrentTeam = TeamText(1);
}

void ReadCustomers()
{
    const int count = CustomerCount();
    for (int n = 1; n <= count + 1; ++n)
        ReadCustomer(n);
    ReadAccountLists();
    IsDuplicateAccount(QStringLiteral("1001"), 1);
    SearchCustomerRecords(0, QStringLiteral("a"));
}

void ReadContracts()
{
    const int count = GetFileRecordCount(ContractInfoPath, ContractRecord::Length);
    for (int n = 1; n <= count + 1; ++n) {
        LoadContractRecord(n);
        // The record form's dates, as any reader of them converts them.
        DateTimeFromSerial(ContractRec().ContractField06);
        DateTimeFromSerial(ContractRec().ContractField07);
        AmountFromCurrency(ContractRec().ContractField03);
    }
    PrepareBillingRecordsFor(count + 1);
}

void ReadCycles()
{
    const int count = GetFileRecordCount(CycleInfoPath, CycleRecord::Length);
    for (int n = 1; n <= count + 1; ++n) {
        LoadCycleRecord(n);
        AmountFromCurrency(CycleRec().CycleField2);
    }
    PrepareBillingRecordsFor(count + 1);
}

void ReadContacts()
{
    const int count = ContactFileCount();
    for (int n = 1; n <= count + 1; ++n)
        ReadContact(n);
    SearchContactRecords(ContactByName, QStringLiteral("a"));
    LoadSubContractorNames();
}

void ReadMeetings()
{
    ReadEventRecords(MeetingsPath);
    PurgeMeetings();
}

void ReadDayFile()
{
    OneTeam();
    LoadTeamDay(Today, TeamText(1));
    ReadDaySlots();
    CheckDayTaken(Today);
    QDate day = Today;
    bool taken = false;
    FindOpenDay(day, 3, taken);
    CountBookedLines(AppPath(TeamDayFilePath(Shared().CurrentYear, 1, Today.dayOfYear())));
    FindBlockedDays(Today, Today);
    CheckJulian(Today, TeamText(1), BlockReasons.first());
}

QByteArray ProjectBytes(const ProjectData& project)
{
    QByteArray bytes = FormatProjectHeader(project.Header);
    for (const MilestoneRecord& milestone : project.Milestones)
        bytes += FormatMilestoneRecord(milestone);
    return bytes;
}

void ReadProject()
{
    OneTeam();
    // A project read is written back whole when it changes: what was read must come back.
    if (const std::optional<ProjectData> project = ReadProjectFile(ProjectFilePath(QStringLiteral("Pj66-1")))) {
        const QString copy = ProjectFilePath(QStringLiteral("Pj66-2"));
        const std::optional<ProjectData> again = WriteProjectFile(copy, *project) ? ReadProjectFile(copy) : std::nullopt;
        if (!again || ProjectBytes(*again) != ProjectBytes(*project)) {
            std::fprintf(stderr, "A project file read and written back reads differently\n");
            std::abort();
        }
        QFile::remove(AppPath(copy));
    }
    LoadProjects();
    PastDueMilestones();
    TakeUnreportedDamagedFiles();
    OpenMilestonesOfTeam(1);
}

void ReadCounter()
{
    ReadProjectCounter();
    NextProjectNumber();
}

void ReadPurgedDate()
{
    OneTeam();
    PurgeOldDays();
}

void ReadCallBackList()
{
    OneTeam();
    QStringList labels{QString()};
    for (int slot = 1; slot <= 12; ++slot)
        labels << QStringLiteral("%1:00").arg(slot + 6);
    // Every date the slips can hold, so every readable one is listed.
    UpcomingSlipRows(ReadEventRecords(SlipsPath), QDate(1, 1, 1), QDate(9999, 12, 31), Shared().TeamNames, labels);
}

void ReadCalls()
{
    CallLogExists();
    ReadCallLog();
}

const QString ProposalPath = ProposalsFolder + QStringLiteral("/P-100.txt");

void ReadProposalList()
{
    for (const ProposalRecord& proposal : ReadProposals().Proposals) {
        proposal.CreatedOnText();
        proposal.AmountText();
        proposal.CustomerBlock();
    }
}

const QString PaymentPath = ProposalPaymentsFolder + QStringLiteral("/P-17.txt");

void ReadProposalPayment()
{
    ProjectHeader header;
    header.ProposalNo = QStringLiteral("P-17");
    ProposalPayment(header);
}

const QString FolderNamesPath = QStringLiteral("/FolderNames.bin");

// The input is folder names of any bytes, one a line, as copies from other machines leave them
// in the account folders; the first is an account number too. The start's folder pass must make
// every account's folders or name those it could not make.
void MakeAccountFolders()
{
    OneTeam();
    ForgetFoldersNotMade();
    QFile input(AppPath(FolderNamesPath));
    if (!input.open(QIODevice::ReadOnly))
        std::abort();
    const QList<QByteArray> names = input.readAll().split('\n');
    const QByteArray aux = QFile::encodeName(AppPath(QStringLiteral("/AuxFiles")));
    ::mkdir(aux.constData(), 0777);
    ::mkdir((aux + "/C1001").constData(), 0777);
    for (QByteArray name : names) {
        name.replace('/', '_').replace('\0', '_');
        if (name.isEmpty() || name == "." || name == "..")
            continue;
        ::mkdir((aux + '/' + name).constData(), 0777);
        ::mkdir((aux + "/C1001/" + name).constData(), 0777);
    }
    QStringList accounts{QStringLiteral("C1001")};
    const QString first = FromCodePage(names.value(0)).trimmed();
    if (IsSafePathPart(first) && first.size() <= 20)
        accounts << first;
    QFile customers(AppPath(CustomerDataPath));
    if (!customers.open(QIODevice::WriteOnly))
        std::abort();
    for (const QString& accountNo : accounts)
        customers.write(ToCodePage(accountNo).leftJustified(CustomerRecord::Length, ' '));
    customers.close();

    CreateDataFolders();
    WaitForAccountFolders();
    for (const QString& accountNo : accounts)
        for (int box = 0; box <= 5; ++box) {
            const QString folder = QStringLiteral("/AuxFiles/%1/AuxFile%2").arg(accountNo, QString::number(box));
            if (!QFileInfo(AppPath(folder)).isDir() && (accountNo == accounts.first() || !FoldersNotMade().contains(folder))) {
                std::fprintf(stderr, "%s was neither made nor reported\n", qPrintable(folder));
                std::abort();
            }
        }
}

struct Target {
    const char* name;
    QString path;
    void (*read)();
    // Whether reading may rewrite the file (the counter is written back, the purges drop what
    // is past); every other reader leaves it exactly as it was.
    bool rewrites = false;
};

const Target Targets[] = {
    {"customers", CustomerDataPath, ReadCustomers},
    {"contract", ContractInfoPath, ReadContracts},
    {"cycle", CycleInfoPath, ReadCycles},
    {"customer-delete", CustomerDeleteMarkerPath, [] { RecoverCustomerDelete(); }, true},
    {"team-delete", TeamDeleteMarkerPath, [] { RecoverTeamDelete(); }, true},
    {"contacts", VendorDataPath, ReadContacts},
    {"project-records", ProjectRecordsPath, [] { ReadEventRecords(ProjectRecordsPath); }},
    {"slips", SlipsPath, [] { ReadEventRecords(SlipsPath); }},
    {"meetings", MeetingsPath, ReadMeetings, true},
    {"scheduler-settings", ConstructionSettingsPath(), LoadConstructionSettings},
    {"prompts", PromptsPath, LoadPrompts},
    {"print-colors", PrintColorsPath, LoadPrintColors},
    {"business-data", BusinessDataPath, LoadBusinessData},
    {"assignto", AssignmentsPath, [] { ReadAssignments(); }},
    {"characteristics", CharacteristicsPath, LoadCharacteristics},
    {"logo-settings", LogoSettingsPath, LoadLogoSettings},
    {"company-logo", CompanyLogoPath, LoadLogo},
    {"day-file", TeamDayFilePath(QString::number(Today.year()), 1, Today.dayOfYear()), ReadDayFile},
    {"project-file", ProjectFilePath(QStringLiteral("Pj66-1")), ReadProject},
    {"project-counter", PjCounterPath, ReadCounter, true},
    {"purged-date", PurgedDatePath, ReadPurgedDate, true},
    {"aux-headings", AuxHeadingsPath, [] { ReadAuxHeadings(); }},
    {"aux-box", AuxDataPath(QStringLiteral("1001"), 1), [] { ReadAuxBox(QStringLiteral("1001"), 1); }},
    {"states-list", QStringLiteral("/StatesList.txt"), [] { ReadStatesList(); }},
    {"call-id", CallIdPath, ReadCallIDSetting},
    {"speed-numbers", SpeedNumbersPath, [] { ReadSpeedDials(); }},
    {"call-back", SlipsPath, ReadCallBackList},
    {"call-log", TelCallPath, ReadCalls},
    // The phone settings come after the modem probe, which finds no ports here.
    {"phone", PhonePath, LoadPhoneSettings},
    {"invoice-number", InvoiceNumberPath, [] { GetInvoiceNumber(); }},
    {"proposal-payment", PaymentPath, ReadProposalPayment},
    {"proposal", ProposalPath, ReadProposalList},
    {"inventory", InventoryPath, [] { ReadInventory(); }},
    {"services", ServicesPath, [] { ReadServices(); }},
    {"custom-items", CustomItemsPath, [] { ReadCustomItems(); }},
    {"narrative-template", NarrativeTemplatePath, [] { LoadNarrativeTemplate(); }},
    {"narrative-temp", NarrativeTempPath, [] { ReadNarrativeTemp(); }},
    {"account-folders", FolderNamesPath, MakeAccountFolders},
};

const Target* Chosen = nullptr;
QTemporaryDir* Folder = nullptr;

void ResetProgramState()
{
    ResetSharedState();
    ResetSettings();
    ResetCustomerBuffers();
    ResetLoadedProjects();
    ResetProjectCounter();
    ResetTeamDayState();
    ResetSlipRec();
    // Not the whole phone state: its reset closes the modem's port.
    PhoneSettings() = PhoneSettingsValues{};
    ModemState() = ModemStateValues{};
}

// Empties the scratch folder by the bytes of its names: Qt cannot name again a file whose
// name is not valid in the locale's encoding, so it would be left for every later input.
void EmptyScratchFolder()
{
    const std::filesystem::path folder(QFile::encodeName(Folder->path()).toStdString());
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        std::filesystem::remove_all(entry.path(), error);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    const char* called = std::strrchr((*argv)[0], '/');
    called = called ? called + 1 : (*argv)[0];
    const char* prefix = "fuzz-";
    if (std::strncmp(called, prefix, std::strlen(prefix)) == 0)
        called += std::strlen(prefix);
    for (const Target& target : Targets)
        if (std::strcmp(target.name, called) == 0)
            Chosen = &target;
    if (!Chosen) {
        std::fprintf(stderr, "Run this binary as fuzz-<file kind>, one of:\n");
        for (const Target& target : Targets)
            std::fprintf(stderr, "  fuzz-%s\n", target.name);
        std::exit(2);
    }

    // Qt's file and image plug-ins want an application object.
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    static QCoreApplication app(qtArgc, qtArgv);
    Q_UNUSED(argc);

    // In memory where the system has it: the readers' folder work costs more on a disk.
    const QString shared = QStringLiteral("/dev/shm");
    Folder = QFileInfo(shared).isDir() && QFileInfo(shared).isWritable()
                 ? new QTemporaryDir(shared + QStringLiteral("/scheduler-fuzz-XXXXXX"))
                 : new QTemporaryDir;
    if (!Folder->isValid()) {
        std::fprintf(stderr, "No scratch program folder\n");
        std::exit(2);
    }
    SetProgramFolder(Folder->path());
    // No serial device is ever opened: the modem probe finds every port missing.
    SetPortTable(QStringList());
    Clock::Fix(QDateTime(Today, QTime(10, 0)));
    SetRegionalLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    std::atexit([] {
        EmptyScratchFolder();
        delete Folder;
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Every input meets the same empty folder and fresh state.
    EmptyScratchFolder();
    ResetProgramState();

    const QString path = AppPath(Chosen->path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();

    // Boxes a reader shows are answered with their first button.
    MessageScript script;
    Chosen->read();

    if (!Chosen->rewrites) {
        QFile after(path);
        const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
        if (!after.open(QIODevice::ReadOnly) || after.readAll() != input) {
            std::fprintf(stderr, "Reading %s changed the file\n", qPrintable(Chosen->path));
            std::abort();
        }
    }
    return 0;
}
