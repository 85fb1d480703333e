#include "platform/FileInstanceLock.h"

#include "platform/DdeLink.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

FileInstanceLock::FileInstanceLock(QString lockPath, QString exitLinkPath)
    : m_path(std::move(lockPath)), m_linkPath(std::move(exitLinkPath)) {}

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
    // The holder's process id, for the keeper; written, not synced (it matters only in this boot).
    const QByteArray pid = QByteArray::number(static_cast<qlonglong>(::getpid())) + '\n';
    if (::ftruncate(fd, 0) == 0) {
        [[maybe_unused]] const ssize_t w = ::pwrite(fd, pid.constData(), static_cast<size_t>(pid.size()), 0);
    }
    return true;
}

long long FileInstanceLock::holderPid(const QString& lockPath) {
    QFile f(lockPath);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    bool ok = false;
    const long long pid = f.read(32).trimmed().toLongLong(&ok);
    return ok && pid > 0 ? pid : 0;
}

bool FileInstanceLock::holderAnswers(int timeoutMs) {
    const QByteArray path = QFile::encodeName(m_linkPath);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<size_t>(path.size()) >= sizeof(address.sun_path)) return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    QElapsedTimer clock;
    clock.start();
    const auto left = [&] { return static_cast<int>(std::max<qint64>(0, timeoutMs - clock.elapsed())); };
    // The copy that holds the lock may not be listening yet: it is asked again until the time is up.
    do {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0) {
            const QByteArray question = QByteArray(DdeLink::kPresenceQuestion) + '\n';
            QByteArray reply;
            if (::send(fd, question.constData(), static_cast<size_t>(question.size()), MSG_NOSIGNAL) ==
                static_cast<ssize_t>(question.size())) {
                for (;;) {
                    pollfd p{fd, POLLIN, 0};
                    const int r = ::poll(&p, 1, left());
                    if (r < 0 && errno == EINTR) continue;
                    if (r <= 0) break;
                    char chunk[64];
                    const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
                    if (n < 0 && errno == EINTR) continue;
                    if (n <= 0) break;
                    reply.append(chunk, static_cast<qsizetype>(n));
                    if (reply.contains('\n') || reply.size() > 256) break;
                }
            }
            ::close(fd);
            if (reply.startsWith(QByteArray(DdeLink::kPresenceAnswer) + '\n')) return true;
        } else {
            ::close(fd);
        }
        if (left() > 0) ::usleep(static_cast<useconds_t>(std::min(100, left())) * 1000);
    } while (left() > 0);
    return false;
}
