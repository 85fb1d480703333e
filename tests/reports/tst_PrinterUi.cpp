#include "TestRegistry.h"
#include "platform/qt/QtPrinter.h"
#include "program/UsageView.h"
#include "timekeeping/UsageHistory.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {
// The text of a PDF as the report printer writes it, one entry per drawn line: the content
// streams are inflated, and each text block's glyph codes are read back through the font's
// table of characters.
QStringList pdfTextLines(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray pdf = f.readAll();
    QList<QByteArray> streams;
    static const QRegularExpression streamRe(QStringLiteral("stream\\r?\\n"));
    qsizetype from = 0;
    for (;;) {
        const qsizetype start = pdf.indexOf("stream", from);
        if (start < 0) break;
        qsizetype body = start + 6;
        if (pdf.mid(body, 2) == "\r\n")
            body += 2;
        else if (pdf.at(body) == '\n')
            body += 1;
        else {
            from = body;
            continue;
        }
        const qsizetype end = pdf.indexOf("endstream", body);
        if (end < 0) break;
        QByteArray raw = pdf.mid(body, end - body);
        QByteArray sized(4, '\0');
        qToBigEndian<quint32>(1u << 20, sized.data());
        const QByteArray inflated = qUncompress(sized + raw);
        streams << (inflated.isEmpty() ? raw : inflated);
        from = end + 9;
    }
    QHash<quint32, QChar> map;
    static const QRegularExpression rangeRe(QStringLiteral("<([0-9A-Fa-f]{4})> <([0-9A-Fa-f]{4})> \\[([^\\]]*)\\]"));
    static const QRegularExpression hexRe(QStringLiteral("<([0-9A-Fa-f]{4})>"));
    static const QRegularExpression charRe(QStringLiteral("<([0-9A-Fa-f]{4})> <([0-9A-Fa-f]{4})>"));
    for (const QByteArray& s : streams) {
        if (!s.contains("begincmap")) continue;
        const QString text = QString::fromLatin1(s);
        for (auto it = rangeRe.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            quint32 code = m.captured(1).toUInt(nullptr, 16);
            for (auto h = hexRe.globalMatch(m.captured(3)); h.hasNext(); ++code)
                map.insert(code, QChar(h.next().captured(1).toUShort(nullptr, 16)));
        }
        const qsizetype chars = text.indexOf(QLatin1String("beginbfchar"));
        if (chars >= 0)
            for (auto it = charRe.globalMatch(text.mid(chars, text.indexOf(QLatin1String("endbfchar")) - chars));
                 it.hasNext();) {
                const auto m = it.next();
                map.insert(m.captured(1).toUInt(nullptr, 16), QChar(m.captured(2).toUShort(nullptr, 16)));
            }
    }
    QStringList lines;
    static const QRegularExpression blockRe(QStringLiteral("BT(.*?)ET"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tjRe(QStringLiteral("<([0-9A-Fa-f]+)> Tj"));
    for (const QByteArray& s : streams) {
        if (s.contains("begincmap")) continue;
        for (auto it = blockRe.globalMatch(QString::fromLatin1(s)); it.hasNext();) {
            QString line;
            for (auto tj = tjRe.globalMatch(it.next().captured(1)); tj.hasNext();) {
                const QString hex = tj.next().captured(1);
                for (int i = 0; i + 4 <= hex.size(); i += 4) {
                    const QChar c = map.value(hex.mid(i, 4).toUInt(nullptr, 16), QLatin1Char('?'));
                    // One glyph serves both blank and tab; the table may name either.
                    line += c == QLatin1Char('\t') ? QLatin1Char(' ') : c;
                }
            }
            lines << line;
        }
    }
    return lines;
}
} // namespace

class tst_PrinterUi : public QObject {
    Q_OBJECT
private slots:
    void layOutColumns_data();
    void layOutColumns();
    void noPrinterWritesPdf();
    void chartPageAtPageScale();
};

void tst_PrinterUi::layOutColumns_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("printed");
    // The time usage report: short names carry two tabs, middling ones one; the fields still
    // share their columns, each two spaces clear of the widest field before it.
    QTest::newRow("time usage table") << QStringList{"TimeWard Time Usage",
                                                     "",
                                                     "Name\t\tMeasured By\tTime Allowed\tTime Available",
                                                     "Ann\t\tDaily\t1:30:0\t0:12:05",
                                                     "Jonathan\tUnlimited\tN/A\tN/A",
                                                     "Maximilian-Ka...\tWeekly\t10:0:0\t9:59:59"}
                                      << QStringList{"TimeWard Time Usage",
                                                     "",
                                                     "Name              Measured By  Time Allowed  Time Available",
                                                     "Ann               Daily        1:30:0        0:12:05",
                                                     "Jonathan          Unlimited    N/A           N/A",
                                                     "Maximilian-Ka...  Weekly       10:0:0        9:59:59"};
    QTest::newRow("leading tabs indent") << QStringList{"TOM", "\tUser Number: 2", "\t\tAction:x"}
                                         << QStringList{"TOM", "        User Number: 2", "                Action:x"};
    QTest::newRow("packed entries, trailing tab")
        << QStringList{"User:  Ann", "01.) ab (UnUsed) <-\t02.) cdefg (Used)\t", "03.) h (UnUsed)\t"}
        << QStringList{"User:  Ann", "01.) ab (UnUsed) <-  02.) cdefg (Used)", "03.) h (UnUsed)"};
    QTest::newRow("no tab") << QStringList{"plain"} << QStringList{"plain"};
}

void tst_PrinterUi::layOutColumns() {
    QFETCH(QStringList, lines);
    QFETCH(QStringList, printed);
    QCOMPARE(QtPrinter::layOutColumns(lines), printed);
}

void tst_PrinterUi::noPrinterWritesPdf() {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("reports"));
    QtPrinter printer(folder, [] { return false; });
    QStringList lines = {"TimeWard Log", "Printed 3/4/2026 at 3:10:45 PM", "Version: 1.3.5", ""};
    // Enough lines for a second page, and one too wide for the page.
    for (int i = 0; i < 80; ++i)
        lines << QStringLiteral("line %1").arg(i);
    lines << QString(120, QLatin1Char('w'));
    const Printer::Result first = printer.print(QStringLiteral("TimeWard Log"), lines);
    QVERIFY2(first.ok, qPrintable(first.error));
    QVERIFY(first.pdfFile.startsWith(folder + QLatin1Char('/')));
    QVERIFY(first.pdfFile.endsWith(QLatin1String(".pdf")));
    const QStringList text = pdfTextLines(first.pdfFile);
    QVERIFY2(text.size() > 4, qPrintable(text.join('|')));
    QCOMPARE(text.mid(0, 3), lines.mid(0, 3));
    QVERIFY(text.contains(QStringLiteral("line 79")));
    // The wide line wraps instead of running off the page: nothing is lost.
    QCOMPARE(text.filter(QRegularExpression(QStringLiteral("^w+$"))).join(QString()), QString(120, QLatin1Char('w')));

    // A table reaches the paper in columns, in a fixed-pitch font.
    const Printer::Result table =
        printer.print(QStringLiteral("TimeWard Time Usage"),
                      {"Name\t\tMeasured By\tTime Allowed\tTime Available", "Ann\t\tDaily\t1:30:0\t0:12:05"});
    QVERIFY(table.ok);
    const QStringList tableText = pdfTextLines(table.pdfFile);
    QCOMPARE(tableText.size(), 2);
    QCOMPARE(tableText.at(1).indexOf(QStringLiteral("Daily")), tableText.at(0).indexOf(QStringLiteral("Measured")));
    QCOMPARE(tableText.at(1).indexOf(QStringLiteral("0:12:05")), tableText.at(0).indexOf(QStringLiteral("Time Av")));

    // A second job in the same second gets a file of its own.
    const Printer::Result second = printer.print(QStringLiteral("TimeWard Log"), lines.mid(0, 4));
    QVERIFY(second.ok);
    QVERIFY(second.pdfFile != first.pdfFile);
    QVERIFY(QFile::exists(first.pdfFile) && QFile::exists(second.pdfFile));
}

void tst_PrinterUi::chartPageAtPageScale() {
    QTemporaryDir dir;
    QtPrinter printer(dir.filePath(QStringLiteral("reports")), [] { return false; });
    UsageOverview usage;
    usage.today = QDate(2026, 3, 4);
    usage.days = 14;
    UsageRow row;
    row.name = QStringLiteral("Kim");
    row.basedOn = QStringLiteral("Daily");
    row.allowancePerDay = 2 * 3600;
    row.seconds = QList<long long>(14, 3600);
    usage.rows = {row};
    QRect area;
    qreal textHeight = 0;
    qreal dayWidth = 0;
    const Printer::Result r =
        printer.printWithPicture(QStringLiteral("TimeWard Weekly Usage"), {QStringLiteral("TimeWard Weekly Usage")},
                                 [&](QPainter& p, const QRect& a) {
                                     area = a;
                                     const QFontMetricsF fm(p.font(), p.device());
                                     textHeight = fm.height();
                                     dayWidth = fm.horizontalAdvance(QStringLiteral("28"));
                                     PaintUsageChart(p, a, usage, QPalette(Qt::black, Qt::white));
                                 });
    QVERIFY2(r.ok, qPrintable(r.error));
    // The page is laid out as a window of its size on a screen (A4 or Letter, less margins)...
    QVERIFY2(area.width() > 500 && area.width() < 900, qPrintable(QString::number(area.width())));
    // ...and its text is as large as a window's: a line is a few hundredths of the page, and a
    // day's number fits the day's slot beside the names.
    QVERIFY2(textHeight > 6 && textHeight < area.height() / 30.0, qPrintable(QString::number(textHeight)));
    QVERIFY2(dayWidth < (area.width() - 180) / 14.0, qPrintable(QString::number(dayWidth)));
}

TW_TEST(tst_PrinterUi)
#include "tst_PrinterUi.moc"
