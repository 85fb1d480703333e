#include "users/UserTable.h"

#include "core/App.h"
#include "storage/ConfigKeys.h"

int RecountUsers(App& app) {
    int n = 0;
    while (!app.read(Sections::User(n + 1), QStringLiteral("Name")).text().isEmpty())
        ++n;
    app.write(Sections::Config, ConfigKeys::CurrentNumberOfUsers, n);
    return n;
}

int FindUserByName(App& app, const QString& name) {
    for (int k = 1;; ++k) {
        const QString stored = app.read(Sections::User(k), QStringLiteral("Name")).text();
        if (stored.isEmpty()) return 0;
        if (stored.compare(name, Qt::CaseInsensitive) == 0) return k;
    }
}

void DeleteUser(App& app, const QString& name) {
    const int count = RecountUsers(app);
    const int n = FindUserByName(app, name);
    if (n == 0) return;
    SqliteRegistry& reg = app.store.registry();
    for (int k = n + 1; k <= count; ++k) {
        const QString from = SettingsStore::SectionPath(kAppName, Sections::User(k));
        const QString to = SettingsStore::SectionPath(kAppName, Sections::User(k - 1));
        for (const RegValue& old : reg.values(RegRoot::LocalMachine, to))
            reg.deleteValue(RegRoot::LocalMachine, to, old.name);
        for (const RegValue& v : reg.values(RegRoot::LocalMachine, from))
            reg.setValue(RegRoot::LocalMachine, to, v);
        app.write(Sections::User(k - 1), QStringLiteral("Number"), k - 1);
    }
    app.store.DeleteRegistryKey(SettingsStore::SectionPath(kAppName, Sections::User(count)));
    RecountUsers(app);
}
