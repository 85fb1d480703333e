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
