#include "timekeeping/frmUS.h"

#include "admin/UserAdmin.h"
#include "core/App.h"
#include "core/WindowMetrics.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "timekeeping/TimeFields.h"
#include "timekeeping/frmAskMoreTime.h"
#include "users/PasswordScramble.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

const char* const kEndSessionQuestion = QT_TRANSLATE_NOOP("frmUS", "Are you sure you wish to end this session?");

frmUS::frmUS(App& app) : m_app(app) {
    setObjectName(QStringLiteral("frmUS"));
    SetCaption(*this, "frmUS", QT_TRANSLATE_NOOP("frmUS", "User Statistics"));

    auto field = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->setReadOnly(true);
        return e;
    };
    txtUN = field("txtUN");
    txtPW = field("txtPW");
    txtTA = field("txtTA");
    txtTL = field("txtTL");
    txtRN = field("txtRN");
    // Masked: a sibling at the keyboard does not read it off the screen. Shown only while
    // "Show" is held down.
    txtPW->setEchoMode(QLineEdit::Password);
    cmdShowPW = new QPushButton(tr("&Show"), this);
    cmdShowPW->setObjectName(QStringLiteral("cmdShowPW"));
    cmdShowPW->setAutoDefault(false);
    connect(cmdShowPW, &QPushButton::pressed, this, [this] { txtPW->setEchoMode(QLineEdit::Normal); });
    connect(cmdShowPW, &QPushButton::released, this, [this] { txtPW->setEchoMode(QLineEdit::Password); });
    auto* password = new QHBoxLayout;
    password->addWidget(txtPW);
    password->addWidget(cmdShowPW);
    auto* form = new QFormLayout;
    form->addRow(tr("User Name:"), txtUN);
    form->addRow(tr("Password:"), password);
    form->addRow(tr("Time Allowed:"), txtTA);
    form->addRow(tr("Time Left:"), txtTL);
    form->addRow(tr("Time Renews:"), txtRN);

    Command1 = new QPushButton(tr("&End Session"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCP = new QPushButton(tr("&Change Password"), this);
    cmdCP->setObjectName(QStringLiteral("cmdCP"));
    cmdAsk = new QPushButton(tr("Ask for &More Time…"), this);
    cmdAsk->setObjectName(QStringLiteral("cmdAsk"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addStretch();
    buttons->addWidget(cmdAsk);
    buttons->addWidget(cmdCP);
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &frmUS::cmdOK_Click);
    connect(cmdCP, &QPushButton::clicked, this, &frmUS::cmdCP_Click);
    connect(Command1, &QPushButton::clicked, this, &frmUS::Command1_Click);
    connect(cmdAsk, &QPushButton::clicked, this, &frmUS::cmdAsk_Click);

    RestoreOrPlaceForm(m_app, *this);
    // Every tick of the session refreshes the status.
    connect(&app.model, &SessionModel::timeLeftChanged, this, &frmUS::FillUserStatus);
}

void frmUS::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    SaveWindowMetrics(m_app, *this);
}

void frmUS::closeEvent(QCloseEvent* e) {
    SaveWindowMetricsOnClose(m_app, *this);
    e->accept();
    m_app.unloadLater("frmUS");
}

void frmUS::reject() {
    // Escape hides the window, as OK does.
    hide();
}

void frmUS::ClearItAll() {
    for (QLineEdit* e : {txtUN, txtPW, txtTA, txtTL, txtRN})
        e->clear();
}

void frmUS::FillUserStatus() {
    RecountUsers(m_app);
    const int n = m_app.CurrentUserNumber;
    auto text = [&](const QString& key) { return ReadUserSetting(m_app, n, key).text(); };
    // Each box is written only when its text changes, so a refresh every second neither
    // flickers nor disturbs a selection (the clearing and refilling end in the same texts).
    auto set = [](QLineEdit* e, const QString& t) {
        if (e->text() != t) e->setText(t);
    };
    set(txtUN, text(UserKeys::Name));
    set(txtPW, PlainPassword(m_app.read(Sections::User(n), UserKeys::Password).text()));
    if (!ReadUserSetting(m_app, n, UserKeys::TimeBasedOn).is(PeriodTypes::Unlimited)) {
        set(txtTL, FreeTimeText(m_app, n));
        set(txtTA, AllowanceText(m_app, n));
        QString renews = NextRenewalPhrase(m_app, n);
        if (!renews.isEmpty()) renews[0] = renews[0].toUpper();
        set(txtRN, renews.isEmpty() ? tr("Never") : tr("%1 at %2").arg(renews, ShownTime(QTime(0, 0))));
    } else {
        set(txtTL, tr("N/A"));
        set(txtTA, tr("N/A"));
        set(txtRN, tr("N/A"));
    }
    bool mayChange = m_app.read(Sections::User(n), UserKeys::UserChangePW).is(1);
    // A user with a password list cannot change a password here.
    if (m_app.read(Sections::User(n), UserKeys::OptMult).is(QStringLiteral("True"))) mayChange = false;
    cmdCP->setEnabled(mayChange);
    // Unlimited time needs no more.
    const bool mayAsk = !ReadUserSetting(m_app, n, UserKeys::TimeBasedOn).is(PeriodTypes::Unlimited);
    if (cmdAsk->isEnabled() != mayAsk) cmdAsk->setEnabled(mayAsk);
}

void BringUpUserStatus(App& app) {
    frmUS& w = app.window<frmUS>();
    if (w.isVisible()) return;
    RestoreWindowMetrics(app, w);
    w.FillUserStatus();
    w.setEnabled(true);
    w.show();
    w.raise();
    w.activateWindow();
}

void frmUS::cmdOK_Click() {
    hide();
}

void frmUS::cmdCP_Click() {
    ChangeOwnPassword(m_app, this); // disabled until the dialog closes
}

void frmUS::Command1_Click() {
    if (m_app.platform.messageBox->show(tr(kEndSessionQuestion), kProgramTitle, MsgButtons::YesNo, MsgIcon::Question) !=
        MsgAnswer::Yes)
        return;
    // This window (unloaded by the hand-over) keeps its place as a close would.
    SaveWindowMetricsOnClose(m_app, *this);
    m_app.model.logOut();
}

void frmUS::cmdAsk_Click() {
    ShowAskForMoreTime(m_app);
}
