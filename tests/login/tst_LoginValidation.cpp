#include "LoginFixture.h"
#include "TestRegistry.h"
#include "login/LoginValidation.h"
#include "platform/Clock.h"
#include "storage/ActivityLog.h"
#include "timekeeping/LoginHours.h"
#include "timekeeping/Periods.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <memory>

using namespace UserKeys;

class tst_LoginValidation : public QObject {
    Q_OBJECT
private slots:
    void checksInOrder_data();
    void checksInOrder();
    void typedNameSelectsItsEntry_data();
    void typedNameSelectsItsEntry();
    void refusedForTimeStillSetsCurrentUser();
    void listPasswordsRenewAndSpend();
    void spentListWithAndWithoutRefresh_data();
    void spentListWithAndWithoutRefresh();
    void listWithoutTimeRefresh();
    void pendingDeductionAtRenewingLogin();
    void loginHours_data();
    void loginHours();
    void hourTable_data();
    void hourTable();
    void typedRuleHours_data();
    void typedRuleHours();
    void nextChangeOfTheHours();
    void overnightRenewalAtTheLoginWindow();
    void hugeRuleCountEndsWithTheStoredRules();
    void identifiersReplacedOnce_data();
    void identifiersReplacedOnce();
    void loginEventsSkipMissingFiles();
    void loginEventsStartTheWholeValue();
    void parentPasswordRestOutlivesARestart();
    void parentListPasswordGivesOnce();
};

void tst_LoginValidation::checksInOrder_data() {
    QTest::addColumn<QString>("selected"); // null: nothing selected
    QTest::addColumn<QString>("password");
    QTest::addColumn<KeyValues>("record");
    QTest::addColumn<QString>("message"); // empty: accepted

    QTest::newRow("no selection") << QString() << "pw" << KeyValues{} << "Please select a user first";
    QTest::newRow("no selection before empty password")
        << QString() << "" << KeyValues{} << "Please select a user first";
    QTest::newRow("empty password") << "Ann"
                                    << "" << KeyValues{} << "Please enter a password";
    QTest::newRow("unknown user") << "Zed"
                                  << "pw" << KeyValues{} << "Zed is not a user";
    QTest::newRow("trailing blank is another name") << "Ann "
                                                    << "Secret" << KeyValues{} << "Ann  is not a user";
    QTest::newRow("wrong password") << "Ann"
                                    << "secreT" << KeyValues{} << "Invalid Password!";
    QTest::newRow("password in other case") << "Ann"
                                            << "secret" << KeyValues{} << "Invalid Password!";
    QTest::newRow("no stored password") << "Ann"
                                        << "Secret" << KeyValues{{Password, QString()}} << "Invalid Password!";
    QTest::newRow("no time left") << "Ann"
                                  << "Secret" << KeyValues{{FreeHours, "0"}, {FreeMin, "0"}, {FreeSec, "00"}}
                                  << "User has no time left!";
    QTest::newRow("free time missing") << "Ann"
                                       << "Secret"
                                       << KeyValues{{FreeHours, QString()}, {FreeMin, QString()}, {FreeSec, QString()}}
                                       << "User has no time left!";
    QTest::newRow("one second left") << "Ann"
                                     << "Secret" << KeyValues{{FreeHours, "0"}, {FreeMin, "0"}, {FreeSec, "1"}} << "";
    QTest::newRow("unlimited with zero time")
        << "Ann"
        << "Secret" << KeyValues{{TimeBasedOn, "Unlimited"}, {FreeHours, "0"}, {FreeMin, "0"}, {FreeSec, "0"}} << "";
    QTest::newRow("unlimited in other case is not unlimited")
        << "Ann"
        << "Secret" << KeyValues{{TimeBasedOn, "unlimited"}, {FreeHours, "0"}} << "User has no time left!";
    QTest::newRow("denied hour") << "Ann"
                                 << "Secret"
                                 << KeyValues{{TimeRestriction, "1"},
                                              {TimeRestrictionAmmt, "1"},
                                              {TimeRestBegin(0), "14"},
                                              {TimeRestEnd(0), "16"},
                                              {TimeRestType(0), "Deny"}}
                                 << "User cannot log in at this time!";
    QTest::newRow("rules off") << "Ann"
                               << "Secret"
                               << KeyValues{{TimeRestriction, "0"},
                                            {TimeRestrictionAmmt, "1"},
                                            {TimeRestBegin(0), "14"},
                                            {TimeRestEnd(0), "16"},
                                            {TimeRestType(0), "Deny"}}
                               << "";
    QTest::newRow("name in other case") << "ann"
                                        << "Secret" << KeyValues{} << "";
}

void tst_LoginValidation::checksInOrder() {
    QFETCH(QString, selected);
    QFETCH(QString, password);
    QFETCH(KeyValues, record);
    QFETCH(QString, message);
    TestPlatform tp; // the clock stands at 15:10
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Bob"), QStringLiteral("bobpw"));
    addUser(app, 2, QStringLiteral("Ann"), QStringLiteral("Secret"), record);
    const LoginCheck r = ValidateLogin(app, selected, password);
    QCOMPARE(r.message, message);
    QCOMPARE(r.accepted, message.isEmpty());
    if (r.accepted) QCOMPARE(app.CurrentUserNumber, qint16(2));
}

void tst_LoginValidation::typedNameSelectsItsEntry_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("selected");
    QTest::newRow("exact") << "Bob" << 0 << 1;
    QTest::newRow("exact, nothing selected before") << "Bob" << -1 << 1;
    QTest::newRow("lower case, nothing selected before") << "bob" << -1 << 1;
    QTest::newRow("upper case replaces the old selection") << "BOB" << 0 << 1;
    QTest::newRow("mixed case") << "aNN" << 1 << 0;
    QTest::newRow("not a user") << "Zed" << 0 << 0;
}

void tst_LoginValidation::typedNameSelectsItsEntry() {
    QFETCH(QString, typed);
    QFETCH(int, current);
    QFETCH(int, selected);
    TestPlatform tp;
    addUser(*tp.app, 1, QStringLiteral("Ann"), QStringLiteral("a"));
    addUser(*tp.app, 2, QStringLiteral("Bob"), QStringLiteral("b"));
    const QStringList entries = {QStringLiteral("Ann"), QStringLiteral("Bob")};
    QCOMPARE(SelectTypedUser(*tp.app, entries, typed, current), selected);
}

void tst_LoginValidation::refusedForTimeStillSetsCurrentUser() {
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("a"));
    addUser(app, 2, QStringLiteral("Bob"), QStringLiteral("b"), {{FreeHours, "0"}});
    app.CurrentUserNumber = 1;
    QCOMPARE(ValidateLogin(app, QStringLiteral("Bob"), QStringLiteral("b")).message,
             QStringLiteral("User has no time left!"));
    QCOMPARE(app.CurrentUserNumber, qint16(2));
    // A wrong password leaves it alone.
    QCOMPARE(ValidateLogin(app, QStringLiteral("Ann"), QStringLiteral("x")).message,
             QStringLiteral("Invalid Password!"));
    QCOMPARE(app.CurrentUserNumber, qint16(2));
}

void tst_LoginValidation::listPasswordsRenewAndSpend() {
    TestPlatform tp;
    App& app = *tp.app;
    const QString s = Sections::User(1);
    addUser(app, 1, QStringLiteral("Kid"), QString(),
            {{DisablePW, "1"}, {RefreshTimePW, "1"}, {FreeHours, "0"}, {FreeMin, "10"}, {FreeSec, "00"}});
    setPasswordList(app, 1, {QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")}, {"0", "0", "0"});
    const auto used = [&] {
        return QStringList{app.read(s, ListPasswordUsed(1)).text(), app.read(s, ListPasswordUsed(2)).text(),
                           app.read(s, ListPasswordUsed(3)).text()};
    };
    const auto free = [&] {
        return app.read(s, FreeHours).text() + QLatin1Char(':') + app.read(s, FreeMin).text() + QLatin1Char(':') +
               app.read(s, FreeSec).text();
    };

    // First login with password 2: renewed, nothing spent.
    QVERIFY(ValidateLogin(app, QStringLiteral("Kid"), QStringLiteral("two")).accepted);
    QCOMPARE(app.LoginPasswordIndex, qint16(2));
    QCOMPARE(free(), QStringLiteral("2:0:0"));
    QCOMPARE(app.read(s, LastStartDate).text(), CurrentPeriodStart(app, PeriodTypes::Daily));
    QCOMPARE(used(), (QStringList{"0", "0", "0"}));
    QCOMPARE(app.read(s, PasswordLastUsed).text(), QStringLiteral("2"));

    // Again with password 2 after using some time: no renewal, nothing spent.
    app.write(s, FreeHours, "1");
    QVERIFY(ValidateLogin(app, QStringLiteral("Kid"), QStringLiteral("two")).accepted);
    QCOMPARE(free(), QStringLiteral("1:0:0"));
    QCOMPARE(used(), (QStringList{"0", "0", "0"}));

    // Password 3: password 2 is spent, the time renewed.
    QVERIFY(ValidateLogin(app, QStringLiteral("Kid"), QStringLiteral("three")).accepted);
    QCOMPARE(used(), (QStringList{"0", "1", "0"}));
    QCOMPARE(free(), QStringLiteral("2:0:0"));
    QCOMPARE(app.read(s, PasswordLastUsed).text(), QStringLiteral("3"));
    QCOMPARE(app.LoginPasswordIndex, qint16(3));

    // A spent password is refused; the list's passwords are compared exactly.
    QCOMPARE(ValidateLogin(app, QStringLiteral("Kid"), QStringLiteral("two")).message,
             QStringLiteral("Password already used!"));
    QCOMPARE(ValidateLogin(app, QStringLiteral("Kid"), QStringLiteral("One")).message,
             QStringLiteral("Invalid Password!"));
}

void tst_LoginValidation::spentListWithAndWithoutRefresh_data() {
    QTest::addColumn<QString>("refresh");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("usedAfter");
    for (const char* pw : {"one", "two"}) {
        QTest::addRow("no refresh, %s", pw) << "0" << pw << "Password already used!" << QStringList{"1", "1"};
        QTest::addRow("refresh, %s", pw) << "1" << pw << "" << QStringList{"0", "0"};
    }
    QTest::newRow("no refresh, unknown") << "0"
                                         << "nine"
                                         << "Invalid Password!" << QStringList{"1", "1"};
    QTest::newRow("refresh, unknown") << "1"
                                      << "nine"
                                      << "Invalid Password!" << QStringList{"0", "0"};
}

void tst_LoginValidation::spentListWithAndWithoutRefresh() {
    QFETCH(QString, refresh);
    QFETCH(QString, password);
    QFETCH(QString, message);
    QFETCH(QStringList, usedAfter);
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Kid"), QString(), {{RefreshPW, refresh}, {RefreshTimePW, "0"}});
    setPasswordList(app, 1, {QStringLiteral("one"), QStringLiteral("two")}, {"1", "1"});
    QCOMPARE(ValidateLogin(app, QStringLiteral("Kid"), password).message, message);
    const QString s = Sections::User(1);
    QCOMPARE((QStringList{app.read(s, ListPasswordUsed(1)).text(), app.read(s, ListPasswordUsed(2)).text()}),
             usedAfter);
}

void tst_LoginValidation::listWithoutTimeRefresh() {
    TestPlatform tp;
    App& app = *tp.app;
    const QString s = Sections::User(1);
    addUser(app, 1, QStringLiteral("Kid"), QString(),
            {{RefreshTimePW, "0"}, {DisablePW, "1"}, {PasswordLastUsed, "1"}, {FreeHours, "0"}, {FreeMin, "5"}});
    // Missing markers count as unused.
    setPasswordList(app, 1, {QStringLiteral("one"), QStringLiteral("two")});
    QVERIFY(ValidateLogin(app, QStringLiteral("Kid"), QStringLiteral("two")).accepted);
    QCOMPARE(app.LoginPasswordIndex, qint16(2));
    QCOMPARE(app.read(s, FreeMin).text(), QStringLiteral("5"));
    QCOMPARE(app.read(s, FreeHours).text(), QStringLiteral("0"));
    QVERIFY(app.read(s, ListPasswordUsed(1)).isAbsent());
    QVERIFY(app.read(s, ListPasswordUsed(2)).isAbsent());
    QCOMPARE(app.read(s, PasswordLastUsed).text(), QStringLiteral("1"));
}

void tst_LoginValidation::pendingDeductionAtRenewingLogin() {
    TestPlatform tp;
    App& app = *tp.app;
    const QString s = Sections::User(1);
    addUser(app, 1, QStringLiteral("Kid"), QString(),
            {{AmmountHours, "1"}, {AmmountMinutes, "5"}, {SubtrTime, "10"}, {FreeHours, "0"}, {FreeMin, "0"}});
    setPasswordList(app, 1, {QStringLiteral("one")}, {"0"});
    QVERIFY(ValidateLogin(app, QStringLiteral("Kid"), QStringLiteral("one")).accepted);
    QCOMPARE(app.read(s, FreeHours).toLongLong(-1), 0LL);
    QCOMPARE(app.read(s, FreeMin).toLongLong(-1), 55LL);
    QVERIFY(app.read(s, SubtrTime).text().isEmpty());
}

void tst_LoginValidation::loginHours_data() {
    QTest::addColumn<int>("hour");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("8: begin of the allow rule, outside the deny rule") << 8 << true;
    QTest::newRow("12: begin of the deny rule is inside it") << 12 << false;
    QTest::newRow("13: inside both, the last decides") << 13 << false;
    QTest::newRow("14: end of the deny rule is outside it") << 14 << true;
}

void tst_LoginValidation::loginHours() {
    QFETCH(int, hour);
    QFETCH(bool, allowed);
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("a"),
            {{TimeRestriction, "1"},
             {TimeRestrictionAmmt, "2"},
             {TimeRestBegin(0), "8"},
             {TimeRestEnd(0), "17"},
             {TimeRestType(0), "Allow"},
             {TimeRestBegin(1), "12"},
             {TimeRestEnd(1), "14"},
             {TimeRestType(1), "Deny"}});
    tp.clock.set(QDate(2026, 3, 4), QTime(hour, 30));
    const LoginCheck r = ValidateLogin(app, QStringLiteral("Ann"), QStringLiteral("a"));
    QCOMPARE(r.accepted, allowed);
    QCOMPARE(r.message, allowed ? QString() : QStringLiteral("User cannot log in at this time!"));
}

void tst_LoginValidation::hourTable_data() {
    QTest::addColumn<QStringList>("rules"); // "begin end type" each, in order
    QTest::addColumn<QTime>("at");
    QTest::addColumn<bool>("denied");
    const QStringList evening{"21 7 Deny"};
    QTest::newRow("begin hour is inside") << QStringList{"8 17 Deny"} << QTime(8, 0) << true;
    QTest::newRow("inside") << QStringList{"8 17 Deny"} << QTime(12, 30) << true;
    QTest::newRow("end hour is outside") << QStringList{"8 17 Deny"} << QTime(17, 0) << false;
    QTest::newRow("last minute before the end") << QStringList{"8 17 Deny"} << QTime(16, 59) << true;
    QTest::newRow("overnight, before midnight") << evening << QTime(23, 30) << true;
    QTest::newRow("overnight, after midnight") << evening << QTime(3, 10) << true;
    QTest::newRow("overnight, its end hour") << evening << QTime(7, 30) << false;
    QTest::newRow("overnight, the afternoon") << evening << QTime(15, 0) << false;
    QTest::newRow("overnight, its begin hour") << evening << QTime(21, 0) << true;
    QTest::newRow("same begin and end: the whole day") << QStringList{"6 6 Deny"} << QTime(11, 0) << true;
    QTest::newRow("several: the last holding rule decides")
        << QStringList{"0 0 Deny", "15 18 Allow", "17 18 Deny"} << QTime(16, 0) << false;
    QTest::newRow("several: a later deny wins")
        << QStringList{"0 0 Deny", "15 18 Allow", "17 18 Deny"} << QTime(17, 5) << true;
    QTest::newRow("several: outside the allow") << QStringList{"0 0 Deny", "15 18 Allow"} << QTime(9, 0) << true;
    QTest::newRow("unknown type decides nothing") << QStringList{"8 17 Deny", "8 17 deny"} << QTime(9, 0) << true;
    QTest::newRow("no rule holds: allowed") << QStringList{"8 9 Deny"} << QTime(10, 0) << false;
}

void tst_LoginValidation::hourTable() {
    QFETCH(QStringList, rules);
    QFETCH(QTime, at);
    QFETCH(bool, denied);
    TestPlatform tp;
    App& app = *tp.app;
    KeyValues record{{TimeRestriction, "1"}, {TimeRestrictionAmmt, QString::number(rules.size())}};
    for (int i = 0; i < rules.size(); ++i) {
        const QStringList r = rules[i].split(QLatin1Char(' '));
        record << qMakePair(TimeRestBegin(i), r[0]) << qMakePair(TimeRestEnd(i), r[1])
               << qMakePair(TimeRestType(i), r[2]);
    }
    addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("a"), record);
    QCOMPARE(LoginHoursDeny(app, 1, at.hour()), denied);
    tp.clock.set(QDate(2026, 3, 4), at);
    QCOMPARE(ValidateLogin(app, QStringLiteral("Ann"), QStringLiteral("a")).message,
             denied ? QStringLiteral("User cannot log in at this time!") : QString());
    // The session asks the same rules: 0 seconds left when the hour is denied.
    QCOMPARE(SecondsUntilHoursDeny(app, 1, at) == 0, denied);
    // Switched off, the rules say nothing.
    app.write(Sections::User(1), TimeRestriction, "0");
    QVERIFY(!LoginHoursDeny(app, 1, at.hour()));
}

void tst_LoginValidation::typedRuleHours_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("hour"); // -1: cannot be read
    const struct {
        const char* typed;
        int hour;
    } rows[] = {
        {"20", 20},    {"20:00", 20},    {" 8 pm ", 20},       {"8pm", 20},    {"8 P.M.", 20}, {"8:00 pm", 20},
        {"08", 8},     {"8 am", 8},      {"12 am", 0},         {"12 pm", 12},  {"0", 0},       {"00:00", 0},
        {"24:00", 0},  {"24", 0},        {"23", 23},           {"7.9", 7},     {"", -1},       {"x", -1},
        {"25", -1},    {"-1", -1},       {"7:30", -1},         {"7:0", -1},    {"13 pm", -1},  {"0 am", -1},
        {"24:30", -1}, {"20:00:00", -1}, {"8 pm tonight", -1}, {"7.5 pm", -1},
    };
    for (const auto& r : rows)
        QTest::newRow(r.typed[0] ? r.typed : "(empty)") << QString::fromUtf8(r.typed) << r.hour;
}

void tst_LoginValidation::typedRuleHours() {
    QFETCH(QString, typed);
    QFETCH(int, hour);
    QCOMPARE(ParseRuleHour(typed).value_or(-1), hour);
}

void tst_LoginValidation::nextChangeOfTheHours() {
    // When the rules next deny or allow, as the session (and the login window) ask it.
    const QList<HourRule> evening{{21, 7, QStringLiteral("Deny")}};
    QCOMPARE(HoursUntil(evening, 20, true), 1);
    QCOMPARE(HoursUntil(evening, 23, false), 8);
    QCOMPARE(HoursUntil(evening, 23, true), 0);
    QCOMPARE(HoursUntil({}, 5, true), -1);
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("a"),
            {{TimeRestriction, "1"},
             {TimeRestrictionAmmt, "1"},
             {TimeRestBegin(0), "21"},
             {TimeRestEnd(0), "7"},
             {TimeRestType(0), "Deny"}});
    QCOMPARE(SecondsUntilHoursDeny(app, 1, QTime(20, 57, 0)), 180LL);
    QCOMPARE(SecondsUntilHoursDeny(app, 1, QTime(8, 0, 0)), 13 * 3600LL);
    app.write(Sections::User(1), TimeRestType(0), "Allow");
    QCOMPARE(SecondsUntilHoursDeny(app, 1, QTime(8, 0, 0)), -1LL);
}

void tst_LoginValidation::overnightRenewalAtTheLoginWindow() {
    // Ann's time ran out yesterday; the login window stayed up all night. After midnight she
    // is let in with the new day's allowance.
    TestPlatform tp;
    App& app = *tp.app;
    tp.clock.set(QDate(2026, 3, 4), QTime(22, 0));
    addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("a"), {{FreeHours, "00"}, {FreeMin, "00"}, {FreeSec, "00"}});
    QCOMPARE(ValidateLogin(app, QStringLiteral("Ann"), QStringLiteral("a")).message,
             QStringLiteral("User has no time left!"));
    tp.clock.advance(2 * 3600 + 5 * 60); // a real night: to 0:05 the next day
    const LoginCheck r = ValidateLogin(app, QStringLiteral("Ann"), QStringLiteral("a"));
    QVERIFY(r.accepted);
    QCOMPARE(app.read(Sections::User(1), FreeHours).text(), QStringLiteral("2"));
}

void tst_LoginValidation::hugeRuleCountEndsWithTheStoredRules() {
    TestPlatform tp;
    App& app = *tp.app;
    // Rule 0 denies 12-14; rules 1-4 are not stored; rule 5 allows again. The count names far
    // more rules than exist.
    addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("a"),
            {{TimeRestriction, "1"},
             {TimeRestrictionAmmt, "2147483647"},
             {TimeRestBegin(0), "12"},
             {TimeRestEnd(0), "14"},
             {TimeRestType(0), "Deny"},
             {TimeRestBegin(5), "10"},
             {TimeRestEnd(5), "20"},
             {TimeRestType(5), "Allow"}});
    QElapsedTimer t;
    t.start();
    QVERIFY(!LoginHoursDeny(app, 1, 13));
    QVERIFY(t.elapsed() < 2000);
    // A count that stops before rule 5 leaves the deny rule deciding.
    app.write(Sections::User(1), TimeRestrictionAmmt, "5");
    QVERIFY(LoginHoursDeny(app, 1, 13));
    app.write(Sections::User(1), TimeRestrictionAmmt, "-3");
    QVERIFY(!LoginHoursDeny(app, 1, 13));
    app.write(Sections::User(1), TimeRestrictionAmmt, "99999999999999999999999");
    QVERIFY(!LoginHoursDeny(app, 1, 13));
}

void tst_LoginValidation::identifiersReplacedOnce_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("name in capitals, then time") << "Ann"
                                                 << "$NAME came at $time"
                                                 << "Ann came at 3:10:45 PM";
    QTest::newRow("every identifier") << "Ann"
                                      << "$name $number $time $date $freetime $totaltime $basedon"
                                      << "Ann 1 3:10:45 PM 3/4/2026 1:00:00 2:0:0 Daily";
    QTest::newRow("a user called $name") << "$name"
                                         << "$name and $Name"
                                         << "$name and $name";
    QTest::newRow("name holding another identifier") << "$time$"
                                                     << "<$name>"
                                                     << "<$time$>";
    QTest::newRow("no identifiers") << "Ann"
                                    << "plain $ text $nam"
                                    << "plain $ text $nam";
}

void tst_LoginValidation::identifiersReplacedOnce() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, name, QStringLiteral("a"));
    app.CurrentUserNumber = 1;
    QCOMPARE(ReplaceLoginIdentifiers(app, 1, text), expected);
}

void tst_LoginValidation::loginEventsSkipMissingFiles() {
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("a"),
            {{LoginPlaySound, "1"},
             {LoginPlaySoundSoundLocation, "/nowhere/ding.wav"},
             {LoginProg, "1"},
             {LoginProgLoc, "/nowhere/game"},
             {LoginDisplayMessage, "1"},
             {LoginDisplayMessageText, "Hello"}});
    RunLoginEvents(app, 1);
    QVERIFY(tp.sound.played.isEmpty());
    QVERIFY(tp.processStart.started.isEmpty());
    // The message is left up: the login goes on without waiting for it.
    QCOMPARE(tp.messageBox.openTexts(), QStringList{QStringLiteral("Hello")});
    QCOMPARE(tp.messageBox.shown.first().title, QStringLiteral("TimeWard"));
    QCOMPARE(tp.messageBox.shown.first().icon, MsgIcon::Information);
}

void tst_LoginValidation::loginEventsStartTheWholeValue() {
    TestPlatform tp;
    App& app = *tp.app;
    // A program whose name would mean something to a shell is still one path.
    const QString program = tp.dataFile(QStringLiteral("my game; echo x"));
    const QString sound = tp.dataFile(QStringLiteral("ding.wav"));
    for (const QString& f : {program, sound}) {
        QFile file(f);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QString log = tp.dataFile(QStringLiteral("activity.log"));
    app.write(Sections::Config, ConfigKeys::LogEnable, "1");
    app.write(Sections::Config, ConfigKeys::LogTimeStamp, "0");
    app.write(Sections::Config, ConfigKeys::LogTFOn, "1");
    app.write(Sections::Config, ConfigKeys::LogTFFile, log);
    addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("a"),
            {{LoginPlaySound, "1"},
             {LoginPlaySoundSoundLocation, sound},
             {LoginProg, "1"},
             {LoginProgLoc, program},
             {LoginWTTL, "1"},
             {LoginWTTLText, "$name is on ($basedon)"}});
    RunLoginEvents(app, 1);
    QCOMPARE(tp.sound.played, QStringList{sound});
    QCOMPARE(tp.processStart.started, QStringList{program});

    // A stored name in other letters finds the file under its real name.
    app.write(Sections::User(1), LoginWTTL, "0");
    app.write(Sections::User(1), LoginPlaySoundSoundLocation, tp.dataFile(QStringLiteral("DING.WAV")));
    RunLoginEvents(app, 1);
    QCOMPARE(tp.sound.played, (QStringList{sound, sound}));
    QVERIFY(tp.messageBox.shown.isEmpty());
    QCOMPARE(tp.fileLines(log), QStringList{QStringLiteral("\"Ann is on (Daily)\"")});
}

TW_TEST(tst_LoginValidation)
void tst_LoginValidation::parentPasswordRestOutlivesARestart() {
    // The wrong tries and the rest are the store's: a new copy of the program gives no new
    // tries. Each further five wrong tries double the rest, up to an hour; every wrong try is
    // logged.
    TestPlatform tp;
    tp.app->write(Sections::Config, ConfigKeys::LogEnable, "1");
    addUser(*tp.app, 1, QStringLiteral("Ann"), QStringLiteral("mum"), {{UserKeys::ParentRights, "1"}});
    const auto wrongFive = [&] {
        for (int i = 0; i < kAskParentTries; ++i) {
            const ParentPasswordCheck c = CheckParentPassword(*tp.app, QStringLiteral("Ann"), QStringLiteral("guess"),
                                                              QStringLiteral("the login window"));
            QCOMPARE(c.refusal.isEmpty(), false);
            QCOMPARE(c.resting, i == kAskParentTries - 1);
        }
    };
    const auto restart = [&] { tp.app = std::make_unique<App>(tp.platform, *tp.registry); };
    for (const qint64 rest : {60, 120, 240, 480, 960, 1920, 3600, 3600}) {
        wrongFive();
        restart();
        QCOMPARE(ParentPasswordRestSeconds(*tp.app), rest);
        // During the rest even the right password is not looked at.
        const ParentPasswordCheck c = CheckParentPassword(*tp.app, QStringLiteral("Ann"), QStringLiteral("mum"),
                                                          QStringLiteral("the login window"));
        QVERIFY(c.resting);
        QCOMPARE(c.parent, 0);
        tp.clock.advance(rest);
        QCOMPARE(ParentPasswordRestSeconds(*tp.app), 0);
    }
    QCOMPARE(LastingLogTail(tp.platform.paths, 100).filter(QStringLiteral("Wrong parent's password")).size(), 40);
    // The right password ends the count: the next rest is a minute again.
    QCOMPARE(CheckParentPassword(*tp.app, QStringLiteral("Ann"), QStringLiteral("mum"), QStringLiteral("x")).parent, 1);
    restart();
    wrongFive();
    QCOMPARE(ParentPasswordRestSeconds(*tp.app), 60);
}

void tst_LoginValidation::parentListPasswordGivesOnce() {
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Dad"), QStringLiteral("x"), {{UserKeys::ParentRights, "1"}});
    setPasswordList(app, 1, {QStringLiteral("one"), QStringLiteral("two")});
    QCOMPARE(CheckParentPassword(app, QStringLiteral("Dad"), QStringLiteral("two"), QStringLiteral("x")).parent, 1);
    QCOMPARE(app.read(Sections::User(1), UserKeys::ListPasswordUsed(2)).text(), QStringLiteral("1"));
    const ParentPasswordCheck again =
        CheckParentPassword(app, QStringLiteral("Dad"), QStringLiteral("two"), QStringLiteral("x"));
    QCOMPARE(again.refusal, LoginMessages::PasswordUsed());
    QCOMPARE(again.parent, 0);
}

#include "tst_LoginValidation.moc"
