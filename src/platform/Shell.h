#pragma once

#include <QStringList>

// Opens a web page in the user's browser through the desktop, never through a command line.
// Tests install a recorder instead.
bool OpenUrlOnDesktop(const QString& address);

class ShellRecorder {
public:
    ShellRecorder();
    ~ShellRecorder();
    ShellRecorder(const ShellRecorder&) = delete;
    ShellRecorder& operator=(const ShellRecorder&) = delete;

    const QStringList& Opened() const { return opened_; }

private:
    friend bool OpenUrlOnDesktop(const QString&);
    QStringList opened_;
};
