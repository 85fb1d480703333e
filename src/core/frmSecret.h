#pragma once

#include <QWidget>

class App;
class QTimer;

// The hidden controller window: lives from start-up to the end of the process.
class frmSecret final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmSecret)

public:
    explicit frmSecret(App& app);

    QTimer* T1; // the controller tick, every 1000 ms while a user is logged in

private:
    App& m_app;
};
