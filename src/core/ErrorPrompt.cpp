#include "core/ErrorPrompt.h"

#include "core/App.h"
#include "platform/MessageBox.h"
#include "platform/ProcessControl.h"

#include <QCoreApplication>
#include <optional>

const QString kMailAuthorQuestion = QString::fromUtf8(QT_TRANSLATE_NOOP(
    "ErrorPrompt", "Do you want to mail the author on this bug first?  It would really help the debugging process."));

QString ErrorPromptText(const RuntimeError& error) {
    return QCoreApplication::translate(
               "ErrorPrompt", "An error occurred!\n\tError %1: %2\nYou may either Abort (exit), Retry or Ignore")
        .arg(error.number)
        .arg(error.description);
}

ErrorChoice ErrorPrompt(App& app, const RuntimeError& error) {
    app.currentError = error;
    const MsgAnswer a =
        app.platform.messageBox->show(ErrorPromptText(error), QCoreApplication::translate("ErrorPrompt", "Error!"),
                                      MsgButtons::AbortRetryIgnore, MsgIcon::Critical);
    if (a == MsgAnswer::Retry) return ErrorChoice::Retry;
    if (app.platform.messageBox->show(QCoreApplication::translate("ErrorPrompt", qUtf8Printable(kMailAuthorQuestion)),
                                      kProgramTitle, MsgButtons::YesNo, MsgIcon::Question) == MsgAnswer::Yes)
        app.model.requestMailAuthor();
    if (a == MsgAnswer::Abort) {
        app.platform.process->exitNow(1);
        return ErrorChoice::Abort;
    }
    app.currentError.reset();
    return ErrorChoice::Ignore;
}

bool RunStep(App& app, const QString& source, const Step& step) {
    for (;;) {
        std::optional<RuntimeError> err;
        try {
            step();
            return true;
        } catch (const RuntimeError& e) {
            err = e;
            if (err->source.isEmpty()) err->source = source;
        } catch (const std::exception& e) {
            err = RuntimeError(51, QStringLiteral("Internal error (%1)").arg(QString::fromLocal8Bit(e.what())), source);
        }
        switch (ErrorPrompt(app, *err)) {
        case ErrorChoice::Retry:
            continue;
        case ErrorChoice::Ignore:
            return true;
        case ErrorChoice::Abort:
            return false;
        }
    }
}

bool RunSteps(App& app, const QString& source, std::initializer_list<Step> steps) {
    for (const Step& s : steps)
        if (!RunStep(app, source, s)) return false;
    return true;
}
