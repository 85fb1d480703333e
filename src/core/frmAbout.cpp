#include "core/frmAbout.h"

#include "core/App.h"

#include <QLabel>
#include <QVBoxLayout>

frmAbout& App::about() {
    return window<frmAbout>("frmAbout");
}

frmAbout::frmAbout(App&) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About TimeWard"));
    auto* layout = new QVBoxLayout(this);
    lblTitle = new QLabel(QStringLiteral("TimeWard"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont f = lblTitle->font();
    f.setPointSize(f.pointSize() * 2);
    f.setBold(true);
    lblTitle->setFont(f);
    lblVersion = new QLabel(QStringLiteral("Version ") + QStringLiteral(TIMEWARD_VERSION), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    layout->addWidget(lblTitle, 0, Qt::AlignHCenter);
    layout->addWidget(lblVersion, 0, Qt::AlignHCenter);
    resize(360, 180);
}
