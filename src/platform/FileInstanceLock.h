#pragma once

#include "platform/InstanceLock.h"

#include <QLockFile>
#include <memory>

// A lock file in the data folder. A copy that died leaves a stale lock that the next
// start recognises by its process number and takes over.
class FileInstanceLock final : public InstanceLock {
public:
    explicit FileInstanceLock(const QString& lockPath);
    bool tryAcquire() override;

private:
    std::unique_ptr<QLockFile> m_lock;
};
