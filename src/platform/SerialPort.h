#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class QSerialPort;

// The devices behind COM1 to COM16, index 0 for COM1. On Linux a fixed table: COM1-4
// /dev/ttyS0-3, COM5-8 /dev/ttyACM0-3, COM9-12 /dev/ttyUSB0-3, COM13-16 /dev/ttyS4-7; on
// Windows the COM names themselves. An empty entry is a port that is not there.
QStringList DefaultPortTable();
QString PortDevice(int commPort);
// Tests put pseudo-terminals (or nothing) in place of the real devices.
void SetPortTable(const QStringList& devices);
void ResetPortTable();

// A serial port as the program uses it: the port number is chosen while the port is closed,
// then it is opened at 9600 baud, 8 data bits, no parity, one stop bit, no flow control.
// Every wait is bounded; nothing here runs an event loop.
class SerialPort : public QObject {
    Q_OBJECT
public:
    explicit SerialPort(QObject* parent = nullptr);
    ~SerialPort() override;

    int CommPort() const { return commPort_; }
    // 1 to 16, or 0 for none; refused (false) while the port is open or out of range.
    bool SetCommPort(int commPort);

    bool PortOpen();
    // Opening fails when no port is selected or its device is missing or in use; closing
    // always succeeds.
    bool SetPortOpen(bool open);

    // Sends the bytes and returns once they have been handed to the device; false when the
    // port is closed or they could not be written in time.
    bool Output(const QByteArray& bytes);
    // Every byte that has arrived, taken out of the input buffer.
    QByteArray Input();
    // The number of bytes that have arrived and wait to be read.
    int InBufferCount();
    // Discards the bytes waiting (InBufferCount = 0).
    void ClearInput();
    // Waits up to the given time for at least that many bytes to wait; true when they do.
    bool WaitForInput(int count, int milliseconds);

    static constexpr int WriteTimeoutMs = 1000;
    // The most input kept waiting.
    static constexpr int InputLimit = 4096;

signals:
    // Bytes arrived (only while an event loop runs).
    void DataArrived();
    // The device failed or went away, and the port was closed.
    void Lost();

private:
    void TakeArrived();
    void OnError();
    // Closes a port whose device failed (and tells of it); true while the port is open.
    bool IsUsable();

    QSerialPort* port_ = nullptr;
    bool failed_ = false;
    int commPort_ = 0;
};
