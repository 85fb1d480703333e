#pragma once

#include <QMainWindow>

class App;
class QListWidget;
class QTimer;

// The administrators' main window. Closing it hides it; the program goes on.
class frmMain final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMain)

public:
    explicit frmMain(App& app);

    QListWidget* lstLog;
    QTimer* T2; // the end of the splash, one shot after 5000 ms

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    App& m_app;
};
