#pragma once

#include "storage/Setting.h"

#include <QDate>
#include <QString>
#include <optional>

class App;

// Renews every user whose allowance period has ended (daily, weekly from Sunday, monthly);
// "Unlimited", "One Time" and unknown types are left alone. A record without "Time Based On"
// is daily. Periods end by real time (PeriodClockToday), and a period start that lies after
// today is set back to the current period's start without refilling the allowance.
void CheckTimePeriods(App& app);

// The day the period check goes by, from the time it goes by. Within one boot it is the wall time last trusted plus
// the boot-time clock's advance since (a suspend included), and the wall clock itself only
// while it agrees with that: a wall clock set ahead by more than a few minutes, or back, is a
// clock change, logged once to the activity log with both times, and gives no renewal.
// After a new boot the wall clock is trusted again: the machine may have been off for days.
QDate PeriodClockToday(App& app);
// How far the wall clock may run ahead of real time before it counts as moved.
inline constexpr qint64 kClockChangeToleranceMs = 5 * 60 * 1000;

// The start to write instead of a stored start that lies after today (left by a clock that was
// once set ahead): today for "Daily", this week's Sunday for "Weekly"; nullopt otherwise.
std::optional<QString> StartSetBack(const QString& type, const Setting& lastStart, const QDate& today);

// Whether the period that began at lastStart ("LastStartDate") has ended on today for this
// period type (compared without regard to case; an unknown type never ends): the new
// "LastStartDate" to write with the renewal, or nullopt while the period runs.
std::optional<QString> RenewalDue(const QString& type, const Setting& lastStart, const QDate& today);

// The first day after today on which the check will renew that period, at 0:00; an invalid
// date for the types that are never renewed. The second form reads user n's record.
QDate NextRenewalDay(const QString& type, const Setting& lastStart, const QDate& today);
QDate NextRenewalDay(App& app, int n);

// When user n's time is renewed next, as a refused login and the status window say it:
// "Your time renews tomorrow at 0:00.", "... on Sunday at 0:00.", "... on the 1st at 0:00.",
// or "Your time is not renewed." for the types that never are.
QString NextRenewalText(App& app, int n);
// The day part alone: "tomorrow", "on Sunday", "on the 1st"; empty for an invalid day. The
// second form for user n's next renewal (empty when the user's time is never renewed).
QString RenewalDayPhrase(const QString& type, const QDate& day, const QDate& today);
// A stored period type ("Daily", "Weekly", "Monthly", "Unlimited", "One Time") as a person reads
// it, in the desktop's language; any other text as it is.
QString PeriodTypeLabel(const QString& type);
QString NextRenewalPhrase(App& app, int n);

// The period-start value "LastStartDate" holds for a period type, for today: the date for
// "Daily", the most recent Sunday for "Weekly", the month text for "Monthly", empty otherwise.
QString CurrentPeriodStart(App& app, const QString& periodType);
QString CurrentPeriodStart(const QDate& today, const QString& periodType);

// The monthly period's mark: the month from the head of the stored date text ("2" for
// 2/9/1998, "12" for 12/5/1998).
QString MonthText(const QDate& date);

// The Sunday that began the week of date (date itself on a Sunday).
QDate WeekStart(const QDate& date);

// A user's free time as its three stored fields ("FreeHours", "FreeMin", "FreeSec") read by
// the one number rule. What the user has is the sum of the fields: a total of 0 or less is no
// time at all (every field 0), and a positive total with a negative field is carried so that
// every field is 0 or more ("-1", "90", "0" is 0:30:00). Fields that are all 0 or more are kept
// as stored ("0", "60", "0" stays 0:60:00). The login's check and the session clock both read
// the time so.
struct FreeTime {
    long long hours = 0;
    long long minutes = 0;
    long long seconds = 0;
    long long total() const { return hours * 3600 + minutes * 60 + seconds; }
};
FreeTime ReadFreeTime(App& app, const QString& userSection);

// Copies user n's allowance into the free time verbatim, then applies the pending
// "SubtrTime" deduction.
void RenewUser(App& app, int n);

// Takes the pending "SubtrTime" minutes off user n's free time (never below 0:0:0) and
// clears it; nothing when none is pending.
void ApplyPendingDeduction(App& app, int n);

// The store part of the forced renewal ("Refresh Time Period"): what happened, so that the
// pick-user dialog can show its message.
enum class RefreshOutcome {
    Renewed,      // a daily, weekly or monthly user: renewed, "LastStartDate" set
    NotRenewable, // "One Time" (or another type): only the pending deduction applied
    Unlimited,    // "That user has unlimited time!"; nothing changed
    EmptyName,    // "Please Enter A User Name"; nothing changed
    NoSuchUser,   // "That User Does Not Exist!"; nothing changed
};
RefreshOutcome RefreshTimePeriodStore(App& app, const QString& name);
