#pragma once

#include <QString>

class App;

// One second of the logged-in user's session: renews due periods, shows the three-minute
// warning when the step begins at 0:03:00, counts the stored free time down by one second
// and hands over to the time-out when it is spent. The stored time is the only state.
void TickUserTime(App& app);

// The current user's remaining time as the time-remaining window shows it: the stored
// hours, minutes and seconds joined by ":", or "Unlimited".
QString TimeLeftText(App& app);

// The three-minute warning's text.
extern const QString kThreeMinuteWarning;
