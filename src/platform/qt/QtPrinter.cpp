#include "platform/qt/QtPrinter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace {
QFont reportFont() {
    QFont f(QStringLiteral("Courier New"), 12, QFont::Bold);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    // The columns line up only in a fixed-pitch font: where that family is missing, the
    // system's own fixed-pitch font is used.
    if (!QFontInfo(f).fixedPitch()) {
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        fixed.setPointSize(12);
        fixed.setBold(true);
        return fixed;
    }
    return f;
}

constexpr int kTabStop = 8;
constexpr int kColumnGap = 2;

int leadingTabs(const QString& line) {
    int n = 0;
    while (n < line.size() && line.at(n) == QLatin1Char('\t'))
        ++n;
    return n;
}

// Fields between tabs (a run of tabs is one separator), leading tabs left out.
QStringList fields(const QString& line) {
    return line.mid(leadingTabs(line)).split(QLatin1Char('\t'), Qt::SkipEmptyParts);
}

bool hasFieldTabs(const QString& line) {
    return line.indexOf(QLatin1Char('\t'), leadingTabs(line)) > 0;
}

// Draws the lines top to bottom; a line wider than the page wraps rather than being cut,
// and a full page moves on to the next.
bool render(QPrinter& printer, const QStringList& lines, QString* error, const Printer::PagePainter& picture = {}) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = QCoreApplication::translate("QtPrinter", "The printer could not be started.");
        return false;
    }
    painter.setFont(reportFont());
    const QFontMetricsF fm(painter.font(), painter.device());
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const qreal charWidth = qMax<qreal>(1.0, fm.horizontalAdvance(QLatin1Char('M')));
    const int columns = qMax(1, static_cast<int>(page.width() / charWidth));
    const qreal step = fm.lineSpacing();
    qreal y = fm.ascent();
    auto put = [&](const QString& text) {
        if (y + fm.descent() > page.height() && y > fm.ascent()) {
            printer.newPage();
            y = fm.ascent();
        }
        painter.drawText(QPointF(0, y), text);
        y += step;
    };
    for (const QString& line : QtPrinter::layOutColumns(lines)) {
        if (line.isEmpty()) {
            put(QString());
            continue;
        }
        for (int i = 0; i < line.size(); i += columns)
            put(line.mid(i, columns));
    }
    if (picture) {
        printer.newPage();
        // Drawn at screen scale, so the picture keeps the proportions it has in the window. A
        // font's points would be measured at the printer's resolution and come out that much
        // larger again: the window's font is given in pixels of the screen scale instead.
        const qreal scale = printer.resolution() / 96.0;
        painter.save();
        painter.scale(scale, scale);
        QFont font;
        if (font.pointSizeF() > 0) font.setPixelSize(qMax(1, qRound(font.pointSizeF() * 96.0 / 72.0)));
        painter.setFont(font);
        picture(painter, QRect(0, 0, static_cast<int>(page.width() / scale), static_cast<int>(page.height() / scale)));
        painter.restore();
    }
    return painter.end();
}
} // namespace

QtPrinter::QtPrinter(QString reportsFolder, std::function<bool()> printerInstalled)
    : m_reportsFolder(std::move(reportsFolder)), m_printerInstalled(std::move(printerInstalled)) {
    if (!m_printerInstalled) m_printerInstalled = [] { return !QPrinterInfo::availablePrinterNames().isEmpty(); };
}

QtPrinter::~QtPrinter() = default;

QPrinter& QtPrinter::printer() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

QStringList QtPrinter::layOutColumns(const QStringList& lines) {
    QStringList out;
    for (qsizetype i = 0; i < lines.size();) {
        if (!hasFieldTabs(lines.at(i))) {
            const QString& line = lines.at(i++);
            const int indent = leadingTabs(line);
            out << QString(indent * kTabStop, QLatin1Char(' ')) + line.mid(indent);
            continue;
        }
        // One table: this line and the ones after it that have fields too.
        qsizetype end = i;
        while (end < lines.size() && hasFieldTabs(lines.at(end)))
            ++end;
        QList<QStringList> rows;
        QList<int> widths;
        for (qsizetype r = i; r < end; ++r) {
            QStringList cells = fields(lines.at(r));
            if (!cells.isEmpty()) cells.first().prepend(QString(leadingTabs(lines.at(r)) * kTabStop, QLatin1Char(' ')));
            // The last field of a line decides no column's width: nothing follows it.
            for (qsizetype c = 0; c + 1 < cells.size(); ++c) {
                if (widths.size() <= c) widths.append(0);
                widths[c] = std::max<int>(widths[c], static_cast<int>(cells.at(c).size()));
            }
            rows << cells;
        }
        for (const QStringList& cells : rows) {
            QString text;
            for (qsizetype c = 0; c < cells.size(); ++c) {
                text += cells.at(c);
                if (c + 1 < cells.size())
                    text += QString(widths.at(c) - cells.at(c).size() + kColumnGap, QLatin1Char(' '));
            }
            out << text;
        }
        i = end;
    }
    return out;
}

QString QtPrinter::pdfFileFor(const QString& jobName) const {
    QString base = jobName;
    for (QChar& c : base)
        if (!c.isLetterOrNumber()) c = QLatin1Char('-');
    base += QDateTime::currentDateTime().toString(QStringLiteral("-yyyyMMdd-HHmmss"));
    QString name = m_reportsFolder + QLatin1Char('/') + base + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(name); ++n)
        name =
            m_reportsFolder + QLatin1Char('/') + base + QLatin1Char('-') + QString::number(n) + QStringLiteral(".pdf");
    return name;
}

Printer::Result QtPrinter::print(const QString& jobName, const QStringList& lines) {
    return printWithPicture(jobName, lines, PagePainter());
}

Printer::Result QtPrinter::printWithPicture(const QString& jobName, const QStringList& lines,
                                            const PagePainter& picture) {
    Result r;
    if (m_printerInstalled()) {
        QPrinter& p = printer();
        p.setOutputFormat(QPrinter::NativeFormat);
        p.setDocName(jobName);
        r.ok = render(p, lines, &r.error); // a printer gets the lines alone
        return r;
    }
    if (!QDir().mkpath(m_reportsFolder)) {
        r.error = QCoreApplication::translate("QtPrinter", "The folder %1 cannot be created.").arg(m_reportsFolder);
        return r;
    }
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setDocName(jobName);
    pdf.setCreator(QStringLiteral("TimeWard"));
    const QString file = pdfFileFor(jobName);
    pdf.setOutputFileName(file);
    r.ok = render(pdf, lines, &r.error, picture);
    if (r.ok) r.pdfFile = file;
    return r;
}

bool QtPrinter::setup() {
    QPrintDialog dialog(&printer());
    dialog.setWindowTitle(QCoreApplication::translate("QtPrinter", "Printer Setup"));
    return dialog.exec() == QDialog::Accepted;
}
