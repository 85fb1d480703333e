#include "LoopbackHttpServerUi.h"
#include "TestPlatform.h"
#include "TestRegistry.h"
#include "platform/qt/QtModules.h"
#include "reports/UpdateCheck.h"
#include "reports/frmCheckForUpdate.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
// The network module as the program loads it, from the build tree.
ModuleHttp builtHttp() {
    return ModuleHttp({qEnvironmentVariable("TIMEWARD_TEST_BINDIR") + QStringLiteral("/src")});
}
} // namespace

class tst_frmCheckForUpdate : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { qunsetenv("TIMEWARD_UPDATE_URL"); }
    void check_data();
    void check();
    void noServerSaysHowToSetOne();
    void noConnectionLeavesWindowAlone();
    void reopeningResets();
    void httpTimesOut();
};

void tst_frmCheckForUpdate::check_data() {
    QTest::addColumn<QByteArray>("response"); // empty: no server listening
    QTest::addColumn<QString>("label3");      // the start of the status
    QTest::addColumn<QString>("text2");
    QTest::addColumn<bool>("buttonEnabled");
    QTest::addColumn<bool>("addressShown");
    using S = LoopbackHttpServer;
    QTest::newRow("1.3.5 and a line feed: current")
        << S::answer(200, "OK", "1.3.5\n") << "You have the current version."
        << "1.3.5" << false << false;
    QTest::newRow("1.3.6: newer, address shown")
        << S::answer(200, "OK", "1.3.6")
        << "A newer version is out (1.3.6).  If you wish to download the update (recommended), please copy the box "
           "below and paste it in your favorite browser."
        << "1.3.6" << false << true;
    QTest::newRow("1.3.5 with CR LF: newer") << S::answer(200, "OK", "1.3.5\r\n") << "A newer version is out (1.3.5\r)."
                                             << "1.3.5\r" << false << true;
    QTest::newRow("HTTP 404") << S::answer(404, "Not Found", "no such file")
                              << "The update server answered with an error (HTTP 404"
                              << "Unknown" << true << false;
    QTest::newRow("no server") << QByteArray() << "Could not reach the update server"
                               << "Unknown" << true << false;
}

void tst_frmCheckForUpdate::check() {
    QFETCH(QByteArray, response);
    QFETCH(QString, label3);
    QFETCH(QString, text2);
    QFETCH(bool, buttonEnabled);
    QFETCH(bool, addressShown);

    LoopbackHttpServer server;
    QVERIFY(server.start());
    server.response = response;
    QString base = server.baseUrl();
    if (response.isEmpty()) {
        // A port that was just free: nobody listens there any more.
        LoopbackHttpServer gone;
        QVERIFY(gone.start());
        base = gone.baseUrl();
    }
    qputenv("TIMEWARD_UPDATE_URL", base.toUtf8());

    TestPlatform tp;
    ModuleHttp http = builtHttp();
    tp.platform.http = &http;
    tp.messageBox.answers << MsgAnswer::Yes;
    ShowCheckForUpdate(*tp.app);
    frmCheckForUpdate& w = tp.app->window<frmCheckForUpdate>();
    QCOMPARE(w.windowTitle(), QStringLiteral("TimeWard Auto-Updater"));
    QCOMPARE(w.Text1->text(), QStringLiteral("1.3.5"));
    QCOMPARE(w.Text2->text(), QStringLiteral("Unknown"));
    QVERIFY(w.Text3->isHidden());
    w.cmdCheckForUpdate->click();

    QCOMPARE(tp.messageBox.texts(),
             QStringList{"Are you connected to the internet?  You need to be to check if there's an update."});
    QVERIFY2(w.Label3->text().startsWith(label3), qPrintable(w.Label3->text()));
    QCOMPARE(w.Text2->text(), text2);
    QCOMPARE(w.cmdCheckForUpdate->isEnabled(), buttonEnabled);
    QCOMPARE(!w.Text3->isHidden(), addressShown);
    if (addressShown) QCOMPARE(w.Text3->text(), base + QStringLiteral("/timeward/"));
    if (!response.isEmpty()) QCOMPARE(server.paths, QStringList{"/timeward/twversion.txt"});
}

void tst_frmCheckForUpdate::noServerSaysHowToSetOne() {
    qunsetenv("TIMEWARD_UPDATE_URL");
    TestPlatform tp;
    ShowCheckForUpdate(*tp.app);
    frmCheckForUpdate& w = tp.app->window<frmCheckForUpdate>();
    w.cmdCheckForUpdate->click();
    QVERIFY(tp.messageBox.shown.isEmpty()); // no question about the connection
    QCOMPARE(w.Label3->text(), NoUpdateServerText());
    QVERIFY(w.Text3->isHidden());
    QVERIFY(tp.http.requests.isEmpty());
}

void tst_frmCheckForUpdate::noConnectionLeavesWindowAlone() {
    LoopbackHttpServer server;
    QVERIFY(server.start());
    qputenv("TIMEWARD_UPDATE_URL", server.baseUrl().toUtf8());
    TestPlatform tp;
    tp.messageBox.answers << MsgAnswer::No;
    ShowCheckForUpdate(*tp.app);
    frmCheckForUpdate& w = tp.app->window<frmCheckForUpdate>();
    const QString before = w.Label3->text();
    w.cmdCheckForUpdate->click();
    QCOMPARE(w.Label3->text(), before);
    QCOMPARE(w.Text2->text(), QStringLiteral("Unknown"));
    QVERIFY(w.cmdCheckForUpdate->isEnabled());
    QVERIFY(tp.http.requests.isEmpty());
}

void tst_frmCheckForUpdate::reopeningResets() {
    qputenv("TIMEWARD_UPDATE_URL", "http://127.0.0.1:9"); // answered by the double
    TestPlatform tp;
    Http::Response r;
    r.ok = true;
    r.status = 200;
    r.body = "9.9.9";
    tp.http.responses << r;
    tp.messageBox.answers << MsgAnswer::Yes;
    ShowCheckForUpdate(*tp.app);
    frmCheckForUpdate* w = &tp.app->window<frmCheckForUpdate>();
    w->cmdCheckForUpdate->click();
    QVERIFY(!w->cmdCheckForUpdate->isEnabled());
    QVERIFY(!w->Text3->isHidden());

    ShowCheckForUpdate(*tp.app);
    QCOMPARE(w->Text2->text(), QStringLiteral("Unknown"));
    QCOMPARE(w->Label3->text(),
             QStringLiteral("Please press Check For Update to see if there's a new update available."));
    QVERIFY(w->cmdCheckForUpdate->isEnabled());
    QVERIFY(w->Text3->isHidden());

    // Ok destroys the window.
    w->cmdOk->click();
    QTRY_VERIFY(!tp.app->isLoaded("frmCheckForUpdate"));
}

void tst_frmCheckForUpdate::httpTimesOut() {
    LoopbackHttpServer server;
    QVERIFY(server.start());
    server.silent = true;
    ModuleHttp http = builtHttp();
    QElapsedTimer t;
    t.start();
    const Http::Response r = http.get(server.baseUrl() + QStringLiteral("/timeward/twversion.txt"), 300);
    QVERIFY(!r.ok);
    QCOMPARE(r.status, 0);
    QVERIFY2(r.error.contains(QStringLiteral("no answer within")), qPrintable(r.error));
    QVERIFY(t.elapsed() < 5000);
}

TW_TEST(tst_frmCheckForUpdate)
#include "tst_frmCheckForUpdate.moc"
