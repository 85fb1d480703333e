#include "TestPlatform.h"
#include "TestRegistry.h"
#include "storage/ConfigKeys.h"
#include "users/PasswordList.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QTest>

namespace {
void addUser(App& app, int n, const QString& name) {
    app.write(Sections::User(n), UserKeys::Number, n);
    app.write(Sections::User(n), UserKeys::Name, name);
}

QString userPath(int n) {
    return SettingsStore::SectionPath(kAppName, Sections::User(n));
}

// Every value of a record, by lower-case name, without "Number".
QMap<QString, QString> recordValues(App& app, int n) {
    QMap<QString, QString> m;
    for (const RegValue& v : app.store.registry().values(RegRoot::LocalMachine, userPath(n)))
        if (v.name.compare(UserKeys::Number, Qt::CaseInsensitive) != 0) m.insert(v.name.toLower(), v.data.toString());
    return m;
}
} // namespace

class tst_UserTable : public QObject {
    Q_OBJECT
private slots:
    void countAndLookup_data();
    void countAndLookup();
    void deleteMovesLaterRecordsDown();
    void deleteEdgeCases_data();
    void deleteEdgeCases();
    void parentRightsRule_data();
    void parentRightsRule();
    void lastParentIsNotDeleted();
    void missingValuesReadAsCatalogued();
};

void tst_UserTable::countAndLookup_data() {
    QTest::addColumn<QStringList>("names"); // "" leaves a record without a name
    QTest::addColumn<QString>("lookFor");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("found");
    QTest::newRow("empty table") << QStringList() << QStringLiteral("Ann") << 0 << 0;
    QTest::newRow("any letter case") << QStringList{"Ann", "Bob", "Cy"} << QStringLiteral("bob") << 3 << 2;
    QTest::newRow("first of equal names") << QStringList{"Ann", "TOM", "tom"} << QStringLiteral("Tom") << 3 << 2;
    QTest::newRow("a gap ends the table") << QStringList{"Ann", "", "Cy"} << QStringLiteral("Cy") << 1 << 0;
    QTest::newRow("trailing blank is another name") << QStringList{"Ann", "Bob"} << QStringLiteral("Bob ") << 2 << 0;
    QTest::newRow("stored trailing blank") << QStringList{"Ann ", "Bob"} << QStringLiteral("Ann") << 2 << 0;
    QTest::newRow("empty name finds nobody") << QStringList{"Ann"} << QString() << 1 << 0;
}

void tst_UserTable::countAndLookup() {
    QFETCH(QStringList, names);
    QFETCH(QString, lookFor);
    QFETCH(int, count);
    QFETCH(int, found);
    TestPlatform tp;
    App& app = *tp.app;
    for (int i = 0; i < names.size(); ++i)
        addUser(app, i + 1, names.at(i));
    QCOMPARE(RecountUsers(app), count);
    QCOMPARE(app.read(Sections::Config, ConfigKeys::CurrentNumberOfUsers).text(), QString::number(count));
    QCOMPARE(FindUserByName(app, lookFor), found);
}

void tst_UserTable::deleteMovesLaterRecordsDown() {
    TestPlatform tp;
    App& app = *tp.app;
    int refills = 0;
    QObject::connect(&app.model, &SessionModel::usersChanged, &app.model, [&] { ++refills; });
    addUser(app, 1, QStringLiteral("Ann"));
    addUser(app, 2, QStringLiteral("Bob"));
    addUser(app, 3, QStringLiteral("Cy"));
    // Bob has keys Cy lacks; Cy has a list, markers and free time of his own.
    const QString bob = Sections::User(2);
    app.write(bob, UserKeys::Notes, QStringLiteral("Bob's notes"));
    app.write(bob, UserKeys::ListPassword(3), QStringLiteral("AAAA"));
    app.write(bob, UserKeys::ListPasswordUsed(3), 1);
    const QString cy = Sections::User(3);
    app.write(cy, UserKeys::ListPassword(1), QStringLiteral("1102"));
    app.write(cy, UserKeys::ListPassword(2), QStringLiteral("1103"));
    app.write(cy, UserKeys::ListPasswordUsed(1), 1);
    app.write(cy, UserKeys::ListPasswordUsed(2), 0);
    app.write(cy, UserKeys::FreeHours, QStringLiteral("01"));
    app.write(cy, UserKeys::FreeMin, QStringLiteral("05"));
    app.write(cy, UserKeys::OptMult, QStringLiteral("True"));
    const auto cyBefore = recordValues(app, 3);
    const auto annBefore = recordValues(app, 1);

    DeleteUser(app, QStringLiteral("bOB"));

    QCOMPARE(recordValues(app, 1), annBefore);
    QCOMPARE(recordValues(app, 2), cyBefore);
    QCOMPARE(app.read(Sections::User(2), UserKeys::Number).text(), QStringLiteral("2"));
    QVERIFY(app.read(Sections::User(2), UserKeys::Notes).isAbsent());
    QVERIFY(app.read(Sections::User(2), UserKeys::ListPassword(3)).isAbsent());
    QCOMPARE(CountListPasswords(app, 2), 2);
    QVERIFY(!app.store.registry().keyExists(RegRoot::LocalMachine, userPath(3)));
    QCOMPARE(app.read(Sections::Config, ConfigKeys::CurrentNumberOfUsers).text(), QStringLiteral("2"));
    QCOMPARE(FindUserByName(app, QStringLiteral("Cy")), 2);
    QCOMPARE(refills, 1);
}

void tst_UserTable::deleteEdgeCases_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("last-numbered user") << QStringLiteral("Cy") << QStringList{"Ann", "Bob"};
    QTest::newRow("first user") << QStringLiteral("ann") << QStringList{"Bob", "Cy"};
    QTest::newRow("unknown name moves nothing") << QStringLiteral("Dee") << QStringList{"Ann", "Bob", "Cy"};
    QTest::newRow("trailing blank is unknown") << QStringLiteral("Ann ") << QStringList{"Ann", "Bob", "Cy"};
}

void tst_UserTable::deleteEdgeCases() {
    QFETCH(QString, name);
    QFETCH(QStringList, left);
    TestPlatform tp;
    App& app = *tp.app;
    const QStringList all{"Ann", "Bob", "Cy"};
    for (int i = 0; i < all.size(); ++i)
        addUser(app, i + 1, all.at(i));
    DeleteUser(app, name);
    QCOMPARE(RecountUsers(app), left.size());
    for (int i = 0; i < left.size(); ++i) {
        QCOMPARE(app.read(Sections::User(i + 1), UserKeys::Name).text(), left.at(i));
        QCOMPARE(app.read(Sections::User(i + 1), UserKeys::Number).text(), QString::number(i + 1));
    }
    QCOMPARE(app.store.registry().keyExists(RegRoot::LocalMachine, userPath(3)), left.size() == 3);
}

void tst_UserTable::parentRightsRule_data() {
    QTest::addColumn<QStringList>("rights"); // "ParentRights" of each stored user ("-" = missing)
    QTest::addColumn<int>("saving");         // the record being saved (beyond the table: a new user)
    QTest::addColumn<bool>("boxChecked");
    QTest::addColumn<QString>("message"); // empty: the save may go on
    const QString none = kNoParentRightsMessage;
    QTest::newRow("another stored parent") << QStringList{"0", "1"} << 1 << false << "";
    QTest::newRow("stored as 01, a new user") << QStringList{"01"} << 2 << false << "";
    QTest::newRow("nobody, box checked") << QStringList{"0", "0"} << 1 << true << "";
    QTest::newRow("nobody, box unchecked") << QStringList{"0", "-"} << 1 << false << none;
    QTest::newRow("True is not 1") << QStringList{"True"} << 2 << false << none;
    QTest::newRow("the only parent would lose the right")
        << QStringList{"1", "0"} << 1 << false << LastParentMessage(QStringLiteral("U1"));
    QTest::newRow("the only parent keeps the right") << QStringList{"1", "0"} << 1 << true << "";
    QTest::newRow("one of two parents may lose it") << QStringList{"1", "1"} << 2 << false << "";
}

void tst_UserTable::parentRightsRule() {
    QFETCH(QStringList, rights);
    QFETCH(int, saving);
    QFETCH(bool, boxChecked);
    QFETCH(QString, message);
    TestPlatform tp;
    App& app = *tp.app;
    for (int i = 0; i < rights.size(); ++i) {
        addUser(app, i + 1, QStringLiteral("U%1").arg(i + 1));
        if (rights.at(i) != QLatin1String("-")) app.write(Sections::User(i + 1), UserKeys::ParentRights, rights.at(i));
    }
    RecountUsers(app);
    QCOMPARE(CheckParentRightsRule(app, boxChecked, saving), message.isEmpty());
    QCOMPARE(tp.messageBox.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
    // A damaged count reads no further than the table.
    app.write(Sections::Config, ConfigKeys::CurrentNumberOfUsers, QStringLiteral("2000000000"));
    QCOMPARE(CheckParentRightsRule(app, boxChecked, saving), message.isEmpty());
}

void tst_UserTable::lastParentIsNotDeleted() {
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Ann"));
    addUser(app, 2, QStringLiteral("Bob"));
    app.write(Sections::User(1), UserKeys::ParentRights, QStringLiteral("1"));
    QVERIFY(IsLastParent(app, QStringLiteral("ann")));
    QVERIFY(!IsLastParent(app, QStringLiteral("Bob")));
    QVERIFY(!DeleteUser(app, QStringLiteral("Ann")));
    QCOMPARE(app.read(Sections::User(1), UserKeys::Name).text(), QStringLiteral("Ann"));
    QCOMPARE(RecountUsers(app), 2);
    // With a second parent either may go.
    app.write(Sections::User(2), UserKeys::ParentRights, QStringLiteral("1"));
    QVERIFY(DeleteUser(app, QStringLiteral("Ann")));
    QCOMPARE(app.read(Sections::User(1), UserKeys::Name).text(), QStringLiteral("Bob"));
    QVERIFY(IsLastParent(app, QStringLiteral("Bob")));
}

void tst_UserTable::missingValuesReadAsCatalogued() {
    TestPlatform tp;
    App& app = *tp.app;
    addUser(app, 1, QStringLiteral("Ann"));
    QCOMPARE(ReadUserSetting(app, 1, UserKeys::DisablePW).text(), QStringLiteral("1"));
    QCOMPARE(ReadUserSetting(app, 1, UserKeys::RefreshTimePW).text(), QStringLiteral("1"));
    QCOMPARE(ReadUserSetting(app, 1, UserKeys::PasswordLastUsed).text(), QStringLiteral("-1"));
    QCOMPARE(ReadUserSetting(app, 1, UserKeys::TimeBasedOn).text(), QStringLiteral("Daily"));
    QVERIFY(ReadUserSetting(app, 1, UserKeys::ParentRights).is(0));
    QVERIFY(ReadUserSetting(app, 1, UserKeys::ListPasswordUsed(7)).is(0));
    QVERIFY(ReadUserSetting(app, 1, UserKeys::LastStartDate).isAbsent());
    app.write(Sections::User(1), UserKeys::DisablePW, 0);
    QCOMPARE(ReadUserSetting(app, 1, UserKeys::DisablePW).text(), QStringLiteral("0"));
}

TW_TEST(tst_UserTable)
#include "tst_UserTable.moc"
