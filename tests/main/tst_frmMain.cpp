#include "TestPlatform.h"
#include "TestRegistry.h"
#include "UserFixtures.h"
#include "admin/UserAdmin.h"
#include "admin/frmUserMenu.h"
#include "login/frmLogin.h"
#include "program/StartUp.h"
#include "program/UsageView.h"
#include "program/frmMain.h"
#include "program/frmSecret.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/TimeFields.h"
#include "timekeeping/UsageHistory.h"
#include "timekeeping/frmPickuser.h"
#include "users/PasswordScramble.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {
QStringList rowTexts(QTreeWidget* ul, int row) {
    QStringList t;
    for (int c = 0; c < ul->columnCount(); ++c)
        t << ul->topLevelItem(row)->text(c);
    return t;
}

QPoint rowCentre(QTreeWidget* ul, int row) {
    return ul->visualItemRect(ul->topLevelItem(row)).center();
}
} // namespace

class tst_frmMain : public QObject {
    Q_OBJECT
private slots:
    void menuStructure_data();
    void menuStructure();
    void popupMenuIsNotInTheMenuBar();
    void opensWithItsPanelsAndColumns();
    void fillUserListFullAndQuick();
    void cellsRewrittenOnlyOnChange();
    void hiddenListCatchesUpWhenShown();
    void quickFillOfAnEmptyListFillsItAll();
    void deleteRefusedWithOneUserLeft_data();
    void deleteRefusedWithOneUserLeft();
    void deletingTheOnlyParentIsRefused();
    void rightClickThenDeleteUser();
    void aChangeToTheUsersRefillsTheListOnce_data();
    void aChangeToTheUsersRefillsTheListOnce();
    void leftClickNeverOpensThePopup();
    void enabledStopsAndStartsTheController();
    void newUserWizardCheckIsStored();
    void closingUnloadsOnlyTheWindow_data();
    void closingUnloadsOnlyTheWindow();
    void exitAsksFirst_data();
    void exitAsksFirst();
    void ctrlCCopiesLogLinesOrCloses_data();
    void ctrlCCopiesLogLinesOrCloses();
    void loginNewUserLogsOut();
    void bringUpMainWindowFillsAndShows();
    void helpItemsOpenTheHelp();
    void activityLogGoesToTheList();
    void layoutFollowsTheWindowSize();
    void usageViewBesideTheList();
};

void tst_frmMain::menuStructure_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("menu"); // the menu that holds it ("" for the menu bar / no parent menu)
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<int>("check"); // -1 no check mark, 0 unchecked, 1 checked
    const QKeySequence none;
    auto row = [](const char* name, const char* menu, const char* caption, const QKeySequence& keys, int check) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(menu) << QString::fromLatin1(caption)
                            << keys << check;
    };
    row("mnuTimeWard", "", "&TimeWard", none, -1);
    row("mnuEnabled", "mnuTimeWard", "&Enabled", QKeySequence(QStringLiteral("Ctrl+E")), 1);
    row("mnuLogin", "mnuTimeWard", "&Login New User", QKeySequence(QStringLiteral("Ctrl+N")), -1);
    row("mnuOptions", "mnuTimeWard", "&Preferences", QKeySequence(QStringLiteral("Ctrl+O")), -1);
    row("mnuPrintSetup", "mnuTimeWard", "Printer &Setup", none, -1);
    row("mnuPrint", "mnuTimeWard", "&Print", none, -1);
    row("mnuPrintLog", "mnuPrint", "&Log", none, -1);
    row("mnuPrintTime", "mnuPrint", "&Time Usage", none, -1);
    row("mnuPrintUL", "mnuPrint", "&User List", none, -1);
    row("mnuPrintEverything", "mnuPrint", "&Everything", none, -1);
    row("mnuClose", "mnuTimeWard", "&Close Window", QKeySequence(QStringLiteral("Ctrl+C")), -1);
    row("mnuExit", "mnuTimeWard", "&Exit", QKeySequence(QStringLiteral("Ctrl+X")), -1);
    row("mnuUser", "", "&Users", none, -1);
    row("mnuAddUser", "mnuUser", "&Add User", QKeySequence(QStringLiteral("Ctrl+A")), -1);
    row("mnuUserModFreeTime2", "mnuUser", "&Modify Time Remaining", QKeySequence(QStringLiteral("Ctrl+M")), -1);
    row("mnuSNTP2", "mnuUser", "Refresh &Time Period", QKeySequence(QStringLiteral("Ctrl+T")), -1);
    row("mnuEditUsers", "mnuUser", "User &Stats", QKeySequence(QStringLiteral("Ctrl+S")), -1);
    row("mnuDeleteUser", "mnuUser", "&Delete User", QKeySequence(QStringLiteral("Ctrl+D")), -1);
    row("mnuWiz", "", "&Wizards", none, -1);
    row("mnuNewUsWiz", "mnuWiz", "New &User Wizard", none, 1);
    row("mnuHelp", "", "&Help", none, -1);
    row("mnuIndex", "mnuHelp", "&Index", QKeySequence(QStringLiteral("F1")), -1);
    row("mnuSearch", "mnuHelp", "&Search For Help On...", QKeySequence(QStringLiteral("Shift+F1")), -1);
    row("mnuUsingHelp", "mnuHelp", "&Help On Using Help", none, -1);
    row("mnuAbout", "mnuHelp", "&About TimeWard", none, -1);
    row("mnuCheckNewVer", "mnuHelp", "Check For New &Version", none, -1);
    row("mnuUserList", "", "&User", none, -1);
    row("mnuEditMenu2", "mnuUserList", "&Edit User", none, -1);
    row("mnuUserModFreeTime", "mnuEditMenu2", "&Modify Time Remaining", none, -1);
    row("mnuSNTP", "mnuEditMenu2", "Refresh &Time Period", none, -1);
    row("mnuEditUser2", "mnuEditMenu2", "User &Stats", none, -1);
    row("mnuDeleteUser2", "mnuUserList", "&Delete User", none, -1);
    row("mnuAddUser2", "mnuUserList", "&Add User", none, -1);
    row("mnuUsage", "mnuUser", "&Usage", QKeySequence(QStringLiteral("Ctrl+U")), 0);
    row("mnuPrintUsage", "mnuPrint", "&Weekly Usage", none, -1);
    row("mnuOptions2", "mnuUserList", "&Preferences", none, -1);
    row("mnuHelp2", "mnuUserList", "&Help", none, -1);
    row("mnuIndex2", "mnuHelp2", "&Index", none, -1);
    row("mnuSearch2", "mnuHelp2", "&Search For Help On...", none, -1);
    row("mnuUsingHelp2", "mnuHelp2", "&Help On Using Help", none, -1);
    row("mnuAbout2", "mnuHelp2", "&About TimeWard", none, -1);
}

void tst_frmMain::menuStructure() {
    QFETCH(QString, name);
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QFETCH(int, check);
    TestPlatform tp;
    frmMain& w = tp.app->window<frmMain>();
    auto* action = w.findChild<QAction*>(name);
    QVERIFY2(action, qPrintable(name));
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), shortcut);
    QCOMPARE(action->isCheckable() ? int(action->isChecked()) : -1, check);
    if (!menu.isEmpty()) {
        auto* holder = w.findChild<QMenu*>(menu);
        QVERIFY(holder);
        QVERIFY2(holder->actions().contains(action), qPrintable(name + " in " + menu));
    }
}

void tst_frmMain::popupMenuIsNotInTheMenuBar() {
    TestPlatform tp;
    frmMain& w = tp.app->window<frmMain>();
    QStringList bar;
    for (QAction* a : w.menuBar()->actions())
        bar << a->text();
    QCOMPARE(bar, (QStringList{"&TimeWard", "&Users", "&Wizards", "&Help"}));
}

void tst_frmMain::opensWithItsPanelsAndColumns() {
    TestPlatform tp;
    frmMain& w = tp.app->window<frmMain>();
    QCOMPARE(w.windowTitle(), QStringLiteral("Time Ward"));
    QCOMPARE(w.panel(1)->text(), QStringLiteral("  TimeWard Enabled  "));
    QCOMPARE(w.panel(2)->text(), QStringLiteral("Version 1.3.5"));
    QCOMPARE(w.Frame1->title(), QStringLiteral("User List"));
    QStringList headers;
    for (int c = 0; c < w.UL->columnCount(); ++c)
        headers << w.UL->headerItem()->text(c);
    QCOMPARE(headers, (QStringList{"User", "Parent?", "Measured By", "Time Allowed", "Time Remaining"}));
    QVERIFY(!w.T2->isActive());
    QCOMPARE(w.T2->interval(), 5000);
}

void tst_frmMain::fillUserListFullAndQuick() {
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    app.window<frmMain>().FillUserList(false);
    QTreeWidget* ul = app.window<frmMain>().UL;
    QCOMPARE(ul->topLevelItemCount(), 3);
    QCOMPARE(rowTexts(ul, 0), (QStringList{"Ann", "Yes", "Unlimited", "N/A", "N/A"}));
    QCOMPARE(rowTexts(ul, 1), (QStringList{"Bob", "No", "Daily", "1:30:0", "00:45:10"}));
    QCOMPARE(rowTexts(ul, 2), (QStringList{"Cy", "No", "Weekly", "10:0:0", "09:59:59"}));

    // quick: only the current user's "Time Remaining" cell follows the store.
    app.write(Sections::User(2), UserKeys::FreeSec, "09");
    app.write(Sections::User(3), UserKeys::FreeSec, "58");
    app.CurrentUserNumber = 2;
    app.window<frmMain>().FillUserList(true);
    QCOMPARE(rowTexts(ul, 1), (QStringList{"Bob", "No", "Daily", "1:30:0", "00:45:09"}));
    QCOMPARE(ul->topLevelItem(2)->text(4), QStringLiteral("09:59:59"));

    // An unlimited current user keeps "N/A".
    app.CurrentUserNumber = 1;
    app.write(Sections::User(1), UserKeys::FreeSec, "05");
    app.window<frmMain>().FillUserList(true);
    QCOMPARE(ul->topLevelItem(0)->text(4), QStringLiteral("N/A"));

    // A deleted user's row goes at the next full fill.
    app.write(Sections::User(3), UserKeys::Name, QString());
    app.window<frmMain>().FillUserList(false);
    QCOMPARE(ul->topLevelItemCount(), 2);
}

void tst_frmMain::cellsRewrittenOnlyOnChange() {
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    app.window<frmMain>().FillUserList(false);
    QTreeWidget* ul = app.window<frmMain>().UL;
    ul->setCurrentItem(ul->topLevelItem(2));
    QSignalSpy changed(ul->model(), &QAbstractItemModel::dataChanged);
    QSignalSpy inserted(ul->model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(ul->model(), &QAbstractItemModel::rowsRemoved);

    app.window<frmMain>().FillUserList(false);
    app.CurrentUserNumber = 2;
    app.window<frmMain>().FillUserList(true);
    QCOMPARE(changed.count(), 0);

    app.write(Sections::User(2), UserKeys::FreeMin, "44");
    app.window<frmMain>().FillUserList(false);
    QCOMPARE(changed.count(), 1);
    const QModelIndex cell = changed.first().at(0).value<QModelIndex>();
    QCOMPARE(cell.row(), 1);
    QCOMPARE(cell.column(), 4);
    QCOMPARE(inserted.count() + removed.count(), 0);
    QCOMPARE(ul->currentItem(), ul->topLevelItem(2)); // the selection stayed
}

// A main window kept hidden through a session does not rewrite the time left every second; it
// shows the time as it stands when it is shown, and follows each tick from then on.
void tst_frmMain::hiddenListCatchesUpWhenShown() {
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    app.CurrentUserNumber = 2;
    frmMain& w = app.window<frmMain>();
    const auto bobLeft = [&] { return w.UL->topLevelItem(1)->text(4); };
    QCOMPARE(bobLeft(), QStringLiteral("00:45:10"));
    StoreFreeTime(app, 2, QStringLiteral("00"), QStringLiteral("45"), QStringLiteral("09"));
    emit app.model.timeLeftChanged();
    QCOMPARE(bobLeft(), QStringLiteral("00:45:10"));
    w.show();
    QCOMPARE(bobLeft(), QStringLiteral("00:45:09"));
    StoreFreeTime(app, 2, QStringLiteral("00"), QStringLiteral("45"), QStringLiteral("08"));
    emit app.model.timeLeftChanged();
    QCOMPARE(bobLeft(), QStringLiteral("00:45:08"));
}

void tst_frmMain::quickFillOfAnEmptyListFillsItAll() {
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    app.CurrentUserNumber = 2;
    app.window<frmMain>().FillUserList(true);
    QCOMPARE(app.window<frmMain>().UL->topLevelItemCount(), 3);
    QCOMPARE(app.window<frmMain>().UL->topLevelItem(1)->text(4), QStringLiteral("00:45:10"));
}

void tst_frmMain::deleteRefusedWithOneUserLeft_data() {
    QTest::addColumn<QString>("item");
    QTest::newRow("Users menu") << QStringLiteral("mnuDeleteUser");
    QTest::newRow("pop-up") << QStringLiteral("mnuDeleteUser2");
}

void tst_frmMain::deleteRefusedWithOneUserLeft() {
    QFETCH(QString, item);
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, {"Ann", "Unlimited", "1", {}, {}});
    frmMain& w = app.window<frmMain>();
    app.window<frmMain>().FillUserList(false);
    w.mnuUserListTag = QStringLiteral("Ann");
    w.findChild<QAction*>(item)->trigger();
    QCOMPARE(tp.messageBox.texts(),
             QStringList{QStringLiteral("There is only one user left!  You cannot delete all of the users.")});
    QCOMPARE(tp.messageBox.shown.first().icon, MsgIcon::Information);
    QCOMPARE(app.read(Sections::User(1), UserKeys::Name).text(), QStringLiteral("Ann"));
    QVERIFY(!app.isLoaded("frmPickuser") || !app.window<frmPickuser>().isVisible()); // no user to pick
    QVERIFY(w.isEnabled());
}

void tst_frmMain::deletingTheOnlyParentIsRefused() {
    // Ann is the only parent: deleting her would lock everybody out of the administration.
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    frmMain& w = app.window<frmMain>();
    app.window<frmMain>().FillUserList(false);
    w.mnuUserListTag = QStringLiteral("Ann");
    w.mnuDeleteUser2->trigger();
    QCOMPARE(tp.messageBox.texts(), QStringList{LastParentDeleteMessage(QStringLiteral("Ann"))});
    QCOMPARE(RecountUsers(app), 3);
    QCOMPARE(app.read(Sections::User(1), UserKeys::Name).text(), QStringLiteral("Ann"));
}

void tst_frmMain::rightClickThenDeleteUser() {
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    frmMain& w = app.window<frmMain>();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    app.window<frmMain>().FillUserList(false);
    QTest::mouseClick(w.UL->viewport(), Qt::RightButton, {}, rowCentre(w.UL, 1));
    QCOMPARE(w.ULTag, 2);
    QCOMPARE(w.mnuUserListTag, QStringLiteral("Bob"));
    QTRY_VERIFY(w.mnuUserList->isVisible());
    QVERIFY(w.mnuDeleteUser2->isEnabled());
    w.mnuUserList->hide();
    tp.messageBox.answers.enqueue(MsgAnswer::Yes);
    w.mnuDeleteUser2->trigger();
    QCOMPARE(tp.messageBox.shown.first().defaultButton, MsgDefault::Second);
    QCOMPARE(RecountUsers(app), 2);
    QCOMPARE(app.read(Sections::User(2), UserKeys::Name).text(), QStringLiteral("Cy"));
    QCOMPARE(w.UL->topLevelItemCount(), 2);
    QCOMPARE(w.UL->topLevelItem(1)->text(0), QStringLiteral("Cy"));
}

void tst_frmMain::aChangeToTheUsersRefillsTheListOnce_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("names"); // the list's first column afterwards
    const QStringList renamed{QStringLiteral("Ann"), QStringLiteral("Bobby"), QStringLiteral("Cy")};
    const QStringList bobGone{QStringLiteral("Ann"), QStringLiteral("Cy")};
    QTest::newRow("user editor's OK") << "editor OK" << renamed;
    QTest::newRow("user editor's Apply") << "editor Apply" << renamed;
    QTest::newRow("pick-user's Delete User") << "pick delete" << bobGone;
    QTest::newRow("pop-up's Delete User") << "popup delete" << bobGone;
}

// Every window that changes the users says so once through the model; the main window's list
// (and any other view) refills on that one signal, never on a call from the changing window.
void tst_frmMain::aChangeToTheUsersRefillsTheListOnce() {
    QFETCH(QString, path);
    QFETCH(QStringList, names);
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    app.write(Sections::User(2), UserKeys::Password, StoredPasswordForm(QStringLiteral("b"))); // the editor asks one
    app.sessionUserName = QStringLiteral("Ann");
    frmMain& w = app.window<frmMain>();
    w.show();
    w.FillUserList(false);
    QSignalSpy changed(&app.model, &SessionModel::usersChanged);

    if (path.startsWith(QLatin1String("editor"))) {
        OpenUserEditorForUser(app, 2, &w);
        QVERIFY(!w.isEnabled());
        frmUserMenu& ed = app.window<frmUserMenu>();
        ed.txtUserName_GotFocus();
        ed.txtUserName->setText(QStringLiteral("Bobby"));
        ed.txtUserName_LostFocus();
        (path.endsWith(QLatin1String("OK")) ? ed.cmdOk : ed.cmdApply)->click();
    } else if (path == QLatin1String("pick delete")) {
        tp.messageBox.answers.enqueue(MsgAnswer::Yes);
        ShowPickUser(app, QStringLiteral("Delete User"), &w, QStringLiteral("Bob"));
        app.window<frmPickuser>().cmdOk->click();
    } else {
        tp.messageBox.answers.enqueue(MsgAnswer::Yes);
        w.mnuUserListTag = QStringLiteral("Bob");
        w.mnuDeleteUser2->trigger();
    }

    QVERIFY2(changed.count() == 1, qPrintable(tp.messageBox.texts().join(QLatin1Char('|'))));
    QStringList shown;
    for (int i = 0; i < w.UL->topLevelItemCount(); ++i)
        shown << w.UL->topLevelItem(i)->text(0);
    QCOMPARE(shown, names);
    // Only the editor's Apply keeps it open, over the still-disabled main window.
    QCOMPARE(w.isEnabled(), path != QLatin1String("editor Apply"));
}

void tst_frmMain::leftClickNeverOpensThePopup() {
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    frmMain& w = app.window<frmMain>();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    app.window<frmMain>().FillUserList(false);
    QTest::mouseClick(w.UL->viewport(), Qt::LeftButton, {}, rowCentre(w.UL, 2));
    QCOMPARE(w.ULTag, 1);
    QCOMPARE(w.mnuUserListTag, QStringLiteral("Cy"));
    QTest::qWait(50);
    QVERIFY(!w.mnuUserList->isVisible());

    // A right-click beside the rows names nobody: the pop-up cannot act on Cy.
    QTest::mouseClick(w.UL->viewport(), Qt::RightButton, {}, QPoint(5, w.UL->viewport()->height() - 3));
    QVERIFY(w.mnuUserListTag.isEmpty());
    QVERIFY(!w.mnuDeleteUser2->isEnabled());
    w.mnuUserList->hide();
    w.mnuDeleteUser2->trigger();
    QCOMPARE(RecountUsers(app), 3);
}

void tst_frmMain::enabledStopsAndStartsTheController() {
    TestPlatform tp;
    App& app = *tp.app;
    frmMain& w = app.window<frmMain>();
    app.model.beginSession();
    w.mnuEnabled->trigger();
    QVERIFY(!w.mnuEnabled->isChecked());
    QCOMPARE(w.panel(1)->text(), QStringLiteral("TimeWard Disabled"));
    // The controller's timer drives the session clock and every refresh; the mailbox has its own.
    QVERIFY(!app.window<frmSecret>().T1->isActive());
    w.mnuEnabled->trigger();
    QVERIFY(w.mnuEnabled->isChecked());
    QCOMPARE(w.panel(1)->text(), QStringLiteral("TimeWard Enabled"));
    QVERIFY(app.window<frmSecret>().T1->isActive());
    app.window<frmSecret>().T1->stop();
}

void tst_frmMain::newUserWizardCheckIsStored() {
    TestPlatform tp;
    App& app = *tp.app;
    app.window<frmMain>().mnuNewUsWiz->trigger();
    QCOMPARE(app.read(Sections::Wizards, WizardsKeys::NewUser).text(), QStringLiteral("False"));
    app.unload("frmMain");
    QVERIFY(!app.window<frmMain>().mnuNewUsWiz->isChecked());
    app.window<frmMain>().mnuNewUsWiz->trigger();
    QCOMPARE(app.read(Sections::Wizards, WizardsKeys::NewUser).text(), QStringLiteral("True"));
}

void tst_frmMain::closingUnloadsOnlyTheWindow_data() {
    QTest::addColumn<QString>("saveWinPosition");
    QTest::addColumn<bool>("saved");
    QTest::newRow("1") << QStringLiteral("1") << true;
    QTest::newRow("0") << QStringLiteral("0") << false;
    QTest::newRow("absent") << QString() << false;
}

void tst_frmMain::closingUnloadsOnlyTheWindow() {
    QFETCH(QString, saveWinPosition);
    QFETCH(bool, saved);
    TestPlatform tp;
    App& app = *tp.app;
    if (!saveWinPosition.isNull()) app.write(Sections::Config, ConfigKeys::SaveWinPosition, saveWinPosition);
    frmMain& w = app.window<frmMain>();
    w.lstLog->addItem(QStringLiteral("an entry"));
    w.mnuEnabled->trigger(); // unchecked
    w.move(60, 45);          // no resize: only the close can save the place
    w.mnuClose->trigger();
    QVERIFY(!app.isLoaded("frmMain"));
    QVERIFY(!tp.process.exited());
    QCOMPARE(app.read(Sections::WindowMetrics, QStringLiteral("Time Ward Left")).text(),
             saved ? QStringLiteral("900") : QString());
    // Loaded anew: an empty log, and "Enabled" as it really is (still off).
    QCOMPARE(app.window<frmMain>().lstLog->count(), 0);
    QVERIFY(!app.window<frmMain>().mnuEnabled->isChecked());
}

void tst_frmMain::exitAsksFirst_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("ends");
    QTest::newRow("Yes") << int(MsgAnswer::Yes) << true;
    QTest::newRow("No") << int(MsgAnswer::No) << false;
}

void tst_frmMain::exitAsksFirst() {
    QFETCH(int, answer);
    QFETCH(bool, ends);
    TestPlatform tp;
    tp.messageBox.answers.enqueue(MsgAnswer(answer));
    tp.app->window<frmMain>().mnuExit->trigger();
    QCOMPARE(tp.messageBox.texts(), QStringList{QStringLiteral("Are you sure you wish to exit TimeWard?")});
    QCOMPARE(tp.messageBox.shown.first().buttons, MsgButtons::YesNo);
    QCOMPARE(tp.messageBox.shown.first().icon, MsgIcon::Question);
    QCOMPARE(tp.messageBox.shown.first().defaultButton, MsgDefault::Second); // Enter does not end it
    QCOMPARE(tp.process.exited(), ends);
    QCOMPARE(tp.app->read(Sections::Config, ConfigKeys::ShutdownOK).is(1), ends);
}

void tst_frmMain::ctrlCCopiesLogLinesOrCloses_data() {
    QTest::addColumn<QList<int>>("selected"); // rows of the log list
    QTest::addColumn<bool>("inList");         // the focus in the log list (else in the user list)
    QTest::addColumn<QString>("copied");      // empty: nothing copied, the window closes
    QTest::newRow("two lines picked") << QList<int>{2, 0} << true << "first\nthird";
    QTest::newRow("one line") << QList<int>{1} << true << "second";
    QTest::newRow("nothing picked") << QList<int>{} << true << "";
    QTest::newRow("focus in the user list") << QList<int>{1} << false << "";
}

void tst_frmMain::ctrlCCopiesLogLinesOrCloses() {
    // Ctrl+C is "&Close Window", except where log lines are picked to be copied.
    QFETCH(QList<int>, selected);
    QFETCH(bool, inList);
    QFETCH(QString, copied);
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    frmMain& w = app.window<frmMain>();
    w.lstLog->addItems({QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third")});
    for (int row : selected)
        w.lstLog->item(row)->setSelected(true);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QWidget* focus = inList ? static_cast<QWidget*>(w.lstLog) : w.UL;
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(tp.clipboard.text(), copied);
    QCOMPARE(app.isLoaded("frmMain"), !copied.isEmpty());
}

void tst_frmMain::loginNewUserLogsOut() {
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    app.write(Sections::Config, ConfigKeys::CurrUser, "ann");
    app.write(Sections::Config, ConfigKeys::LogELogout, 1);
    app.write(Sections::Config, ConfigKeys::LogEnable, 1);
    app.write(Sections::Config, ConfigKeys::LogTFOn, 1);
    app.write(Sections::Config, ConfigKeys::LogTFFile, tp.dataFile(QStringLiteral("activity.log")));
    app.write(Sections::Config, ConfigKeys::LogUse, "Both");
    app.write(Sections::Config, ConfigKeys::LogTimeStamp, 0);
    app.window<frmSecret>(); // the controller: the tray icon comes and goes with the session
    app.model.beginSession();
    QVERIFY(tp.tray.shown);
    frmMain& w = app.window<frmMain>();
    w.show();
    w.mnuLogin->trigger();
    QVERIFY(!app.window<frmSecret>().T1->isActive());
    QVERIFY(!tp.tray.shown);
    QVERIFY(!app.isLoaded("frmMain"));
    QVERIFY(!tp.process.exited());
    const QStringList log = tp.fileLines(tp.dataFile(QStringLiteral("activity.log")));
    QVERIFY2(!log.isEmpty() && log.last().contains(QStringLiteral("User ann logged out.")), qPrintable(log.join('|')));
    // The login window is up for the next user, with the stored name and no password.
    QVERIFY(app.isLoaded("frmLogin"));
    QVERIFY(app.window<frmLogin>().isVisible());
    QCOMPARE(app.window<frmLogin>().cboUL->currentText(), QStringLiteral("Ann"));
    QVERIFY(app.window<frmLogin>().txtPW->text().isEmpty());
}

void tst_frmMain::bringUpMainWindowFillsAndShows() {
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    BringUpMainWindow(app);
    frmMain& w = app.window<frmMain>();
    QVERIFY(w.isVisible());
    QVERIFY(w.isEnabled());
    QCOMPARE(w.UL->topLevelItemCount(), 3);
    // Already visible: nothing is done again.
    app.write(Sections::User(4), UserKeys::Name, "Dee");
    BringUpMainWindow(app);
    QCOMPARE(w.UL->topLevelItemCount(), 3);
}

void tst_frmMain::helpItemsOpenTheHelp() {
    TestPlatform tp;
    frmMain& w = tp.app->window<frmMain>();
    for (QAction* a : {w.mnuIndex, w.mnuSearch, w.mnuUsingHelp, w.mnuIndex2, w.mnuSearch2, w.mnuUsingHelp2})
        a->trigger();
    QCOMPARE(tp.help.calls, (QStringList{"contents", "search", "helponhelp", "contents", "search", "helponhelp"}));
}

void tst_frmMain::activityLogGoesToTheList() {
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::Config, ConfigKeys::LogEnable, 1);
    app.write(Sections::Config, ConfigKeys::LogTS, 1);
    app.write(Sections::Config, ConfigKeys::LogTimeStamp, 0);
    app.write(Sections::Config, ConfigKeys::LogUse, "Both");
    QVERIFY(!app.isLoaded("frmMain"));
    WriteActivityLog(app, QStringLiteral("User Ann logging in."));
    QVERIFY(!app.isLoaded("frmMain"));                  // no window is loaded only to be written to
    QCOMPARE(app.window<frmMain>().lstLog->count(), 1); // read from the file once, not listed twice
    QVERIFY(app.window<frmMain>().lstLog->item(0)->text().contains(QStringLiteral("User Ann logging in.")));
    // A loaded window lists each new entry once.
    WriteActivityLog(app, QStringLiteral("User Ann logged in successfully."));
    QCOMPARE(app.window<frmMain>().lstLog->count(), 2);
    QVERIFY(app.window<frmMain>().lstLog->item(1)->text().contains(QStringLiteral("logged in successfully.")));

    // Entries that went to the chosen file while the window was closed are listed when it opens
    // again, as is everything before a restart; only the newest 500 are.
    app.unload("frmMain");
    app.write(Sections::Config, ConfigKeys::LogTFOn, 1);
    app.write(Sections::Config, ConfigKeys::LogTFFile, tp.dataFile(QStringLiteral("chosen.log")));
    for (int i = 1; i <= 600; ++i)
        WriteActivityLog(app, QStringLiteral("entry %1").arg(i));
    QVERIFY(!app.isLoaded("frmMain"));
    QCOMPARE(tp.fileLines(tp.dataFile(QStringLiteral("chosen.log"))).size(), 600);
    QCOMPARE(app.window<frmMain>().lstLog->count(), kLogListReload);
    QCOMPARE(app.window<frmMain>().lstLog->item(0)->text(), QStringLiteral("entry 101"));
    QCOMPARE(app.window<frmMain>().lstLog->item(kLogListReload - 1)->text(), QStringLiteral("entry 600"));
}

void tst_frmMain::layoutFollowsTheWindowSize() {
    TestPlatform tp;
    frmMain& w = tp.app->window<frmMain>();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.resize(1000, 700);
    QTRY_COMPARE(w.size(), QSize(1000, 700));
    const QSize client = w.centralWidget()->size();
    const double W = client.width();
    const double H = client.height();
    QCOMPARE(w.Frame1->geometry(), QRect(qRound(0.013 * W), 0, qRound(0.974 * W), qRound(0.51 * H)));
    QCOMPARE(w.lstLog->geometry(), QRect(qRound(0.013 * W), qRound(0.044 * H), qRound(0.808 * W), qRound(0.333 * H)));
    QCOMPARE(w.StatusBar1->geometry(), QRect(0, qRound(0.95 * H), qRound(W), qRound(0.05 * H)));
    // and every resize saves the place, whatever "SaveWinPosition" says
    QCOMPARE(tp.app->read(Sections::WindowMetrics, QStringLiteral("Time Ward Width")).text(),
             QString::number(1000 * 15));
}

void tst_frmMain::usageViewBesideTheList() {
    TestPlatform tp;
    App& app = *tp.app;
    addThreeUsers(app);
    const QDate today = tp.clock.today();
    app.write(Sections::UserHistory(QStringLiteral("Bob")), UsageDayName(today), 1800);
    frmMain& w = app.window<frmMain>();
    w.show();
    QVERIFY(!w.dockUsage->isVisible());
    w.mnuUsage->trigger();
    QVERIFY(w.dockUsage->isVisible());
    QVERIFY(w.dockUsage->geometry().left() >= w.centralWidget()->geometry().right()); // beside the list
    QCOMPARE(w.usageView->overview().rows.size(), 3);
    QCOMPARE(w.usageView->overview().rows[1].seconds.last(), 1800);
    // Shown again after more time was used: read anew.
    w.mnuUsage->trigger();
    QVERIFY(!w.dockUsage->isVisible());
    app.write(Sections::UserHistory(QStringLiteral("Bob")), UsageDayName(today), 2400);
    w.mnuUsage->trigger();
    QCOMPARE(w.usageView->overview().rows[1].seconds.last(), 2400);
    QVERIFY(w.mnuUsage->isChecked());
    // Closing the dock unchecks the menu entry.
    w.dockUsage->close();
    QVERIFY(!w.mnuUsage->isChecked());

    // The report: confirmed, with the chart for the PDF page.
    tp.messageBox.answers.enqueue(MsgAnswer::Yes);
    w.mnuPrintUsage->trigger();
    QCOMPARE(tp.printer.jobs.size(), 1);
    QVERIFY(tp.printer.jobs[0].picture);
    QCOMPARE(tp.printer.jobs[0].lines.first(), QStringLiteral("TimeWard Weekly Usage"));
}

TW_TEST(tst_frmMain)
#include "tst_frmMain.moc"
