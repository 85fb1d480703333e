#include "timekeeping/TimeFields.h"

#include "core/App.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "users/UserKeys.h"

#include <QRegularExpression>
#include <algorithm>

namespace {
struct Parsed {
    TimeFieldsCheck::Result result = TimeFieldsCheck::Ok;
    long long value = 0;
};

Parsed parse(const QString& field) {
    static const QRegularExpression wholeNumber(QStringLiteral("^([+-]?)0*([0-9]+)$"));
    const QString t = field.trimmed();
    if (t.isEmpty()) return {};
    const QRegularExpressionMatch m = wholeNumber.match(t);
    if (!m.hasMatch()) return {TimeFieldsCheck::NotANumber, 0};
    const QString digits = m.captured(2);
    if (m.captured(1) == QLatin1String("-")) return {}; // any number below 0 becomes 0, however long
    if (digits.size() > 18 || digits.toLongLong() > kLargestTimeField) return {TimeFieldsCheck::TooLarge, 0};
    return {TimeFieldsCheck::Ok, digits.toLongLong()};
}

QString twoDigits(long long n) {
    return n < 10 ? QStringLiteral("0") + QString::number(n) : QString::number(n);
}
} // namespace

TimeFieldsCheck ReWriteTimeAmmt(QString& hours, QString& minutes, QString& seconds) {
    const Parsed s = parse(seconds);
    const Parsed m = parse(minutes);
    const Parsed h = parse(hours);
    for (const auto& [p, field] :
         {std::pair{s, TimeField::Seconds}, std::pair{m, TimeField::Minutes}, std::pair{h, TimeField::Hours}}) {
        if (p.result != TimeFieldsCheck::Ok) return {p.result, field};
    }
    long long sec = s.value;
    long long min = m.value;
    long long hr = h.value;
    if (sec > 60) {
        min += sec / 60;
        sec %= 60;
    }
    if (min > 60) {
        hr += min / 60;
        min %= 60;
    }
    seconds = twoDigits(sec);
    minutes = twoDigits(min);
    hours = twoDigits(hr);
    return {};
}

QString TimeFieldsMessage(const TimeFieldsCheck& check) {
    switch (check.result) {
    case TimeFieldsCheck::Ok:
        break;
    case TimeFieldsCheck::NotANumber:
        return QStringLiteral("Please enter the time as whole numbers.  Letters and other signs cannot be used.");
    case TimeFieldsCheck::TooLarge:
        return QStringLiteral("That number is too large.  Please enter at most %1 in each time field.")
            .arg(kLargestTimeField);
    }
    return {};
}

bool StoreFreeTime(App& app, int n, QString hours, QString minutes, QString seconds) {
    if (n <= 0 || !::ReWriteTimeAmmt(hours, minutes, seconds).ok()) return false;
    SqliteRegistry& reg = app.store.registry();
    const quint64 failuresBefore = reg.writeFailures();
    SettingsStore::Batch batch(app.store);
    const QString section = Sections::User(n);
    app.write(section, UserKeys::FreeHours, hours);
    app.write(section, UserKeys::FreeMin, minutes);
    app.write(section, UserKeys::FreeSec, seconds);
    return batch.commit() && reg.writeFailures() == failuresBefore;
}

bool AddFreeMinutes(App& app, int n, long long minutes) {
    if (n <= 0) return false;
    const FreeTime now = ReadFreeTime(app, Sections::User(n));
    // The fields stay as they are where they can: 0:60:00 and 15 more are 0:75:00, which the
    // normalisation carries into 1:15:00.
    FreeTime next = now;
    if (minutes >= 0) {
        next.minutes += minutes;
    } else {
        const long long total = std::max(0LL, now.total() + minutes * 60);
        next = {total / 3600, total / 60 % 60, total % 60};
    }
    return StoreFreeTime(app, n, QString::number(next.hours), QString::number(next.minutes),
                         QString::number(next.seconds));
}
