#include "TestRegistry.h"
#include "platform/FileInstanceLock.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// One resident copy per data folder: the lock holds against a second copy, and goes with
// the copy that held it however that copy ended.
class tst_FileInstanceLock : public QObject {
    Q_OBJECT
private slots:
    void secondCopyIsRefusedUntilTheFirstEnds();
    void aKilledCopyLeavesNoLock();
    void leftoverFileIsNoLock();
    void unusableFolderRefuses();
    void holderWithoutExitLinkDoesNotAnswer();
};

void tst_FileInstanceLock::secondCopyIsRefusedUntilTheFirstEnds() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("timeward.lock"));
    auto first = std::make_unique<FileInstanceLock>(path, QString());
    QVERIFY(first->tryAcquire());
    QVERIFY(first->tryAcquire()); // taken again by its holder
    FileInstanceLock second(path, QString());
    QVERIFY(!second.tryAcquire());
    first.reset();
    QVERIFY(second.tryAcquire());
}

void tst_FileInstanceLock::aKilledCopyLeavesNoLock() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("timeward.lock"));
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        FileInstanceLock held(path, QString());
        const char ok = held.tryAcquire() ? '1' : '0';
        [[maybe_unused]] const ssize_t n = ::write(ready[1], &ok, 1);
        ::pause();
        ::_exit(0);
    }
    ::close(ready[1]);
    char ok = 0;
    QCOMPARE(::read(ready[0], &ok, 1), ssize_t(1));
    ::close(ready[0]);
    QCOMPARE(ok, '1');
    FileInstanceLock mine(path, QString());
    QVERIFY(!mine.tryAcquire());
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    QVERIFY(mine.tryAcquire());
}

void tst_FileInstanceLock::leftoverFileIsNoLock() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("timeward.lock"));
    QFile leftover(path);
    QVERIFY(leftover.open(QIODevice::WriteOnly));
    leftover.write("12345\ntimeward\nsomehost\n");
    leftover.close();
    FileInstanceLock lock(path, QString());
    QVERIFY(lock.tryAcquire());
    // The holder's own process id replaces what was there.
    QCOMPARE(FileInstanceLock::holderPid(path), static_cast<long long>(::getpid()));
}

void tst_FileInstanceLock::holderWithoutExitLinkDoesNotAnswer() {
    // A process that only holds the lock (no copy listening on the exit link, or a socket file
    // nobody listens on) is no copy: the question gives up after its time.
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("timeward.dde"));
    FileInstanceLock asker(dir.filePath(QStringLiteral("timeward.lock")), link);
    QElapsedTimer t;
    t.start();
    QVERIFY(!asker.holderAnswers(300));
    QVERIFY(t.elapsed() >= 250 && t.elapsed() < 2000);
    QFile stale(link);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();
    QVERIFY(!asker.holderAnswers(200));
}

void tst_FileInstanceLock::unusableFolderRefuses() {
    FileInstanceLock lock(QStringLiteral("/nonexistent-folder/timeward.lock"), QString());
    QVERIFY(!lock.tryAcquire());
}

TW_TEST(tst_FileInstanceLock)
#include "tst_FileInstanceLock.moc"
