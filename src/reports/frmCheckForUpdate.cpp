#include "reports/frmCheckForUpdate.h"

#include "core/App.h"
#include "core/WindowMetrics.h"
#include "platform/MessageBox.h"
#include "reports/Reports.h"
#include "reports/UpdateCheck.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmCheckForUpdate::frmCheckForUpdate(App& app) : m_app(app) {
    setObjectName(QStringLiteral("frmCheckForUpdate"));
    setWindowTitle(tr("TimeWard Auto-Updater"));
    // Ok destroys the window; the next opening builds it afresh.
    setAttribute(Qt::WA_DeleteOnClose);
    auto named = [](QWidget* w, const char* name) {
        w->setObjectName(QLatin1String(name));
        return w;
    };

    Frame2 = new QGroupBox(tr("Information"), this);
    named(Frame2, "Frame2");
    auto* info = new QGridLayout(Frame2);
    Label1 = new QLabel(tr("Your Version:"), Frame2);
    named(Label1, "Label1");
    Text1 = new QLineEdit(Frame2);
    named(Text1, "Text1");
    Text1->setReadOnly(true);
    Label2 = new QLabel(tr("Current Version:"), Frame2);
    named(Label2, "Label2");
    Text2 = new QLineEdit(Frame2);
    named(Text2, "Text2");
    Text2->setReadOnly(true);
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);
    info->addWidget(Label1, 0, 0);
    info->addWidget(Text1, 0, 1);
    info->addWidget(Label2, 1, 0);
    info->addWidget(Text2, 1, 1);

    Frame1 = new QGroupBox(tr("Status"), this);
    named(Frame1, "Frame1");
    auto* status = new QVBoxLayout(Frame1);
    Label3 = new QLabel(Frame1);
    named(Label3, "Label3");
    Label3->setWordWrap(true);
    Label3->setMinimumHeight(60);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Text3 = new QLineEdit(Frame1);
    named(Text3, "Text3");
    Text3->setReadOnly(true); // selectable, so the address can be copied
    Text3->setText(DownloadPageUrl());
    status->addWidget(Label3);
    status->addWidget(Text3);

    cmdCheckForUpdate = new QPushButton(tr("&Check For Update"), this);
    named(cmdCheckForUpdate, "cmdCheckForUpdate");
    cmdOk = new QPushButton(tr("&OK"), this);
    named(cmdOk, "cmdOk");
    cmdCheckForUpdate->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCheckForUpdate);
    buttons->addWidget(cmdOk);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame2);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    resize(440, 300);

    connect(cmdCheckForUpdate, &QPushButton::clicked, this, &frmCheckForUpdate::cmdCheckForUpdate_Click);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::close);

    Refresh2();
    CenterForm(m_app, *this);
}

void frmCheckForUpdate::Refresh2() {
    Text1->setText(kProgramVersion);
    Text2->setText(tr("Unknown"));
    Label3->setText(tr("Please press Check For Update to see if there's a new update available."));
    Text3->hide();
    cmdCheckForUpdate->setEnabled(true);
}

void frmCheckForUpdate::cmdCheckForUpdate_Click() {
    // Without a server there is nothing to ask about the connection.
    if (!UpdateServerSet()) {
        Label3->setText(NoUpdateServerText());
        return;
    }
    if (m_app.platform.messageBox->show(
            tr("Are you connected to the internet?  You need to be to check if there's an update."), kProgramTitle,
            MsgButtons::YesNo, MsgIcon::Question) != MsgAnswer::Yes)
        return;
    Label3->setText(tr("Checking for latest version, please stand by..."));
    // The fetch waits in a local event loop: no second check may start inside it.
    cmdCheckForUpdate->setEnabled(false);
    const UpdateCheckResult r = CheckLatestVersion(*m_app.platform.http);
    Label3->setText(r.status);
    switch (r.kind) {
    case UpdateCheckResult::Kind::Failed:
        cmdCheckForUpdate->setEnabled(true);
        break;
    case UpdateCheckResult::Kind::Newer:
        Text2->setText(r.latestVersion);
        Text3->setText(DownloadPageUrl());
        Text3->show();
        break;
    case UpdateCheckResult::Kind::Current:
        Text2->setText(r.latestVersion);
        break;
    }
}

void ShowCheckForUpdate(App& app) {
    frmCheckForUpdate& w = app.window<frmCheckForUpdate>();
    w.Refresh2();
    w.show();
    w.raise();
    w.activateWindow();
}
