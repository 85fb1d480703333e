#pragma once

#include <QDialog>

class App;
class QLineEdit;
class QPushButton;

// Sets a user's single password, for the user editor ("New User", "Edit User") and for a
// logged-in user from the status window ("Edit User2"). The situation and the user number
// are read from the user editor (the tag of its cmdOk, its txtUN).
class frmPassChange final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmPassChange)

public:
    explicit frmPassChange(App& app);

    QLineEdit* txtOldPass;
    QLineEdit* txtNewPass;
    QLineEdit* txtRCPass;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

    // The old-password box: white and enabled when required, grey and disabled otherwise.
    void setOldPasswordRequired(bool required);

    void cmdOk_Click();
    void cmdCancel_Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override; // Escape is Cancel

private:
    App& m_app;
};
