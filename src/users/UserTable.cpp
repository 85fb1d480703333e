#include "users/UserTable.h"

#include "core/App.h"
#include "platform/MessageBox.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/UsageHistory.h"
#include "users/UserKeys.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

const QString kNoParentRightsMessage = QString::fromUtf8(
    QT_TRANSLATE_NOOP("UserTable", "At least one user must have parent rights.  And currently none are.  Therefore, "
                                   "this user has to have parent rights."));

namespace {
QString userPath(int n) {
    return SettingsStore::SectionPath(kAppName, Sections::User(n));
}
} // namespace

int RecountUsers(App& app) {
    int n = 0;
    while (!app.read(Sections::User(n + 1), UserKeys::Name).text().isEmpty())
        ++n;
    app.write(Sections::Config, ConfigKeys::CurrentNumberOfUsers, n);
    return n;
}

int FindUserByName(App& app, const QString& name) {
    for (int k = 1;; ++k) {
        const QString stored = app.read(Sections::User(k), UserKeys::Name).text();
        if (stored.isEmpty()) return 0;
        if (stored.compare(name, Qt::CaseInsensitive) == 0) return k;
    }
}

bool DeleteUser(App& app, const QString& name) {
    RecountUsers(app);
    const int count = app.read(Sections::Config, ConfigKeys::CurrentNumberOfUsers, 0).toInt();
    const int n = FindUserByName(app, name);
    if (n == 0 || IsLastParent(app, name)) return false;
    SqliteRegistry& reg = app.store.registry();
    {
        // One transaction: another copy of the program never sees a half-moved table.
        SettingsStore::Batch batch(app.store);
        DeleteUsageHistory(app, app.read(Sections::User(n), UserKeys::Name).text());
        for (int k = n + 1; k <= count; ++k) {
            const QList<RegValue> source = reg.values(RegRoot::LocalMachine, userPath(k));
            QSet<QString> kept;
            for (const RegValue& v : source)
                kept.insert(v.name.toLower());
            for (const RegValue& old : reg.values(RegRoot::LocalMachine, userPath(k - 1)))
                if (!kept.contains(old.name.toLower()))
                    reg.deleteValue(RegRoot::LocalMachine, userPath(k - 1), old.name);
            for (const RegValue& v : source) {
                if (v.name.compare(UserKeys::Number, Qt::CaseInsensitive) == 0) continue;
                reg.setValue(RegRoot::LocalMachine, userPath(k - 1), v);
            }
            app.write(Sections::User(k - 1), UserKeys::Number, k - 1);
        }
        if (count >= 1) app.store.DeleteRegistryKey(userPath(count));
    }
    RecountUsers(app);
    if (SessionUserName(app).compare(name, Qt::CaseInsensitive) == 0)
        app.CurrentUserNumber = 0;
    else
        FindCurrentUser(app);
    app.model.notifyUsersChanged();
    return true;
}

QString SessionUserName(App& app) {
    return app.sessionUserName.isEmpty() ? app.read(Sections::Config, ConfigKeys::CurrUser).text()
                                         : app.sessionUserName;
}

int FindCurrentUser(App& app) {
    const QString current = SessionUserName(app);
    if (current.isEmpty()) return app.CurrentUserNumber;
    // The cheap test first: the record at the number still carries the name.
    if (app.CurrentUserNumber > 0 &&
        app.read(Sections::User(app.CurrentUserNumber), UserKeys::Name).text().compare(current, Qt::CaseInsensitive) ==
            0)
        return app.CurrentUserNumber;
    if (const int n = FindUserByName(app, current); n > 0) app.CurrentUserNumber = static_cast<qint16>(n);
    return app.CurrentUserNumber;
}

namespace {
// Whether a stored record other than number skip has parental rights.
bool parentOtherThan(App& app, int skip) {
    const int count = app.read(Sections::Config, ConfigKeys::CurrentNumberOfUsers, 0).toInt();
    // A stale or damaged count never walks past the end of the table.
    for (int k = 1; k <= count && !app.read(Sections::User(k), UserKeys::Name).text().isEmpty(); ++k)
        if (k != skip && app.read(Sections::User(k), UserKeys::ParentRights, UserDefaults::ParentRights).is(1))
            return true;
    return false;
}

bool isParent(App& app, int n) {
    return n > 0 && app.read(Sections::User(n), UserKeys::ParentRights, UserDefaults::ParentRights).is(1);
}
} // namespace

QString PasswordChangeLine(const QString& who, const QString& owner) {
    if (who.compare(owner, Qt::CaseInsensitive) == 0) return who + QStringLiteral(" changed their own password");
    return who + QStringLiteral(" changed ") + owner + QStringLiteral("'s password");
}

bool IsLastParent(App& app, const QString& name) {
    RecountUsers(app);
    const int n = FindUserByName(app, name);
    return isParent(app, n) && !parentOtherThan(app, n);
}

QString LastParentMessage(const QString& name) {
    return QCoreApplication::translate("UserTable", "%1 is the only user with parent rights, so this user has to keep "
                                                    "them.  Give another user parent rights first.")
        .arg(name);
}

QString LastParentDeleteMessage(const QString& name) {
    return QCoreApplication::translate("UserTable", "%1 is the only user with parent rights and cannot be deleted.  "
                                                    "Give another user parent rights first.")
        .arg(name);
}

bool CheckParentRightsRule(App& app, bool parentRightsBoxChecked, int n) {
    if (parentRightsBoxChecked || parentOtherThan(app, n)) return true;
    const QString text = isParent(app, n)
                             ? LastParentMessage(app.read(Sections::User(n), UserKeys::Name).text())
                             : QCoreApplication::translate("UserTable", qUtf8Printable(kNoParentRightsMessage));
    app.platform.messageBox->show(text, kProgramTitle, MsgButtons::Ok, MsgIcon::Information);
    return false;
}

Setting ReadUserSetting(App& app, int n, const QString& key) {
    // The readings of missing values, keyed by the lower-case key name.
    static const QHash<QString, QString> whenMissing = [] {
        QHash<QString, QString> h;
        const auto add = [&h](const QString& key, const QString& value) { h.insert(key.toLower(), value); };
        const QString zero = QStringLiteral("0");
        add(UserKeys::ParentRights, zero);
        add(UserKeys::UserChangePW, zero);
        add(UserKeys::Notes, QString());
        add(UserKeys::TimeBasedOn, QString::fromLatin1(UserDefaults::TimeBasedOn));
        add(UserKeys::FreeHours, zero);
        add(UserKeys::FreeMin, zero);
        add(UserKeys::FreeSec, zero);
        add(UserKeys::SubtrTime, QString());
        add(UserKeys::OneTimeRemove, zero);
        add(UserKeys::RefreshPW, zero);
        add(UserKeys::DisablePW, QString::number(UserDefaults::DisablePW));
        add(UserKeys::RefreshTimePW, QString::number(UserDefaults::RefreshTimePW));
        add(UserKeys::PasswordLastUsed, QString::number(UserDefaults::PasswordLastUsed));
        add(UserKeys::TimeRestriction, zero);
        add(UserKeys::TimeRestrictionAmmt, zero);
        return h;
    }();
    const QString lower = key.toLower();
    auto it = whenMissing.constFind(lower);
    if (it != whenMissing.constEnd()) return app.read(Sections::User(n), key, *it);
    // Numbered keys: list markers and the login-hour rules read 0 when missing.
    const bool numberedZero = (lower.startsWith(QLatin1String("password")) && lower.endsWith(QLatin1String("used"))) ||
                              lower.startsWith(QLatin1String("time rest begin")) ||
                              lower.startsWith(QLatin1String("time rest end"));
    if (numberedZero) return app.read(Sections::User(n), key, UserDefaults::ListPasswordUsed);
    return app.read(Sections::User(n), key);
}
