#pragma once

#include <QString>

// Puts a folder's entries (names made, renamed or removed in it) on the disk, as a file's
// contents are synced: a change of several files whose order matters after a power cut needs
// it. True where the system has no such step.
bool SyncFolder(const QString& fullPath);
