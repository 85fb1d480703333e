#include "platform/qt/QtInputGrab.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

namespace {
// A window being mapped by the window manager takes a moment: the first tries come quickly.
constexpr int kQuickTries = 20;
constexpr int kQuickMs = 100;
constexpr int kSlowMs = 1000;

bool grabFor(QWidget* w) {
    QWindow* h = w && w->isVisible() ? w->windowHandle() : nullptr;
    if (!h || !h->isExposed()) return false;
    if (!h->setKeyboardGrabEnabled(true)) return false;
    if (h->setMouseGrabEnabled(true)) return true;
    h->setKeyboardGrabEnabled(false);
    return false;
}
} // namespace

QtInputGrab::QtInputGrab() : m_retry(new QTimer(this)) {
    m_retry->setSingleShot(true);
    connect(m_retry, &QTimer::timeout, this, &QtInputGrab::attempt);
}

QtInputGrab::~QtInputGrab() {
    release();
}

void QtInputGrab::hold(QWidget& window, std::function<void()> refused) {
    if (m_window != &window) release();
    m_window = &window;
    m_refused = std::move(refused);
    m_tries = 0;
    qApp->installEventFilter(this);
    attempt();
}

void QtInputGrab::release() {
    m_retry->stop();
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
    // Refused although the window has been up a while: say so once, and keep trying.
    if (m_tries == kQuickTries && target == m_window && m_refused) {
        const auto refused = std::move(m_refused);
        m_refused = nullptr;
        refused();
    }
    m_retry->start(m_tries < kQuickTries ? kQuickMs : kSlowMs);
}

bool QtInputGrab::eventFilter(QObject* watched, QEvent* event) {
    if (!m_window || !watched->isWidgetType()) return false;
    if (event->type() != QEvent::Show && event->type() != QEvent::Hide) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (!widget->isWindow()) return false;
    // An unmapped window holds nothing; a pop-up takes the grab over and gives it up on closing.
    if ((event->type() == QEvent::Hide && widget == m_holder) ||
        (event->type() == QEvent::Show && widget->windowType() == Qt::Popup))
        m_holder = nullptr;
    // A box or pop-up of ours came or went: the grab follows once the window system has it.
    m_tries = 0;
    m_retry->start(0);
    return false;
}
