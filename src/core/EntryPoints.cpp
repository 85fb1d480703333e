#include "core/EntryPoints.h"

#include "admin/UserAdmin.h"
#include "admin/frmOptions.h"
#include "core/App.h"
#include "core/WindowMetrics.h"
#include "core/frmAbout.h"
#include "core/frmMain.h"
#include "core/frmSecret.h"
#include "core/frmTRWindow.h"
#include "login/frmLogin.h"
#include "platform/Help.h"
#include "platform/Tray.h"
#include "reports/Reports.h"
#include "reports/frmBadShutdown.h"
#include "restrictions/ShellRestrictions.h"
#include "timekeeping/frmUS.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

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

void CenterFirstRunWindows(App& app) {
    CenterForm(app, app.main());
    CenterForm(app, app.us());
}

bool ShowOptionsDialog(App& app) {
    ShowOptions(app); // the dialog enables the main window again when it closes
    return true;
}

bool OpenPasswordChangeForStatus(App& app, int) {
    ChangeOwnPassword(app); // the dialog enables the status window again when it closes
    return true;
}

namespace {
QStringList logLines(App& app) {
    QStringList lines;
    const QListWidget* log = app.main().lstLog;
    for (int i = 0; i < log->count(); ++i)
        lines << log->item(i)->text();
    return lines;
}

QList<UserListRow> userRows(App& app) {
    FillUserList(app, false);
    QList<UserListRow> rows;
    const QTreeWidget* ul = app.main().UL;
    for (int i = 0; i < ul->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* it = ul->topLevelItem(i);
        rows.append({it->text(0), it->text(1), it->text(2), it->text(3), it->text(4)});
    }
    return rows;
}
} // namespace

void PrintLogReport(App& app) {
    PrintLogReport(app, logLines(app));
}

void PrintTimeUsageReport(App& app) {
    PrintTimeUsageReport(app, userRows(app));
}

void PrintUserListReport(App& app) {
    PrintUserInformationReport(app, userRows(app));
}

void PrintEverythingReport(App& app) {
    PrintEverything(app, logLines(app), userRows(app));
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
    // A removed user's empty name must not blank the box over the first user that the
    // preselection of LoginNewUser has just chosen.
    if (!name.isEmpty() || wasLoaded) login.cboUL->setEditText(name);
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

void RefreshScreenSaverStatus(App& app) {
    RefreshScreenSaverStatusIfShown(app);
}

bool EndTaskLoginWindow(App& app) {
    return !app.isLoaded("frmLogin") || app.login().closeFromTaskManager();
}
