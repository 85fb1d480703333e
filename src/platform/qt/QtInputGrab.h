#pragma once

#include "platform/InputGrab.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

class QTimer;

// The X11 grab of the keyboard and the pointer through the window system integration. While one
// of the program's own modal boxes is up the grab moves to the box, so the box can be answered
// and no other program gets the input meanwhile; a pop-up (a combo box's list) takes the grab
// by itself and the grab returns when it closes. Where the display gives no grabs (Wayland,
// offscreen) or another client holds one, the grab is tried again once a second; the first
// refusal is reported.
class QtInputGrab final : public QObject, public InputGrab {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtInputGrab)

public:
    QtInputGrab();
    ~QtInputGrab() override;
    void hold(QWidget& window, std::function<void()> refused) override;
    void release() override;
    bool held() const override { return m_holder != nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void attempt();
    void ungrab();

    QPointer<QWidget> m_window; // the window the grab is for
    QPointer<QWidget> m_holder; // the window holding it now: m_window or one of our boxes
    std::function<void()> m_refused;
    QTimer* m_retry;
    int m_tries = 0;
};
