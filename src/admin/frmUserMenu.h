#pragma once

#include "users/PasswordList.h"

#include <QDialog>
#include <QPointer>
#include <functional>

class App;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;
class TimeOutActions;

// The user editor: one window for the whole run, shown for a new or an existing user and
// hidden again by OK or Cancel. The mode travels in the tag of cmdOk ("New User", "Edit User"
// or empty); the password dialog is told it when the editor opens it.
class frmUserMenu final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmUserMenu)

public:
    explicit frmUserMenu(App& app);

    QTabWidget* SSTab1;
    // User Information
    QLineEdit* txtUN;
    QLineEdit* txtUserName;
    QCheckBox* chkPR;
    QCheckBox* chkucpw;
    QPlainTextEdit* txtNotes;
    // Password
    QRadioButton* optSinglePW;
    QRadioButton* optMultPW;
    QWidget* pctSingle;
    QWidget* pctMult;
    QLineEdit* txtPW;
    QPushButton* Command1; // "Change Password"
    QListWidget* lstPW;
    QLabel* lblNextPW;
    QLineEdit* txtAddPW;
    QLineEdit* txtLenPW;
    QLineEdit* txtNumPW;
    QPushButton* cmdRandomizePW;
    QPushButton* cmdRefreshPW;
    QPushButton* cmdSetNext;
    QPushButton* cmdAddPW;
    QPushButton* cmdRemPW;
    QPushButton* cmdClearPW;
    QPushButton* cmdPrintPW;
    QCheckBox* chkRefreshPW;
    QCheckBox* chkDisablePW;
    QCheckBox* chkRefreshTimePW;
    // Time Limits
    QComboBox* cboBasedOn;
    QLineEdit* txtamtHr;
    QLineEdit* txtamtMin;
    QLineEdit* txtamtsec;
    QCheckBox* chkRemoveAfterTO;
    TimeOutActions* actions;
    // Login Options
    QCheckBox* chkLoginProg;
    QLineEdit* txtLoginProg;
    QPushButton* Command2;
    QCheckBox* chkLoginPS;
    QLineEdit* txtLoginPS;
    QPushButton* Command3;
    QCheckBox* chkLoginDM;
    QLineEdit* txtLoginDM;
    QCheckBox* chkWTTL;
    QLineEdit* txtLoginWTTL;
    QCheckBox* chkLogoutOnQuit;
    QListWidget* lstIdent;
    // Time Restrictions
    QCheckBox* chkTimeRestr;
    QLineEdit* txtFrom;
    QLineEdit* txtTill;
    QComboBox* cboType;
    QPushButton* cmdAddRT;
    QPushButton* cmdRemRT;
    QPushButton* cmdTRUp;
    QPushButton* cmdTRDown;
    QListWidget* lstTR;
    // Buttons
    QPushButton* cmdOk;
    QPushButton* cmdApply;
    QPushButton* cmdCancel;

    // How often the editor has beeped at a refused restriction entry.
    int beepCount = 0;
    // Called before each value the save writes; tests raise run-time errors here.
    std::function<void(const QString& key)> beforeSaveWrite;

    // The mode in the tag of cmdOk.
    QString mode() const;
    void setMode(const QString& tag);

    // Opening. The owner (the window that opened the editor) is placed under it and disabled
    // until the editor closes.
    void openForNewUser(bool fromAddUser, QWidget* owner);
    void openForUser(int n, QWidget* owner);

    // The editor's procedures.
    bool ErrIsTrue();
    // Normalises the three allowance fields; false (after a message) when one holds letters.
    bool ReWriteTimeAmmt();
    void ClearItAll();
    void LoadUser(int n);
    // False when the store refused the record (nothing of it was written).
    bool SaveUser();
    // Apply (closeAfter false) and OK (true); false when nothing was saved.
    bool applyChanges(bool closeAfter);

    // Event handlers that tests and the focus filter call.
    void txtUserName_GotFocus();
    void txtUserName_LostFocus();
    void Command1_Click();
    void cmdAddRT_Click();
    void cmdRemRT_Click();
    void cmdTRUp_Click();
    void cmdTRDown_Click();
    void cmdRandomizePW_Click();
    void cmdRefreshPW_Click();
    void cmdSetNext_Click();
    void cmdAddPW_Click();
    void cmdRemPW_Click();
    void cmdClearPW_Click();
    void cmdPrintPW_Click();
    void cmdCancel_Click();

    // The entry text of one time restriction: "8 - 17" padded to 15 characters, then the type.
    static QString restrictionEntry(int begin, int end, const QString& type);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void reject() override; // Escape is Cancel

private:
    void buildUserInfoTab(QWidget* tab);
    void buildPasswordTab(QWidget* tab);
    void buildTimeLimitsTab(QWidget* tab);
    void buildLoginOptionsTab(QWidget* tab);
    void buildTimeRestrictionsTab(QWidget* tab);
    void connectChangeTracking();
    void changed();
    void applyEnablingRules();
    void basedOnChanged();
    void actionChanged();
    void tabChanged(int index);
    void timeoutBoxClicked(const QString& hint);
    void showPasswordPanels();
    void setNextPasswordLabel(const QString& password);
    void placeAndShow(QWidget* owner);
    void closeEditor();
    // The working copy of the password list, with the stored entry of each line.
    QList<PasswordListLine> listPasswords() const;
    static constexpr int kEntryRole = Qt::UserRole;    // the stored entry a line came from (none: new)
    static constexpr int kUsedRole = Qt::UserRole + 1; // a new line that Set Next marked used
    bool integerCheck(QLineEdit* box);

    App& m_app;
    QPointer<QWidget> m_owner;
    QString m_rememberedName;
    int m_lastTab = 0;
    bool m_loading = false;
    bool m_inIntegerCheck = false;
};
