#pragma once

#include "core/App.h"
#include "storage/ConfigKeys.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QStringList>

// Small user tables for the tests: each user with its period, allowance and free time.
struct UserSpec {
    QString name;
    QString basedOn;
    QString parent;
    QStringList allowed; // hours, minutes, seconds
    QStringList free;
};

inline void addUser(App& app, int n, const UserSpec& u) {
    const QString s = Sections::User(n);
    app.write(s, UserKeys::Number, n);
    app.write(s, UserKeys::Name, u.name);
    app.write(s, UserKeys::ParentRights, u.parent);
    app.write(s, UserKeys::TimeBasedOn, u.basedOn);
    app.write(s, UserKeys::AmmountHours, u.allowed.value(0));
    app.write(s, UserKeys::AmmountMinutes, u.allowed.value(1));
    app.write(s, UserKeys::AmmountSeconds, u.allowed.value(2));
    app.write(s, UserKeys::FreeHours, u.free.value(0));
    app.write(s, UserKeys::FreeMin, u.free.value(1));
    app.write(s, UserKeys::FreeSec, u.free.value(2));
}

// Ann (parent, unlimited), Bob (daily 1:30:00 with 0:45:10 left), Cy (weekly 10:0:0).
inline void addThreeUsers(App& app) {
    addUser(app, 1, {"Ann", "Unlimited", "1", {"0", "0", "0"}, {"00", "00", "00"}});
    addUser(app, 2, {"Bob", "Daily", "0", {"1", "30", "0"}, {"00", "45", "10"}});
    addUser(app, 3, {"Cy", "Weekly", "0", {"10", "0", "0"}, {"09", "59", "59"}});
    RecountUsers(app);
}

inline QStringList freeTime(App& app, int n) {
    const QString s = Sections::User(n);
    return {app.read(s, UserKeys::FreeHours).text(), app.read(s, UserKeys::FreeMin).text(),
            app.read(s, UserKeys::FreeSec).text()};
}
