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
    void wholeNumber_data();
    void wholeNumber();
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
    // Beyond the number limit it is the limit: a number, and not 0.
    QTest::newRow("huge") << false << "99999999999999999999999" << false << false << false << true << false;
    QTest::newRow("exponent") << false << "1e0" << false << false << false << false << false;
    QTest::newRow("fraction") << false << "1.7" << false << true << false << true << false;
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

// The one rule every reader of a stored number goes by.
void tst_SettingValues::wholeNumber_data() {
    QTest::addColumn<bool>("absent");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<qlonglong>("value");
    const qlonglong limit = kNumberLimit;
    QTest::newRow("absent reads as 0") << true << "" << true << 0LL;
    QTest::newRow("empty") << false << "" << false << 0LL;
    QTest::newRow("blanks only") << false << " \t " << false << 0LL;
    QTest::newRow("plain") << false << "42" << true << 42LL;
    QTest::newRow("leading zeros") << false << "007" << true << 7LL;
    QTest::newRow("blanks around") << false << " \t12 " << true << 12LL;
    QTest::newRow("plus sign") << false << "+5" << true << 5LL;
    QTest::newRow("minus sign") << false << "-5" << true << -5LL;
    QTest::newRow("blank after the sign") << false << "- 5" << false << 0LL;
    QTest::newRow("sign alone") << false << "-" << false << 0LL;
    QTest::newRow("two signs") << false << "--5" << false << 0LL;
    QTest::newRow("fraction cut off") << false << "2.9" << true << 2LL;
    QTest::newRow("negative fraction toward zero") << false << "-2.9" << true << -2LL;
    QTest::newRow("fraction only") << false << ".5" << true << 0LL;
    QTest::newRow("point at the end") << false << "12." << true << 12LL;
    QTest::newRow("point alone") << false << "." << false << 0LL;
    QTest::newRow("two points") << false << "1.2.3" << false << 0LL;
    QTest::newRow("decimal comma") << false << "2,5" << false << 0LL;
    QTest::newRow("thousands separator") << false << "1,000" << false << 0LL;
    QTest::newRow("exponent") << false << "1e3" << false << 0LL;
    QTest::newRow("huge exponent") << false << "1e30" << false << 0LL;
    QTest::newRow("capital exponent") << false << "2E2" << false << 0LL;
    QTest::newRow("hex") << false << "0x10" << false << 0LL;
    QTest::newRow("letters after digits") << false << "12abc" << false << 0LL;
    QTest::newRow("letters") << false << "abc" << false << 0LL;
    QTest::newRow("infinity") << false << "inf" << false << 0LL;
    QTest::newRow("not a number") << false << "nan" << false << 0LL;
    QTest::newRow("blank inside") << false << "1 2" << false << 0LL;
    QTest::newRow("at the limit") << false << "1000000000000000" << true << limit;
    QTest::newRow("beyond the limit") << false << "1000000000000001" << true << limit;
    QTest::newRow("beyond a 64-bit number") << false << "99999999999999999999999" << true << limit;
    QTest::newRow("far below") << false << "-99999999999999999999999.9" << true << -limit;
    QTest::newRow("beyond the limit with a fraction") << false << "123456789012345678.9" << true << limit;
}

void tst_SettingValues::wholeNumber() {
    QFETCH(bool, absent);
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(qlonglong, value);
    const Setting s = absent ? Setting::absent() : Setting(text);
    QCOMPARE(s.number().has_value(), isNumber);
    if (isNumber) QCOMPARE(*s.number(), value);
    QCOMPARE(s.toLongLong(-7), isNumber ? value : -7LL);
    if (!absent) QCOMPARE(WholeNumber(text), s.number());
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
