#include "reports/frmMailAuthorBadShutdown.h"

#include "core/App.h"
#include "core/WindowMetrics.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/FilePicker.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "reports/BugReport.h"
#include "reports/frmErrorWizard.h"

#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmMailAuthorBadShutdown::frmMailAuthorBadShutdown(App& app) : m_app(app) {
    setObjectName(QStringLiteral("frmMailAuthorBadShutdown"));
    setWindowTitle(tr("Mailing The Author"));

    fraInstructions = new QGroupBox(tr("Instructions"), this);
    fraInstructions->setObjectName(QStringLiteral("fraInstructions"));
    const QString address = BugReportAddress(m_app);
    const QString check = tr("Please check it and delete anything you do not want to send.  It holds only the "
                             "program's logs and some information about your system.");
    lblInstructions = new QLabel(
        address.isEmpty()
            ? tr("The \"To Mail\" box below holds a report of what happened.") + QStringLiteral("  ") + check +
                  QStringLiteral("  ") +
                  tr("Then press Save to keep it in a file that you can send to whoever looks after this computer.")
            : tr("The contents of the \"To Mail\" box below will be sent to %1.").arg(address) + QStringLiteral("  ") +
                  check + QStringLiteral("  ") +
                  tr("When you are ready, press Copy and mail it, or Save it to a file."),
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
    cmdSave = new QPushButton(tr("&Save..."), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdCancel = new QPushButton(tr("C&ancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // With nobody to mail it to, the file is the way out.
    if (address.isEmpty()) {
        cmdCopy->setDefault(false);
        cmdSave->setDefault(true);
        Command1->setText(tr("&Done"));
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCopy);
    buttons->addWidget(Command1);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraInstructions);
    layout->addWidget(fraToMail, 1);
    layout->addLayout(buttons);
    resize(560, 480);

    connect(cmdCopy, &QPushButton::clicked, this, &frmMailAuthorBadShutdown::cmdCopy_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmMailAuthorBadShutdown::cmdSave_Click);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    // The box shows the report line by line; the copy puts the line ends back as composed.
    QString report = ComposeBugReport(m_app);
    report.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtToMail->setPlainText(report);
    // Enter presses the default button, not a new line at the top of the report.
    (address.isEmpty() ? cmdSave : cmdCopy)->setFocus();
    CenterForm(m_app, *this);
}

void frmMailAuthorBadShutdown::cmdCopy_Click() {
    QString text = txtToMail->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    m_app.platform.clipboard->setText(text);
    const QString address = BugReportAddress(m_app);
    m_app.platform.messageBox->show(
        address.isEmpty() ? tr("The report is on the clipboard: paste it into a message to whoever looks after this "
                               "computer.")
                          : tr("Ok, now please email that information to %1.  Thanks a lot!").arg(address),
        kProgramTitle, MsgButtons::Ok, MsgIcon::None);
    Command1->setEnabled(true);
}

void frmMailAuthorBadShutdown::cmdSave_Click() {
    const QString file = m_app.platform.filePicker->saveFile(
        tr("Save the Report"), tr("Text Files (*.txt)"),
        QDir::home().filePath(QStringLiteral("timeward-report-%1.txt")
                                  .arg(m_app.platform.clock->today().toString(QStringLiteral("yyyy-MM-dd")))));
    if (file.isEmpty()) return; // cancelled
    QString text = txtToMail->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    // Meant to be sent on: readable by others, not owner-only like the data folder.
    if (!WriteSharedFile(file, text.toUtf8())) {
        m_app.platform.messageBox->show(tr("The report could not be saved in %1.").arg(file), kProgramTitle,
                                        MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    m_app.platform.messageBox->show(tr("The report was saved in %1.").arg(file), kProgramTitle, MsgButtons::Ok,
                                    MsgIcon::Information);
    Command1->setEnabled(true);
}

void MailTheAuthor(App& app) {
    app.window<frmErrorWizard>().exec();
    app.unload("frmErrorWizard");
    app.window<frmMailAuthorBadShutdown>().exec();
    app.unload("frmMailAuthorBadShutdown");
}
