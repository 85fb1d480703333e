#include "../login/LoginFixture.h"
#include "TestPlatform.h"
#include "TestRegistry.h"
#include "admin/frmAddNewUserWizard.h"
#include "admin/frmWelcome.h"
#include "login/frmLogin.h"
#include "program/StartUp.h"
#include "program/frmMain.h"
#include "program/frmSecret.h"
#include "reports/frmBadShutdown.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

using namespace ConfigKeys;

namespace {
// Answers the modal windows of a start as they come up: the welcome window, the first-user
// wizard (a parent called Dad) and the bad-shutdown notice.
class ModalDriver {
public:
    explicit ModalDriver(App& app) : m_app(app) {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { step(); });
        m_timer.start();
    }
    QStringList seen;

private:
    void step() {
        if (m_app.isLoaded("frmWelcome") && m_app.window<frmWelcome>().isVisible()) {
            seen << QStringLiteral("welcome");
            m_app.window<frmWelcome>().cmdNext->click();
        } else if (m_app.isLoaded("frmAddNewUserWizard") && m_app.window<frmAddNewUserWizard>().isVisible()) {
            seen << QStringLiteral("wizard");
            frmAddNewUserWizard& w = m_app.window<frmAddNewUserWizard>();
            w.cmdNext->click();
            w.txtName->setText(QStringLiteral("Dad"));
            w.txtPW->setText(QStringLiteral("d"));
            w.txtPW2->setText(QStringLiteral("d"));
            w.cmdNext->click();
            w.cmdClose->click();
        } else if (m_app.isLoaded("frmBadShutdown") && m_app.window<frmBadShutdown>().isVisible()) {
            seen << QStringLiteral("notice");
            m_app.window<frmBadShutdown>().cmdIgnore->click();
        }
    }
    App& m_app;
    QTimer m_timer;
};
} // namespace

// The start-up sequence on the test platform: messenger switches, the exit state, the first
// start of a new installation and the orderly exit.
class tst_StartUp : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data();
    void commandLine();
    void messengerSaysWhenItCannotPost();
    void lockHolderThatDoesNotAnswerFailsTheStart();
    void badShutdownStates_data();
    void badShutdownStates();
    void firstStartOfNewInstallation();
    void secondStartChangesNothing();
    void splashPath();
    void staleQuitRequestIsClearedAtStart_data();
    void staleQuitRequestIsClearedAtStart();
    void waylandSessionIsSaidOnce_data();
    void waylandSessionIsSaidOnce();
    void shutDownProgram();
};

void tst_StartUp::commandLine_data() {
    QTest::addColumn<QString>("args");
    QTest::addColumn<bool>("otherCopy");
    QTest::addColumn<QString>("posted"); // mailbox value written, "" for none
    QTest::newRow("/q") << "/q" << false << "EndNow";
    QTest::newRow("/Q") << "/Q" << false << "EndNow";
    QTest::newRow("/l") << "/l" << true << "Logout";
    QTest::newRow("/L while a copy runs") << "/L" << true << "Logout";
    QTest::newRow("leading blank") << " /q" << false << "";
    QTest::newRow("both switches") << "/q /l" << false << "";
    QTest::newRow("switch and more") << "/qx" << false << "";
    QTest::newRow("nothing") << "" << false << "";
    QTest::newRow("second copy") << "" << true << "MainScreen";
    QTest::newRow("second copy, no switch") << "/qx" << true << "MainScreen";
}

void tst_StartUp::commandLine() {
    QFETCH(QString, args);
    QFETCH(bool, otherCopy);
    QFETCH(QString, posted);
    TestPlatform tp;
    tp.instanceLock.otherCopyRunning = otherCopy;
    QCOMPARE(RunMessengerSteps(*tp.app, args), !posted.isEmpty());
    for (const QString& key : {MailboxKeys::EndNow, MailboxKeys::Logout, MailboxKeys::MainScreen})
        QCOMPARE(tp.app->read(Sections::Communication, key).text(), key == posted ? QStringLiteral("True") : QString());
    // A messenger leaves no trace of a start.
    if (!posted.isEmpty()) QVERIFY(tp.app->read(Sections::Config, ShutdownOK).isAbsent());
}

void tst_StartUp::messengerSaysWhenItCannotPost() {
    // Another process holds the store's write lock for longer than the messenger waits: the
    // request is not posted, and the messenger says so instead of ending as if it were.
    TestPlatform tp;
    SqliteRegistry holder(tp.dataFile(QStringLiteral("registry.db")));
    holder.beginBatch();
    QString failure;
    {
        SqliteRegistry::ShortWait wait(*tp.registry, 50);
        QVERIFY(RunMessengerSteps(*tp.app, QStringLiteral("/l"), &failure));
    }
    QVERIFY2(failure.startsWith(QStringLiteral("cannot post the log-out request: ")), qPrintable(failure));
    QVERIFY(!failure.contains(QLatin1Char('\n')));
    holder.endBatch();
    QVERIFY(tp.app->read(Sections::Communication, MailboxKeys::Logout).isAbsent());
    failure.clear();
    QVERIFY(RunMessengerSteps(*tp.app, QStringLiteral("/l"), &failure));
    QCOMPARE(failure, QString());
}

void tst_StartUp::lockHolderThatDoesNotAnswerFailsTheStart() {
    // Something holds the lock file but no copy answers on the exit link: this start is no
    // messenger for a copy that is not there; it fails, says why once and logs it.
    TestPlatform tp;
    tp.instanceLock.otherCopyRunning = true;
    tp.instanceLock.holderLive = false;
    tp.app->write(Sections::Config, LogEnable, 1);
    QString failure;
    QVERIFY(RunMessengerSteps(*tp.app, QString(), &failure));
    QVERIFY2(failure.contains(QStringLiteral("does not answer on the exit link")), qPrintable(failure));
    QVERIFY(!failure.contains(QLatin1Char('\n')));
    QVERIFY(tp.app->read(Sections::Communication, MailboxKeys::MainScreen).isAbsent());
    QVERIFY(LastingLogTail(tp.app->paths(), 5)
                .join(QLatin1Char('\n'))
                .contains(QStringLiteral("does not answer on the exit link")));
}

void tst_StartUp::badShutdownStates_data() {
    QTest::addColumn<QString>("warn");   // "-" = absent
    QTest::addColumn<QString>("before"); // "-" = absent
    QTest::addColumn<QString>("after");  // "-" = absent
    QTest::newRow("never written") << "-"
                                   << "-"
                                   << "0";
    QTest::newRow("clean exit") << "1"
                                << "1"
                                << "0";
    QTest::newRow("one bad run") << "1"
                                 << "0"
                                 << "2";
    QTest::newRow("two bad runs") << "1"
                                  << "2"
                                  << "2";
    QTest::newRow("other text") << "1"
                                << "x"
                                << "0";
    QTest::newRow("00 is 0") << "1"
                             << "00"
                             << "2";
    QTest::newRow("warning off") << "0"
                                 << "0"
                                 << "0";
    QTest::newRow("warning off, absent") << "0"
                                         << "-"
                                         << "-";
}

void tst_StartUp::badShutdownStates() {
    QFETCH(QString, warn);
    QFETCH(QString, before);
    QFETCH(QString, after);
    TestPlatform tp;
    if (warn != QLatin1String("-")) tp.app->write(Sections::Config, BadShutdownWarn, warn);
    if (before != QLatin1String("-")) tp.app->write(Sections::Config, ShutdownOK, before);
    ModalDriver driver(*tp.app);
    CheckBadShutdown(*tp.app);
    const Setting s = tp.app->read(Sections::Config, ShutdownOK);
    QCOMPARE(s.isAbsent() ? QStringLiteral("-") : s.text(), after);
    // Only the second bad run in a row makes the notice due; the start itself shows nothing.
    QCOMPARE(tp.app->badShutdownNoticeDue, warn == QLatin1String("1") && before == QLatin1String("2"));
    QVERIFY(!driver.seen.contains(QStringLiteral("notice")));
}

void tst_StartUp::firstStartOfNewInstallation() {
    TestPlatform tp;
    App& app = *tp.app;
    ModalDriver driver(app);
    StartUp(app, QString());
    QVERIFY(!tp.process.exited());
    QCOMPARE(driver.seen, (QStringList{QStringLiteral("welcome"), QStringLiteral("wizard")}));
    QCOMPARE(app.read(Sections::User(1), QStringLiteral("Name")).text(), QStringLiteral("Dad"));
    // Every key the catalogue gives an installation default holds it.
    for (const auto& k : Catalogue)
        if (k.installDefault) QCOMPARE(app.read(Sections::Config, k.key).text(), QString::fromUtf8(k.installDefault));

    for (const auto& d : FirstRunDefaults)
        QCOMPARE(app.read(Sections::Config, d.key).text(), QString::fromUtf8(d.value));
    QCOMPARE(app.read(Sections::Config, LoadedBefore).text(), QStringLiteral("1"));
    QCOMPARE(app.read(Sections::User(1), QStringLiteral("LastStartDate")).text(), QStringLiteral("3/4/2026"));
    QCOMPARE(app.read(Sections::Config, ShutdownOK).text(), QStringLiteral("0"));

    // The trace of this start, without the marker written before the old trace was deleted.
    // A new installation shows the splash, so no "Logging in".
    QStringList markers;
    for (const QString& line : tp.fileLines(tp.dataFile(kWorkLogName)))
        markers << line.section(QStringLiteral("] "), 1);
    QCOMPARE(markers, (QStringList{QStringLiteral("Loaded PWs"), QStringLiteral("Version Checked"),
                                   QStringLiteral("New Startup Checked"), QStringLiteral("New Date Checked")}));
    QVERIFY(app.window<frmMain>().T2->isActive());
    QVERIFY(tp.messageBox.shown.isEmpty());
}

void tst_StartUp::secondStartChangesNothing() {
    TestPlatform tp;
    App& app = *tp.app;
    ModalDriver driver(app);
    StartUp(app, QString());
    app.write(Sections::Config, ShowSplash, 0);
    app.write(Sections::Config, LogTS, 0); // a changed option survives the next start
    QFile warn(tp.dataFile(kWarnLogName));
    QVERIFY(warn.open(QIODevice::WriteOnly));
    warn.close();
    StartUp(app, QString());
    QCOMPARE(driver.seen, (QStringList{QStringLiteral("welcome"), QStringLiteral("wizard")})); // not again
    QCOMPARE(app.read(Sections::Config, LogTS).text(), QStringLiteral("0"));
    QVERIFY(!QFile::exists(tp.dataFile(kWarnLogName)));
    QCOMPARE(tp.fileLines(tp.dataFile(kWorkLogName)).last().section(QStringLiteral("] "), 1),
             QStringLiteral("Logging in"));
    QCOMPARE(app.read(Sections::Config, ShutdownOK).text(), QStringLiteral("2")); // the first run never ended
}

void tst_StartUp::staleQuitRequestIsClearedAtStart_data() {
    QTest::addColumn<bool>("noticeDue");
    QTest::newRow("plain start") << false;
    QTest::newRow("bad-shutdown notice due") << true;
}

void tst_StartUp::staleQuitRequestIsClearedAtStart() {
    // "/q" while no copy runs: the next copy clears it and says so, instead of ending itself
    // in the middle of some later session, or at its start while a notice lets the mailbox's
    // timer run.
    QFETCH(bool, noticeDue);
    TestPlatform tp;
    App& app = *tp.app;
    QVERIFY(RunMessengerSteps(app, QStringLiteral("/q")));
    QVERIFY(app.read(Sections::Communication, MailboxKeys::EndNow).isTrue());
    app.write(Sections::Config, LoadedBefore, 1);
    app.write(Sections::Config, ShowSplash, 0);
    app.write(Sections::Config, LogEnable, 1);
    app.write(Sections::Config, LogTS, 1);
    if (noticeDue) {
        app.write(Sections::Config, BadShutdownWarn, 1);
        app.write(Sections::Config, ShutdownOK, 2);
    }
    app.window<frmSecret>().openLinks();
    QVERIFY(app.window<frmSecret>().mailboxTimer->isActive());
    // The mailbox is read while the start runs (under the notice, when one is up).
    QTimer::singleShot(0, &app.window<frmSecret>(), [&app] {
        app.window<frmSecret>().ReadMailbox();
        if (auto* notice = qobject_cast<QDialog*>(app.loadedWindow("frmBadShutdown"))) notice->reject();
    });
    StartUpResident(app);
    QCoreApplication::processEvents();
    app.window<frmSecret>().mailboxTimer->stop();
    QVERIFY(!app.read(Sections::Communication, MailboxKeys::EndNow).isTrue());
    QStringList entries;
    for (int i = 0; i < app.window<frmMain>().lstLog->count(); ++i)
        entries << app.window<frmMain>().lstLog->item(i)->text();
    QCOMPARE(entries.filter(QStringLiteral("quit request left while TimeWard was not running was cleared")).size(), 1);
    QVERIFY(!tp.process.exited());
}

void tst_StartUp::waylandSessionIsSaidOnce_data() {
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("wayland");
    QTest::newRow("Wayland display") << QByteArray("WAYLAND_DISPLAY") << QByteArray("wayland-0") << true;
    QTest::newRow("session type") << QByteArray("XDG_SESSION_TYPE") << QByteArray("wayland") << true;
    QTest::newRow("X11 session") << QByteArray("XDG_SESSION_TYPE") << QByteArray("x11") << false;
}

void tst_StartUp::waylandSessionIsSaidOnce() {
    // On Wayland the login window cannot hold the input: the start logs it in one line, and the
    // first parent to log in is told the remedy, once; a child is not.
    QFETCH(QByteArray, variable);
    QFETCH(QByteArray, value);
    QFETCH(bool, wayland);
    const QByteArray before = qgetenv(variable.constData());
    qputenv(variable.constData(), value);
    const auto restore = qScopeGuard([&] { qputenv(variable.constData(), before); });
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::Config, LoadedBefore, 1);
    app.write(Sections::Config, ShowSplash, 0);
    app.write(Sections::Config, LogEnable, 1);
    addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("a"));
    addUser(app, 2, QStringLiteral("Mum"), QStringLiteral("m"), {{UserKeys::ParentRights, "1"}});
    StartUpResident(app);
    QCOMPARE(LastingLogTail(app.paths(), 20).filter(QStringLiteral("Wayland")).size(), wayland ? 1 : 0);
    QVERIFY(tp.messageBox.shown.isEmpty());
    const auto logIn = [&](const QString& name, const QString& password) {
        ShowLoginForNextUser(app, name);
        // The window offers the last user; the next one types their name.
        app.window<frmLogin>().cboUL->lineEdit()->selectAll();
        QTest::keyClicks(app.window<frmLogin>().cboUL->lineEdit(), name);
        app.window<frmLogin>().txtPW->setText(password);
        app.window<frmLogin>().Command1->click();
        QVERIFY(app.model.inSession());
        QTRY_VERIFY(!app.isLoaded("frmLogin"));
    };
    const auto remedies = [&] { return tp.messageBox.texts().filter(QStringLiteral("GNOME on Xorg")).size(); };
    logIn(QStringLiteral("Ann"), QStringLiteral("a"));
    QCOMPARE(remedies(), 0);
    ReturnToLogin(app, true);
    logIn(QStringLiteral("Mum"), QStringLiteral("m"));
    QCOMPARE(remedies(), wayland ? 1 : 0);
    ReturnToLogin(app, true);
    logIn(QStringLiteral("Mum"), QStringLiteral("m"));
    QCOMPARE(remedies(), wayland ? 1 : 0);
}

void tst_StartUp::splashPath() {
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::Config, LoadedBefore, 1);
    app.write(Sections::Config, ShowSplash, 1);
    app.write(Sections::Config, LogEnable, 1);
    app.write(Sections::Config, LogTS, 1);
    StartUpResident(app);
    QVERIFY(app.isLoaded("frmAbout"));
    QCOMPARE(app.window<frmMain>().lstLog->count(), 0);
    QVERIFY(!app.isLoaded("frmLogin"));
    t2_Timer(app);
    QVERIFY(!app.isLoaded("frmAbout"));
    QVERIFY(!app.window<frmMain>().T2->isActive());
    QVERIFY(app.isLoaded("frmLogin"));
    QCOMPARE(app.window<frmMain>().lstLog->count(), 1);
    QCOMPARE(app.window<frmMain>().lstLog->item(0)->text(), QStringLiteral("TimeWard Started."));
}

void tst_StartUp::shutDownProgram() {
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::Config, ShutdownOK, 2);
    tp.tray.add(QStringLiteral("TimeWard"));
    ShutDownProgram(app);
    QCOMPARE(tp.help.calls, QStringList{QStringLiteral("quit")});
    QVERIFY(!tp.tray.shown);
    QCOMPARE(app.read(Sections::Config, ShutdownOK).text(), QStringLiteral("1"));
    QCOMPARE(tp.process.exitCodes, QList<int>{0});
}

TW_TEST(tst_StartUp)
#include "tst_StartUpUi.moc"
