#include "platform/SerialPort.h"
#include "support/FakeModem.h"
#include "telephony/Modem.h"
#include "telephony/PhoneSettings.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

constexpr int Window = 20;

void NeedApplication()
{
    static int argc = 1;
    static char name[] = "scheduler_bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    Q_UNUSED(app);
}

QStringList AbsentPorts(const QTemporaryDir& folder)
{
    QStringList table;
    for (int n = 1; n <= 16; ++n)
        table.append(folder.filePath(QStringLiteral("ttyS%1").arg(n)));
    return table;
}

// The probe over sixteen ports that are not there: each only fails to open.
void BM_CheckModemAbsentPorts(benchmark::State& state)
{
    NeedApplication();
    QTemporaryDir folder;
    SetPortTable(AbsentPorts(folder));
    for (auto _ : state) {
        ResetPhoneSettings();
        CheckModem();
    }
    ResetPhoneSettings();
    SetPortTable(QStringList());
}
BENCHMARK(BM_CheckModemAbsentPorts)->Unit(benchmark::kMicrosecond);

// The same opens, without the serial layer.
void BM_RawOpenAbsentPorts(benchmark::State& state)
{
    QTemporaryDir folder;
    QList<QByteArray> paths;
    for (const QString& path : AbsentPorts(folder))
        paths.append(path.toLocal8Bit());
    for (auto _ : state) {
        for (const QByteArray& path : paths) {
            const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
            benchmark::DoNotOptimize(fd);
        }
    }
}
BENCHMARK(BM_RawOpenAbsentPorts)->Unit(benchmark::kMicrosecond);

// The probe over n silent devices: each opened port costs one answer window; the counter
// gives the time in windows.
void BM_CheckModemSilentPorts(benchmark::State& state)
{
    NeedApplication();
    const int silent = int(state.range(0));
    FakeModem modems;
    for (int n = 1; n <= silent; ++n)
        modems.Add(n, FakeModem::Behaviour::Silent);
    modems.Install();
    for (auto _ : state) {
        ResetPhoneSettings();
        SetModemAnswerWindow(Window);
        CheckModem();
    }
    // Time per port waited, to compare with the window itself.
    state.counters["per_window"] = benchmark::Counter(double(state.iterations()) * silent,
                                                      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.SetLabel(QStringLiteral("answer window %1 ms").arg(Window).toStdString());
    ResetPhoneSettings();
}
BENCHMARK(BM_CheckModemSilentPorts)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// Open, "AT", one window of waiting and close, straight on the pseudo-terminals.
void BM_RawSilentPorts(benchmark::State& state)
{
    NeedApplication();
    const int silent = int(state.range(0));
    FakeModem modems;
    for (int n = 1; n <= silent; ++n)
        modems.Add(n, FakeModem::Behaviour::Silent);
    modems.Install();
    QList<QByteArray> paths;
    for (int n = 1; n <= silent; ++n)
        paths.append(PortDevice(n).toLocal8Bit());
    for (auto _ : state) {
        for (const QByteArray& path : paths) {
            const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
            if (fd < 0)
                continue;
            [[maybe_unused]] const ssize_t written = ::write(fd, "AT\r", 3);
            pollfd wait{fd, POLLIN, 0};
            ::poll(&wait, 1, Window);
            ::close(fd);
        }
    }
    state.SetLabel(QStringLiteral("answer window %1 ms").arg(Window).toStdString());
}
BENCHMARK(BM_RawSilentPorts)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

} // namespace
