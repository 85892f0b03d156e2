#pragma once

#include <QFile>
#include <QString>

#include <filesystem>

// A full path as the bytes the file system gets for it, the same bytes QFile uses. Made from a
// QString's UTF-16, std::filesystem converts and throws on a text it cannot convert.
inline std::filesystem::path NativePath(const QString& fullPath)
{
    return std::filesystem::path(QFile::encodeName(fullPath).toStdString());
}
