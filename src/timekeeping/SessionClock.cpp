#include "timekeeping/SessionClock.h"

#include "core/App.h"
#include "core/ErrorPrompt.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "restrictions/ShellRestrictions.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/LoginHours.h"
#include "timekeeping/Periods.h"
#include "timekeeping/TimeFields.h"
#include "timekeeping/TimeOut.h"
#include "timekeeping/UsageHistory.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QCoreApplication>
#include <algorithm>
#include <functional>

const QString kThreeMinuteWarning = QString::fromUtf8(
    QT_TRANSLATE_NOOP("SessionClock", "You have 3 minutes before you run out of time.  It is recommended to close down "
                                      "any applications you are currently running."));

namespace {
QString twoDigits(long long v) {
    return v < 10 ? QStringLiteral("0") + QString::number(v) : QString::number(v);
}

// A free time in seconds; parts beyond a million hours count as that, so nothing overflows.
long long totalSeconds(long long h, long long m, long long s) {
    const auto part = [](long long v) { return std::clamp(v, -1'000'000'000'000LL, 1'000'000'000'000LL); };
    return part(h) * 3600 + part(m) * 60 + part(s);
}

bool isUnlimited(App& app, const QString& section) {
    return app.read(section, UserKeys::TimeBasedOn, "None").is(PeriodTypes::Unlimited);
}

// The three-minute warning, opened without waiting: the clock counts on while it is up. One
// at a time. When the time left runs out (not the login hours, which more minutes do not lift),
// a user without parent rights may ask for more time from it.
void openWarning(App& app, bool timeLeft) {
    if (app.model.session.warningBox != 0) return;
    const bool offer =
        timeLeft && app.model.canAskForMoreTime() &&
        app.read(Sections::User(app.CurrentUserNumber), UserKeys::ParentRights, UserDefaults::ParentRights).is(0);
    HoldShellRestrictions(app, true);
    app.model.session.warningBox = app.model.openSessionBox(
        QCoreApplication::translate("SessionClock", qUtf8Printable(kThreeMinuteWarning)), MsgButtons::Ok,
        MsgIcon::Information,
        [&app](MsgAnswer a) {
            if (a == MsgAnswer::Extra) app.model.askForMoreTime();
        },
        [&app] {
            HoldShellRestrictions(app, false);
            app.model.session.warningBox = 0;
        },
        offer ? QCoreApplication::translate("SessionClock", "Ask for &More Time…") : QString());
}

// A time-out waiting for its box: its seconds run, and without an answer in time it goes on.
void waitForTimeOutBox(App& app, qint64 seconds) {
    app.model.session.timeOutBoxSeconds += static_cast<int>(std::min<qint64>(seconds, kTimeOutBoxSeconds));
    if (app.model.session.timeOutBoxSeconds < kTimeOutBoxSeconds) return;
    const std::function<void()> goOn = app.model.session.timeOutGoesOn;
    app.model.closeSessionBox(app.model.session.timeOutBox);
    if (goOn) goOn();
}
// A refused write reaches the activity log once for each run of refusals, and the person at
// the computer once in the session; the time is still counted and written at the next tick.
void reportRefusedWrite(App& app, const QString& why) {
    SessionModel::SessionAccount& account = app.model.sessionAccount;
    if (!account.failureLogged) {
        account.failureLogged = true;
        RunStep(app, QStringLiteral("TickUserTime"), [&] {
            WriteActivityLog(app, QStringLiteral("The time left of ") + SessionUserName(app) +
                                      QStringLiteral(" could not be saved (") + why +
                                      QStringLiteral("); it is still counted and saved as soon as the store "
                                                     "accepts it."));
        });
    }
    if (account.failureShown) return;
    account.failureShown = true;
    // A box of the session: it never holds the clock.
    app.model.openSessionBox(QCoreApplication::translate("SessionClock", qUtf8Printable(kTimeNotSavedMessage)) +
                                 QStringLiteral("\n\n") + why,
                             MsgButtons::Ok, MsgIcon::Exclamation);
}

void writeHeartbeat(App& app, const QString& user) {
    app.write(user, UserKeys::LastTickBoot, QString::number(app.platform.clock->boottimeMs()));
    app.write(user, UserKeys::LastTickBootId, app.platform.clock->bootId());
}

void clearHeartbeat(App& app, const QString& user) {
    const QString path = SettingsStore::SectionPath(kAppName, user);
    SettingsStore::Batch batch(app.store);
    app.store.DeleteRegistryValue(RegRoot::LocalMachine, path, UserKeys::LastTickBoot);
    app.store.DeleteRegistryValue(RegRoot::LocalMachine, path, UserKeys::LastTickBootId);
}
} // namespace

const QString kTimeNotSavedMessage = QString::fromUtf8(
    QT_TRANSLATE_NOOP("SessionClock", "TimeWard cannot save the time left right now. The time is still counted, and "
                                      "it is saved as soon as the settings store accepts it."));

void TickUserTime(App& app) {
    SessionModel::SessionAccount& account = app.model.sessionAccount;
    // Real time on the monotonic clock: a stalled program is charged for the whole stall when
    // it runs again, a suspended machine is not. The first tick of a session charges the one
    // second its timer waited.
    // A timer that fires a few milliseconds early still charges its second: otherwise that
    // second would wait a whole tick, and a kill in that tick would lose it.
    constexpr qint64 kEarlyFiringMs = 50;
    const qint64 nowMs = app.platform.clock->monotonicMs();
    if (account.lastChargeMs < 0 || nowMs + kEarlyFiringMs < account.lastChargeMs) {
        const qint64 left = account.leftSeconds;
        account = SessionModel::SessionAccount{};
        account.leftSeconds = left;
        account.lastChargeMs = nowMs - 1000;
    }
    const qint64 elapsed = (nowMs - account.lastChargeMs + kEarlyFiringMs) / 1000;
    account.lastChargeMs += elapsed * 1000; // the part of a second waits for the next tick

    if (app.model.session.timeOutBox != 0) {
        // The heartbeat goes on while the box waits: the session is still open.
        RunSteps(app, QStringLiteral("TickUserTime"),
                 {[&] { RecountUsers(app); },
                  [&] {
                      if (app.CurrentUserNumber > 0) writeHeartbeat(app, Sections::User(app.CurrentUserNumber));
                  },
                  [&] { waitForTimeOutBox(app, elapsed); }});
        return;
    }
    // A lock held by another process costs this tick a moment, not the window's freedom.
    SqliteRegistry::ShortWait shortWait(app.store.registry());
    QString user;
    QString owedKey; // the user's name in lower case, for the seconds the store has not taken
    bool stop = false;
    bool spent = false;
    long long s = 0, m = 0, h = 0;
    qint64 sinceStored = 0; // seconds counted since the store last took the time
    long long before = 0;   // the time left that the store holds
    // Writes the time counted so far; what the store refuses stays owed for the next tick.
    auto save = [&] {
        SqliteRegistry& reg = app.store.registry();
        const quint64 failuresBefore = reg.writeFailures();
        bool ok = false;
        {
            // One transaction: another copy sees the whole new time or the old one.
            SettingsStore::Batch batch(app.store);
            app.write(user, UserKeys::FreeSec, spent ? QStringLiteral("00") : twoDigits(s));
            app.write(user, UserKeys::FreeMin, spent ? QStringLiteral("00") : twoDigits(m));
            app.write(user, UserKeys::FreeHours, spent ? QStringLiteral("00") : twoDigits(h));
            // The day's usage and a leave from the login hours go in the same transaction.
            const long long after = spent ? 0 : totalSeconds(h, m, s);
            AddUsageSeconds(app, app.read(user, UserKeys::Name).text(), before - after);
            UseHoursException(app, app.CurrentUserNumber, before - after);
            writeHeartbeat(app, user);
            ok = batch.commit() && reg.writeFailures() == failuresBefore;
            if (ok) before = after;
        }
        if (ok) {
            sinceStored = 0;
            app.model.unsavedCharges.erase(owedKey);
            account.failureLogged = false;
            return;
        }
        app.model.unsavedCharges[owedKey] = sinceStored;
        reportRefusedWrite(app, reg.lastError());
    };
    RunSteps(
        app, QStringLiteral("TickUserTime"),
        {
            [&] { CheckTimePeriods(app); }, // counts the users first
            [&] {
                // Deletions may have moved the logged-in user to another number.
                stop = FindCurrentUser(app) < 1;
                user = Sections::User(app.CurrentUserNumber);
                owedKey = (app.sessionUserName.isEmpty() ? app.read(user, UserKeys::Name).text() : app.sessionUserName)
                              .toLower();
            },
            [&] {
                // The login hours hold during the session too (never for a parent), with
                // the same warning first; unlimited time does not lift them. A parent's
                // leave from them runs first.
                if (stop || app.read(user, UserKeys::ParentRights, UserDefaults::ParentRights).is(1)) return;
                long long until = SecondsUntilHoursDeny(app, app.CurrentUserNumber, app.platform.clock->timeOfDay());
                if (until == 0) until = HoursExceptionLeft(app, app.CurrentUserNumber);
                if (until == 0) {
                    stop = true;
                    HandleHoursEnd(app);
                } else if (until > 0 && until <= kWarningSeconds && !app.model.session.hoursWarned &&
                           app.read(Sections::Config, ConfigKeys::ThreeMinWarn).is(1)) {
                    app.model.session.hoursWarned = true;
                    openWarning(app, false);
                }
            },
            [&] {
                if (stop || !isUnlimited(app, user)) return;
                stop = true;
                app.model.unsavedCharges.erase(owedKey); // unlimited time owes nothing
                // Unlimited time is not counted, but a leave from the login hours still runs out.
                UseHoursException(app, app.CurrentUserNumber, elapsed);
            },
            [&] {
                if (stop) return;
                const quint64 readFailuresBefore = app.store.registry().readFailures();
                FreeTime left = ReadFreeTime(app, user);
                if (app.store.registry().readFailures() != readFailuresBefore) {
                    // A time that cannot be read is what this session last counted, or none
                    // at all: never more.
                    const qint64 stored = std::max<qint64>(0, account.leftSeconds) + app.model.unsavedSeconds(owedKey);
                    left = FreeTime{stored / 3600, stored / 60 % 60, stored % 60};
                }
                h = left.hours;
                m = left.minutes;
                s = left.seconds;
                before = totalSeconds(h, m, s);
            },
            [&] {
                if (stop) return;
                // The seconds owed from refused writes are counted again from the stored time
                // (their warning was checked when they were first counted), then the new ones.
                const qint64 owed = app.model.unsavedSeconds(owedKey);
                const bool warnOn = app.read(Sections::Config, ConfigKeys::ThreeMinWarn).is(1);
                for (qint64 i = 0; i < owed + elapsed && !spent; ++i) {
                    // Checked before counting, so it fires exactly when a second begins at 0:03:00.
                    if (i >= owed && warnOn && h == 0 && m == 3 && s == 0) {
                        if (sinceStored > 0) save();
                        openWarning(app, true);
                    }
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
                    ++sinceStored;
                    spent = s <= 0 && m <= 0 && h <= 0;
                }
            },
            [&] {
                if (stop || sinceStored == 0) return;
                account.leftSeconds = spent ? 0 : totalSeconds(h, m, s);
                save();
                if (spent) HandleTimeOut(app);
            },
        });
}

QString TimeLeftText(App& app) {
    const QString user = Sections::User(app.CurrentUserNumber);
    if (isUnlimited(app, user)) return PeriodTypeLabel(PeriodTypes::Unlimited);
    return FreeTimeText(app, app.CurrentUserNumber);
}

void PauseSessionClock(App& app, bool paused) {
    if (paused) {
        if (app.CurrentUserNumber > 0) clearHeartbeat(app, Sections::User(app.CurrentUserNumber));
        return;
    }
    // The first tick after counting resumes charges the one second its timer waited.
    app.model.sessionAccount.lastChargeMs = -1;
}

void EndSessionClock(App& app) {
    if (app.CurrentUserNumber > 0) clearHeartbeat(app, Sections::User(app.CurrentUserNumber));
}

void ChargeOpenSessions(App& app) {
    const Clock& clock = *app.platform.clock;
    // The records as they stand (the start has not counted them yet, nor migrated the store).
    for (int n = 1; !app.read(Sections::User(n), UserKeys::Name).text().isEmpty(); ++n) {
        const QString user = Sections::User(n);
        const Setting lastBoot = app.read(user, UserKeys::LastTickBoot);
        if (lastBoot.isAbsent()) continue;
        const QString bootId = app.read(user, UserKeys::LastTickBootId).text();
        const std::optional<long long> lastMs = lastBoot.number();
        const qint64 nowMs = clock.boottimeMs();
        const long long seconds =
            bootId == clock.bootId() && !bootId.isEmpty() && lastMs && *lastMs <= nowMs ? (nowMs - *lastMs) / 1000 : 0;
        const QString name = app.read(user, UserKeys::Name).text();
        SettingsStore::Batch batch(app.store);
        if (seconds > 0 && !isUnlimited(app, user)) {
            const long long before = std::max(0LL, ReadFreeTime(app, user).total());
            const long long after = std::max(0LL, before - seconds);
            app.write(user, UserKeys::FreeHours, twoDigits(after / 3600));
            app.write(user, UserKeys::FreeMin, twoDigits(after / 60 % 60));
            app.write(user, UserKeys::FreeSec, twoDigits(after % 60));
            AddUsageSeconds(app, name, before - after);
            WriteActivityLog(app, QStringLiteral("The session of %1 was left open without its clock (the program "
                                                 "was stopped or killed): %2 seconds since its last tick were charged.")
                                      .arg(name)
                                      .arg(seconds));
        }
        clearHeartbeat(app, user);
    }
}
