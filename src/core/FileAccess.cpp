#include "core/FileAccess.h"

#include "core/SharedState.h"
#include "platform/FolderSync.h"
#include "platform/NativePath.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QRandomGenerator>

#include <algorithm>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

bool RenameOver(const QString& fromFullPath, const QString& toFullPath);

bool IsFile(const QString& fullPath)
{
    return QFileInfo(fullPath).isFile();
}

// The writer's own copy: the file's name, six random letters and a fixed tag that no person
// types and no sibling program writes, so the start-up clean-up can tell it from anything else.
QString RewriteCopyName(const QString& fileName)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString random;
    for (int i = 0; i < 6; ++i)
        random.append(QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]));
    return fileName + QLatin1Char('.') + random + RewriteCopyTag;
}

bool SyncOpenFile(QFile& file)
{
    if (!file.flush())
        return false;
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    return true;
#endif
}

bool WriteWholeFile(const QString& fullPath, const QByteArray& bytes)
{
    // A link is written through, as its target is the file meant.
    QFileInfo target(fullPath);
    for (int depth = 0; depth < 32 && target.isSymLink(); ++depth)
        target.setFile(target.symLinkTarget());
    if (target.isDir() || (target.exists() && !target.isWritable()))
        return false;
    const QString finalPath = target.filePath();
    const QString folder = QFileInfo(finalPath).path();
    QString copyPath;
    QFile copy;
    for (int attempt = 0; attempt < 8; ++attempt) {
        copyPath = folder + QLatin1Char('/') + RewriteCopyName(QFileInfo(finalPath).fileName());
        copy.setFileName(copyPath);
        if (copy.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            break;
        // Only a name already taken is worth another try.
        if (!QFileInfo::exists(copyPath))
            return false;
    }
    if (!copy.isOpen())
        return false;
    // The new file keeps the permissions of the one it replaces.
    if (target.exists())
        copy.setPermissions(target.permissions());
    const bool written = copy.write(bytes) == bytes.size() && SyncOpenFile(copy);
    copy.close();
    if (!written || !RenameOver(copyPath, finalPath)) {
        QFile::remove(copyPath);
        return false;
    }
    SyncFolderOf(finalPath);
    return true;
}

bool RenameOver(const QString& fromFullPath, const QString& toFullPath)
{
    std::error_code error;
    std::filesystem::rename(NativePath(fromFullPath), NativePath(toFullPath), error);
    return !error;
}

} // namespace

QString BackupPathOf(const QString& path)
{
    return QStringLiteral("/Backup") + NormalizeRelativePath(path);
}

FileState FileStateOf(const QString& path)
{
    if (IsFile(AppPath(path)))
        return FileState::Present;
    const QString backup = BackupPathOf(path);
    if (!IsFile(AppPath(backup)))
        return FileState::Missing;
    return CopyAppFile(backup, path) ? FileState::Present : FileState::NotRestored;
}

RestoreFault WhyNotRestored(const QString& path)
{
    if (QFileInfo(AppPath(path)).exists() || QFileInfo(AppPath(path)).isSymLink())
        return RestoreFault::PlaceTaken;
    QFile backup(AppPath(BackupPathOf(path)));
    if (!backup.open(QIODevice::ReadOnly))
        return RestoreFault::BackupUnreadable;
    backup.readAll();
    return backup.error() == QFile::NoError ? RestoreFault::NotWritten : RestoreFault::BackupUnreadable;
}

bool FileExists(const QString& path)
{
    return FileStateOf(path) == FileState::Present;
}

bool CopyAppFile(const QString& source, const QString& destination)
{
    QFile in(AppPath(source));
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.readAll();
    if (in.error() != QFile::NoError)
        return false;
    return WriteWholeFile(AppPath(destination), bytes);
}

int GetFileRecordCount(const QString& path, int recordLength)
{
    if (!FileExists(path))
        return 0;
    return int(RecordCountForLength(QFileInfo(AppPath(path)).size(), recordLength));
}

RecordFile GetRecordCount(const QString& path)
{
    RecordFile file = OpenForRandom(path, 297);
    Shared().SlipRecCount = qint32(file.Count());
    Shared().SlipRecNext = Shared().SlipRecCount + 1;
    return file;
}

TextOutput::TextOutput(QString fullPath, Mode mode) : fullPath_(std::move(fullPath)), mode_(mode) {}

TextOutput::TextOutput(TextOutput&& other) noexcept
    : fullPath_(std::move(other.fullPath_)), mode_(other.mode_), pending_(std::move(other.pending_)),
      closed_(other.closed_)
{
    other.closed_ = true;
}

TextOutput& TextOutput::operator=(TextOutput&& other) noexcept
{
    if (this != &other) {
        Close();
        fullPath_ = std::move(other.fullPath_);
        mode_ = other.mode_;
        pending_ = std::move(other.pending_);
        closed_ = other.closed_;
        other.closed_ = true;
    }
    return *this;
}

TextOutput::~TextOutput()
{
    Close();
}

void TextOutput::WriteItems(std::initializer_list<WriteItem> items)
{
    pending_.append(FormatWriteLine(items));
}

void TextOutput::WriteItems(const QList<WriteItem>& items)
{
    pending_.append(FormatWriteLine(items));
}

void TextOutput::WritePlainLine(const QString& text)
{
    pending_.append(FormatPlainLine(text));
}

void TextOutput::WriteRaw(const QByteArray& lines)
{
    pending_.append(lines);
}

std::function<bool(const QString& fullPath)>& FailingWrites()
{
    static std::function<bool(const QString&)> failing;
    return failing;
}

bool TextOutput::Close()
{
    if (closed_)
        return true;
    closed_ = true;
    if (FailingWrites() && FailingWrites()(fullPath_))
        return false;
    if (mode_ == Mode::Replace)
        return WriteWholeFile(fullPath_, pending_);
    QFile file(fullPath_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    return file.write(pending_) == pending_.size() && file.flush();
}

TextInput OpenForInput(const QString& path)
{
    QFile file(AppPath(path));
    if (!file.open(QIODevice::ReadOnly))
        return TextInput({}, false);
    QByteArray bytes = file.readAll();
    // A file that opens but cannot be read is no more read than one that does not open.
    if (file.error() != QFile::NoError)
        return TextInput({}, false);
    return TextInput(std::move(bytes), true);
}

bool ReadWholeFile(const QString& path, QByteArray& bytes)
{
    // Unbuffered: the bytes go straight into `bytes`, with no copy through the device's buffer.
    QFile file(AppPath(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    qsizetype used = 0;
    for (;;) {
        if (bytes.size() - used < 4096)
            bytes.resize(std::max<qsizetype>(2 * bytes.size(), used + 16384));
        const qint64 got = file.read(bytes.data() + used, bytes.size() - used);
        if (got < 0) {
            bytes.clear();
            return false;
        }
        if (got == 0)
            break;
        used += got;
    }
    // A smaller size keeps the room for the next file.
    bytes.resize(used);
    return true;
}

TextOutput OpenForOutput(const QString& path)
{
    return TextOutput(AppPath(path), TextOutput::Mode::Replace);
}

TextOutput OpenForAppend(const QString& path)
{
    return TextOutput(AppPath(path), TextOutput::Mode::Append);
}

RecordFile OpenForRandom(const QString& path, int recordLength)
{
    return RecordFile(AppPath(path), recordLength);
}

RecordFile OpenForRandom2(const QString& path, int recordLength)
{
    return OpenForRandom(path, recordLength);
}

RecordFile OpenTempRandom(int recordLength)
{
    QFile leftover(AppPath(TemporaryFilePath));
    if (leftover.exists())
        leftover.resize(0);
    return OpenForRandom(TemporaryFilePath, recordLength);
}

RecordFile OpenCustomerFile()
{
    return OpenForRandom(QStringLiteral("/CustomerData.txt"), 328);
}

RecordFile OpenContractFile()
{
    return OpenForRandom2(QStringLiteral("/ContractInfo.txt"), 386);
}

RecordFile OpenCycleFile()
{
    return OpenForRandom2(QStringLiteral("/CycleInfo.txt"), 69);
}

PathPartFault CheckPathPart(const QString& text)
{
    if (text.trimmed().isEmpty())
        return PathPartFault::Empty;
    if (text.contains(QLatin1String("..")))
        return PathPartFault::Characters;
    for (QChar c : text) {
        if (c.unicode() < 32 || c.unicode() == 127)
            return PathPartFault::Characters;
        if (QStringLiteral("/\\*?\":<>|").contains(c))
            return PathPartFault::Characters;
    }
    // A trailing dot or blank names a different file on some systems.
    if (text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char(' ')))
        return PathPartFault::TrailingDotOrBlank;
    // The sibling programs' platform reserves these device names, with any extension; the
    // superscript digits one to three count as digits there.
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|COM[1-9\u00B9\u00B2\u00B3]|LPT[1-9\u00B9\u00B2\u00B3]) *(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return device.match(text).hasMatch() ? PathPartFault::DeviceName : PathPartFault::None;
}

bool IsSafePathPart(const QString& text)
{
    return CheckPathPart(text) == PathPartFault::None;
}

bool DeleteFile(const QString& path)
{
    const QString fullPath = AppPath(path);
    if (fullPath.endsWith(QLatin1String("/*.*"))) {
        QDir folder(fullPath.left(fullPath.size() - 4));
        if (!folder.exists())
            return true;
        bool allGone = true;
        const QStringList files = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
        for (const QString& name : files)
            allGone = folder.remove(name) && allGone;
        return allGone;
    }
    if (!IsFile(fullPath))
        return true;
    return QFile::remove(fullPath);
}

bool DeleteWithBackup(const QString& path)
{
    const bool backupGone = DeleteFile(BackupPathOf(path));
    return DeleteFile(path) && backupGone;
}

bool MakeFolder(const QString& path)
{
    const QString fullPath = AppPath(path);
    QFileInfo info(fullPath);
    if (info.exists())
        return info.isDir();
    // Another copy of the program starting beside this one may make it first: a folder is a folder.
    return QDir().mkdir(fullPath) || QFileInfo(fullPath).isDir();
}

bool ReplaceWithTemp(const QString& path)
{
    return ReplaceWithScratch(path, TemporaryFilePath);
}

bool ReplaceWithScratch(const QString& path, const QString& scratchPath)
{
    if (!IsFile(AppPath(scratchPath)) || !RenameOver(AppPath(scratchPath), AppPath(path)))
        return false;
    // The backup copy goes only once the new file is in place.
    DeleteFile(BackupPathOf(path));
    return true;
}

bool WriteCompactedCopy(const QString& path, int recordLength,
                        const std::function<bool(const QByteArray& record, qint64 number)>& keep,
                        const QString& scratchPath)
{
    RecordFile source = recordLength == 297 ? GetRecordCount(path) : OpenForRandom(path, recordLength);
    QFile leftover(AppPath(scratchPath));
    if (leftover.exists() && !leftover.resize(0))
        return false;
    RecordFile scratch = OpenForRandom(scratchPath, recordLength);
    if (!source.IsOpen() || !scratch.IsOpen())
        return false;

    bool written = true;
    qint64 out = 1;
    const qint64 count = source.Count();
    for (qint64 n = 1; n <= count && written; ++n) {
        // A record that cannot be read must not go into the copy as a blank one.
        const QByteArray record = source.Read(n, &written);
        if (written && keep(record, n))
            written = scratch.Write(out++, record);
    }
    scratch.Close();
    if (!written)
        QFile::remove(AppPath(scratchPath));
    return written;
}

bool CompactRecordFile(const QString& path, int recordLength,
                       const std::function<bool(const QByteArray& record, qint64 number)>& keep,
                       const QString& scratchPath)
{
    return WriteCompactedCopy(path, recordLength, keep, scratchPath) && ReplaceWithScratch(path, scratchPath);
}

QByteArray ReadRecordAt(const QString& path, int recordLength, qint64 number, bool* ok)
{
    QFile file(AppPath(path));
    QByteArray record(recordLength, '\0');
    if (ok)
        *ok = false;
    const qint64 start = (number - 1) * recordLength;
    if (number < 1 || !file.open(QIODevice::ReadOnly) || start >= file.size() || !file.seek(start))
        return record;
    const QByteArray bytes = file.read(recordLength);
    record.replace(0, bytes.size(), bytes);
    if (ok)
        *ok = bytes.size() == std::min<qint64>(recordLength, file.size() - start);
    return record;
}

int RemoveRewriteLeftovers(const QString& folder, const std::function<bool(const QString& fileName)>& ours)
{
    static const QRegularExpression shape(QStringLiteral("^(.+)\\.[A-Za-z0-9]{6}") + QRegularExpression::escape(RewriteCopyTag)
                                          + QLatin1Char('$'));
    int removed = 0;
    QDirIterator entries(AppPath(folder), QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    while (entries.hasNext()) {
        const QFileInfo entry = entries.nextFileInfo();
        const QRegularExpressionMatch match = shape.match(entry.fileName());
        if (match.hasMatch() && ours(match.captured(1)) && QFile::remove(entry.filePath()))
            ++removed;
    }
    return removed;
}

bool SyncFolderOf(const QString& fullPath)
{
    // The folder's entry for a file made or renamed in it reaches the disk with the folder.
    return SyncFolder(QFileInfo(fullPath).path());
}

bool SyncToDisk(const QString& path)
{
    QFile file(AppPath(path));
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const bool synced = SyncOpenFile(file);
    file.close();
    return synced && SyncFolderOf(AppPath(path));
}
