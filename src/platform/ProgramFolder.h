#pragma once

#include <QString>

// The folder that holds the executable; every data file lives below it.
// Tests point it at a temporary folder.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

// The full path of a data path given relative to the program folder. The relative path
// begins with "\" or "/", and either separator may appear anywhere in it.
QString AppPath(const QString& relativePath);

// The same relative path with "/" as its only separator and a single leading "/".
QString NormalizeRelativePath(const QString& relativePath);
