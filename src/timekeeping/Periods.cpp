#include "timekeeping/Periods.h"

#include "core/App.h"
#include "platform/Clock.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

void CheckTimePeriods(App&) {}

QString CurrentPeriodStart(App& app, const QString& periodType) {
    return CurrentPeriodStart(app.platform.clock->today(), periodType);
}

QString CurrentPeriodStart(const QDate&, const QString&) {
    return QString();
}

QString MonthText(const QDate& date) {
    return QString::number(date.month());
}

QDate WeekStart(const QDate& date) {
    return date.addDays(-(date.dayOfWeek() % 7));
}

void RenewUser(App&, int) {}

void ApplyPendingDeduction(App&, int) {}

RefreshOutcome RefreshTimePeriodStore(App&, const QString&) {
    return RefreshOutcome::NoSuchUser;
}
