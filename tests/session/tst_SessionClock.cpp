#include "SessionFixture.h"
#include "TestRegistry.h"
#include "login/LoginValidation.h"
#include "storage/ActivityLog.h"
#include "timekeeping/SessionClock.h"
#include "users/PasswordScramble.h"
#include "users/UserTable.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <memory>

// The session clock over the stored free time: borrowing, the warning at 0:03:00, the
// hand-over to the time-out and the users it leaves alone.
class tst_SessionClock : public QObject {
    Q_OBJECT
private slots:
    void tick_data();
    void tick();
    void warningShownBeforeCounting();
    void chargesRealSeconds_data();
    void chargesRealSeconds();
    void refusedWriteIsOwedNotLost();
    void refusingStoreStillTimesOut();
    void openSessionChargedAtStart_data();
    void openSessionChargedAtStart();
    void warningLeftOpenStillTimesOut();
    void loginMessageLeftOpen();
    void countsTheLoggedInUserAfterDeletes_data();
    void countsTheLoggedInUserAfterDeletes();
    void deletedLoggedInUserIsNotCounted();
    void hoursEndDuringSession_data();
    void hoursEndDuringSession();
    void timeLeftText_data();
    void timeLeftText();
    void loginAndTickAgree_data();
    void loginAndTickAgree();
};

void tst_SessionClock::tick_data() {
    QTest::addColumn<QString>("basedOn"); // "-" leaves "Time Based On" out
    QTest::addColumn<QString>("warn");    // "-" leaves "3MinWarn" out
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("warning");
    QTest::addColumn<bool>("timeOut");

    const QStringList t3 = {QStringLiteral("00"), QStringLiteral("03"), QStringLiteral("00")};
    QTest::newRow("0:03:00 with the warning") << "Daily"
                                              << "1" << t3 << "00:02:59" << true << false;
    QTest::newRow("0:03:00, warning off") << "Daily"
                                          << "0" << t3 << "00:02:59" << false << false;
    QTest::newRow("0:03:00, warning not set") << "Daily"
                                              << "-" << t3 << "00:02:59" << false << false;
    QTest::newRow("0:3:0 as typed, warning on") << "Daily"
                                                << "1" << QStringList{"0", "3", "0"} << "00:02:59" << true << false;
    QTest::newRow("0:02:30 jumps over the warning")
        << "Daily"
        << "1" << QStringList{"0", "2", "30"} << "00:02:29" << false << false;
    QTest::newRow("1:00:00 from an allowance") << "Daily"
                                               << "1" << QStringList{"1", "0", "0"} << "00:59:59" << false << false;
    QTest::newRow("0:00:01 reaches the time-out") << "Weekly"
                                                  << "1" << QStringList{"0", "0", "1"} << "00:00:00" << false << true;
    QTest::newRow("0:00:00 already spent") << "Weekly"
                                           << "1" << QStringList{"00", "00", "00"} << "00:00:00" << false << true;
    QTest::newRow("missing values read as spent") << "Weekly"
                                                  << "1" << QStringList{} << "00:00:00" << false << true;
    QTest::newRow("0:60:00") << "Daily"
                             << "1" << QStringList{"0", "60", "0"} << "00:59:59" << false << false;
    QTest::newRow("0:90:00") << "Daily"
                             << "1" << QStringList{"0", "90", "0"} << "00:89:59" << false << false;
    QTest::newRow("hours above 99 keep their digits")
        << "Monthly"
        << "1" << QStringList{"100", "0", "0"} << "99:59:59" << false << false;
    QTest::newRow("letters read as 0") << "Daily"
                                       << "1" << QStringList{"1", "abc", "5"} << "01:00:04" << false << false;
    QTest::newRow("no Time Based On is counted") << "-"
                                                 << "1" << QStringList{"2", "5", "7"} << "02:05:06" << false << false;
    QTest::newRow("unlimited is left alone") << "unlimited"
                                             << "1" << QStringList{"0", "3", "0"} << "0:3:0" << false << false;
}

void tst_SessionClock::tick() {
    QFETCH(QString, basedOn);
    QFETCH(QString, warn);
    QFETCH(QStringList, stored);
    QFETCH(QString, after);
    QFETCH(bool, warning);
    QFETCH(bool, timeOut);

    SessionFixture f;
    if (basedOn != QLatin1String("-"))
        f.setType(basedOn);
    else
        f.set(UserKeys::LastStartDate, CurrentPeriodStart(f.app, PeriodTypes::Daily));
    if (warn != QLatin1String("-")) f.config(ConfigKeys::ThreeMinWarn, warn);
    if (stored.size() == 3) f.setTime(stored[0], stored[1], stored[2]);

    TickUserTime(f.app);

    QCOMPARE(f.time(), after);
    // The warning stays up while the time counts on.
    QCOMPARE(f.tp.messageBox.openTexts(), warning ? QStringList{kThreeMinuteWarning} : QStringList{});
    if (warning) QCOMPARE(f.tp.messageBox.shown.first().icon, MsgIcon::Information);
    QCOMPARE(f.hooks.contains(QStringLiteral("timer:off")), timeOut);
    QCOMPARE(f.app.read(Sections::Config, ConfigKeys::CurrentNumberOfUsers).text(), QStringLiteral("1"));
}

void tst_SessionClock::warningShownBeforeCounting() {
    // When the box comes up the time still reads 0:03:00 and the shell is held on until the
    // box is answered.
    SessionFixture f;
    f.config(ConfigKeys::ThreeMinWarn, QStringLiteral("1"));
    f.setType(PeriodTypes::Weekly);
    f.setTime(QStringLiteral("00"), QStringLiteral("03"), QStringLiteral("00"));
    QString seen;
    f.tp.messageBox.onShow = [&](const TestMessageBox::Shown&) { seen = f.time(); };
    TickUserTime(f.app);
    QCOMPARE(seen, QStringLiteral("00:03:00"));
    QCOMPARE(f.hooks, QStringList{QStringLiteral("hold:on")});
    QVERIFY(f.tp.messageBox.answerOpen());
    QCOMPARE(f.hooks, (QStringList{QStringLiteral("hold:on"), QStringLiteral("hold:off")}));
}

void tst_SessionClock::chargesRealSeconds_data() {
    // Steps between ticks: "run:S" real seconds pass (the program may be stalled), "ms:N"
    // milliseconds pass, "suspend:S" the machine sleeps, "tick" is one controller tick.
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("warnings");
    QTest::addColumn<bool>("timeOut");
    const QStringList twoHours{"02", "05", "07"};
    QTest::newRow("one second a tick") << twoHours << QStringList{"tick", "run:1", "tick", "run:1", "tick"}
                                       << "02:05:04" << 0 << false;
    QTest::newRow("a stall of 20 seconds is charged")
        << twoHours << QStringList{"tick", "run:20", "tick"} << "02:04:46" << 0 << false;
    QTest::newRow("an hour suspended is not")
        << twoHours << QStringList{"tick", "suspend:3600", "run:1", "tick"} << "02:05:05" << 0 << false;
    QTest::newRow("parts of a second add up")
        << twoHours << QStringList{"tick", "ms:600", "tick", "ms:600", "tick", "ms:900", "tick"} << "02:05:04" << 0
        << false;
    QTest::newRow("a timer firing a little early charges its second")
        << twoHours << QStringList{"tick", "ms:960", "tick", "ms:1000", "tick"} << "02:05:04" << 0 << false;
    QTest::newRow("no real time, no charge")
        << twoHours << QStringList{"tick", "tick", "tick"} << "02:05:06" << 0 << false;
    QTest::newRow("a stall across the warning warns once")
        << QStringList{"00", "03", "10"} << QStringList{"tick", "run:30", "tick", "run:1", "tick"} << "00:02:38" << 1
        << false;
    QTest::newRow("a stall past the end reaches the time-out")
        << QStringList{"00", "00", "10"} << QStringList{"tick", "run:60", "tick"} << "00:00:00" << 0 << true;
}

void tst_SessionClock::chargesRealSeconds() {
    // The clock charges the seconds that really passed on the monotonic clock, however the
    // ticks fall: a stalled program pays for the stall, a sleeping machine does not, and the
    // warning and the time-out come at their moment of real time.
    QFETCH(QStringList, stored);
    QFETCH(QStringList, steps);
    QFETCH(QString, after);
    QFETCH(int, warnings);
    QFETCH(bool, timeOut);
    SessionFixture f;
    f.setType(PeriodTypes::Daily);
    f.config(ConfigKeys::ThreeMinWarn, QStringLiteral("1"));
    f.setTime(stored[0], stored[1], stored[2]);
    for (const QString& step : steps) {
        const QString kind = step.section(QLatin1Char(':'), 0, 0);
        const qint64 n = step.section(QLatin1Char(':'), 1).toLongLong();
        if (kind == QLatin1String("tick"))
            TickUserTime(f.app);
        else if (kind == QLatin1String("run"))
            f.tp.clock.advance(n);
        else if (kind == QLatin1String("ms"))
            f.tp.clock.advanceMs(n);
        else
            f.tp.clock.suspend(n);
    }
    QCOMPARE(f.time(), after);
    QCOMPARE(f.tp.messageBox.texts().count(kThreeMinuteWarning), warnings);
    QCOMPARE(f.hooks.contains(QStringLiteral("timer:off")), timeOut);
}

void tst_SessionClock::refusedWriteIsOwedNotLost() {
    // Another process holds the store's write lock: the tick gives up within a moment, says
    // so once (not every second) in a box and in the activity log, and the seconds it could
    // not write are written, all of them, once the store takes writes again.
    SessionFixture f;
    f.setType(PeriodTypes::Daily);
    f.config(ConfigKeys::LogEnable, QStringLiteral("1"));
    f.config(ConfigKeys::LogTS, QStringLiteral("1"));
    QStringList log;
    QObject::connect(&f.app.model, &SessionModel::logLine, &f.app.model, [&](const QString& line) { log << line; });
    f.setTime(QStringLiteral("02"), QStringLiteral("05"), QStringLiteral("07"));
    TickUserTime(f.app);
    QCOMPARE(f.time(), QStringLiteral("02:05:06"));

    auto holder = std::make_unique<SqliteRegistry>(f.tp.dataFile(QStringLiteral("registry.db")));
    holder->beginBatch();
    for (int i = 0; i < 3; ++i) {
        f.tp.clock.advance(1);
        QElapsedTimer t;
        t.start();
        TickUserTime(f.app);
        QVERIFY2(t.elapsed() < 900, qPrintable(QString::number(t.elapsed())));
        QCoreApplication::processEvents();
    }
    QCOMPARE(f.time(), QStringLiteral("02:05:06"));
    QCOMPARE(f.tp.messageBox.shown.size(), 1);
    QVERIFY(f.tp.messageBox.texts().first().startsWith(kTimeNotSavedMessage));
    QCOMPARE(log.filter(QStringLiteral("could not be saved")).size(), 1);

    holder->endBatch();
    holder.reset();
    f.tp.clock.advance(1);
    TickUserTime(f.app);
    QCOMPARE(f.time(), QStringLiteral("02:05:02"));
    QCOMPARE(f.tp.messageBox.shown.size(), 1);
}

void tst_SessionClock::refusingStoreStillTimesOut() {
    // Another process holds the store's write lock for the whole session. The login cannot
    // store "CurrUser" (it still names the parent, who has unlimited time), yet the session
    // is counted on the child, ends on time, and the child is refused at the next login as if
    // the spent time had been stored; it is stored once the store takes writes again.
    SessionFixture f(QStringLiteral("Mum"), 1);
    f.setType(PeriodTypes::Unlimited);
    f.set(UserKeys::ParentRights, QStringLiteral("1"));
    f.addUser(QStringLiteral("Kid"), 2);
    f.app.CurrentUserNumber = 2;
    f.setType(PeriodTypes::Daily);
    f.set(UserKeys::Password, StoredPasswordForm(QStringLiteral("pw")));
    f.set(UserKeys::TakeAction, QStringLiteral("1"));
    f.set(UserKeys::TakeActionDo, QStringLiteral("Display Time Ward Login"));
    f.setTime(QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("20"));
    RecountUsers(f.app);
    const auto login = [&] { return ValidateLogin(f.app, QStringLiteral("Kid"), QStringLiteral("pw")); };

    auto holder = std::make_unique<SqliteRegistry>(f.tp.dataFile(QStringLiteral("registry.db")));
    holder->beginBatch();
    QVERIFY(login().accepted);
    int ticks = 0;
    while (!f.hooks.contains(QStringLiteral("login")) && ticks < 60) {
        f.tick();
        ++ticks;
        QCoreApplication::processEvents();
    }
    QCOMPARE(ticks, 20);
    QCOMPARE(f.time(), QStringLiteral("00:00:20")); // nothing reached the store
    QCOMPARE(login().message, LoginMessages::NoTimeLeft());

    holder->endBatch();
    holder.reset();
    QCOMPARE(login().message, LoginMessages::NoTimeLeft());
    QCOMPARE(f.time(), QStringLiteral("00:00:00"));
    QVERIFY(f.app.model.unsavedCharges.empty());
}

void tst_SessionClock::openSessionChargedAtStart_data() {
    QTest::addColumn<QString>("basedOn");
    QTest::addColumn<QString>("minutes"); // the time left before the last tick
    QTest::addColumn<bool>("reboot");
    QTest::addColumn<QString>("after");
    QTest::newRow("stopped 90 s, then killed") << "Daily"
                                               << "10" << false << "00:08:29";
    QTest::newRow("more than the time left") << "Weekly"
                                             << "01" << false << "00:00:00";
    QTest::newRow("a power cut: another boot") << "Daily"
                                               << "10" << true << "00:09:59";
    QTest::newRow("unlimited") << "Unlimited"
                               << "10" << false << "00:10:00";
}

void tst_SessionClock::openSessionChargedAtStart() {
    // Each tick leaves its heartbeat with the user. A copy stopped (kill -STOP) and then killed
    // loses no time: the next start in the same boot charges the seconds since the last tick,
    // and says so; after a reboot there is nothing to charge.
    QFETCH(QString, basedOn);
    QFETCH(QString, minutes);
    QFETCH(bool, reboot);
    QFETCH(QString, after);
    SessionFixture f;
    f.config(ConfigKeys::LogEnable, QStringLiteral("1"));
    f.setType(basedOn);
    f.setTime(QStringLiteral("00"), minutes, QStringLiteral("00"));
    f.tick();
    if (basedOn == PeriodTypes::Unlimited) {
        // Unlimited time is not counted; a heartbeat left by an earlier allowance charges nothing.
        f.set(UserKeys::LastTickBoot, QString::number(f.tp.clock.boottimeMs()));
        f.set(UserKeys::LastTickBootId, f.tp.clock.bootId());
    }
    QCOMPARE(f.app.read(f.user(), UserKeys::LastTickBoot).text(), QString::number(f.tp.clock.boottimeMs()));
    QCOMPARE(f.app.read(f.user(), UserKeys::LastTickBootId).text(), f.tp.clock.bootId());
    if (reboot)
        f.tp.clock.reboot(90);
    else
        f.tp.clock.advance(90);

    ChargeOpenSessions(f.app);
    QCOMPARE(f.time(), after);
    QVERIFY(f.app.read(f.user(), UserKeys::LastTickBoot).isAbsent());
    QVERIFY(f.app.read(f.user(), UserKeys::LastTickBootId).isAbsent());
    const bool charged = !reboot && basedOn != PeriodTypes::Unlimited;
    QCOMPARE(LastingLogTail(f.tp.platform.paths, 10).filter(QStringLiteral("90 seconds since its last tick")).size(),
             charged ? 1 : 0);
    // Charged once: a second start finds no open session.
    ChargeOpenSessions(f.app);
    QCOMPARE(LastingLogTail(f.tp.platform.paths, 10).filter(QStringLiteral("since its last tick")).size(),
             charged ? 1 : 0);
}

void tst_SessionClock::warningLeftOpenStillTimesOut() {
    // A child who never answers the warning gets not one second more: the time-out comes at
    // zero and takes the warning away.
    SessionFixture f;
    f.config(ConfigKeys::ThreeMinWarn, QStringLiteral("1"));
    f.setType(PeriodTypes::Daily);
    f.set(UserKeys::TakeAction, QStringLiteral("1"));
    f.set(UserKeys::TakeActionDo, QStringLiteral("Display Time Ward Login"));
    f.setTime(QStringLiteral("00"), QStringLiteral("03"), QStringLiteral("00"));
    for (int i = 0; i < 179; ++i)
        f.tick();
    QCOMPARE(f.time(), QStringLiteral("00:00:01"));
    QCOMPARE(f.tp.messageBox.openTexts(), QStringList{kThreeMinuteWarning});
    QVERIFY(!f.hooks.contains(QStringLiteral("login")));

    f.tick();
    QCOMPARE(f.time(), QStringLiteral("00:00:00"));
    QVERIFY(f.tp.messageBox.openBoxes.isEmpty());
    QCOMPARE(f.tp.messageBox.closedByProgram, 1);
    QCOMPARE(f.hooks, (QStringList{"hold:on", "hold:off", "timer:off", "login"}));
}

void tst_SessionClock::loginMessageLeftOpen() {
    // The login message is up while the session runs; the time-out closes it too.
    SessionFixture f;
    f.setType(PeriodTypes::Daily);
    f.set(UserKeys::LoginDisplayMessage, QStringLiteral("1"));
    f.set(UserKeys::LoginDisplayMessageText, QStringLiteral("Hello"));
    f.setTime(QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("03"));
    RunLoginEvents(f.app, 1);
    QCOMPARE(f.tp.messageBox.openTexts(), QStringList{QStringLiteral("Hello")});
    f.tick();
    f.tick();
    QCOMPARE(f.time(), QStringLiteral("00:00:01"));
    QCOMPARE(f.tp.messageBox.openBoxes.size(), 1);
    f.tick();
    QVERIFY(f.tp.messageBox.openBoxes.isEmpty());
    QVERIFY(f.hooks.contains(QStringLiteral("timer:off")));
}

void tst_SessionClock::countsTheLoggedInUserAfterDeletes_data() {
    QTest::addColumn<QString>("deleted");
    QTest::addColumn<int>("numberAfter");
    QTest::newRow("a user before the logged-in one") << "Ann" << 1;
    QTest::newRow("a user after the logged-in one") << "Cy" << 2;
}

void tst_SessionClock::countsTheLoggedInUserAfterDeletes() {
    // Bob (user 2) is logged in; deleting another user must leave his clock on his record,
    // and Cy's spent time must not end his session.
    SessionFixture f(QStringLiteral("Bob"), 2);
    f.addUser(QStringLiteral("Ann"), 1);
    f.addUser(QStringLiteral("Cy"), 3);
    f.setType(PeriodTypes::Daily);
    f.setTime(QStringLiteral("01"), QStringLiteral("00"), QStringLiteral("00"));
    const QString cy = Sections::User(3);
    f.app.write(cy, UserKeys::TimeBasedOn, PeriodTypes::Daily);
    f.app.write(cy, UserKeys::LastStartDate, CurrentPeriodStart(f.app, PeriodTypes::Daily));
    f.app.write(cy, UserKeys::FreeHours, QStringLiteral("00"));
    f.app.write(cy, UserKeys::FreeMin, QStringLiteral("00"));
    f.app.write(cy, UserKeys::FreeSec, QStringLiteral("00"));
    QFETCH(QString, deleted);
    QFETCH(int, numberAfter);

    DeleteUser(f.app, deleted);
    QCOMPARE(int(f.app.CurrentUserNumber), numberAfter);
    f.tick();
    QCOMPARE(f.time(), QStringLiteral("00:59:59"));
    QVERIFY(!f.hooks.contains(QStringLiteral("timer:off")));

    // Records moved by another copy of the program are found by name at the next tick.
    f.app.CurrentUserNumber = 3;
    f.tick();
    QCOMPARE(int(f.app.CurrentUserNumber), numberAfter);
    QCOMPARE(f.time(), QStringLiteral("00:59:58"));
}

void tst_SessionClock::deletedLoggedInUserIsNotCounted() {
    SessionFixture f(QStringLiteral("Bob"), 2);
    f.addUser(QStringLiteral("Ann"), 1);
    f.setType(PeriodTypes::Daily);
    DeleteUser(f.app, QStringLiteral("bob"));
    QCOMPARE(int(f.app.CurrentUserNumber), 0);
    f.hooks.clear();
    f.tick();
    QVERIFY(f.hooks.isEmpty());
    QVERIFY(f.app.read(Sections::User(0), UserKeys::FreeSec).isAbsent());
}

void tst_SessionClock::hoursEndDuringSession_data() {
    QTest::addColumn<QString>("rights");
    QTest::addColumn<QString>("basedOn");
    QTest::addColumn<QString>("warn");
    QTest::addColumn<QStringList>("boxes"); // shown at 20:57:00
    QTest::addColumn<bool>("ended");        // at 21:00:00
    const QStringList warning{kThreeMinuteWarning};
    QTest::newRow("child: warned, then ended") << "0"
                                               << "Daily"
                                               << "1" << warning << true;
    QTest::newRow("child without the warning setting") << "0"
                                                       << "Daily"
                                                       << "0" << QStringList{} << true;
    QTest::newRow("unlimited child is ended too") << "0"
                                                  << "Unlimited"
                                                  << "1" << warning << true;
    QTest::newRow("a parent is never ended") << "1"
                                             << "Daily"
                                             << "1" << QStringList{} << false;
}

void tst_SessionClock::hoursEndDuringSession() {
    // "Deny 21 - 7": the session of a child logged in at 20:50 ends at 21:00 as at a time-out,
    // the time left is kept, and the log says why.
    QFETCH(QString, rights);
    QFETCH(QString, basedOn);
    QFETCH(QString, warn);
    QFETCH(QStringList, boxes);
    QFETCH(bool, ended);
    SessionFixture f;
    f.config(ConfigKeys::ThreeMinWarn, warn);
    f.config(ConfigKeys::LogEnable, QStringLiteral("1"));
    f.config(ConfigKeys::LogTS, QStringLiteral("1"));
    f.config(ConfigKeys::LogETimeouts, QStringLiteral("1"));
    QStringList log;
    QObject::connect(&f.app.model, &SessionModel::logLine, &f.app.model, [&](const QString& line) { log << line; });
    f.setType(basedOn);
    f.set(UserKeys::ParentRights, rights);
    f.set(UserKeys::TakeAction, QStringLiteral("1"));
    f.set(UserKeys::TakeActionDo, QStringLiteral("Display Time Ward Login"));
    f.set(UserKeys::TimeRestriction, QStringLiteral("1"));
    f.set(UserKeys::TimeRestrictionAmmt, QStringLiteral("1"));
    f.set(UserKeys::TimeRestBegin(0), QStringLiteral("21"));
    f.set(UserKeys::TimeRestEnd(0), QStringLiteral("7"));
    f.set(UserKeys::TimeRestType(0), QStringLiteral("Deny"));
    f.setTime(QStringLiteral("01"), QStringLiteral("00"), QStringLiteral("00"));

    f.tp.clock.set(QDate(2026, 3, 4), QTime(20, 56, 59));
    TickUserTime(f.app);
    QVERIFY(f.tp.messageBox.shown.isEmpty());
    f.tp.clock.advance(1);
    TickUserTime(f.app);
    QCOMPARE(f.tp.messageBox.openTexts(), boxes);
    f.tp.clock.advance(179);
    TickUserTime(f.app);
    QCOMPARE(f.tp.messageBox.texts(), boxes); // one warning only
    QVERIFY(!f.hooks.contains(QStringLiteral("login")));

    f.tp.clock.advance(1);
    TickUserTime(f.app);
    QCOMPARE(f.hooks.contains(QStringLiteral("login")), ended);
    QVERIFY(f.tp.messageBox.openBoxes.isEmpty() || !ended);
    QCOMPARE(log.filter(QStringLiteral("'s login hours ended; back to the login window")).size(), ended ? 1 : 0);
    // 181 real seconds passed before the hours ended; the last tick counted none.
    if (ended && basedOn == QLatin1String("Daily")) QCOMPARE(f.time(), QStringLiteral("00:56:59"));
}

void tst_SessionClock::timeLeftText_data() {
    QTest::addColumn<QString>("basedOn");
    QTest::addColumn<QString>("expected");
    QTest::newRow("counted user, as stored") << "Daily"
                                             << "01:04:09";
    QTest::newRow("unlimited") << "UNLIMITED"
                               << "Unlimited";
}

void tst_SessionClock::timeLeftText() {
    QFETCH(QString, basedOn);
    QFETCH(QString, expected);
    SessionFixture f;
    f.set(UserKeys::TimeBasedOn, basedOn);
    f.setTime(QStringLiteral("01"), QStringLiteral("04"), QStringLiteral("09"));
    QCOMPARE(TimeLeftText(f.app), expected);
}

TW_TEST(tst_SessionClock)
#include "tst_SessionClock.moc"

// The login's check and the session clock read the stored free time alike: what the login
// lets in, the clock counts down from the same total; what it refuses, the clock ends at once.
void tst_SessionClock::loginAndTickAgree_data() {
    QTest::addColumn<QStringList>("stored"); // hours, minutes, seconds
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("after"); // the time after one tick
    auto row = [](const char* name, QStringList stored, bool accepted, const char* after) {
        QTest::newRow(name) << stored << accepted << QString::fromLatin1(after);
    };
    row("an hour", {"1", "00", "00"}, true, "00:59:59");
    row("one second", {"0", "0", "1"}, true, "00:00:00");
    row("nothing", {"0", "0", "0"}, false, "00:00:00");
    row("blank fields", {"", " ", ""}, false, "00:00:00");
    row("negative hours outweigh the minutes", {"-1", "30", "0"}, false, "00:00:00");
    row("negative minutes within the hours", {"1", "-30", "0"}, true, "00:29:59");
    row("negative minutes outweigh the seconds", {"0", "-5", "30"}, false, "00:00:00");
    row("negative seconds within the minutes", {"0", "1", "-30"}, true, "00:00:29");
    row("exponent is no number", {"1e30", "0", "0"}, false, "00:00:00");
    row("exponent beside real time", {"1e30", "0", "5"}, true, "00:00:04");
    row("letters after digits are no number", {"12abc", "0", "5"}, true, "00:00:04");
    row("fraction cut off", {" 2.9 ", "0", "0"}, true, "01:59:59");
    row("negative fraction is 0", {"-0.5", "0", "10"}, true, "00:00:09");
    row("plus sign", {"+1", "0", "0"}, true, "00:59:59");
    row("hours beyond the limit count as the limit", {"99999999999999999999", "0", "0"}, true, "999999999999999:59:59");
    row("far below the limit", {"-99999999999999999999", "90", "0"}, false, "00:00:00");
}

void tst_SessionClock::loginAndTickAgree() {
    QFETCH(QStringList, stored);
    QFETCH(bool, accepted);
    QFETCH(QString, after);
    SessionFixture f;
    f.setType(PeriodTypes::Daily);
    f.set(UserKeys::Password, StoredPasswordForm(QStringLiteral("pw")));
    f.setTime(stored[0], stored[1], stored[2]);

    const LoginCheck check = ValidateLogin(f.app, QStringLiteral("anna"), QStringLiteral("pw"));
    QCOMPARE(check.accepted, accepted);
    QCOMPARE(check.message, accepted ? QString() : LoginMessages::NoTimeLeft());

    TickUserTime(f.app);
    QCOMPARE(f.time(), after);
    // The clock ends the session exactly when no time is left after the tick; a user the login
    // refused has none.
    QCOMPARE(f.hooks.contains(QStringLiteral("timer:off")), after == QLatin1String("00:00:00"));
}
