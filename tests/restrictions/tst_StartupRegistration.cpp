#include "TestPlatform.h"
#include "TestRegistry.h"
#include "restrictions/StartupRegistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTest>
#include <sys/stat.h>

// Points the desktop's autostart folders at a temporary folder for one test.
class AutostartFolders final {
public:
    AutostartFolders()
        : m_home(qgetenv("XDG_CONFIG_HOME")), m_dirs(qgetenv("XDG_CONFIG_DIRS")),
          m_hadHome(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")),
          m_hadDirs(qEnvironmentVariableIsSet("XDG_CONFIG_DIRS")) {
        qputenv("XDG_CONFIG_HOME", dir.filePath("home").toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", (dir.filePath("etc") + ':' + dir.filePath("etc2")).toLocal8Bit());
    }
    ~AutostartFolders() {
        m_hadHome ? qputenv("XDG_CONFIG_HOME", m_home) : qunsetenv("XDG_CONFIG_HOME");
        m_hadDirs ? qputenv("XDG_CONFIG_DIRS", m_dirs) : qunsetenv("XDG_CONFIG_DIRS");
    }
    QString user() const { return dir.filePath("home/autostart/timeward.desktop"); }
    QString system() const { return dir.filePath("etc/autostart/timeward.desktop"); }
    // The same name in a later system folder, one that is not ours to change.
    QString otherSystem() const { return dir.filePath("etc2/autostart/timeward.desktop"); }
    QTemporaryDir dir;

private:
    QByteArray m_home, m_dirs;
    bool m_hadHome, m_hadDirs;
};

class tst_StartupRegistration : public QObject {
    Q_OBJECT
private slots:
    void folders();
    void registration_data();
    void registration();
    void serviceFallsBackToTheUserWhenTheSystemFolderIsClosed();
    void userUnitWhereAServiceManagerRuns_data();
    void userUnitWhereAServiceManagerRuns();
    void clearBoxHidesAnotherSystemEntry();
    void unitGetsTheEntrysDataFolder_data();
    void unitGetsTheEntrysDataFolder();
    void startCommand_data();
    void startCommand();
    void filesOutsideTheDataFolderAreReadable_data();
    void filesOutsideTheDataFolderAreReadable();

private:
    static QString runValue(App& app, const QString& key) {
        const auto v = app.store.registry().queryValue(RegRoot::LocalMachine, key, RunKeys::ValueName);
        return v ? v->data.toString() : QStringLiteral("<absent>");
    }
    // "on", "hidden" or "none" for an autostart entry; "on" also checks that the entry starts
    // this program on this data folder.
    static QString entryState(const QString& path, const TestPlatform& tp) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("none");
        const QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
        if (lines.contains("Hidden=true")) return QStringLiteral("hidden");
        const QString exec = "Exec=env TIMEWARD_HOME=" + tp.platform.paths.dataFolder + ' ' +
                             tp.platform.paths.programFolder + "/timeward";
        return lines.contains(exec) && lines.contains("Type=Application") ? QStringLiteral("on") : lines.join(" | ");
    }
};

void tst_StartupRegistration::folders() {
    AutostartFolders af;
    QCOMPARE(UserAutostartFolder(), af.dir.filePath("home/autostart"));
    QCOMPARE(SystemAutostartFolder(), af.dir.filePath("etc/autostart"));
}

void tst_StartupRegistration::registration_data() {
    QTest::addColumn<int>("load");
    QTest::addColumn<bool>("service");
    QTest::addColumn<bool>("run");         // Run\TimeWard holds the command (else empty)
    QTest::addColumn<bool>("runServices"); // RunServices\TimeWard holds the command (else empty)
    QTest::addColumn<QString>("userEntry");
    QTest::addColumn<QString>("systemEntry");
    QTest::newRow("as service") << 1 << true << false << true << "none"
                                << "on";
    QTest::newRow("regular") << 1 << false << true << false << "on"
                             << "none";
    QTest::newRow("box clear") << 0 << true << false << false << "none"
                               << "none";
}

void tst_StartupRegistration::registration() {
    QFETCH(int, load);
    QFETCH(bool, service);
    QFETCH(bool, run);
    QFETCH(bool, runServices);
    QFETCH(QString, userEntry);
    QFETCH(QString, systemEntry);
    AutostartFolders af;
    TestPlatform tp;
    App& app = *tp.app;
    // Start from the opposite registration so that every entry has something to switch.
    SaveStartupRegistration(app, 1, !service);
    SaveStartupRegistration(app, load, service);
    const QString command = tp.platform.paths.programFolder + "/timeward";
    QCOMPARE(runValue(app, RunKeys::Run), run ? command : QString());
    QCOMPARE(runValue(app, RunKeys::RunServices), runServices ? command : QString());
    QCOMPARE(entryState(af.user(), tp), userEntry);
    QCOMPARE(entryState(af.system(), tp), systemEntry);
}

void tst_StartupRegistration::serviceFallsBackToTheUserWhenTheSystemFolderIsClosed() {
    AutostartFolders af;
    QFile blocker(af.dir.filePath("etc"));
    QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    TestPlatform tp;
    QVERIFY(!CanWriteSystemAutostart());
    QVERIFY(StartupChoicesNote().contains("this account cannot write"));
    SaveStartupRegistration(*tp.app, 1, true);
    QCOMPARE(entryState(af.system(), tp), QStringLiteral("none"));
    QCOMPARE(entryState(af.user(), tp), QStringLiteral("on"));
    QCOMPARE(runValue(*tp.app, RunKeys::RunServices), tp.platform.paths.programFolder + "/timeward");
}

void tst_StartupRegistration::userUnitWhereAServiceManagerRuns_data() {
    QTest::addColumn<bool>("managerRuns");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<int>("load");
    QTest::addColumn<QString>("unit");    // "on", "off" or "untouched"
    QTest::addColumn<bool>("standAside"); // the enabled entry leaves the start to the unit
    QTest::newRow("ticked, manager runs") << true << true << 1 << "on" << true;
    QTest::newRow("clear, manager runs") << true << true << 0 << "off" << false;
    QTest::newRow("greyed changes nothing") << true << true << 2 << "untouched" << false;
    QTest::newRow("ticked, no manager") << false << true << 1 << "untouched" << false;
    QTest::newRow("ticked, unit not installed") << true << false << 1 << "untouched" << false;
}

void tst_StartupRegistration::userUnitWhereAServiceManagerRuns() {
    // Where a user service manager knows the unit, it starts the program and restarts a killed
    // copy; the autostart entry stays for desktops that do not start their session through it.
    QFETCH(bool, managerRuns);
    QFETCH(bool, installed);
    QFETCH(int, load);
    QFETCH(QString, unit);
    QFETCH(bool, standAside);
    AutostartFolders af;
    TestPlatform tp;
    tp.userServices.managerRuns = managerRuns;
    if (!installed) tp.userServices.installed.clear();
    SaveStartupRegistration(*tp.app, load, false);
    const auto it = tp.userServices.enabled.constFind(kServiceUnitName);
    QCOMPARE(it == tp.userServices.enabled.constEnd() ? QStringLiteral("untouched")
                                                      : (*it ? QStringLiteral("on") : QStringLiteral("off")),
             unit);
    QFile f(af.user());
    const bool hasEntry = f.open(QIODevice::ReadOnly);
    QCOMPARE(hasEntry, load == 1);
    const QString text = QString::fromUtf8(f.readAll());
    QCOMPARE(text.contains(QStringLiteral("\nX-GNOME-HiddenUnderSystemd=true\n")), standAside);
    if (load == 1) QCOMPARE(entryState(af.user(), tp), QStringLiteral("on"));
}

void tst_StartupRegistration::unitGetsTheEntrysDataFolder_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("setting"); // the drop-in's line, as systemd reads it
    QTest::newRow("plain") << "/srv/family/tw"
                           << "Environment=\"TIMEWARD_HOME=/srv/family/tw\"";
    QTest::newRow("blank, quote, specifier, backslash") << "/srv/a b\"%h\\x"
                                                        << "Environment=\"TIMEWARD_HOME=/srv/a b\\\"%%h\\\\x\"";
}

void tst_StartupRegistration::unitGetsTheEntrysDataFolder() {
    // The unit starts the program in place of the entry: on the entry's data folder, not the
    // default one. Clearing the box takes the setting away with the unit.
    QFETCH(QString, folder);
    QFETCH(QString, setting);
    AutostartFolders af;
    TestPlatform tp;
    tp.userServices.managerRuns = true;
    tp.platform.paths.dataFolder = folder;
    SaveStartupRegistration(*tp.app, 1, false);
    QVERIFY(tp.userServices.enabled.value(kServiceUnitName));
    const QString dropIn = af.dir.filePath("home/systemd/user/timeward.service.d/data-folder.conf");
    QCOMPARE(UserUnitDataFolderFile(), dropIn);
    QFile f(dropIn);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
    QVERIFY(lines.contains(QStringLiteral("[Service]")));
    QVERIFY2(lines.contains(setting), qPrintable(lines.join(" | ")));
    f.close();
    SaveStartupRegistration(*tp.app, 0, false);
    QVERIFY(!tp.userServices.enabled.value(kServiceUnitName));
    QVERIFY(!QFile::exists(dropIn));
}

void tst_StartupRegistration::clearBoxHidesAnotherSystemEntry() {
    AutostartFolders af;
    QVERIFY(QDir().mkpath(QFileInfo(af.otherSystem()).path()));
    QFile other(af.otherSystem());
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("[Desktop Entry]\nType=Application\nName=TimeWard\nExec=timeward\n");
    other.close();
    TestPlatform tp;
    SaveStartupRegistration(*tp.app, 1, false);
    QCOMPARE(entryState(af.user(), tp), QStringLiteral("on"));
    SaveStartupRegistration(*tp.app, 0, false);
    QCOMPARE(entryState(af.user(), tp), QStringLiteral("hidden"));
    QVERIFY(QFile::exists(af.otherSystem()));
}

void tst_StartupRegistration::startCommand_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain") << "/usr/lib/timeward"
                           << "/usr/lib/timeward/timeward"
                           << "/usr/lib/timeward/timeward";
    QTest::newRow("root folder as reported") << "/"
                                             << "//timeward"
                                             << "//timeward";
    QTest::newRow("blank quoted") << "/opt/Time Ward"
                                  << "/opt/Time Ward/timeward"
                                  << "\"/opt/Time Ward/timeward\"";
    QTest::newRow("percent doubled") << "/opt/100%"
                                     << "/opt/100%/timeward"
                                     << "/opt/100%%/timeward";
    QTest::newRow("dollar escaped") << "/opt/$x"
                                    << "/opt/$x/timeward"
                                    << "\"/opt/\\\\$x/timeward\"";
}

void tst_StartupRegistration::startCommand() {
    QFETCH(QString, folder);
    QFETCH(QString, command);
    QFETCH(QString, exec);
    AutostartFolders af;
    TestPlatform tp;
    tp.platform.paths.programFolder = folder;
    SaveStartupRegistration(*tp.app, 1, false);
    QCOMPARE(runValue(*tp.app, RunKeys::Run), command);
    QFile f(af.user());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
    QVERIFY2(lines.contains("Exec=env TIMEWARD_HOME=" + tp.platform.paths.dataFolder + ' ' + exec),
             qPrintable(lines.join(" | ")));
}

void tst_StartupRegistration::filesOutsideTheDataFolderAreReadable_data() {
    QTest::addColumn<bool>("service");
    QTest::addColumn<QString>("file"); // below the temporary root
    QTest::newRow("system-wide entry") << true << "etc/autostart/timeward.desktop";
    QTest::newRow("this account's entry") << false << "home/autostart/timeward.desktop";
    QTest::newRow("unit's data folder") << false << "home/systemd/user/timeward.service.d/data-folder.conf";
}

void tst_StartupRegistration::filesOutsideTheDataFolderAreReadable() {
    // The program runs owner-only (umask 077) for its data folder; what it writes for the
    // desktop and the service manager, and the folders it makes for them, are readable by all.
    QFETCH(bool, service);
    QFETCH(QString, file);
    AutostartFolders af;
    TestPlatform tp;
    tp.userServices.managerRuns = true;
    const mode_t before = ::umask(077);
    const auto restore = qScopeGuard([before] { ::umask(before); });
    SaveStartupRegistration(*tp.app, 1, service);
    const QString path = af.dir.filePath(file);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    const auto mode = [](const QString& p) {
        struct stat st {};
        return ::stat(QFile::encodeName(p).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
    };
    QCOMPARE(mode(path), 0644);
    // Every folder the save made on the way, up to the temporary root.
    for (QFileInfo d(QFileInfo(path).absolutePath());
         d.absoluteFilePath() != QFileInfo(af.dir.path()).absoluteFilePath(); d = QFileInfo(d.absolutePath()))
        QCOMPARE(mode(d.absoluteFilePath()), 0755);
    // Saving again over an entry that an earlier copy wrote owner-only mends it.
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    SaveStartupRegistration(*tp.app, 1, service);
    QCOMPARE(mode(path), 0644);
}

TW_TEST(tst_StartupRegistration)
#include "tst_StartupRegistration.moc"
