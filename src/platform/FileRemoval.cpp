#include "platform/FileRemoval.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#ifdef __linux__
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace {

bool MarkedUndeletable(const QString& fullPath)
{
#ifdef __linux__
    const int fd = ::open(QFile::encodeName(fullPath).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0)
        return false;
    int flags = 0;
    const bool known = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    ::close(fd);
    return known && (flags & (FS_IMMUTABLE_FL | FS_APPEND_FL)) != 0;
#else
    Q_UNUSED(fullPath);
    return false;
#endif
}

} // namespace

bool CanRemoveTree(const QString& fullPath)
{
    const QFileInfo root(fullPath);
    if (!root.exists())
        return true;
    if (!QFileInfo(root.absolutePath()).isWritable() || MarkedUndeletable(fullPath))
        return false;
    if (!root.isDir() || root.isSymLink())
        return true;
    if (!root.isWritable())
        return false;
    QDirIterator it(fullPath, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        if (MarkedUndeletable(entry.filePath()))
            return false;
        if (entry.isDir() && !entry.isSymLink() && !entry.isWritable())
            return false;
    }
    return true;
}
