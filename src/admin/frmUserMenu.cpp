#include "admin/frmUserMenu.h"

#include "admin/TimeOutActions.h"
#include "admin/UserAdmin.h"
#include "admin/frmHelpBox.h"
#include "admin/frmPassChange.h"
#include "core/App.h"
#include "core/ErrorPrompt.h"
#include "core/WindowMetrics.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "platform/Resources.h"
#include "reports/Reports.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "storage/Setting.h"
#include "timekeeping/LoginHours.h"
#include "timekeeping/Periods.h"
#include "timekeeping/TimeFieldBoxes.h"
#include "timekeeping/TimeOut.h"
#include "timekeeping/UsageHistory.h"
#include "users/PasswordList.h"
#include "users/PasswordScramble.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

using namespace UserKeys;

namespace {
const QString kNewUser = QStringLiteral("New User");
const QString kEditUser = QStringLiteral("Edit User");
const char* const kCaption = QT_TRANSLATE_NOOP("frmUserMenu", "Edit User Information");

const QStringList kPeriods = {PeriodTypes::Daily, PeriodTypes::Weekly, PeriodTypes::Monthly, PeriodTypes::Unlimited,
                              PeriodTypes::OneTime};

// Grey, as the password box of a new user shows until a password is set.
const QString kGreyBackground = QStringLiteral("background-color: #C0C0C0;");

template <class W> W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLineEdit* lineEdit(QWidget* parent, const char* name) {
    return named(new QLineEdit(parent), name);
}
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption) {
    return named(new QCheckBox(caption, parent), name);
}
QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    return named(new QPushButton(caption, parent), name);
}

int indexOfText(const QStringList& list, const QString& text) {
    for (int i = 0; i < list.size(); ++i)
        if (list[i].compare(text, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void beep() {
    QApplication::beep();
}

} // namespace

frmUserMenu::frmUserMenu(App& app) : m_app(app) {
    setObjectName(QStringLiteral("frmUserMenu"));
    SetCaption(*this, "frmUserMenu", kCaption);
    auto* layout = new QVBoxLayout(this);
    SSTab1 = named(new QTabWidget(this), "SSTab1");
    layout->addWidget(SSTab1, 1);
    const QStringList tabs = {tr(" User Information"), tr("Password"), tr("Time Limits"), tr("Login Options"),
                              tr("Time Restrictions")};
    QList<QWidget*> pages;
    for (const QString& t : tabs) {
        auto* page = new QWidget(SSTab1);
        SSTab1->addTab(page, t);
        pages << page;
    }
    buildUserInfoTab(pages[0]);
    buildPasswordTab(pages[1]);
    buildTimeLimitsTab(pages[2]);
    buildLoginOptionsTab(pages[3]);
    buildTimeRestrictionsTab(pages[4]);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdOk = button(this, "cmdOk", tr("OK"));
    cmdOk->setDefault(true);
    cmdApply = button(this, "cmdApply", tr("&Apply"));
    cmdCancel = button(this, "cmdCancel", tr("Cancel"));
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdApply);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);

    connect(cmdOk, &QPushButton::clicked, this, [this] { applyChanges(true); });
    connect(cmdApply, &QPushButton::clicked, this, [this] { applyChanges(false); });
    connect(cmdCancel, &QPushButton::clicked, this, &frmUserMenu::cmdCancel_Click);
    connect(SSTab1, &QTabWidget::currentChanged, this, &frmUserMenu::tabChanged);

    cboType->setCurrentIndex(0); // "Allow"
    connectChangeTracking();
    applyEnablingRules();
    showPasswordPanels();
    // Every tab's whole caption is shown; the window is at least as wide as the tabs need.
    SSTab1->tabBar()->setElideMode(Qt::ElideNone);
    SSTab1->setUsesScrollButtons(false);
    resize(sizeHint().expandedTo(QSize(600, 460)));
    RestoreWindowMetrics(m_app, *this);
}

void frmUserMenu::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    SaveWindowMetrics(m_app, *this);
}

void frmUserMenu::hideEvent(QHideEvent* e) {
    // OK, Cancel and the close box all put the editor away by hiding it: that is its closing.
    QDialog::hideEvent(e);
    if (!e->spontaneous()) SaveWindowMetricsOnClose(m_app, *this);
}

// ---------------------------------------------------------------------------------------------
// Layout

void frmUserMenu::buildUserInfoTab(QWidget* tab) {
    auto* form = new QFormLayout(tab);
    txtUN = lineEdit(tab, "txtUN");
    txtUN->setReadOnly(true);
    txtUN->setFocusPolicy(Qt::NoFocus);
    txtUserName = lineEdit(tab, "txtUserName");
    txtUserName->installEventFilter(this);
    chkPR = checkBox(tab, "chkPR", tr("Parental Rights"));
    chkucpw = checkBox(tab, "chkucpw", tr("User Can Change Password"));
    auto* notes = named(new QGroupBox(tr("Notes"), tab), "fraNotes");
    auto* notesLayout = new QVBoxLayout(notes);
    txtNotes = named(new QPlainTextEdit(notes), "txtNotes");
    txtNotes->setTabChangesFocus(true);
    notesLayout->addWidget(txtNotes);
    form->addRow(tr("User Number:"), txtUN);
    form->addRow(tr("User &Name:"), txtUserName);
    form->addRow(chkPR);
    form->addRow(chkucpw);
    form->addRow(notes);
}

void frmUserMenu::buildPasswordTab(QWidget* tab) {
    auto* layout = new QVBoxLayout(tab);
    auto* options = new QHBoxLayout;
    optSinglePW = named(new QRadioButton(tr("Single Passwords"), tab), "optSinglePW");
    optMultPW = named(new QRadioButton(tr("Multiple Passwords"), tab), "optMultPW");
    optSinglePW->setChecked(true);
    options->addWidget(optSinglePW);
    options->addWidget(optMultPW);
    options->addStretch(1);
    layout->addLayout(options);

    pctSingle = named(new QWidget(tab), "pctSingle");
    auto* single = new QFormLayout(pctSingle);
    txtPW = lineEdit(pctSingle, "txtPW");
    txtPW->setEchoMode(QLineEdit::Password);
    txtPW->setReadOnly(true);
    Command1 = button(pctSingle, "Command1", tr("&Change Password"));
    single->addRow(tr("Password:"), txtPW);
    single->addRow(QString(), Command1);
    layout->addWidget(pctSingle);

    pctMult = named(new QWidget(tab), "pctMult");
    auto* grid = new QGridLayout(pctMult);
    lstPW = named(new QListWidget(pctMult), "lstPW");
    lblNextPW = named(new QLabel(tr("Next Password: "), pctMult), "lblNextPW");
    txtAddPW = lineEdit(pctMult, "txtAddPW");
    txtLenPW = lineEdit(pctMult, "txtLenPW");
    txtLenPW->setText(QStringLiteral("6"));
    txtNumPW = lineEdit(pctMult, "txtNumPW");
    txtNumPW->setText(QStringLiteral("10"));
    cmdRandomizePW = button(pctMult, "cmdRandomizePW", tr("&Randomize"));
    cmdRefreshPW = button(pctMult, "cmdRefreshPW", tr("Re&fresh"));
    cmdSetNext = button(pctMult, "cmdSetNext", tr("Set &Next"));
    cmdAddPW = button(pctMult, "cmdAddPW", tr("A&dd"));
    cmdRemPW = button(pctMult, "cmdRemPW", tr("Re&move"));
    cmdClearPW = button(pctMult, "cmdClearPW", tr("C&lear"));
    cmdPrintPW = button(pctMult, "cmdPrintPW", tr("&Print"));
    chkRefreshPW = checkBox(pctMult, "chkRefreshPW", tr("Refresh When Run Out Of Passwords"));
    chkDisablePW = checkBox(pctMult, "chkDisablePW", tr("Disable Password After Use"));
    chkRefreshTimePW = checkBox(pctMult, "chkRefreshTimePW", tr("Refresh Time When Start"));
    // The list takes most of the width, so that an entry and its state can be read whole.
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    lstPW->setMinimumWidth(220);
    grid->addWidget(lstPW, 0, 0, 7, 1);
    grid->addWidget(cmdSetNext, 0, 1);
    grid->addWidget(cmdRemPW, 1, 1);
    grid->addWidget(cmdClearPW, 2, 1);
    grid->addWidget(cmdRefreshPW, 3, 1);
    grid->addWidget(cmdPrintPW, 4, 1);
    auto* add = new QHBoxLayout;
    add->addWidget(txtAddPW);
    add->addWidget(cmdAddPW);
    grid->addLayout(add, 5, 1);
    auto* random = new QHBoxLayout;
    random->addWidget(new QLabel(tr("Length:"), pctMult));
    random->addWidget(txtLenPW);
    random->addWidget(new QLabel(tr("Number:"), pctMult));
    random->addWidget(txtNumPW);
    random->addWidget(cmdRandomizePW);
    grid->addLayout(random, 6, 1);
    grid->addWidget(lblNextPW, 7, 0, 1, 2);
    grid->addWidget(chkRefreshPW, 8, 0, 1, 2);
    grid->addWidget(chkDisablePW, 9, 0, 1, 2);
    grid->addWidget(chkRefreshTimePW, 10, 0, 1, 2);
    layout->addWidget(pctMult, 1);
    layout->addStretch(0);

    connect(optSinglePW, &QRadioButton::clicked, this, [this] {
        showPasswordPanels();
        changed();
    });
    connect(optMultPW, &QRadioButton::clicked, this, [this] {
        showPasswordPanels();
        changed();
    });
    connect(chkRefreshPW, &QCheckBox::clicked, this, &frmUserMenu::changed);
    connect(Command1, &QPushButton::clicked, this, &frmUserMenu::Command1_Click);
    connect(cmdRandomizePW, &QPushButton::clicked, this, &frmUserMenu::cmdRandomizePW_Click);
    connect(cmdRefreshPW, &QPushButton::clicked, this, &frmUserMenu::cmdRefreshPW_Click);
    connect(cmdSetNext, &QPushButton::clicked, this, &frmUserMenu::cmdSetNext_Click);
    connect(cmdAddPW, &QPushButton::clicked, this, &frmUserMenu::cmdAddPW_Click);
    connect(cmdRemPW, &QPushButton::clicked, this, &frmUserMenu::cmdRemPW_Click);
    connect(cmdClearPW, &QPushButton::clicked, this, &frmUserMenu::cmdClearPW_Click);
    connect(cmdPrintPW, &QPushButton::clicked, this, &frmUserMenu::cmdPrintPW_Click);
    // Typing only: the boxes are emptied by the check itself without a second message.
    connect(txtLenPW, &QLineEdit::textEdited, this, [this] { integerCheck(txtLenPW); });
    connect(txtNumPW, &QLineEdit::textEdited, this, [this] { integerCheck(txtNumPW); });
}

void frmUserMenu::buildTimeLimitsTab(QWidget* tab) {
    auto* layout = new QVBoxLayout(tab);
    auto* top = new QFormLayout;
    cboBasedOn = named(new QComboBox(tab), "cboBasedOn");
    // The stored period type is each entry's data; the entry shows it in the desktop's language.
    for (const QString& period : kPeriods)
        cboBasedOn->addItem(PeriodTypeLabel(period), period);
    top->addRow(tr("&Based On:"), cboBasedOn);
    auto* amount = named(new QGroupBox(tr("Amount:"), tab), "fraAmmount");
    auto* amountLayout = new QFormLayout(amount);
    txtamtHr = lineEdit(amount, "txtamtHr");
    txtamtMin = lineEdit(amount, "txtamtMin");
    txtamtsec = lineEdit(amount, "txtamtsec");
    amountLayout->addRow(tr("Hours:"), txtamtHr);
    amountLayout->addRow(tr("Minutes:"), txtamtMin);
    amountLayout->addRow(tr("Seconds:"), txtamtsec);
    layout->addLayout(top);
    layout->addWidget(amount);
    chkRemoveAfterTO = checkBox(tab, "chkRemoveAfterTO", tr("One Time:   Delete user after time runs out."));
    layout->addWidget(chkRemoveAfterTO);

    auto* timeout = named(new QGroupBox(tr("On Timeout"), tab), "fraTimeout");
    actions = new TimeOutActions(m_app, timeout);
    (new QVBoxLayout(timeout))->addWidget(actions);
    layout->addWidget(timeout);
    layout->addStretch(1);

    connect(cboBasedOn, &QComboBox::currentIndexChanged, this, &frmUserMenu::basedOnChanged);
    connect(actions->cboTA, &QComboBox::currentIndexChanged, this, &frmUserMenu::actionChanged);
    connect(txtamtHr, &QLineEdit::textChanged, this, [this] {
        if (!m_loading)
            GuideHelp(m_app, tr("Now enter the amount in minutes you wish the user to receive in the "
                                "Minutes box."));
    });
    connect(txtamtMin, &QLineEdit::textChanged, this, [this] {
        if (!m_loading) GuideHelp(m_app, tr("Finally, do the same (in seconds) in the seconds box."));
    });
    connect(txtamtsec, &QLineEdit::textChanged, this, [this] {
        if (!m_loading)
            GuideHelp(m_app, tr("Now you can configure what happens when a timeout occurs.  Clicking on "
                                "either Take Action, Display Message, or Play Sound will update this box "
                                "with further information on the person.  If you're all set, click OK to "
                                "add this user.  You will then be all set."));
    });
    connect(actions->chkTA, &QCheckBox::clicked, this, [this] {
        timeoutBoxClicked(tr("Please select from the box beside this what you wish to happen when "
                             "a timeout occurs.  You may click OK to save the user and continue at "
                             "any time."));
    });
    connect(actions->chkDM, &QCheckBox::clicked, this, [this] {
        timeoutBoxClicked(tr("This will display a message that says what the text box "
                             "beside this shows.  You can edit that text box.  You may click OK "
                             "to save the user and continue at any time."));
    });
    connect(actions->chkPS, &QCheckBox::clicked, this, [this] {
        timeoutBoxClicked(tr("This will play the specified wave file.  You may "
                             "either select it by clicking on the ... button beside the box, or "
                             "you may edit it manually.  You may click OK to save the user and "
                             "continue at any time."));
    });
}

void frmUserMenu::buildLoginOptionsTab(QWidget* tab) {
    auto* layout = new QVBoxLayout(tab);
    auto* login = named(new QGroupBox(tr("On Login:"), tab), "fraLogin");
    auto* grid = new QGridLayout(login);
    chkLoginProg = checkBox(login, "chkLoginProg", tr("Launch Program"));
    txtLoginProg = lineEdit(login, "txtLoginProg");
    Command2 = button(login, "Command2", QStringLiteral("..."));
    chkLoginPS = checkBox(login, "chkLoginPS", tr("Play Sound"));
    txtLoginPS = lineEdit(login, "txtLoginPS");
    Command3 = button(login, "Command3", QStringLiteral("..."));
    chkLoginDM = checkBox(login, "chkLoginDM", tr("Display Message"));
    txtLoginDM = lineEdit(login, "txtLoginDM");
    chkWTTL = checkBox(login, "chkWTTL", tr("Write Extra Text To Log "));
    txtLoginWTTL = lineEdit(login, "txtLoginWTTL");
    chkLogoutOnQuit = checkBox(login, "chkLogoutOnQuit", tr("Logout User When Program Stops"));
    AddOptionRow(grid, 0, chkLoginProg, txtLoginProg, Command2);
    AddOptionRow(grid, 1, chkLoginPS, txtLoginPS, Command3);
    AddOptionRow(grid, 2, chkLoginDM, txtLoginDM);
    AddOptionRow(grid, 3, chkWTTL, txtLoginWTTL);
    grid->addWidget(chkLogoutOnQuit, 4, 0, 1, 3);
    layout->addWidget(login);

    auto* ident = named(new QGroupBox(tr("Identifiers"), tab), "fraIdentifiers");
    auto* identLayout = new QVBoxLayout(ident);
    identLayout->addWidget(new QLabel(tr("(The below identifiers are allowed)"), ident));
    lstIdent = named(new QListWidget(ident), "lstIdent");
    const QList<QPair<QString, QString>> idents = {
        {QStringLiteral("$name"), tr("Name of user")},
        {QStringLiteral("$number"), tr("User's number")},
        {QStringLiteral("$time"), tr("Time")},
        {QStringLiteral("$date"), tr("Date")},
        {QStringLiteral("$freetime"), tr("User's free time when he/she logs in")},
        {QStringLiteral("$totaltime"), tr("User's total amount of time")},
        {QStringLiteral("$basedon"), tr("What their time period is based on")},
    };
    for (const auto& [id, what] : idents)
        lstIdent->addItem(id + QStringLiteral(" - ") + what);
    identLayout->addWidget(lstIdent);
    layout->addWidget(ident, 1);

    connect(Command2, &QPushButton::clicked, this, [this] { PickFileFor(m_app, txtLoginProg, false); });
    connect(Command3, &QPushButton::clicked, this, [this] { PickFileFor(m_app, txtLoginPS, true); });
}

void frmUserMenu::buildTimeRestrictionsTab(QWidget* tab) {
    auto* layout = new QVBoxLayout(tab);
    chkTimeRestr = checkBox(tab, "chkTimeRestr", tr("Enabled"));
    layout->addWidget(chkTimeRestr);
    auto* entry = new QHBoxLayout;
    txtFrom = lineEdit(tab, "txtFrom");
    txtTill = lineEdit(tab, "txtTill");
    cboType = named(new QComboBox(tab), "cboType");
    // Shown in the person's language; the rule keeps the stored word.
    for (const QString& type : {TimeRestTypes::Allow, TimeRestTypes::Deny})
        cboType->addItem(RuleTypeLabel(type), type);
    cmdAddRT = button(tab, "cmdAddRT", tr("Add"));
    cmdRemRT = button(tab, "cmdRemRT", tr("Remove"));
    entry->addWidget(new QLabel(tr("From"), tab));
    entry->addWidget(txtFrom);
    entry->addWidget(new QLabel(tr("Till"), tab));
    entry->addWidget(txtTill);
    entry->addWidget(cboType);
    entry->addWidget(cmdAddRT);
    entry->addWidget(cmdRemRT);
    layout->addLayout(entry);
    auto* list = new QHBoxLayout;
    lstTR = named(new QListWidget(tab), "lstTR");
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    lstTR->setFont(mono);
    auto* arrows = new QVBoxLayout;
    cmdTRUp = button(tab, "cmdTRUp", tr("Up"));
    cmdTRDown = button(tab, "cmdTRDown", tr("Down"));
    cmdTRUp->setToolTip(tr("Move the selected entry up"));
    cmdTRDown->setToolTip(tr("Move the selected entry down"));
    arrows->addWidget(cmdTRUp);
    arrows->addWidget(cmdTRDown);
    arrows->addStretch(1);
    list->addWidget(lstTR, 1);
    list->addLayout(arrows);
    layout->addLayout(list, 1);
    layout->addWidget(new QLabel(tr("Times are based on a 24 hour clock!!!"), tab));

    connect(cmdAddRT, &QPushButton::clicked, this, &frmUserMenu::cmdAddRT_Click);
    connect(cmdRemRT, &QPushButton::clicked, this, &frmUserMenu::cmdRemRT_Click);
    connect(cmdTRUp, &QPushButton::clicked, this, &frmUserMenu::cmdTRUp_Click);
    connect(cmdTRDown, &QPushButton::clicked, this, &frmUserMenu::cmdTRDown_Click);
}

void frmUserMenu::connectChangeTracking() {
    for (QCheckBox* c : findChildren<QCheckBox*>())
        connect(c, &QCheckBox::toggled, this, [this] {
            applyEnablingRules();
            changed();
        });
    for (QLineEdit* e : findChildren<QLineEdit*>())
        connect(e, &QLineEdit::textChanged, this, &frmUserMenu::changed);
    for (QComboBox* c : findChildren<QComboBox*>())
        connect(c, &QComboBox::currentIndexChanged, this, &frmUserMenu::changed);
    connect(txtNotes, &QPlainTextEdit::textChanged, this, [this] {
        changed();
        if (!m_loading) GuideHelp(m_app, tr("Please continue by clicking on the time restrictions tab."));
    });
    connect(chkPR, &QCheckBox::clicked, this, [this] {
        GuideHelp(m_app, tr("If you wish to type any notes about the user, please do so in the Notes "
                            "box.  If you wish to continue without doing this, click on the Time "
                            "Restrictions tab."));
    });
    auto* model = lstTR->model();
    for (auto* m : {model, lstPW->model()}) {
        connect(m, &QAbstractItemModel::rowsInserted, this, &frmUserMenu::changed);
        connect(m, &QAbstractItemModel::rowsRemoved, this, &frmUserMenu::changed);
        connect(m, &QAbstractItemModel::dataChanged, this, &frmUserMenu::changed);
    }
}

void frmUserMenu::changed() {
    if (m_loading) return;
    if (!cmdApply->isEnabled()) cmdApply->setEnabled(true);
    if (!cmdOk->isEnabled()) cmdOk->setEnabled(true);
}

void frmUserMenu::applyEnablingRules() {
    txtLoginProg->setEnabled(chkLoginProg->isChecked());
    Command2->setEnabled(chkLoginProg->isChecked());
    txtLoginPS->setEnabled(chkLoginPS->isChecked());
    Command3->setEnabled(chkLoginPS->isChecked());
    txtLoginDM->setEnabled(chkLoginDM->isChecked());
    txtLoginWTTL->setEnabled(chkWTTL->isChecked());
    const QString period = cboBasedOn->currentData().toString();
    const bool unlimited = period.compare(PeriodTypes::Unlimited, Qt::CaseInsensitive) == 0;
    for (QLineEdit* e : {txtamtHr, txtamtMin, txtamtsec})
        e->setEnabled(!unlimited);
    chkRemoveAfterTO->setEnabled(period.compare(PeriodTypes::OneTime, Qt::CaseInsensitive) == 0);
}

void frmUserMenu::basedOnChanged() {
    applyEnablingRules();
    if (m_loading) return;
    if (cboBasedOn->currentData().toString() == PeriodTypes::Unlimited)
        GuideHelp(m_app, tr("You are all set.  Click on OK to add this user and start TimeWard."));
    else
        GuideHelp(m_app, tr("Since you have decided to not give this user Unlimited time, you will have "
                            "to set how much time this user receives.  Click on the Hours box and enter "
                            "the amount."));
}

void frmUserMenu::actionChanged() {
    if (m_loading) return;
    if (cboBasedOn->currentData().toString() == PeriodTypes::Unlimited) {
        GuideHelp(m_app, tr("Since this user currently has unlimited time, setting this option will have "
                            "no effect."));
        return;
    }
    const QString a = actions->cboTA->currentData().toString();
    QString what;
    if (a == EndActions::ShutDownWindows)
        what = tr("Choosing this will power off the computer when the user runs out of time.");
    else if (a == EndActions::RestartWindows)
        what = tr("Choosing this will log the user out of the desktop when the user runs out of time.");
    else if (a == EndActions::RestartComputer)
        what = tr("Choosing this will cause the computer to restart when the user runs out of time.");
    else if (a == EndActions::DisplayTimeWardLogin)
        what = tr("Choosing this will display the TimeWard login so another user can log on when the user runs out "
                  "of time.");
    else
        return;
    GuideHelp(m_app, what + QStringLiteral("  ") + tr("You may click OK to save the user and continue at any time."));
}

void frmUserMenu::timeoutBoxClicked(const QString& hint) {
    if (cboBasedOn->currentData().toString() == PeriodTypes::Unlimited)
        GuideHelp(m_app, tr("Since this user currently has unlimited time, setting this option will have "
                            "no effect.  You may click OK to save the user and continue at any time."));
    else
        GuideHelp(m_app, hint);
}

void frmUserMenu::tabChanged(int index) {
    const int from = m_lastTab;
    m_lastTab = index;
    if (from == 0 && index == 1)
        GuideHelp(m_app, tr("You will next click on Change Password.  You will do this to set up "
                            "the user's password so he or she can keep their account private and so no "
                            "one else can get into their account.  Please try to remember this password.  "
                            "Click on Change Password now."));
    else if (from == 1 && index == 0)
        GuideHelp(m_app, tr("You will next put a check mark in the Parent Rights box.  Doing so tells "
                            "TimeWard that this user can change any of the options that he/she wants, and "
                            "can add, modify and edit users.  Check the Parent Rights box now."));
    else if (from == 0 && index == 2)
        GuideHelp(m_app, tr("It might be wise to give the parent user Unlimited time so that he/she can "
                            "change any options whenever he or she chooses to do so.  If you select "
                            "something else and the only Parent Rights user doesn't have any time left, "
                            "he/she won't be able to change any options.  Do this by clicking on the "
                            "drop-down box named Based On."));
}

void frmUserMenu::showPasswordPanels() {
    pctSingle->setVisible(!optMultPW->isChecked());
    pctMult->setVisible(optMultPW->isChecked());
}

void frmUserMenu::setNextPasswordLabel(const QString& password) {
    lblNextPW->setText(tr("Next Password: ") + password);
}

bool frmUserMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtUserName) {
        if (event->type() == QEvent::FocusIn)
            txtUserName_GotFocus();
        else if (event->type() == QEvent::FocusOut)
            txtUserName_LostFocus();
    }
    return QDialog::eventFilter(watched, event);
}

void frmUserMenu::reject() {
    // Hiding alone would leave the main window disabled.
    cmdCancel_Click();
}

void frmUserMenu::closeEvent(QCloseEvent* e) {
    // The title bar's close is Cancel: the window stays loaded for the next use.
    e->ignore();
    cmdCancel_Click();
}

// ---------------------------------------------------------------------------------------------
// Mode and opening

QString frmUserMenu::mode() const {
    return cmdOk->property("tag").toString();
}

void frmUserMenu::setMode(const QString& tag) {
    cmdOk->setProperty("tag", tag);
}

void frmUserMenu::placeAndShow(QWidget* owner) {
    m_owner = owner;
    PlaceForm(m_app, *this, owner);
    if (owner) owner->setEnabled(false);
    show();
    raise();
    activateWindow();
}

void frmUserMenu::openForNewUser(bool fromAddUser, QWidget* owner) {
    m_loading = true;
    ClearItAll();
    // A new user starts from an empty record, not from the tabs of the user edited last.
    optSinglePW->setChecked(true);
    lstPW->clear();
    setNextPasswordLabel(QString());
    txtAddPW->clear();
    for (QCheckBox* c : {chkucpw, chkRefreshPW, chkDisablePW, chkRefreshTimePW, chkRemoveAfterTO, chkLoginProg,
                         chkLoginPS, chkLoginDM, chkWTTL, chkLogoutOnQuit, chkTimeRestr})
        c->setChecked(false);
    for (QLineEdit* e : {txtLoginProg, txtLoginPS, txtLoginDM, txtLoginWTTL, txtFrom, txtTill})
        e->clear();
    lstTR->clear();
    cboType->setCurrentIndex(0);
    showPasswordPanels();
    applyEnablingRules();
    txtUN->setText(QString::number(RecountUsers(m_app) + 1));
    setMode(kNewUser);
    if (fromAddUser) actions->txtPS->setText(ResourceFile(m_app.paths(), QStringLiteral("shutdown.wav")));
    m_loading = false;
    cmdApply->setEnabled(false);
    cmdOk->setEnabled(false);
    txtPW->setEnabled(false);
    txtPW->setStyleSheet(kGreyBackground);
    SetCaption(*this, "frmUserMenu", kCaption);
    SSTab1->setCurrentIndex(0);
    placeAndShow(owner);
    txtUserName->setFocus();
}

void frmUserMenu::openForUser(int n, QWidget* owner) {
    if (!RunStep(m_app, QStringLiteral("frmUserMenu"), [&] { LoadUser(n); })) return;
    setMode(kEditUser);
    txtPW->setEnabled(true);
    txtPW->setStyleSheet(QString());
    cmdApply->setEnabled(false);
    cmdOk->setEnabled(true);
    SetCaption(*this, "frmUserMenu", kCaption);
    SSTab1->setCurrentIndex(0);
    placeAndShow(owner);
}

void frmUserMenu::closeEditor() {
    hide();
    if (m_owner) m_owner->setEnabled(true);
    HideHelpBox(m_app);
}

// ---------------------------------------------------------------------------------------------
// Checks and the field procedures

bool frmUserMenu::ErrIsTrue() {
    auto refuse = [this](const QString& text) {
        m_app.platform.messageBox->show(text, kProgramTitle, MsgButtons::Ok, MsgIcon::Information);
        return true;
    };
    if (txtUserName->text().isEmpty()) return refuse(tr("Please enter the user name"));
    if (txtPW->text().isEmpty() && lstPW->count() == 0) return refuse(tr("Please enter a password"));
    const QString period = cboBasedOn->currentData().toString();
    if (!period.isEmpty() && period.compare(PeriodTypes::Unlimited, Qt::CaseInsensitive) != 0) {
        if (txtamtHr->text().isEmpty()) return refuse(tr("Please enter the hour amount"));
        if (txtamtMin->text().isEmpty()) return refuse(tr("Please enter the minute amount"));
        if (txtamtsec->text().isEmpty()) return refuse(tr("Please enter the second amount"));
    }
    if (period.isEmpty()) return refuse(tr("Please select time period for user"));
    RecountUsers(m_app);
    if (!CheckParentRightsRule(m_app, chkPR->isChecked(), txtUN->text().toInt())) return true;
    // Names are unique: a name that another record already carries would make both users
    // unreachable by name. The record's own name is no duplicate.
    const int other = FindUserByName(m_app, txtUserName->text());
    if (other != 0 && other != txtUN->text().toInt())
        return refuse(tr("User %1 already exists!").arg(txtUserName->text()));
    return false;
}

bool frmUserMenu::ReWriteTimeAmmt() {
    // An unlimited user's allowance does not count: what its disabled boxes hold becomes 0.
    const bool unlimited =
        cboBasedOn->currentData().toString().compare(PeriodTypes::Unlimited, Qt::CaseInsensitive) == 0;
    if (ReWriteTimeBoxes(m_app, txtamtHr, txtamtMin, txtamtsec, MsgIcon::Information,
                         unlimited ? UnreadableField::CountAsZero : UnreadableField::Refuse))
        return true;
    SSTab1->setCurrentIndex(2);
    return false;
}

void frmUserMenu::ClearItAll() {
    txtUN->clear();
    txtUserName->clear();
    txtPW->clear();
    chkPR->setChecked(false);
    txtNotes->clear();
    cboBasedOn->setCurrentIndex(3);
    txtamtHr->setText(QStringLiteral("0"));
    txtamtMin->setText(QStringLiteral("0"));
    txtamtsec->setText(QStringLiteral("0"));
    actions->clear();
    setMode(QString());
}

// ---------------------------------------------------------------------------------------------
// Load and save

QString frmUserMenu::restrictionEntry(int begin, int end, const QString& type) {
    return (QString::number(begin) + QStringLiteral(" - ") + QString::number(end)).leftJustified(15, QLatin1Char(' ')) +
           type;
}

void frmUserMenu::LoadUser(int n) {
    m_loading = true;
    const QString sec = Sections::User(n);
    auto text = [&](const QString& key) { return m_app.read(sec, key).text(); };
    auto flag = [&](const QString& key) { return m_app.read(sec, key).is(1); };

    txtUN->setText(QString::number(n));
    txtUserName->setText(text(Name));
    txtPW->setText(PlainPassword(text(Password)));
    chkPR->setChecked(flag(ParentRights));
    chkucpw->setChecked(flag(UserChangePW));
    txtNotes->setPlainText(text(Notes));

    const bool mult = UsesPasswordList(m_app, n);
    optMultPW->setChecked(mult);
    optSinglePW->setChecked(!mult);
    chkRefreshPW->setChecked(flag(RefreshPW));
    chkDisablePW->setChecked(ReadUserSetting(m_app, n, DisablePW).is(1));
    chkRefreshTimePW->setChecked(ReadUserSetting(m_app, n, RefreshTimePW).is(1));
    const PasswordListLines list = LoadPasswordListLines(m_app, n);
    lstPW->clear();
    lstPW->addItems(list.lines);
    // Each line remembers the stored entry it came from, so its marker goes with it.
    for (int i = 0; i < lstPW->count(); ++i)
        lstPW->item(i)->setData(kEntryRole, i + 1);
    setNextPasswordLabel(list.nextPassword);
    showPasswordPanels();

    cboBasedOn->setCurrentIndex(indexOfText(kPeriods, ReadUserSetting(m_app, n, TimeBasedOn).text()));
    txtamtHr->setText(text(AmmountHours));
    txtamtMin->setText(text(AmmountMinutes));
    txtamtsec->setText(text(AmmountSeconds));
    chkRemoveAfterTO->setChecked(flag(OneTimeRemove));
    actions->load(m_app, n);

    chkLoginProg->setChecked(flag(LoginProg));
    txtLoginProg->setText(text(LoginProgLoc));
    chkLoginPS->setChecked(flag(LoginPlaySound));
    txtLoginPS->setText(text(LoginPlaySoundSoundLocation));
    chkLoginDM->setChecked(flag(LoginDisplayMessage));
    txtLoginDM->setText(text(LoginDisplayMessageText));
    chkWTTL->setChecked(flag(LoginWTTL));
    txtLoginWTTL->setText(text(LoginWTTLText));
    chkLogoutOnQuit->setChecked(flag(LogoutProgOnQuit));

    chkTimeRestr->setChecked(flag(TimeRestriction));
    lstTR->clear();
    const int rules = static_cast<int>(std::clamp(m_app.read(sec, TimeRestrictionAmmt).toLongLong(0), 0LL, 1000LL));
    for (int i = 0; i < rules; ++i) {
        QString type = text(TimeRestType(i));
        if (type.isEmpty()) type = TimeRestTypes::Allow;
        lstTR->addItem(restrictionEntry(m_app.read(sec, TimeRestBegin(i)).toInt(0),
                                        m_app.read(sec, TimeRestEnd(i)).toInt(0), type));
    }
    applyEnablingRules();
    m_loading = false;
}

QList<PasswordListLine> frmUserMenu::listPasswords() const {
    QList<PasswordListLine> lines;
    for (int i = 0; i < lstPW->count(); ++i) {
        const QListWidgetItem* item = lstPW->item(i);
        lines.append({item->text(), item->data(kEntryRole).toInt(), item->data(kUsedRole).toBool()});
    }
    return lines;
}

bool frmUserMenu::SaveUser() {
    // The session clock writes the logged-in user's record every second: hold it for the save.
    const SessionModel::ClockHold hold(m_app.model);

    const int n = txtUN->text().toInt();
    const QString sec = Sections::User(n);
    auto put = [&](const QString& key, const QString& value) {
        if (beforeSaveWrite) beforeSaveWrite(key);
        m_app.write(sec, key, value);
    };

    // One transaction: an error part-way leaves the record as it was, never half-written
    // (a name without its password, say).
    SqliteRegistry& reg = m_app.store.registry();
    SqliteRegistry::ShortWait wait(reg); // a lock held elsewhere: a moment, then a message
    const quint64 failuresBefore = reg.writeFailures();
    bool renamesSession = false;
    SettingsStore::Batch batch(m_app.store);
    try {
        const QString oldName = m_app.read(sec, Name).text();
        put(Number, QString::number(n));
        put(Name, txtUserName->text());
        put(Password, StoredPasswordForm(txtPW->text()));
        put(ParentRights, BoxSwitch(chkPR));
        put(Notes, txtNotes->toPlainText());
        put(TimeBasedOn, cboBasedOn->currentData().toString());
        put(AmmountHours, txtamtHr->text());
        put(AmmountMinutes, txtamtMin->text());
        put(AmmountSeconds, txtamtsec->text());
        actions->save(put);
        put(LastStartDate, CurrentPeriodStart(m_app, m_app.read(sec, TimeBasedOn).text()));
        if (mode() == kNewUser) {
            put(FreeHours, txtamtHr->text());
            put(FreeMin, txtamtMin->text());
            put(FreeSec, txtamtsec->text());
        }
        CheckTimePeriods(m_app);
        put(OptSingle, BoolText(optSinglePW->isChecked()));
        put(OptMult, BoolText(optMultPW->isChecked()));
        put(RefreshPW, BoxSwitch(chkRefreshPW));
        SavePasswordList(m_app, n, listPasswords());
        put(LaunchProgram, BoxSwitch(actions->chkLaunchProg));
        put(LaunchProgramProg, actions->txtLaunchProg->text());
        put(DisablePW, BoxSwitch(chkDisablePW));
        put(RefreshTimePW, BoxSwitch(chkRefreshTimePW));
        put(LoginProg, BoxSwitch(chkLoginProg));
        put(LoginProgLoc, txtLoginProg->text());
        put(LoginDisplayMessage, BoxSwitch(chkLoginDM));
        put(LoginDisplayMessageText, txtLoginDM->text());
        put(LoginPlaySound, BoxSwitch(chkLoginPS));
        put(LoginPlaySoundSoundLocation, txtLoginPS->text());
        put(LoginWTTL, BoxSwitch(chkWTTL));
        put(LoginWTTLText, txtLoginWTTL->text());
        put(LogoutProgOnQuit, BoxSwitch(chkLogoutOnQuit));
        put(UserChangePW, BoxSwitch(chkucpw));
        put(TimeRestriction, BoxSwitch(chkTimeRestr));
        put(TimeRestrictionAmmt, QString::number(lstTR->count()));
        for (int i = 0; i < lstTR->count(); ++i) {
            // "8 - 17         Allow": begin, "-", end, type.
            QStringList f = lstTR->item(i)->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
            f.removeAll(QStringLiteral("-"));
            put(TimeRestBegin(i), f.value(0));
            put(TimeRestEnd(i), f.value(1));
            put(TimeRestType(i), f.value(2));
        }
        put(OneTimeRemove, BoxSwitch(chkRemoveAfterTO));
        // The logged-in user keeps his session under the new name. Done with the record, so
        // that a cancelled edit never renames the session.
        const Setting curr = m_app.read(Sections::Config, ConfigKeys::CurrUser);
        if (!oldName.isEmpty() && curr.is(oldName) && oldName != txtUserName->text())
            m_app.write(Sections::Config, ConfigKeys::CurrUser, txtUserName->text());
        renamesSession = !oldName.isEmpty() && m_app.sessionUserName.compare(oldName, Qt::CaseInsensitive) == 0;
        RenameUsageHistory(m_app, oldName, txtUserName->text());
    } catch (...) {
        m_app.store.registry().failBatch();
        throw;
    }
    if (!batch.commit() || reg.writeFailures() != failuresBefore) return false;
    if (renamesSession) m_app.sessionUserName = txtUserName->text();
    return true;
}

bool frmUserMenu::applyChanges(bool closeAfter) {
    if (ErrIsTrue()) return false;
    if (!ReWriteTimeAmmt()) return false;
    RecountUsers(m_app);
    const QString source = QStringLiteral("frmUserMenu");
    // A record without a name is a user this save adds.
    const bool adding = m_app.read(Sections::User(txtUN->text().toInt()), Name).text().isEmpty();
    bool stored = false;
    if (!RunStep(m_app, source, [&] { stored = SaveUser(); })) return false;
    if (!stored) {
        // Nothing of the edit reached the store: the editor stays open with it, and nothing is
        // logged as changed.
        m_app.platform.messageBox->show(tr("The changes to %1 could not be saved: %2. Nothing was changed.")
                                            .arg(txtUserName->text(), m_app.store.registry().lastError()),
                                        kProgramTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    if (!RunStep(m_app, source, [&] {
            CheckTimePeriods(m_app);
            m_app.model.notifyUsersChanged();
        }))
        return false;
    if (closeAfter) {
        closeEditor();
    } else {
        cmdApply->setEnabled(false);
    }
    if (!RunStep(m_app, source, [&] {
            const QString who = SessionUserName(m_app);
            const QString name = txtUserName->text();
            WriteConfigChangeLog(m_app, adding
                                            ? who + QStringLiteral(" added user ") + name
                                            : who + QStringLiteral(" changed ") + name + QStringLiteral("'s settings"));
        }))
        return false;
    SSTab1->setCurrentIndex(0);
    return true;
}

void frmUserMenu::cmdCancel_Click() {
    closeEditor();
    SSTab1->setCurrentIndex(0);
}

// ---------------------------------------------------------------------------------------------
// User name and password

void frmUserMenu::txtUserName_GotFocus() {
    m_rememberedName = txtUserName->text();
    GuideHelp(m_app, tr("Now, please enter the user's preferred name.  This can be either their complete "
                        "name, or, if you choose, just a short nick name or something along those lines.  "
                        "Then press TAB."));
}

void frmUserMenu::txtUserName_LostFocus() {
    const QString name = txtUserName->text();
    if (name.isEmpty())
        GuideHelp(m_app, tr("Please go back to the User Name box and enter a user name."));
    else
        GuideHelp(m_app, tr("Next, you will click the tab that says Password(s)."));
    const int found = FindUserByName(m_app, name);
    if (found != 0 && found != txtUN->text().toInt()) {
        m_app.platform.messageBox->show(tr("User %1 already exists!").arg(name), kProgramTitle, MsgButtons::Ok,
                                        MsgIcon::Information);
        txtUserName->setText(m_rememberedName);
        return;
    }
    if (!txtPW->text().isEmpty()) {
        cmdOk->setEnabled(true);
        cmdApply->setEnabled(true);
    }
}

void frmUserMenu::Command1_Click() {
    const QString m = mode();
    // The first password of a new user needs no old one.
    bool oldRequired = true;
    if (m == kNewUser) {
        if (txtUserName->text().isEmpty()) {
            m_app.platform.messageBox->show(tr("Please Enter A User Name First"), kProgramTitle, MsgButtons::Ok,
                                            MsgIcon::Information);
            return;
        }
        oldRequired = !txtPW->text().isEmpty();
        GuideHelp(m_app, tr("Now you will have to enter this user's password.  To do so, enter the "
                            "password in the New Password box."));
    }
    frmPassChange::Purpose purpose{m, txtUN->text().toInt(), txtUserName->text(), oldRequired,
                                   [this](const QString& password) {
                                       txtPW->setText(password);
                                       txtPW->setEnabled(true);
                                       txtPW->setStyleSheet(QString());
                                       cmdApply->setEnabled(true);
                                   }};
    m_app.window<frmPassChange>().openFor(std::move(purpose), this);
}

bool frmUserMenu::integerCheck(QLineEdit* box) {
    if (m_inIntegerCheck) return true;
    bool ok = false;
    box->text().trimmed().toInt(&ok);
    if (ok) return true;
    m_inIntegerCheck = true;
    m_app.platform.messageBox->show(tr("Please enter an integer"), kProgramTitle, MsgButtons::Ok, MsgIcon::Information);
    box->clear();
    m_inIntegerCheck = false;
    return false;
}

void frmUserMenu::cmdRandomizePW_Click() {
    bool ok = false;
    const int length = txtLenPW->text().trimmed().toInt(&ok);
    if (!ok) {
        m_app.platform.messageBox->show(tr("Please enter an integer for the length!"), kProgramTitle, MsgButtons::Ok,
                                        MsgIcon::Information);
        return;
    }
    const int count = txtNumPW->text().trimmed().toInt(&ok);
    if (!ok) {
        m_app.platform.messageBox->show(tr("Please enter an integer for the number of passwords!"), kProgramTitle,
                                        MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    // Only the working copy changes: the stored list stays until the editor is saved.
    lstPW->clear();
    const QStringList lines = RandomPasswordLines(length, count);
    lstPW->addItems(lines);
    cmdOk->setEnabled(true);
    cmdApply->setEnabled(true);
    setNextPasswordLabel(lines.isEmpty() ? QString() : PasswordFromListLine(lines.first()));
}

void frmUserMenu::cmdRefreshPW_Click() {
    RefreshPasswordList(m_app, txtUN->text().toInt());
    for (int i = 0; i < lstPW->count(); ++i)
        lstPW->item(i)->setData(kUsedRole, false);
    m_app.platform.messageBox->show(tr("All passwords reset to Unused"), kProgramTitle, MsgButtons::Ok,
                                    MsgIcon::Information);
}

void frmUserMenu::cmdSetNext_Click() {
    QListWidgetItem* item = lstPW->currentItem();
    if (!item || !item->isSelected()) {
        m_app.platform.messageBox->show(tr("Please select a password"), kProgramTitle, MsgButtons::Ok,
                                        MsgIcon::Information);
        return;
    }
    QList<PasswordListLine> lines = listPasswords();
    const QString pw = SetNextListPassword(m_app, txtUN->text().toInt(), lines, lstPW->row(item));
    for (int i = 0; i < lstPW->count(); ++i)
        lstPW->item(i)->setData(kUsedRole, lines.at(i).used);
    m_app.platform.messageBox->show(tr("Next password set as: ") + pw, kProgramTitle, MsgButtons::Ok,
                                    MsgIcon::Information);
    setNextPasswordLabel(pw);
}

void frmUserMenu::cmdAddPW_Click() {
    const QString pw = txtAddPW->text();
    if (pw.isEmpty()) return;
    // A line holds its password between the first and the second space: a password with a
    // space would be stored cut short.
    if (pw.contains(QLatin1Char(' '))) {
        m_app.platform.messageBox->show(tr("A list password cannot contain spaces."), kProgramTitle, MsgButtons::Ok,
                                        MsgIcon::Information);
        return;
    }
    if (!PasswordIsStorable(pw)) {
        m_app.platform.messageBox->show(
            tr("The password holds characters that cannot be stored.  Please use only letters, digits and the "
               "usual signs."),
            kProgramTitle, MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    lstPW->addItem(ListLineText(lstPW->count() + 1, pw, false, false));
    cmdApply->setEnabled(true);
}

void frmUserMenu::cmdRemPW_Click() {
    QListWidgetItem* item = lstPW->currentItem();
    if (!item || !item->isSelected()) {
        m_app.platform.messageBox->show(tr("Please select a user first"), kProgramTitle, MsgButtons::Ok,
                                        MsgIcon::Information);
        return;
    }
    delete lstPW->takeItem(lstPW->row(item));
    cmdApply->setEnabled(true);
}

void frmUserMenu::cmdClearPW_Click() {
    lstPW->clear();
    cmdApply->setEnabled(true);
}

void frmUserMenu::cmdPrintPW_Click() {
    QStringList entries;
    for (int i = 0; i < lstPW->count(); ++i)
        entries << lstPW->item(i)->text();
    PrintPasswordReport(m_app, txtUserName->text(), entries);
}

// ---------------------------------------------------------------------------------------------
// Time restrictions

void frmUserMenu::cmdAddRT_Click() {
    // A typed hour that cannot be read stays in its box, so the parent can mend it.
    std::optional<int> hours[2];
    QLineEdit* boxes[2] = {txtFrom, txtTill};
    for (int i = 0; i < 2; ++i) {
        hours[i] = ParseRuleHour(boxes[i]->text());
        if (hours[i]) continue;
        QLineEdit* box = boxes[i];
        box->setFocus();
        box->selectAll();
        m_app.platform.messageBox->show(
            (i == 0 ? tr("The time in From cannot be read.") : tr("The time in Till cannot be read.")) +
                QLatin1Char(' ') +
                tr("Please type a whole hour, for example 20, 20:00 or 8 pm; 24:00 is the end of the day."),
            kProgramTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    // A rule that begins later than it ends runs on past midnight ("21 - 7" is the night).
    lstTR->addItem(restrictionEntry(*hours[0], *hours[1], cboType->currentData().toString()));
}

void frmUserMenu::cmdRemRT_Click() {
    QListWidgetItem* item = lstTR->currentItem();
    if (!item || !item->isSelected()) {
        beep();
        ++beepCount;
        return;
    }
    const int row = lstTR->row(item);
    delete lstTR->takeItem(row);
    if (lstTR->count() > 0) lstTR->setCurrentRow(std::min(row, lstTR->count() - 1));
}

void frmUserMenu::cmdTRUp_Click() {
    QListWidgetItem* item = lstTR->currentItem();
    const int row = item && item->isSelected() ? lstTR->row(item) : -1;
    if (row <= 0) {
        beep();
        ++beepCount;
        return;
    }
    QListWidgetItem* taken = lstTR->takeItem(row);
    lstTR->insertItem(row - 1, taken);
    lstTR->setCurrentRow(row - 1);
}

void frmUserMenu::cmdTRDown_Click() {
    QListWidgetItem* item = lstTR->currentItem();
    const int row = item && item->isSelected() ? lstTR->row(item) : -1;
    if (row < 0 || row >= lstTR->count() - 1) {
        beep();
        ++beepCount;
        return;
    }
    QListWidgetItem* taken = lstTR->takeItem(row);
    lstTR->insertItem(row + 1, taken);
    lstTR->setCurrentRow(row + 1);
}

// ---------------------------------------------------------------------------------------------
// Entry points

void OpenUserEditorForNewUser(App& app, bool fromAddUser, QWidget* owner) {
    app.window<frmUserMenu>().openForNewUser(fromAddUser, owner);
    // The guided creation of the very first user: the help box walks through the editor.
    if (RecountUsers(app) == 0) ShowHelpBox(app, frmHelpBox::initialText());
}

void OpenUserEditorForUser(App& app, int n, QWidget* owner) {
    app.window<frmUserMenu>().openForUser(n, owner);
}

void EditUserByName(App& app, const QString& name, QWidget* owner, bool editCaption) {
    const int n = FindUserByName(app, name);
    if (n == 0) {
        if (app.platform.messageBox->show(frmUserMenu::tr("User %1 does not exist, create new one?").arg(name),
                                          kProgramTitle, MsgButtons::YesNo, MsgIcon::Question) == MsgAnswer::Yes)
            OpenUserEditorForNewUser(app, false, owner);
        return;
    }
    OpenUserEditorForUser(app, n, owner);
    if (editCaption)
        SetCaption(app.window<frmUserMenu>(), "frmUserMenu", QT_TRANSLATE_NOOP("frmUserMenu", "Edit User"));
}

bool AskAndDeleteUser(App& app, const QString& name) {
    const int n = FindUserByName(app, name);
    if (n == 0) return false;
    const QString stored = app.read(Sections::User(n), Name).text();
    if (IsLastParent(app, stored)) {
        app.platform.messageBox->show(LastParentDeleteMessage(stored), kProgramTitle, MsgButtons::Ok,
                                      MsgIcon::Information);
        return false;
    }
    const QString question =
        frmUserMenu::tr("Delete %1? Their time, password list and usage history go with them.").arg(stored);
    if (app.platform.messageBox->show(question, kProgramTitle, MsgButtons::YesNo, MsgIcon::Question, false,
                                      MsgDefault::Second) != MsgAnswer::Yes)
        return false;
    bool deleted = false;
    if (!RunStep(app, QStringLiteral("DeleteUser"), [&] { deleted = DeleteUser(app, stored); }) || !deleted)
        return false;
    RunStep(app, QStringLiteral("DeleteUser"),
            [&] { WriteConfigChangeLog(app, SessionUserName(app) + QStringLiteral(" deleted user ") + stored); });
    return true;
}

void AddUser(App& app, QWidget* owner) {
    if (!app.read(Sections::Wizards, WizardsKeys::NewUser, true).isFalse()) {
        if (RunAddNewUserWizard(app, QStringLiteral("New"))) return;
    }
    OpenUserEditorForNewUser(app, true, owner);
}
