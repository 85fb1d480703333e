#include "timekeeping/frmPickuser.h"

#include "admin/UserAdmin.h"
#include "core/App.h"
#include "core/DialogParts.h"
#include "core/WindowMetrics.h"
#include "platform/MessageBox.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "timekeeping/frmModUserFreeTime.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

const char* const kEnterUserName = QT_TRANSLATE_NOOP("frmPickuser", "Please Enter A User Name");
const char* const kUserDoesNotExist = QT_TRANSLATE_NOOP("frmPickuser", "That User Does Not Exist!");

namespace {
const char* const kTag = "Tag";

void inform(App& app, const QString& text) {
    app.platform.messageBox->show(text, kProgramTitle, MsgButtons::Ok, MsgIcon::Information);
}
} // namespace

frmPickuser::frmPickuser(App& app) : m_app(app) {
    setObjectName(QStringLiteral("frmPickuser"));
    SetCaption(*this, "frmPickuser", QT_TRANSLATE_NOOP("frmPickuser", "Pick User"));

    cboPU = new QComboBox(this);
    cboPU->setObjectName(QStringLiteral("cboPU"));
    cboPU->setEditable(true);
    cboPU->setInsertPolicy(QComboBox::NoInsert);
    cboPU->setMinimumContentsLength(20);
    auto* label = new QLabel(tr("&User:"), this);
    label->setBuddy(cboPU);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(cboPU);
    AddOkCancel(this, layout, cmdOk, cmdCancel, tr("OK"), tr("Cancel"));

    connect(cmdOk, &QPushButton::clicked, this, &frmPickuser::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPickuser::cmdCancel_Click);

    RestoreWindowMetrics(m_app, *this);
}

QString frmPickuser::cmdOkTag() const {
    return cmdOk->property(kTag).toString();
}

void frmPickuser::setCmdOkTag(const QString& mode) {
    cmdOk->setProperty(kTag, mode);
}

void frmPickuser::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    SaveWindowMetrics(m_app, *this);
}

void frmPickuser::done() {
    hide();
    if (m_owner) m_owner->setEnabled(true);
}

void frmPickuser::cmdCancel_Click() {
    done();
}

void frmPickuser::reject() {
    // Escape: the same as Cancel.
    done();
}

void frmPickuser::closeEvent(QCloseEvent* e) {
    // The close box is a way out like Cancel; without it the main window would stay disabled.
    e->accept();
    done();
}

void ShowPickUser(App& app, const QString& mode, QWidget* owner, const QString& selected) {
    frmPickuser& w = app.window<frmPickuser>();
    w.cboPU->clear();
    const int count = RecountUsers(app);
    PlaceForm(app, w, owner);
    for (int n = 1; n <= count; ++n)
        w.cboPU->addItem(app.read(Sections::User(n), UserKeys::Name).text());
    // The user selected in the owner's list is the one the parent means.
    const int row =
        selected.isEmpty() ? -1 : w.cboPU->findText(selected, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (row >= 0) w.cboPU->setCurrentIndex(row);
    w.setOwner(owner);
    if (owner) owner->setEnabled(false);
    w.show();
    w.raise();
    w.activateWindow();
    w.setCmdOkTag(mode);
}

bool RefreshTimePeriod(App& app, const QString& name) {
    switch (RefreshTimePeriodStore(app, name)) {
    case RefreshOutcome::Unlimited:
        inform(app, frmModUserFreeTime::tr(kUnlimitedTimeMessage));
        return true;
    case RefreshOutcome::EmptyName:
        inform(app, frmPickuser::tr(kEnterUserName));
        return false;
    case RefreshOutcome::NoSuchUser:
        inform(app, frmPickuser::tr(kUserDoesNotExist));
        return false;
    case RefreshOutcome::Renewed:
    case RefreshOutcome::NotRenewable:
        break;
    }
    app.model.notifyUsersChanged();
    return true;
}

void frmPickuser::cmdOk_Click() {
    const QString mode = cmdOkTag();
    const QString name = cboPU->currentText();

    if (mode == QLatin1String("SNTP")) {
        if (RefreshTimePeriod(m_app, name)) done();
        return;
    }

    if (name.isEmpty()) {
        inform(m_app, frmPickuser::tr(kEnterUserName));
        return;
    }
    const int n = FindUserByName(m_app, name);

    if (mode == QLatin1String("Edit User")) {
        if (n == 0) {
            const QString question = tr("User %1 does not exist, create new one?").arg(name);
            if (m_app.platform.messageBox->show(question, kProgramTitle, MsgButtons::YesNo, MsgIcon::Question) !=
                MsgAnswer::Yes)
                return;
            hide();
            OpenUserEditorForNewUser(m_app, false, m_owner);
            return;
        }
        // The editor keeps the main window disabled until it is closed.
        hide();
        OpenUserEditorForUser(m_app, n, m_owner);
        return;
    }

    if (n == 0) {
        inform(m_app, frmPickuser::tr(kUserDoesNotExist));
        return;
    }

    if (mode == QLatin1String("Delete User")) {
        // Refused or answered No: the dialog stays for another choice or Cancel.
        if (!AskAndDeleteUser(m_app, name)) return;
        inform(m_app, tr("User %1 successfully deleted").arg(name));
        done();
        return;
    }

    if (mode == QLatin1String("Mod User Free Time")) {
        ModifyUserFreeTime(m_app, name, m_owner);
        done();
        return;
    }

    // A mode nobody sets: just a way out.
    done();
}
