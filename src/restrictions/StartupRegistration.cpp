#include "restrictions/StartupRegistration.h"

#include "core/App.h"
#include "platform/UserServices.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

void setRunValue(App& app, const QString& key, const QString& value) {
    app.store.CreateRegistryKey(RegRoot::LocalMachine, key);
    app.store.SetRegistryValue(RegRoot::LocalMachine, key, RunKeys::ValueName, value, REG_SZ);
}

// The command as one argument of the entry's Exec line: quoted when it holds a character
// the line reserves, then escaped as a string value of the entry.
QString execArgument(const QString& command) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = false;
    for (const QChar c : command)
        if (reserved.contains(c)) quote = true;
    QString arg;
    if (quote) {
        arg += QLatin1Char('"');
        for (const QChar c : command) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
                arg += QLatin1Char('\\');
            arg += c;
        }
        arg += QLatin1Char('"');
    } else {
        arg = command;
    }
    arg.replace(QLatin1Char('%'), QStringLiteral("%%"));
    arg.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return arg;
}

// underService: the user's service manager starts the program (its unit is enabled), so
// desktops that start their session through that manager skip the entry, and only the
// others start the program from it.
QString entryText(const QString& command, bool enabled, bool underService) {
    const QString on = enabled ? QStringLiteral("true") : QStringLiteral("false");
    const QString hidden = enabled ? QStringLiteral("false") : QStringLiteral("true");
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=TimeWard\n"
                          "Comment=Time control for the shared computer\n"
                          "Exec=%1\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=%2\n"
                          "Hidden=%3\n")
               .arg(execArgument(command), on, hidden) +
           (underService ? QStringLiteral("X-GNOME-HiddenUnderSystemd=true\n") : QString());
}

bool writeEntry(const QString& folder, const QString& command, bool enabled, bool underService = false) {
    if (folder.isEmpty() || !QDir().mkpath(folder)) return false;
    QSaveFile f(folder + QLatin1Char('/') + kAutostartFileName);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(entryText(command, enabled, underService).toUtf8());
    return f.commit();
}

// Enables the program's user unit with the box ticked and disables it with the box clear,
// where a user service manager knows the unit; true when the unit now starts the program.
bool registerUnit(App& app, int loadOnStartup) {
    UserServices* services = app.platform.userServices;
    if (!services || !services->hasUnit(kServiceUnitName)) return false;
    return services->setUnitEnabled(kServiceUnitName, loadOnStartup == 1) && loadOnStartup == 1;
}

bool entryExists(const QString& folder) {
    return QFileInfo::exists(folder + QLatin1Char('/') + kAutostartFileName);
}

} // namespace

QString StartCommand(App& app) {
    // The folder as reported, then the executable: a folder at the root gives "//timeward".
    return app.paths().programFolder + QStringLiteral("/timeward");
}

QString UserAutostartFolder() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/autostart");
}

QString SystemAutostartFolder() {
    QString base = qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts).value(0);
    if (base.isEmpty()) base = QStringLiteral("/etc/xdg");
    return base + QStringLiteral("/autostart");
}

void SaveStartupRegistration(App& app, int loadOnStartup, bool asService) {
    const QString command = StartCommand(app);
    const QString user = UserAutostartFolder();
    const QString system = SystemAutostartFolder();
    const bool unit = (loadOnStartup == 0 || loadOnStartup == 1) && registerUnit(app, loadOnStartup);
    if (loadOnStartup == 1 && asService) {
        setRunValue(app, RunKeys::Run, QString());
        setRunValue(app, RunKeys::RunServices, command);
        if (entryExists(user)) writeEntry(user, command, false);
        // Without the right to write the system's folder the program still starts with
        // this user's desktop rather than not at all.
        if (!writeEntry(system, command, true, unit)) writeEntry(user, command, true, unit);
    } else if (loadOnStartup == 1) {
        setRunValue(app, RunKeys::RunServices, QString());
        setRunValue(app, RunKeys::Run, command);
        if (entryExists(system)) writeEntry(system, command, false);
        writeEntry(user, command, true, unit);
    } else if (loadOnStartup == 0) {
        setRunValue(app, RunKeys::RunServices, QString());
        setRunValue(app, RunKeys::Run, QString());
        if (entryExists(system)) writeEntry(system, command, false);
        writeEntry(user, command, false);
    }
}
