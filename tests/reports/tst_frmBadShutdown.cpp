#include "../login/LoginFixture.h"
#include "ModalDriverUi.h"
#include "TestPlatform.h"
#include "TestRegistry.h"
#include "core/ErrorPrompt.h"
#include "login/frmLogin.h"
#include "program/StartUp.h"
#include "program/frmSecret.h"
#include "reports/frmBadShutdown.h"
#include "reports/frmErrorWizard.h"
#include "reports/frmMailAuthorBadShutdown.h"
#include "storage/ConfigKeys.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
void fillWizard(QWidget* w) {
    auto* wiz = static_cast<frmErrorWizard*>(w);
    QTest::keyClicks(wiz->txtName, "Pat");
    QTest::keyClicks(wiz->txtEmail, "pat@example.org");
    wiz->cboFunct->setCurrentIndex(1);
    wiz->txtComments->setPlainText("It stopped");
    wiz->Command1->click();
}
} // namespace

class tst_frmBadShutdown : public QObject {
    Q_OBJECT
private slots:
    void ignore_data();
    void ignore();
    void mailAuthorFromNotice();
    void wizardRefusesMissingFields_data();
    void wizardRefusesMissingFields();
    void errorPromptLeadsToReport();
    void noticeWaitsForAParentsLogin();
    void noticeOffersTheLogFirst();
    void reportWithoutAddressIsSaved_data();
    void reportWithoutAddressIsSaved();
};

void tst_frmBadShutdown::ignore_data() {
    QTest::addColumn<bool>("neverAgain");
    QTest::addColumn<QString>("stored"); // "-" absent
    QTest::newRow("ticked") << true << "0";
    QTest::newRow("not ticked") << false << "-";
}

void tst_frmBadShutdown::ignore() {
    QFETCH(bool, neverAgain);
    QFETCH(QString, stored);
    TestPlatform tp;
    whenShown("frmBadShutdown", [&](QWidget* w) {
        auto* n = static_cast<frmBadShutdown*>(w);
        QCOMPARE(n->windowTitle(), QStringLiteral("Bad Shutdown Detected!"));
        n->chkNeverAgain->setChecked(neverAgain);
        n->cmdIgnore->click();
    });
    ShowBadShutdownNotice(*tp.app);
    QVERIFY(!tp.app->isLoaded("frmBadShutdown"));
    const Setting s = tp.app->read(Sections::Config, ConfigKeys::BadShutdownWarn);
    QCOMPARE(s.isAbsent() ? QStringLiteral("-") : s.text(), stored);
}

void tst_frmBadShutdown::mailAuthorFromNotice() {
    TestPlatform tp;
    tp.app->write(Sections::Config, ConfigKeys::BugReportAddress, QStringLiteral(" help@example.org "));
    QString shownReport;
    whenShown("frmBadShutdown", [](QWidget* w) {
        auto* n = static_cast<frmBadShutdown*>(w);
        n->chkNeverAgain->setChecked(true);
        n->cmdMail->click();
    });
    whenShown("frmErrorWizard", fillWizard);
    whenShown("frmMailAuthorBadShutdown", [&](QWidget* w) {
        auto* m = static_cast<frmMailAuthorBadShutdown*>(w);
        QCOMPARE(m->windowTitle(), QStringLiteral("Mailing The Author"));
        QVERIFY(m->lblInstructions->text().contains("will be sent to help@example.org."));
        QVERIFY(m->cmdCopy->isDefault());
        shownReport = m->txtToMail->toPlainText();
        QVERIFY(!m->Command1->isEnabled());
        m->cmdCopy->click();
        QVERIFY(m->Command1->isEnabled());
        m->Command1->click();
    });
    ShowBadShutdownNotice(*tp.app);

    QCOMPARE(tp.app->read(Sections::Config, ConfigKeys::BadShutdownWarn).text(), QStringLiteral("0"));
    QVERIFY(shownReport.startsWith("TimeWard Bug Report\n--- User Supplied Information ---\nName: Pat\n"
                                   "Email: pat@example.org\nFunctions Properly: Yes\nFunctions At All: No!\n"));
    QVERIFY(!shownReport.contains("Error Information"));
    // The clipboard gets the report with its CR LF line ends.
    QCOMPARE(tp.clipboard.text(), QString(shownReport).replace("\n", "\r\n"));
    QCOMPARE(tp.messageBox.shown.size(), 1);
    QCOMPARE(tp.messageBox.shown.first().text,
             QStringLiteral("Ok, now please email that information to help@example.org.  Thanks a lot!"));
    QVERIFY(tp.messageBox.shown.first().text.endsWith(".  Thanks a lot!"));
    QCOMPARE(tp.messageBox.shown.first().icon, MsgIcon::None);
    for (const char* name : {"frmBadShutdown", "frmErrorWizard", "frmMailAuthorBadShutdown"})
        QVERIFY(!tp.app->isLoaded(name));
}

void tst_frmBadShutdown::wizardRefusesMissingFields_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("message");
    QTest::newRow("no name") << ""
                             << "a@b"
                             << "Please enter your name";
    QTest::newRow("name but no email") << "Pat"
                                       << ""
                                       << "Please enter your email";
}

void tst_frmBadShutdown::wizardRefusesMissingFields() {
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, message);
    TestPlatform tp;
    frmErrorWizard& w = tp.app->window<frmErrorWizard>();
    w.show();
    w.txtName->setText(name);
    w.txtEmail->setText(email);
    w.Command1->click();
    QCOMPARE(tp.messageBox.texts(), QStringList{message});
    QCOMPARE(tp.messageBox.shown.first().icon, MsgIcon::Exclamation);
    QVERIFY(w.isVisible());
    QVERIFY(tp.app->errorWizardAnswers.name.isEmpty());
}

void tst_frmBadShutdown::errorPromptLeadsToReport() {
    TestPlatform tp;
    tp.app->window<frmSecret>(); // the controller brings up the report the error prompt asks for
    QString shownReport;
    whenShown("frmErrorWizard", fillWizard);
    whenShown("frmMailAuthorBadShutdown", [&](QWidget* w) {
        auto* m = static_cast<frmMailAuthorBadShutdown*>(w);
        shownReport = m->txtToMail->toPlainText();
        m->cmdCancel->click();
    });
    tp.messageBox.answers << MsgAnswer::Ignore << MsgAnswer::Yes;
    bool after = false;
    RunSteps(*tp.app, "TestStep", {[] { throw RuntimeError(53, "File not found"); }, [&] { after = true; }});
    QVERIFY(after);
    QVERIFY2(shownReport.contains("---    Error Information      ---\n\tNumber:53\n\tDescription:File not found\n"
                                  "\tSource:TestStep\n"),
             qPrintable(shownReport));
    QCOMPARE(tp.app->errorWizardAnswers.comments, QStringLiteral("It stopped"));
}

void tst_frmBadShutdown::noticeWaitsForAParentsLogin() {
    // Two bad runs in a row: the start shows nothing before the login window; a child's login
    // does not bring the notice, the next parent's does, once.
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("a"));
    addUser(app, 2, QStringLiteral("Mum"), QStringLiteral("m"), {{UserKeys::ParentRights, "1"}});
    app.write(Sections::Config, ConfigKeys::ShutdownOK, 2);
    int shown = 0;
    whenShown("frmBadShutdown", [&](QWidget* w) {
        ++shown;
        static_cast<frmBadShutdown*>(w)->cmdIgnore->click();
    });
    CheckBadShutdown(app);
    QCOMPARE(tp.app->read(Sections::Config, ConfigKeys::ShutdownOK).text(), QStringLiteral("2"));
    QTest::qWait(50);
    QCOMPARE(shown, 0);
    const auto logIn = [&](const QString& name, const QString& password) {
        ShowLoginForNextUser(app, name);
        frmLogin& w = app.window<frmLogin>();
        // The window offers the last user; the next one types their name.
        w.cboUL->lineEdit()->selectAll();
        QTest::keyClicks(w.cboUL->lineEdit(), name);
        w.txtPW->setText(password);
        w.Command1->click();
        QVERIFY(app.model.inSession());
        QTRY_VERIFY(!app.isLoaded("frmLogin"));
        QTest::qWait(50);
    };
    logIn(QStringLiteral("Ann"), QStringLiteral("a"));
    QCOMPARE(shown, 0);
    ReturnToLogin(app, true);
    logIn(QStringLiteral("Mum"), QStringLiteral("m"));
    QCOMPARE(shown, 1);
    QVERIFY(!app.badShutdownNoticeDue);
    ReturnToLogin(app, true);
    logIn(QStringLiteral("Mum"), QStringLiteral("m"));
    QVERIFY(!app.isLoaded("frmBadShutdown"));
    QCOMPARE(shown, 1);
}

void tst_frmBadShutdown::noticeOffersTheLogFirst() {
    // In a parent's words what happened, and Enter shows the activity log.
    TestPlatform tp;
    QSignalSpy wanted(&tp.app->model, &SessionModel::activityLogWanted);
    whenShown("frmBadShutdown", [](QWidget* w) {
        auto* n = static_cast<frmBadShutdown*>(w);
        QVERIFY(n->Label1->text().contains("without shutting down properly"));
        QVERIFY(n->Label1->text().contains("A child may have done this"));
        QCOMPARE(n->cmdShowLog->text(), QStringLiteral("&Show the activity log"));
        QVERIFY(n->cmdShowLog->isDefault());
        QVERIFY(!n->cmdMail->isDefault());
        QTest::keyClick(n, Qt::Key_Return);
    });
    ShowBadShutdownNotice(*tp.app);
    QCOMPARE(wanted.size(), 1);
    QVERIFY(!tp.app->isLoaded("frmBadShutdown"));
}

void tst_frmBadShutdown::reportWithoutAddressIsSaved_data() {
    QTest::addColumn<QString>("file"); // below a temporary folder; empty: the picker is cancelled
    QTest::addColumn<QString>("message");
    QTest::newRow("saved") << "report.txt"
                           << "The report was saved in %1.";
    QTest::newRow("folder missing") << "no/such/folder/report.txt"
                                    << "The report could not be saved in %1.";
    QTest::newRow("cancelled") << ""
                               << "";
}

void tst_frmBadShutdown::reportWithoutAddressIsSaved() {
    // No address is set (the default): the report goes into a file the parent sends on.
    QFETCH(QString, file);
    QFETCH(QString, message);
    TestPlatform tp;
    QTemporaryDir dir;
    const QString path = file.isEmpty() ? QString() : dir.filePath(file);
    tp.filePicker.next.enqueue(path);
    frmMailAuthorBadShutdown& m = tp.app->window<frmMailAuthorBadShutdown>();
    QVERIFY(m.lblInstructions->text().contains("press Save"));
    QVERIFY(!m.lblInstructions->text().contains("@"));
    QVERIFY(m.cmdSave->isDefault());
    m.show();
    QVERIFY(QTest::qWaitForWindowActive(&m));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Enter saves
    QCOMPARE(tp.filePicker.asked.size(), 1);
    QVERIFY(tp.filePicker.asked.first().startsWith("Save the Report|Text Files (*.txt)|"));
    QCOMPARE(tp.messageBox.texts(), message.isEmpty() ? QStringList{} : QStringList{message.arg(path)});
    const bool saved = file == QLatin1String("report.txt");
    QCOMPARE(m.Command1->isEnabled(), saved);
    QCOMPARE(QFile::exists(path), saved);
    if (!saved) return;
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(f.readAll()), m.txtToMail->toPlainText().replace("\n", "\r\n"));
    // Readable by all, to be sent on, though the program's own files are owner-only.
    QVERIFY(QFile::permissions(path).testFlags(QFileDevice::ReadGroup | QFileDevice::ReadOther));
}

TW_TEST(tst_frmBadShutdown)
#include "tst_frmBadShutdown.moc"
