#include "TestPlatform.h"
#include "TestRegistry.h"
#include "restrictions/ScreenSaver.h"

#include <QTest>

class tst_ScreenSaver : public QObject {
    Q_OBJECT
private slots:
    void display_data();
    void display();
};

using Shown = QMap<int, QString>;
Q_DECLARE_METATYPE(Shown)

void tst_ScreenSaver::display_data() {
    QTest::addColumn<QString>("active"); // "-": absent
    QTest::addColumn<QString>("timeout");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("expectedActive"); // "-": left as it was
    QTest::addColumn<QString>("expectedTimeout");
    QTest::newRow("on") << "1"
                        << "600" << int(REG_SZ) << "True"
                        << "600";
    QTest::newRow("off") << "0"
                         << "60" << int(REG_SZ) << "False"
                         << "60";
    QTest::newRow("numbers as DWORD") << "1"
                                      << "900" << int(REG_DWORD) << "True"
                                      << "900";
    QTest::newRow("other number") << "3"
                                  << "" << int(REG_SZ) << "-"
                                  << "";
    QTest::newRow("not a number") << "yes"
                                  << "x" << int(REG_SZ) << "-"
                                  << "x";
    QTest::newRow("absent") << "-"
                            << "-" << int(REG_SZ) << "-"
                            << "";
}

void tst_ScreenSaver::display() {
    QFETCH(QString, active);
    QFETCH(QString, timeout);
    QFETCH(int, type);
    QFETCH(QString, expectedActive);
    QFETCH(QString, expectedTimeout);
    TestPlatform tp;
    App& app = *tp.app;
    const QString key = ScreenSaverValues::Key;
    app.store.CreateRegistryKey(RegRoot::CurrentUser, key);
    // The same values for each of the three pairs.
    const QStringList switches = {ScreenSaverValues::Active, ScreenSaverValues::LowPowerActive,
                                  ScreenSaverValues::PowerOffActive};
    const QStringList timeouts = {ScreenSaverValues::TimeOut, ScreenSaverValues::LowPowerTimeout,
                                  ScreenSaverValues::PowerOffTimeout};
    for (int i = 0; i < 3; ++i) {
        if (active != "-") app.store.SetRegistryValue(RegRoot::CurrentUser, key, switches[i], active, type);
        if (timeout != "-")
            app.store.SetRegistryValue(RegRoot::CurrentUser, key, timeouts[i], timeout,
                                       timeout.isEmpty() || timeout == "x" ? int(REG_SZ) : type);
    }
    Shown shown;
    QList<int> order;
    UpdateScreenSaverStatus(app, [&](ScreenSaverField f, const QString& text) {
        QVERIFY2(!shown.contains(int(f)), "each field is shown at most once");
        shown[int(f)] = text;
        order << int(f);
    });
    for (int i = 0; i < 3; ++i) {
        const int sw = int(ScreenSaverField::Active) + 2 * i;
        QCOMPARE(shown.value(sw, "-"), expectedActive);
        QCOMPARE(shown.value(sw + 1, "-"), expectedTimeout);
    }
    QVERIFY(std::is_sorted(order.begin(), order.end()));
}

TW_TEST(tst_ScreenSaver)
#include "tst_ScreenSaver.moc"
