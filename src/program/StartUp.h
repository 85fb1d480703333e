#pragma once

#include <QString>

class App;
struct Paths;

// The whole start: the messenger steps, then the resident copy's steps.
void StartUp(App& app, const QString& argString);
// Steps 1 and 2: a switch or a running copy makes this copy a messenger that posts into the
// command mailbox. True when this copy must end now; when the store refused the request, or
// the instance lock is held by a process that does not answer on the exit link within
// kHolderAnswerMs, failure receives one line saying why (and the copy must end with a non-zero
// status).
inline constexpr int kHolderAnswerMs = 2000;
bool RunMessengerSteps(App& app, const QString& argString, QString* failure = nullptr);
// Steps 3 to 10 of the resident copy.
void StartUpResident(App& app);
void CheckBadShutdown(App& app);
// Clears a quit request ("EndNow") left in the mailbox while no copy ran, and logs it.
void ClearStaleQuitRequest(App& app);
// While a user without parental rights is logged in, a quit request from outside (request
// names it, "Quit request (/q)") is refused and logged: true. Otherwise false: go ahead.
bool RefuseQuitDuringChildSession(App& app, const QString& request);
void FirstRunSetup(App& app);
// On a Wayland desktop: one activity log line, and the parent's notice made due.
void NoteWaylandSession(App& app);
// The one orderly end: help closed, tray icon removed, "ShutdownOK" = 1, restrictions lifted,
// and the process ends at once.
void ShutDownProgram(App& app);
// The splash timer's end: the about window goes, the login window comes.
void t2_Timer(App& app);

// What the command line asks for. Help ("-h", "--help", "/?") and Version ("--version") are
// answered on standard output before the data folder or a window is touched.
enum class CommandSwitch { None, Quit, Logout, Help, Version };
CommandSwitch ParseCommandLine(const QString& argString);
// The answers to Help and Version, in the installed language. The usage names the data
// folder paths gives.
QString CommandLineUsage(const Paths& paths);
QString VersionText();
