#pragma once

#include "platform/InstanceLock.h"

#include <QString>

// A lock on a file in the data folder (flock). The system lets go of it when its process
// ends in any way, so a copy that died never leaves a lock behind. The holder writes its
// process id into the file, for the keeper that watches it.
class FileInstanceLock final : public InstanceLock {
public:
    FileInstanceLock(QString lockPath, QString exitLinkPath);
    ~FileInstanceLock() override;
    FileInstanceLock(const FileInstanceLock&) = delete;
    FileInstanceLock& operator=(const FileInstanceLock&) = delete;
    bool tryAcquire() override;
    bool holderAnswers(int timeoutMs) override;

    // The process id the holder wrote into the lock file at lockPath; 0 when there is none.
    static long long holderPid(const QString& lockPath);

private:
    QString m_path;
    QString m_linkPath;
    int m_fd = -1; // open, and locked, while this process holds the lock
};
