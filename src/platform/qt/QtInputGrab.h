#pragma once

#include "platform/InputGrab.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QTimer;

// The X11 grab of the keyboard and the pointer through the window system integration. While one
// of the program's own modal boxes is up the grab moves to the box, so the box can be answered
// and no other program gets the input meanwhile; a pop-up (a combo box's list) takes the grab
// by itself and the grab returns when it closes. The grab is checked twice a second: a window
// unmapped, minimised or pushed back from outside is shown and raised again and the grab taken
// back. When another client keeps it from the window for kRefusedAfterMs, refused runs (once a
// hold). Only an X11 display gives grabs: elsewhere (Wayland, offscreen) nothing is held.
class QtInputGrab final : public QObject, public InputGrab {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtInputGrab)

public:
    QtInputGrab();
    ~QtInputGrab() override;
    void hold(QWidget& window, std::function<void()> refused) override;
    void release() override;
    bool held() const override { return m_holder != nullptr; }

    static constexpr int kRefusedAfterMs = 10000;
    static constexpr int kCheckMs = 500;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void attempt();
    void check();
    void ungrab();
    void lost();
    void bringBack();

    QPointer<QWidget> m_window; // the window the grab is for
    QPointer<QWidget> m_holder; // the window holding it now: m_window or one of our boxes
    std::function<void()> m_refused;
    QTimer* m_retry;
    QTimer* m_check;
    QElapsedTimer m_without; // since when the window has been without the grab
    int m_tries = 0;
    int m_unmappedChecks = 0;
};
