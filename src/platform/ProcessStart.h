#pragma once

#include <QString>

class QUrl;

// Starts a program as a new process without waiting; the whole value is the program path,
// never handed to a shell.
class ProcessStart {
public:
    virtual ~ProcessStart() = default;
    virtual bool start(const QString& program) = 0;
    // Opens a file or folder with the desktop's own program for it (a PDF in the PDF viewer, a
    // folder in the file manager); false when the desktop has none.
    virtual bool openUrl(const QUrl& url) = 0;
};
