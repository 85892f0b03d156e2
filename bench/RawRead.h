#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

// The raw reads the benchmarks set beside the program's own: the bytes of the same files and
// nothing more, so the ratio shows what the program adds.

inline qint64 ReadFileRaw(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().size() : 0;
}

// Every file of a folder that matches the filters, listed by name as the program lists them.
inline qint64 ReadFolderRaw(const QDir& folder, const QStringList& filters = {})
{
    qint64 total = 0;
    for (const QString& name : folder.entryList(filters, QDir::Files, QDir::Name))
        total += ReadFileRaw(folder.filePath(name));
    return total;
}
