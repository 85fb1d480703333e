// The keeper as a plain process on a store of the test's own: a stand-in for the resident copy
// (a process that holds the instance lock) is stopped and killed, and the session's heartbeat is
// aged as a copy that no longer ticks leaves it.
#include "ProgramRunner.h"
#include "TestRegistry.h"
#include "platform/Clock.h"
#include "platform/FileInstanceLock.h"
#include "platform/Paths.h"
#include "platform/SqliteRegistry.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "storage/SettingsStore.h"
#include "users/UserKeys.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

// The state letter of /proc/<pid>/stat ('T' while stopped); it follows the name's last ')'.
char processState(pid_t pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return 0;
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    return close >= 0 && close + 2 < text.size() ? text.at(close + 2) : 0;
}

class tst_Keeper : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void continuesAStoppedCopyAndRestartsAKilledOne();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    ProgramRunner m_run;
    pid_t m_standIn = 0;
    SystemClock m_clock;

    void put(const QString& section, const QString& key, const QString& value) {
        SqliteRegistry reg(m_run.home + QStringLiteral("/registry.db"));
        SettingsStore(reg).WriteSetting(kAppName, section, key, value);
    }
    // The heartbeat of Ann's session, as a tick agoMs ago left it.
    void tick(qint64 agoMs) {
        put(Sections::User(1), UserKeys::LastTickBoot, QString::number(m_clock.boottimeMs() - agoMs));
        put(Sections::User(1), UserKeys::LastTickBootId, m_clock.bootId());
    }
    QString log() const {
        Paths paths;
        paths.dataFolder = m_run.home;
        return LastingLogTail(paths, 20).join(QLatin1Char('\n'));
    }
};

void tst_Keeper::init() {
    if (!QFile::exists(ProgramRunner::keeper())) QSKIP("the keeper is not built");
    m_dir = std::make_unique<QTemporaryDir>();
    m_run.home = m_dir->path() + QStringLiteral("/home");
    QVERIFY(QDir().mkpath(m_run.home));
    put(Sections::Config, ConfigKeys::LogEnable, QStringLiteral("1"));
    put(Sections::Config, ConfigKeys::CurrentNumberOfUsers, QStringLiteral("1"));
    put(Sections::User(1), UserKeys::Name, QStringLiteral("Ann"));
    // The stand-in holds the lock, which names it, and waits.
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    m_standIn = ::fork();
    QVERIFY(m_standIn >= 0);
    if (m_standIn == 0) {
        FileInstanceLock lock(m_run.home + QLatin1Char('/') + kLockFileName, QString());
        const char ok = lock.tryAcquire() ? '1' : '0';
        [[maybe_unused]] const ssize_t n = ::write(ready[1], &ok, 1);
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    char ok = 0;
    QCOMPARE(::read(ready[0], &ok, 1), ssize_t(1));
    ::close(ready[0]);
    QCOMPARE(ok, '1');
}

void tst_Keeper::cleanup() {
    if (m_standIn > 0) {
        ::kill(m_standIn, SIGKILL);
        ::waitpid(m_standIn, nullptr, 0);
    }
    m_standIn = 0;
}

void tst_Keeper::continuesAStoppedCopyAndRestartsAKilledOne() {
    const QString restarted = m_dir->filePath(QStringLiteral("restarted"));
    const QString script = m_dir->filePath(QStringLiteral("restart.sh"));
    {
        QFile f(script);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\necho \"$TIMEWARD_HOME\" >> '" + QFile::encodeName(restarted) + "'\n");
    }
    QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    // A copy that runs but has stopped ticking (counting switched off) is left alone.
    tick(8000);
    QProcess keeper;
    keeper.setProcessEnvironment(m_run.environment());
    keeper.start(ProgramRunner::keeper(), {QStringLiteral("--home"), m_run.home, QStringLiteral("--restart-command"),
                                           script, QStringLiteral("--interval-ms"), QStringLiteral("100")});
    QVERIFY(keeper.waitForStarted(10000));
    const auto keeperGone = qScopeGuard([&] {
        keeper.kill();
        keeper.waitForFinished(5000);
    });
    QTest::qWait(600);
    QCOMPARE(log(), QString());
    QVERIFY(!QFile::exists(restarted));

    // Stopped from a terminal: let run on, and the gap is logged. The heartbeat is written
    // before the stop, so that the keeper never sees the stopped copy with the older one.
    tick(12000);
    QCOMPARE(::kill(m_standIn, SIGSTOP), 0);
    int status = 0;
    QCOMPARE(::waitpid(m_standIn, &status, WUNTRACED), m_standIn);
    QVERIFY(WIFSTOPPED(status));
    QTRY_VERIFY_WITH_TIMEOUT(processState(m_standIn) != 'T', 5000);
    // Twelve seconds, or a little more on a busy machine.
    QTRY_VERIFY(log().contains(
        QRegularExpression(QStringLiteral("The clock of Ann's session stood still for 1[2-5] seconds"))));
    QVERIFY2(log().contains(QStringLiteral("was stopped; the keeper let it run on")), qPrintable(log()));
    QVERIFY(!QFile::exists(restarted));

    // Killed: started again as the account that runs it, on the same data folder.
    tick(0);
    QCOMPARE(::kill(m_standIn, SIGKILL), 0);
    QCOMPARE(::waitpid(m_standIn, nullptr, 0), m_standIn);
    m_standIn = 0;
    tick(6000);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(restarted), 5000);
    QTRY_VERIFY(log().contains(QStringLiteral("had ended; the keeper started it again")));
    QFile f(restarted);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QFile::encodeName(m_run.home) + '\n'); // once
}

TW_TEST(tst_Keeper)
#include "tst_Keeper.moc"
