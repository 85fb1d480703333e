#include "program/frmSecret.h"

#include "core/App.h"
#include "core/ErrorPrompt.h"
#include "login/frmLogin.h"
#include "platform/DdeLink.h"
#include "platform/MessageBox.h"
#include "platform/ProcessControl.h"
#include "platform/Tray.h"
#include "platform/qt/QtCloseSignals.h"
#include "program/StartUp.h"
#include "program/frmMain.h"
#include "program/frmTRWindow.h"
#include "reports/frmMailAuthorBadShutdown.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "timekeeping/Requests.h"
#include "timekeeping/SessionClock.h"
#include "timekeeping/TimeFields.h"
#include "timekeeping/TimeOut.h"
#include "timekeeping/frmAskMoreTime.h"
#include "timekeeping/frmUS.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDBusConnection>
#include <QDialog>
#include <QGuiApplication>
#include <QPointer>
#include <QScopeGuard>
#include <QSessionManager>
#include <QTimer>
#include <cmath>
#include <csignal>
#include <cstring>

using namespace ConfigKeys;

const char* const kTaskManagerRefusal =
    QT_TRANSLATE_NOOP("frmSecret", "Sorry, but you cannot use the Task Manager to exit this program.");
const char* const kWindowsSessionRefusal =
    QT_TRANSLATE_NOOP("frmSecret", "Sorry, but you cannot end the desktop session while this program is running.");

void NotifyIconData::setTip(const QString& text) {
    szTip.fill('\0');
    QByteArray bytes;
    for (const QChar c : text) {
        // Whole characters only; a surrogate pair is taken with its partner.
        if (c.isLowSurrogate()) continue;
        QString one(c);
        const qsizetype at = &c - text.constData();
        if (c.isHighSurrogate() && at + 1 < text.size()) one += text.at(at + 1);
        const QByteArray enc = one.toUtf8();
        if (bytes.size() + enc.size() > static_cast<qsizetype>(szTip.size()) - 1) break;
        bytes += enc;
    }
    std::memcpy(szTip.data(), bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString NotifyIconData::tip() const {
    return QString::fromUtf8(szTip.data(), static_cast<qsizetype>(qstrnlen(szTip.data(), szTip.size())));
}

frmSecret::frmSecret(App& app) : m_app(app) {
    setObjectName(QStringLiteral("frmSecret"));
    T1 = new QTimer(this);
    T1->setObjectName(QStringLiteral("T1"));
    T1->setInterval(1000);
    // A coarse timer may fire up to a twentieth early or late; the clock charges whole seconds.
    T1->setTimerType(Qt::PreciseTimer);
    connect(T1, &QTimer::timeout, &app.model, &SessionModel::ControllerTick);
    mailboxTimer = new QTimer(this);
    mailboxTimer->setObjectName(QStringLiteral("mailboxTimer"));
    mailboxTimer->setInterval(1000);
    connect(mailboxTimer, &QTimer::timeout, this, &frmSecret::ReadMailbox);
    lblDDE = new QLabel(this);
    lblDDE->setObjectName(QStringLiteral("lblDDE"));
    lblDDE->hide();

    SessionModel& model = app.model;
    connect(&model, &SessionModel::countingChanged, T1, [this](bool running) {
        if (running)
            T1->start();
        else
            T1->stop();
    });
    if (model.clockRunning()) T1->start();
    connect(&model, &SessionModel::sessionStarted, this, &frmSecret::sessionStarted);
    connect(&model, &SessionModel::sessionEnded, this, &frmSecret::RemoveTrayIcon);
    connect(&model, &SessionModel::timeLeftChanged, this, &frmSecret::UpdateTrayTip);
    connect(&model, &SessionModel::endAction, this, [this](const QString& action) {
        if (action == EndActions::DisplayTimeWardLogin) ReturnToLogin(m_app, false);
    });
    connect(&model, &SessionModel::mailAuthorRequested, this, [this] { MailTheAuthor(m_app); });
    connect(&model, &SessionModel::moreTimeWanted, this, [this] { ShowAskForMoreTime(m_app); });
    connect(&model, &SessionModel::activityLogWanted, this, [this] { BringUpMainWindow(m_app); });
    connect(&model, &SessionModel::logoutWanted, this, [this] {
        // The main window goes before the hand-over, and keeps its place as a close would.
        if (m_app.isLoaded("frmMain")) m_app.window<frmMain>().close();
        ReturnToLogin(m_app, true);
    });

    if (Tray* tray = app.platform.tray) {
        tray->onLeftDoubleClick = [this] { TrayCallback(1, 0, kTrayDoubleClickMessage * 15.0, 0); };
        tray->menuEntries = [this] { return trayMenu(); };
    }
    if (DdeLink* dde = app.platform.dde) {
        dde->onOpen = [this] { lblDDE_LinkOpen(); };
        dde->onText = [this](const QString& text) { lblDDE_LinkNotify(text); };
    }
}

frmSecret::~frmSecret() {
    if (Tray* tray = m_app.platform.tray) {
        tray->onLeftDoubleClick = nullptr;
        tray->menuEntries = nullptr;
    }
    if (DdeLink* dde = m_app.platform.dde) {
        dde->onOpen = nullptr;
        dde->onText = nullptr;
    }
}

void frmSecret::openLinks() {
    if (DdeLink* dde = m_app.platform.dde) dde->listen();
    mailboxTimer->start();
    if (!m_closeSignals) {
        m_closeSignals = new QtCloseSignals(this);
        // A SIGTERM during a power-off is the system's, not the Task Manager's.
        m_closeSignals->onSignal = [this](int) {
            if (m_closeSignals->shutdownUnderWay())
                Form_Unload();
            else
                requestClose(vbAppTaskManager);
        };
        // The machine goes down whatever the answer, so the end of the session is not
        // refused here: refusing would only lose the orderly exit.
        m_closeSignals->onShutdown = [this] { Form_Unload(); };
        // The system bus is joined once the event loop runs: the first window need not wait.
        QTimer::singleShot(0, m_closeSignals,
                           [watcher = m_closeSignals] { watcher->watchShutdown(QDBusConnection::systemBus()); });
        const QString display = QGuiApplication::platformName();
        if (display == QLatin1String("xcb") || display.startsWith(QLatin1String("wayland"))) {
            m_closeSignals->onDisplayLost = [this] {
                // The tray icon and the help viewer went with the display.
                m_app.platform.tray = nullptr;
                m_app.platform.help = nullptr;
                Form_Unload();
            };
            // The display is still there: the connection was cut from outside (a killed window).
            // That ends no session: the program ends as a crash would, so that it is started again
            // and the next start counts it.
            m_closeSignals->onConnectionCut = [this] {
                // No error prompt here: there is no display to show it on.
                try {
                    WriteActivityLog(m_app, QStringLiteral("The connection to the display was cut while the display "
                                                           "still runs; TimeWard ends so that it is started again."));
                } catch (const RuntimeError&) {
                }
                m_app.platform.process->exitNow(kConnectionCutExitCode);
            };
        }
    }
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(gui, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
            bool cancel = false;
            Form_QueryUnload(cancel, vbAppWindows);
            if (cancel && manager.allowsInteraction())
                manager.cancel();
            else if (!cancel)
                Form_Unload();
        });
    }
}

namespace {
// Reads a mailbox command and clears it in one transaction, so that a command another
// copy posts in between is never lost. The cheap read first keeps idle ticks write-free.
bool takeCommand(App& app, const QString& key) {
    if (!app.read(Sections::Communication, key).isTrue()) return false;
    return app.store.TakeSetting(kAppName, Sections::Communication, key, BoolText(false)).isTrue();
}

} // namespace

void frmSecret::ReadMailbox() {
    // A box of a command (the error prompt) runs its own event loop; the next firing waits.
    if (m_inMailbox) return;
    m_inMailbox = true;
    const auto done = qScopeGuard([this] { m_inMailbox = false; });
    bool ended = false;
    RunSteps(m_app, QStringLiteral("ControllerTick"),
             {
                 [&] {
                     if (!takeCommand(m_app, MailboxKeys::EndNow)) return;
                     if (RefuseQuitDuringChildSession(m_app, QStringLiteral("Quit request (/q)"))) return;
                     ended = true;
                     ShutDownProgram(m_app);
                 },
                 [&] {
                     // With nobody logged in there is no one to log out: the command is spent,
                     // so that it cannot end the next session.
                     if (!ended && takeCommand(m_app, MailboxKeys::Logout) && m_app.model.inSession())
                         ReturnToLogin(m_app, true);
                 },
                 [&] {
                     if (ended || !takeCommand(m_app, MailboxKeys::MainScreen) || !m_app.model.inSession()) return;
                     const int n = FindCurrentUser(m_app);
                     if (m_app.read(Sections::User(n), UserKeys::ParentRights).is(1))
                         m_app.window<frmMain>().show();
                     else
                         m_app.window<frmUS>().show();
                 },
             });
}

void frmSecret::sessionStarted() {
    if (m_app.read(Sections::Config, TRWindow, 0).is(1)) m_app.window<frmTRWindow>().showInCorner();
    // The icon comes up with the tip that UpdateTrayTip would give it.
    nid.setTip(tr("User: %1 Time Left: %2").arg(SessionUserName(m_app), FreeTimeText(m_app, m_app.CurrentUserNumber)));
    AddTrayIcon();
    // A parent's first login shows where everything is, rather than an icon alone.
    const QString user = Sections::User(FindCurrentUser(m_app));
    if (m_app.read(user, UserKeys::ParentRights, 0).is(1) &&
        !m_app.read(Sections::Config, ParentLoggedInBefore, 0).is(1)) {
        m_app.write(Sections::Config, ParentLoggedInBefore, 1);
        BringUpMainWindow(m_app);
    }
}

bool frmSecret::AddTrayIcon() {
    nid.cbSize = 88;
    nid.uID = 0;
    nid.uFlags = 7;
    nid.uCallbackMessage = 512;
    Tray* tray = m_app.platform.tray;
    if (!tray) return false;
    // A desktop without a tray never accepts the icon: give up after a few tries.
    for (int i = 0; i < kTrayAddTries; ++i) {
        ++nid.uID;
        if (tray->add(nid.tip())) return true;
    }
    // With no icon to double-click nobody could reach the main or status window: open at
    // once what the double-click would open.
    TrayCallback(1, 0, kTrayDoubleClickMessage * 15.0, 0);
    return false;
}

void frmSecret::RemoveTrayIcon() {
    if (Tray* tray = m_app.platform.tray) tray->remove();
}

void frmSecret::UpdateTrayTip() {
    nid.setTip(tr("User: %1 Time Left: %2").arg(SessionUserName(m_app), TimeLeftText(m_app)));
    // When the allowance comes back, for a user watching the clock run down; only when the
    // whole line fits the tip. Unlimited time has no renewal to name.
    const QString renews = NextRenewalPhrase(m_app, m_app.CurrentUserNumber);
    const QString withRenewal = nid.tip() + QLatin1Char('\n') + tr("Renews %1 at 0:00").arg(renews);
    if (!renews.isEmpty() && withRenewal.toUtf8().size() <= 63) nid.setTip(withRenewal);
    if (Tray* tray = m_app.platform.tray) tray->modify(nid.tip());
}

QList<TrayMenuEntry> frmSecret::trayMenu() {
    QList<TrayMenuEntry> entries;
    if (!m_app.model.inSession()) return entries;
    const int n = FindCurrentUser(m_app);
    const QString user = Sections::User(n);
    const Setting rights = m_app.read(user, UserKeys::ParentRights, 0);
    // What the double-click opens, by name, for those who never double-click an icon.
    if (n > 0 && rights.is(1)) entries.append({tr("Open TimeWard"), [this] { BringUpMainWindow(m_app); }});
    if (n > 0 && rights.is(0)) {
        entries.append({tr("My Time"), [this] { BringUpUserStatus(m_app); }});
        // A user whose time is counted may ask a parent for more.
        if (!m_app.read(user, UserKeys::TimeBasedOn).is(PeriodTypes::Unlimited))
            entries.append({tr("Ask for More Time…"), [this] { ShowAskForMoreTime(m_app); }});
    }
    entries.append({tr("Log Out"), [this] { ReturnToLogin(m_app, true); }});
    return entries;
}

void frmSecret::TrayCallback(int, int, double x, double) {
    // The message number arrives in x, in twips: the left double-click gives 45 in the low byte.
    if ((std::llround(x) & 0xFF) != 45) return;
    FindCurrentUser(m_app);
    const Setting parent = m_app.read(Sections::User(m_app.CurrentUserNumber), UserKeys::ParentRights);
    if (parent.is(1)) {
        if (!(m_app.isLoaded("frmMain") && m_app.window<frmMain>().isVisible())) BringUpMainWindow(m_app);
    } else if (parent.is(0)) {
        BringUpUserStatus(m_app);
    }
}

void frmSecret::Form_QueryUnload(bool& cancel, UnloadMode unloadMode) {
    // At the login window the end-task is the login window's to refuse, with its own message.
    if (unloadMode == vbAppTaskManager && m_app.isLoaded("frmLogin") && m_app.window<frmLogin>().isVisible()) {
        cancel = !m_app.window<frmLogin>().closeFromTaskManager();
        return;
    }
    if (unloadMode == vbAppTaskManager && m_app.read(Sections::Config, AllowT, 0).is(1)) {
        cancel = true;
        m_app.platform.messageBox->show(tr(kTaskManagerRefusal), kProgramTitle, MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    if (unloadMode == vbAppWindows && m_app.read(Sections::Config, AllowW, 0).is(1)) {
        cancel = true;
        m_app.platform.messageBox->show(tr(kWindowsSessionRefusal), kProgramTitle, MsgButtons::Ok,
                                        MsgIcon::Information);
    }
}

void frmSecret::Form_Unload() {
    ShutDownProgram(m_app);
}

bool frmSecret::requestClose(UnloadMode mode) {
    bool cancel = false;
    Form_QueryUnload(cancel, mode);
    if (cancel) return false;
    Form_Unload();
    return true;
}

void frmSecret::closeEvent(QCloseEvent* e) {
    if (!requestClose(vbFormControlMenu)) e->ignore();
}

void frmSecret::lblDDE_LinkOpen() {
    if (RefuseQuitDuringChildSession(m_app, QStringLiteral("Exit through the exit link"))) return;
    ShutDownProgram(m_app);
}

void frmSecret::lblDDE_LinkNotify(const QString& text) {
    lblDDE->setText(text);
    // Exactly this text, letter case included.
    if (lblDDE->text() != QLatin1String("EXIT TW")) return;
    if (RefuseQuitDuringChildSession(m_app, QStringLiteral("\"EXIT TW\" through the exit link"))) return;
    ShutDownProgram(m_app);
}

namespace {
// The windows a session opens besides the main window. None of them may outlive the session:
// with nobody logged in they would hand out the administration to whoever sits down.
constexpr const char* kSessionWindows[] = {"frmUS",         "frmUserMenu", "frmOptions",        "frmPickuser",
                                           "frmPassChange", "frmAbout",    "frmCheckForUpdate", "frmAskMoreTime"};

// Deletes a closed session window once no modal box or dialog is up: a handler of the window
// may be waiting for one's answer below the current event.
void deleteWhenNoModal(const QPointer<QObject>& w) {
    if (!w) return;
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(100, [w] { deleteWhenNoModal(w); });
        return;
    }
    w->deleteLater();
}

// Hides a session window and the dialogs it owns (a modal one returns from its loop as
// cancelled and is left to its owner on the stack) and unloads it.
void closeSessionWindow(App& app, const char* name) {
    auto* w = qobject_cast<QWidget*>(app.loadedWindow(name));
    if (!w) return;
    for (QDialog* d : w->findChildren<QDialog*>()) {
        if (!d->isVisible()) continue;
        d->hide();
        d->setParent(nullptr);
    }
    w->hide();
    deleteWhenNoModal(app.takeWindow(name));
}
} // namespace

void ReturnToLogin(App& app, bool mainFirst) {
    // The session's boxes go with it; a time-out waiting for one goes no further, and a
    // question still waiting (Exit? Delete the user?) is declined, not answered later for
    // nobody.
    app.model.closeSessionBoxes();
    app.platform.messageBox->declineWaiting();
    app.unload("frmTRWindow");
    app.model.endSession(); // the tray icon goes with the session
    const QString currUser = SessionUserName(app);
    const int n = FindUserByName(app, currUser);
    const QString name = n > 0 ? app.read(Sections::User(n), UserKeys::Name).text() : QString();
    for (const char* w : kSessionWindows)
        closeSessionWindow(app, w);
    // The wizard stays loaded between its runs; a run still open is cancelled.
    if (auto* wizard = qobject_cast<QWidget*>(app.loadedWindow("frmAddNewUserWizard")); wizard && wizard->isVisible())
        wizard->hide();
    if (mainFirst) closeSessionWindow(app, "frmMain");
    // A request nobody answered goes with the session: a later answer would be for nobody.
    if (!currUser.isEmpty())
        RunStep(app, QStringLiteral("ControllerTick"), [&] { CloseOpenRequests(app, kSessionEndedNote, currUser); });
    if (app.read(Sections::Config, LogELogout).is(1))
        WriteActivityLog(app, QStringLiteral("User ") + currUser + QStringLiteral(" logged out."));
    ShowLoginForNextUser(app, name);
    if (!mainFirst) closeSessionWindow(app, "frmMain");
}
