#include "platform/FolderSync.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

bool SyncFolder(const QString& fullPath)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(fullPath).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
#else
    Q_UNUSED(fullPath);
    return true;
#endif
}
