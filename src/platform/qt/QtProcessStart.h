#pragma once

#include "platform/ProcessStart.h"

// Starts a program on its own, without waiting for it. The whole stored value is the program's
// path: it is never split into arguments nor handed to a shell.
class QtProcessStart final : public ProcessStart {
public:
    bool start(const QString& program) override;
    bool openUrl(const QUrl& url) override;
};
