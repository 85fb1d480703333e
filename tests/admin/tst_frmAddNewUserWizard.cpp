#include "TestPlatform.h"
#include "TestRegistry.h"
#include "admin/TimeOutActions.h"
#include "admin/UserAdmin.h"
#include "admin/frmAddNewUserWizard.h"
#include "admin/frmUserMenu.h"
#include "admin/frmWelcome.h"
#include "core/WindowMetrics.h"
#include "program/StartUp.h"
#include "program/frmMain.h"
#include "storage/ConfigKeys.h"
#include "users/PasswordScramble.h"
#include "users/UserKeys.h"

#include "users/UserTable.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

using namespace UserKeys;

namespace {
void seedUser(App& app, int n, const QString& name) {
    app.write(Sections::User(n), Number, QString::number(n));
    app.write(Sections::User(n), Name, name);
    app.write(Sections::User(n), ParentRights, "1");
    app.write(Sections::User(n), TimeBasedOn, "Unlimited");
}

// Runs the wizard modally while drive acts on it from inside its event loop.
bool runWizard(App& app, const QString& kind, const std::function<void(frmAddNewUserWizard&)>& drive) {
    QTimer::singleShot(0, [&app, drive] {
        frmAddNewUserWizard& w = app.window<frmAddNewUserWizard>();
        drive(w);
        // Whatever the script left open is closed, so a failed check never hangs the test.
        if (w.isVisible()) w.done(QDialog::Rejected);
    });
    return RunAddNewUserWizard(app, kind);
}

void fillName(frmAddNewUserWizard& w, const QString& name, const QString& pw, const QString& pw2) {
    w.txtName->setText(name);
    w.txtPW->setText(pw);
    w.txtPW2->setText(pw2);
}
} // namespace

class tst_frmAddNewUserWizard : public QObject {
    Q_OBJECT
private slots:
    void firstRunFinished();
    void firstRunCloseBeforeFinishing_data();
    void firstRunCloseBeforeFinishing();
    void namePageChecks_data();
    void namePageChecks();
    void newCancelledWritesNothing();
    void classicModeOpensEditor();
    void thirdUserGetsNumberThree();
    void stepsForwardAndBack_data();
    void stepsForwardAndBack();
    void newUserIsTimedOutByDefault_data();
    void newUserIsTimedOutByDefault();
    void lettersInAllowanceStayOnPage();
    void newInstallationStartsWithWelcomeAndWizard();
};

void tst_frmAddNewUserWizard::firstRunFinished() {
    TestPlatform tp;
    App& app = *tp.app;
    tp.clock.set(QDateTime(QDate(2026, 5, 6), QTime(9, 0)));
    const bool result = runWizard(app, QStringLiteral("First"), [](frmAddNewUserWizard& w) {
        QVERIFY(!w.cmdClassic->isEnabled());
        QVERIFY(!w.cmdBack->isEnabled());
        w.cmdNext->click();
        QCOMPARE(w.windowTitle(), QStringLiteral("Add New User Wizard - Step 1: Select A Name"));
        QVERIFY(!w.chkPR->isVisibleTo(&w));
        QVERIFY(!w.chkUserChangePW->isVisibleTo(&w));
        fillName(w, QStringLiteral("Mom"), QStringLiteral("pw"), QStringLiteral("pw"));
        w.cmdNext->click();
        QVERIFY(w.finished());
        QCOMPARE(w.windowTitle(), QStringLiteral("Add New User Wizard - Finished!"));
        QVERIFY(!w.cmdNext->isEnabled());
        w.cmdClose->click();
    });
    QVERIFY(result);
    const QString sec = Sections::User(1);
    QCOMPARE(app.read(sec, Number).text(), QStringLiteral("1"));
    QCOMPARE(app.read(sec, Name).text(), QStringLiteral("Mom"));
    QCOMPARE(PlainPassword(app.read(sec, Password).text()), QStringLiteral("pw"));
    QCOMPARE(app.read(sec, ParentRights).text(), QStringLiteral("1"));
    QCOMPARE(app.read(sec, TimeBasedOn).text(), QStringLiteral("Unlimited"));
    QCOMPARE(app.read(sec, OptSingle).text(), QStringLiteral("1"));
    QCOMPARE(app.read(sec, OptMult).text(), QStringLiteral("0"));
    for (const QString& k : {TakeAction, DisplayMessage, PlaySound, LaunchProgram, LoginProg, TimeRestriction})
        QCOMPARE(app.read(sec, k).text(), QStringLiteral("0"));
    QCOMPARE(app.read(sec, LastStartDate).text(), QStringLiteral("5/6/2026"));
    QVERIFY(tp.messageBox.texts().isEmpty());
}

void tst_frmAddNewUserWizard::firstRunCloseBeforeFinishing_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes removes everything and ends") << true;
    QTest::newRow("No stays") << false;
}

void tst_frmAddNewUserWizard::firstRunCloseBeforeFinishing() {
    QFETCH(bool, yes);
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::Config, ConfigKeys::ShowSplash, 1);
    tp.messageBox.answers.enqueue(yes ? MsgAnswer::Yes : MsgAnswer::No);
    bool stayed = false;
    runWizard(app, QStringLiteral("First"), [&](frmAddNewUserWizard& w) {
        w.cmdNext->click();
        w.cmdClose->click();
        stayed = w.isVisible();
    });
    QCOMPARE(tp.messageBox.shown.size(), 1);
    QCOMPARE(tp.messageBox.shown.first().text,
             QStringLiteral("Are you sure you wish to close?\n\nYou will not be able to run the program until you "
                            "finish this step."));
    QCOMPARE(tp.messageBox.shown.first().title, QStringLiteral("Confirm Close"));
    QCOMPARE(stayed, !yes);
    QCOMPARE(tp.process.exited(), yes);
    QCOMPARE(tp.registry->keyExists(RegRoot::LocalMachine, QStringLiteral("Software\\TimeWard")), !yes);
}

void tst_frmAddNewUserWizard::namePageChecks_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pw");
    QTest::addColumn<QString>("pw2");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty name") << ""
                                << "a"
                                << "a"
                                << "Please enter the user name";
    QTest::newRow("taken in other case") << "ANN"
                                         << "a"
                                         << "a"
                                         << "That user name is already taken, please try again";
    QTest::newRow("empty password") << "Bob"
                                    << ""
                                    << ""
                                    << "Please enter a password";
    QTest::newRow("passwords differ") << "Bob"
                                      << "a"
                                      << "A"
                                      << "The passwords don't match!";
    // A store where nobody has parent rights: the new user must get them.
    QTest::newRow("no parent anywhere") << "Bob"
                                        << "b"
                                        << "b" << kNoParentRightsMessage;
}

void tst_frmAddNewUserWizard::namePageChecks() {
    QFETCH(QString, name);
    QFETCH(QString, pw);
    QFETCH(QString, pw2);
    QFETCH(QString, message);
    TestPlatform tp;
    App& app = *tp.app;
    seedUser(app, 1, QStringLiteral("Ann"));
    if (message == kNoParentRightsMessage) app.write(Sections::User(1), ParentRights, "0");
    int page = -1;
    runWizard(app, QStringLiteral("New"), [&](frmAddNewUserWizard& w) {
        w.cmdNext->click();
        fillName(w, name, pw, pw2);
        w.cmdNext->click();
        page = w.page();
        w.cmdClose->click();
    });
    QCOMPARE(page, 1);
    QCOMPARE(tp.messageBox.texts(), QStringList{message});
    QCOMPARE(tp.messageBox.shown.first().icon, MsgIcon::Information);
}

void tst_frmAddNewUserWizard::newCancelledWritesNothing() {
    TestPlatform tp;
    App& app = *tp.app;
    seedUser(app, 1, QStringLiteral("Ann"));
    const bool result = runWizard(app, QStringLiteral("New"), [](frmAddNewUserWizard& w) {
        w.cmdNext->click();
        fillName(w, QStringLiteral("Bob"), QStringLiteral("b"), QStringLiteral("b"));
        w.cmdNext->click();
        QCOMPARE(w.page(), 2);
        w.cmdClose->click();
    });
    QVERIFY(result);
    QVERIFY(!tp.registry->keyExists(RegRoot::LocalMachine, QStringLiteral("Software\\TimeWard\\Users\\2")));
    QVERIFY(!app.isLoaded("frmUserMenu"));
}

void tst_frmAddNewUserWizard::classicModeOpensEditor() {
    TestPlatform tp;
    App& app = *tp.app;
    seedUser(app, 1, QStringLiteral("Ann"));
    QTimer::singleShot(0, [&app] { app.window<frmAddNewUserWizard>().cmdClassic->click(); });
    AddUser(app, nullptr); // "NewUser" absent reads as true: the wizard first
    QVERIFY(app.isLoaded("frmAddNewUserWizard"));
    QVERIFY(!app.window<frmAddNewUserWizard>().result);
    QVERIFY(app.window<frmUserMenu>().isVisible());
    QCOMPARE(app.window<frmUserMenu>().mode(), QStringLiteral("New User"));
    QCOMPARE(app.window<frmUserMenu>().txtUN->text(), QStringLiteral("2"));

    // With the wizard switched off the editor opens at once.
    TestPlatform tp2;
    tp2.app->write(Sections::Wizards, WizardsKeys::NewUser, false);
    AddUser(*tp2.app, nullptr);
    QVERIFY(!tp2.app->isLoaded("frmAddNewUserWizard"));
    QVERIFY(tp2.app->window<frmUserMenu>().isVisible());
}

void tst_frmAddNewUserWizard::thirdUserGetsNumberThree() {
    TestPlatform tp;
    App& app = *tp.app;
    seedUser(app, 1, QStringLiteral("Ann"));
    seedUser(app, 2, QStringLiteral("Bob"));
    const bool result = runWizard(app, QStringLiteral("New"), [](frmAddNewUserWizard& w) {
        w.cmdNext->click();
        fillName(w, QStringLiteral("Cy"), QStringLiteral("c"), QStringLiteral("c"));
        w.chkUserChangePW->setChecked(true);
        w.cmdNext->click();
        QCOMPARE(w.cboBasedOn->currentText(), QStringLiteral("Unlimited"));
        w.cmdBack->click();
        QCOMPARE(w.page(), 1);
        w.cmdNext->click();
        w.cboBasedOn->setCurrentText(QStringLiteral("Daily"));
        w.txtamtHr->setText(QStringLiteral("0"));
        w.txtamtMin->setText(QStringLiteral("90"));
        w.txtamtsec->setText(QStringLiteral("125"));
        w.cmdNext->click();
        QCOMPARE(w.windowTitle(), QStringLiteral("Add New User Wizard - Step 3: Select Timeout Events"));
        QVERIFY2(w.width() >= TitleBarWidth(w), qPrintable(QString::number(w.width()))); // the title is whole
        w.actions->chkTA->setChecked(true);
        w.actions->cboTA->setCurrentText(QStringLiteral("Log out of the desktop"));
        w.cmdNext->click();
        QCOMPARE(w.cmdClose->text(), QStringLiteral("Finished"));
        w.cmdClose->click();
    });
    QVERIFY(result);
    const QString sec = Sections::User(3);
    QCOMPARE(app.read(sec, Number).text(), QStringLiteral("3"));
    QCOMPARE(app.read(sec, Name).text(), QStringLiteral("Cy"));
    QCOMPARE(app.read(sec, ParentRights).text(), QStringLiteral("0"));
    QCOMPARE(app.read(sec, UserChangePW).text(), QStringLiteral("1"));
    QCOMPARE(app.read(sec, TimeBasedOn).text(), QStringLiteral("Daily"));
    QCOMPARE(app.read(sec, AmmountHours).text(), QStringLiteral("01"));
    QCOMPARE(app.read(sec, AmmountMinutes).text(), QStringLiteral("32"));
    QCOMPARE(app.read(sec, AmmountSeconds).text(), QStringLiteral("05"));
    QCOMPARE(app.read(sec, TakeAction).text(), QStringLiteral("1"));
    QCOMPARE(app.read(sec, TakeActionDo).text(), QStringLiteral("Restart Windows"));
    // The main window's user list shows the new user.
    QCOMPARE(app.window<frmMain>().UL->topLevelItemCount(), 3);
    QCOMPARE(app.window<frmMain>().UL->topLevelItem(2)->text(0), QStringLiteral("Cy"));
}

void tst_frmAddNewUserWizard::stepsForwardAndBack_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("clicks"); // n for Next, b for Back
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("shown"); // the page in front
    QTest::addColumn<QString>("step");  // the title after the caption
    QTest::addColumn<bool>("back");     // whether Back is available

    const QString name = QStringLiteral(" - Step 1: Select A Name");
    const QString time = QStringLiteral(" - Step 2: Select Time Restrictions");
    const QString timeout = QStringLiteral(" - Step 3: Select Timeout Events");
    const QString finished = QStringLiteral(" - Finished!");
    QTest::newRow("name") << "New"
                          << "n" << 1 << "pctName" << name << true;
    QTest::newRow("time") << "New"
                          << "nn" << 2 << "pctTime" << time << true;
    QTest::newRow("timeout") << "New"
                             << "nnn" << 3 << "pctTimeout" << timeout << true;
    QTest::newRow("finished") << "New"
                              << "nnnn" << 4 << "pctFinished" << finished << false;
    QTest::newRow("back to time") << "New"
                                  << "nnnb" << 2 << "pctTime" << time << true;
    QTest::newRow("back to name") << "New"
                                  << "nnb" << 1 << "pctName" << name << true;
    QTest::newRow("back to welcome") << "New"
                                     << "nb" << 0 << "pctWelcome" << QString() << false;
    QTest::newRow("back and on") << "New"
                                 << "nnbn" << 2 << "pctTime" << time << true;
    QTest::newRow("first finished") << "First"
                                    << "nn" << 5 << "pctFinishedFirst" << finished << false;
}

void tst_frmAddNewUserWizard::stepsForwardAndBack() {
    QFETCH(QString, kind);
    QFETCH(QString, clicks);
    QFETCH(int, page);
    QFETCH(QString, shown);
    QFETCH(QString, step);
    QFETCH(bool, back);
    TestPlatform tp;
    App& app = *tp.app;
    if (kind != QLatin1String("First")) seedUser(app, 1, QStringLiteral("Ann"));
    runWizard(app, kind, [&](frmAddNewUserWizard& w) {
        fillName(w, QStringLiteral("Cy"), QStringLiteral("c"), QStringLiteral("c"));
        for (const QChar c : clicks)
            (c == QLatin1Char('n') ? w.cmdNext : w.cmdBack)->click();
        QCOMPARE(w.page(), page);
        QCOMPARE(w.pages->currentWidget()->objectName(), shown);
        QCOMPARE(w.windowTitle(), QStringLiteral("Add New User Wizard") + step);
        QCOMPARE(w.cmdBack->isEnabled(), back);
        QCOMPARE(w.finished(), step == QLatin1String(" - Finished!"));
    });
    QVERIFY(tp.messageBox.texts().isEmpty());
}

void tst_frmAddNewUserWizard::newUserIsTimedOutByDefault_data() {
    QTest::addColumn<bool>("untick");
    QTest::addColumn<QString>("takeAction");
    QTest::newRow("defaults: back to the login window") << false << "1";
    QTest::newRow("the parent unticks it") << true << "0";
}

void tst_frmAddNewUserWizard::newUserIsTimedOutByDefault() {
    QFETCH(bool, untick);
    QFETCH(QString, takeAction);
    TestPlatform tp;
    App& app = *tp.app;
    seedUser(app, 1, QStringLiteral("Ann"));
    bool tickedOnPage = false;
    QString actionOnPage;
    runWizard(app, QStringLiteral("New"), [&](frmAddNewUserWizard& w) {
        w.cmdNext->click();
        fillName(w, QStringLiteral("Cy"), QStringLiteral("c"), QStringLiteral("c"));
        w.cmdNext->click();
        w.cboBasedOn->setCurrentText(QStringLiteral("Daily"));
        w.txtamtMin->setText(QStringLiteral("30"));
        w.cmdNext->click();
        tickedOnPage = w.actions->chkTA->isChecked();
        actionOnPage = w.actions->cboTA->currentText();
        QVERIFY(w.actions->cboTA->isEnabled());
        if (untick) w.actions->chkTA->setChecked(false);
        w.cmdNext->click();
        w.cmdClose->click();
    });
    QVERIFY(tickedOnPage);
    QCOMPARE(actionOnPage, QStringLiteral("Back to the TimeWard login"));
    QCOMPARE(app.read(Sections::User(2), TakeAction).text(), takeAction);
    QCOMPARE(app.read(Sections::User(2), TakeActionDo).text(), QStringLiteral("Display Time Ward Login"));
}

void tst_frmAddNewUserWizard::lettersInAllowanceStayOnPage() {
    TestPlatform tp;
    App& app = *tp.app;
    seedUser(app, 1, QStringLiteral("Ann"));
    int page = -1;
    runWizard(app, QStringLiteral("New"), [&](frmAddNewUserWizard& w) {
        w.cmdNext->click();
        fillName(w, QStringLiteral("Cy"), QStringLiteral("c"), QStringLiteral("c"));
        w.cmdNext->click();
        w.cboBasedOn->setCurrentText(QStringLiteral("Weekly"));
        w.txtamtMin->setText(QStringLiteral("ten"));
        w.cmdNext->click();
        page = w.page();
        w.cmdClose->click();
    });
    QCOMPARE(page, 2);
    QCOMPARE(tp.messageBox.texts().size(), 1);
    QVERIFY(tp.messageBox.texts().first().contains(QStringLiteral("Minutes box")));
    QVERIFY(!tp.registry->keyExists(RegRoot::LocalMachine, QStringLiteral("Software\\TimeWard\\Users\\2")));
}

void tst_frmAddNewUserWizard::newInstallationStartsWithWelcomeAndWizard() {
    TestPlatform tp;
    App& app = *tp.app;
    QStringList seen;
    // Answers each modal window as it comes up: the welcome, then the first-user wizard.
    QTimer driver;
    driver.setInterval(0);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (app.isLoaded("frmWelcome") && app.window<frmWelcome>().isVisible()) {
            seen << QStringLiteral("welcome");
            app.window<frmWelcome>().cmdNext->click();
        } else if (app.isLoaded("frmAddNewUserWizard") && app.window<frmAddNewUserWizard>().isVisible()) {
            seen << QStringLiteral("wizard");
            frmAddNewUserWizard& w = app.window<frmAddNewUserWizard>();
            QCOMPARE(w.kind(), QStringLiteral("First"));
            w.cmdNext->click();
            fillName(w, QStringLiteral("Dad"), QStringLiteral("d"), QStringLiteral("d"));
            w.cmdNext->click();
            w.cmdClose->click();
        }
    });
    driver.start();
    FirstRunSetup(app);
    driver.stop();
    QCOMPARE(seen, (QStringList{QStringLiteral("welcome"), QStringLiteral("wizard")}));
    QCOMPARE(app.read(Sections::Config, ConfigKeys::LoadedBefore).text(), QStringLiteral("1"));
    QCOMPARE(app.read(Sections::Config, ConfigKeys::CurrentNumberOfUsers).text(), QStringLiteral("1"));
    QCOMPARE(app.read(Sections::User(1), Name).text(), QStringLiteral("Dad"));
    QCOMPARE(app.read(Sections::User(1), ParentRights).text(), QStringLiteral("1"));
}

TW_TEST(tst_frmAddNewUserWizard)
#include "tst_frmAddNewUserWizard.moc"
