#include "TestPlatform.h"
#include "TestRegistry.h"
#include "UserFixtures.h"
#include "program/frmMain.h"
#include "timekeeping/frmModUserFreeTime.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

namespace {
// Runs fn on the free-time dialog once it is up (it is modal).
void whenDialogUp(const std::function<void(frmModUserFreeTime&)>& fn) {
    QTimer::singleShot(0, [fn] {
        auto* d = qobject_cast<frmModUserFreeTime*>(QApplication::activeModalWidget());
        QVERIFY(d);
        fn(*d);
    });
}

void type(frmModUserFreeTime& d, const QStringList& hms) {
    d.txtfh->setText(hms[0]);
    d.txtfm->setText(hms[1]);
    d.txtfs->setText(hms[2]);
}
} // namespace

class tst_frmModUserFreeTime : public QObject {
    Q_OBJECT
private slots:
    void okStoresNormalisedTime_data();
    void okStoresNormalisedTime();
    void showsTheStoredTime();
    void cancelChangesNothing();
    void refusedInputKeepsTheDialogOpen_data();
    void refusedInputKeepsTheDialogOpen();
    void popupRefusesAnUnlimitedUser();
};

void tst_frmModUserFreeTime::okStoresNormalisedTime_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("1 75 0") << QStringList{"1", "75", "0"} << QStringList{"02", "15", "00"};
    QTest::newRow("60 minutes stay") << QStringList{"0", "60", "0"} << QStringList{"00", "60", "00"};
    QTest::newRow("empty and negative") << QStringList{"", "-3", "7"} << QStringList{"00", "00", "07"};
}

void tst_frmModUserFreeTime::okStoresNormalisedTime() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, stored);
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    whenDialogUp([&](frmModUserFreeTime& d) {
        type(d, typed);
        d.cmdOk->click();
    });
    QVERIFY(ModifyUserFreeTime(app, QStringLiteral("bob")));
    QCOMPARE(freeTime(app, 2), stored);
    QCOMPARE(freeTime(app, 3), (QStringList{"09", "59", "59"}));
    QCOMPARE(app.window<frmMain>().UL->topLevelItem(1)->text(4), stored.join(':')); // the list refilled
    QVERIFY(tp.messageBox.shown.isEmpty());
}

void tst_frmModUserFreeTime::showsTheStoredTime() {
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    QStringList shown;
    whenDialogUp([&](frmModUserFreeTime& d) {
        shown = {d.windowTitle(), d.txtUN->text(), d.txtfh->text(), d.txtfm->text(), d.txtfs->text()};
        d.cmdCancel->click();
    });
    ModifyUserFreeTime(app, QStringLiteral("Cy"));
    QCOMPARE(shown, (QStringList{"Modify User Free Time", "Cy", "09", "59", "59"}));
}

void tst_frmModUserFreeTime::cancelChangesNothing() {
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    whenDialogUp([&](frmModUserFreeTime& d) {
        type(d, {"5", "5", "5"});
        d.cmdCancel->click();
    });
    QVERIFY(!ModifyUserFreeTime(app, QStringLiteral("Bob")));
    QCOMPARE(freeTime(app, 2), (QStringList{"00", "45", "10"}));
}

void tst_frmModUserFreeTime::refusedInputKeepsTheDialogOpen_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("focusField");
    QTest::newRow("letters") << QStringList{"1", "ten", "0"} << QStringLiteral("txtfm");
    QTest::newRow("larger than a whole number holds")
        << QStringList{"99999999999999999999999", "0", "0"} << QStringLiteral("txtfh");
}

void tst_frmModUserFreeTime::refusedInputKeepsTheDialogOpen() {
    QFETCH(QStringList, typed);
    QFETCH(QString, focusField);
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    bool stillOpen = false;
    QStringList fieldsAfter;
    QString focused;
    whenDialogUp([&](frmModUserFreeTime& d) {
        d.show();
        type(d, typed);
        d.cmdOk->click();
        stillOpen = d.isVisible();
        fieldsAfter = {d.txtfh->text(), d.txtfm->text(), d.txtfs->text()};
        focused = d.focusWidget() ? d.focusWidget()->objectName() : QString();
        d.cmdCancel->click();
    });
    QVERIFY(!ModifyUserFreeTime(app, QStringLiteral("Bob")));
    QVERIFY(stillOpen);
    QCOMPARE(fieldsAfter, typed); // kept for correcting
    QCOMPARE(focused, focusField);
    QCOMPARE(tp.messageBox.shown.size(), 1);
    QCOMPARE(tp.messageBox.shown.first().title, QStringLiteral("TimeWard"));
    QCOMPARE(freeTime(app, 2), (QStringList{"00", "45", "10"}));
}

void tst_frmModUserFreeTime::popupRefusesAnUnlimitedUser() {
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    frmMain& w = app.window<frmMain>();
    app.window<frmMain>().FillUserList(false);
    w.mnuUserListTag = QStringLiteral("Ann");
    w.mnuUserModFreeTime->trigger(); // no dialog: a modal one would block here
    QCOMPARE(tp.messageBox.texts(), QStringList{QStringLiteral("That user has unlimited time!")});
    QCOMPARE(tp.messageBox.shown.first().icon, MsgIcon::Information);

    // The pop-up opens the dialog for a counted user.
    whenDialogUp([&](frmModUserFreeTime& d) {
        QCOMPARE(d.txtUN->text(), QStringLiteral("Cy"));
        type(d, {"0", "0", "30"});
        d.cmdOk->click();
    });
    w.mnuUserListTag = QStringLiteral("Cy");
    w.mnuUserModFreeTime->trigger();
    QCOMPARE(freeTime(app, 3), (QStringList{"00", "00", "30"}));
}

TW_TEST(tst_frmModUserFreeTime)
#include "tst_frmModUserFreeTime.moc"
