#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

class QPainter;

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
    // Draws a picture into a page's printable area (the usage chart).
    using PagePainter = std::function<void(QPainter&, const QRect&)>;
    // The lines, then on a page of its own the picture, where the job becomes a PDF; a line
    // printer gets the lines alone.
    virtual Result printWithPicture(const QString& jobName, const QStringList& lines, const PagePainter& /*picture*/) {
        return print(jobName, lines);
    }
    virtual bool setup() = 0; // the system's printer set-up dialog
};
