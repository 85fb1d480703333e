#include "restrictions/StartupRegistration.h"

#include "core/App.h"
#include "platform/Paths.h"
#include "platform/UserServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

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
QString entryText(const QString& command, const QString& dataFolder, bool hidden, bool underService) {
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Name=TimeWard\n"
                                  "Comment=Time control for the shared computer\n"
                                  "Icon=timeward\n"
                                  "Exec=env %1 %2\n"
                                  "Terminal=false\n")
                       .arg(execArgument(QStringLiteral("TIMEWARD_HOME=") + dataFolder), execArgument(command));
    if (hidden) text += QStringLiteral("Hidden=true\n");
    if (underService) text += QStringLiteral("X-GNOME-HiddenUnderSystemd=true\n");
    return text;
}

QString entryPath(const QString& folder) {
    return folder + QLatin1Char('/') + kAutostartFileName;
}

// The entries are read by the desktop, the service manager and, for the system-wide entry,
// every account. Makes the file's folder and the missing folders above it, each readable by all,
// and writes it as a file meant for others.
bool writeSharedFile(const QString& file, const QByteArray& bytes) {
    const QString folder = QFileInfo(file).absolutePath();
    QStringList missing;
    for (QFileInfo f(folder); !f.exists() && f.absolutePath() != f.absoluteFilePath(); f = QFileInfo(f.absolutePath()))
        missing.prepend(f.absoluteFilePath());
    if (!QDir().mkpath(folder)) return false;
    for (const QString& made : missing)
        QFile::setPermissions(made, kSharedFolderMode);
    return WriteSharedFile(file, bytes);
}

bool writeEntry(const QString& folder, App& app, bool hidden, bool underService = false) {
    if (folder.isEmpty()) return false;
    return writeSharedFile(entryPath(folder),
                           entryText(StartCommand(app), app.paths().dataFolder, hidden, underService).toUtf8());
}

// The unit's setting that names the data folder, in systemd's quoting: the whole assignment in
// double quotes, with backslash, double quote and the specifier sign escaped.
bool writeUnitDataFolder(const QString& dataFolder) {
    if (dataFolder.contains(QLatin1Char('\n'))) return false;
    QString value = QStringLiteral("TIMEWARD_HOME=") + dataFolder;
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    value.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    value.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return writeSharedFile(UserUnitDataFolderFile(),
                           QStringLiteral("# Written by TimeWard: the data folder its start with the desktop uses.\n"
                                          "[Service]\nEnvironment=\"%1\"\n")
                               .arg(value)
                               .toUtf8());
}

// Enables the program's user unit with the box ticked and disables it with the box clear,
// where a user service manager knows the unit; true when the unit now starts the program.
bool registerUnit(App& app, int loadOnStartup) {
    UserServices* services = app.platform.userServices;
    if (!services || !services->hasUnit(kServiceUnitName)) return false;
    // The unit starts the program on the same data folder as the entry would, or not at all:
    // a copy on another folder would guard nothing. The manager reads the setting when the unit
    // is enabled.
    if (loadOnStartup == 1 && !writeUnitDataFolder(app.paths().dataFolder)) {
        services->setUnitEnabled(kServiceUnitName, false);
        return false;
    }
    const bool enabled = services->setUnitEnabled(kServiceUnitName, loadOnStartup == 1) && loadOnStartup == 1;
    if (loadOnStartup == 0) QFile::remove(UserUnitDataFolderFile());
    return enabled;
}

void removeEntry(const QString& folder) {
    QFile::remove(entryPath(folder));
}

// An entry of the name in any of the system's configuration folders.
bool systemEntryExists() {
    QStringList dirs = qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (dirs.isEmpty()) dirs << QStringLiteral("/etc/xdg");
    for (const QString& d : dirs)
        if (QFileInfo::exists(entryPath(d + QStringLiteral("/autostart")))) return true;
    return false;
}

} // namespace

QString StartCommand(App& app) {
    // The folder as reported, then the executable: a folder at the root gives "//timeward".
    return app.paths().programFolder + QStringLiteral("/timeward");
}

QString UserUnitDataFolderFile() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/systemd/user/") + kServiceUnitName + QStringLiteral(".d/data-folder.conf");
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

bool CanWriteSystemAutostart() {
    // The folder, or the nearest folder above it that exists, must let this account write.
    QFileInfo f(SystemAutostartFolder());
    while (!f.exists() && f.absolutePath() != f.absoluteFilePath())
        f = QFileInfo(f.absolutePath());
    return f.isDir() && ::access(QFile::encodeName(f.absoluteFilePath()).constData(), W_OK | X_OK) == 0;
}

QString StartupChoicesNote() {
    if (!CanWriteSystemAutostart())
        return QCoreApplication::translate("StartupRegistration",
                                           "On this computer both choices start TimeWard when this account's "
                                           "desktop starts (this account cannot write %1).")
            .arg(SystemAutostartFolder());
    return QCoreApplication::translate("StartupRegistration",
                                       "Regular starts TimeWard with this account's desktop; As Service with every "
                                       "account's desktop. Starting before anyone logs in needs the login screen's "
                                       "own set-up (see the README).");
}

void SaveStartupRegistration(App& app, int loadOnStartup, bool asService) {
    const QString user = UserAutostartFolder();
    const QString system = SystemAutostartFolder();
    const QString command = StartCommand(app);
    const bool unit = (loadOnStartup == 0 || loadOnStartup == 1) && registerUnit(app, loadOnStartup);
    if (loadOnStartup == 1 && asService) {
        setRunValue(app, RunKeys::Run, QString());
        setRunValue(app, RunKeys::RunServices, command);
        // This account's entry would stand in front of the system-wide one. Without the right
        // to write the system's folder the program still starts with this account's desktop.
        if (writeEntry(system, app, false, unit))
            removeEntry(user);
        else
            writeEntry(user, app, false, unit);
    } else if (loadOnStartup == 1) {
        setRunValue(app, RunKeys::RunServices, QString());
        setRunValue(app, RunKeys::Run, command);
        removeEntry(system);
        writeEntry(user, app, false, unit);
    } else if (loadOnStartup == 0) {
        setRunValue(app, RunKeys::RunServices, QString());
        setRunValue(app, RunKeys::Run, QString());
        removeEntry(system);
        removeEntry(user);
        if (systemEntryExists()) writeEntry(user, app, true);
    }
}
