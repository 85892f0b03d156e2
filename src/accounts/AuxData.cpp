#include "accounts/AuxData.h"

#include "core/FileAccess.h"
#include "core/WriteFormat.h"
#include "platform/CodePage.h"
#include "platform/ProgramFolder.h"

#include <QFile>

QStringList ReadAuxHeadings()
{
    QStringList headings;
    if (!FileExists(AuxHeadingsPath))
        return headings;
    TextInput input = OpenForInput(AuxHeadingsPath);
    while (headings.size() < AuxBoxCount && !input.AtEnd())
        headings.append(input.ReadLine());
    return headings;
}

bool SaveAuxHeadings(const QStringList& headings)
{
    DeleteFile(BackupPathOf(AuxHeadingsPath));
    TextOutput output = OpenForOutput(AuxHeadingsPath);
    // A pasted line break would split a heading in two and shift every later one.
    for (const QString& heading : headings)
        output.WritePlainLine(AsOneLine(heading));
    return output.Close();
}

QString AuxFolderPath(const QString& accountNo, int box)
{
    return QStringLiteral("/AuxFiles/") + accountNo + QStringLiteral("/AuxFile") + QString::number(box);
}

QString AuxDataPath(const QString& accountNo, int box)
{
    // Joined, not filled in: a "%2" in an account number is its own text, never a placeholder.
    return AuxFolderPath(accountNo, box) + QStringLiteral("/Data.txt");
}

QString ReadAuxBox(const QString& accountNo, int box)
{
    QFile file(AppPath(AuxDataPath(accountNo, box)));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QByteArray bytes = file.readAll();
    if (bytes.endsWith("\r\n"))
        bytes.chop(2);
    else if (bytes.endsWith('\n') || bytes.endsWith('\r'))
        bytes.chop(1);
    QString text = FromCodePage(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

bool WriteAuxBox(const QString& accountNo, int box, const QString& text)
{
    const QString account = QStringLiteral("/AuxFiles/") + accountNo;
    const QString folder = AuxFolderPath(accountNo, box);
    if (!MakeFolder(QStringLiteral("/AuxFiles")) || !MakeFolder(account) || !MakeFolder(folder))
        return false;
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    TextOutput output = OpenForOutput(AuxDataPath(accountNo, box));
    output.WritePlainLine(lines);
    return output.Close();
}

bool& AuxRefusalShown()
{
    static bool shown = false;
    return shown;
}
