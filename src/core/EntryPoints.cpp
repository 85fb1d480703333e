#include "core/EntryPoints.h"

#include "core/App.h"
#include "core/WindowMetrics.h"
#include "core/frmAbout.h"
#include "core/frmMain.h"
#include "core/frmSecret.h"
#include "core/frmTRWindow.h"
#include "login/frmLogin.h"
#include "platform/Help.h"
#include "platform/Tray.h"
#include "restrictions/ShellRestrictions.h"
#include "timekeeping/frmUS.h"

#include <QComboBox>
#include <QLineEdit>

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

void CenterFirstRunWindows(App& app) {
    CenterForm(app, app.main());
    CenterForm(app, app.us());
}

bool ShowOptionsDialog(App&) {
    return false;
}

bool OpenUserEditorForNewUser(App&) {
    return false;
}

bool OpenUserEditorForUser(App&, int) {
    return false;
}

bool OpenPasswordChangeForStatus(App&, int) {
    return false;
}

void ShowPrinterSetup(App&) {}

void PrintLogReport(App&) {}

void PrintTimeUsageReport(App&) {}

void PrintUserListReport(App&) {}

void PrintEverythingReport(App&) {}

void ShowCheckForUpdate(App&) {}

void ShowAboutWindow(App& app) {
    app.about().show();
}

void ShowHelpContents(App& app) {
    if (app.platform.help) app.platform.help->showContents();
}

void ShowHelpSearch(App& app) {
    if (app.platform.help) app.platform.help->showSearch();
}

void ShowHelpOnUsingHelp(App& app) {
    if (app.platform.help) app.platform.help->showHelpOnHelp();
}

void HandOverToLogin(App& app, const QString& userName) {
    ShowLoginForNextUser(app, userName);
}

void ShowTimeRemainingWindowAtLogin(App& app) {
    app.trWindow().showInCorner();
}

void PrepareMainWindowAtLogin(App& app) {
    frmMain& main = app.main();
    main.SizeColumns();
    RestoreWindowMetrics(app, main);
}

void FillUserListAtLogin(App& app) {
    FillUserList(app, false);
}

void FillUserStatusAtLogin(App& app) {
    FillUserStatus(app);
}

void AddTrayIconAtLogin(App& app, const QString& tip) {
    // The icon comes up with the tip that UpdateTrayTip would give it.
    frmSecret& secret = app.secret();
    secret.nid.setTip(tip);
    secret.AddTrayIcon();
}

void RestoreLoginWindowMetrics(App& app, QWidget& window) {
    RestoreWindowMetrics(app, window);
}

void SaveLoginWindowMetrics(App& app, QWidget& window) {
    SaveWindowMetrics(app, window);
}

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

void RefreshUserListQuick(App& app) {
    FillUserList(app, true);
}

void RefreshUserListFull(App& app) {
    FillUserList(app, false);
}

void RefreshUserStatus(App& app) {
    FillUserStatus(app);
}

void ShowMainScreen(App& app) {
    app.main().show();
}

void ShowUserStatus(App& app) {
    app.us().show();
}

void OpenMainFromTray(App& app) {
    BringUpMainWindow(app);
}

void OpenUserStatusFromTray(App& app) {
    BringUpUserStatus(app);
}

void RefreshScreenSaverStatus(App&) {}
