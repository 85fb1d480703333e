#include "SessionFixture.h"
#include "TestRegistry.h"
#include "program/RequestsView.h"
#include "program/frmMain.h"
#include "program/frmSecret.h"
#include "timekeeping/Requests.h"
#include "timekeeping/SessionClock.h"
#include "timekeeping/frmAskMoreTime.h"
#include "timekeeping/frmUS.h"
#include "users/UserTable.h"

#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {
// Bob (daily, 0:45:10 left) logged in on the controller window with the clock running, and
// a parent Ann; logging on.
struct RequestSession : SessionFixture {
    frmSecret& secret;
    QStringList logLines;

    explicit RequestSession(bool parentLoggedIn = false)
        : SessionFixture(QStringLiteral("Bob"), 2), secret(app.window<frmSecret>()) {
        addUser(QStringLiteral("Ann"), 1);
        app.write(Sections::User(1), UserKeys::ParentRights, 1);
        app.write(Sections::User(1), UserKeys::TimeBasedOn, PeriodTypes::Unlimited);
        RecountUsers(app);
        if (parentLoggedIn) {
            app.CurrentUserNumber = 1;
            config(ConfigKeys::CurrUser, QStringLiteral("Ann"));
        }
        QObject::connect(&app.model, &SessionModel::logLine, &app.model,
                         [this](const QString& line) { logLines << line; });
        config(ConfigKeys::LogEnable, QStringLiteral("1"));
        config(ConfigKeys::LogTS, QStringLiteral("1"));
        app.write(Sections::User(2), UserKeys::TimeBasedOn, PeriodTypes::Daily);
        app.write(Sections::User(2), UserKeys::LastStartDate, CurrentPeriodStart(app, PeriodTypes::Daily));
        app.write(Sections::User(2), UserKeys::FreeHours, QStringLiteral("00"));
        app.write(Sections::User(2), UserKeys::FreeMin, QStringLiteral("45"));
        app.write(Sections::User(2), UserKeys::FreeSec, QStringLiteral("10"));
        secret.AddTrayIcon();
    }
    QString bobTime() {
        const QString s = Sections::User(2);
        return app.read(s, UserKeys::FreeHours).text() + QLatin1Char(':') + app.read(s, UserKeys::FreeMin).text() +
               QLatin1Char(':') + app.read(s, UserKeys::FreeSec).text();
    }
    QString value(int id, const QString& key) { return app.read(Sections::Request(id), key).text(); }
    frmAskMoreTime* askWindow() { return qobject_cast<frmAskMoreTime*>(app.loadedWindow("frmAskMoreTime")); }
    void tick() {
        tp.clock.advance(1);
        app.model.ControllerTick();
    }
};

// A request as another process (twreg, another copy) writes it.
void writeElsewhere(const QString& dbFile, int id, const QString& user, const QString& minutes, const QString& reason) {
    SqliteRegistry other(dbFile);
    const QString path = SettingsStore::SectionPath(kAppName, Sections::Request(id));
    for (const auto& [name, v] :
         {std::pair{RequestKeys::User, user}, std::pair{RequestKeys::Minutes, minutes},
          std::pair{RequestKeys::Reason, reason}, std::pair{RequestKeys::Asked, QStringLiteral("3/4/2026 3:00:00 PM")},
          std::pair{RequestKeys::State, RequestStates::Open}})
        QVERIFY(other.setValue(RegRoot::LocalMachine, path, {name, REG_SZ, v}));
}

// Answers the approve dialog once it is up: types the minutes, then OK (or Cancel).
void answerApproveDialog(const QString& typed, bool ok, QString* shownDefault, QString* refusal) {
    QTimer::singleShot(0, [=] {
        auto* d = qobject_cast<frmApproveMinutes*>(QApplication::activeModalWidget());
        if (!d) return;
        if (shownDefault) *shownDefault = d->cboMinutes->currentText();
        if (!typed.isNull()) {
            d->cboMinutes->lineEdit()->selectAll();
            QTest::keyClicks(d->cboMinutes->lineEdit(), typed);
        }
        if (ok) {
            d->cmdOk->click();
            if (refusal) *refusal = d->lblInfo->text();
        }
        if (d->isVisible()) d->cmdCancel->click();
    });
}
} // namespace

// The child's "Ask for More Time" from the status window and the tray menu, the answer shown
// while the clock counts on, the close at logout, and the main window's list of requests.
class tst_RequestsUi : public QObject {
    Q_OBJECT
private slots:
    void askFromStatusWindow_data();
    void askFromStatusWindow();
    void refusalSaidInTheDialog();
    void trayMenuOffersAskToCountedChildren_data();
    void trayMenuOffersAskToCountedChildren();
    void warningOffersAsk_data();
    void warningOffersAsk();
    void answerShownWhileTheClockCounts_data();
    void answerShownWhileTheClockCounts();
    void logoutClosesTheRequest();
    void mainWindowListsAndAnswers_data();
    void mainWindowListsAndAnswers();
    void answeredElsewhereMeanwhile();
    void hiddenMainWindowReadsNoRequests();
    void pageAnswerShownAtOnce();
};

void tst_RequestsUi::askFromStatusWindow_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("15 by default, no reason") << ""
                                              << ""
                                              << "15"
                                              << "";
    QTest::newRow("5 with a reason") << "opt5"
                                     << "My game ends soon"
                                     << "5"
                                     << "My game ends soon";
    QTest::newRow("30, typing stops at the longest reason")
        << "opt30" << QString(kMaxReasonLength + 40, QLatin1Char('x')) << "30"
        << QString(kMaxReasonLength, QLatin1Char('x'));
    QTest::newRow("odd characters") << "opt5"
                                    << "\"Hi\" <b>&amp; %1"
                                    << "5"
                                    << "\"Hi\" <b>&amp; %1";
}

void tst_RequestsUi::askFromStatusWindow() {
    QFETCH(QString, option);
    QFETCH(QString, typed);
    QFETCH(QString, minutes);
    QFETCH(QString, reason);
    RequestSession f;
    frmUS& us = f.app.window<frmUS>();
    us.FillUserStatus();
    QVERIFY(us.cmdAsk->isEnabled());
    us.cmdAsk->click();
    frmAskMoreTime* w = f.askWindow();
    QVERIFY(w && w->isVisible());
    QVERIFY(!w->isModal());
    if (!option.isEmpty()) w->findChild<QRadioButton*>(option)->click();
    QTest::keyClicks(w->txtReason, typed);
    w->cmdAsk->click();
    QVERIFY(!w->isVisible());
    QCOMPARE(f.value(1, RequestKeys::User), QStringLiteral("Bob"));
    QCOMPARE(f.value(1, RequestKeys::Minutes), minutes);
    QCOMPARE(f.value(1, RequestKeys::Reason), reason);
    QCOMPARE(f.value(1, RequestKeys::State), QStringLiteral("Open"));
    // The child is told in a box that does not hold the clock.
    QCOMPARE(f.tp.messageBox.openTexts(), QStringList{RequestSentText()});
    f.tick();
    QCOMPARE(f.bobTime(), QStringLiteral("00:45:09"));
}

void tst_RequestsUi::refusalSaidInTheDialog() {
    RequestSession f;
    ShowAskForMoreTime(f.app);
    f.askWindow()->cmdAsk->click();
    f.tp.messageBox.answerOpen();
    // Asked again at once: said plainly in the dialog, which stays up; nothing more stored.
    ShowAskForMoreTime(f.app);
    frmAskMoreTime* w = f.askWindow();
    QVERIFY(w->lblInfo->text().isEmpty());
    w->opt30->click();
    w->cmdAsk->click();
    QVERIFY(w->isVisible());
    QCOMPARE(w->lblInfo->text(),
             QStringLiteral("You have already asked for more time. Please wait for a parent's answer."));
    QVERIFY(OpenRequests(f.app).size() == 1);
    QVERIFY(f.tp.messageBox.openTexts().isEmpty());
    // Denied: the rest between requests is said too.
    QVERIFY(AnswerRequest(f.app, 1, false, 0, QStringLiteral("Ann"), {}).ok());
    f.tp.clock.advance(60);
    w->cmdAsk->click();
    QCOMPARE(w->lblInfo->text(), QStringLiteral("You have just asked. You can ask again in 4 minutes."));
    w->cmdCancel->click();
    QVERIFY(!w->isVisible());
    QCOMPARE(OpenRequests(f.app).size(), 0);
}

void tst_RequestsUi::trayMenuOffersAskToCountedChildren_data() {
    QTest::addColumn<QString>("who");
    QTest::addColumn<bool>("offered");
    QTest::newRow("a counted child") << "child" << true;
    QTest::newRow("unlimited child") << "unlimited" << false;
    QTest::newRow("a parent") << "parent" << false;
    QTest::newRow("nobody logged in") << "nobody" << false;
}

void tst_RequestsUi::trayMenuOffersAskToCountedChildren() {
    QFETCH(QString, who);
    QFETCH(bool, offered);
    RequestSession f(who == QLatin1String("parent"));
    if (who == QLatin1String("unlimited")) f.set(UserKeys::TimeBasedOn, PeriodTypes::Unlimited);
    if (who == QLatin1String("nobody")) f.app.model.endSession();
    const QString entry = QStringLiteral("Ask for More Time…");
    QCOMPARE(f.tp.tray.menuTexts().contains(entry), offered);
    if (!offered) return;
    QVERIFY(f.tp.tray.choose(entry));
    QVERIFY(f.askWindow() && f.askWindow()->isVisible());
}

void tst_RequestsUi::warningOffersAsk_data() {
    QTest::addColumn<bool>("parent");
    QTest::addColumn<bool>("hours");    // the login hours end, not the time
    QTest::addColumn<bool>("offered");  // the warning has "Ask for More Time…"
    QTest::addColumn<bool>("pressAsk"); // else OK
    QTest::newRow("child: time runs out, asks") << false << false << true << true;
    QTest::newRow("child: time runs out, OK") << false << false << true << false;
    QTest::newRow("parent whose time is counted") << true << false << false << false;
    // More minutes do not lift the login hours.
    QTest::newRow("child: login hours end") << false << true << false << false;
}

void tst_RequestsUi::warningOffersAsk() {
    QFETCH(bool, parent);
    QFETCH(bool, hours);
    QFETCH(bool, offered);
    QFETCH(bool, pressAsk);
    RequestSession f;
    f.config(ConfigKeys::ThreeMinWarn, QStringLiteral("1"));
    if (parent) f.set(UserKeys::ParentRights, QStringLiteral("1"));
    if (hours) {
        // "Deny 16 - 7"; at 15:57:00 the hours end in three minutes.
        f.set(UserKeys::TimeRestriction, QStringLiteral("1"));
        f.set(UserKeys::TimeRestrictionAmmt, QStringLiteral("1"));
        f.set(UserKeys::TimeRestBegin(0), QStringLiteral("16"));
        f.set(UserKeys::TimeRestEnd(0), QStringLiteral("7"));
        f.set(UserKeys::TimeRestType(0), QStringLiteral("Deny"));
        f.tp.clock.set(QDate(2026, 3, 4), QTime(15, 56, 59));
    } else {
        f.setTime(QStringLiteral("00"), QStringLiteral("03"), QStringLiteral("01"));
        f.tick();
    }
    f.tick();
    QCOMPARE(f.tp.messageBox.openTexts(), QStringList{kThreeMinuteWarning});
    QCOMPARE(f.tp.messageBox.openBoxes.first().extraButton,
             offered ? QStringLiteral("Ask for &More Time…") : QString());
    QVERIFY(f.tp.messageBox.answerOpen(pressAsk ? MsgAnswer::Extra : MsgAnswer::Ok));
    QCOMPARE(f.askWindow() && f.askWindow()->isVisible(), pressAsk);
    // The box is away and the clock counts on; asking from the dialog works as from the status window.
    f.tick();
    QCOMPARE(f.tp.messageBox.openTexts(), QStringList{});
    if (!pressAsk) return;
    f.askWindow()->cmdAsk->click();
    QCOMPARE(f.value(1, RequestKeys::State), QStringLiteral("Open"));
    QCOMPARE(f.value(1, RequestKeys::Minutes), QStringLiteral("15"));
}

void tst_RequestsUi::answerShownWhileTheClockCounts_data() {
    QTest::addColumn<bool>("approve");
    QTest::addColumn<QString>("told");
    QTest::addColumn<QString>("timeAfter");
    QTest::newRow("approved") << true << "Ann gave you 15 minutes."
                              << "01:00:09";
    QTest::newRow("denied") << false << "Ann said no."
                            << "00:45:09";
}

void tst_RequestsUi::answerShownWhileTheClockCounts() {
    QFETCH(bool, approve);
    QFETCH(QString, told);
    QFETCH(QString, timeAfter);
    RequestSession f;
    QVERIFY(AskForMoreTime(f.app, 15, {}).ok());
    // Answered from the parent's page while the session runs.
    QVERIFY(AnswerRequest(f.app, 1, approve, 15, QStringLiteral("Ann"), QStringLiteral("from the parent's page")).ok());
    f.tick();
    QCOMPARE(f.tp.messageBox.openTexts(), QStringList{told});
    QCOMPARE(f.bobTime(), timeAfter);
    // The box is left up: the clock counts on, and the child is told once.
    for (int i = 0; i < 5; ++i)
        f.tick();
    QCOMPARE(f.tp.messageBox.shown.size(), 1);
    QCOMPARE(f.tp.messageBox.openTexts().size(), 1);
    QVERIFY(f.bobTime() < timeAfter);
}

void tst_RequestsUi::logoutClosesTheRequest() {
    RequestSession f;
    ShowAskForMoreTime(f.app);
    f.askWindow()->cmdAsk->click();
    ShowAskForMoreTime(f.app); // left up at the logout
    ReturnToLogin(f.app, false);
    QCOMPARE(f.value(1, RequestKeys::State), QStringLiteral("Denied"));
    QCOMPARE(f.value(1, RequestKeys::Note), QStringLiteral("session ended"));
    QVERIFY(f.logLines.contains(QStringLiteral("The request of Bob for 15 minutes was closed: session ended.")));
    // The dialog does not outlive the session.
    QVERIFY(!f.app.isLoaded("frmAskMoreTime"));
    // A late answer is for nobody.
    QCOMPARE(AnswerRequest(f.app, 1, true, 15, QStringLiteral("Ann"), {}).outcome, AnswerResult::NotOpen);
    QCOMPARE(f.bobTime(), QStringLiteral("00:45:10"));
}

void tst_RequestsUi::mainWindowListsAndAnswers_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("typed"); // null: the default left as shown
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("bobAfter");
    QTest::newRow("approve what was asked") << "cmdApprove" << QString() << "Approved"
                                            << "30"
                                            << "01:15:10";
    QTest::newRow("approve a typed number") << "cmdApprove"
                                            << "90"
                                            << "Approved"
                                            << "90"
                                            << "02:15:10";
    QTest::newRow("deny") << "cmdDeny" << QString() << "Denied"
                          << "0"
                          << "00:45:10";
}

void tst_RequestsUi::mainWindowListsAndAnswers() {
    QFETCH(QString, button);
    QFETCH(QString, typed);
    QFETCH(QString, state);
    QFETCH(QString, answer);
    QFETCH(QString, bobAfter);
    RequestSession f(true);
    frmMain& main = f.app.window<frmMain>();
    main.show();
    RequestsView& view = *main.requestsView;
    QCOMPARE(view.count(), 0);
    QVERIFY(!main.dockRequests->isVisible());
    // Bob's copy on another seat (or twreg) writes the request; the list's poll finds it.
    writeElsewhere(f.tp.dataFile(QStringLiteral("registry.db")), 4, QStringLiteral("Bob"), QStringLiteral("30"),
                   QStringLiteral("Finishing a level"));
    QTimer* poll = view.findChild<QTimer*>(QStringLiteral("tmrRequests"));
    QVERIFY(poll && poll->isActive());
    view.refresh(); // what the poll runs
    QCOMPARE(view.count(), 1);
    QVERIFY(main.dockRequests->isVisible());
    QTreeWidgetItem* row = view.lstRequests->topLevelItem(0);
    // Asked at "3/4/2026 3:00:00 PM", shown as the desktop's locale (C here) writes it.
    QCOMPARE((QStringList{row->text(0), row->text(1), row->text(2), row->text(3)}),
             (QStringList{"Bob", "30", "Finishing a level", "3/4/2026 15:00"}));
    QCOMPARE(view.selectedId(), 4);

    QString shownDefault;
    if (button == QLatin1String("cmdApprove")) answerApproveDialog(typed, true, &shownDefault, nullptr);
    view.findChild<QPushButton*>(button)->click();
    if (button == QLatin1String("cmdApprove")) QCOMPARE(shownDefault, QStringLiteral("30"));
    QCOMPARE(f.value(4, RequestKeys::State), state);
    QCOMPARE(f.value(4, RequestKeys::Answer), answer);
    QCOMPARE(f.value(4, RequestKeys::By), QStringLiteral("Ann"));
    QCOMPARE(f.bobTime(), bobAfter);
    QVERIFY(f.logLines.last().endsWith(QStringLiteral(" from the main window.")));
    QCOMPARE(view.count(), 0);
    QVERIFY(!main.dockRequests->isVisible());
    QVERIFY(f.tp.messageBox.shown.isEmpty());
}

// The main window kept hidden (after the splash, through a child's session) does not read the
// requests every second; shown, it finds another copy's request at its next poll.
void tst_RequestsUi::hiddenMainWindowReadsNoRequests() {
    RequestSession f(true);
    frmMain& main = f.app.window<frmMain>();
    RequestsView& view = *main.requestsView;
    writeElsewhere(f.tp.dataFile(QStringLiteral("registry.db")), 4, QStringLiteral("Bob"), QStringLiteral("15"),
                   QString());
    QTest::qWait(1300);
    QCOMPARE(view.count(), 0);
    main.show();
    QTRY_COMPARE_WITH_TIMEOUT(view.count(), 1, 3000);
}

void tst_RequestsUi::answeredElsewhereMeanwhile() {
    RequestSession f(true);
    frmMain& main = f.app.window<frmMain>();
    main.show();
    writeElsewhere(f.tp.dataFile(QStringLiteral("registry.db")), 1, QStringLiteral("Bob"), QStringLiteral("5"), {});
    main.requestsView->refresh();
    // A typed number out of range is refused in the dialog, which stays for correcting.
    QString refusal;
    answerApproveDialog(QStringLiteral("0"), true, nullptr, &refusal);
    main.requestsView->cmdApprove->click();
    QCOMPARE(refusal, QStringLiteral("Please give from 1 to 600 minutes."));
    QCOMPARE(f.value(1, RequestKeys::State), QStringLiteral("Open"));
    // Another copy answered it while the list still showed it (an answer of this copy's own, from
    // the parent's page, takes it off the list at once).
    {
        SqliteRegistry other(f.tp.dataFile(QStringLiteral("registry.db")));
        QVERIFY(other.setValue(RegRoot::LocalMachine, SettingsStore::SectionPath(kAppName, Sections::Request(1)),
                               {RequestKeys::State, REG_SZ, RequestStates::Denied}));
    }
    answerApproveDialog(QString(), true, nullptr, nullptr);
    main.requestsView->cmdApprove->click();
    QCOMPARE(f.tp.messageBox.texts(), QStringList{QStringLiteral("That request has been answered or closed already.")});
    QCOMPARE(f.value(1, RequestKeys::State), QStringLiteral("Denied"));
    QCOMPARE(f.bobTime(), QStringLiteral("00:45:10"));
    QCOMPARE(main.requestsView->count(), 0);
}

void tst_RequestsUi::pageAnswerShownAtOnce() {
    // The parent's page approves in this copy: the main window's requests and user list show it
    // without waiting for a poll or a tick.
    RequestSession f(true);
    frmMain& main = f.app.window<frmMain>();
    main.show();
    writeElsewhere(f.tp.dataFile(QStringLiteral("registry.db")), 1, QStringLiteral("Bob"), QStringLiteral("5"), {});
    main.requestsView->refresh();
    QCOMPARE(main.requestsView->count(), 1);
    QVERIFY(AnswerRequest(f.app, 1, true, 10, QStringLiteral("Ann"), {}).ok());
    QCOMPARE(main.requestsView->count(), 0);
    QCOMPARE(main.UL->topLevelItem(1)->text(4), QStringLiteral("00:55:10"));
}

TW_TEST(tst_RequestsUi)
#include "tst_RequestsUi.moc"
