#pragma once

#include <QDialog>

class App;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Ask a parent…" of the login window: after a refusal for time or hours, a parent types a
// name and password here and gives the refused user a few minutes. No parent session starts
// and no administration window opens. Opened without a loop of its own (open()), so the
// program's timers run on while it is up.
class frmAskParent final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAskParent)

public:
    frmAskParent(App& app, QWidget* loginWindow);

    QLabel* lblFor;       // "Give <user> more time"
    QComboBox* cboParent; // the parents' names; a name can be typed as well
    QLineEdit* txtParentPW;
    QComboBox* cboMinutes; // 5, 15, 30 or 60, or a typed number
    QLabel* lblAskInfo;    // the answer of the check
    QPushButton* cmdGive;
    QPushButton* cmdCancel;

    // Makes the dialog ready for user n, refused a moment ago.
    void prepare(int n);
    void cmdGive_Click();

    // How many minutes can be given at once.
    static constexpr int kMaxMinutes = 24 * 60;

signals:
    // The minutes were given: the login window may tell the user.
    void given(const QString& parentName, int minutes);
    // The fifth wrong try in a row: the login window rests its button.
    void tooManyTries();

private:
    App& m_app;
    int m_user = 0;
};
