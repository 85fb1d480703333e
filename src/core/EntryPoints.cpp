#include "core/EntryPoints.h"

#include "core/App.h"
#include "core/frmMain.h"

void ShowBadShutdownNotice(App&) {}

void ShowWelcome(App&) {}

void RunNewUserWizard(App&, const QString&) {}

void ShowLoginWindow(App&, bool) {}

void LiftAllRestrictionsAtExit(App&) {}

void CenterFirstRunWindows(App&) {}

void HoldRestrictions(App&, bool) {}

void ShowLoginForNextUser(App& app, const QString&) {
    ShowLoginWindow(app, false);
}

void RefreshUserListQuick(App&) {}

void RefreshUserListFull(App&) {}

void RefreshUserStatus(App&) {}

void ShowMainScreen(App& app) {
    app.main().show();
}

void ShowUserStatus(App&) {}

void OpenMainFromTray(App& app) {
    frmMain& w = app.main();
    w.setEnabled(true);
    w.show();
    w.activateWindow();
}

void OpenUserStatusFromTray(App&) {}

void RefreshScreenSaverStatus(App&) {}
