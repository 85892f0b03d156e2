#include "scheduling/TeamDelete.h"

#include "core/FileAccess.h"
#include "platform/FolderSync.h"
#include "platform/MessageBox.h"
#include "platform/NativePath.h"
#include "platform/ProgramFolder.h"
#include "scheduling/ProjectFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <filesystem>
#include <optional>
#include <system_error>

namespace {

// What the marker says is to be done: go on to the new files and names, go back to the old
// ones, or only clear away, every step being done.
const QString Finish = QStringLiteral("Finish");
const QString Undo = QStringLiteral("Undo");
const QString Done = QStringLiteral("Done");

QString RenumberedCopyOf(const QString& path)
{
    return path + QStringLiteral(".renumbered");
}

QString FormerCopyOf(const QString& path)
{
    return path + QStringLiteral(".before-deletion");
}

std::function<void(const QString&)>& StepHook()
{
    static std::function<void(const QString&)> hook;
    return hook;
}

bool IsFileAt(const QString& path)
{
    return QFileInfo(AppPath(path)).isFile();
}

bool IsFolderAt(const QString& path)
{
    return QFileInfo(AppPath(path)).isDir();
}

bool Rename(const QString& from, const QString& to)
{
    std::error_code error;
    std::filesystem::rename(NativePath(AppPath(from)), NativePath(AppPath(to)), error);
    return !error;
}

QString ParentOf(const QString& path)
{
    const QString normal = NormalizeRelativePath(path);
    return normal.left(std::max<qsizetype>(1, normal.lastIndexOf(QLatin1Char('/'))));
}

// A path the marker holds is used only when it stays inside the program folder. Any name a
// file there already has is taken, so a sibling's oddly named file cannot stop the recovery.
bool IsSafeRelativePath(const QString& path)
{
    const QStringList parts = NormalizeRelativePath(path).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return false;
    for (const QString& part : parts) {
        if (part == QLatin1String(".") || part == QLatin1String("..") || part.contains(QLatin1Char(':')))
            return false;
        for (QChar c : part)
            if (c.unicode() < 32)
                return false;
    }
    return true;
}

const char* KindName(TeamDeleteStep::Kind kind)
{
    switch (kind) {
    case TeamDeleteStep::Kind::File:
        return "File";
    case TeamDeleteStep::Kind::Folder:
        return "Folder";
    case TeamDeleteStep::Kind::Park:
        return "Park";
    }
    return "";
}

bool WriteMarker(const QString& direction, const QList<TeamDeleteStep>& steps)
{
    TextOutput marker = OpenForOutput(TeamDeleteMarkerPath);
    marker.WriteItems({direction});
    for (const TeamDeleteStep& step : steps) {
        if (step.What == TeamDeleteStep::Kind::File)
            marker.WriteItems({KindName(step.What), step.Path, step.NewSize, step.OldSize});
        else
            marker.WriteItems({KindName(step.What), step.Path, step.NewPath});
    }
    if (!marker.Close())
        return false;
    SyncFolder(AppPath(QStringLiteral("/")));
    return true;
}

struct Marker {
    QString Direction;
    QList<TeamDeleteStep> Steps;
};

std::optional<Marker> ReadMarker()
{
    TextInput input = OpenForInput(TeamDeleteMarkerPath);
    if (!input.IsOpen())
        return std::nullopt;
    Marker marker;
    marker.Direction = input.ReadLineItems().value(0).Text();
    if (marker.Direction != Finish && marker.Direction != Undo && marker.Direction != Done)
        return std::nullopt;
    while (!input.AtEnd()) {
        const QList<ReadValue> items = input.ReadLineItems();
        TeamDeleteStep step;
        const QString kind = items.value(0).Text();
        step.Path = items.value(1).Text();
        if (kind == QLatin1String("File") && items.size() == 4) {
            const std::optional<qint64> newSize = items.at(2).Integer();
            const std::optional<qint64> oldSize = items.at(3).Integer();
            if (!newSize || !oldSize)
                return std::nullopt;
            step.NewSize = *newSize;
            step.OldSize = *oldSize;
        } else if ((kind == QLatin1String("Folder") || kind == QLatin1String("Park")) && items.size() == 3) {
            step.What = kind == QLatin1String("Park") ? TeamDeleteStep::Kind::Park : TeamDeleteStep::Kind::Folder;
            step.NewPath = items.at(2).Text();
            if (!IsSafeRelativePath(step.NewPath))
                return std::nullopt;
        } else {
            return std::nullopt;
        }
        if (!IsSafeRelativePath(step.Path))
            return std::nullopt;
        marker.Steps.append(step);
    }
    return marker;
}

// One step forward, whatever of it a kill left done. The steps run in order and no name is
// taken twice, so a folder already under its new name has been moved, and a file without its
// renumbered copy beside it has been replaced.
bool Forward(const TeamDeleteStep& step)
{
    if (step.What == TeamDeleteStep::Kind::File) {
        const QString copy = RenumberedCopyOf(step.Path);
        if (!IsFileAt(copy))
            return true;
        // A copy of another size is not the one the delete wrote.
        return QFileInfo(AppPath(copy)).size() == step.NewSize && Rename(copy, step.Path);
    }
    if (IsFolderAt(step.NewPath) || !IsFolderAt(step.Path))
        return true;
    return Rename(step.Path, step.NewPath);
}

// One step back: steps are undone from the last, so a folder still under its old name was
// never moved, and a file whose renumbered copy is still beside it was never replaced.
bool Backward(const TeamDeleteStep& step)
{
    if (step.What == TeamDeleteStep::Kind::File) {
        const QString former = FormerCopyOf(step.Path);
        if (IsFileAt(RenumberedCopyOf(step.Path)) || !IsFileAt(former))
            return true;
        return QFileInfo(AppPath(former)).size() == step.OldSize && Rename(former, step.Path);
    }
    if (IsFolderAt(step.Path) || !IsFolderAt(step.NewPath))
        return true;
    return Rename(step.NewPath, step.Path);
}

// The renames on the disk before the marker that covers them goes.
void SyncParents(const QList<TeamDeleteStep>& steps)
{
    QSet<QString> parents;
    for (const TeamDeleteStep& step : steps)
        parents.insert(ParentOf(step.Path));
    for (const QString& parent : parents)
        SyncFolder(AppPath(parent));
}

void ClearAwayDone(const QList<TeamDeleteStep>& steps, TeamDeleteRun& run)
{
    for (const TeamDeleteStep& step : steps) {
        if (step.What == TeamDeleteStep::Kind::File) {
            // A backup copy with the old numbers would bring them back if the file went missing.
            const QString backup = BackupPathOf(step.Path);
            if (IsFileAt(backup) && !CopyAppFile(step.Path, backup) && !DeleteFile(backup))
                run.NotRenumbered.append(NormalizeRelativePath(backup));
            DeleteFile(FormerCopyOf(step.Path));
            DeleteFile(RenumberedCopyOf(step.Path));
        } else if (step.What == TeamDeleteStep::Kind::Park && IsFolderAt(step.NewPath)
                   && !QDir(AppPath(step.NewPath)).removeRecursively()) {
            // It keeps a name no team is read from; the next start tries again.
            run.NotRemoved.append(NormalizeRelativePath(step.NewPath));
        }
    }
    // Once all is done the marker only asks for clearing away, which harms nothing if it stays.
    DeleteFile(TeamDeleteMarkerPath);
}

TeamDeleteRun Settle(QString direction, const QList<TeamDeleteStep>& steps, bool running)
{
    TeamDeleteRun run;
    if (direction == Finish) {
        bool forward = true;
        for (const TeamDeleteStep& step : steps) {
            if (running && StepHook())
                StepHook()(step.Path);
            if (!Forward(step)) {
                run.Problem = NormalizeRelativePath(step.Path);
                forward = false;
                break;
            }
        }
        if (forward) {
            SyncParents(steps);
            run.Result = TeamDeleteRun::Outcome::Done;
            // Parked folders and old copies go only once the marker no longer sends anything
            // forward: a step run again after them would move a renumbered team aside.
            if (WriteMarker(Done, steps))
                ClearAwayDone(steps, run);
            return run;
        }
        // When not even the way back can be marked, the delete is finished at the next start.
        if (!WriteMarker(Undo, steps)) {
            run.Result = TeamDeleteRun::Outcome::Unsettled;
            return run;
        }
        direction = Undo;
    }
    if (direction == Undo) {
        for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
            if (!Backward(*step)) {
                run.Problem = NormalizeRelativePath(step->NewPath.isEmpty() ? step->Path : step->NewPath);
                run.Result = TeamDeleteRun::Outcome::Unsettled;
                return run;
            }
        }
        SyncParents(steps);
        DropPreparedCopies(steps);
        run.Result = DeleteFile(TeamDeleteMarkerPath) ? TeamDeleteRun::Outcome::Undone : TeamDeleteRun::Outcome::Unsettled;
        return run;
    }
    run.Result = TeamDeleteRun::Outcome::Done;
    ClearAwayDone(steps, run);
    return run;
}

// What deletes leave when no marker speaks for it: parked folders a delete could not remove,
// copies of a delete stopped before its marker, and the writer's half-made copies of them.
void ClearLeftovers()
{
    static const QRegularExpression parked(QStringLiteral("^Team#-deleted-[0-9]+$"));
    for (const QString& year : TeamYearFolders()) {
        const QStringList names = QDir(AppPath(year)).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
        for (const QString& name : names)
            if (parked.match(name).hasMatch())
                QDir(AppPath(year + QLatin1Char('/') + name)).removeRecursively();
    }
    auto ours = [](const QString& name) {
        return name.endsWith(QLatin1String(".renumbered")) || name.endsWith(QLatin1String(".before-deletion"));
    };
    for (const QString& folder : {QStringLiteral("/"), ProjectsFolder}) {
        QDir dir(AppPath(folder));
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
            if (ours(name))
                dir.remove(name);
        RemoveRewriteLeftovers(folder, [&ours](const QString& name) {
            return ours(name) || name == TeamDeleteMarkerPath.mid(1);
        });
    }
}

} // namespace

QStringList TeamYearFolders()
{
    static const QRegularExpression year(QStringLiteral("^\\d{4}$"));
    QStringList folders;
    for (const QString& parent : {QString(), QStringLiteral("/Backup")}) {
        const QStringList names = QDir(AppPath(parent.isEmpty() ? QStringLiteral("/") : parent))
                                      .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString& name : names)
            if (year.match(name).hasMatch())
                folders.append(parent + QLatin1Char('/') + name);
    }
    return folders;
}

QString ParkedFolderName(int teamNo)
{
    return QStringLiteral("Team#-deleted-%1").arg(teamNo);
}

bool MarkerCanName(const QString& path)
{
    ItemReader reader(FormatWriteLine({path}));
    return reader.ReadItem().Text() == path && IsSafeRelativePath(path);
}

bool PrepareFileStep(const QString& path, const QByteArray& oldBytes, const QByteArray& newBytes, TeamDeleteStep& step)
{
    step = TeamDeleteStep{TeamDeleteStep::Kind::File, path, QString(), newBytes.size(), oldBytes.size()};
    TextOutput former = OpenForOutput(FormerCopyOf(path));
    former.WriteRaw(oldBytes);
    TextOutput renumbered = OpenForOutput(RenumberedCopyOf(path));
    renumbered.WriteRaw(newBytes);
    // Each copy is synced to the disk as it takes its name.
    if (former.Close() && renumbered.Close())
        return true;
    DropPreparedCopies({step});
    return false;
}

void DropPreparedCopies(const QList<TeamDeleteStep>& steps)
{
    for (const TeamDeleteStep& step : steps) {
        if (step.What != TeamDeleteStep::Kind::File)
            continue;
        DeleteFile(RenumberedCopyOf(step.Path));
        DeleteFile(FormerCopyOf(step.Path));
    }
}

TeamDeleteRun RunTeamDelete(const QList<TeamDeleteStep>& steps)
{
    // The folders' new copies on the disk before the marker can send anything forward to them.
    SyncParents(steps);
    if (!WriteMarker(Finish, steps)) {
        TeamDeleteRun run;
        run.Problem = TeamDeleteMarkerPath;
        DropPreparedCopies(steps);
        if (!DeleteFile(TeamDeleteMarkerPath))
            run.Result = TeamDeleteRun::Outcome::Unsettled;
        return run;
    }
    return Settle(Finish, steps, true);
}

bool RecoverTeamDelete(QString* problem)
{
    if (QFileInfo(AppPath(TeamDeleteMarkerPath)).exists()) {
        const std::optional<Marker> marker = ReadMarker();
        const TeamDeleteRun run = marker ? Settle(marker->Direction, marker->Steps, false) : TeamDeleteRun{};
        if (!marker || run.Result == TeamDeleteRun::Outcome::Unsettled) {
            if (problem)
                *problem = run.Problem.isEmpty() ? TeamDeleteMarkerPath : run.Problem;
            return false;
        }
    }
    ClearLeftovers();
    return true;
}

bool SettleTeamDeleteAtStart()
{
    QString problem;
    if (RecoverTeamDelete(&problem))
        return true;
    MsgBox(QStringLiteral("An Assignment delete that was cut short could not be finished or undone:\n"
                          "%1 could not be changed.\n"
                          "The program will end. Start it again once that can be changed.")
               .arg(problem.mid(1)),
           MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Delete Assignment"));
    return false;
}

void SetTeamDeleteStepHook(std::function<void(const QString& path)> hook)
{
    StepHook() = std::move(hook);
}
