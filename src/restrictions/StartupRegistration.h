#pragma once

#include <QString>

class App;

// Starting the program with the desktop: the two run-key values, and the desktop's own
// autostart entries that make it happen on Linux.
namespace RunKeys {
inline const QString Run = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
inline const QString RunServices = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\RunServices");
inline const QString ValueName = QStringLiteral("TimeWard");
} // namespace RunKeys

// The command that starts the installed program: its folder followed by the executable's
// name, with no arguments, whatever name the running file has.
QString StartCommand(App& app);

// $XDG_CONFIG_HOME/autostart (~/.config/autostart when unset).
QString UserAutostartFolder();
// The first folder of $XDG_CONFIG_DIRS followed by /autostart (/etc/xdg/autostart when unset).
QString SystemAutostartFolder();
inline const QString kAutostartFileName = QStringLiteral("timeward.desktop");
// The user unit's drop-in that gives it the data folder (TIMEWARD_HOME), below
// $XDG_CONFIG_HOME/systemd/user/.
QString UserUnitDataFolderFile();
// Whether this account may write the system-wide autostart folder.
bool CanWriteSystemAutostart();
// One sentence for the options dialog: what the two choices do on this machine.
QString StartupChoicesNote();

// Registers the program as the options dialog's two controls say. loadOnStartup is the
// state of "Load On Startup" (1 ticked, 0 clear; a greyed box changes nothing); asService
// whether "As Service (before user logs in)" is chosen. The entry switched off is always
// written before the one switched on, and registration is never removed, only emptied.
//
// The desktop's autostart entries follow. Each runs this program with the data folder it was
// saved from (TIMEWARD_HOME in its Exec line). "Regular" writes this account's entry; "As
// Service" the system-wide one, which starts with every account's desktop (this account's
// entry when the system folder cannot be written). A clear box removes both; a system-wide
// entry that cannot be removed is overridden for this account with Hidden=true. Where a user
// service manager knows the program's unit, a ticked box gives the unit the same data folder
// and enables it (it restarts a killed copy), and the entry tells such desktops to leave the
// start to the unit; a clear box disables the unit and removes its data folder setting.
void SaveStartupRegistration(App& app, int loadOnStartup, bool asService);
