#include "login/frmAskParent.h"

#include "core/App.h"
#include "core/ErrorPrompt.h"
#include "login/LoginValidation.h"
#include "platform/Clock.h"
#include "storage/ConfigKeys.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmAskParent::frmAskParent(App& app, QWidget* loginWindow) : QDialog(loginWindow), m_app(app) {
    setObjectName(QStringLiteral("frmAskParent"));
    setWindowTitle(tr("Ask a Parent"));
    setWindowModality(Qt::WindowModal);
    setMinimumWidth(360);

    auto* layout = new QVBoxLayout(this);
    lblFor = new QLabel(this);
    lblFor->setObjectName(QStringLiteral("lblFor"));
    lblFor->setWordWrap(true);
    layout->addWidget(lblFor);

    auto* form = new QFormLayout;
    layout->addLayout(form);
    cboParent = new QComboBox(this);
    cboParent->setObjectName(QStringLiteral("cboParent"));
    cboParent->setEditable(true);
    cboParent->setInsertPolicy(QComboBox::NoInsert);
    cboParent->setCompleter(nullptr);
    auto* lblParent = new QLabel(tr("Parent's &name:"), this);
    lblParent->setBuddy(cboParent);
    form->addRow(lblParent, cboParent);

    txtParentPW = new QLineEdit(this);
    txtParentPW->setObjectName(QStringLiteral("txtParentPW"));
    txtParentPW->setEchoMode(QLineEdit::Password);
    auto* lblPW = new QLabel(tr("&Password:"), this);
    lblPW->setBuddy(txtParentPW);
    form->addRow(lblPW, txtParentPW);

    cboMinutes = new QComboBox(this);
    cboMinutes->setObjectName(QStringLiteral("cboMinutes"));
    cboMinutes->setEditable(true);
    cboMinutes->setInsertPolicy(QComboBox::NoInsert);
    cboMinutes->addItems({QStringLiteral("5"), QStringLiteral("15"), QStringLiteral("30"), QStringLiteral("60")});
    cboMinutes->setValidator(new QIntValidator(1, kMaxMinutes, cboMinutes));
    auto* lblMinutes = new QLabel(tr("&Minutes:"), this);
    lblMinutes->setBuddy(cboMinutes);
    form->addRow(lblMinutes, cboMinutes);

    lblAskInfo = new QLabel(this);
    lblAskInfo->setObjectName(QStringLiteral("lblAskInfo"));
    lblAskInfo->setWordWrap(true);
    layout->addWidget(lblAskInfo);

    auto* buttons = new QDialogButtonBox(this);
    cmdGive = buttons->addButton(tr("&Give Time"), QDialogButtonBox::AcceptRole);
    cmdGive->setObjectName(QStringLiteral("cmdGive"));
    cmdGive->setDefault(true); // Enter in any box gives, once
    cmdCancel = buttons->addButton(QDialogButtonBox::Cancel);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    layout->addWidget(buttons);
    // The button box's accept would close the dialog before the check; the check decides.
    connect(cmdGive, &QPushButton::clicked, this, &frmAskParent::cmdGive_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmAskParent::prepare(int n) {
    m_user = n;
    lblFor->setText(
        tr("A parent can give %1 more time now.").arg(m_app.read(Sections::User(n), UserKeys::Name).text()));
    cboParent->clear();
    const int count = RecountUsers(m_app);
    for (int k = 1; k <= count; ++k)
        if (m_app.read(Sections::User(k), UserKeys::ParentRights, UserDefaults::ParentRights).is(1))
            cboParent->addItem(m_app.read(Sections::User(k), UserKeys::Name).text());
    cboParent->setCurrentIndex(cboParent->count() > 0 ? 0 : -1);
    txtParentPW->clear();
    cboMinutes->setCurrentIndex(1); // 15
    lblAskInfo->clear();
    cmdGive->setEnabled(true);
    txtParentPW->setFocus();
}

void frmAskParent::cmdGive_Click() {
    if (!cmdGive->isEnabled()) return; // given once per opening
    bool isNumber = false;
    const int minutes = cboMinutes->currentText().trimmed().toInt(&isNumber);
    if (!isNumber || minutes < 1 || minutes > kMaxMinutes) {
        lblAskInfo->setText(tr("Please choose from 1 to %1 minutes.").arg(kMaxMinutes));
        cboMinutes->setFocus();
        return;
    }
    const QString name = cboParent->currentText();
    ParentPasswordCheck check;
    if (!RunStep(m_app, QStringLiteral("cmdGive_Click"), [&] {
            check = CheckParentPassword(m_app, name, txtParentPW->text(), QStringLiteral("the login window"));
        }))
        return;
    if (!check.refusal.isEmpty()) {
        lblAskInfo->setText(check.refusal);
        if (check.resting) {
            reject();
            emit tooManyTries();
            return;
        }
        txtParentPW->selectAll();
        txtParentPW->setFocus();
        return;
    }
    const int parent = check.parent;
    bool stored = false;
    if (!RunStep(m_app, QStringLiteral("cmdGive_Click"),
                 [&] { stored = GiveMinutesAtLogin(m_app, parent, m_user, minutes); }))
        return;
    if (!stored) {
        // Nothing was stored: the dialog stays, and says so once.
        lblAskInfo->setText(
            tr("The minutes could not be saved: %1. Nothing was given.").arg(m_app.store.registry().lastError()));
        return;
    }
    cmdGive->setEnabled(false);
    accept();
    emit given(m_app.read(Sections::User(parent), UserKeys::Name).text(), minutes);
}
