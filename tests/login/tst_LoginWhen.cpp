#include "LoginFixture.h"
#include "TestRegistry.h"
#include "login/LoginValidation.h"

#include <QTest>

// A refused login says when the user may come back, and the program then does just that:
// the renewal comes on the day named and not a second earlier, and the hour named is the
// first the rules allow.
class tst_LoginWhen : public QObject {
    Q_OBJECT
private slots:
    void whenLine_data();
    void whenLine();
    void statusOfAUserWithTime();
    void parentLeaveEndsWithThePeriod_data();
    void parentLeaveEndsWithThePeriod();
};

namespace {
// Real time passes up to t with the machine asleep: the period check trusts such a move, not a
// wall clock set by hand.
void passTo(TestPlatform& tp, const QDateTime& t) {
    tp.clock.suspend(tp.clock.now().secsTo(t));
}

// "begin end Type" rules in order.
void setRules(App& app, int n, const QStringList& rules) {
    const QString s = Sections::User(n);
    app.write(s, UserKeys::TimeRestriction, rules.isEmpty() ? "0" : "1");
    app.write(s, UserKeys::TimeRestrictionAmmt, QString::number(rules.size()));
    for (int i = 0; i < rules.size(); ++i) {
        const QStringList r = rules[i].split(QLatin1Char(' '));
        app.write(s, UserKeys::TimeRestBegin(i), r[0]);
        app.write(s, UserKeys::TimeRestEnd(i), r[1]);
        app.write(s, UserKeys::TimeRestType(i), r[2]);
    }
}

QStringList freeTime(App& app) {
    const QString s = Sections::User(1);
    return {app.read(s, UserKeys::FreeHours).text(), app.read(s, UserKeys::FreeMin).text(),
            app.read(s, UserKeys::FreeSec).text()};
}
} // namespace

void tst_LoginWhen::whenLine_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("lastStart"); // "-": missing
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QStringList>("rules");
    QTest::addColumn<bool>("timeLeft");
    QTest::addColumn<QString>("label"); // what lblInfo shows

    const auto at = [](int y, int m, int d, int h, int min = 0, int s = 0) {
        return QDateTime(QDate(y, m, d), QTime(h, min, s));
    };
    const QString noTime = QStringLiteral("User has no time left!\n");
    const QString notNow = QStringLiteral("User cannot log in at this time!\n");
    // Wednesday 3/4/2026 unless said otherwise.
    QTest::newRow("daily") << "Daily"
                           << "3/4/2026" << at(2026, 3, 4, 20, 10) << QStringList{} << false
                           << noTime + "Your time renews tomorrow at 0:00.";
    QTest::newRow("daily, last second of the year") << "Daily"
                                                    << "12/31/2026" << at(2026, 12, 31, 23, 59, 59) << QStringList{}
                                                    << false << noTime + "Your time renews tomorrow at 0:00.";
    QTest::newRow("weekly, mid-week") << "Weekly"
                                      << "3/1/2026" << at(2026, 3, 4, 9) << QStringList{} << false
                                      << noTime + "Your time renews on Sunday at 0:00.";
    QTest::newRow("weekly, Saturday night") << "Weekly"
                                            << "3/1/2026" << at(2026, 3, 7, 23, 30) << QStringList{} << false
                                            << noTime + "Your time renews tomorrow at 0:00.";
    QTest::newRow("weekly, renewed this Sunday") << "Weekly"
                                                 << "3/8/2026" << at(2026, 3, 8, 0, 5) << QStringList{} << false
                                                 << noTime + "Your time renews on Sunday at 0:00.";
    QTest::newRow("weekly, week across the month end") << "Weekly"
                                                       << "3/29/2026" << at(2026, 4, 2, 10) << QStringList{} << false
                                                       << noTime + "Your time renews on Sunday at 0:00.";
    QTest::newRow("monthly") << "Monthly"
                             << "3" << at(2026, 3, 4, 10) << QStringList{} << false
                             << noTime + "Your time renews on the 1st at 0:00.";
    QTest::newRow("monthly, last day of a 31-day month")
        << "Monthly"
        << "3" << at(2026, 3, 31, 22) << QStringList{} << false << noTime + "Your time renews tomorrow at 0:00.";
    QTest::newRow("monthly, 30th of a 31-day month")
        << "Monthly"
        << "12" << at(2026, 12, 30, 22) << QStringList{} << false << noTime + "Your time renews on the 1st at 0:00.";
    QTest::newRow("monthly, February 28 of a leap year")
        << "Monthly"
        << "2" << at(2028, 2, 28, 12) << QStringList{} << false << noTime + "Your time renews on the 1st at 0:00.";
    QTest::newRow("monthly, leap day") << "Monthly"
                                       << "2" << at(2028, 2, 29, 12) << QStringList{} << false
                                       << noTime + "Your time renews tomorrow at 0:00.";
    QTest::newRow("monthly, February 28 of a common year")
        << "Monthly"
        << "2" << at(2027, 2, 28, 12) << QStringList{} << false << noTime + "Your time renews tomorrow at 0:00.";
    QTest::newRow("one time: never renewed")
        << "One Time"
        << "" << at(2026, 3, 4, 10) << QStringList{} << false << noTime + "Your time is not renewed.";
    QTest::newRow("a deny rule") << "Daily"
                                 << "3/4/2026" << at(2026, 3, 4, 13, 30) << QStringList{"12 14 Deny"} << true
                                 << notNow + "Logins are allowed again at 14:00.";
    QTest::newRow("allow, then deny inside it, the last decides")
        << "Daily"
        << "3/4/2026" << at(2026, 3, 4, 13, 10) << QStringList{"8 17 Allow", "12 14 Deny"} << true
        << notNow + "Logins are allowed again at 14:00.";
    QTest::newRow("deny, then allow a later hour")
        << "Daily"
        << "3/4/2026" << at(2026, 3, 4, 8, 59) << QStringList{"6 22 Deny", "10 12 Allow", "10 11 Deny"} << true
        << notNow + "Logins are allowed again at 11:00.";
    QTest::newRow("denied into the next day")
        << "Daily"
        << "3/4/2026" << at(2026, 3, 4, 22, 15) << QStringList{"-1 24 Deny", "5 8 Allow", "5 6 Deny"} << true
        << notNow + "Logins are allowed again at 6:00.";
    QTest::newRow("a rule over midnight, evening") << "Daily"
                                                   << "3/4/2026" << at(2026, 3, 4, 20, 10) << QStringList{"20 7 Deny"}
                                                   << true << notNow + "Logins are allowed again at 7:00.";
    QTest::newRow("a rule over midnight, early morning")
        << "Daily"
        << "3/4/2026" << at(2026, 3, 4, 6, 59, 59) << QStringList{"20 7 Deny"} << true
        << notNow + "Logins are allowed again at 7:00.";
    QTest::newRow("an allowed hour inside the night")
        << "Daily"
        << "3/4/2026" << at(2026, 3, 4, 22) << QStringList{"21 7 Deny", "23 1 Allow"} << true
        << notNow + "Logins are allowed again at 23:00.";
    QTest::newRow("no time, and the night rule")
        << "Weekly"
        << "3/1/2026" << at(2026, 3, 7, 23, 30) << QStringList{"20 7 Deny"} << false
        << noTime + "Your time renews tomorrow at 0:00.\nLogins are allowed again at 7:00.";
    QTest::newRow("every hour denied") << "Daily"
                                       << "3/4/2026" << at(2026, 3, 4, 10) << QStringList{"-1 24 Deny"} << true
                                       << notNow + "Logins are not allowed at any hour.";
    QTest::newRow("both refuse") << "Daily"
                                 << "3/4/2026" << at(2026, 3, 4, 13, 30) << QStringList{"12 14 Deny"} << false
                                 << noTime + "Your time renews tomorrow at 0:00.\nLogins are allowed again at 14:00.";
    QTest::newRow("no time, the hour allowed") << "Weekly"
                                               << "3/1/2026" << at(2026, 3, 4, 15) << QStringList{"12 14 Deny"} << false
                                               << noTime + "Your time renews on Sunday at 0:00.";
}

void tst_LoginWhen::whenLine() {
    QFETCH(QString, type);
    QFETCH(QString, lastStart);
    QFETCH(QDateTime, now);
    QFETCH(QStringList, rules);
    QFETCH(bool, timeLeft);
    QFETCH(QString, label);
    TestPlatform tp;
    App& app = *tp.app;
    tp.clock.set(now);
    addUser(app, 1, QStringLiteral("Kim"), QStringLiteral("pw"),
            {{UserKeys::TimeBasedOn, type},
             {UserKeys::LastStartDate, lastStart == QLatin1String("-") ? QString() : lastStart},
             {UserKeys::FreeHours, timeLeft ? "1" : "00"},
             {UserKeys::FreeMin, "00"},
             {UserKeys::FreeSec, "00"}});
    setRules(app, 1, rules);
    CheckTimePeriods(app); // the period has begun: nothing is due now
    const LoginCheck check = ValidateLogin(app, QStringLiteral("Kim"), QStringLiteral("pw"));
    QVERIFY(!check.accepted);
    QCOMPARE(check.message + QLatin1Char('\n') + check.when, label);
    QCOMPARE(check.user, 1);

    // The program then does what the line said.
    if (check.reasons & RefusedForTime) {
        const QDate day = NextRenewalDay(app, 1);
        if (!day.isValid()) {
            passTo(tp, now.addDays(70));
            CheckTimePeriods(app);
            QCOMPARE(freeTime(app), (QStringList{"00", "00", "00"}));
        } else {
            passTo(tp, QDateTime(day, QTime(0, 0)).addSecs(-1));
            CheckTimePeriods(app);
            QCOMPARE(freeTime(app), (QStringList{"00", "00", "00"}));
            passTo(tp, QDateTime(day, QTime(0, 0)));
            CheckTimePeriods(app);
            QCOMPARE(freeTime(app), (QStringList{"2", "0", "0"}));
        }
    }
    if (check.reasons & RefusedForHours) {
        app.write(Sections::User(1), UserKeys::FreeHours, "5"); // time is not what is tested here
        const auto allowed = NextAllowedLogin(app, 1, now);
        if (allowed) {
            passTo(tp, allowed->addSecs(-1));
            QCOMPARE(ValidateLogin(app, QStringLiteral("Kim"), QStringLiteral("pw")).message, LoginMessages::NotNow());
            passTo(tp, *allowed);
            const LoginCheck later = ValidateLogin(app, QStringLiteral("Kim"), QStringLiteral("pw"));
            QVERIFY2(later.accepted, qPrintable(later.message));
        } else {
            for (int h = 0; h < 24; ++h)
                QVERIFY(LoginHoursDeny(app, 1, h));
        }
    }
}

void tst_LoginWhen::statusOfAUserWithTime() {
    // A user with time left inside the hours is let in with nothing added.
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Kim"), QStringLiteral("pw"));
    setRules(app, 1, {QStringLiteral("12 14 Deny")});
    const LoginCheck check = ValidateLogin(app, QStringLiteral("Kim"), QStringLiteral("pw"));
    QVERIFY(check.accepted);
    QCOMPARE(check.reasons, 0);
    QVERIFY(check.when.isEmpty());
    QCOMPARE(NextRenewalText(app, 1), QStringLiteral("Your time renews tomorrow at 0:00."));
}

void tst_LoginWhen::parentLeaveEndsWithThePeriod_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("daysLater"); // when the leave is asked about again
    QTest::addColumn<bool>("active");
    QTest::newRow("daily, same day") << "Daily" << 0 << true;
    QTest::newRow("daily, next day") << "Daily" << 1 << false;
    QTest::newRow("weekly, same week") << "Weekly" << 3 << true; // Wednesday to Saturday
    QTest::newRow("weekly, next week") << "Weekly" << 4 << false;
    QTest::newRow("unlimited, next day") << "Unlimited" << 1 << false;
}

void tst_LoginWhen::parentLeaveEndsWithThePeriod() {
    QFETCH(QString, type);
    QFETCH(int, daysLater);
    QFETCH(bool, active);
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("mum"), {{UserKeys::ParentRights, "1"}});
    addUser(app, 2, QStringLiteral("Kim"), QStringLiteral("pw"),
            {{UserKeys::TimeBasedOn, type}, {UserKeys::LastStartDate, CurrentPeriodStart(app, type)}});
    setRules(app, 2, {QStringLiteral("-1 24 Deny")});
    QCOMPARE(ValidateLogin(app, QStringLiteral("Kim"), QStringLiteral("pw")).message, LoginMessages::NotNow());
    GiveMinutesAtLogin(app, 1, 2, 30);
    QVERIFY(ValidateLogin(app, QStringLiteral("Kim"), QStringLiteral("pw")).accepted);
    QCOMPARE(app.read(Sections::User(2), UserKeys::HoursExceptionSeconds).text(), QStringLiteral("1800"));
    tp.clock.advance(daysLater * 86400LL);
    CheckTimePeriods(app);
    QCOMPARE(HoursExceptionActive(app, 2), active);
    QCOMPARE(ValidateLogin(app, QStringLiteral("Kim"), QStringLiteral("pw")).accepted, active);
}

TW_TEST(tst_LoginWhen)
#include "tst_LoginWhen.moc"
