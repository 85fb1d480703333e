#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>
#include <optional>

class App;

// The login hours: the rules of the user editor's "Time Restriction" that allow or deny logins
// by the hour, asked by the login check and every second by the session clock, and a parent's
// leave from them.

// One login-hour rule as the editor shows it: "From begin Till end", "Allow" or "Deny".
struct HourRule {
    long long begin = 0;
    long long end = 0;
    QString type;
};

// The hour a parent typed as a rule's begin or end, as stored (0-23): "20", "20:00", "8 pm",
// "8:00 p.m." and "20.9" (its whole hour) all read as 20. "24" and "24:00", the end of the day,
// read as 0, which a rule's end holds as midnight ("20 - 0" holds 20 to 23). Minutes other than
// ":00", and anything else that is no hour of the day, read as nothing.
std::optional<int> ParseRuleHour(const QString& typed);

// A rule's stored type ("Allow", "Deny") in the reader's words; any other text as stored.
QString RuleTypeLabel(const QString& type);

// User n's stored rules in their order. The rules end where the stored rules end, however
// large "Time Restriction Ammt" is.
QList<HourRule> ReadHourRules(App& app, int n);

// Whether the rule holds the hour (0-23): from its begin hour up to, not including, its end
// hour. A rule that begins later than it ends runs on past midnight (21 to 7 holds 23 and 3,
// not 7); one that ends where it begins holds the whole day.
bool RuleHoldsHour(const HourRule& rule, int hour);

// Whether the rules deny the hour: the last rule that holds it decides; with none it is allowed.
bool HoursDeny(const QList<HourRule>& rules, int hour);

// How many hours from hour on (0: this hour, up to 23) until the first hour whose answer is
// deny; -1 when no hour of the day gives that answer.
int HoursUntil(const QList<HourRule>& rules, int hour, bool deny);

// Whether user n's login hours deny the hour: "Time Restriction" is on and its rules deny it.
// The login check and the running session both ask this.
bool LoginHoursDeny(App& app, int n, int hour);

// Whether user n's login hours deny a login now: the rules are on, they deny this hour, and no
// leave given by a parent is running.
bool LoginHoursDenyNow(App& app, int n);

// The start of the next hour at which user n's rules allow a login, within the next day.
std::optional<QDateTime> NextAllowedLogin(App& app, int n, const QDateTime& now);

// A parent's leave from user n's login hours ("Hours Exception Seconds"/"... Period"): runs
// while seconds of it are left and the period it was given in lasts. The session clock uses
// it up with the seconds it charges.
bool HoursExceptionActive(App& app, int n);
long long HoursExceptionLeft(App& app, int n); // 0 when none runs
void UseHoursException(App& app, int n, long long seconds);
// Adds seconds to the leave, for the current period.
void GiveHoursException(App& app, int n, long long seconds);

// Seconds from now until user n's login hours next deny (0 when they deny now); -1 when they
// never do.
long long SecondsUntilHoursDeny(App& app, int n, const QTime& now);
