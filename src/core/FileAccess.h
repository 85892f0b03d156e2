#pragma once

#include "core/RecordFile.h"
#include "core/WriteFormat.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Every data file lives under the program folder and is reached through these procedures.
// Paths are relative to the program folder and begin with "\" or "/" (both work anywhere).
// The backup copy of a file is the same relative path under "/Backup".

// The relative path of a file's backup copy.
QString BackupPathOf(const QString& path);

// Whether a file is there: a file missing but present in the backup folder is restored first.
// NotRestored: the file is missing and its backup copy could not be copied back (a full disk);
// that backup is then the only good copy, and nothing may be made in the file's place.
enum class FileState { Present, Missing, NotRestored };
FileState FileStateOf(const QString& path);
// Why a missing file's backup copy could not be put back: the copy cannot be read (no
// permission, a damaged disk), a folder or other entry stands in the file's place, or the file
// could not be written (a full disk, a folder that may not be written to).
enum class RestoreFault { BackupUnreadable, PlaceTaken, NotWritten };
RestoreFault WhyNotRestored(const QString& path);
// True when the file exists (FileStateOf says Present). A folder of that name is not a file.
bool FileExists(const QString& path);
// Copies a file over the destination (through a scratch file, so a failed copy leaves the
// destination as it was).
bool CopyAppFile(const QString& source, const QString& destination);

// 0 when FileExists says no; otherwise the number of records of that length in the file.
int GetFileRecordCount(const QString& path, int recordLength);

// The 297-byte event files: opens (creating when missing) and counts, setting
// SlipRecCount and SlipRecNext.
RecordFile GetRecordCount(const QString& path);

// A text file read whole, for item and line reading.
class TextInput : public ItemReader {
public:
    TextInput() = default;
    TextInput(QByteArray bytes, bool open) : ItemReader(std::move(bytes)), open_(open) {}
    bool IsOpen() const { return open_; }

private:
    bool open_ = false;
};

// Lines written to a text file. An output file is replaced as a whole when it is closed (the
// writer's copy, on the disk, renamed over it, so a failed write never leaves the old file
// emptied); an
// append file gets its lines at the end. Closing happens at the latest when it goes out of
// scope; Close() tells whether everything was written.
class TextOutput {
public:
    enum class Mode { Replace, Append };

    TextOutput(QString fullPath, Mode mode);
    TextOutput(TextOutput&&) noexcept;
    TextOutput& operator=(TextOutput&&) noexcept;
    ~TextOutput();

    void WriteItems(std::initializer_list<WriteItem> items);
    void WriteItems(const QList<WriteItem>& items);
    void WritePlainLine(const QString& text);
    // Lines already formatted, CR LF included.
    void WriteRaw(const QByteArray& lines);
    bool Close();

private:
    QString fullPath_;
    Mode mode_ = Mode::Replace;
    QByteArray pending_;
    bool closed_ = false;
};

// A seam for tests, empty in the program: asked with the full path before a text output is
// written; true makes that write fail as a full disk would (everything runs as root in tests,
// where no permission stops a write).
std::function<bool(const QString& fullPath)>& FailingWrites();

TextInput OpenForInput(const QString& path);
// The whole file into `bytes`, reusing the room it already has, so a reader of many files
// spares a buffer per file. False when the file cannot be opened or read.
bool ReadWholeFile(const QString& path, QByteArray& bytes);
TextOutput OpenForOutput(const QString& path);
TextOutput OpenForAppend(const QString& path);
// Record files for reading and writing by record number; a missing file is created.
RecordFile OpenForRandom(const QString& path, int recordLength);
RecordFile OpenForRandom2(const QString& path, int recordLength);
// The scratch record file "/TemporaryFile.txt", emptied of anything a broken run left in it.
RecordFile OpenTempRandom(int recordLength);
RecordFile OpenCustomerFile();
RecordFile OpenContractFile();
RecordFile OpenCycleFile();

inline const QString TemporaryFilePath = QStringLiteral("/TemporaryFile.txt");

// True when a text (an account or proposal number) can be used as one part of a path: not
// empty, no separators, no "..", no control characters and no wildcards.
bool IsSafePathPart(const QString& text);
// Why a text cannot be one part of a path, so the user can be told the real reason.
enum class PathPartFault { None, Empty, Characters, TrailingDotOrBlank, DeviceName };
PathPartFault CheckPathPart(const QString& text);

// Deletes a file (a missing one is no error); a last part "*.*" deletes every file in that
// folder. False when a file that was there could not be deleted.
bool DeleteFile(const QString& path);
// Deletes the backup copy, then the file.
bool DeleteWithBackup(const QString& path);
// Makes one folder level when nothing of that name exists; true when the folder is there.
bool MakeFolder(const QString& path);
// Puts "/TemporaryFile.txt" in the place of the file and removes the file's backup copy.
// The original is replaced by a rename, never deleted first.
bool ReplaceWithTemp(const QString& path);

// Puts a scratch file in the place of the file by a rename, then removes the file's backup copy.
bool ReplaceWithScratch(const QString& path, const QString& scratchPath);

// Writes the records to keep, in order, into a scratch file (emptied first); the file itself is
// not touched. False, and no scratch file, when that failed or a record could not be read.
bool WriteCompactedCopy(const QString& path, int recordLength,
                        const std::function<bool(const QByteArray& record, qint64 number)>& keep,
                        const QString& scratchPath);

// Drops records from a record file: the kept ones, in order, go through a scratch file, which
// then takes the file's place; the backup copy is removed. A failure leaves the file as it was.
bool CompactRecordFile(const QString& path, int recordLength,
                       const std::function<bool(const QByteArray& record, qint64 number)>& keep,
                       const QString& scratchPath = TemporaryFilePath);

// Record n of a record file, read without creating the file; zeros where there is none.
// ok, when given, is false when the record could not be read from the file (as
// RecordFile::Read).
QByteArray ReadRecordAt(const QString& path, int recordLength, qint64 number, bool* ok = nullptr);

// The fixed tag that ends the name of the whole-file writer's own copy:
// "<file name>.<six random letters or digits>.scheduler-tmp". No person types it and no sibling
// program writes it, so a copy a person made ("CustomerData.txt.Backup") is never taken for one.
inline const QString RewriteCopyTag = QStringLiteral(".scheduler-tmp");

// A whole-file rewrite killed before its rename leaves the writer's copy beside the file. Removes,
// from one folder (not below it), the regular files named as the writer names its copies whose
// <file name> `ours` accepts; the number removed.
int RemoveRewriteLeftovers(const QString& folder, const std::function<bool(const QString& fileName)>& ours);

// Puts a file written through a record file on the disk, with its entry in its folder, before
// anything that counts on it (a marker saying it is complete) is written.
bool SyncToDisk(const QString& path);
// The folder entry of a full path on the disk (a file made or renamed in it).
bool SyncFolderOf(const QString& fullPath);
