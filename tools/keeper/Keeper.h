#pragma once

#include <QElapsedTimer>
#include <QString>

class App;

// Watches the resident copy of TimeWard on one data folder from outside it, as an account the
// child's cannot signal. While a session is open its tick writes the boot-time clock with the
// logged-in user; when that stands still for more than kStillMs the copy is let run on when it
// was stopped, or started again when it has gone (or is held by a debugger), and the activity
// log says how long the clock stood still. A copy that runs but does not tick (counting
// switched off in a parent's session) is left alone.
class Keeper final {
public:
    struct Options {
        // The program started when the copy has gone, as the account that owns the data folder;
        // empty: the account's user unit is started.
        QString restartCommand;
    };
    Keeper(App& app, Options options);

    // One look at the heartbeat and the copy.
    void check();

    static constexpr qint64 kStillMs = 5000;
    // An action waits this long for the copy to tick again before it is taken again.
    static constexpr qint64 kRetryMs = 30000;

private:
    void restart();

    App& m_app;
    Options m_options;
    qint64 m_actedOnTick = -1; // the heartbeat the last action answered
    QElapsedTimer m_sinceAction;
};

// Takes the data folder's owner for every file this process writes (the store, its journal, the
// activity log), keeping the right to act as root where it was started as root.
void ActAsDataFolderOwner(const QString& dataFolder);
