#include "core/EntryPoints.h"

#include "admin/UserAdmin.h"
#include "core/App.h"

void ShowBadShutdownNotice(App&) {}

void ShowWelcome(App& app) {
    ShowWelcomeWindow(app);
}

void RunNewUserWizard(App& app, const QString& kind) {
    RunAddNewUserWizard(app, kind);
}

void ShowLoginWindow(App&, bool) {}

void LiftAllRestrictionsAtExit(App&) {}

void CenterFirstRunWindows(App&) {}
