#include "admin/frmPassChange.h"

#include "admin/frmHelpBox.h"
#include "admin/frmUserMenu.h"
#include "core/App.h"
#include "core/ErrorPrompt.h"
#include "core/WindowMetrics.h"
#include "platform/MessageBox.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "users/PasswordScramble.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmPassChange& App::passChange() {
    return window<frmPassChange>("frmPassChange");
}

namespace {
const QString kNewUser = QStringLiteral("New User");
const QString kEditUser = QStringLiteral("Edit User");
const QString kEditUser2 = QStringLiteral("Edit User2");
const char* const kUnstorablePassword = QT_TRANSLATE_NOOP(
    "frmPassChange",
    "The password holds characters that cannot be stored.  Please use only letters, digits and the usual signs.");

void setStatusWindowEnabled(bool enabled) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmUS")) w->setEnabled(enabled);
}
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
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdOk = new QPushButton(tr("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
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

void frmPassChange::setOldPasswordRequired(bool required) {
    txtOldPass->setEnabled(required);
    txtOldPass->setStyleSheet(required ? QString() : QStringLiteral("background-color: #C0C0C0;"));
}

void frmPassChange::cmdOk_Click() {
    frmUserMenu& ed = m_app.userMenu();
    const QString tag = ed.mode();
    const bool editorHadPassword = !ed.txtPW->text().isEmpty();
    const bool needOld = tag == kEditUser || tag == kEditUser2 || (tag == kNewUser && editorHadPassword);
    const QString sec = Sections::User(ed.txtUN->text().toInt());

    if (needOld) {
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

    const bool firstOfNewUser = tag == kNewUser && !editorHadPassword;
    if (tag == kEditUser || (tag == kNewUser && editorHadPassword)) {
        ed.txtPW->setText(newPassword);
        ed.setEnabled(true);
        hide();
        txtOldPass->clear();
        txtNewPass->clear();
        txtRCPass->clear();
        ed.cmdApply->setEnabled(true);
    } else if (firstOfNewUser) {
        ed.txtPW->setText(newPassword);
        ed.txtPW->setEnabled(true);
        ed.txtPW->setStyleSheet(QString());
        setOldPasswordRequired(true);
        ed.cmdApply->setEnabled(true);
        ed.setEnabled(true);
        hide();
        txtNewPass->clear();
        txtRCPass->clear();
    } else if (tag == kEditUser2) {
        setStatusWindowEnabled(true);
        hide();
        txtOldPass->clear();
        txtNewPass->clear();
        txtRCPass->clear();
    }
    RunStep(m_app, QStringLiteral("frmPassChange"), [&] {
        // Who changed whose: a parent in the editor, or a user from the status window.
        const QString owner = tag == kEditUser2 ? m_app.read(sec, UserKeys::Name).text() : ed.txtUserName->text();
        WriteConfigChangeLog(m_app, PasswordChangeLine(SessionUserName(m_app), owner));
    });
    if (firstOfNewUser) GuideHelp(m_app, tr("Now click back on the User Information tab."));
}

void frmPassChange::cmdCancel_Click() {
    const QString tag = m_app.userMenu().mode();
    if (tag == kEditUser || tag == kNewUser)
        m_app.userMenu().setEnabled(true);
    else
        setStatusWindowEnabled(true);
    hide();
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
