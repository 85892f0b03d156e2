#pragma once

#include <QString>

#include <memory>

class QLockFile;

// One running copy per program folder: a lock file in the folder, held while the program runs.
// A lock left by a copy that crashed is taken over.
class SingleInstanceLock {
public:
    SingleInstanceLock();
    ~SingleInstanceLock();

    // True when this process now holds the lock (or already held it).
    bool TryAcquire();
    void Release();

private:
    std::unique_ptr<QLockFile> lock_;
};

inline const QString InstanceLockPath = QStringLiteral("/Scheduler.lock");
