#include "platform/qt/QtInputGrab.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

namespace {
// A window being mapped by the window manager takes a moment: the first tries come quickly.
constexpr int kQuickTries = 20;
constexpr int kQuickMs = 100;
constexpr int kSlowMs = 250;

bool grabFor(QWidget* w) {
    QWindow* h = w && w->isVisible() ? w->windowHandle() : nullptr;
    if (!h || !h->isExposed()) return false;
    if (!h->setKeyboardGrabEnabled(true)) return false;
    if (h->setMouseGrabEnabled(true)) return true;
    h->setKeyboardGrabEnabled(false);
    return false;
}

bool gives() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}
} // namespace

QtInputGrab::QtInputGrab() : m_retry(new QTimer(this)), m_check(new QTimer(this)) {
    m_retry->setSingleShot(true);
    connect(m_retry, &QTimer::timeout, this, &QtInputGrab::attempt);
    m_check->setInterval(kCheckMs);
    connect(m_check, &QTimer::timeout, this, &QtInputGrab::check);
}

QtInputGrab::~QtInputGrab() {
    release();
}

void QtInputGrab::hold(QWidget& window, std::function<void()> refused) {
    if (m_window != &window) release();
    if (!gives()) return;
    if (!m_window) m_without.start();
    m_window = &window;
    m_refused = std::move(refused);
    m_tries = 0;
    m_unmappedChecks = 0;
    qApp->installEventFilter(this);
    m_check->start();
    attempt();
}

void QtInputGrab::release() {
    m_retry->stop();
    m_check->stop();
    if (qApp) qApp->removeEventFilter(this);
    ungrab();
    m_window = nullptr;
    m_refused = nullptr;
}

void QtInputGrab::ungrab() {
    if (m_holder)
        if (QWindow* h = m_holder->windowHandle()) {
            h->setKeyboardGrabEnabled(false);
            h->setMouseGrabEnabled(false);
        }
    m_holder = nullptr;
}

void QtInputGrab::lost() {
    if (m_holder) m_without.start();
    m_holder = nullptr;
}

void QtInputGrab::attempt() {
    if (!m_window) return;
    if (QApplication::activePopupWidget()) return; // the pop-up holds it; tried again when it closes
    QWidget* target = QApplication::activeModalWidget();
    if (!target) target = m_window;
    if (m_holder == target) return;
    if (grabFor(target)) {
        m_holder = target;
        m_tries = 0;
        return;
    }
    ++m_tries;
    // Kept from the window for too long: the caller ends what the window was guarding.
    if (m_without.elapsed() >= kRefusedAfterMs && m_refused) {
        const auto refused = std::move(m_refused);
        m_refused = nullptr;
        refused();
        if (!m_window) return;
    }
    m_retry->start(m_tries < kQuickTries ? kQuickMs : kSlowMs);
}

void QtInputGrab::bringBack() {
    QWidget* w = m_window;
    if (!w || !w->isVisible()) return;
    if (w->isMinimized()) w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    // Unmapped from outside: Qt still takes the window for shown, so it is shown afresh.
    if (QWindow* h = w->windowHandle(); h && !h->isExposed() && ++m_unmappedChecks >= 2) {
        m_unmappedChecks = 0;
        w->hide();
        w->show();
    }
    if (!QApplication::activeModalWidget()) {
        w->raise();
        w->activateWindow();
    }
}

void QtInputGrab::check() {
    if (!m_window) return;
    if (QWindow* h = m_window->windowHandle(); h && h->isExposed()) m_unmappedChecks = 0;
    if (QApplication::activePopupWidget()) return;
    // The server says whether the grab is still ours only by granting it again.
    if (m_holder && !grabFor(m_holder)) lost();
    if (!m_holder) {
        bringBack();
        if (!m_retry->isActive()) attempt();
    }
}

bool QtInputGrab::eventFilter(QObject* watched, QEvent* event) {
    if (!m_window || !watched->isWidgetType()) return false;
    const QEvent::Type type = event->type();
    if (watched == m_window && (type == QEvent::WindowStateChange || type == QEvent::WindowDeactivate)) {
        // Minimised or sent behind another window: it comes back at once.
        if (m_window->isMinimized() || !QApplication::activeWindow()) QTimer::singleShot(0, this, &QtInputGrab::check);
        return false;
    }
    if (type != QEvent::Show && type != QEvent::Hide) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (!widget->isWindow()) return false;
    // An unmapped window holds nothing; a pop-up takes the grab over and gives it up on closing.
    if ((type == QEvent::Hide && widget == m_holder) || (type == QEvent::Show && widget->windowType() == Qt::Popup))
        lost();
    // A box or pop-up of ours came or went: the grab follows once the window system has it.
    m_tries = 0;
    m_retry->start(0);
    return false;
}
