#include "../login/LoginFixture.h"
#include "TestRegistry.h"
#include "WebClient.h"
#include "login/LoginValidation.h"
#include "storage/ActivityLog.h"
#include "timekeeping/UsageHistory.h"
#include "web/ParentPageApi.h"
#include "web/TlsWebServer.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <atomic>
#include <sys/stat.h>

using Headers = QList<QPair<QByteArray, QByteArray>>;

// The parent's page served on loopback over real TLS, on a store with a parent (Mum, and Dad
// with a list of one-time passwords), a child with an hour left (Bob) and an unlimited one (Ann).
class tst_ParentPageApi : public QObject {
    Q_OBJECT

    std::unique_ptr<TestPlatform> tp;
    std::unique_ptr<ParentPageApi> api;
    std::unique_ptr<TlsWebServer> server;
    int loggedIn = 0;
    int ended = 0;

    App& app() { return *tp->app; }
    quint16 port() { return server->port(); }

    struct Session {
        QByteArray cookie; // "tw_session=…"
        QByteArray token;
    };
    // Logs Mum in: the cookie and the token.
    Session logIn(const QByteArray& name = "Mum", const QByteArray& password = "mumpw") {
        const Reply r = serve([&] {
            return askOnce(port(), "POST", "/api/login",
                           "{\"name\":\"" + name + "\",\"password\":\"" + password + "\"}");
        });
        return {r.header("set-cookie").split(';').value(0),
                QJsonDocument::fromJson(r.body).object().value(QStringLiteral("token")).toString().toLatin1()};
    }
    Reply ask(const Session& s, const QByteArray& method, const QByteArray& path, const QByteArray& body = {},
              bool withToken = true) {
        Headers h{{"Cookie", s.cookie}};
        if (withToken) h.append({"X-TimeWard-Token", s.token});
        return serve([&] { return askOnce(port(), method, path, body, h); });
    }
    QString freeTime(int n) {
        const QString s = Sections::User(n);
        return app().read(s, UserKeys::FreeHours).text() + QLatin1Char(':') + app().read(s, UserKeys::FreeMin).text() +
               QLatin1Char(':') + app().read(s, UserKeys::FreeSec).text();
    }
    QStringList log() { return LastingLogTail(app().paths(), 50); }
    bool logged(const QString& line) {
        for (const QString& l : log())
            if (l.endsWith(line)) return true;
        return false;
    }

private slots:
    void init() {
        tp = std::make_unique<TestPlatform>();
        addUser(app(), 1, QStringLiteral("Mum"), QStringLiteral("mumpw"),
                {{UserKeys::ParentRights, QStringLiteral("1")}});
        addUser(app(), 2, QStringLiteral("Bob"), QStringLiteral("bobpw"));
        addUser(app(), 3, QStringLiteral("Dad"), QStringLiteral("unused"),
                {{UserKeys::ParentRights, QStringLiteral("1")}});
        setPasswordList(app(), 3, {QStringLiteral("one"), QStringLiteral("two")});
        addUser(app(), 4, QStringLiteral("Ann"), QStringLiteral("annpw"),
                {{UserKeys::TimeBasedOn, QStringLiteral("Unlimited")}});
        app().write(Sections::Config, ConfigKeys::LogEnable, 1);
        loggedIn = 0;
        ended = 0;
        api = std::make_unique<ParentPageApi>(app(), ParentPageSession{[this] { return loggedIn; },
                                                                       [this] {
                                                                           ++ended;
                                                                           loggedIn = 0;
                                                                       }});
        server = std::make_unique<TlsWebServer>();
        QString why;
        QVERIFY2(server->start(
                     0, tp->dataFile(QStringLiteral("page.crt")), tp->dataFile(QStringLiteral("page.key")),
                     QStringLiteral("127.0.0.1"), [this](const WebRequest& r) { return api->handle(r); }, &why),
                 qPrintable(why));
    }
    void cleanup() {
        server.reset();
        api.reset();
        tp.reset();
    }

    void login_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("logLine"); // the wrong try's line, without "from …"
        const QString none;
        const QString wrong = QStringLiteral("Wrong parent's password for \"%1\"");
        QTest::addRow("parent") << QByteArray("{\"name\":\"Mum\",\"password\":\"mumpw\"}") << 200 << none;
        QTest::addRow("name in other case") << QByteArray("{\"name\":\"mum\",\"password\":\"mumpw\"}") << 200 << none;
        QTest::addRow("wrong password") << QByteArray("{\"name\":\"Mum\",\"password\":\"MUMPW\"}") << 401
                                        << wrong.arg("Mum");
        QTest::addRow("not a parent") << QByteArray("{\"name\":\"Bob\",\"password\":\"bobpw\"}") << 401
                                      << wrong.arg("Bob");
        QTest::addRow("nobody") << QByteArray("{\"name\":\"Eve\",\"password\":\"x\"}") << 401 << wrong.arg("Eve");
        QTest::addRow("spent list password")
            << QByteArray("{\"name\":\"Dad\",\"password\":\"one\"}") << 401 << wrong.arg("Dad");
        QTest::addRow("list password") << QByteArray("{\"name\":\"Dad\",\"password\":\"two\"}") << 200 << none;
        // A typed name cannot add a line of its own to the log, nor a long one.
        QTest::addRow("name with a line break")
            << QByteArray("{\"name\":\"Mum\\nMum gave Bob 600 minutes\",\"password\":\"x\"}") << 401
            << wrong.arg("Mum?Mum gave Bob 600 minutes");
        QTest::addRow("long name") << "{\"name\":\"" + QByteArray(5000, 'x') + "\",\"password\":\"x\"}" << 401
                                   << wrong.arg(QString(kLoggedNameLength, QLatin1Char('x')) + "...");
        QTest::addRow("empty password") << QByteArray("{\"name\":\"Mum\",\"password\":\"\"}") << 400 << none;
        QTest::addRow("password a number") << QByteArray("{\"name\":\"Mum\",\"password\":5}") << 400 << none;
        QTest::addRow("not JSON") << QByteArray("name=Mum&password=mumpw") << 400 << none;
        QTest::addRow("JSON array") << QByteArray("[\"Mum\",\"mumpw\"]") << 400 << none;
    }
    void login() {
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(QString, logLine);
        app().write(Sections::User(3), UserKeys::ListPasswordUsed(1), 1);
        const Reply r = serve([&] { return askOnce(port(), "POST", "/api/login", body); });
        QCOMPARE(r.status, status);
        QCOMPARE(r.header("content-type"), QByteArray("application/json"));
        const QJsonObject o = QJsonDocument::fromJson(r.body).object();
        if (status == 200) {
            QVERIFY(o.value(QStringLiteral("token")).toString().size() >= 32);
            QVERIFY(!r.header("set-cookie").isEmpty());
        } else {
            QVERIFY(r.header("set-cookie").isEmpty());
            QVERIFY(!o.value(QStringLiteral("error")).toString().isEmpty());
            QVERIFY(!o.value(QStringLiteral("error")).toString().contains(QLatin1Char('\n')));
        }
        // Only a guess counts: a right login or a malformed request leaves the count alone.
        const bool guess = !logLine.isEmpty();
        QCOMPARE(app().read(Sections::Config, ConfigKeys::ParentWrongTries).isAbsent(), !guess);
        if (guess) {
            const QString line = logLine + QStringLiteral(" from the parent's page (127.0.0.1) (1 in a row).");
            QVERIFY2(log().contains(line), qPrintable(log().join(QLatin1Char('\n'))));
        }
        for (const QString& l : log())
            QVERIFY2(!l.startsWith(QStringLiteral("Mum gave")), qPrintable(l));
    }

    // A list password is spent by the page's login when the parent's passwords are spent after
    // use, as the login window spends it; otherwise it stays good.
    void listPassword_data() {
        QTest::addColumn<QString>("disablePW");
        QTest::addColumn<int>("again");
        QTest::addRow("spent after use") << "1" << 401;
        QTest::addRow("kept") << "0" << 200;
    }
    void listPassword() {
        QFETCH(QString, disablePW);
        QFETCH(int, again);
        app().write(Sections::User(3), UserKeys::DisablePW, disablePW);
        const auto tryLogin = [&](const QByteArray& password) {
            return serve([&] {
                       return askOnce(port(), "POST", "/api/login",
                                      "{\"name\":\"Dad\",\"password\":\"" + password + "\"}");
                   })
                .status;
        };
        QCOMPARE(tryLogin("one"), 200);
        QCOMPARE(app().read(Sections::User(3), UserKeys::ListPasswordUsed(1)).is(1), again == 401);
        QCOMPARE(tryLogin("one"), again);
        QCOMPARE(tryLogin("two"), 200);
    }

    // Wrong tries are counted in the store, shared with "Ask a parent" at the login window; each
    // fifth in a row starts a rest, twice as long as the one before. A restart gives no new tries.
    void wrongTriesRest_data() {
        QTest::addColumn<int>("tries");
        QTest::addColumn<int>("rest");
        QTest::addRow("four") << 4 << 0;
        QTest::addRow("five") << 5 << kAskParentRestSeconds;
        QTest::addRow("ten") << 10 << 2 * kAskParentRestSeconds;
        QTest::addRow("fifteen") << 15 << 4 * kAskParentRestSeconds;
    }
    void wrongTriesRest() {
        QFETCH(int, tries);
        QFETCH(int, rest);
        const auto tryLogin = [&](const QByteArray& password) {
            return serve([&] {
                return askOnce(port(), "POST", "/api/login", "{\"name\":\"Mum\",\"password\":\"" + password + "\"}");
            });
        };
        for (int i = 1; i <= tries; ++i) {
            QCOMPARE(tryLogin("guess").status, 401);
            if (i % kAskParentTries == 0 && i < tries) tp->clock.advance(ParentPasswordRestSeconds(app()) + 1);
        }
        QCOMPARE(app().read(Sections::Config, ConfigKeys::ParentWrongTries).toLongLong(0), tries);
        QCOMPARE(ParentPasswordRestSeconds(app()), rest);
        if (rest == 0) {
            QCOMPARE(tryLogin("mumpw").status, 200);
            QVERIFY(app().read(Sections::Config, ConfigKeys::ParentWrongTries).isAbsent());
            return;
        }
        QVERIFY(log().last().endsWith(QStringLiteral("; no more tries for %1 seconds.").arg(rest)));
        // Resting: even the right password waits, and so does the login window's "Ask a parent".
        Reply r = tryLogin("mumpw");
        QCOMPARE(r.status, 429);
        QCOMPARE(r.header("retry-after").toInt(), rest);
        QVERIFY(CheckParentPassword(app(), QStringLiteral("Mum"), QStringLiteral("mumpw"),
                                    QStringLiteral("the login window"))
                    .resting);
        // A restart forgets what the program held in memory; the store keeps the rest.
        app().askParentRestUntil = {};
        app().askParentWrongTries = 0;
        api = std::make_unique<ParentPageApi>(app(), ParentPageSession{});
        tp->clock.advance(rest - 2);
        r = tryLogin("mumpw");
        QCOMPARE(r.status, 429);
        QCOMPARE(r.header("retry-after").toInt(), 2);
        tp->clock.advance(3);
        QCOMPARE(tryLogin("mumpw").status, 200);
        QVERIFY(app().read(Sections::Config, ConfigKeys::ParentWrongTries).isAbsent());
    }

    // A rest started at the login window holds on the page too.
    void restFromLoginWindow() {
        for (int i = 0; i < kAskParentTries; ++i)
            CheckParentPassword(app(), QStringLiteral("Mum"), QStringLiteral("guess"),
                                QStringLiteral("the login window"));
        const Reply r =
            serve([&] { return askOnce(port(), "POST", "/api/login", "{\"name\":\"Mum\",\"password\":\"mumpw\"}"); });
        QCOMPARE(r.status, 429);
        QCOMPARE(r.header("retry-after").toInt(), kAskParentRestSeconds);
    }

    void cookieFlags() {
        const Reply r =
            serve([&] { return askOnce(port(), "POST", "/api/login", "{\"name\":\"Mum\",\"password\":\"mumpw\"}"); });
        const QList<QByteArray> parts = r.header("set-cookie").split(';');
        const QByteArray value = parts.value(0).trimmed().mid(ParentPageApi::kCookieName.size() + 1);
        QVERIFY(parts.value(0).startsWith(ParentPageApi::kCookieName + '='));
        QVERIFY2(value.size() * 4 >= 128, value.constData()); // hex digits
        QList<QByteArray> flags;
        for (const QByteArray& p : parts.mid(1))
            flags << p.trimmed();
        QVERIFY(flags.contains("HttpOnly"));
        QVERIFY(flags.contains("Secure"));
        QVERIFY(flags.contains("SameSite=Strict"));
        // Every login is a new secret.
        QVERIFY(logIn().cookie != parts.value(0).trimmed());
    }

    void changes_data() {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("token");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("bobAfter");
        QTest::addColumn<QString>("logLine");
        const QString none;
        const QByteArray give = "/api/users/Bob/minutes";
        QTest::addRow("no token") << give << QByteArray("{\"minutes\":15}") << false << 403 << "1:00:00" << none;
        QTest::addRow("+15") << give << QByteArray("{\"minutes\":15}") << true << 200 << "1:15:00"
                             << "Mum gave Bob 15 minutes from the parent's page (127.0.0.1)";
        QTest::addRow("-15") << give << QByteArray("{\"minutes\":-15}") << true << 200 << "0:45:00"
                             << "Mum took 15 minutes from Bob from the parent's page (127.0.0.1)";
        QTest::addRow("600") << give << QByteArray("{\"minutes\":600}") << true << 200 << "11:00:00"
                             << "Mum gave Bob 600 minutes from the parent's page (127.0.0.1)";
        QTest::addRow("-600 stops at 0") << give << QByteArray("{\"minutes\":-600}") << true << 200 << "0:00:00"
                                         << "Mum took 600 minutes from Bob from the parent's page (127.0.0.1)";
        QTest::addRow("601") << give << QByteArray("{\"minutes\":601}") << true << 400 << "1:00:00" << none;
        QTest::addRow("-601") << give << QByteArray("{\"minutes\":-601}") << true << 400 << "1:00:00" << none;
        QTest::addRow("0") << give << QByteArray("{\"minutes\":0}") << true << 400 << "1:00:00" << none;
        QTest::addRow("1.5") << give << QByteArray("{\"minutes\":1.5}") << true << 400 << "1:00:00" << none;
        QTest::addRow("text") << give << QByteArray("{\"minutes\":\"15\"}") << true << 400 << "1:00:00" << none;
        QTest::addRow("huge") << give << QByteArray("{\"minutes\":1e300}") << true << 400 << "1:00:00" << none;
        QTest::addRow("bad JSON") << give << QByteArray("{\"minutes\":") << true << 400 << "1:00:00" << none;
        QTest::addRow("unknown user") << QByteArray("/api/users/Eve/minutes") << QByteArray("{\"minutes\":5}") << true
                                      << 404 << "1:00:00" << none;
        QTest::addRow("unlimited user") << QByteArray("/api/users/Ann/minutes") << QByteArray("{\"minutes\":5}") << true
                                        << 409 << "1:00:00" << none;
        QTest::addRow("name encoded") << QByteArray("/api/users/%42ob/minutes") << QByteArray("{\"minutes\":5}") << true
                                      << 200 << "1:05:00"
                                      << "Mum gave Bob 5 minutes from the parent's page (127.0.0.1)";
        QTest::addRow("renew") << QByteArray("/api/users/bob/renew") << QByteArray() << true << 200 << "2:0:0"
                               << "Mum renewed the time of Bob from the parent's page (127.0.0.1)";
        QTest::addRow("renew without token")
            << QByteArray("/api/users/Bob/renew") << QByteArray() << false << 403 << "1:00:00" << none;
        QTest::addRow("renew unknown") << QByteArray("/api/users/Eve/renew") << QByteArray() << true << 404 << "1:00:00"
                                       << none;
        QTest::addRow("GET on a change") << give << QByteArray() << true << 405 << "1:00:00" << none;
    }
    void changes() {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, body);
        QFETCH(bool, token);
        QFETCH(int, status);
        QFETCH(QString, bobAfter);
        QFETCH(QString, logLine);
        app().write(Sections::User(2), UserKeys::FreeHours, "1");
        const Session s = logIn();
        const QByteArray method = QByteArray(QTest::currentDataTag()) == "GET on a change" ? "GET" : "POST";
        const Reply r = ask(s, method, path, body.isNull() && method == "POST" ? QByteArray("") : body, token);
        QCOMPARE(r.status, status);
        const QString left = ReadFreeTime(app(), Sections::User(2)).total() == 0 ? QStringLiteral("0:00:00") : [&] {
            const FreeTime t = ReadFreeTime(app(), Sections::User(2));
            return QStringLiteral("%1:%2:%3")
                .arg(t.hours)
                .arg(t.minutes, 2, 10, QLatin1Char('0'))
                .arg(t.seconds, 2, 10, QLatin1Char('0'));
        }();
        if (QByteArray(QTest::currentDataTag()) == "renew")
            QCOMPARE(freeTime(2), bobAfter);
        else
            QCOMPARE(left, bobAfter);
        if (!logLine.isEmpty()) QVERIFY2(logged(logLine), qPrintable(log().join(QLatin1Char('\n'))));
        const QString error = QJsonDocument::fromJson(r.body).object().value(QStringLiteral("error")).toString();
        if (status >= 400) QVERIFY(!error.isEmpty() && !error.contains(QLatin1Char('\n')));
    }

    void withoutLogin_data() {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("cookie");
        QTest::addRow("status") << QByteArray("GET") << QByteArray("/api/status") << QByteArray();
        QTest::addRow("made-up cookie") << QByteArray("GET") << QByteArray("/api/status")
                                        << QByteArray("tw_session=00112233445566778899aabbccddeeff");
        QTest::addRow("log") << QByteArray("GET") << QByteArray("/api/log") << QByteArray();
        QTest::addRow("minutes") << QByteArray("POST") << QByteArray("/api/users/Bob/minutes") << QByteArray();
        QTest::addRow("end") << QByteArray("POST") << QByteArray("/api/session/end") << QByteArray();
    }
    void withoutLogin() {
        QFETCH(QByteArray, method);
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, cookie);
        Headers h;
        if (!cookie.isEmpty()) h.append({"Cookie", cookie});
        const Reply r = serve([&] {
            return askOnce(port(), method, path, method == "POST" ? QByteArray("{\"minutes\":5}") : QByteArray(), h);
        });
        QCOMPARE(r.status, 401);
        QCOMPARE(freeTime(2), QStringLiteral("1:00:00"));
    }

    void loginForgottenWhenIdleAndAtLogout() {
        Session s = logIn();
        QCOMPARE(ask(s, "GET", "/api/status").status, 200);
        tp->clock.advance(29 * 60);
        QCOMPARE(ask(s, "GET", "/api/status").status, 200); // used: the idle time starts again
        tp->clock.advance(31 * 60);
        QCOMPARE(ask(s, "GET", "/api/status").status, 401);
        s = logIn();
        QCOMPARE(ask(s, "POST", "/api/logout", "").status, 200);
        QCOMPARE(ask(s, "GET", "/api/status").status, 401);
    }

    void status() {
        loggedIn = 2;
        const Session s = logIn();
        const Reply r = ask(s, "GET", "/api/status");
        QCOMPARE(r.status, 200);
        const QJsonObject o = QJsonDocument::fromJson(r.body).object();
        QCOMPARE(o.value(QStringLiteral("session")).toObject().value(QStringLiteral("user")).toString(),
                 QStringLiteral("Bob"));
        const QJsonArray users = o.value(QStringLiteral("users")).toArray();
        QCOMPARE(users.size(), 4);
        const QJsonObject bob = users.at(1).toObject();
        QCOMPARE(bob.value(QStringLiteral("name")).toString(), QStringLiteral("Bob"));
        QCOMPARE(bob.value(QStringLiteral("parent")).toBool(), false);
        QCOMPARE(bob.value(QStringLiteral("basedOn")).toString(), QStringLiteral("Daily"));
        QCOMPARE(bob.value(QStringLiteral("allowed")).toString(), QStringLiteral("2:00:00"));
        QCOMPARE(bob.value(QStringLiteral("left")).toString(), QStringLiteral("1:00:00"));
        QCOMPARE(bob.value(QStringLiteral("leftSeconds")).toInt(), 3600);
        QCOMPARE(bob.value(QStringLiteral("loggedIn")).toBool(), true);
        const QJsonObject ann = users.at(3).toObject();
        QCOMPARE(ann.value(QStringLiteral("left")).toString(), QStringLiteral("N/A"));
        QVERIFY(ann.value(QStringLiteral("leftSeconds")).isNull());
        QCOMPARE(users.at(0).toObject().value(QStringLiteral("parent")).toBool(), true);
        QVERIFY(o.value(QStringLiteral("requests")).isArray());
    }

    void endSession() {
        const Session s = logIn();
        QCOMPARE(ask(s, "POST", "/api/session/end", "").status, 409); // nobody is logged in
        loggedIn = 2;
        QCOMPARE(ask(s, "POST", "/api/session/end", "", false).status, 403);
        QCOMPARE(ended, 0);
        QCOMPARE(ask(s, "POST", "/api/session/end", "").status, 200);
        QCOMPARE(ended, 1);
        QVERIFY(logged(QStringLiteral("Mum ended the session of Bob from the parent's page (127.0.0.1)")));
    }

    void answerRequest_data() {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("state");
        QTest::addColumn<long long>("bobLeft");
        const long long hour = 3600;
        QTest::addRow("approve 30") << QByteArray("/api/requests/1")
                                    << QByteArray("{\"answer\":\"approve\",\"minutes\":30}") << 200 << "Approved"
                                    << hour + 1800;
        QTest::addRow("deny") << QByteArray("/api/requests/1") << QByteArray("{\"answer\":\"deny\"}") << 200 << "Denied"
                              << hour;
        QTest::addRow("approve 0") << QByteArray("/api/requests/1")
                                   << QByteArray("{\"answer\":\"approve\",\"minutes\":0}") << 400 << "Open" << hour;
        QTest::addRow("approve 601") << QByteArray("/api/requests/1")
                                     << QByteArray("{\"answer\":\"approve\",\"minutes\":601}") << 400 << "Open" << hour;
        QTest::addRow("no answer") << QByteArray("/api/requests/1") << QByteArray("{\"answer\":\"maybe\"}") << 400
                                   << "Open" << hour;
        QTest::addRow("unknown request") << QByteArray("/api/requests/7") << QByteArray("{\"answer\":\"deny\"}") << 404
                                         << "Open" << hour;
        QTest::addRow("not a number") << QByteArray("/api/requests/..%2f1") << QByteArray("{\"answer\":\"deny\"}")
                                      << 404 << "Open" << hour;
    }
    void answerRequest() {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(QString, state);
        QFETCH(long long, bobLeft);
        const QString r = Sections::Request(1);
        app().write(r, RequestKeys::User, QStringLiteral("Bob"));
        app().write(r, RequestKeys::Minutes, 15);
        app().write(r, RequestKeys::Reason, QStringLiteral("homework"));
        app().write(r, RequestKeys::Asked, QStringLiteral("3/4/2026 3:00:00 PM"));
        app().write(r, RequestKeys::State, RequestStates::Open);
        const Session s = logIn();
        const QJsonArray open = QJsonDocument::fromJson(ask(s, "GET", "/api/status").body)
                                    .object()
                                    .value(QStringLiteral("requests"))
                                    .toArray();
        QCOMPARE(open.size(), 1);
        QCOMPARE(open.at(0).toObject().value(QStringLiteral("user")).toString(), QStringLiteral("Bob"));
        QCOMPARE(ask(s, "POST", path, body, false).status, 403);
        QCOMPARE(ask(s, "POST", path, body).status, status);
        QCOMPARE(app().read(r, RequestKeys::State).text(), state);
        QCOMPARE(ReadFreeTime(app(), Sections::User(2)).total(), bobLeft);
        if (status == 200) QVERIFY(logged(QStringLiteral("from the parent's page (127.0.0.1)")));
    }

    void usageAndLog() {
        AddUsageSeconds(app(), QStringLiteral("Bob"), 1800);
        const Session s = logIn();
        Reply r = ask(s, "GET", "/api/usage/Bob?days=14");
        QCOMPARE(r.status, 200);
        const QJsonArray days = QJsonDocument::fromJson(r.body).object().value(QStringLiteral("days")).toArray();
        QCOMPARE(days.size(), 14);
        QCOMPARE(days.last().toObject().value(QStringLiteral("date")).toString(), QStringLiteral("2026-03-04"));
        QCOMPARE(days.last().toObject().value(QStringLiteral("seconds")).toInt(), 1800);
        QCOMPARE(ask(s, "GET", "/api/usage/Bob?days=0").status, 400);
        QCOMPARE(ask(s, "GET", "/api/usage/Bob?days=abc").status, 400);
        QCOMPARE(ask(s, "GET", "/api/usage/Eve").status, 404);
        r = ask(s, "GET", "/api/log?lines=100");
        QCOMPARE(r.status, 200);
        const QJsonArray lines = QJsonDocument::fromJson(r.body).object().value(QStringLiteral("lines")).toArray();
        QVERIFY(!lines.isEmpty());
        QVERIFY(lines.last().toString().endsWith(QStringLiteral("Mum logged in from the parent's page (127.0.0.1)")));
        QCOMPARE(ask(s, "GET", "/api/log?lines=100000").status, 400);
    }

    void pagesAndPaths_data() {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<int>("status");
        QTest::addRow("page") << QByteArray("/") << 200;
        QTest::addRow("script") << QByteArray("/app.js") << 200;
        QTest::addRow("style") << QByteArray("/style.css") << 200;
        for (const char* p :
             {"/../registry.db", "/%2e%2e/registry.db", "/%2E%2E/registry.db", "/..%2fregistry.db", "/registry.db",
              "//registry.db", "/./registry.db", "/api/../registry.db", "/api/%2e%2e/%2e%2e/registry.db",
              "/app.js/../registry.db", "/web/index.html", "/index.html%00.db", "/api/usage/..%2f..%2fregistry.db"})
            QTest::addRow("%s", p) << QByteArray(p) << 404;
    }
    void pagesAndPaths() {
        QFETCH(QByteArray, path);
        QFETCH(int, status);
        QFile db(tp->dataFile(QStringLiteral("registry.db")));
        QVERIFY(db.exists());
        const Session s = logIn();
        const Reply r = ask(s, "GET", path);
        // A path outside the API is 404 or, with a login, still nothing but the built-in files.
        if (status == 404)
            QVERIFY2(r.status == 404, QByteArray::number(r.status).constData());
        else
            QCOMPARE(r.status, status);
        QVERIFY(!r.body.contains("SQLite format"));
        QCOMPARE(r.header("content-security-policy"), QByteArray("default-src 'self'"));
        QCOMPARE(r.header("x-frame-options"), QByteArray("DENY"));
        QCOMPARE(r.header("cache-control"), QByteArray("no-store"));
    }

    void certificateOwnerOnly() {
        for (const char* f : {"page.crt", "page.key"}) {
            struct stat st {};
            QCOMPARE(::stat(QFile::encodeName(tp->dataFile(QLatin1String(f))).constData(), &st), 0);
            QCOMPARE(int(st.st_mode & 0777), 0600);
        }
        const QString fp = server->fingerprint(tp->dataFile(QStringLiteral("page.crt")));
        QCOMPARE(fp.size(), 32 * 3 - 1);
        QVERIFY(QRegularExpression(QStringLiteral("^([0-9A-F]{2}:){31}[0-9A-F]{2}$")).match(fp).hasMatch());
        // The same certificate is used at the next start; it is not made again.
        server->stop();
        QString why;
        QVERIFY(server->start(
            0, tp->dataFile(QStringLiteral("page.crt")), tp->dataFile(QStringLiteral("page.key")),
            QStringLiteral("127.0.0.1"), [](const WebRequest&) { return WebResponse{}; }, &why));
        QCOMPARE(server->fingerprint(tp->dataFile(QStringLiteral("page.crt"))), fp);
        const auto qr = server->qrCode("https://192.168.1.2:47613/");
        QVERIFY(qr.size() >= 21 && qr.size() == qr.front().size());
    }

    void tlsOnly() {
        const auto protocol = serve([&] {
            auto s = connectTls(port());
            return s ? int(s->sessionProtocol()) : -1;
        });
        QVERIFY(protocol == int(QSsl::TlsV1_2) || protocol == int(QSsl::TlsV1_3));
        // Plain HTTP on the same port is sent to HTTPS.
        const Reply plain = serve([&] {
            QTcpSocket s;
            s.connectToHost(QStringLiteral("127.0.0.1"), port());
            if (!s.waitForConnected(5000)) return Reply{};
            s.write("GET /api/status HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port()) + "\r\n\r\n");
            return readReply(s);
        });
        QCOMPARE(plain.status, 301);
        QCOMPARE(plain.header("location"), "https://127.0.0.1:" + QByteArray::number(port()) + "/");
        const Reply badHost = serve([&] {
            QTcpSocket s;
            s.connectToHost(QStringLiteral("127.0.0.1"), port());
            if (!s.waitForConnected(5000)) return Reply{};
            s.write("GET / HTTP/1.1\r\nHost: evil.example/\r\nx\r\n\r\n");
            return readReply(s);
        });
        QCOMPARE(badHost.status, 400);
    }

    void malformed_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("status");
        const QByteArray longHeader = "GET / HTTP/1.1\r\nHost: a\r\nX-Long: " + QByteArray(17000, 'a') + "\r\n\r\n";
        QTest::addRow("header over 16 KB") << longHeader << 431;
        QTest::addRow("header over 16 KB, never ended") << QByteArray(17000, 'a') << 431;
        QTest::addRow("many small headers") << "GET / HTTP/1.1\r\n" + QByteArray("A: b\r\n").repeated(3000) + "\r\n"
                                            << 431;
        QTest::addRow("body over 16 KB") << QByteArray("POST /api/login HTTP/1.1\r\nContent-Length: 16385\r\n\r\n")
                                         << 413;
        QTest::addRow("body length not a number")
            << QByteArray("POST /api/login HTTP/1.1\r\nContent-Length: 1x\r\n\r\n") << 400;
        QTest::addRow("negative body length")
            << QByteArray("POST /api/login HTTP/1.1\r\nContent-Length: -5\r\n\r\n") << 400;
        QTest::addRow("two lengths") << QByteArray("POST /api/login HTTP/1.1\r\nContent-Length: 2\r\nContent-Length: "
                                                   "3\r\n\r\n{}")
                                     << 400;
        QTest::addRow("chunked") << QByteArray(
                                        "POST /api/login HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n")
                                 << 501;
        QTest::addRow("no version") << QByteArray("GET /\r\n\r\n") << 400;
        QTest::addRow("HTTP/2 text") << QByteArray("GET / HTTP/2.0\r\n\r\n") << 505;
        QTest::addRow("no slash") << QByteArray("GET registry.db HTTP/1.1\r\n\r\n") << 400;
        QTest::addRow("folded header") << QByteArray("GET / HTTP/1.1\r\nA: b\r\n c\r\n\r\n") << 400;
        QTest::addRow("control character") << QByteArray("GET /\x01 HTTP/1.1\r\n\r\n") << 400;
        QTest::addRow("header without name") << QByteArray("GET / HTTP/1.1\r\n: b\r\n\r\n") << 400;
    }
    void malformed() {
        QFETCH(QByteArray, request);
        QFETCH(int, status);
        const auto [reply, closed] = serve([&] {
            auto s = connectTls(port());
            if (!s) return std::pair{Reply{}, false};
            s->write(request);
            const Reply r = readReply(*s);
            const bool gone = s->state() == QAbstractSocket::UnconnectedState || s->waitForDisconnected(5000);
            return std::pair{r, gone};
        });
        QCOMPARE(reply.status, status);
        QVERIFY(closed); // a broken request ends its connection
        QTRY_COMPARE(server->connectionCount(), 0);
    }

    void keepAliveAndIdleClose() {
        WebLimits limits;
        limits.idleMs = 300;
        server->setLimits(limits);
        const Session s = logIn();
        const auto [first, second, closedAfterIdle] = serve([&] {
            auto c = connectTls(port());
            if (!c) return std::tuple{0, 0, false};
            const Headers h{{"Cookie", s.cookie}};
            c->write(requestBytes("GET", "/api/status", {}, h));
            const int a = readReply(*c).status;
            c->write(requestBytes("GET", "/api/status", {}, h)); // the same connection
            const int b = readReply(*c).status;
            // Then silence: the server closes it.
            QElapsedTimer t;
            t.start();
            const bool closed = c->waitForDisconnected(5000) && t.elapsed() >= 200;
            return std::tuple{a, b, closed};
        });
        QCOMPARE(first, 200);
        QCOMPARE(second, 200);
        QVERIFY(closedAfterIdle);
        // A client that connects and never speaks is closed too, before any handshake.
        const bool silentClosed = serve([&] {
            QTcpSocket c;
            c.connectToHost(QStringLiteral("127.0.0.1"), port());
            return c.waitForConnected(5000) && c.waitForDisconnected(5000);
        });
        QVERIFY(silentClosed);
        QTRY_COMPARE(server->connectionCount(), 0);
    }

    void connectionLimit() {
        WebLimits limits;
        limits.maxConnections = 32;
        server->setLimits(limits);
        const auto [opened, thirtyThird, afterOneClosed] = serve([&] {
            std::vector<std::unique_ptr<QSslSocket>> open;
            for (int i = 0; i < 32; ++i) {
                auto c = connectTls(port());
                if (!c) break;
                open.push_back(std::move(c));
            }
            const int count = int(open.size());
            const bool extra = connectTls(port()) != nullptr;
            open.back()->disconnectFromHost();
            open.back()->waitForDisconnected(2000);
            open.pop_back();
            // The server notices the close on its own time.
            bool again = false;
            for (int i = 0; i < 50 && !again; ++i) {
                again = connectTls(port()) != nullptr;
                if (!again) QThread::msleep(50);
            }
            return std::tuple{count, extra, again};
        });
        QCOMPARE(opened, 32);
        QVERIFY(!thirtyThird);
        QVERIFY(afterOneClosed);
        QTRY_COMPARE(server->connectionCount(), 0);
    }

    void turningOffClosesAtOnce() {
        const quint16 was = port();
        std::atomic<int> phase = 0; // 1: connected, 2: the server stopped
        std::atomic<bool> closed = false, refused = false;
        std::thread client([&] {
            auto c = connectTls(was);
            phase = c ? 1 : -1;
            while (phase == 1)
                QThread::msleep(5);
            if (!c) return;
            closed = c->state() == QAbstractSocket::UnconnectedState || c->waitForDisconnected(3000);
            QTcpSocket t;
            t.connectToHost(QStringLiteral("127.0.0.1"), was);
            refused = !t.waitForConnected(2000);
        });
        QTRY_VERIFY_WITH_TIMEOUT(phase != 0 && server->connectionCount() == 1, 10000);
        server->stop();
        QVERIFY(!server->listening());
        QCOMPARE(server->connectionCount(), 0);
        phase = 2;
        client.join();
        QVERIFY(closed);
        QVERIFY(refused);
    }
};

TW_TEST(tst_ParentPageApi)
#include "tst_ParentPageApi.moc"
