// The crash test for whole-file rewrites. For each kind of whole file, a child process rewrites
// it over and over through the program's own writer and is killed (SIGKILL) at a random moment.
// The file must then hold exactly one content the rewrites produce, nothing left beside it may
// pass for data, and the next rewrite must come out right.
//   scheduler_killtest [kills per kind, default 80] [random seed]

#include "accounts/ContactFiles.h"
#include "accounts/CustomerRecords.h"
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

struct Tally {
    int kills = 0;
    int first = 0;     // the content the rewrites started from
    int leftovers = 0; // kills after which a scratch or half-made file was left
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
        if (kind.others.contains(relative))
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
    if (FindProjectFiles() > 0)
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
    }
    std::printf("kill test passed in %.1f s\n", clock.elapsed() / 1000.0);
    return 0;
}
