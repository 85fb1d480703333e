#include "ProgramRunner.h"
#include "TestPlatform.h"
#include "TestRegistry.h"
#include "storage/ConfigKeys.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>
#include <sys/stat.h>

// The store's rules as the rest of the program relies on them.
class tst_SettingsStore : public QObject {
    Q_OBJECT
private slots:
    void absentVersusEmptyAndDefaults();
    void namesIgnoreCase_data();
    void namesIgnoreCase();
    void writtenForms();
    void firstWriteCreatesParents();
    void deleteKeyTakesEverythingBelow();
    void otherValueTypes_data();
    void otherValueTypes();
    void textRoundTrips_data();
    void textRoundTrips();
    void lastSettingFollowsEveryRead();
    void rawOperations();
    void sdaGetRegEntry_data();
    void sdaGetRegEntry();
    void takeReadsAndClearsAtOnce();
    void unchangedWriteLeavesFileAlone();
    void batchIsAllOrNothingForOthers();
    void everyReadSeesTheFile_data();
    void everyReadSeesTheFile();
    void lockedStoreFailsFastAndReports();
    void ownerOnlyFileModes();
};

void tst_SettingsStore::absentVersusEmptyAndDefaults() {
    TestPlatform tp;
    App& app = *tp.app;
    const Setting never = app.read(Sections::Config, QStringLiteral("Never"));
    QVERIFY(never.isAbsent());
    QVERIFY(never.is(QString()));
    QVERIFY(never.is(0));
    QVERIFY(!never.is(1));
    QCOMPARE(app.read(Sections::Config, QStringLiteral("Never"), 0).text(), QStringLiteral("0"));
    QCOMPARE(app.read(Sections::Config, QStringLiteral("Never"), "None").text(), QStringLiteral("None"));
    QCOMPARE(app.read(Sections::Config, QStringLiteral("Never"), false).text(), QStringLiteral("False"));

    app.write(Sections::Config, QStringLiteral("Empty"), QString());
    const Setting empty = app.read(Sections::Config, QStringLiteral("Empty"), 5);
    QVERIFY(!empty.isAbsent());
    QCOMPARE(empty.text(), QString());
}

void tst_SettingsStore::namesIgnoreCase_data() {
    QTest::addColumn<QString>("writeSection");
    QTest::addColumn<QString>("writeKey");
    QTest::addColumn<QString>("readSection");
    QTest::addColumn<QString>("readKey");
    QTest::newRow("section") << "Config"
                             << "LogEnable"
                             << "config"
                             << "LogEnable";
    QTest::newRow("key") << "Config"
                         << "LogEnable"
                         << "Config"
                         << "logenable";
    QTest::newRow("both upper") << "users\\7"
                                << "name"
                                << "USERS\\7"
                                << "NAME";
    QTest::newRow("non-ascii") << QStringLiteral("Ärger") << QStringLiteral("Zoë") << QStringLiteral("ÄRGER")
                               << QStringLiteral("ZOË");
}

void tst_SettingsStore::namesIgnoreCase() {
    QFETCH(QString, writeSection);
    QFETCH(QString, writeKey);
    QFETCH(QString, readSection);
    QFETCH(QString, readKey);
    TestPlatform tp;
    tp.app->write(writeSection, writeKey, QStringLiteral("v"));
    QCOMPARE(tp.app->read(readSection, readKey).text(), QStringLiteral("v"));
}

void tst_SettingsStore::writtenForms() {
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::Config, QStringLiteral("N"), 15);
    app.write(Sections::Config, QStringLiteral("T"), true);
    app.write(Sections::Config, QStringLiteral("F"), false);
    app.write(Sections::Config, QStringLiteral("Neg"), -1);
    app.write(Sections::Config, QStringLiteral("C"), "1");
    QCOMPARE(app.read(Sections::Config, QStringLiteral("N")).text(), QStringLiteral("15"));
    QCOMPARE(app.read(Sections::Config, QStringLiteral("T")).text(), QStringLiteral("True"));
    QCOMPARE(app.read(Sections::Config, QStringLiteral("F")).text(), QStringLiteral("False"));
    QCOMPARE(app.read(Sections::Config, QStringLiteral("Neg")).text(), QStringLiteral("-1"));
    QCOMPARE(app.read(Sections::Config, QStringLiteral("C")).text(), QStringLiteral("1"));
}

void tst_SettingsStore::firstWriteCreatesParents() {
    TestPlatform tp;
    SqliteRegistry& reg = *tp.registry;
    QVERIFY(!reg.keyExists(RegRoot::LocalMachine, QStringLiteral("Software\\TimeWard\\Users")));
    tp.app->write(Sections::User(7), QStringLiteral("Name"), QStringLiteral("Ann"));
    QVERIFY(reg.keyExists(RegRoot::LocalMachine, QStringLiteral("Software")));
    QVERIFY(reg.keyExists(RegRoot::LocalMachine, QStringLiteral("Software\\TimeWard\\Users")));
    QVERIFY(reg.keyExists(RegRoot::LocalMachine, QStringLiteral("software\\timeward\\users\\7")));
    QCOMPARE(reg.subKeys(RegRoot::LocalMachine, QStringLiteral("Software\\TimeWard\\Users")),
             QStringList{QStringLiteral("7")});
    // Another root is another tree.
    QVERIFY(!reg.keyExists(RegRoot::CurrentUser, QStringLiteral("Software\\TimeWard")));
}

void tst_SettingsStore::deleteKeyTakesEverythingBelow() {
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::Config, QStringLiteral("LogEnable"), 1);
    app.write(Sections::User(1), QStringLiteral("Name"), QStringLiteral("Ann"));
    app.write(Sections::User(12), QStringLiteral("Name"), QStringLiteral("Bob"));
    // A sibling whose name starts the same must survive.
    tp.registry->setValue(RegRoot::LocalMachine, QStringLiteral("Software\\TimeWardX"),
                          RegValue{QStringLiteral("Keep"), REG_SZ, QStringLiteral("yes")});
    app.store.DeleteRegistryKey(QStringLiteral("Software\\TimeWard\\Users\\1"));
    QVERIFY(app.read(Sections::User(1), QStringLiteral("Name")).isAbsent());
    QCOMPARE(app.read(Sections::User(12), QStringLiteral("Name")).text(), QStringLiteral("Bob"));

    app.store.DeleteRegistryKey(QStringLiteral("SOFTWARE\\timeward"));
    QVERIFY(app.read(Sections::User(12), QStringLiteral("Name")).isAbsent());
    QCOMPARE(app.read(Sections::Config, QStringLiteral("LogEnable"), 0).text(), QStringLiteral("0"));
    QVERIFY(!tp.registry->keyExists(RegRoot::LocalMachine, QStringLiteral("Software\\TimeWard\\Users")));
    QVERIFY(
        tp.registry->queryValue(RegRoot::LocalMachine, QStringLiteral("Software\\TimeWardX"), QStringLiteral("Keep")));
}

void tst_SettingsStore::otherValueTypes_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QVariant>("data");
    QTest::addColumn<bool>("absent");
    QTest::addColumn<QString>("text");
    QTest::newRow("dword") << int(REG_DWORD) << QVariant(quint32(42)) << false << "42";
    QTest::newRow("dword max") << int(REG_DWORD) << QVariant(quint32(0xFFFFFFFF)) << false << "4294967295";
    QTest::newRow("expand") << int(REG_EXPAND_SZ) << QVariant(QStringLiteral("%TEMP%")) << true << "";
    QTest::newRow("binary") << int(REG_BINARY) << QVariant(QByteArray("\x01\x02", 2)) << true << "";
}

void tst_SettingsStore::otherValueTypes() {
    QFETCH(int, type);
    QFETCH(QVariant, data);
    QFETCH(bool, absent);
    QFETCH(QString, text);
    TestPlatform tp;
    tp.registry->setValue(RegRoot::LocalMachine, QStringLiteral("Software\\TimeWard\\Config"),
                          RegValue{QStringLiteral("Other"), type, data});
    const Setting s = tp.app->read(Sections::Config, QStringLiteral("Other"));
    QCOMPARE(s.isAbsent(), absent);
    QCOMPARE(s.text(), text);
    // A default replaces a value of another type, as it replaces a missing one.
    if (absent) QCOMPARE(tp.app->read(Sections::Config, QStringLiteral("Other"), 7).text(), QStringLiteral("7"));
}

void tst_SettingsStore::textRoundTrips_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << "Restart Windows";
    QTest::newRow("non-ascii") << QStringLiteral("Zoë – 時間 – 😀");
    QTest::newRow("quotes and backslashes") << QStringLiteral("C:\\a \"b\" 'c'");
    QTest::newRow("line breaks") << QStringLiteral("one\r\ntwo\n");
    QTest::newRow("very long") << QString(200000, QLatin1Char('x'));
    QTest::newRow("embedded NUL") << QStringLiteral("a") + QChar(0) + QStringLiteral("b");
}

void tst_SettingsStore::textRoundTrips() {
    QFETCH(QString, text);
    TestPlatform tp;
    tp.app->write(Sections::User(1), QStringLiteral("Notes"), text);
    // Read back through a second connection, as another copy of the program would.
    SqliteRegistry other(tp.dataFile(QStringLiteral("registry.db")));
    SettingsStore store(other);
    QCOMPARE(store.ReadSetting(kAppName, Sections::User(1), QStringLiteral("Notes")).text(), text);
}

void tst_SettingsStore::lastSettingFollowsEveryRead() {
    TestPlatform tp;
    tp.app->write(Sections::Config, QStringLiteral("A"), 1);
    tp.app->read(Sections::Config, QStringLiteral("A"));
    QCOMPARE(tp.app->store.LastSettingKey, QStringLiteral("A"));
    tp.app->read(Sections::User(3), QStringLiteral("Missing"), 0);
    QCOMPARE(tp.app->store.LastSettingSection, QStringLiteral("Users\\3"));
    QCOMPARE(tp.app->store.LastSettingKey, QStringLiteral("Missing"));
}

void tst_SettingsStore::rawOperations() {
    TestPlatform tp;
    SettingsStore& s = tp.app->store;
    const QString run = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    s.CreateRegistryKey(RegRoot::LocalMachine, run);
    QVERIFY(tp.registry->keyExists(RegRoot::LocalMachine, run));
    s.SetRegistryValue(RegRoot::LocalMachine, run, QStringLiteral("TimeWard"), QStringLiteral("/x/timeward"), 1);
    s.SetRegistryValue(RegRoot::LocalMachine, run, QStringLiteral("Num"), QStringLiteral("-5"), 4);
    s.SetRegistryValue(RegRoot::LocalMachine, run, QStringLiteral("Bad"), QStringLiteral("abc"), 4);
    s.SetRegistryValue(RegRoot::LocalMachine, run, QStringLiteral("Other"), QStringLiteral("x"), 3);
    QCOMPARE(tp.registry->queryValue(RegRoot::LocalMachine, run, QStringLiteral("timeward"))->data.toString(),
             QStringLiteral("/x/timeward"));
    const auto num = tp.registry->queryValue(RegRoot::LocalMachine, run, QStringLiteral("Num"));
    QCOMPARE(num->type, int(REG_DWORD));
    QCOMPARE(qint32(num->data.toUInt()), -5);
    QVERIFY(!tp.registry->queryValue(RegRoot::LocalMachine, run, QStringLiteral("Bad")));
    QVERIFY(!tp.registry->queryValue(RegRoot::LocalMachine, run, QStringLiteral("Other")));

    s.DeleteRegistryValue(RegRoot::LocalMachine, run, QStringLiteral("TIMEWARD"));
    QVERIFY(!tp.registry->queryValue(RegRoot::LocalMachine, run, QStringLiteral("TimeWard")));
    s.DeleteRegistryValue(RegRoot::LocalMachine, run, QStringLiteral("NeverThere")); // no error
    s.DeleteRegistryValue(RegRoot::LocalMachine, QStringLiteral("No\\Such\\Key"), QStringLiteral("x"));
    QVERIFY(!tp.registry->keyExists(RegRoot::LocalMachine, QStringLiteral("No\\Such\\Key")));
}

void tst_SettingsStore::sdaGetRegEntry_data() {
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("type");
    const QString nul(QChar(0));
    QTest::newRow("text") << "HKEY_CURRENT_USER"
                          << "ScreenSaveActive" << QStringLiteral("1") + nul << int(REG_SZ);
    QTest::newRow("root in lower case") << "hkey_current_user"
                                        << "ScreenSaveActive" << QStringLiteral("1") + nul << int(REG_SZ);
    QTest::newRow("short root") << "HKCU"
                                << "ScreenSaveActive" << QString() << -99;
    QTest::newRow("unknown root") << "HKEY_NOWHERE"
                                  << "ScreenSaveActive" << QString() << -99;
    QTest::newRow("dword") << "HKEY_CURRENT_USER"
                           << "ScreenSaveTimeOut" << QStringLiteral("600") + nul << int(REG_DWORD);
    QTest::newRow("missing value") << "HKEY_CURRENT_USER"
                                   << "Nothing" << QString() << -99;
}

void tst_SettingsStore::sdaGetRegEntry() {
    QFETCH(QString, root);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QFETCH(int, type);
    TestPlatform tp;
    const QString desk = QStringLiteral("Control Panel\\Desktop");
    tp.registry->setValue(RegRoot::CurrentUser, desk,
                          RegValue{QStringLiteral("ScreenSaveActive"), REG_SZ, QStringLiteral("1")});
    tp.registry->setValue(RegRoot::CurrentUser, desk,
                          RegValue{QStringLiteral("ScreenSaveTimeOut"), REG_DWORD, quint32(600)});
    int got = -99;
    QCOMPARE(tp.app->store.sdaGetRegEntry(root, desk, name, got), expected);
    QCOMPARE(got, type);
    // The part before the terminator is what callers use.
    QCOMPARE(expected.section(QChar(0), 0, 0).isEmpty(), expected.isEmpty());
}

void tst_SettingsStore::takeReadsAndClearsAtOnce() {
    TestPlatform tp;
    tp.app->write(Sections::Communication, QStringLiteral("EndNow"), true);
    const QString f = BoolText(false);
    QVERIFY(tp.app->store.TakeSetting(kAppName, Sections::Communication, QStringLiteral("EndNow"), f).isTrue());
    // The command reads "False" afterwards, as every copy writes it.
    QCOMPARE(tp.app->read(Sections::Communication, QStringLiteral("EndNow")).text(), f);
    QVERIFY(tp.app->store.TakeSetting(kAppName, Sections::Communication, QStringLiteral("EndNow"), f).isFalse());
    QVERIFY(tp.app->store.TakeSetting(kAppName, Sections::Communication, QStringLiteral("Logout"), f).isAbsent());
    QVERIFY(tp.app->read(Sections::Communication, QStringLiteral("Logout")).isAbsent());
}

void tst_SettingsStore::unchangedWriteLeavesFileAlone() {
    TestPlatform tp;
    tp.app->write(Sections::Config, QStringLiteral("Same"), QStringLiteral("value"));
    const QString wal = tp.dataFile(QStringLiteral("registry.db-wal"));
    const qint64 before = QFileInfo(wal).size();
    for (int i = 0; i < 50; ++i)
        tp.app->write(Sections::Config, QStringLiteral("SAME"), QStringLiteral("value"));
    QCOMPARE(QFileInfo(wal).size(), before);
    tp.app->write(Sections::Config, QStringLiteral("Same"), QStringLiteral("Value")); // case is data
    QVERIFY(QFileInfo(wal).size() > before);
}

void tst_SettingsStore::batchIsAllOrNothingForOthers() {
    TestPlatform tp;
    SqliteRegistry other(tp.dataFile(QStringLiteral("registry.db")));
    SettingsStore otherStore(other);
    {
        SettingsStore::Batch batch(tp.app->store);
        tp.app->write(Sections::User(1), QStringLiteral("FreeSec"), QStringLiteral("59"));
        tp.app->write(Sections::User(1), QStringLiteral("FreeMin"), QStringLiteral("04"));
        QVERIFY(otherStore.ReadSetting(kAppName, Sections::User(1), QStringLiteral("FreeSec")).isAbsent());
    }
    QCOMPARE(otherStore.ReadSetting(kAppName, Sections::User(1), QStringLiteral("FreeSec")).text(),
             QStringLiteral("59"));
    QCOMPARE(otherStore.ReadSetting(kAppName, Sections::User(1), QStringLiteral("FreeMin")).text(),
             QStringLiteral("04"));
}

// Reads are served from memory; whatever changed the file since, the next read gives what the
// file holds. "Held" was read before the change, "Unread" was read as absent.
void tst_SettingsStore::everyReadSeesTheFile_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected"); // null: absent
    QTest::newRow("another connection writes") << "other write"
                                               << "Held"
                                               << "theirs";
    QTest::newRow("another connection writes a value read as absent") << "other write"
                                                                      << "Unread"
                                                                      << "theirs";
    QTest::newRow("another connection writes the same text") << "other same"
                                                             << "Held"
                                                             << "old";
    QTest::newRow("another connection deletes the value") << "other delete value"
                                                          << "Held" << QString();
    QTest::newRow("another connection deletes the key") << "other delete key"
                                                        << "Held" << QString();
    QTest::newRow("another connection writes in a batch") << "other batch"
                                                          << "Held"
                                                          << "theirs";
    QTest::newRow("another connection's batch rolls back") << "other failed batch"
                                                           << "Held"
                                                           << "old";
    QTest::newRow("another process writes") << "process"
                                            << "Held"
                                            << "0";
    QTest::newRow("another process writes a value read as absent") << "process"
                                                                   << "Unread"
                                                                   << "1";
    QTest::newRow("own write") << "own write"
                               << "Held"
                               << "mine";
    QTest::newRow("own write of a value read as absent") << "own write"
                                                         << "Unread"
                                                         << "mine";
    QTest::newRow("own delete") << "own delete value"
                                << "Held" << QString();
    QTest::newRow("own key delete") << "own delete key"
                                    << "Held" << QString();
    QTest::newRow("own write in a batch that rolls back") << "own failed batch"
                                                          << "Held"
                                                          << "old";
    QTest::newRow("own write in a batch that rolls back, value read as absent") << "own failed batch"
                                                                                << "Unread" << QString();
    QTest::newRow("own write, then another connection's") << "own then other"
                                                          << "Held"
                                                          << "theirs";
    QTest::newRow("another connection's write, then own batch of another value") << "other then own batch"
                                                                                 << "Held"
                                                                                 << "theirs";
}

void tst_SettingsStore::everyReadSeesTheFile() {
    QFETCH(QString, change);
    QFETCH(QString, key);
    TestPlatform tp;
    const QString file = tp.dataFile(QStringLiteral("registry.db"));
    const QString section = QStringLiteral("Load");
    const QString path = SettingsStore::SectionPath(kAppName, section);
    // The writer process names its values W_0, W_1 ...
    const QString held = QStringLiteral("W_0"), unread = QStringLiteral("W_1");
    const QString name = key == QLatin1String("Held") ? held : unread;
    SettingsStore& store = tp.app->store;
    store.WriteSetting(kAppName, section, held, QStringLiteral("old"));
    QCOMPARE(store.ReadSetting(kAppName, section, held).text(), QStringLiteral("old"));
    QVERIFY(store.ReadSetting(kAppName, section, unread).isAbsent());

    SqliteRegistry other(file);
    auto otherWrite = [&](const QString& text) {
        QVERIFY(other.setValue(RegRoot::LocalMachine, path, RegValue{name, REG_SZ, text}));
    };
    if (change == QLatin1String("other write")) {
        otherWrite(QStringLiteral("theirs"));
    } else if (change == QLatin1String("other same")) {
        otherWrite(QStringLiteral("old"));
    } else if (change == QLatin1String("other delete value")) {
        QVERIFY(other.deleteValue(RegRoot::LocalMachine, path, name));
    } else if (change == QLatin1String("other delete key")) {
        QVERIFY(other.deleteKey(RegRoot::LocalMachine, path));
    } else if (change == QLatin1String("other batch")) {
        other.beginBatch();
        otherWrite(QStringLiteral("theirs"));
        QVERIFY(
            other.setValue(RegRoot::LocalMachine, path, RegValue{QStringLiteral("Else"), REG_SZ, QStringLiteral("x")}));
        // Not yet committed: the reader still has the old value.
        QCOMPARE(store.ReadSetting(kAppName, section, name).text(), QStringLiteral("old"));
        other.endBatch();
    } else if (change == QLatin1String("other failed batch")) {
        other.beginBatch();
        otherWrite(QStringLiteral("theirs"));
        other.failBatch();
        other.endBatch();
    } else if (change == QLatin1String("process")) {
        QProcess writer;
        writer.start(ProgramRunner::storeWriter(),
                     {file, QStringLiteral("writes"), QStringLiteral("W"), QStringLiteral("2")});
        QVERIFY2(writer.waitForFinished(30000), qPrintable(ProgramRunner::storeWriter()));
        QCOMPARE(writer.exitCode(), 0);
    } else if (change == QLatin1String("own write")) {
        store.WriteSetting(kAppName, section, name, QStringLiteral("mine"));
    } else if (change == QLatin1String("own delete value")) {
        store.DeleteRegistryValue(RegRoot::LocalMachine, path, name);
    } else if (change == QLatin1String("own delete key")) {
        store.DeleteRegistryKey(path);
    } else if (change == QLatin1String("own failed batch")) {
        SettingsStore::Batch batch(store);
        store.WriteSetting(kAppName, section, name, QStringLiteral("mine"));
        QCOMPARE(store.ReadSetting(kAppName, section, name).text(), QStringLiteral("mine"));
        store.registry().failBatch();
    } else if (change == QLatin1String("own then other")) {
        store.WriteSetting(kAppName, section, name, QStringLiteral("mine"));
        QCOMPARE(store.ReadSetting(kAppName, section, name).text(), QStringLiteral("mine"));
        otherWrite(QStringLiteral("theirs"));
    } else if (change == QLatin1String("other then own batch")) {
        otherWrite(QStringLiteral("theirs"));
        SettingsStore::Batch batch(store);
        store.WriteSetting(kAppName, section, QStringLiteral("Else"), QStringLiteral("mine"));
    } else {
        QFAIL("unknown change");
    }

    QFETCH(QString, expected);
    const Setting read = store.ReadSetting(kAppName, section, name);
    QCOMPARE(read.isAbsent(), expected.isNull());
    if (!expected.isNull()) QCOMPARE(read.text(), expected);
    // A fresh connection reads the same from the file.
    SqliteRegistry fresh(file);
    SettingsStore freshStore(fresh);
    QCOMPARE(freshStore.ReadSetting(kAppName, section, name), read);
}

void tst_SettingsStore::lockedStoreFailsFastAndReports() {
    // Another process holds the write lock: the session clock's short wait gives up within a
    // moment, every failed write is counted and said, and the same write goes through once
    // the lock is gone.
    TestPlatform tp;
    SqliteRegistry& reg = *tp.registry;
    tp.app->write(Sections::User(1), QStringLiteral("FreeSec"), QStringLiteral("10"));
    auto holder = std::make_unique<SqliteRegistry>(tp.dataFile(QStringLiteral("registry.db")));
    holder->beginBatch();
    const quint64 before = reg.writeFailures();
    QElapsedTimer t;
    t.start();
    {
        SqliteRegistry::ShortWait wait(reg);
        SettingsStore::Batch batch(tp.app->store);
        tp.app->write(Sections::User(1), QStringLiteral("FreeSec"), QStringLiteral("09"));
        tp.app->write(Sections::User(1), QStringLiteral("FreeMin"), QStringLiteral("00"));
        QVERIFY(!batch.commit());
    }
    QVERIFY2(t.elapsed() < 1500, qPrintable(QString::number(t.elapsed())));
    QVERIFY(reg.writeFailures() > before);
    QVERIFY2(reg.lastError().contains(QStringLiteral("locked")), qPrintable(reg.lastError()));
    QVERIFY(!reg.lastErrorWasDiskFull());
    QCOMPARE(tp.app->read(Sections::User(1), QStringLiteral("FreeSec")).text(), QStringLiteral("10"));

    holder->endBatch();
    holder.reset();
    SqliteRegistry::ShortWait wait(reg);
    SettingsStore::Batch batch(tp.app->store);
    tp.app->write(Sections::User(1), QStringLiteral("FreeSec"), QStringLiteral("09"));
    QVERIFY(batch.commit());
    QCOMPARE(tp.app->read(Sections::User(1), QStringLiteral("FreeSec")).text(), QStringLiteral("09"));
}

void tst_SettingsStore::ownerOnlyFileModes() {
    // Whatever the umask, the folder is 0700 and the store's files 0600; a folder made wider
    // before is tightened, down to the files below it.
    QTemporaryDir top;
    const mode_t saved = ::umask(0);
    Paths paths;
    paths.dataFolder = top.filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(paths.dataFolder + QStringLiteral("/reports")));
    QFile old(paths.dataFile(QStringLiteral("reports/old.pdf")));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.close();
    ::chmod(QFile::encodeName(paths.dataFolder).constData(), 0777);
    ::chmod(QFile::encodeName(old.fileName()).constData(), 0666);
    UseOwnerOnlyFileModes();
    QString why;
    QVERIFY2(EnsureDataFolder(paths, &why), qPrintable(why));
    {
        SqliteRegistry reg(paths.dataFile(QStringLiteral("registry.db")));
        SettingsStore store(reg);
        store.WriteSetting(kAppName, Sections::Config, QStringLiteral("LogUse"), QStringLiteral("Both"));
        QFile log(paths.dataFile(QStringLiteral("timeward.log")));
        QVERIFY(log.open(QIODevice::WriteOnly));
        log.close();
        auto mode = [](const QString& f) {
            struct stat st {};
            return ::stat(QFile::encodeName(f).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
        };
        QCOMPARE(mode(paths.dataFolder), 0700);
        QCOMPARE(mode(paths.dataFile(QStringLiteral("reports"))), 0700);
        QCOMPARE(mode(old.fileName()), 0600);
        for (const char* f : {"registry.db", "registry.db-wal", "registry.db-shm", "timeward.log"})
            QCOMPARE(mode(paths.dataFile(QLatin1String(f))), 0600);
    }
    ::umask(saved);
}

TW_TEST(tst_SettingsStore)
#include "tst_SettingsStore.moc"
