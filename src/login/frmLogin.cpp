#include "login/frmLogin.h"

#include "core/App.h"
#include "core/ErrorPrompt.h"
#include "core/WindowMetrics.h"
#include "login/LoginValidation.h"
#include "login/frmAskParent.h"
#include "platform/Clock.h"
#include "platform/InputGrab.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/SystemExit.h"
#include "reports/frmBadShutdown.h"
#include "restrictions/ShellRestrictions.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "storage/Setting.h"
#include "timekeeping/Periods.h"
#include "timekeeping/TimeFields.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

using namespace ConfigKeys;

namespace {
// The login panel's width, enough for the name list and the messages below it.
constexpr int kPanelWidth = 380;

struct EndAction {
    const char* value;
    const char* message;
    unsigned flags;
};
// What the countdown does when it runs out, by "LoginTimerTA" (compared exactly).
constexpr EndAction kEndActions[] = {
    {"ShutDown Windows", QT_TRANSLATE_NOOP("frmLogin", "Now Powering Off The Computer..."), SystemExit::Shutdown},
    {"Restart Windows", QT_TRANSLATE_NOOP("frmLogin", "Now Logging Out Of The Desktop..."), SystemExit::Logoff},
    {"Restart Computer", QT_TRANSLATE_NOOP("frmLogin", "Now Re-Booting The Computer..."), SystemExit::Reboot},
};

QLabel* label(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}
} // namespace

frmLogin::frmLogin(App& app) : m_app(app) {
    setObjectName(QStringLiteral("frmLogin"));
    SetCaption(*this, "frmLogin", QT_TRANSLATE_NOOP("frmLogin", "Time Ward Login"));
    // The gate stays above every other window while it is up.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);

    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    auto* panel = new QVBoxLayout(Picture1);
    Frame1 = new QGroupBox(tr("User Login"), Picture1);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    panel->addWidget(Frame1);
    auto* form = new QFormLayout(Frame1);

    lblL = label(QStringLiteral("lblL"), tr("Login &Name:"), Frame1);
    cboUL = new QComboBox(Frame1);
    cboUL->setObjectName(QStringLiteral("cboUL"));
    cboUL->setEditable(true);
    cboUL->setInsertPolicy(QComboBox::NoInsert);
    cboUL->setCompleter(nullptr); // a typed name stays as typed until the login looks it up
    lblL->setBuddy(cboUL);
    form->addRow(lblL, cboUL);

    Label1 = label(QStringLiteral("Label1"), tr("&Password:"), Frame1);
    txtPW = new QLineEdit(Frame1);
    txtPW->setObjectName(QStringLiteral("txtPW"));
    txtPW->setEchoMode(QLineEdit::Password);
    Label1->setBuddy(txtPW);
    form->addRow(Label1, txtPW);

    Command1 = new QPushButton(tr("Login"), Frame1);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command1->setAutoDefault(true);
    form->addRow(QString(), Command1);

    lblInfo = label(QStringLiteral("lblInfo"), QString(), Frame1);
    // Not wrapped: a form gives a wrapped label its height only once the panel has its width, so
    // the panel would not grow to show the message. Each message breaks its own lines.
    lblInfo->setWordWrap(false);
    lblInfo->hide(); // shown with the first message, so no empty row waits under the button
    form->addRow(lblInfo);

    cmdAskParent = new QPushButton(tr("&Ask a parent…"), Frame1);
    cmdAskParent->setObjectName(QStringLiteral("cmdAskParent"));
    cmdAskParent->setAutoDefault(false);
    // Its place is kept while it is hidden, so showing it never has to move the panel's rows.
    QSizePolicy keep = cmdAskParent->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    cmdAskParent->setSizePolicy(keep);
    cmdAskParent->hide();
    form->addRow(QString(), cmdAskParent);

    Label2 = label(QStringLiteral("Label2"), tr("Seconds To Login"), Frame1);
    txtLoginSecs = new QLineEdit(Frame1);
    txtLoginSecs->setObjectName(QStringLiteral("txtLoginSecs"));
    txtLoginSecs->setReadOnly(true);
    form->addRow(Label2, txtLoginSecs);

    fitToPanel();

    T1 = new QTimer(this);
    T1->setObjectName(QStringLiteral("T1"));
    T1->setInterval(1000);
    connect(T1, &QTimer::timeout, this, &frmLogin::T1_Timer);

    m_askRest = new QTimer(this);
    m_askRest->setSingleShot(true);
    connect(m_askRest, &QTimer::timeout, this, &frmLogin::refreshAskParent);
    connect(cmdAskParent, &QPushButton::clicked, this, &frmLogin::cmdAskParent_Click);

    connect(Command1, &QPushButton::clicked, this, &frmLogin::Command1_Click);
    connect(txtPW, &QLineEdit::returnPressed, this, &frmLogin::Command1_Click);
    connect(cboUL, &QComboBox::activated, this, [this](int index) {
        m_listIndex = index;
        txtPW->setFocus();
    });
    connect(cboUL->lineEdit(), &QLineEdit::textEdited, this, [this] { m_listIndex = -1; });

    // The window sees every key first, as its controls do not.
    for (QObject* o : {static_cast<QObject*>(txtPW), static_cast<QObject*>(txtLoginSecs), static_cast<QObject*>(cboUL),
                       static_cast<QObject*>(cboUL->lineEdit()), static_cast<QObject*>(Command1)})
        o->installEventFilter(this);
}

void frmLogin::setListIndex(int index) {
    m_listIndex = (index >= 0 && index < cboUL->count()) ? index : -1;
    if (m_listIndex >= 0) cboUL->setCurrentIndex(m_listIndex);
}

void frmLogin::Form_Load() {
    LoginNewUser();
}

void frmLogin::LoginNewUser() {
    App& app = m_app;
    RunSteps(app, QStringLiteral("LoginNewUser"),
             {
                 [&] { ApplyLoginScreenRestrictions(app); },
                 [&] {
                     if (app.read(Sections::Config, SaveWinPosition, 0).is(1)) RestoreWindowMetrics(app, *this);
                     if (app.read(Sections::Config, AutoCenterWindows, 0).is(1)) CenterForm(app, *this);
                 },
                 [&] {
                     const bool countdown = app.read(Sections::Config, LoginTimer, 0).is(1);
                     if (countdown) {
                         T1->setInterval(1000);
                         txtLoginSecs->setText(QString::number(LoginCountdownSeconds(app)));
                         T1->start();
                     } else {
                         T1->stop();
                     }
                     txtLoginSecs->setVisible(countdown);
                     Label2->setVisible(countdown);
                     fitToPanel();
                 },
                 [&] {
                     m_refusedUser = 0;
                     cmdAskParent->hide();
                     if (m_askParent) m_askParent->reject();
                     cboUL->clear();
                     m_listIndex = -1;
                     RecountUsers(app);
                     CenterForm(app, *this);
                     show();
                 },
                 [&] { fillUserList(); },
                 [&] {
                     if (app.read(Sections::Config, ForceLogin, 0).is(1)) forceLoginGeometry();
                 },
                 [&] { holdInput(); },
                 [&] {
                     const QString last = app.read(Sections::Config, CurrUser).text();
                     if (!last.isEmpty() && FindUserByName(app, last) != 0) {
                         cboUL->setEditText(last);
                         const int exact = cboUL->findText(last, Qt::MatchExactly | Qt::MatchCaseSensitive);
                         m_listIndex = exact;
                         if (exact >= 0) cboUL->setCurrentIndex(exact);
                     } else {
                         setListIndex(0);
                     }
                 },
                 [&] { cboUL->setFocus(); },
             });
}

void frmLogin::fitToPanel() {
    // The panel is as tall as the rows it shows (the countdown row comes and goes), so no empty
    // frame is left under the button.
    Picture1->layout()->activate();
    Picture1->resize(Picture1->sizeHint().expandedTo(QSize(kPanelWidth, 0)));
    if (Picture1->pos() == QPoint(0, 0)) resize(Picture1->size());
}

void frmLogin::fillUserList() {
    const int count = m_app.read(Sections::Config, CurrentNumberOfUsers).toInt(0);
    for (int n = 1; n <= count; ++n)
        cboUL->addItem(m_app.read(Sections::User(n), UserKeys::Name).text());
    // Adding to an empty box selects its first entry by itself; the selection is ours to set.
    m_listIndex = -1;
}

void frmLogin::holdInput() {
    InputGrab* grab = m_app.platform.inputGrab;
    if (!grab) return;
    App* app = &m_app;
    // Another program keeps the input (a full-screen game holds the grab): the gate cannot close,
    // so the desktop session is ended instead, which closes every program of it.
    grab->hold(*this, [app] {
        RunStep(*app, QStringLiteral("LoginNewUser"), [&] {
            WriteActivityLog(*app, QStringLiteral("The login window could not take the keyboard and the mouse "
                                                  "(another program holds them); the desktop session is ended."));
        });
        if (app->platform.systemExit) app->platform.systemExit->exitWindows(SystemExit::Logoff);
    });
}

void frmLogin::releaseInput() {
    if (InputGrab* grab = m_app.platform.inputGrab) grab->release();
}

frmLogin::~frmLogin() {
    releaseInput();
}

void frmLogin::forceLoginGeometry() {
    // Without a title bar and frame, which would reach past the screen's edges.
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint);
    show(); // changing the flags hides a window; it is shown without being activated
    // Exactly the screen: a window larger than it would push the centred panel off its middle.
    const QRect screen = m_app.platform.screen->geometry();
    setGeometry(screen);
    centrePanel();
}

void frmLogin::Command1_Click() {
    App& app = m_app;
    const QString source = QStringLiteral("Command1_Click");
    LoginCheck check;
    if (!RunStep(app, source, [&] {
            setListIndex(SelectTypedUser(
                app,
                [this] {
                    QStringList entries;
                    for (int i = 0; i < cboUL->count(); ++i)
                        entries << cboUL->itemText(i);
                    return entries;
                }(),
                cboUL->currentText(), m_listIndex));
            check = ValidateLogin(app, m_listIndex >= 0 ? cboUL->itemText(m_listIndex) : QString(), txtPW->text());
        }))
        return;
    if (!check.accepted) {
        if (!RunStep(app, source,
                     [&] { LogRefusedLogin(app, m_listIndex >= 0 ? cboUL->itemText(m_listIndex) : QString(), check); }))
            return;
        showRefusal(check);
        return;
    }
    m_refusedUser = 0;
    cmdAskParent->hide();
    // A user is in: the rest of the desktop is theirs from this moment.
    releaseInput();
    const int n = check.user;
    const QString userSection = Sections::User(n);
    const auto logIfOn = [&](const QString& what) {
        WriteLoginLog(app, QStringLiteral("User ") + SessionUserName(app) + what);
    };
    bool started = false;
    if (!RunSteps(app, source,
                  {
                      [&] { app.write(Sections::Config, CurrUser, app.read(userSection, UserKeys::Name).text()); },
                      [&] { logIfOn(QStringLiteral(" logging in.")); },
                      [&] { RunLoginEvents(app, n); },
                      [&] {
                          const Setting rights =
                              app.read(userSection, UserKeys::ParentRights, UserDefaults::ParentRights);
                          if (rights.is(1) || rights.is(0)) {
                              ApplyRunRestrictions(app);
                              CheckTimePeriods(app);
                              started = true;
                          }
                          // Any other value starts no session: the window stays up.
                      },
                  }) ||
        !started) {
        // No session began: the window stays up, and so does the gate.
        holdInput();
        return;
    }
    RunSteps(app, source,
             {
                 [&] { hide(); },
                 // The controller window brings up the time-remaining window and the tray icon.
                 [&] { app.model.beginSession(); },
                 [&] { logIfOn(QStringLiteral(" logged in successfully.")); },
                 [&] { unloadAfterLogin(); },
                 [&] {
                     if (!app.read(userSection, UserKeys::ParentRights, UserDefaults::ParentRights).is(1)) return;
                     ShowBadShutdownNoticeIfDue(app);
                     showWaylandNoticeIfDue();
                 },
             });
}

void frmLogin::showWaylandNoticeIfDue() {
    if (!m_app.waylandNoticeDue) return;
    m_app.waylandNoticeDue = false;
    m_app.platform.messageBox->open(
        tr("This desktop runs on Wayland, where the TimeWard login window cannot hold the keyboard and the mouse: "
           "while it is up, other programs can still be used. Time-outs still end the desktop session.\n\n"
           "To close the gate, choose the X11 session at the login screen (for example \"GNOME on Xorg\") "
           "before logging in to the desktop."),
        kProgramTitle, MsgButtons::Ok, MsgIcon::Exclamation, nullptr);
}

void frmLogin::showRefusal(const LoginCheck& check) {
    // The refusal's own text stays as it is; when the user may come back follows it.
    lblInfo->setText(check.when.isEmpty() ? check.message : check.message + QLatin1Char('\n') + check.when);
    lblInfo->show();
    m_refusedUser = check.reasons != 0 ? check.user : 0;
    cmdAskParent->setVisible(m_refusedUser != 0);
    refreshAskParent();
    fitToPanel();
}

void frmLogin::cmdAskParent_Click() {
    refreshAskParent();
    if (m_refusedUser == 0 || !cmdAskParent->isEnabled()) return;
    if (!m_askParent) {
        m_askParent = new frmAskParent(m_app, this);
        connect(m_askParent, &frmAskParent::given, this, [this](const QString& parent, int minutes) {
            lblInfo->setText(tr("%1 gave %2 %n minute(s). Press Login to start.", nullptr, minutes)
                                 .arg(parent, m_app.read(Sections::User(m_refusedUser), UserKeys::Name).text()));
            m_refusedUser = 0;
            cmdAskParent->hide();
            Command1->setFocus();
        });
        connect(m_askParent, &frmAskParent::tooManyTries, this, [this] {
            lblInfo->setText(ParentRestMessage(ParentPasswordRestSeconds(m_app)));
            refreshAskParent();
        });
    }
    m_askParent->setWindowFlag(Qt::WindowStaysOnTopHint, windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    m_askParent->prepare(m_refusedUser);
    m_askParent->open();
    m_askParent->raise();
    m_askParent->activateWindow();
}

void frmLogin::refreshAskParent() {
    const qint64 wait = ParentPasswordRestSeconds(m_app) * 1000;
    cmdAskParent->setEnabled(wait <= 0);
    if (wait > 0) m_askRest->start(static_cast<int>(std::min<qint64>(wait, kAskParentRestSeconds * 1000)));
}

void frmLogin::unloadAfterLogin() {
    T1->stop();
    Form_Unload();
    hide();
    // The window goes once this handler has returned; the next login loads a fresh one.
    App* app = &m_app;
    QTimer::singleShot(0, &app->model, [app] { app->unload("frmLogin"); });
}

void frmLogin::T1_Timer() {
    const long long left = WholeNumber(txtLoginSecs->text()).value_or(0) - 1;
    txtLoginSecs->setText(QString::number(left));
    if (left >= 1) return;
    T1->stop();
    MessageBox& box = *m_app.platform.messageBox;
    box.show(tr("The login timer has run out!"), tr("Timer Ran Out"), MsgButtons::Ok, MsgIcon::Exclamation, true);
    for (const EndAction& a : kEndActions) {
        if (m_app.read(Sections::Config, LoginTimerTA, "ShutDown Windows").text() != QLatin1String(a.value)) continue;
        box.show(tr(a.message), kProgramTitle, MsgButtons::Ok, MsgIcon::Information);
        if (m_app.platform.systemExit) m_app.platform.systemExit->exitWindows(a.flags);
    }
}

bool frmLogin::isFilteredKey(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Escape && (modifiers & (Qt::ControlModifier | Qt::AltModifier))) return true;
    return key == Qt::Key_Shift && (modifiers & Qt::AltModifier);
}

bool frmLogin::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
        event->type() == QEvent::ShortcutOverride) {
        const auto* k = static_cast<QKeyEvent*>(event);
        if (isFilteredKey(k->key(), k->modifiers())) {
            event->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmLogin::keyPressEvent(QKeyEvent* e) {
    if (isFilteredKey(e->key(), e->modifiers())) {
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

void frmLogin::keyReleaseEvent(QKeyEvent* e) {
    if (isFilteredKey(e->key(), e->modifiers())) {
        e->accept();
        return;
    }
    QWidget::keyReleaseEvent(e);
}

bool frmLogin::closeFromTaskManager() {
    m_closeSource = CloseSource::TaskManager;
    const bool closed = close();
    m_closeSource = CloseSource::User;
    return closed;
}

void frmLogin::closeEvent(QCloseEvent* e) {
    // Nothing from outside closes the gate: not the close box, Alt+F4, the window manager nor
    // the Task Manager. The program itself takes the window down by hiding and unloading it,
    // so a close request never leaves the program without a window and with its timer off.
    e->ignore();
    if (m_closeSource == CloseSource::TaskManager)
        m_app.platform.messageBox->show(tr("You cannot close this form using Task Manager."), kProgramTitle,
                                        MsgButtons::Ok, MsgIcon::Exclamation);
    if (m_app.read(Sections::Config, SaveWinPosition, 0).is(1)) SaveWindowMetrics(m_app, *this);
}

void frmLogin::centrePanel() {
    Picture1->move((width() - Picture1->width()) / 2, (height() - Picture1->height()) / 2);
}

void frmLogin::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    // Covering the screen, the panel stays in its middle whatever size the desktop gives.
    if (Picture1->pos() != QPoint(0, 0)) centrePanel();
    if (m_app.read(Sections::Config, SaveWinPosition, 0).is(1)) SaveWindowMetrics(m_app, *this);
}

void frmLogin::Form_Unload() {
    releaseInput();
    // The window gives up its place above the others (it is on its way out of sight).
    if (windowFlags() & (Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint))
        setWindowFlags(windowFlags() & ~(Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint));
}

void ShowLoginWindow(App& app, bool centre) {
    frmLogin& login = app.window<frmLogin>();
    login.show();
    if (centre) CenterForm(app, login);
}

void ShowLoginForNextUser(App& app, const QString& name) {
    // A first load sets the window up by itself (LoginNewUser).
    const bool wasLoaded = app.isLoaded("frmLogin");
    frmLogin& login = app.window<frmLogin>();
    // A removed user's empty name must not blank the box over the first user that the
    // preselection of LoginNewUser has just chosen.
    if (!name.isEmpty() || wasLoaded) login.cboUL->setEditText(name);
    login.txtPW->clear();
    if (wasLoaded) login.LoginNewUser();
    login.show();
}
