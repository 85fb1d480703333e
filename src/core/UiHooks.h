#pragma once

#include "platform/RestrictionComponent.h"

#include <QString>
#include <functional>

class App;

// The one way the logic (timeward_core, which links no GUI) reaches the windows. Windows call
// each other directly; only a procedure of the logic that must act on a window goes through
// here. InstallUiHooks fills every hook with the window that owns the act; the tests of the
// logic alone leave them empty or put recorders in, and an empty hook does nothing.
struct UiHooks {
    // frmMain: appends an entry to the log list, loading the window hidden if needed
    // (WriteActivityLog with "LogTS" = 1).
    std::function<void(const QString&)> addLogLine;
    // frmMain: refills the user list (FillUserList, every row rebuilt) after DeleteUser.
    std::function<void()> fillUserList;
    // frmErrorWizard and frmMailAuthorBadShutdown: the error prompt's "mail the author" path.
    std::function<void()> mailAuthor;
    // frmSecret: the restriction component's controls, creating the controller window when needed.
    std::function<RestrictionControls()> restrictionControls;
    // frmSecret: T1 on (true) or off (the time-out stops the clock).
    std::function<void(bool)> setControllerTimer;
    // frmSecret's ReturnToLogin: the time-out's "Display Time Ward Login" ends the session and
    // brings the login window back.
    std::function<void()> returnToLogin;
    // frmAskMoreTime: the three-minute warning's "Ask for More Time…" brings the dialog up.
    std::function<void()> askForMoreTime;
};

// Fills every hook of app.ui; defined on the windows' side (core/InstallUiHooks.cpp) and run
// at the start of the resident copy.
void InstallUiHooks(App& app);
