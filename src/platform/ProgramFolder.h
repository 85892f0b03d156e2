#pragma once

#include <QByteArray>
#include <QString>

// The folder that holds the executable; every data file lives below it.
// Tests point it at a temporary folder.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

// Makes the folder of the executable the program's folder and its working folder. On Unix the
// path reaches the file system as the bytes it holds: a folder whose name is not UTF-8 (copied
// from an older machine) is entered by those bytes and reached through the working folder, so no
// path is ever decoded into another. False when the folder cannot be entered; ShownName names it
// as well as its bytes allow (UTF-8, or the code page of the data files).
struct ProgramFolderEntry {
    bool Entered = false;
    QString ShownName;
};
ProgramFolderEntry EnterProgramFolder(const QByteArray& executablePath);
// The executable's full path as the file system holds it.
QByteArray ExecutablePath();

// The full path of a data path given relative to the program folder. The relative path
// begins with "\" or "/", and either separator may appear anywhere in it.
QString AppPath(const QString& relativePath);

// The same relative path with "/" as its only separator and a single leading "/".
QString NormalizeRelativePath(const QString& relativePath);
