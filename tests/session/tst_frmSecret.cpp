#include "SessionFixture.h"
#include "TestRegistry.h"
#include "admin/UserAdmin.h"
#include "admin/frmOptions.h"
#include "login/frmLogin.h"
#include "platform/qt/QtServices.h"
#include "program/StartUp.h"
#include "program/frmMain.h"
#include "program/frmSecret.h"
#include "program/frmTRWindow.h"
#include "timekeeping/SessionClock.h"
#include "timekeeping/TimeOut.h"
#include "timekeeping/frmModUserFreeTime.h"
#include "timekeeping/frmPickuser.h"
#include "timekeeping/frmUS.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
// A logged-in session on the controller window: the tray icon added and T1 running.
struct ControllerFixture : SessionFixture {
    frmSecret& secret;
    QStringList logLines;

    explicit ControllerFixture(const QString& name = QStringLiteral("anna"))
        : SessionFixture(name), secret(app.window<frmSecret>()) {
        QObject::connect(&app.model, &SessionModel::logLine, &app.model,
                         [this](const QString& line) { logLines << line; });
        config(ConfigKeys::LogEnable, QStringLiteral("1"));
        config(ConfigKeys::LogTS, QStringLiteral("1"));
        setType(PeriodTypes::Daily);
        setTime(QStringLiteral("02"), QStringLiteral("05"), QStringLiteral("07"));
        // A parent has been in before: a parent's login brings up the icon alone.
        config(ConfigKeys::ParentLoggedInBefore, QStringLiteral("1"));
        app.model.beginSession(); // the controller brings the tray icon up
        tp.tray.ops.clear();
    }
    void post(const QString& key) { app.write(Sections::Communication, key, true); }
    Setting mailbox(const QString& key) { return app.read(Sections::Communication, key); }
};
} // namespace

// The controller window: the tick and its mailbox, the tray icon, the close requests and
// the exit link.
class tst_frmSecret : public QObject {
    Q_OBJECT
private slots:
    void mailbox_data();
    void mailbox();
    void mailboxInEveryState_data();
    void mailboxInEveryState();
    void mainScreen_data();
    void mainScreen();
    void tickCountsOnceAndRefreshes();
    void clockRunsUnderTheWarning();
    void countingOffIsNeverCharged();
    void orderlyEndChargesTheStop();
    void trayTip_data();
    void trayTip();
    void addTrayIconIsBounded();
    void trayCallback_data();
    void trayCallback();
    void traylessDesktopOpensWindowAtLogin_data();
    void traylessDesktopOpensWindowAtLogin();
    void firstParentLoginOpensTheMainWindow_data();
    void firstParentLoginOpensTheMainWindow();
    void trayMenu_data();
    void trayMenu();
    void queryUnload_data();
    void queryUnload();
    void ddeLink_data();
    void ddeLink();
    void timeOutReturnsToLogin();
    void sessionEndClosesEveryWindow_data();
    void sessionEndClosesEveryWindow();
    void sessionEndDeclinesAWaitingQuestion_data();
    void sessionEndDeclinesAWaitingQuestion();
    void removedUserLeavesNameAndSelectionAgreeing_data();
    void removedUserLeavesNameAndSelectionAgreeing();
    void timeRemainingWindow_data();
    void timeRemainingWindow();
};

void tst_frmSecret::mailbox_data() {
    QTest::addColumn<bool>("parent");
    QTest::addColumn<QStringList>("posted");
    QTest::addColumn<bool>("exited");
    QTest::addColumn<bool>("loggedOut");
    QTest::newRow("nothing posted") << false << QStringList{} << false << false;
    QTest::newRow("EndNow, parent's session") << true << QStringList{MailboxKeys::EndNow} << true << false;
    // Nobody ends a child's session from outside: refused, logged, cleared, and counted on.
    QTest::newRow("EndNow, child's session refused") << false << QStringList{MailboxKeys::EndNow} << false << false;
    QTest::newRow("Logout") << false << QStringList{MailboxKeys::Logout} << false << true;
    QTest::newRow("EndNow and Logout, parent: ends, Logout waits")
        << true << QStringList{MailboxKeys::EndNow, MailboxKeys::Logout} << true << false;
}

void tst_frmSecret::mailbox() {
    QFETCH(bool, parent);
    QFETCH(QStringList, posted);
    QFETCH(bool, exited);
    QFETCH(bool, loggedOut);
    ControllerFixture f;
    if (parent) f.set(UserKeys::ParentRights, QStringLiteral("1"));
    f.config(ConfigKeys::LogELogout, QStringLiteral("1"));
    f.config(ConfigKeys::TRWindow, QStringLiteral("1"));
    f.app.window<frmTRWindow>().showInCorner();
    f.app.window<frmMain>().show();
    for (const QString& k : posted)
        f.post(k);

    f.secret.ReadMailbox();

    QCOMPARE(f.tp.process.exited(), exited);
    if (exited) {
        QCOMPARE(f.app.read(Sections::Config, ConfigKeys::ShutdownOK).text(), QStringLiteral("1"));
        QVERIFY(f.mailbox(MailboxKeys::EndNow).isFalse());
        // A command behind the end waits for the next run.
        QCOMPARE(f.mailbox(MailboxKeys::Logout).isTrue(), posted.contains(MailboxKeys::Logout));
    }
    // The mailbox never counts time: that is T1's; an orderly end charges the second under way.
    QCOMPARE(f.time(), exited ? QStringLiteral("02:05:06") : QStringLiteral("02:05:07"));
    if (!exited) QCOMPARE(f.secret.T1->isActive(), !loggedOut);
    QCOMPARE(f.app.model.inSession(), !loggedOut);
    const bool refused = !parent && posted.contains(MailboxKeys::EndNow);
    QCOMPARE(f.logLines, loggedOut ? QStringList{QStringLiteral("User anna logged out.")}
                         : refused ? QStringList{QStringLiteral("Quit request (/q) refused during anna's session.")}
                                   : QStringList{});
    if (refused) QVERIFY(f.mailbox(MailboxKeys::EndNow).isFalse());
    if (loggedOut) {
        QVERIFY(f.mailbox(MailboxKeys::Logout).isFalse());
        QVERIFY(f.tp.tray.ops.contains(QStringLiteral("delete")));
        QVERIFY(!f.tp.tray.shown);
        QVERIFY(!f.app.isLoaded("frmMain"));
        QVERIFY(!f.app.isLoaded("frmTRWindow"));
        QVERIFY(f.app.window<frmLogin>().isVisible());
    }
}

void tst_frmSecret::mailboxInEveryState_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("command");
    const QStringList states{QStringLiteral("session"), QStringLiteral("timed out, no action"),
                             QStringLiteral("Enabled unchecked, main window closed"), QStringLiteral("login window")};
    for (const QString& state : states)
        for (const QString& command : {MailboxKeys::EndNow, MailboxKeys::Logout, MailboxKeys::MainScreen})
            QTest::newRow(qPrintable(state + QStringLiteral(": ") + command)) << state << command;
}

void tst_frmSecret::mailboxInEveryState() {
    QFETCH(QString, state);
    QFETCH(QString, command);
    ControllerFixture f;
    f.set(UserKeys::ParentRights, QStringLiteral("1"));
    const bool atLogin = state == QLatin1String("login window");
    if (state == QLatin1String("timed out, no action")) {
        f.set(UserKeys::TakeAction, QStringLiteral("0"));
        f.setTime(QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("01"));
        f.app.model.ControllerTick();
        QCOMPARE(f.time(), QStringLiteral("00:00:00"));
    } else if (state.startsWith(QLatin1String("Enabled"))) {
        f.app.window<frmMain>().show();
        f.app.window<frmMain>().mnuEnabled->trigger();
        f.app.window<frmMain>().close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!f.app.isLoaded("frmMain"));
    } else if (atLogin) {
        ReturnToLogin(f.app, true);
    }
    QCOMPARE(f.secret.T1->isActive(), state == QLatin1String("session"));
    // The mailbox is read once a second whatever the session and T1 are doing.
    f.secret.openLinks();
    QVERIFY(f.secret.mailboxTimer->isActive());
    QCOMPARE(f.secret.mailboxTimer->interval(), 1000);

    f.post(command);
    f.secret.ReadMailbox();

    QVERIFY(f.mailbox(command).isFalse());
    const bool ends = command == MailboxKeys::EndNow;
    QCOMPARE(f.tp.process.exited(), ends);
    if (ends) return;
    const bool loginUp = atLogin || command == MailboxKeys::Logout;
    QCOMPARE(f.app.isLoaded("frmLogin") && f.app.window<frmLogin>().isVisible(), loginUp);
    QCOMPARE(f.app.model.inSession(), !loginUp);
    const bool mainUp = !atLogin && command == MailboxKeys::MainScreen;
    QCOMPARE(f.app.isLoaded("frmMain") && f.app.window<frmMain>().isVisible(), mainUp);
    if (mainUp) {
        // The reloaded window shows "Enabled" as it is.
        const bool enabled = !state.startsWith(QLatin1String("Enabled"));
        QCOMPARE(f.app.window<frmMain>().mnuEnabled->isChecked(), enabled);
        QCOMPARE(f.app.window<frmMain>().panel(1)->text().trimmed(),
                 enabled ? QStringLiteral("TimeWard Enabled") : QStringLiteral("TimeWard Disabled"));
    }
    if (atLogin) {
        // Spent at the login window: nothing fires into the next session.
        f.app.model.beginSession();
        f.secret.ReadMailbox();
        QVERIFY(f.app.model.inSession());
        QVERIFY(!f.app.isLoaded("frmMain") || !f.app.window<frmMain>().isVisible());
    }
}

void tst_frmSecret::mainScreen_data() {
    QTest::addColumn<QString>("rights"); // "-" = missing
    QTest::addColumn<bool>("mainShown");
    QTest::newRow("parent") << "1" << true;
    QTest::newRow("no rights") << "0" << false;
    QTest::newRow("rights missing") << "-" << false;
}

void tst_frmSecret::mainScreen() {
    QFETCH(QString, rights);
    QFETCH(bool, mainShown);
    ControllerFixture f(QStringLiteral("Anna"));
    f.config(ConfigKeys::CurrUser, QStringLiteral("ANNA")); // looked up without regard to case
    if (rights != QLatin1String("-")) f.set(UserKeys::ParentRights, rights);
    f.post(MailboxKeys::MainScreen);
    f.secret.ReadMailbox();
    QVERIFY(f.mailbox(MailboxKeys::MainScreen).isFalse());
    QCOMPARE(f.app.isLoaded("frmMain") && f.app.window<frmMain>().isVisible(), mainShown);
    QVERIFY(f.secret.T1->isActive());
}

void tst_frmSecret::tickCountsOnceAndRefreshes() {
    ControllerFixture f;
    f.config(ConfigKeys::TRWindow, QStringLiteral("1"));
    f.app.window<frmTRWindow>().showInCorner(); // the session's time-remaining window
    f.app.model.ControllerTick();
    QCOMPARE(f.time(), QStringLiteral("02:05:06"));
    QCOMPARE(f.app.window<frmTRWindow>().Label2->text(), QStringLiteral("02:05:06"));
    QCOMPARE(f.tp.tray.tip, QStringLiteral("User: anna Time Left: 02:05:06\nRenews tomorrow at 0:00"));
    QCOMPARE(f.app.read(Sections::Config, ConfigKeys::CurrentNumberOfUsers).text(), QStringLiteral("1"));
}

void tst_frmSecret::clockRunsUnderTheWarning() {
    // The warning is up and nobody answers: every tick still counts, and the tray tip and the
    // time-remaining window follow the time.
    ControllerFixture f;
    f.config(ConfigKeys::ThreeMinWarn, QStringLiteral("1"));
    f.config(ConfigKeys::TRWindow, QStringLiteral("1"));
    f.app.window<frmTRWindow>().showInCorner(); // the session's time-remaining window
    f.setTime(QStringLiteral("00"), QStringLiteral("03"), QStringLiteral("00"));
    f.app.model.ControllerTick();
    QCOMPARE(f.tp.messageBox.openTexts(), QStringList{kThreeMinuteWarning});
    f.tp.clock.advance(1);
    f.app.model.ControllerTick();
    f.tp.clock.advance(1);
    f.app.model.ControllerTick();
    QCOMPARE(f.time(), QStringLiteral("00:02:57"));
    QCOMPARE(f.tp.tray.tip, QStringLiteral("User: anna Time Left: 00:02:57\nRenews tomorrow at 0:00"));
    QCOMPARE(f.app.window<frmTRWindow>().Label2->text(), QStringLiteral("00:02:57"));
    QCOMPARE(f.tp.messageBox.shown.size(), 1);
    QVERIFY(f.secret.T1->isActive());
}

void tst_frmSecret::trayTip_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("basedOn");
    QTest::addColumn<QString>("tip");
    // The test clock stands on Wednesday 3/4/2026.
    QTest::newRow("counted user, values as stored") << "anna"
                                                    << "Daily"
                                                    << "User: anna Time Left: 2:5:7\nRenews tomorrow at 0:00";
    QTest::newRow("weekly") << "anna"
                            << "Weekly"
                            << "User: anna Time Left: 2:5:7\nRenews on Sunday at 0:00";
    QTest::newRow("monthly") << "anna"
                             << "Monthly"
                             << "User: anna Time Left: 2:5:7\nRenews on the 1st at 0:00";
    QTest::newRow("one time: never renewed") << "anna"
                                             << "One Time"
                                             << "User: anna Time Left: 2:5:7";
    QTest::newRow("unlimited") << "anna"
                               << "UNLIMITED"
                               << "User: anna Time Left: Unlimited";
    const QString longName(60, QLatin1Char('x'));
    QTest::newRow("cut to 63 bytes") << longName << "Daily" << ("User: " + longName).left(63);
    // "ü" takes two bytes: a character that does not fit whole is left out.
    const QString wide = QString(29, QChar(0xFC));
    QTest::newRow("cut between characters") << wide << "Daily" << ("User: " + wide).left(6 + 28);
}

void tst_frmSecret::trayTip() {
    QFETCH(QString, name);
    QFETCH(QString, basedOn);
    QFETCH(QString, tip);
    ControllerFixture f(name);
    f.setType(basedOn);
    f.setTime(QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("7"));
    f.secret.UpdateTrayTip();
    QCOMPARE(f.secret.nid.tip(), tip);
    QVERIFY(f.secret.nid.tip().toUtf8().size() <= 63);
    QCOMPARE(f.secret.nid.szTip.back(), '\0');
    QCOMPARE(f.tp.tray.ops, QStringList{QStringLiteral("modify:") + tip});
}

void tst_frmSecret::addTrayIconIsBounded() {
    SessionFixture f;
    frmSecret& secret = f.app.window<frmSecret>();
    f.tp.tray.available = false;
    QVERIFY(!secret.AddTrayIcon());
    QCOMPARE(f.tp.tray.ops.size(), frmSecret::kTrayAddTries);
    QCOMPARE(secret.nid.uID, quint32(frmSecret::kTrayAddTries));
    // The session goes on without an icon.
    f.setType(PeriodTypes::Monthly);
    f.setTime(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0"));
    f.app.model.ControllerTick();
    QCOMPARE(f.time(), QStringLiteral("00:59:59"));

    f.tp.tray.available = true;
    f.tp.tray.ops.clear();
    QVERIFY(secret.AddTrayIcon());
    QCOMPARE(secret.nid.uID, 1u); // a fresh record every time
    QCOMPARE(secret.nid.cbSize, 88u);
    QCOMPARE(secret.nid.uFlags, 7u);
    QCOMPARE(secret.nid.uCallbackMessage, 512u);
    QCOMPARE(f.tp.tray.ops.size(), 1);
}

void tst_frmSecret::trayCallback_data() {
    QTest::addColumn<QString>("rights");
    QTest::addColumn<double>("x");
    QTest::addColumn<bool>("mainVisibleBefore");
    QTest::addColumn<bool>("mainShown");
    const double dbl = 0x203 * 15.0, down = 0x201 * 15.0, right = 0x204 * 15.0;
    QTest::newRow("parent, left double-click") << "1" << dbl << false << true;
    QTest::newRow("parent, x not whole") << "1" << dbl + 0.4 << false << true;
    QTest::newRow("parent, left button down") << "1" << down << false << false;
    QTest::newRow("parent, right button down") << "1" << right << false << false;
    QTest::newRow("parent, main window already up") << "1" << dbl << true << true;
    QTest::newRow("no rights") << "0" << dbl << false << false;
}

void tst_frmSecret::trayCallback() {
    QFETCH(QString, rights);
    QFETCH(double, x);
    QFETCH(bool, mainVisibleBefore);
    QFETCH(bool, mainShown);
    ControllerFixture f;
    f.addUser(QStringLiteral("bob"), 2);
    f.app.CurrentUserNumber = 2; // the double-click looks the user up afresh
    f.set(UserKeys::ParentRights, rights);
    f.app.CurrentUserNumber = 1;
    f.set(UserKeys::ParentRights, rights);
    if (mainVisibleBefore) f.app.window<frmMain>().show();
    f.secret.TrayCallback(1, 0, x, 0);
    QCOMPARE(f.app.isLoaded("frmMain") && f.app.window<frmMain>().isVisible(), mainShown);
    QCOMPARE(f.app.CurrentUserNumber, qint16(1));
}

void tst_frmSecret::traylessDesktopOpensWindowAtLogin_data() {
    QTest::addColumn<bool>("trayAvailable");
    QTest::addColumn<QString>("rights");
    QTest::addColumn<bool>("mainShown");
    QTest::addColumn<bool>("statusShown");
    QTest::newRow("no tray, parent") << false << "1" << true << false;
    QTest::newRow("no tray, child") << false << "0" << false << true;
    QTest::newRow("tray, parent") << true << "1" << false << false;
    QTest::newRow("tray, child") << true << "0" << false << false;
}

void tst_frmSecret::traylessDesktopOpensWindowAtLogin() {
    QFETCH(bool, trayAvailable);
    QFETCH(QString, rights);
    QFETCH(bool, mainShown);
    QFETCH(bool, statusShown);
    SessionFixture f;
    f.set(UserKeys::ParentRights, rights);
    f.tp.tray.available = trayAvailable;
    QCOMPARE(f.app.window<frmSecret>().AddTrayIcon(), trayAvailable);
    QCOMPARE(f.app.isLoaded("frmMain") && f.app.window<frmMain>().isVisible(), mainShown);
    QCOMPARE(f.app.isLoaded("frmUS") && f.app.window<frmUS>().isVisible(), statusShown);
}

void tst_frmSecret::firstParentLoginOpensTheMainWindow_data() {
    QTest::addColumn<QString>("rights");
    QTest::addColumn<QString>("before"); // "ParentLoggedInBefore" as stored; null: absent
    QTest::addColumn<bool>("mainShown");
    QTest::newRow("first parent login") << "1" << QString() << true;
    QTest::newRow("a parent logged in before") << "1"
                                               << "1" << false;
    QTest::newRow("a child's login") << "0" << QString() << false;
}

void tst_frmSecret::firstParentLoginOpensTheMainWindow() {
    QFETCH(QString, rights);
    QFETCH(QString, before);
    QFETCH(bool, mainShown);
    SessionFixture f;
    f.app.model.endSession();
    f.set(UserKeys::ParentRights, rights);
    if (!before.isNull()) f.config(ConfigKeys::ParentLoggedInBefore, before);
    f.app.window<frmSecret>();
    f.app.model.beginSession();
    QVERIFY(f.tp.tray.shown); // the icon as at every login
    QCOMPARE(f.app.isLoaded("frmMain") && f.app.window<frmMain>().isVisible(), mainShown);
    // Stored once a parent has been in; a child's login leaves it as it was.
    QCOMPARE(f.app.read(Sections::Config, ConfigKeys::ParentLoggedInBefore).text(),
             rights == QLatin1String("1") ? QStringLiteral("1") : before);
    if (!mainShown) return;
    // The next parent's login: as configured, the icon alone.
    f.app.window<frmMain>().close();
    QTest::qWait(0);
    f.app.model.endSession();
    f.app.model.beginSession();
    QVERIFY(!f.app.isLoaded("frmMain") || !f.app.window<frmMain>().isVisible());
}

void tst_frmSecret::trayMenu_data() {
    QTest::addColumn<QString>("who");
    QTest::addColumn<QStringList>("entries");
    const QString logOut = QStringLiteral("Log Out");
    QTest::newRow("parent") << "parent" << QStringList{"Open TimeWard", logOut};
    QTest::newRow("counted child") << "child" << QStringList{"My Time", "Ask for More Time…", logOut};
    QTest::newRow("unlimited child") << "unlimited" << QStringList{"My Time", logOut};
    QTest::newRow("nobody logged in") << "nobody" << QStringList{};
}

void tst_frmSecret::trayMenu() {
    // One list of entries, by who is logged in; each entry does what it says.
    QFETCH(QString, who);
    QFETCH(QStringList, entries);
    ControllerFixture f;
    f.set(UserKeys::ParentRights, who == QLatin1String("parent") ? "1" : "0");
    if (who == QLatin1String("unlimited")) f.setType(PeriodTypes::Unlimited);
    if (who == QLatin1String("nobody")) f.app.model.endSession();
    QCOMPARE(f.tp.tray.menuTexts(), entries);
    if (entries.isEmpty()) return;
    if (who == QLatin1String("parent")) {
        QVERIFY(f.tp.tray.choose(QStringLiteral("Open TimeWard")));
        QVERIFY(f.app.isLoaded("frmMain") && f.app.window<frmMain>().isVisible());
    } else {
        QVERIFY(f.tp.tray.choose(QStringLiteral("My Time")));
        QVERIFY(f.app.isLoaded("frmUS") && f.app.window<frmUS>().isVisible());
    }
    QVERIFY(f.tp.tray.choose(QStringLiteral("Log Out")));
    QVERIFY(!f.app.model.inSession());
    QVERIFY(f.app.isLoaded("frmLogin") && f.app.window<frmLogin>().isVisible());
    QVERIFY(f.tp.tray.menuTexts().isEmpty());
}

void tst_frmSecret::queryUnload_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("allowT");
    QTest::addColumn<QString>("allowW");
    QTest::addColumn<QString>("refusal");
    const int tm = frmSecret::vbAppTaskManager, ws = frmSecret::vbAppWindows, menu = frmSecret::vbFormControlMenu;
    QTest::newRow("task manager, refused") << tm << "1"
                                           << "0" << QString::fromLatin1(kTaskManagerRefusal);
    QTest::newRow("task manager, allowed") << tm << "0"
                                           << "1" << QString();
    QTest::newRow("desktop session end, refused") << ws << "0"
                                                  << "1" << QString::fromLatin1(kWindowsSessionRefusal);
    QTest::newRow("desktop session end, allowed") << ws << "1"
                                                  << "0" << QString();
    QTest::newRow("other close is never refused") << menu << "1"
                                                  << "1" << QString();
}

void tst_frmSecret::queryUnload() {
    QFETCH(int, mode);
    QFETCH(QString, allowT);
    QFETCH(QString, allowW);
    QFETCH(QString, refusal);
    ControllerFixture f;
    f.config(ConfigKeys::AllowT, allowT);
    f.app.write(Sections::Config, QStringLiteral("Alloww"), allowW); // key names match in any case
    const bool closed = f.secret.requestClose(frmSecret::UnloadMode(mode));
    QCOMPARE(closed, refusal.isEmpty());
    QCOMPARE(f.tp.messageBox.texts(), refusal.isEmpty() ? QStringList{} : QStringList{refusal});
    QCOMPARE(f.tp.process.exited(), closed);
    QCOMPARE(f.app.read(Sections::Config, ConfigKeys::ShutdownOK).text(), closed ? QStringLiteral("1") : QString());
    QCOMPARE(f.tp.tray.shown, !closed);
}

void tst_frmSecret::ddeLink_data() {
    QTest::addColumn<QString>("who"); // "parent", "child", "login window" or "nobody yet"
    QTest::addColumn<bool>("open");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("exits");
    QTest::newRow("open, parent") << "parent" << true << QString() << true;
    QTest::newRow("EXIT TW, parent") << "parent" << false << "EXIT TW" << true;
    QTest::newRow("other letter case") << "parent" << false << "Exit TW" << false;
    QTest::newRow("trailing blank") << "parent" << false << "EXIT TW " << false;
    QTest::newRow("other text") << "parent" << false << "HELLO" << false;
    QTest::newRow("open, child's session") << "child" << true << QString() << false;
    QTest::newRow("EXIT TW, child's session") << "child" << false << "EXIT TW" << false;
    QTest::newRow("open, login window") << "login window" << true << QString() << true;
    QTest::newRow("EXIT TW, login window") << "login window" << false << "EXIT TW" << true;
    QTest::newRow("open, nobody logged in yet") << "nobody yet" << true << QString() << true;
}

void tst_frmSecret::ddeLink() {
    // Nobody ends a child's session from outside: the exit link is refused and logged then;
    // the parent, the login window and a program nobody has logged in to accept it.
    QFETCH(QString, who);
    QFETCH(bool, open);
    QFETCH(QString, text);
    QFETCH(bool, exits);
    ControllerFixture f;
    if (who == QLatin1String("parent")) f.set(UserKeys::ParentRights, QStringLiteral("1"));
    if (who == QLatin1String("nobody yet")) f.app.CurrentUserNumber = 0;
    if (who == QLatin1String("login window")) f.app.window<frmLogin>().show();
    if (open)
        f.tp.dde.open();
    else
        f.tp.dde.send(text);
    QCOMPARE(f.tp.process.exited(), exits);
    const bool refused = who == QLatin1String("child") && (open || text == QLatin1String("EXIT TW"));
    QCOMPARE(f.logLines.filter(QStringLiteral("refused during anna's session.")).size(), refused ? 1 : 0);
}

void tst_frmSecret::timeOutReturnsToLogin() {
    ControllerFixture f;
    f.set(UserKeys::TakeAction, QStringLiteral("1"));
    f.set(UserKeys::TakeActionDo, QStringLiteral("display time ward login"));
    f.config(ConfigKeys::LogELogout, QStringLiteral("1"));
    f.config(ConfigKeys::TRWindow, QStringLiteral("1"));
    f.app.window<frmTRWindow>().showInCorner();
    f.app.window<frmMain>().show();
    f.setTime(QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("01"));
    f.app.model.ControllerTick();
    QCOMPARE(f.time(), QStringLiteral("00:00:00"));
    QVERIFY(!f.secret.T1->isActive());
    QVERIFY(!f.tp.tray.shown);
    QVERIFY(!f.app.isLoaded("frmMain") || !f.app.window<frmMain>().isVisible());
    QCOMPARE(f.logLines, QStringList{QStringLiteral("User anna logged out.")});
    QVERIFY(f.tp.systemExit.calls.isEmpty());
    // Further firings of a stopped timer do nothing: T1 is off.
}

void tst_frmSecret::sessionEndClosesEveryWindow_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("timeward /l") << "mailbox";
    QTest::newRow("main window's Login New User") << "menu";
    QTest::newRow("status window's End Session") << "status";
    QTest::newRow("time-out back to the login window") << "timeout";
}

void tst_frmSecret::sessionEndClosesEveryWindow() {
    QFETCH(QString, path);
    ControllerFixture f;
    App& app = f.app;
    f.set(UserKeys::ParentRights, QStringLiteral("1"));
    f.set(UserKeys::TakeAction, QStringLiteral("1"));
    f.set(UserKeys::TakeActionDo, QStringLiteral("Display Time Ward Login"));
    BringUpMainWindow(app);
    OpenUserEditorForUser(app, 1, &app.window<frmMain>());
    ShowOptions(app, &app.window<frmMain>());
    ShowPickUser(app, QStringLiteral("Edit User"), &app.window<frmMain>(), {});
    BringUpUserStatus(app);
    app.window<frmTRWindow>().showInCorner();
    const char* names[] = {"frmMain", "frmUserMenu", "frmOptions", "frmPickuser", "frmUS", "frmTRWindow"};
    QList<QPointer<QObject>> windows;
    for (const char* n : names) {
        QVERIFY2(app.isLoaded(n), n);
        windows << app.loadedWindow(n);
    }

    const auto endSession = [&] {
        if (path == QLatin1String("mailbox")) {
            f.post(MailboxKeys::Logout);
            f.secret.ReadMailbox();
        } else if (path == QLatin1String("menu")) {
            app.window<frmMain>().mnuLogin->trigger();
        } else if (path == QLatin1String("status")) {
            f.tp.messageBox.answers.enqueue(MsgAnswer::Yes);
            app.window<frmUS>().Command1->click();
        } else {
            f.setTime(QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("01"));
            f.app.model.ControllerTick();
        }
    };
    if (path == QLatin1String("mailbox") || path == QLatin1String("timeout")) {
        // The timers' paths also end a session whose free-time dialog waits for its answer.
        bool dialogClosed = false;
        QTimer::singleShot(0, [&] {
            endSession();
            dialogClosed = !QApplication::activeModalWidget();
            if (auto* open = QApplication::activeModalWidget()) open->hide(); // never hang the test
        });
        QVERIFY(!ModifyUserFreeTime(app, QStringLiteral("anna"), &app.window<frmMain>()));
        QVERIFY(dialogClosed);
    } else {
        endSession();
    }

    QVERIFY(!f.app.model.inSession());
    QVERIFY(app.window<frmLogin>().isVisible());
    for (const char* n : names)
        QVERIFY2(!app.isLoaded(n), n);
    for (const QPointer<QObject>& w : windows)
        QTRY_VERIFY(w.isNull());
    // Nobody is logged in: a second start brings no administration back.
    f.post(MailboxKeys::MainScreen);
    f.secret.ReadMailbox();
    QVERIFY(!app.isLoaded("frmMain") || !app.window<frmMain>().isVisible());
}

void tst_frmSecret::sessionEndDeclinesAWaitingQuestion_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("timeward /l") << "mailbox";
    QTest::newRow("time-out back to the login window") << "timeout";
}

// A parent leaves "Exit TimeWard?" open and the session ends under it: the question is
// declined, so whoever sits down next cannot answer it and end the program.
void tst_frmSecret::sessionEndDeclinesAWaitingQuestion() {
    QFETCH(QString, path);
    ControllerFixture f;
    QtMessageBox boxes;
    f.tp.platform.messageBox = &boxes;
    f.set(UserKeys::ParentRights, QStringLiteral("1"));
    f.set(UserKeys::TakeAction, QStringLiteral("1"));
    f.set(UserKeys::TakeActionDo, QStringLiteral("Display Time Ward Login"));
    f.set(UserKeys::DisplayMessage, QStringLiteral("0"));
    BringUpMainWindow(f.app);
    bool declinedUnderIt = false;
    QTimer::singleShot(0, [&] {
        QVERIFY(QApplication::activeModalWidget());
        if (path == QLatin1String("mailbox")) {
            f.post(MailboxKeys::Logout);
            f.secret.ReadMailbox();
        } else {
            f.setTime(QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("01"));
            f.app.model.ControllerTick();
        }
        declinedUnderIt = !QApplication::activeModalWidget();
        if (auto* open = QApplication::activeModalWidget()) open->hide(); // never hang the test
    });
    f.app.window<frmMain>().mnuExit->trigger();
    QVERIFY(declinedUnderIt);
    QVERIFY(!f.tp.process.exited());
    QVERIFY(f.tp.systemExit.calls.isEmpty());
    QVERIFY(!f.app.model.inSession());
    QVERIFY(f.app.window<frmLogin>().isVisible());
    f.tp.platform.messageBox = &f.tp.messageBox;
}

void tst_frmSecret::removedUserLeavesNameAndSelectionAgreeing_data() {
    QTest::addColumn<bool>("loginLoaded");
    QTest::newRow("login window loaded by the hand-over") << false;
    QTest::newRow("login window loaded before") << true;
}

// A one-time user removed at the time-out: the login window comes back with the first user
// both selected and shown in the name box.
void tst_frmSecret::removedUserLeavesNameAndSelectionAgreeing() {
    QFETCH(bool, loginLoaded);
    ControllerFixture f;
    f.addUser(QStringLiteral("Ben"), 2);
    f.setType(PeriodTypes::OneTime);
    f.set(UserKeys::OneTimeRemove, QStringLiteral("1"));
    f.set(UserKeys::TakeAction, QStringLiteral("1"));
    f.set(UserKeys::TakeActionDo, QStringLiteral("Display Time Ward Login"));
    if (loginLoaded) f.app.window<frmLogin>().hide();
    f.setTime(QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("01"));
    f.app.model.ControllerTick();
    QCOMPARE(f.app.read(Sections::User(1), UserKeys::Name).text(), QStringLiteral("Ben"));
    frmLogin& login = f.app.window<frmLogin>();
    QVERIFY(login.isVisible());
    QCOMPARE(login.cboUL->count(), 1);
    QCOMPARE(login.cboUL->currentIndex(), 0);
    QCOMPARE(login.cboUL->currentText(), QStringLiteral("Ben"));
}

void tst_frmSecret::timeRemainingWindow_data() {
    QTest::addColumn<QString>("loc");
    QTest::addColumn<QPoint>("at");
    const int right = 1024 - frmTRWindow::kWidth, bottom = 768 - frmTRWindow::kHeight - frmTRWindow::kBottomMargin;
    QTest::newRow("0 top left") << "0" << QPoint(0, 0);
    QTest::newRow("1 top right") << "1" << QPoint(right, 0);
    // The corners the Preferences dialog's picture shows for each choice.
    QTest::newRow("2 bottom right") << "2" << QPoint(right, bottom);
    QTest::newRow("3 bottom left") << "3" << QPoint(0, bottom);
    QTest::newRow("other values as 0") << "7" << QPoint(0, 0);
    QTest::newRow("missing as 0") << "" << QPoint(0, 0);
}

void tst_frmSecret::timeRemainingWindow() {
    QFETCH(QString, loc);
    QFETCH(QPoint, at);
    SessionFixture f;
    f.config(ConfigKeys::TWLoc, loc);
    frmTRWindow& w = f.app.window<frmTRWindow>();
    w.showInCorner();
    QCOMPARE(w.pos(), at);
    QCOMPARE(w.size(), QSize(125, 75));
    QVERIFY(w.isVisible());
    QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(w.windowTitle(), QStringLiteral("TimeWard"));
    QCOMPARE(w.Label1->text(), QStringLiteral("Time Remaining"));
    f.set(UserKeys::TimeBasedOn, QStringLiteral("Unlimited"));
    w.ShowTimeLeft();
    QCOMPARE(w.Label2->text(), QStringLiteral("Unlimited"));
}

TW_TEST(tst_frmSecret)
void tst_frmSecret::countingOffIsNeverCharged() {
    // Two minutes with counting off ("Enabled" unticked in the main window) are not charged
    // when it is ticked again, and no heartbeat says a session runs meanwhile.
    ControllerFixture f;
    f.tick();
    QCOMPARE(f.time(), QStringLiteral("02:05:06"));
    QVERIFY(!f.app.read(f.user(), UserKeys::LastTickBoot).isAbsent());
    f.app.model.setCountingEnabled(false);
    QVERIFY(f.app.read(f.user(), UserKeys::LastTickBoot).isAbsent());
    f.tp.clock.advance(120);
    f.app.model.setCountingEnabled(true);
    f.tp.clock.advance(1);
    f.app.model.ControllerTick();
    QCOMPARE(f.time(), QStringLiteral("02:05:05"));
    f.secret.T1->stop();
}

void tst_frmSecret::orderlyEndChargesTheStop() {
    // A copy stopped for a while and then ended in order (SIGTERM, /q from a parent) pays the
    // stop before it goes, and leaves no open session behind.
    ControllerFixture f;
    f.tick();
    f.tp.clock.advance(50);
    ShutDownProgram(f.app);
    QVERIFY(f.tp.process.exited());
    QCOMPARE(f.time(), QStringLiteral("02:04:16"));
    QVERIFY(f.app.read(f.user(), UserKeys::LastTickBoot).isAbsent());
}

#include "tst_frmSecret.moc"
