#pragma once

#include <QString>

class App;

// One tick of the logged-in user's session: renews due periods, counts the stored free time
// down by the whole seconds that really passed on the monotonic clock since the last tick
// (a stalled program is charged for the stall), shows the three-minute warning when a second
// begins at 0:03:00 and hands over to the time-out when the time is spent. A write the store
// refuses is kept as owed and charged again with the next tick's write.
void TickUserTime(App& app);

// The current user's remaining time as the time-remaining window shows it: the stored
// hours, minutes and seconds joined by ":", or "Unlimited".
QString TimeLeftText(App& app);

// The three-minute warning's text.
extern const QString kThreeMinuteWarning;
// Shown once in a session when the store refuses the session clock's write.
extern const QString kTimeNotSavedMessage;
