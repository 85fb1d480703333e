#pragma once

#include <QDialog>

class App;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Asks the user's name, e-mail address, two questions and comments for the bug report.
class frmErrorWizard final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmErrorWizard)

public:
    explicit frmErrorWizard(App& app);

    void Command1_Click();

    QLabel* Label1;
    QLineEdit* txtName;
    QLineEdit* txtEmail;
    QComboBox* cboProp;
    QComboBox* cboFunct;
    QPlainTextEdit* txtComments;
    QPushButton* Command1;

private:
    App& m_app;
};
