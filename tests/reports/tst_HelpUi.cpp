#include "TestRegistry.h"
#include "platform/qt/QtHelp.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

namespace {
QString helpFolder() {
    // The tests' source folder as the build knows it (a compiler cache may shorten __FILE__).
    return QDir::cleanPath(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../help"));
}

QString fileText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
} // namespace

class tst_HelpUi : public QObject {
    Q_OBJECT
private slots:
    void linksResolve_data();
    void linksResolve();
    void menuEntriesOpenTheRightPlace();
};

void tst_HelpUi::linksResolve_data() {
    QTest::addColumn<QString>("page");
    const QStringList pages = QDir(helpFolder()).entryList({QStringLiteral("*.html")}, QDir::Files);
    QVERIFY(pages.contains(QStringLiteral("index.html")));
    QVERIFY(pages.contains(QStringLiteral("keywords.html")));
    QVERIFY(pages.contains(QStringLiteral("usinghelp.html")));
    for (const QString& p : pages)
        QTest::newRow(qPrintable(p)) << p;
}

// Every link of every page leads to a page that exists, and to an anchor that exists in it.
void tst_HelpUi::linksResolve() {
    QFETCH(QString, page);
    const auto links = HelpPageLinks(helpFolder() + QLatin1Char('/') + page);
    QVERIFY(!links.isEmpty());
    for (const auto& [target, text] : links) {
        QVERIFY2(!text.isEmpty(), qPrintable(target));
        const QString file = target.section(QLatin1Char('#'), 0, 0);
        const QString anchor = target.section(QLatin1Char('#'), 1);
        const QString body = fileText(helpFolder() + QLatin1Char('/') + file);
        QVERIFY2(!body.isEmpty(), qPrintable(page + QStringLiteral(" -> ") + target));
        if (!anchor.isEmpty())
            QVERIFY2(body.contains(QStringLiteral("name=\"%1\"").arg(anchor)),
                     qPrintable(page + QStringLiteral(" -> ") + target));
    }
}

void tst_HelpUi::menuEntriesOpenTheRightPlace() {
    QtHelp help(helpFolder());
    help.showContents();
    HelpViewer* v = help.viewer();
    QVERIFY(v && v->isVisible());
    QCOMPARE(v->tabs->currentIndex(), 0);
    QCOMPARE(v->browser->source().fileName(), QStringLiteral("index.html"));
    QCOMPARE(v->lstContents->count(), HelpPageLinks(helpFolder() + QStringLiteral("/index.html")).size());

    // The keyword search starts with an empty keyword; typing selects the first match, Enter opens it.
    help.showSearch();
    QCOMPARE(v->tabs->currentIndex(), 1);
    QVERIFY(v->txtKeyword->text().isEmpty());
    QTest::keyClicks(v->txtKeyword, QStringLiteral("printer s"));
    QVERIFY(v->lstKeywords->currentItem());
    QCOMPARE(v->lstKeywords->currentItem()->text(), QStringLiteral("Printer setup"));
    QTest::keyClick(v->txtKeyword, Qt::Key_Return);
    QCOMPARE(v->browser->source().fileName(), QStringLiteral("printing.html"));
    QVERIFY(v->browser->toPlainText().contains(QStringLiteral("Printing reports")));

    help.showHelpOnHelp();
    QCOMPARE(v->browser->source().fileName(), QStringLiteral("usinghelp.html"));
    help.showTopic(QStringLiteral("update"));
    QCOMPARE(v->browser->source().fileName(), QStringLiteral("update.html"));

    // The orderly exit closes the help window; the next use opens it again.
    help.quit();
    QVERIFY(!v->isVisible());
    help.showContents();
    QVERIFY(help.viewer()->isVisible());
}

TW_TEST(tst_HelpUi)
#include "tst_HelpUi.moc"
