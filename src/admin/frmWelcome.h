#pragma once

#include <QDialog>

class App;
class QLabel;
class QPushButton;

// The greeting of a new installation; its one button closes it.
class frmWelcome final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmWelcome)

public:
    explicit frmWelcome(App& app);

    QLabel* lblWelcome;
    QPushButton* cmdNext;
};
