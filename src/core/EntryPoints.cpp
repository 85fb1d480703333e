#include "core/EntryPoints.h"

#include "core/App.h"
#include "core/WindowMetrics.h"
#include "core/frmMain.h"
#include "core/frmSecret.h"
#include "core/frmTRWindow.h"
#include "login/frmLogin.h"
#include "platform/Tray.h"
#include "restrictions/ShellRestrictions.h"

#include <QComboBox>
#include <QLineEdit>

namespace {
// The restriction operations reach the controller window's controls through this hook; the
// window is created when it does not exist yet.
void installRestrictionControls(App& app) {
    if (!app.ui.restrictionControls) app.ui.restrictionControls = [&app] { return app.secret().restrictionControls(); };
}
} // namespace

void ShowBadShutdownNotice(App&) {}

void ShowWelcome(App&) {}

void RunNewUserWizard(App&, const QString&) {}

void ShowLoginWindow(App& app, bool centre) {
    installRestrictionControls(app);
    frmLogin& login = app.login(); // a first load sets the window up (LoginNewUser)
    login.show();
    if (centre) CenterForm(app, login);
}

void LiftAllRestrictionsAtExit(App& app) {
    installRestrictionControls(app);
    LiftAllRestrictions(app);
}

void CenterFirstRunWindows(App&) {}

void ShowTimeRemainingWindowAtLogin(App& app) {
    app.trWindow().showInCorner();
}

void PrepareMainWindowAtLogin(App&) {}

void FillUserListAtLogin(App& app) {
    if (app.ui.fillUserList) app.ui.fillUserList();
}

void FillUserStatusAtLogin(App&) {}

void AddTrayIconAtLogin(App& app, const QString& tip) {
    // The icon comes up with the tip that UpdateTrayTip would give it.
    frmSecret& secret = app.secret();
    secret.nid.setTip(tip);
    secret.AddTrayIcon();
}

void RestoreLoginWindowMetrics(App&, QWidget&) {}

void SaveLoginWindowMetrics(App&, QWidget&) {}

void ShowLoginForNextUser(App& app, const QString& name) {
    installRestrictionControls(app);
    // A first load sets the window up by itself (LoginNewUser).
    const bool wasLoaded = app.isLoaded("frmLogin");
    frmLogin& login = app.login();
    login.cboUL->setEditText(name);
    login.txtPW->clear();
    if (wasLoaded) login.LoginNewUser();
    login.show();
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
