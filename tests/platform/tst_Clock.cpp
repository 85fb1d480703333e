#include "TestRegistry.h"
#include "platform/Clock.h"

#include <QTest>
#include <time.h>

// The clock's day and time of day come from LocalDate and LocalTimeOfDay, the windows' from Qt:
// both must name the same for every instant, around midnight and the changes of summer time
// included.
class tst_Clock : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        qunsetenv("TZ");
        tzset();
    }
    void localDateAgreesWithQt_data();
    void localDateAgreesWithQt();
};

void tst_Clock::localDateAgreesWithQt_data() {
    QTest::addColumn<QByteArray>("zone"); // rules written out, so no zone database is needed
    QTest::addColumn<QDateTime>("utc");
    const QByteArray berlin = "CET-1CEST,M3.5.0,M10.5.0/3";
    const QByteArray newfoundland = "NST3:30NDT,M3.2.0,M11.1.0";
    const auto at = [](int y, int mo, int d, int h, int mi, int s = 0, int ms = 0) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC);
    };
    QTest::newRow("UTC midnight") << QByteArray("UTC0") << at(2026, 3, 4, 0, 0);
    QTest::newRow("UTC last millisecond") << QByteArray("UTC0") << at(2026, 3, 3, 23, 59, 59, 999);
    QTest::newRow("Berlin just before midnight") << berlin << at(2026, 3, 3, 22, 59, 59, 999);
    QTest::newRow("Berlin midnight") << berlin << at(2026, 3, 3, 23, 0);
    QTest::newRow("Berlin summer midnight") << berlin << at(2026, 7, 1, 22, 0);
    QTest::newRow("Berlin spring forward") << berlin << at(2026, 3, 29, 1, 30);
    QTest::newRow("Berlin fall back, second 2:30") << berlin << at(2026, 10, 25, 1, 30);
    QTest::newRow("Newfoundland half hour") << newfoundland << at(2026, 3, 5, 3, 29, 59);
    QTest::newRow("Newfoundland after midnight") << newfoundland << at(2026, 3, 5, 3, 30);
    QTest::newRow("before 1970") << berlin << at(1969, 12, 31, 22, 59, 59, 500);
    QTest::newRow("year end") << newfoundland << at(2027, 1, 1, 3, 29);
}

void tst_Clock::localDateAgreesWithQt() {
    QFETCH(QByteArray, zone);
    QFETCH(QDateTime, utc);
    qputenv("TZ", zone);
    tzset();
    const qint64 ms = utc.toMSecsSinceEpoch();
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(ms);
    QCOMPARE(LocalDate(ms), local.date());
    QCOMPARE(LocalTimeOfDay(ms), local.time());
}

TW_TEST(tst_Clock)
#include "tst_Clock.moc"
