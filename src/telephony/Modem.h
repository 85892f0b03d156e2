#pragma once

#include <QByteArray>
#include <QString>

class SerialPort;

// The one serial port of the run; the probe, the dialer and the caller-ID monitor share it,
// and it keeps its port number between their uses.
SerialPort& MSComm1();

// How long the probe waits for an answer to "AT" on a port that opened.
inline constexpr int DefaultAnswerWindowMs = 250;
int ModemAnswerWindow();
void SetModemAnswerWindow(int milliseconds);

// Modem commands, each ended by a single carriage return.
namespace ModemCommand {
inline const QByteArray Attention = QByteArrayLiteral("AT\r");
inline const QByteArray CallerIdOn = QByteArrayLiteral("AT#CID=1\r");
inline const QByteArray CallerIdOff = QByteArrayLiteral("AT#CID=0;\r");
inline const QByteArray HangUp = QByteArrayLiteral("ATH\r");
} // namespace ModemCommand

// "ATDT" + number + ";" + CR. Control characters and ";" would end the command early and are
// left out of the number.
QByteArray DialCommand(const QString& number);

inline const QString NoModemText = QStringLiteral("Modem Not Detected Or In Use.");

// Probes COM1 to COM16 for a modem (an answer of 2 characters or more to "AT" within the
// answer window). Found: the port stays open with caller-ID reporting switched on, and
// ModemPort, the dialer's texts and the port box's text name it. None: the features go off.
void CheckModem();
// No modem: the phone off, its box unticked, the customer's dial picture and the phone page
// off for the run.
void DisablePhoneFeatures();
