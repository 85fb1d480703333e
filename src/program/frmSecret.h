#pragma once

#include "platform/Tray.h"

#include <QLabel>
#include <QString>
#include <QWidget>
#include <array>

class App;
class QTimer;
class QtCloseSignals;

// The program's one tray icon record, in the shape of the shell's notify-icon data.
struct NotifyIconData {
    quint32 cbSize = 88;
    quint32 uID = 0;    // one more before every attempt to add the icon
    quint32 uFlags = 7; // message, icon and tip
    quint32 uCallbackMessage = 512;
    std::array<char, 64> szTip{}; // NUL-terminated

    // Stores text, cut to fit the 64 bytes with the NUL, never in the middle of a character.
    void setTip(const QString& text);
    QString tip() const;
};

// The hidden controller window: lives from start-up to the end of the process. Its timer runs
// the session model's tick once a second while the model's clock runs; it owns the tray icon
// and the exit link, carries out what the model asks of the windows (the return to the login
// window, the bug report) and decides whether the program may be closed from outside.
class frmSecret final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmSecret)

public:
    explicit frmSecret(App& app);
    ~frmSecret() override;

    QTimer* T1; // runs the model's tick every 1000 ms while the model's clock runs
    // Reads the mailbox every 1000 ms from the resident copy's start to its end, whatever the
    // session and T1 are doing.
    QTimer* mailboxTimer;
    // The exit link's text.
    QLabel* lblDDE;

    // Who asks for the controller window to close.
    enum UnloadMode { vbFormControlMenu = 0, vbFormCode = 1, vbAppWindows = 2, vbAppTaskManager = 3 };

    // One firing of the mailbox timer: "EndNow" ends the program in every state; "Logout" and
    // "MainScreen" act on the logged-in user, and with nobody logged in they are only cleared.
    void ReadMailbox();

    // Adds the tray icon, trying a bounded number of times with a fresh identifier each;
    // false when the desktop has no tray (the session goes on without one).
    bool AddTrayIcon();
    void RemoveTrayIcon();
    void UpdateTrayTip();
    // The mouse activity on the icon, the message number in x (twips); only the left
    // double-click acts.
    void TrayCallback(int button, int shift, double x, double y);
    // The icon's menu for the session as it is now.
    QList<TrayMenuEntry> trayMenu();

    void Form_QueryUnload(bool& cancel, UnloadMode unloadMode);
    void Form_Unload();
    // A close request from outside: refused or allowed (then the orderly exit).
    bool requestClose(UnloadMode mode);

    void lblDDE_LinkOpen();
    void lblDDE_LinkNotify(const QString& text);

    // Starts listening on the exit link and watching the system's end requests (the
    // resident copy only).
    void openLinks();

    NotifyIconData nid;
    static constexpr int kTrayAddTries = 5;
    static constexpr int kTrayDoubleClickMessage = 0x203;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    // A session begins: the time-remaining window when it is wanted, then the tray icon.
    void sessionStarted();

    App& m_app;
    bool m_inMailbox = false;
    QtCloseSignals* m_closeSignals = nullptr;
};

// Ends the session and brings the login window back for the next user, with the
// logged-out user's name filled in. mainFirst unloads the main window before the login
// window comes up (the mailbox's order) instead of after it (the time-out's order).
void ReturnToLogin(App& app, bool mainFirst);

// The exit status when the display connection was cut while the display still runs.
inline constexpr int kConnectionCutExitCode = 3;
// The texts of the two refused closes.
extern const char* const kTaskManagerRefusal;
extern const char* const kWindowsSessionRefusal;
