#pragma once

#include <QString>
#include <QStringList>

// One print job is a list of text lines. With no printer installed the real one writes a
// PDF in the data folder and returns its name, so a report is never lost.
class Printer {
public:
    struct Result {
        bool ok = false;
        QString pdfFile; // set when the job went to a file instead of a printer
        QString error;
    };
    virtual ~Printer() = default;
    virtual Result print(const QString& jobName, const QStringList& lines) = 0;
    virtual bool setup() = 0; // the system's printer set-up dialog
};
