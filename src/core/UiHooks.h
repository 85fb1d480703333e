#pragma once

#include "restrictions/ShellRestrictions.h"

#include <QString>
#include <functional>

// What the logic needs of the windows, filled in by the windows' side of the program.
// Each hook may be empty (tests of the logic alone, or before the window exists).
struct UiHooks {
    // Appends an entry to the main window's log list, loading the window hidden if needed.
    std::function<void(const QString&)> addLogLine;
    // The error prompt's "mail the author" path: the error wizard, then the bug report.
    std::function<void()> mailAuthor;
    // Refills the main window's user list (FillUserList) after the table changed.
    std::function<void()> fillUserList;
    // The controller window's restriction controls, creating the window when needed.
    std::function<RestrictionControls()> restrictionControls;

    // The session's windows as the session clock and the time-out reach them.
    std::function<void(bool)> setControllerTimer;    // T1 of frmSecret on (true) or off
    std::function<void(bool)> holdShellRestrictions; // HoldShellRestrictions around a modal box
    std::function<void()> returnToLogin;             // end the session and bring the login window back
};
