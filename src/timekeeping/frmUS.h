#pragma once

#include <QDialog>

class App;
class QLineEdit;
class QPushButton;

// The user status window that a user without parent rights sees: name, password, the time
// allowed, the time left and when it is renewed, and the way to end the session.
class frmUS final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmUS)

public:
    explicit frmUS(App& app);

    QLineEdit* txtUN;
    QLineEdit* txtPW;       // masked
    QPushButton* cmdShowPW; // shows the password while held down
    QLineEdit* txtTA;
    QLineEdit* txtTL;
    QLineEdit* txtRN;      // when the time is renewed next
    QPushButton* Command1; // "End Session"
    QPushButton* cmdOK;
    QPushButton* cmdCP;  // "Change Password"
    QPushButton* cmdAsk; // "Ask for More Time…"

    void ClearItAll();
    void FillUserStatus();

    void cmdOK_Click();
    void cmdCP_Click();
    void Command1_Click();
    void cmdAsk_Click();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    App& m_app;
};

// Brings the status window up for a user without parent rights (tray double-click,
// "MainScreen"): place restored, refreshed, shown, enabled and focused. Nothing when it is
// visible already.
void BringUpUserStatus(App& app);

extern const char* const kEndSessionQuestion; // "Are you sure you wish to end this session?"
