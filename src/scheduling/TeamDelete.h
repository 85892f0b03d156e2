#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// A team delete renames the folders of many teams and replaces several files, and must survive
// a kill or a power cut at any step. It first writes, beside every file it changes, the new
// contents and a copy of the old, all on the disk; then a marker that lists its steps; only then
// does it rename. A delete cut short is finished or undone from the marker at the next start.

struct TeamDeleteStep {
    enum class Kind { File, Folder, Park };
    Kind What = Kind::File;
    // File: the file that its renumbered copy replaces. Folder: a folder renamed from Path to
    // NewPath. Park: the deleted team's folder, set aside as NewPath and removed once the delete
    // is done.
    QString Path;
    QString NewPath;
    // File: the sizes of the renumbered copy and of the copy of the old file.
    qint64 NewSize = 0;
    qint64 OldSize = 0;
};

inline const QString TeamDeleteMarkerPath = QStringLiteral("/TEAM.DEL");

// The year folders of the program folder and of its backup mirror: "/2026", "/Backup/2026".
QStringList TeamYearFolders();

// "Team#-deleted-3": the name of the deleted team's folder while the delete is under way.
QString ParkedFolderName(int teamNo);

// Whether the marker can name the file: its name reads back as it was written, and stays
// inside the program folder. A file it cannot name cannot be part of a delete.
bool MarkerCanName(const QString& path);

// Writes the two copies of a file's step, each on the disk; false, with neither left, when one
// could not be written.
bool PrepareFileStep(const QString& path, const QByteArray& oldBytes, const QByteArray& newBytes,
                     TeamDeleteStep& step);
// Removes the copies prepared for steps that will not run.
void DropPreparedCopies(const QList<TeamDeleteStep>& steps);

struct TeamDeleteRun {
    enum class Outcome { Done, Undone, Unsettled };
    Outcome Result = Outcome::Undone;
    // The file or folder that stopped the delete.
    QString Problem;
    // Parked folders that could not be removed; the next start tries again.
    QStringList NotRemoved;
    // Backup copies that still hold the old numbers.
    QStringList NotRenumbered;
};

// Carries the steps out in order under the marker. A step that fails puts back every step done
// (Undone). Unsettled when not even that could be done: the marker stays, and nothing may write
// the teams' files until the next start has settled it.
TeamDeleteRun RunTeamDelete(const QList<TeamDeleteStep>& steps);

// Finishes or undoes a delete cut short, then clears away what deletes left behind (parked
// folders, copies). False, with the file or folder that stopped it in `problem`, when the delete
// could be neither finished nor undone.
bool RecoverTeamDelete(QString* problem = nullptr);

// The start's settling of a delete cut short. False, once the user has been told, when it could
// not be settled: the program then ends before anything reads or writes the teams' files.
bool SettleTeamDeleteAtStart();

// Tests: called with a step's path before each step of a running delete. Throwing stands for
// the program being killed there.
void SetTeamDeleteStepHook(std::function<void(const QString& path)> hook);
