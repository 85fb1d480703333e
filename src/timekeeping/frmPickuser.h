#pragma once

#include <QDialog>
#include <QPointer>

class App;
class QComboBox;
class QPushButton;

// The pick-a-user dialog that several menu entries share. Its mode, the text in the tag of
// cmdOk, says what happens to the chosen user: "Edit User", "Delete User",
// "Mod User Free Time" or "SNTP". It is not modal: the window it was opened over is disabled
// while it is up and every way out enables it again.
class frmPickuser final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmPickuser)

public:
    explicit frmPickuser(App& app);

    QComboBox* cboPU;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

    QString cmdOkTag() const;
    void setCmdOkTag(const QString& mode);
    // The window the dialog was opened over.
    void setOwner(QWidget* owner) { m_owner = owner; }

    void cmdOk_Click();
    void cmdCancel_Click();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    // Hides the dialog and gives its owner its input back.
    void done();

    App& m_app;
    QPointer<QWidget> m_owner;
};

// Opens the pick-a-user dialog in a mode over owner: the list filled with every user's name in
// user order, selected the user the owner has selected, placed, the owner disabled.
void ShowPickUser(App& app, const QString& mode, QWidget* owner, const QString& selected);

// The forced renewal of one user as the dialog does it ("Refresh &Time Period"): the messages
// for an unlimited, an empty or an unknown name, the renewal, the users' views told. True when
// the dialog is done (renewed, or the user has unlimited time); false when it must stay open.
bool RefreshTimePeriod(App& app, const QString& name);

extern const char* const kEnterUserName;    // "Please Enter A User Name"
extern const char* const kUserDoesNotExist; // "That User Does Not Exist!"
