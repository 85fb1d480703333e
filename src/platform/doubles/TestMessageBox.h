#pragma once

#include "platform/MessageBox.h"

#include <QList>
#include <QQueue>
#include <functional>

// Records every box and answers from a queue; with an empty queue it answers the safe
// default of the buttons (never Abort).
class TestMessageBox final : public MessageBox {
public:
    struct Shown {
        QString text;
        QString title;
        MsgButtons buttons;
        MsgIcon icon;
        bool systemModal;
    };

    MsgAnswer show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon,
                   bool systemModal) override {
        shown.append({text, title, buttons, icon, systemModal});
        if (onShow) onShow(shown.last());
        if (!answers.isEmpty()) return answers.dequeue();
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

    QList<Shown> shown;
    QQueue<MsgAnswer> answers;
    std::function<void(const Shown&)> onShow; // lets a test act while the box is "up"
};
