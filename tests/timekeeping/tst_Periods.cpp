#include "TestPlatform.h"
#include "TestRegistry.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "users/UserKeys.h"

#include <QTest>

namespace {
const QString kMissing = QStringLiteral("<missing>");

// A user with an allowance of 2:30:15 and free time 0:07:09.
void addUser(App& app, int n, const QString& type, const QString& lastStart) {
    const QString s = Sections::User(n);
    app.write(s, UserKeys::Number, n);
    app.write(s, UserKeys::Name, QStringLiteral("User%1").arg(n));
    if (type != kMissing) app.write(s, UserKeys::TimeBasedOn, type);
    if (lastStart != kMissing) app.write(s, UserKeys::LastStartDate, lastStart);
    app.write(s, UserKeys::AmmountHours, QStringLiteral("2"));
    app.write(s, UserKeys::AmmountMinutes, QStringLiteral("30"));
    app.write(s, UserKeys::AmmountSeconds, QStringLiteral("15"));
    app.write(s, UserKeys::FreeHours, QStringLiteral("00"));
    app.write(s, UserKeys::FreeMin, QStringLiteral("07"));
    app.write(s, UserKeys::FreeSec, QStringLiteral("09"));
}

void setAllowance(App& app, int n, const QStringList& hms) {
    app.write(Sections::User(n), UserKeys::AmmountHours, hms.at(0));
    app.write(Sections::User(n), UserKeys::AmmountMinutes, hms.at(1));
    app.write(Sections::User(n), UserKeys::AmmountSeconds, hms.at(2));
}

QStringList freeTime(App& app, int n) {
    return {app.read(Sections::User(n), UserKeys::FreeHours).text(),
            app.read(Sections::User(n), UserKeys::FreeMin).text(),
            app.read(Sections::User(n), UserKeys::FreeSec).text()};
}

const QStringList kAllowance{"2", "30", "15"};
const QStringList kBefore{"00", "07", "09"};
} // namespace

class tst_Periods : public QObject {
    Q_OBJECT
private slots:
    void renewsWhenDue_data();
    void renewsWhenDue();
    void weeklyFromWednesdayRenewsNextSunday();
    void secondCheckSameDayChangesNothing();
    void everyUserIsExamined();
    void deduction_data();
    void deduction();
    void deductionStaysPendingUntilRenewal();
    void currentPeriodStart_data();
    void currentPeriodStart();
    void forcedRefresh_data();
    void forcedRefresh();
    void onlyRealTimeRenews_data();
    void onlyRealTimeRenews();
    void clockChangeIsLoggedOnce();
};

void tst_Periods::renewsWhenDue_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("lastStart");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("renewed");
    QTest::addColumn<QString>("mark"); // "LastStartDate" afterwards

    const QDate wed(2026, 3, 4);
    QTest::newRow("daily, yesterday") << "Daily"
                                      << "3/3/2026" << wed << true << "3/4/2026";
    QTest::newRow("daily, today") << "Daily"
                                  << "3/4/2026" << wed << false << "3/4/2026";
    QTest::newRow("daily, missing") << "Daily" << kMissing << wed << true << "3/4/2026";
    QTest::newRow("daily, not a date") << "Daily"
                                       << "someday" << wed << true << "3/4/2026";
    QTest::newRow("type in other case") << "dAILY"
                                        << "3/3/2026" << wed << true << "3/4/2026";
    QTest::newRow("no type is daily") << kMissing << "3/3/2026" << wed << true << "3/4/2026";
    QTest::newRow("no type, today") << kMissing << "3/4/2026" << wed << false << "3/4/2026";

    QTest::newRow("weekly, 6 days") << "Weekly"
                                    << "3/1/2026" << QDate(2026, 3, 7) << false << "3/1/2026";
    QTest::newRow("weekly, 7 days, on a Sunday") << "Weekly"
                                                 << "3/1/2026" << QDate(2026, 3, 8) << true << "3/8/2026";
    QTest::newRow("weekly, on a Wednesday") << "Weekly"
                                            << "2/22/2026" << wed << true << "3/1/2026";
    QTest::newRow("weekly, missing") << "Weekly" << kMissing << wed << true << "3/1/2026";
    QTest::newRow("weekly, not a date") << "Weekly"
                                        << "abc" << wed << true << "3/1/2026";
    // A start after today was left by a clock once set ahead: set back, nothing refilled.
    QTest::newRow("weekly, start in the future") << "Weekly"
                                                 << "3/7/2027" << wed << false << "3/1/2026";
    QTest::newRow("daily, start in the future") << "Daily"
                                                << "3/9/2026" << wed << false << "3/4/2026";
    QTest::newRow("weekly, across the year") << "Weekly"
                                             << "12/27/2026" << QDate(2027, 1, 3) << true << "1/3/2027";

    QTest::newRow("monthly, February") << "Monthly"
                                       << "2" << QDate(2026, 2, 28) << false << "2";
    QTest::newRow("monthly, February to March") << "Monthly"
                                                << "2" << QDate(2026, 3, 1) << true << "3";
    QTest::newRow("monthly, December") << "Monthly"
                                       << "12" << QDate(2026, 12, 31) << false << "12";
    QTest::newRow("monthly, December to January") << "Monthly"
                                                  << "12" << QDate(2027, 1, 1) << true << "1";
    QTest::newRow("monthly, missing") << "Monthly" << kMissing << wed << true << "3";

    QTest::newRow("unlimited") << "Unlimited"
                               << "1/1/1990" << wed << false << "1/1/1990";
    QTest::newRow("unlimited, empty") << "Unlimited"
                                      << "" << wed << false << "";
    QTest::newRow("one time") << "One Time"
                              << "" << wed << false << "";
    QTest::newRow("one time, old date") << "One Time"
                                        << "2/2/2002" << wed << false << "2/2/2002";
    QTest::newRow("unknown type") << "Hourly"
                                  << "" << wed << false << "";
}

void tst_Periods::renewsWhenDue() {
    QFETCH(QString, type);
    QFETCH(QString, lastStart);
    QFETCH(QDate, today);
    QFETCH(bool, renewed);
    QFETCH(QString, mark);
    TestPlatform tp;
    App& app = *tp.app;
    tp.clock.set(today, QTime(9, 30));
    addUser(app, 1, type, lastStart);
    CheckTimePeriods(app);
    QCOMPARE(freeTime(app, 1), renewed ? kAllowance : kBefore);
    const Setting after = app.read(Sections::User(1), UserKeys::LastStartDate);
    QCOMPARE(after.isAbsent() ? kMissing : after.text(), mark);
    QCOMPARE(app.read(Sections::Config, ConfigKeys::CurrentNumberOfUsers).text(), QStringLiteral("1"));
}

void tst_Periods::weeklyFromWednesdayRenewsNextSunday() {
    TestPlatform tp;
    App& app = *tp.app;
    tp.clock.set(QDate(2026, 3, 4)); // a Wednesday
    addUser(app, 1, QStringLiteral("Weekly"), kMissing);
    CheckTimePeriods(app);
    QCOMPARE(app.read(Sections::User(1), UserKeys::LastStartDate).text(), QStringLiteral("3/1/2026"));
    for (int day = 5; day <= 7; ++day) {
        app.write(Sections::User(1), UserKeys::FreeMin, QStringLiteral("01"));
        tp.clock.advance(24 * 3600);
        CheckTimePeriods(app);
        QCOMPARE(app.read(Sections::User(1), UserKeys::FreeMin).text(), QStringLiteral("01"));
    }
    tp.clock.advance(24 * 3600); // four days after the renewal, the next Sunday
    CheckTimePeriods(app);
    QCOMPARE(freeTime(app, 1), kAllowance);
    QCOMPARE(app.read(Sections::User(1), UserKeys::LastStartDate).text(), QStringLiteral("3/8/2026"));
}

void tst_Periods::secondCheckSameDayChangesNothing() {
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Daily"), QStringLiteral("3/3/2026"));
    CheckTimePeriods(app);
    app.write(Sections::User(1), UserKeys::FreeMin, QStringLiteral("12"));
    tp.clock.advance(3600);
    CheckTimePeriods(app);
    QCOMPARE(app.read(Sections::User(1), UserKeys::FreeMin).text(), QStringLiteral("12"));
}

void tst_Periods::everyUserIsExamined() {
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Daily"), QStringLiteral("3/4/2026"));
    addUser(app, 2, QStringLiteral("Unlimited"), QString());
    addUser(app, 3, QStringLiteral("Daily"), QStringLiteral("3/1/2026"));
    CheckTimePeriods(app);
    QCOMPARE(freeTime(app, 1), kBefore);
    QCOMPARE(freeTime(app, 2), kBefore);
    QCOMPARE(freeTime(app, 3), kAllowance);
}

void tst_Periods::deduction_data() {
    QTest::addColumn<QStringList>("allowance");
    QTest::addColumn<QString>("subtr");
    QTest::addColumn<QStringList>("free");
    QTest::newRow("none pending, copied verbatim")
        << QStringList{"01", "05", "00"} << "" << QStringList{"01", "05", "00"};
    QTest::newRow("10 from 1:05:00") << QStringList{"1", "05", "00"} << "10" << QStringList{"0", "55", "00"};
    QTest::newRow("borrows an hour") << QStringList{"2", "00", "30"} << "61" << QStringList{"0", "59", "30"};
    QTest::newRow("whole allowance") << QStringList{"0", "10", "00"} << "10" << QStringList{"0", "00", "00"};
    QTest::newRow("more than the allowance") << QStringList{"1", "05", "00"} << "200" << QStringList{"0", "00", "00"};
    QTest::newRow("with blanks") << QStringList{"1", "05", "00"} << " 10 " << QStringList{"0", "55", "00"};
    QTest::newRow("fraction counts whole minutes")
        << QStringList{"1", "05", "00"} << "10.9" << QStringList{"0", "55", "00"};
    QTest::newRow("huge deduction") << QStringList{"1", "05", "00"} << "99999999999999999999999"
                                    << QStringList{"0", "00", "00"};
    QTest::newRow("not a number deducts nothing")
        << QStringList{"1", "05", "00"} << "abc" << QStringList{"1", "05", "00"};
    QTest::newRow("negative deducts nothing") << QStringList{"1", "05", "00"} << "-5" << QStringList{"1", "05", "00"};
    QTest::newRow("allowance part not a number counts 0")
        << QStringList{"abc", "30", "00"} << "10" << QStringList{"0", "20", "00"};
    QTest::newRow("negative allowance") << QStringList{"-3", "00", "00"} << "1" << QStringList{"0", "00", "00"};
    QTest::newRow("huge allowance") << QStringList{"99999999999999999999", "00", "00"} << "60"
                                    << QStringList{"999999999999999", "00", "00"};
}

void tst_Periods::deduction() {
    QFETCH(QStringList, allowance);
    QFETCH(QString, subtr);
    QFETCH(QStringList, free);
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Daily"), QStringLiteral("3/3/2026"));
    setAllowance(app, 1, allowance);
    app.write(Sections::User(1), UserKeys::SubtrTime, subtr);
    CheckTimePeriods(app);
    QCOMPARE(freeTime(app, 1), free);
    QCOMPARE(app.read(Sections::User(1), UserKeys::SubtrTime).text(), QString());
}

void tst_Periods::deductionStaysPendingUntilRenewal() {
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Daily"), QStringLiteral("3/4/2026"));
    setAllowance(app, 1, {"1", "05", "00"});
    app.write(Sections::User(1), UserKeys::SubtrTime, QStringLiteral("10"));
    for (int i = 0; i < 3; ++i) {
        tp.clock.advance(60);
        CheckTimePeriods(app);
    }
    QCOMPARE(app.read(Sections::User(1), UserKeys::SubtrTime).text(), QStringLiteral("10"));
    QCOMPARE(freeTime(app, 1), kBefore);
    tp.clock.advance(24 * 3600);
    CheckTimePeriods(app);
    QCOMPARE(freeTime(app, 1), (QStringList{"0", "55", "00"}));
    QCOMPARE(app.read(Sections::User(1), UserKeys::SubtrTime).text(), QString());
}

void tst_Periods::currentPeriodStart_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("start");
    QTest::newRow("daily") << QDate(2026, 3, 4) << "Daily"
                           << "3/4/2026";
    QTest::newRow("weekly, Wednesday") << QDate(2026, 3, 4) << "Weekly"
                                       << "3/1/2026";
    QTest::newRow("weekly, Sunday") << QDate(2026, 3, 8) << "Weekly"
                                    << "3/8/2026";
    QTest::newRow("weekly, Saturday") << QDate(2026, 3, 7) << "Weekly"
                                      << "3/1/2026";
    QTest::newRow("monthly, one digit") << QDate(1998, 2, 9) << "Monthly"
                                        << "2";
    QTest::newRow("monthly, two digits") << QDate(1998, 12, 5) << "Monthly"
                                         << "12";
    QTest::newRow("unlimited") << QDate(2026, 3, 4) << "Unlimited"
                               << "";
    QTest::newRow("one time") << QDate(2026, 3, 4) << "One Time"
                              << "";
}

void tst_Periods::currentPeriodStart() {
    QFETCH(QDate, today);
    QFETCH(QString, type);
    QFETCH(QString, start);
    TestPlatform tp;
    tp.clock.set(today);
    QCOMPARE(CurrentPeriodStart(*tp.app, type), start);
    // The stored texts do not depend on the user's locale.
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(CurrentPeriodStart(*tp.app, type), start);
    QLocale::setDefault(saved);
}

void tst_Periods::forcedRefresh_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("free");
    QTest::addColumn<QString>("mark");
    const QStringList deducted{"2", "20", "15"}; // allowance less the pending 10 minutes
    QTest::newRow("daily, not due") << "Daily"
                                    << "user1" << int(RefreshOutcome::Renewed) << deducted << "3/4/2026";
    QTest::newRow("weekly") << "Weekly"
                            << "User1" << int(RefreshOutcome::Renewed) << deducted << "3/1/2026";
    QTest::newRow("monthly") << "Monthly"
                             << "User1" << int(RefreshOutcome::Renewed) << deducted << "3";
    QTest::newRow("unlimited") << "Unlimited"
                               << "User1" << int(RefreshOutcome::Unlimited) << kBefore << "3/4/2026";
    QTest::newRow("one time only deducts")
        << "One Time"
        << "User1" << int(RefreshOutcome::NotRenewable) << QStringList{"0", "00", "00"} << "3/4/2026";
    QTest::newRow("empty name") << "Daily"
                                << "" << int(RefreshOutcome::EmptyName) << kBefore << "3/4/2026";
    QTest::newRow("unknown name") << "Daily"
                                  << "Nobody" << int(RefreshOutcome::NoSuchUser) << kBefore << "3/4/2026";
}

void tst_Periods::forcedRefresh() {
    QFETCH(QString, type);
    QFETCH(QString, name);
    QFETCH(int, outcome);
    QFETCH(QStringList, free);
    QFETCH(QString, mark);
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, type, QStringLiteral("3/4/2026"));
    app.write(Sections::User(1), UserKeys::SubtrTime, QStringLiteral("10"));
    QCOMPARE(int(RefreshTimePeriodStore(app, name)), outcome);
    QCOMPARE(freeTime(app, 1), free);
    QCOMPARE(app.read(Sections::User(1), UserKeys::LastStartDate).text(), mark);
}

// Steps applied to the test clock between two period checks, as "kind:amount" (hours).
void tst_Periods::onlyRealTimeRenews_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("renewals"); // after the first check, which renews nothing
    // The first check is at 3/4/2026 15:10:45 with the daily period already begun that day.
    QTest::newRow("real midnight during a session") << QStringList{"run:9"} << 1;
    QTest::newRow("a night suspended") << QStringList{"suspend:12"} << 1;
    QTest::newRow("a stall of a whole night") << QStringList{"run:20"} << 1;
    QTest::newRow("clock a day ahead") << QStringList{"set:24"} << 0;
    QTest::newRow("ahead, back, behind, back") << QStringList{"set:24", "set:-24", "set:-24", "set:24"} << 0;
    QTest::newRow("ahead, then a real midnight") << QStringList{"set:24", "run:9"} << 1;
    QTest::newRow("back a day, then a real midnight") << QStringList{"set:-24", "run:9"} << 1;
    QTest::newRow("small steps never add up")
        << QStringList{"set:0.066", "set:0.066", "set:0.066", "set:0.066", "set:0.066", "set:0.066", "set:9"} << 0;
    QTest::newRow("a new boot trusts the clock") << QStringList{"reboot:20"} << 1;
    QTest::newRow("moved ahead, then a reboot") << QStringList{"set:24", "reboot:0"} << 1;
    QTest::newRow("back to the wall clock after a reboot")
        << QStringList{"set:24", "reboot:0", "set:-24", "reboot:0", "run:1"} << 1;
}

void tst_Periods::onlyRealTimeRenews() {
    // A daily user renews only when real time has crossed midnight: stalls, suspends and
    // reboots count, moving the wall clock within a boot does not. After a reboot the wall
    // clock is trusted again; a period start it left in the future gives no second allowance.
    QFETCH(QStringList, steps);
    QFETCH(int, renewals);
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Daily"), QStringLiteral("3/4/2026"));
    CheckTimePeriods(app);
    int renewed = 0;
    for (const QString& step : steps) {
        const QString kind = step.section(QLatin1Char(':'), 0, 0);
        const qint64 seconds = qRound64(step.section(QLatin1Char(':'), 1).toDouble() * 3600);
        if (kind == QLatin1String("run"))
            tp.clock.advance(seconds);
        else if (kind == QLatin1String("suspend"))
            tp.clock.suspend(seconds);
        else if (kind == QLatin1String("reboot"))
            tp.clock.reboot(seconds);
        else
            tp.clock.set(tp.clock.now().addSecs(seconds));
        app.write(Sections::User(1), UserKeys::FreeMin, QStringLiteral("01"));
        for (int i = 0; i < 3; ++i) {
            CheckTimePeriods(app);
            tp.clock.advance(1);
        }
        if (app.read(Sections::User(1), UserKeys::FreeMin).text() != QLatin1String("01")) ++renewed;
    }
    QCOMPARE(renewed, renewals);
}

void tst_Periods::clockChangeIsLoggedOnce() {
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::Config, ConfigKeys::LogEnable, 1);
    app.write(Sections::Config, ConfigKeys::LogTimeStamp, 0);
    app.write(Sections::Config, ConfigKeys::LogTS, 1);
    QStringList changes;
    QObject::connect(&app.model, &SessionModel::logLine, &app.model, [&](const QString& line) {
        if (line.contains(QStringLiteral("Clock change"))) changes << line;
    });
    addUser(app, 1, QStringLiteral("Daily"), QStringLiteral("3/4/2026"));
    CheckTimePeriods(app);
    tp.clock.set(QDateTime(QDate(2026, 3, 5), QTime(15, 10, 45)));
    for (int i = 0; i < 5; ++i) {
        CheckTimePeriods(app);
        tp.clock.advance(1);
    }
    QCOMPARE(changes.size(), 1);
    QVERIFY2(changes.first().contains(QStringLiteral("3/5/2026 3:10:45 PM")) &&
                 changes.first().contains(QStringLiteral("3/4/2026 3:10:45 PM")),
             qPrintable(changes.first()));
    QCOMPARE(app.read(Sections::User(1), UserKeys::FreeMin).text(), QStringLiteral("07"));
}

TW_TEST(tst_Periods)
#include "tst_Periods.moc"
