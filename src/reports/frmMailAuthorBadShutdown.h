#pragma once

#include <QDialog>

class App;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// Shows the composed bug report for the user to check, then copy and mail to the address set in
// "BugReportAddress", or save to a file to send on when none is set.
class frmMailAuthorBadShutdown final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMailAuthorBadShutdown)

public:
    explicit frmMailAuthorBadShutdown(App& app);

    void cmdCopy_Click();
    // Saves the report to a file the parent picks, to send on.
    void cmdSave_Click();

    QGroupBox* fraInstructions;
    QLabel* lblInstructions;
    QGroupBox* fraToMail;
    QPlainTextEdit* txtToMail;
    QPushButton* cmdCopy;
    QPushButton* cmdSave;
    QPushButton* Command1;
    QPushButton* cmdCancel;

private:
    App& m_app;
};

// The error wizard, then the bug report, each modal. Used by the bad-shutdown notice and by
// the error prompt's "mail the author" answer.
void MailTheAuthor(App& app);
