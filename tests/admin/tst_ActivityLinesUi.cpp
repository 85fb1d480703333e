#include "../login/LoginFixture.h"
#include "TestRegistry.h"
#include "admin/UserAdmin.h"
#include "admin/frmOptions.h"
#include "admin/frmPassChange.h"
#include "admin/frmUserMenu.h"
#include "login/LoginValidation.h"
#include "login/frmLogin.h"
#include "program/frmSecret.h"
#include "timekeeping/TimeOut.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

// The activity log names who did what: a parent's changes by the parent's name, a child's
// refused logins and time-outs by the child's.
class tst_ActivityLines : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void line_data();
    void line();

private:
    QTemporaryDir m_xdg; // the preferences' save registers the program with the desktop here
    QByteArray m_oldHome, m_oldDirs;
};

void tst_ActivityLines::initTestCase() {
    m_oldHome = qgetenv("XDG_CONFIG_HOME");
    m_oldDirs = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_HOME", m_xdg.filePath("home").toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", m_xdg.filePath("etc").toLocal8Bit());
}

void tst_ActivityLines::cleanupTestCase() {
    m_oldHome.isEmpty() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", m_oldHome);
    m_oldDirs.isEmpty() ? qunsetenv("XDG_CONFIG_DIRS") : qputenv("XDG_CONFIG_DIRS", m_oldDirs);
}

void tst_ActivityLines::line_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("line"); // empty: nothing is logged
    QTest::newRow("parent changes a child's password") << "password"
                                                       << "Ann changed Bob's password";
    QTest::newRow("child changes the own password") << "own password"
                                                    << "Bob changed their own password";
    QTest::newRow("parent saves the preferences") << "preferences"
                                                  << "Ann changed the preferences";
    QTest::newRow("parent adds a user") << "add"
                                        << "Ann added user Cy";
    QTest::newRow("parent changes a user") << "edit"
                                           << "Ann changed Bob's settings";
    QTest::newRow("parent deletes a user") << "delete"
                                           << "Ann deleted user Bob";
    QTest::newRow("parent keeps the user after all") << "delete, No"
                                                     << "";
    QTest::newRow("refused, no time left") << "login, no time"
                                           << "Bob was refused: no time left";
    QTest::newRow("refused, hours") << "login, hours"
                                    << "Bob was refused: logins are not allowed at this hour";
    QTest::newRow("refused, wrong password") << "login, wrong password"
                                             << "Bob was refused: wrong password";
    QTest::newRow("refused, spent list password") << "login, spent password"
                                                  << "Bob was refused: that password of the list was used already";
    QTest::newRow("time-out, login window") << "time-out, Display Time Ward Login"
                                            << "Bob's time ran out; back to the login window";
    QTest::newRow("time-out, power off") << "time-out, ShutDown Windows"
                                         << "Bob's time ran out; the computer is switched off";
    QTest::newRow("time-out, no end action") << "time-out"
                                             << "Bob's time ran out; no end action is set";
    // Two lines, split at the bar.
    QTest::newRow("time-out of a one-time user")
        << "time-out, one time"
        << "Bob's time ran out; no end action is set|Bob was removed: a one-time user whose time ran out";
}

void tst_ActivityLines::line() {
    QFETCH(QString, action);
    QFETCH(QString, line);
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("a"), {{UserKeys::ParentRights, "1"}});
    addUser(app, 2, QStringLiteral("Bob"), QStringLiteral("b"));
    for (const QString& key : {ConfigKeys::LogEnable, ConfigKeys::LogTS, ConfigKeys::LogEConfig, ConfigKeys::LogELogin,
                               ConfigKeys::LogETimeouts})
        app.write(Sections::Config, key, "1");
    QStringList log;
    QObject::connect(&app.model, &SessionModel::logLine, &app.model, [&](const QString& l) { log << l; });
    app.window<frmSecret>(); // the controller carries out the end actions
    // Ann is at the administration unless the row logs somebody else in.
    app.sessionUserName = QStringLiteral("Ann");
    app.CurrentUserNumber = 1;

    const auto login = [&](const QString& password) {
        ShowLoginForNextUser(app, QStringLiteral("Bob"));
        frmLogin& w = app.window<frmLogin>();
        w.cboUL->setCurrentIndex(w.cboUL->findText(QStringLiteral("Bob")));
        w.txtPW->setText(password);
        w.Command1->click();
    };
    frmUserMenu& ed = app.window<frmUserMenu>();
    if (action == QLatin1String("password")) {
        ed.openForUser(2, nullptr);
        ed.Command1->click();
        frmPassChange& dlg = app.window<frmPassChange>();
        dlg.txtOldPass->setText(QStringLiteral("b"));
        dlg.txtNewPass->setText(QStringLiteral("new"));
        dlg.txtRCPass->setText(QStringLiteral("new"));
        dlg.cmdOk->click();
    } else if (action == QLatin1String("own password")) {
        app.sessionUserName = QStringLiteral("Bob");
        app.CurrentUserNumber = 2;
        ChangeOwnPassword(app, nullptr);
        frmPassChange& dlg = app.window<frmPassChange>();
        dlg.txtOldPass->setText(QStringLiteral("b"));
        dlg.txtNewPass->setText(QStringLiteral("new"));
        dlg.txtRCPass->setText(QStringLiteral("new"));
        dlg.cmdOk->click();
    } else if (action == QLatin1String("preferences")) {
        frmOptions& f = app.window<frmOptions>();
        QVERIFY(f.LoadOptions());
        QVERIFY(f.SaveOptions());
    } else if (action == QLatin1String("add")) {
        ed.openForNewUser(false, nullptr);
        ed.txtUserName->setText(QStringLiteral("Cy"));
        ed.txtPW->setText(QStringLiteral("c"));
        ed.cboBasedOn->setCurrentIndex(ed.cboBasedOn->findData(PeriodTypes::Unlimited));
        ed.cmdOk->click();
        QCOMPARE(FindUserByName(app, QStringLiteral("Cy")), 3);
    } else if (action == QLatin1String("edit")) {
        ed.openForUser(2, nullptr);
        ed.txtNotes->setPlainText(QStringLiteral("likes chess"));
        ed.cmdOk->click();
    } else if (action.startsWith(QLatin1String("delete"))) {
        tp.messageBox.answers.enqueue(action.endsWith(QLatin1String("No")) ? MsgAnswer::No : MsgAnswer::Yes);
        AskAndDeleteUser(app, QStringLiteral("bob"));
    } else if (action == QLatin1String("login, no time")) {
        for (const QString& key : {UserKeys::FreeHours, UserKeys::FreeMin, UserKeys::FreeSec})
            app.write(Sections::User(2), key, "00");
        login(QStringLiteral("b"));
    } else if (action == QLatin1String("login, hours")) {
        tp.clock.set(QDateTime(tp.clock.today(), QTime(12, 0)));
        const QString bob = Sections::User(2);
        app.write(bob, UserKeys::TimeRestriction, "1");
        app.write(bob, UserKeys::TimeRestrictionAmmt, "1");
        app.write(bob, UserKeys::TimeRestBegin(0), "8");
        app.write(bob, UserKeys::TimeRestEnd(0), "17");
        app.write(bob, UserKeys::TimeRestType(0), "Deny");
        login(QStringLiteral("b"));
    } else if (action == QLatin1String("login, wrong password")) {
        login(QStringLiteral("x"));
    } else if (action == QLatin1String("login, spent password")) {
        setPasswordList(app, 2, {QStringLiteral("one"), QStringLiteral("two")},
                        {QStringLiteral("1"), QStringLiteral("0")});
        login(QStringLiteral("one"));
    } else if (action.startsWith(QLatin1String("time-out"))) {
        QVERIFY(ValidateLogin(app, QStringLiteral("Bob"), QStringLiteral("b")).accepted);
        app.model.beginSession();
        QString endAction = action.section(QStringLiteral(", "), 1);
        if (endAction == QLatin1String("one time")) {
            app.write(Sections::User(2), UserKeys::TimeBasedOn, PeriodTypes::OneTime);
            app.write(Sections::User(2), UserKeys::OneTimeRemove, "1");
            endAction.clear();
        }
        app.write(Sections::User(2), UserKeys::TakeAction, endAction.isEmpty() ? "0" : "1");
        app.write(Sections::User(2), UserKeys::TakeActionDo, endAction);
        log.clear();
        HandleTimeOut(app);
    } else {
        QFAIL(qPrintable("no such action: " + action));
    }
    QCOMPARE(log.filter(QRegularExpression(QStringLiteral("^(Ann|Bob|A login|The first)"))),
             line.isEmpty() ? QStringList{} : line.split(QLatin1Char('|')));
    // Nothing a parent did reads as the child's doing, nor the other way round.
    QVERIFY(log.filter(QStringLiteral("User 2")).isEmpty());
}

TW_TEST(tst_ActivityLines)
#include "tst_ActivityLinesUi.moc"
