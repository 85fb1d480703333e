#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Buttons, icons and answers keep the numbers of the system's message box, so that
// a stored or logged answer reads the same.
enum class MsgButtons { Ok = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5 };
enum class MsgIcon { None = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
// Which button Enter presses: the first, or the second (No of Yes/No) where a slip of the key
// must not do what cannot be undone.
enum class MsgDefault { First = 0, Second = 256, Third = 512 };
// Extra: the caller's own button of open().
enum class MsgAnswer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7, Extra = 100 };

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Shows a modal box and returns the button pressed. systemModal keeps it above every window.
    virtual MsgAnswer show(const QString& text, const QString& title, MsgButtons buttons = MsgButtons::Ok,
                           MsgIcon icon = MsgIcon::None, bool systemModal = false,
                           MsgDefault defaultButton = MsgDefault::First) = 0;

    using Answered = std::function<void(MsgAnswer)>;
    // Opens the same box without waiting for it: the caller goes on at once (the session's
    // clock keeps counting) and answered runs with the button pressed when the box is
    // dismissed. Returns the box's number for close(). A non-empty extraButton adds a button
    // with that text after the others; it answers MsgAnswer::Extra.
    virtual int open(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon, Answered answered,
                     const QString& extraButton = QString()) = 0;
    // Shows a modal box whose buttons carry the given texts, in order, and returns the index of
    // the one pressed. The last one is also what Escape, closing the box or the session's end
    // presses. No line of the text is broken, so that a file name stays whole on its line.
    virtual int choose(const QString& text, const QString& title, MsgIcon icon, const QStringList& buttons) = 0;
    // Takes an open box away from the program's side; its answered never runs.
    virtual void close(int box) = 0;
    // Every box of show() still waiting returns at once with DeclineAnswer: the session that
    // asked has ended, and a later answer must not act for it.
    virtual void declineWaiting() = 0;
};

// The answer that does nothing: Cancel or No where the box has one, Ignore on an error's box.
constexpr MsgAnswer DeclineAnswer(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
        return MsgAnswer::Ok;
    case MsgButtons::AbortRetryIgnore:
        return MsgAnswer::Ignore;
    case MsgButtons::YesNo:
        return MsgAnswer::No;
    case MsgButtons::OkCancel:
    case MsgButtons::YesNoCancel:
    case MsgButtons::RetryCancel:
        return MsgAnswer::Cancel;
    }
    return MsgAnswer::Ok;
}

// The program's title on every box that names no other.
inline const QString kProgramTitle = QStringLiteral("TimeWard");
