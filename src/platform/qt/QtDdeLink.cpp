#include "platform/qt/QtDdeLink.h"

#include <QFile>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// Stops a notifier and deletes it once control is back in the event loop: it may be the one
// whose signal is being delivered right now (a receiver may end the link inside its call).
void retire(QSocketNotifier* n) {
    n->setEnabled(false);
    n->deleteLater();
}
} // namespace

struct QtDdeLink::Connection {
    int fd = -1;
    QSocketNotifier* notifier = nullptr;
    QByteArray pending; // received text after the last whole line
    quint64 serial = 0;
    bool opened = false; // the open event has been given (or the connection was a presence question)
};

namespace {
// A sender writes its first line at once; one that has said nothing by then opens the link all
// the same.
constexpr int kFirstLineWaitMs = 250;
} // namespace

QtDdeLink::QtDdeLink(QString socketPath) : m_path(std::move(socketPath)) {}

QtDdeLink::~QtDdeLink() {
    close();
    for (auto& c : m_connections) {
        retire(c->notifier);
        ::close(c->fd);
    }
}

bool QtDdeLink::listen() {
    if (m_listenFd >= 0) return true;
    const QByteArray path = QFile::encodeName(m_path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<size_t>(path.size()) >= sizeof(address.sun_path)) return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));

    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    // Only the resident copy listens (the instance lock is held), so a socket file left by
    // a copy that died is stale and may go.
    ::unlink(path.constData());
    // Owner-only from the moment the file exists.
    const mode_t previousMask = ::umask(S_IRWXG | S_IRWXO);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::umask(previousMask);
    if (!bound || ::listen(fd, SOMAXCONN) != 0) {
        ::close(fd);
        if (bound) ::unlink(path.constData());
        return false;
    }
    ::chmod(path.constData(), S_IRUSR | S_IWUSR | S_IXUSR);
    m_listenFd = fd;
    m_listenNotifier = new QSocketNotifier(fd, QSocketNotifier::Read);
    connect(m_listenNotifier, &QSocketNotifier::activated, this, [this] { acceptPending(); });
    return true;
}

void QtDdeLink::close() {
    if (m_listenFd < 0) return;
    retire(m_listenNotifier);
    m_listenNotifier = nullptr;
    ::close(m_listenFd);
    m_listenFd = -1;
    ::unlink(QFile::encodeName(m_path).constData());
}

void QtDdeLink::acceptPending() {
    const QPointer<QtDdeLink> alive(this);
    while (m_listenFd >= 0) {
        const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR) continue;
            return; // nothing more waiting, or out of descriptors: the next one tries again
        }
        auto c = std::make_unique<Connection>();
        c->fd = fd;
        c->serial = ++m_serial;
        c->notifier = new QSocketNotifier(fd, QSocketNotifier::Read);
        Connection* raw = c.get();
        connect(c->notifier, &QSocketNotifier::activated, this, [this, raw] { readFrom(raw); });
        m_connections.push_back(std::move(c));
        // By serial, not by address: the connection may be gone and another in its place.
        QTimer::singleShot(kFirstLineWaitMs, this, [this, serial = raw->serial] {
            const auto it =
                std::find_if(m_connections.begin(), m_connections.end(),
                             [serial](const std::unique_ptr<Connection>& p) { return p->serial == serial; });
            if (it != m_connections.end()) open(it->get());
        });
        // The first line may have come with the connection.
        readFrom(raw);
        if (!alive) return;
    }
}

bool QtDdeLink::holds(const Connection* c) const {
    return std::any_of(m_connections.begin(), m_connections.end(),
                       [c](const std::unique_ptr<Connection>& p) { return p.get() == c; });
}

void QtDdeLink::open(Connection* c) {
    if (c->opened) return;
    c->opened = true;
    if (onOpen) onOpen();
}

bool QtDdeLink::answeredPresence(Connection* c) {
    const QByteArrayView question(kPresenceQuestion);
    const qsizetype nl = c->pending.indexOf('\n');
    const QByteArrayView first = QByteArrayView(c->pending).first(nl >= 0 ? nl : c->pending.size());
    if (nl < 0 || first != question) return false;
    QByteArray answer = QByteArray(kPresenceAnswer) + '\n';
    [[maybe_unused]] const ssize_t w =
        ::send(c->fd, answer.constData(), static_cast<size_t>(answer.size()), MSG_NOSIGNAL);
    c->opened = true;
    drop(c);
    return true;
}

void QtDdeLink::readFrom(Connection* c) {
    bool ended = false;
    char chunk[4096];
    for (;;) {
        const ssize_t n = ::read(c->fd, chunk, sizeof chunk);
        if (n > 0) {
            c->pending.append(chunk, static_cast<qsizetype>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        // Closed by the sender, or an error: either way the connection is over.
        ended = n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
        break;
    }
    const QPointer<QtDdeLink> alive(this);
    if (!c->opened) {
        if (answeredPresence(c)) return;
        // Anything but the start of the question, or the end of the connection, opens it now.
        const QByteArrayView question(kPresenceQuestion);
        if (ended || !question.startsWith(c->pending)) {
            open(c);
            if (!alive || !holds(c)) return;
        }
    }
    QList<QString> lines;
    qsizetype start = 0;
    for (qsizetype nl; (nl = c->pending.indexOf('\n', start)) >= 0; start = nl + 1) {
        QByteArray line = c->pending.mid(start, nl - start);
        while (line.endsWith('\r'))
            line.chop(1);
        lines << QString::fromUtf8(line);
    }
    c->pending.remove(0, start);
    if (c->pending.size() > kMaxLine) ended = true;
    // A partial line left when the sender closes was never sent whole.
    if (ended) drop(c);
    for (const QString& line : lines) {
        if (onText) onText(line);
        if (!alive) return;
    }
}

void QtDdeLink::drop(Connection* c) {
    const auto it = std::find_if(m_connections.begin(), m_connections.end(),
                                 [c](const std::unique_ptr<Connection>& p) { return p.get() == c; });
    if (it == m_connections.end()) return;
    retire(c->notifier);
    ::close(c->fd);
    m_connections.erase(it);
}
