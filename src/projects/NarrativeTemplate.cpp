#include "projects/NarrativeTemplate.h"

#include "core/FileAccess.h"
#include "platform/CodePage.h"

namespace {

// The box holds line breaks as "\n"; the file as CR LF.
bool WriteNarrative(const QString& path, const QString& narrative)
{
    MakeFolder(QStringLiteral("/Templates"));
    QString text = narrative;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    TextOutput output = OpenForOutput(path);
    output.WriteRaw(ToCodePage(text) + "\r\n");
    return output.Close();
}

std::optional<QStringList> ReadLines(const QString& path)
{
    if (!FileExists(path))
        return std::nullopt;
    TextInput input = OpenForInput(path);
    if (!input.IsOpen())
        return std::nullopt;
    QStringList lines;
    while (!input.AtEnd())
        lines.append(input.ReadLine());
    return lines;
}

} // namespace

bool SaveNarrativeTemplate(const QString& narrative)
{
    // A narrative loaded from the template ends with its last line's line break, which is the
    // one the file ends with: it is not doubled, so a load and a save leave the file as it was.
    QString text = narrative;
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(text.endsWith(QStringLiteral("\r\n")) ? 2 : 1);
    // Written through a scratch file, so a failed save keeps the old template; its backup copy
    // would bring the old text back, so it goes.
    if (!WriteNarrative(NarrativeTemplatePath, text))
        return false;
    DeleteFile(BackupPathOf(NarrativeTemplatePath));
    return true;
}

std::optional<QString> LoadNarrativeTemplate()
{
    const std::optional<QStringList> lines = ReadLines(NarrativeTemplatePath);
    if (!lines)
        return std::nullopt;
    QString text;
    for (const QString& line : *lines)
        text += line + QLatin1Char('\n');
    return text;
}

bool WriteNarrativeTemp(const QString& narrative)
{
    if (!DeleteFile(NarrativeTempPath))
        return false;
    if (narrative.isEmpty())
        return true;
    return WriteNarrative(NarrativeTempPath, narrative);
}

std::optional<QStringList> ReadNarrativeTemp()
{
    return ReadLines(NarrativeTempPath);
}
