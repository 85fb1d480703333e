#include "core/EntryPoints.h"

#include "core/App.h"
#include "core/WindowMetrics.h"
#include "core/frmAbout.h"
#include "core/frmMain.h"
#include "platform/Help.h"
#include "timekeeping/frmUS.h"

void ShowBadShutdownNotice(App&) {}

void ShowWelcome(App&) {}

void RunNewUserWizard(App&, const QString&) {}

void ShowLoginWindow(App&, bool) {}

void LiftAllRestrictionsAtExit(App&) {}

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

void HandOverToLogin(App&, const QString&) {}
