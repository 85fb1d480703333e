#include "timekeeping/Periods.h"

#include "core/App.h"
#include "platform/Clock.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <algorithm>

namespace {
QString twoDigits(long long v) {
    return v < 10 ? QStringLiteral("0") + QString::number(v) : QString::number(v);
}

bool sameType(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A wall clock that stands back by more than this is a clock change; smaller corrections
// (the time service trimming the clock) are followed.
constexpr qint64 kBackwardToleranceMs = 2000;
// Corrections up to this size move the trusted time along with the wall clock; larger ones
// within the tolerance are used but never built upon, so steps of a few minutes cannot add up.
constexpr qint64 kFollowMs = 10'000;

QString wallText(qint64 ms) {
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODateWithMs);
}

void writeTrusted(App& app, qint64 wallMs, qint64 bootMs, const QString& bootId) {
    SettingsStore::Batch batch(app.store);
    app.write(Sections::Config, ConfigKeys::LastWallTime, wallText(wallMs));
    app.write(Sections::Config, ConfigKeys::LastBootTime, QString::number(bootMs));
    app.write(Sections::Config, ConfigKeys::LastBootId, bootId);
}

QString shownTime(qint64 ms) {
    const QDateTime t = QDateTime::fromMSecsSinceEpoch(ms);
    return DateText(t.date()) + QLatin1Char(' ') + TimeText(t.time());
}

void copyAllowance(App& app, int n) {
    const QString section = Sections::User(n);
    app.write(section, UserKeys::FreeHours, app.read(section, UserKeys::AmmountHours).text());
    app.write(section, UserKeys::FreeMin, app.read(section, UserKeys::AmmountMinutes).text());
    app.write(section, UserKeys::FreeSec, app.read(section, UserKeys::AmmountSeconds).text());
}
} // namespace

FreeTime ReadFreeTime(App& app, const QString& userSection) {
    FreeTime t{app.read(userSection, UserKeys::FreeHours).toLongLong(0),
               app.read(userSection, UserKeys::FreeMin).toLongLong(0),
               app.read(userSection, UserKeys::FreeSec).toLongLong(0)};
    if (t.hours >= 0 && t.minutes >= 0 && t.seconds >= 0) return t;
    // Each field is within the number limit, so the sum cannot overflow.
    const long long total = std::max(0LL, t.total());
    return {total / 3600, total / 60 % 60, total % 60};
}

QString MonthText(const QDate& date) {
    // The head of the stored date text, up to the first "/": the month in the fixed M/d/yyyy form.
    const QString text = DateText(date);
    if (text.size() >= 2 && text.at(1) != QLatin1Char('/')) return text.left(2);
    return text.left(1);
}

QDate WeekStart(const QDate& date) {
    // dayOfWeek: Monday = 1 ... Sunday = 7; the week begins on Sunday.
    return date.addDays(-(date.dayOfWeek() % 7));
}

QString CurrentPeriodStart(const QDate& today, const QString& periodType) {
    if (sameType(periodType, PeriodTypes::Daily)) return DateText(today);
    if (sameType(periodType, PeriodTypes::Monthly)) return MonthText(today);
    if (sameType(periodType, PeriodTypes::Weekly)) return DateText(WeekStart(today));
    return QString();
}

QString CurrentPeriodStart(App& app, const QString& periodType) {
    return CurrentPeriodStart(app.platform.clock->today(), periodType);
}

void ApplyPendingDeduction(App& app, int n) {
    const QString section = Sections::User(n);
    const Setting pending = app.read(section, UserKeys::SubtrTime);
    if (pending.text().isEmpty()) return;
    SettingsStore::Batch batch(app.store);
    // Only a positive number of minutes is a deduction; anything else ("abc", "-5") borrowed
    // nothing that could be taken back, and is cleared like a deduction of 0. A number too
    // large for any allowance takes all of it.
    const long long minutes = pending.toLongLong(0);
    if (minutes >= 1) {
        const long long total = ReadFreeTime(app, section).total();
        const long long deduction = minutes * 60;
        const long long left = std::max(0LL, total - deduction);
        app.write(section, UserKeys::FreeHours, QString::number(left / 3600));
        app.write(section, UserKeys::FreeMin, twoDigits(left / 60 % 60));
        app.write(section, UserKeys::FreeSec, twoDigits(left % 60));
    }
    app.write(section, UserKeys::SubtrTime, QString());
}

void RenewUser(App& app, int n) {
    SettingsStore::Batch batch(app.store);
    copyAllowance(app, n);
    ApplyPendingDeduction(app, n);
}

QDateTime PeriodClockNow(App& app) {
    const Clock& clock = *app.platform.clock;
    const QDateTime wall = clock.now();
    const qint64 wallMs = wall.toMSecsSinceEpoch();
    const qint64 bootMs = clock.boottimeMs();
    const QString bootId = clock.bootId();
    const QDateTime lastWall =
        QDateTime::fromString(app.read(Sections::Config, ConfigKeys::LastWallTime).text(), Qt::ISODateWithMs);
    const std::optional<long long> lastBoot = app.read(Sections::Config, ConfigKeys::LastBootTime).number();
    const QString lastBootId = app.read(Sections::Config, ConfigKeys::LastBootId).text();
    // Nothing trusted yet, or a new boot: the wall clock is all there is to go by.
    if (!lastWall.isValid() || !lastBoot || bootId.isEmpty() || lastBootId != bootId || bootMs < *lastBoot) {
        writeTrusted(app, wallMs, bootMs, bootId);
        app.loggedClockOffsetMs = 0;
        return wall;
    }
    const qint64 realMs = lastWall.toMSecsSinceEpoch() + (bootMs - *lastBoot);
    const qint64 offset = wallMs - realMs;
    if (offset > kClockChangeToleranceMs || offset < -kBackwardToleranceMs) {
        // Logged once for each new setting of the clock, not on every check.
        const qint64 sinceLogged = offset - app.loggedClockOffsetMs;
        if (app.loggedClockOffsetMs == 0 || sinceLogged > kBackwardToleranceMs || sinceLogged < -kBackwardToleranceMs) {
            app.loggedClockOffsetMs = offset;
            WriteActivityLog(app, QStringLiteral("Clock change: the clock reads %1 but the time is %2; "
                                                 "no allowance is renewed for it.")
                                      .arg(shownTime(wallMs), shownTime(realMs)));
        }
        return QDateTime::fromMSecsSinceEpoch(realMs);
    }
    app.loggedClockOffsetMs = 0;
    const qint64 size = offset < 0 ? -offset : offset;
    if (size >= 1000 && size <= kFollowMs) writeTrusted(app, wallMs, bootMs, bootId);
    return wall;
}

void CheckTimePeriods(App& app) {
    // One transaction for the whole check: it runs every second, and reading all users inside
    // one transaction costs a third of reading them one by one; another copy of the program
    // sees every renewal of this check or none. Nothing changed means nothing is written.
    SettingsStore::Batch all(app.store);
    RecountUsers(app);
    const int count = app.read(Sections::Config, ConfigKeys::CurrentNumberOfUsers, 0).toInt();
    const QDate today = PeriodClockNow(app).date();
    for (int n = 1; n <= count; ++n) {
        const QString section = Sections::User(n);
        const QString type = app.read(section, UserKeys::TimeBasedOn, UserDefaults::TimeBasedOn).text();
        QString mark;
        if (sameType(type, PeriodTypes::Daily)) {
            // A missing value, or one that is no date, is not today: the period is due.
            const QDate start = ParseDateText(app.read(section, UserKeys::LastStartDate).text());
            if (start == today) continue;
            mark = DateText(today);
            if (start.isValid() && start > today) {
                // Left by a clock that was once set ahead: that day's allowance was given
                // already, so the period is set back to today without a second one.
                app.write(section, UserKeys::LastStartDate, mark);
                continue;
            }
        } else if (sameType(type, PeriodTypes::Monthly)) {
            mark = MonthText(today);
            if (app.read(section, UserKeys::LastStartDate).is(mark)) continue;
        } else if (sameType(type, PeriodTypes::Weekly)) {
            const QDate start = ParseDateText(app.read(section, UserKeys::LastStartDate).text());
            const qint64 days = start.isValid() ? start.daysTo(today) : 7;
            if (days >= 0 && days < 7) continue;
            mark = DateText(WeekStart(today));
            if (days < 0) {
                // A start after today, left by a clock that was once set ahead, would hold the
                // allowance back until that day; it is set back to this week's Sunday instead,
                // without a second allowance.
                app.write(section, UserKeys::LastStartDate, mark);
                continue;
            }
        } else {
            continue;
        }
        SettingsStore::Batch batch(app.store);
        RenewUser(app, n);
        app.write(section, UserKeys::LastStartDate, mark);
    }
}

RefreshOutcome RefreshTimePeriodStore(App& app, const QString& name) {
    const int n = FindUserByName(app, name);
    const QString section = Sections::User(n);
    // The program writes the type itself, so the dialog compares it exactly.
    const QString type = app.read(section, UserKeys::TimeBasedOn, UserDefaults::TimeBasedOn).text();
    if (n != 0 && type == PeriodTypes::Unlimited) return RefreshOutcome::Unlimited;
    if (name.isEmpty()) return RefreshOutcome::EmptyName;
    if (n == 0) return RefreshOutcome::NoSuchUser;
    SettingsStore::Batch batch(app.store);
    if (type == PeriodTypes::Daily || type == PeriodTypes::Monthly || type == PeriodTypes::Weekly) {
        RenewUser(app, n);
        app.write(section, UserKeys::LastStartDate, CurrentPeriodStart(app, type));
        return RefreshOutcome::Renewed;
    }
    ApplyPendingDeduction(app, n);
    return RefreshOutcome::NotRenewable;
}
