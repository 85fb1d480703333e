#include "SessionFixture.h"
#include "TestRegistry.h"
#include "timekeeping/Requests.h"
#include "users/UserTable.h"

#include <QTest>
#include <memory>

// A child's request for more time: what is stored and logged, the one-open-request rule and
// the rest between requests, a parent's answer and what it does to the free time, the answer
// shown to the child, the close at the session's end, and a store that refuses the write.
class tst_Requests : public QObject {
    Q_OBJECT
private slots:
    void askStoresAndLogs();
    void askRefused_data();
    void askRefused();
    void oneOpenRequestAndRest();
    void restHoldsAcrossRestartAndClockMoves();
    void reasonMadeOneBoundedLine_data();
    void reasonMadeOneBoundedLine();
    void approveAddsToFreeTime_data();
    void approveAddsToFreeTime();
    void deny();
    void answerRefused_data();
    void answerRefused();
    void childToldOnceWithoutStoppingTheClock_data();
    void childToldOnceWithoutStoppingTheClock();
    void closedAtSessionEnd();
    void refusedStoreWriteIsReported();
    void requestWrittenElsewhereIsRead();
    void oldAnsweredRequestsArePruned();
};

namespace {
// A child "anna" (user 1, daily, 0:10:00 left) logged in, a parent "Dad" (user 2), logging on.
struct RequestFixture : SessionFixture {
    QStringList log;
    RequestFixture() {
        setType(PeriodTypes::Daily);
        setTime(QStringLiteral("00"), QStringLiteral("10"), QStringLiteral("00"));
        addUser(QStringLiteral("Dad"), 2);
        app.write(Sections::User(2), UserKeys::ParentRights, 1);
        config(ConfigKeys::LogEnable, QStringLiteral("1"));
        config(ConfigKeys::LogTS, QStringLiteral("1"));
        QObject::connect(&app.model, &SessionModel::logLine, &app.model, [this](const QString& line) { log << line; });
        RecountUsers(app);
    }
    QString value(int id, const QString& key) { return app.read(Sections::Request(id), key).text(); }
    int requestCount() {
        return static_cast<int>(
            app.store.registry()
                .subKeys(RegRoot::LocalMachine, SettingsStore::SectionPath(kAppName, Sections::Requests))
                .size());
    }
};
} // namespace

void tst_Requests::askStoresAndLogs() {
    RequestFixture f;
    const AskResult r = AskForMoreTime(f.app, 15, QStringLiteral("Finishing my homework"));
    QVERIFY(r.ok());
    QCOMPARE(r.id, 1);
    QCOMPARE(f.value(1, RequestKeys::User), QStringLiteral("anna"));
    QCOMPARE(f.value(1, RequestKeys::Minutes), QStringLiteral("15"));
    QCOMPARE(f.value(1, RequestKeys::Reason), QStringLiteral("Finishing my homework"));
    QCOMPARE(f.value(1, RequestKeys::Asked), QStringLiteral("3/4/2026 3:10:45 PM"));
    QCOMPARE(f.value(1, RequestKeys::State), QStringLiteral("Open"));
    QCOMPARE(f.value(1, RequestKeys::Answer), QStringLiteral("0"));
    QCOMPARE(f.log, QStringList{QStringLiteral("User anna asked for 15 more minutes: \"Finishing my homework\".")});
    const QList<MoreTimeRequest> open = OpenRequests(f.app);
    QCOMPARE(open.size(), 1);
    QCOMPARE(open.first().user, QStringLiteral("anna"));
    QCOMPARE(open.first().minutes, 15);
    // Without a reason the log line ends after the minutes.
    f.tp.clock.advance(kRequestRestSeconds);
    QVERIFY(AnswerRequest(f.app, 1, false, 0, QStringLiteral("Dad"), {}).ok());
    QVERIFY(AskForMoreTime(f.app, 5, QStringLiteral("   ")).ok());
    QCOMPARE(f.log.last(), QStringLiteral("User anna asked for 5 more minutes."));
    QCOMPARE(f.value(2, RequestKeys::Reason), QString());
}

void tst_Requests::askRefused_data() {
    QTest::addColumn<QString>("who"); // "anna", "Dad", "nobody"
    QTest::addColumn<QString>("basedOn");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("outcome");
    QTest::newRow("a parent") << "Dad"
                              << "Daily" << 15 << int(AskResult::Parent);
    QTest::newRow("unlimited time") << "anna"
                                    << "Unlimited" << 15 << int(AskResult::Unlimited);
    QTest::newRow("nobody logged in") << "nobody"
                                      << "Daily" << 15 << int(AskResult::NotLoggedIn);
    for (int m : {0, -5, 10, 60, 100000})
        QTest::addRow("%d minutes", m) << "anna"
                                       << "Daily" << m << int(AskResult::BadMinutes);
}

void tst_Requests::askRefused() {
    QFETCH(QString, who);
    QFETCH(QString, basedOn);
    QFETCH(int, minutes);
    QFETCH(int, outcome);
    RequestFixture f;
    f.setType(basedOn);
    if (who == QLatin1String("nobody")) {
        f.app.CurrentUserNumber = 0;
        f.config(ConfigKeys::CurrUser, QString());
    } else if (who == QLatin1String("Dad")) {
        f.app.CurrentUserNumber = 2;
        f.config(ConfigKeys::CurrUser, who);
    }
    const AskResult r = AskForMoreTime(f.app, minutes, QStringLiteral("please"));
    QCOMPARE(int(r.outcome), outcome);
    QVERIFY(!AskResultMessage(r).isEmpty());
    QCOMPARE(f.requestCount(), 0);
    QVERIFY(f.log.isEmpty());
}

void tst_Requests::oneOpenRequestAndRest() {
    RequestFixture f;
    QVERIFY(AskForMoreTime(f.app, 15, {}).ok());
    // Long after: still one open request.
    f.tp.clock.advance(3600);
    AskResult r = AskForMoreTime(f.app, 5, {});
    QCOMPARE(r.outcome, AskResult::AlreadyOpen);
    QCOMPARE(AskResultMessage(r),
             QStringLiteral("You have already asked for more time. Please wait for a parent's answer."));
    QVERIFY(AnswerRequest(f.app, 1, false, 0, QStringLiteral("Dad"), {}).ok());
    QVERIFY(AskForMoreTime(f.app, 5, {}).ok());
    QVERIFY(AnswerRequest(f.app, 2, false, 0, QStringLiteral("Dad"), {}).ok());
    // Answered at once: the next one waits out the rest all the same.
    f.tp.clock.advance(120);
    r = AskForMoreTime(f.app, 5, {});
    QCOMPARE(r.outcome, AskResult::TooSoon);
    QCOMPARE(r.waitSeconds, kRequestRestSeconds - 120);
    QCOMPARE(AskResultMessage(r), QStringLiteral("You have just asked. You can ask again in 3 minutes."));
    f.tp.clock.advance(kRequestRestSeconds - 120 - 1);
    QCOMPARE(AskForMoreTime(f.app, 5, {}).outcome, AskResult::TooSoon);
    f.tp.clock.advance(1);
    QVERIFY(AskForMoreTime(f.app, 5, {}).ok());
    QCOMPARE(f.requestCount(), 3);
}

void tst_Requests::restHoldsAcrossRestartAndClockMoves() {
    RequestFixture f;
    QVERIFY(AskForMoreTime(f.app, 15, {}).ok());
    QVERIFY(AnswerRequest(f.app, 1, false, 0, QStringLiteral("Dad"), {}).ok());
    // The wall clock set forward an hour does not end the rest of this copy...
    f.tp.clock.set(f.tp.clock.now().addSecs(3600));
    QCOMPARE(AskForMoreTime(f.app, 5, {}).outcome, AskResult::TooSoon);
    // ...and a copy started afresh on the same store reads the rest from the stored time.
    f.tp.clock.set(f.tp.clock.now().addSecs(-3600 + 60));
    App restarted(f.tp.platform, *f.tp.registry);
    restarted.CurrentUserNumber = 1;
    QCOMPARE(AskForMoreTime(restarted, 5, {}).outcome, AskResult::TooSoon);
    f.tp.clock.advance(kRequestRestSeconds);
    QVERIFY(AskForMoreTime(restarted, 5, {}).ok());
}

void tst_Requests::reasonMadeOneBoundedLine_data() {
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("stored");
    const QString longText = QString(150, QLatin1Char('a'));
    QTest::newRow("plain") << "I need to finish"
                           << "I need to finish";
    QTest::newRow("line breaks") << "first\r\nsecond\nthird"
                                 << "first second third";
    QTest::newRow("tabs and control characters") << QString("a\tb") + QChar(7) + "c" + QChar(0x1b) + "[31m"
                                                 << "a b c [31m";
    QTest::newRow("direction override") << QString("abc") + QChar(0x202E) + "def"
                                        << "abc def";
    QTest::newRow("blanks around") << "   so   many    blanks  "
                                   << "so many blanks";
    QTest::newRow("too long") << longText << QString(kMaxReasonLength, QLatin1Char('a'));
    // A character outside the basic plane that would be cut in half is left out whole.
    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("cut before a split character")
        << QString(kMaxReasonLength - 1, QLatin1Char('b')) + face << QString(kMaxReasonLength - 1, QLatin1Char('b'));
    QTest::newRow("whole character kept") << QString("ok ") + face << QString("ok ") + face;
    QTest::newRow("lone surrogate") << QString("x") + QChar(0xD800) + "y"
                                    << "xy";
    QTest::newRow("markup is only text") << "<script>alert(1)</script> & \"quotes\""
                                         << "<script>alert(1)</script> & \"quotes\"";
}

void tst_Requests::reasonMadeOneBoundedLine() {
    QFETCH(QString, reason);
    QFETCH(QString, stored);
    RequestFixture f;
    QVERIFY(AskForMoreTime(f.app, 5, reason).ok());
    QCOMPARE(f.value(1, RequestKeys::Reason), stored);
    QVERIFY(f.log.last().contains(stored));
}

void tst_Requests::approveAddsToFreeTime_data() {
    QTest::addColumn<QString>("basedOn");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("after");
    QTest::newRow("15 to 0:10:00") << "Daily" << QStringList{"00", "10", "00"} << 15 << "00:25:00";
    QTest::newRow("carried into the hours") << "Daily" << QStringList{"00", "50", "30"} << 15 << "01:05:30";
    QTest::newRow("60 minutes stored as typed") << "Weekly" << QStringList{"0", "60", "0"} << 5 << "01:05:00";
    QTest::newRow("spent time") << "Daily" << QStringList{"00", "00", "00"} << 60 << "01:00:00";
    QTest::newRow("the most a parent gives")
        << "Daily" << QStringList{"00", "00", "00"} << kMaxAnswerMinutes << "10:00:00";
    QTest::newRow("unlimited time stays as it is") << "Unlimited" << QStringList{"00", "10", "00"} << 15 << "00:10:00";
}

void tst_Requests::approveAddsToFreeTime() {
    QFETCH(QString, basedOn);
    QFETCH(QStringList, before);
    QFETCH(int, minutes);
    QFETCH(QString, after);
    RequestFixture f;
    QVERIFY(AskForMoreTime(f.app, 15, {}).ok());
    f.setType(basedOn);
    f.setTime(before.at(0), before.at(1), before.at(2));
    const AnswerResult r =
        AnswerRequest(f.app, 1, true, minutes, QStringLiteral("Dad"), QStringLiteral("from the main window"));
    QVERIFY(r.ok());
    QCOMPARE(r.minutes, minutes);
    QCOMPARE(f.time(), after);
    QCOMPARE(f.value(1, RequestKeys::State), QStringLiteral("Approved"));
    QCOMPARE(f.value(1, RequestKeys::Answer), QString::number(minutes));
    QCOMPARE(f.value(1, RequestKeys::By), QStringLiteral("Dad"));
    QCOMPARE(
        f.log.last(),
        QStringLiteral("Dad gave anna %1 minutes for the request of 15 minutes from the main window.").arg(minutes));
    QVERIFY(OpenRequests(f.app).isEmpty());
}

void tst_Requests::deny() {
    RequestFixture f;
    QVERIFY(AskForMoreTime(f.app, 30, {}).ok());
    const AnswerResult r =
        AnswerRequest(f.app, 1, false, 0, QStringLiteral("Dad"), QStringLiteral("from the parent's page (10.0.0.7)"));
    QVERIFY(r.ok());
    QCOMPARE(f.time(), QStringLiteral("00:10:00"));
    QCOMPARE(f.value(1, RequestKeys::State), QStringLiteral("Denied"));
    QCOMPARE(f.value(1, RequestKeys::Answer), QStringLiteral("0"));
    QCOMPARE(f.log.last(),
             QStringLiteral("Dad said no to the request of anna for 30 minutes from the parent's page (10.0.0.7)."));
}

void tst_Requests::answerRefused_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("approve");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("change"); // what happens to the store first
    QTest::addColumn<int>("outcome");
    QTest::newRow("no such request") << 7 << true << 15 << "" << int(AnswerResult::NoSuchRequest);
    QTest::newRow("answered already") << 1 << true << 15 << "answered" << int(AnswerResult::NotOpen);
    QTest::newRow("closed at the session's end") << 1 << false << 0 << "closed" << int(AnswerResult::NotOpen);
    QTest::newRow("no minutes") << 1 << true << 0 << "" << int(AnswerResult::BadMinutes);
    QTest::newRow("too many minutes") << 1 << true << kMaxAnswerMinutes + 1 << "" << int(AnswerResult::BadMinutes);
    QTest::newRow("taken away") << 1 << true << -15 << "" << int(AnswerResult::BadMinutes);
    QTest::newRow("user deleted") << 1 << true << 15 << "renamed" << int(AnswerResult::NoSuchUser);
}

void tst_Requests::answerRefused() {
    QFETCH(int, id);
    QFETCH(bool, approve);
    QFETCH(int, minutes);
    QFETCH(QString, change);
    QFETCH(int, outcome);
    RequestFixture f;
    QVERIFY(AskForMoreTime(f.app, 15, {}).ok());
    if (change == QLatin1String("answered")) QVERIFY(AnswerRequest(f.app, 1, false, 0, QStringLiteral("Mum"), {}).ok());
    if (change == QLatin1String("closed")) QVERIFY(CloseOpenRequests(f.app, kSessionEndedNote));
    if (change == QLatin1String("renamed")) f.set(UserKeys::Name, QStringLiteral("anne"));
    const QString state = f.value(1, RequestKeys::State);
    const qsizetype lines = f.log.size();
    const AnswerResult r = AnswerRequest(f.app, id, approve, minutes, QStringLiteral("Dad"), {});
    QCOMPARE(int(r.outcome), outcome);
    QVERIFY(!AnswerResultMessage(r).isEmpty());
    QCOMPARE(f.time(), QStringLiteral("00:10:00"));
    QCOMPARE(f.value(1, RequestKeys::State), state);
    QCOMPARE(f.log.size(), lines);
}

void tst_Requests::childToldOnceWithoutStoppingTheClock_data() {
    QTest::addColumn<QString>("answer"); // "approve", "deny", "closed"
    QTest::addColumn<QString>("told");
    QTest::addColumn<QString>("timeAfterTick");
    QTest::newRow("approved") << "approve"
                              << "Dad gave you 15 minutes."
                              << "00:24:59";
    QTest::newRow("denied") << "deny"
                            << "Dad said no."
                            << "00:09:59";
    QTest::newRow("closed by TimeWard") << "closed"
                                        << ""
                                        << "00:09:59";
}

void tst_Requests::childToldOnceWithoutStoppingTheClock() {
    QFETCH(QString, answer);
    QFETCH(QString, told);
    QFETCH(QString, timeAfterTick);
    RequestFixture f;
    QVERIFY(AskForMoreTime(f.app, 15, {}).ok());
    ShowRequestAnswer(f.app); // still open: nothing to tell
    QVERIFY(f.tp.messageBox.shown.isEmpty());
    if (answer == QLatin1String("closed"))
        QVERIFY(CloseOpenRequests(f.app, kSessionEndedNote, QStringLiteral("ANNA")));
    else
        QVERIFY(AnswerRequest(f.app, 1, answer == QLatin1String("approve"), 15, QStringLiteral("Dad"), {}).ok());
    ShowRequestAnswer(f.app);
    ShowRequestAnswer(f.app);
    if (told.isEmpty()) {
        QVERIFY(f.tp.messageBox.shown.isEmpty());
    } else {
        // Opened without waiting, once; the clock counts on while it is up.
        QCOMPARE(f.tp.messageBox.openTexts(), QStringList{told});
        QCOMPARE(f.tp.messageBox.shown.size(), 1);
    }
    f.tick();
    QCOMPARE(f.time(), timeAfterTick);
}

void tst_Requests::closedAtSessionEnd() {
    RequestFixture f;
    QVERIFY(AskForMoreTime(f.app, 15, QStringLiteral("please")).ok());
    // Another user's open request (written by another copy) is not this session's.
    f.app.write(Sections::Request(2), RequestKeys::User, QStringLiteral("bob"));
    f.app.write(Sections::Request(2), RequestKeys::State, RequestStates::Open);
    QVERIFY(CloseOpenRequests(f.app, kSessionEndedNote, QStringLiteral("anna")));
    QCOMPARE(f.value(1, RequestKeys::State), QStringLiteral("Denied"));
    QCOMPARE(f.value(1, RequestKeys::Note), QStringLiteral("session ended"));
    QCOMPARE(f.value(1, RequestKeys::Answer), QStringLiteral("0"));
    QCOMPARE(f.log.last(), QStringLiteral("The request of anna for 15 minutes was closed: session ended."));
    QCOMPARE(OpenRequests(f.app).size(), 1);
    QCOMPARE(OpenRequests(f.app).first().user, QStringLiteral("bob"));
    // A start closes whatever a copy that ended without its session's end left open.
    QVERIFY(CloseOpenRequests(f.app, kSessionEndedNote));
    QVERIFY(OpenRequests(f.app).isEmpty());
}

void tst_Requests::refusedStoreWriteIsReported() {
    RequestFixture f;
    QVERIFY(AskForMoreTime(f.app, 15, {}).ok());
    const qsizetype lines = f.log.size();
    f.tp.clock.advance(kRequestRestSeconds);
    // Another process holds the store's write lock.
    auto holder = std::make_unique<SqliteRegistry>(f.tp.dataFile(QStringLiteral("registry.db")));
    holder->beginBatch();
    {
        SqliteRegistry::ShortWait wait(f.app.store.registry(), 50);
        const AnswerResult a = AnswerRequest(f.app, 1, true, 30, QStringLiteral("Dad"), {});
        QCOMPARE(a.outcome, AnswerResult::NotSaved);
        QVERIFY(AnswerResultMessage(a).startsWith(QStringLiteral("The answer could not be saved")));
        QCOMPARE(f.log.size(), lines); // no "gave" line for minutes that were not given
        // Closing at the session's end says so in the log; the request stays open for the next start.
        QVERIFY(!CloseOpenRequests(f.app, kSessionEndedNote));
        QVERIFY(f.log.last().startsWith(QStringLiteral("The open requests for more time could not be closed")));
    }
    holder->endBatch();
    holder.reset();
    QCOMPARE(f.time(), QStringLiteral("00:10:00"));
    QCOMPARE(f.value(1, RequestKeys::State), QStringLiteral("Open"));

    QVERIFY(AnswerRequest(f.app, 1, false, 0, QStringLiteral("Dad"), {}).ok());
    f.tp.clock.advance(kRequestRestSeconds);
    holder = std::make_unique<SqliteRegistry>(f.tp.dataFile(QStringLiteral("registry.db")));
    holder->beginBatch();
    {
        SqliteRegistry::ShortWait wait(f.app.store.registry(), 50);
        const AskResult r = AskForMoreTime(f.app, 15, {});
        QCOMPARE(r.outcome, AskResult::NotSaved);
        QVERIFY(AskResultMessage(r).startsWith(QStringLiteral("Your request could not be saved")));
    }
    holder->endBatch();
    holder.reset();
    QCOMPARE(f.requestCount(), 1);
    QVERIFY(!f.log.last().contains(QStringLiteral("asked for")));
    // Nothing was asked, so the rest does not hold the next try.
    QVERIFY(AskForMoreTime(f.app, 15, {}).ok());
}

void tst_Requests::requestWrittenElsewhereIsRead() {
    RequestFixture f;
    QVERIFY(OpenRequests(f.app).isEmpty());
    {
        // Another process (twreg, another copy) writes a request, some of it odd.
        SqliteRegistry other(f.tp.dataFile(QStringLiteral("registry.db")));
        const QString path = SettingsStore::SectionPath(kAppName, Sections::Request(9));
        auto put = [&](const QString& name, const QString& v) {
            QVERIFY(other.setValue(RegRoot::LocalMachine, path, {name, REG_SZ, v}));
        };
        put(RequestKeys::User, QStringLiteral("anna"));
        put(RequestKeys::Minutes, QStringLiteral("99999"));
        put(RequestKeys::Reason, QStringLiteral("two\nlines"));
        put(RequestKeys::State, QStringLiteral("open"));
        // A key that is no request number is not one.
        QVERIFY(other.setValue(RegRoot::LocalMachine,
                               SettingsStore::SectionPath(kAppName, Sections::Requests) + QStringLiteral("\\x1"),
                               {RequestKeys::State, REG_SZ, RequestStates::Open}));
    }
    const QList<MoreTimeRequest> open = OpenRequests(f.app);
    QCOMPARE(open.size(), 1);
    QCOMPARE(open.first().id, 9);
    QCOMPARE(open.first().minutes, kMaxAnswerMinutes);
    QCOMPARE(open.first().reason, QStringLiteral("two lines"));
    // The child's own rule sees it too, and the next request is numbered after it.
    QCOMPARE(AskForMoreTime(f.app, 5, {}).outcome, AskResult::AlreadyOpen);
    QVERIFY(AnswerRequest(f.app, 9, true, 5, QStringLiteral("Dad"), {}).ok());
    QCOMPARE(f.time(), QStringLiteral("00:15:00"));
    f.tp.clock.advance(kRequestRestSeconds);
    QCOMPARE(AskForMoreTime(f.app, 5, {}).id, 10);
}

void tst_Requests::oldAnsweredRequestsArePruned() {
    RequestFixture f;
    {
        SettingsStore::Batch batch(f.app.store);
        for (int id = 1; id <= kKeptRequests + 20; ++id) {
            f.app.write(Sections::Request(id), RequestKeys::User, QStringLiteral("bob"));
            f.app.write(Sections::Request(id), RequestKeys::State,
                        id == 3 ? RequestStates::Open : RequestStates::Denied);
        }
    }
    QVERIFY(AskForMoreTime(f.app, 5, {}).ok());
    QCOMPARE(f.requestCount(), kKeptRequests);
    // The open one stays, whatever its age; the newest answered ones stay.
    QVERIFY(ReadRequest(f.app, 3));
    QVERIFY(!ReadRequest(f.app, 1));
    QVERIFY(ReadRequest(f.app, kKeptRequests + 20));
    QCOMPARE(ReadRequest(f.app, kKeptRequests + 21)->user, QStringLiteral("anna"));
}

TW_TEST(tst_Requests)
#include "tst_Requests.moc"
