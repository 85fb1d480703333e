#include "core/EntryPoints.h"

#include "core/App.h"
#include "reports/frmBadShutdown.h"

void ShowBadShutdownNotice(App& app) {
    app.badShutdown().exec();
    app.unload("frmBadShutdown");
}

void ShowWelcome(App&) {}

void RunNewUserWizard(App&, const QString&) {}

void ShowLoginWindow(App&, bool) {}

void LiftAllRestrictionsAtExit(App&) {}

void CenterFirstRunWindows(App&) {}
