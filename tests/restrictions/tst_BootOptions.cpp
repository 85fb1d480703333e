#include "TestPlatform.h"
#include "TestRegistry.h"
#include "core/RuntimeError.h"
#include "platform/Paths.h"
#include "restrictions/BootOptions.h"

#include <QDir>
#include <QFile>
#include <QTest>

class tst_BootOptions : public QObject {
    Q_OBJECT
private slots:
    void load_data();
    void load();
    void saveWritesEveryKeyAndKeepsTheRest();
    void greyedBoxRoundTrip();
    void readOnlyFileIsLeftAlone();
    void newInstallationKeepsWhatIsSaved();

private:
    static QString sysFile(TestPlatform& tp) { return tp.dataFile("drive_c/msdos.sys"); }
    static void put(TestPlatform& tp, const QByteArray& data) {
        QDir().mkpath(tp.dataFile("drive_c"));
        QFile f(sysFile(tp));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    static QByteArray contents(TestPlatform& tp) {
        QFile f(sysFile(tp));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

using Loaded = std::optional<long long>;
Q_DECLARE_METATYPE(Loaded)

void tst_BootOptions::load_data() {
    QTest::addColumn<QByteArray>("file"); // empty: no file at all
    QTest::addColumn<Loaded>("expected");
    QTest::newRow("ticked") << QByteArray("[Options]\r\nBootDelay=1\r\n") << Loaded(1);
    QTest::newRow("greyed") << QByteArray("[Options]\r\nbootdelay=2\r\n") << Loaded(2);
    QTest::newRow("fraction is cut off") << QByteArray("[OPTIONS]\r\nBootDelay= 0.4\r\n") << Loaded(0);
    QTest::newRow("fraction cut toward zero") << QByteArray("[Options]\r\nBootDelay=1.9\r\n") << Loaded(1);
    QTest::newRow("exponent is no number") << QByteArray("[Options]\r\nBootDelay=1e0\r\n") << Loaded();
    QTest::newRow("out of range is handed on") << QByteArray("[Options]\r\nBootDelay=7\r\n") << Loaded(7);
    QTest::newRow("a word") << QByteArray("[Options]\r\nBootDelay=yes\r\n") << Loaded();
    QTest::newRow("empty") << QByteArray("[Options]\r\nBootDelay=\r\n") << Loaded();
    QTest::newRow("key missing") << QByteArray("[Options]\r\nBootGUI=1\r\n") << Loaded();
    QTest::newRow("file missing") << QByteArray() << Loaded();
}

void tst_BootOptions::load() {
    QFETCH(QByteArray, file);
    QFETCH(Loaded, expected);
    TestPlatform tp;
    if (!file.isEmpty()) put(tp, file);
    QCOMPARE(LoadBootOption(*tp.app, BootOptions::BootDelay), expected);
}

void tst_BootOptions::saveWritesEveryKeyAndKeepsTheRest() {
    TestPlatform tp;
    put(tp, "[Paths]\r\nWinDir=C:\\WINDOWS\r\n[Options]\r\nBootGUI=0\r\nLogo=0\r\n;xxxxxxxx\r\n");
    SaveBootOptions(*tp.app, {1, 1, 0});
    QCOMPARE(contents(tp), QByteArray("[Paths]\r\nWinDir=C:\\WINDOWS\r\n[Options]\r\nBootGUI=1\r\nLogo=0\r\n"
                                      ";xxxxxxxx\r\nBootDelay=1\r\nBootWin=0\r\n"));
}

void tst_BootOptions::greyedBoxRoundTrip() {
    TestPlatform tp;
    put(tp, "[Options]\r\nBootDelay=2\r\n");
    const auto state = LoadBootOption(*tp.app, BootOptions::BootDelay);
    QCOMPARE(state, Loaded(2));
    SaveBootOptions(*tp.app, {static_cast<int>(*state), 0, 0});
    QCOMPARE(ReadBootOption(*tp.app, BootOptions::BootDelay), QStringLiteral("2"));
}

void tst_BootOptions::readOnlyFileIsLeftAlone() {
    TestPlatform tp;
    const QByteArray before("[Options]\r\nBootWin=1\r\n");
    put(tp, before);
    QFile::setPermissions(sysFile(tp), QFile::ReadOwner);
    // The parent who pressed OK learns that the choice did not stick.
    try {
        SaveBootOptions(*tp.app, {0, 0, 0});
        QFAIL("a refused write was reported as saved");
    } catch (const RuntimeError& e) {
        QCOMPARE(e.number, int(RuntimeError::PathFileAccess));
        QVERIFY2(e.description.contains(sysFile(tp)), qPrintable(e.description));
    }
    QCOMPARE(contents(tp), before);
}

void tst_BootOptions::newInstallationKeepsWhatIsSaved() {
    // A data folder made by the program's start, with nothing else in it.
    TestPlatform tp;
    tp.platform.paths.dataFolder += QStringLiteral("/new");
    QString why;
    QVERIFY2(EnsureDataFolder(tp.platform.paths, &why), qPrintable(why));
    SaveBootOptions(*tp.app, {1, 0, 1});
    QCOMPARE(ReadBootOption(*tp.app, BootOptions::BootDelay), QStringLiteral("1"));
    QCOMPARE(ReadBootOption(*tp.app, BootOptions::BootWin), QStringLiteral("1"));
}

TW_TEST(tst_BootOptions)
#include "tst_BootOptions.moc"
