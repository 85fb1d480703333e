#pragma once

#include <QString>
#include <array>

// Every key of sections "Config", "Security", "Communication", "Window Metrics", "Wizards"
// and "Compatability", spelled as stored. Use these instead of literals.
namespace Sections {
inline const QString Config = QStringLiteral("Config");
inline const QString Security = QStringLiteral("Security");
inline const QString Communication = QStringLiteral("Communication");
inline const QString WindowMetrics = QStringLiteral("Window Metrics");
inline const QString Wizards = QStringLiteral("Wizards");
inline const QString Compatability = QStringLiteral("Compatability");
inline QString User(int n) {
    return QStringLiteral("Users\\") + QString::number(n);
}
// The seconds each user was charged per day ("yyyy-mm-dd" = seconds), kept under the name.
inline const QString History = QStringLiteral("History");
inline QString UserHistory(const QString& name) {
    return History + QLatin1Char('\\') + name;
}
} // namespace Sections

namespace ConfigKeys {
#define TW_KEY(name, text) inline const QString name = QStringLiteral(text)
TW_KEY(LoadedBefore, "LoadedBefore");
TW_KEY(ShutdownOK, "ShutdownOK");
TW_KEY(BadShutdownWarn, "BadShutdownWarn");
TW_KEY(ShowSplash, "ShowSplash");
TW_KEY(LoadOnStartup, "Load On Startup");
TW_KEY(AsService, "AsService");
TW_KEY(SaveWinPosition, "SaveWinPosition");
TW_KEY(AutoCenterWindows, "AutoCenterWindows");
TW_KEY(TRWindow, "TRWindow");
TW_KEY(TWLoc, "TWLoc");
TW_KEY(TimerInterval, "TimerInterval");
TW_KEY(CurrUser, "CurrUser");
TW_KEY(CurrentNumberOfUsers, "Current Number Of Users");
TW_KEY(AllowT, "AllowT");
TW_KEY(AllowW, "AllowW");
TW_KEY(UpScr, "UpScr");
TW_KEY(ForceLogin, "ForceLogin");
TW_KEY(LoginTimer, "LoginTimer");
TW_KEY(LoginTimerSecs, "LoginTimerSecs");
TW_KEY(LoginTimerTA, "LoginTimerTA");
TW_KEY(ThreeMinWarn, "3MinWarn");
TW_KEY(GenMode, "GenMode");
TW_KEY(GetAmmount, "GetAmmount");
TW_KEY(GenSubAmmtAtEnd, "GenSubAmmtAtEnd");
TW_KEY(GenDWM, "GenDWM");
TW_KEY(SSSEnable, "SSSEnable");
TW_KEY(SSSTimoutFromTime, "SSSTimoutFromTime");
TW_KEY(SSSLog, "SSSLog");
TW_KEY(LogEnable, "LogEnable");
TW_KEY(LogTimeStamp, "LogTimeStamp");
TW_KEY(LogUse, "LogUse");
TW_KEY(LogTFOn, "LogTFOn");
TW_KEY(LogTFFile, "LogTFFile");
TW_KEY(LogTS, "LogTS");
TW_KEY(LogELogin, "LogELogin");
TW_KEY(LogELogout, "LogELogout");
TW_KEY(LogETimeouts, "LogETimeouts");
TW_KEY(LogEConfig, "LogEConfig");
TW_KEY(AllowChangePW, "AllowChangePW");
// The parent's page: served (1) or not, and on which port.
TW_KEY(ParentPage, "ParentPage");
TW_KEY(ParentPagePort, "ParentPagePort");
// What the period check last trusted: the wall time, the boot-time clock's reading with it
// (milliseconds since boot) and the id of that boot.
TW_KEY(LastWallTime, "LastWallTime");
TW_KEY(LastBootTime, "LastBootTime");
TW_KEY(LastBootId, "LastBootId");
// A parent's password asked for away from the login (the login window's "Ask a parent", the
// parent's page): wrong tries since the last right one, and the wall time (UTC,
// yyyy-MM-ddTHH:mm:ss.zzzZ) until which no try is taken.
TW_KEY(ParentWrongTries, "ParentWrongTries");
TW_KEY(ParentRestUntil, "ParentRestUntil");
// 1 once a parent has logged in: the first parent's login opens the main window.
TW_KEY(ParentLoggedInBefore, "ParentLoggedInBefore");
// Where the bug report is mailed; empty: it is saved to a file for the parent to send.
TW_KEY(BugReportAddress, "BugReportAddress");
// Shell parts switched off while the login window is up.
TW_KEY(DisableDesktop, "DisableDesktop");
TW_KEY(DisableIconTray, "DisableIconTray");
TW_KEY(DisableMouse, "DisableMouse");
TW_KEY(DisableScreenSaver, "DisableScreenSaver");
TW_KEY(DisableStartButton, "DisableStartButton");
TW_KEY(DisableTaskbar, "DisableTaskbar");
TW_KEY(DisableTaskSwitch, "DisableTaskSwitch");
TW_KEY(DisableTrayClock, "DisableTrayClock");
// The same parts while a user without parent rights is logged in.
TW_KEY(DisableRunDesktop, "DisableRunDesktop");
TW_KEY(DisableRunIconTray, "DisableRunIconTray");
TW_KEY(DisableRunMouse, "DisableRunMouse");
TW_KEY(DisableRunScreenSaver, "DisableRunScreenSaver");
TW_KEY(DisableRunStartButton, "DisableRunStartButton");
TW_KEY(DisableRunTaskbar, "DisableRunTaskbar");
TW_KEY(DisableRunTaskSwitch, "DisableRunTaskSwitch");
TW_KEY(DisableRunTrayClock, "DisableRunTrayClock");
#undef TW_KEY

// The eight shell parts in the order the migration and the options dialog use.
inline const std::array<QString, 8> LoginScreenDisables = {DisableDesktop,     DisableIconTray,    DisableMouse,
                                                           DisableScreenSaver, DisableStartButton, DisableTaskbar,
                                                           DisableTaskSwitch,  DisableTrayClock};
inline const std::array<QString, 8> RunDisables = {DisableRunDesktop,     DisableRunIconTray,    DisableRunMouse,
                                                   DisableRunScreenSaver, DisableRunStartButton, DisableRunTaskbar,
                                                   DisableRunTaskSwitch,  DisableRunTrayClock};

struct FirstRunDefault {
    const QString& key;
    const char* value;
};
// What a new installation's first start writes, in this order ("LastStartDate" of user 1
// and "LoadedBefore" follow).
inline const std::array<FirstRunDefault, 22> FirstRunDefaults = {{
    {LoadOnStartup, "0"},    {ShowSplash, "1"}, {SaveWinPosition, "0"},   {AutoCenterWindows, "1"},
    {TimerInterval, "1000"}, {GenMode, "0"},    {GetAmmount, "10"},       {GenSubAmmtAtEnd, "1"},
    {GenDWM, "1"},           {SSSEnable, "1"},  {SSSTimoutFromTime, "1"}, {SSSLog, "1"},
    {LogEnable, "1"},        {LogTFOn, "0"},    {LogTFFile, ""},          {LogTS, "1"},
    {LogELogin, "1"},        {LogELogout, "1"}, {LogETimeouts, "1"},      {LogEConfig, "1"},
    {LogTimeStamp, "1"},     {LogUse, "Both"},
}};

// The whole "Config" catalogue: how each key is written, what a new installation gets and
// from which pass ("first run", or the migration step that lays it down), and what readers
// assume when the key is absent (nullptr: no default is passed, so absent reads as absent).
struct ConfigKeyInfo {
    const QString& key;
    const char* form;
    const char* installDefault; // nullptr: none
    const char* installedBy;    // "first run", "migration 0.9.5" ...
    const char* absentReadsAs;  // nullptr: nothing
};
inline const std::array<ConfigKeyInfo, 46> Catalogue = {{
    {LoadedBefore, "1 once set", "1", "first run", "False"},
    {ShutdownOK, "0, 1, 2", nullptr, "every start", "3"},
    {BadShutdownWarn, "0/1", "1", "migration 0.9.9c", "1"},
    {ShowSplash, "0/1", "1", "first run", "0"},
    {LoadOnStartup, "0/1", "0", "first run", nullptr},
    {AsService, "0/1", "1", "migration 1.0.3", "True"},
    {SaveWinPosition, "0/1", "0", "first run", "0"},
    {AutoCenterWindows, "0/1", "1", "first run", "0"},
    {TRWindow, "0/1", "0", "migration 1.1.1", "0"},
    {TWLoc, "0, 1, 2, 3", "0", "migration 1.1.1", "0"},
    {TimerInterval, "whole number", "1000", "first run", nullptr},
    {CurrUser, "text", nullptr, "login", nullptr},
    {CurrentNumberOfUsers, "whole number", nullptr, "first recount", "0"},
    {AllowT, "\"0\"/\"1\"", "1", "migration 0.9.5", "0"},
    {AllowW, "\"0\"/\"1\"", "0", "migration 0.9.5", "0"},
    {UpScr, "0/1", "0", "migration 0.9.7x", "0"},
    {ForceLogin, "\"0\"/\"1\"", "0", "migration 0.9.6", "0"},
    {LoginTimer, "\"0\"/\"1\"", "0", "migration 0.9.5", "0"},
    {LoginTimerSecs, "whole number", "60", "migration 0.9.5", "60"},
    {LoginTimerTA, "action text", "Restart Windows", "migration 0.9.5", "ShutDown Windows"},
    {ThreeMinWarn, "0/1", "0", "migration 0.9.9g", "0"},
    {GenMode, "0/1", "0", "first run", "False"},
    {GetAmmount, "whole number (minutes)", "10", "first run", nullptr},
    {GenSubAmmtAtEnd, "0/1", "1", "first run", nullptr},
    {GenDWM, "0/1", "1", "first run", "False"},
    {SSSEnable, "0/1", "1", "first run", nullptr},
    {SSSTimoutFromTime, "0/1", "1", "first run", nullptr},
    {SSSLog, "0/1", "1", "first run", nullptr},
    {LogEnable, "0/1", "1", "first run", "0"},
    {LogTimeStamp, "0/1", "1", "first run", "0"},
    {LogUse, "Time, Date, Both", "Both", "first run", "None"},
    {LogTFOn, "0/1", "0", "first run", "0"},
    {LogTFFile, "path text", "", "first run", nullptr},
    {LogTS, "0/1", "1", "first run", "0"},
    {LogELogin, "0/1", "1", "first run", nullptr},
    {LogELogout, "0/1", "1", "first run", nullptr},
    {LogETimeouts, "0/1", "1", "first run", nullptr},
    {LogEConfig, "0/1", "1", "first run", nullptr},
    {AllowChangePW, "0", "0", "migration 0.9.7", nullptr},
    {ParentPage, "0/1", nullptr, "Preferences", "0"},
    {ParentPagePort, "whole number (1-65535)", nullptr, "Preferences", "47613"},
    {LastWallTime, "UTC time, yyyy-MM-ddTHH:mm:ss.zzzZ", nullptr, "period check", nullptr},
    {LastBootTime, "whole number (milliseconds since boot)", nullptr, "period check", nullptr},
    {LastBootId, "text", nullptr, "period check", nullptr},
    {ParentLoggedInBefore, "1 once set", nullptr, "first parent login", "0"},
    {BugReportAddress, "e-mail address or empty", nullptr, "by hand (twreg)", ""},
}};
// The sixteen shell-part keys ("Disable…", "DisableRun…") are 0/1, installed as 0 by migration
// 0.9.9d, and read as 0 when absent; "Security" keys have no installation default and read as 0
// where the restrictions are applied.
} // namespace ConfigKeys

// Section "Compatability": one done-mark per version step of the migration, in the order
// the steps run ("1.1", the settings move, comes first).
namespace CompatabilityKeys {
inline const std::array<QString, 14> Steps = {
    QStringLiteral("1.1"),    QStringLiteral("0.9.2"),  QStringLiteral("0.9.5"),   QStringLiteral("0.9.6"),
    QStringLiteral("0.9.7"),  QStringLiteral("0.9.7x"), QStringLiteral("0.9.7x2"), QStringLiteral("0.9.7x3"),
    QStringLiteral("0.9.9c"), QStringLiteral("0.9.9d"), QStringLiteral("0.9.9g"),  QStringLiteral("1.0.0"),
    QStringLiteral("1.0.3"),  QStringLiteral("1.1.1")};
} // namespace CompatabilityKeys

// Section "Security": shell parts switched off by the restriction component.
namespace SecurityKeys {
inline const std::array<QString, 5> StartMenu = {QStringLiteral("StartRun"), QStringLiteral("StartFind"),
                                                 QStringLiteral("StartSettings"), QStringLiteral("StartShutdown"),
                                                 QStringLiteral("StartTaskbarSettings")};
inline const std::array<QString, 19> ControlPanel = {QStringLiteral("CPNoAddPrinter"),
                                                     QStringLiteral("CPNoAddDelPrinter"),
                                                     QStringLiteral("CPPrinterGeneralandDetails"),
                                                     QStringLiteral("CPUserProfiles"),
                                                     QStringLiteral("CPRemoteAdministration"),
                                                     QStringLiteral("CPChangePasswords"),
                                                     QStringLiteral("CPPasswords"),
                                                     QStringLiteral("CPAccessControl"),
                                                     QStringLiteral("CPIdentification"),
                                                     QStringLiteral("CPNetwork"),
                                                     QStringLiteral("CPVirtualMemory"),
                                                     QStringLiteral("CPFileSystem"),
                                                     QStringLiteral("CPHardwareProfiles"),
                                                     QStringLiteral("CPDeviceMan"),
                                                     QStringLiteral("CPBackground"),
                                                     QStringLiteral("CPScreenSaver"),
                                                     QStringLiteral("CPAppearance"),
                                                     QStringLiteral("CPSettings"),
                                                     QStringLiteral("CPDisplay")};
inline const std::array<QString, 10> Misc = {
    QStringLiteral("chkMDrives"),         QStringLiteral("chkMEntireNetwork"), QStringLiteral("chkMFileSharing"),
    QStringLiteral("chkMMSDOSMode"),      QStringLiteral("chkMMSDOSPrograms"), QStringLiteral("chkMPassword"),
    QStringLiteral("chkMPrinterSharing"), QStringLiteral("chkMRegistry"),      QStringLiteral("chkMSaveSettingsOnExit"),
    QStringLiteral("chkMWorkgroup")};
} // namespace SecurityKeys

// Section "Wizards".
namespace WizardsKeys {
// "&Add User" runs the new-user wizard when true; absent reads as true.
inline const QString NewUser = QStringLiteral("NewUser");
} // namespace WizardsKeys

// Section "Communication": the command mailbox between two copies of the program.
namespace MailboxKeys {
inline const QString EndNow = QStringLiteral("EndNow");
inline const QString Logout = QStringLiteral("Logout");
inline const QString MainScreen = QStringLiteral("MainScreen");
} // namespace MailboxKeys

// Section "Requests\<id>": a child's request for more time, numbered from 1 upwards.
namespace Sections {
inline const QString Requests = QStringLiteral("Requests");
inline QString Request(int id) {
    return Requests + QLatin1Char('\\') + QString::number(id);
}
} // namespace Sections

namespace RequestKeys {
inline const QString User = QStringLiteral("User");         // the asking user's name
inline const QString Minutes = QStringLiteral("Minutes");   // asked: 5, 15 or 30
inline const QString Reason = QStringLiteral("Reason");     // the child's one line, may be empty
inline const QString Asked = QStringLiteral("Asked");       // "M/d/yyyy h:mm:ss AP"
inline const QString State = QStringLiteral("State");       // RequestStates
inline const QString Answer = QStringLiteral("Answer");     // minutes given (0 when denied)
inline const QString By = QStringLiteral("By");             // the parent who answered
inline const QString Answered = QStringLiteral("Answered"); // when, as "Asked"
inline const QString Note = QStringLiteral("Note");         // why TimeWard closed it ("session ended")
} // namespace RequestKeys

namespace RequestStates {
inline const QString Open = QStringLiteral("Open");
inline const QString Approved = QStringLiteral("Approved");
inline const QString Denied = QStringLiteral("Denied");
} // namespace RequestStates
