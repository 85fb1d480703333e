#include "TestPlatform.h"
#include "TestRegistry.h"
#include "storage/ConfigKeys.h"

#include <QTest>

class tst_SettingsStore : public QObject {
    Q_OBJECT
private slots:
    void absentVersusEmpty();
};

void tst_SettingsStore::absentVersusEmpty() {
    TestPlatform tp;
    App& app = *tp.app;
    QVERIFY(app.read(Sections::Config, QStringLiteral("Never")).isAbsent());
    QCOMPARE(app.read(Sections::Config, QStringLiteral("Never"), 0).text(), QStringLiteral("0"));
    app.write(Sections::Config, QStringLiteral("Empty"), QString());
    QCOMPARE(app.read(Sections::Config, QStringLiteral("Empty"), 5).text(), QString());
    QVERIFY(!app.read(Sections::Config, QStringLiteral("Empty"), 5).isAbsent());
}

TW_TEST(tst_SettingsStore)
#include "tst_SettingsStore.moc"
