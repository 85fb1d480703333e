#include "SessionFixture.h"
#include "TestRegistry.h"
#include "timekeeping/SessionClock.h"

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
    void timeLeftText_data();
    void timeLeftText();
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
    QCOMPARE(f.tp.messageBox.texts(), warning ? QStringList{kThreeMinuteWarning} : QStringList{});
    if (warning) QCOMPARE(f.tp.messageBox.shown.first().icon, MsgIcon::Information);
    QCOMPARE(f.hooks.contains(QStringLiteral("timer:off")), timeOut);
    QCOMPARE(f.app.read(Sections::Config, ConfigKeys::CurrentNumberOfUsers).text(), QStringLiteral("1"));
}

void tst_SessionClock::warningShownBeforeCounting() {
    // While the box is up the time still reads 0:03:00 and the shell is held on.
    SessionFixture f;
    f.config(ConfigKeys::ThreeMinWarn, QStringLiteral("1"));
    f.setType(PeriodTypes::Weekly);
    f.setTime(QStringLiteral("00"), QStringLiteral("03"), QStringLiteral("00"));
    QString seen;
    QStringList hooksAtBox;
    f.tp.messageBox.onShow = [&](const TestMessageBox::Shown&) {
        seen = f.time();
        hooksAtBox = f.hooks;
    };
    TickUserTime(f.app);
    QCOMPARE(seen, QStringLiteral("00:03:00"));
    QCOMPARE(hooksAtBox, QStringList{QStringLiteral("hold:on")});
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
    f.app.ui.addLogLine = [&](const QString& line) { log << line; };
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
