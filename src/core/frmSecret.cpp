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
