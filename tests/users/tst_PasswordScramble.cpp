#include "TestRegistry.h"
#include "users/PasswordScramble.h"

#include <QTest>

class tst_PasswordScramble : public QObject {
    Q_OBJECT
private slots:
    void storedForm_data();
    void storedForm();
    void hexToText_data();
    void hexToText();
    void scrambleIsItsOwnInverse_data();
    void scrambleIsItsOwnInverse();
    void beyondEightBits();
};

void tst_PasswordScramble::storedForm_data() {
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("stored");
    QTest::newRow("empty") << QString() << QString();
    // "plumbek7" XOR "abc": 0x70^0x61, 0x6C^0x62, 0x75^0x63.
    QTest::newRow("abc") << QStringLiteral("abc") << QStringLiteral("110E16");
    // A character equal to the key character scrambles to code 0, stored as "00".
    QTest::newRow("key character gives 00") << QStringLiteral("pl") << QStringLiteral("0000");
    // The ninth character meets the key's first character again.
    QTest::newRow("9th character") << QStringLiteral("plumbek7p") << QStringLiteral("000000000000000000");
    QTest::newRow("9th character differs") << QStringLiteral("plumbek7a") << QStringLiteral("000000000000000011");
    // Latin-1 characters keep their 8-bit code: 0xE9 ^ 'p' = 0x99.
    QTest::newRow("8-bit code") << QStringLiteral("\u00e9") << QStringLiteral("99");
}

void tst_PasswordScramble::storedForm() {
    QFETCH(QString, plain);
    QFETCH(QString, stored);
    QCOMPARE(StoredPasswordForm(plain), stored);
    QCOMPARE(PlainPassword(stored), plain);
    QCOMPARE(StoredPasswordForm(plain).size(), 2 * plain.size());
}

void tst_PasswordScramble::hexToText_data() {
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("text");
    QTest::newRow("upper") << QStringLiteral("616263") << QStringLiteral("abc");
    QTest::newRow("lower case digits") << QStringLiteral("4a4B") << QStringLiteral("JK");
    QTest::newRow("odd digit count reads the last alone") << QStringLiteral("6162A") << QStringLiteral("ab\n");
    QTest::newRow("00 is code 0") << QStringLiteral("0041") << (QString(QChar(0)) + QLatin1Char('A'));
    QTest::newRow("stops at a non-digit") << QStringLiteral("6Z") << QStringLiteral("\u0006");
    QTest::newRow("no digit gives 0") << QStringLiteral("ZZ41") << (QString(QChar(0)) + QLatin1Char('A'));
    QTest::newRow("empty") << QString() << QString();
}

void tst_PasswordScramble::hexToText() {
    QFETCH(QString, hex);
    QFETCH(QString, text);
    QCOMPARE(HexToText(hex), text);
}

void tst_PasswordScramble::scrambleIsItsOwnInverse_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("short") << QStringLiteral("secret");
    QTest::newRow("longer than the key") << QStringLiteral("a much longer pass phrase\t!");
    QTest::newRow("all 8-bit codes") << [] {
        QString s;
        for (int c = 0; c < 256; ++c)
            s.append(QChar(static_cast<char16_t>(c)));
        return s;
    }();
}

void tst_PasswordScramble::scrambleIsItsOwnInverse() {
    QFETCH(QString, text);
    const QString once = ScramblePassword(text);
    QCOMPARE(once.size(), text.size());
    QCOMPARE(ScramblePassword(once), text);
    QCOMPARE(TextToHex(QStringLiteral("abc\t")), QStringLiteral("61626309"));
}

void tst_PasswordScramble::beyondEightBits() {
    // Characters beyond code 255 all become "?", so such a password is not storable.
    QCOMPARE(StoredPasswordForm(QStringLiteral("\u043f")), StoredPasswordForm(QStringLiteral("?")));
    QVERIFY(!PasswordIsStorable(QStringLiteral("pa\u043f")));
    QVERIFY(PasswordIsStorable(QStringLiteral("caf\u00e9\t")));
    QVERIFY(PasswordIsStorable(QString()));
}

TW_TEST(tst_PasswordScramble)
#include "tst_PasswordScramble.moc"
