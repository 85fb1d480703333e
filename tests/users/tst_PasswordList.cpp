#include "TestPlatform.h"
#include "TestRegistry.h"
#include "storage/ConfigKeys.h"
#include "users/PasswordList.h"
#include "users/PasswordScramble.h"
#include "users/UserKeys.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {
const QString kTable = QStringLiteral("aAbBcCdDeEfFgGhHjJkKmMnNopPqQrRsStTuUvVwWxXyYzZ23456789");

// Stores a list of plain passwords with their markers ("-" leaves a marker out).
void storeList(App& app, int n, const QStringList& passwords, const QStringList& markers = {}) {
    for (int i = 0; i < passwords.size(); ++i)
        app.write(Sections::User(n), UserKeys::ListPassword(i + 1), StoredPasswordForm(passwords.at(i)));
    for (int i = 0; i < markers.size(); ++i)
        if (markers.at(i) != QLatin1String("-"))
            app.write(Sections::User(n), UserKeys::ListPasswordUsed(i + 1), markers.at(i));
}

QStringList markers(App& app, int n, int count) {
    QStringList m;
    for (int i = 1; i <= count; ++i) {
        const Setting s = app.read(Sections::User(n), UserKeys::ListPasswordUsed(i));
        m << (s.isAbsent() ? QStringLiteral("-") : s.text());
    }
    return m;
}
} // namespace

class tst_PasswordList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void characterTable();
    void lineText_data();
    void lineText();
    void passwordFromLine_data();
    void passwordFromLine();
    void listMode_data();
    void listMode();
    void loadMarksFirstUnused_data();
    void loadMarksFirstUnused();
    void randomize_data();
    void randomize();
    void randomPasswordsAreIndependent();
    void randomizeForgetsEveryOldMarker();
    void setNext();
    void refresh();
    void save_data();
    void save();
};

void tst_PasswordList::initTestCase() {
    TestPlatform tp;
    LoadPasswordCharacters(*tp.app);
}

void tst_PasswordList::characterTable() {
    QCOMPARE(PasswordCharacters(), kTable);
    QCOMPARE(PasswordCharacters().size(), 55);
    for (const QChar c : QStringLiteral("01ILOil"))
        QVERIFY(!PasswordCharacters().contains(c));
}

void tst_PasswordList::lineText_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("used");
    QTest::addColumn<bool>("next");
    QTest::addColumn<QString>("line");
    QTest::newRow("next") << 1 << QStringLiteral("pw") << false << true << QStringLiteral("01.) pw (UnUsed) <-");
    QTest::newRow("unused") << 9 << QStringLiteral("x") << false << false << QStringLiteral("09.) x (UnUsed)");
    QTest::newRow("used") << 3 << QStringLiteral("x") << true << false << QStringLiteral("03.) x (Used)");
    QTest::newRow("used is never next") << 3 << QStringLiteral("x") << true << true << QStringLiteral("03.) x (Used)");
    QTest::newRow("10 without leading zero")
        << 10 << QStringLiteral("x") << false << false << QStringLiteral("10.) x (UnUsed)");
    QTest::newRow("123") << 123 << QStringLiteral("x") << true << false << QStringLiteral("123.) x (Used)");
}

void tst_PasswordList::lineText() {
    QFETCH(int, number);
    QFETCH(QString, password);
    QFETCH(bool, used);
    QFETCH(bool, next);
    QFETCH(QString, line);
    QCOMPARE(ListLineText(number, password, used, next), line);
    QCOMPARE(PasswordFromListLine(line), password);
}

void tst_PasswordList::passwordFromLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("password");
    QTest::newRow("added line") << QStringLiteral("04.) abc (UnUsed)") << QStringLiteral("abc");
    QTest::newRow("no second space") << QStringLiteral("04.) abc") << QStringLiteral("abc");
    QTest::newRow("no space") << QStringLiteral("abc") << QString();
    QTest::newRow("two spaces in a row") << QStringLiteral("04.)  abc (UnUsed)") << QString();
}

void tst_PasswordList::passwordFromLine() {
    QFETCH(QString, line);
    QFETCH(QString, password);
    QCOMPARE(PasswordFromListLine(line), password);
}

void tst_PasswordList::listMode_data() {
    QTest::addColumn<QString>("optMult"); // "-" = missing
    QTest::addColumn<bool>("list");
    QTest::newRow("True") << QStringLiteral("True") << true;
    QTest::newRow("tRUE") << QStringLiteral("tRUE") << true;
    QTest::newRow("False") << QStringLiteral("False") << false;
    QTest::newRow("0") << QStringLiteral("0") << false;
    QTest::newRow("1") << QStringLiteral("1") << false;
    QTest::newRow("missing") << QStringLiteral("-") << false;
}

void tst_PasswordList::listMode() {
    QFETCH(QString, optMult);
    QFETCH(bool, list);
    TestPlatform tp;
    if (optMult != QLatin1String("-")) tp.app->write(Sections::User(1), UserKeys::OptMult, optMult);
    QCOMPARE(UsesPasswordList(*tp.app, 1), list);
}

void tst_PasswordList::loadMarksFirstUnused_data() {
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<int>("nextIndex");
    QTest::newRow("1 1 0 0") << QStringList{"1", "1", "0", "0"} << 2;
    QTest::newRow("missing counts as unused") << QStringList{"1", "-", "0", "1"} << 1;
    QTest::newRow("all used") << QStringList{"1", "1", "1", "1"} << -1;
}

void tst_PasswordList::loadMarksFirstUnused() {
    QFETCH(QStringList, marks);
    QFETCH(int, nextIndex);
    TestPlatform tp;
    App& app = *tp.app;
    const QStringList pw{"aa", "bb", "cc", "dd"};
    storeList(app, 1, pw, marks);
    const PasswordListLines list = LoadPasswordListLines(app, 1);
    QCOMPARE(list.lines.size(), 4);
    QCOMPARE(list.nextIndex, nextIndex);
    QCOMPARE(list.nextPassword, nextIndex < 0 ? QString() : pw.at(nextIndex));
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(PasswordFromListLine(list.lines.at(i)), pw.at(i));
        QCOMPARE(list.lines.at(i).endsWith(QLatin1String(" <-")), i == nextIndex);
        QCOMPARE(list.lines.at(i).contains(QLatin1String("(Used)")), marks.at(i) == QLatin1String("1"));
    }
}

void tst_PasswordList::randomize_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("characters");
    QTest::newRow("12 of 6") << 6 << 12 << 12 << 6;
    QTest::newRow("none") << 6 << 0 << 0 << 0;
    QTest::newRow("negative count") << 6 << -3 << 0 << 0;
    QTest::newRow("negative length") << -4 << 2 << 2 << 0;
    QTest::newRow("huge count is bounded") << 2 << 2000000000 << kMaxListPasswords << 2;
    QTest::newRow("huge length is bounded") << 2000000000 << 1 << 1 << kMaxListPasswordLength;
}

void tst_PasswordList::randomize() {
    QFETCH(int, length);
    QFETCH(int, count);
    QFETCH(int, lines);
    QFETCH(int, characters);
    TestPlatform tp;
    App& app = *tp.app;
    storeList(app, 1, {"old1", "old2", "old3"}, {"1", "1", "0"});
    const QStringList list = RandomPasswordLines(length, count);
    QCOMPARE(list.size(), lines);
    static const QRegularExpression lineForm(QStringLiteral("^(\\d{2,})\\.\\) (\\S*) \\(UnUsed\\)( <-)?$"));
    for (int j = 0; j < list.size(); ++j) {
        const auto m = lineForm.match(list.at(j));
        QVERIFY2(m.hasMatch(), qPrintable(list.at(j)));
        QCOMPARE(m.captured(1), ListLineNumber(j + 1));
        QCOMPARE(m.hasCaptured(3), j == 0);
        QCOMPARE(m.captured(2).size(), characters);
        for (const QChar c : m.captured(2))
            QVERIFY(kTable.contains(c));
    }
    // The stored list stays as it was until the editor saves the new one.
    QCOMPARE(CountListPasswords(app, 1), 3);
    QCOMPARE(markers(app, 1, 3), (QStringList{"1", "1", "0"}));
}

void tst_PasswordList::randomPasswordsAreIndependent() {
    // Drawn character by character from a strong source: no repeated-character passwords,
    // no two equal in a large sample, and every table character turns up.
    QSet<QString> seen;
    QSet<QChar> used;
    int uniform = 0;
    for (int i = 0; i < 5000; ++i) {
        const QString pw = RandomListPassword(8);
        QCOMPARE(pw.size(), 8);
        seen.insert(pw);
        for (const QChar c : pw)
            used.insert(c);
        if (pw.count(pw.at(0)) == pw.size()) ++uniform;
    }
    QCOMPARE(seen.size(), 5000);
    QCOMPARE(used.size(), 55);
    QCOMPARE(uniform, 0);
}

namespace {
// The editor's working copy as loaded from the store: each line with its stored entry.
QList<PasswordListLine> loaded(App& app, int n) {
    QList<PasswordListLine> lines;
    const QStringList texts = LoadPasswordListLines(app, n).lines;
    for (int i = 0; i < texts.size(); ++i)
        lines.append({texts.at(i), i + 1, false});
    return lines;
}

QList<PasswordListLine> fresh(const QStringList& texts) {
    QList<PasswordListLine> lines;
    for (const QString& t : texts)
        lines.append({t, 0, false});
    return lines;
}
} // namespace

void tst_PasswordList::randomizeForgetsEveryOldMarker() {
    // A list of 5 was saved as 3: markers 4 and 5 stayed behind. Fresh passwords at those
    // positions must not come out spent.
    TestPlatform tp;
    App& app = *tp.app;
    storeList(app, 1, {"a", "b", "c", "d", "e"}, {"1", "1", "1", "1", "1"});
    SavePasswordList(app, 1, loaded(app, 1).mid(0, 3));
    QCOMPARE(markers(app, 1, 5), (QStringList{"1", "1", "1", "1", "1"}));
    SavePasswordList(app, 1, fresh(RandomPasswordLines(4, 5)));
    QCOMPARE(markers(app, 1, 5), (QStringList{"0", "0", "0", "0", "0"}));
    QCOMPARE(LoadPasswordListLines(app, 1).nextIndex, 0);
}

void tst_PasswordList::setNext() {
    TestPlatform tp;
    App& app = *tp.app;
    storeList(app, 1, {"aa", "bb", "cc", "dd", "ee"}, {"1", "0", "1", "1", "-"});
    QList<PasswordListLine> lines = loaded(app, 1);
    QCOMPARE(SetNextListPassword(app, 1, lines, 2), QStringLiteral("cc"));
    QCOMPARE(markers(app, 1, 5), (QStringList{"1", "1", "0", "0", "0"}));
    const PasswordListLines after = LoadPasswordListLines(app, 1);
    QCOMPARE(after.nextIndex, 2);
    QCOMPARE(after.nextPassword, QStringLiteral("cc"));

    // A line added since the load has no stored marker yet: it keeps its own until the save.
    lines.append({ListLineText(6, QStringLiteral("ff"), false, false), 0, false});
    lines.append({ListLineText(7, QStringLiteral("gg"), false, false), 0, false});
    QCOMPARE(SetNextListPassword(app, 1, lines, 6), QStringLiteral("gg"));
    QVERIFY(lines.at(5).used);
    QVERIFY(!lines.at(6).used);
    SavePasswordList(app, 1, lines);
    QCOMPARE(markers(app, 1, 7), (QStringList{"1", "1", "1", "1", "1", "1", "0"}));
}

void tst_PasswordList::refresh() {
    TestPlatform tp;
    App& app = *tp.app;
    storeList(app, 1, {"aa", "bb", "cc"}, {"1", "1", "-", "1"});
    RefreshPasswordList(app, 1);
    // Only the stored entries' markers are reset; a marker beyond the list is left alone.
    QCOMPARE(markers(app, 1, 4), (QStringList{"0", "0", "0", "1"}));
}

void tst_PasswordList::save_data() {
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("storedMarks");
    QTest::addColumn<QStringList>("lines"); // "<entry>|<line text>", entry 0 for a new line
    QTest::addColumn<QStringList>("passwords");
    QTest::addColumn<QStringList>("marks");
    QTest::newRow("3 new lines after 5") << QStringList{"p1", "p2", "p3", "p4", "p5"}
                                         << QStringList{"1", "0", "1", "1", "0"}
                                         << QStringList{"0|01.) n1 (UnUsed) <-", "0|02.) n2 (UnUsed)",
                                                        "0|03.) n3 (UnUsed)"}
                                         << QStringList{"n1", "n2", "n3"} << QStringList{"0", "0", "0", "1", "0"};
    QTest::newRow("markers go with their passwords")
        << QStringList{"p1", "p2"} << QStringList{"1", "0"} << QStringList{"2|02.) p2 (UnUsed)", "1|01.) p1 (Used)"}
        << QStringList{"p2", "p1"} << QStringList{"0", "1"};
    QTest::newRow("a removed line takes its marker along")
        << QStringList{"p1", "p2", "p3"} << QStringList{"1", "0", "1"}
        << QStringList{"2|02.) p2 (UnUsed)", "3|03.) p3 (Used)"} << QStringList{"p2", "p3"} << QStringList{"0", "1"};
    QTest::newRow("added after Clear: never stored as used")
        << QStringList{"p1", "p2"} << QStringList{"1", "1"} << QStringList{"0|01.) new (UnUsed)"} << QStringList{"new"}
        << QStringList{"0", "1"};
    QTest::newRow("missing and empty markers become 0")
        << QStringList{"a", "b"} << QStringList{"-", ""}
        << QStringList{"1|01.) a (UnUsed)", "2|02.) b (UnUsed)", "0|03.) c (UnUsed)"} << QStringList{"a", "b", "c"}
        << QStringList{"0", "0", "0"};
    QTest::newRow("a line without password does not hide later entries")
        << QStringList{} << QStringList{} << QStringList{"0|01.) a (UnUsed)", "0|02.)  (UnUsed)", "0|03.) c (UnUsed)"}
        << QStringList{"a", "c"} << QStringList{"0", "0"};
    QTest::newRow("empty list") << QStringList{"p1", "p2"} << QStringList{"1", "1"} << QStringList{} << QStringList{}
                                << QStringList{"1", "1"};
}

void tst_PasswordList::save() {
    QFETCH(QStringList, stored);
    QFETCH(QStringList, storedMarks);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, passwords);
    QFETCH(QStringList, marks);
    TestPlatform tp;
    App& app = *tp.app;
    storeList(app, 1, stored, storedMarks);
    QList<PasswordListLine> copy;
    for (const QString& l : lines)
        copy.append({l.section(QLatin1Char('|'), 1), l.section(QLatin1Char('|'), 0, 0).toInt(), false});
    SavePasswordList(app, 1, copy);
    QCOMPARE(CountListPasswords(app, 1), passwords.size());
    for (int i = 0; i < passwords.size(); ++i)
        QCOMPARE(PlainPassword(app.read(Sections::User(1), UserKeys::ListPassword(i + 1)).text()), passwords.at(i));
    for (int i = int(passwords.size()); i < stored.size(); ++i)
        QVERIFY(app.read(Sections::User(1), UserKeys::ListPassword(i + 1)).isAbsent());
    QCOMPARE(markers(app, 1, int(marks.size())), marks);
}

TW_TEST(tst_PasswordList)
#include "tst_PasswordList.moc"
