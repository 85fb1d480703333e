#pragma once

#include <QDBusAbstractInterface>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <functional>

class QSocketNotifier;

// logind's manager object on the system bus, for its PrepareForShutdown signal.
class Login1Manager final : public QDBusAbstractInterface {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Login1Manager)

public:
    Login1Manager(const QDBusConnection& bus, QObject* parent);

signals:
    void PrepareForShutdown(bool start);
};

// The ways Linux asks a running program to end:
// - SIGTERM and SIGINT, as a task manager's end-task does: they arrive here on the event loop,
//   so the controller window can refuse them;
// - a power-off or reboot: logind announces it with PrepareForShutdown while this program holds
//   a "delay" lock, so the orderly exit runs before the system sends its SIGTERM;
// - the display connection breaking: Qt then ends the process with exit(). When the X server
//   has gone (it ends with the session) the orderly exit runs first; when it still answers, the
//   connection was cut from outside (a window killed), which is no end of the session.
class QtCloseSignals final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtCloseSignals)

public:
    explicit QtCloseSignals(QObject* parent = nullptr);
    ~QtCloseSignals() override;
    bool installed() const { return m_notifier != nullptr; }
    std::function<void(int)> onSignal;

    // Asks logind on bus for the shutdown delay lock and listens for its announcement.
    // onShutdown runs when a power-off or reboot begins; the lock is released after it.
    void watchShutdown(const QDBusConnection& bus);
    std::function<void()> onShutdown;
    // From the announcement until a cancelled shutdown: a SIGTERM now belongs to the shutdown.
    bool shutdownUnderWay() const { return m_shutdownUnderWay; }

    // Run in place of Qt's exit() after the display connection is lost, onDisplayLost when the
    // display server has gone, onConnectionCut when it still answers; the handler ends the
    // process itself.
    std::function<void()> onDisplayLost;
    std::function<void()> onConnectionCut;

    // Whether the X server named by display (as $DISPLAY gives it) answers a new connection's
    // set-up within timeoutMs. A server on its way down may still take the connection but
    // answers nothing.
    static bool xServerAnswers(const QByteArray& display, int timeoutMs);

private:
    void takeShutdownLock();
    void prepareForShutdown(bool start);

    QSocketNotifier* m_notifier = nullptr;
    Login1Manager* m_login1 = nullptr;
    QDBusUnixFileDescriptor m_lock;
    bool m_shutdownUnderWay = false;
};
