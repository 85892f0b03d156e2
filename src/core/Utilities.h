#pragma once

#include <QString>
#include <QStringList>

class TextBox;

// True when a text reads as a number: after trimming, an optional sign, then digits with at
// most one decimal point, the whole part optionally grouped with commas. An empty text is no
// number. The same whatever the regional settings.
bool ReadsAsNumber(const QString& text);

// Whether a typed character may go into a box holding that text: backspace always; anything
// when the text reads as a number; otherwise none of , & . \ * / ?
bool KeyEntryAllowed(int keyAscii, const QString& currentText);

// The key filter of boxes whose text becomes part of a file or folder name: the key to let
// through, or 0 after telling the user the character is invalid.
int CheckKeyEntry(int keyAscii, TextBox* box);

void ShowInvalidCalendar();
QString JoinNameParts(const QString& title, const QString& firstName, const QString& middleInitial,
                      const QString& lastName);
void ShowMessage(const QString& prompt, const QString& title);
// Tells the user that something could not be written: what failed, then where to look.
void ShowWriteFailure(const QString& whatFailed, const QString& title = QStringLiteral("Save Failed"));
// A list that grows with the data, one a line, cut for a message box: the first few lines,
// then how many more there are, so that no box outgrows the screen.
inline constexpr qsizetype FewLinesShown = 5;
QString FewLines(const QStringList& lines);
// Writes the shortcut file "/Temp.url" and opens the address in the user's browser.
bool OpenWebPage(const QString& address);

inline const QString WebShortcutPath = QStringLiteral("/Temp.url");
