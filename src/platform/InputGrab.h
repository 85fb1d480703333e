#pragma once

#include <QString>
#include <functional>

class QWidget;

// The keyboard and the pointer held for one window of ours, so that no other program's window
// gets input while it is up (the login window's gate).
class InputGrab {
public:
    virtual ~InputGrab() = default;
    // Takes the keyboard and the pointer for window, now or as soon as the display shows it,
    // and keeps them until release(): given up while one of the program's own modal boxes or
    // pop-ups needs the input, taken again when it has gone or was taken from the window (the
    // window unmapped or minimised from outside comes back). refused runs once when another
    // program has kept them from the window for a while. A display without grabs holds nothing.
    virtual void hold(QWidget& window, std::function<void()> refused) = 0;
    // Gives the keyboard and the pointer back at once.
    virtual void release() = 0;
    // Whether they are held right now.
    virtual bool held() const = 0;
};

// Whether the desktop session is a Wayland one. There the login window runs through the X
// compatibility server, and its grab holds only against other X programs: the gate is open.
inline bool WaylandSession() {
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qEnvironmentVariable("XDG_SESSION_TYPE").compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0;
}
