#include "core/frmMain.h"

#include "core/App.h"
#include "core/StartUp.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>

frmMain& App::main() {
    return window<frmMain>("frmMain");
}

frmMain::frmMain(App& app) : m_app(app) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("TimeWard"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    lstLog = new QListWidget(central);
    lstLog->setObjectName(QStringLiteral("lstLog"));
    layout->addWidget(lstLog);
    setCentralWidget(central);

    T2 = new QTimer(this);
    T2->setObjectName(QStringLiteral("T2"));
    T2->setInterval(5000);
    T2->setSingleShot(true);
    connect(T2, &QTimer::timeout, this, [this] { t2_Timer(m_app); });
}

void frmMain::closeEvent(QCloseEvent* e) {
    hide();
    e->ignore();
}
