#include "TestPlatform.h"
#include "TestRegistry.h"
#include "login/frmLogin.h"
#include "program/StartUp.h"
#include "program/frmSecret.h"
#include "restrictions/ShellRestrictions.h"
#include "storage/ConfigKeys.h"

#include <QFile>
#include <QTest>

// The restriction controls as they sit on the controller window, from login screen to exit.
class tst_ShellRestrictionsUi : public QObject {
    Q_OBJECT
private slots:
    void liftedAtTheOrderlyExit();
};

void tst_ShellRestrictionsUi::liftedAtTheOrderlyExit() {
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::Config, ConfigKeys::DisableDesktop, "1");
    ShowLoginWindow(app, false);
    SessionModel& model = app.model;
    QVERIFY(model.DisableZ.member(5));
    QVERIFY(model.findChild<QObject*>(QStringLiteral("Picture1")));
    QVERIFY(model.findChild<QObject*>(QStringLiteral("lblDDE")));
    model.restrictionRecord->writes.clear();

    ShutDownProgram(app);
    QVERIFY(tp.process.exited());
    const QList<DisablePro::Write> expected = {
        {QStringLiteral("DisableZ"), 10, false},         {QStringLiteral("DisableControlPanel1"), 19, false},
        {QStringLiteral("DisableStartMenu1"), 5, false}, {QStringLiteral("DisableMisc1"), 10, false},
        {QStringLiteral("DisableZ"), 5, false},
    };
    QVERIFY(model.restrictionRecord->writes == expected);
    QCOMPARE(app.read(Sections::Config, ConfigKeys::ShutdownOK).text(), QStringLiteral("1"));
    QFile f(tp.dataFile(QStringLiteral("restrictions.state")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray states = f.readAll();
    QVERIFY(states.contains("[DisableZ]"));
    QVERIFY(!states.contains("=True"));
}

TW_TEST(tst_ShellRestrictionsUi)
#include "tst_ShellRestrictionsUi.moc"
