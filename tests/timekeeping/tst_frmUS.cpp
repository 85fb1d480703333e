#include "TestPlatform.h"
#include "TestRegistry.h"
#include "UserFixtures.h"
#include "admin/frmPassChange.h"
#include "program/frmMain.h"
#include "program/frmSecret.h"
#include "timekeeping/frmUS.h"
#include "users/PasswordScramble.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
QStringList boxes(frmUS& w) {
    return {w.txtUN->text(), w.txtPW->text(), w.txtTA->text(), w.txtTL->text(), w.txtRN->text()};
}
} // namespace

class tst_frmUS : public QObject {
    Q_OBJECT
private slots:
    void fillUserStatus_data();
    void fillUserStatus();
    void changePasswordButton_data();
    void changePasswordButton();
    void okHides();
    void passwordShownOnlyWhileHeld();
    void endSession_data();
    void endSession();
    void closeSavesOnlyWhenConfigured();
};

void tst_frmUS::fillUserStatus_data() {
    QTest::addColumn<int>("user");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("daily") << 2 << QStringList{"Bob", "b0b-pw", "1:30:0", "00:45:10", "Tomorrow at 0:00"};
    QTest::newRow("weekly, week begun Sunday 3/1")
        << 3 << QStringList{"Cy", "", "10:0:0", "09:59:59", "On Sunday at 0:00"};
    QTest::newRow("unlimited") << 1 << QStringList{"Ann", "", "N/A", "N/A", "N/A"};
}

void tst_frmUS::fillUserStatus() {
    QFETCH(int, user);
    QFETCH(QStringList, expected);
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    app.write(Sections::User(2), UserKeys::Password, StoredPasswordForm(QStringLiteral("b0b-pw")));
    app.write(Sections::User(3), UserKeys::LastStartDate, QStringLiteral("3/1/2026"));
    app.CurrentUserNumber = qint16(user);
    app.window<frmUS>().FillUserStatus();
    QCOMPARE(boxes(app.window<frmUS>()), expected);
    QCOMPARE(app.window<frmUS>().windowTitle(), QStringLiteral("User Statistics"));
    QVERIFY(!app.window<frmUS>().isVisible()); // refreshed, not shown

    // The next second's refresh writes only what changed.
    app.write(Sections::User(user), UserKeys::FreeSec, "09");
    app.window<frmUS>().FillUserStatus();
    if (user == 2)
        QCOMPARE(app.window<frmUS>().txtTL->text(), QStringLiteral("00:45:09"));
    else if (user == 3)
        QCOMPARE(app.window<frmUS>().txtTL->text(), QStringLiteral("09:59:09"));
    else
        QCOMPARE(app.window<frmUS>().txtTL->text(), QStringLiteral("N/A"));
}

void tst_frmUS::passwordShownOnlyWhileHeld() {
    // The status window is open on a shared screen: the password is masked unless "Show" is
    // held down.
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    app.write(Sections::User(2), UserKeys::Password, StoredPasswordForm(QStringLiteral("b0b-pw")));
    app.CurrentUserNumber = 2;
    BringUpUserStatus(app);
    frmUS& w = app.window<frmUS>();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const auto onScreen = [&] { return w.txtPW->displayText(); };
    QCOMPARE(w.txtPW->echoMode(), QLineEdit::Password);
    QVERIFY(!onScreen().contains(QStringLiteral("b0b")));
    QTest::mousePress(w.cmdShowPW, Qt::LeftButton);
    QCOMPARE(onScreen(), QStringLiteral("b0b-pw"));
    // The refresh of the next second leaves it as the button says.
    w.FillUserStatus();
    QCOMPARE(onScreen(), QStringLiteral("b0b-pw"));
    QTest::mouseRelease(w.cmdShowPW, Qt::LeftButton);
    QVERIFY(!onScreen().contains(QStringLiteral("b0b")));
    w.FillUserStatus();
    QVERIFY(!onScreen().contains(QStringLiteral("b0b")));
}

void tst_frmUS::changePasswordButton_data() {
    QTest::addColumn<QString>("userChangePW");
    QTest::addColumn<QString>("optMult");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("may change") << QStringLiteral("1") << QStringLiteral("False") << true;
    QTest::newRow("may not") << QStringLiteral("0") << QStringLiteral("False") << false;
    QTest::newRow("missing") << QString() << QString() << false;
    QTest::newRow("password list") << QStringLiteral("1") << QStringLiteral("true") << false;
    QTest::newRow("Opt Mult 1 is no list") << QStringLiteral("1") << QStringLiteral("1") << true;
}

void tst_frmUS::changePasswordButton() {
    QFETCH(QString, userChangePW);
    QFETCH(QString, optMult);
    QFETCH(bool, enabled);
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    if (!userChangePW.isNull()) app.write(Sections::User(2), UserKeys::UserChangePW, userChangePW);
    if (!optMult.isNull()) app.write(Sections::User(2), UserKeys::OptMult, optMult);
    app.CurrentUserNumber = 2;
    app.window<frmUS>().FillUserStatus();
    QCOMPARE(app.window<frmUS>().cmdCP->isEnabled(), enabled);
    if (enabled) {
        // The password dialog takes over until it is closed.
        app.window<frmUS>().cmdCP->click();
        QVERIFY(!app.window<frmUS>().isEnabled());
        QVERIFY(app.window<frmPassChange>().isVisible());
        app.window<frmPassChange>().cmdCancel->click();
        QVERIFY(app.window<frmUS>().isEnabled());
    }
}

void tst_frmUS::okHides() {
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    app.CurrentUserNumber = 2;
    BringUpUserStatus(app);
    QVERIFY(app.window<frmUS>().isVisible());
    app.window<frmUS>().cmdOK->click();
    QVERIFY(!app.window<frmUS>().isVisible());
    QVERIFY(app.isLoaded("frmUS"));
}

void tst_frmUS::endSession_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("ends");
    QTest::newRow("Yes") << int(MsgAnswer::Yes) << true;
    QTest::newRow("No") << int(MsgAnswer::No) << false;
}

void tst_frmUS::endSession() {
    QFETCH(int, answer);
    QFETCH(bool, ends);
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    app.write(Sections::Config, ConfigKeys::CurrUser, "Bob");
    app.write(Sections::Config, ConfigKeys::LogELogout, 1);
    app.write(Sections::Config, ConfigKeys::LogEnable, 1);
    app.write(Sections::Config, ConfigKeys::LogTFOn, 1);
    app.write(Sections::Config, ConfigKeys::LogTFFile, tp.dataFile(QStringLiteral("activity.log")));
    app.write(Sections::Config, ConfigKeys::LogUse, "Both");
    app.write(Sections::Config, ConfigKeys::LogTimeStamp, 0);
    app.CurrentUserNumber = 2;
    app.window<frmSecret>();
    app.model.beginSession(); // the tray icon and T1
    BringUpUserStatus(app);
    tp.messageBox.answers.enqueue(MsgAnswer(answer));
    app.window<frmUS>().Command1->click();

    QCOMPARE(tp.messageBox.texts(), QStringList{QStringLiteral("Are you sure you wish to end this session?")});
    QCOMPARE(tp.messageBox.shown.first().buttons, MsgButtons::YesNo);
    QCOMPARE(tp.messageBox.shown.first().icon, MsgIcon::Question);
    QCOMPARE(app.window<frmSecret>().T1->isActive(), !ends);
    QCOMPARE(tp.tray.shown, !ends);
    QCOMPARE(app.isLoaded("frmUS"), !ends);
    QVERIFY(!tp.process.exited());
    const QStringList log = tp.fileLines(tp.dataFile(QStringLiteral("activity.log")));
    QCOMPARE(!log.isEmpty() && log.last().contains(QStringLiteral("User Bob logged out.")), ends);
    app.window<frmSecret>().T1->stop();
}

void tst_frmUS::closeSavesOnlyWhenConfigured() {
    for (const char* setting : {"0", "1"}) {
        TestPlatform tp;
        App& app = *tp.app;
        app.write(Sections::Config, ConfigKeys::SaveWinPosition, setting);
        app.window<frmUS>().move(30, 15);
        app.window<frmUS>().close();
        QVERIFY(!app.isLoaded("frmUS"));
        QCOMPARE(app.read(Sections::WindowMetrics, QStringLiteral("User Statistics Top")).text(),
                 QLatin1String(setting) == QLatin1String("1") ? QStringLiteral("225") : QString());
    }
}

TW_TEST(tst_frmUS)
#include "tst_frmUS.moc"
