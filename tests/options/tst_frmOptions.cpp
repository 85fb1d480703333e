#include "TestPlatform.h"
#include "TestRegistry.h"
#include "admin/frmOptions.h"
#include "program/frmMain.h"
#include "program/frmSecret.h"
#include "restrictions/BootOptions.h"
#include "restrictions/ScreenSaver.h"
#include "restrictions/StartupRegistration.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

class tst_frmOptions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void layout();
    void roundTrip_data();
    void roundTrip();
    void timerInterval();
    void timerIntervalSavedReadsBack_data();
    void timerIntervalSavedReadsBack();
    void timerIntervalThatIsNoNumberSavesNothing();
    void applyIsDisabledAfterUse();
    void cancelWritesNothing();
    void okAndCloseBox();
    void logUseAndTwLoc_data();
    void logUseAndTwLoc();
    void loginSeconds_data();
    void loginSeconds();
    void applyExceptions_data();
    void applyExceptions();
    void enablingRules_data();
    void enablingRules();
    void optionsWithoutEffectHere_data();
    void optionsWithoutEffectHere();
    void preferencesLogNamesTheParent_data();
    void preferencesLogNamesTheParent();
    void bootOptions();
    void bootOptionOutOfRangeStillLoadsTheRest();
    void badStoredValueIsReportedAndSkipped();
    void registration();
    void controllerTimerKeepsItsState_data();
    void controllerTimerKeepsItsState();
    void getFile();
    void screenSaverStatus();

private:
    QTemporaryDir m_xdg;
    QByteArray m_oldHome, m_oldDirs;

    static QString sysFile(TestPlatform& tp) { return tp.dataFile("drive_c/msdos.sys"); }
    static void putSys(TestPlatform& tp, const QByteArray& data) {
        QDir().mkpath(tp.dataFile("drive_c"));
        QFile f(sysFile(tp));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    // Every value of the program's branch, as "section\key=value" lines.
    static QStringList snapshot(App& app) {
        QStringList out;
        for (const QString& section : {Sections::Config, Sections::Security})
            for (const RegValue& v :
                 app.store.registry().values(RegRoot::LocalMachine, SettingsStore::SectionPath(kAppName, section)))
                out << section + "\\" + v.name + "=" + v.data.toString();
        out.sort();
        return out;
    }
    template <class T> static T* child(frmOptions& f, const QString& name) {
        T* w = f.findChild<T*>(name);
        if (!w) qWarning("no control %s", qPrintable(name));
        return w;
    }
};

void tst_frmOptions::initTestCase() {
    // Saving registers the program with the desktop; keep that inside a temporary folder.
    m_oldHome = qgetenv("XDG_CONFIG_HOME");
    m_oldDirs = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_HOME", m_xdg.filePath("home").toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", m_xdg.filePath("etc").toLocal8Bit());
}

void tst_frmOptions::cleanupTestCase() {
    m_oldHome.isEmpty() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", m_oldHome);
    m_oldDirs.isEmpty() ? qunsetenv("XDG_CONFIG_DIRS") : qputenv("XDG_CONFIG_DIRS", m_oldDirs);
}

void tst_frmOptions::layout() {
    TestPlatform tp;
    frmOptions& f = tp.app->window<frmOptions>();
    QCOMPARE(f.windowTitle(), QStringLiteral("Time Ward Preferences"));
    QStringList tabs;
    for (int i = 0; i < f.SSTab1->count(); ++i)
        tabs << f.SSTab1->tabText(i);
    QCOMPARE(tabs, QStringList({"General", "Screen Saver Smart", "Logging", "TimeWard Security", "Time Window",
                                "Other Systems", "Parent's Page"}));
    QStringList others;
    for (int i = 0; i < f.otherSystems->count(); ++i)
        others << f.otherSystems->tabText(i);
    QCOMPARE(others,
             QStringList({"Windows Security", "Start Menu Security", "Control Panel Security", "Misc Security"}));
    QCOMPARE(f.cmdOk->text(), QStringLiteral("OK"));
    QCOMPARE(f.cmdApply->text(), QStringLiteral("Apply"));
    QCOMPARE(f.cmdCancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(f.chkForceLogin->text(), QStringLiteral("Force  Logging into TimeWard before using Windows"));
    QCOMPARE(f.OptAsSer[0]->text(), QStringLiteral("As Service (before user logs in)"));
    QCOMPARE(f.findChild<QCheckBox*>("chkDisableRunMouse")->text(), QStringLiteral("Disable Mouse (Not Recommended)"));
    QCOMPARE(f.findChild<QCheckBox*>("chkCPPrinterGeneralandDetails")->text(),
             QStringLiteral("General && Details in Printer Properties"));
    QCOMPARE(f.findChild<QCheckBox*>("chkMPassword")->text(), QStringLiteral("Password Caching"));
    QCOMPARE(f.cboLoginTA->count(), 3);
    // No boxes for the two while-running parts the dialog leaves alone.
    QVERIFY(!f.findChild<QCheckBox*>("chkDisableRunIconTray"));
    QVERIFY(!f.findChild<QCheckBox*>("chkDisableRunTaskbar"));
}

void tst_frmOptions::roundTrip_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown"); // the text, the entry, or "checked"

    const QString C = Sections::Config;
    const QString S = Sections::Security;
    auto boxRow = [&](const QString& control, const QString& section, const QString& key) {
        QTest::newRow(qPrintable(control)) << control << section << key << "1"
                                           << "checked";
    };
    namespace K = ConfigKeys;
    boxRow("chkACWindows", C, K::AutoCenterWindows);
    boxRow("chkSWP", C, K::SaveWinPosition);
    boxRow("chkGenMode", C, K::GenMode);
    boxRow("chkDWM", C, K::GenDWM);
    boxRow("chkSAAE", C, K::GenSubAmmtAtEnd);
    boxRow("chkLoadOnStartup", C, K::LoadOnStartup);
    boxRow("chkShowSplash", C, K::ShowSplash);
    boxRow("chkSSSEnable", C, K::SSSEnable);
    boxRow("chkSTA", C, K::SSSTimoutFromTime);
    boxRow("chkLogSSLAU", C, K::SSSLog);
    boxRow("chkUpScr", C, K::UpScr);
    boxRow("chkLogEnable", C, K::LogEnable);
    boxRow("chkLTF", C, K::LogTFOn);
    boxRow("chkLTS", C, K::LogTS);
    boxRow("chkUserLogin", C, K::LogELogin);
    boxRow("chkUserLogout", C, K::LogELogout);
    boxRow("chkTimeOuts", C, K::LogETimeouts);
    boxRow("chkConfigChange", C, K::LogEConfig);
    boxRow("chkTimeStamp", C, K::LogTimeStamp);
    boxRow("chk3MinWarn", C, K::ThreeMinWarn);
    boxRow("chkBadShutdown", C, K::BadShutdownWarn);
    boxRow("chkForceLogin", C, K::ForceLogin);
    boxRow("chkLoginTimer", C, K::LoginTimer);
    boxRow("chkAllowT", C, K::AllowT);
    boxRow("chkAllowW", C, K::AllowW);
    boxRow("chkTRWindow", C, K::TRWindow);
    // The tests' program folder holds no page module: turning the page on opens no port here.
    boxRow("chkParentPage", C, K::ParentPage);
    for (const QString& key : K::LoginScreenDisables)
        boxRow("chk" + key, C, key);
    for (const QString& key : {K::DisableRunDesktop, K::DisableRunMouse, K::DisableRunScreenSaver,
                               K::DisableRunStartButton, K::DisableRunTaskSwitch, K::DisableRunTrayClock})
        boxRow("chk" + key, C, key);
    boxRow("chkStartRun", S, "StartRun");
    boxRow("chkStartFind", S, "StartFind");
    boxRow("chkStartSettings", S, "StartSettings");
    boxRow("chkStartShutdown", S, "StartShutdown");
    boxRow("chkStartTaskbar", S, "StartTaskbarSettings");
    for (const QString& key : SecurityKeys::ControlPanel)
        boxRow("chk" + key, S, key);
    for (const QString& key : SecurityKeys::Misc)
        boxRow(key, S, key);

    QTest::newRow("txtGenAmmt") << "txtGenAmmt" << C << K::GetAmmount << "15"
                                << "15";
    QTest::newRow("txtltf") << "txtltf" << C << K::LogTFFile << "/var/log/tw.log"
                            << "/var/log/tw.log";
    QTest::newRow("txtLoginSecs") << "txtLoginSecs" << C << K::LoginTimerSecs << "30"
                                  << "30";
    QTest::newRow("txtParentPagePort") << "txtParentPagePort" << C << K::ParentPagePort << "8443"
                                       << "8443";
    QTest::newRow("txtTimerInterval") << "txtTimerInterval" << C << K::TimerInterval << "1500"
                                      << "1.5";
    QTest::newRow("cboLoginTA") << "cboLoginTA" << C << K::LoginTimerTA << "Restart Computer"
                                << "Restart the computer";
    QTest::newRow("optTime") << "optTime" << C << K::LogUse << "Time"
                             << "checked";
    QTest::newRow("optDate") << "optDate" << C << K::LogUse << "Date"
                             << "checked";
    QTest::newRow("optBoth") << "optBoth" << C << K::LogUse << "Both"
                             << "checked";
    QTest::newRow("OptAsSer service") << "OptAsSer_0" << C << K::AsService << "True"
                                      << "checked";
    QTest::newRow("OptAsSer regular") << "OptAsSer_1" << C << K::AsService << "False"
                                      << "checked";
    for (int i = 0; i < 4; ++i)
        QTest::newRow(qPrintable(QStringLiteral("TWLoc %1").arg(i)))
            << QStringLiteral("TWLoc_%1").arg(i) << C << K::TWLoc << QString::number(i) << "checked";
}

void tst_frmOptions::roundTrip() {
    QFETCH(QString, control);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    TestPlatform tp;
    App& app = *tp.app;
    app.write(section, key, stored);
    frmOptions& f = app.window<frmOptions>();
    QVERIFY(f.LoadOptions());

    QWidget* w = child<QWidget>(f, control);
    QVERIFY(w);
    if (auto* b = qobject_cast<QCheckBox*>(w))
        QCOMPARE(b->checkState(), Qt::Checked);
    else if (auto* r = qobject_cast<QRadioButton*>(w))
        QVERIFY(r->isChecked());
    else if (auto* t = qobject_cast<QLineEdit*>(w))
        QCOMPARE(t->text(), shown);
    else if (auto* c = qobject_cast<QComboBox*>(w))
        QCOMPARE(c->currentText(), shown);

    app.store.DeleteRegistryValue(RegRoot::LocalMachine, SettingsStore::SectionPath(kAppName, section), key);
    QVERIFY(f.SaveOptions());
    QCOMPARE(app.read(section, key).text(), stored);
    QVERIFY(tp.messageBox.shown.isEmpty());
}

void tst_frmOptions::timerInterval() {
    TestPlatform tp;
    App& app = *tp.app;
    frmOptions& f = app.window<frmOptions>();
    QVERIFY(f.LoadOptions());
    QCOMPARE(f.txtTimerInterval->text(), QStringLiteral("0")); // absent
    app.write(Sections::Config, ConfigKeys::TimerInterval, "1000");
    QVERIFY(f.LoadOptions());
    QCOMPARE(f.txtTimerInterval->text(), QStringLiteral("1"));
    f.txtTimerInterval->setText("2.5");
    QVERIFY(f.SaveOptions());
    QCOMPARE(app.read(Sections::Config, ConfigKeys::TimerInterval).text(), QStringLiteral("2500"));
}

// Whatever number of seconds is typed, the stored text reads back as a number, so the window
// opens again with it.
void tst_frmOptions::timerIntervalSavedReadsBack_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("fraction") << "2.5"
                              << "2500"
                              << "2.5";
    QTest::newRow("exponent typed") << "1e3"
                                    << "1000000"
                                    << "1000";
    QTest::newRow("huge") << "1e30"
                          << "1000000000000000"
                          << "1000000000000";
    QTest::newRow("negative huge") << "-1e30"
                                   << "-1000000000000000"
                                   << "-1000000000000";
}

void tst_frmOptions::timerIntervalSavedReadsBack() {
    QFETCH(QString, typed);
    TestPlatform tp;
    App& app = *tp.app;
    frmOptions& f = app.window<frmOptions>();
    QVERIFY(f.LoadOptions());
    f.txtTimerInterval->setText(typed);
    QVERIFY(f.SaveOptions());
    QTEST(app.read(Sections::Config, ConfigKeys::TimerInterval).text(), "stored");
    f.txtTimerInterval->clear();
    QVERIFY(f.LoadOptions());
    QTEST(f.txtTimerInterval->text(), "shown");
}

void tst_frmOptions::timerIntervalThatIsNoNumberSavesNothing() {
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::Config, ConfigKeys::GenMode, "0");
    ShowOptions(app, &app.window<frmMain>());
    frmOptions& f = app.window<frmOptions>();
    const QStringList before = snapshot(app);
    f.chkGenMode->click();
    f.txtTimerInterval->setText("two");
    f.cmdOk->click();
    QCOMPARE(tp.messageBox.shown.size(), 1);
    QVERIFY(tp.messageBox.shown[0].text.contains("timer interval"));
    QCOMPARE(snapshot(app), before);
    QVERIFY(f.isVisible());
    QVERIFY(f.cmdApply->isEnabled());
    // The registration is part of the save and did not run either.
    QVERIFY(!app.store.registry().keyExists(RegRoot::LocalMachine, RunKeys::Run));
}

void tst_frmOptions::applyIsDisabledAfterUse() {
    TestPlatform tp;
    App& app = *tp.app;
    ShowOptions(app, &app.window<frmMain>());
    frmOptions& f = app.window<frmOptions>();
    QVERIFY(f.isVisible());
    QVERIFY(!app.window<frmMain>().isEnabled());
    QVERIFY(!f.cmdApply->isEnabled());
    f.chkGenMode->click();
    QVERIFY(f.cmdApply->isEnabled());
    f.cmdApply->click();
    QVERIFY(!f.cmdApply->isEnabled());
    QCOMPARE(app.read(Sections::Config, ConfigKeys::GenMode).text(), QStringLiteral("1"));
    QVERIFY(f.isVisible());
}

void tst_frmOptions::cancelWritesNothing() {
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::Config, ConfigKeys::GetAmmount, "10");
    app.write(Sections::Security, "StartRun", "0");
    ShowOptions(app, &app.window<frmMain>());
    frmOptions& f = app.window<frmOptions>();
    const QStringList before = snapshot(app);
    f.txtGenAmmt->setText("99");
    f.chkStartRun->toggle(); // kept for other systems: changed only by a load
    f.OptAsSer[0]->click();
    f.cmdCancel->click();
    QCOMPARE(snapshot(app), before);
    QVERIFY(!f.isVisible());
    QVERIFY(app.window<frmMain>().isEnabled());
    ShowOptions(app, &app.window<frmMain>());
    QCOMPARE(f.txtGenAmmt->text(), QStringLiteral("10"));
    QCOMPARE(f.chkStartRun->checkState(), Qt::Unchecked);
    QVERIFY(f.OptAsSer[1]->isChecked());
}

void tst_frmOptions::okAndCloseBox() {
    TestPlatform tp;
    App& app = *tp.app;
    ShowOptions(app, &app.window<frmMain>());
    frmOptions* f = &app.window<frmOptions>();
    f->chkTRWindow->click(); // does not enable Apply, but Ok saves it
    f->cmdOk->click();
    QCOMPARE(app.read(Sections::Config, ConfigKeys::TRWindow).text(), QStringLiteral("1"));
    QVERIFY(!f->isVisible());
    QVERIFY(app.window<frmMain>().isEnabled());
    QVERIFY(app.isLoaded("frmOptions")); // only hidden

    ShowOptions(app, &app.window<frmMain>());
    QVERIFY(!app.window<frmMain>().isEnabled());
    f->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!app.isLoaded("frmOptions"));
    QVERIFY(app.window<frmMain>().isEnabled()); // the main window is not left locked
    ShowOptions(app, &app.window<frmMain>());
    QVERIFY(app.window<frmOptions>().chkTRWindow->isChecked());
}

void tst_frmOptions::logUseAndTwLoc_data() {
    QTest::addColumn<QString>("logUse");
    QTest::addColumn<QString>("twLoc"); // "-": absent
    QTest::addColumn<QString>("logUseControl");
    QTest::addColumn<int>("member");
    QTest::newRow("lower case both, absent corner") << "both"
                                                    << "-"
                                                    << "optBoth" << 0;
    QTest::newRow("upper case date") << "DATE"
                                     << "3"
                                     << "optDate" << 3;
    QTest::newRow("time") << "Time"
                          << "1"
                          << "optTime" << 1;
}

void tst_frmOptions::logUseAndTwLoc() {
    QFETCH(QString, logUse);
    QFETCH(QString, twLoc);
    QFETCH(QString, logUseControl);
    QFETCH(int, member);
    TestPlatform tp;
    App& app = *tp.app;
    frmOptions& f = app.window<frmOptions>();
    f.TWLoc[2]->setChecked(true); // a corner left over from an earlier opening
    app.write(Sections::Config, ConfigKeys::LogUse, logUse);
    if (twLoc != "-") app.write(Sections::Config, ConfigKeys::TWLoc, twLoc);
    QVERIFY(f.LoadOptions());
    QVERIFY(child<QRadioButton>(f, logUseControl)->isChecked());
    QVERIFY(f.TWLoc[static_cast<std::size_t>(member)]->isChecked());
}

void tst_frmOptions::loginSeconds_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("final");
    const QString integer = "Please enter an integer";
    const QString range = "Please enter a value between 1 and 65";
    QTest::newRow("cleared") << "" << QStringList{range, integer} << "65";
    QTest::newRow("a word") << "ten" << QStringList{range, integer} << "65";
    QTest::newRow("too big") << "70" << QStringList{range} << "65";
    QTest::newRow("zero") << "0" << QStringList{range} << "65";
    QTest::newRow("fraction in range") << "2.5" << QStringList{} << "2.5";
    QTest::newRow("in range") << "30" << QStringList{} << "30";
}

void tst_frmOptions::loginSeconds() {
    QFETCH(QString, typed);
    QFETCH(QStringList, messages);
    QFETCH(QString, final);
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::Config, ConfigKeys::LoginTimerSecs, "40");
    ShowOptions(app, &app.window<frmMain>());
    frmOptions& f = app.window<frmOptions>();
    QVERIFY(tp.messageBox.shown.isEmpty());
    f.txtLoginSecs->setText(typed);
    QCOMPARE(tp.messageBox.texts(), messages);
    for (const auto& box : tp.messageBox.shown) {
        QCOMPARE(box.title, QStringLiteral("TimeWard"));
        QCOMPARE(box.buttons, MsgButtons::Ok);
        QCOMPARE(box.icon, MsgIcon::Information);
    }
    QCOMPARE(f.txtLoginSecs->text(), final);
    QVERIFY(f.cmdApply->isEnabled());
}

void tst_frmOptions::applyExceptions_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("enables");
    QTest::newRow("chk3MinWarn") << "chk3MinWarn" << false;
    QTest::newRow("OptAsSer") << "OptAsSer_0" << false;
    QTest::newRow("chkTRWindow") << "chkTRWindow" << false;
    QTest::newRow("TWLoc") << "TWLoc_1" << false;
    QTest::newRow("start menu") << "chkStartRun" << false;
    QTest::newRow("control panel") << "chkCPNetwork" << false;
    QTest::newRow("misc") << "chkMDrives" << false;
    QTest::newRow("screen saver display") << "txtSSTO" << false;
    QTest::newRow("chkGenMode") << "chkGenMode" << true;
    QTest::newRow("chkUpScr") << "chkUpScr" << true;
    QTest::newRow("optDate") << "optDate" << true;
    QTest::newRow("txtTimerInterval") << "txtTimerInterval" << true;
    QTest::newRow("cboLoginTA") << "cboLoginTA" << true;
    QTest::newRow("boot option") << "chkBootWin" << true;
    QTest::newRow("windows security") << "chkDisableRunDesktop" << true;
}

void tst_frmOptions::applyExceptions() {
    QFETCH(QString, control);
    QFETCH(bool, enables);
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::Config, ConfigKeys::LogTimeStamp, "1");
    ShowOptions(app, &app.window<frmMain>());
    frmOptions& f = app.window<frmOptions>();
    QVERIFY(!f.cmdApply->isEnabled());
    QWidget* w = child<QWidget>(f, control);
    QVERIFY(w);
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->isEnabled() ? b->click() : b->toggle(); // a box kept for other systems changes by a load
    else if (auto* t = qobject_cast<QLineEdit*>(w))
        t->setText("7");
    else if (auto* c = qobject_cast<QComboBox*>(w))
        c->setCurrentIndex(2);
    QCOMPARE(f.cmdApply->isEnabled(), enables);
}

void tst_frmOptions::enablingRules_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("state");
    QTest::addColumn<QStringList>("controls");
    QTest::addColumn<bool>("enabled"); // after first being put in the opposite state
    const QStringList gen = {"chkDWM", "lbl1", "lbl2", "txtGenAmmt", "chkSAAE"};
    const QStringList timer = {"lblLoginS", "lblLogint", "cboLoginTA", "txtLoginSecs"};
    const QStringList ltf = {"txtltf", "cmdGetFile"};
    const QStringList sss = {"chkLogSSLAU", "chkSTA"};
    const QStringList stamp = {"optTime", "optDate", "optBoth"};
    QTest::newRow("generous ticked") << "chkGenMode" << 1 << gen << true;
    QTest::newRow("generous clear") << "chkGenMode" << 0 << gen << false;
    QTest::newRow("generous greyed") << "chkGenMode" << 2 << gen << false;
    QTest::newRow("login timer ticked") << "chkLoginTimer" << 1 << timer << true;
    QTest::newRow("login timer clear") << "chkLoginTimer" << 0 << timer << false;
    QTest::newRow("login timer greyed") << "chkLoginTimer" << 2 << timer << true;
    QTest::newRow("log file ticked") << "chkLTF" << 1 << ltf << true;
    QTest::newRow("log file clear") << "chkLTF" << 0 << ltf << false;
    QTest::newRow("screen saver ticked") << "chkSSSEnable" << 1 << sss << true;
    QTest::newRow("screen saver clear") << "chkSSSEnable" << 0 << sss << false;
    QTest::newRow("time stamp ticked") << "chkTimeStamp" << 1 << stamp << true;
    QTest::newRow("time stamp clear") << "chkTimeStamp" << 0 << stamp << false;
}

void tst_frmOptions::enablingRules() {
    QFETCH(QString, box);
    QFETCH(int, state);
    QFETCH(QStringList, controls);
    QFETCH(bool, enabled);
    TestPlatform tp;
    frmOptions& f = tp.app->window<frmOptions>();
    auto* b = child<QCheckBox>(f, box);
    QVERIFY(b);
    // The control's own state: a frame kept for other systems may disable it as a whole.
    auto ownEnabled = [&](const QString& c) { return !child<QWidget>(f, c)->testAttribute(Qt::WA_ForceDisabled); };
    SetBoxFromSetting(*b, Setting(enabled ? QStringLiteral("0") : QStringLiteral("1")));
    for (const QString& c : controls)
        QCOMPARE(ownEnabled(c), !enabled);
    SetBoxFromSetting(*b, Setting(QString::number(state)));
    for (const QString& c : controls)
        QCOMPARE(ownEnabled(c), enabled);
}

void tst_frmOptions::optionsWithoutEffectHere_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("note"); // beside it in its frame; empty: it works on this system
    const QString none;
    const QString notWorking = QStringLiteral("Not working in this version.");
    const QString others = QStringLiteral("Other Systems"); // on that tab, which says why once
    // What the program reads and acts on here.
    for (const char* c :
         {"chkACWindows",     "chkSWP",     "chkGenMode",   "txtGenAmmt",     "chkDWM",        "chkSAAE",
          "chkLoadOnStartup", "OptAsSer_0", "OptAsSer_1",   "chkShowSplash",  "chkUpScr",      "chkLogEnable",
          "chkLTF",           "chkLTS",     "chkUserLogin", "chkUserLogout",  "chkTimeOuts",   "chkConfigChange",
          "chkTimeStamp",     "optBoth",    "chk3MinWarn",  "chkBadShutdown", "chkForceLogin", "chkLoginTimer",
          "txtLoginSecs",     "cboLoginTA", "chkAllowT",    "chkAllowW",      "chkTRWindow",   "TWLoc_2"})
        QTest::newRow(c) << c << none;
    // The clock charges the seconds that really pass, whatever the interval.
    QTest::newRow("txtTimerInterval") << "txtTimerInterval" << kNoEffectNote;
    // Nothing reads these anywhere.
    for (const char* c : {"chkSSSEnable", "chkSTA", "chkLogSSLAU"})
        QTest::newRow(c) << c << notWorking;
    // The boot options go to a start-up file that this system does not read.
    for (const char* c : {"chkBootWin", "chkBootDelay", "chkBStart"})
        QTest::newRow(c) << c << kNoEffectNote;
    // The restriction switches are recorded, and reach nothing on this desktop.
    for (const char* c :
         {"chkDisableRunDesktop", "chkDisableMouse", "chkDisableTaskSwitch", "chkStartRun", "chkStartShutdown",
          "chkCPPrinterGeneralandDetails", "chkCPNetwork", "chkMPassword", "chkMDrives"})
        QTest::newRow(c) << c << others;
}

void tst_frmOptions::optionsWithoutEffectHere() {
    QFETCH(QString, control);
    QFETCH(QString, note);
    const QString others = QStringLiteral("Other Systems");
    TestPlatform tp;
    App& app = *tp.app;
    // Ticked in the store: a box that cannot be changed still shows, and saves, its value.
    app.write(Sections::Config, ConfigKeys::SSSEnable, "1");
    app.write(Sections::Config, ConfigKeys::LoginTimer, "1");
    app.write(Sections::Config, ConfigKeys::GenMode, "1");
    app.write(Sections::Config, ConfigKeys::LogTFOn, "1");
    app.write(Sections::Config, ConfigKeys::LogTimeStamp, "1");
    app.write(Sections::Security, "StartRun", "1");
    frmOptions& f = app.window<frmOptions>();
    QVERIFY(f.LoadOptions());
    QWidget* w = child<QWidget>(f, control);
    QVERIFY(w);
    const bool hasEffect = note.isEmpty();
    QCOMPARE(w->isEnabled(), hasEffect);

    // The note stands in the control's own frame, and only there: no tab is headed by one.
    auto* frame = qobject_cast<QGroupBox*>(w->parentWidget());
    while (w->parentWidget() && !frame && w->parentWidget() != &f) {
        w = w->parentWidget();
        frame = qobject_cast<QGroupBox*>(w->parentWidget());
    }
    QVERIFY(frame);
    auto* beside = frame->findChild<QLabel*>("lblNoEffect", Qt::FindDirectChildrenOnly);
    const bool otherSystems = f.SSTab1->widget(5)->isAncestorOf(frame);
    QCOMPARE(otherSystems, note == others);
    if (hasEffect || otherSystems) {
        QVERIFY(!beside);
    } else {
        QVERIFY(beside);
        QCOMPARE(beside->text(), note);
    }
    for (QLabel* l : f.findChildren<QLabel*>("lblNoEffect")) {
        QVERIFY(qobject_cast<QGroupBox*>(l->parentWidget()));
        for (QWidget* sibling : l->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY(sibling == l || !sibling->isEnabled());
    }
    // One sentence says why the other systems' pages are kept, and every option there is fixed.
    QCOMPARE(f.SSTab1->tabText(5), others);
    QCOMPARE(f.SSTab1->widget(5)->findChildren<QLabel*>("lblOtherSystems").size(), 1);
    for (QCheckBox* b : f.otherSystems->findChildren<QCheckBox*>())
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));

    if (!hasEffect) {
        QVERIFY(f.SaveOptions());
        QCOMPARE(app.read(Sections::Security, "StartRun").text(), QStringLiteral("1"));
        QCOMPARE(app.read(Sections::Config, ConfigKeys::SSSEnable).text(), QStringLiteral("1"));
    }
}

void tst_frmOptions::preferencesLogNamesTheParent_data() {
    QTest::addColumn<QString>("logEConfig");
    QTest::addColumn<QStringList>("logged");
    QTest::newRow("on") << "1" << QStringList{"Ann changed the preferences"};
    QTest::newRow("off") << "0" << QStringList{};
}

void tst_frmOptions::preferencesLogNamesTheParent() {
    QFETCH(QString, logEConfig);
    QFETCH(QStringList, logged);
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::Config, ConfigKeys::CurrUser, "Ann");
    app.write(Sections::Config, ConfigKeys::LogEnable, "1");
    app.write(Sections::Config, ConfigKeys::LogTimeStamp, "0");
    app.write(Sections::Config, ConfigKeys::LogEConfig, logEConfig);
    frmOptions& f = app.window<frmOptions>();
    QVERIFY(f.LoadOptions());
    QVERIFY(f.SaveOptions());
    QCOMPARE(LastingLogTail(app.paths(), 10), logged);
}

void tst_frmOptions::bootOptions() {
    TestPlatform tp;
    App& app = *tp.app;
    frmOptions& f = app.window<frmOptions>();
    // A missing file leaves the boxes as they are, without a word.
    f.chkBStart->setCheckState(Qt::Checked);
    QVERIFY(f.LoadOptions());
    QCOMPARE(f.chkBStart->checkState(), Qt::Checked);
    QVERIFY(tp.messageBox.shown.isEmpty());

    putSys(tp, "[Paths]\r\nWinDir=C:\\WINDOWS\r\n[Options]\r\nBootDelay=2\r\nBootGUI=yes\r\nBootWin=0\r\n");
    f.chkBootWin->setCheckState(Qt::Checked);
    QVERIFY(f.LoadOptions());
    QCOMPARE(f.chkBootDelay->checkState(), Qt::PartiallyChecked);
    QCOMPARE(f.chkBStart->checkState(), Qt::Checked); // a word leaves the box
    QCOMPARE(f.chkBootWin->checkState(), Qt::Unchecked);
    QVERIFY(f.SaveOptions());
    QCOMPARE(ReadBootOption(app, BootOptions::BootDelay), QStringLiteral("2"));
    QCOMPARE(ReadBootOption(app, BootOptions::BootGUI), QStringLiteral("1"));
    QCOMPARE(ReadBootOption(app, BootOptions::BootWin), QStringLiteral("0"));
    QFile sys(sysFile(tp));
    QVERIFY(sys.open(QIODevice::ReadOnly));
    QVERIFY(sys.readAll().startsWith("[Paths]\r\nWinDir=C:\\WINDOWS\r\n[Options]\r\n"));
}

void tst_frmOptions::bootOptionOutOfRangeStillLoadsTheRest() {
    TestPlatform tp;
    App& app = *tp.app;
    putSys(tp, "[Options]\r\nBootDelay=7\r\nBootGUI=1\r\n");
    app.write(Sections::Config, ConfigKeys::TRWindow, "1");
    tp.messageBox.answers << MsgAnswer::Ignore << MsgAnswer::No;
    frmOptions& f = app.window<frmOptions>();
    QVERIFY(f.LoadOptions());
    QCOMPARE(tp.messageBox.shown.size(), 2);
    QCOMPARE(tp.messageBox.shown[0].title, QStringLiteral("Error!"));
    QVERIFY(tp.messageBox.shown[0].text.contains("Error 380: Invalid property value"));
    QCOMPARE(f.chkBootDelay->checkState(), Qt::Unchecked);
    QCOMPARE(f.chkBStart->checkState(), Qt::Checked);
    QCOMPARE(f.chkTRWindow->checkState(), Qt::Checked);
    QVERIFY(tp.process.exitCodes.isEmpty());
}

void tst_frmOptions::badStoredValueIsReportedAndSkipped() {
    TestPlatform tp;
    App& app = *tp.app;
    app.write(Sections::Config, ConfigKeys::GenMode, "maybe");
    app.write(Sections::Config, ConfigKeys::GenDWM, "1");
    tp.messageBox.answers << MsgAnswer::Retry << MsgAnswer::Ignore << MsgAnswer::No;
    frmOptions& f = app.window<frmOptions>();
    QVERIFY(f.LoadOptions());
    QCOMPARE(tp.messageBox.shown.size(), 3); // the prompt twice (Retry, then Ignore), the mail question
    QVERIFY(tp.messageBox.shown[0].text.contains("Error 13: Type mismatch"));
    QCOMPARE(f.chkDWM->checkState(), Qt::Checked);
}

void tst_frmOptions::registration() {
    TestPlatform tp;
    App& app = *tp.app;
    ShowOptions(app, &app.window<frmMain>());
    frmOptions& f = app.window<frmOptions>();
    f.chkLoadOnStartup->click();
    f.OptAsSer[0]->click();
    f.cmdOk->click();
    QCOMPARE(app.read(Sections::Config, ConfigKeys::AsService).text(), QStringLiteral("True"));
    QCOMPARE(app.read(Sections::Config, ConfigKeys::LoadOnStartup).text(), QStringLiteral("1"));
    const auto services = app.store.registry().queryValue(RegRoot::LocalMachine, RunKeys::RunServices, "TimeWard");
    QVERIFY(services);
    QCOMPARE(services->data.toString(), tp.platform.paths.programFolder + "/timeward");
    QCOMPARE(app.store.registry().queryValue(RegRoot::LocalMachine, RunKeys::Run, "TimeWard")->data.toString(),
             QString());
    QVERIFY(QFile::exists(m_xdg.filePath("etc/autostart/timeward.desktop")));
}

void tst_frmOptions::controllerTimerKeepsItsState_data() {
    QTest::addColumn<bool>("running");
    QTest::newRow("running") << true;
    QTest::newRow("switched off") << false;
}

void tst_frmOptions::controllerTimerKeepsItsState() {
    QFETCH(bool, running);
    TestPlatform tp;
    App& app = *tp.app;
    QTimer* t1 = app.window<frmSecret>().T1;
    app.model.beginSession();
    app.model.setCountingEnabled(running); // the main window's "&Enabled"
    frmOptions& f = app.window<frmOptions>();
    QVERIFY(f.LoadOptions());
    QVERIFY(f.SaveOptions());
    // Paused for the save only: a controller switched off stays off.
    QCOMPARE(t1->isActive(), running);
    app.model.endSession();
}

void tst_frmOptions::getFile() {
    TestPlatform tp;
    App& app = *tp.app;
    frmOptions& f = app.window<frmOptions>();
    f.chkLTF->click(); // the button is available only with "Log To File" ticked
    f.txtltf->setText("/old.log");
    tp.filePicker.next << "/home/parent/tw.log";
    f.cmdGetFile->click();
    QCOMPARE(f.txtltf->text(), QStringLiteral("/home/parent/tw.log"));
    QCOMPARE(tp.filePicker.asked.size(), 1);
    QVERIFY(tp.filePicker.asked[0].startsWith("Log File|Log Files (*.log);;Text Files (*.txt);;All Files (*.*)"));
    f.cmdGetFile->click(); // cancelled
    QCOMPARE(f.txtltf->text(), QStringLiteral("/home/parent/tw.log"));
}

void tst_frmOptions::screenSaverStatus() {
    TestPlatform tp;
    App& app = *tp.app;
    // The X server's screen saver, without a power-saving extension.
    ScreenSaverSettings saver{true, 600, {}, {}, {}, {}};

    emit app.model.timeLeftChanged();
    QVERIFY(!app.isLoaded("frmOptions")); // never created by the tick

    ShowOptions(app, &app.window<frmMain>());
    frmOptions& f = app.window<frmOptions>();
    f.screenSaverSource = [&saver] { return saver; };
    emit app.model.timeLeftChanged(); // "UpScr" absent: no refresh
    QCOMPARE(f.txtSSActive->text(), QString());

    app.write(Sections::Config, ConfigKeys::UpScr, "1");
    emit app.model.timeLeftChanged();
    QCOMPARE(f.txtSSActive->text(), QStringLiteral("True"));
    QCOMPARE(f.txtSSTO->text(), QStringLiteral("600"));
    QCOMPARE(f.txtPOA->text(), kNotAvailable);
    QCOMPARE(f.txtLPA->text(), kNotAvailable);
    QVERIFY(!f.cmdApply->isEnabled());

    f.cmdCancel->click();
    saver.timeout = 60;
    emit app.model.timeLeftChanged(); // hidden: the boxes keep what they showed
    QCOMPARE(f.txtSSTO->text(), QStringLiteral("600"));
}

TW_TEST(tst_frmOptions)
#include "tst_frmOptions.moc"
