#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>

// Modems on pseudo-terminals in place of the COM ports. Each added COM number gets a
// pseudo-terminal whose other end a thread of its own serves: it splits what the program
// sends at CR, records each port's opens, closes and commands, and answers from a script.
// Install() puts the pseudo-terminals into the port table (every other COM number empty);
// the destructor stops the thread and leaves an empty table behind.
struct ModemReply {
    QByteArray Text;   // sent after the command; empty for no answer
    bool Echo = false; // the command and its CR come back first
    int DelayMs = 0;   // before the answer
    int Chunks = 1;    // the answer in this many writes, ChunkGapMs apart
};

class FakeModem {
public:
    enum class Behaviour {
        Modem,   // answers every command "\r\nOK\r\n" unless scripted otherwise
        Silent,  // a device that never answers
        Garbage, // answers every command with bytes that mean nothing
        Busy,    // held open by another program: opening it fails
    };
    static constexpr int ChunkGapMs = 15;

    FakeModem();
    ~FakeModem();
    FakeModem(const FakeModem&) = delete;
    FakeModem& operator=(const FakeModem&) = delete;

    // Before Install().
    void Add(int com, Behaviour behaviour = Behaviour::Modem);
    // The answer to commands that begin with the prefix (the longest prefix wins).
    void SetReply(int com, const QByteArray& commandPrefix, const ModemReply& reply);
    void Install();

    // Bytes the modem sends by itself (a caller-ID report, a late reply).
    void Send(int com, const QByteArray& bytes);
    // The device goes away under the program (a modem unplugged): the far side of its line
    // closes, and its device name with it once the program lets go.
    void HangUp(int com);
    // The device sends a line of its own over and over, as fast as the line takes it, until
    // stopped (a GPS or a UPS on the port); Chattered() counts the bytes it got out.
    void Chatter(int com, bool on);
    qint64 Chattered(int com) const;
    // The lines a caller-ID modem sends for one incoming call.
    static QByteArray CallerIdReport(const QString& date, const QString& time, const QString& number,
                                     const QString& name);

    // What happened on a port: "open", "close" and each command without its CR, in order.
    QStringList Transcript(int com) const;
    QStringList Commands(int com) const;
    int Opens(int com) const;
    int Closes(int com) const;
    // The program holds the port open.
    bool IsOpen(int com) const;
    QString Device(int com) const;

    // Runs the application's events until the condition holds or the time is up.
    static bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 2000);
    // Until the port has received that many commands.
    bool WaitForCommands(int com, int count, int milliseconds = 2000) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
