#include "timekeeping/frmAskMoreTime.h"

#include "core/App.h"
#include "core/DialogParts.h"
#include "core/ErrorPrompt.h"
#include "core/WindowMetrics.h"
#include "platform/MessageBox.h"
#include "timekeeping/Requests.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmAskMoreTime::frmAskMoreTime(App& app) : m_app(app) {
    setObjectName(QStringLiteral("frmAskMoreTime"));
    setWindowTitle(tr("Ask for More Time"));
    setMinimumWidth(380);

    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("A parent sees your request and answers it. How much more time would you like?"), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    m_minutes = new QButtonGroup(this);
    auto* choices = new QHBoxLayout;
    auto option = [&](const char* name, int minutes) {
        auto* b = new QRadioButton(tr("%1 minutes").arg(minutes), this);
        b->setObjectName(QLatin1String(name));
        m_minutes->addButton(b, minutes);
        choices->addWidget(b);
        return b;
    };
    opt5 = option("opt5", kRequestMinutes[0]);
    opt15 = option("opt15", kRequestMinutes[1]);
    opt30 = option("opt30", kRequestMinutes[2]);
    choices->addStretch();
    layout->addLayout(choices);

    txtReason = new QLineEdit(this);
    txtReason->setObjectName(QStringLiteral("txtReason"));
    txtReason->setMaxLength(kMaxReasonLength);
    txtReason->setPlaceholderText(tr("Optional"));
    cmdAsk = addQuestion(layout, tr("&Reason:"), txtReason, tr("&Ask"), "cmdAsk");
    connect(cmdAsk, &QPushButton::clicked, this, &frmAskMoreTime::cmdAsk_Click);
    prepare();
}

void frmAskMoreTime::prepare() {
    opt15->setChecked(true);
    txtReason->clear();
    lblInfo->clear();
    cmdAsk->setEnabled(true);
    txtReason->setFocus(); // typing goes to the reason; the minutes have their own keys
}

int frmAskMoreTime::chosenMinutes() const {
    return m_minutes->checkedId();
}

void frmAskMoreTime::cmdAsk_Click() {
    if (!cmdAsk->isEnabled()) return; // asked once per opening
    AskResult result;
    if (!RunStep(m_app, QStringLiteral("cmdAsk_Click"),
                 [&] { result = AskForMoreTime(m_app, chosenMinutes(), txtReason->text()); }))
        return;
    if (!result.ok()) {
        lblInfo->setText(AskResultMessage(result));
        adjustSize(); // room for the whole refusal
        return;
    }
    cmdAsk->setEnabled(false);
    accept();
    // A box of the session: it never holds the clock.
    m_app.model.openSessionBox(RequestSentText(), MsgButtons::Ok, MsgIcon::Information);
}

QString RequestSentText() {
    return QCoreApplication::translate("frmAskMoreTime",
                                       "Your request has been sent. You will see the answer here as soon as a parent "
                                       "gives it.");
}

void ShowAskForMoreTime(App& app) {
    auto& w = app.window<frmAskMoreTime>();
    if (!w.isVisible()) {
        w.prepare();
        PlaceForm(app, w);
    }
    w.show();
    w.raise();
    w.activateWindow();
}
