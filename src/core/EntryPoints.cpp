#include "core/EntryPoints.h"

#include "core/App.h"

void ShowBadShutdownNotice(App&) {}

void ShowWelcome(App&) {}

void RunNewUserWizard(App&, const QString&) {}

void ShowLoginWindow(App&, bool) {}

void LiftAllRestrictionsAtExit(App&) {}

void CenterFirstRunWindows(App&) {}
