#include "../session/SessionFixture.h"
#include "TestRegistry.h"
#include "core/SessionModel.h"
#include "timekeeping/Requests.h"
#include "timekeeping/TimeOut.h"
#include "users/UserTable.h"

#include <QSignalSpy>
#include <QTest>

// The session model as every face sees it: a whole session on the test clock, with what its
// signals announce watched from outside, as a window or the parent's page would.
class tst_SessionModel : public QObject {
    Q_OBJECT
private slots:
    void signalsOfASession_data();
    void signalsOfASession();
};

void tst_SessionModel::signalsOfASession_data() {
    // setup: values of anna's record (key=value); steps: "tick N" (N ticks a second apart),
    // "wait N" (N seconds with no tick), "off"/"on" (the main window's "&Enabled"),
    // "delete NAME", "ask N" (anna asks for N minutes), "approve N"/"deny" (a parent answers
    // the first request), "close" (the session's end closes what is open).
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QTime>("start");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("usersChanged");
    QTest::addColumn<int>("timeLeftChanged");
    QTest::addColumn<QStringList>("endActions");
    QTest::addColumn<QList<bool>>("counting");
    QTest::addColumn<QString>("timeLeft");
    QTest::addColumn<int>("requestsChanged");
    const QTime noon(12, 0);
    const QString login = EndActions::DisplayTimeWardLogin;
    const auto kv = [](const QString& key, const QString& value) { return key + QLatin1Char('=') + value; };
    const QStringList backToLogin{kv(UserKeys::TakeAction, "1"), kv(UserKeys::TakeActionDo, login)};
    const auto left = [&](const char* h, const char* m, const char* s) {
        return QStringList{kv(UserKeys::FreeHours, h), kv(UserKeys::FreeMin, m), kv(UserKeys::FreeSec, s)};
    };
    // Logins denied from 21:00 to 7:00.
    const QStringList hours{kv(UserKeys::TimeRestriction, "1"), kv(UserKeys::TimeRestrictionAmmt, "1"),
                            kv(UserKeys::TimeRestBegin(0), "21"), kv(UserKeys::TimeRestEnd(0), "7"),
                            kv(UserKeys::TimeRestType(0), "Deny")};

    QTest::newRow("a deleted user: the users changed once") << QStringList{} << noon << QStringList{"delete bob"} << 1
                                                            << 0 << QStringList{} << QList<bool>{} << "01:00:00" << 0;
    QTest::newRow("n ticks: n changes of the time left") << QStringList{} << noon << QStringList{"tick 5"} << 0 << 5
                                                         << QStringList{} << QList<bool>{} << "00:59:55" << 0;
    QTest::newRow("time-out back to the login window: that action once, the clock stops")
        << (backToLogin + left("00", "00", "03")) << noon << QStringList{"tick 5"} << 0 << 3 << QStringList{login}
        << QList<bool>{false} << "00:00:00" << 0;
    QTest::newRow("a one-time user removed at the time-out: the users changed once")
        << (backToLogin + left("00", "00", "01") +
            QStringList{kv(UserKeys::TimeBasedOn, PeriodTypes::OneTime), kv(UserKeys::OneTimeRemove, "1")})
        << noon << QStringList{"tick 2"} << 1 << 1 << QStringList{login} << QList<bool>{false} << QString() << 0;
    QTest::newRow("counting off: nothing charged while off, nothing owed when it comes back")
        << QStringList{} << noon << QStringList{"tick 1", "off", "wait 100", "tick 3", "on", "tick 1"} << 0 << 2
        << QStringList{} << QList<bool>{false, true} << "00:59:58" << 0;
    QTest::newRow("the login hours end: the action once, the time left kept")
        << (backToLogin + hours) << QTime(20, 59, 58) << QStringList{"tick 3"} << 0 << 2 << QStringList{login}
        << QList<bool>{false} << "00:59:59" << 0;
    QTest::newRow("a request asked: the requests changed once")
        << QStringList{} << noon << QStringList{"ask 15"} << 0 << 0 << QStringList{} << QList<bool>{} << "01:00:00"
        << 1;
    QTest::newRow("a request approved: the requests and the users changed")
        << QStringList{} << noon << QStringList{"ask 15", "approve 10"} << 1 << 0 << QStringList{} << QList<bool>{}
        << "01:10:00" << 2;
    QTest::newRow("a request denied: the requests changed, the users did not")
        << QStringList{} << noon << QStringList{"ask 15", "deny"} << 0 << 0 << QStringList{} << QList<bool>{}
        << "01:00:00" << 2;
    QTest::newRow("the session's end closes the open request")
        << QStringList{} << noon << QStringList{"ask 15", "close", "close"} << 0 << 0 << QStringList{} << QList<bool>{}
        << "01:00:00" << 2;
}

void tst_SessionModel::signalsOfASession() {
    QFETCH(QStringList, setup);
    QFETCH(QTime, start);
    QFETCH(QStringList, steps);
    QFETCH(int, usersChanged);
    QFETCH(int, timeLeftChanged);
    QFETCH(QStringList, endActions);
    QFETCH(QList<bool>, counting);
    QFETCH(QString, timeLeft);
    QFETCH(int, requestsChanged);

    SessionFixture f;
    f.addUser(QStringLiteral("bob"), 2);
    f.config(ConfigKeys::CurrentNumberOfUsers, QStringLiteral("2"));
    f.tp.clock.set(QDate(2026, 3, 4), start);
    f.setType(PeriodTypes::Daily);
    f.setTime(QStringLiteral("01"), QStringLiteral("00"), QStringLiteral("00"));
    for (const QString& s : setup)
        f.set(s.section(QLatin1Char('='), 0, 0), s.section(QLatin1Char('='), 1));
    SessionModel& model = f.app.model;
    QSignalSpy users(&model, &SessionModel::usersChanged);
    QSignalSpy ticks(&model, &SessionModel::timeLeftChanged);
    QSignalSpy actions(&model, &SessionModel::endAction);
    QSignalSpy clock(&model, &SessionModel::countingChanged);
    QSignalSpy requests(&model, &SessionModel::requestsChanged);

    for (const QString& step : steps) {
        const QString what = step.section(QLatin1Char(' '), 0, 0);
        const QString arg = step.section(QLatin1Char(' '), 1);
        if (what == QLatin1String("tick")) {
            for (int i = 0; i < arg.toInt(); ++i) {
                f.tp.clock.advance(1);
                model.ControllerTick();
            }
        } else if (what == QLatin1String("wait")) {
            f.tp.clock.advance(arg.toInt());
        } else if (what == QLatin1String("off") || what == QLatin1String("on")) {
            model.setCountingEnabled(what == QLatin1String("on"));
        } else if (what == QLatin1String("delete")) {
            QVERIFY(DeleteUser(f.app, arg));
        } else if (what == QLatin1String("ask")) {
            QCOMPARE(AskForMoreTime(f.app, arg.toInt(), QString()).outcome, AskResult::Asked);
        } else if (what == QLatin1String("approve") || what == QLatin1String("deny")) {
            const bool approve = what == QLatin1String("approve");
            QVERIFY(AnswerRequest(f.app, 1, approve, approve ? arg.toInt() : 0, QStringLiteral("bob"), QString()).ok());
        } else if (what == QLatin1String("close")) {
            QVERIFY(CloseOpenRequests(f.app, QStringLiteral("session ended")));
        }
    }

    QCOMPARE(users.count(), usersChanged);
    QCOMPARE(requests.count(), requestsChanged);
    QCOMPARE(ticks.count(), timeLeftChanged);
    QStringList actionsSeen;
    for (const QList<QVariant>& a : actions)
        actionsSeen << a.at(0).toString();
    QCOMPARE(actionsSeen, endActions);
    QList<bool> countingSeen;
    for (const QList<QVariant>& c : clock)
        countingSeen << c.at(0).toBool();
    QCOMPARE(countingSeen, counting);
    // The time left of the logged-in user, none when the user is gone.
    QCOMPARE(f.app.CurrentUserNumber > 0 ? f.time() : QString(), timeLeft);
    QVERIFY(model.unsavedCharges.empty()); // nothing owed
}

TW_TEST(tst_SessionModel)
#include "tst_SessionModel.moc"
