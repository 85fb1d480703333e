#include "platform/FileInstanceLock.h"

FileInstanceLock::FileInstanceLock(const QString& lockPath) : m_lock(std::make_unique<QLockFile>(lockPath)) {
    m_lock->setStaleLockTime(0); // only a dead owner makes the lock stale, never its age
}

bool FileInstanceLock::tryAcquire() {
    return m_lock->isLocked() || m_lock->tryLock(0);
}
