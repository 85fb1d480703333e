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
    QTest::newRow("90 minutes") << QStringList{"", "90", ""} << QStringList{"01", "30", "00"};
    QTest::newRow("empty, 60 stays, negative") << QStringList{"", "60", "-4"} << QStringList{"00", "60", "00"};
    QTest::newRow("all blank") << QStringList{"", " ", ""} << QStringList{"00", "00", "00"};
    QTest::newRow("minutes 75") << QStringList{"1", "75", "0"} << QStringList{"02", "15", "00"};
    QTest::newRow("minutes 61 onto hours") << QStringList{"250", "61", "0"} << QStringList{"251", "01", "00"};
    QTest::newRow("seconds 60 stay") << QStringList{"0", "0", "60"} << QStringList{"00", "00", "60"};
    QTest::newRow("seconds 61") << QStringList{"0", "0", "61"} << QStringList{"00", "01", "01"};
    QTest::newRow("leading zeros, blanks") << QStringList{" 007", "+5", "09 "} << QStringList{"07", "05", "09"};
    QTest::newRow("blanks, sign, empty") << QStringList{" 2 ", "+3", ""} << QStringList{"02", "03", "00"};
    QTest::newRow("hours never limited") << QStringList{"250", "0", "0"} << QStringList{"250", "00", "00"};
    QTest::newRow("huge negative is 0") << QStringList{"-99999999999999999999999", "-1000000000", "-0"}
                                        << QStringList{"00", "00", "00"};
    QTest::newRow("largest carried") << QStringList{"999999999", "999999999", "999999999"}
                                     << QStringList{"1016944443", "25", "39"};
}

void tst_TimeFields::normalises() {
    QFETCH(QStringList, in);
    QFETCH(QStringList, out);
    for (const UnreadableField unreadable : {UnreadableField::Refuse, UnreadableField::CountAsZero}) {
        QString h = in[0], m = in[1], s = in[2];
        QVERIFY(ReWriteTimeAmmt(h, m, s, unreadable).ok());
        QCOMPARE((QStringList{h, m, s}), out);
    }
}

void tst_TimeFields::refuses_data() {
    QTest::addColumn<QStringList>("in");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("field");
    QTest::addColumn<QStringList>("asZero"); // when the time does not count
    const int letters = TimeFieldsCheck::NotANumber;
    const int tooLarge = TimeFieldsCheck::TooLarge;
    QTest::newRow("letters in minutes") << QStringList{"1", "ab", "0"} << letters << int(TimeField::Minutes)
                                        << QStringList{"01", "00", "00"};
    QTest::newRow("letters in hours") << QStringList{"abc", "0", "0"} << letters << int(TimeField::Hours)
                                      << QStringList{"00", "00", "00"};
    QTest::newRow("digits then letters") << QStringList{"2x", "0", "0"} << letters << int(TimeField::Hours)
                                         << QStringList{"00", "00", "00"};
    QTest::newRow("a clock time in one box")
        << QStringList{"0", "1:75", "0"} << letters << int(TimeField::Minutes) << QStringList{"00", "00", "00"};
    QTest::newRow("decimal point") << QStringList{"0", "0", "1.5"} << letters << int(TimeField::Seconds)
                                   << QStringList{"00", "00", "00"};
    QTest::newRow("point without fraction")
        << QStringList{"2.", "0", "0"} << letters << int(TimeField::Hours) << QStringList{"00", "00", "00"};
    QTest::newRow("fraction alone") << QStringList{"0", ".5", "0"} << letters << int(TimeField::Minutes)
                                    << QStringList{"00", "00", "00"};
    QTest::newRow("sign alone") << QStringList{"-", "0", "0"} << letters << int(TimeField::Hours)
                                << QStringList{"00", "00", "00"};
    QTest::newRow("seconds reported first")
        << QStringList{"x", "y", "z"} << letters << int(TimeField::Seconds) << QStringList{"00", "00", "00"};
    QTest::newRow("other digits") << QStringList{"\u0663", "0", "0"} << letters << int(TimeField::Hours)
                                  << QStringList{"00", "00", "00"};
    QTest::newRow("beyond a whole number") << QStringList{"99999999999999999999999", "0", "0"} << tooLarge
                                           << int(TimeField::Hours) << QStringList{"00", "00", "00"};
    QTest::newRow("eleven digits") << QStringList{"99999999999", "0", "0"} << tooLarge << int(TimeField::Hours)
                                   << QStringList{"00", "00", "00"};
    QTest::newRow("just too large") << QStringList{"0", "1000000000", "90"} << tooLarge << int(TimeField::Minutes)
                                    << QStringList{"00", "01", "30"};
}

void tst_TimeFields::refuses() {
    QFETCH(QStringList, in);
    QFETCH(int, result);
    QFETCH(int, field);
    QFETCH(QStringList, asZero);
    QString h = in[0], m = in[1], s = in[2];
    const TimeFieldsCheck check = ReWriteTimeAmmt(h, m, s);
    QCOMPARE(int(check.result), result);
    QCOMPARE(int(check.field), field);
    QCOMPARE((QStringList{h, m, s}), in); // nothing changed
    const QString box = QStringList{"", "Hours", "Minutes", "Seconds"}.at(field);
    QVERIFY2(TimeFieldsMessage(check).contains(QStringLiteral("the ") + box + QStringLiteral(" box")),
             qPrintable(TimeFieldsMessage(check)));

    // Where the time does not count (an unlimited allowance) the same input is read as 0.
    QVERIFY(ReWriteTimeAmmt(h, m, s, UnreadableField::CountAsZero).ok());
    QCOMPARE((QStringList{h, m, s}), asZero);
}

TW_TEST(tst_TimeFields)
#include "tst_TimeFields.moc"
