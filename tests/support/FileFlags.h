#pragma once

#include <QString>

// The flags that keep a file from being changed or deleted even by root, for tests of files
// the program cannot replace. False where the file system or the user cannot set them.
bool SetImmutable(const QString& path, bool on);
// A file that can be added to but not deleted or replaced.
bool SetAppendOnly(const QString& path, bool on);
