#include "TestRegistry.h"
#include "admin/AllowanceFields.h"

#include <QTest>

class tst_AllowanceFields : public QObject {
    Q_OBJECT
private slots:
    void normalise_data();
    void normalise();
    void refused_data();
    void refused();
};

void tst_AllowanceFields::normalise_data() {
    QTest::addColumn<QString>("h");
    QTest::addColumn<QString>("m");
    QTest::addColumn<QString>("s");
    QTest::addColumn<QString>("h2");
    QTest::addColumn<QString>("m2");
    QTest::addColumn<QString>("s2");
    QTest::newRow("carries") << "0"
                             << "90"
                             << "125"
                             << "01"
                             << "32"
                             << "05";
    QTest::newRow("empty, 60 stays, negative") << ""
                                               << "60"
                                               << "-4"
                                               << "00"
                                               << "60"
                                               << "00";
    QTest::newRow("leading zeros") << "007"
                                   << "05"
                                   << "9"
                                   << "07"
                                   << "05"
                                   << "09";
    QTest::newRow("hours unlimited") << "250"
                                     << "61"
                                     << "0"
                                     << "251"
                                     << "01"
                                     << "00";
    QTest::newRow("blanks around") << " 2 "
                                   << "+3"
                                   << ""
                                   << "02"
                                   << "03"
                                   << "00";
}

void tst_AllowanceFields::normalise() {
    QFETCH(QString, h);
    QFETCH(QString, m);
    QFETCH(QString, s);
    QVERIFY(NormaliseAllowance(h, m, s).ok);
    QTEST(h, "h2");
    QTEST(m, "m2");
    QTEST(s, "s2");
}

void tst_AllowanceFields::refused_data() {
    QTest::addColumn<QString>("h");
    QTest::addColumn<QString>("m");
    QTest::addColumn<QString>("s");
    QTest::addColumn<QString>("field");
    QTest::newRow("letters in hours") << "abc"
                                      << "0"
                                      << "0"
                                      << "Hours";
    QTest::newRow("digits then letters") << "1"
                                         << "5x"
                                         << "0"
                                         << "Minutes";
    QTest::newRow("fraction") << "1"
                              << "0"
                              << "1.5"
                              << "Seconds";
    QTest::newRow("too large") << "99999999999"
                               << "0"
                               << "0"
                               << "Hours";
}

void tst_AllowanceFields::refused() {
    QFETCH(QString, h);
    QFETCH(QString, m);
    QFETCH(QString, s);
    QFETCH(QString, field);
    const QString h0 = h, m0 = m, s0 = s;
    const AllowanceCheck c = NormaliseAllowance(h, m, s);
    QVERIFY(!c.ok);
    QVERIFY2(c.message.contains(QStringLiteral("the ") + field + QStringLiteral(" box")), qPrintable(c.message));
    // Nothing is rewritten half-way.
    QCOMPARE(h, h0);
    QCOMPARE(m, m0);
    QCOMPARE(s, s0);
    // An unlimited user's fields do not count: the same text becomes 0.
    QVERIFY(NormaliseAllowance(h, m, s, true).ok);
}

TW_TEST(tst_AllowanceFields)
#include "tst_AllowanceFields.moc"
