#include "admin/frmAddNewUserWizard.h"

#include "admin/TimeOutActions.h"
#include "admin/UserAdmin.h"
#include "core/App.h"
#include "core/ErrorPrompt.h"
#include "core/WindowMetrics.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/ProcessControl.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "timekeeping/TimeFieldBoxes.h"
#include "timekeeping/TimeOut.h"
#include "users/PasswordScramble.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace UserKeys;

namespace {
const QString kFirst = QStringLiteral("First");
const char* const kCaption = QT_TRANSLATE_NOOP("frmAddNewUserWizard", "Add New User Wizard");

QLabel* text(QWidget* parent, const QString& t) {
    auto* l = new QLabel(t, parent);
    l->setWordWrap(true);
    return l;
}

template <class W> W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// A new page at the end of the stack; its layout takes what the page shows, from the top.
QVBoxLayout* addPage(QStackedWidget* pages, QWidget*& page, const char* name) {
    page = named(new QWidget(pages), name);
    pages->addWidget(page);
    return new QVBoxLayout(page);
}

// A page that only says something.
void wordsPage(QStackedWidget* pages, QWidget*& page, const char* name, const QString& words) {
    QVBoxLayout* l = addPage(pages, page, name);
    l->addWidget(text(page, words));
    l->addStretch(1);
}

} // namespace

frmAddNewUserWizard::frmAddNewUserWizard(App& app) : m_app(app) {
    setObjectName(QStringLiteral("frmAddNewUserWizard"));
    setWindowTitle(tr(kCaption));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    pages = named(new QStackedWidget(this), "pages");
    layout->addWidget(pages, 1);

    // Welcome.
    {
        QVBoxLayout* l = addPage(pages, pctWelcome, "pctWelcome");
        lblWelcome = named(
            text(pctWelcome, tr("Welcome to the Add New User Wizard.\n\n"
                                "This wizard is a simpler and faster way of adding a user than the Classic way.  It "
                                "offers fewer options: you give the user a name, a password, a time period with its "
                                "allowance, and say what happens when the time runs out.  Everything else can be "
                                "edited later in the User Stats.\n\n"
                                "Click Next to begin, or Classic Mode to use the full user editor.")),
            "lblWelcome");
        txtFirst = named(new QPlainTextEdit(pctWelcome), "txtFirst");
        txtFirst->setReadOnly(true);
        txtFirst->setPlainText(
            tr("Welcome to the Add New User Wizard.\n\n"
               "TimeWard needs one user to begin with: a parent user.  A parent user can change "
               "TimeWard's options and can add, edit and delete the other users.  You will log in with "
               "this user to set everything else up.\n\n"
               "The steps are:\n"
               "1.)  Get user name\n"
               "2.)  Set up a password\n"
               "3.)  Set up optional time restrictions and login options\n\n"
               "Click Next to begin."));
        l->addWidget(lblWelcome);
        l->addWidget(txtFirst, 1);
    }
    // Name and password.
    {
        QVBoxLayout* l = addPage(pages, pctName, "pctName");
        l->addWidget(text(pctName, tr("Now you will need to enter a name and password for your user.  The "
                                      "name can be any name, nickname, handle or whatever you choose, as "
                                      "long as it's not already taken.")));
        auto* form = new QFormLayout;
        txtName = named(new QLineEdit(pctName), "txtName");
        txtPW = named(new QLineEdit(pctName), "txtPW");
        txtPW->setEchoMode(QLineEdit::Password);
        txtPW2 = named(new QLineEdit(pctName), "txtPW2");
        txtPW2->setEchoMode(QLineEdit::Password);
        form->addRow(tr("&Name:"), txtName);
        form->addRow(tr("&Password"), txtPW);
        form->addRow(tr("&Re-enter"), txtPW2);
        l->addLayout(form);
        chkPR = named(new QCheckBox(tr("User has Parent Rights"), pctName), "chkPR");
        lblPRNote = named(text(pctName, tr("Parent Rights denotes the user has access to the options and "
                                           "access to the user database.")),
                          "lblPRNote");
        chkUserChangePW = named(new QCheckBox(tr("User can change password"), pctName), "chkUserChangePW");
        l->addWidget(chkPR);
        l->addWidget(lblPRNote);
        l->addWidget(chkUserChangePW);
        l->addStretch(1);
    }
    // Time period and allowance.
    {
        QVBoxLayout* l = addPage(pages, pctTime, "pctTime");
        l->addWidget(text(pctTime, tr("You may either select Daily, Weekly, Monthly or Unlimited for the "
                                      "timing period the user has. ")));
        auto* form = new QFormLayout;
        cboBasedOn = named(new QComboBox(pctTime), "cboBasedOn");
        // The stored period type is each entry's data; the entry shows it in the desktop's language.
        for (const QString& period : {PeriodTypes::Daily, PeriodTypes::Weekly, PeriodTypes::Monthly,
                                      PeriodTypes::Unlimited, PeriodTypes::OneTime})
            cboBasedOn->addItem(PeriodTypeLabel(period), period);
        txtamtHr = named(new QLineEdit(pctTime), "txtamtHr");
        txtamtMin = named(new QLineEdit(pctTime), "txtamtMin");
        txtamtsec = named(new QLineEdit(pctTime), "txtamtsec");
        form->addRow(tr("&Based On:"), cboBasedOn);
        form->addRow(new QLabel(tr("Amount:"), pctTime));
        form->addRow(tr("&Hours:"), txtamtHr);
        form->addRow(tr("&Minutes:"), txtamtMin);
        form->addRow(tr("&Seconds:"), txtamtsec);
        l->addLayout(form);
        l->addStretch(1);
    }
    // Time-out events.
    {
        QVBoxLayout* l = addPage(pages, pctTimeout, "pctTimeout");
        l->addWidget(text(pctTimeout, tr("Below you can select what happens when the user runs out of time.")));
        actions = new TimeOutActions(m_app, pctTimeout);
        l->addWidget(actions);
        l->addStretch(1);
    }
    // Finished.
    wordsPage(pages, pctFinished, "pctFinished",
              tr("Congratulations!  You have set up the new user.\n\n"
                 "The user has been given the basic settings.  For the advanced options "
                 "(password lists, login options, time restrictions and more) choose "
                 "Users | User Stats in the main window.\n\n"
                 "Select Finished now."));
    wordsPage(pages, pctFinishedFirst, "pctFinishedFirst",
              tr("Congratulations on setting up your new user!\n\n"
                 "The first user's settings were set to defaults: parent rights and "
                 "unlimited time.  Now log in with that user and set up the other users, "
                 "and check the Preferences to make TimeWard work the way you want.\n\n"
                 "Click Close to continue."));

    auto* buttons = new QHBoxLayout;
    cmdClassic = named(new QPushButton(tr("Classic &Mode"), this), "cmdClassic");
    cmdBack = named(new QPushButton(tr("< &Back"), this), "cmdBack");
    cmdNext = named(new QPushButton(tr("&Next >"), this), "cmdNext");
    cmdClose = named(new QPushButton(tr("Close"), this), "cmdClose");
    cmdNext->setDefault(true);
    buttons->addWidget(cmdClassic);
    buttons->addStretch(1);
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdNext);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);

    connect(cmdNext, &QPushButton::clicked, this, &frmAddNewUserWizard::cmdNext_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmAddNewUserWizard::cmdBack_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmAddNewUserWizard::cmdClose_Click);
    connect(cmdClassic, &QPushButton::clicked, this, &frmAddNewUserWizard::cmdClassic_Click);
    connect(cboBasedOn, &QComboBox::currentIndexChanged, this, &frmAddNewUserWizard::applyEnablingRules);

    cboBasedOn->setCurrentIndex(3);
    for (QLineEdit* e : {txtamtHr, txtamtMin, txtamtsec})
        e->setText(QStringLiteral("0"));
    applyEnablingRules();
    resize(480, 360);
}

void frmAddNewUserWizard::showStep(int number, QWidget* page, const QString& step) {
    pages->setCurrentWidget(page);
    setWindowTitle(tr(kCaption) + step);
    m_page = number;
}

void frmAddNewUserWizard::finish(int number, QWidget* page) {
    cmdBack->setEnabled(false);
    cmdNext->setEnabled(false);
    cmdClassic->setEnabled(false);
    m_finished = true;
    showStep(number, page, tr(" - Finished!"));
}

void frmAddNewUserWizard::applyEnablingRules() {
    const bool unlimited = cboBasedOn->currentData().toString() == PeriodTypes::Unlimited;
    for (QLineEdit* e : {txtamtHr, txtamtMin, txtamtsec})
        e->setEnabled(!unlimited);
}

void frmAddNewUserWizard::info(const QString& t) {
    m_app.platform.messageBox->show(t, kProgramTitle, MsgButtons::Ok, MsgIcon::Information);
}

void frmAddNewUserWizard::NewUser(const QString& kind) {
    showStep(0, pctWelcome, QString());
    const bool first = kind == kFirst;
    txtFirst->setVisible(first);
    lblWelcome->setVisible(!first);
    cmdClassic->setEnabled(!first);
    chkPR->setVisible(!first);
    lblPRNote->setVisible(!first);
    chkUserChangePW->setVisible(true);
    cmdBack->setEnabled(false);
    cmdNext->setEnabled(true);
    cmdClose->setEnabled(true);
    cmdClose->setText(tr("Close"));
    m_kind = kind;
    setProperty("tag", kind);
    m_finished = false;
}

bool frmAddNewUserWizard::RWTimeAmmt() {
    const bool unlimited = cboBasedOn->currentData().toString() == PeriodTypes::Unlimited;
    return ReWriteTimeBoxes(m_app, txtamtHr, txtamtMin, txtamtsec, MsgIcon::Information,
                            unlimited ? UnreadableField::CountAsZero : UnreadableField::Refuse);
}

void frmAddNewUserWizard::cmdNext_Click() {
    switch (m_page) {
    case 0:
        if (m_kind == kFirst) chkUserChangePW->setVisible(false);
        showStep(1, pctName, tr(" - Step 1: Select A Name"));
        cmdBack->setEnabled(true);
        txtName->setFocus();
        return;
    case 1:
        if (txtName->text().isEmpty()) return info(tr("Please enter the user name"));
        if (FindUserByName(m_app, txtName->text()) != 0)
            return info(tr("That user name is already taken, please try again"));
        if (txtPW->text().isEmpty()) return info(tr("Please enter a password"));
        if (txtPW->text() != txtPW2->text()) return info(tr("The passwords don't match!"));
        // Somebody must be able to reach the administration.
        if (m_kind != kFirst && !CheckParentRightsRule(m_app, chkPR->isChecked(), RecountUsers(m_app) + 1)) return;
        if (!PasswordIsStorable(txtPW->text()))
            return info(
                tr("The password holds characters that cannot be stored.  Please use only letters, digits and the "
                   "usual signs."));
        if (m_kind == kFirst) return finish(5, pctFinishedFirst);
        cboBasedOn->setCurrentIndex(3);
        showStep(2, pctTime, tr(" - Step 2: Select Time Restrictions"));
        return;
    case 2:
        if (!RWTimeAmmt()) return;
        showStep(3, pctTimeout, tr(" - Step 3: Select Timeout Events"));
        return;
    case 3:
        cmdClose->setText(tr("Finished"));
        return finish(4, pctFinished);
    default:
        return;
    }
}

void frmAddNewUserWizard::cmdBack_Click() {
    switch (m_page) {
    case 1:
        NewUser(m_kind);
        return;
    case 2:
        return showStep(1, pctName, tr(" - Step 1: Select A Name"));
    case 3:
        return showStep(2, pctTime, tr(" - Step 2: Select Time Restrictions"));
    default:
        return;
    }
}

void frmAddNewUserWizard::cmdClose_Click() {
    if (m_kind == kFirst && !m_finished) {
        const MsgAnswer a = m_app.platform.messageBox->show(
            tr("Are you sure you wish to close?\n\nYou will not be able to run the program until you "
               "finish this step."),
            tr("Confirm Close"), MsgButtons::YesNo, MsgIcon::Question);
        if (a != MsgAnswer::Yes) return;
        // Nothing of the unfinished installation stays behind: the next start begins afresh.
        m_app.store.DeleteRegistryKey(QStringLiteral("Software\\") + kAppName);
        m_app.platform.process->exitNow(0);
        done(QDialog::Rejected);
        return;
    }
    if (m_finished) {
        const QString saveKind = m_kind == kFirst ? kFirst : QStringLiteral("Add");
        if (!RunStep(m_app, QStringLiteral("frmAddNewUserWizard"), [&] { SaveUser(saveKind); })) return;
        // At the first run nobody is logged in yet: the first user is the installation's own.
        RunStep(m_app, QStringLiteral("frmAddNewUserWizard"), [&] {
            WriteConfigChangeLog(
                m_app, m_kind == kFirst
                           ? QStringLiteral("The first user ") + txtName->text() + QStringLiteral(" was set up")
                           : SessionUserName(m_app) + QStringLiteral(" added user ") + txtName->text());
        });
    }
    result = true;
    done(QDialog::Accepted);
}

void frmAddNewUserWizard::cmdClassic_Click() {
    result = false;
    done(QDialog::Accepted);
}

void frmAddNewUserWizard::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    // Each step names itself in the title: the window grows with it.
    if (e->type() == QEvent::WindowTitleChange) WidenForTitle(m_app, *this);
}

void frmAddNewUserWizard::closeEvent(QCloseEvent* e) {
    // The title bar's close and Escape are the Close button, so the first run cannot be skipped.
    e->ignore();
    cmdClose_Click();
}

void frmAddNewUserWizard::reject() {
    cmdClose_Click();
}

void frmAddNewUserWizard::SaveUser(const QString& kind) {
    const bool first = kind == kFirst;
    const int n = first ? 1 : RecountUsers(m_app) + 1;
    const QString sec = Sections::User(n);
    auto put = [&](const QString& key, const QString& value) { m_app.write(sec, key, value); };
    {
        // One transaction: an error part-way leaves no record with a name but no password.
        SettingsStore::Batch batch(m_app.store);
        try {
            put(Number, QString::number(n));
            put(Name, txtName->text());
            put(Password, StoredPasswordForm(txtPW->text()));
            put(ParentRights, first ? QStringLiteral("1") : BoxSwitch(chkPR));
            put(Notes, QString());
            put(TimeBasedOn, first ? PeriodTypes::Unlimited : cboBasedOn->currentData().toString());
            put(AmmountHours, txtamtHr->text());
            put(AmmountMinutes, txtamtMin->text());
            put(AmmountSeconds, txtamtsec->text());
            actions->save(put);
            put(OptSingle, QStringLiteral("1"));
            put(OptMult, QStringLiteral("0"));
            put(RefreshPW, QStringLiteral("0"));
            put(LaunchProgram, BoxSwitch(actions->chkLaunchProg));
            put(LaunchProgramProg, actions->txtLaunchProg->text());
            put(DisablePW, QStringLiteral("0"));
            put(RefreshTimePW, QStringLiteral("0"));
            put(LoginProg, QStringLiteral("0"));
            put(LoginProgLoc, QString());
            put(LoginDisplayMessage, QStringLiteral("0"));
            put(LoginDisplayMessageText, QString());
            put(LoginPlaySound, QStringLiteral("0"));
            put(LoginPlaySoundSoundLocation, QString());
            put(LoginWTTL, QStringLiteral("0"));
            put(LoginWTTLText, QString());
            put(LogoutProgOnQuit, QStringLiteral("0"));
            put(UserChangePW, BoxSwitch(chkUserChangePW));
            put(LastStartDate, DateText(m_app.platform.clock->today()));
            put(FreeHours, QStringLiteral("0"));
            put(FreeMin, QStringLiteral("0"));
            put(FreeSec, QStringLiteral("0"));
            put(TimeRestriction, QStringLiteral("0"));
            put(TimeRestrictionAmmt, QStringLiteral("0"));
            put(FreeHours, txtamtHr->text());
            put(FreeMin, txtamtMin->text());
            put(FreeSec, txtamtsec->text());
        } catch (...) {
            m_app.store.registry().failBatch();
            throw;
        }
    }
    CheckTimePeriods(m_app);
    if (!first) CheckTimePeriods(m_app);
    m_app.model.notifyUsersChanged();
}

bool RunAddNewUserWizard(App& app, const QString& kind) {
    frmAddNewUserWizard& w = app.window<frmAddNewUserWizard>();
    // Each run starts empty; the window itself stays loaded.
    for (QLineEdit* e : {w.txtName, w.txtPW, w.txtPW2})
        e->clear();
    for (QLineEdit* e : {w.txtamtHr, w.txtamtMin, w.txtamtsec})
        e->setText(QStringLiteral("0"));
    for (QCheckBox* c : {w.chkPR, w.chkUserChangePW})
        c->setChecked(false);
    w.actions->clear();
    // A user made with the defaults is really timed out: back to the login window. The first
    // user (a parent with unlimited time) is shown no time-out page and gets no action.
    w.actions->chkTA->setChecked(kind != kFirst);
    w.cboBasedOn->setCurrentIndex(3);
    w.result = true;
    w.NewUser(kind);
    CenterForm(app, w);
    w.exec();
    return w.result;
}
