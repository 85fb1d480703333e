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

// Windows the main window's menus and the user status window open. Those answering bool say
// whether a window is now up that enables its opener again when it is closed; false lets the
// opener (which disabled itself first) enable itself at once.
bool ShowOptionsDialog(App& app);                           // LoadOptions, cmdApply off, centred when configured
bool OpenPasswordChangeForStatus(App& app, int userNumber); // frmPassChange over frmUS, mode "Edit User2"
// The printed reports of the main window's log list and user list.
void PrintLogReport(App& app);
void PrintTimeUsageReport(App& app);
void PrintUserListReport(App& app);
void PrintEverythingReport(App& app);
// The login window for the next user after a logout: userName in cboUL, txtPW cleared,
// LoginNewUser, the window shown (not modal).
void HandOverToLogin(App& app, const QString& userName);

class QWidget;

// The successful login's later steps, in the order the login runs them; each calls the window or
// service that owns the step.
void ShowTimeRemainingWindowAtLogin(App& app);         // "TRWindow" = 1: the corner window, shown
void PrepareMainWindowAtLogin(App& app);               // a parent: UL's column widths, RestoreWindowMetrics
void FillUserListAtLogin(App& app);                    // a parent: FillUserList, every row rebuilt
void FillUserStatusAtLogin(App& app);                  // anyone else: FillUserStatus
void AddTrayIconAtLogin(App& app, const QString& tip); // AddTrayIcon, then the tip as UpdateTrayTip sets it
// The login window's saved position ("Window Metrics"), restored when it is set up and saved
// when it is closed or resized; both only when "SaveWinPosition" is 1 (the login checks).
void RestoreLoginWindowMetrics(App& app, QWidget& window);
void SaveLoginWindowMetrics(App& app, QWidget& window);

// The Task Manager's end-task (SIGTERM/SIGINT) as it reaches the login window: true when the
// window closed or is not loaded, false when it refused ("AllowT" = 1).
bool EndTaskLoginWindow(App& app);
// The session's calls into the windows (controller, logout, time-out).
void ShowLoginForNextUser(App& app, const QString& name); // cboUL = name, txtPW cleared, LoginNewUser, frmLogin shown
void RefreshUserListQuick(App& app);                      // FillUserList(true)
void RefreshUserListFull(App& app);                       // FillUserList(false)
void RefreshUserStatus(App& app);                         // FillUserStatus
void ShowMainScreen(App& app);                            // "MainScreen" for a parent: frmMain shown
void ShowUserStatus(App& app);                            // "MainScreen" for another user: frmUS shown
void OpenMainFromTray(App& app);                          // tray double-click of a parent while frmMain is hidden
void OpenUserStatusFromTray(App& app);                    // tray double-click of another user, when frmUS is hidden
void RefreshScreenSaverStatus(App& app);                  // frmOptions' screen-saver fields, when frmOptions is visible
