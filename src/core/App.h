#pragma once

#include "core/RuntimeError.h"
#include "core/SessionModel.h"
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
#include <type_traits>
#include <vector>

// The one context the windows and procedures share: the outside services, the store, the
// session model and the few process-wide values.
class App final {
public:
    App(Platform& platform, SqliteRegistry& registry);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Platform& platform;
    SettingsStore store;
    // The running session and its tick; the windows observe it.
    SessionModel model{*this};

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

    // The program's windows live here by name, so that they go before the store they read. The
    // context names none of them: a window asks for another with `app.window<frmUS>()`, and
    // the logic never asks for one.
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

    // The program's one W, created on first use and kept under its class name until unloaded.
    // A window with a Form_Load runs it once, after it is kept, so that the load may use it.
    template <class W> W& window() {
        static_assert(std::is_same_v<decltype(&W::qt_metacall), int (W::*)(QMetaObject::Call, int, void**)>,
                      "a window is kept under its class name: it needs its own Q_OBJECT");
        QPointer<QObject>& slot = m_windows[W::staticMetaObject.className()];
        if (!slot.isNull()) return *static_cast<W*>(slot.data());
        W* w = new W(*this);
        slot = w;
        if constexpr (requires { w->Form_Load(); }) w->Form_Load();
        return *w;
    }

private:
    std::map<std::string, QPointer<QObject>> m_windows;
    std::vector<QPointer<QObject>> m_unloading; // deleted by the event loop, or with the context
};
