#include "platform/qt/QtCloseSignals.h"

#include <QCoreApplication>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
int g_fds[2] = {-1, -1};
QtCloseSignals* g_displayWatch = nullptr;
// How long a display server that is still there may take to answer a new connection: a busy
// server can take seconds, while one that has gone refuses at once.
constexpr int kServerAnswerMs = 5000;

extern "C" void onCloseSignal(int sig) {
    // Only what is safe in a signal handler: hand the number to the event loop.
    const unsigned char n = static_cast<unsigned char>(sig);
    [[maybe_unused]] const ssize_t w = ::write(g_fds[0], &n, 1);
}

// Qt's platform plugins end the process with exit() when the connection to the display
// breaks; the program itself always ends with _exit() or by returning from main, after
// this object is gone. So a call that reaches here with the object alive is a lost display.
extern "C" void onExit() {
    QtCloseSignals* watch = g_displayWatch;
    g_displayWatch = nullptr;
    if (!watch) return;
    const QByteArray display = qgetenv("DISPLAY");
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    if (x11 && watch->onConnectionCut && QtCloseSignals::xServerAnswers(display, kServerAnswerMs))
        watch->onConnectionCut();
    else if (watch->onDisplayLost)
        watch->onDisplayLost();
}

// Connects to fd's address, waiting at most timeoutMs; fd is non-blocking.
bool connectWithin(int fd, const sockaddr* address, socklen_t length, int timeoutMs) {
    if (::connect(fd, address, length) == 0) return true;
    if (errno != EINPROGRESS && errno != EAGAIN) return false;
    pollfd p{fd, POLLOUT, 0};
    if (::poll(&p, 1, timeoutMs) != 1) return false;
    int error = 0;
    socklen_t size = sizeof error;
    return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
}

// Sends a connection set-up without credentials and waits for the first byte of any answer
// (accepted, refused or asked to authenticate: the server is there either way).
bool setUpAnswered(int fd, int timeoutMs) {
    const unsigned char setUp[12] = {'l', 0, 11, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    if (::send(fd, setUp, sizeof setUp, MSG_NOSIGNAL) != static_cast<ssize_t>(sizeof setUp)) return false;
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) != 1) return false;
    char c = 0;
    return ::recv(fd, &c, 1, 0) == 1;
}

const QString kLogin1Service = QStringLiteral("org.freedesktop.login1");
} // namespace

bool QtCloseSignals::xServerAnswers(const QByteArray& display, int timeoutMs) {
    // [host]:number[.screen]; no host or "unix" is the local socket.
    const qsizetype colon = display.lastIndexOf(':');
    if (colon < 0) return false;
    const QByteArray host = display.left(colon);
    bool ok = false;
    const int number = display.mid(colon + 1).split('.').value(0).toInt(&ok);
    if (!ok || number < 0) return false;
    const auto tryFd = [&](int family, const sockaddr* address, socklen_t length) {
        const int fd = ::socket(family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        const bool answered = connectWithin(fd, address, length, timeoutMs) && setUpAnswered(fd, timeoutMs);
        ::close(fd);
        return answered;
    };
    if (host.isEmpty() || host == "unix") {
        const QByteArray path = "/tmp/.X11-unix/X" + QByteArray::number(number);
        // The abstract socket first (as the X library does), then the file.
        for (const bool abstract : {true, false}) {
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            const size_t offset = abstract ? 1 : 0;
            std::memcpy(address.sun_path + offset, path.constData(), static_cast<size_t>(path.size()));
            const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                                       static_cast<size_t>(path.size()) + (abstract ? 0 : 1));
            if (tryFd(AF_UNIX, reinterpret_cast<const sockaddr*>(&address), length)) return true;
        }
        return false;
    }
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.constData(), QByteArray::number(6000 + number).constData(), &hints, &found) != 0)
        return false;
    bool answered = false;
    for (addrinfo* a = found; a && !answered; a = a->ai_next)
        answered = tryFd(a->ai_family, a->ai_addr, a->ai_addrlen);
    ::freeaddrinfo(found);
    return answered;
}

Login1Manager::Login1Manager(const QDBusConnection& bus, QObject* parent)
    : QDBusAbstractInterface(kLogin1Service, QStringLiteral("/org/freedesktop/login1"),
                             "org.freedesktop.login1.Manager", bus, parent) {
    setTimeout(5000);
}

QtCloseSignals::QtCloseSignals(QObject* parent) : QObject(parent) {
    static const bool exitHandler = std::atexit(onExit) == 0;
    if (exitHandler) g_displayWatch = this;
    if (g_fds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_fds) != 0) return;
    ::fcntl(g_fds[0], F_SETFL, O_NONBLOCK);
    m_notifier = new QSocketNotifier(g_fds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        unsigned char n = 0;
        if (::read(g_fds[1], &n, 1) == 1 && onSignal) onSignal(n);
    });
    struct sigaction sa {};
    sa.sa_handler = onCloseSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGINT, &sa, nullptr);
}

QtCloseSignals::~QtCloseSignals() {
    if (g_displayWatch == this) g_displayWatch = nullptr;
    if (!m_notifier) return;
    struct sigaction sa {};
    sa.sa_handler = SIG_DFL;
    sigemptyset(&sa.sa_mask);
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGINT, &sa, nullptr);
    ::close(g_fds[0]);
    ::close(g_fds[1]);
    g_fds[0] = g_fds[1] = -1;
}

void QtCloseSignals::watchShutdown(const QDBusConnection& bus) {
    if (m_login1 || !bus.isConnected()) return;
    m_login1 = new Login1Manager(bus, this);
    connect(m_login1, &Login1Manager::PrepareForShutdown, this, &QtCloseSignals::prepareForShutdown);
    takeShutdownLock();
}

void QtCloseSignals::takeShutdownLock() {
    // Asked without waiting: a slow or missing logind must not hold up the start.
    auto* watcher = new QDBusPendingCallWatcher(
        m_login1->asyncCall(QStringLiteral("Inhibit"), QStringLiteral("shutdown"), QStringLiteral("TimeWard"),
                            QCoreApplication::translate("QtCloseSignals",
                                                        "Saving the current user's time and lifting the restrictions"),
                            QStringLiteral("delay")),
        this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *w;
        if (reply.isValid() && !m_shutdownUnderWay) m_lock = reply.value();
    });
}

void QtCloseSignals::prepareForShutdown(bool start) {
    m_shutdownUnderWay = start;
    if (!start) {
        // The shutdown was cancelled: be ready for the next one.
        if (!m_lock.isValid()) takeShutdownLock();
        return;
    }
    if (onShutdown) onShutdown();
    m_lock = QDBusUnixFileDescriptor(); // closes our copy: logind may go on
}
