#pragma once

#include <QDate>
#include <QList>
#include <QString>

class App;

// How long each user was charged on each day, for the parents' usage view and report. Kept
// below "History\<user name>", one value per day named "yyyy-mm-dd" holding the seconds.

// The value name of a day: "2026-03-04".
QString UsageDayName(const QDate& day);

// Adds seconds to the user's total for today. Joins the caller's transaction, so a tick's
// time and its history are one commit. The first entry of a day prunes every user's days
// older than a year.
void AddUsageSeconds(App& app, const QString& userName, long long seconds);

// The seconds the user was charged on day (0 when nothing is recorded).
long long UsageSeconds(App& app, const QString& userName, const QDate& day);

// Removes, for every user, the days before today minus one year.
void PruneUsageHistory(App& app, const QDate& today);

// A renamed user keeps the history (nothing when only the letter case changed); a deleted
// user's history goes with the user.
void RenameUsageHistory(App& app, const QString& oldName, const QString& newName);
void DeleteUsageHistory(App& app, const QString& userName);

// What the usage view and the weekly usage report show, per user in user order: the seconds
// of each of the last days (oldest first, today last), the allowance as seconds a day (a
// weekly allowance spread over 7 days, a monthly one over the month's days; -1 for the types
// without an allowance), and the total and daily average of the last 7 days.
struct UsageRow {
    QString name;
    QString basedOn;
    QList<long long> seconds;
    long long allowancePerDay = -1;
    long long weekTotal = 0;
    long long weekAverage = 0;
};
struct UsageOverview {
    QDate today;
    int days = 0;
    QList<UsageRow> rows;
    QDate firstDay() const { return today.addDays(1 - days); }
    // The top of the common scale: the largest day or allowance of any user (at least an
    // hour) and an eighth more.
    long long scaleSeconds() const;
};
UsageOverview BuildUsageOverview(App& app, const QDate& today, int days = 14);

// Seconds as hours and minutes: "0:00", "1:05", "12:30".
QString UsageHoursMinutes(long long seconds);
