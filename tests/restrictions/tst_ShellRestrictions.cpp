#include "TestPlatform.h"
#include "TestRegistry.h"
#include "restrictions/DisablePro.h"
#include "restrictions/ShellRestrictions.h"
#include "storage/ConfigKeys.h"

#include <QFile>
#include <QObject>
#include <QTest>

using Write = DisablePro::Write;
Q_DECLARE_METATYPE(QList<Write>)

namespace QTest {
template <> char* toString(const Write& w) {
    return qstrdup(QStringLiteral("%1.%2=%3").arg(w.object).arg(w.member).arg(w.on).toUtf8().constData());
}
} // namespace QTest

namespace {
// The controller window's six controls, without the window.
struct Controls {
    explicit Controls(TestPlatform& tp, bool withFile = true) {
        if (withFile) record->stateFile = tp.dataFile(QStringLiteral("restrictions.state"));
        DisablePro::linkStateFile({&z, &startMenu, &controlPanel, &misc});
        tp.app->model.setRestrictionControls(controls());
    }
    RestrictionControls controls() { return {&z, &startMenu, &controlPanel, &misc, &picture1, &lblDDE}; }
    QList<Write> writes() const { return record->writes; }
    void clearWrites() { record->writes.clear(); }

    std::shared_ptr<DisablePro::Record> record = std::make_shared<DisablePro::Record>();
    DisablePro z{DisablePro::Kind::Disable, QStringLiteral("DisableZ"), record};
    DisablePro startMenu{DisablePro::Kind::DisableStartMenu, QStringLiteral("DisableStartMenu1"), record};
    DisablePro controlPanel{DisablePro::Kind::DisableControlPanel, QStringLiteral("DisableControlPanel1"), record};
    DisablePro misc{DisablePro::Kind::DisableMisc, QStringLiteral("DisableMisc1"), record};
    QObject picture1;
    QObject lblDDE;
};

Write z(int m, bool on) {
    return {QStringLiteral("DisableZ"), m, on};
}
} // namespace

class tst_ShellRestrictions : public QObject {
    Q_OBJECT
private slots:
    void loginScreenWritesEverySwitch_data();
    void loginScreenWritesEverySwitch();
    void runRestrictionsWithNothingStored();
    void runRestrictionsSwitchTaskbarOffThenOn();
    void runRestrictionsWriteOtherControlsOnlyOnChange();
    void holdThenReleaseRestoresPriorStates_data();
    void holdThenReleaseRestoresPriorStates();
    void nestedHoldAndStrayRelease();
    void liftWritesEndMembersAndOnlySwitchesThatAreOn();
    void stateFileShowsAndCarriesTheStates();
    void dispatchIdentifiersAndUnknownMembers();
};

void tst_ShellRestrictions::loginScreenWritesEverySwitch_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QList<Write>>("expected");
    const auto allOffBut = [](int member) {
        QList<Write> w;
        for (int m : {5, 7, 4, 2, 6, 8, 9, 3})
            w << z(m, m == member);
        return w;
    };
    QTest::newRow("nothing stored") << QString() << QString() << allOffBut(-1);
    QTest::newRow("desktop") << ConfigKeys::DisableDesktop << "1" << allOffBut(5);
    QTest::newRow("tray clock") << ConfigKeys::DisableTrayClock << "1" << allOffBut(3);
    QTest::newRow("task switch 01") << ConfigKeys::DisableTaskSwitch << "01" << allOffBut(9);
    QTest::newRow("mouse True is not 1") << ConfigKeys::DisableMouse << "True" << allOffBut(-1);
    QTest::newRow("run key does not count") << ConfigKeys::DisableRunDesktop << "1" << allOffBut(-1);
}

void tst_ShellRestrictions::loginScreenWritesEverySwitch() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QList<Write>, expected);
    TestPlatform tp;
    Controls c(tp);
    if (!key.isEmpty()) tp.app->write(Sections::Config, key, value);
    // Switches already in the wanted state are written all the same.
    ApplyLoginScreenRestrictions(*tp.app);
    ApplyLoginScreenRestrictions(*tp.app);
    QCOMPARE(c.writes(), expected + expected);
}

void tst_ShellRestrictions::runRestrictionsWithNothingStored() {
    TestPlatform tp;
    Controls c(tp);
    ApplyRunRestrictions(*tp.app);
    QList<Write> expected;
    for (int pass = 0; pass < 2; ++pass)
        for (int m : {5, 7, 4, 2, 6, 8, 9, 3})
            expected << z(m, false);
    QCOMPARE(c.writes(), expected);
    for (int m = 0; m < 11; ++m)
        QVERIFY(!c.z.member(m));
}

void tst_ShellRestrictions::runRestrictionsSwitchTaskbarOffThenOn() {
    TestPlatform tp;
    Controls c(tp);
    tp.app->write(Sections::Config, ConfigKeys::DisableTaskbar, "1");
    tp.app->write(Sections::Config, ConfigKeys::DisableRunTaskbar, "1");
    tp.app->write(Sections::Config, ConfigKeys::DisableRunTrayClock, "1");
    ApplyLoginScreenRestrictions(*tp.app);
    QVERIFY(c.z.member(8));
    c.clearWrites();
    ApplyRunRestrictions(*tp.app);
    QList<Write> expected;
    for (int m : {5, 7, 4, 2, 6, 8, 9, 3})
        expected << z(m, false);
    for (int m : {5, 7, 4, 2, 6, 8, 9, 3})
        expected << z(m, m == 8 || m == 3);
    QCOMPARE(c.writes(), expected);
    QVERIFY(c.z.member(8));
    QVERIFY(c.z.member(3));
}

void tst_ShellRestrictions::runRestrictionsWriteOtherControlsOnlyOnChange() {
    TestPlatform tp;
    Controls c(tp);
    App& app = *tp.app;
    app.write(Sections::Security, SecurityKeys::StartMenu[0], "1");     // StartRun: member 4
    app.write(Sections::Security, SecurityKeys::StartMenu[4], "1");     // StartTaskbarSettings: member 0
    app.write(Sections::Security, SecurityKeys::ControlPanel[18], "1"); // CPDisplay: member 1
    app.write(Sections::Security, SecurityKeys::ControlPanel[12], "1"); // CPHardwareProfiles: member 0
    app.write(Sections::Security, SecurityKeys::Misc[9], "1");          // chkMWorkgroup: member 3
    c.startMenu.setMember(4, true);                                     // Run already off
    c.misc.setMember(7, true);                                          // Registry tools on, but not wanted any more
    c.clearWrites();

    ApplyRunRestrictions(app);
    const QList<Write> all = c.writes();
    const QList<Write> others(all.begin() + 16, all.end());
    // In the order of the keys: Start menu, Control Panel, misc; the Run switch is left alone.
    const QList<Write> expected = {
        {QStringLiteral("DisableStartMenu1"), 0, true},    {QStringLiteral("DisableControlPanel1"), 0, true},
        {QStringLiteral("DisableControlPanel1"), 1, true}, {QStringLiteral("DisableMisc1"), 7, false},
        {QStringLiteral("DisableMisc1"), 3, true},
    };
    QCOMPARE(others, expected);

    // Applied again, nothing has to change outside the Disable control.
    c.clearWrites();
    ApplyRunRestrictions(app);
    QCOMPARE(c.writes().size(), 16);
}

void tst_ShellRestrictions::holdThenReleaseRestoresPriorStates_data() {
    QTest::addColumn<bool>("taskSwitch");
    QTest::addColumn<bool>("taskbar");
    QTest::addColumn<bool>("desktop");
    for (int bits = 0; bits < 8; ++bits)
        QTest::addRow("9=%d 8=%d 5=%d", bits & 1, (bits >> 1) & 1, (bits >> 2) & 1)
            << bool(bits & 1) << bool(bits & 2) << bool(bits & 4);
}

void tst_ShellRestrictions::holdThenReleaseRestoresPriorStates() {
    QFETCH(bool, taskSwitch);
    QFETCH(bool, taskbar);
    QFETCH(bool, desktop);
    TestPlatform tp;
    Controls c(tp);
    c.z.setMember(9, taskSwitch);
    c.z.setMember(8, taskbar);
    c.z.setMember(5, desktop);
    c.z.setMember(3, true);
    c.clearWrites();

    HoldShellRestrictions(*tp.app, true);
    QCOMPARE(c.writes(), (QList<Write>{z(9, true), z(8, true), z(5, true)}));
    const auto text = [](bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); };
    QCOMPARE(c.z.tag(), text(taskSwitch));
    QCOMPARE(c.picture1.property(kTagProperty).toString(), text(taskbar));
    QCOMPARE(c.lblDDE.property(kTagProperty).toString(), text(desktop));

    c.clearWrites();
    HoldShellRestrictions(*tp.app, false);
    QCOMPARE(c.writes(), (QList<Write>{z(9, taskSwitch), z(8, taskbar), z(5, desktop)}));
    QCOMPARE(c.z.member(9), taskSwitch);
    QCOMPARE(c.z.member(8), taskbar);
    QCOMPARE(c.z.member(5), desktop);
    QVERIFY(c.z.member(3));
}

void tst_ShellRestrictions::nestedHoldAndStrayRelease() {
    TestPlatform tp;
    Controls c(tp);
    // A release without a hold has nothing to put back.
    c.z.setMember(8, true);
    HoldShellRestrictions(*tp.app, false);
    QVERIFY(c.z.member(8));
    c.z.setMember(8, false);

    // A second hold while the first is open must not take the forced states for the saved ones.
    HoldShellRestrictions(*tp.app, true);
    HoldShellRestrictions(*tp.app, true);
    HoldShellRestrictions(*tp.app, false);
    QVERIFY(c.z.member(9) && c.z.member(8) && c.z.member(5)); // the outer box is still up
    HoldShellRestrictions(*tp.app, false);
    QVERIFY(!c.z.member(9) && !c.z.member(8) && !c.z.member(5));
}

void tst_ShellRestrictions::liftWritesEndMembersAndOnlySwitchesThatAreOn() {
    TestPlatform tp;
    Controls c(tp);
    c.z.setMember(3, true);
    c.z.setMember(5, true);
    c.startMenu.setMember(4, true);
    c.startMenu.setMember(2, true);
    c.controlPanel.setMember(1, true);
    c.misc.setMember(0, true);
    c.clearWrites();

    LiftAllRestrictions(*tp.app);
    const QList<Write> expected = {
        z(10, false),
        {QStringLiteral("DisableControlPanel1"), 19, false},
        {QStringLiteral("DisableStartMenu1"), 5, false},
        {QStringLiteral("DisableMisc1"), 10, false},
        z(5, false),
        z(3, false),
        {QStringLiteral("DisableStartMenu1"), 2, false},
        {QStringLiteral("DisableStartMenu1"), 4, false},
        {QStringLiteral("DisableControlPanel1"), 1, false},
        {QStringLiteral("DisableMisc1"), 0, false},
    };
    QCOMPARE(c.writes(), expected);
}

void tst_ShellRestrictions::stateFileShowsAndCarriesTheStates() {
    TestPlatform tp;
    tp.app->write(Sections::Config, ConfigKeys::DisableDesktop, "1");
    {
        Controls c(tp);
        ApplyLoginScreenRestrictions(*tp.app);
        c.controlPanel.setMember(19, true);
    }
    const QStringList lines = tp.fileLines(tp.dataFile(QStringLiteral("restrictions.state")));
    QString text;
    for (const QString& l : lines)
        text += l + QLatin1Char('\n');
    const QStringList file = text.split(QLatin1Char('\n'));
    const qsizetype z = file.indexOf(QStringLiteral("[DisableZ]"));
    QVERIFY(z >= 0);
    QVERIFY(file.contains(QStringLiteral("Class=DisablePro.Disable")));
    QCOMPARE(file.value(z + 3 + 5), QStringLiteral("Member5=True"));
    QCOMPARE(file.value(z + 3 + 7), QStringLiteral("Member7=False"));

    // The next run finds the shell as this one left it, and lifting clears it.
    Controls again(tp);
    QVERIFY(again.z.member(5));
    QVERIFY(again.controlPanel.member(19));
    LiftAllRestrictions(*tp.app);
    QVERIFY(!again.z.member(5));
    QVERIFY(!again.controlPanel.member(19));
    QFile f(tp.dataFile(QStringLiteral("restrictions.state")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(!f.readAll().contains("=True"));
}

void tst_ShellRestrictions::dispatchIdentifiersAndUnknownMembers() {
    TestPlatform tp;
    Controls c(tp, false);
    QCOMPARE(DisablePro::dispatchId(9), 0x68030009u);
    c.z.setProperty(0x68030009u, true);
    QVERIFY(c.z.member(9));
    QVERIFY(c.z.property(0x68030009u));
    // Members the object does not have are refused without a word.
    c.clearWrites();
    c.startMenu.setMember(6, true);
    c.z.setMember(-1, true);
    QVERIFY(!c.startMenu.member(6));
    QVERIFY(c.writes().isEmpty());
    QCOMPARE(DisablePro::memberCount(DisablePro::Kind::DisableControlPanel), 20);
}

TW_TEST(tst_ShellRestrictions)
#include "tst_ShellRestrictions.moc"
