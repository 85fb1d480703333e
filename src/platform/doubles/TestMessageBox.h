#pragma once

#include "platform/MessageBox.h"

#include <QList>
#include <QQueue>
#include <functional>
#include <optional>

// Records every box and answers from a queue; with an empty queue it answers the safe
// default of the buttons (never Abort). A box opened without waiting stays open until the
// test answers it (answerOpen) or the program closes it.
class TestMessageBox final : public MessageBox {
public:
    struct Shown {
        QString text;
        QString title;
        MsgButtons buttons;
        MsgIcon icon;
        bool systemModal;
        MsgDefault defaultButton = MsgDefault::First;
        QStringList choices = {}; // the buttons of choose()
    };

    MsgAnswer show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon, bool systemModal,
                   MsgDefault defaultButton) override {
        shown.append({text, title, buttons, icon, systemModal, defaultButton});
        if (onShow) onShow(shown.last());
        if (!answers.isEmpty()) return answers.dequeue();
        return safeAnswer(buttons);
    }

    int open(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon, Answered answered,
             const QString& extraButton) override {
        shown.append({text, title, buttons, icon, false, MsgDefault::First});
        openBoxes.append({++lastBox, text, buttons, std::move(answered), extraButton});
        if (onShow) onShow(shown.last());
        return lastBox;
    }

    // Answers from chosen, else with the last button (the one Escape presses).
    int choose(const QString& text, const QString& title, MsgIcon icon, const QStringList& buttons) override {
        shown.append({text, title, MsgButtons::Ok, icon, false, MsgDefault::First, buttons});
        if (onShow) onShow(shown.last());
        if (!chosen.isEmpty()) return chosen.dequeue();
        return static_cast<int>(buttons.size()) - 1;
    }

    void close(int box) override {
        for (qsizetype i = 0; i < openBoxes.size(); ++i)
            if (openBoxes[i].id == box) {
                openBoxes.removeAt(i);
                ++closedByProgram;
                return;
            }
    }

    // Boxes of show() answer at once here: nothing waits. Counted, for the session's end.
    void declineWaiting() override { ++declineCalls; }
    int declineCalls = 0;

    // Answers the earliest open box (the given answer, else the next queued one, else the safe
    // default), as the person at the screen would. False when no box is open.
    bool answerOpen(std::optional<MsgAnswer> answer = std::nullopt) {
        if (openBoxes.isEmpty()) return false;
        OpenBox box = openBoxes.takeFirst();
        const MsgAnswer a = answer ? *answer : (!answers.isEmpty() ? answers.dequeue() : safeAnswer(box.buttons));
        if (box.answered) box.answered(a);
        return true;
    }

    QStringList openTexts() const {
        QStringList t;
        for (const auto& b : openBoxes)
            t << b.text;
        return t;
    }

    static MsgAnswer safeAnswer(MsgButtons buttons) {
        switch (buttons) {
        case MsgButtons::Ok:
        case MsgButtons::OkCancel:
            return MsgAnswer::Ok;
        case MsgButtons::AbortRetryIgnore:
            return MsgAnswer::Ignore;
        case MsgButtons::YesNoCancel:
        case MsgButtons::YesNo:
            return MsgAnswer::No;
        case MsgButtons::RetryCancel:
            return MsgAnswer::Cancel;
        }
        return MsgAnswer::Ok;
    }

    QStringList texts() const {
        QStringList t;
        for (const auto& s : shown)
            t << s.text;
        return t;
    }

    struct OpenBox {
        int id;
        QString text;
        MsgButtons buttons;
        Answered answered;
        QString extraButton; // the caller's own button, if any
    };

    QList<Shown> shown;
    QList<OpenBox> openBoxes; // opened without waiting and not yet answered or closed
    int closedByProgram = 0;
    int lastBox = 0;
    QQueue<MsgAnswer> answers;
    QQueue<int> chosen;                       // the buttons pressed in boxes of choose(), by index
    std::function<void(const Shown&)> onShow; // lets a test act while the box is "up"
};
