#include "TestRegistry.h"
#include "platform/ProfileFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_ProfileFile : public QObject {
    Q_OBJECT
private slots:
    void read_data();
    void read();
    void write_data();
    void write();
    void missingFileIsCreatedWhereItsFolderExists();
    void readOnlyFileIsRefused();

private:
    static QByteArray contents(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void put(const QString& path, const QByteArray& data) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
};

static const QByteArray kSample = "[Paths]\r\nWinDir=C:\\WINDOWS\r\n\r\n[Options]\r\n;comment=9\r\nBootGUI = 1 \r\n"
                                  "bootdelay=\"2\"\r\n\r\n[Other]\r\nBootWin=7\r\n";

void tst_ProfileFile::read_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("spaces trimmed") << "Options"
                                    << "BootGUI"
                                    << "1";
    QTest::newRow("names without case") << "OPTIONS"
                                        << "BOOTGUI"
                                        << "1";
    QTest::newRow("quotes removed") << "options"
                                    << "BootDelay"
                                    << "2";
    QTest::newRow("key of another section") << "Options"
                                            << "BootWin"
                                            << "def";
    QTest::newRow("comment is no key") << "Options"
                                       << ";comment"
                                       << "def";
    QTest::newRow("missing section") << "Nowhere"
                                     << "BootGUI"
                                     << "def";
}

void tst_ProfileFile::read() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    put(dir.filePath("MSDOS.SYS"), kSample);
    // The file's own name differs in case from the one asked for.
    QCOMPARE(ProfileFile::read(dir.filePath("msdos.sys"), section, key, "def"), expected);
}

void tst_ProfileFile::write_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("replaces in place, keeps the file's spelling")
        << "OPTIONS"
        << "BOOTDELAY"
        << QByteArray("[Paths]\r\nWinDir=C:\\WINDOWS\r\n\r\n[Options]\r\n;comment=9\r\nBootGUI = 1 \r\n"
                      "bootdelay=0\r\n\r\n[Other]\r\nBootWin=7\r\n");
    QTest::newRow("new key after the section's last entry")
        << "Options"
        << "BootWin"
        << QByteArray("[Paths]\r\nWinDir=C:\\WINDOWS\r\n\r\n[Options]\r\n;comment=9\r\nBootGUI = 1 \r\n"
                      "bootdelay=\"2\"\r\nBootWin=0\r\n\r\n[Other]\r\nBootWin=7\r\n");
    QTest::newRow("new section at the end") << "New"
                                            << "Key" << QByteArray(kSample + "[New]\r\nKey=0\r\n");
}

void tst_ProfileFile::write() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath("msdos.sys");
    put(path, kSample);
    QVERIFY(ProfileFile::write(path, section, key, "0"));
    QCOMPARE(contents(path), expected);
}

void tst_ProfileFile::missingFileIsCreatedWhereItsFolderExists() {
    QTemporaryDir dir;
    QVERIFY(ProfileFile::write(dir.filePath("a.ini"), "Options", "BootGUI", "1"));
    QCOMPARE(contents(dir.filePath("a.ini")), QByteArray("[Options]\r\nBootGUI=1\r\n"));
    QCOMPARE(ProfileFile::read(dir.filePath("a.ini"), "options", "bootgui"), QStringLiteral("1"));
    QVERIFY(!ProfileFile::write(dir.filePath("no/such/folder.ini"), "Options", "BootGUI", "1"));
    QVERIFY(!QFile::exists(dir.filePath("no")));
}

void tst_ProfileFile::readOnlyFileIsRefused() {
    QTemporaryDir dir;
    const QString path = dir.filePath("msdos.sys");
    put(path, kSample);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QVERIFY(!ProfileFile::write(path, "Options", "BootGUI", "0"));
    QCOMPARE(contents(path), kSample);
    QCOMPARE(QFile::permissions(path) & QFile::WriteOwner, QFile::Permissions());
}

TW_TEST(tst_ProfileFile)
#include "tst_ProfileFile.moc"
