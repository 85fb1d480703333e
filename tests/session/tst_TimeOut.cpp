#include "SessionFixture.h"
#include "TestRegistry.h"
#include "login/LoginValidation.h"
#include "platform/Sound.h"
#include "platform/SystemExit.h"
#include "timekeeping/SessionClock.h"
#include "timekeeping/TimeOut.h"
#include "users/PasswordScramble.h"

#include <QScopeGuard>
#include <QTest>

// What happens when the time is spent: the extra-time offer in its forms, the actions in
// their order, the end actions and the removal of a one-time user.
class tst_TimeOut : public QObject {
    Q_OBJECT
private slots:
    void extraTime_data();
    void extraTime();
    void secondTimeOutEndsTheSession();
    void actionsRunInOrder();
    void endAction_data();
    void endAction();
    void missingFilesAreSkipped();
    void soundWithoutAudioOutputIsLogged();
    void oneTimeUser_data();
    void oneTimeUser();
    void listPasswordSpent_data();
    void listPasswordSpent();
    void questionUnderTheClock_data();
    void questionUnderTheClock();
    void messageComesAfterTheLoginWindow();
    void logoutClosesTheTimeOutsBox();
};

void tst_TimeOut::extraTime_data() {
    QTest::addColumn<QString>("genMode");
    QTest::addColumn<QString>("dwm");
    QTest::addColumn<QString>("atEnd"); // "-" = missing
    QTest::addColumn<int>("answer");    // MsgAnswer
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("granted");
    QTest::addColumn<QString>("subtr"); // "SubtrTime" afterwards ("5" was there before)

    const int yes = int(MsgAnswer::Yes), no = int(MsgAnswer::No);
    const QString penalty = ExtraTimeQuestion(QStringLiteral("10"), true);
    const QString free = ExtraTimeQuestion(QStringLiteral("10"), false);
    QTest::newRow("penalty text, Yes") << "1"
                                       << "1"
                                       << "1" << yes << penalty << true << "10";
    QTest::newRow("penalty text, No") << "1"
                                      << "1"
                                      << "1" << no << penalty << false << "5";
    QTest::newRow("no-penalty text, Yes") << "1"
                                          << "1"
                                          << "0" << yes << free << true << "5";
    QTest::newRow("no-penalty text, No") << "1"
                                         << "1"
                                         << "0" << no << free << false << "5";
    QTest::newRow("silent grant") << "1"
                                  << "0"
                                  << "0" << yes << QString() << true << "10";
    QTest::newRow("silent grant, subtraction not set") << "1"
                                                       << "0"
                                                       << "-" << yes << QString() << true << "10";
    QTest::newRow("asking without a subtraction setting: no offer") << "1"
                                                                    << "1"
                                                                    << "-" << yes << QString() << false << "5";
    QTest::newRow("not generous") << "0"
                                  << "0"
                                  << "1" << yes << QString() << false << "5";
}

void tst_TimeOut::extraTime() {
    QFETCH(QString, genMode);
    QFETCH(QString, dwm);
    QFETCH(QString, atEnd);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(bool, granted);
    QFETCH(QString, subtr);

    SessionFixture f;
    f.config(ConfigKeys::GenMode, genMode);
    f.config(ConfigKeys::GenDWM, dwm);
    if (atEnd != QLatin1String("-")) f.config(ConfigKeys::GenSubAmmtAtEnd, atEnd);
    f.config(ConfigKeys::GetAmmount, QStringLiteral("10"));
    f.setTime(QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("00"));
    f.set(UserKeys::SubtrTime, QStringLiteral("5"));

    HandleTimeOut(f.app);
    f.tp.messageBox.answerOpen(MsgAnswer(answer));

    QCOMPARE(f.tp.messageBox.texts(), question.isEmpty() ? QStringList{} : QStringList{question});
    if (!question.isEmpty()) {
        QCOMPARE(f.tp.messageBox.shown.first().buttons, MsgButtons::YesNo);
        QCOMPARE(f.hooks.mid(0, 2), (QStringList{QStringLiteral("hold:on"), QStringLiteral("hold:off")}));
    }
    QCOMPARE(f.app.read(f.user(), UserKeys::ExtraTimeGranted).isAbsent(), !granted);
    QCOMPARE(f.time(), granted ? QStringLiteral("00:10:00") : QStringLiteral("00:00:00"));
    QCOMPARE(f.app.read(f.user(), UserKeys::SubtrTime).text(), subtr);
    // A grant keeps the clock running; anything else stops it.
    QCOMPARE(f.hooks.contains(QStringLiteral("timer:off")), !granted);
}

void tst_TimeOut::secondTimeOutEndsTheSession() {
    // The extra time is given once a period, however often the user logs in again before it
    // runs out; its penalty is taken once, at the next period, which may give it again.
    SessionFixture f;
    f.setType(PeriodTypes::Daily);
    f.set(UserKeys::Password, StoredPasswordForm(QStringLiteral("pw")));
    f.set(UserKeys::AmmountMinutes, QStringLiteral("1"));
    f.set(UserKeys::TakeAction, QStringLiteral("1"));
    f.set(UserKeys::TakeActionDo, EndActions::DisplayTimeWardLogin);
    f.config(ConfigKeys::GenMode, QStringLiteral("1"));
    f.config(ConfigKeys::GenDWM, QStringLiteral("0"));
    f.config(ConfigKeys::GetAmmount, QStringLiteral("1"));
    f.setTime(QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("01"));
    const auto login = [&] { return ValidateLogin(f.app, QStringLiteral("anna"), QStringLiteral("pw")).accepted; };
    QVERIFY(login());
    f.tick();
    QCOMPARE(f.time(), QStringLiteral("00:1:00"));
    QVERIFY(!f.hooks.contains(QStringLiteral("login")));
    int used = 1;
    for (int cycle = 0; cycle < 3; ++cycle) {
        // The child ends the session with extra time left and comes back.
        f.tick();
        ++used;
        QVERIFY(login());
        for (int i = 0; i < 200 && !f.hooks.contains(QStringLiteral("login")); ++i, ++used)
            f.tick();
        QCOMPARE(f.time(), QStringLiteral("00:00:00"));
        QVERIFY(f.hooks.contains(QStringLiteral("login")));
        f.hooks.clear();
        QCOMPARE(ValidateLogin(f.app, QStringLiteral("anna"), QStringLiteral("pw")).message, LoginMessages::NoTimeLeft());
        f.setTime(QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("30")); // a parent gives a little
    }
    // The one second, the one extra minute and the parent's 30 seconds twice.
    QCOMPARE(used, 1 + 60 + 2 * 30);
    QCOMPARE(f.app.read(f.user(), UserKeys::SubtrTime).text(), QStringLiteral("1"));

    // The next day: the allowance less the one penalty, and the extra time once again.
    f.tp.clock.advance(24 * 3600);
    QCOMPARE(ValidateLogin(f.app, QStringLiteral("anna"), QStringLiteral("pw")).message, LoginMessages::NoTimeLeft());
    QCOMPARE(ReadFreeTime(f.app, f.user()).total(), 0);
    QVERIFY(f.app.read(f.user(), UserKeys::SubtrTime).text().isEmpty());
    f.setTime(QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("01"));
    QVERIFY(login());
    f.tick();
    QCOMPARE(f.time(), QStringLiteral("00:1:00"));
}

void tst_TimeOut::actionsRunInOrder() {
    // Sound first (it plays on), then the program and the end action, at the time-out itself;
    // the message comes last, so that leaving it unanswered keeps nothing open.
    SessionFixture f;
    const QString wav = f.makeFile(QStringLiteral("bell.wav"));
    const QString prog = f.makeFile(QStringLiteral("goodbye"));
    f.set(UserKeys::PlaySound, QStringLiteral("1"));
    f.set(UserKeys::PlaySoundSoundLocation, wav);
    f.set(UserKeys::DisplayMessage, QStringLiteral("1"));
    f.set(UserKeys::DisplayMessageText, QStringLiteral("Time is up, anna."));
    f.set(UserKeys::LaunchProgram, QStringLiteral("1"));
    f.set(UserKeys::LaunchProgramProg, prog);
    f.set(UserKeys::TakeAction, QStringLiteral("1"));
    f.set(UserKeys::TakeActionDo, QStringLiteral("ShutDown Windows"));
    QStringList atBox;
    f.tp.messageBox.onShow = [&](const TestMessageBox::Shown&) {
        atBox << QString::number(f.tp.sound.played.size()) << QString::number(f.tp.processStart.started.size())
              << QString::number(f.tp.systemExit.calls.size()) << f.hooks.last();
    };

    HandleTimeOut(f.app);

    QCOMPARE(atBox, (QStringList{"1", "1", "1", "timer:off"}));
    QCOMPARE(f.tp.messageBox.openTexts(), QStringList{QStringLiteral("Time is up, anna.")});
    QCOMPARE(f.tp.messageBox.shown.first().title, QStringLiteral("TimeWard"));
    QCOMPARE(f.tp.sound.played, QStringList{wav});
    QCOMPARE(f.tp.processStart.started, QStringList{prog});
    QCOMPARE(f.tp.systemExit.calls, QList<unsigned>{SystemExit::Shutdown});
    QCOMPARE(f.hooks, QStringList{"timer:off"});
    QVERIFY(f.tp.messageBox.answerOpen());
    QCOMPARE(f.tp.systemExit.calls, QList<unsigned>{SystemExit::Shutdown});
}

void tst_TimeOut::endAction_data() {
    QTest::addColumn<QString>("takeAction");
    QTest::addColumn<QString>("action"); // "-" = missing
    QTest::addColumn<QList<unsigned>>("exits");
    QTest::addColumn<bool>("login");
    QTest::addColumn<bool>("wayland"); // where the login window cannot hold the input
    QTest::newRow("shut down") << "1"
                               << "ShutDown Windows" << QList<unsigned>{1} << false << false;
    QTest::newRow("restart windows") << "1"
                                     << "Restart Windows" << QList<unsigned>{0x42} << false << false;
    QTest::newRow("restart computer in other letter case")
        << "1"
        << "rESTART cOMPUTER" << QList<unsigned>{2} << false << false;
    QTest::newRow("back to the login window") << "1"
                                              << "Display Time Ward Login" << QList<unsigned>{} << true << false;
    QTest::newRow("back to the login window on Wayland: the session ends too")
        << "1"
        << "Display Time Ward Login" << QList<unsigned>{0x42} << true << true;
    QTest::newRow("unknown action") << "1"
                                    << "Reboot" << QList<unsigned>{} << false << false;
    QTest::newRow("no action text") << "1"
                                    << "-" << QList<unsigned>{} << false << false;
    QTest::newRow("action switched off") << "0"
                                         << "Restart Computer" << QList<unsigned>{} << false << false;
}

void tst_TimeOut::endAction() {
    QFETCH(QString, takeAction);
    QFETCH(QString, action);
    QFETCH(QList<unsigned>, exits);
    QFETCH(bool, login);
    QFETCH(bool, wayland);
    const QByteArray before = qgetenv("XDG_SESSION_TYPE");
    qputenv("XDG_SESSION_TYPE", wayland ? "wayland" : "x11");
    const auto restore = qScopeGuard([&] { qputenv("XDG_SESSION_TYPE", before); });
    SessionFixture f;
    f.set(UserKeys::TakeAction, takeAction);
    if (action != QLatin1String("-")) f.set(UserKeys::TakeActionDo, action);
    HandleTimeOut(f.app);
    QCOMPARE(f.tp.systemExit.calls, exits);
    QCOMPARE(f.hooks.contains(QStringLiteral("login")), login);
    QVERIFY(f.tp.messageBox.shown.isEmpty());
}

void tst_TimeOut::missingFilesAreSkipped() {
    SessionFixture f;
    f.set(UserKeys::PlaySound, QStringLiteral("1"));
    f.set(UserKeys::PlaySoundSoundLocation, f.tp.dataFile(QStringLiteral("nosuch.wav")));
    f.set(UserKeys::LaunchProgram, QStringLiteral("1"));
    f.set(UserKeys::LaunchProgramProg, f.tp.dataFile(QStringLiteral("nosuch")));
    f.set(UserKeys::DisplayMessage, QStringLiteral("1")); // no text: an empty box
    HandleTimeOut(f.app);
    QVERIFY(f.tp.sound.played.isEmpty());
    QVERIFY(f.tp.processStart.started.isEmpty());
    QCOMPARE(f.tp.messageBox.texts(), QStringList{QString()});
}

void tst_TimeOut::soundWithoutAudioOutputIsLogged() {
    SessionFixture f;
    QStringList lines;
    QObject::connect(&f.app.model, &SessionModel::logLine, &f.app.model, [&](const QString& line) { lines << line; });
    f.app.write(Sections::Config, ConfigKeys::LogEnable, QStringLiteral("1"));
    f.app.write(Sections::Config, ConfigKeys::LogTS, QStringLiteral("1"));
    const QString wav = f.makeFile(QStringLiteral("bell.wav"));
    f.set(UserKeys::PlaySound, QStringLiteral("1"));
    f.set(UserKeys::PlaySoundSoundLocation, wav);
    struct NoAudioOutput final : Sound {
        bool play(const QString&) override { return false; }
    } noOutput;
    f.app.platform.sound = &noOutput;
    HandleTimeOut(f.app);
    // Quietly: one line in the activity log and no box.
    QCOMPARE(lines, QStringList{SoundNotPlayedText(f.app.paths().native(wav))});
    QVERIFY(f.tp.messageBox.shown.isEmpty());
}

void tst_TimeOut::oneTimeUser_data() {
    QTest::addColumn<QString>("remove");
    QTest::addColumn<QString>("takeAction");
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<QStringList>("hooks");
    const QStringList stop = {"timer:off"};
    QTest::newRow("no end action: removed at once") << "1"
                                                    << "0"
                                                    << "" << true << (stop + QStringList{"refill"});
    QTest::newRow("back to the login window")
        << "1"
        << "1"
        << "Display Time Ward Login" << true << (stop + QStringList{"refill", "login"});
    QTest::newRow("with a system end action") << "1"
                                              << "1"
                                              << "Restart Computer" << true << (stop + QStringList{"refill"});
    QTest::newRow("unknown end action: kept") << "1"
                                              << "1"
                                              << "Nonsense" << false << stop;
    QTest::newRow("not to be removed") << "0"
                                       << "0"
                                       << "" << false << stop;
}

void tst_TimeOut::oneTimeUser() {
    QFETCH(QString, remove);
    QFETCH(QString, takeAction);
    QFETCH(QString, action);
    QFETCH(bool, deleted);
    QFETCH(QStringList, hooks);
    SessionFixture f(QStringLiteral("Otto"), 2);
    f.addUser(QStringLiteral("Ann"), 1);
    f.addUser(QStringLiteral("Cy"), 3);
    f.set(UserKeys::TimeBasedOn, QStringLiteral("One Time"));
    f.set(UserKeys::OneTimeRemove, remove);
    f.set(UserKeys::TakeAction, takeAction);
    f.set(UserKeys::TakeActionDo, action);

    HandleTimeOut(f.app);

    QCOMPARE(f.app.read(Sections::User(2), UserKeys::Name).text(),
             deleted ? QStringLiteral("Cy") : QStringLiteral("Otto"));
    QCOMPARE(f.app.read(Sections::User(3), UserKeys::Name).isAbsent(), deleted);
    QCOMPARE(f.hooks, hooks);
}

void tst_TimeOut::listPasswordSpent_data() {
    QTest::addColumn<QString>("optMult");
    QTest::addColumn<QString>("disablePW"); // "-" = missing
    QTest::addColumn<bool>("spent");
    QTest::newRow("list mode, spending not set") << "True"
                                                 << "-" << true;
    QTest::newRow("list mode in other case, spending on") << "tRUE"
                                                          << "1" << true;
    QTest::newRow("list mode, spending off") << "True"
                                             << "0" << false;
    QTest::newRow("1 is not list mode") << "1"
                                        << "1" << false;
    QTest::newRow("single password") << "False"
                                     << "1" << false;
}

void tst_TimeOut::listPasswordSpent() {
    QFETCH(QString, optMult);
    QFETCH(QString, disablePW);
    QFETCH(bool, spent);
    SessionFixture f;
    f.set(UserKeys::OptMult, optMult);
    if (disablePW != QLatin1String("-")) f.set(UserKeys::DisablePW, disablePW);
    f.app.LoginPasswordIndex = 3;
    HandleTimeOut(f.app);
    QCOMPARE(f.app.read(f.user(), UserKeys::ListPasswordUsed(3)).text(), spent ? QStringLiteral("1") : QString());
}

namespace {
// A user who goes back to the login window at the time-out, one second from it.
void oneSecondLeft(SessionFixture& f) {
    f.setType(PeriodTypes::Daily);
    f.set(UserKeys::TakeAction, QStringLiteral("1"));
    f.set(UserKeys::TakeActionDo, QStringLiteral("Display Time Ward Login"));
    f.setTime(QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("01"));
}
} // namespace

void tst_TimeOut::questionUnderTheClock_data() {
    QTest::addColumn<int>("ticks");    // ticks of the session clock while the question is up
    QTest::addColumn<int>("answer");   // 0: nobody answers
    QTest::addColumn<QString>("time"); // afterwards
    QTest::addColumn<bool>("ended");
    const int yes = int(MsgAnswer::Yes), no = int(MsgAnswer::No);
    QTest::newRow("Yes at once: the whole extra time") << 0 << yes << "00:10:00" << false;
    QTest::newRow("Yes after 40 s: those seconds are spent") << 40 << yes << "00:09:20" << false;
    QTest::newRow("No after 5 s") << 5 << no << "00:00:00" << true;
    QTest::newRow("no answer: the offer lapses after a minute") << kTimeOutBoxSeconds << 0 << "00:00:00" << true;
}

void tst_TimeOut::questionUnderTheClock() {
    // The question never holds the session: its seconds count, and unanswered it lapses.
    QFETCH(int, ticks);
    QFETCH(int, answer);
    QFETCH(QString, time);
    QFETCH(bool, ended);
    SessionFixture f;
    f.config(ConfigKeys::GenMode, QStringLiteral("1"));
    f.config(ConfigKeys::GenDWM, QStringLiteral("1"));
    f.config(ConfigKeys::GenSubAmmtAtEnd, QStringLiteral("1"));
    f.config(ConfigKeys::GetAmmount, QStringLiteral("10"));
    oneSecondLeft(f);

    f.tick();
    QCOMPARE(f.tp.messageBox.openTexts(), QStringList{ExtraTimeQuestion(QStringLiteral("10"), true)});
    for (int i = 0; i < ticks; ++i)
        f.tick();
    if (answer) QVERIFY(f.tp.messageBox.answerOpen(MsgAnswer(answer)));

    QVERIFY(f.tp.messageBox.openBoxes.isEmpty());
    QCOMPARE(f.time(), time);
    QCOMPARE(f.hooks.contains(QStringLiteral("login")), ended);
    QCOMPARE(f.app.read(f.user(), UserKeys::ExtraTimeGranted).isAbsent(), ended);
    QCOMPARE(f.hooks.mid(0, 2), (QStringList{QStringLiteral("hold:on"), QStringLiteral("hold:off")}));
    if (!ended) {
        // The extra time counts down like any other.
        f.tick();
        QCOMPARE(f.time(), time == QLatin1String("00:10:00") ? QStringLiteral("00:09:59") : QStringLiteral("00:09:19"));
    }
}

void tst_TimeOut::messageComesAfterTheLoginWindow() {
    // Back to the login window at the time-out itself, the message over it: a child who leaves
    // the message unanswered gains no second.
    SessionFixture f;
    oneSecondLeft(f);
    f.set(UserKeys::DisplayMessage, QStringLiteral("1"));
    f.set(UserKeys::DisplayMessageText, QStringLiteral("Time is up."));
    QStringList atBox;
    f.tp.messageBox.onShow = [&](const TestMessageBox::Shown&) { atBox = f.hooks; };

    f.tick();
    QVERIFY2(atBox.contains("timer:off") && atBox.contains("login"), qPrintable(atBox.join(' ')));
    QCOMPARE(f.tp.messageBox.openTexts(), QStringList{QStringLiteral("Time is up.")});
    QCOMPARE(f.time(), QStringLiteral("00:00:00"));
    QCOMPARE(f.app.model.session.timeOutBox, 0); // nothing of the time-out waits for the message
    QVERIFY(f.tp.messageBox.answerOpen());
    QCOMPARE(f.hooks, atBox);
}

void tst_TimeOut::logoutClosesTheTimeOutsBox() {
    // A session ended while its time-out's question waits (a logout from another copy) takes
    // the box with it: the time-out goes no further.
    SessionFixture f;
    oneSecondLeft(f);
    f.config(ConfigKeys::GenMode, QStringLiteral("1"));
    f.config(ConfigKeys::GenDWM, QStringLiteral("1"));
    f.config(ConfigKeys::GenSubAmmtAtEnd, QStringLiteral("0"));
    f.config(ConfigKeys::GetAmmount, QStringLiteral("10"));
    f.tick();
    QCOMPARE(f.tp.messageBox.openBoxes.size(), 1);
    f.app.model.closeSessionBoxes();
    QVERIFY(f.tp.messageBox.openBoxes.isEmpty());
    QCOMPARE(f.app.model.session.timeOutBox, 0);
    QVERIFY(!f.hooks.contains(QStringLiteral("login")));
    QCOMPARE(f.hooks, (QStringList{QStringLiteral("hold:on"), QStringLiteral("hold:off")}));
}

TW_TEST(tst_TimeOut)
#include "tst_TimeOut.moc"
