#include "TestRegistry.h"
#include "timekeeping/TimeFields.h"

#include <QTest>

class tst_TimeFields : public QObject {
    Q_OBJECT
private slots:
    void normalises_data();
    void normalises();
    void refuses_data();
    void refuses();
};

void tst_TimeFields::normalises_data() {
    QTest::addColumn<QStringList>("in");  // hours, minutes, seconds
    QTest::addColumn<QStringList>("out"); // as the fields read afterwards
    QTest::newRow("carries both") << QStringList{"0", "90", "125"} << QStringList{"01", "32", "05"};
    QTest::newRow("empty, 60 stays, negative") << QStringList{"", "60", "-4"} << QStringList{"00", "60", "00"};
    QTest::newRow("minutes 75") << QStringList{"1", "75", "0"} << QStringList{"02", "15", "00"};
    QTest::newRow("seconds 60 stay") << QStringList{"0", "0", "60"} << QStringList{"00", "00", "60"};
    QTest::newRow("seconds 61") << QStringList{"0", "0", "61"} << QStringList{"00", "01", "01"};
    QTest::newRow("leading zeros, blanks") << QStringList{" 007", "+5", "09 "} << QStringList{"07", "05", "09"};
    QTest::newRow("hours never limited") << QStringList{"250", "0", "0"} << QStringList{"250", "00", "00"};
    QTest::newRow("huge negative is 0") << QStringList{"-99999999999999999999999", "0", "0"}
                                        << QStringList{"00", "00", "00"};
    QTest::newRow("largest carried") << QStringList{"999999999", "999999999", "999999999"}
                                     << QStringList{"1016944443", "25", "39"};
}

void tst_TimeFields::normalises() {
    QFETCH(QStringList, in);
    QFETCH(QStringList, out);
    QString h = in[0], m = in[1], s = in[2];
    QVERIFY(ReWriteTimeAmmt(h, m, s).ok());
    QCOMPARE((QStringList{h, m, s}), out);
}

void tst_TimeFields::refuses_data() {
    QTest::addColumn<QStringList>("in");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("field");
    const int letters = TimeFieldsCheck::NotANumber;
    QTest::newRow("letters in minutes") << QStringList{"1", "ab", "0"} << letters << int(TimeField::Minutes);
    QTest::newRow("digits then letters") << QStringList{"2x", "0", "0"} << letters << int(TimeField::Hours);
    QTest::newRow("decimal point") << QStringList{"0", "0", "1.5"} << letters << int(TimeField::Seconds);
    QTest::newRow("seconds reported first") << QStringList{"x", "y", "z"} << letters << int(TimeField::Seconds);
    QTest::newRow("other digits") << QStringList{"\u0663", "0", "0"} << letters << int(TimeField::Hours);
    QTest::newRow("beyond a whole number")
        << QStringList{"99999999999999999999999", "0", "0"} << int(TimeFieldsCheck::TooLarge) << int(TimeField::Hours);
    QTest::newRow("just too large") << QStringList{"0", "1000000000", "0"} << int(TimeFieldsCheck::TooLarge)
                                    << int(TimeField::Minutes);
}

void tst_TimeFields::refuses() {
    QFETCH(QStringList, in);
    QFETCH(int, result);
    QFETCH(int, field);
    QString h = in[0], m = in[1], s = in[2];
    const TimeFieldsCheck check = ReWriteTimeAmmt(h, m, s);
    QCOMPARE(int(check.result), result);
    QCOMPARE(int(check.field), field);
    QCOMPARE((QStringList{h, m, s}), in); // nothing changed
    QVERIFY(!TimeFieldsMessage(check).isEmpty());
}

TW_TEST(tst_TimeFields)
#include "tst_TimeFields.moc"
