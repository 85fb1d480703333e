#include "core/App.h"
#include "core/UiHooks.h"
#include "program/frmMain.h"
#include "program/frmSecret.h"
#include "reports/frmMailAuthorBadShutdown.h"
#include "timekeeping/frmAskMoreTime.h"

#include <QListWidget>
#include <QTimer>

void InstallUiHooks(App& app) {
    UiHooks& ui = app.ui;
    ui.addLogLine = [&app](const QString& line) { app.main().lstLog->addItem(line); };
    ui.fillUserList = [&app] { FillUserList(app, false); };
    ui.mailAuthor = [&app] { MailTheAuthor(app); };
    ui.restrictionControls = [&app] { return app.secret().restrictionControls(); };
    ui.setControllerTimer = [&app](bool on) {
        if (on)
            app.secret().T1->start();
        else
            app.secret().T1->stop();
    };
    ui.returnToLogin = [&app] { ReturnToLogin(app, false); };
    ui.askForMoreTime = [&app] { ShowAskForMoreTime(app); };
}
