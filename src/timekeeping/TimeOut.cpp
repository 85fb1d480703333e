#include "timekeeping/TimeOut.h"

#include "core/App.h"
#include "core/ErrorPrompt.h"
#include "platform/MessageBox.h"
#include "platform/ProcessStart.h"
#include "platform/Sound.h"
#include "platform/SystemExit.h"
#include "restrictions/ShellRestrictions.h"
#include "storage/ConfigKeys.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <array>

using namespace ConfigKeys;

QString ExtraTimeQuestion(const QString& minutes, bool penalty) {
    return QStringLiteral("You have run out of time.  However, you may choose to have an extra ") + minutes +
           (penalty ? QStringLiteral(" minutes before you have to log off.  You will have this ammount taken away "
                                     "from you at the start of the next time period.  Do you wish to have the "
                                     "extra minutes?")
                    : QStringLiteral(" minutes before you have to log off.  There will be no penalty for doing "
                                     "this.  Do you wish to have the extra minutes?"));
}

namespace {
void stopController(App& app) {
    if (app.ui.setControllerTimer) app.ui.setControllerTimer(false);
}

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

// Extra minutes, at most once in a row. True when they were given and the session goes on.
bool giveExtraTime(App& app, const QString& user) {
    if (app.ExtraTimeGranted) {
        // The extra minutes have run out too: this time-out ends the session.
        app.ExtraTimeGranted = false;
        return false;
    }
    const Offer offer = extraTimeOffer(app);
    if (offer == Offer::None) return false;
    const QString minutes = app.read(Sections::Config, GetAmmount).text();
    if (offer != Offer::Grant) {
        HoldShellRestrictions(app, true);
        const MsgAnswer a = app.platform.messageBox->show(ExtraTimeQuestion(minutes, offer == Offer::AskPenalty),
                                                          kProgramTitle, MsgButtons::YesNo, MsgIcon::Information);
        HoldShellRestrictions(app, false);
        if (a != MsgAnswer::Yes) return false;
    }
    app.ExtraTimeGranted = true;
    SettingsStore::Batch batch(app.store);
    app.write(user, UserKeys::FreeMin, minutes);
    if (offer != Offer::Ask) app.write(user, UserKeys::SubtrTime, minutes);
    return true;
}

struct EndAction {
    const QString& value;
    unsigned flags; // 0: back to the login window
};
const std::array<EndAction, 4> kEndActions = {{
    {EndActions::ShutDownWindows, SystemExit::Shutdown},
    {EndActions::RestartWindows, SystemExit::Logoff},
    {EndActions::RestartComputer, SystemExit::Reboot},
    {EndActions::DisplayTimeWardLogin, 0},
}};
} // namespace

void HandleTimeOut(App& app) {
    const QString user = Sections::User(app.CurrentUserNumber);
    bool extended = false;
    QString name;
    bool removeUser = false;
    RunSteps(app, QStringLiteral("HandleTimeOut"),
             {
                 [&] { extended = giveExtraTime(app, user); },
                 [&] {
                     if (!extended) stopController(app);
                 },
                 [&] {
                     if (!extended) name = app.read(user, UserKeys::Name).text();
                 },
                 [&] {
                     // The list password used for this login is spent.
                     if (extended || !app.read(user, UserKeys::OptMult).is(QStringLiteral("True")) ||
                         !app.read(user, UserKeys::DisablePW, 1).is(1) || app.LoginPasswordIndex < 1)
                         return;
                     app.write(user, UserKeys::ListPasswordUsed(app.LoginPasswordIndex), 1);
                 },
                 [&] {
                     if (!extended)
                         removeUser = app.read(user, UserKeys::TimeBasedOn, "Unlimited").is(PeriodTypes::OneTime) &&
                                      app.read(user, UserKeys::OneTimeRemove, "0").is(1);
                 },
                 [&] {
                     if (extended || !app.read(user, UserKeys::PlaySound).is(1)) return;
                     const QString file = app.read(user, UserKeys::PlaySoundSoundLocation).text();
                     if (FileExists(app.paths(), file)) app.platform.sound->play(app.paths().native(file));
                 },
                 [&] {
                     if (extended || !app.read(user, UserKeys::DisplayMessage).is(1)) return;
                     HoldShellRestrictions(app, true);
                     app.platform.messageBox->show(app.read(user, UserKeys::DisplayMessageText).text(), kProgramTitle,
                                                   MsgButtons::Ok, MsgIcon::Information);
                     HoldShellRestrictions(app, false);
                 },
                 [&] {
                     if (extended || !app.read(user, UserKeys::LaunchProgram).is(1)) return;
                     const QString prog = app.read(user, UserKeys::LaunchProgramProg).text();
                     if (FileExists(app.paths(), prog)) app.platform.processStart->start(app.paths().native(prog));
                 },
                 [&] {
                     if (extended) return;
                     if (!app.read(user, UserKeys::TakeAction).is(1)) {
                         if (removeUser) {
                             DeleteUser(app, name);
                         }
                         return;
                     }
                     for (const EndAction& action : kEndActions) {
                         if (!app.read(user, UserKeys::TakeActionDo, "").is(action.value)) continue;
                         if (removeUser) DeleteUser(app, name);
                         if (action.flags != 0)
                             app.platform.systemExit->exitWindows(action.flags);
                         else if (app.ui.returnToLogin)
                             app.ui.returnToLogin();
                         return;
                     }
                 },
             });
}
