#include "TestRegistry.h"
#include "restrictions/ScreenSaver.h"

#include <QTest>

class tst_ScreenSaver : public QObject {
    Q_OBJECT
private slots:
    void display_data();
    void display();
};

Q_DECLARE_METATYPE(ScreenSaverSettings)

void tst_ScreenSaver::display_data() {
    QTest::addColumn<ScreenSaverSettings>("settings");
    QTest::addColumn<QStringList>("shown"); // the six fields in order
    const QString na = kNotAvailable;
    QTest::newRow("X server with power saving") << ScreenSaverSettings{true, 600, true, 1200, true, 3600}
                                                << QStringList{"True", "600", "True", "1200", "True", "3600"};
    QTest::newRow("screen saver and power saving off")
        << ScreenSaverSettings{false, 0, false, 0, false, 0} << QStringList{"False", "0", "False", "0", "False", "0"};
    QTest::newRow("no power saving extension")
        << ScreenSaverSettings{true, 300, {}, {}, {}, {}} << QStringList{"True", "300", na, na, na, na};
    QTest::newRow("no source at all") << ScreenSaverSettings{} << QStringList{na, na, na, na, na, na};
}

void tst_ScreenSaver::display() {
    QFETCH(ScreenSaverSettings, settings);
    QFETCH(QStringList, shown);
    QStringList texts;
    QList<int> order;
    UpdateScreenSaverStatus(settings, [&](ScreenSaverField f, const QString& text) {
        texts << text;
        order << int(f);
    });
    QCOMPARE(texts, shown);
    QCOMPARE(order, (QList<int>{0, 1, 2, 3, 4, 5}));
}

TW_TEST(tst_ScreenSaver)
#include "tst_ScreenSaver.moc"
