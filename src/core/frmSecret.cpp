#include "core/frmSecret.h"

#include "core/App.h"

#include <QTimer>

frmSecret& App::secret() {
    return window<frmSecret>("frmSecret");
}

frmSecret::frmSecret(App& app) : m_app(app) {
    setObjectName(QStringLiteral("frmSecret"));
    T1 = new QTimer(this);
    T1->setObjectName(QStringLiteral("T1"));
    T1->setInterval(1000);
}

RestrictionControls frmSecret::restrictionControls() {
    if (!m_restrictionFileLinked) {
        m_restrictionFileLinked = true;
        restrictionRecord->stateFile = m_app.paths().dataFile(QStringLiteral("restrictions.state"));
        DisablePro::linkStateFile(
            {DisableZ.get(), DisableStartMenu1.get(), DisableControlPanel1.get(), DisableMisc1.get()});
    }
    return {DisableZ.get(), DisableStartMenu1.get(), DisableControlPanel1.get(), DisableMisc1.get(), Picture1, lblDDE};
}
