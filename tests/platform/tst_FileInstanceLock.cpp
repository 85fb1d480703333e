#include "TestRegistry.h"
#include "platform/FileInstanceLock.h"

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
};

void tst_FileInstanceLock::secondCopyIsRefusedUntilTheFirstEnds() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("timeward.lock"));
    auto first = std::make_unique<FileInstanceLock>(path);
    QVERIFY(first->tryAcquire());
    QVERIFY(first->tryAcquire()); // taken again by its holder
    FileInstanceLock second(path);
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
        FileInstanceLock held(path);
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
    FileInstanceLock mine(path);
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
    FileInstanceLock lock(path);
    QVERIFY(lock.tryAcquire());
}

void tst_FileInstanceLock::unusableFolderRefuses() {
    FileInstanceLock lock(QStringLiteral("/nonexistent-folder/timeward.lock"));
    QVERIFY(!lock.tryAcquire());
}

TW_TEST(tst_FileInstanceLock)
#include "tst_FileInstanceLock.moc"
