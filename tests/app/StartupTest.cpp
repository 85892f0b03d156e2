#include "app/Startup.h"
#include "accounts/CustomerRecords.h"
#include "core/DataUpkeep.h"
#include "core/FileAccess.h"

#include "app/frmSetup.h"
#include "app/frmSplash.h"
#include "accounts/frmCustomer.h"
#include "app/frmStartup.h"
#include "core/QtPrinters.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/SingleInstance.h"
#include "projects/frmProjectControl.h"
#include "scheduling/DayPurge.h"
#include "scheduling/EventRecords.h"
#include "scheduling/TeamDelete.h"
#include "scheduling/TeamList.h"
#include "support/CustomerFiles.h"
#include "support/ScreenFixture.h"
#include "support/UserInput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <algorithm>
#include <QPushButton>
#include <QtTest/QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

class StartupTest : public ScreenFixture {
protected:
    // A customer record: the account number in the first 20 bytes, blanks after it.
    static QByteArray Customer(const QByteArray& accountNo) { return accountNo.leftJustified(328, ' '); }

    void WriteRequiredSettings(const QString& root)
    {
        WriteFile(root + "/SchedulerSettings.txt", "8\r\n5\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n");
        WriteFile(root + "/MyBusinessData.txt", "\"Acme\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
        WriteFile(root + "/Assignto.txt", "\"North\"\r\n");
        WriteFile(root + "/Characteristics.txt", "\"Permit\",1,1,0,0\r\n");
    }
};

TEST_F(StartupTest, FirstStartMakesEveryFolderAndShowsTheStartScreen)
{
    ASSERT_TRUE(Main());
    for (const char* folder :
         {"/2026", "/Templates", "/TIActiveAccounts", "/Backup", "/Backup/TIActiveAccounts",
          "/Backup/TIActiveAccountsBACK", "/AuxFiles", "/Scheduler", "/TamselInvoicer",
          "/TamselInvoicer/IncompleteInvoices", "/Backup/ConstructionProjects", "/Backup/Scheduler",
          "/ConstructionProjects", "/Documents", "/Documents/Projects", "/Documents/Contracts",
          "/Documents/Work Orders", "/Backup/2026", "/Backup/2027", "/Backup/2028"})
        EXPECT_TRUE(IsFolder(folder)) << folder;
    EXPECT_FALSE(IsFolder("/Backup/2026/Team# 1"));
    EXPECT_FALSE(IsFolder("/2027"));

    EXPECT_EQ(Shared().TeamNames, QStringList{"empty"});
    EXPECT_EQ(Shared().TimeSlotLabels.value(7), "01:00");
    EXPECT_EQ(Shared().TimeSlotLabels.value(12), "06:00");
    EXPECT_EQ(Shared().CurrentDate, QDate(2026, 3, 7));
    EXPECT_TRUE(IsScreenLoaded<frmSplash>());
    EXPECT_TRUE(ScreenInstance<frmSplash>().isVisible());
    // The control board is loaded hidden, before the customer screen.
    const std::vector<Screen*>& loaded = ScreenRegistry::Instance().Loaded();
    const auto board = std::find_if(loaded.begin(), loaded.end(), [](Screen* s) { return dynamic_cast<frmProjectControl*>(s); });
    const auto customers = std::find_if(loaded.begin(), loaded.end(), [](Screen* s) { return dynamic_cast<frmCustomer*>(s); });
    ASSERT_NE(board, loaded.end());
    EXPECT_LT(board, customers);
    EXPECT_FALSE((*board)->isVisible());
    EXPECT_TRUE(Script().Shown().isEmpty());
}

TEST_F(StartupTest, CustomersAndTeamsGetTheirFolders)
{
    WriteFile("/CustomerData.txt", Customer("A1") + Customer("  B2") + Customer("C3") + Customer("../x")
                                       + Customer(""));
    WriteFile("/AuxFiles/A1/AuxFile0/Note.txt", "kept");
    WriteFile("/Assignto.txt", "\"North\"\r\n\"South\"\r\n");
    Script().Queue(MsgAnswer::Ok);
    ASSERT_TRUE(Main());

    for (const char* account : {"A1", "B2", "C3"})
        for (int n = 0; n <= 5; ++n)
            EXPECT_TRUE(IsFolder(QStringLiteral("/AuxFiles/%1/AuxFile%2").arg(account).arg(n))) << account << n;
    EXPECT_EQ(ReadFile("/AuxFiles/A1/AuxFile0/Note.txt"), "kept");
    // An account number that would lead out of its folder gets none, and an empty one none.
    EXPECT_FALSE(IsFolder("/x"));
    EXPECT_FALSE(IsFolder("/AuxFiles/AuxFile5"));
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_TRUE(Script().Shown()[0].Prompt.contains("/AuxFiles/../x"));

    for (const QString year : {"/Backup/2026", "/Backup/2027", "/Backup/2028", "/2026"}) {
        EXPECT_TRUE(IsFolder(year + "/Team# 1") && IsFolder(year + "/Team# 2")) << year.toStdString();
        EXPECT_FALSE(IsFolder(year + "/Team# 3")) << year.toStdString();
    }
}

TEST_F(StartupTest, FoldersThatCannotBeMadeAreReported)
{
    // Files in the way of folders made early, later, for an account and by the team folder step.
    const QStringList blocked = {"/Templates", "/Backup/2027", "/AuxFiles/D4/AuxFile3", "/2026/Team# 1"};
    for (const QString& path : blocked)
        WriteFile(path, "in the way");
    WriteFile("/Assignto.txt", "\"North\"\r\n");
    WriteFile("/CustomerData.txt", Customer("D4") + Customer("E5") + Customer("D4"));
    MakeFolders("/AuxFiles/D4/AuxFile0");
    for (int i = 0; i < 3; ++i)
        Script().Queue(MsgAnswer::Ok);
    ASSERT_TRUE(Main());

    QString told;
    for (const ShownMessage& box : Script().Shown())
        told += box.Prompt;
    for (const QString& path : blocked) {
        EXPECT_TRUE(FoldersNotMade().contains(path)) << path.toStdString();
        EXPECT_TRUE(told.contains(path)) << path.toStdString();
    }
    // The rest of a half-made account is made, and a whole new one.
    for (int n : {1, 2, 4, 5})
        EXPECT_TRUE(IsFolder(QStringLiteral("/AuxFiles/D4/AuxFile%1").arg(n))) << n;
    for (int n = 0; n <= 5; ++n)
        EXPECT_TRUE(IsFolder(QStringLiteral("/AuxFiles/E5/AuxFile%1").arg(n))) << n;
    EXPECT_EQ(FoldersNotMade().count("/AuxFiles/D4/AuxFile3"), 1);
}

TEST_F(StartupTest, ASecondCopyIsRefusedBeforeAnythingElseRuns)
{
    SingleInstanceLock running;
    ASSERT_TRUE(running.TryAcquire());
    WriteFile("/Assignto.txt", "\"North\"\r\n");
    Script().Queue(MsgAnswer::Ok);

    EXPECT_FALSE(Main());
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Title, "Construction Scheduler");
    EXPECT_EQ(Script().Shown()[0].Prompt, "Construction Scheduler is already Running!\nLook for it on the Task Bar");
    EXPECT_TRUE(IsFolder("/Documents/Work Orders"));
    EXPECT_FALSE(IsFolder("/Backup/2026"));
    EXPECT_FALSE(Exists("/PurgedDate.txt"));
    EXPECT_FALSE(ProgramEnded());

    // Once the running copy has gone, a start goes through.
    running.Release();
    EXPECT_TRUE(Main());
    EXPECT_FALSE(SingleInstanceLock().TryAcquire());
}

TEST_F(StartupTest, EndProgramBacksUpTheSharedFilesAndUnloadsNewestFirst)
{
    const QStringList names = BackupFileNames();
    ASSERT_EQ(names.size(), 11);
    for (const QString& name : names)
        WriteFile("/" + name + ".txt", name.toUtf8());
    ASSERT_TRUE(QFile::remove(FullPath("/SoldItems.txt")));
    WriteFile("/Backup/SoldItems.txt", "older");
    WriteFile("/Backup/Phone.txt", "older");
    MakeFolders("/Backup/AuxHeadings.txt"); // a copy that fails stops nothing

    ScreenInstance<ScreenA>();
    ScreenInstance<ScreenB>().Show();
    static int ends;
    ends = 0;
    SetProgramEndAction([] { ++ends; });
    EndProgram();

    for (const QString& name : names) {
        if (name != "SoldItems" && name != "AuxHeadings") {
            EXPECT_EQ(ReadFile("/Backup/" + name + ".txt"), name.toUtf8()) << name.toStdString();
        }
    }
    EXPECT_EQ(ReadFile("/Backup/SoldItems.txt"), "older");
    EXPECT_EQ(ScreenEvents().filter(".Unload"), (QStringList{"B.Unload", "A.Unload"}));
    EXPECT_TRUE(ScreenRegistry::Instance().Loaded().empty());
    EXPECT_EQ(ends, 1);

    // The end comes once.
    WriteFile("/Phone.txt", "newer");
    ScreenInstance<ScreenA>();
    EndProgram();
    EXPECT_EQ(ReadFile("/Backup/Phone.txt"), "Phone");
    EXPECT_TRUE(IsScreenLoaded<ScreenA>());
    EXPECT_EQ(ends, 1);
}

TEST_F(StartupTest, AnEmptyOrCutSharedFileKeepsItsBackup)
{
    const QByteArray twoCustomers = Customer("A1") + Customer("B2");
    WriteFile("/Backup/CustomerData.txt", twoCustomers);
    WriteFile("/CustomerData.txt", twoCustomers.left(400));
    WriteFile("/Backup/Phone.txt", "old phone");
    WriteFile("/Phone.txt", "");
    WriteFile("/Backup/PrintColors.txt", "old colours");
    WriteFile("/PrintColors.txt", "new colours");
    Script().Queue(MsgAnswer::Ok);
    EndProgram();

    EXPECT_EQ(ReadFile("/Backup/CustomerData.txt"), twoCustomers);
    EXPECT_EQ(ReadFile("/Backup/Phone.txt"), "old phone");
    EXPECT_EQ(ReadFile("/Backup/PrintColors.txt"), "new colours");
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_TRUE(Script().Shown()[0].Prompt.contains("CustomerData.txt\nPhone.txt"));
}

TEST_F(StartupTest, ContinueLeadsToTheMenuOrToTheWelcomePanel)
{
    WriteRequiredSettings("/Backup");
    WriteRequiredSettings("");
    ASSERT_TRUE(QFile::remove(FullPath("/Characteristics.txt")));
    ASSERT_TRUE(QFile::remove(FullPath("/Backup/Assignto.txt")));
    frmSplash& splash = ScreenInstance<frmSplash>();
    splash.Show();

    // A missing file comes back from the backup folder on the way, and the menu takes over.
    Script().Queue(MsgAnswer::Ok); // the menu asks for a first customer
    QTest::mouseClick(splash.cmdContinue, Qt::LeftButton);
    EXPECT_TRUE(Exists("/Characteristics.txt"));
    EXPECT_FALSE(IsScreenLoaded<frmSplash>());
    ASSERT_TRUE(IsScreenLoaded<frmStartup>());
    EXPECT_TRUE(ScreenInstance<frmStartup>().isVisible());

    ASSERT_TRUE(QFile::remove(FullPath("/Assignto.txt")));
    frmSplash& again = ScreenInstance<frmSplash>();
    again.Show();
    QTest::mouseClick(again.cmdContinue, Qt::LeftButton);
    EXPECT_TRUE(again.fraWelcome->isVisible());
    EXPECT_FALSE(again.fraMain->isVisible());

    // The logo on the welcome panel leads to the settings screen, from the keyboard too.
    ShowAtRealSize(&again);
    PressKey(Qt::Key_Space);
    EXPECT_FALSE(IsScreenLoaded<frmSplash>());
    EXPECT_TRUE(ScreenInstance<frmSetup>().isVisible());
}

TEST_F(StartupTest, ClosingTheStartScreenEndsTheProgramButUnloadingItDoesNot)
{
    WriteFile("/CompanyLogo.txt", "\"logo.png\"\r\n");
    MakeFolders("/Backup");
    ScreenInstance<frmSplash>().Show();
    EXPECT_TRUE(ScreenInstance<frmSplash>().Unload());
    EXPECT_FALSE(ProgramEnded());
    EXPECT_FALSE(Exists("/Backup/CompanyLogo.txt"));

    frmSplash& splash = ScreenInstance<frmSplash>();
    splash.Show();
    EXPECT_TRUE(splash.close());
    EXPECT_TRUE(ProgramEnded());
    EXPECT_TRUE(Exists("/Backup/CompanyLogo.txt"));
    EXPECT_FALSE(IsScreenLoaded<frmSplash>());
}

} // namespace

TEST_F(StartupTest, AnUnreadableTeamListIsReportedAndNeverWrittenOver)
{
    if (!MakeUnreadableFile("/Assignto.txt"))
        GTEST_SKIP() << "no unreadable file can be made here";
    WriteFile("/PurgedDate.txt", "40\r\n");
    WriteFile("/2026/Team# 1/50.txt", "x");
    Script().Queue(MsgAnswer::Ok);
    ASSERT_TRUE(Main());
    ASSERT_GE(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Title, "Team List");
    EXPECT_EQ(Shared().TeamCount(), 0);
    // No team's past days were purged, so the purge marker stays where it was.
    EXPECT_EQ(ReadFile("/PurgedDate.txt"), "40\r\n");

    EXPECT_FALSE(SaveAssignments({"North"}));
    EXPECT_TRUE(QFileInfo(FullPath("/Assignto.txt")).isSymLink());
    // Leaving the settings says why the teams were not saved, not that the folder is read-only.
    frmSetup& setup = ScreenInstance<frmSetup>();
    setup.resize(1280, 1024);
    setup.Show();
    Script().Queue(MsgAnswer::Ok);
    Script().Queue(MsgAnswer::Ok);
    QTest::mouseClick(setup.cmdQuit, Qt::LeftButton);
    const QString refusal = Script().Shown().value(1).Prompt;
    EXPECT_TRUE(refusal.contains("Assignto.txt, cannot be read")) << refusal.toStdString();
    EXPECT_FALSE(refusal.contains("written to")) << refusal.toStdString();
    EXPECT_TRUE(QFileInfo(FullPath("/Assignto.txt")).isSymLink());

    // Once the list reads again, the days skipped are purged.
    QFile::remove(FullPath("/Assignto.txt"));
    WriteFile("/Assignto.txt", "\"North\"\r\n");
    ASSERT_TRUE(ReadAssignments());
    ASSERT_TRUE(PurgeOldDays());
    EXPECT_FALSE(Exists("/2026/Team# 1/50.txt"));
    EXPECT_EQ(ReadFile("/PurgedDate.txt"), "65\r\n");
}


TEST_F(StartupTest, ACustomerDeleteCutShortBetweenItsRenamesIsFinishedAtTheStart)
{
    for (int n = 1; n <= 3; ++n)
        SeedCustomer(n, QStringLiteral("A%1").arg(n), QStringLiteral("Firm%1").arg(n));
    WriteFile("/TIActiveAccounts/A2.txt", "x");
    // What a delete of customer 2 leaves when it is killed after the customer file was replaced:
    // the billing files still old, their copies without the record beside them, and its marker.
    auto allBut2 = [](const QByteArray&, qint64 n) { return n != 2; };
    ASSERT_TRUE(WriteCompactedCopy(CycleInfoPath, CycleRecord::Length, allBut2, "/Temp.txt"));
    ASSERT_TRUE(WriteCompactedCopy(ContractInfoPath, ContractRecord::Length, allBut2, "/ContractTemp.txt"));
    ASSERT_TRUE(WriteCompactedCopy(CustomerDataPath, CustomerRecord::Length, allBut2, CustomerDataPath + ".new"));
    WriteFile(CustomerDeleteMarkerPath, "\"Finish\",\"A2\"\r\n");
    ASSERT_TRUE(QFile::remove(FullPath(CustomerDataPath)));
    ASSERT_TRUE(QFile::rename(FullPath(CustomerDataPath + ".new"), FullPath(CustomerDataPath)));

    ASSERT_TRUE(Main());
    EXPECT_EQ(CustomerMarks(), QStringList({"A1 C1 Y1", "A3 C3 Y3"}));
    EXPECT_FALSE(Exists("/TIActiveAccounts/A2.txt"));
    for (const QString& path : {CustomerDeleteMarkerPath, QStringLiteral("/Temp.txt"), QStringLiteral("/ContractTemp.txt")})
        EXPECT_FALSE(Exists(path)) << path.toStdString();
    EXPECT_TRUE(Script().Shown().isEmpty());
}

TEST_F(StartupTest, ADeleteWhoseCopiesAPowerCutEmptiedPutsTheOldFilesBack)
{
    for (int n = 1; n <= 4; ++n)
        SeedCustomer(n, QStringLiteral("C100%1").arg(n), QStringLiteral("Firm%1").arg(n));
    const QStringList before = CustomerMarks();
    WriteFile("/TIActiveAccounts/C1003.txt", "x");
    // The old files kept aside, the copies still in memory when the power went, the marker whole.
    WriteFile("/CUSTOMER.OLD", ReadFile(CustomerDataPath));
    WriteFile("/CYCLE.OLD", ReadFile(CycleInfoPath));
    WriteFile("/CONTRACT.OLD", ReadFile(ContractInfoPath));
    for (const char* copy : {"/CUSTOMER.TMP", "/Temp.txt", "/ContractTemp.txt"})
        WriteFile(copy, "");
    WriteFile(CustomerDeleteMarkerPath, "\"Finish\",\"C1003\"\r\n");

    ASSERT_TRUE(Main());
    EXPECT_EQ(CustomerMarks(), before);
    EXPECT_TRUE(Exists("/TIActiveAccounts/C1003.txt"));
    for (const char* path : {"/CUSTOMER.DEL", "/CUSTOMER.TMP", "/Temp.txt", "/ContractTemp.txt", "/CUSTOMER.OLD", "/CYCLE.OLD",
                             "/CONTRACT.OLD"})
        EXPECT_FALSE(Exists(path)) << path;
    EXPECT_TRUE(Script().Shown().isEmpty());
}

TEST_F(StartupTest, ADeleteThatCanBeNeitherFinishedNorUndoneLeavesEveryFile)
{
    for (int n = 1; n <= 3; ++n)
        SeedCustomer(n, QStringLiteral("C100%1").arg(n), QStringLiteral("Firm%1").arg(n));
    auto allBut3 = [](const QByteArray&, qint64 n) { return n != 3; };
    ASSERT_TRUE(WriteCompactedCopy(CustomerDataPath, CustomerRecord::Length, allBut3, "/CUSTOMER.TMP"));
    ASSERT_TRUE(WriteCompactedCopy(CycleInfoPath, CycleRecord::Length, allBut3, "/Temp.txt"));
    WriteFile("/ContractTemp.txt", "");
    WriteFile("/CUSTOMER.OLD", ReadFile(CustomerDataPath));
    WriteFile("/CYCLE.OLD", ReadFile(CycleInfoPath));
    // The old contract file kept aside is cut: the old files cannot go back either.
    WriteFile("/CONTRACT.OLD", ReadFile(ContractInfoPath).left(500));
    WriteFile(CustomerDeleteMarkerPath, "\"Finish\",\"C1003\"\r\n");
    QMap<QString, QByteArray> files;
    for (const QString& path : {CustomerDataPath, CycleInfoPath, ContractInfoPath, QStringLiteral("/CUSTOMER.TMP"),
                                QStringLiteral("/Temp.txt"), QStringLiteral("/ContractTemp.txt"), QStringLiteral("/CUSTOMER.OLD"),
                                QStringLiteral("/CYCLE.OLD"), QStringLiteral("/CONTRACT.OLD"), CustomerDeleteMarkerPath})
        files[path] = ReadFile(path);

    Script().Queue(MsgAnswer::Ok);
    ASSERT_TRUE(Main());
    for (auto file = files.cbegin(); file != files.cend(); ++file)
        EXPECT_EQ(ReadFile(file.key()), file.value()) << file.key().toStdString();
    ASSERT_GE(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Title, "Customer Files");
    EXPECT_TRUE(Script().Shown()[0].Prompt.contains("could be neither finished nor undone")) << Script().Shown()[0].Prompt.toStdString();
}

TEST_F(StartupTest, TheExitBackupKeepsTheCustomerBackupWhileADeleteIsUnsettled)
{
    for (int n = 1; n <= 3; ++n)
        SeedCustomer(n, QStringLiteral("C100%1").arg(n), QStringLiteral("Firm%1").arg(n));
    const QByteArray good = ReadFile(CustomerDataPath);
    WriteFile("/Backup/CustomerData.txt", good);
    // A delete cut short between its renames whose marker cannot be read.
    WriteFile("/CUSTOMER.OLD", good);
    WriteFile(CustomerDataPath, good.left(2 * CustomerRecord::Length));
    if (!MakeUnreadableFile(CustomerDeleteMarkerPath))
        GTEST_SKIP() << "no unreadable file can be made here";
    WriteFile("/Phone.txt", "phone");
    Script().Queue(MsgAnswer::Ok);
    ASSERT_TRUE(Main());
    ASSERT_EQ(Script().Shown().size(), 1);

    static int ends;
    ends = 0;
    SetProgramEndAction([] { ++ends; });
    EndProgram();
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(ReadFile("/Backup/CustomerData.txt"), good);
    EXPECT_EQ(ReadFile("/Backup/Phone.txt"), "phone");
}

TEST_F(StartupTest, ATeamDeleteCutShortIsFinishedBeforeTheTeamsAreRead)
{
    SetToday(QDate(2026, 5, 10));
    WriteFile("/Assignto.txt", "\"North\"\r\n\"South\"\r\n\"East\"\r\n");
    ReadAssignments();
    for (const QString root : {"/2026", "/Backup/2026"})
        for (int team = 1; team <= 3; ++team)
            WriteFile(root + QStringLiteral("/Team# %1/140.txt").arg(team), QByteArray::number(team));
    QByteArray slip(297, ' ');
    slip.replace(20, 1, "3");
    WriteFile("/Slips.txt", slip);
    // South is deleted, and the program killed among the renames: the running year's folders
    // already renumbered, the backup's not yet.
    struct Killed {};
    SetTeamDeleteStepHook([](const QString& path) {
        if (path == "/Backup/2026/Team# 3")
            throw Killed();
    });
    EXPECT_THROW(PurgeFolder(2, 3, {"North", "East"}), Killed);
    SetTeamDeleteStepHook(nullptr);
    ASSERT_EQ(ReadFile("/2026/Team# 2/140.txt"), "3");
    ASSERT_EQ(ReadFile("/Backup/2026/Team# 3/140.txt"), "3");
    // An earlier delete that could not remove its parked folder, before last year rolled over.
    WriteFile("/2025/Team#-deleted-4/300.txt", "gone team");

    ASSERT_TRUE(Main());
    EXPECT_TRUE(Script().Shown().isEmpty());
    EXPECT_EQ(Shared().TeamNames, (QStringList{"populated", "North", "East"}));
    for (const QString root : {"/2026", "/Backup/2026"}) {
        EXPECT_EQ(QDir(FullPath(root)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), (QStringList{"Team# 1", "Team# 2"}))
            << root.toStdString();
        EXPECT_EQ(ReadFile(root + "/Team# 2/140.txt"), "3") << root.toStdString();
    }
    slip.replace(20, 1, "2");
    EXPECT_EQ(ReadFile("/Slips.txt"), slip);
    EXPECT_FALSE(Exists("/TEAM.DEL"));
    EXPECT_EQ(QDir(FullPath("/")).entryList({"Slips*", "Assignto*"}), (QStringList{"Assignto.txt", "Slips.txt"}));
    // With the parked folder gone, the roll-over takes last year whole.
    EXPECT_FALSE(IsFolder("/2025"));
}

TEST_F(StartupTest, ATeamDeleteThatCannotBeSettledEndsTheStartBeforeTheTeamsAreTouched)
{
    WriteFile("/Assignto.txt", "\"North\"\r\n");
    WriteFile("/TEAM.DEL", "\"Sideways\"\r\n");
    Script().Queue(MsgAnswer::Ok);
    EXPECT_FALSE(Main());
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Title, "Delete Assignment");
    EXPECT_TRUE(Script().Shown()[0].Prompt.contains("TEAM.DEL could not be changed")) << Script().Shown()[0].Prompt.toStdString();
    EXPECT_FALSE(IsFolder("/2026/Team# 1"));
    EXPECT_FALSE(IsFolder("/Backup/2026"));
    EXPECT_EQ(ReadFile("/TEAM.DEL"), "\"Sideways\"\r\n");
}

TEST_F(StartupTest, AFolderNameThatIsNotUtf8NeverStopsTheStart)
{
#ifndef Q_OS_UNIX
    GTEST_SKIP() << "only a Unix file system keeps a name's bytes as they are";
#else
    WriteRequiredSettings("");
    WriteFile("/CustomerData.txt", Customer("C1001") + Customer("C1002"));
    // What a copy from an older Windows machine leaves: names in Windows-1252, no UTF-8.
    MakeFolders("/AuxFiles/C1001");
    const QByteArray aux = QFile::encodeName(FullPath("/AuxFiles"));
    ASSERT_EQ(::mkdir(aux + "/C1001/Fotos M\xfcller", 0777), 0);
    ASSERT_EQ(::mkdir(aux + "/M\xfcller", 0777), 0);

    ASSERT_TRUE(Main());
    QTest::mouseClick(ScreenInstance<frmSplash>().cmdContinue, Qt::LeftButton);
    ASSERT_TRUE(IsScreenLoaded<frmStartup>());
    EXPECT_TRUE(ScreenInstance<frmStartup>().isVisible());
    for (const char* account : {"C1001", "C1002"})
        for (int n = 0; n <= 5; ++n)
            EXPECT_TRUE(IsFolder(QStringLiteral("/AuxFiles/%1/AuxFile%2").arg(QLatin1String(account), QString::number(n))))
                << account << n;
    EXPECT_TRUE(FoldersNotMade().isEmpty());
    EXPECT_TRUE(Script().Shown().isEmpty());
#endif
}

TEST_F(StartupTest, ARewriteCutShortLeavesNoCopyButNoOtherFileIsTaken)
{
    WriteFile("/Assignto.txt", "\"North\"\r\n");
    WriteFile("/2026/Team# 1/66.txt", "day");
    // The writer's copies of files the program rewrites whole, as a kill leaves them.
    const QStringList leftovers = {"/2026/Team# 1/66.txt.msJpiQ.scheduler-tmp", "/CustomerData.txt.nQtPLF.scheduler-tmp",
                                   "/Backup/Slips.txt.xYzzy7.scheduler-tmp", "/ConstructionProjects/Pj66-1.txt.QwErTy.scheduler-tmp",
                                   "/Backup/2027/Team# 1/120.txt.AbCdEf.scheduler-tmp",
                                   "/Templates/WONarrative.txt.ZzZzZz.scheduler-tmp",
                                   "/TamselInvoicer/IncompleteInvoices/17.txt.a1B2c3.scheduler-tmp"};
    // Copies a person made, whatever their shape, a sibling program's files, and the writer's tag
    // beside a file the program does not rewrite.
    const QStringList kept = {"/CustomerData.txt.Backup", "/Slips.txt.Before", "/Meetings.txt.OldOne",
                              "/ConstructionProjects/MyNotes.txt.Friday", "/Templates/WONarrative.txt.Backup",
                              "/2026/Team# 1/66.txt.Backup", "/Backup/CustomerData.txt.MyCopy", "/UpdatedInventory.txt.Backup",
                              "/TamselProposals/P-100.txt.msJpiQ.scheduler-tmp", "/2026/Team# 1/66.txt.msJpi.scheduler-tmp",
                              "/2026/Team# 1/Notes.txt.msJpiQ.scheduler-tmp", "/Invoice.txt.msJpiQ.scheduler-tmp",
                              "/CustomerData.txt.msJpiQ.scheduler-tmp.bak", "/TamselInvoicer/IncompleteInvoices/Notes.txt.a1B2c3.scheduler-tmp",
                              "/AuxFiles/C1001/AuxFile1/Data.txt.msJpiQ", "/2026/Team# 1/66.txt",
                              "/Slips.txt.backup", "/2026/Team# 1/66.txt.BEFORE"};
    for (const QString& path : leftovers + kept)
        if (path != "/2026/Team# 1/66.txt")
            WriteFile(path, "left");

    ASSERT_TRUE(Main());
    for (const QString& path : leftovers)
        EXPECT_FALSE(Exists(path)) << path.toStdString();
    for (const QString& path : kept)
        EXPECT_TRUE(Exists(path)) << path.toStdString();
    EXPECT_EQ(ReadFile("/2026/Team# 1/66.txt"), "day");
}

TEST_F(StartupTest, TheFolderBoxStaysShortWhenThousandsOfFoldersCannotBeMade)
{
    QByteArray customers;
    for (int n = 1; n <= 1000; ++n)
        customers += Customer("C" + QByteArray::number(1000 + n));
    WriteFile("/CustomerData.txt", customers);
    WriteFile("/AuxFiles", "a file where the folder goes");
    Script().Queue(MsgAnswer::Ok);
    ASSERT_TRUE(Main());

    ASSERT_EQ(Script().Shown().size(), 1);
    const ShownMessage& box = Script().Shown().first();
    EXPECT_EQ(box.Title, "Folder Error");
    EXPECT_LE(box.Prompt.count(QLatin1Char('\n')), 10) << box.Prompt.toStdString();
    EXPECT_TRUE(box.Prompt.contains("7001 folders could not be created under /AuxFiles")) << box.Prompt.toStdString();
    EXPECT_TRUE(box.Prompt.contains("/AuxFiles/C1001\n")) << box.Prompt.toStdString();
    EXPECT_EQ(FoldersNotMade().size(), 7001);
}
