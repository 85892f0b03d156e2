#include "telephony/CallLog.h"

#include "core/FileAccess.h"
#include "core/RecordFile.h"
#include "platform/CodePage.h"
#include "platform/ProgramFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

CallRecord CallRecord::FromBytes(const QByteArray& bytes)
{
    return {FromCodePage(bytes.mid(0, 15)), FromCodePage(bytes.mid(15, 12)), FromCodePage(bytes.mid(27, 8))};
}

QByteArray CallRecord::ToBytes() const
{
    QByteArray bytes(Length, ' ');
    WriteTextField(bytes, 0, 15, CallerName);
    WriteTextField(bytes, 15, 12, CallerNumber);
    WriteTextField(bytes, 27, 8, CallTime);
    return bytes;
}

bool CallLogExists()
{
    return QFileInfo(AppPath(TelCallPath)).isFile();
}

QList<CallRecord> ReadCallLog()
{
    QList<CallRecord> calls;
    QFile file(AppPath(TelCallPath));
    if (!file.open(QIODevice::ReadOnly))
        return calls;
    const QByteArray bytes = file.readAll();
    for (qsizetype at = 0; at + CallRecord::Length <= bytes.size(); at += CallRecord::Length)
        calls.append(CallRecord::FromBytes(bytes.mid(at, CallRecord::Length)));
    return calls;
}

qint64 AppendCall(const CallRecord& call)
{
    RecordFile file = OpenForRandom(TelCallPath, CallRecord::Length);
    if (!file.IsOpen())
        return 0;
    const qint64 number = file.Size() / CallRecord::Length + 1;
    if (!file.Write(number, call.ToBytes()))
        return 0;
    return number;
}

QString CallerNameShown(const QString& name)
{
    const qsizetype end = name.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    return end < 0 ? name : name.left(end);
}

bool ClearCallLog()
{
    return DeleteFile(TelCallPath) && !CallLogExists();
}

namespace {

const QString NumberTag = QStringLiteral("NMBR =");
const QString NameTag = QStringLiteral("NAME =");
// The value starts one blank after the tag.
constexpr int ValueOffset = 7;

QString UpToLineEnd(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text.at(i) == QLatin1Char('\r') || text.at(i) == QLatin1Char('\n'))
            return text.left(i);
    return text;
}

QString WithoutTrailingBlanks(QString text)
{
    while (!text.isEmpty() && text.back() == QLatin1Char(' '))
        text.chop(1);
    return text;
}

QString Field(const QString& reply, qsizetype tagAt, int width)
{
    return UpToLineEnd(reply.mid(tagAt + ValueOffset, width));
}

bool LineEnded(const QString& reply, const QString& tag)
{
    const qsizetype at = reply.indexOf(tag);
    if (at < 0)
        return false;
    const qsizetype from = at + tag.size();
    return reply.indexOf(QLatin1Char('\r'), from) >= 0 || reply.indexOf(QLatin1Char('\n'), from) >= 0;
}

} // namespace

std::optional<CallerId> ParseCallerID(const QString& reply)
{
    const qsizetype numberAt = reply.indexOf(NumberTag);
    if (numberAt < 0)
        return std::nullopt;
    const QString number = WithoutTrailingBlanks(Field(reply, numberAt, 10));
    QString name;
    const qsizetype nameAt = reply.indexOf(NameTag);
    if (nameAt >= 0) {
        name = Field(reply, nameAt, 15);
        const qsizetype cut = name.indexOf(QLatin1String("NMB"));
        if (cut >= 0)
            name.truncate(cut);
        name = WithoutTrailingBlanks(name);
    }
    const QString ring = QStringLiteral("RING");
    if (number.startsWith(QLatin1Char('0')) || number.size() < 7 || number == ring || name == ring)
        return std::nullopt;
    return CallerId{name, FormatCallerNumber(number)};
}

bool IsUnfinishedReport(const QString& reply)
{
    const bool started = reply.contains(QLatin1String("DATE =")) || reply.contains(QLatin1String("TIME ="))
                         || reply.contains(NumberTag) || reply.contains(NameTag);
    return started && !(LineEnded(reply, NumberTag) && LineEnded(reply, NameTag));
}

QString FormatCallerNumber(const QString& number)
{
    if (number.size() != 10)
        return number;
    return number.left(3) + QLatin1Char('-') + number.mid(3, 3) + QLatin1Char('-') + number.right(4);
}

QString CallTimeText(const QTime& time)
{
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2 %3")
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm"));
}

bool IsCustomerNumber(const QString& number, const QStringList& telephones, const QStringList& cells)
{
    const QString wanted = number.trimmed();
    for (qsizetype i = 0; i < telephones.size(); ++i)
        if (cells.value(i).trimmed() == wanted || telephones.at(i).trimmed() == wanted)
            return true;
    return false;
}
