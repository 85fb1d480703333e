#include "TestPlatform.h"
#include "TestRegistry.h"
#include "UserFixtures.h"
#include "admin/frmUserMenu.h"
#include "program/frmMain.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/frmModUserFreeTime.h"
#include "timekeeping/frmPickuser.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

class tst_frmPickuser : public QObject {
    Q_OBJECT
private slots:
    void menuOpensTheDialog_data();
    void menuOpensTheDialog();
    void emptyAndUnknownNamesKeepItOpen_data();
    void emptyAndUnknownNamesKeepItOpen();
    void editUserOffersToCreateAnUnknownUser();
    void deleteUser_data();
    void deleteUser();
    void cancelAndCloseBoxGiveTheMainWindowBack();
    void refreshTimePeriod_data();
    void refreshTimePeriod();
    void modUserFreeTimeWithoutUnlimitedTest();
};

void tst_frmPickuser::menuOpensTheDialog_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("mode");
    QTest::newRow("User Stats") << QStringLiteral("mnuEditUsers") << QStringLiteral("Edit User");
    QTest::newRow("Delete User") << QStringLiteral("mnuDeleteUser") << QStringLiteral("Delete User");
    QTest::newRow("Modify Time Remaining")
        << QStringLiteral("mnuUserModFreeTime2") << QStringLiteral("Mod User Free Time");
    QTest::newRow("Refresh Time Period") << QStringLiteral("mnuSNTP2") << QStringLiteral("SNTP");
}

void tst_frmPickuser::menuOpensTheDialog() {
    QFETCH(QString, item);
    QFETCH(QString, mode);
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    frmMain& w = app.window<frmMain>();
    w.show();
    w.findChild<QAction*>(item)->trigger();
    frmPickuser& d = app.window<frmPickuser>();
    QVERIFY(d.isVisible());
    QCOMPARE(d.windowTitle(), QStringLiteral("Pick User"));
    QCOMPARE(d.cmdOkTag(), mode);
    QStringList names;
    for (int i = 0; i < d.cboPU->count(); ++i)
        names << d.cboPU->itemText(i);
    QCOMPARE(names, (QStringList{"Ann", "Bob", "Cy"}));
    QVERIFY(!w.isEnabled());
    QCOMPARE(w.UL->topLevelItemCount(), 3);
    // Opened again, the list is not doubled.
    d.cmdCancel->click();
    w.findChild<QAction*>(item)->trigger();
    QCOMPARE(d.cboPU->count(), 3);
}

void tst_frmPickuser::emptyAndUnknownNamesKeepItOpen_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    const QString empty = QStringLiteral("Please Enter A User Name");
    const QString unknown = QStringLiteral("That User Does Not Exist!");
    for (const char* mode : {"Delete User", "Mod User Free Time", "SNTP"}) {
        QTest::addRow("%s, empty", mode) << QString::fromLatin1(mode) << QString() << empty;
        QTest::addRow("%s, unknown", mode) << QString::fromLatin1(mode) << QStringLiteral("Zed") << unknown;
    }
    QTest::newRow("Edit User, empty") << QStringLiteral("Edit User") << QString() << empty;
    QTest::newRow("trailing blank is another name")
        << QStringLiteral("Delete User") << QStringLiteral("Bob ") << unknown;
}

void tst_frmPickuser::emptyAndUnknownNamesKeepItOpen() {
    QFETCH(QString, mode);
    QFETCH(QString, name);
    QFETCH(QString, message);
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    ShowPickUser(app, mode, &app.window<frmMain>(), {});
    frmPickuser& d = app.window<frmPickuser>();
    d.cboPU->setEditText(name);
    d.cmdOk->click();
    QCOMPARE(tp.messageBox.texts(), QStringList{message});
    QCOMPARE(tp.messageBox.shown.first().icon, MsgIcon::Information);
    QVERIFY(d.isVisible());
    QVERIFY(!app.window<frmMain>().isEnabled());
    QCOMPARE(RecountUsers(app), 3);
    QCOMPARE(freeTime(app, 2), (QStringList{"00", "45", "10"}));
}

void tst_frmPickuser::editUserOffersToCreateAnUnknownUser() {
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    ShowPickUser(app, QStringLiteral("Edit User"), &app.window<frmMain>(), {});
    frmPickuser& d = app.window<frmPickuser>();
    d.cboPU->setEditText(QStringLiteral("Zed"));
    tp.messageBox.answers.enqueue(MsgAnswer::No);
    d.cmdOk->click();
    QCOMPARE(tp.messageBox.texts(), QStringList{QStringLiteral("User Zed does not exist, create new one?")});
    QCOMPARE(tp.messageBox.shown.first().buttons, MsgButtons::YesNo);
    QCOMPARE(tp.messageBox.shown.first().icon, MsgIcon::Question);
    QVERIFY(d.isVisible());

    // Yes leaves the dialog for the user editor, which keeps the main window disabled while up.
    tp.messageBox.answers.enqueue(MsgAnswer::Yes);
    d.cmdOk->click();
    QVERIFY(!d.isVisible());
    QVERIFY(app.isLoaded("frmUserMenu"));
    QVERIFY(app.window<frmUserMenu>().isVisible());
    QVERIFY(!app.window<frmMain>().isEnabled());
}

void tst_frmPickuser::deleteUser_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("Yes") << int(MsgAnswer::Yes) << true;
    QTest::newRow("No") << int(MsgAnswer::No) << false;
}

void tst_frmPickuser::deleteUser() {
    // Deleting asks first, with No under Enter, and the log says which parent did it.
    QFETCH(int, answer);
    QFETCH(bool, deleted);
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    app.write(Sections::Config, ConfigKeys::LogEnable, "1");
    app.write(Sections::Config, ConfigKeys::LogEConfig, "1");
    app.sessionUserName = QStringLiteral("Ann");
    tp.messageBox.answers.enqueue(MsgAnswer(answer));
    ShowPickUser(app, QStringLiteral("Delete User"), &app.window<frmMain>(), {});
    frmPickuser& d = app.window<frmPickuser>();
    d.cboPU->setCurrentIndex(1);
    d.cmdOk->click();
    const QString question = QStringLiteral("Delete Bob? Their time, password list and usage history go with them.");
    QCOMPARE(tp.messageBox.shown.first().text, question);
    QCOMPARE(tp.messageBox.shown.first().buttons, MsgButtons::YesNo);
    QCOMPARE(tp.messageBox.shown.first().defaultButton, MsgDefault::Second);
    QCOMPARE(tp.messageBox.texts(), deleted ? QStringList({question, QStringLiteral("User Bob successfully deleted")})
                                            : QStringList{question});
    QCOMPARE(RecountUsers(app), deleted ? 2 : 3);
    QCOMPARE(app.read(Sections::User(2), UserKeys::Name).text(),
             deleted ? QStringLiteral("Cy") : QStringLiteral("Bob"));
    QCOMPARE(LastingLogTail(tp.platform.paths, 5).filter(QStringLiteral("Ann deleted user Bob")).size(),
             deleted ? 1 : 0);
    if (!deleted) {
        QVERIFY(d.isVisible()); // another choice, or Cancel
        return;
    }
    QCOMPARE(app.window<frmMain>().UL->topLevelItemCount(), 2);
    QVERIFY(!d.isVisible());
    QVERIFY(app.window<frmMain>().isEnabled());
}

void tst_frmPickuser::cancelAndCloseBoxGiveTheMainWindowBack() {
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    ShowPickUser(app, QStringLiteral("Delete User"), &app.window<frmMain>(), {});
    frmPickuser& d = app.window<frmPickuser>();
    d.cmdCancel->click();
    QVERIFY(!d.isVisible());
    QVERIFY(app.window<frmMain>().isEnabled());

    ShowPickUser(app, QStringLiteral("Delete User"), &app.window<frmMain>(), {});
    QVERIFY(!app.window<frmMain>().isEnabled());
    d.close();
    QVERIFY(!d.isVisible());
    QVERIFY(app.window<frmMain>().isEnabled());
    QCOMPARE(RecountUsers(app), 3);
    QVERIFY(tp.messageBox.shown.isEmpty());
}

void tst_frmPickuser::refreshTimePeriod_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("bobAfter");
    QTest::newRow("daily user renewed") << QStringLiteral("Bob") << QStringList{} << QStringList{"1", "30", "0"};
    QTest::newRow("unlimited user") << QStringLiteral("ann")
                                    << QStringList{QStringLiteral("That user has unlimited time!")}
                                    << QStringList{"00", "45", "10"};
}

void tst_frmPickuser::refreshTimePeriod() {
    QFETCH(QString, name);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, bobAfter);
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    ShowPickUser(app, QStringLiteral("SNTP"), &app.window<frmMain>(), {});
    frmPickuser& d = app.window<frmPickuser>();
    d.cboPU->setEditText(name);
    d.cmdOk->click();
    QCOMPARE(tp.messageBox.texts(), messages);
    QCOMPARE(freeTime(app, 2), bobAfter);
    QVERIFY(!d.isVisible());
    QVERIFY(app.window<frmMain>().isEnabled());
    QCOMPARE(app.window<frmMain>().UL->topLevelItem(1)->text(4), bobAfter.join(':'));
}

void tst_frmPickuser::modUserFreeTimeWithoutUnlimitedTest() {
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    ShowPickUser(app, QStringLiteral("Mod User Free Time"), &app.window<frmMain>(), {});
    frmPickuser& d = app.window<frmPickuser>();
    d.cboPU->setEditText(QStringLiteral("Ann")); // unlimited: this path opens the dialog anyway
    QString shownFor;
    QTimer::singleShot(0, [&] {
        auto* m = qobject_cast<frmModUserFreeTime*>(QApplication::activeModalWidget());
        QVERIFY(m);
        shownFor = m->txtUN->text();
        m->txtfh->setText(QStringLiteral("3"));
        m->cmdOk->click();
    });
    d.cmdOk->click();
    QCOMPARE(shownFor, QStringLiteral("Ann"));
    QCOMPARE(freeTime(app, 1), (QStringList{"03", "00", "00"}));
    QVERIFY(!d.isVisible());
    QVERIFY(app.window<frmMain>().isEnabled());
}

TW_TEST(tst_frmPickuser)
#include "tst_frmPickuser.moc"
