#include "platform/FileInstanceLock.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileInstanceLock::FileInstanceLock(QString lockPath) : m_path(std::move(lockPath)) {}

FileInstanceLock::~FileInstanceLock() {
    if (m_fd >= 0) ::close(m_fd);
}

bool FileInstanceLock::tryAcquire() {
    if (m_fd >= 0) return true;
    // Not inherited by the programs TimeWard starts: they must not keep the lock alive.
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    int rc;
    do
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}
