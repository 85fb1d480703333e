#pragma once

#include "platform/InstanceLock.h"

#include <QString>

// A lock on a file in the data folder (flock). The system lets go of it when its process
// ends in any way, so a copy that died never leaves a lock behind.
class FileInstanceLock final : public InstanceLock {
public:
    explicit FileInstanceLock(QString lockPath);
    ~FileInstanceLock() override;
    FileInstanceLock(const FileInstanceLock&) = delete;
    FileInstanceLock& operator=(const FileInstanceLock&) = delete;
    bool tryAcquire() override;

private:
    QString m_path;
    int m_fd = -1; // open, and locked, while this process holds the lock
};
