// The crash test for whole-file rewrites. For each kind of whole file, a child process rewrites
// it over and over through the program's own writer and is killed (SIGKILL) at a random moment.
// The file must then hold exactly one content the rewrites produce, nothing left beside it may
// pass for data, and the next rewrite must come out right. After the clean-up the next start
// runs, none of the program's temporary copies is left and every copy a person made is there.
//   scheduler_killtest [kills per kind, default 80] [random seed]

#include "accounts/ContactFiles.h"
#include "accounts/CustomerRecords.h"
#include "app/Startup.h"
#include "core/DataUpkeep.h"
#include "core/FileAccess.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "scheduling/LoadedProjects.h"
#include "scheduling/DayPurge.h"
#include "scheduling/ProjectCounter.h"
#include "scheduling/ProjectFile.h"
#include "scheduling/SlipRecord.h"
#include "scheduling/TeamDayStore.h"
#include "scheduling/TeamDelete.h"
#include "scheduling/TeamList.h"
#include "scheduling/EventRecords.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QDate Day(2026, 3, 7);

QByteArray Bytes(const QString& relativePath)
{
    QFile file(AppPath(relativePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Exists(const QString& relativePath)
{
    return QFileInfo(AppPath(relativePath)).isFile();
}

void Check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "  failed: %s\n", what);
        std::exit(1);
    }
}

// One kind of whole file and the rewrites the child repeats.
struct Kind {
    const char* name;
    QString path;
    // In the parent: the folder as the rewrites start from.
    std::function<void()> prepare;
    // In the child: one rewrite; false once there is nothing left to rewrite.
    std::function<bool()> rewrite;
    // A content that one of the rewrites leaves.
    std::function<bool(const QByteArray&)> valid;
    // What a rewrite makes of a content.
    std::function<QByteArray(const QByteArray&)> next;
    // Scratch files of the writer: never read as data, emptied before every use.
    QStringList scratch;
    // Other files the rewrites keep in step with the file, checked by `valid`.
    QStringList others;
    // In the parent after each kill, as the next start does it.
    std::function<void()> recover;
    // The latest kill, in microseconds: long enough to reach well into the rewrites.
    int maxDelay = 12000;
};

// Two contents written in turn by the same writer.
Kind Alternating(const char* name, const QString& path, std::function<void(bool second)> write)
{
    auto contents = std::make_shared<std::pair<QByteArray, QByteArray>>();
    Kind kind{name, path, {}, {}, {}, {}, {}, {}, {}};
    kind.prepare = [=] {
        write(true);
        contents->second = Bytes(path);
        write(false);
        contents->first = Bytes(path);
        Check(!contents->first.isEmpty() && contents->first != contents->second, "two different contents");
    };
    kind.rewrite = [=] {
        write(Bytes(path) == contents->first);
        return true;
    };
    kind.valid = [=](const QByteArray& bytes) { return bytes == contents->first || bytes == contents->second; };
    kind.next = [=](const QByteArray& bytes) { return bytes == contents->first ? contents->second : contents->first; };
    return kind;
}

// A record file that each rewrite shortens by its first record: every state is a tail of the
// original, whole records only.
Kind Shrinking(const char* name, const QString& path, int recordLength, int records,
               std::function<bool()> dropFirst, QStringList scratch)
{
    auto original = std::make_shared<QByteArray>();
    Kind kind{name, path, {}, {}, {}, {}, scratch, {}, {}};
    kind.prepare = [=] {
        QByteArray bytes;
        for (int n = 1; n <= records; ++n) {
            QByteArray record = QStringLiteral("%1 record %2").arg(QString::fromLatin1(name)).arg(n).toLatin1();
            record = record.leftJustified(recordLength, '.');
            bytes += record;
        }
        *original = bytes;
        QFile file(AppPath(path));
        Check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "the record file written");
    };
    kind.rewrite = [=] {
        if (QFileInfo(AppPath(path)).size() <= recordLength)
            return false;
        return dropFirst();
    };
    kind.valid = [=](const QByteArray& bytes) {
        return !bytes.isEmpty() && bytes.size() % recordLength == 0 && original->endsWith(bytes);
    };
    kind.next = [=](const QByteArray& bytes) { return bytes.mid(recordLength); };
    return kind;
}

// The customer delete: the customer file and the two billing files lose the same record, and
// the invoicer's file of that customer goes. After the recovery the three files must hold the
// same customers in the same order (all as before the delete or all as after it), and the
// invoicer keeps a file for every customer still on file and none for one that is gone.
Kind CustomerDelete(int customers)
{
    struct File {
        QString path;
        int length;
        char mark;
    };
    const QList<File> files{{CustomerDataPath, CustomerRecord::Length, 'K'},
                            {ContractInfoPath, ContractRecord::Length, 'C'},
                            {CycleInfoPath, CycleRecord::Length, 'Y'}};
    auto invoicerFile = [](int n) { return QStringLiteral("/TIActiveAccounts/K%1.txt").arg(n); };
    auto originals = std::make_shared<QList<QByteArray>>();
    Kind kind{"customer delete", CustomerDataPath, {}, {}, {}, {}, {}, {}, {}};
    kind.scratch = QStringList{QStringLiteral("/CUSTOMER.TMP"), QStringLiteral("/Temp.txt"),
                               QStringLiteral("/ContractTemp.txt"), QStringLiteral("/CUSTOMER.OLD"),
                               QStringLiteral("/CYCLE.OLD"), QStringLiteral("/CONTRACT.OLD")};
    // The marker of a delete under way is gone once the delete is settled.
    kind.others = QStringList{ContractInfoPath, CycleInfoPath, CustomerDeleteMarkerPath};
    for (int n = 1; n <= customers; ++n)
        kind.others.append(invoicerFile(n));
    kind.prepare = [=] {
        originals->clear();
        for (const File& file : files) {
            QByteArray bytes;
            for (int n = 1; n <= customers; ++n)
                bytes += QByteArray(file.mark + QByteArray::number(n)).leftJustified(file.length, ' ');
            originals->append(bytes);
            QFile out(AppPath(file.path));
            Check(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size(), "the customer files written");
        }
        MakeFolder(QStringLiteral("/TIActiveAccounts"));
        for (int n = 1; n <= customers; ++n) {
            QFile out(AppPath(invoicerFile(n)));
            Check(out.open(QIODevice::WriteOnly) && out.write("x") == 1, "the invoicer's files written");
        }
    };
    kind.rewrite = [] {
        if (QFileInfo(AppPath(CustomerDataPath)).size() <= CustomerRecord::Length)
            return false;
        return bool(DeleteCustomer(1));
    };
    kind.valid = [=](const QByteArray& bytes) {
        const qsizetype count = bytes.size() / CustomerRecord::Length;
        if (count < 1 || bytes.size() % CustomerRecord::Length != 0 || Exists(CustomerDeleteMarkerPath))
            return false;
        for (qsizetype i = 0; i < files.size(); ++i) {
            const QByteArray now = Bytes(files.at(i).path);
            if (now.size() != count * files.at(i).length || !originals->at(i).endsWith(now))
                return false;
        }
        for (int n = 1; n <= customers; ++n)
            if (Exists(invoicerFile(n)) != (n > customers - count))
                return false;
        return true;
    };
    kind.next = [](const QByteArray& bytes) { return bytes.mid(CustomerRecord::Length); };
    kind.recover = [] { Check(RecoverCustomerDelete(), "the cut-short delete settled"); };
    // A delete syncs four files to the disk before it replaces any.
    kind.maxDelay = 60000;
    return kind;
}

// The customer delete with a power cut instead of a kill: what was not on the disk yet is lost.
// The copies are the files a delete writes first; at their emptiest a cut leaves them empty
// beside a whole marker. The recovery must then put the old files back, never take the empty ones.
Kind CustomerDeletePowerCut(int customers)
{
    Kind kind = CustomerDelete(customers);
    kind.name = "customer delete, power cut";
    kind.recover = [] {
        if (Exists(CustomerDeleteMarkerPath))
            for (const char* copy : {"/CUSTOMER.TMP", "/Temp.txt", "/ContractTemp.txt"})
                if (Exists(QString::fromLatin1(copy)))
                    Check(QFile::resize(AppPath(QString::fromLatin1(copy)), 0), "a copy emptied as a power cut leaves it");
        Check(RecoverCustomerDelete(), "the cut-short delete settled");
    };
    return kind;
}

// The team delete: six teams, and team 2 deleted again and again. After the recovery the team
// list, the day folders of every year (live and backup), the slips, meetings, project records
// and project files must all show the same number of deletions, and nothing of a delete under
// way may be left: no marker, no parked folder, no scratch copy.
struct TeamModel {
    static constexpr int Teams = 6;
    static QString Name(int team) { return QStringLiteral("Crew %1").arg(team); }
    static QStringList Roots() { return {"/2026", "/2027", "/Backup/2026", "/Backup/2027", "/Backup/2028"}; }
    // Team 3 has no folder next year.
    static bool HasFolder(const QString& root, int team) { return !(team == 3 && root.endsWith(QLatin1String("2027"))); }
    static QString DayFile(const QString& root, int team) { return root + QStringLiteral("/Team# %1/70.txt").arg(team); }
    static QString Project(int n) { return ProjectsFolder + QStringLiteral("/PjK%1.txt").arg(n); }

    // After d deletions of team 2, the teams left are the original 1 and d + 2 to 6.
    static QList<int> Left(int deletions)
    {
        QList<int> teams{1};
        for (int team = deletions + 2; team <= Teams; ++team)
            teams.append(team);
        return teams;
    }
    // The number an original team has after d deletions; 0 once it is gone.
    static int Number(int team, int deletions) { return std::max(0, int(Left(deletions).indexOf(team)) + 1); }

    static QByteArray Event(const QString& key, int team, const QDate& date)
    {
        SlipRecord record;
        record.EventKey = key;
        record.TeamNo = team > 0 ? QString::number(team) : QString();
        record.EventDate = date.toString(Qt::ISODate);
        record.CustomerName = QStringLiteral("Hall");
        return record.ToBytes();
    }
    // A past and a coming event per team: a gone team's past ones keep no team, its coming
    // ones go.
    static QByteArray Events(const QString& prefix, int deletions, bool dropComing)
    {
        const QDate today = QDate::currentDate();
        QByteArray bytes;
        for (int team = 1; team <= Teams; ++team) {
            const int number = Number(team, deletions);
            bytes += Event(prefix + QStringLiteral("%1p").arg(team), number, today.addDays(-30));
            if (number > 0 || !dropComing)
                bytes += Event(prefix + QStringLiteral("%1c").arg(team), number, today.addDays(30));
        }
        return bytes;
    }
    static QByteArray List(int deletions)
    {
        QByteArray bytes;
        for (int team : Left(deletions))
            bytes += FormatWriteLine({Name(team)});
        return bytes;
    }
    // The teams of a project's milestones: one milestone for every team, or for teams 1 and 4.
    static QList<int> ProjectTeams(int n) { return n == 1 ? QList<int>{1, 2, 3, 4, 5, 6} : QList<int>{4, 1}; }
};

Kind TeamDelete()
{
    using M = TeamModel;
    Kind kind{"team delete", AssignmentsPath, {}, {}, {}, {}, {}, {}, {}};
    kind.others = QStringList{SlipsPath, MeetingsPath, ProjectRecordsPath, BackupPathOf(SlipsPath), M::Project(1), M::Project(2)};
    for (const QString& root : M::Roots())
        for (int team = 1; team <= M::Teams; ++team)
            kind.others.append(M::DayFile(root, team));
    kind.prepare = [] {
        auto write = [](const QString& path, const QByteArray& bytes) {
            QFile file(AppPath(path));
            Check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "the team files written");
        };
        write(AssignmentsPath, M::List(0));
        for (const QString& root : M::Roots()) {
            QDir().mkpath(AppPath(root));
            for (int team = 1; team <= M::Teams; ++team) {
                if (!M::HasFolder(root, team))
                    continue;
                QDir().mkpath(AppPath(root + QStringLiteral("/Team# %1").arg(team)));
                write(M::DayFile(root, team), (M::Name(team) + root).toLatin1());
            }
        }
        write(SlipsPath, M::Events(QStringLiteral("S"), 0, true));
        write(BackupPathOf(SlipsPath), M::Events(QStringLiteral("S"), 0, true));
        write(MeetingsPath, M::Events(QStringLiteral("M"), 0, true));
        write(ProjectRecordsPath, M::Events(QStringLiteral("P"), 0, false));
        MakeFolder(ProjectsFolder);
        for (int n = 1; n <= 2; ++n) {
            ProjectData project;
            project.Header.ProjectNo = QStringLiteral("PjK%1").arg(n);
            for (int team : M::ProjectTeams(n)) {
                MilestoneRecord milestone;
                milestone.MilestoneName = QStringLiteral("Work %1").arg(team);
                milestone.Team = QString::number(team);
                milestone.Status = StatusCompleted;
                milestone.PersonnelType = 2;
                milestone.ScheduledDate = Day;
                project.Milestones.append(milestone);
            }
            Check(WriteProjectFile(M::Project(n), project) && ReadProjectFile(M::Project(n)), "the project files written");
        }
    };
    kind.rewrite = [] {
        ReadAssignments();
        QStringList names = Shared().TeamNames.mid(1);
        if (names.size() <= 2)
            return false;
        const int before = int(names.size());
        names.removeAt(1);
        return PurgeFolder(2, before, names).Done;
    };
    kind.valid = [](const QByteArray& bytes) {
        int d = 0;
        while (d < M::Teams - 2 && bytes != M::List(d))
            ++d;
        auto fail = [](const char* what) {
            std::fprintf(stderr, "  the team delete left %s out of step\n", what);
            return false;
        };
        if (bytes != M::List(d))
            return fail("the team list");
        for (const QString& root : M::Roots()) {
            QStringList expected;
            for (int team : M::Left(d))
                if (M::HasFolder(root, team))
                    expected.append(QStringLiteral("Team# %1").arg(M::Number(team, d)));
            expected.sort();
            if (QDir(AppPath(root)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name) != expected)
                return fail("the team folders");
            for (int team : M::Left(d))
                if (M::HasFolder(root, team) && Bytes(M::DayFile(root, M::Number(team, d))) != (M::Name(team) + root).toLatin1())
                    return fail("the day files");
        }
        if (Bytes(SlipsPath) != M::Events(QStringLiteral("S"), d, true)
            || Bytes(BackupPathOf(SlipsPath)) != M::Events(QStringLiteral("S"), d, true))
            return fail("Slips.txt");
        if (Bytes(MeetingsPath) != M::Events(QStringLiteral("M"), d, true))
            return fail("Meetings.txt");
        if (Bytes(ProjectRecordsPath) != M::Events(QStringLiteral("P"), d, false))
            return fail("ProjectRecords.txt");
        for (int n = 1; n <= 2; ++n) {
            const std::optional<ProjectData> project = ReadProjectFile(M::Project(n));
            QStringList teams;
            QStringList expected;
            for (const MilestoneRecord& milestone : project ? project->Milestones : QList<MilestoneRecord>())
                teams.append(milestone.Team);
            for (int team : M::ProjectTeams(n))
                expected.append(M::Number(team, d) > 0 ? QString::number(M::Number(team, d)) : QString());
            if (teams != expected)
                return fail("a project file");
        }
        QDirIterator files(ProgramFolder(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString name = files.nextFileInfo().fileName();
            if (name.contains(QLatin1String("deleted")) || name.contains(QLatin1String("renumbered"))
                || name.contains(QLatin1String("before-deletion")) || name.startsWith(QLatin1String("TEAM.DEL")))
                return fail(qPrintable(QStringLiteral("a leftover ") + name + QStringLiteral(", and so")));
        }
        return true;
    };
    kind.next = [](const QByteArray& bytes) {
        for (int d = 0; d < M::Teams - 2; ++d)
            if (bytes == M::List(d))
                return M::List(d + 1);
        return bytes;
    };
    kind.recover = [] { Check(RecoverTeamDelete(), "the cut-short team delete settled"); };
    kind.maxDelay = 60000;
    return kind;
}

QList<Kind> Kinds()
{
    QList<Kind> kinds;
    kinds.append(Alternating("settings file", AssignmentsPath, [](bool second) {
        QStringList teams{QStringLiteral("Framing Crew"), QStringLiteral("Roofing"), QStringLiteral("Finish Work")};
        for (int n = 1; second && n <= 60; ++n)
            teams.append(QStringLiteral("Crew %1").arg(n));
        SaveAssignments(teams);
    }));
    kinds.append(Alternating("day file", TeamDayFilePath(QString::number(Day.year()), 1, Day.dayOfYear()), [](bool second) {
        // As the program does: the day as it is, then the slots changed, then the save.
        LoadTeamDay(Day, TeamText(1));
        for (int k = 1; k <= 12; ++k)
            TeamDay().DaySlots[size_t(k)] = second && k >= 3 && k <= 10 ? QStringLiteral("Pj66-1 Framing") : NoEventScheduled;
        SaveTeamDay(Day, TeamText(1));
    }));
    kinds.append(Alternating("project file", ProjectFilePath(QStringLiteral("Pj66-1")), [](bool second) {
        ProjectData project;
        project.Header.ProjectNo = QStringLiteral("Pj66-1");
        project.Header.ProjectName = second ? QStringLiteral("Kitchen Addition") : QStringLiteral("Porch");
        for (int j = 1; j <= (second ? 40 : 2); ++j) {
            MilestoneRecord milestone;
            milestone.MilestoneName = QStringLiteral("Milestone %1").arg(j);
            milestone.PersonnelType = 2;
            milestone.ScheduledDate = Day.addDays(j);
            milestone.Team = QStringLiteral("1");
            project.Milestones.append(milestone);
        }
        project.Header.MilestoneCount = qint16(project.Milestones.size());
        MakeFolder(ProjectsFolder);
        WriteProjectFile(ProjectFilePath(QStringLiteral("Pj66-1")), project);
    }));
    kinds.append(Alternating("project counter", PjCounterPath, [](bool second) {
        ProjectCounter().PjCounterDay = QString::number(Day.dayOfYear());
        ProjectCounter().PjCounterSeq = second ? 12345 : 3;
        SaveProjectCounter();
    }));
    // The meetings purge and the customer delete rewrite their record files this way.
    kinds.append(Shrinking("meetings record file", MeetingsPath, SlipRecord::Length, 300, [] {
        return CompactRecordFile(MeetingsPath, SlipRecord::Length, [](const QByteArray&, qint64 n) { return n != 1; });
    }, {TemporaryFilePath}));
    kinds.append(Shrinking("contacts record file", VendorDataPath, ContactRecord::Length, 300,
                           [] { return DeleteContactRecord(1); }, {QStringLiteral("/Contact.TMP")}));
    kinds.append(CustomerDelete(200));
    kinds.append(CustomerDeletePowerCut(200));
    kinds.append(TeamDelete());
    return kinds;
}

void EmptyFolder()
{
    QDir folder(ProgramFolder());
    for (const QFileInfo& entry : folder.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (entry.isDir())
            QDir(entry.filePath()).removeRecursively();
        else
            folder.remove(entry.fileName());
    }
}

// Copies a person made beside the files the program rewrites, named as people name them. The
// start's clean-up must leave every one of them.
const QStringList PersonsCopies = {
    QStringLiteral("/CustomerData.txt.Backup"),         QStringLiteral("/Slips.txt.Before"),
    QStringLiteral("/Meetings.txt.OldOne"),             QStringLiteral("/Assignto.txt.MyCopy"),
    QStringLiteral("/ConstructionProjects/MyNotes.txt.Friday"), QStringLiteral("/Templates/WONarrative.txt.Backup"),
    QStringLiteral("/2026/Team# 1/66.txt.Backup"),     QStringLiteral("/Backup/CustomerData.txt.MyCopy"),
    QStringLiteral("/UpdatedInventory.txt.Backup"),
};

void PlacePersonsCopies()
{
    for (const QString& path : PersonsCopies) {
        QDir().mkpath(QFileInfo(AppPath(path)).absolutePath());
        QFile out(AppPath(path));
        Check(out.open(QIODevice::WriteOnly) && out.write(path.toUtf8()) == path.size(), "a person's copy written");
    }
}

// The next start, as far as it touches files: a cut-short customer delete settled (or the copies
// of one cut short before its marker removed), and the writer's leftovers cleared. Afterwards none
// of the program's temporary copies is left, and every copy a person made is there as it was.
// The number of the writer's copies the clean-up found.
int StartAfterKill()
{
    Check(SettleCustomerDeleteAtStart(), "the start settles the customer files");
    int found = 0;
    QDirIterator before(ProgramFolder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (before.hasNext())
        found += before.nextFileInfo().fileName().endsWith(RewriteCopyTag) ? 1 : 0;
    ClearRewriteLeftovers();
    QDirIterator files(ProgramFolder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QFileInfo file(files.next());
        if (file.fileName().endsWith(RewriteCopyTag)) {
            std::fprintf(stderr, "  left after the start: %s\n", qPrintable(file.filePath()));
            Check(false, "no copy of the writer left after the start's clean-up");
        }
    }
    for (const char* copy : {"/CUSTOMER.TMP", "/Temp.txt", "/ContractTemp.txt", "/CUSTOMER.OLD", "/CYCLE.OLD", "/CONTRACT.OLD"})
        Check(!Exists(QString::fromLatin1(copy)), "no copy of the customer delete left after the start");
    for (const QString& path : PersonsCopies)
        Check(Bytes(path) == path.toUtf8(), "a copy a person made stays through the start's clean-up");
    return found;
}

struct Tally {
    int kills = 0;
    int first = 0;     // the content the rewrites started from
    int leftovers = 0; // kills after which a scratch or half-made file was left
    int cleared = 0;   // kills after which the start removed a copy of the writer
    QStringList leftoverNames;
};

// Every file beside the data file must be a scratch file of the writer, or a half-made copy
// whose name no reader takes for data.
void CheckLeftovers(const Kind& kind, Tally& tally)
{
    const QString dataFile = QFileInfo(AppPath(kind.path)).absoluteFilePath();
    bool leftover = false;
    QDirIterator files(ProgramFolder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QFileInfo file(files.next());
        if (file.absoluteFilePath() == dataFile)
            continue;
        const QString relative = QLatin1Char('/') + QDir(ProgramFolder()).relativeFilePath(file.absoluteFilePath());
        if (kind.others.contains(relative) || PersonsCopies.contains(relative))
            continue;
        leftover = true;
        if (tally.leftoverNames.size() < 3 && !tally.leftoverNames.contains(relative))
            tally.leftoverNames.append(relative);
        if (kind.scratch.contains(relative))
            continue;
        // A half-made copy of the file, of a scratch file or of another file kept in step.
        bool halfMade = false;
        for (const QString& madeOf : QStringList{kind.path} + kind.scratch + kind.others) {
            const QFileInfo whole(AppPath(madeOf));
            halfMade = halfMade
                       || (file.absolutePath() == whole.absolutePath()
                           && file.fileName().startsWith(whole.fileName() + QLatin1Char('.'))
                           && !file.fileName().endsWith(QLatin1String(".txt"), Qt::CaseInsensitive));
        }
        if (!halfMade) {
            std::fprintf(stderr, "  left behind: %s\n", qPrintable(relative));
            Check(false, "nothing but scratch files left beside the data file");
        }
    }
    // The project list is the one reader that lists a folder.
    if (kind.path.startsWith(ProjectsFolder) && FindProjectFiles() > 0)
        Check(LoadedProjects().ProjectFiles == (QStringList{QString(), QFileInfo(dataFile).fileName()}),
              "the project list sees only the project file");
    if (leftover)
        ++tally.leftovers;
}

Tally Run(const Kind& kind, int kills, std::mt19937& random)
{
    Tally tally;
    std::uniform_int_distribution<int> delay(0, kind.maxDelay);
    for (int i = 0; i < kills; ++i) {
        EmptyFolder();
        kind.prepare();
        PlacePersonsCopies();
        const QByteArray before = Bytes(kind.path);
        std::fflush(nullptr);
        const pid_t child = fork();
        Check(child >= 0, "fork");
        if (child == 0) {
            while (kind.rewrite()) {
            }
            for (;;)
                pause();
        }
        usleep(useconds_t(delay(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        Check(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL, "the child killed, not ended by itself");
        ++tally.kills;
        if (kind.recover)
            kind.recover();
        if (StartAfterKill() > 0)
            ++tally.cleared;

        Check(Exists(kind.path), "the file still there");
        const QByteArray after = Bytes(kind.path);
        if (!kind.valid(after)) {
            std::fprintf(stderr, "  kill %d left %lld bytes that no rewrite writes\n", i + 1, qint64(after.size()));
            Check(false, "exactly a content one of the rewrites leaves");
        }
        if (after == before)
            ++tally.first;
        CheckLeftovers(kind, tally);

        // Whatever the kill left, the next rewrite comes out right.
        if (kind.rewrite())
            Check(Bytes(kind.path) == kind.next(after), "the next rewrite after a kill");
    }
    return tally;
}

} // namespace

int main(int argc, char* argv[])
{
    const int kills = argc > 1 ? std::atoi(argv[1]) : 80;
    const unsigned seed = argc > 2 ? unsigned(std::strtoul(argv[2], nullptr, 10)) : std::random_device{}();
    // On the disk, where the program folder would be, not in memory.
    QTemporaryDir folder;
    Check(folder.isValid(), "a scratch program folder");
    SetProgramFolder(folder.path());
    Shared().TeamNames = QStringList{QStringLiteral("populated"), QStringLiteral("Framing Crew")};
    Shared().CurrentYear = QString::number(Day.year());

    std::printf("kill test, %d kills per kind, seed %u\n", kills, seed);
    std::mt19937 random(seed);
    QElapsedTimer clock;
    clock.start();
    for (const Kind& kind : Kinds()) {
        std::printf("%s (%s)\n", kind.name, qPrintable(kind.path));
        std::fflush(stdout);
        const Tally tally = Run(kind, kills, random);
        std::printf("  %d kills, each leaving a whole content (%d the starting one); %d left a scratch or "
                    "half-made file beside it%s%s\n",
                    tally.kills, tally.first, tally.leftovers, tally.leftoverNames.isEmpty() ? "" : ", such as ",
                    qPrintable(tally.leftoverNames.join(QStringLiteral(", "))));
        std::printf("  %d left a copy of the writer that the next start removed\n", tally.cleared);
    }
    std::printf("kill test passed in %.1f s\n", clock.elapsed() / 1000.0);
    return 0;
}
