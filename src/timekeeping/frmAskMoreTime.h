#pragma once

#include "core/DialogParts.h"

class App;
class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Ask for More Time": a user without parent rights asks a parent for 5, 15 or 30 minutes,
// with an optional one-line reason. Not modal: the session's clock and windows go on while it
// is up. A refusal is said in the dialog; a request that went through closes it with a box of
// the session.
class frmAskMoreTime final : public QuestionDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAskMoreTime)

public:
    explicit frmAskMoreTime(App& app);

    QRadioButton* opt5;
    QRadioButton* opt15;
    QRadioButton* opt30;
    QLineEdit* txtReason;
    QPushButton* cmdAsk;

    // Makes the dialog ready for a new request: 15 minutes, no reason, no message.
    void prepare();
    void cmdAsk_Click();
    int chosenMinutes() const;

private:
    App& m_app;
    QButtonGroup* m_minutes;
};

// Brings the dialog up (from the status window, the tray menu or the three-minute warning).
void ShowAskForMoreTime(App& app);

// What the child is told once the request went through.
QString RequestSentText();
