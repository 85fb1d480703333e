#pragma once

#include <QWidget>

class App;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class frmAskParent;
struct LoginCheck;

// The login window: a user picks a name, types a password and presses Login. It can cover the
// screen and stay on top, count down to an end action when nobody logs in, swallows a few
// system key combinations and can refuse to be closed from the Task Manager.
class frmLogin final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLogin)

public:
    explicit frmLogin(App& app);
    ~frmLogin() override;

    QFrame* Picture1;  // the panel with every other control
    QGroupBox* Frame1; // "User Login"
    QLabel* lblL;      // "Login Name:"
    QComboBox* cboUL;  // the user names; a name can be typed as well
    QLabel* Label1;    // "Password:"
    QLineEdit* txtPW;
    QPushButton* Command1; // "Login"
    QLabel* lblInfo;       // the answer of the login check
    QLabel* Label2;        // "Seconds To Login"
    QLineEdit* txtLoginSecs;
    QTimer* T1; // the countdown, every 1000 ms while on
    // Shown after a refusal for time or hours: a parent gives minutes without a session.
    QPushButton* cmdAskParent;

    // Where a close request comes from.
    enum class CloseSource { User, TaskManager };

    // Runs once when the window is loaded (app.window<frmLogin>()).
    void Form_Load();
    // Sets the window up for the next login and shows it: the login-screen restrictions,
    // position, countdown, the user list, "ForceLogin", the preselected user.
    void LoginNewUser();
    // The login check and, when it passes, the start of the session.
    void Command1_Click();
    // One countdown step.
    void T1_Timer();
    // The system's end-task (SIGTERM/SIGINT) asks the window to close: refused with the
    // window's own message. Returns whether the window closed (never).
    bool closeFromTaskManager();

    // The entry of cboUL that counts as selected (-1: none). Typing into the box clears it;
    // choosing an entry or the login check's exact-name rule sets it.
    int listIndex() const { return m_listIndex; }
    void setListIndex(int index);

    // Opens the parent's dialog for the user just refused.
    void cmdAskParent_Click();
    frmAskParent* askParent() const { return m_askParent; }
    // Enables "Ask a parent…" again once its rest after five wrong tries is over.
    void refreshAskParent();

    // Whether a key event is one of the combinations the window swallows: Ctrl+Esc, Alt+Esc
    // and Shift pressed with Alt.
    static bool isFilteredKey(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void Form_Unload();
    void unloadAfterLogin();
    void fillUserList();
    void forceLoginGeometry();
    void centrePanel();
    // The keyboard and the pointer, held while the window is up (an activity log line when the
    // display refuses them) and given back when a user is in.
    void holdInput();
    void releaseInput();
    void fitToPanel();

    void showRefusal(const LoginCheck& check);
    // Tells the parent just logged in, once a run, that the gate is open on this Wayland desktop.
    void showWaylandNoticeIfDue();

    App& m_app;
    int m_listIndex = -1;
    int m_refusedUser = 0; // whom "Ask a parent…" gives time to
    frmAskParent* m_askParent = nullptr;
    QTimer* m_askRest;
    CloseSource m_closeSource = CloseSource::User;
};

// Shows the login window (a first load sets it up with LoginNewUser), centred when asked.
void ShowLoginWindow(App& app, bool centre);
// The login window for the next user after a logout: name in cboUL, txtPW cleared,
// LoginNewUser, the window shown (not modal).
void ShowLoginForNextUser(App& app, const QString& name);
