#pragma once

#include "TestPlatform.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "users/PasswordScramble.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QList>
#include <QPair>

using KeyValues = QList<QPair<QString, QString>>;

// Writes user n with a single password, an hour left of today's daily allowance of two hours,
// and no parent rights; extra overrides or adds keys (a null value removes one).
inline void addUser(App& app, int n, const QString& name, const QString& password, const KeyValues& extra = {}) {
    const QString s = Sections::User(n);
    app.write(s, UserKeys::Number, n);
    app.write(s, UserKeys::Name, name);
    app.write(s, UserKeys::Password, StoredPasswordForm(password));
    app.write(s, UserKeys::TimeBasedOn, "Daily");
    app.write(s, UserKeys::AmmountHours, "2");
    app.write(s, UserKeys::AmmountMinutes, "0");
    app.write(s, UserKeys::AmmountSeconds, "0");
    app.write(s, UserKeys::FreeHours, "1");
    app.write(s, UserKeys::FreeMin, "00");
    app.write(s, UserKeys::FreeSec, "00");
    app.write(s, UserKeys::ParentRights, "0");
    app.write(s, UserKeys::LastStartDate, CurrentPeriodStart(app, PeriodTypes::Daily));
    for (const auto& [key, value] : extra) {
        if (value.isNull())
            app.store.DeleteRegistryValue(RegRoot::LocalMachine, SettingsStore::SectionPath(kAppName, s), key);
        else
            app.write(s, key, value);
    }
    RecountUsers(app);
}

// A password list for user n: entries with their markers ("" leaves the marker missing).
inline void setPasswordList(App& app, int n, const QStringList& passwords, const QStringList& used = {}) {
    const QString s = Sections::User(n);
    app.write(s, UserKeys::OptMult, "True");
    app.write(s, UserKeys::OptSingle, "False");
    for (int i = 0; i < passwords.size(); ++i) {
        app.write(s, UserKeys::ListPassword(i + 1), StoredPasswordForm(passwords[i]));
        if (i < used.size() && !used[i].isEmpty()) app.write(s, UserKeys::ListPasswordUsed(i + 1), used[i]);
    }
}
