#pragma once

#include <QString>

class App;

// One tick of the logged-in user's session: renews due periods, finds the user again by name,
// counts the stored free time down by the whole seconds that really passed on the monotonic
// clock since the last tick (a stalled program is charged for the stall, a suspended machine
// is not), shows the three-minute warning when a second begins at 0:03:00 and hands over to
// the time-out when the time is spent. A write the store refuses is kept as owed and charged
// again with the next write it takes. The warning is opened without waiting, so the clock
// counts on while it is up. The login hours hold too: a user who is not a parent is warned
// three minutes before they end and then timed out (HandleHoursEnd). While a time-out waits
// for its box, the step only counts the box's seconds.
void TickUserTime(App& app);

// Counting is switched off or on again in the session (the main window's "Enabled"): the
// time while it is off is never charged, and no heartbeat says a session runs meanwhile.
void PauseSessionClock(App& app, bool paused);

// The session ends in order: its heartbeat goes, so that the next start charges nothing.
void EndSessionClock(App& app);

// At start, before anything else: a session left open by a copy that was stopped or killed in
// this boot is charged the seconds since its last tick (on the boot-time clock), and the
// activity log says so. A heartbeat from an earlier boot is only cleared.
void ChargeOpenSessions(App& app);

// The warning comes this many seconds before the time or the login hours end.
inline constexpr long long kWarningSeconds = 180;

// The current user's remaining time as the time-remaining window shows it: the stored
// hours, minutes and seconds joined by ":", or "Unlimited".
QString TimeLeftText(App& app);

// The three-minute warning's text.
extern const QString kThreeMinuteWarning;
// Shown once in a session when the store refuses the session clock's write.
extern const QString kTimeNotSavedMessage;
