#include "program/StartUp.h"

#include "admin/UserAdmin.h"
#include "core/App.h"
#include "core/ErrorPrompt.h"
#include "core/WindowMetrics.h"
#include "login/frmLogin.h"
#include "platform/Clock.h"
#include "platform/Help.h"
#include "platform/InputGrab.h"
#include "platform/InstanceLock.h"
#include "platform/Paths.h"
#include "platform/ProcessControl.h"
#include "platform/Tray.h"
#include "program/frmAbout.h"
#include "program/frmMain.h"
#include "reports/frmBadShutdown.h"
#include "restrictions/ShellRestrictions.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "storage/Migration.h"
#include "timekeeping/Periods.h"
#include "timekeeping/Requests.h"
#include "timekeeping/SessionClock.h"
#include "timekeeping/frmUS.h"
#include "users/PasswordList.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"
#include "web/ParentPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

using namespace ConfigKeys;

CommandSwitch ParseCommandLine(const QString& argString) {
    // The whole argument string must be the switch: " /q" or "/q /l" are no switches.
    const auto is = [&](const char* s) { return argString.compare(QLatin1String(s), Qt::CaseInsensitive) == 0; };
    if (is("/q")) return CommandSwitch::Quit;
    if (is("/l")) return CommandSwitch::Logout;
    if (is("-h") || is("--help") || is("/?")) return CommandSwitch::Help;
    if (is("--version")) return CommandSwitch::Version;
    return CommandSwitch::None;
}

QString CommandLineUsage(const Paths& paths) {
    QString u;
    u += QCoreApplication::translate("CommandLine", "Usage: timeward [/q | /l | -h | --version]") + QLatin1Char('\n');
    u += QCoreApplication::translate(
             "CommandLine", "Without a switch TimeWard starts and shows its login window; when it runs already, "
                            "the running copy shows its main window.") +
         QStringLiteral("\n\n");
    u += QCoreApplication::translate("CommandLine", "Switches (the whole command line, in any letter case):") +
         QLatin1Char('\n');
    u += QStringLiteral("  /q                  ") +
         QCoreApplication::translate("CommandLine", "ask the running TimeWard to end") + QLatin1Char('\n');
    u += QStringLiteral("  /l                  ") +
         QCoreApplication::translate("CommandLine", "ask the running TimeWard to log the user out") + QLatin1Char('\n');
    u += QStringLiteral("  -h, --help, /?      ") +
         QCoreApplication::translate("CommandLine", "show this help and end") + QLatin1Char('\n');
    u += QStringLiteral("  --version           ") +
         QCoreApplication::translate("CommandLine", "show the version and end") + QStringLiteral("\n\n");
    u += QCoreApplication::translate("CommandLine", "Environment:") + QLatin1Char('\n');
    u += QStringLiteral("  TIMEWARD_HOME       ") + QCoreApplication::translate("CommandLine", "the data folder") +
         QLatin1Char('\n');
    u += QStringLiteral("  XDG_DATA_HOME       ") +
         QCoreApplication::translate("CommandLine",
                                     "without TIMEWARD_HOME and a writable /var/lib/timeward, the data folder is "
                                     "XDG_DATA_HOME/timeward (~/.local/share/timeward)") +
         QLatin1Char('\n');
    u +=
        QStringLiteral("  LANGUAGE, LANG      ") +
        QCoreApplication::translate("CommandLine", "the language of the windows (English, German, French or Spanish)") +
        QLatin1Char('\n');
    u += QStringLiteral("  LC_TIME, LC_ALL     ") +
         QCoreApplication::translate("CommandLine", "how dates and times are shown") + QLatin1Char('\n');
    u += QStringLiteral("  DISPLAY             ") +
         QCoreApplication::translate("CommandLine", "the desktop the windows appear on") + QLatin1Char('\n');
    u += QStringLiteral("  TIMEWARD_UPDATE_URL ") +
         QCoreApplication::translate("CommandLine", "where the update check looks") + QStringLiteral("\n\n");
    u += QCoreApplication::translate("CommandLine", "Data folder: %1").arg(QDir::toNativeSeparators(paths.dataFolder)) +
         QLatin1Char('\n');
    return u;
}

QString VersionText() {
    return QStringLiteral("TimeWard ") + QStringLiteral(TIMEWARD_VERSION) + QLatin1Char('\n');
}

namespace {
// Posts one command into the mailbox; false with the reason when the store refused it.
bool postCommand(App& app, const QString& key, const QString& what, QString* failure) {
    SqliteRegistry& reg = app.store.registry();
    const quint64 failuresBefore = reg.writeFailures();
    app.write(Sections::Communication, key, true);
    if (reg.writeFailures() == failuresBefore && app.read(Sections::Communication, key).isTrue()) return true;
    if (failure)
        *failure =
            QStringLiteral("cannot post the %1 request: %2")
                .arg(what, reg.lastError().isEmpty() ? QStringLiteral("the store refused the write") : reg.lastError());
    return false;
}
} // namespace

bool RunMessengerSteps(App& app, const QString& argString, QString* failure) {
    switch (ParseCommandLine(argString)) {
    case CommandSwitch::Quit:
        postCommand(app, MailboxKeys::EndNow, QStringLiteral("quit"), failure);
        return true;
    case CommandSwitch::Logout:
        postCommand(app, MailboxKeys::Logout, QStringLiteral("log-out"), failure);
        return true;
    case CommandSwitch::Help:
    case CommandSwitch::Version:
        return true; // answered before the store was opened
    case CommandSwitch::None:
        break;
    }
    InstanceLock& lock = *app.platform.instanceLock;
    if (lock.tryAcquire()) return false;
    if (lock.holderAnswers(kHolderAnswerMs)) {
        postCommand(app, MailboxKeys::MainScreen, QStringLiteral("show-window"), failure);
        return true;
    }
    // A process that holds the lock but is no copy of TimeWard (or a copy that is stopped) must
    // not keep the guard from starting: this start fails, so that whatever started it tries again.
    const QString line = QStringLiteral("The lock file %1 is held by a process that does not answer on the exit link; "
                                        "TimeWard did not start.")
                             .arg(app.paths().dataFile(kLockFileName));
    WriteActivityLog(app, line);
    if (failure) *failure = line;
    return true;
}

void CheckBadShutdown(App& app) {
    if (!app.read(Sections::Config, BadShutdownWarn, 1).is(QStringLiteral("1"))) return;
    const Setting ok = app.read(Sections::Config, ShutdownOK, 3);
    if (ok.is(0))
        app.write(Sections::Config, ShutdownOK, 2);
    else if (ok.is(2))
        app.badShutdownNoticeDue = true;
    else
        app.write(Sections::Config, ShutdownOK, 0);
}

void FirstRunSetup(App& app) {
    if (!app.read(Sections::Config, LoadedBefore, false).isFalse()) return;
    RunSteps(app, QStringLiteral("FirstRunSetup"),
             {
                 [&] { ShowWelcomeWindow(app); },
                 [&] {
                     SettingsStore::Batch batch(app.store);
                     for (const auto& d : FirstRunDefaults)
                         app.write(Sections::Config, d.key, d.value);
                 },
                 [&] { app.write(Sections::User(1), UserKeys::LastStartDate, DateText(app.platform.clock->today())); },
                 [&] { RunAddNewUserWizard(app, QStringLiteral("First")); },
                 [&] { RecountUsers(app); },
                 [&] { CheckTimePeriods(app); },
                 [&] { app.write(Sections::Config, LoadedBefore, 1); },
                 [&] {
                     CenterForm(app, app.window<frmMain>());
                     CenterForm(app, app.window<frmUS>());
                 },
             });
}

bool RefuseQuitDuringChildSession(App& app, const QString& request) {
    // The login window, a program where nobody has logged in yet, and a parent's session
    // accept a quit; a child's session does not, or the child could end the guard from outside.
    if (app.isLoaded("frmLogin") && app.window<frmLogin>().isVisible()) return false;
    if (app.CurrentUserNumber <= 0) return false;
    const QString section = Sections::User(app.CurrentUserNumber);
    if (app.read(section, UserKeys::ParentRights, 0).is(1)) return false;
    const QString name = app.read(section, UserKeys::Name).text();
    RunStep(app, QStringLiteral("ControllerTick"), [&] {
        WriteActivityLog(app, request + QStringLiteral(" refused during ") + name + QStringLiteral("'s session."));
    });
    return true;
}

void ClearStaleQuitRequest(App& app) {
    // A quit posted while no copy ran was meant for a copy that is gone; acted on later it
    // would end some later session.
    if (app.store.TakeSetting(kAppName, Sections::Communication, MailboxKeys::EndNow, BoolText(false)).isTrue())
        WriteActivityLog(app, QStringLiteral("A quit request left while TimeWard was not running was cleared."));
}

void NoteWaylandSession(App& app) {
    if (!WaylandSession()) return;
    WriteActivityLog(app, QStringLiteral("The desktop session is a Wayland one: the login window cannot hold the "
                                         "keyboard and the mouse on this desktop (other programs stay usable while "
                                         "it is up). Time-outs still end the desktop session."));
    app.waylandNoticeDue = true;
}

void StartUpResident(App& app) {
    const QString source = QStringLiteral("StartUp");
    RunSteps(app, source,
             {
                 // A session that a stopped or killed copy left open is charged first, and a
                 // stale quit is gone before the mailbox is first read (the bad-shutdown
                 // notice below lets the timers run).
                 [&] { ChargeOpenSessions(app); },
                 [&] { ClearStaleQuitRequest(app); },
                 [&] {
                     CheckBadShutdown(app);
                     WriteWorkLog(app, QStringLiteral("Bad Shutdown Checked"));
                 },
                 [&] {
                     // The previous run's trace was readable during the check; from here on it is gone.
                     for (const QString& name : {kWarnLogName, kWorkLogName}) {
                         const QString f = app.paths().dataFile(name);
                         if (QFile::exists(f)) QFile::remove(f);
                     }
                 },
                 [&] {
                     LoadPasswordCharacters(app);
                     WriteWorkLog(app, QStringLiteral("Loaded PWs"));
                 },
                 [&] { QDir::setCurrent(app.paths().programFolder); },
                 [&] {
                     MigrateSettings(app);
                     WriteWorkLog(app, QStringLiteral("Version Checked"));
                 },
                 [&] { NoteWaylandSession(app); },
                 // No session outlives its copy: what one left open is closed unanswered.
                 [&] { CloseOpenRequests(app, kSessionEndedNote); },
                 [&] {
                     FirstRunSetup(app);
                     WriteWorkLog(app, QStringLiteral("New Startup Checked"));
                 },
                 [&] {
                     CheckTimePeriods(app);
                     WriteWorkLog(app, QStringLiteral("New Date Checked"));
                 },
                 [&] {
                     const bool centre = app.read(Sections::Config, AutoCenterWindows, 0).is(1);
                     if (app.read(Sections::Config, ShowSplash, 0).is(1)) {
                         frmAbout& splash = app.window<frmAbout>();
                         if (centre) CenterForm(app, splash);
                         splash.show();
                         app.window<frmMain>().T2->start();
                         return;
                     }
                     WriteWorkLog(app, QStringLiteral("Logging in"));
                     ShowLoginWindow(app, false);
                 },
                 [&] { StartParentPage(app); },
             });
}

void StartUp(App& app, const QString& argString) {
    QString failure;
    if (RunMessengerSteps(app, argString, &failure)) {
        app.platform.process->exitNow(failure.isEmpty() ? 0 : 1);
        return;
    }
    StartUpResident(app);
}

void t2_Timer(App& app) {
    if (app.isLoaded("frmAbout")) {
        app.window<frmAbout>().hide();
        app.unload("frmAbout");
    }
    app.window<frmMain>().T2->stop();
    ShowLoginWindow(app, app.read(Sections::Config, AutoCenterWindows, 0).is(1));
    RunStep(app, QStringLiteral("t2_Timer"), [&] { WriteActivityLog(app, QStringLiteral("TimeWard Started.")); });
}

void ShutDownProgram(App& app) {
    // The seconds since the last tick are charged (a copy stopped for a while and then ended
    // pays the stop), and the session's heartbeat goes.
    if (app.model.inSession()) {
        if (app.model.countingEnabled()) RunStep(app, QStringLiteral("ShutDownProgram"), [&] { TickUserTime(app); });
        EndSessionClock(app);
    }
    if (app.platform.help) app.platform.help->quit();
    if (app.platform.tray) app.platform.tray->remove();
    app.write(Sections::Config, ShutdownOK, 1);
    LiftAllRestrictions(app);
    app.platform.process->exitNow(0);
}
