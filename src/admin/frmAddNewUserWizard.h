#pragma once

#include <QDialog>

class App;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QWidget;
class TimeOutActions;

// The page-by-page alternative to the user editor. Kind "First" creates the first user of a
// new installation (a parent with unlimited time); any other kind ("New") collects a name,
// a password, a period with its allowance and the time-out events.
class frmAddNewUserWizard final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAddNewUserWizard)

public:
    explicit frmAddNewUserWizard(App& app);

    // Pages, brought to the front in turn.
    QStackedWidget* pages;
    QWidget* pctWelcome;
    QLabel* lblWelcome;
    QPlainTextEdit* txtFirst;
    QWidget* pctName;
    QLineEdit* txtName;
    QLineEdit* txtPW;
    QLineEdit* txtPW2;
    QCheckBox* chkPR;
    QLabel* lblPRNote;
    QCheckBox* chkUserChangePW;
    QWidget* pctTime;
    QComboBox* cboBasedOn;
    QLineEdit* txtamtHr;
    QLineEdit* txtamtMin;
    QLineEdit* txtamtsec;
    QWidget* pctTimeout;
    TimeOutActions* actions;
    QWidget* pctFinished;
    QWidget* pctFinishedFirst;

    QPushButton* cmdBack;
    QPushButton* cmdNext;
    QPushButton* cmdClose;
    QPushButton* cmdClassic;

    // State: the kind (the window's tag), the page 0-5 and whether the last page is reached.
    QString kind() const { return m_kind; }
    int page() const { return m_page; }
    bool finished() const { return m_finished; }
    // The result flag: true after Close/Finished, false after "Classic Mode".
    bool result = true;

    void NewUser(const QString& kind);
    bool RWTimeAmmt();
    void SaveUser(const QString& kind);

    void cmdNext_Click();
    void cmdBack_Click();
    void cmdClose_Click();
    void cmdClassic_Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void reject() override;

private:
    // Brings page to the front as page number `number`, its step named in the title after the
    // caption.
    void showStep(int number, QWidget* page, const QString& step);
    // The last page: only Close (or Finished) is left, and it saves the user.
    void finish(int number, QWidget* page);
    void applyEnablingRules();
    void info(const QString& text);

    App& m_app;
    QString m_kind;
    int m_page = 0;
    bool m_finished = false;
};
