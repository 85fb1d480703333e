// The login window as a gate on a real X display: an Xvfb server of the test's own, the real
// timeward binary on it, and a second X client (tw_xclient) trying what another program would.
#include "ProgramRunner.h"
#include "TestRegistry.h"
#include "platform/SqliteRegistry.h"
#include "storage/ConfigKeys.h"
#include "storage/SettingsStore.h"
#include "users/PasswordScramble.h"
#include "users/UserKeys.h"

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

private:
    QProcess m_xvfb;
    QString m_display;
    std::unique_ptr<QTemporaryDir> m_dir;
    ProgramRunner m_run;

    QProcessEnvironment xEnvironment() const {
        QProcessEnvironment env = m_run.environment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
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

void tst_LoginGateX11::gateHoldsTheDisplayUntilLogin() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_run.home = m_dir->path() + QStringLiteral("/home");
    QVERIFY(QDir().mkpath(m_run.home));
    {
        SqliteRegistry reg(m_run.home + QStringLiteral("/registry.db"));
        SettingsStore store(reg);
        const auto put = [&](const QString& section, const QString& key, const QString& value) {
            store.WriteSetting(kAppName, section, key, value);
        };
        put(Sections::Config, ConfigKeys::LoadedBefore, QStringLiteral("1"));
        put(Sections::Config, ConfigKeys::BadShutdownWarn, QStringLiteral("0"));
        put(Sections::Config, ConfigKeys::ShowSplash, QStringLiteral("0"));
        const QString u = Sections::User(1);
        put(u, UserKeys::Number, QStringLiteral("1"));
        put(u, UserKeys::Name, QStringLiteral("mum"));
        put(u, UserKeys::Password, StoredPasswordForm(QStringLiteral("pw")));
        put(u, UserKeys::ParentRights, QStringLiteral("1"));
        put(u, UserKeys::TimeBasedOn, QStringLiteral("Unlimited"));
        put(u, UserKeys::OptSingle, QStringLiteral("1"));
    }
    QProcess tw;
    tw.setProcessEnvironment(xEnvironment());
    tw.setProcessChannelMode(QProcess::ForwardedChannels);
    tw.start(ProgramRunner::timeward(), {});
    QVERIFY(tw.waitForStarted(10000));
    const auto cleanup = qScopeGuard([&] {
        if (tw.state() != QProcess::NotRunning) {
            tw.kill();
            tw.waitForFinished(5000);
        }
    });

    // Up at start-up: another program gets neither the keyboard nor the pointer.
    QVERIFY(waitFor(20000, [&] { return windowUp(kLoginTitle); }));
    QVERIFY(waitFor(5000, [&] { return !otherClientGrabs(); }));

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

TW_TEST(tst_LoginGateX11)
#include "tst_LoginGateX11.moc"
