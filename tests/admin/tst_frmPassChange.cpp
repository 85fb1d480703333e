#include "TestPlatform.h"
#include "TestRegistry.h"
#include "admin/UserAdmin.h"
#include "admin/frmPassChange.h"
#include "admin/frmUserMenu.h"
#include "storage/ConfigKeys.h"
#include "users/PasswordScramble.h"
#include "users/UserKeys.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QString kIncorrect =
    QStringLiteral("Password Incorrect!\r\rIn order to continue, you need to enter the\rcorrect password for the user");
const QString kNotEqual = QStringLiteral("The password and the confirmation password are not equal!");
const QString kUnstorable = QStringLiteral(
    "The password holds characters that cannot be stored.  Please use only letters, digits and the usual signs.");
} // namespace

class tst_frmPassChange : public QObject {
    Q_OBJECT
private slots:
    void change_data();
    void change();
    void cancel_data();
    void cancel();
    void ownPasswordFromStatusWindow();
};

void tst_frmPassChange::change_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("editorPassword"); // what the editor's password box holds
    QTest::addColumn<QString>("oldTyped");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<QString>("title");
    QTest::newRow("edit, old password in other case") << "Edit User"
                                                      << "Secret"
                                                      << "SECRET"
                                                      << "new1"
                                                      << ""
                                                      << "";
    QTest::newRow("edit, wrong old password") << "Edit User"
                                              << "Secret"
                                              << "nope"
                                              << "new1" << kIncorrect << "Password Incorrect!";
    QTest::newRow("edit, unequal confirmation") << "Edit User"
                                                << "Secret"
                                                << "Secret"
                                                << "new2" << kNotEqual << "Passwords Not Equal!";
    QTest::newRow("character beyond 8 bits") << "Edit User"
                                             << "Secret"
                                             << "Secret" << QString::fromUtf8("new\u20ac") << kUnstorable << "TimeWard";
    QTest::newRow("new user's first password asks no old one") << "New User"
                                                               << ""
                                                               << ""
                                                               << "new1"
                                                               << ""
                                                               << "";
    QTest::newRow("new user's second password asks the old one") << "New User"
                                                                 << "Secret"
                                                                 << ""
                                                                 << "new1" << kIncorrect << "Password Incorrect!";
}

void tst_frmPassChange::change() {
    QFETCH(QString, tag);
    QFETCH(QString, editorPassword);
    QFETCH(QString, oldTyped);
    QFETCH(QString, confirm);
    QFETCH(QString, message);
    QFETCH(QString, title);
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::Config, ConfigKeys::LogEnable, 1);
    app.write(Sections::Config, ConfigKeys::LogTS, 1);
    app.write(Sections::Config, ConfigKeys::LogEConfig, 1);
    app.sessionUserName = QStringLiteral("Ann"); // the parent at the editor
    QStringList log;
    QObject::connect(&app.model, &SessionModel::logLine, &app.model, [&](const QString& l) { log << l; });
    const QString sec = Sections::User(2);
    if (!editorPassword.isEmpty()) app.write(sec, UserKeys::Password, StoredPasswordForm(editorPassword));
    const QString storedBefore = app.read(sec, UserKeys::Password).text();

    frmUserMenu& ed = app.window<frmUserMenu>();
    ed.show();
    ed.txtUN->setText(QStringLiteral("2"));
    ed.txtUserName->setText(QStringLiteral("Bob"));
    ed.txtPW->setText(editorPassword);
    ed.setMode(tag);
    ed.cmdApply->setEnabled(false);
    ed.Command1->click();
    frmPassChange& dlg = app.window<frmPassChange>();
    QVERIFY(dlg.isVisible());
    QVERIFY(!ed.isEnabled());
    QCOMPARE(dlg.txtOldPass->isEnabled(), !(tag == QLatin1String("New User") && editorPassword.isEmpty()));
    dlg.txtOldPass->setText(oldTyped);
    // The unstorable case types the same text into both boxes.
    const QString newPass = message == kUnstorable ? confirm : QStringLiteral("new1");
    dlg.txtNewPass->setText(newPass);
    dlg.txtRCPass->setText(confirm);
    dlg.cmdOk->click();

    if (!message.isEmpty()) {
        QCOMPARE(tp.messageBox.texts(), QStringList{message});
        QCOMPARE(tp.messageBox.shown.first().title, title);
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.txtNewPass->text(), newPass); // the boxes keep their text
        QCOMPARE(app.read(sec, UserKeys::Password).text(), storedBefore);
        QVERIFY(log.isEmpty());
        return;
    }
    QVERIFY(tp.messageBox.texts().isEmpty());
    QVERIFY(!dlg.isVisible());
    QVERIFY(ed.isEnabled());
    QVERIFY(ed.cmdApply->isEnabled());
    QCOMPARE(ed.txtPW->text(), QStringLiteral("new1"));
    QVERIFY(ed.txtPW->isEnabled());
    QCOMPARE(PlainPassword(app.read(sec, UserKeys::Password).text()), QStringLiteral("new1"));
    QCOMPARE(dlg.txtNewPass->text(), QString());
    QCOMPARE(log, QStringList{QStringLiteral("Ann changed Bob's password")});
}

void tst_frmPassChange::cancel_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("escape");
    QTest::newRow("adding a user") << "New User" << false;
    QTest::newRow("editing a user") << "Edit User" << false;
    QTest::newRow("Escape is Cancel") << "Edit User" << true;
}

void tst_frmPassChange::cancel() {
    QFETCH(QString, tag);
    QFETCH(bool, escape);
    TestPlatform tp;
    App& app = *tp.app;
    frmUserMenu& ed = app.window<frmUserMenu>();
    ed.show();
    ed.txtUN->setText(QStringLiteral("1"));
    ed.txtUserName->setText(QStringLiteral("Bob"));
    ed.setMode(tag);
    ed.Command1->click();
    QVERIFY(!ed.isEnabled());
    frmPassChange& dlg = app.window<frmPassChange>();
    dlg.txtNewPass->setText(QStringLiteral("x"));
    dlg.txtRCPass->setText(QStringLiteral("x"));
    if (escape)
        QTest::keyClick(&dlg, Qt::Key_Escape);
    else
        dlg.cmdCancel->click();
    QVERIFY(!dlg.isVisible());
    QVERIFY(ed.isEnabled());
    QVERIFY(app.read(Sections::User(1), UserKeys::Password).isAbsent());
}

void tst_frmPassChange::ownPasswordFromStatusWindow() {
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::User(3), UserKeys::Name, "Cy");
    app.write(Sections::User(3), UserKeys::Password, StoredPasswordForm("kid"));
    app.CurrentUserNumber = 3;
    QWidget status;
    status.setObjectName(QStringLiteral("frmUS"));
    status.show();
    ChangeOwnPassword(app, &status);
    QVERIFY(!status.isEnabled());
    QVERIFY(!app.isLoaded("frmUserMenu")); // the user's own password needs no editor
    frmPassChange& dlg = app.window<frmPassChange>();
    QVERIFY(dlg.txtOldPass->isEnabled());
    dlg.txtOldPass->setText(QStringLiteral("kid"));
    dlg.txtNewPass->setText(QStringLiteral("kid2"));
    dlg.txtRCPass->setText(QStringLiteral("kid2"));
    dlg.cmdOk->click();
    QVERIFY(status.isEnabled());
    QVERIFY(!dlg.isVisible());
    QCOMPARE(PlainPassword(app.read(Sections::User(3), UserKeys::Password).text()), QStringLiteral("kid2"));
}

TW_TEST(tst_frmPassChange)
#include "tst_frmPassChange.moc"
