#include "TestPlatform.h"
#include "TestRegistry.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

// Where an activity-log entry goes and how it is stamped; the start-up trace's lines.
class tst_ActivityLog : public QObject {
    Q_OBJECT
private slots:
    void routing_data();
    void routing();
    void unusableFileIsARuntimeError();
    void logFileModes_data();
    void logFileModes();
    void workLogLines();
    void lastingLogRotates();
    void lastingLogTailReachesOlderFiles();
};

void tst_ActivityLog::routing_data() {
    QTest::addColumn<QString>("logEnable");
    QTest::addColumn<QString>("timeStamp");
    QTest::addColumn<QString>("use"); // "-" = absent
    QTest::addColumn<QString>("toFile");
    QTest::addColumn<QString>("toScreen");
    QTest::addColumn<QString>("fileLine");   // "" = no file written
    QTest::addColumn<QString>("screenLine"); // "" = nothing listed
    // The test clock stands at 3/4/2026 3:10:45 PM.
    QTest::newRow("bare text") << "1"
                               << "0"
                               << "Both"
                               << "1"
                               << "0"
                               << "\"TimeWard Started.\""
                               << "";
    QTest::newRow("stamp without LogUse") << "1"
                                          << "1"
                                          << "-"
                                          << "1"
                                          << "0"
                                          << "\"TimeWard Started.\""
                                          << "";
    QTest::newRow("both stamps") << "1"
                                 << "1"
                                 << "Both"
                                 << "1"
                                 << "0"
                                 << "\"[3/4/2026][3:10:45 PM] TimeWard Started.\""
                                 << "";
    QTest::newRow("time, any case") << "1"
                                    << "1"
                                    << "tIME"
                                    << "0"
                                    << "1"
                                    << ""
                                    << "[3:10:45 PM] TimeWard Started.";
    QTest::newRow("date") << "1"
                          << "1"
                          << "Date"
                          << "0"
                          << "1"
                          << ""
                          << "[3/4/2026] TimeWard Started.";
    QTest::newRow("unknown use") << "1"
                                 << "1"
                                 << "Sometimes"
                                 << "0"
                                 << "1"
                                 << ""
                                 << "TimeWard Started.";
    QTest::newRow("file wins over screen") << "1"
                                           << "0"
                                           << "-"
                                           << "1"
                                           << "1"
                                           << "\"TimeWard Started.\""
                                           << "";
    QTest::newRow("neither destination") << "1"
                                         << "0"
                                         << "-"
                                         << "0"
                                         << "0"
                                         << ""
                                         << "";
    QTest::newRow("logging off") << "0"
                                 << "1"
                                 << "Both"
                                 << "1"
                                 << "1"
                                 << ""
                                 << "";
}

void tst_ActivityLog::routing() {
    QFETCH(QString, logEnable);
    QFETCH(QString, timeStamp);
    QFETCH(QString, use);
    QFETCH(QString, toFile);
    QFETCH(QString, toScreen);
    QFETCH(QString, fileLine);
    QFETCH(QString, screenLine);
    TestPlatform tp;
    App& app = *tp.app;
    QStringList screen;
    QObject::connect(&app.model, &SessionModel::logLine, &app.model, [&](const QString& s) { screen << s; });
    const QString file = tp.dataFile(QStringLiteral("chosen.log"));
    app.write(Sections::Config, ConfigKeys::LogEnable, logEnable);
    app.write(Sections::Config, ConfigKeys::LogTimeStamp, timeStamp);
    if (use != QLatin1String("-")) app.write(Sections::Config, ConfigKeys::LogUse, use);
    app.write(Sections::Config, ConfigKeys::LogTFOn, toFile);
    app.write(Sections::Config, ConfigKeys::LogTFFile, file);
    app.write(Sections::Config, ConfigKeys::LogTS, toScreen);

    QString text = QStringLiteral("TimeWard Started.");
    WriteActivityLog(app, text);
    QCOMPARE(tp.fileLines(file), fileLine.isEmpty() ? QStringList() : QStringList{fileLine});
    QCOMPARE(screen, screenLine.isEmpty() ? QStringList() : QStringList{screenLine});
    if (!screenLine.isEmpty()) QCOMPARE(text, screenLine); // the caller's text receives the stamped form
    // Whatever the destination, the data folder keeps the stamped entry while logging is on.
    QCOMPARE(LastingLogTail(app.paths(), 10), logEnable == QLatin1String("1") ? QStringList{text} : QStringList());
}

void tst_ActivityLog::unusableFileIsARuntimeError() {
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::Config, ConfigKeys::LogEnable, 1);
    app.write(Sections::Config, ConfigKeys::LogTFOn, 1);
    for (const QString& file : {QString(), tp.dataFile(QStringLiteral("no/such/folder/log.txt"))}) {
        app.write(Sections::Config, ConfigKeys::LogTFFile, file);
        try {
            WriteActivityLog(app, QStringLiteral("x"));
            QFAIL("no error for an unusable log file");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number, int(RuntimeError::PathFileAccess));
        }
    }
    // A quote inside the text is written unchanged, and lines append.
    const QString file = tp.dataFile(QStringLiteral("a.log"));
    app.write(Sections::Config, ConfigKeys::LogTFFile, file);
    WriteActivityLog(app, QStringLiteral("say \"hi\""));
    WriteActivityLog(app, QStringLiteral("again"));
    QCOMPARE(tp.fileLines(file), (QStringList{QStringLiteral("\"say \"hi\"\""), QStringLiteral("\"again\"")}));
}

void tst_ActivityLog::logFileModes_data() {
    QTest::addColumn<bool>("inDataFolder");
    QTest::addColumn<bool>("existedOwnerOnly");
    QTest::addColumn<int>("mode");
    QTest::newRow("made outside the data folder") << false << false << 0644;
    QTest::newRow("made in the data folder") << true << false << 0600;
    QTest::newRow("an owner-only file outside keeps its mode") << false << true << 0600;
}

void tst_ActivityLog::logFileModes() {
    // The program runs owner-only (umask 077); only the data folder is meant to be.
    QFETCH(bool, inDataFolder);
    QFETCH(bool, existedOwnerOnly);
    QFETCH(int, mode);
    TestPlatform tp;
    App& app = *tp.app;
    QTemporaryDir elsewhere;
    const QString file =
        inDataFolder ? tp.dataFile(QStringLiteral("chosen.log")) : elsewhere.filePath(QStringLiteral("family.log"));
    if (existedOwnerOnly) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    }
    app.write(Sections::Config, ConfigKeys::LogEnable, 1);
    app.write(Sections::Config, ConfigKeys::LogTFOn, 1);
    app.write(Sections::Config, ConfigKeys::LogTFFile, file);
    const mode_t before = ::umask(077);
    const auto restore = qScopeGuard([before] { ::umask(before); });
    WriteActivityLog(app, QStringLiteral("Ann changed the preferences"));
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(file).constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 07777), mode);
}

void tst_ActivityLog::workLogLines() {
    TestPlatform tp;
    QString marker = QStringLiteral("Loaded PWs");
    WriteWorkLog(*tp.app, marker);
    tp.clock.advance(3600 * 10);
    WriteWorkLog(*tp.app, QStringLiteral("Version Checked"));
    QCOMPARE(marker, QStringLiteral("[3/4/2026][3:10:45 PM] Loaded PWs"));
    QCOMPARE(tp.fileLines(tp.dataFile(kWorkLogName)),
             (QStringList{QStringLiteral("[3/4/2026][3:10:45 PM] Loaded PWs"),
                          QStringLiteral("[3/5/2026][1:10:45 AM] Version Checked")}));
}

void tst_ActivityLog::lastingLogRotates() {
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::Config, ConfigKeys::LogEnable, 1);
    // Entries of 100 kB: ten fill a file, the eleventh starts a new one.
    const QString filler(100 * 1024 - 20, QLatin1Char('x'));
    for (int i = 1; i <= 70; ++i)
        WriteActivityLog(app, QStringLiteral("entry %1 ").arg(i, 2, 10, QLatin1Char('0')) + filler);
    const QString log = tp.dataFile(kLastingLogName);
    for (int i = 0; i < kLastingLogFiles; ++i) {
        const QFileInfo f(i == 0 ? log : log + QLatin1Char('.') + QString::number(i));
        QVERIFY2(f.exists(), qPrintable(f.fileName()));
        QVERIFY(f.size() <= kLastingLogBytes);
        QCOMPARE(int(f.permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup)), 0);
    }
    QVERIFY(!QFileInfo::exists(log + QStringLiteral(".5")));
    // Entries 61-70 are in the current file, 51-60 in .1, ..., 21-30 in .4; 1-20 are gone.
    const auto lines = [](const QString& file) {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    };
    QCOMPARE(lines(log).size(), 10);
    QVERIFY(lines(log).first().startsWith(QStringLiteral("entry 61 ")));
    QVERIFY(lines(log + QStringLiteral(".4")).first().startsWith(QStringLiteral("entry 21 ")));
    QVERIFY(LastingLogTail(app.paths(), 1000).first().startsWith(QStringLiteral("entry 21 ")));
}

void tst_ActivityLog::lastingLogTailReachesOlderFiles() {
    TestPlatform tp;
    App& app = *tp.app;
    QCOMPARE(LastingLogTail(app.paths(), kLogListReload), QStringList());
    app.write(Sections::Config, ConfigKeys::LogEnable, 1);
    const QString filler(20 * 1024, QLatin1Char('y'));
    // 60 entries of 20 kB: the current file holds the last few, the older ones the rest.
    for (int i = 1; i <= 60; ++i)
        WriteActivityLog(app, QString::number(i) + QLatin1Char(' ') + filler);
    QVERIFY(QFileInfo::exists(tp.dataFile(kLastingLogName) + QStringLiteral(".1")));
    const QStringList tail = LastingLogTail(app.paths(), 55);
    QCOMPARE(tail.size(), 55);
    QVERIFY(tail.first().startsWith(QStringLiteral("6 ")));
    QVERIFY(tail.last().startsWith(QStringLiteral("60 ")));
    QCOMPARE(LastingLogTail(app.paths(), 500).size(), 60);
}

TW_TEST(tst_ActivityLog)
#include "tst_ActivityLog.moc"
