#include "TestPlatform.h"
#include "TestRegistry.h"
#include "storage/ConfigKeys.h"
#include "storage/Migration.h"
#include "users/UserKeys.h"

#include <QElapsedTimer>
#include <QTest>

using namespace ConfigKeys;

namespace {
// The "Config" keys the steps from "0.9.5" to "1.1.1" lay down, with their defaults.
QList<std::pair<QString, QString>> configDefaults() {
    QList<std::pair<QString, QString>> d = {{AllowW, "0"},
                                            {AllowT, "1"},
                                            {LoginTimer, "0"},
                                            {LoginTimerSecs, "60"},
                                            {LoginTimerTA, "Restart Windows"},
                                            {ForceLogin, "0"},
                                            {AllowChangePW, "0"},
                                            {UpScr, "0"},
                                            {BadShutdownWarn, "1"},
                                            {ThreeMinWarn, "0"},
                                            {AsService, "1"},
                                            {TWLoc, "0"},
                                            {TRWindow, "0"}};
    for (const QString& k : LoginScreenDisables)
        d.append({k, QStringLiteral("0")});
    for (const QString& k : RunDisables)
        d.append({k, QStringLiteral("0")});
    return d;
}

void setLegacy(App& app, const QString& section, const QString& key, const QString& value) {
    app.store.SetRegistryValue(RegRoot::CurrentUser, kLegacySettingsPath + QLatin1Char('\\') + section, key, value,
                               REG_SZ);
}

void markDone(App& app, const QStringList& marks) {
    for (const QString& m : marks)
        app.write(Sections::Compatability, m, QStringLiteral("True"));
}

QStringList marksUpTo(const QString& last) {
    QStringList m;
    for (const QString& s : CompatabilityKeys::Steps) {
        if (s == QLatin1String("1.1")) continue;
        m << s;
        if (s == last) break;
    }
    return m;
}

void addUser(App& app, int n) {
    app.write(Sections::User(n), UserKeys::Number, n);
    app.write(Sections::User(n), UserKeys::Name, QStringLiteral("U%1").arg(n));
}
} // namespace

class tst_Migration : public QObject {
    Q_OBJECT
private slots:
    void newInstallation();
    void secondStartRunsNothing();
    void upgradeFromLegacyArea();
    void onlyMissingStepRuns();
    void perUserStepsCoverExistingUsers();
    void legacyUserCount_data();
    void legacyUserCount();
};

void tst_Migration::newInstallation() {
    TestPlatform tp;
    App& app = *tp.app;
    const quint64 commitsBefore = app.store.registry().commits();
    MigrateSettings(app);
    // Every step lands in one transaction.
    QCOMPARE(app.store.registry().commits() - commitsBefore, quint64(1));
    for (const QString& m : CompatabilityKeys::Steps)
        QCOMPARE(app.read(Sections::Compatability, m).text(), QStringLiteral("True"));
    for (const auto& [key, value] : configDefaults())
        QCOMPARE(app.read(Sections::Config, key).text(), value);
    QVERIFY(!app.store.registry().keyExists(RegRoot::LocalMachine,
                                            SettingsStore::SectionPath(kAppName, Sections::User(1))));
    QCOMPARE(app.read(Sections::Config, CurrentNumberOfUsers).text(), QStringLiteral("0"));
    QVERIFY(tp.messageBox.shown.isEmpty());
}

void tst_Migration::secondStartRunsNothing() {
    TestPlatform tp;
    App& app = *tp.app;
    MigrateSettings(app);
    addUser(app, 1);
    app.write(Sections::User(1), UserKeys::UserChangePW, 1);
    app.write(Sections::User(1), UserKeys::TimeRestriction, 1);
    app.write(Sections::Config, AsService, 0);
    const quint64 commitsBefore = app.store.registry().commits();
    MigrateSettings(app);
    QCOMPARE(app.store.registry().commits(), commitsBefore);
    QCOMPARE(app.read(Sections::User(1), UserKeys::UserChangePW).text(), QStringLiteral("1"));
    QCOMPARE(app.read(Sections::User(1), UserKeys::TimeRestriction).text(), QStringLiteral("1"));
    QVERIFY(app.read(Sections::User(1), UserKeys::LaunchProgram).isAbsent());
    QCOMPARE(app.read(Sections::Config, AsService).text(), QStringLiteral("0"));
}

void tst_Migration::upgradeFromLegacyArea() {
    TestPlatform tp;
    App& app = *tp.app;
    for (const QString& m : marksUpTo(QStringLiteral("1.0.3")))
        setLegacy(app, Sections::Compatability, m, QStringLiteral("True"));
    setLegacy(app, Sections::Config, AsService, QStringLiteral("0"));
    setLegacy(app, Sections::Config, LogUse, QStringLiteral("Both"));
    setLegacy(app, Sections::Config, CurrentNumberOfUsers, QStringLiteral("2"));
    setLegacy(app, Sections::WindowMetrics, QStringLiteral("frmMain Top"), QStringLiteral("1200"));
    setLegacy(app, Sections::User(1), UserKeys::Name, QStringLiteral("Ann"));
    setLegacy(app, Sections::User(1), UserKeys::Number, QStringLiteral("1"));
    setLegacy(app, Sections::User(1), UserKeys::ListPassword(1), QStringLiteral("1102"));
    setLegacy(app, Sections::User(2), UserKeys::Name, QStringLiteral("Bob"));
    app.store.SetRegistryValue(RegRoot::CurrentUser, kLegacySettingsPath + QStringLiteral("\\Users\\2"),
                               UserKeys::ParentRights, QStringLiteral("1"), REG_DWORD);

    MigrateSettings(app);

    // The move: every section arrives, and survives the step.
    QCOMPARE(app.read(Sections::Config, LogUse).text(), QStringLiteral("Both"));
    QCOMPARE(app.read(Sections::WindowMetrics, QStringLiteral("frmMain Top")).text(), QStringLiteral("1200"));
    QCOMPARE(app.read(Sections::User(1), UserKeys::Name).text(), QStringLiteral("Ann"));
    QCOMPARE(app.read(Sections::User(1), UserKeys::ListPassword(1)).text(), QStringLiteral("1102"));
    QCOMPARE(app.read(Sections::User(2), UserKeys::Name).text(), QStringLiteral("Bob"));
    QCOMPARE(app.read(Sections::User(2), UserKeys::ParentRights).text(), QStringLiteral("1"));
    // Only "1.1.1" ran after it.
    QCOMPARE(app.read(Sections::Compatability, QStringLiteral("1.1.1")).text(), QStringLiteral("True"));
    QCOMPARE(app.read(Sections::Config, TWLoc).text(), QStringLiteral("0"));
    QCOMPARE(app.read(Sections::Config, TRWindow).text(), QStringLiteral("0"));
    QCOMPARE(app.read(Sections::Config, AsService).text(), QStringLiteral("0"));
    QVERIFY(app.read(Sections::Config, ThreeMinWarn).isAbsent());
    QVERIFY(app.read(Sections::Config, DisableDesktop).isAbsent());
    QVERIFY(app.read(Sections::User(1), UserKeys::TimeRestriction).isAbsent());
    QVERIFY(app.read(Sections::User(2), UserKeys::UserChangePW).isAbsent());
}

void tst_Migration::onlyMissingStepRuns() {
    TestPlatform tp;
    App& app = *tp.app;
    QStringList marks(CompatabilityKeys::Steps.begin(), CompatabilityKeys::Steps.end());
    marks.removeAll(QStringLiteral("0.9.9d"));
    markDone(app, marks);
    MigrateSettings(app);
    for (const QString& k : LoginScreenDisables)
        QCOMPARE(app.read(Sections::Config, k).text(), QStringLiteral("0"));
    for (const QString& k : RunDisables)
        QCOMPARE(app.read(Sections::Config, k).text(), QStringLiteral("0"));
    QCOMPARE(app.read(Sections::Compatability, QStringLiteral("0.9.9d")).text(), QStringLiteral("True"));
    QCOMPARE(app.store.registry()
                 .values(RegRoot::LocalMachine, SettingsStore::SectionPath(kAppName, Sections::Config))
                 .size(),
             16);
}

void tst_Migration::perUserStepsCoverExistingUsers() {
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1);
    addUser(app, 2);
    markDone(app, {QStringLiteral("1.1")});
    MigrateSettings(app);
    const QList<std::pair<QString, QString>> expected = {{UserKeys::LaunchProgram, "0"},
                                                         {UserKeys::LaunchProgramProg, ""},
                                                         {UserKeys::OptSingle, "1"},
                                                         {UserKeys::OptMult, "0"},
                                                         {UserKeys::RefreshPW, "1"},
                                                         {UserKeys::DisablePW, "0"},
                                                         {UserKeys::RefreshTimePW, "1"},
                                                         {UserKeys::LoginProg, "0"},
                                                         {UserKeys::LoginProgLoc, ""},
                                                         {UserKeys::LoginDisplayMessage, "0"},
                                                         {UserKeys::LoginDisplayMessageText, ""},
                                                         {UserKeys::LoginPlaySound, "0"},
                                                         {UserKeys::LoginPlaySoundSoundLocation, ""},
                                                         {UserKeys::LoginWTTL, "0"},
                                                         {UserKeys::LoginWTTLText, ""},
                                                         {UserKeys::LogoutProgOnQuit, "0"},
                                                         {UserKeys::UserChangePW, "0"},
                                                         {UserKeys::TimeRestriction, "0"},
                                                         {UserKeys::TimeRestrictionAmmt, "0"}};
    for (int n = 1; n <= 2; ++n)
        for (const auto& [key, value] : expected) {
            const Setting s = app.read(Sections::User(n), key);
            QVERIFY2(!s.isAbsent(), qPrintable(key));
            QCOMPARE(s.text(), value);
        }
    QVERIFY(!app.store.registry().keyExists(RegRoot::LocalMachine,
                                            SettingsStore::SectionPath(kAppName, Sections::User(3))));
}

void tst_Migration::legacyUserCount_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("copied");
    QTest::newRow("as many as stored") << "2" << 2;
    QTest::newRow("fewer than stored") << "1" << 1;
    QTest::newRow("not a number") << "abc" << 0;
    QTest::newRow("negative") << "-4" << 0;
    QTest::newRow("huge stops at the last record") << "2000000000" << 2;
}

void tst_Migration::legacyUserCount() {
    QFETCH(QString, count);
    QFETCH(int, copied);
    TestPlatform tp;
    App& app = *tp.app;
    setLegacy(app, Sections::Config, CurrentNumberOfUsers, count);
    setLegacy(app, Sections::User(1), UserKeys::Name, QStringLiteral("Ann"));
    setLegacy(app, Sections::User(2), UserKeys::Name, QStringLiteral("Bob"));
    QElapsedTimer t;
    t.start();
    MigrateSettings(app);
    QVERIFY(t.elapsed() < 10000);
    for (int n = 1; n <= 2; ++n)
        QCOMPARE(app.read(Sections::User(n), UserKeys::Name).isAbsent(), n > copied);
}

TW_TEST(tst_Migration)
#include "tst_Migration.moc"
