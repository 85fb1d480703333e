#include "core/EntryPoints.h"

#include "admin/UserAdmin.h"
#include "core/App.h"
#include "reports/frmBadShutdown.h"
#include "core/WindowMetrics.h"
#include "core/frmSecret.h"
#include "login/frmLogin.h"
#include "platform/Tray.h"
#include "restrictions/ShellRestrictions.h"

namespace {
// The restriction operations reach the controller window's controls through this hook; the
// window is created when it does not exist yet.
void installRestrictionControls(App& app) {
    if (!app.ui.restrictionControls) app.ui.restrictionControls = [&app] { return app.secret().restrictionControls(); };
}
} // namespace

void ShowBadShutdownNotice(App& app) {
    app.badShutdown().exec();
    app.unload("frmBadShutdown");
}

void ShowWelcome(App& app) {
    ShowWelcomeWindow(app);
}

void RunNewUserWizard(App& app, const QString& kind) {
    RunAddNewUserWizard(app, kind);
}

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

void ShowTimeRemainingWindowAtLogin(App&) {}

void PrepareMainWindowAtLogin(App&) {}

void FillUserListAtLogin(App& app) {
    if (app.ui.fillUserList) app.ui.fillUserList();
}

void FillUserStatusAtLogin(App&) {}

void AddTrayIconAtLogin(App& app, const QString& tip) {
    if (app.platform.tray) app.platform.tray->add(tip);
}

void RestoreLoginWindowMetrics(App&, QWidget&) {}

void SaveLoginWindowMetrics(App&, QWidget&) {}

bool EndTaskLoginWindow(App& app) {
    return !app.isLoaded("frmLogin") || app.login().closeFromTaskManager();
}
