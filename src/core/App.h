#pragma once

#include "core/RuntimeError.h"
#include "core/UiHooks.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "platform/SqliteRegistry.h"
#include "storage/SettingsStore.h"

#include <QDateTime>
#include <QPointer>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

class frmMain;
class frmSecret;
class frmLogin;
class frmAbout;
class frmCheckForUpdate;
class frmBadShutdown;
class frmErrorWizard;
class frmMailAuthorBadShutdown;
class frmOptions;
class frmUserMenu;
class frmPassChange;
class frmAddNewUserWizard;
class frmWelcome;
class frmHelpBox;
class frmUS;
class frmPickuser;
class frmTRWindow;

// The one context the windows and procedures share: the outside services, the store and
// the few process-wide values. Windows are created on first use and kept until unloaded.
class App final {
public:
    App(Platform& platform, SqliteRegistry& registry);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Platform& platform;
    SettingsStore store;
    UiHooks ui;

    // Process-wide state.
    qint16 CurrentUserNumber = 0;
    // The logged-in user's name as the login took it: the session stays on this user even when
    // the store did not take "CurrUser".
    QString sessionUserName;
    qint16 LoginPasswordIndex = 0;
    // The start found two bad shutdowns in a row: the notice waits for a parent's login, so that
    // nobody else sees it (or ticks "Never show this again") and nothing comes before the gate.
    bool badShutdownNoticeDue = false;
    // The desktop is a Wayland one, where the login window cannot hold the input: the first
    // parent to log in is told how to close the gate.
    bool waylandNoticeDue = false;
    // A parent's password away from the login: wrong tries in a row and when the rest ends, as
    // this copy knows them besides the store (which may have refused them).
    int askParentWrongTries = 0;
    QDateTime askParentRestUntil;
    // How far the wall clock stood from real time when the period check last logged a clock
    // change (0: none logged), so that one change is logged once, not every second.
    qint64 loggedClockOffsetMs = 0;
    // Settings whose stored text was read as their default and said so in the activity log:
    // each is named once while the program runs.
    std::set<QString> loggedBadSettings;
    // The session clock's account of the logged-in user's time. The store holds the free time;
    // what the clock has charged on top of it and could not write yet is owed here, and it is
    // charged again, in full, with the next write that the store takes.
    struct SessionAccount {
        qint64 lastChargeMs = -1;   // monotonic reading at the last charge
        qint64 leftSeconds = -1;    // the time left as counted at the last tick (-1: unknown)
        bool failureShown = false;  // a refused write has been shown once in this session
        bool failureLogged = false; // the current run of refused writes is in the activity log
    } sessionAccount;
    // Seconds charged to a user that the store has not taken yet, by the user's name in lower
    // case. They count against the stored time at every tick and at the next login (a user
    // whose time ran out while the store refused the writes is refused), until a write lands
    // or the user's period is renewed.
    std::map<QString, qint64> unsavedCharges;
    qint64 unsavedSeconds(const QString& userName) const;
    // The running session besides the store: its open boxes and a time-out under way.
    struct Session {
        // A time-out waiting for its box (the extra-time question or the time-out message):
        // the box, the seconds it has been up, and how the time-out goes on if nobody answers.
        int timeOutBox = 0;
        int timeOutBoxSeconds = 0;
        std::function<void()> timeOutGoesOn;
        int warningBox = 0;       // the three-minute warning while it is up
        bool hoursWarned = false; // the warning before the login hours end has been given
        int askedRequest = 0;     // the request for more time asked in this session, until told its answer
        qint64 lastAskMs = -1;    // monotonic reading when it was asked
    } session;

    // Opens a box of the session without waiting for it (the clock counts on while it is up).
    // gone runs once the box is away, answered or closed; answered only when it was answered.
    // A non-empty extraButton is one more button, answered with MsgAnswer::Extra.
    int openSessionBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                       std::function<void(MsgAnswer)> answered = {}, std::function<void()> gone = {},
                       const QString& extraButton = QString());
    void closeSessionBox(int box);
    // Closes every box of the session (at a time-out and when the session ends).
    void closeSessionBoxes();
    // A new session starts: no box, no time-out under way, no extra time granted, no warning.
    void startSession();

    // The run-time error being reported, for the bug report.
    std::optional<RuntimeError> currentError;
    // The error wizard's answers, kept from its Continue until the program ends.
    struct ErrorWizardAnswers {
        QString name, email, functionsProperly, functionsAtAll, comments;
    } errorWizardAnswers;

    const Paths& paths() const { return platform.paths; }

    // Short forms for the program's own application key.
    Setting read(const QString& section, const QString& key) { return store.ReadSetting(kAppName, section, key); }
    template <class D> Setting read(const QString& section, const QString& key, D def) {
        return store.ReadSetting(kAppName, section, key, def);
    }
    template <class V> void write(const QString& section, const QString& key, V value) {
        store.WriteSetting(kAppName, section, key, value);
    }

    // Windows, each created on first use. The accessors are defined with their window, on the
    // windows' side of the program; the logic never calls them.
    frmMain& main();
    frmSecret& secret();
    frmLogin& login();
    frmAbout& about();
    frmCheckForUpdate& checkForUpdate();
    frmBadShutdown& badShutdown();
    frmErrorWizard& errorWizard();
    frmMailAuthorBadShutdown& mailAuthorBadShutdown();
    frmOptions& options();
    frmUserMenu& userMenu();
    frmPassChange& passChange();
    frmAddNewUserWizard& addNewUserWizard();
    frmWelcome& welcome();
    frmHelpBox& helpBox();
    frmUS& us();
    frmPickuser& pickUser();
    frmTRWindow& trWindow();

    bool isLoaded(const char* windowName) const;
    // The window by name when it is loaded, else nullptr.
    QObject* loadedWindow(const char* windowName) const;
    // Forgets a window without deleting it (the next use creates it anew); the caller deletes
    // it when nothing below still uses it, or the context does at its end.
    QObject* takeWindow(const char* windowName);
    // Discards a window without its close handlers (a logout unloads, the next use recreates).
    void unload(const char* windowName);
    // The same from inside the window's own event handler: forgotten at once (the next use
    // creates it anew), deleted when the event is done.
    void unloadLater(const char* windowName);

    template <class W> W& window(const char* windowName) {
        QPointer<QObject>& slot = m_windows[windowName];
        if (slot.isNull()) slot = new W(*this);
        return *static_cast<W*>(slot.data());
    }

private:
    struct SessionBox {
        int id;
        std::function<void()> gone;
    };
    std::vector<SessionBox> m_sessionBoxes;
    std::map<std::string, QPointer<QObject>> m_windows;
    std::vector<QPointer<QObject>> m_unloading; // deleted by the event loop, or with the context
};
