#include "platform/ProgramFolder.h"

#include "platform/CodePage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#ifdef Q_OS_UNIX
#include <climits>
#include <unistd.h>
#endif

namespace {
QString& FolderOverride()
{
    static QString folder;
    return folder;
}
} // namespace

QString ProgramFolder()
{
    if (!FolderOverride().isEmpty())
        return FolderOverride();
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

void SetProgramFolder(const QString& folder)
{
    FolderOverride() = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
}

QString NormalizeRelativePath(const QString& relativePath)
{
    QString path = relativePath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.contains(QLatin1String("//")))
        path.replace(QLatin1String("//"), QLatin1String("/"));
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    return path;
}

QString AppPath(const QString& relativePath)
{
    return ProgramFolder() + NormalizeRelativePath(relativePath);
}

namespace {
QString ShownFolderName(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    return utf8.hasError() ? FromCodePage(bytes) : text;
}
} // namespace

QByteArray ExecutablePath()
{
#ifdef Q_OS_LINUX
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length > 0 && size_t(length) < sizeof buffer)
        return QByteArray(buffer, length);
#endif
    return QFile::encodeName(QCoreApplication::applicationFilePath());
}

ProgramFolderEntry EnterProgramFolder(const QByteArray& executablePath)
{
    const qsizetype slash = executablePath.lastIndexOf('/');
    const QByteArray folder = slash > 0 ? executablePath.left(slash) : slash == 0 ? QByteArray("/") : QByteArray();
    ProgramFolderEntry entry{false, ShownFolderName(folder)};
    if (folder.isEmpty())
        return entry;
#ifdef Q_OS_UNIX
    if (::chdir(folder.constData()) != 0)
        return entry;
    const QString name = QFile::decodeName(folder);
    if (QFile::encodeName(name) == folder) {
        SetProgramFolder(name);
    } else {
        // A name no QString gives back: the folder is reached through the working folder,
        // by a path that is whole text and needs no working folder to be made absolute.
        const QString throughWorkingFolder = QStringLiteral("/proc/self/cwd");
        SetProgramFolder(QFileInfo(throughWorkingFolder).isDir() ? throughWorkingFolder : QStringLiteral("."));
    }
#else
    const QString name = QFile::decodeName(folder);
    if (!QDir::setCurrent(name))
        return entry;
    SetProgramFolder(name);
#endif
    entry.Entered = true;
    return entry;
}
