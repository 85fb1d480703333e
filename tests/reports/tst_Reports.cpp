#include "TestPlatform.h"
#include "TestRegistry.h"
#include "reports/Reports.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/UsageHistory.h"
#include "users/UserKeys.h"

#include <QTest>
#include <functional>

namespace {
const QStringList kHeaderTail = {QStringLiteral("Printed 3/4/2026 at 15:10"), QStringLiteral("Version: 1.3.5"),
                                 QString()};

QStringList header(const QString& title) {
    return QStringList{title} + kHeaderTail;
}

void addUser(App& app, int n, const QString& name, const QList<QPair<QString, QString>>& values) {
    app.write(Sections::User(n), UserKeys::Name, name);
    for (const auto& [k, v] : values)
        app.write(Sections::User(n), k, v);
}

// A printer that sends every job to a file, as the real one does with no printer installed,
// or refuses it.
class FilePrinter final : public Printer {
public:
    Result print(const QString& jobName, const QStringList&) override {
        Result r;
        r.ok = !refuse;
        if (refuse)
            r.error = QStringLiteral("paper jam");
        else
            r.pdfFile = QStringLiteral("/data/reports/") + jobName + QStringLiteral(".pdf");
        return r;
    }
    bool setup() override { return true; }
    bool refuse = false;
};
} // namespace

class tst_Reports : public QObject {
    Q_OBJECT
private slots:
    void nameColumn_data();
    void nameColumn();
    void timeUsageReport();
    void logReport_data();
    void logReport();
    void userInformationParentRights_data();
    void userInformationParentRights();
    void userInformationBlock();
    void passwordPacking_data();
    void passwordPacking();
    void passwordReport();
    void answerNoPrintsNothing_data();
    void answerNoPrintsNothing();
    void printEverythingIsThreeJobs();
    void fileFallbackAndFailureAreTold();
    void savedReportOpens_data();
    void savedReportOpens();
    void weeklyUsageReport();
};

void tst_Reports::nameColumn_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("column");
    QTest::newRow("7 characters") << "Bettina"
                                  << "Bettina\t\t";
    QTest::newRow("8 characters") << "Jonathan"
                                  << "Jonathan\t";
    QTest::newRow("15 characters") << "Maximilian-Karl"
                                   << "Maximilian-Karl\t";
    QTest::newRow("16 characters") << "Maximilian-Karlo"
                                   << "Maximilian-Ka...\t";
    QTest::newRow("empty") << ""
                           << "\t\t";
}

void tst_Reports::nameColumn() {
    QFETCH(QString, name);
    QFETCH(QString, column);
    QCOMPARE(TimeUsageNameColumn(name), column);
}

void tst_Reports::timeUsageReport() {
    TestPlatform tp;
    tp.messageBox.answers << MsgAnswer::Yes;
    PrintTimeUsageReport(*tp.app, {{"Bettina", "Yes", "Daily", "1:30:0", "0:12:05"},
                                   {"Maximilian-Karlo", "No", "Unlimited", "N/A", "N/A"}});
    QCOMPARE(tp.messageBox.texts(), QStringList{"Are you sure you wish to print the time usage?"});
    QCOMPARE(tp.messageBox.shown.first().buttons, MsgButtons::YesNo);
    QCOMPARE(tp.messageBox.shown.first().icon, MsgIcon::Question);
    QCOMPARE(tp.printer.jobs.size(), 1);
    QCOMPARE(tp.printer.jobs.first().lines,
             (header("TimeWard Time Usage") + QStringList{"Name\t\tMeasured By\tTime Allowed\tTime Available",
                                                          "Bettina\t\tDaily\t1:30:0\t0:12:05",
                                                          "Maximilian-Ka...\tUnlimited\tN/A\tN/A"}));
}

void tst_Reports::logReport_data() {
    QTest::addColumn<QStringList>("log");
    QTest::newRow("empty log: header only") << QStringList();
    QTest::newRow("lines in list order") << QStringList{"[3/4/2026][3:00:00 PM] TimeWard Started.", "second", ""};
}

void tst_Reports::logReport() {
    QFETCH(QStringList, log);
    TestPlatform tp;
    tp.messageBox.answers << MsgAnswer::Yes;
    PrintLogReport(*tp.app, log);
    QCOMPARE(tp.messageBox.texts(), QStringList{"Are you sure you wish to print the log?"});
    QCOMPARE(tp.printer.jobs.size(), 1);
    QCOMPARE(tp.printer.jobs.first().lines, header("TimeWard Log") + log);
}

void tst_Reports::userInformationParentRights_data() {
    QTest::addColumn<QString>("stored"); // "-" leaves the value absent
    QTest::addColumn<QString>("shown");
    QTest::newRow("1") << "1"
                       << "Yes";
    QTest::newRow("01 is the number 1") << "01"
                                        << "Yes";
    QTest::newRow("0") << "0"
                       << "No";
    QTest::newRow("absent") << "-"
                            << "No";
    QTest::newRow("True is no 1") << "True"
                                  << "No";
}

void tst_Reports::userInformationParentRights() {
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    TestPlatform tp;
    addUser(*tp.app, 1, "Ann", {});
    if (stored != QLatin1String("-")) tp.app->write(Sections::User(1), UserKeys::ParentRights, stored);
    const QStringList lines = UserInformationReportLines(*tp.app, {{"Ann", "", "", "", ""}});
    QCOMPARE(lines.at(7), QStringLiteral("\tParent Rights?: ") + shown);
}

void tst_Reports::userInformationBlock() {
    using namespace UserKeys;
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, "Parent", {{ParentRights, "1"}});
    addUser(app, 2, "Tom",
            {{ParentRights, "0"},
             {TimeBasedOn, "Weekly"},
             {AmmountHours, "10"},
             {AmmountMinutes, "30"},
             {AmmountSeconds, "0"},
             {TakeAction, "1"},
             {TakeActionDo, "Display Time Ward Login"},
             {DisplayMessage, "1"},
             {DisplayMessageText, "Time is up"},
             {PlaySound, "0"},
             {PlaySoundSoundLocation, "C:\\sounds\\bell.wav"},
             {FreeHours, "2"},
             {FreeMin, "05"},
             {FreeSec, "09"},
             {TimeRestriction, "1"},
             {TimeRestrictionAmmt, "2"},
             {TimeRestBegin(0), "20"},
             {TimeRestEnd(0), "0"},
             {TimeRestType(0), "Deny"},
             {TimeRestBegin(1), "8"},
             {TimeRestEnd(1), "17"},
             {TimeRestType(1), "Allow"}});
    tp.messageBox.answers << MsgAnswer::Yes;
    // The row's name finds the record without regard to letter case.
    PrintUserInformationReport(app, {{"TOM", "No", "Weekly", "10:30:0", "2:05:09"}});
    QCOMPARE(tp.messageBox.texts(), QStringList{"Are you sure you wish to print the user information?"});
    QCOMPARE(tp.printer.jobs.size(), 1);
    const QStringList expected = header("TimeWard User Information") + QStringList{
                                                                           "",
                                                                           "TOM",
                                                                           "\tUser Number: 2",
                                                                           "\tParent Rights?: No",
                                                                           "\tTime Based On: Weekly",
                                                                           "\tTime Per Period: 10:30:0",
                                                                           "\tTake Action?: Yes",
                                                                           "\t\tAction:Display Time Ward Login",
                                                                           "\tDisplay Message?: Yes",
                                                                           "\t\tText:Time is up",
                                                                           "\tPlay Sound?: No",
                                                                           "\t\tSound:C:\\sounds\\bell.wav",
                                                                           "\tFree Time: 2:05:09",
                                                                           "\tTime Restrictions?: Yes",
                                                                           "\t\tFrom 20:00 till 0:00: Deny",
                                                                           "\t\tFrom 8:00 till 17:00: Allow",
                                                                       };
    QCOMPARE(tp.printer.jobs.first().lines, expected);
}

void tst_Reports::passwordPacking_data() {
    QTest::addColumn<QStringList>("passwords");
    QTest::addColumn<QStringList>("lines");
    QStringList nine;
    for (int i = 1; i <= 9; ++i)
        nine << QStringLiteral("pass%1wd").arg(i, 2, 10, QLatin1Char('0')).left(8);
    QTest::newRow("eight of 8 characters to a line")
        << nine << QStringList{QStringList(nine.mid(0, 8)).join('\t') + '\t', nine.at(8) + '\t'};
    QTest::newRow("none") << QStringList() << QStringList();
    const QString x78(78, 'x');
    QTest::newRow("78 characters and a tab fill a line") << QStringList{"a", x78} << QStringList{"a\t", x78 + '\t'};
    const QString x80(80, 'y');
    QTest::newRow("an entry longer than a line stands alone, no blank line")
        << QStringList{x80, "b"} << QStringList{x80 + '\t', "b\t"};
}

void tst_Reports::passwordPacking() {
    QFETCH(QStringList, passwords);
    QFETCH(QStringList, lines);
    QCOMPARE(PackPasswordLines(passwords), lines);
}

void tst_Reports::passwordReport() {
    TestPlatform tp;
    tp.messageBox.answers << MsgAnswer::Yes;
    PrintPasswordReport(*tp.app, "Tom", {"abcdefgh", "ijklmnop"});
    QCOMPARE(tp.messageBox.texts(), QStringList{"Are you sure you wish to print all the passwords for this user?"});
    QCOMPARE(tp.printer.jobs.size(), 1);
    QCOMPARE(tp.printer.jobs.first().lines,
             (header("TimeWard User Passwords") + QStringList{"User:  Tom", "abcdefgh\tijklmnop\t"}));
}

using PrintCall = std::function<void(App&)>;
Q_DECLARE_METATYPE(PrintCall)

void tst_Reports::answerNoPrintsNothing_data() {
    QTest::addColumn<PrintCall>("call");
    QTest::addColumn<QString>("question");
    const QList<UserListRow> rows = {{"Ann", "Yes", "Daily", "1:0:0", "1:0:0"}};
    QTest::newRow("log") << PrintCall([](App& a) { PrintLogReport(a, {"x"}); })
                         << "Are you sure you wish to print the log?";
    QTest::newRow("time usage") << PrintCall([rows](App& a) { PrintTimeUsageReport(a, rows); })
                                << "Are you sure you wish to print the time usage?";
    QTest::newRow("user information") << PrintCall([rows](App& a) { PrintUserInformationReport(a, rows); })
                                      << "Are you sure you wish to print the user information?";
    QTest::newRow("everything") << PrintCall([rows](App& a) { PrintEverything(a, {"x"}, rows); })
                                << "Are you sure you wish to print all?";
    QTest::newRow("passwords") << PrintCall([](App& a) { PrintPasswordReport(a, "Ann", {"p"}); })
                               << "Are you sure you wish to print all the passwords for this user?";
}

void tst_Reports::answerNoPrintsNothing() {
    QFETCH(PrintCall, call);
    QFETCH(QString, question);
    TestPlatform tp;
    tp.messageBox.answers << MsgAnswer::No;
    call(*tp.app);
    QCOMPARE(tp.messageBox.texts(), QStringList{question});
    QVERIFY(tp.printer.jobs.isEmpty());
}

void tst_Reports::printEverythingIsThreeJobs() {
    TestPlatform tp;
    tp.app->write(Sections::User(1), UserKeys::Name, QStringLiteral("Ann"));
    tp.messageBox.answers << MsgAnswer::Yes;
    const QList<UserListRow> rows = {{"Ann", "Yes", "Daily", "1:0:0", "0:30:0"}};
    PrintEverything(*tp.app, {"a log line"}, rows);
    QCOMPARE(tp.messageBox.shown.size(), 1);
    QCOMPARE(tp.printer.jobs.size(), 3);
    QCOMPARE(tp.printer.jobs.at(0).lines, LogReportLines(*tp.app, {"a log line"}));
    QCOMPARE(tp.printer.jobs.at(1).lines, TimeUsageReportLines(*tp.app, rows));
    QCOMPARE(tp.printer.jobs.at(2).lines, UserInformationReportLines(*tp.app, rows));
}

void tst_Reports::fileFallbackAndFailureAreTold() {
    TestPlatform tp;
    FilePrinter files;
    tp.platform.printer = &files;
    tp.messageBox.answers << MsgAnswer::Yes;
    PrintEverything(*tp.app, {}, {});
    // One confirmation, then one message naming all three files, each on a line of its own.
    QCOMPARE(tp.messageBox.shown.size(), 2);
    const QStringList told = tp.messageBox.shown.at(1).text.split('\n');
    QVERIFY2(told.contains("/data/reports/TimeWard Log.pdf") &&
                 told.contains("/data/reports/TimeWard Time Usage.pdf") &&
                 told.contains("/data/reports/TimeWard User Information.pdf"),
             qPrintable(told.join('|')));
    QVERIFY(tp.processStart.opened.isEmpty()); // closed: nothing opened

    files.refuse = true;
    tp.messageBox.shown.clear();
    tp.messageBox.answers << MsgAnswer::Yes;
    PrintLogReport(*tp.app, {});
    QCOMPARE(tp.messageBox.shown.size(), 2);
    QVERIFY(tp.messageBox.shown.at(1).text.contains("paper jam"));
    QCOMPARE(tp.messageBox.shown.at(1).icon, MsgIcon::Exclamation);
}

void tst_Reports::savedReportOpens_data() {
    QTest::addColumn<int>("chosen");
    QTest::addColumn<bool>("desktopOpens");
    QTest::addColumn<QString>("opened"); // empty: nothing
    QTest::addColumn<bool>("failureTold");
    QTest::newRow("open") << 0 << true << "/data/reports/TimeWard Log.pdf" << false;
    QTest::newRow("show in folder") << 1 << true << "/data/reports" << false;
    QTest::newRow("close") << 2 << true << "" << false;
    QTest::newRow("no viewer") << 0 << false << "/data/reports/TimeWard Log.pdf" << true;
}

void tst_Reports::savedReportOpens() {
    QFETCH(int, chosen);
    QFETCH(bool, desktopOpens);
    QFETCH(QString, opened);
    QFETCH(bool, failureTold);
    TestPlatform tp;
    tp.printer.pdfFolder = QStringLiteral("/data/reports");
    tp.processStart.succeed = desktopOpens;
    tp.messageBox.answers << MsgAnswer::Yes;
    tp.messageBox.chosen << chosen;
    PrintLogReport(*tp.app, {"a line"});
    QCOMPARE(tp.messageBox.shown.size(), failureTold ? 3 : 2);
    const auto& offer = tp.messageBox.shown.at(1);
    QCOMPARE(offer.text, QStringLiteral("No printer is installed, so the report was saved as a PDF file:\n"
                                        "/data/reports/TimeWard Log.pdf"));
    QCOMPARE(offer.choices, (QStringList{"&Open", "Show in &Folder", "Close"}));
    QCOMPARE(tp.processStart.opened, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl::fromLocalFile(opened)});
    QVERIFY(tp.processStart.started.isEmpty()); // never run as a program
    if (failureTold) QVERIFY(tp.messageBox.shown.at(2).text.contains(QStringLiteral("TimeWard Log.pdf")));
}

void tst_Reports::weeklyUsageReport() {
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::User(1), UserKeys::Name, QStringLiteral("Kim"));
    app.write(Sections::User(1), UserKeys::TimeBasedOn, QStringLiteral("Daily"));
    app.write(Sections::User(1), UserKeys::AmmountHours, QStringLiteral("2"));
    const QDate today = tp.clock.today(); // Wednesday 3/4/2026
    app.write(Sections::UserHistory(QStringLiteral("Kim")), UsageDayName(today), 3660);
    app.write(Sections::UserHistory(QStringLiteral("Kim")), UsageDayName(today.addDays(-13)), 125);
    const QStringList lines = WeeklyUsageReportLines(app, BuildUsageOverview(app, today));
    QCOMPARE(lines.mid(0, 1), QStringList{QStringLiteral("TimeWard Weekly Usage")});
    QCOMPARE(lines.mid(4, 7), (QStringList{"Time used on each of the last 14 days, in hours and minutes.", "", "Kim",
                                           "\tMeasured By: Daily", "\tAllowance A Day: 2:00",
                                           "\tLast 7 Days: 1:01, average 0:08 a day", "\tThu 2/19/2026\t0:02"}));
    QCOMPARE(lines.last(), QStringLiteral("\tWed 3/4/2026\t1:01 (today)"));
    QCOMPARE(lines.size(), 4 + 1 + 5 + 14);

    // Asked first; No prints nothing.
    tp.messageBox.answers.enqueue(MsgAnswer::No);
    PrintWeeklyUsageReport(app, {});
    QVERIFY(tp.printer.jobs.isEmpty());
    QCOMPARE(tp.messageBox.texts(), QStringList{QStringLiteral("Are you sure you wish to print the weekly usage?")});
}

TW_TEST(tst_Reports)
#include "tst_Reports.moc"
