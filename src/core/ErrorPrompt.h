#pragma once

#include "core/RuntimeError.h"

#include <QString>
#include <functional>
#include <initializer_list>

class App;

enum class ErrorChoice { Retry, Ignore, Abort };

// The common run-time error prompt. Ignore and Abort first ask whether to mail the author
// (Yes leads through the error wizard to the bug report). Abort then ends the process at
// once, without the orderly exit, so the next start counts it as a bad shutdown.
ErrorChoice ErrorPrompt(App& app, const RuntimeError& error);

using Step = std::function<void()>;

// Runs steps in order under the error prompt: Retry runs the failed step again, Ignore
// goes on with the next one. Returns false when the user chose Abort (the process has
// been told to end; the caller must return at once).
bool RunSteps(App& app, const QString& source, std::initializer_list<Step> steps);
// One step under the prompt; false on Abort.
bool RunStep(App& app, const QString& source, const Step& step);

// The texts of the prompt, as the boxes show them.
QString ErrorPromptText(const RuntimeError& error);
extern const QString kMailAuthorQuestion;
