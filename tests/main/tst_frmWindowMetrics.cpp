#include "TestPlatform.h"
#include "TestRegistry.h"
#include "core/WindowMetrics.h"
#include "storage/ConfigKeys.h"

#include <QTest>
#include <QWidget>

namespace {
void storeMetrics(App& app, const QString& caption, const QStringList& ltwh) {
    const char* parts[] = {"Left", "Top", "Width", "Height"};
    for (int i = 0; i < 4; ++i)
        app.write(Sections::WindowMetrics, caption + QLatin1Char(' ') + QLatin1String(parts[i]), ltwh[i]);
}

QStringList storedMetrics(App& app, const QString& caption) {
    QStringList out;
    for (const char* part : {"Left", "Top", "Width", "Height"})
        out << app.read(Sections::WindowMetrics, caption + QLatin1Char(' ') + QLatin1String(part)).text();
    return out;
}
} // namespace

class tst_frmWindowMetrics : public QObject {
    Q_OBJECT
private slots:
    void savesInTwips();
    void minimizedWindowIsNotSaved();
    void closeSavesOnlyWhenConfigured_data();
    void closeSavesOnlyWhenConfigured();
    void restore_data();
    void restore();
    void centreOverParentAndScreen();
};

void tst_frmWindowMetrics::savesInTwips() {
    TestPlatform tp;
    QWidget w;
    w.setWindowTitle(QStringLiteral("Pick User"));
    w.setGeometry(20, 30, 300, 200);
    SaveWindowMetrics(*tp.app, w);
    QCOMPARE(storedMetrics(*tp.app, QStringLiteral("Pick User")), (QStringList{"300", "450", "4500", "3000"}));
}

void tst_frmWindowMetrics::minimizedWindowIsNotSaved() {
    TestPlatform tp;
    QWidget w;
    w.setWindowTitle(QStringLiteral("User Statistics"));
    w.setGeometry(20, 30, 300, 200);
    SaveWindowMetrics(*tp.app, w);
    w.move(400, 400);
    w.showMinimized();
    QTRY_VERIFY(w.isMinimized());
    SaveWindowMetrics(*tp.app, w);
    QCOMPARE(storedMetrics(*tp.app, QStringLiteral("User Statistics")).first(), QStringLiteral("300"));
}

void tst_frmWindowMetrics::closeSavesOnlyWhenConfigured_data() {
    QTest::addColumn<QString>("saveWinPosition");
    QTest::addColumn<bool>("saved");
    QTest::newRow("1") << QStringLiteral("1") << true;
    QTest::newRow("0") << QStringLiteral("0") << false;
    QTest::newRow("True is not 1") << QStringLiteral("True") << false;
}

void tst_frmWindowMetrics::closeSavesOnlyWhenConfigured() {
    QFETCH(QString, saveWinPosition);
    QFETCH(bool, saved);
    TestPlatform tp;
    tp.app->write(Sections::Config, ConfigKeys::SaveWinPosition, saveWinPosition);
    QWidget w;
    w.setWindowTitle(QStringLiteral("Time Ward"));
    w.setGeometry(10, 10, 100, 100);
    SaveWindowMetricsOnClose(*tp.app, w);
    QCOMPARE(storedMetrics(*tp.app, QStringLiteral("Time Ward")).at(2), saved ? QStringLiteral("1500") : QString());
}

void tst_frmWindowMetrics::restore_data() {
    QTest::addColumn<QStringList>("stored"); // left, top, width, height in twips; empty list: nothing stored
    QTest::addColumn<QRect>("expected");     // on a 1024 x 768 screen; the designed place is 5,5 200x100
    QTest::newRow("nothing stored keeps the design") << QStringList{} << QRect(5, 5, 200, 100);
    QTest::newRow("stored place") << QStringList{"1500", "3000", "6000", "4500"} << QRect(100, 200, 400, 300);
    QTest::newRow("zero width keeps the design") << QStringList{"1500", "3000", "0", "4500"} << QRect(5, 5, 200, 100);
    QTest::newRow("negative size keeps the design")
        << QStringList{"1500", "3000", "-6000", "4500"} << QRect(5, 5, 200, 100);
    QTest::newRow("not a number keeps the design")
        << QStringList{"1500", "3000", "wide", "4500"} << QRect(5, 5, 200, 100);
    // Off the screen: moved back in whole, size kept.
    QTest::newRow("far right") << QStringList{"30000", "1500", "6000", "4500"} << QRect(624, 100, 400, 300);
    QTest::newRow("above the top") << QStringList{"1500", "-3000", "6000", "4500"} << QRect(100, 0, 400, 300);
    QTest::newRow("far left") << QStringList{"-12000", "1500", "6000", "4500"} << QRect(0, 100, 400, 300);
    QTest::newRow("below the bottom") << QStringList{"1500", "15000", "6000", "4500"} << QRect(100, 468, 400, 300);
    // Beyond the 16-bit range: held at its end (2184 pixels), then brought back.
    QTest::newRow("beyond 16 bits") << QStringList{"99999999", "1500", "6000", "4500"} << QRect(624, 100, 400, 300);
    QTest::newRow("larger than the screen, title reachable")
        << QStringList{"0", "0", "30000", "30000"} << QRect(0, 0, 2000, 2000);
    // Partly off the screen but reachable: left alone.
    QTest::newRow("partly off, reachable")
        << QStringList{"-1500", "1500", "6000", "4500"} << QRect(-100, 100, 400, 300);
}

void tst_frmWindowMetrics::restore() {
    QFETCH(QStringList, stored);
    QFETCH(QRect, expected);
    TestPlatform tp;
    QWidget w;
    w.setWindowTitle(QStringLiteral("User Statistics"));
    w.setGeometry(5, 5, 200, 100);
    if (!stored.isEmpty()) storeMetrics(*tp.app, QStringLiteral("User Statistics"), stored);
    RestoreWindowMetrics(*tp.app, w);
    QCOMPARE(QRect(w.pos(), w.size()), expected);
}

void tst_frmWindowMetrics::centreOverParentAndScreen() {
    TestPlatform tp;
    QWidget parent;
    parent.setGeometry(100, 100, 600, 400);
    QWidget w;
    w.setGeometry(0, 0, 200, 100);
    CenterForm(*tp.app, &parent, w);
    QCOMPARE(w.geometry(), QRect(300, 250, 200, 100));
    CenterForm(*tp.app, w);
    QCOMPARE(w.geometry(), QRect(412, 334, 200, 100));
}

TW_TEST(tst_frmWindowMetrics)
#include "tst_frmWindowMetrics.moc"
