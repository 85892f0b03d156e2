#include "support/FakeModem.h"

#include "platform/SerialPort.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QThread>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/inotify.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct PendingWrite {
    Clock::time_point due;
    QByteArray bytes;
};

struct Port {
    FakeModem::Behaviour behaviour = FakeModem::Behaviour::Modem;
    int master = -1;
    QString device;
    int watch = -1;
    std::map<QByteArray, ModemReply> replies;
    QByteArray partial;
    QStringList transcript;
    int opens = 0;
    int closes = 0;
    int openNow = 0;
    std::vector<PendingWrite> pending;
    std::unique_ptr<QSerialPort> holder;
    bool chatter = false;
    qint64 chattered = 0;
};

} // namespace

struct FakeModem::Impl {
    std::map<int, Port> ports;
    mutable std::mutex mutex;
    std::thread thread;
    std::atomic<bool> stop{false};
    int notify = -1;
    int wake[2] = {-1, -1};

    void Run();
    void Drain(Port& port);
    void Answer(Port& port, const QByteArray& command);
    void ReadNotifications();
    int SendDue();
    void Wake();
};

FakeModem::FakeModem() : impl_(std::make_unique<Impl>())
{
    SetPortTable(QStringList());
}

FakeModem::~FakeModem()
{
    SetPortTable(QStringList());
    if (impl_->thread.joinable()) {
        impl_->stop = true;
        const char byte = 0;
        [[maybe_unused]] const ssize_t written = ::write(impl_->wake[1], &byte, 1);
        impl_->thread.join();
    }
    for (auto& [com, port] : impl_->ports) {
        port.holder.reset();
        if (port.master >= 0)
            ::close(port.master);
    }
    if (impl_->notify >= 0)
        ::close(impl_->notify);
    for (int fd : impl_->wake)
        if (fd >= 0)
            ::close(fd);
}

void FakeModem::Add(int com, Behaviour behaviour)
{
    Port& port = impl_->ports[com];
    port.behaviour = behaviour;
    port.master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (port.master < 0 || ::grantpt(port.master) != 0 || ::unlockpt(port.master) != 0)
        return;
    char name[128] = {};
    if (::ptsname_r(port.master, name, sizeof name) != 0)
        return;
    port.device = QString::fromLocal8Bit(name);
    // A raw line from the start: nothing the modem sends is echoed back to it or cooked.
    const int slave = ::open(name, O_RDWR | O_NOCTTY);
    if (slave >= 0) {
        termios settings{};
        if (::tcgetattr(slave, &settings) == 0) {
            ::cfmakeraw(&settings);
            ::tcsetattr(slave, TCSANOW, &settings);
        }
        ::close(slave);
    }
}

void FakeModem::SetReply(int com, const QByteArray& commandPrefix, const ModemReply& reply)
{
    std::lock_guard lock(impl_->mutex);
    impl_->ports[com].replies[commandPrefix] = reply;
}

void FakeModem::Install()
{
    QStringList table(16);
    for (auto& [com, port] : impl_->ports) {
        if (com >= 1 && com <= 16)
            table[com - 1] = port.device;
        if (port.behaviour == Behaviour::Busy) {
            port.holder = std::make_unique<QSerialPort>(port.device);
            port.holder->open(QIODevice::ReadWrite);
        }
    }
    impl_->notify = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    [[maybe_unused]] const int piped = ::pipe2(impl_->wake, O_NONBLOCK | O_CLOEXEC);
    for (auto& [com, port] : impl_->ports)
        if (!port.device.isEmpty())
            port.watch = ::inotify_add_watch(impl_->notify, port.device.toLocal8Bit().constData(),
                                             IN_OPEN | IN_CLOSE);
    impl_->thread = std::thread([this] { impl_->Run(); });
    SetPortTable(table);
}

void FakeModem::Impl::Run()
{
    while (!stop) {
        std::vector<pollfd> fds = {{wake[0], POLLIN, 0}, {notify, POLLIN, 0}};
        std::vector<Port*> polled;
        int timeout = 50;
        {
            std::lock_guard lock(mutex);
            for (auto& [com, port] : ports) {
                if (port.openNow > 0 && port.master >= 0) {
                    fds.push_back({port.master, POLLIN, 0});
                    polled.push_back(&port);
                }
            }
            timeout = SendDue();
        }
        ::poll(fds.data(), fds.size(), timeout);
        if (fds[0].revents & POLLIN) {
            char bytes[64];
            while (::read(wake[0], bytes, sizeof bytes) > 0) {
            }
        }
        std::lock_guard lock(mutex);
        if (fds[1].revents & POLLIN)
            ReadNotifications();
        for (size_t i = 0; i < polled.size(); ++i)
            if (fds[i + 2].revents & POLLIN)
                Drain(*polled[i]);
        SendDue();
    }
}

void FakeModem::Impl::ReadNotifications()
{
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t length = ::read(notify, buffer, sizeof buffer);
        if (length <= 0)
            return;
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            for (auto& [com, port] : ports) {
                if (port.watch != event->wd)
                    continue;
                if (event->mask & IN_OPEN) {
                    port.transcript.append(QStringLiteral("open"));
                    ++port.opens;
                    ++port.openNow;
                }
                if (event->mask & IN_CLOSE) {
                    // What was sent before the close belongs before it.
                    Drain(port);
                    port.transcript.append(QStringLiteral("close"));
                    ++port.closes;
                    port.openNow = std::max(0, port.openNow - 1);
                }
            }
        }
    }
}

void FakeModem::Impl::Drain(Port& port)
{
    char buffer[512];
    for (;;) {
        // A read error on this side means the program's side is closed.
        const ssize_t length = ::read(port.master, buffer, sizeof buffer);
        if (length <= 0)
            break;
        port.partial.append(buffer, length);
    }
    for (qsizetype end = port.partial.indexOf('\r'); end >= 0; end = port.partial.indexOf('\r')) {
        const QByteArray command = port.partial.left(end);
        port.partial.remove(0, end + 1);
        port.transcript.append(QString::fromLatin1(command));
        Answer(port, command);
    }
}

void FakeModem::Impl::Answer(Port& port, const QByteArray& command)
{
    ModemReply reply;
    switch (port.behaviour) {
    case Behaviour::Silent:
    case Behaviour::Busy:
        return;
    case Behaviour::Garbage:
        reply.Text = QByteArrayLiteral("\x01\xfe~%\x7f");
        break;
    case Behaviour::Modem: {
        reply.Text = QByteArrayLiteral("\r\nOK\r\n");
        qsizetype longest = -1;
        for (const auto& [prefix, scripted] : port.replies) {
            if (command.startsWith(prefix) && prefix.size() > longest) {
                longest = prefix.size();
                reply = scripted;
            }
        }
        break;
    }
    }
    Clock::time_point due = Clock::now();
    if (reply.Echo)
        port.pending.push_back({due, command + '\r'});
    due += std::chrono::milliseconds(reply.DelayMs);
    const int chunks = std::max(1, std::min<int>(reply.Chunks, int(reply.Text.size())));
    const qsizetype size = (reply.Text.size() + chunks - 1) / chunks;
    for (int i = 0; i < chunks; ++i) {
        port.pending.push_back({due, reply.Text.mid(i * size, size)});
        due += std::chrono::milliseconds(ChunkGapMs);
    }
}

int FakeModem::Impl::SendDue()
{
    const Clock::time_point now = Clock::now();
    int timeout = 50;
    for (auto& [com, port] : ports) {
        while (!port.pending.empty() && port.pending.front().due <= now) {
            const QByteArray& bytes = port.pending.front().bytes;
            [[maybe_unused]] const ssize_t written = ::write(port.master, bytes.constData(), size_t(bytes.size()));
            port.pending.erase(port.pending.begin());
        }
        if (port.chatter && port.master >= 0) {
            static const QByteArray line = QByteArrayLiteral("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n");
            // The line takes what it can; a full line is tried again a moment later.
            for (int i = 0; i < 64; ++i) {
                const ssize_t written = ::write(port.master, line.constData(), size_t(line.size()));
                if (written <= 0)
                    break;
                port.chattered += written;
            }
            timeout = std::min(timeout, 2);
        }
        if (!port.pending.empty()) {
            const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(port.pending.front().due - now);
            timeout = std::min<int>(timeout, std::max<int>(1, int(wait.count())));
        }
    }
    return timeout;
}

void FakeModem::Impl::Wake()
{
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = ::write(wake[1], &byte, 1);
}

void FakeModem::Send(int com, const QByteArray& bytes)
{
    std::lock_guard lock(impl_->mutex);
    auto found = impl_->ports.find(com);
    if (found != impl_->ports.end())
        found->second.pending.push_back({Clock::now(), bytes});
    impl_->Wake();
}

void FakeModem::HangUp(int com)
{
    std::lock_guard lock(impl_->mutex);
    auto found = impl_->ports.find(com);
    if (found == impl_->ports.end() || found->second.master < 0)
        return;
    Port& port = found->second;
    impl_->Drain(port);
    ::close(port.master);
    port.master = -1;
    port.pending.clear();
    port.chatter = false;
    impl_->Wake();
}

void FakeModem::Chatter(int com, bool on)
{
    std::lock_guard lock(impl_->mutex);
    auto found = impl_->ports.find(com);
    if (found != impl_->ports.end())
        found->second.chatter = on;
    impl_->Wake();
}

qint64 FakeModem::Chattered(int com) const
{
    std::lock_guard lock(impl_->mutex);
    auto found = impl_->ports.find(com);
    return found == impl_->ports.end() ? 0 : found->second.chattered;
}

QByteArray FakeModem::CallerIdReport(const QString& date, const QString& time, const QString& number,
                                     const QString& name)
{
    return QStringLiteral("RING\r\n\r\nDATE = %1\r\nTIME = %2\r\nNMBR = %3\r\nNAME = %4\r\n\r\n")
        .arg(date, time, number, name)
        .toLatin1();
}

QStringList FakeModem::Transcript(int com) const
{
    std::lock_guard lock(impl_->mutex);
    auto found = impl_->ports.find(com);
    return found == impl_->ports.end() ? QStringList() : found->second.transcript;
}

QStringList FakeModem::Commands(int com) const
{
    QStringList commands = Transcript(com);
    commands.removeAll(QStringLiteral("open"));
    commands.removeAll(QStringLiteral("close"));
    return commands;
}

int FakeModem::Opens(int com) const
{
    std::lock_guard lock(impl_->mutex);
    auto found = impl_->ports.find(com);
    return found == impl_->ports.end() ? 0 : found->second.opens;
}

int FakeModem::Closes(int com) const
{
    std::lock_guard lock(impl_->mutex);
    auto found = impl_->ports.find(com);
    return found == impl_->ports.end() ? 0 : found->second.closes;
}

bool FakeModem::IsOpen(int com) const
{
    std::lock_guard lock(impl_->mutex);
    auto found = impl_->ports.find(com);
    return found != impl_->ports.end() && found->second.openNow > 0;
}

QString FakeModem::Device(int com) const
{
    auto found = impl_->ports.find(com);
    return found == impl_->ports.end() ? QString() : found->second.device;
}

bool FakeModem::WaitUntil(const std::function<bool()>& condition, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
    return true;
}

bool FakeModem::WaitForCommands(int com, int count, int milliseconds) const
{
    return WaitUntil([&] { return Commands(com).size() >= count; }, milliseconds);
}
