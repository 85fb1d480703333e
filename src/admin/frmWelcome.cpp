#include "admin/frmWelcome.h"

#include "admin/UserAdmin.h"
#include "core/App.h"
#include "core/WindowMetrics.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmWelcome::frmWelcome(App&) {
    setObjectName(QStringLiteral("frmWelcome"));
    setWindowTitle(tr("Welcome to TimeWard"));
    auto* layout = new QVBoxLayout(this);
    lblWelcome = new QLabel(tr("Welcome to TimeWard!\n\n"
                               "TimeWard decides who may use this computer, when, and for how long.  Every person gets "
                               "a user name, a password and a time allowance that renews daily, weekly or monthly, or "
                               "unlimited time.\n\n"
                               "Since this is the first time TimeWard has been started, you will now set up the first "
                               "user.  That user will be a parent: he or she can change the options and add, edit and "
                               "delete the other users.\n\n"
                               "Click Next to begin."),
                            this);
    lblWelcome->setObjectName(QStringLiteral("lblWelcome"));
    lblWelcome->setWordWrap(true);
    cmdNext = new QPushButton(tr("&Next >"), this);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdNext->setDefault(true);
    layout->addWidget(lblWelcome, 1);
    layout->addWidget(cmdNext, 0, Qt::AlignRight);
    connect(cmdNext, &QPushButton::clicked, this, &QDialog::accept);
    resize(420, 280);
}

void ShowWelcomeWindow(App& app) {
    frmWelcome& w = app.window<frmWelcome>();
    CenterForm(app, w);
    w.exec();
}
