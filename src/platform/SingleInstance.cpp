#include "platform/SingleInstance.h"

#include "platform/ProgramFolder.h"

#include <QLockFile>

SingleInstanceLock::SingleInstanceLock() = default;

SingleInstanceLock::~SingleInstanceLock()
{
    Release();
}

bool SingleInstanceLock::TryAcquire()
{
    if (lock_ && lock_->isLocked())
        return true;
    lock_ = std::make_unique<QLockFile>(AppPath(InstanceLockPath));
    // A lock is stale only when the process that made it is gone.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0))
        return true;
    lock_.reset();
    return false;
}

void SingleInstanceLock::Release()
{
    if (lock_) {
        lock_->unlock();
        lock_.reset();
    }
}
