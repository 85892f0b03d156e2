#include "support/FileFlags.h"

#include <QFile>

#ifdef __linux__
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace {

bool SetFlag(const QString& path, int flag, bool on)
{
#ifdef __linux__
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    int flags = 0;
    bool ok = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | flag) : (flags & ~flag);
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0)
        ::close(fd);
    return ok;
#else
    Q_UNUSED(path);
    Q_UNUSED(flag);
    Q_UNUSED(on);
    return false;
#endif
}

} // namespace

bool SetImmutable(const QString& path, bool on)
{
#ifdef __linux__
    return SetFlag(path, FS_IMMUTABLE_FL, on);
#else
    return SetFlag(path, 0, on);
#endif
}

bool SetAppendOnly(const QString& path, bool on)
{
#ifdef __linux__
    return SetFlag(path, FS_APPEND_FL, on);
#else
    return SetFlag(path, 0, on);
#endif
}
