#include "users/UserTable.h"

#include "core/App.h"
#include "storage/ConfigKeys.h"
#include "users/UserKeys.h"

const QString kNoParentRightsMessage = QStringLiteral(
    "Atleast one user must have parent rights.  And currently none are.  Therefore, this user has to have parent "
    "rights.");

int RecountUsers(App& app) {
    int n = 0;
    while (!app.read(Sections::User(n + 1), UserKeys::Name).text().isEmpty())
        ++n;
    app.write(Sections::Config, ConfigKeys::CurrentNumberOfUsers, n);
    return n;
}

int FindUserByName(App&, const QString&) {
    return 0;
}

void DeleteUser(App&, const QString&) {}

bool AnyUserHasParentRights(App&) {
    return false;
}

bool CheckParentRightsRule(App&, bool) {
    return true;
}

Setting ReadUserSetting(App& app, int n, const QString& key) {
    return app.read(Sections::User(n), key);
}
