#include "core/Utilities.h"

#include "core/FileAccess.h"
#include "core/Settings.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "platform/TextBox.h"

#include <QRegularExpression>

bool ReadsAsNumber(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral(R"(^[+-]?(?:(?:\d{1,3}(?:,\d{3})+|\d+)(?:\.\d*)?|\.\d+)$)"));
    return number.match(text.trimmed()).hasMatch();
}

bool KeyEntryAllowed(int keyAscii, const QString& currentText)
{
    if (keyAscii == 8 || ReadsAsNumber(currentText))
        return true;
    static const QString refused = QStringLiteral(",&.\\*/?");
    return !refused.contains(QChar(keyAscii));
}

int CheckKeyEntry(int keyAscii, TextBox* box)
{
    if (KeyEntryAllowed(keyAscii, box ? box->text() : QString()))
        return keyAscii;
    if (Settings().AlarmsOn)
        Beep();
    MsgBox(QStringLiteral("This character, (%1) is invalid for this field").arg(QChar(keyAscii)),
           MsgButtons::OkOnly, MsgIcon::None, QStringLiteral("Invalid Key entry"));
    if (box)
        box->setFocus();
    return 0;
}

void ShowInvalidCalendar()
{
    MsgBox(QStringLiteral("Your Calendar Selection is Invalid"));
}

QString JoinNameParts(const QString& title, const QString& firstName, const QString& middleInitial,
                      const QString& lastName)
{
    Q_UNUSED(middleInitial);
    QString name;
    if (!title.trimmed().isEmpty())
        name += title.trimmed() + QLatin1Char(' ');
    if (!firstName.trimmed().isEmpty())
        name += firstName.trimmed() + QLatin1Char(' ');
    if (!lastName.trimmed().isEmpty())
        name += lastName.trimmed();
    return name;
}

void ShowMessage(const QString& prompt, const QString& title)
{
    MsgBox(prompt, MsgButtons::OkOnly, MsgIcon::None, title);
}

void ShowWriteFailure(const QString& whatFailed, const QString& title)
{
    MsgBox(whatFailed + QStringLiteral("\nCheck that the program folder may be written to."), MsgButtons::OkOnly,
           MsgIcon::Exclamation, title);
}

QString FewLines(const QStringList& lines)
{
    if (lines.size() <= FewLinesShown)
        return lines.join(QLatin1Char('\n'));
    return lines.first(FewLinesShown).join(QLatin1Char('\n'))
           + QStringLiteral("\n... and %1 more").arg(lines.size() - FewLinesShown);
}

bool OpenWebPage(const QString& address)
{
    TextOutput shortcut = OpenForOutput(WebShortcutPath);
    shortcut.WritePlainLine(QStringLiteral("[InternetShortcut]"));
    shortcut.WritePlainLine(QStringLiteral("URL = ") + address);
    shortcut.Close();
    return OpenUrlOnDesktop(address);
}
