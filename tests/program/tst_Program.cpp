#include "ProgramRunner.h"
#include "TestRegistry.h"
#include "platform/FileInstanceLock.h"
#include "platform/Paths.h"
#include "platform/SqliteRegistry.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "storage/SettingsStore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

// The real timeward and twreg binaries on a data folder of the test's own: the first start,
// the exit state across killed runs, the messenger copies, a damaged store, and the store
// under several writing processes and under a writer killed mid-write.
class tst_Program : public QObject {
    Q_OBJECT
private slots:
    void init();
    void firstStartAndExitStateAcrossKilledRuns();
    void messengerSwitches_data();
    void messengerSwitches();
    void secondCopyPostsMainScreen();
    void heldLockFileFailsTheStart();
    void damagedStoreIsRefusedUntouched_data();
    void damagedStoreIsRefusedUntouched();
    void unusableDataFolder();
    void noDisplayTouchesNothing();
    void helpAndVersionTouchNothing_data();
    void helpAndVersionTouchNothing();
    void twregRoundTrip();
    void twregImportRefusesUnreadableLines_data();
    void twregImportRefusesUnreadableLines();
    void messengerFailsOnReadOnlyStore();
    void ownerOnlyFilesUnderAnyUmask();
    void concurrentWritersLoseNothing();
    void killedWriterLeavesWholeStore();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    ProgramRunner m_run;
    QString db() const { return m_run.home + QStringLiteral("/registry.db"); }
    QString readConfig(const QString& section, const QString& key) {
        SqliteRegistry reg(db());
        SettingsStore store(reg);
        const Setting s = store.ReadSetting(kAppName, section, key);
        return s.isAbsent() ? QStringLiteral("<absent>") : s.text();
    }
    // Starts the resident copy and waits until its trace holds marker.
    std::unique_ptr<QProcess> startResident(const QString& marker);
    static void kill9(QProcess& p) {
        ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
        p.waitForFinished(5000);
    }
};

void tst_Program::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_run.home = m_dir->path() + QStringLiteral("/home");
}

std::unique_ptr<QProcess> tst_Program::startResident(const QString& marker) {
    const QString log = m_run.home + QLatin1Char('/') + kWorkLogName;
    QFile::remove(log); // the previous run's trace would answer at once
    auto p = std::make_unique<QProcess>();
    p->setProcessEnvironment(m_run.environment());
    p->start(ProgramRunner::timeward(), {});
    if (!p->waitForStarted(10000)) return nullptr;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 20000) {
        QFile f(log);
        if (f.open(QIODevice::ReadOnly) && QString::fromUtf8(f.readAll()).contains(marker)) return p;
        if (p->state() == QProcess::NotRunning) break;
        QTest::qWait(50);
    }
    qWarning() << "no" << marker << "in the trace;" << p->readAllStandardError();
    kill9(*p);
    return nullptr;
}

void tst_Program::firstStartAndExitStateAcrossKilledRuns() {
    // A new installation stops at the welcome window, after the migration has laid down
    // its defaults (the rest of the first start is driven in the start-up tests).
    auto first = startResident(QStringLiteral("Version Checked"));
    QVERIFY(first);
    QFile trace(m_run.home + QLatin1Char('/') + kWorkLogName);
    QVERIFY(trace.open(QIODevice::ReadOnly));
    QStringList markers;
    for (const QString& line : QString::fromUtf8(trace.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        markers << line.section(QStringLiteral("] "), 1);
    QCOMPARE(markers, (QStringList{QStringLiteral("Loaded PWs"), QStringLiteral("Version Checked")}));
    for (const auto& k : ConfigKeys::Catalogue)
        if (k.installDefault && QLatin1String(k.installedBy).startsWith(QLatin1String("migration")))
            QCOMPARE(readConfig(Sections::Config, k.key), QString::fromUtf8(k.installDefault));
    QCOMPARE(readConfig(Sections::Config, ConfigKeys::ShutdownOK), QStringLiteral("0"));
    QCOMPARE(readConfig(Sections::Config, ConfigKeys::LoadedBefore), QStringLiteral("<absent>"));
    QVERIFY(first->state() == QProcess::Running); // waiting in the welcome window
    kill9(*first);

    // The first killed run is noticed silently; the state stays 2 from the second on.
    auto second = startResident(QStringLiteral("Version Checked"));
    QVERIFY(second);
    QCOMPARE(readConfig(Sections::Config, ConfigKeys::ShutdownOK), QStringLiteral("2"));
    kill9(*second);

    QProcess third;
    third.setProcessEnvironment(m_run.environment());
    third.start(ProgramRunner::timeward(), {});
    QVERIFY(third.waitForStarted(10000));
    QTest::qWait(1500);
    QCOMPARE(readConfig(Sections::Config, ConfigKeys::ShutdownOK), QStringLiteral("2"));
    QVERIFY(third.state() == QProcess::Running);
    kill9(third);
}

void tst_Program::messengerSwitches_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("key");
    QTest::newRow("/q") << QStringList{QStringLiteral("/q")} << MailboxKeys::EndNow;
    QTest::newRow("/Q") << QStringList{QStringLiteral("/Q")} << MailboxKeys::EndNow;
    QTest::newRow("/l") << QStringList{QStringLiteral("/l")} << MailboxKeys::Logout;
}

void tst_Program::messengerSwitches() {
    QFETCH(QStringList, args);
    QFETCH(QString, key);
    // No copy runs and there is no display: the messenger needs neither.
    QProcessEnvironment env = m_run.environment();
    const auto r = m_run.run(ProgramRunner::timeward(), args);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(readConfig(Sections::Communication, key), QStringLiteral("True"));
    QCOMPARE(readConfig(Sections::Config, ConfigKeys::ShutdownOK), QStringLiteral("<absent>"));
    const auto q = m_run.run(ProgramRunner::twreg(),
                             {QStringLiteral("query"), QStringLiteral("HKLM\\Software\\TimeWard\\Communication"),
                              QStringLiteral("/v"), key});
    QCOMPARE(q.exitCode, 0);
    QVERIFY2(q.out.contains(QStringLiteral("    %1    REG_SZ    True\n").arg(key)), qPrintable(q.out));
}

void tst_Program::secondCopyPostsMainScreen() {
    auto resident = startResident(QStringLiteral("Version Checked"));
    QVERIFY(resident);
    const auto second = m_run.run(ProgramRunner::timeward(), {});
    QCOMPARE(second.exitCode, 0);
    // Posted, then read by the resident copy within its mailbox second and, with nobody logged
    // in, only cleared.
    QTRY_COMPARE_WITH_TIMEOUT(readConfig(Sections::Communication, MailboxKeys::MainScreen), QStringLiteral("False"),
                              3000);
    QCOMPARE(resident->state(), QProcess::Running);
    kill9(*resident);
    // A dead copy's lock is stale: the next start is resident again, not a messenger.
    auto again = startResident(QStringLiteral("Version Checked"));
    QVERIFY(again);
    kill9(*again);
}

void tst_Program::heldLockFileFailsTheStart() {
    // Another process holds the lock file and answers nothing: the start does not take it for a
    // running copy (ending with status 0, as if all were well) but fails within the wait, with
    // one line on standard error, so that the service manager starts it again.
    QVERIFY(QDir().mkpath(m_run.home));
    FileInstanceLock holder(m_run.home + QLatin1Char('/') + kLockFileName, QString());
    QVERIFY(holder.tryAcquire());
    QElapsedTimer t;
    t.start();
    const auto r = m_run.run(ProgramRunner::timeward(), {});
    QVERIFY2(t.elapsed() < 6000, qPrintable(QString::number(t.elapsed())));
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err.count(QStringLiteral("timeward: ")), 1);
    QVERIFY2(r.err.contains(QStringLiteral("does not answer on the exit link")), qPrintable(r.err));
    QCOMPARE(readConfig(Sections::Communication, MailboxKeys::MainScreen), QStringLiteral("<absent>"));
}

void tst_Program::damagedStoreIsRefusedUntouched_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("program");
    const QByteArray text("this is not a database\n", 23);
    QByteArray corrupt("SQLite format 3", 16);
    corrupt += QByteArray(4080, '\xff');
    QTest::newRow("text, timeward") << text << "timeward";
    QTest::newRow("text, twreg") << text << "twreg";
    QTest::newRow("broken header, timeward") << corrupt << "timeward";
    QTest::newRow("broken header, twreg") << corrupt << "twreg";
}

void tst_Program::damagedStoreIsRefusedUntouched() {
    QFETCH(QByteArray, content);
    QFETCH(QString, program);
    QDir().mkpath(m_run.home);
    QFile f(db());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    const bool tw = program == QLatin1String("timeward");
    const auto r = tw ? m_run.run(ProgramRunner::timeward(), {})
                      : m_run.run(ProgramRunner::twreg(), {QStringLiteral("query"), QStringLiteral("HKLM\\Software")});
    QCOMPARE(r.exitCode, 1);
    const QStringList lines = r.err.trimmed().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().contains(db()) && lines.first().contains(QStringLiteral("damaged")), qPrintable(r.err));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), content);
    QVERIFY(!QFile::exists(db() + QStringLiteral("-wal")));
}

void tst_Program::unusableDataFolder() {
    // A data folder below a plain file cannot be made, not even by root.
    QFile blocker(m_dir->path() + QStringLiteral("/file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    m_run.home = blocker.fileName() + QStringLiteral("/home");
    for (const QString& program : {ProgramRunner::timeward(), ProgramRunner::twreg()}) {
        const auto r = m_run.run(program, program.endsWith(QLatin1String("twreg"))
                                              ? QStringList{QStringLiteral("query"), QStringLiteral("HKLM")}
                                              : QStringList{});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(m_run.home), qPrintable(r.err));
    }
}

void tst_Program::noDisplayTouchesNothing() {
    // Only the messengers work without a display; the resident copy says so first.
    QProcess p;
    QProcessEnvironment env = m_run.environment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(ProgramRunner::timeward(), {});
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitCode(), 1);
    QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("no display")));
    QVERIFY(!QFileInfo::exists(m_run.home));

    p.start(ProgramRunner::timeward(), {QStringLiteral("/q")});
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(QFileInfo::exists(m_run.home + QStringLiteral("/registry.db")));
}

void tst_Program::helpAndVersionTouchNothing_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("said"); // each on standard output
    const QStringList usage = {"Usage: timeward", "/q",       "/l",           "--version",
                               "TIMEWARD_HOME",   "LANGUAGE", "Data folder: "};
    const QStringList twregUsage = {"usage: twreg query", "twreg import FILE", "TIMEWARD_HOME"};
    QTest::newRow("--help") << ProgramRunner::timeward() << "--help"
                            << "en" << usage;
    QTest::newRow("-h") << ProgramRunner::timeward() << "-h"
                        << "en" << usage;
    QTest::newRow("/?") << ProgramRunner::timeward() << "/?"
                        << "en" << usage;
    QTest::newRow("--HELP") << ProgramRunner::timeward() << "--HELP"
                            << "en" << usage;
    QTest::newRow("--version") << ProgramRunner::timeward() << "--version"
                               << "en" << QStringList{"TimeWard " TIMEWARD_VERSION};
    QTest::newRow("--help in German") << ProgramRunner::timeward() << "--help"
                                      << "de" << QStringList{"Aufruf: timeward", "TIMEWARD_HOME", "Datenordner: "};
    QTest::newRow("twreg -h") << ProgramRunner::twreg() << "-h"
                              << "en" << twregUsage;
    QTest::newRow("twreg --help") << ProgramRunner::twreg() << "--help"
                                  << "en" << twregUsage;
    QTest::newRow("twreg /?") << ProgramRunner::twreg() << "/?"
                              << "en" << twregUsage;
}

void tst_Program::helpAndVersionTouchNothing() {
    QFETCH(QString, program);
    QFETCH(QString, argument);
    QFETCH(QString, language);
    QFETCH(QStringList, said);
    // No display to open a window on, and the language asked for whatever the machine speaks.
    QProcess p;
    QProcessEnvironment env = m_run.environment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("LANGUAGE"), language);
    p.setProcessEnvironment(env);
    p.start(program, {argument});
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
    const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
    for (const QString& text : said)
        QVERIFY2(out.contains(text), qPrintable(text + QStringLiteral(" missing from:\n") + out));
    if (program == ProgramRunner::timeward() && argument != QLatin1String("--version"))
        QVERIFY2(out.contains(QStringLiteral(": ") + m_run.home + QLatin1Char('\n')), qPrintable(out));
    QCOMPARE(QString::fromLocal8Bit(p.readAllStandardError()), QString());
    QVERIFY(!QFileInfo::exists(m_run.home));
}

void tst_Program::twregRoundTrip() {
    const QString key = QStringLiteral("HKLM\\Software\\TimeWard\\Config");
    auto tw = [&](const QStringList& a) { return m_run.run(ProgramRunner::twreg(), a); };
    QCOMPARE(tw({QStringLiteral("add"), key, QStringLiteral("/v"), QStringLiteral("LogUse"), QStringLiteral("/d"),
                 QStringLiteral("Both")})
                 .exitCode,
             0);
    QCOMPARE(tw({QStringLiteral("add"), QStringLiteral("HKEY_LOCAL_MACHINE\\software\\timeward\\config"),
                 QStringLiteral("/v"), QStringLiteral("Count"), QStringLiteral("/t"), QStringLiteral("REG_DWORD"),
                 QStringLiteral("/d"), QStringLiteral("26")})
                 .exitCode,
             0);
    QCOMPARE(tw({QStringLiteral("add"), key, QStringLiteral("/v"), QStringLiteral("Name"), QStringLiteral("/d"),
                 QStringLiteral("Zoë \"Z\" C:\\x")})
                 .exitCode,
             0);
    const auto q = tw({QStringLiteral("query"), key});
    QCOMPARE(q.exitCode, 0);
    QCOMPARE(q.out, QStringLiteral("\nHKEY_LOCAL_MACHINE\\Software\\TimeWard\\Config\n"
                                   "    Count    REG_DWORD    0x1a\n"
                                   "    LogUse    REG_SZ    Both\n"
                                   "    Name    REG_SZ    Zoë \"Z\" C:\\x\n\n"));
    // The program reads a value another tool wrote.
    QCOMPARE(readConfig(Sections::Config, QStringLiteral("count")), QStringLiteral("26"));

    const QString file = m_dir->path() + QStringLiteral("/export.txt");
    QCOMPARE(tw({QStringLiteral("export"), QStringLiteral("HKLM\\Software\\TimeWard"), file}).exitCode, 0);
    QCOMPARE(tw({QStringLiteral("delete"), QStringLiteral("HKLM\\Software\\TimeWard")}).exitCode, 0);
    const auto gone = tw({QStringLiteral("query"), key});
    QCOMPARE(gone.exitCode, 1);
    QVERIFY(gone.err.contains(QStringLiteral("unable to find")));
    QCOMPARE(tw({QStringLiteral("import"), file}).exitCode, 0);
    QCOMPARE(tw({QStringLiteral("query"), key}).out, q.out);

    const auto missingValue = tw({QStringLiteral("query"), key, QStringLiteral("/v"), QStringLiteral("Nope")});
    QCOMPARE(missingValue.exitCode, 1);
    QCOMPARE(tw({QStringLiteral("delete"), key, QStringLiteral("/v"), QStringLiteral("Nope")}).exitCode, 1);
    QCOMPARE(tw({QStringLiteral("delete"), key, QStringLiteral("/v"), QStringLiteral("name")}).exitCode, 0);
    QCOMPARE(readConfig(Sections::Config, QStringLiteral("Name")), QStringLiteral("<absent>"));
    QCOMPARE(tw({QStringLiteral("query"), QStringLiteral("HKXX\\Software")}).exitCode, 1);
    QCOMPARE(tw({QStringLiteral("add"), key, QStringLiteral("/v"), QStringLiteral("N"), QStringLiteral("/t"),
                 QStringLiteral("REG_DWORD"), QStringLiteral("/d"), QStringLiteral("abc")})
                 .exitCode,
             1);
}

void tst_Program::twregImportRefusesUnreadableLines_data() {
    QTest::addColumn<QString>("line");
    QTest::newRow("hex cut short") << "\"FreeHours\"=hex(zz";
    QTest::newRow("hex digits") << "\"FreeHours\"=hex(3):0g,11";
    QTest::newRow("odd hex") << "\"FreeHours\"=hex(3):1";
    QTest::newRow("dword letters") << "\"FreeHours\"=dword:xyz";
    QTest::newRow("dword too long") << "\"FreeHours\"=dword:123456789";
    QTest::newRow("open string") << "\"FreeHours\"=\"05";
    QTest::newRow("unknown escape") << "\"FreeHours\"=\"0\\q5\"";
    QTest::newRow("bare quote inside") << "\"FreeHours\"=\"0\"5\"";
    QTest::newRow("no value") << "FreeHours";
}

void tst_Program::twregImportRefusesUnreadableLines() {
    // One line that does not parse refuses the whole file, named by its line number, and the
    // store keeps what it had: nothing read wrongly is ever stored.
    QFETCH(QString, line);
    auto tw = [&](const QStringList& a) { return m_run.run(ProgramRunner::twreg(), a); };
    const QString key = QStringLiteral("HKLM\\Software\\TimeWard\\Users\\1");
    QCOMPARE(tw({QStringLiteral("add"), key, QStringLiteral("/v"), QStringLiteral("FreeHours"), QStringLiteral("/d"),
                 QStringLiteral("02")})
                 .exitCode,
             0);
    const QString file = m_dir->path() + QStringLiteral("/bad.txt");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("TimeWard registry export 1\n\n[HKEY_LOCAL_MACHINE\\Software\\TimeWard\\Users\\1]\n"
            "\"FreeMin\"=\"07\"\n");
    f.write(line.toUtf8() + "\n\"FreeSec\"=\"09\"\n");
    f.close();
    const auto r = tw({QStringLiteral("import"), file});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QStringLiteral("line 5 ")), qPrintable(r.err));
    QVERIFY2(r.err.contains(QStringLiteral("nothing was imported")), qPrintable(r.err));
    QVERIFY(!r.out.contains(QStringLiteral("successfully")));
    QCOMPARE(readConfig(Sections::User(1), QStringLiteral("FreeHours")), QStringLiteral("02"));
    QCOMPARE(readConfig(Sections::User(1), QStringLiteral("FreeMin")), QStringLiteral("<absent>"));
}

void tst_Program::messengerFailsOnReadOnlyStore() {
    // The request cannot be written: the messenger ends with a non-zero status and one line.
    if (::geteuid() == 0) QSKIP("root writes a read-only file anyway; the locked-store case is covered in core");
    QCOMPARE(m_run.run(ProgramRunner::timeward(), {QStringLiteral("/q")}).exitCode, 0);
    QCOMPARE(m_run
                 .run(ProgramRunner::twreg(),
                      {QStringLiteral("delete"), QStringLiteral("HKLM\\Software\\TimeWard\\Communication")})
                 .exitCode,
             0);
    QVERIFY(QFile::setPermissions(db(), QFileDevice::ReadOwner));
    const auto r = m_run.run(ProgramRunner::timeward(), {QStringLiteral("/l")});
    QVERIFY(QFile::setPermissions(db(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(r.exitCode != 0);
    QVERIFY2(r.err.contains(QStringLiteral("timeward: ")), qPrintable(r.err));
    QCOMPARE(readConfig(Sections::Communication, MailboxKeys::Logout), QStringLiteral("<absent>"));
}

void tst_Program::ownerOnlyFilesUnderAnyUmask() {
    // Started with umask 000, the program still keeps its folder and every file owner-only.
    const mode_t saved = ::umask(0);
    const auto r = m_run.run(ProgramRunner::timeward(), {QStringLiteral("/q")});
    ::umask(saved);
    QCOMPARE(r.exitCode, 0);
    auto mode = [](const QString& f) {
        struct stat st {};
        return ::stat(QFile::encodeName(f).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
    };
    QCOMPARE(mode(m_run.home), 0700);
    const QDir dir(m_run.home);
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden);
    QVERIFY(files.contains(QStringLiteral("registry.db")));
    for (const QString& f : files)
        QVERIFY2(mode(dir.filePath(f)) == 0600, qPrintable(f));
}

void tst_Program::concurrentWritersLoseNothing() {
    QDir().mkpath(m_run.home);
    SqliteRegistry create(db()); // the store exists before the writers race for it
    constexpr int kWriters = 4;
    constexpr int kEach = 250;
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int w = 0; w < kWriters; ++w) {
        auto p = std::make_unique<QProcess>();
        p->start(ProgramRunner::storeWriter(),
                 {db(), QStringLiteral("writes"), QStringLiteral("w%1").arg(w), QString::number(kEach)});
        writers.push_back(std::move(p));
    }
    for (auto& p : writers) {
        QVERIFY(p->waitForFinished(120000));
        QCOMPARE(p->exitCode(), 0);
    }
    SettingsStore store(create);
    int found = 0;
    for (int w = 0; w < kWriters; ++w)
        for (int i = 0; i < kEach; ++i)
            found += store.ReadSetting(kAppName, QStringLiteral("Load"), QStringLiteral("w%1_%2").arg(w).arg(i)).is(i);
    QCOMPARE(found, kWriters * kEach);
}

void tst_Program::killedWriterLeavesWholeStore() {
    QDir().mkpath(m_run.home);
    QRandomGenerator rng(20261209);
    for (int round = 0; round < 25; ++round) {
        QProcess writer;
        const QString prefix = QStringLiteral("r%1").arg(round);
        writer.start(ProgramRunner::storeWriter(), {db(), QStringLiteral("pairs"), prefix});
        QVERIFY(writer.waitForStarted());
        QVERIFY(writer.waitForReadyRead(10000));
        QTest::qWait(static_cast<int>(rng.bounded(5, 120)));
        kill9(writer);
        const QStringList done =
            QString::fromUtf8(writer.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(!done.isEmpty());
        const long lastCommitted = done.last().toLong();

        SqliteRegistry reg(db());
        QVERIFY(reg.integrityOk());
        const QString path = QStringLiteral("Software\\TimeWard\\Load");
        // Every reported write is there; no pair is half there; no value is cut short.
        for (long i = 0; i <= lastCommitted + 1; ++i) {
            const auto a = reg.queryValue(RegRoot::LocalMachine, path, QStringLiteral("%1_%2_a").arg(prefix).arg(i));
            const auto b = reg.queryValue(RegRoot::LocalMachine, path, QStringLiteral("%1_%2_b").arg(prefix).arg(i));
            if (i <= lastCommitted)
                QVERIFY2(a && b, qPrintable(QStringLiteral("round %1 lost pair %2").arg(round).arg(i)));
            QCOMPARE(bool(a), bool(b));
            if (a) {
                const QString payload(4096, QLatin1Char('a' + i % 26));
                QCOMPARE(a->data.toString(), payload);
                QCOMPARE(b->data.toString(), payload);
            }
        }
    }
}

TW_TEST(tst_Program)
#include "tst_Program.moc"
