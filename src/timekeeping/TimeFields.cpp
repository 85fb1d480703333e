#include "timekeeping/TimeFields.h"

#include "core/App.h"
#include "storage/ConfigKeys.h"
#include "storage/Setting.h"
#include "timekeeping/Periods.h"
#include "users/UserKeys.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
struct Parsed {
    TimeFieldsCheck::Result result = TimeFieldsCheck::Ok;
    long long value = 0;
};

Parsed parse(const QString& field) {
    if (field.trimmed().isEmpty()) return {};
    const auto n = WholeNumber(field);
    if (!n || field.contains(QLatin1Char('.'))) return {TimeFieldsCheck::NotANumber, 0};
    if (*n > kLargestTimeField) return {TimeFieldsCheck::TooLarge, 0};
    return {TimeFieldsCheck::Ok, std::max(*n, 0LL)}; // any number below 0 becomes 0, however long
}

QString joined(App& app, int n, const QString& hours, const QString& minutes, const QString& seconds) {
    const QString user = Sections::User(n);
    return app.read(user, hours).text() + QLatin1Char(':') + app.read(user, minutes).text() + QLatin1Char(':') +
           app.read(user, seconds).text();
}

QString twoDigits(long long n) {
    return n < 10 ? QStringLiteral("0") + QString::number(n) : QString::number(n);
}
} // namespace

TimeFieldsCheck ReWriteTimeAmmt(QString& hours, QString& minutes, QString& seconds, UnreadableField unreadable) {
    Parsed s = parse(seconds);
    Parsed m = parse(minutes);
    Parsed h = parse(hours);
    for (auto [p, field] :
         {std::pair{&s, TimeField::Seconds}, std::pair{&m, TimeField::Minutes}, std::pair{&h, TimeField::Hours}}) {
        if (p->result == TimeFieldsCheck::Ok) continue;
        if (unreadable == UnreadableField::Refuse) return {p->result, field};
        *p = {};
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
    // One whole sentence per box, so that every language can name the box its own way.
    const char* text = nullptr;
    switch (check.field) {
    case TimeField::None:
        return {};
    case TimeField::Hours:
        text = QT_TRANSLATE_NOOP("TimeFields", "Please enter a whole number of hours (0 to %1) in the Hours box.");
        break;
    case TimeField::Minutes:
        text = QT_TRANSLATE_NOOP("TimeFields", "Please enter a whole number of minutes (0 to %1) in the Minutes box.");
        break;
    case TimeField::Seconds:
        text = QT_TRANSLATE_NOOP("TimeFields", "Please enter a whole number of seconds (0 to %1) in the Seconds box.");
        break;
    }
    return QCoreApplication::translate("TimeFields", text).arg(kLargestTimeField);
}

QString FreeTimeText(App& app, int n) {
    return joined(app, n, UserKeys::FreeHours, UserKeys::FreeMin, UserKeys::FreeSec);
}

QString AllowanceText(App& app, int n) {
    return joined(app, n, UserKeys::AmmountHours, UserKeys::AmmountMinutes, UserKeys::AmmountSeconds);
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
    const long long total = std::max(0LL, ReadFreeTime(app, Sections::User(n)).total() + minutes * 60);
    return StoreFreeTime(app, n, QString::number(total / 3600), QString::number(total / 60 % 60),
                         QString::number(total % 60));
}
