#include "TestPlatform.h"
#include "TestRegistry.h"
#include "core/ErrorPrompt.h"

#include <QTest>

// Steps under the common error prompt: Retry repeats, Ignore goes on, Abort ends at once.
class tst_ErrorPrompt : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void promptTexts();
    void mailAuthorYesOpensTheReport();
};

void tst_ErrorPrompt::answers_data() {
    QTest::addColumn<QList<MsgAnswer>>("answers");
    QTest::addColumn<QString>("ran");
    QTest::addColumn<bool>("completed");
    QTest::addColumn<bool>("exited");
    QTest::addColumn<int>("boxes");
    using A = MsgAnswer;
    // Step "b" fails on its first run only.
    QTest::newRow("retry runs the step again") << QList<A>{A::Retry} << "a b b c" << true << false << 1;
    QTest::newRow("ignore goes on") << QList<A>{A::Ignore, A::No} << "a b c" << true << false << 2;
    QTest::newRow("abort ends at once") << QList<A>{A::Abort, A::No} << "a b" << false << true << 2;
}

void tst_ErrorPrompt::answers() {
    QFETCH(QList<MsgAnswer>, answers);
    TestPlatform tp;
    for (MsgAnswer a : answers)
        tp.messageBox.answers.enqueue(a);
    QStringList ran;
    bool failedOnce = false;
    const bool completed = RunSteps(*tp.app, QStringLiteral("Test"),
                                    {[&] { ran << QStringLiteral("a"); },
                                     [&] {
                                         ran << QStringLiteral("b");
                                         if (!failedOnce) {
                                             failedOnce = true;
                                             throw RuntimeError(53, QStringLiteral("File not found"));
                                         }
                                     },
                                     [&] { ran << QStringLiteral("c"); }});
    QTEST(ran.join(QLatin1Char(' ')), "ran");
    QTEST(completed, "completed");
    QTEST(tp.process.exited(), "exited");
    QTEST(int(tp.messageBox.shown.size()), "boxes");
}

void tst_ErrorPrompt::promptTexts() {
    TestPlatform tp;
    tp.messageBox.answers << MsgAnswer::Ignore << MsgAnswer::No;
    RunStep(*tp.app, QStringLiteral("Test"), [] { throw RuntimeError(13, QStringLiteral("Type mismatch")); });
    QCOMPARE(tp.messageBox.shown.size(), 2);
    const auto& prompt = tp.messageBox.shown.at(0);
    QCOMPARE(prompt.text, QStringLiteral("An error occurred!\n\tError 13: Type mismatch\nYou may either Abort (exit), "
                                         "Retry or Ignore"));
    QCOMPARE(prompt.title, QStringLiteral("Error!"));
    QCOMPARE(prompt.buttons, MsgButtons::AbortRetryIgnore);
    QCOMPARE(prompt.icon, MsgIcon::Critical);
    const auto& mail = tp.messageBox.shown.at(1);
    QCOMPARE(mail.text, QStringLiteral("Do you want to mail the author on this bug first?  It would really help the "
                                       "debugging process."));
    QCOMPARE(mail.buttons, MsgButtons::YesNo);
    QCOMPARE(mail.icon, MsgIcon::Question);
}

void tst_ErrorPrompt::mailAuthorYesOpensTheReport() {
    TestPlatform tp;
    int reports = 0;
    int errorNumberSeen = 0;
    QObject::connect(&tp.app->model, &SessionModel::mailAuthorRequested, &tp.app->model, [&] {
        ++reports;
        errorNumberSeen = tp.app->currentError ? tp.app->currentError->number : 0;
    });
    tp.messageBox.answers << MsgAnswer::Abort << MsgAnswer::Yes;
    QVERIFY(!RunStep(*tp.app, QStringLiteral("Test"), [] { throw RuntimeError(75, QStringLiteral("x")); }));
    QCOMPARE(reports, 1);
    QCOMPARE(errorNumberSeen, 75); // the report sees the pending error
    QCOMPARE(tp.process.exitCodes, QList<int>{1});
}

TW_TEST(tst_ErrorPrompt)
#include "tst_ErrorPrompt.moc"
