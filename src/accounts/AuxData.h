#pragma once

#include <QString>
#include <QStringList>

// The six free-text boxes every customer account carries: six headings common to all accounts
// in "AuxHeadings.txt", and the text of box i of an account in
// "AuxFiles/<account no>/AuxFile<i>/Data.txt".
inline const QString AuxHeadingsPath = QStringLiteral("/AuxHeadings.txt");
inline constexpr int AuxBoxCount = 6;

// The headings on file (up to six lines, fewer when the file ends first); empty without a file.
QStringList ReadAuxHeadings();
bool SaveAuxHeadings(const QStringList& headings);

QString AuxFolderPath(const QString& accountNo, int box);
QString AuxDataPath(const QString& accountNo, int box);
// The text of one box; the line end written after it is not part of it. Line breaks are "\n".
QString ReadAuxBox(const QString& accountNo, int box);
// Writes one box (the text and one line end), making the account's folders when missing.
bool WriteAuxBox(const QString& accountNo, int box, const QString& text);

// Whether the user has been told, in this run, that an account's boxes cannot be kept.
bool& AuxRefusalShown();
