#pragma once

#include <QDialog>

class App;
class QLineEdit;
class QPushButton;

// The free-time dialog: a user's remaining hours, minutes and seconds, changed by hand.
class frmModUserFreeTime final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmModUserFreeTime)

public:
    explicit frmModUserFreeTime(App& app, QWidget* parent = nullptr);

    QLineEdit* txtUN;
    QLineEdit* txtfh;
    QLineEdit* txtfm;
    QLineEdit* txtfs;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;
    QString cmdOkTag; // "Ok" or "Cancel" once the dialog is done

    // Normalises the three fields in place; false (with a message, the fields as they were
    // and the focus on the field at fault) when a field cannot be taken as a time.
    bool ReWriteTimeAmmt();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void reject() override;

private:
    void cmdOk_Click();

    App& m_app;
};

// Shows the free-time dialog for the named user (modal, over owner) and stores the three values
// when it is closed with OK; the model tells the views. True when the time was stored.
bool ModifyUserFreeTime(App& app, const QString& name, QWidget* owner = nullptr);

extern const char* const kUnlimitedTimeMessage; // "That user has unlimited time!"
