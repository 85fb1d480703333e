#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>

class App;
class QLineEdit;
class QPushButton;

// Sets a user's single password, for the user editor ("New User", "Edit User") and for a
// logged-in user from the status window ("Edit User2"). Its opener says whose password and
// for which situation.
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

    struct Purpose {
        QString situation; // "New User", "Edit User" or "Edit User2"
        int userNumber = 0;
        QString userName; // whose password, for the activity log
        bool oldRequired = true;
        // Told the new password once it is stored.
        std::function<void(const QString& password)> onSet;
    };
    // Shows the dialog over its owner, which stays disabled until the dialog closes.
    void openFor(Purpose purpose, QWidget* owner);

    // The old-password box: white and enabled when required, grey and disabled otherwise.
    void setOldPasswordRequired(bool required);

    void cmdOk_Click();
    void cmdCancel_Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override; // Escape is Cancel

private:
    void closeDialog();

    App& m_app;
    Purpose m_purpose;
    QPointer<QWidget> m_owner;
};
