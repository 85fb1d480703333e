#include "platform/qt/QtCloseSignals.h"

#include <QCoreApplication>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QSocketNotifier>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int g_fds[2] = {-1, -1};
QtCloseSignals* g_displayWatch = nullptr;

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
    if (watch && watch->onDisplayLost) watch->onDisplayLost();
}

const QString kLogin1Service = QStringLiteral("org.freedesktop.login1");
} // namespace

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
