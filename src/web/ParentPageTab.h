#pragma once

#include <QWidget>

class App;
class QCheckBox;
class QLabel;
class QLineEdit;

// The Preferences tab "Parent's Page": the switch and the port, and while the page serves,
// the addresses to type on a phone, a QR code of the first one and the certificate's
// SHA-256 fingerprint (the phone's warning about the certificate shows the same).
class ParentPageTab final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ParentPageTab)

public:
    explicit ParentPageTab(App& app, QWidget* parent = nullptr);

    QCheckBox* chkParentPage;
    QLineEdit* txtParentPagePort;
    QLabel* lblPageAddress; // the addresses, or why the page does not serve
    QLabel* pctPageQR;
    QLabel* lblFingerprint;

    // Shows what the page does now (called after a load and after the options are saved).
    void showState();
    // The port as typed: a number from 1 to 65535, else 0.
    int typedPort() const;

signals:
    void changed();

private:
    App& m_app;
};
