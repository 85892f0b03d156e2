#include "telephony/Modem.h"

#include "platform/SerialPort.h"
#include "telephony/PhoneSettings.h"

#include <QCoreApplication>

namespace {

int& AnswerWindow()
{
    static int window = DefaultAnswerWindowMs;
    return window;
}

// Tries one port: open, "AT", and the answer window. A port that fails any step is closed.
bool Answers(SerialPort& port)
{
    if (!port.SetPortOpen(true))
        return false;
    if (port.Output(ModemCommand::Attention) && port.WaitForInput(2, AnswerWindow()))
        return true;
    port.SetPortOpen(false);
    return false;
}

} // namespace

SerialPort& MSComm1()
{
    // Owned by the application, so that it closes before Qt goes away.
    static SerialPort* port = new SerialPort(QCoreApplication::instance());
    return *port;
}

int ModemAnswerWindow()
{
    return AnswerWindow();
}

void SetModemAnswerWindow(int milliseconds)
{
    AnswerWindow() = milliseconds;
}

QByteArray DialCommand(const QString& number)
{
    QString dialled;
    for (const QChar c : number)
        if (c.unicode() >= 0x20 && c.unicode() != 0x7f && c != QLatin1Char(';'))
            dialled.append(c);
    return QByteArrayLiteral("ATDT") + dialled.toLatin1() + QByteArrayLiteral(";\r");
}

void CheckModem()
{
    SerialPort& port = MSComm1();
    int found = 0;
    for (int n = 1; n <= 16 && found == 0; ++n) {
        if (port.PortOpen() || !port.SetCommPort(n))
            continue;
        if (Answers(port))
            found = n;
    }
    ModemStateValues& state = ModemState();
    if (found == 0) {
        // Nothing selected, so no unprobed device is opened later.
        port.SetCommPort(0);
        state.StatusText = NoModemText;
        DisablePhoneFeatures();
        return;
    }
    port.SetPortOpen(false);
    PhoneSettings().ModemPort = found;
    port.SetCommPort(found);
    const QString number = QString::number(found);
    state.ModemAnswered = true;
    state.StatusText = QStringLiteral("Your Modem Comm Port Is ") + number + QLatin1Char('.');
    state.PortLabel = QStringLiteral("COM Port # ") + number;
    state.ModemPortText = number;
    if (port.SetPortOpen(true)) {
        port.ClearInput();
        port.Output(ModemCommand::CallerIdOn);
    }
}

void DisablePhoneFeatures()
{
    ModemStateValues& state = ModemState();
    state.FeaturesDisabled = true;
    state.PhoneTicked = false;
    PhoneSettings().PhoneOn = false;
}
