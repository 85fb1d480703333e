#include "TestPlatform.h"
#include "TestRegistry.h"
#include "reports/UpdateCheck.h"

#include <QTest>

class tst_UpdateCheck : public QObject {
    Q_OBJECT
private slots:
    void addresses_data();
    void addresses();
    void outcome_data();
    void outcome();
};

void tst_UpdateCheck::addresses_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("versionFile");
    QTest::addColumn<QString>("page");
    QTest::newRow("plain") << "http://127.0.0.1:8080"
                           << "http://127.0.0.1:8080/timeward/twversion.txt"
                           << "http://127.0.0.1:8080/timeward/";
    QTest::newRow("trailing slash") << "http://127.0.0.1:8080/"
                                    << "http://127.0.0.1:8080/timeward/twversion.txt"
                                    << "http://127.0.0.1:8080/timeward/";
}

void tst_UpdateCheck::addresses() {
    QFETCH(QString, base);
    QFETCH(QString, versionFile);
    QFETCH(QString, page);
    qputenv("TIMEWARD_UPDATE_URL", base.toUtf8());
    QCOMPARE(VersionFileUrl(), versionFile);
    QCOMPARE(DownloadPageUrl(), page);
    qunsetenv("TIMEWARD_UPDATE_URL");
    // No server of its own: nothing is fetched, and the check says how to set one.
    QVERIFY(!UpdateServerSet());
    QVERIFY(VersionFileUrl().isEmpty());
    TestPlatform tp;
    const UpdateCheckResult r = CheckLatestVersion(tp.http);
    QCOMPARE(int(r.kind), int(UpdateCheckResult::Kind::Failed));
    QVERIFY(r.status.contains("No update server is set"));
    QVERIFY(r.status.contains("TIMEWARD_UPDATE_URL"));
    QVERIFY(!r.status.contains("internet"));
    QVERIFY(tp.http.requests.isEmpty());
}

void tst_UpdateCheck::outcome_data() {
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("latest");
    QTest::addColumn<QString>("statusText"); // the start of it
    using K = UpdateCheckResult::Kind;
    QTest::newRow("1.3.5 and a line feed: current")
        << true << 200 << QByteArray("1.3.5\n") << int(K::Current) << "1.3.5"
        << "You have the current version.";
    QTest::newRow("1.3.5 alone: current") << true << 200 << QByteArray("1.3.5") << int(K::Current) << "1.3.5"
                                          << "You have the current version.";
    QTest::newRow("1.3.6: newer")
        << true << 200 << QByteArray("1.3.6") << int(K::Newer) << "1.3.6"
        << "A newer version is out (1.3.6).  If you wish to download the update (recommended), please copy the box "
           "below and paste it in your favorite browser.";
    QTest::newRow("CR LF keeps the CR: newer") << true << 200 << QByteArray("1.3.5\r\n") << int(K::Newer) << "1.3.5\r"
                                               << "A newer version is out (1.3.5\r).";
    QTest::newRow("older number also counts as newer")
        << true << 200 << QByteArray("1.2.0\n") << int(K::Newer) << "1.2.0"
        << "A newer version is out (1.2.0).";
    QTest::newRow("two line feeds drop only one")
        << true << 200 << QByteArray("1.3.5\n\n") << int(K::Newer) << "1.3.5\n"
        << "A newer version is out";
    QTest::newRow("empty body") << true << 200 << QByteArray() << int(K::Failed) << ""
                                << "The update server sent no version number.";
    QTest::newRow("a lone line feed") << true << 200 << QByteArray("\n") << int(K::Failed) << ""
                                      << "The update server sent no version number.";
    QTest::newRow("HTTP 404") << false << 404 << QByteArray("not here") << int(K::Failed) << ""
                              << "The update server answered with an error (HTTP 404";
    QTest::newRow("no answer") << false << 0 << QByteArray() << int(K::Failed) << ""
                               << "Could not reach the update server";
}

void tst_UpdateCheck::outcome() {
    QFETCH(bool, ok);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(int, kind);
    QFETCH(QString, latest);
    QFETCH(QString, statusText);
    qputenv("TIMEWARD_UPDATE_URL", "http://127.0.0.1:9");
    TestHttp http;
    Http::Response resp;
    resp.ok = ok;
    resp.status = status;
    resp.body = body;
    resp.error = ok ? QString() : QStringLiteral("Not Found");
    http.responses.enqueue(resp);
    const UpdateCheckResult r = CheckLatestVersion(http);
    qunsetenv("TIMEWARD_UPDATE_URL");
    QCOMPARE(http.requests, QStringList{"http://127.0.0.1:9/timeward/twversion.txt"});
    QVERIFY(http.lastTimeoutMs > 0 && http.lastTimeoutMs <= 10000);
    QCOMPARE(int(r.kind), kind);
    QCOMPARE(r.latestVersion, latest);
    QVERIFY2(r.status.startsWith(statusText), qPrintable(r.status));
}

TW_TEST(tst_UpdateCheck)
#include "tst_UpdateCheck.moc"
