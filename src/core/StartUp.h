#pragma once

#include <QString>

class App;

// The whole start: the messenger steps, then the resident copy's steps.
void StartUp(App& app, const QString& argString);
// Steps 1 and 2: a switch or a running copy makes this copy a messenger that posts into the
// command mailbox. True when this copy must end now.
bool RunMessengerSteps(App& app, const QString& argString);
// Steps 3 to 10 of the resident copy.
void StartUpResident(App& app);
void CheckBadShutdown(App& app);
void FirstRunSetup(App& app);
// The one orderly end: help closed, tray icon removed, "ShutdownOK" = 1, restrictions lifted,
// and the process ends at once.
void ShutDownProgram(App& app);
// The splash timer's end: the about window goes, the login window comes.
void t2_Timer(App& app);

// What the command line asks for.
enum class CommandSwitch { None, Quit, Logout };
CommandSwitch ParseCommandLine(const QString& argString);
