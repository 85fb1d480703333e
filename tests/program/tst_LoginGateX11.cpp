// The login window as a gate on a real X display: an Xvfb server of the test's own, the real
// timeward binary on it, and a second X client (tw_xclient) trying what another program would.
#include "ProgramRunner.h"
#include "TestRegistry.h"
#include "platform/Paths.h"
#include "platform/SqliteRegistry.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "storage/SettingsStore.h"
#include "users/PasswordScramble.h"
#include "users/UserKeys.h"

#include <QDBusConnection>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <sys/prctl.h>

namespace {
// Stands in for logind's session object on a private bus: counts the requests to end it.
class SessionStandIn final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Session")

public:
    int terminated = 0;

public slots:
    void Terminate() { ++terminated; }
};

const QString kLoginTitle = QStringLiteral("Time Ward Login");

QString xclient() {
    return ProgramRunner::binary(QStringLiteral("tests/tw_xclient"));
}

template <class F> bool waitFor(int ms, F done) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        if (done()) return true;
        QTest::qWait(50);
    }
    return done();
}
} // namespace

class tst_LoginGateX11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void gateHoldsTheDisplayUntilLogin();
    void gateComesBackWhenUnmapped();
    void programKeepingTheGrabEndsTheSession();
    void cutConnectionIsNoOrderlyEnd();

private:
    QProcess m_xvfb;
    QString m_display;
    std::unique_ptr<QTemporaryDir> m_dir;
    ProgramRunner m_run;

    QProcessEnvironment xEnvironment() const {
        QProcessEnvironment env = m_run.environment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        // The program may end "its" desktop session: never the machine's, however the test is run.
        env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), QStringLiteral("unix:path=/nonexistent/no-system-bus"));
        return env;
    }
    int x(const QStringList& args) const {
        QProcess p;
        p.setProcessEnvironment(xEnvironment());
        p.start(xclient(), args);
        if (!p.waitForFinished(10000)) {
            p.kill();
            p.waitForFinished();
            return -1;
        }
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    bool otherClientGrabs() const { return x({QStringLiteral("grab")}) == 0; }
    // A fresh data folder with one parent, "mum" (password "pw").
    void newStore();
    QString readConfig(const QString& key) const;
    QStringList activityLog() const;
    bool start(QProcess& tw, QProcessEnvironment env = {}) const {
        tw.setProcessEnvironment(env.isEmpty() ? xEnvironment() : env);
        tw.setProcessChannelMode(QProcess::ForwardedChannels);
        tw.start(ProgramRunner::timeward(), {});
        return tw.waitForStarted(10000);
    }
    // Started, with the login window up and holding the input.
    bool upAtTheGate(QProcess& tw) const {
        return start(tw) && waitFor(20000, [&] { return windowUp(kLoginTitle); }) &&
               waitFor(5000, [&] { return !otherClientGrabs(); });
    }
    static void stop(QProcess& p) {
        if (p.state() == QProcess::NotRunning) return;
        p.kill();
        p.waitForFinished(5000);
    }
    bool windowUp(const QString& title) const { return x({QStringLiteral("find"), title}) == 0; }
};

void tst_LoginGateX11::initTestCase() {
    if (!QFile::exists(ProgramRunner::timeward())) QSKIP("the timeward binary is not built");
    if (!QFile::exists(xclient())) QSKIP("tw_xclient is not built (libxcb development files missing)");
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) QSKIP("Xvfb is not installed: the X11 gate is not tested here");
    // The server picks a free display number and tells it on its standard output. Without
    // -noreset it starts over whenever its last client leaves (the second X client's every
    // question), and a program connecting during that start-over is turned away.
    // The server goes with the test, however the test ends.
    m_xvfb.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_xvfb.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-noreset"),
                        QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1024x768x24"),
                        QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!m_xvfb.waitForStarted(10000)) QSKIP("Xvfb could not be started");
    waitFor(10000, [&] { return m_xvfb.canReadLine() || m_xvfb.state() == QProcess::NotRunning; });
    const QByteArray number = m_xvfb.readLine().trimmed();
    if (number.isEmpty()) QSKIP("Xvfb gave no display");
    m_display = QLatin1Char(':') + QString::fromLatin1(number);
    QVERIFY2(x({QStringLiteral("find"), QStringLiteral("-")}) == 1, "the second X client cannot reach the display");
}

void tst_LoginGateX11::cleanupTestCase() {
    if (m_xvfb.state() != QProcess::NotRunning) {
        m_xvfb.terminate();
        if (!m_xvfb.waitForFinished(5000)) m_xvfb.kill();
    }
}

void tst_LoginGateX11::newStore() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_run.home = m_dir->path() + QStringLiteral("/home");
    QVERIFY(QDir().mkpath(m_run.home));
    SqliteRegistry reg(m_run.home + QStringLiteral("/registry.db"));
    SettingsStore store(reg);
    const auto put = [&](const QString& section, const QString& key, const QString& value) {
        store.WriteSetting(kAppName, section, key, value);
    };
    put(Sections::Config, ConfigKeys::LoadedBefore, QStringLiteral("1"));
    put(Sections::Config, ConfigKeys::BadShutdownWarn, QStringLiteral("0"));
    put(Sections::Config, ConfigKeys::ShowSplash, QStringLiteral("0"));
    put(Sections::Config, ConfigKeys::LogEnable, QStringLiteral("1"));
    const QString u = Sections::User(1);
    put(u, UserKeys::Number, QStringLiteral("1"));
    put(u, UserKeys::Name, QStringLiteral("mum"));
    put(u, UserKeys::Password, StoredPasswordForm(QStringLiteral("pw")));
    put(u, UserKeys::ParentRights, QStringLiteral("1"));
    put(u, UserKeys::TimeBasedOn, QStringLiteral("Unlimited"));
    put(u, UserKeys::OptSingle, QStringLiteral("1"));
}

QString tst_LoginGateX11::readConfig(const QString& key) const {
    SqliteRegistry reg(m_run.home + QStringLiteral("/registry.db"));
    SettingsStore store(reg);
    const Setting s = store.ReadSetting(kAppName, Sections::Config, key);
    return s.isAbsent() ? QStringLiteral("<absent>") : s.text();
}

QStringList tst_LoginGateX11::activityLog() const {
    Paths paths;
    paths.dataFolder = m_run.home;
    return LastingLogTail(paths, 50);
}

void tst_LoginGateX11::gateHoldsTheDisplayUntilLogin() {
    newStore();
    QProcess tw;
    const auto cleanup = qScopeGuard([&] { stop(tw); });
    // Up at start-up: another program gets neither the keyboard nor the pointer.
    QVERIFY(upAtTheGate(tw));

    // The end-task is refused with the login window's box, which holds the input while it waits.
    ::kill(static_cast<pid_t>(tw.processId()), SIGTERM);
    QVERIFY(waitFor(5000, [&] { return windowUp(QStringLiteral("TimeWard")); }));
    QCOMPARE(tw.state(), QProcess::Running);
    QVERIFY(waitFor(3000, [&] { return !otherClientGrabs(); }));
    // Answered with Return (again if the box had not taken the focus yet).
    QVERIFY(waitFor(5000, [&] {
        x({QStringLiteral("type"), QStringLiteral("TimeWard"), QStringLiteral("\r")});
        QTest::qWait(300);
        return !windowUp(QStringLiteral("TimeWard"));
    }));
    QVERIFY(waitFor(3000, [&] { return !otherClientGrabs(); }));
    QVERIFY(windowUp(kLoginTitle));

    // A parent logs in at the keyboard: the desktop is theirs at once.
    QCOMPARE(x({QStringLiteral("type"), kLoginTitle, QStringLiteral("\tpw\r")}), 0);
    QVERIFY(waitFor(5000, [&] { return otherClientGrabs(); }));
    QVERIFY(waitFor(5000, [&] { return !windowUp(kLoginTitle); }));

    // timeward /l brings the gate back within two seconds.
    QCOMPARE(m_run.run(ProgramRunner::timeward(), {QStringLiteral("/l")}).exitCode, 0);
    QVERIFY(waitFor(3000, [&] { return windowUp(kLoginTitle) && !otherClientGrabs(); }));

    // At the login window timeward /q ends the program.
    QCOMPARE(m_run.run(ProgramRunner::timeward(), {QStringLiteral("/q")}).exitCode, 0);
    QVERIFY(tw.waitForFinished(3000));
    QCOMPARE(tw.exitCode(), 0);
    QVERIFY(otherClientGrabs());
}

void tst_LoginGateX11::gateComesBackWhenUnmapped() {
    // Another program unmaps the login window (as a window manager's minimise does): an unmapped
    // window holds no grab, so the window maps itself again and takes the input back.
    newStore();
    QProcess tw;
    const auto cleanup = qScopeGuard([&] { stop(tw); });
    QVERIFY(upAtTheGate(tw));
    for (int round = 0; round < 2; ++round) {
        QCOMPARE(x({QStringLiteral("unmap"), kLoginTitle}), 0);
        QElapsedTimer t;
        t.start();
        QVERIFY(waitFor(5000, [&] { return windowUp(kLoginTitle) && !otherClientGrabs(); }));
        qInfo("the login window was back with the input %lld ms after it was unmapped", t.elapsed());
    }
    QCOMPARE(tw.state(), QProcess::Running);
}

void tst_LoginGateX11::programKeepingTheGrabEndsTheSession() {
    // A full-screen program holds the keyboard and the pointer when the login window comes up and
    // keeps them: the gate cannot close, so the desktop session is ended through logind after
    // ten seconds, and the activity log says why.
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) QSKIP("dbus-daemon is not installed");
    newStore();
    QProcess bus;
    bus.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    bus.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                       QStringLiteral("--address=unix:dir=") + m_dir->path()});
    QVERIFY(bus.waitForReadyRead(10000));
    const auto busGone = qScopeGuard([&] { stop(bus); });
    const QString address = QString::fromUtf8(bus.readLine()).trimmed();
    QDBusConnection conn = QDBusConnection::connectToBus(address, QStringLiteral("login1-session-stand-in"));
    QVERIFY(conn.isConnected());
    SessionStandIn session;
    QVERIFY(conn.registerService(QStringLiteral("org.freedesktop.login1")));
    QVERIFY(conn.registerObject(QStringLiteral("/org/freedesktop/login1/session/auto"), &session,
                                QDBusConnection::ExportAllSlots));
    const auto unregister = qScopeGuard([&] {
        conn.unregisterObject(QStringLiteral("/org/freedesktop/login1/session/auto"));
        QDBusConnection::disconnectFromBus(QStringLiteral("login1-session-stand-in"));
    });

    QProcess game;
    game.setProcessEnvironment(xEnvironment());
    game.start(xclient(), {QStringLiteral("hold"), QStringLiteral("40")});
    const auto gameGone = qScopeGuard([&] { stop(game); });
    QVERIFY(game.waitForReadyRead(10000));
    QCOMPARE(game.readLine().trimmed(), QByteArray("held"));

    QProcessEnvironment env = xEnvironment();
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), address);
    QProcess tw;
    QVERIFY(start(tw, env));
    const auto cleanup = qScopeGuard([&] { stop(tw); });
    QVERIFY(waitFor(20000, [&] { return windowUp(kLoginTitle); }));
    QElapsedTimer t;
    t.start();
    QVERIFY(waitFor(20000, [&] { return session.terminated > 0; }));
    qInfo("the session was ended %lld ms after the login window came up", t.elapsed());
    QVERIFY(t.elapsed() >= 8000);
    QVERIFY(
        activityLog().join(QLatin1Char('\n')).contains(QStringLiteral("could not take the keyboard and the mouse")));
}

void tst_LoginGateX11::cutConnectionIsNoOrderlyEnd() {
    // Another program cuts the login window's connection (a killed window) while the X server
    // runs on: no session has ended, so the program ends as a crash does, with a status that
    // has it started again, and the next start counts it as a bad shutdown.
    newStore();
    {
        SqliteRegistry reg(m_run.home + QStringLiteral("/registry.db"));
        SettingsStore(reg).WriteSetting(kAppName, Sections::Config, ConfigKeys::BadShutdownWarn, QStringLiteral("1"));
    }
    QProcess tw;
    const auto cleanup = qScopeGuard([&] { stop(tw); });
    QVERIFY(upAtTheGate(tw));
    QCOMPARE(readConfig(ConfigKeys::ShutdownOK), QStringLiteral("0"));
    QCOMPARE(x({QStringLiteral("kill"), kLoginTitle}), 0);
    QVERIFY(tw.waitForFinished(20000));
    QCOMPARE(tw.exitStatus(), QProcess::NormalExit);
    QVERIFY(tw.exitCode() != 0);
    QCOMPARE(readConfig(ConfigKeys::ShutdownOK), QStringLiteral("0"));
    QVERIFY(activityLog().join(QLatin1Char('\n')).contains(QStringLiteral("connection to the display was cut")));
}

TW_TEST(tst_LoginGateX11)
#include "tst_LoginGateX11.moc"
