#include "platform/SerialPort.h"

#include <QElapsedTimer>
#include <QSerialPort>

namespace {

QStringList& PortTable()
{
    static QStringList table = DefaultPortTable();
    return table;
}

} // namespace

QStringList DefaultPortTable()
{
    QStringList table;
#ifdef Q_OS_WIN
    for (int n = 1; n <= 16; ++n)
        table.append(QStringLiteral("COM") + QString::number(n));
#else
    for (int n = 0; n < 4; ++n)
        table.append(QStringLiteral("/dev/ttyS") + QString::number(n));
    for (int n = 0; n < 4; ++n)
        table.append(QStringLiteral("/dev/ttyACM") + QString::number(n));
    for (int n = 0; n < 4; ++n)
        table.append(QStringLiteral("/dev/ttyUSB") + QString::number(n));
    for (int n = 4; n < 8; ++n)
        table.append(QStringLiteral("/dev/ttyS") + QString::number(n));
#endif
    return table;
}

QString PortDevice(int commPort)
{
    return PortTable().value(commPort - 1);
}

void SetPortTable(const QStringList& devices)
{
    PortTable() = devices;
}

void ResetPortTable()
{
    PortTable() = DefaultPortTable();
}

SerialPort::SerialPort(QObject* parent) : QObject(parent), port_(new QSerialPort(this))
{
    connect(port_, &QSerialPort::readyRead, this, &SerialPort::DataArrived);
    connect(port_, &QSerialPort::errorOccurred, this, [this] { OnError(); });
    // Nothing may read the port for a long time (from the probe to the first telephony
    // screen), and every reader discards what waits before it sends; what comes beyond this
    // stays with the device.
    port_->setReadBufferSize(InputLimit);
}

SerialPort::~SerialPort()
{
    SetPortOpen(false);
}

bool SerialPort::SetCommPort(int commPort)
{
    if (IsUsable() || commPort < 0 || commPort > 16)
        return false;
    commPort_ = commPort;
    return true;
}

bool SerialPort::PortOpen()
{
    return IsUsable();
}

bool SerialPort::SetPortOpen(bool open)
{
    if (!open) {
        failed_ = false;
        if (port_->isOpen())
            port_->close();
        port_->clearError();
        return true;
    }
    if (IsUsable())
        return true;
    const QString device = PortDevice(commPort_);
    if (commPort_ < 1 || device.isEmpty())
        return false;
    port_->setPortName(device);
    port_->setBaudRate(QSerialPort::Baud9600);
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!port_->open(QIODevice::ReadWrite)) {
        port_->clearError();
        return false;
    }
    return true;
}

bool SerialPort::Output(const QByteArray& bytes)
{
    if (!IsUsable())
        return false;
    if (port_->write(bytes) != bytes.size())
        return false;
    QElapsedTimer timer;
    timer.start();
    while (port_->bytesToWrite() > 0) {
        const int left = WriteTimeoutMs - int(timer.elapsed());
        if (left <= 0 || !port_->isOpen() || !port_->waitForBytesWritten(left))
            return false;
    }
    return IsUsable();
}

void SerialPort::TakeArrived()
{
    // Reads what the device holds into the buffer without waiting; a device that never stops
    // sending cannot keep the caller here.
    for (int pass = 0; pass < 16 && IsUsable() && port_->waitForReadyRead(0); ++pass) {
    }
    if (port_->error() == QSerialPort::TimeoutError)
        port_->clearError();
}

QByteArray SerialPort::Input()
{
    if (!IsUsable())
        return {};
    TakeArrived();
    return port_->readAll();
}

int SerialPort::InBufferCount()
{
    if (!IsUsable())
        return 0;
    TakeArrived();
    return int(port_->bytesAvailable());
}

void SerialPort::ClearInput()
{
    if (!IsUsable())
        return;
    TakeArrived();
    port_->readAll();
    port_->clear(QSerialPort::Input);
}

bool SerialPort::WaitForInput(int count, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (IsUsable()) {
        TakeArrived();
        if (port_->bytesAvailable() >= count)
            return true;
        const int left = milliseconds - int(timer.elapsed());
        if (left <= 0)
            break;
        if (!port_->waitForReadyRead(left) && port_->error() == QSerialPort::TimeoutError)
            port_->clearError();
    }
    return IsUsable() && port_->bytesAvailable() >= count;
}

void SerialPort::OnError()
{
    const QSerialPort::SerialPortError error = port_->error();
    // A device that went away or failed to read is as good as closed. A hung-up line stays
    // readable with nothing in it, so left open it would be read again and again: it is
    // closed at once, though outside the port's own signal.
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError
        && error != QSerialPort::WriteError)
        return;
    if (failed_)
        return;
    failed_ = true;
    QMetaObject::invokeMethod(this, [this] { IsUsable(); }, Qt::QueuedConnection);
}

bool SerialPort::IsUsable()
{
    if (failed_) {
        failed_ = false;
        const bool wasOpen = port_->isOpen();
        if (wasOpen)
            port_->close();
        port_->clearError();
        if (wasOpen)
            emit Lost();
    }
    return port_->isOpen();
}
