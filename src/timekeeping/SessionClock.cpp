#include "timekeeping/SessionClock.h"

#include "core/App.h"
#include "core/ErrorPrompt.h"
#include "login/LoginValidation.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "restrictions/ShellRestrictions.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "timekeeping/TimeOut.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <functional>

const QString kThreeMinuteWarning =
    QStringLiteral("You have 3 minutes before you run out of time.  It is recommended to close down any "
                   "applications you are currently running.");

namespace {
QString twoDigits(long long v) {
    return v < 10 ? QStringLiteral("0") + QString::number(v) : QString::number(v);
}

bool isUnlimited(App& app, const QString& section) {
    return app.read(section, UserKeys::TimeBasedOn, "None").is(PeriodTypes::Unlimited);
}

// The three-minute warning, opened without waiting: the clock counts on while it is up. One
// at a time.
void openWarning(App& app) {
    if (app.session.warningBox != 0) return;
    HoldShellRestrictions(app, true);
    app.session.warningBox = app.openSessionBox(kThreeMinuteWarning, MsgButtons::Ok, MsgIcon::Information, {}, [&app] {
        HoldShellRestrictions(app, false);
        app.session.warningBox = 0;
    });
}

// A time-out waiting for its box: its seconds run, and without an answer in time it goes on.
void waitForTimeOutBox(App& app) {
    if (++app.session.timeOutBoxSeconds < kTimeOutBoxSeconds) return;
    const std::function<void()> goOn = app.session.timeOutGoesOn;
    app.closeSessionBox(app.session.timeOutBox);
    if (goOn) goOn();
}
} // namespace

void TickUserTime(App& app) {
    if (app.session.timeOutBox != 0) {
        RunStep(app, QStringLiteral("TickUserTime"), [&] { waitForTimeOutBox(app); });
        return;
    }
    QString user;
    bool stop = false;
    long long s = 0, m = 0, h = 0;
    RunSteps(app, QStringLiteral("TickUserTime"),
             {
                 [&] { RecountUsers(app); },
                 [&] { CheckTimePeriods(app); },
                 [&] {
                     // Deletions may have moved the logged-in user to another number.
                     stop = FindCurrentUser(app) < 1;
                     user = Sections::User(app.CurrentUserNumber);
                 },
                 [&] {
                     // The login hours hold during the session too (never for a parent), with
                     // the same warning first; unlimited time does not lift them.
                     if (stop || app.read(user, UserKeys::ParentRights, UserDefaults::ParentRights).is(1)) return;
                     const long long until =
                         SecondsUntilHoursDeny(app, app.CurrentUserNumber, app.platform.clock->now().time());
                     if (until == 0) {
                         stop = true;
                         HandleHoursEnd(app);
                     } else if (until > 0 && until <= kWarningSeconds && !app.session.hoursWarned &&
                                app.read(Sections::Config, ConfigKeys::ThreeMinWarn).is(1)) {
                         app.session.hoursWarned = true;
                         openWarning(app);
                     }
                 },
                 [&] { stop = stop || isUnlimited(app, user); },
                 [&] {
                     if (stop) return;
                     const FreeTime left = ReadFreeTime(app, user);
                     h = left.hours;
                     m = left.minutes;
                     s = left.seconds;
                 },
                 [&] {
                     // Checked before counting, so it fires exactly when a step begins at 0:03:00.
                     if (stop || !(h == 0 && m == 3 && s == 0) ||
                         !app.read(Sections::Config, ConfigKeys::ThreeMinWarn).is(1))
                         return;
                     openWarning(app);
                 },
                 [&] {
                     if (stop) return;
                     // Borrows only when a field goes below zero: 0:60:00 becomes 0:59:59.
                     s -= 1;
                     if (s < 0) {
                         s = 59;
                         m -= 1;
                     }
                     if (m < 0) {
                         m = 59;
                         h -= 1;
                     }
                     if (h < 0) h = m = s = 0;
                 },
                 [&] {
                     if (stop) return;
                     const bool spent = s <= 0 && m <= 0 && h <= 0;
                     {
                         // One transaction: another copy sees the whole new time or the old one.
                         SettingsStore::Batch batch(app.store);
                         app.write(user, UserKeys::FreeSec, spent ? QStringLiteral("00") : twoDigits(s));
                         app.write(user, UserKeys::FreeMin, spent ? QStringLiteral("00") : twoDigits(m));
                         app.write(user, UserKeys::FreeHours, spent ? QStringLiteral("00") : twoDigits(h));
                     }
                     if (spent) HandleTimeOut(app);
                 },
             });
}

QString TimeLeftText(App& app) {
    const QString user = Sections::User(app.CurrentUserNumber);
    if (isUnlimited(app, user)) return PeriodTypes::Unlimited;
    return app.read(user, UserKeys::FreeHours).text() + QLatin1Char(':') + app.read(user, UserKeys::FreeMin).text() +
           QLatin1Char(':') + app.read(user, UserKeys::FreeSec).text();
}
