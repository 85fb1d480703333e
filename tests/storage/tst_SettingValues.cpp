#include "TestRegistry.h"
#include "platform/Paths.h"
#include "platform/Resources.h"
#include "storage/Setting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// How stored texts compare with the numbers and truth values the program expects, and
// which paths count as an existing file.
class tst_SettingValues : public QObject {
    Q_OBJECT
private slots:
    void comparisons_data();
    void comparisons();
    void fileExists_data();
    void fileExists();
    void drivePaths_data();
    void drivePaths();
    void resourceFolder_data();
    void resourceFolder();
};

void tst_SettingValues::comparisons_data() {
    QTest::addColumn<bool>("absent");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isZero");
    QTest::addColumn<bool>("isOne");
    QTest::addColumn<bool>("isEmptyText");
    QTest::addColumn<bool>("isTrue");
    QTest::addColumn<bool>("isFalse");
    QTest::newRow("absent") << true << "" << true << false << true << false << true;
    QTest::newRow("empty") << false << "" << false << false << true << false << false;
    QTest::newRow("00") << false << "00" << true << false << false << false << true;
    QTest::newRow("1") << false << "1" << false << true << false << true << false;
    QTest::newRow(" 1") << false << " 1" << false << true << false << true << false;
    QTest::newRow("True") << false << "True" << false << false << false << true << false;
    QTest::newRow("true") << false << "true" << false << false << false << true << false;
    QTest::newRow("FALSE") << false << "FALSE" << false << false << false << false << true;
    QTest::newRow("abc") << false << "abc" << false << false << false << false << false;
    QTest::newRow("-1") << false << "-1" << false << false << false << true << false;
    QTest::newRow("huge") << false << "99999999999999999999999" << false << false << false << false << false;
}

void tst_SettingValues::comparisons() {
    QFETCH(bool, absent);
    QFETCH(QString, text);
    const Setting s = absent ? Setting::absent() : Setting(text);
    QTEST(s.is(0), "isZero");
    QTEST(s.is(1), "isOne");
    QTEST(s.is(QString()), "isEmptyText");
    QTEST(s.isTrue(), "isTrue");
    QTEST(s.isFalse(), "isFalse");
}

void tst_SettingValues::fileExists_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("exists");
    QTest::newRow("same name") << "sounds/ding.wav" << true;
    QTest::newRow("other letter case") << "sounds/DING.WAV" << true;
    QTest::newRow("backslashes") << "sounds\\ding.wav" << true;
    QTest::newRow("a folder") << "sounds" << false;
    QTest::newRow("hidden file") << "sounds/.secret.wav" << false;
    QTest::newRow("missing file") << "sounds/none.wav" << false;
    QTest::newRow("missing folder") << "nowhere/ding.wav" << false;
    QTest::newRow("wildcard") << "sounds/*.wav" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_SettingValues::fileExists() {
    QFETCH(QString, path);
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("sounds"));
    for (const char* f : {"sounds/ding.wav", "sounds/.secret.wav"}) {
        QFile file(dir.filePath(QString::fromLatin1(f)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    Paths paths;
    paths.dataFolder = dir.path();
    const QString full = path.isEmpty() ? path : dir.path() + QLatin1Char('/') + path;
    QTEST(FileExists(paths, full), "exists");
}

void tst_SettingValues::drivePaths_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("native");
    QTest::newRow("drive") << "C:\\msdos.sys"
                           << "/data/drive_c/msdos.sys";
    QTest::newRow("lower drive, slashes") << "c:/Windows/x.wav"
                                          << "/data/drive_c/Windows/x.wav";
    QTest::newRow("no root after drive") << "D:file.txt"
                                         << "/data/drive_d/file.txt";
    QTest::newRow("plain unix path") << "/usr/share/sounds/a.wav"
                                     << "/usr/share/sounds/a.wav";
}

void tst_SettingValues::drivePaths() {
    QFETCH(QString, stored);
    Paths paths;
    paths.dataFolder = QStringLiteral("/data");
    QTEST(paths.native(stored), "native");
}

void tst_SettingValues::resourceFolder_data() {
    QTest::addColumn<QStringList>("folders"); // made below a temporary prefix
    QTest::addColumn<QString>("found");       // relative to the prefix
    QTest::newRow("build tree: help beside the program") << QStringList{"bin/help", "share/timeward/help"} << "bin";
    QTest::newRow("installed") << QStringList{"share/timeward/help"} << "share/timeward";
    QTest::newRow("neither: the program's folder") << QStringList{} << "bin";
}

void tst_SettingValues::resourceFolder() {
    QFETCH(QStringList, folders);
    QFETCH(QString, found);
    QTemporaryDir prefix;
    QVERIFY(QDir().mkpath(prefix.filePath("bin")));
    for (const QString& f : folders)
        QVERIFY(QDir().mkpath(prefix.filePath(f)));
    QCOMPARE(ResourceFolder(prefix.filePath("bin")), prefix.filePath(found));
}

TW_TEST(tst_SettingValues)
#include "tst_SettingValues.moc"
