#include "timekeeping/LoginHours.h"

#include "core/App.h"
#include "platform/Clock.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "users/UserKeys.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <limits>
#include <set>

using namespace UserKeys;

namespace {
Setting userValue(App& app, int n, const QString& key) {
    return app.read(Sections::User(n), key);
}

template <class D> Setting userValue(App& app, int n, const QString& key, D def) {
    return app.read(Sections::User(n), key, def);
}

long long wholePart(App& app, int n, const QString& key) {
    return userValue(app, n, key).toLongLong(0);
}
} // namespace

QString RuleTypeLabel(const QString& type) {
    if (type == TimeRestTypes::Allow) return QCoreApplication::translate("LoginHours", "Allow");
    if (type == TimeRestTypes::Deny) return QCoreApplication::translate("LoginHours", "Deny");
    return type;
}

std::optional<int> ParseRuleHour(const QString& typed) {
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*(\d{1,2})(?:([:.])(\d{1,2}))?\s*(?:([ap])\.?\s*m?\.?)?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = form.match(typed);
    if (!m.hasMatch()) return std::nullopt;
    int hour = m.captured(1).toInt();
    const bool clock = m.captured(2) == QLatin1String(":");
    const QString meridiem = m.captured(4).toLower();
    // "7:30" names a minute the rules cannot hold; "7.9" is the whole hour, as stored numbers read.
    if (clock && (m.captured(3).size() != 2 || m.captured(3).toInt() != 0)) return std::nullopt;
    if (!clock && !m.captured(2).isEmpty() && !meridiem.isEmpty()) return std::nullopt;
    if (!meridiem.isEmpty()) {
        if (hour < 1 || hour > 12) return std::nullopt;
        hour = hour % 12 + (meridiem == QLatin1String("p") ? 12 : 0);
    }
    if (hour == 24) return 0;
    if (hour > 23) return std::nullopt;
    return hour;
}

QList<HourRule> ReadHourRules(App& app, int n) {
    QList<HourRule> rules;
    const long long count = wholePart(app, n, TimeRestrictionAmmt);
    if (count <= 0) return rules;
    // A rule whose three values are all missing can never hold an hour, so only the rules
    // actually stored are looked at, in their order: the answer is that of going through
    // every number up to the count, without the count deciding how long it takes.
    static const QRegularExpression ruleName(QStringLiteral("^Time Rest (?:Begin|End|Type)(0|[1-9][0-9]{0,17})$"),
                                             QRegularExpression::CaseInsensitiveOption);
    std::set<long long> stored;
    const auto values =
        app.store.registry().values(RegRoot::LocalMachine, SettingsStore::SectionPath(kAppName, Sections::User(n)));
    for (const RegValue& v : values) {
        const auto m = ruleName.match(v.name);
        if (!m.hasMatch()) continue;
        bool ok = false;
        const long long i = m.captured(1).toLongLong(&ok);
        if (ok && i < count) stored.insert(i);
    }
    for (long long i : stored) {
        const int rule = static_cast<int>(std::min<long long>(i, std::numeric_limits<int>::max()));
        rules.append({wholePart(app, n, TimeRestBegin(rule)), wholePart(app, n, TimeRestEnd(rule)),
                      userValue(app, n, TimeRestType(rule)).text()});
    }
    return rules;
}

bool RuleHoldsHour(const HourRule& rule, int hour) {
    if (rule.begin < rule.end) return rule.begin <= hour && hour < rule.end;
    if (rule.begin > rule.end) return hour >= rule.begin || hour < rule.end;
    return true;
}

bool HoursDeny(const QList<HourRule>& rules, int hour) {
    bool denied = false;
    for (const HourRule& rule : rules) {
        if (!RuleHoldsHour(rule, hour)) continue;
        if (rule.type == TimeRestTypes::Allow)
            denied = false;
        else if (rule.type == TimeRestTypes::Deny)
            denied = true;
    }
    return denied;
}

int HoursUntil(const QList<HourRule>& rules, int hour, bool deny) {
    for (int ahead = 0; ahead < 24; ++ahead)
        if (HoursDeny(rules, (hour + ahead) % 24) == deny) return ahead;
    return -1;
}

bool LoginHoursDeny(App& app, int n, int hour) {
    if (!userValue(app, n, TimeRestriction, UserDefaults::TimeRestriction).is(1)) return false;
    return HoursDeny(ReadHourRules(app, n), hour);
}

long long SecondsUntilHoursDeny(App& app, int n, const QTime& now) {
    if (!userValue(app, n, TimeRestriction, UserDefaults::TimeRestriction).is(1)) return -1;
    const int ahead = HoursUntil(ReadHourRules(app, n), now.hour(), true);
    if (ahead <= 0) return ahead;
    return ahead * 3600LL - now.minute() * 60LL - now.second();
}

bool LoginHoursDenyNow(App& app, int n) {
    return LoginHoursDeny(app, n, app.platform.clock->now().time().hour()) && !HoursExceptionActive(app, n);
}

std::optional<QDateTime> NextAllowedLogin(App& app, int n, const QDateTime& now) {
    // The hour rules themselves are asked, hour by hour, over the next day.
    const QDateTime hourStart(now.date(), QTime(now.time().hour(), 0));
    for (int ahead = 1; ahead <= 24; ++ahead) {
        const QDateTime at = hourStart.addSecs(3600LL * ahead);
        if (!LoginHoursDeny(app, n, at.time().hour())) return at;
    }
    return std::nullopt;
}

namespace {
// The period a leave from the login hours belongs to: the user's current period, or the day
// for the types without one.
QString leavePeriod(App& app, int n) {
    const QString type = userValue(app, n, TimeBasedOn, UserDefaults::TimeBasedOn).text();
    if (!CurrentPeriodStart(app, type).isEmpty()) return userValue(app, n, LastStartDate).text();
    return DateText(app.platform.clock->today());
}

long long leaveSeconds(App& app, int n) {
    return std::max(0LL, userValue(app, n, HoursExceptionSeconds).number().value_or(0));
}
} // namespace

long long HoursExceptionLeft(App& app, int n) {
    if (userValue(app, n, HoursExceptionPeriod).text() != leavePeriod(app, n)) return 0;
    return leaveSeconds(app, n);
}

bool HoursExceptionActive(App& app, int n) {
    return HoursExceptionLeft(app, n) > 0;
}

void UseHoursException(App& app, int n, long long seconds) {
    if (seconds <= 0 || userValue(app, n, HoursExceptionSeconds).isAbsent()) return;
    const QString section = Sections::User(n);
    SettingsStore::Batch batch(app.store);
    const long long left = HoursExceptionLeft(app, n) - seconds;
    if (left > 0) {
        app.write(section, HoursExceptionSeconds, left);
        return;
    }
    app.store.DeleteRegistryValue(RegRoot::LocalMachine, SettingsStore::SectionPath(kAppName, section),
                                  HoursExceptionSeconds);
    app.store.DeleteRegistryValue(RegRoot::LocalMachine, SettingsStore::SectionPath(kAppName, section),
                                  HoursExceptionPeriod);
}

void GiveHoursException(App& app, int n, long long seconds) {
    const QString section = Sections::User(n);
    SettingsStore::Batch batch(app.store);
    app.write(section, HoursExceptionSeconds, HoursExceptionLeft(app, n) + seconds);
    app.write(section, HoursExceptionPeriod, leavePeriod(app, n));
}
