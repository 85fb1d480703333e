#pragma once

#include <QString>

class App;

// Windows that the start-up sequence and the orderly exit open or close. Each is filled
// by the window it names; a window that does not exist yet leaves its step doing nothing.
void ShowBadShutdownNotice(App& app); // modal
void ShowWelcome(App& app);           // modal, centred
void RunNewUserWizard(App& app, const QString& kind);
void ShowLoginWindow(App& app, bool centre);
void LiftAllRestrictionsAtExit(App& app);
void CenterFirstRunWindows(App& app); // frmMain and frmUS, not shown
