#pragma once

#include "platform/Printer.h"

#include <functional>
#include <memory>

class QPrinter;

// Prints report lines on the system's default printer in a bold fixed-pitch font. With no
// printer installed the job becomes a PDF in the reports folder instead.
class QtPrinter final : public Printer {
public:
    // printerInstalled answers whether a printer exists; by default the system is asked.
    explicit QtPrinter(QString reportsFolder, std::function<bool()> printerInstalled = {});
    ~QtPrinter() override;
    Result print(const QString& jobName, const QStringList& lines) override;
    Result printWithPicture(const QString& jobName, const QStringList& lines, const PagePainter& picture) override;
    bool setup() override;

    // The lines as they are put on paper in a fixed-pitch font. Tabs at the start of a line
    // indent it by 8 columns each. Consecutive lines with tabs between their fields form a
    // table: a run of tabs separates two fields, and each field starts in the same column as
    // the same field of the lines around it, two spaces clear of the widest field before it.
    static QStringList layOutColumns(const QStringList& lines);

private:
    QPrinter& printer();
    QString pdfFileFor(const QString& jobName) const;

    QString m_reportsFolder;
    std::function<bool()> m_printerInstalled;
    std::unique_ptr<QPrinter> m_printer; // kept, so the set-up dialog's choices hold for later jobs
};
