#include "timekeeping/Periods.h"

#include "core/App.h"
#include "platform/Clock.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
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
    // What this copy still owed the last period is not owed by the new one.
    app.model.unsavedCharges.erase(app.read(Sections::User(n), UserKeys::Name).text().toLower());
    SettingsStore::Batch batch(app.store);
    copyAllowance(app, n);
    ApplyPendingDeduction(app, n);
}

QDate PeriodClockToday(App& app) {
    const Clock& clock = *app.platform.clock;
    const qint64 wallMs = clock.epochMs();
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
        return LocalDate(wallMs);
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
        return LocalDate(realMs);
    }
    app.loggedClockOffsetMs = 0;
    const qint64 size = offset < 0 ? -offset : offset;
    if (size >= 1000 && size <= kFollowMs) writeTrusted(app, wallMs, bootMs, bootId);
    return LocalDate(wallMs);
}

namespace {
// What the check does for one user today: nothing, set the period's start back, or renew.
struct PeriodStep {
    enum What { None, SetBack, Renew } what = None;
    QString start; // the period start to write
};

PeriodStep periodStep(App& app, const QString& section, const QDate& today, QHash<QString, QString>& marks) {
    const QString type = app.read(section, UserKeys::TimeBasedOn, UserDefaults::TimeBasedOn).text();
    const Setting lastStart = app.read(section, UserKeys::LastStartDate);
    // A start that is the current period's own mark needs neither a renewal nor a set-back;
    // most users hold it every second, and reading a date text is the costly part. Users share
    // a handful of period types: each type's mark is written as text once a check.
    auto known = marks.constFind(type);
    if (known == marks.constEnd()) known = marks.insert(type, CurrentPeriodStart(today, type));
    if (!known->isEmpty() && lastStart.text() == *known) return {};
    // Left by a clock that was once set ahead: that period's allowance was given already, so
    // the start is set back to the current period's without a second one.
    if (std::optional<QString> back = StartSetBack(type, lastStart, today)) return {PeriodStep::SetBack, *back};
    if (std::optional<QString> mark = RenewalDue(type, lastStart, today)) return {PeriodStep::Renew, *mark};
    return {};
}
} // namespace

void CheckTimePeriods(App& app) {
    const QDate today = PeriodClockToday(app);
    QHash<QString, QString> marks;
    // It runs every second and nearly always finds nothing due, which the remembered values
    // tell without a transaction.
    bool due = false;
    for (int n = 1, count = RecountUsers(app); n <= count && !due; ++n)
        due = periodStep(app, Sections::User(n), today, marks).what != PeriodStep::None;
    if (!due) return;
    // One transaction for the changes, read again inside it: another copy of the program sees
    // every renewal of this check or none.
    SettingsStore::Batch all(app.store);
    for (int n = 1, count = RecountUsers(app); n <= count; ++n) {
        const QString section = Sections::User(n);
        const PeriodStep step = periodStep(app, section, today, marks);
        if (step.what == PeriodStep::SetBack) {
            app.write(section, UserKeys::LastStartDate, step.start);
        } else if (step.what == PeriodStep::Renew) {
            SettingsStore::Batch batch(app.store);
            RenewUser(app, n);
            app.write(section, UserKeys::LastStartDate, step.start);
        }
    }
}

std::optional<QString> StartSetBack(const QString& type, const Setting& lastStart, const QDate& today) {
    const QDate start = ParseDateText(lastStart.text());
    if (!start.isValid() || start <= today) return std::nullopt;
    if (sameType(type, PeriodTypes::Daily)) return DateText(today);
    if (sameType(type, PeriodTypes::Weekly)) return DateText(WeekStart(today));
    return std::nullopt;
}

std::optional<QString> RenewalDue(const QString& type, const Setting& lastStart, const QDate& today) {
    if (sameType(type, PeriodTypes::Daily)) {
        // A missing value, or one that is no date, is not today: the period is due.
        if (ParseDateText(lastStart.text()) == today) return std::nullopt;
        return DateText(today);
    }
    if (sameType(type, PeriodTypes::Monthly)) {
        const QString mark = MonthText(today);
        if (lastStart.is(mark)) return std::nullopt;
        return mark;
    }
    if (sameType(type, PeriodTypes::Weekly)) {
        const QDate start = ParseDateText(lastStart.text());
        const qint64 days = start.isValid() ? start.daysTo(today) : 7;
        if (days >= 0 && days < 7) return std::nullopt;
        return DateText(WeekStart(today));
    }
    return std::nullopt;
}

QDate NextRenewalDay(const QString& type, const Setting& lastStart, const QDate& today) {
    // Asks the check itself day by day, so the answer is the day it will renew. No period
    // runs longer than a month.
    const std::optional<QString> back = StartSetBack(type, lastStart, today);
    const Setting start = back ? Setting(*back) : lastStart;
    for (int ahead = 1; ahead <= 62; ++ahead) {
        const QDate day = today.addDays(ahead);
        if (RenewalDue(type, start, day)) return day;
    }
    return QDate();
}

QString RenewalDayPhrase(const QString& type, const QDate& day, const QDate& today) {
    if (!day.isValid()) return QString();
    if (day == today.addDays(1)) return QCoreApplication::translate("Periods", "tomorrow");
    if (sameType(type, PeriodTypes::Weekly))
        return QCoreApplication::translate("Periods", "on %1").arg(QLocale::system().dayName(day.dayOfWeek()));
    const int d = day.day();
    // One text for each English ordinal ending, so that every language can write the day its own way.
    const char* phrase = (d % 10 == 1 && d != 11)   ? QT_TRANSLATE_NOOP("Periods", "on the %1st")
                         : (d % 10 == 2 && d != 12) ? QT_TRANSLATE_NOOP("Periods", "on the %1nd")
                         : (d % 10 == 3 && d != 13) ? QT_TRANSLATE_NOOP("Periods", "on the %1rd")
                                                    : QT_TRANSLATE_NOOP("Periods", "on the %1th");
    return QCoreApplication::translate("Periods", phrase).arg(d);
}

QString PeriodTypeLabel(const QString& type) {
    static const std::pair<const QString*, const char*> labels[] = {
        {&PeriodTypes::Daily, QT_TRANSLATE_NOOP("Periods", "Daily")},
        {&PeriodTypes::Weekly, QT_TRANSLATE_NOOP("Periods", "Weekly")},
        {&PeriodTypes::Monthly, QT_TRANSLATE_NOOP("Periods", "Monthly")},
        {&PeriodTypes::Unlimited, QT_TRANSLATE_NOOP("Periods", "Unlimited")},
        {&PeriodTypes::OneTime, QT_TRANSLATE_NOOP("Periods", "One Time")},
    };
    for (const auto& [value, label] : labels)
        if (sameType(type, *value)) return QCoreApplication::translate("Periods", label);
    return type;
}

QString NextRenewalPhrase(App& app, int n) {
    const QString section = Sections::User(n);
    const QString type = app.read(section, UserKeys::TimeBasedOn, UserDefaults::TimeBasedOn).text();
    const QDate today = PeriodClockToday(app);
    return RenewalDayPhrase(type, NextRenewalDay(type, app.read(section, UserKeys::LastStartDate), today), today);
}

QString NextRenewalText(App& app, int n) {
    const QString phrase = NextRenewalPhrase(app, n);
    if (phrase.isEmpty()) return QCoreApplication::translate("Periods", "Your time is not renewed.");
    return QCoreApplication::translate("Periods", "Your time renews %1 at %2.").arg(phrase, ShownTime(QTime(0, 0)));
}

QDate NextRenewalDay(App& app, int n) {
    const QString section = Sections::User(n);
    return NextRenewalDay(app.read(section, UserKeys::TimeBasedOn, UserDefaults::TimeBasedOn).text(),
                          app.read(section, UserKeys::LastStartDate), PeriodClockToday(app));
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
