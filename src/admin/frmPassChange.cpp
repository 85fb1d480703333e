#include "admin/frmPassChange.h"

#include "admin/frmHelpBox.h"
#include "core/App.h"
#include "core/DialogParts.h"
#include "core/ErrorPrompt.h"
#include "core/WindowMetrics.h"
#include "platform/MessageBox.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "users/PasswordScramble.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kNewUser = QStringLiteral("New User");
const char* const kUnstorablePassword = QT_TRANSLATE_NOOP(
    "frmPassChange",
    "The password holds characters that cannot be stored.  Please use only letters, digits and the usual signs.");
} // namespace

frmPassChange::frmPassChange(App& app) : m_app(app) {
    setObjectName(QStringLiteral("frmPassChange"));
    SetCaption(*this, "frmPassChange", QT_TRANSLATE_NOOP("frmPassChange", "Change Password"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto box = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setEchoMode(QLineEdit::Password);
        return e;
    };
    txtOldPass = box("txtOldPass");
    txtNewPass = box("txtNewPass");
    txtRCPass = box("txtRCPass");
    form->addRow(tr("&Old Password:"), txtOldPass);
    form->addRow(tr("&New Password:"), txtNewPass);
    form->addRow(tr("&Re-Confirm Password:"), txtRCPass);
    // Fields grow with the window; the labels keep their width.
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    layout->addLayout(form);
    layout->addStretch(1);
    AddOkCancel(this, layout, cmdOk, cmdCancel, tr("OK"), tr("Cancel"));
    connect(cmdOk, &QPushButton::clicked, this, &frmPassChange::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPassChange::cmdCancel_Click);
    connect(txtNewPass, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!t.isEmpty()) GuideHelp(m_app, tr("Now reconfirm the password in the box below it."));
    });
    connect(txtRCPass, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!t.isEmpty()) GuideHelp(m_app, tr("Good.  Now click OK."));
    });
    resize(340, 150);
    RestoreWindowMetrics(m_app, *this);
}

void frmPassChange::openFor(Purpose purpose, QWidget* owner) {
    m_purpose = std::move(purpose);
    m_owner = owner;
    setOldPasswordRequired(m_purpose.oldRequired);
    if (owner) owner->setEnabled(false);
    PlaceForm(m_app, *this, owner);
    setEnabled(true);
    show();
    raise();
    activateWindow();
}

void frmPassChange::closeDialog() {
    if (m_owner) m_owner->setEnabled(true);
    hide();
}

void frmPassChange::setOldPasswordRequired(bool required) {
    txtOldPass->setEnabled(required);
    txtOldPass->setStyleSheet(required ? QString() : QStringLiteral("background-color: #C0C0C0;"));
}

void frmPassChange::cmdOk_Click() {
    const QString sec = Sections::User(m_purpose.userNumber);
    if (m_purpose.oldRequired) {
        const QString stored = PlainPassword(m_app.read(sec, UserKeys::Password).text());
        if (stored.compare(txtOldPass->text(), Qt::CaseInsensitive) != 0) {
            m_app.platform.messageBox->show(tr("Password Incorrect!\r\rIn order to continue, you need to "
                                               "enter the\rcorrect password for the user"),
                                            tr("Password Incorrect!"), MsgButtons::Ok, MsgIcon::Information);
            return;
        }
    }
    if (txtNewPass->text() != txtRCPass->text()) {
        m_app.platform.messageBox->show(tr("The password and the confirmation password are not equal!"),
                                        tr("Passwords Not Equal!"), MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    const QString newPassword = txtNewPass->text();
    // A character the 8-bit stored form cannot hold would be stored as "?".
    if (!PasswordIsStorable(newPassword)) {
        m_app.platform.messageBox->show(tr(kUnstorablePassword), kProgramTitle, MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    if (!RunStep(m_app, QStringLiteral("frmPassChange"),
                 [&] { m_app.write(sec, UserKeys::Password, StoredPasswordForm(newPassword)); }))
        return;

    const bool firstOfNewUser = m_purpose.situation == kNewUser && !m_purpose.oldRequired;
    if (m_purpose.onSet) m_purpose.onSet(newPassword);
    closeDialog();
    txtOldPass->clear();
    txtNewPass->clear();
    txtRCPass->clear();
    // Who changed whose: a parent in the editor, or a user from the status window.
    RunStep(m_app, QStringLiteral("frmPassChange"),
            [&] { WriteConfigChangeLog(m_app, PasswordChangeLine(SessionUserName(m_app), m_purpose.userName)); });
    if (firstOfNewUser) GuideHelp(m_app, tr("Now click back on the User Information tab."));
}

void frmPassChange::cmdCancel_Click() {
    closeDialog();
}

void ChangeOwnPassword(App& app, QWidget* owner) {
    const int n = app.CurrentUserNumber;
    app.window<frmPassChange>().openFor(
        {QStringLiteral("Edit User2"), n, app.read(Sections::User(n), UserKeys::Name).text(), true, nullptr}, owner);
}

void frmPassChange::reject() {
    // Hiding alone would leave the opener disabled.
    cmdCancel_Click();
}

void frmPassChange::closeEvent(QCloseEvent* e) {
    // Closing from the title bar must not leave the opener disabled.
    e->ignore();
    cmdCancel_Click();
}
