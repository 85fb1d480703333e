#include "timekeeping/UsageHistory.h"

#include "core/App.h"
#include "platform/Clock.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <algorithm>

namespace {
QString historyPath(const QString& name) {
    return SettingsStore::SectionPath(kAppName, Sections::UserHistory(name));
}

QDate dayOf(const QString& valueName) {
    return QDate::fromString(valueName, QStringLiteral("yyyy-MM-dd"));
}

// The key's own values go; keys below it (a name holding a "\") belong to other users.
void clearHistoryKey(SqliteRegistry& reg, const QString& path) {
    for (const RegValue& v : reg.values(RegRoot::LocalMachine, path))
        reg.deleteValue(RegRoot::LocalMachine, path, v.name);
    if (reg.subKeys(RegRoot::LocalMachine, path).isEmpty()) reg.deleteKey(RegRoot::LocalMachine, path);
}
} // namespace

QString UsageDayName(const QDate& day) {
    return day.toString(QStringLiteral("yyyy-MM-dd"));
}

void AddUsageSeconds(App& app, const QString& userName, long long seconds) {
    if (seconds <= 0 || userName.isEmpty()) return;
    // The period check's day: a wall clock moved ahead neither dates the seconds a year on nor
    // prunes the year before it.
    const QDate today = PeriodClockToday(app);
    const QString section = Sections::UserHistory(userName);
    const QString day = UsageDayName(today);
    SettingsStore::Batch batch(app.store);
    const Setting stored = app.read(section, day);
    if (stored.isAbsent()) PruneUsageHistory(app, today);
    const long long before = std::max(0LL, stored.number().value_or(0));
    app.write(section, day, before + seconds);
}

long long UsageSeconds(App& app, const QString& userName, const QDate& day) {
    return std::max(0LL, app.read(Sections::UserHistory(userName), UsageDayName(day)).number().value_or(0));
}

void PruneUsageHistory(App& app, const QDate& today) {
    SqliteRegistry& reg = app.store.registry();
    const QDate oldest = today.addYears(-1);
    const QString root = SettingsStore::SectionPath(kAppName, Sections::History);
    SettingsStore::Batch batch(app.store);
    for (const QString& user : reg.subKeys(RegRoot::LocalMachine, root)) {
        const QString path = root + QLatin1Char('\\') + user;
        for (const RegValue& v : reg.values(RegRoot::LocalMachine, path)) {
            const QDate d = dayOf(v.name);
            if (d.isValid() && d < oldest) reg.deleteValue(RegRoot::LocalMachine, path, v.name);
        }
    }
}

void RenameUsageHistory(App& app, const QString& oldName, const QString& newName) {
    if (oldName.isEmpty() || newName.isEmpty() || oldName.compare(newName, Qt::CaseInsensitive) == 0) return;
    SqliteRegistry& reg = app.store.registry();
    SettingsStore::Batch batch(app.store);
    const QList<RegValue> days = reg.values(RegRoot::LocalMachine, historyPath(oldName));
    // Whatever an earlier user of the new name left is not this user's.
    clearHistoryKey(reg, historyPath(newName));
    for (const RegValue& v : days)
        reg.setValue(RegRoot::LocalMachine, historyPath(newName), v);
    clearHistoryKey(reg, historyPath(oldName));
}

void DeleteUsageHistory(App& app, const QString& userName) {
    if (userName.isEmpty()) return;
    SettingsStore::Batch batch(app.store);
    clearHistoryKey(app.store.registry(), historyPath(userName));
}

namespace {
long long allowanceSeconds(App& app, int n) {
    const QString section = Sections::User(n);
    const auto part = [&](const QString& key) {
        return std::clamp(app.read(section, key).number().value_or(0), 0LL, 1'000'000LL);
    };
    return part(UserKeys::AmmountHours) * 3600 + part(UserKeys::AmmountMinutes) * 60 + part(UserKeys::AmmountSeconds);
}
} // namespace

long long UsageOverview::scaleSeconds() const {
    long long top = 3600;
    for (const UsageRow& r : rows) {
        top = std::max(top, r.allowancePerDay);
        for (long long s : r.seconds)
            top = std::max(top, s);
    }
    // A little room above the highest bar or line.
    return top + top / 8;
}

UsageOverview BuildUsageOverview(App& app, const QDate& today, int days) {
    UsageOverview o;
    o.today = today;
    o.days = std::max(1, days);
    const int count = RecountUsers(app);
    for (int n = 1; n <= count; ++n) {
        UsageRow r;
        r.name = app.read(Sections::User(n), UserKeys::Name).text();
        r.basedOn = ReadUserSetting(app, n, UserKeys::TimeBasedOn).text();
        for (QDate d = o.firstDay(); d <= today; d = d.addDays(1))
            r.seconds << UsageSeconds(app, r.name, d);
        const long long allowance = allowanceSeconds(app, n);
        if (r.basedOn.compare(PeriodTypes::Daily, Qt::CaseInsensitive) == 0)
            r.allowancePerDay = allowance;
        else if (r.basedOn.compare(PeriodTypes::Weekly, Qt::CaseInsensitive) == 0)
            r.allowancePerDay = allowance / 7;
        else if (r.basedOn.compare(PeriodTypes::Monthly, Qt::CaseInsensitive) == 0)
            r.allowancePerDay = allowance / today.daysInMonth();
        for (QDate d = today.addDays(-6); d <= today; d = d.addDays(1))
            r.weekTotal += UsageSeconds(app, r.name, d);
        r.weekAverage = r.weekTotal / 7;
        o.rows << r;
    }
    return o;
}

QString UsageHoursMinutes(long long seconds) {
    const long long minutes = std::max(0LL, seconds) / 60;
    return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}
