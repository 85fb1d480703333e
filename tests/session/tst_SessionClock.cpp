#include "SessionFixture.h"
#include "TestRegistry.h"
#include "timekeeping/SessionClock.h"

#include <QTest>

// The session clock over the stored free time: borrowing, the warning at 0:03:00, the
// hand-over to the time-out and the users it leaves alone.
class tst_SessionClock : public QObject {
    Q_OBJECT
private slots:
    void tick_data();
    void tick();
    void warningShownBeforeCounting();
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
