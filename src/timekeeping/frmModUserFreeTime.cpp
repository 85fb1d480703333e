#include "timekeeping/frmModUserFreeTime.h"

#include "core/App.h"
#include "core/DialogParts.h"
#include "core/WindowMetrics.h"
#include "platform/MessageBox.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/TimeFieldBoxes.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

const char* const kUnlimitedTimeMessage = QT_TRANSLATE_NOOP("frmModUserFreeTime", "That user has unlimited time!");

frmModUserFreeTime::frmModUserFreeTime(App& app, QWidget* parent) : QDialog(parent), m_app(app) {
    setObjectName(QStringLiteral("frmModUserFreeTime"));
    SetCaption(*this, "frmModUserFreeTime", QT_TRANSLATE_NOOP("frmModUserFreeTime", "Modify User Free Time"));
    setModal(true);

    auto field = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        return e;
    };
    txtUN = field("txtUN");
    txtUN->setReadOnly(true);
    txtfh = field("txtfh");
    txtfm = field("txtfm");
    txtfs = field("txtfs");

    auto* form = new QFormLayout;
    form->addRow(tr("User Name:"), txtUN);
    form->addRow(tr("Free &Hours"), txtfh);
    form->addRow(tr("Free &Minutes:"), txtfm);
    form->addRow(tr("Free &Seconds:"), txtfs);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    AddOkCancel(this, layout, cmdOk, cmdCancel, tr("OK"), tr("Cancel"));

    connect(cmdOk, &QPushButton::clicked, this, &frmModUserFreeTime::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmModUserFreeTime::reject);

    RestoreWindowMetrics(m_app, *this);
}

void frmModUserFreeTime::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    SaveWindowMetrics(m_app, *this);
}

bool frmModUserFreeTime::ReWriteTimeAmmt() {
    return ReWriteTimeBoxes(m_app, txtfh, txtfm, txtfs, MsgIcon::Exclamation);
}

void frmModUserFreeTime::cmdOk_Click() {
    if (!ReWriteTimeAmmt()) return; // the dialog stays open with the input to correct
    cmdOkTag = QStringLiteral("Ok");
    accept();
}

void frmModUserFreeTime::reject() {
    // Cancel and the close box.
    cmdOkTag = QStringLiteral("Cancel");
    QDialog::reject();
}

bool ModifyUserFreeTime(App& app, const QString& name, QWidget* owner) {
    const int n = FindUserByName(app, name);
    frmModUserFreeTime dialog(app, owner);
    dialog.txtUN->setText(name);
    dialog.txtfh->setText(ReadUserSetting(app, n, UserKeys::FreeHours).text());
    dialog.txtfm->setText(ReadUserSetting(app, n, UserKeys::FreeMin).text());
    dialog.txtfs->setText(ReadUserSetting(app, n, UserKeys::FreeSec).text());
    PlaceForm(app, dialog, owner);
    dialog.exec();
    if (dialog.cmdOkTag != QLatin1String("Ok")) return false;
    // Looked up again: the table may have changed while the dialog was up.
    const int target = FindUserByName(app, name);
    if (target == 0) return false;
    SqliteRegistry::ShortWait wait(app.store.registry()); // a lock held elsewhere: a moment, then a message
    const bool stored = StoreFreeTime(app, target, dialog.txtfh->text(), dialog.txtfm->text(), dialog.txtfs->text());
    if (!stored) {
        app.platform.messageBox->show(QObject::tr("The time of %1 could not be saved: %2. Nothing was changed.")
                                          .arg(name, app.store.registry().lastError()),
                                      kProgramTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    // What this copy still owed for the user is part of the time the parent has just set.
    app.model.unsavedCharges.erase(name.toLower());
    app.model.notifyUsersChanged();
    return stored;
}
