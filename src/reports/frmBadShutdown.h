#pragma once

#include <QDialog>

class App;
class QCheckBox;
class QLabel;
class QPushButton;

// Shown to the first parent who logs in after the program was not ended properly twice in a
// row; says what that means in a parent's words, shows the activity log or sends a report.
class frmBadShutdown final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmBadShutdown)

public:
    explicit frmBadShutdown(App& app);

    void cmdIgnore_Click();
    void cmdMail_Click();
    // The default: the main window with the activity log, where a parent sees what happened.
    void cmdShowLog_Click();

    QLabel* Label1;
    QCheckBox* chkNeverAgain;
    QPushButton* cmdIgnore;
    QPushButton* cmdMail;
    QPushButton* cmdShowLog;

private:
    void storeNeverAgain();
    App& m_app;
};

// The notice after a bad shutdown: shown modal, unloaded when answered.
void ShowBadShutdownNotice(App& app);
// A parent has logged in: the notice the start found due opens, once the login is done.
void ShowBadShutdownNoticeIfDue(App& app);
