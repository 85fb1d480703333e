#include "LoginFixture.h"
#include "TestRegistry.h"
#include "login/LoginValidation.h"
#include "login/frmAskParent.h"
#include "login/frmLogin.h"
#include "program/frmSecret.h"
#include "timekeeping/SessionClock.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace ConfigKeys;

// "Ask a parent…" at the login window: a parent's name and password give a refused child
// minutes, without a parent session; wrong tries are refused as the login refuses them and
// counted, and five in a row rest the button for a minute.
class tst_frmAskParent : public QObject {
    Q_OBJECT
private slots:
    void parentGivesMinutes_data();
    void parentGivesMinutes();
    void restAfterFiveWrongTries();
    void minutesGivenOnce();
    void hourRefusalGetsALeave();
    void hourLeaveHasItsMinutes_data();
    void hourLeaveHasItsMinutes();
    void noButtonForOtherRefusals();
};

namespace {
struct Fixture {
    TestPlatform tp;
    App& app = *tp.app;
    QString log = tp.dataFile(QStringLiteral("chosen.log"));

    explicit Fixture(const KeyValues& kid = {{UserKeys::FreeHours, "00"}}) {
        app.write(Sections::Config, LogEnable, "1");
        app.write(Sections::Config, LogTFOn, "1");
        app.write(Sections::Config, LogTFFile, log);
        addUser(app, 1, QStringLiteral("Ann"), QStringLiteral("mum"), {{UserKeys::ParentRights, "1"}});
        addUser(app, 2, QStringLiteral("Kid"), QStringLiteral("k"), kid);
        addUser(app, 3, QStringLiteral("Dad"), QStringLiteral("x"), {{UserKeys::ParentRights, "1"}});
        setPasswordList(app, 3, {QStringLiteral("one"), QStringLiteral("two")}, {QStringLiteral("1"), QString()});
    }
    frmLogin& refused() {
        frmLogin& w = app.window<frmLogin>();
        w.setListIndex(1);
        w.txtPW->setText(QStringLiteral("k"));
        w.Command1->click();
        return w;
    }
    frmAskParent& ask(frmLogin& w, const QString& parent, const QString& password, const QString& minutes = "15") {
        w.cmdAskParent->click();
        frmAskParent& d = *w.askParent();
        d.cboParent->setEditText(parent);
        d.txtParentPW->setText(password);
        d.cboMinutes->setEditText(minutes);
        d.cmdGive->click();
        return d;
    }
    QStringList freeTime(int n = 2) {
        const QString s = Sections::User(n);
        return {app.read(s, UserKeys::FreeHours).text(), app.read(s, UserKeys::FreeMin).text(),
                app.read(s, UserKeys::FreeSec).text()};
    }
};
} // namespace

void tst_frmAskParent::parentGivesMinutes_data() {
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("refusal"); // empty: given
    QTest::newRow("parent") << "Ann"
                            << "mum"
                            << "";
    QTest::newRow("parent, name in another case") << "ann"
                                                  << "mum"
                                                  << "";
    QTest::newRow("parent with a list, unused entry") << "Dad"
                                                      << "two"
                                                      << "";
    QTest::newRow("wrong password") << "Ann"
                                    << "Mum"
                                    << "Invalid Password!";
    QTest::newRow("spent list entry") << "Dad"
                                      << "one"
                                      << "Password already used!";
    QTest::newRow("a child's own password") << "Kid"
                                            << "k"
                                            << "Kid is not a parent";
    QTest::newRow("no such user") << "Zed"
                                  << "mum"
                                  << "Zed is not a user";
}

void tst_frmAskParent::parentGivesMinutes() {
    QFETCH(QString, parent);
    QFETCH(QString, password);
    QFETCH(QString, refusal);
    Fixture f;
    frmLogin& w = f.refused();
    QCOMPARE(w.lblInfo->text(), QStringLiteral("User has no time left!\nYour time renews tomorrow at 0:00."));
    QVERIFY(w.cmdAskParent->isVisible());
    QVERIFY(w.cmdAskParent->isEnabled());
    QTest::qWait(0);
    QVERIFY(w.Frame1->rect().contains(w.cmdAskParent->geometry()));
    w.cmdAskParent->click();
    frmAskParent& d = *w.askParent();
    QVERIFY(d.isVisible());
    QCOMPARE(d.cboParent->count(), 2); // the parents, Ann first
    QCOMPARE(d.cboParent->currentText(), QStringLiteral("Ann"));
    QCOMPARE(d.cboMinutes->currentText(), QStringLiteral("15"));
    d.cboParent->setEditText(parent);
    QTest::keyClicks(d.txtParentPW, password);
    QTest::keyClick(d.txtParentPW, Qt::Key_Return); // the keyboard is enough

    if (refusal.isEmpty()) {
        QVERIFY(!d.isVisible());
        QCOMPARE(f.freeTime(), (QStringList{"00", "15", "00"}));
        const QString name = f.app.read(Sections::User(FindUserByName(f.app, parent)), UserKeys::Name).text();
        QCOMPARE(f.tp.fileLines(f.log).last(), "\"" + name + " gave Kid 15 minutes at the login window\"");
        QVERIFY(!w.cmdAskParent->isVisible());
        QVERIFY(w.lblInfo->text().contains(QStringLiteral("gave Kid 15 minutes")));
        // No parent session, no administration window; a list password is spent as a login
        // spends it, so that it gives time once.
        QVERIFY(!f.app.window<frmSecret>().T1->isActive());
        QVERIFY(!f.app.isLoaded("frmMain"));
        QVERIFY(f.tp.tray.ops.isEmpty());
        QCOMPARE(f.app.CurrentUserNumber, qint16(2));
        QCOMPARE(f.app.read(Sections::User(3), UserKeys::ListPasswordUsed(2)).is(1), parent == QLatin1String("Dad"));
        // The child logs in at once.
        w.Command1->click();
        QCOMPARE(f.app.read(Sections::Config, CurrUser).text(), QStringLiteral("Kid"));
        QVERIFY(f.app.window<frmSecret>().T1->isActive());
    } else {
        QVERIFY(d.isVisible());
        QCOMPARE(d.lblAskInfo->text(), refusal);
        QCOMPARE(f.freeTime(), (QStringList{"00", "00", "00"}));
        QCOMPARE(f.app.read(Sections::Config, ParentWrongTries).text(), QStringLiteral("1"));
        QVERIFY(!f.tp.fileLines(f.log).join(QLatin1Char('\n')).contains(QStringLiteral(" gave ")));
        // Every wrong try is in the activity log, with the name that was tried.
        QVERIFY(
            f.tp.fileLines(f.log).last().contains(QStringLiteral("Wrong parent's password for \"%1\"").arg(parent)));
    }
}

void tst_frmAskParent::restAfterFiveWrongTries() {
    Fixture f;
    frmLogin& w = f.refused();
    // Four wrong, then right: the count starts again.
    for (int i = 0; i < 4; ++i)
        f.ask(w, QStringLiteral("Ann"), QStringLiteral("guess"));
    QCOMPARE(f.app.askParentWrongTries, 4);
    frmAskParent& d = *w.askParent();
    d.txtParentPW->setText(QStringLiteral("mum"));
    d.cmdGive->click();
    QCOMPARE(f.app.askParentWrongTries, 0);
    QCOMPARE(f.freeTime(), (QStringList{"00", "15", "00"}));

    // Spent again; five wrong tries in a row.
    f.app.write(Sections::User(2), UserKeys::FreeMin, "00");
    f.refused();
    for (int i = 0; i < 5; ++i) {
        QVERIFY(w.cmdAskParent->isEnabled());
        f.ask(w, QStringLiteral("Ann"), QStringLiteral("guess%1").arg(i));
    }
    QVERIFY(!d.isVisible());
    QVERIFY(!w.cmdAskParent->isEnabled());
    QCOMPARE(w.lblInfo->text(), QStringLiteral("Too many wrong passwords. Please wait a minute."));
    w.cmdAskParent_Click(); // resting: nothing opens
    QVERIFY(!d.isVisible());
    // A refusal of the login meanwhile does not wake it.
    w.Command1->click();
    QVERIFY(!w.cmdAskParent->isEnabled());
    f.tp.clock.advance(59);
    w.refreshAskParent();
    QVERIFY(!w.cmdAskParent->isEnabled());
    f.tp.clock.advance(1);
    w.refreshAskParent();
    QVERIFY(w.cmdAskParent->isEnabled());
    f.ask(w, QStringLiteral("Ann"), QStringLiteral("mum"), QStringLiteral("5"));
    QCOMPARE(f.freeTime(), (QStringList{"00", "05", "00"}));
}

void tst_frmAskParent::minutesGivenOnce() {
    Fixture f;
    frmLogin& w = f.refused();
    // Minutes that are no number, or out of range, are asked for again and not counted.
    for (const QString& bad : {QStringLiteral("0"), QStringLiteral("abc"), QStringLiteral("")}) {
        frmAskParent& d = f.ask(w, QStringLiteral("Ann"), QStringLiteral("mum"), bad);
        QVERIFY(d.isVisible());
        QCOMPARE(d.lblAskInfo->text(), QStringLiteral("Please choose from 1 to 1440 minutes."));
        d.reject();
    }
    QCOMPARE(f.app.askParentWrongTries, 0);
    QCOMPARE(f.freeTime(), (QStringList{"00", "00", "00"}));

    frmAskParent& d = f.ask(w, QStringLiteral("Ann"), QStringLiteral("mum"), QStringLiteral("45"));
    QCOMPARE(f.freeTime(), (QStringList{"00", "45", "00"}));
    // A second press (a double click, a queued Enter) gives nothing more.
    d.cmdGive_Click();
    d.cmdGive->click();
    QCOMPARE(f.freeTime(), (QStringList{"00", "45", "00"}));
    QCOMPARE(f.tp.fileLines(f.log).filter(QStringLiteral(" gave ")).size(), 1);
}

void tst_frmAskParent::hourRefusalGetsALeave() {
    // The test clock stands at 15:10; Kid has an hour left but may not log in from 14 to 16.
    Fixture f({{UserKeys::TimeRestriction, "1"},
               {UserKeys::TimeRestrictionAmmt, "1"},
               {UserKeys::TimeRestBegin(0), "14"},
               {UserKeys::TimeRestEnd(0), "16"},
               {UserKeys::TimeRestType(0), "Deny"}});
    frmLogin& w = f.refused();
    QCOMPARE(w.lblInfo->text(), QStringLiteral("User cannot log in at this time!\nLogins are allowed again at 16:00."));
    f.ask(w, QStringLiteral("Ann"), QStringLiteral("mum"));
    QCOMPARE(f.freeTime(), (QStringList{"1", "00", "00"})); // the allowance is not topped up
    QVERIFY(HoursExceptionActive(f.app, 2));
    w.Command1->click();
    QCOMPARE(f.app.read(Sections::Config, CurrUser).text(), QStringLiteral("Kid"));

    // The leave is used up by the session's seconds, and ends with them.
    for (int i = 0; i < 899; ++i) {
        f.tp.clock.advance(1);
        TickUserTime(f.app);
    }
    QVERIFY(HoursExceptionActive(f.app, 2));
    QCOMPARE(f.app.read(Sections::User(2), UserKeys::HoursExceptionSeconds).text(), QStringLiteral("1"));
    f.tp.clock.advance(1);
    TickUserTime(f.app);
    QVERIFY(!HoursExceptionActive(f.app, 2));
    QVERIFY(f.app.read(Sections::User(2), UserKeys::HoursExceptionSeconds).isAbsent());
    QCOMPARE(ValidateLogin(f.app, QStringLiteral("Kid"), QStringLiteral("k")).message, LoginMessages::NotNow());
}

void tst_frmAskParent::hourLeaveHasItsMinutes_data() {
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("more than given: kept") << QStringList{"1", "00", "00"} << QStringList{"1", "00", "00"};
    QTest::newRow("less than given: the minutes") << QStringList{"00", "00", "50"} << QStringList{"00", "15", "00"};
}

// Refused for the hour with a little time left, the child still gets the minutes the parent
// chose, not a leave that the time left cuts short.
void tst_frmAskParent::hourLeaveHasItsMinutes() {
    QFETCH(QStringList, left);
    QFETCH(QStringList, after);
    Fixture f({{UserKeys::FreeHours, left[0]},
               {UserKeys::FreeMin, left[1]},
               {UserKeys::FreeSec, left[2]},
               {UserKeys::TimeRestriction, "1"},
               {UserKeys::TimeRestrictionAmmt, "1"},
               {UserKeys::TimeRestBegin(0), "14"},
               {UserKeys::TimeRestEnd(0), "16"},
               {UserKeys::TimeRestType(0), "Deny"}});
    frmLogin& w = f.refused();
    QVERIFY(w.cmdAskParent->isVisible());
    f.ask(w, QStringLiteral("Ann"), QStringLiteral("mum"));
    QCOMPARE(f.freeTime(), after);
    QCOMPARE(f.app.read(Sections::User(2), UserKeys::HoursExceptionSeconds).text(), QStringLiteral("900"));
}

void tst_frmAskParent::noButtonForOtherRefusals() {
    Fixture f;
    frmLogin& w = f.app.window<frmLogin>();
    w.setListIndex(1);
    w.txtPW->setText(QStringLiteral("wrong"));
    w.Command1->click();
    QCOMPARE(w.lblInfo->text(), LoginMessages::InvalidPassword());
    QVERIFY(!w.cmdAskParent->isVisible());
    f.refused();
    QVERIFY(w.cmdAskParent->isVisible());
    // The next set-up of the window starts without it.
    w.LoginNewUser();
    QVERIFY(!w.cmdAskParent->isVisible());
}

TW_TEST(tst_frmAskParent)
#include "tst_frmAskParent.moc"
