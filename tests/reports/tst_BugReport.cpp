#include "TestPlatform.h"
#include "TestRegistry.h"
#include "reports/BugReport.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {
void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList userPart() {
    return {"TimeWard Bug Report",
            "--- User Supplied Information ---",
            "Name: Pat",
            "Email: pat@example.org",
            "Functions Properly: Yes",
            "Functions At All: No!",
            "Comments:",
            "---",
            "It stopped",
            "after the login",
            "---------------------------------",
            "--- Application Information   ---",
            "Version: 1.3.5"};
}
} // namespace

class tst_BugReport : public QObject {
    Q_OBJECT
private slots:
    void reportText_data();
    void reportText();
    void wizardCheck_data();
    void wizardCheck();
};

void tst_BugReport::reportText_data() {
    QTest::addColumn<bool>("pendingError");
    QTest::addColumn<QString>("logTFFile"); // "-" leaves "LogTFFile" absent
    QTest::addColumn<bool>("workLog");
    QTest::newRow("no error, no main log, no work log") << false << "-" << false;
    QTest::newRow("pending error") << true << "-" << true;
    QTest::newRow("main log named and present") << false << "C:\\logs\\tw.log" << true;
    QTest::newRow("main log named but missing") << false << "C:\\logs\\gone.log" << false;
    QTest::newRow("main log key empty") << false << "" << true;
}

void tst_BugReport::reportText() {
    QFETCH(bool, pendingError);
    QFETCH(QString, logTFFile);
    QFETCH(bool, workLog);
    TestPlatform tp;
    App& app = *tp.app;
    app.errorWizardAnswers = {"Pat", "pat@example.org", "Yes", "No!", "It stopped\nafter the login"};
    if (pendingError) app.currentError = RuntimeError(75, "Path/File access error", "WriteActivityLog");
    app.store.LastSettingSection = "Config";
    app.store.LastSettingKey = "LogTFFile";
    if (logTFFile != QLatin1String("-")) app.write(Sections::Config, ConfigKeys::LogTFFile, logTFFile);
    writeFile(tp.dataFile("drive_c/logs/tw.log"), "\"[3/4/2026] User Tom logged in.\"\r\n\"second\"\r\n");
    if (workLog)
        writeFile(tp.dataFile(kWorkLogName), "[3/4/2026][3:10:45 PM] Bad Shutdown Checked\r\n[x] Loaded PWs\r\n");

    QStringList expected = userPart();
    expected << "Path: " + tp.platform.paths.programFolder << "---------------------------------";
    if (pendingError)
        expected << "---    Error Information      ---"
                 << "\tNumber:75"
                 << "\tDescription:Path/File access error"
                 << "\tSource:WriteActivityLog"
                 << "\tSection: Config\tKey: LogTFFile"
                 << "---------------------------------";
    if (logTFFile == QLatin1String("C:\\logs\\tw.log"))
        expected << "---------------------------------"
                 << "Main Log file:"
                 << "\"[3/4/2026] User Tom logged in.\""
                 << "\"second\"";
    expected << "---   Work Log File           ---";
    if (workLog)
        expected << "[3/4/2026][3:10:45 PM] Bad Shutdown Checked"
                 << "[x] Loaded PWs";
    QCOMPARE(ComposeBugReport(app).split("\r\n"), expected);
}

void tst_BugReport::wizardCheck_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing") << ""
                             << ""
                             << "Please enter your name";
    QTest::newRow("email only") << ""
                                << "a@b"
                                << "Please enter your name";
    QTest::newRow("name only") << "Pat"
                               << ""
                               << "Please enter your email";
    QTest::newRow("both") << "Pat"
                          << "a@b"
                          << "";
}

void tst_BugReport::wizardCheck() {
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, message);
    QCOMPARE(ErrorWizardCheck(name, email), message);
}

TW_TEST(tst_BugReport)
#include "tst_BugReport.moc"
