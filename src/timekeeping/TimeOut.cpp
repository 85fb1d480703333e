#include "timekeeping/TimeOut.h"

#include "core/App.h"
#include "core/ErrorPrompt.h"
#include "platform/InputGrab.h"
#include "platform/MessageBox.h"
#include "platform/ProcessStart.h"
#include "platform/Sound.h"
#include "platform/SystemExit.h"
#include "restrictions/ShellRestrictions.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <functional>
#include <optional>

using namespace ConfigKeys;

QString EndActions::label(const QString& value) {
    // "Restart Windows" ends the desktop session, which is what restarting Windows did.
    if (value == ShutDownWindows) return QCoreApplication::translate("EndActions", "Power off the computer");
    if (value == RestartWindows) return QCoreApplication::translate("EndActions", "Log out of the desktop");
    if (value == RestartComputer) return QCoreApplication::translate("EndActions", "Restart the computer");
    if (value == DisplayTimeWardLogin) return QCoreApplication::translate("EndActions", "Back to the TimeWard login");
    return value;
}

QString ExtraTimeQuestion(const QString& minutes, bool penalty) {
    return (penalty ? QCoreApplication::translate(
                          "TimeOut", "You have run out of time.  However, you may choose to have an extra %1 minutes "
                                     "before you have to log off.  You will have this amount taken away from you at "
                                     "the start of the next time period.  Do you wish to have the extra minutes?")
                    : QCoreApplication::translate(
                          "TimeOut", "You have run out of time.  However, you may choose to have an extra %1 minutes "
                                     "before you have to log off.  There will be no penalty for doing this.  Do you "
                                     "wish to have the extra minutes?"))
        .arg(minutes);
}

namespace {
enum class Offer { None, Grant, Ask, AskPenalty };

Offer extraTimeOffer(App& app) {
    if (!app.read(Sections::Config, GenMode).is(1)) return Offer::None;
    if (!app.read(Sections::Config, GenDWM).is(1)) return Offer::Grant;
    const Setting atEnd = app.read(Sections::Config, GenSubAmmtAtEnd);
    if (atEnd.isAbsent()) return Offer::None;
    if (atEnd.is(1)) return Offer::AskPenalty;
    if (atEnd.is(0)) return Offer::Ask;
    return Offer::None;
}

QString currentUser(App& app) {
    return Sections::User(app.CurrentUserNumber);
}

// Whether the extra time was given already in the user's current period (once a period, not
// once a login). What cannot be read counts as given.
bool extraTimeGiven(App& app) {
    const QString user = currentUser(app);
    SqliteRegistry& reg = app.store.registry();
    const quint64 readFailuresBefore = reg.readFailures();
    const Setting given = app.read(user, UserKeys::ExtraTimeGranted);
    const Setting period = app.read(user, UserKeys::LastStartDate);
    if (reg.readFailures() != readFailuresBefore) return true;
    return !given.isAbsent() && given.text() == period.text();
}

// The extra minutes go to the user, recorded with the period they were given in, and with the
// penalty for the next period. The seconds the question was up were counted: they are taken
// off the minutes. False when the store refused it: then no time was given.
bool grantExtraTime(App& app, const QString& minutes, bool subtract, int secondsAsked) {
    const QString user = currentUser(app);
    SqliteRegistry& reg = app.store.registry();
    const quint64 failuresBefore = reg.writeFailures();
    SettingsStore::Batch batch(app.store);
    app.write(user, UserKeys::ExtraTimeGranted, app.read(user, UserKeys::LastStartDate).text());
    if (subtract) app.write(user, UserKeys::SubtrTime, minutes);
    if (secondsAsked <= 0) {
        app.write(user, UserKeys::FreeMin, minutes);
    } else {
        bool ok = false;
        const long long offered = minutes.trimmed().toLongLong(&ok);
        const long long left = std::max(0LL, (ok ? std::clamp(offered, 0LL, 1LL << 40) : 0) * 60 - secondsAsked);
        const auto twoDigits = [](long long v) {
            return (v < 10 ? QStringLiteral("0") : QString()) + QString::number(v);
        };
        app.write(user, UserKeys::FreeSec, twoDigits(left % 60));
        app.write(user, UserKeys::FreeMin, twoDigits(left / 60));
    }
    if (!batch.commit() || reg.writeFailures() != failuresBefore) return false;
    // Seconds the store still owed from before the time-out are not taken off the extra time.
    app.model.unsavedCharges.erase(SessionUserName(app).toLower());
    return true;
}

// Puts a box of the time-out up: the time-out goes on with goOn when the box is answered or,
// unanswered, after kTimeOutBoxSeconds of the session's ticks.
void openTimeOutBox(App& app, const QString& text, MsgButtons buttons, std::function<void(MsgAnswer)> answered,
                    std::function<void()> goOn) {
    HoldShellRestrictions(app, true);
    app.model.session.timeOutBoxSeconds = 0;
    app.model.session.timeOutBox =
        app.model.openSessionBox(text, buttons, MsgIcon::Information, std::move(answered), [&app] {
            HoldShellRestrictions(app, false);
            app.model.session.timeOutBox = 0;
            app.model.session.timeOutGoesOn = nullptr;
        });
    app.model.session.timeOutGoesOn = std::move(goOn);
}

struct EndAction {
    const QString& value;
    unsigned flags;    // 0: back to the login window
    const char* words; // what happens, in the activity log
};
const char* const kBackToLogin = "back to the login window";
const char* const kNoEndAction = "no end action is set";
const std::array<EndAction, 4> kEndActions = {{
    {EndActions::ShutDownWindows, SystemExit::Shutdown, "the computer is switched off"},
    {EndActions::RestartWindows, SystemExit::Logoff, "the desktop session is ended"},
    {EndActions::RestartComputer, SystemExit::Reboot, "the computer is restarted"},
    {EndActions::DisplayTimeWardLogin, 0, kBackToLogin},
}};

// "Bob's time ran out; back to the login window": who, why, and what the end action does.
void logTimeOut(App& app, const QString& name, bool hoursEnded, const char* what) {
    WriteTimeOutLog(
        app, name + (hoursEnded ? QStringLiteral("'s login hours ended; ") : QStringLiteral("'s time ran out; ")) +
                 QLatin1String(what));
}

// A one-time user whose time is spent goes with the time-out; the log says so, as it does for a
// user a parent deletes.
void removeOneTimeUser(App& app, const QString& name) {
    if (DeleteUser(app, name))
        WriteConfigChangeLog(app, name + QStringLiteral(" was removed: a one-time user whose time ran out"));
}

// The end of the time-out, once its message is gone: the clock stops, the program starts and
// the end action runs.
void finishTimeOut(App& app, const QString& name, bool removeUser, bool hoursEnded) {
    const QString user = currentUser(app);
    RunSteps(app, QStringLiteral("HandleTimeOut"),
             {
                 [&] { app.model.stopClock(); },
                 [&] {
                     if (!app.read(user, UserKeys::LaunchProgram).is(1)) return;
                     const QString prog = app.read(user, UserKeys::LaunchProgramProg).text();
                     if (FileExists(app.paths(), prog)) app.platform.processStart->start(app.paths().native(prog));
                 },
                 [&] {
                     // End actions that cannot be read are no "no action": the session ends at
                     // the login window.
                     SqliteRegistry& reg = app.store.registry();
                     const quint64 readFailuresBefore = reg.readFailures();
                     app.read(user, UserKeys::TakeAction);
                     app.read(user, UserKeys::TakeActionDo);
                     if (reg.readFailures() != readFailuresBefore) {
                         logTimeOut(app, name, hoursEnded, kBackToLogin);
                         app.model.carryOutEndAction(EndActions::DisplayTimeWardLogin);
                         return;
                     }
                     if (!app.read(user, UserKeys::TakeAction).is(1)) {
                         logTimeOut(app, name, hoursEnded, kNoEndAction);
                         if (removeUser) removeOneTimeUser(app, name);
                         return;
                     }
                     for (const EndAction& action : kEndActions) {
                         if (!app.read(user, UserKeys::TakeActionDo, "").is(action.value)) continue;
                         // Written before the end action, which may take the machine down.
                         logTimeOut(app, name, hoursEnded, action.words);
                         if (removeUser) removeOneTimeUser(app, name);
                         if (action.flags != 0) {
                             app.platform.systemExit->exitWindows(action.flags);
                             return;
                         }
                         app.model.carryOutEndAction(action.value);
                         // On Wayland the login window cannot keep the desktop from the user: the
                         // desktop session is ended as well.
                         if (WaylandSession()) {
                             WriteActivityLog(app, QStringLiteral("The login window cannot hold the input on this "
                                                                  "Wayland desktop; the desktop session is ended."));
                             app.platform.systemExit->exitWindows(SystemExit::Logoff);
                         }
                         return;
                     }
                     logTimeOut(app, name, hoursEnded, kNoEndAction);
                 },
             });
}

// The user's time-out actions in their order: the list password is spent, the sound, the
// program and the end action, then the message. At the end of the
// login hours a one-time user keeps the time left and is not removed.
void timeOutActions(App& app, bool hoursEnded) {
    const QString user = currentUser(app);
    QString name;
    bool removeUser = false;
    std::optional<QString> message;
    if (!RunSteps(app, QStringLiteral("HandleTimeOut"),
                  {
                      [&] { name = app.read(user, UserKeys::Name).text(); },
                      [&] {
                          // The list password used for this login is spent.
                          if (!app.read(user, UserKeys::OptMult).is(QStringLiteral("True")) ||
                              !app.read(user, UserKeys::DisablePW, 1).is(1) || app.LoginPasswordIndex < 1)
                              return;
                          app.write(user, UserKeys::ListPasswordUsed(app.LoginPasswordIndex), 1);
                      },
                      [&] {
                          removeUser = !hoursEnded &&
                                       app.read(user, UserKeys::TimeBasedOn, "Unlimited").is(PeriodTypes::OneTime) &&
                                       app.read(user, UserKeys::OneTimeRemove, "0").is(1);
                      },
                      [&] {
                          if (!app.read(user, UserKeys::PlaySound).is(1)) return;
                          const QString file = app.read(user, UserKeys::PlaySoundSoundLocation).text();
                          if (FileExists(app.paths(), file) && !app.platform.sound->play(app.paths().native(file)))
                              WriteActivityLog(app, SoundNotPlayedText(app.paths().native(file)));
                      },
                      [&] {
                          if (app.read(user, UserKeys::DisplayMessage).is(1))
                              message = app.read(user, UserKeys::DisplayMessageText).text();
                      },
                  }))
        return;
    // The end comes at the time-out, not when the message is answered: a message left unanswered
    // would keep the session going. The message follows, over the login window when the end
    // action brought it back (the box takes the login window's grab while it is up).
    finishTimeOut(app, name, removeUser, hoursEnded);
    if (message) app.platform.messageBox->open(*message, kProgramTitle, MsgButtons::Ok, MsgIcon::Information, nullptr);
}

// Extra minutes, at most once in the user's period. False when the time-out goes on with its
// actions now.
bool offerExtraTime(App& app) {
    // Given already (and now run out too), or never to be given: this time-out ends the session.
    if (extraTimeGiven(app)) return false;
    const Offer offer = extraTimeOffer(app);
    if (offer == Offer::None) return false;
    const QString minutes = app.read(Sections::Config, GetAmmount).text();
    // A grant the store refused gives nothing: the time-out goes on.
    if (offer == Offer::Grant) return grantExtraTime(app, minutes, true, 0);
    const bool penalty = offer == Offer::AskPenalty;
    openTimeOutBox(
        app, ExtraTimeQuestion(minutes, penalty), MsgButtons::YesNo,
        [&app, minutes, penalty](MsgAnswer a) {
            // The seconds the question was up stay counted once it is gone.
            bool granted = false;
            if (a == MsgAnswer::Yes)
                RunStep(app, QStringLiteral("HandleTimeOut"),
                        [&] { granted = grantExtraTime(app, minutes, penalty, app.model.session.timeOutBoxSeconds); });
            if (!granted) timeOutActions(app, false);
        },
        [&app] { timeOutActions(app, false); });
    return true;
}
} // namespace

void HandleTimeOut(App& app) {
    // A warning (or login message) still up goes with the time it warned of.
    app.model.closeSessionBoxes();
    bool goesOn = false;
    if (!RunStep(app, QStringLiteral("HandleTimeOut"), [&] { goesOn = offerExtraTime(app); })) return;
    if (!goesOn) timeOutActions(app, false);
}

void HandleHoursEnd(App& app) {
    app.model.closeSessionBoxes();
    timeOutActions(app, true);
}
