#pragma once

#include <QString>

// Starts a program as a new process without waiting; the whole value is the program path,
// never handed to a shell.
class ProcessStart {
public:
    virtual ~ProcessStart() = default;
    virtual bool start(const QString& program) = 0;
};
