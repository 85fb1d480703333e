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

// The session's calls into windows of other issues (controller, logout, time-out).
void HoldRestrictions(App& app, bool hold);               // HoldShellRestrictions(hold)
void ShowLoginForNextUser(App& app, const QString& name); // cboUL = name, txtPW cleared, LoginNewUser, frmLogin shown
void RefreshUserListQuick(App& app);                      // FillUserList(true)
void RefreshUserListFull(App& app);                       // FillUserList(false)
void RefreshUserStatus(App& app);                         // FillUserStatus
void ShowMainScreen(App& app);                            // "MainScreen" for a parent: frmMain shown
void ShowUserStatus(App& app);                            // "MainScreen" for another user: frmUS shown
void OpenMainFromTray(App& app);                          // tray double-click of a parent while frmMain is hidden
void OpenUserStatusFromTray(App& app);                    // tray double-click of another user, when frmUS is hidden
void RefreshScreenSaverStatus(App& app);                  // frmOptions' screen-saver fields, when frmOptions is visible
