#include "program/frmAbout.h"

#include "core/App.h"
#include "core/WindowMetrics.h"
#include "reports/Reports.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmAbout::frmAbout(App&) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About TimeWard"));
    auto* layout = new QVBoxLayout(this);
    lblTitle = new QLabel(QStringLiteral("TimeWard"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont f = lblTitle->font();
    f.setPointSize(f.pointSize() * 2);
    f.setBold(true);
    lblTitle->setFont(f);
    lblVersion = new QLabel(tr("Version %1").arg(kProgramVersion), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblDescription = new QLabel(tr("Decides who may use this computer, when, and for how long."), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignCenter);
    cmdOk = new QPushButton(tr("&OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addStretch();
    layout->addWidget(lblTitle, 0, Qt::AlignHCenter);
    layout->addWidget(lblVersion, 0, Qt::AlignHCenter);
    layout->addWidget(lblDescription);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(360, 200);
}

void ShowAbout(App& app) {
    frmAbout& about = app.window<frmAbout>();
    CenterForm(app, about);
    about.show();
    about.raise();
    about.activateWindow();
}
