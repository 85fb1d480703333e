// Whole-program tests: a resident copy in its own process (this test executable started
// again as the host below) and the real timeward binary as the messenger.
#include "TestRegistry.h"
#include "core/App.h"
#include "platform/InstanceLock.h"
#include "platform/SqliteRegistry.h"
#include "platform/doubles/TestServices.h"
#include "program/LinuxPlatform.h"
#include "program/frmSecret.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "users/UserKeys.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <memory>

namespace {
const char* kHostVar = "TW_SESSION_HOST";

// A resident copy with anna logged in. Everything that could reach the real desktop or
// machine (system exit, sounds, programs, help) is a recording double; the store, the
// instance lock, the exit link and the process end are the real ones.
[[noreturn]] void runHost() {
    const Paths paths = Paths::fromEnvironment();
    SqliteRegistry registry(paths.dataFile(QStringLiteral("registry.db")));
    LinuxPlatform services(paths);
    services.attachGui();
    Platform& platform = services.platform();
    DesktopDoubles doubles;
    doubles.installInto(platform);
    if (!platform.instanceLock->tryAcquire()) ::_exit(3);
    App app(platform, registry);
    frmSecret& secret = app.window<frmSecret>();
    secret.openLinks();
    // The login's part: the current user, the tray icon and the controller timer.
    app.CurrentUserNumber = 1;
    app.model.beginSession(); // the tray icon and the controller timer
    // Back at the login window anna logs in again at once, so the session goes on.
    QTimer relogin;
    QObject::connect(&relogin, &QTimer::timeout, &secret, [&] {
        if (!app.model.inSession()) app.model.beginSession();
    });
    relogin.start(50);
    QEventLoop loop;
    loop.exec();
    ::_exit(4);
}

QString timewardBinary() {
    return qEnvironmentVariable("TIMEWARD_TEST_BINDIR") + QStringLiteral("/src/timeward");
}

struct Session {
    QTemporaryDir dir;
    std::unique_ptr<SqliteRegistry> registry;
    std::unique_ptr<SettingsStore> store;
    QProcess host;

    Session() {
        registry = std::make_unique<SqliteRegistry>(dir.filePath(QStringLiteral("registry.db")));
        store = std::make_unique<SettingsStore>(*registry);
        const QString u = Sections::User(1);
        write(Sections::Config, ConfigKeys::CurrUser, QStringLiteral("anna"));
        write(Sections::Config, ConfigKeys::LogEnable, QStringLiteral("1"));
        write(Sections::Config, ConfigKeys::LogTFOn, QStringLiteral("1"));
        write(Sections::Config, ConfigKeys::LogTFFile, logFile());
        write(Sections::Config, ConfigKeys::LogELogout, QStringLiteral("1"));
        write(Sections::Config, ConfigKeys::ShutdownOK, QStringLiteral("0"));
        write(u, UserKeys::Name, QStringLiteral("anna"));
        write(u, UserKeys::ParentRights, QStringLiteral("1"));
        write(u, UserKeys::TimeBasedOn, PeriodTypes::OneTime);
        write(u, UserKeys::FreeHours, QStringLiteral("01"));
        write(u, UserKeys::FreeMin, QStringLiteral("00"));
        write(u, UserKeys::FreeSec, QStringLiteral("00"));
    }
    ~Session() {
        if (host.state() != QProcess::NotRunning) {
            host.kill();
            host.waitForFinished(5000);
        }
    }
    void write(const QString& section, const QString& key, const QString& value) {
        store->WriteSetting(kAppName, section, key, value);
    }
    Setting read(const QString& section, const QString& key) { return store->ReadSetting(kAppName, section, key); }
    QString logFile() const { return dir.filePath(QStringLiteral("activity.log")); }
    int logouts() const {
        QFile f(logFile());
        if (!f.open(QIODevice::ReadOnly)) return 0;
        return int(f.readAll().count("User anna logged out."));
    }
    // The stored free time in seconds.
    long long secondsLeft() {
        const QString u = Sections::User(1);
        return read(u, UserKeys::FreeHours).toLongLong() * 3600 + read(u, UserKeys::FreeMin).toLongLong() * 60 +
               read(u, UserKeys::FreeSec).toLongLong();
    }
    QProcessEnvironment env() const {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("TIMEWARD_HOME"), dir.path());
        e.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return e;
    }
    bool startHost() {
        QProcessEnvironment e = env();
        e.insert(QString::fromLatin1(kHostVar), QStringLiteral("1"));
        e.insert(QStringLiteral("TW_ONLY"), QStringLiteral("tst_SessionHost"));
        host.setProcessEnvironment(e);
        host.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        host.start(QCoreApplication::applicationFilePath(), {});
        return host.waitForStarted(5000) && waitForTick(15000);
    }
    // Waits until the host has counted one more second.
    bool waitForTick(int ms) {
        const long long before = secondsLeft();
        return waitFor(ms, [&] { return secondsLeft() != before; });
    }
    template <class F> bool waitFor(int ms, F done) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            if (done()) return true;
            QTest::qWait(20);
        }
        return done();
    }
    int messenger(const QStringList& args) {
        QProcess p;
        p.setProcessEnvironment(env());
        p.start(timewardBinary(), args);
        if (!p.waitForFinished(10000)) return -1;
        return p.exitCode();
    }
};

// The time the running copy may take to act: the next tick, plus room for a busy machine.
constexpr int kActWithinMs = 3000;
} // namespace

// Started by tst_frmSecretProgram as the resident copy; skipped in an ordinary run.
class tst_SessionHost : public QObject {
    Q_OBJECT
private slots:
    void host() {
        if (!qEnvironmentVariableIsSet(kHostVar)) QSKIP("runs only as the resident copy of the whole-program tests");
        runHost();
    }
};

class tst_frmSecretProgram : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!QFile::exists(timewardBinary())) QSKIP("the timeward binary is not built");
    }
    void messengersReachTheRunningCopy();
    void killedSessionLosesAtMostOneSecond();
    void messengerStormIsActedOn();
};

void tst_frmSecretProgram::messengersReachTheRunningCopy() {
    Session s;
    QVERIFY(s.startHost());

    QCOMPARE(s.messenger({QStringLiteral("/l")}), 0);
    QVERIFY(s.waitFor(kActWithinMs, [&] { return s.logouts() == 1; }));
    QVERIFY(s.read(Sections::Communication, MailboxKeys::Logout).isFalse());

    QCOMPARE(s.messenger({}), 0); // a second start only posts "MainScreen"
    QVERIFY(
        s.waitFor(kActWithinMs, [&] { return s.read(Sections::Communication, MailboxKeys::MainScreen).isFalse(); }));
    QCOMPARE(s.host.state(), QProcess::Running);

    QCOMPARE(s.messenger({QStringLiteral("/Q")}), 0);
    QVERIFY(s.host.waitForFinished(kActWithinMs));
    QCOMPARE(s.host.exitCode(), 0);
    QCOMPARE(s.read(Sections::Config, ConfigKeys::ShutdownOK).text(), QStringLiteral("1"));
    QVERIFY(s.read(Sections::Communication, MailboxKeys::EndNow).isFalse());
}

void tst_frmSecretProgram::killedSessionLosesAtMostOneSecond() {
    Session s;
    QVERIFY(s.startHost());
    QVERIFY(s.waitForTick(3000));
    QElapsedTimer run;
    run.start();
    const long long atStart = s.secondsLeft();
    QTest::qWait(3500);
    ::kill(static_cast<pid_t>(s.host.processId()), SIGKILL);
    const qint64 elapsedMs = run.elapsed();
    QVERIFY(s.host.waitForFinished(5000));
    const long long atKill = s.secondsLeft();
    const long long counted = atStart - atKill;
    // Every whole second of the session is in the store, at most the one under way is lost.
    QVERIFY2(counted >= elapsedMs / 1000 - 1 && counted <= elapsedMs / 1000 + 1,
             qPrintable(QStringLiteral("%1 s counted in %2 ms").arg(counted).arg(elapsedMs)));

    // The next run goes on from the stored time.
    QVERIFY(s.startHost());
    QVERIFY(s.secondsLeft() >= atKill - 2);
}

void tst_frmSecretProgram::messengerStormIsActedOn() {
    Session s;
    QVERIFY(s.startHost());
    const int rounds = 3;
    for (int r = 0; r < rounds; ++r) {
        std::vector<std::unique_ptr<QProcess>> storm;
        for (int i = 0; i < 8; ++i) {
            auto p = std::make_unique<QProcess>();
            p->setProcessEnvironment(s.env());
            p->start(timewardBinary(), i % 2 ? QStringList{QStringLiteral("/l")} : QStringList{});
            storm.push_back(std::move(p));
        }
        for (auto& p : storm) {
            QVERIFY(p->waitForFinished(10000));
            QCOMPARE(p->exitCode(), 0);
        }
        // Every command posted is acted on: the mailbox empties and this round logged out.
        QVERIFY(s.waitFor(kActWithinMs, [&] {
            return s.read(Sections::Communication, MailboxKeys::Logout).isFalse() &&
                   s.read(Sections::Communication, MailboxKeys::MainScreen).isFalse();
        }));
        QVERIFY(s.waitFor(kActWithinMs, [&] { return s.logouts() >= r + 1; }));
    }
    QVERIFY(s.logouts() <= rounds * 4);
    QCOMPARE(s.host.state(), QProcess::Running);
}

TW_TEST(tst_SessionHost)
TW_TEST(tst_frmSecretProgram)
#include "tst_frmSecretProgram.moc"
