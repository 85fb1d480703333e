#include "reports/frmBadShutdown.h"

#include "core/App.h"
#include "core/WindowMetrics.h"
#include "reports/frmMailAuthorBadShutdown.h"
#include "storage/ConfigKeys.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

frmBadShutdown::frmBadShutdown(App& app) : m_app(app) {
    setObjectName(QStringLiteral("frmBadShutdown"));
    setWindowTitle(tr("Bad Shutdown Detected!"));
    Label1 = new QLabel(
        tr("TimeWard was stopped twice in a row without shutting down properly: the computer was switched off or "
           "restarted without shutting down, or TimeWard itself was ended from outside.  A child may have done this "
           "to get around the time limit; the activity log shows what happened before.  If you think TimeWard "
           "itself went wrong, you can send a report of it."),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    chkNeverAgain = new QCheckBox(tr("&Never show this again"), this);
    chkNeverAgain->setObjectName(QStringLiteral("chkNeverAgain"));
    cmdIgnore = new QPushButton(tr("&Ignore"), this);
    cmdIgnore->setObjectName(QStringLiteral("cmdIgnore"));
    cmdMail = new QPushButton(tr("&Report the Problem..."), this);
    cmdMail->setObjectName(QStringLiteral("cmdMail"));
    cmdShowLog = new QPushButton(tr("&Show the activity log"), this);
    cmdShowLog->setObjectName(QStringLiteral("cmdShowLog"));
    cmdShowLog->setDefault(true);
    cmdShowLog->setAutoDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkNeverAgain);
    buttons->addStretch();
    buttons->addWidget(cmdIgnore);
    buttons->addWidget(cmdMail);
    buttons->addWidget(cmdShowLog);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(buttons);
    resize(460, 180);

    connect(cmdIgnore, &QPushButton::clicked, this, &frmBadShutdown::cmdIgnore_Click);
    connect(cmdMail, &QPushButton::clicked, this, &frmBadShutdown::cmdMail_Click);
    connect(cmdShowLog, &QPushButton::clicked, this, &frmBadShutdown::cmdShowLog_Click);
    CenterForm(m_app, *this);
}

void frmBadShutdown::storeNeverAgain() {
    if (chkNeverAgain->isChecked()) m_app.write(Sections::Config, ConfigKeys::BadShutdownWarn, 0);
}

void frmBadShutdown::cmdIgnore_Click() {
    storeNeverAgain();
    accept();
}

void frmBadShutdown::cmdMail_Click() {
    storeNeverAgain();
    MailTheAuthor(m_app);
    accept();
}

void frmBadShutdown::cmdShowLog_Click() {
    storeNeverAgain();
    accept();
    m_app.model.showActivityLog();
}

void ShowBadShutdownNotice(App& app) {
    app.window<frmBadShutdown>().exec();
    app.unload("frmBadShutdown");
}

void ShowBadShutdownNoticeIfDue(App& app) {
    if (!app.badShutdownNoticeDue) return;
    app.badShutdownNoticeDue = false;
    // Once the login has finished: the notice waits in a loop of its own.
    App* a = &app;
    QTimer::singleShot(0, QCoreApplication::instance(), [a] { ShowBadShutdownNotice(*a); });
}
