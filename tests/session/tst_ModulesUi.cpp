#include "TestRegistry.h"
#include "platform/qt/QtModules.h"

#include <QTemporaryDir>
#include <QTest>

// Sound and the network come from modules loaded on first use; the program must run on
// without them.
class tst_ModulesUi : public QObject {
    Q_OBJECT
private slots:
    void soundModuleLoadsFromTheProgramFolder();
    void missingModulesSaySo();
};

void tst_ModulesUi::soundModuleLoadsFromTheProgramFolder() {
    ModuleSound sound(ModuleFolders(qEnvironmentVariable("TIMEWARD_TEST_BINDIR") + QStringLiteral("/src")));
    QVERIFY(!sound.play(QStringLiteral("/nonexistent/sound.wav")));
    QCOMPARE(sound.loadError(), QString());
}

void tst_ModulesUi::missingModulesSaySo() {
    QTemporaryDir empty;
    ModuleSound sound({empty.path()});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^no sound: ")));
    QVERIFY(!sound.play(QStringLiteral("/nonexistent/sound.wav")));
    QVERIFY2(sound.loadError().contains(QStringLiteral("libtimeward-sound.so is not installed")),
             qPrintable(sound.loadError()));
    QVERIFY(!sound.play(QStringLiteral("/nonexistent/sound.wav"))); // tried once, warned once

    ModuleHttp http({empty.path()});
    const Http::Response r = http.get(QStringLiteral("http://127.0.0.1:9/"), 1000);
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(QStringLiteral("libtimeward-http.so is not installed")), qPrintable(r.error));
}

TW_TEST(tst_ModulesUi)
#include "tst_ModulesUi.moc"
