#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
ShellRecorder*& InstalledRecorder()
{
    static ShellRecorder* recorder = nullptr;
    return recorder;
}
} // namespace

ShellRecorder::ShellRecorder()
{
    InstalledRecorder() = this;
}

ShellRecorder::~ShellRecorder()
{
    if (InstalledRecorder() == this)
        InstalledRecorder() = nullptr;
}

bool OpenUrlOnDesktop(const QString& address)
{
    if (ShellRecorder* recorder = InstalledRecorder()) {
        recorder->opened_.append(address);
        return true;
    }
    const QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return false;
    return QDesktopServices::openUrl(url);
}
