#pragma once

#include <functional>

class QWidget;

// The keyboard and the pointer held for one window of ours, so that no other program's window
// gets input while it is up (the login window's gate).
class InputGrab {
public:
    virtual ~InputGrab() = default;
    // Takes the keyboard and the pointer for window, now or as soon as the display shows it,
    // and keeps them until release(): given up while one of the program's own modal boxes or
    // pop-ups needs the input, taken again when it has gone. refused runs once when the display
    // will not give them (a display without grabs, or another program holds one).
    virtual void hold(QWidget& window, std::function<void()> refused) = 0;
    // Gives the keyboard and the pointer back at once.
    virtual void release() = 0;
    // Whether they are held right now.
    virtual bool held() const = 0;
};
