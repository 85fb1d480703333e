#include "platform/Clock.h"

#include <QFile>
#include <QLocale>
#include <algorithm>
#include <time.h>

namespace {
qint64 clockMs(clockid_t id) {
    timespec ts{};
    if (::clock_gettime(id, &ts) != 0) return 0;
    return static_cast<qint64>(ts.tv_sec) * 1000 + ts.tv_nsec / 1'000'000;
}

// The local calendar fields of an instant, as the zone was last read; false where the C
// library cannot say.
bool localParts(qint64 epochMs, tm* parts) {
    const time_t seconds = static_cast<time_t>(epochMs >= 0 ? epochMs / 1000 : (epochMs - 999) / 1000);
    return localtime_r(&seconds, parts) != nullptr;
}
} // namespace

QDate LocalDate(qint64 epochMs) {
    tm parts{};
    if (!localParts(epochMs, &parts)) return QDateTime::fromMSecsSinceEpoch(epochMs).date();
    return QDate(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday);
}

QTime LocalTimeOfDay(qint64 epochMs) {
    tm parts{};
    if (!localParts(epochMs, &parts)) return QDateTime::fromMSecsSinceEpoch(epochMs).time();
    const int ms = static_cast<int>(((epochMs % 1000) + 1000) % 1000);
    return QTime(parts.tm_hour, parts.tm_min, std::min(parts.tm_sec, 59), ms);
}

QDate Clock::today() const {
    return LocalDate(epochMs());
}

QTime Clock::timeOfDay() const {
    return LocalTimeOfDay(epochMs());
}

qint64 SystemClock::monotonicMs() const {
    return clockMs(CLOCK_MONOTONIC);
}

qint64 SystemClock::boottimeMs() const {
    return clockMs(CLOCK_BOOTTIME);
}

QString SystemClock::bootId() const {
    if (m_bootId.isEmpty()) {
        QFile f(QStringLiteral("/proc/sys/kernel/random/boot_id"));
        if (f.open(QIODevice::ReadOnly)) m_bootId = QString::fromLatin1(f.readAll()).trimmed();
    }
    return m_bootId;
}

QString DateText(const QDate& d) {
    return QLocale::c().toString(d, QStringLiteral("M/d/yyyy"));
}

QString TimeText(const QTime& t) {
    return QLocale::c().toString(t, QStringLiteral("h:mm:ss AP"));
}

// The C locale is no desktop convention: there the program's own forms, month/day/year and the
// 24-hour clock without seconds.
QString ShownDate(const QDate& d, const QLocale& locale) {
    if (locale.language() == QLocale::C) return DateText(d);
    return locale.toString(d, QLocale::ShortFormat);
}

QString ShownTime(const QTime& t, const QLocale& locale) {
    if (locale.language() == QLocale::C) return locale.toString(t, QStringLiteral("H:mm"));
    return locale.toString(t, QLocale::ShortFormat);
}

QString ShownStamp(const QString& stored, const QLocale& locale) {
    const QDateTime at = QLocale::c().toDateTime(stored.trimmed(), QStringLiteral("M/d/yyyy h:mm:ss AP"));
    if (!at.isValid()) return stored;
    return ShownDate(at.date(), locale) + QLatin1Char(' ') + ShownTime(at.time(), locale);
}

QDate ParseDateText(const QString& text) {
    const QString t = text.trimmed();
    QDate d = QLocale::c().toDate(t, QStringLiteral("M/d/yyyy"));
    if (!d.isValid()) d = QDate::fromString(t, Qt::ISODate);
    return d;
}
