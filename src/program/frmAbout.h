#pragma once

#include <QDialog>

class App;
class QLabel;
class QPushButton;

// The about window; at start-up it is also the splash window.
class frmAbout final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAbout)

public:
    explicit frmAbout(App& app);

    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QPushButton* cmdOk;
};

// mnuAbout, mnuAbout2: the about window, in front of the others.
void ShowAbout(App& app);
