#include "reports/frmMailAuthorBadShutdown.h"

#include "core/App.h"
#include "core/WindowMetrics.h"
#include "platform/Clipboard.h"
#include "platform/MessageBox.h"
#include "reports/BugReport.h"
#include "reports/frmErrorWizard.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmMailAuthorBadShutdown& App::mailAuthorBadShutdown() {
    return window<frmMailAuthorBadShutdown>("frmMailAuthorBadShutdown");
}

frmMailAuthorBadShutdown::frmMailAuthorBadShutdown(App& app) : m_app(app) {
    setObjectName(QStringLiteral("frmMailAuthorBadShutdown"));
    setWindowTitle(tr("Mailing The Author"));

    fraInstructions = new QGroupBox(tr("Instructions"), this);
    fraInstructions->setObjectName(QStringLiteral("fraInstructions"));
    lblInstructions =
        new QLabel(tr("The contents of the \"To Mail\" box below will be sent to the author at %1.  Please check it "
                      "and delete anything you do not want to send.  It holds only the program's logs and some "
                      "information about your system.  When you are ready, press Copy and mail it.")
                       .arg(kAuthorEmail),
                   fraInstructions);
    lblInstructions->setObjectName(QStringLiteral("lblInstructions"));
    lblInstructions->setWordWrap(true);
    lblInstructions->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* instructions = new QVBoxLayout(fraInstructions);
    instructions->addWidget(lblInstructions);

    fraToMail = new QGroupBox(tr("To Mail"), this);
    fraToMail->setObjectName(QStringLiteral("fraToMail"));
    txtToMail = new QPlainTextEdit(fraToMail);
    txtToMail->setObjectName(QStringLiteral("txtToMail"));
    txtToMail->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtToMail->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtToMail->setTabChangesFocus(true);
    auto* toMail = new QVBoxLayout(fraToMail);
    toMail->addWidget(txtToMail);

    cmdCopy = new QPushButton(tr("&Copy"), this);
    cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    cmdCopy->setDefault(true);
    Command1 = new QPushButton(tr("&Ok, it's mailed!"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setEnabled(false);
    cmdCancel = new QPushButton(tr("C&ancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCopy);
    buttons->addWidget(Command1);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraInstructions);
    layout->addWidget(fraToMail, 1);
    layout->addLayout(buttons);
    resize(560, 480);

    connect(cmdCopy, &QPushButton::clicked, this, &frmMailAuthorBadShutdown::cmdCopy_Click);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    // The box shows the report line by line; the copy puts the line ends back as composed.
    QString report = ComposeBugReport(m_app);
    report.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtToMail->setPlainText(report);
    CenterForm(m_app, *this);
}

void frmMailAuthorBadShutdown::cmdCopy_Click() {
    QString text = txtToMail->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    m_app.platform.clipboard->setText(text);
    m_app.platform.messageBox->show(tr("Ok, now please email that information to %1.  Thanks a lot!").arg(kAuthorEmail),
                                    kProgramTitle, MsgButtons::Ok, MsgIcon::None);
    Command1->setEnabled(true);
}

void MailTheAuthor(App& app) {
    app.errorWizard().exec();
    app.unload("frmErrorWizard");
    app.mailAuthorBadShutdown().exec();
    app.unload("frmMailAuthorBadShutdown");
}
