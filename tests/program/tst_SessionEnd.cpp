#include "ProgramRunner.h"
#include "TestRegistry.h"
#include "platform/SqliteRegistry.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "storage/SettingsStore.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {
// Stands in for logind's manager on a private bus: hands out delay locks (one end of a pipe,
// so that the test sees when the holder lets go) and announces a power-off on request.
class Login1StandIn final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public:
    QStringList inhibits; // "what|who|mode" per call
    int lockReadEnd = -1;
    ~Login1StandIn() override {
        if (lockReadEnd >= 0) ::close(lockReadEnd);
    }
    // True once every copy of the handed-out lock is closed.
    bool lockReleased() const {
        char c = 0;
        return lockReadEnd >= 0 && ::read(lockReadEnd, &c, 1) == 0;
    }

public slots:
    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why, const QString& mode) {
        Q_UNUSED(why);
        inhibits << what + QLatin1Char('|') + who + QLatin1Char('|') + mode;
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) return {};
        if (lockReadEnd >= 0) ::close(lockReadEnd);
        lockReadEnd = fds[0];
        ::fcntl(lockReadEnd, F_SETFL, O_NONBLOCK);
        QDBusUnixFileDescriptor lock(fds[1]); // duplicates it
        ::close(fds[1]);
        return lock;
    }
};
} // namespace

// The end of the desktop session as the real program meets it: a power-off announced by
// logind, a SIGTERM on its own, and the X server going away.
class tst_SessionEnd : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void powerOffIsAnOrderlyExit();
    void lostDisplayIsAnOrderlyExit();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    ProgramRunner m_run;
    std::unique_ptr<QProcess> m_helper; // dbus-daemon or Xvfb
    QString readConfig(const QString& key) {
        SqliteRegistry reg(m_run.home + QStringLiteral("/registry.db"));
        SettingsStore store(reg);
        return store.ReadSetting(kAppName, Sections::Config, key).text();
    }
    // Starts the program and waits until its trace shows the first-run window.
    bool startProgram(QProcess& p, const QProcessEnvironment& env) {
        p.setProcessEnvironment(env);
        p.start(ProgramRunner::timeward(), {});
        if (!p.waitForStarted(10000)) return false;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 30000 && p.state() == QProcess::Running) {
            QFile f(m_run.home + QLatin1Char('/') + kWorkLogName);
            if (f.open(QIODevice::ReadOnly) && f.readAll().contains("Version Checked")) return true;
            QTest::qWait(50);
        }
        qWarning() << p.readAllStandardError();
        return false;
    }
    static void end(QProcess& p) {
        if (p.state() == QProcess::NotRunning) return;
        ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
        p.waitForFinished(5000);
    }
};

void tst_SessionEnd::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_run.home = m_dir->path() + QStringLiteral("/home");
}

void tst_SessionEnd::cleanup() {
    if (m_helper) end(*m_helper);
    m_helper.reset();
}

void tst_SessionEnd::powerOffIsAnOrderlyExit() {
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) QSKIP("dbus-daemon is not installed");
    m_helper = std::make_unique<QProcess>();
    m_helper->start(daemon,
                    {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                     QStringLiteral("--address=unix:dir=") + m_dir->path()});
    QVERIFY(m_helper->waitForReadyRead(10000));
    const QString address = QString::fromUtf8(m_helper->readLine()).trimmed();
    QDBusConnection bus = QDBusConnection::connectToBus(address, QStringLiteral("login1-stand-in"));
    QVERIFY2(bus.isConnected(), qPrintable(bus.lastError().message()));
    Login1StandIn login1;
    QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.login1")));
    QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/login1"), &login1, QDBusConnection::ExportAllSlots));

    QProcessEnvironment env = m_run.environment();
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), address);
    QProcess program;
    QVERIFY(startProgram(program, env));
    QTRY_COMPARE_WITH_TIMEOUT(login1.inhibits, QStringList{QStringLiteral("shutdown|TimeWard|delay")}, 10000);

    // With no shutdown under way a SIGTERM is the task manager's, refused ("AllowT" is 1 on a
    // new installation).
    QCOMPARE(readConfig(ConfigKeys::AllowT), QStringLiteral("1"));
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    QVERIFY(!program.waitForFinished(1500));
    QCOMPARE(readConfig(ConfigKeys::ShutdownOK), QStringLiteral("0"));

    // The power-off: the orderly exit, then the lock goes.
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                     QStringLiteral("org.freedesktop.login1.Manager"),
                                                     QStringLiteral("PrepareForShutdown"));
    signal << true;
    QVERIFY(bus.send(signal));
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(readConfig(ConfigKeys::ShutdownOK), QStringLiteral("1"));
    QVERIFY(login1.lockReleased());
    bus.unregisterObject(QStringLiteral("/org/freedesktop/login1"));
    QDBusConnection::disconnectFromBus(QStringLiteral("login1-stand-in"));
}

void tst_SessionEnd::lostDisplayIsAnOrderlyExit() {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) QSKIP("Xvfb is not installed");
    m_helper = std::make_unique<QProcess>();
    // The server picks a free display number and writes it on its standard output; -noreset
    // keeps it from starting over, and turning connections away, when a client leaves.
    m_helper->start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-noreset"),
                           QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("800x600x24"),
                           QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!m_helper->waitForStarted(5000) || !m_helper->waitForReadyRead(15000)) QSKIP("Xvfb could not start here");
    const QString display = QLatin1Char(':') + QString::fromUtf8(m_helper->readLine()).trimmed();

    QProcessEnvironment env = m_run.environment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("DISPLAY"), display);
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
               QStringLiteral("unix:path=") + m_dir->path() + QStringLiteral("/no-bus"));
    QProcess program;
    QVERIFY(startProgram(program, env));
    QCOMPARE(readConfig(ConfigKeys::ShutdownOK), QStringLiteral("0"));

    m_helper->terminate(); // the X server ends with the session
    QVERIFY(m_helper->waitForFinished(10000));
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(readConfig(ConfigKeys::ShutdownOK), QStringLiteral("1"));
}

TW_TEST(tst_SessionEnd)
#include "tst_SessionEnd.moc"
