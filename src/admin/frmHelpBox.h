#pragma once

#include <QDialog>

class App;
class QLabel;
class QPlainTextEdit;

// The small guidance window beside the user editor and its dialogs. While it is visible,
// the editor, the wizard and the password dialog put their next hint into txtHelp.
class frmHelpBox final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmHelpBox)

public:
    explicit frmHelpBox(App& app);

    QLabel* lblTitle;
    QPlainTextEdit* txtHelp;

    static QString initialText();

protected:
    void showEvent(QShowEvent* e) override;

private:
    App& m_app;
};

// Puts text into the help box when the box is up; does nothing otherwise.
void GuideHelp(App& app, const QString& text);
