#include "core/DataUpkeep.h"
#include "core/FileAccess.h"
#include "app/frmSetup.h"
#include "core/QtPrinters.h"
#include "core/SharedState.h"
#include "scheduling/LoadedProjects.h"
#include "scheduling/DayPurge.h"
#include "scheduling/EventRecords.h"
#include "scheduling/ProjectFile.h"
#include "scheduling/SlipRecord.h"
#include "scheduling/TeamDelete.h"
#include "scheduling/TeamList.h"
#include "support/FileFlags.h"
#include "support/ScreenFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

// Day folders of the running year, the next year and the backup mirror.
const QStringList DayRoots{"/2026", "/2027", "/Backup/2026"};
const QByteArray ABC = "\"A\"\r\n\"B\"\r\n\"C\"\r\n";

class TeamListTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        Shared().CurrentYear = QStringLiteral("2026");
        ResetLoadedProjects();
    }
    void TearDown() override
    {
        SetTeamDeleteStepHook(nullptr);
        // Whatever was made undeletable, wherever it was moved to, can go again.
        QDirIterator it(FullPath("/"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            SetImmutable(it.next(), false);
        ScreenFixture::TearDown();
        ResetLoadedProjects();
    }

    // The team list file, read into TeamNames as start-up does, then the screen.
    frmSetup& LoadWithTeams(const QByteArray& assignto)
    {
        WriteFile(AssignmentsPath, assignto);
        ReadAssignments();
        return ScreenInstance<frmSetup>();
    }

    // One day file per team and root, holding the team's letter and the root.
    void WriteDayFiles(const QStringList& letters, const QStringList& roots = DayRoots)
    {
        for (const QString& root : roots)
            for (int team = 1; team <= letters.size(); ++team)
                WriteFile(root + QStringLiteral("/Team# %1/70.txt").arg(team), (letters[team - 1] + root).toUtf8());
    }

    QByteArray Day(const QString& root, int team) const
    {
        return ReadFile(root + QStringLiteral("/Team# %1/70.txt").arg(team));
    }

    QStringList Entries(const QString& folder) const
    {
        return QDir(FullPath(folder)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }

    // The user picks an entry from the drop-down, as the list itself reports it.
    static void Select(frmSetup& setup, int index)
    {
        setup.cboAssignments->setCurrentIndex(index);
        emit setup.cboAssignments->activated(index);
    }

    static void Type(frmSetup& setup, const QString& text)
    {
        setup.cboAssignments->setEditText(text);
        setup.cmdSave_Click();
    }

    // After a refused delete: the list, its file and every day folder as they were.
    void ExpectNothingChanged(frmSetup& setup)
    {
        EXPECT_EQ(Script().Shown().size(), 1);
        EXPECT_EQ(Script().Shown().value(0).Title, "Delete Assignment");
        EXPECT_EQ(ReadFile(AssignmentsPath), ABC);
        EXPECT_EQ(setup.AssignmentNames(), (QStringList{"A", "B", "C"}));
        for (const QString& root : {QStringLiteral("/2026"), QStringLiteral("/Backup/2026")})
            for (int team = 1; team <= 3; ++team)
                EXPECT_EQ(Day(root, team), (QString(QChar('A' + team - 1)) + root).toUtf8()) << root.toStdString();
    }

    static MilestoneRecord Milestone(const QString& team, const QString& status = StatusScheduled)
    {
        MilestoneRecord m;
        m.MilestoneName = QStringLiteral("Framing");
        m.ScheduledDate = QDate(2026, 4, 1);
        m.Team = team;
        m.Status = status;
        return m;
    }

    QStringList WriteProject(const QString& projectNo, const QList<MilestoneRecord>& milestones)
    {
        ProjectData project;
        project.Header.ProjectNo = projectNo;
        project.Header.MilestoneCount = qint16(milestones.size());
        project.Milestones = milestones;
        MakeFolders(ProjectsFolder);
        EXPECT_TRUE(WriteProjectFile(ProjectFilePath(projectNo), project));
        return TeamsOf(projectNo);
    }

    static QStringList TeamsOf(const QString& projectNo)
    {
        QStringList teams;
        if (const std::optional<ProjectData> project = ReadProjectFile(ProjectFilePath(projectNo)))
            for (const MilestoneRecord& m : project->Milestones)
                teams.append(m.Team);
        return teams;
    }

    // 297-byte event records whose team field (offset 20, width 2) holds the given numbers.
    static QByteArray EventRecords(const QList<QByteArray>& teams)
    {
        QByteArray bytes;
        for (const QByteArray& team : teams) {
            QByteArray record(SlipRecord::Length, ' ');
            record.replace(0, 6, "PROJEC");
            record.replace(20, team.size(), team);
            record.replace(52, 7, "Framing");
            bytes += record;
        }
        return bytes;
    }
};

TEST_F(TeamListTest, TypedNamesUpToFortyThenOnlyDrops)
{
    frmSetup& setup = LoadWithTeams("\"Crew 1\"\r\n");
    Type(setup, QString());
    Type(setup, QStringLiteral("Crew 1"));
    EXPECT_EQ(setup.cboAssignments->currentText(), "");
    EXPECT_EQ(ReadFile(AssignmentsPath), "\"Crew 1\"\r\n");
    EXPECT_TRUE(Script().Shown().isEmpty());

    Type(setup, QStringLiteral("crew 1"));
    EXPECT_EQ(ReadFile(AssignmentsPath), "\"Crew 1\"\r\n\"crew 1\"\r\n");
    EXPECT_EQ(Shared().TeamNames, (QStringList{"populated", "Crew 1", "crew 1"}));
    EXPECT_TRUE(IsFolder("/2026/Team# 2"));

    for (int i = 3; i <= 40; ++i)
        Type(setup, QStringLiteral("Crew %1").arg(i));
    EXPECT_EQ(Shared().TeamCount(), 40);
    EXPECT_EQ(Script().Beeps(), 0);
    Type(setup, QStringLiteral("Crew 41"));
    EXPECT_EQ(Script().Beeps(), 1);
    EXPECT_EQ(setup.cboAssignments->count(), 40);
    EXPECT_FALSE(IsFolder("/2026/Team# 41"));

    // A drop needs a chosen contact, and is not held to forty.
    setup.lstContacts->addItems({"Bob's Framing", "Carl Electric"});
    setup.cboAssignments_DragDrop();
    EXPECT_EQ(setup.cboAssignments->count(), 40);
    setup.lstContacts->setCurrentRow(1);
    setup.cboAssignments_DragDrop();
    EXPECT_EQ(Shared().TeamNames.value(41), "Carl Electric");
    EXPECT_TRUE(ReadFile(AssignmentsPath).endsWith("\"Crew 40\"\r\n\"Carl Electric\"\r\n"));
    EXPECT_TRUE(IsFolder("/2026/Team# 41"));
    setup.cboAssignments_DragDrop();
    EXPECT_EQ(setup.cboAssignments->count(), 41);
    EXPECT_EQ(Script().Beeps(), 1);
}

TEST_F(TeamListTest, NamesAreKeptAndComparedAsTheFileHoldsThem)
{
    frmSetup& setup = LoadWithTeams("");
    setup.Show();
    ShowAtRealSize(&setup);
    QTabBar* tabs = setup.tabSetup->tabBar();
    ClickAt(tabs, tabs->tabRect(frmSetup::AssignmentsTab).center());

    // A pasted name keeps what the file can hold, and the user hears of the first character left out.
    ClickAt(setup.cboAssignments);
    QGuiApplication::clipboard()->setText(QStringLiteral("Crew \"\u0141\u00f3d\u017a\", \u65e5\u672c \U0001F642 \u20ac ok"));
    Script().Queue(MsgAnswer::Ok);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    ClickButton(setup.cmdSave);
    const QByteArray crew = "\"Crew '\xf3" "d',   \x80 ok\"\r\n";
    EXPECT_EQ(ReadFile(AssignmentsPath), crew);
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown().at(0).Prompt, QStringLiteral("This character, (\u0141) cannot be stored"));

    // A sub-contractor whose name holds double quotes is one team however often it is dropped.
    setup.lstContacts->addItems({QStringLiteral("Bob \"Tiny\" Miller, Jr.")});
    setup.lstContacts->setCurrentRow(0);
    setup.cboAssignments_DragDrop();
    setup.cboAssignments_DragDrop();
    EXPECT_EQ(ReadFile(AssignmentsPath), crew + "\"Bob 'Tiny' Miller, Jr.\"\r\n");
    EXPECT_EQ(setup.cboAssignments->count(), 2);
    EXPECT_FALSE(IsFolder("/2026/Team# 3"));
}

TEST_F(TeamListTest, DeletingATeamRenumbersEveryYearAndTheBackup)
{
    frmSetup& setup = LoadWithTeams(ABC);
    WriteDayFiles({"A", "B", "C"});
    // Team 2 has no folder next year.
    ASSERT_TRUE(QDir(FullPath("/2027/Team# 2")).removeRecursively());
    LoadedProjects().ProjectsLoaded = true;

    Select(setup, 0);
    setup.cmdDelete_Click();
    EXPECT_TRUE(Script().Shown().isEmpty());
    EXPECT_EQ(ReadFile(AssignmentsPath), "\"B\"\r\n\"C\"\r\n");
    EXPECT_EQ(Shared().TeamNames, (QStringList{"populated", "B", "C"}));
    for (const QString& root : {QStringLiteral("/2026"), QStringLiteral("/Backup/2026")}) {
        EXPECT_EQ(Entries(root), (QStringList{"Team# 1", "Team# 2"})) << root.toStdString();
        EXPECT_EQ(Day(root, 1), ("B" + root).toUtf8());
        EXPECT_EQ(Day(root, 2), ("C" + root).toUtf8());
    }
    EXPECT_EQ(Entries("/2027"), QStringList{"Team# 2"});
    EXPECT_EQ(Day("/2027", 2), "C/2027");
    EXPECT_FALSE(LoadedProjects().ProjectsLoaded);

    // Down to the only team, then none.
    Select(setup, 1);
    setup.cmdDelete_Click();
    Select(setup, 0);
    setup.cmdDelete_Click();
    EXPECT_EQ(ReadFile(AssignmentsPath), "");
    EXPECT_EQ(setup.cboAssignments->count(), 0);
    for (const QString& root : DayRoots)
        EXPECT_EQ(Entries(root), QStringList()) << root.toStdString();
}

TEST_F(TeamListTest, AFolderThatCannotBeRenamedLeavesEverythingAsItWas)
{
    frmSetup& setup = LoadWithTeams(ABC);
    WriteDayFiles({"A", "B", "C"});
    // A file where team 3's folder of next year has to go.
    ASSERT_TRUE(QDir(FullPath("/2027/Team# 2")).removeRecursively());
    WriteFile("/2027/Team# 2", "blocker");
    const QStringList teams = WriteProject("P1", {Milestone("3")});
    WriteFile(ProjectRecordsPath, EventRecords({"3 "}));

    Select(setup, 0);
    Script().Queue(MsgAnswer::Ok);
    setup.cmdDelete_Click();
    ExpectNothingChanged(setup);
    EXPECT_EQ(Entries("/2027"), (QStringList{"Team# 1", "Team# 2", "Team# 3"}));
    EXPECT_EQ(Day("/2027", 1), "A/2027");
    EXPECT_EQ(Day("/2027", 3), "C/2027");
    EXPECT_EQ(TeamsOf("P1"), teams);
    EXPECT_EQ(ReadFile(ProjectRecordsPath), EventRecords({"3 "}));
}

TEST_F(TeamListTest, AFolderThatCannotBeRemovedLeavesTheListAsItWas)
{
    frmSetup& setup = LoadWithTeams(ABC);
    WriteDayFiles({"A", "B", "C"});
    if (!SetImmutable(FullPath("/2026/Team# 1/70.txt"), true))
        GTEST_SKIP() << "files cannot be made undeletable here";

    Select(setup, 0);
    Script().Queue(MsgAnswer::Ok);
    setup.cmdDelete_Click();
    ExpectNothingChanged(setup);
}

TEST_F(TeamListTest, AFolderOfALaterYearThatCannotBeRemovedStopsTheDeletionBeforeItStarts)
{
    frmSetup& setup = LoadWithTeams(ABC);
    WriteDayFiles({"A", "B", "C"});
    // The running year's folder would be gone before next year's refused to go.
    if (!SetImmutable(FullPath("/Backup/2026/Team# 1/70.txt"), true))
        GTEST_SKIP() << "files cannot be made undeletable here";

    Select(setup, 0);
    Script().Queue(MsgAnswer::Ok);
    setup.cmdDelete_Click();
    SetImmutable(FullPath("/Backup/2026/Team# 1/70.txt"), false);
    ExpectNothingChanged(setup);
    EXPECT_EQ(Day("/2027", 1), "A/2027");
}

TEST_F(TeamListTest, ATeamListThatCannotBeWrittenKeepsTheDeletedTeamsDays)
{
    frmSetup& setup = LoadWithTeams(ABC);
    WriteDayFiles({"A", "B", "C"});
    if (!SetImmutable(FullPath(AssignmentsPath), true))
        GTEST_SKIP() << "files cannot be made unchangeable here";

    Select(setup, 0);
    Script().Queue(MsgAnswer::Ok);
    setup.cmdDelete_Click();
    SetImmutable(FullPath(AssignmentsPath), false);
    ExpectNothingChanged(setup);
}

TEST_F(TeamListTest, ProjectFilesAndProjectRecordsFollowTheRenumbering)
{
    frmSetup& setup = LoadWithTeams(ABC);
    WriteDayFiles({"A", "B", "C"}, {"/2026", "/Backup/2026"});
    WriteProject("P1", {Milestone("1", StatusCompleted), Milestone("2"), Milestone("3"), Milestone("")});
    WriteProject("P2", {Milestone("2"), Milestone("3", StatusCompleted)});
    WriteFile(ProjectRecordsPath, EventRecords({"1 ", "2 ", "3 ", "  "}));
    WriteFile(SlipsPath, EventRecords({"2 ", "3 "}));
    WriteFile(MeetingsPath, EventRecords({"3 "}));

    // Team 2 still has work to do in both projects.
    Select(setup, 1);
    Script().Queue(MsgAnswer::Ok);
    setup.cmdDelete_Click();
    ExpectNothingChanged(setup);
    EXPECT_TRUE(Script().Shown().value(0).Prompt.contains("2 Milestone")) << Script().Shown().value(0).Prompt.toStdString();
    EXPECT_EQ(TeamsOf("P2"), (QStringList{"2", "3"}));

    Select(setup, 0);
    setup.cmdDelete_Click();
    EXPECT_EQ(ReadFile(AssignmentsPath), "\"B\"\r\n\"C\"\r\n");
    // The deleted team's finished work keeps no team rather than passing to the next one.
    EXPECT_EQ(TeamsOf("P1"), (QStringList{"", "1", "2", ""}));
    EXPECT_EQ(TeamsOf("P2"), (QStringList{"1", "2"}));
    EXPECT_EQ(ReadFile(ProjectRecordsPath), EventRecords({"  ", "1 ", "2 ", "  "}));
    EXPECT_EQ(ReadFile(SlipsPath), EventRecords({"1 ", "2 "}));
    EXPECT_EQ(ReadFile(MeetingsPath), EventRecords({"2 "}));
}

TEST_F(TeamListTest, SlipsAndMeetingsStayWithTheirCrewWhenATeamBeforeThemGoes)
{
    frmSetup& setup = LoadWithTeams(ABC);
    WriteDayFiles({"A", "B", "C"}, {"/2026"});
    WriteProject("P1", {Milestone("2", StatusCompleted), Milestone("3")});
    auto event = [](const char* key, const char* team, const char* date) {
        SlipRecord record;
        record.EventKey = key;
        record.TeamNo = team;
        record.EventDate = date;
        record.CustomerName = "Hall";
        return record.ToBytes();
    };
    // Today is 3/7/2026. Team 2's coming slip and meetings go with it; its past slip stays
    // on record with no team; team 3's move down with their day files.
    const QByteArray slips = event("1001", "1", "3/9/2026") + event("1002", "2", "3/10/2026")
                             + event("0917", "2", "2/3/2026") + event("1003", "3", "3/9/2026")
                             + event("1004", "3", "someday");
    const QByteArray meetings = event("M0305", "3", "12/18/2026") + event("M0201", "2", "3/7/2026")
                                + event("M0202", "2", "4/1/2026") + event("M0101", "1", "4/1/2026");
    WriteFile(SlipsPath, slips);
    WriteFile(BackupPathOf(SlipsPath), slips);
    WriteFile(MeetingsPath, meetings);

    setup.Show();
    ShowAtRealSize(&setup);
    QTabBar* tabs = setup.tabSetup->tabBar();
    ClickAt(tabs, tabs->tabRect(frmSetup::AssignmentsTab).center());
    ASSERT_EQ(QApplication::focusWidget(), setup.cboAssignments);
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Down);
    ASSERT_EQ(setup.cboAssignments->currentText(), "B");

    // Asked first, and told what goes; No leaves everything as it was.
    Script().Queue(MsgAnswer::No);
    ClickButton(setup.cmdDelete);
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown().value(0).Title, "Delete Assignment");
    EXPECT_TRUE(Script().Shown().value(0).Prompt.startsWith("B has 1 Service Slip(s) and 2 Meeting(s) from today on."))
        << Script().Shown().value(0).Prompt.toStdString();
    EXPECT_EQ(ReadFile(AssignmentsPath), ABC);
    EXPECT_EQ(ReadFile(SlipsPath), slips);
    EXPECT_EQ(ReadFile(MeetingsPath), meetings);
    EXPECT_EQ(Day("/2026", 2), "B/2026");

    Script().Queue(MsgAnswer::Yes);
    ClickButton(setup.cmdDelete);
    EXPECT_EQ(Script().Shown().size(), 2);
    EXPECT_EQ(ReadFile(AssignmentsPath), "\"A\"\r\n\"C\"\r\n");
    EXPECT_EQ(Entries("/2026"), (QStringList{"Team# 1", "Team# 2"}));
    EXPECT_EQ(Day("/2026", 2), "C/2026");
    const QByteArray slipsAfter = event("1001", "1", "3/9/2026") + event("0917", "", "2/3/2026")
                                  + event("1003", "2", "3/9/2026") + event("1004", "2", "someday");
    EXPECT_EQ(ReadFile(SlipsPath), slipsAfter);
    EXPECT_EQ(ReadFile(BackupPathOf(SlipsPath)), slipsAfter);
    EXPECT_EQ(ReadFile(MeetingsPath), event("M0305", "2", "12/18/2026") + event("M0101", "1", "4/1/2026"));
    // No scratch or set-aside copy is left beside them.
    EXPECT_EQ(QDir(FullPath("/")).entryList({"Slips*", "Meetings*"}, QDir::Files), (QStringList{"Meetings.txt", "Slips.txt"}));
}

TEST_F(TeamListTest, ADeleteRefusedAtItsLastStepPutsTheSlipsAndMeetingsBack)
{
    frmSetup& setup = LoadWithTeams(ABC);
    WriteDayFiles({"A", "B", "C"});
    const QByteArray slips = EventRecords({"1 ", "2 ", "3 "});
    const QByteArray meetings = EventRecords({"3 "});
    WriteFile(SlipsPath, slips);
    WriteFile(MeetingsPath, meetings);
    // The new team list's copy is spoilt just before it takes the list's place, once the
    // slips, meetings and folders have all changed: a copy cut short is not the one written.
    bool spoilt = false;
    SetTeamDeleteStepHook([&](const QString& path) {
        if (path != AssignmentsPath)
            return;
        EXPECT_EQ(ReadFile(SlipsPath), EventRecords({"  ", "1 ", "2 "}));
        EXPECT_EQ(ReadFile(MeetingsPath), EventRecords({"2 "}));
        QFile copy(FullPath(AssignmentsPath + ".renumbered"));
        spoilt = copy.open(QIODevice::WriteOnly | QIODevice::Append) && copy.write("x") == 1;
    });

    Select(setup, 0);
    Script().Queue(MsgAnswer::Ok);
    setup.cmdDelete_Click();
    ASSERT_TRUE(spoilt);
    ExpectNothingChanged(setup);
    EXPECT_EQ(ReadFile(SlipsPath), slips);
    EXPECT_EQ(ReadFile(MeetingsPath), meetings);
    EXPECT_EQ(QDir(FullPath("/")).entryList(QDir::Files), (QStringList{"Assignto.txt", "Meetings.txt", "Slips.txt"}));
    EXPECT_EQ(Entries("/2026"), (QStringList{"Team# 1", "Team# 2", "Team# 3"}));
}

TEST_F(TeamListTest, ADeleteCutShortAtAnyStepIsFinishedByTheNextStart)
{
    // Everything a delete of team 2 of four changes, in a folder that starts empty each time.
    auto seed = [this] {
        QDir(FullPath("/")).removeRecursively();
        MakeFolders("/");
        WriteFile(AssignmentsPath, "\"A\"\r\n\"B\"\r\n\"C\"\r\n\"D\"\r\n");
        ReadAssignments();
        WriteDayFiles({"A", "B", "C", "D"});
        WriteProject("P1", {Milestone("1"), Milestone("2", StatusCompleted), Milestone("3"), Milestone("4")});
        WriteFile(ProjectRecordsPath, EventRecords({"1 ", "2 ", "3 ", "4 "}));
        WriteFile(SlipsPath, EventRecords({"4 ", "2 "}));
        WriteFile(BackupPathOf(SlipsPath), EventRecords({"4 ", "2 "}));
        WriteFile(MeetingsPath, EventRecords({"3 "}));
    };
    // Every folder and the bytes of every file.
    auto snapshot = [this] {
        QStringList entries;
        QDirIterator it(FullPath("/"), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo entry = it.nextFileInfo();
            const QString relative = QDir(FullPath("/")).relativeFilePath(entry.filePath());
            entries.append(entry.isDir() ? relative + "/" : relative + " " + QString::fromLatin1(ReadFile("/" + relative).toHex()));
        }
        entries.sort();
        return entries;
    };
    auto purge = [] { return PurgeFolder(2, 4, {"A", "C", "D"}); };

    seed();
    int steps = 0;
    SetTeamDeleteStepHook([&steps](const QString&) { ++steps; });
    ASSERT_TRUE(purge().Done);
    const QStringList after = snapshot();
    ASSERT_EQ(ReadFile(AssignmentsPath), "\"A\"\r\n\"C\"\r\n\"D\"\r\n");
    ASSERT_GT(steps, 10);

    struct Killed {};
    for (int cut = 1; cut <= steps; ++cut) {
        seed();
        int step = 0;
        SetTeamDeleteStepHook([&step, cut](const QString&) {
            if (++step == cut)
                throw Killed();
        });
        EXPECT_THROW(purge(), Killed);
        SetTeamDeleteStepHook(nullptr);
        EXPECT_TRUE(RecoverTeamDelete()) << cut;
        // Every new copy was on the disk before the first step: the delete goes on to its end.
        EXPECT_EQ(snapshot(), after) << "cut before step " << cut;
    }
}

TEST_F(TeamListTest, RenameAndDeleteActOnTheChosenEntry)
{
    frmSetup& setup = LoadWithTeams("\"A\"\r\n\"B\"\r\n\"A\"\r\n\"C\"\r\n");
    WriteDayFiles({"A", "B", "A2", "C"}, {"/2026"});

    // The chosen entry goes, not the first one with its name.
    Select(setup, 2);
    setup.cmdDelete_Click();
    EXPECT_EQ(ReadFile(AssignmentsPath), ABC);
    EXPECT_EQ(Day("/2026", 1), "A/2026");
    EXPECT_EQ(Day("/2026", 3), "C/2026");

    // Nothing is chosen now: neither rename button does anything.
    EXPECT_FALSE(setup.cmdChange[4]->isEnabled());
    EXPECT_FALSE(setup.cmdDelete->isEnabled());
    setup.cboAssignments->setEditText(QStringLiteral("Z"));
    setup.cmdChange_Click(4);
    setup.cmdChange_Click(0);
    EXPECT_EQ(ReadFile(AssignmentsPath), ABC);

    // Typed text with nothing chosen deletes the first entry of that name.
    setup.cboAssignments->setEditText(QStringLiteral("B"));
    setup.cmdDelete_Click();
    EXPECT_EQ(ReadFile(AssignmentsPath), "\"A\"\r\n\"C\"\r\n");

    // Team 2 may take team 1's name; both keep their numbers and days.
    Select(setup, 1);
    setup.cboAssignments->setEditText(QStringLiteral("A"));
    setup.cmdChange_Click(4);
    EXPECT_EQ(ReadFile(AssignmentsPath), "\"A\"\r\n\"A\"\r\n");
    EXPECT_EQ(Day("/2026", 2), "C/2026");
    EXPECT_FALSE(setup.cmdChange[4]->isEnabled());
    EXPECT_EQ(setup.cboAssignments->currentText(), "");
}

TEST_F(TeamListTest, ChoosingTheSameEntryAfterLeavingTheTabEnablesRenameAndDelete)
{
    frmSetup& setup = LoadWithTeams(ABC);
    Select(setup, 1);
    setup.tabSetup->setCurrentIndex(frmSetup::MilestonesTab);
    setup.tabSetup->setCurrentIndex(frmSetup::AssignmentsTab);
    EXPECT_FALSE(setup.cmdDelete->isEnabled());

    Select(setup, 1);
    EXPECT_TRUE(setup.cmdChange[4]->isEnabled());
    EXPECT_TRUE(setup.cmdDelete->isEnabled());
}

TEST_F(TeamListTest, SubContractorsComeFromTheContactFile)
{
    frmSetup& setup = LoadWithTeams("");
    auto contact = [](const QByteArray& name, const QByteArray& category) {
        QByteArray record(235, ' ');
        record.replace(0, 6, "AC-100");
        record.replace(20, name.size(), name);
        record.replace(185, category.size(), category);
        record.replace(205, 8, "Jim Hall");
        return record;
    };
    WriteFile("/VendorData.txt", contact("Acme Supply", "Supplier") + contact("Dana Roofing", "Sub-Contractors"));
    setup.LoadSubContractors();
    EXPECT_EQ(setup.lstContacts->count(), 0);
    EXPECT_TRUE(setup.fraContacts->isHidden());

    WriteFile("/VendorData.txt", contact("Acme Supply", "Supplier") + contact("Bob's Framing", "Sub-Contractor")
                                     + contact("Carl Electric", "  Sub-Contractor")
                                     + contact("Dana Roofing", "Sub-Contractors")
                                     + contact("Eve Plumbing", "sub-contractor")
                                     + contact("Fitzgerald & Sons Concrete Inc", "Sub-Contractor"));
    setup.LoadSubContractors();
    QStringList names;
    for (int i = 0; i < setup.lstContacts->count(); ++i)
        names.append(setup.lstContacts->item(i)->text());
    EXPECT_EQ(names, (QStringList{"Bob's Framing", "Carl Electric", "Fitzgerald & Sons Concrete Inc"}));
    EXPECT_FALSE(setup.fraContacts->isHidden());
}

} // namespace
