#pragma once

#include "platform/MessageBox.h"
#include "platform/RestrictionComponent.h"
#include "restrictions/DisablePro.h"

#include <QMetaMethod>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class App;

// The running session, as every face of the program sees it: who is logged in and whether the
// clock counts, the session's open boxes, the restriction controls, the session clock's account,
// and the once-a-second tick. It never names a window: it announces by its signals what changed,
// and each window (or other face) connects to them in its own constructor and refreshes itself.
class SessionModel final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionModel)

public:
    explicit SessionModel(App& app);
    ~SessionModel() override;

    // One tick of the controller: the session clock (TickUserTime), then timeLeftChanged for
    // the views, unless the tick ended the session. A tick that arrives while one is still
    // running (a modal box of the tick runs its own event loop) or while the clock does not
    // run is skipped, not queued.
    void ControllerTick();

    // A login is accepted: no box, no time-out under way, no warning, and the clock of the new
    // session starts from its login.
    void startSession();
    // The session: begun once the login is done (counting enabled), ended by the return to the
    // login window.
    void beginSession();
    void endSession();
    bool inSession() const { return m_inSession; }
    // The main window's "&Enabled": counting on or off for the rest of the session. The time
    // while it is off is not charged, now or later, and no heartbeat says a session runs.
    void setCountingEnabled(bool on);
    bool countingEnabled() const { return m_countingEnabled; }
    // The time-out stops the clock; the session itself goes on until its end action.
    void stopClock();
    // Whether the controller's timer should run: in a session, counting, not stopped, not held.
    bool clockRunning() const { return m_inSession && m_countingEnabled && !m_clockStopped && m_holds == 0; }
    // Holds the clock while a store write of several values runs (the user editor's and the
    // options' saves), so that no tick reads half of them; it goes on when the hold ends.
    class ClockHold {
    public:
        explicit ClockHold(SessionModel& m) : m_model(m) { m_model.hold(+1); }
        ~ClockHold() { m_model.hold(-1); }
        ClockHold(const ClockHold&) = delete;
        ClockHold& operator=(const ClockHold&) = delete;

    private:
        SessionModel& m_model;
    };

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
    // A time-out under way and the warnings given.
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

    // The restriction component's four controls, and the two objects whose Tags keep states
    // saved while the shell is held; the first call links the state file
    // <data folder>/restrictions.state. A test may hand in controls of its own.
    RestrictionControls restrictionControls();
    void setRestrictionControls(const RestrictionControls& controls) { m_controlsOverride = controls; }
    std::shared_ptr<DisablePro::Record> restrictionRecord = std::make_shared<DisablePro::Record>();
    DisablePro DisableZ{DisablePro::Kind::Disable, QStringLiteral("DisableZ"), restrictionRecord};
    DisablePro DisableStartMenu1{DisablePro::Kind::DisableStartMenu, QStringLiteral("DisableStartMenu1"),
                                 restrictionRecord};
    DisablePro DisableControlPanel1{DisablePro::Kind::DisableControlPanel, QStringLiteral("DisableControlPanel1"),
                                    restrictionRecord};
    DisablePro DisableMisc1{DisablePro::Kind::DisableMisc, QStringLiteral("DisableMisc1"), restrictionRecord};
    QObject* const Picture1;
    QObject* const lblDDE;

    // What the procedures below report; each emits the matching signal.
    void notifyUsersChanged() { emit usersChanged(); }
    void addLogLine(const QString& line) { emit logLine(line); }
    void carryOutEndAction(const QString& action) { emit endAction(action); }
    void requestMailAuthor() { emit mailAuthorRequested(); }
    void notifyRequestsChanged() { emit requestsChanged(); }
    void askForMoreTime() { emit moreTimeWanted(); }
    void showActivityLog() { emit activityLogWanted(); }
    void logOut() { emit logoutWanted(); }
    // Whether a window takes moreTimeWanted, so that a box may offer to ask for more time.
    bool canAskForMoreTime() const { return isSignalConnected(QMetaMethod::fromSignal(&SessionModel::moreTimeWanted)); }

signals:
    // Users were added, deleted, renamed or their settings or time changed by a person.
    void usersChanged();
    // A tick of the session went by: the logged-in user's time left and the day's usage may
    // have changed.
    void timeLeftChanged();
    void sessionStarted();
    void sessionEnded();
    // The clock starts or stops counting (the controller's timer follows it).
    void countingChanged(bool running);
    // A line of the activity log, for the list that shows it ("LogTS" = 1).
    void logLine(const QString& line);
    // A time-out's or the hours' end action to carry out by a window (the end actions of
    // EndActions; only "Display Time Ward Login" needs one, the others go to the system).
    void endAction(const QString& action);
    // The error prompt's "mail the author": the error wizard and the bug report must come up.
    void mailAuthorRequested();
    // A request for more time was asked, answered or closed by this copy.
    void requestsChanged();
    // The three-minute warning's "Ask for More Time…": the child's dialog must come up.
    void moreTimeWanted();
    // A parent asked to see the activity log (the bad-shutdown notice): the main window shows it.
    void activityLogWanted();
    // The user ends the session (the status window's "End Session", the parent's page): the
    // computer goes back to the login window.
    void logoutWanted();

private:
    void hold(int delta);
    // Runs change and emits countingChanged when it changed clockRunning.
    template <class F> void changeClock(F change);

    struct SessionBox {
        int id;
        std::function<void()> gone;
    };
    App& m_app;
    std::vector<SessionBox> m_sessionBoxes;
    std::optional<RestrictionControls> m_controlsOverride;
    bool m_restrictionFileLinked = false;
    bool m_inTick = false;
    bool m_inSession = false;
    bool m_countingEnabled = true;
    bool m_clockStopped = false;
    int m_holds = 0;
};
