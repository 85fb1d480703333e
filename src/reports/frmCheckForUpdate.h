#pragma once

#include <QDialog>

class App;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Tells whether a newer version has been published, from the version file on the update
// server. Opened from the Help menu; reset each time it is opened.
class frmCheckForUpdate final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmCheckForUpdate)

public:
    explicit frmCheckForUpdate(App& app);

    // Back to the state before any check.
    void Refresh2();
    void cmdCheckForUpdate_Click();

    QGroupBox* Frame2;
    QLabel* Label1;
    QLineEdit* Text1;
    QLabel* Label2;
    QLineEdit* Text2;
    QGroupBox* Frame1;
    QLabel* Label3;
    QLineEdit* Text3;
    QPushButton* cmdCheckForUpdate;
    QPushButton* cmdOk;

private:
    App& m_app;
};

// mnuCheckNewVer: reset the window and show it, not modal.
void ShowCheckForUpdate(App& app);
