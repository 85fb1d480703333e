#include "TestPlatform.h"
#include "TestRegistry.h"
#include "admin/TimeOutActions.h"
#include "admin/UserAdmin.h"
#include "admin/frmHelpBox.h"
#include "admin/frmUserMenu.h"
#include "login/LoginValidation.h"
#include "program/frmMain.h"
#include "program/frmSecret.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "users/PasswordScramble.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <memory>

using namespace UserKeys;

namespace {
const QString kParentMessage = QStringLiteral(
    "At least one user must have parent rights.  And currently none are.  Therefore, this user has to have parent "
    "rights.");

void seedUser(App& app, int n, const QString& name, bool parent, const QString& password = QStringLiteral("pw")) {
    const QString sec = Sections::User(n);
    app.write(sec, Number, QString::number(n));
    app.write(sec, Name, name);
    app.write(sec, Password, StoredPasswordForm(password));
    app.write(sec, ParentRights, parent ? "1" : "0");
    app.write(sec, TimeBasedOn, "Unlimited");
}

QMap<QString, QString> recordValues(TestPlatform& tp, int n) {
    QMap<QString, QString> m;
    for (const RegValue& v :
         tp.registry->values(RegRoot::LocalMachine, SettingsStore::SectionPath(kAppName, Sections::User(n))))
        m.insert(v.name, v.data.toString());
    return m;
}
} // namespace

class tst_frmUserMenu : public QObject {
    Q_OBJECT
private slots:
    void errIsTrue_data();
    void errIsTrue();
    void loadSaveRoundTrip();
    void refusedSaveSaysSo();
    void restrictionAdd_data();
    void restrictionAdd();
    void restrictionListMoves();
    void duplicateName_data();
    void duplicateName();
    void renamingLoggedInUser_data();
    void renamingLoggedInUser();
    void applyStaysOpenAndLogsWhoChangedWhom();
    void newUserSaved();
    void lettersInAllowanceRefused();
    void interruptedSave_data();
    void interruptedSave();
    void enablingRules_data();
    void enablingRules();
    void passwordPage();
    void randomizeThenCancelKeepsTheList();
    void markersGoWithTheirPasswords();
    void lastParentKeepsTheRight();
    void guidedHelp();
    void endActionWords_data();
    void endActionWords();
};

void tst_frmUserMenu::errIsTrue_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("listLines");
    QTest::addColumn<int>("period"); // index in the period list, -1 none
    QTest::addColumn<QStringList>("hms");
    QTest::addColumn<bool>("parentBox");
    QTest::addColumn<bool>("storedParent");
    QTest::addColumn<QString>("message"); // empty: may be saved

    const QStringList full = {"1", "0", "0"};
    QTest::newRow("no name") << ""
                             << "" << 0 << -1 << QStringList{"", "", ""} << false << false
                             << "Please enter the user name";
    QTest::newRow("no password") << "Tom"
                                 << "" << 0 << 0 << full << true << true << "Please enter a password";
    QTest::newRow("list instead of password") << "Tom"
                                              << "" << 2 << 3 << full << true << true << "";
    QTest::newRow("no hours") << "Tom"
                              << "pw" << 0 << 0 << QStringList{"", "", ""} << true << true
                              << "Please enter the hour amount";
    QTest::newRow("no minutes") << "Tom"
                                << "pw" << 0 << 1 << QStringList{"1", "", ""} << true << true
                                << "Please enter the minute amount";
    QTest::newRow("no seconds") << "Tom"
                                << "pw" << 0 << 4 << QStringList{"1", "2", ""} << true << true
                                << "Please enter the second amount";
    QTest::newRow("unlimited, empty fields") << "Tom"
                                             << "pw" << 0 << 3 << QStringList{"", "", ""} << false << true << "";
    QTest::newRow("no period") << "Tom"
                               << "pw" << 0 << -1 << full << true << true << "Please select time period for user";
    QTest::newRow("no parent anywhere") << "Tom"
                                        << "pw" << 0 << 3 << full << false << false << kParentMessage;
    QTest::newRow("this one becomes parent") << "Tom"
                                             << "pw" << 0 << 3 << full << true << false << "";
}

void tst_frmUserMenu::errIsTrue() {
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(int, listLines);
    QFETCH(int, period);
    QFETCH(QStringList, hms);
    QFETCH(bool, parentBox);
    QFETCH(bool, storedParent);
    QFETCH(QString, message);
    TestPlatform tp;
    App& app = *tp.app;
    seedUser(app, 1, QStringLiteral("Ann"), storedParent);
    frmUserMenu& ed = app.window<frmUserMenu>();
    ed.openForNewUser(false, nullptr);
    ed.txtUserName->setText(name);
    ed.txtPW->setText(password);
    for (int i = 0; i < listLines; ++i)
        ed.lstPW->addItem(QStringLiteral("0%1.) abc (UnUsed)").arg(i + 1));
    ed.cboBasedOn->setCurrentIndex(period);
    ed.txtamtHr->setText(hms[0]);
    ed.txtamtMin->setText(hms[1]);
    ed.txtamtsec->setText(hms[2]);
    ed.chkPR->setChecked(parentBox);
    tp.messageBox.shown.clear();

    QCOMPARE(ed.ErrIsTrue(), !message.isEmpty());
    QCOMPARE(tp.messageBox.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty()) QCOMPARE(tp.messageBox.shown.first().icon, MsgIcon::Information);
}

void tst_frmUserMenu::loadSaveRoundTrip() {
    TestPlatform tp;
    App& app = *tp.app;
    tp.clock.set(QDateTime(QDate(2026, 3, 4), QTime(10, 0)));
    const QString sec = Sections::User(1);
    const QMap<QString, QString> record = {
        {Number, "1"},
        {Name, "Ann"},
        {Password, StoredPasswordForm("Secret9")},
        {ParentRights, "1"},
        {UserChangePW, "1"},
        {Notes, "two\nlines"},
        {TimeBasedOn, "Daily"},
        {AmmountHours, "02"},
        {AmmountMinutes, "30"},
        {AmmountSeconds, "00"},
        {FreeHours, "01"},
        {FreeMin, "10"},
        {FreeSec, "05"},
        {LastStartDate, CurrentPeriodStart(QDate(2026, 3, 4), "Daily")},
        {OneTimeRemove, "0"},
        {TakeAction, "1"},
        {TakeActionDo, "Restart Computer"},
        {DisplayMessage, "1"},
        {DisplayMessageText, "Time is up"},
        {PlaySound, "1"},
        {PlaySoundSoundLocation, "/snd/end.wav"},
        {LaunchProgram, "1"},
        {LaunchProgramProg, "/bin/prog"},
        {OptSingle, "False"},
        {OptMult, "True"},
        {RefreshPW, "1"},
        {DisablePW, "0"},
        {RefreshTimePW, "1"},
        {ListPassword(1), StoredPasswordForm("aaa")},
        {ListPasswordUsed(1), "1"},
        {ListPassword(2), StoredPasswordForm("bbb")},
        {ListPasswordUsed(2), "0"},
        {LoginProg, "1"},
        {LoginProgLoc, "/bin/login"},
        {LoginDisplayMessage, "1"},
        {LoginDisplayMessageText, "Hello $name"},
        {LoginPlaySound, "1"},
        {LoginPlaySoundSoundLocation, "/snd/hi.wav"},
        {LoginWTTL, "1"},
        {LoginWTTLText, "in at $time"},
        {LogoutProgOnQuit, "1"},
        {TimeRestriction, "1"},
        {TimeRestrictionAmmt, "2"},
        {TimeRestBegin(0), "8"},
        {TimeRestEnd(0), "17"},
        {TimeRestType(0), "Allow"},
        {TimeRestBegin(1), "0"},
        {TimeRestEnd(1), "23"},
        {TimeRestType(1), "Deny"},
    };
    for (auto it = record.begin(); it != record.end(); ++it)
        app.write(sec, it.key(), it.value());

    frmUserMenu& ed = app.window<frmUserMenu>();
    ed.openForUser(1, nullptr);
    QCOMPARE(ed.mode(), QStringLiteral("Edit User"));
    QCOMPARE(ed.txtPW->text(), QStringLiteral("Secret9"));
    QVERIFY(ed.optMultPW->isChecked());
    QCOMPARE(ed.lstPW->count(), 2);
    QCOMPARE(ed.lstPW->item(1)->text(), QStringLiteral("02.) bbb (UnUsed) <-"));
    QCOMPARE(ed.lblNextPW->text(), QStringLiteral("Next Password: bbb"));
    QCOMPARE(ed.actions->cboTA->currentData().toString(), QStringLiteral("Restart Computer"));
    QCOMPARE(ed.lstTR->item(0)->text(), QStringLiteral("8 - 17         Allow"));
    QCOMPARE(ed.lstTR->item(1)->text(),
             QStringLiteral("0 - 23") + QString(9, QLatin1Char(' ')) + QStringLiteral("Deny"));
    QVERIFY(!ed.chkRemoveAfterTO->isEnabled());
    QVERIFY(!ed.cmdApply->isEnabled());

    // Saving what was loaded gives back the same record, key for key.
    ed.SaveUser();
    QCOMPARE(recordValues(tp, 1), record);
}

void tst_frmUserMenu::refusedSaveSaysSo() {
    // Another process holds the store: the editor's OK stores nothing, says so in one box,
    // logs nothing as changed and stays open with the edit; once the store is free it saves.
    TestPlatform tp;
    App& app = *tp.app;
    seedUser(app, 1, QStringLiteral("Ann"), true);
    app.write(Sections::Config, ConfigKeys::LogEnable, "1");
    app.write(Sections::Config, ConfigKeys::LogEConfig, "1");
    frmUserMenu& ed = app.window<frmUserMenu>();
    ed.openForUser(1, nullptr);
    ed.txtUserName->setText(QStringLiteral("Annie"));
    auto holder = std::make_unique<SqliteRegistry>(tp.dataFile(QStringLiteral("registry.db")));
    holder->beginBatch();
    ed.cmdOk->click();
    QVERIFY(ed.isVisible());
    QCOMPARE(tp.messageBox.shown.size(), 1);
    QVERIFY(tp.messageBox.texts().first().startsWith(QStringLiteral("The changes to Annie could not be saved")));
    holder->endBatch();
    holder.reset();
    QCOMPARE(app.read(Sections::User(1), Name).text(), QStringLiteral("Ann"));
    QVERIFY(LastingLogTail(tp.platform.paths, 10).filter(QStringLiteral("changed Annie's settings")).isEmpty());
    ed.cmdOk->click();
    QVERIFY(!ed.isVisible());
    QCOMPARE(app.read(Sections::User(1), Name).text(), QStringLiteral("Annie"));
    QCOMPARE(LastingLogTail(tp.platform.paths, 10).filter(QStringLiteral("changed Annie's settings")).size(), 1);
}

void tst_frmUserMenu::restrictionAdd_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("till");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("entry");   // empty: nothing added
    QTest::addColumn<QString>("refused"); // the box named in the message, empty when none
    QTest::newRow("from later than till runs past midnight") << "18"
                                                             << "9"
                                                             << "Deny"
                                                             << "18 - 9         Deny"
                                                             << "";
    QTest::newRow("clock times, 24:00 the end of the day") << "20:00"
                                                           << "24:00"
                                                           << "Deny"
                                                           << "20 - 0         Deny"
                                                           << "";
    QTest::newRow("afternoon hours") << "1 pm"
                                     << "8 PM"
                                     << "Allow"
                                     << "13 - 20        Allow"
                                     << "";
    QTest::newRow("whole day denied") << "0"
                                      << "24"
                                      << "Deny"
                                      << "0 - 0          Deny"
                                      << "";
    QTest::newRow("whole parts") << "7.9"
                                 << "8"
                                 << "Allow"
                                 << "7 - 8          Allow"
                                 << "";
    QTest::newRow("from not a time") << "x"
                                     << "5"
                                     << "Allow"
                                     << ""
                                     << "From";
    QTest::newRow("till out of range") << "5"
                                       << "25"
                                       << "Allow"
                                       << ""
                                       << "Till";
    QTest::newRow("negative from") << "-1"
                                   << "5"
                                   << "Allow"
                                   << ""
                                   << "From";
    QTest::newRow("empty till") << "5"
                                << ""
                                << "Allow"
                                << ""
                                << "Till";
    QTest::newRow("half hour") << "7:30"
                               << "9"
                               << "Allow"
                               << ""
                               << "From";
}

void tst_frmUserMenu::restrictionAdd() {
    QFETCH(QString, from);
    QFETCH(QString, till);
    QFETCH(QString, type);
    QFETCH(QString, entry);
    QFETCH(QString, refused);
    TestPlatform tp;
    frmUserMenu& ed = tp.app->window<frmUserMenu>();
    QCOMPARE(ed.cboType->currentText(), QStringLiteral("Allow"));
    ed.txtFrom->setText(from);
    ed.txtTill->setText(till);
    ed.cboType->setCurrentText(type);
    ed.cmdAddRT->click();
    // What was typed stays to be mended.
    QCOMPARE(ed.txtFrom->text(), from);
    QCOMPARE(ed.txtTill->text(), till);
    QCOMPARE(ed.lstTR->count(), entry.isEmpty() ? 0 : 1);
    if (!entry.isEmpty()) QCOMPARE(ed.lstTR->item(0)->text(), entry);
    const QStringList shown = tp.messageBox.texts();
    QCOMPARE(shown.size(), refused.isEmpty() ? 0 : 1);
    if (!refused.isEmpty()) {
        QVERIFY2(shown.first().contains(QStringLiteral("in %1 cannot").arg(refused)), qPrintable(shown.first()));
        QVERIFY2(shown.first().contains(QStringLiteral("20:00")), qPrintable(shown.first()));
    }
}

void tst_frmUserMenu::restrictionListMoves() {
    TestPlatform tp;
    frmUserMenu& ed = tp.app->window<frmUserMenu>();
    const QStringList entries = {"1 - 2          Allow", "3 - 4          Deny", "5 - 6          Allow"};
    ed.lstTR->addItems(entries);
    auto texts = [&] {
        QStringList t;
        for (int i = 0; i < ed.lstTR->count(); ++i)
            t << ed.lstTR->item(i)->text();
        return t;
    };
    ed.cmdTRUp->click(); // nothing selected
    QCOMPARE(ed.beepCount, 1);
    ed.lstTR->setCurrentRow(0);
    ed.cmdTRUp->click(); // first entry
    QCOMPARE(ed.beepCount, 2);
    ed.cmdTRDown->click();
    QCOMPARE(texts(), (QStringList{entries[1], entries[0], entries[2]}));
    QCOMPARE(ed.lstTR->currentRow(), 1);
    ed.lstTR->setCurrentRow(2);
    ed.cmdTRDown->click(); // last entry
    QCOMPARE(ed.beepCount, 3);
    ed.cmdRemRT->click();
    QCOMPARE(texts(), (QStringList{entries[1], entries[0]}));
    QCOMPARE(ed.lstTR->currentRow(), 1); // the neighbour is selected
}

void tst_frmUserMenu::duplicateName_data() {
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("refused");
    QTest::newRow("new user, other case") << false << "ANN" << true;
    QTest::newRow("new user, trailing blank is another name") << false << "Ann " << false;
    QTest::newRow("editing, own name") << true << "ann" << false;
    QTest::newRow("editing, another user's name") << true << "bob" << true;
}

void tst_frmUserMenu::duplicateName() {
    QFETCH(bool, editing);
    QFETCH(QString, typed);
    QFETCH(bool, refused);
    TestPlatform tp;
    App& app = *tp.app;
    seedUser(app, 1, QStringLiteral("Ann"), true);
    seedUser(app, 2, QStringLiteral("Bob"), false);
    frmUserMenu& ed = app.window<frmUserMenu>();
    if (editing)
        ed.openForUser(1, nullptr);
    else
        ed.openForNewUser(false, nullptr);
    const QString before = ed.txtUserName->text();
    ed.txtUserName_GotFocus();
    ed.txtUserName->setText(typed);
    ed.txtUserName_LostFocus();
    if (refused) {
        QCOMPARE(tp.messageBox.texts(),
                 QStringList{QStringLiteral("User ") + typed + QStringLiteral(" already exists!")});
        QCOMPARE(ed.txtUserName->text(), before);
    } else {
        QVERIFY(tp.messageBox.texts().isEmpty());
        QCOMPARE(ed.txtUserName->text(), typed);
    }
}

void tst_frmUserMenu::renamingLoggedInUser_data() {
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("currUser");
    QTest::newRow("OK renames the session") << true << "Annie";
    QTest::newRow("Cancel (Escape) keeps it") << false << "ann";
}

void tst_frmUserMenu::renamingLoggedInUser() {
    QFETCH(bool, ok);
    TestPlatform tp;
    App& app = *tp.app;
    seedUser(app, 1, QStringLiteral("Ann"), true);
    app.write(Sections::Config, ConfigKeys::CurrUser, "ann");
    app.write(Sections::UserHistory(QStringLiteral("Ann")), QStringLiteral("2026-03-01"), 600);
    frmUserMenu& ed = app.window<frmUserMenu>();
    ed.openForUser(1, &app.window<frmMain>());
    QVERIFY(!app.window<frmMain>().isEnabled()); // the owner waits for the editor
    ed.txtUserName_GotFocus();
    ed.txtUserName->setText(QStringLiteral("Annie"));
    ed.txtUserName_LostFocus();
    if (ok)
        ed.cmdOk->click();
    else
        QTest::keyClick(&ed, Qt::Key_Escape); // Escape is Cancel
    QVERIFY(!ed.isVisible());
    QVERIFY(app.window<frmMain>().isEnabled());
    QTEST(app.read(Sections::Config, ConfigKeys::CurrUser).text(), "currUser");
    QCOMPARE(app.read(Sections::User(1), Name).text(), ok ? QStringLiteral("Annie") : QStringLiteral("Ann"));
    // The usage history goes with the name.
    QCOMPARE(app.read(Sections::UserHistory(ok ? QStringLiteral("Annie") : QStringLiteral("Ann")),
                      QStringLiteral("2026-03-01"))
                 .text(),
             QStringLiteral("600"));
    QCOMPARE(app.read(Sections::UserHistory(ok ? QStringLiteral("Ann") : QStringLiteral("Annie")),
                      QStringLiteral("2026-03-01"))
                 .isAbsent(),
             true);
}

void tst_frmUserMenu::applyStaysOpenAndLogsWhoChangedWhom() {
    TestPlatform tp;
    App& app = *tp.app;
    seedUser(app, 1, QStringLiteral("Ann"), true);
    seedUser(app, 2, QStringLiteral("Bob"), false);
    app.write(Sections::Config, ConfigKeys::LogEnable, 1);
    app.write(Sections::Config, ConfigKeys::LogTS, 1);
    app.write(Sections::Config, ConfigKeys::LogEConfig, 1);
    app.sessionUserName = QStringLiteral("Ann");
    QStringList log;
    QObject::connect(&app.model, &SessionModel::logLine, &app.model, [&](const QString& l) { log << l; });
    frmUserMenu& ed = app.window<frmUserMenu>();
    ed.openForUser(2, nullptr);
    ed.SSTab1->setCurrentIndex(2);
    ed.txtNotes->setPlainText(QStringLiteral("likes chess"));
    QVERIFY(ed.cmdApply->isEnabled());
    ed.cmdApply->click();
    QVERIFY(ed.isVisible());
    QVERIFY(!ed.cmdApply->isEnabled());
    QCOMPARE(ed.SSTab1->currentIndex(), 0);
    QCOMPARE(log, QStringList{QStringLiteral("Ann changed Bob's settings")});
    QCOMPARE(app.window<frmMain>().UL->topLevelItemCount(), 2); // the main window's list rebuilt
    QCOMPARE(app.read(Sections::User(2), Notes).text(), QStringLiteral("likes chess"));
}

void tst_frmUserMenu::newUserSaved() {
    TestPlatform tp;
    App& app = *tp.app;
    tp.clock.set(QDateTime(QDate(2026, 3, 4), QTime(10, 0)));
    seedUser(app, 1, QStringLiteral("Ann"), true);
    app.window<frmMain>().show();
    OpenUserEditorForNewUser(app, true, &app.window<frmMain>());
    frmUserMenu& ed = app.window<frmUserMenu>();
    QVERIFY(ed.isVisible());
    QVERIFY(!app.window<frmMain>().isEnabled());
    QCOMPARE(ed.txtUN->text(), QStringLiteral("2"));
    QCOMPARE(ed.mode(), QStringLiteral("New User"));
    QVERIFY(!ed.cmdOk->isEnabled());
    QVERIFY(!ed.cmdApply->isEnabled());
    QVERIFY(!ed.txtPW->isEnabled());
    QCOMPARE(ed.actions->txtPS->text(), tp.platform.paths.programFile(QStringLiteral("shutdown.wav")));
    QCOMPARE(ed.cboBasedOn->currentText(), QStringLiteral("Unlimited"));
    QCOMPARE(ed.actions->cboTA->currentData().toString(), QStringLiteral("Display Time Ward Login"));

    ed.txtUserName->setText(QStringLiteral("Cy"));
    ed.txtPW->setText(QStringLiteral("pw"));
    ed.cboBasedOn->setCurrentText(QStringLiteral("Daily"));
    ed.txtamtHr->setText(QStringLiteral("1"));
    ed.txtamtMin->setText(QStringLiteral("75"));
    ed.txtamtsec->setText(QStringLiteral("0"));
    QVERIFY(ed.cmdOk->isEnabled());
    ed.cmdOk->click();
    QVERIFY(!ed.isVisible());
    QVERIFY(app.window<frmMain>().isEnabled());
    const QString sec = Sections::User(2);
    QCOMPARE(app.read(sec, Name).text(), QStringLiteral("Cy"));
    QCOMPARE(PlainPassword(app.read(sec, Password).text()), QStringLiteral("pw"));
    QCOMPARE(app.read(sec, AmmountHours).text(), QStringLiteral("02"));
    QCOMPARE(app.read(sec, AmmountMinutes).text(), QStringLiteral("15"));
    QCOMPARE(app.read(sec, FreeHours).text(), QStringLiteral("02"));
    QCOMPARE(app.read(sec, FreeMin).text(), QStringLiteral("15"));
    QCOMPARE(app.read(sec, OptSingle).text(), QStringLiteral("True"));
    QCOMPARE(app.read(sec, OptMult).text(), QStringLiteral("False"));
    QCOMPARE(app.read(sec, LastStartDate).text(), CurrentPeriodStart(QDate(2026, 3, 4), "Daily"));
    QCOMPARE(app.read(Sections::Config, ConfigKeys::CurrentNumberOfUsers).text(), QStringLiteral("2"));
}

void tst_frmUserMenu::lettersInAllowanceRefused() {
    TestPlatform tp;
    App& app = *tp.app;
    seedUser(app, 1, QStringLiteral("Ann"), true);
    frmUserMenu& ed = app.window<frmUserMenu>();
    ed.openForNewUser(false, nullptr);
    ed.txtUserName->setText(QStringLiteral("Cy"));
    ed.txtPW->setText(QStringLiteral("pw"));
    ed.cboBasedOn->setCurrentText(QStringLiteral("Weekly"));
    ed.txtamtHr->setText(QStringLiteral("two"));
    QVERIFY(!ed.applyChanges(true));
    QCOMPARE(tp.messageBox.texts().size(), 1);
    QVERIFY(tp.messageBox.texts().first().contains(QStringLiteral("Hours box")));
    QVERIFY(ed.isVisible());
    QCOMPARE(ed.SSTab1->currentIndex(), 2);
    QCOMPARE(ed.txtamtHr->text(), QStringLiteral("two"));
    QVERIFY(recordValues(tp, 2).isEmpty());
}

void tst_frmUserMenu::interruptedSave_data() {
    QTest::addColumn<bool>("existing");
    QTest::addColumn<int>("answer"); // to the error prompt
    QTest::addColumn<QString>("name");
    QTest::newRow("existing, Ignore keeps the old record") << true << int(MsgAnswer::Ignore) << "Ann";
    QTest::newRow("existing, Retry writes the new one") << true << int(MsgAnswer::Retry) << "Annie";
    QTest::newRow("new user, Ignore writes nothing") << false << int(MsgAnswer::Ignore) << "";
}

void tst_frmUserMenu::interruptedSave() {
    QFETCH(bool, existing);
    QFETCH(int, answer);
    QFETCH(QString, name);
    TestPlatform tp;
    App& app = *tp.app;
    seedUser(app, 1, QStringLiteral("Ann"), true, QStringLiteral("old"));
    frmUserMenu& ed = app.window<frmUserMenu>();
    if (existing) {
        ed.openForUser(1, nullptr);
    } else {
        ed.openForNewUser(false, nullptr);
        ed.txtUN->setText(QStringLiteral("1"));
        app.store.DeleteRegistryKey(SettingsStore::SectionPath(kAppName, Sections::User(1)));
    }
    const QMap<QString, QString> before = recordValues(tp, 1);
    app.window<frmSecret>();
    app.model.beginSession(); // T1 runs
    ed.txtUserName->setText(QStringLiteral("Annie"));
    ed.txtPW->setText(QStringLiteral("new"));
    ed.chkPR->setChecked(true);
    int failures = 1;
    ed.beforeSaveWrite = [&](const QString& key) {
        // A run-time error between the name and the password.
        if (key == Password && failures-- > 0)
            throw RuntimeError(RuntimeError::PathFileAccess, QStringLiteral("Path/File access error"));
        QVERIFY(!app.window<frmSecret>().T1->isActive());
    };
    tp.messageBox.answers.enqueue(static_cast<MsgAnswer>(answer));
    if (answer != int(MsgAnswer::Retry)) tp.messageBox.answers.enqueue(MsgAnswer::No); // mail the author?
    ed.applyChanges(false);
    QVERIFY(tp.messageBox.texts().first().startsWith(QStringLiteral("An error occurred!")));
    QVERIFY(app.window<frmSecret>().T1->isActive());
    if (name == QLatin1String("Annie")) {
        QCOMPARE(app.read(Sections::User(1), Name).text(), name);
        QCOMPARE(PlainPassword(app.read(Sections::User(1), Password).text()), QStringLiteral("new"));
    } else {
        QCOMPARE(recordValues(tp, 1), before); // all or nothing
    }
}

void tst_frmUserMenu::enablingRules_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("controls");
    QTest::newRow("chkTA") << "chkTA" << QStringList{"cboTA"};
    QTest::newRow("chkDM") << "chkDM" << QStringList{"txtDM"};
    QTest::newRow("chkPS") << "chkPS" << QStringList{"txtPS", "cmdPS"};
    QTest::newRow("chkLaunchProg") << "chkLaunchProg" << QStringList{"txtLaunchProg", "cmdLaunchProg"};
    QTest::newRow("chkLoginProg") << "chkLoginProg" << QStringList{"txtLoginProg", "Command2"};
    QTest::newRow("chkLoginPS") << "chkLoginPS" << QStringList{"txtLoginPS", "Command3"};
    QTest::newRow("chkLoginDM") << "chkLoginDM" << QStringList{"txtLoginDM"};
    QTest::newRow("chkWTTL") << "chkWTTL" << QStringList{"txtLoginWTTL"};
}

void tst_frmUserMenu::enablingRules() {
    QFETCH(QString, box);
    QFETCH(QStringList, controls);
    TestPlatform tp;
    frmUserMenu& ed = tp.app->window<frmUserMenu>();
    auto* check = ed.findChild<QCheckBox*>(box);
    QVERIFY(check);
    for (bool on : {true, false}) {
        check->setChecked(on);
        for (const QString& c : controls) {
            auto* w = ed.findChild<QWidget*>(c);
            QVERIFY2(w, qPrintable(c));
            QCOMPARE(w->isEnabled(), on);
        }
    }
    ed.cboBasedOn->setCurrentText(QStringLiteral("Unlimited"));
    QVERIFY(!ed.txtamtHr->isEnabled());
    QVERIFY(!ed.chkRemoveAfterTO->isEnabled());
    ed.cboBasedOn->setCurrentText(QStringLiteral("One Time"));
    QVERIFY(ed.txtamtsec->isEnabled());
    QVERIFY(ed.chkRemoveAfterTO->isEnabled());
}

void tst_frmUserMenu::passwordPage() {
    TestPlatform tp;
    App& app = *tp.app;
    seedUser(app, 1, QStringLiteral("Ann"), true);
    frmUserMenu& ed = app.window<frmUserMenu>();
    ed.openForUser(1, nullptr);
    ed.optMultPW->click();
    QVERIFY(ed.pctSingle->isHidden());
    QVERIFY(!ed.pctMult->isHidden());

    // Typing something that is no number: one message, the box emptied.
    ed.txtLenPW->clear();
    QTest::keyClicks(ed.txtLenPW, QStringLiteral("a"));
    QCOMPARE(tp.messageBox.texts(), QStringList{QStringLiteral("Please enter an integer")});
    QCOMPARE(ed.txtLenPW->text(), QString());
    tp.messageBox.shown.clear();
    ed.cmdRandomizePW->click();
    QCOMPARE(tp.messageBox.texts(), QStringList{QStringLiteral("Please enter an integer for the length!")});
    tp.messageBox.shown.clear();

    ed.txtLenPW->setText(QStringLiteral("5"));
    ed.txtNumPW->setText(QStringLiteral("3"));
    ed.cmdRandomizePW->click();
    QCOMPARE(ed.lstPW->count(), 3);
    QVERIFY(ed.lstPW->item(0)->text().endsWith(QStringLiteral(" (UnUsed) <-")));
    QVERIFY(ed.cmdApply->isEnabled());

    ed.txtAddPW->setText(QStringLiteral("two words"));
    ed.cmdAddPW->click();
    QCOMPARE(ed.lstPW->count(), 3);
    QCOMPARE(tp.messageBox.texts(), QStringList{QStringLiteral("A list password cannot contain spaces.")});
    ed.txtAddPW->setText(QStringLiteral("mine"));
    ed.cmdAddPW->click();
    QCOMPARE(ed.lstPW->item(3)->text(), QStringLiteral("04.) mine (UnUsed)"));

    tp.messageBox.shown.clear();
    ed.lstPW->clearSelection();
    ed.lstPW->setCurrentItem(nullptr);
    ed.cmdSetNext->click();
    ed.cmdRemPW->click();
    QCOMPARE(tp.messageBox.texts(),
             (QStringList{QStringLiteral("Please select a password"), QStringLiteral("Please select a user first")}));

    // Print asks first; Yes prints the password report: the four header lines, the user, then
    // the list's entries as they read, each followed by a tab, packed into lines of at most 79
    // characters (three entries of about 20 characters fill a line, the fourth starts the next).
    tp.messageBox.shown.clear();
    tp.messageBox.answers.enqueue(MsgAnswer::No);
    ed.cmdPrintPW->click();
    QVERIFY(tp.printer.jobs.isEmpty());
    tp.messageBox.answers.enqueue(MsgAnswer::Yes);
    ed.cmdPrintPW->click();
    QCOMPARE(tp.messageBox.texts().first(),
             QStringLiteral("Are you sure you wish to print all the passwords for this user?"));
    QCOMPARE(tp.printer.jobs.size(), 1);
    const QStringList lines = tp.printer.jobs.first().lines;
    QCOMPARE(tp.printer.jobs.first().name, QStringLiteral("TimeWard User Passwords"));
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines.at(0), QStringLiteral("TimeWard User Passwords"));
    QVERIFY(lines.at(1).startsWith(QStringLiteral("Printed ")));
    QCOMPARE(lines.at(2), QStringLiteral("Version: 1.3.5"));
    QCOMPARE(lines.at(3), QString());
    QCOMPARE(lines.at(4), QStringLiteral("User:  Ann"));
    const QChar tab = QLatin1Char('\t');
    QCOMPARE(lines.at(5),
             ed.lstPW->item(0)->text() + tab + ed.lstPW->item(1)->text() + tab + ed.lstPW->item(2)->text() + tab);
    QCOMPARE(lines.at(6), QStringLiteral("04.) mine (UnUsed)\t"));

    // Saved: the list and its markers reach the store with the editor.
    ed.cmdOk->click();
    QCOMPARE(PlainPassword(app.read(Sections::User(1), ListPassword(4)).text()), QStringLiteral("mine"));
    QCOMPARE(app.read(Sections::User(1), ListPasswordUsed(4)).text(), QStringLiteral("0"));
    QCOMPARE(app.read(Sections::User(1), OptMult).text(), QStringLiteral("True"));
}

namespace {
// Ann in list mode: "aa" spent, "bb" next.
void seedList(App& app) {
    seedUser(app, 1, QStringLiteral("Ann"), true);
    const QString sec = Sections::User(1);
    app.write(sec, OptMult, "True");
    app.write(sec, OptSingle, "False");
    app.write(sec, ListPassword(1), StoredPasswordForm(QStringLiteral("aa")));
    app.write(sec, ListPasswordUsed(1), "1");
    app.write(sec, ListPassword(2), StoredPasswordForm(QStringLiteral("bb")));
    app.write(sec, ListPasswordUsed(2), "0");
}
} // namespace

void tst_frmUserMenu::randomizeThenCancelKeepsTheList() {
    // Randomize only changes the editor's copy: Cancel leaves the stored list, and Ann can
    // still log in with her next password.
    TestPlatform tp;
    App& app = *tp.app;
    seedList(app);
    const QMap<QString, QString> before = recordValues(tp, 1);
    frmUserMenu& ed = app.window<frmUserMenu>();
    ed.openForUser(1, nullptr);
    ed.txtLenPW->setText(QStringLiteral("6"));
    ed.txtNumPW->setText(QStringLiteral("4"));
    ed.cmdRandomizePW->click();
    QCOMPARE(ed.lstPW->count(), 4);
    ed.cmdCancel->click();
    QCOMPARE(recordValues(tp, 1), before);
    QVERIFY(ValidateLogin(app, QStringLiteral("Ann"), QStringLiteral("bb")).accepted);
}

void tst_frmUserMenu::markersGoWithTheirPasswords() {
    // Clear, then Add: the new password is not spent. Remove the spent first entry: the
    // unused one keeps being unused.
    TestPlatform tp;
    App& app = *tp.app;
    seedList(app);
    frmUserMenu& ed = app.window<frmUserMenu>();
    ed.openForUser(1, nullptr);
    ed.cmdClearPW->click();
    ed.txtAddPW->setText(QStringLiteral("cc"));
    ed.cmdAddPW->click();
    ed.cmdApply->click();
    QCOMPARE(PlainPassword(app.read(Sections::User(1), ListPassword(1)).text()), QStringLiteral("cc"));
    QCOMPARE(app.read(Sections::User(1), ListPasswordUsed(1)).text(), QStringLiteral("0"));

    seedList(app);
    ed.openForUser(1, nullptr);
    ed.lstPW->setCurrentRow(0);
    ed.cmdRemPW->click();
    ed.cmdOk->click();
    QCOMPARE(PlainPassword(app.read(Sections::User(1), ListPassword(1)).text()), QStringLiteral("bb"));
    QCOMPARE(app.read(Sections::User(1), ListPasswordUsed(1)).text(), QStringLiteral("0"));
    QVERIFY(ValidateLogin(app, QStringLiteral("Ann"), QStringLiteral("bb")).accepted);
}

void tst_frmUserMenu::lastParentKeepsTheRight() {
    TestPlatform tp;
    App& app = *tp.app;
    seedUser(app, 1, QStringLiteral("Ann"), true);
    seedUser(app, 2, QStringLiteral("Bob"), false);
    frmUserMenu& ed = app.window<frmUserMenu>();
    ed.openForUser(1, nullptr);
    ed.chkPR->setChecked(false);
    tp.messageBox.shown.clear();
    ed.cmdOk->click();
    QCOMPARE(tp.messageBox.texts(), QStringList{LastParentMessage(QStringLiteral("Ann"))});
    QCOMPARE(app.read(Sections::User(1), ParentRights).text(), QStringLiteral("1"));
    QVERIFY(ed.isVisible());

    // Once Bob is a parent too, Ann may give the right up.
    app.write(Sections::User(2), ParentRights, "1");
    tp.messageBox.shown.clear();
    ed.cmdOk->click();
    QVERIFY(tp.messageBox.shown.isEmpty());
    QCOMPARE(app.read(Sections::User(1), ParentRights).text(), QStringLiteral("0"));
}

void tst_frmUserMenu::guidedHelp() {
    TestPlatform tp;
    App& app = *tp.app;
    OpenUserEditorForNewUser(app, false, nullptr); // no user yet: the guided creation
    QVERIFY(app.window<frmHelpBox>().isVisible());
    QCOMPARE(app.window<frmHelpBox>().txtHelp->toPlainText(),
             QStringLiteral("To start off, please click on \nthe User Name box.\n"));
    QCOMPARE(app.window<frmHelpBox>().x(), tp.screen.rect.width() - app.window<frmHelpBox>().width());
    frmUserMenu& ed = app.window<frmUserMenu>();
    auto help = [&] { return app.window<frmHelpBox>().txtHelp->toPlainText(); };
    ed.txtUserName_LostFocus();
    QCOMPARE(help(), QStringLiteral("Please go back to the User Name box and enter a user name."));
    ed.SSTab1->setCurrentIndex(1);
    QVERIFY(help().startsWith(QStringLiteral("You will next click on Change Password.")));
    ed.actions->cboTA->setCurrentText(QStringLiteral("Log out of the desktop"));
    QCOMPARE(help(), QStringLiteral("Since this user currently has unlimited time, setting this option will have no "
                                    "effect."));
    ed.cboBasedOn->setCurrentText(QStringLiteral("Daily"));
    ed.actions->cboTA->setCurrentText(QStringLiteral("Power off the computer"));
    QCOMPARE(help(), QStringLiteral("Choosing this will power off the computer when the user runs out of time.  You "
                                    "may click OK to save the user and continue at any time."));
    ed.cmdCancel->click();
    QVERIFY(!app.window<frmHelpBox>().isVisible());
}

void tst_frmUserMenu::endActionWords_data() {
    QTest::addColumn<QString>("label"); // what the list shows
    QTest::addColumn<QString>("value"); // what the record holds
    QTest::newRow("power off") << "Power off the computer"
                               << "ShutDown Windows";
    QTest::newRow("log out") << "Log out of the desktop"
                             << "Restart Windows";
    QTest::newRow("restart") << "Restart the computer"
                             << "Restart Computer";
    QTest::newRow("login window") << "Back to the TimeWard login"
                                  << "Display Time Ward Login";
}

void tst_frmUserMenu::endActionWords() {
    QFETCH(QString, label);
    QFETCH(QString, value);
    TestPlatform tp;
    App& app = *tp.app;
    const QString sec = Sections::User(1);
    for (const auto& [k, v] : std::initializer_list<std::pair<QString, QString>>{{Number, "1"},
                                                                                 {Name, "Ann"},
                                                                                 {Password, StoredPasswordForm("pw")},
                                                                                 {TimeBasedOn, "Daily"},
                                                                                 {AmmountHours, "01"},
                                                                                 {AmmountMinutes, "00"},
                                                                                 {AmmountSeconds, "00"},
                                                                                 {TakeAction, "1"},
                                                                                 {TakeActionDo, value}})
        app.write(sec, k, v);
    frmUserMenu& ed = app.window<frmUserMenu>();
    ed.openForUser(1, nullptr);
    QCOMPARE(ed.actions->cboTA->currentText(), label);
    // Chosen by its words from another entry, stored as the record's value.
    ed.actions->cboTA->setCurrentIndex(ed.actions->cboTA->currentIndex() == 0 ? 1 : 0);
    ed.actions->cboTA->setCurrentText(label);
    ed.SaveUser();
    QCOMPARE(app.read(sec, TakeActionDo).text(), value);
}

TW_TEST(tst_frmUserMenu)
#include "tst_frmUserMenu.moc"
