#pragma once

#include <QString>

// Whether a folder and everything in it can be removed: every folder in it may be written to,
// and no file or folder is marked undeletable (immutable or append-only). Asked before work
// that cannot be undone once a removal fails halfway.
bool CanRemoveTree(const QString& fullPath);
