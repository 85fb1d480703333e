#include "LoginFixture.h"
#include "TestRegistry.h"
#include "login/frmLogin.h"
#include "program/StartUp.h"
#include "program/frmAbout.h"
#include "program/frmMain.h"
#include "program/frmSecret.h"
#include "storage/ActivityLog.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <csignal>

using namespace ConfigKeys;

namespace {
// Counts the events of one key that reach a widget (the test also presses the modifier keys).
class KeyProbe final : public QObject {
public:
    explicit KeyProbe(int key) : m_key(key) {}
    int seen = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if ((e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) &&
            static_cast<QKeyEvent*>(e)->key() == m_key)
            ++seen;
        return false;
    }

private:
    int m_key;
};

void logToFile(TestPlatform& tp, const QString& file) {
    App& app = *tp.app;
    app.write(Sections::Config, LogEnable, "1");
    app.write(Sections::Config, LogTimeStamp, "0");
    app.write(Sections::Config, LogTFOn, "1");
    app.write(Sections::Config, LogTFFile, file);
}

frmLogin& showLogin(TestPlatform& tp) {
    tp.app->window<frmSecret>(); // the controller, which brings up the tray icon of a session
    ShowLoginWindow(*tp.app, false);
    return tp.app->window<frmLogin>();
}

QString stateFile(TestPlatform& tp) {
    QFile f(tp.dataFile(QStringLiteral("restrictions.state")));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
} // namespace

class tst_frmLogin : public QObject {
    Q_OBJECT
private slots:
    void controlsAndCaptions();
    void setUpFillsAndPreselects_data();
    void setUpFillsAndPreselects();
    void typedNameFindsItsUser_data();
    void typedNameFindsItsUser();
    void countdownRunsOut_data();
    void countdownRunsOut();
    void countdownReadsWholeSeconds_data();
    void countdownReadsWholeSeconds();
    void forceLoginCoversTheScreen();
    void keyFilter_data();
    void keyFilter();
    void closeRequestsAreRefused_data();
    void closeRequestsAreRefused();
    void gateHoldsInputUntilLogin_data();
    void gateHoldsInputUntilLogin();
    void successfulLogin_data();
    void successfulLogin();
    void otherRightsValueStartsNoSession();
    void startUpShowsLoginWindow_data();
    void startUpShowsLoginWindow();
};

void tst_frmLogin::controlsAndCaptions() {
    TestPlatform tp;
    frmLogin& w = showLogin(tp);
    QCOMPARE(w.windowTitle(), QStringLiteral("Time Ward Login"));
    QCOMPARE(w.findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(), QStringLiteral("User Login"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lblL"))->text().remove(QLatin1Char('&')),
             QStringLiteral("Login Name:"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Label1"))->text().remove(QLatin1Char('&')),
             QStringLiteral("Password:"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("Seconds To Login"));
    QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QStringLiteral("Login"));
    for (const char* name : {"Picture1", "cboUL", "txtPW", "lblInfo", "txtLoginSecs"})
        QVERIFY2(w.findChild<QWidget*>(QLatin1String(name)), name);
    QVERIFY(w.findChild<QTimer*>(QStringLiteral("T1")));
    QCOMPARE(w.txtPW->echoMode(), QLineEdit::Password);
    // Without the countdown its box and label are hidden.
    QVERIFY(!w.txtLoginSecs->isVisible());
    QVERIFY(!w.Label2->isVisible());
    QVERIFY(!w.T1->isActive());
}

void tst_frmLogin::setUpFillsAndPreselects_data() {
    QTest::addColumn<QStringList>("users");
    QTest::addColumn<QString>("currUser");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("selected");
    const QStringList three = {"Ann", "Bob", "Cy"};
    QTest::newRow("last user preselected") << three << "Bob"
                                           << "Bob" << 1;
    QTest::newRow("last user gone") << three << "Dan"
                                    << "Ann" << 0;
    QTest::newRow("no last user") << three << ""
                                  << "Ann" << 0;
    QTest::newRow("empty table") << QStringList{} << "Bob"
                                 << "" << -1;
}

void tst_frmLogin::setUpFillsAndPreselects() {
    QFETCH(QStringList, users);
    QFETCH(QString, currUser);
    QFETCH(QString, shown);
    QFETCH(int, selected);
    TestPlatform tp;
    for (int i = 0; i < users.size(); ++i)
        addUser(*tp.app, i + 1, users[i], QStringLiteral("pw"));
    tp.app->write(Sections::Config, CurrUser, currUser);
    tp.app->write(Sections::Config, DisableTaskbar, "1");
    frmLogin& w = showLogin(tp);
    QApplication::setActiveWindow(&w);
    QStringList entries;
    for (int i = 0; i < w.cboUL->count(); ++i)
        entries << w.cboUL->itemText(i);
    QCOMPARE(entries, users);
    QCOMPARE(w.cboUL->currentText(), shown);
    QCOMPARE(w.listIndex(), selected);
    QVERIFY(w.isVisible());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.cboUL));
    // The login screen's restrictions are in force.
    QVERIFY(stateFile(tp).contains(QStringLiteral("[DisableZ]\nClass=DisablePro.Disable\nTag=\nMember0=False\n"
                                                  "Member1=False\nMember2=False\nMember3=False\nMember4=False\n"
                                                  "Member5=False\nMember6=False\nMember7=False\nMember8=True\n")));
    if (users.isEmpty()) {
        w.txtPW->setText(QStringLiteral("pw"));
        w.Command1->click();
        QCOMPARE(w.lblInfo->text(), QStringLiteral("Please select a user first"));
    }
}

void tst_frmLogin::typedNameFindsItsUser_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("user"); // 0: refused with message
    QTest::addColumn<QString>("message");
    QTest::newRow("lower case child") << "bob"
                                      << "b" << 2 << "";
    QTest::newRow("upper case child") << "BOB"
                                      << "b" << 2 << "";
    QTest::newRow("lower case parent") << "ann"
                                       << "a" << 1 << "";
    QTest::newRow("upper case parent") << "ANN"
                                       << "a" << 1 << "";
    QTest::newRow("other case, wrong password") << "bob"
                                                << "wrong" << 0 << "Invalid Password!";
    QTest::newRow("exact, wrong password") << "Bob"
                                           << "wrong" << 0 << "Invalid Password!";
    QTest::newRow("unknown") << "Zed"
                             << "b" << 0 << "Please select a user first";
}

void tst_frmLogin::typedNameFindsItsUser() {
    QFETCH(QString, typed);
    QFETCH(QString, password);
    QFETCH(int, user);
    QFETCH(QString, message);
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("a"), {{UserKeys::ParentRights, "1"}});
    addUser(app, 2, QStringLiteral("Bob"), QStringLiteral("b"));
    frmLogin& w = showLogin(tp);
    w.cboUL->lineEdit()->selectAll();
    QTest::keyClicks(w.cboUL->lineEdit(), typed);
    QTest::keyClicks(w.txtPW, password);
    w.Command1->click();
    if (user != 0) {
        QCOMPARE(app.CurrentUserNumber, qint16(user));
        QCOMPARE(app.read(Sections::Config, CurrUser).text(),
                 user == 1 ? QStringLiteral("Ann") : QStringLiteral("Bob"));
        QVERIFY(!w.isVisible());
        return;
    }
    QCOMPARE(w.lblInfo->text(), message);
    // The message can be read: the window grew to a whole line for it.
    QCoreApplication::processEvents();
    QVERIFY(w.lblInfo->isVisible());
    QVERIFY2(w.lblInfo->height() >= w.lblInfo->fontMetrics().height(),
             qPrintable(QString::number(w.lblInfo->height())));
    QVERIFY(w.rect().contains(QRect(w.lblInfo->mapTo(&w, QPoint(0, 0)), w.lblInfo->size())));
    QCOMPARE(w.txtPW->text(), password); // the password box is not cleared
    // Choosing an entry selects it and moves on to the password.
    QApplication::setActiveWindow(&w);
    w.cboUL->activated(1);
    QCOMPARE(w.listIndex(), 1);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.txtPW));
}

void tst_frmLogin::countdownRunsOut_data() {
    QTest::addColumn<QString>("secs");
    QTest::addColumn<QString>("action"); // null: the key is missing
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QList<unsigned>>("exits");
    const QStringList countdown = {"2", "1", "0"};
    const QString runOut = QStringLiteral("The login timer has run out!");
    QTest::newRow("shut down") << "3"
                               << "ShutDown Windows" << countdown
                               << QStringList{runOut, "Now Powering Off The Computer..."} << QList<unsigned>{1};
    QTest::newRow("restart windows") << "3"
                                     << "Restart Windows" << countdown
                                     << QStringList{runOut, "Now Logging Out Of The Desktop..."}
                                     << QList<unsigned>{0x42};
    QTest::newRow("restart computer") << "3"
                                      << "Restart Computer" << countdown
                                      << QStringList{runOut, "Now Re-Booting The Computer..."} << QList<unsigned>{2};
    QTest::newRow("missing action shuts down")
        << "3" << QString() << countdown << QStringList{runOut, "Now Powering Off The Computer..."}
        << QList<unsigned>{1};
    QTest::newRow("lower case: no action")
        << "3"
        << "restart windows" << countdown << QStringList{runOut} << QList<unsigned>{};
}

void tst_frmLogin::countdownReadsWholeSeconds_data() {
    QTest::addColumn<QString>("secs");
    QTest::addColumn<QString>("start");
    for (const char* whole : {"5", " 7 ", "+9"})
        QTest::newRow(whole) << whole << QString::number(QString::fromLatin1(whole).trimmed().toInt());
    for (const char* bad : {"60s", "1e3", "-5", "0", "2.5", "abc", ""})
        QTest::newRow(bad[0] ? bad : "empty") << bad << "60";
}

void tst_frmLogin::countdownReadsWholeSeconds() {
    // A typo in the countdown's length never runs it out at once (and its end action with it):
    // the default minute runs instead, and the activity log names the key once.
    QFETCH(QString, secs);
    QFETCH(QString, start);
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("a"));
    app.write(Sections::Config, LogEnable, "1");
    app.write(Sections::Config, LogTS, "1");
    app.write(Sections::Config, LoginTimer, "1");
    app.write(Sections::Config, LoginTimerSecs, secs);
    frmLogin& w = showLogin(tp);
    QCOMPARE(w.txtLoginSecs->text(), start);
    w.T1_Timer();
    QCOMPARE(w.txtLoginSecs->text(), QString::number(start.toInt() - 1));
    QVERIFY(w.T1->isActive());
    QVERIFY(tp.messageBox.shown.isEmpty());
    QVERIFY(tp.systemExit.calls.isEmpty());
    w.LoginNewUser(); // the window comes back for the next user
    QCOMPARE(w.txtLoginSecs->text(), start);
    const bool bad = start != secs.trimmed().remove(QLatin1Char('+'));
    QCOMPARE(LastingLogTail(tp.platform.paths, 50).filter(QStringLiteral("LoginTimerSecs")).size(), bad ? 1 : 0);
}

void tst_frmLogin::countdownRunsOut() {
    QFETCH(QString, secs);
    QFETCH(QString, action);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, boxes);
    QFETCH(QList<unsigned>, exits);
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("a"));
    app.write(Sections::Config, LoginTimer, "1");
    app.write(Sections::Config, LoginTimerSecs, secs);
    if (!action.isNull()) app.write(Sections::Config, LoginTimerTA, action);
    frmLogin& w = showLogin(tp);
    QCOMPARE(w.txtLoginSecs->text(), secs);
    QVERIFY(w.txtLoginSecs->isVisible() && w.Label2->isVisible());
    QVERIFY(w.T1->isActive());
    QCOMPARE(w.T1->interval(), 1000);
    QStringList seen;
    for (int i = 0; i < shown.size(); ++i) {
        QVERIFY(tp.messageBox.shown.isEmpty());
        w.T1_Timer();
        seen << w.txtLoginSecs->text();
    }
    QCOMPARE(seen, shown);
    QVERIFY(!w.T1->isActive());
    QCOMPARE(tp.messageBox.texts(), boxes);
    QCOMPARE(tp.messageBox.shown.first().title, QStringLiteral("Timer Ran Out"));
    QCOMPARE(tp.messageBox.shown.first().icon, MsgIcon::Exclamation);
    QVERIFY(tp.messageBox.shown.first().systemModal);
    if (boxes.size() > 1) {
        QCOMPARE(tp.messageBox.shown.last().title, QStringLiteral("TimeWard"));
        QCOMPARE(tp.messageBox.shown.last().icon, MsgIcon::Information);
    }
    QCOMPARE(tp.systemExit.calls, exits);
    QVERIFY(w.isVisible());
}

void tst_frmLogin::forceLoginCoversTheScreen() {
    TestPlatform tp;
    tp.screen.rect = QRect(0, 0, 1280, 800);
    tp.app->write(Sections::Config, ForceLogin, "1");
    tp.app->write(Sections::Config, AutoCenterWindows, "1");
    frmLogin& w = showLogin(tp);
    // Exactly the screen, without a frame around it.
    QCOMPARE(w.geometry(), QRect(0, 0, 1280, 800));
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(w.isVisible());
    const auto centred = [&w] {
        const QRect panel = w.Picture1->geometry();
        return panel.topLeft() == QPoint((w.width() - panel.width()) / 2, (w.height() - panel.height()) / 2);
    };
    QVERIFY(centred());
    // A desktop that gives it another size (a panel of its own at an edge) keeps it centred.
    w.resize(1280, 760);
    QVERIFY(centred());
    // The window gives its place above the others up when a user is in.
    addUser(*tp.app, 1, QStringLiteral("Ann"), QStringLiteral("a"));
    w.LoginNewUser();
    w.txtPW->setText(QStringLiteral("a"));
    w.Command1->click();
    QVERIFY(!(w.windowFlags() & (Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint)));
}

void tst_frmLogin::keyFilter_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("swallowed");
    QTest::newRow("Ctrl+Esc") << int(Qt::Key_Escape) << int(Qt::ControlModifier) << true;
    QTest::newRow("Alt+Esc") << int(Qt::Key_Escape) << int(Qt::AltModifier) << true;
    QTest::newRow("Alt+Shift") << int(Qt::Key_Shift) << int(Qt::AltModifier) << true;
    QTest::newRow("Shift alone") << int(Qt::Key_Shift) << int(Qt::NoModifier) << false;
    QTest::newRow("Esc alone") << int(Qt::Key_Escape) << int(Qt::NoModifier) << false;
    QTest::newRow("Alt+F4 is the close request's business") << int(Qt::Key_F4) << int(Qt::AltModifier) << false;
}

void tst_frmLogin::keyFilter() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, swallowed);
    TestPlatform tp;
    frmLogin& w = showLogin(tp);
    // The password box passes keys it has no use for up to its parents; the probe sits there.
    KeyProbe probe(key);
    w.Frame1->installEventFilter(&probe);
    KeyProbe window(key);
    w.installEventFilter(&window);
    const auto k = static_cast<Qt::Key>(key);
    const auto m = Qt::KeyboardModifiers(modifiers);
    for (QWidget* target : {static_cast<QWidget*>(w.txtPW), static_cast<QWidget*>(w.txtLoginSecs)}) {
        probe.seen = 0;
        QTest::keyPress(target, k, m);
        QTest::keyRelease(target, k, m);
        QCOMPARE(probe.seen == 0, swallowed);
    }
    // Keys sent to the window itself.
    window.seen = 0;
    QTest::keyPress(&w, k, m);
    QTest::keyRelease(&w, k, m);
    QCOMPARE(window.seen, 2); // the window sees them; the filter is what answers
    QCOMPARE(frmLogin::isFilteredKey(key, m), swallowed);
    QVERIFY(w.isVisible());
}

void tst_frmLogin::closeRequestsAreRefused_data() {
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("allowT");
    QTest::addColumn<bool>("message");
    QTest::newRow("close box") << "close"
                               << "0" << false;
    QTest::newRow("window manager's close (WM_DELETE_WINDOW, Alt+F4)") << "window"
                                                                       << "1" << false;
    QTest::newRow("end-task, AllowT 0") << "SIGTERM"
                                        << "0" << true;
    QTest::newRow("end-task, AllowT 1") << "SIGTERM"
                                        << "1" << true;
    QTest::newRow("Ctrl+C, AllowT 0") << "SIGINT"
                                      << "0" << true;
}

void tst_frmLogin::closeRequestsAreRefused() {
    QFETCH(QString, request);
    QFETCH(QString, allowT);
    QFETCH(bool, message);
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::Config, AllowT, allowT);
    addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("a"));
    app.window<frmSecret>().openLinks(); // the end-task signals reach the controller window
    frmLogin& w = showLogin(tp);
    if (request == QLatin1String("close"))
        QVERIFY(!w.close());
    else if (request == QLatin1String("window"))
        QVERIFY(!w.windowHandle()->close());
    else
        ::raise(request == QLatin1String("SIGTERM") ? SIGTERM : SIGINT);
    const QStringList expected =
        message ? QStringList{QStringLiteral("You cannot close this form using Task Manager.")} : QStringList{};
    QTRY_COMPARE(tp.messageBox.texts(), expected);
    QVERIFY(!tp.process.exited());
    QVERIFY(w.isVisible());
    // The gate still works: the next user logs in.
    w.txtPW->setText(QStringLiteral("a"));
    w.Command1->click();
    QVERIFY(app.model.inSession());
    QVERIFY(app.window<frmSecret>().T1->isActive());
}

void tst_frmLogin::gateHoldsInputUntilLogin_data() {
    QTest::addColumn<QString>("when");
    QTest::addColumn<bool>("refused");
    QTest::newRow("start-up") << "start" << false;
    QTest::newRow("after a logout") << "logout" << false;
    QTest::newRow("time-out back to the login window") << "timeout" << false;
    QTest::newRow("another program keeps the grab") << "start" << true;
    QTest::newRow("another program keeps the grab at a time-out") << "timeout" << true;
}

void tst_frmLogin::gateHoldsInputUntilLogin() {
    QFETCH(QString, when);
    QFETCH(bool, refused);
    TestPlatform tp;
    App& app = *tp.app;
    const QString log = tp.dataFile(QStringLiteral("activity.log"));
    logToFile(tp, log);
    tp.inputGrab.refuse = refused;
    addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("a"),
            {{UserKeys::TakeAction, "1"}, {UserKeys::TakeActionDo, "Display Time Ward Login"}});
    const auto logIn = [&] {
        frmLogin& w = app.window<frmLogin>();
        w.txtPW->setText(QStringLiteral("a"));
        w.Command1->click();
        QVERIFY(app.model.inSession());
        QVERIFY(!tp.inputGrab.held());
        QCOMPARE(tp.inputGrab.ops.last(), QStringLiteral("release"));
        QTRY_VERIFY(!app.isLoaded("frmLogin"));
    };
    showLogin(tp);
    if (when != QLatin1String("start")) {
        logIn();
        if (when == QLatin1String("logout")) {
            app.write(Sections::Communication, MailboxKeys::Logout, true);
            app.window<frmSecret>().ReadMailbox();
        } else {
            app.write(Sections::User(1), UserKeys::FreeHours, "0");
            app.write(Sections::User(1), UserKeys::FreeMin, "0");
            app.write(Sections::User(1), UserKeys::FreeSec, "1");
            app.model.ControllerTick();
            app.write(Sections::User(1), UserKeys::FreeHours, "1"); // a new allowance for the next login
        }
        QVERIFY(app.window<frmLogin>().isVisible());
    }
    frmLogin& w = app.window<frmLogin>();
    QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(tp.inputGrab.holder, refused ? nullptr : &w);
    const QStringList lines = tp.fileLines(log);
    // Kept from the input, the gate cannot close: the desktop session is ended instead, and the
    // log says why.
    const bool saysEnded = !lines.isEmpty() && lines.last().contains(QStringLiteral("the desktop session is ended"));
    QCOMPARE(saysEnded, refused);
    QCOMPARE(tp.systemExit.calls.contains(SystemExit::Logoff), refused);
    // Open or held, the program goes on: the next user logs in.
    logIn();
}

void tst_frmLogin::successfulLogin_data() {
    QTest::addColumn<QString>("rights");
    QTest::newRow("parent") << "1";
    QTest::newRow("child") << "0";
}

void tst_frmLogin::successfulLogin() {
    QFETCH(QString, rights);
    TestPlatform tp;
    App& app = *tp.app;
    const QString log = tp.dataFile(QStringLiteral("activity.log"));
    logToFile(tp, log);
    app.write(Sections::Config, DisableRunDesktop, "1");
    app.write(Sections::Security, SecurityKeys::StartMenu[0], "1"); // StartRun
    addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("a"));
    addUser(app, 2, QStringLiteral("Bob"), QStringLiteral("Pw"),
            {{UserKeys::ParentRights, rights}, {UserKeys::LoginWTTL, "1"}, {UserKeys::LoginWTTLText, "#$number"}});
    frmLogin& w = showLogin(tp);
    w.setListIndex(1);
    w.txtPW->setText(QStringLiteral("Pw"));
    w.Command1->click();

    QCOMPARE(app.read(Sections::Config, CurrUser).text(), QStringLiteral("Bob"));
    QCOMPARE(app.CurrentUserNumber, qint16(2));
    QCOMPARE(tp.fileLines(log),
             (QStringList{"\"User Bob logging in.\"", "\"#2\"", "\"User Bob logged in successfully.\""}));
    QCOMPARE(tp.tray.ops, QStringList{QStringLiteral("add:User: Bob Time Left: 1:00:00")});
    QVERIFY(app.window<frmSecret>().T1->isActive());
    QVERIFY(!w.isVisible());
    const QString states = stateFile(tp);
    QVERIFY(states.contains(QStringLiteral("Member5=True")));
    QVERIFY(states.contains(QStringLiteral("[DisableStartMenu1]\nClass=DisablePro.DisableStartMenu\nTag=\n"
                                           "Member0=False\nMember1=False\nMember2=False\nMember3=False\n"
                                           "Member4=True\n")));
    QTRY_VERIFY(!app.isLoaded("frmLogin"));
}

void tst_frmLogin::otherRightsValueStartsNoSession() {
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("a"), {{UserKeys::ParentRights, "2"}});
    frmLogin& w = showLogin(tp);
    w.txtPW->setText(QStringLiteral("a"));
    w.Command1->click();
    QCOMPARE(app.read(Sections::Config, CurrUser).text(), QStringLiteral("Ann"));
    QVERIFY(tp.tray.ops.isEmpty());
    QVERIFY(!app.window<frmSecret>().T1->isActive());
    QVERIFY(w.isVisible());
    QTest::qWait(0);
    QVERIFY(app.isLoaded("frmLogin"));
}

void tst_frmLogin::startUpShowsLoginWindow_data() {
    QTest::addColumn<QString>("splash");
    QTest::newRow("without splash") << "0";
    QTest::newRow("after the splash") << "1";
}

void tst_frmLogin::startUpShowsLoginWindow() {
    QFETCH(QString, splash);
    TestPlatform tp;
    App& app = *tp.app;
    const QString log = tp.dataFile(QStringLiteral("activity.log"));
    logToFile(tp, log);
    app.write(Sections::Config, LoadedBefore, "1");
    app.write(Sections::Config, ShowSplash, splash);
    addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("a"));
    StartUpResident(app);
    if (splash == QLatin1String("1")) {
        QVERIFY(!app.isLoaded("frmLogin"));
        QVERIFY(app.window<frmAbout>().isVisible());
        QVERIFY(app.window<frmMain>().T2->isActive());
        t2_Timer(app);
        QVERIFY(!app.isLoaded("frmAbout"));
        QCOMPARE(tp.fileLines(log), QStringList{QStringLiteral("\"TimeWard Started.\"")});
    } else {
        QVERIFY(tp.fileLines(log).isEmpty());
    }
    QVERIFY(app.isLoaded("frmLogin"));
    QVERIFY(app.window<frmLogin>().isVisible());
    QCOMPARE(app.window<frmLogin>().cboUL->currentText(), QStringLiteral("Ann"));
}

TW_TEST(tst_frmLogin)
#include "tst_frmLogin.moc"
