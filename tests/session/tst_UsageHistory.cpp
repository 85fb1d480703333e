#include "SessionFixture.h"
#include "TestRegistry.h"
#include "timekeeping/SessionClock.h"
#include "timekeeping/UsageHistory.h"
#include "users/UserTable.h"

#include <QTest>

// Each charged second also lands in the user's total for the day, in the tick's own commit;
// old days are pruned once a day; the history follows a rename and goes with a deletion.
class tst_UsageHistory : public QObject {
    Q_OBJECT
private slots:
    void ticksAddToTheDay_data();
    void ticksAddToTheDay();
    void historyIsInTheTicksCommit();
    void oldDaysPrunedOnceADay();
    void movedClockKeepsTheHistory_data();
    void movedClockKeepsTheHistory();
    void renameKeepsDeleteRemoves();
    void overviewFromAStore();
};

namespace {
long long day(App& app, const QString& name, const QDate& d) {
    return UsageSeconds(app, name, d);
}
} // namespace

void tst_UsageHistory::ticksAddToTheDay_data() {
    QTest::addColumn<QString>("basedOn");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("charged");
    QTest::newRow("an hour left") << "Daily" << QStringList{"1", "00", "00"} << 5 << 5;
    QTest::newRow("two seconds left, five ticks") << "Weekly" << QStringList{"0", "0", "2"} << 5 << 2;
    QTest::newRow("spent") << "Daily" << QStringList{"00", "00", "00"} << 3 << 0;
    QTest::newRow("unlimited") << "Unlimited" << QStringList{"0", "10", "0"} << 3 << 0;
    QTest::newRow("0:60:00") << "Monthly" << QStringList{"0", "60", "0"} << 2 << 2;
}

void tst_UsageHistory::ticksAddToTheDay() {
    QFETCH(QString, basedOn);
    QFETCH(QStringList, stored);
    QFETCH(int, ticks);
    QFETCH(int, charged);
    SessionFixture f;
    f.setType(basedOn);
    f.setTime(stored.value(0), stored.value(1), stored.value(2));
    const QDate today = f.tp.clock.today();
    for (int i = 0; i < ticks; ++i) {
        f.tp.clock.advance(1);
        TickUserTime(f.app);
    }
    QCOMPARE(day(f.app, QStringLiteral("anna"), today), charged);
    if (charged == 0) {
        QVERIFY(!f.app.store.registry().keyExists(
            RegRoot::LocalMachine,
            SettingsStore::SectionPath(kAppName, Sections::UserHistory(QStringLiteral("anna")))));
    }
}

void tst_UsageHistory::historyIsInTheTicksCommit() {
    SessionFixture f;
    f.setType(PeriodTypes::Daily);
    f.set(UserKeys::AmmountHours, QStringLiteral("2"));
    f.setTime(QStringLiteral("2"), QStringLiteral("00"), QStringLiteral("00"));
    TickUserTime(f.app); // the first tick writes the two-digit forms
    SqliteRegistry& reg = f.app.store.registry();
    const quint64 before = reg.commits();
    for (int i = 0; i < 10; ++i) {
        f.tp.clock.advance(1);
        TickUserTime(f.app);
    }
    QCOMPARE(reg.commits() - before, quint64(10));
    QCOMPARE(day(f.app, QStringLiteral("anna"), f.tp.clock.today()), 11);
    // Across midnight the seconds go to the new day.
    const QDateTime now = f.tp.clock.now();
    f.tp.clock.suspend(now.secsTo(QDateTime(now.date().addDays(1), QTime(0, 0, 1))));
    f.tp.clock.advance(1);
    TickUserTime(f.app); // renews the day, then charges its first second
    QCOMPARE(day(f.app, QStringLiteral("anna"), now.date()), 11);
    QCOMPARE(day(f.app, QStringLiteral("anna"), now.date().addDays(1)), 1);
}

void tst_UsageHistory::oldDaysPrunedOnceADay() {
    SessionFixture f;
    f.addUser(QStringLiteral("bob"), 2);
    f.setType(PeriodTypes::Daily);
    f.setTime(QStringLiteral("2"), QStringLiteral("00"), QStringLiteral("00"));
    const QDate today = f.tp.clock.today();
    const auto put = [&](const QString& user, const QDate& d, int seconds) {
        f.app.write(Sections::UserHistory(user), UsageDayName(d), seconds);
    };
    const QDate yearAgo = today.addYears(-1);
    for (const QString& user : {QStringLiteral("anna"), QStringLiteral("bob")}) {
        put(user, yearAgo.addDays(-30), 100);
        put(user, yearAgo.addDays(-1), 200);
        put(user, yearAgo, 300);
        put(user, today.addDays(-1), 400);
    }
    f.app.write(Sections::UserHistory(QStringLiteral("bob")), QStringLiteral("note"), QStringLiteral("kept"));
    TickUserTime(f.app); // the day's first second prunes every user
    for (const QString& user : {QStringLiteral("anna"), QStringLiteral("bob")}) {
        QCOMPARE(day(f.app, user, yearAgo.addDays(-30)), 0);
        QCOMPARE(day(f.app, user, yearAgo.addDays(-1)), 0);
        QCOMPARE(day(f.app, user, yearAgo), 300);
        QCOMPARE(day(f.app, user, today.addDays(-1)), 400);
    }
    QCOMPARE(f.app.read(Sections::UserHistory(QStringLiteral("bob")), QStringLiteral("note")).text(),
             QStringLiteral("kept"));
    // The rest of the day adds to a value that exists: no second pruning.
    put(QStringLiteral("bob"), yearAgo.addDays(-5), 50);
    f.tp.clock.advance(1);
    TickUserTime(f.app);
    QCOMPARE(day(f.app, QStringLiteral("bob"), yearAgo.addDays(-5)), 50);
    QCOMPARE(day(f.app, QStringLiteral("anna"), today), 2);
}

void tst_UsageHistory::renameKeepsDeleteRemoves() {
    SessionFixture f;
    f.addUser(QStringLiteral("bob"), 2);
    f.addUser(QStringLiteral("carl"), 3);
    const QDate d = f.tp.clock.today();
    for (const QString& user : {QStringLiteral("anna"), QStringLiteral("bob"), QStringLiteral("carl"),
                                QStringLiteral("bob\\junior"), QStringLiteral("dora")})
        f.app.write(Sections::UserHistory(user), UsageDayName(d), 60);
    f.app.write(Sections::UserHistory(QStringLiteral("anna")), UsageDayName(d.addDays(-1)), 30);

    // "dora" left a history behind; anna renamed to dora keeps only her own.
    f.app.write(Sections::UserHistory(QStringLiteral("dora")), UsageDayName(d.addDays(-3)), 999);
    RenameUsageHistory(f.app, QStringLiteral("anna"), QStringLiteral("dora"));
    QCOMPARE(day(f.app, QStringLiteral("dora"), d), 60);
    QCOMPARE(day(f.app, QStringLiteral("dora"), d.addDays(-1)), 30);
    QCOMPARE(day(f.app, QStringLiteral("dora"), d.addDays(-3)), 0);
    QCOMPARE(day(f.app, QStringLiteral("anna"), d), 0);
    // Only the letter case changed: the same key, nothing moves or goes.
    RenameUsageHistory(f.app, QStringLiteral("dora"), QStringLiteral("Dora"));
    QCOMPARE(day(f.app, QStringLiteral("Dora"), d.addDays(-1)), 30);

    // Deleting bob takes his days, not those of the users below or after him.
    DeleteUser(f.app, QStringLiteral("bob"));
    QCOMPARE(day(f.app, QStringLiteral("bob"), d), 0);
    QCOMPARE(day(f.app, QStringLiteral("bob\\junior"), d), 60);
    QCOMPARE(day(f.app, QStringLiteral("carl"), d), 60);
}

void tst_UsageHistory::overviewFromAStore() {
    SessionFixture f;
    f.addUser(QStringLiteral("bob"), 2);
    f.addUser(QStringLiteral("cy"), 3);
    f.addUser(QStringLiteral("dee"), 4);
    const auto allowance = [&](int n, const QString& type, const QString& h, const QString& m) {
        f.app.write(Sections::User(n), UserKeys::TimeBasedOn, type);
        f.app.write(Sections::User(n), UserKeys::AmmountHours, h);
        f.app.write(Sections::User(n), UserKeys::AmmountMinutes, m);
        f.app.write(Sections::User(n), UserKeys::AmmountSeconds, QStringLiteral("0"));
    };
    allowance(1, PeriodTypes::Daily, QStringLiteral("1"), QStringLiteral("30"));
    allowance(2, PeriodTypes::Weekly, QStringLiteral("7"), QStringLiteral("0"));
    allowance(3, PeriodTypes::Monthly, QStringLiteral("31"), QStringLiteral("0")); // March: 31 days
    allowance(4, PeriodTypes::Unlimited, QStringLiteral("0"), QStringLiteral("0"));
    const QDate today = f.tp.clock.today(); // 3/4/2026
    const auto put = [&](const QString& user, int daysAgo, int seconds) {
        f.app.write(Sections::UserHistory(user), UsageDayName(today.addDays(-daysAgo)), seconds);
    };
    put(QStringLiteral("anna"), 0, 600);
    put(QStringLiteral("anna"), 6, 1200);   // still in the last 7 days
    put(QStringLiteral("anna"), 7, 5000);   // in the chart, not in the week
    put(QStringLiteral("anna"), 13, 100);   // the chart's first day
    put(QStringLiteral("anna"), 14, 99999); // before the chart
    put(QStringLiteral("bob"), 1, 7000);

    const UsageOverview o = BuildUsageOverview(f.app, today);
    QCOMPARE(o.days, 14);
    QCOMPARE(o.firstDay(), today.addDays(-13));
    QCOMPARE(o.rows.size(), 4);
    const UsageRow& anna = o.rows[0];
    QCOMPARE(anna.name, QStringLiteral("anna"));
    QCOMPARE(anna.seconds.size(), 14);
    QCOMPARE(anna.seconds.first(), 100);
    QCOMPARE(anna.seconds[6], 5000);
    QCOMPARE(anna.seconds[7], 1200);
    QCOMPARE(anna.seconds.last(), 600);
    QCOMPARE(anna.weekTotal, 1800);
    QCOMPARE(anna.weekAverage, 1800 / 7);
    QCOMPARE(anna.allowancePerDay, 5400);
    QCOMPARE(o.rows[1].allowancePerDay, 3600); // a week's 7 hours over 7 days
    QCOMPARE(o.rows[2].allowancePerDay, 3600); // 31 hours over March
    QCOMPARE(o.rows[3].allowancePerDay, -1);   // no allowance line
    QCOMPARE(o.rows[1].seconds[12], 7000);     // yesterday
    QCOMPARE(o.scaleSeconds(), 7000 + 875);    // the longest day and an eighth more
    QCOMPARE(UsageHoursMinutes(7000), QStringLiteral("1:56"));
    QCOMPARE(UsageHoursMinutes(0), QStringLiteral("0:00"));
}

TW_TEST(tst_UsageHistory)
void tst_UsageHistory::movedClockKeepsTheHistory_data() {
    QTest::addColumn<int>("days");
    QTest::newRow("a year ahead") << 366;
    QTest::newRow("two years ahead") << 800;
    QTest::newRow("a day back") << -1;
}

void tst_UsageHistory::movedClockKeepsTheHistory() {
    // Setting the wall clock by hand, within one boot, neither prunes the bars nor dates the
    // next seconds on the day it names: the history goes by the period check's day.
    QFETCH(int, days);
    SessionFixture f;
    f.setType(PeriodTypes::Daily);
    f.setTime(QStringLiteral("5"), QStringLiteral("00"), QStringLiteral("00"));
    const QDate today = f.tp.clock.today();
    f.app.write(Sections::UserHistory(QStringLiteral("anna")), UsageDayName(today.addDays(-30)), 600);
    f.tick();
    f.tp.clock.set(f.tp.clock.now().addDays(days));
    f.tick();
    f.tick();
    QCOMPARE(day(f.app, QStringLiteral("anna"), today.addDays(-30)), 600);
    QCOMPARE(day(f.app, QStringLiteral("anna"), today), 3);
    QCOMPARE(day(f.app, QStringLiteral("anna"), today.addDays(days)), 0);
}

#include "tst_UsageHistory.moc"
