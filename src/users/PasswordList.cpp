#include "users/PasswordList.h"

#include "core/App.h"
#include "storage/ConfigKeys.h"
#include "users/PasswordScramble.h"
#include "users/UserKeys.h"

#include <QRandomGenerator>
#include <algorithm>

namespace {
// Filled once at start-up; program-wide like the rest of the process state.
QString g_characters;

QString userPath(int n) {
    return SettingsStore::SectionPath(kAppName, Sections::User(n));
}
} // namespace

void LoadPasswordCharacters(App&) {
    g_characters = QStringLiteral("aAbBcCdDeEfFgGhHjJkKmMnNopPqQrRsStTuUvVwWxXyYzZ23456789");
}

const QString& PasswordCharacters() {
    return g_characters;
}

bool UsesPasswordList(App& app, int n) {
    return app.read(Sections::User(n), UserKeys::OptMult).is(QStringLiteral("True"));
}

int CountListPasswords(App& app, int n) {
    int count = 0;
    while (!app.read(Sections::User(n), UserKeys::ListPassword(count + 1)).text().isEmpty())
        ++count;
    return count;
}

void ClearPasswordList(App& app, int n) {
    SettingsStore::Batch batch(app.store);
    for (int i = 1; !app.read(Sections::User(n), UserKeys::ListPassword(i)).text().isEmpty(); ++i)
        app.store.DeleteRegistryValue(RegRoot::LocalMachine, userPath(n), UserKeys::ListPassword(i));
}

QString ListLineNumber(int number) {
    return number >= 0 && number < 10 ? QStringLiteral("0") + QString::number(number) : QString::number(number);
}

QString ListLineText(int number, const QString& password, bool used, bool isNext) {
    QString line = ListLineNumber(number) + QStringLiteral(".) ") + password +
                   (used ? QStringLiteral(" (Used)") : QStringLiteral(" (UnUsed)"));
    if (isNext && !used) line += QStringLiteral(" <-");
    return line;
}

QString PasswordFromListLine(const QString& line) {
    const qsizetype first = line.indexOf(QLatin1Char(' '));
    if (first < 0) return QString();
    const qsizetype second = line.indexOf(QLatin1Char(' '), first + 1);
    return second < 0 ? line.mid(first + 1) : line.mid(first + 1, second - first - 1);
}

PasswordListLines LoadPasswordListLines(App& app, int n) {
    PasswordListLines result;
    const int count = CountListPasswords(app, n);
    for (int i = 1; i <= count; ++i) {
        const QString password = PlainPassword(app.read(Sections::User(n), UserKeys::ListPassword(i)).text());
        const bool used = app.read(Sections::User(n), UserKeys::ListPasswordUsed(i)).is(1);
        const bool next = !used && result.nextIndex < 0;
        if (next) {
            result.nextIndex = i - 1;
            result.nextPassword = password;
        }
        result.lines << ListLineText(i, password, used, next);
    }
    return result;
}

QString RandomListPassword(int length) {
    const QString& table = g_characters.isEmpty()
                               ? QStringLiteral("aAbBcCdDeEfFgGhHjJkKmMnNopPqQrRsStTuUvVwWxXyYzZ23456789")
                               : g_characters;
    length = std::clamp(length, 0, kMaxListPasswordLength);
    QString password;
    password.reserve(length);
    QRandomGenerator* source = QRandomGenerator::system();
    for (int j = 0; j < length; ++j)
        password.append(table.at(static_cast<qsizetype>(source->bounded(static_cast<quint32>(table.size())))));
    return password;
}

QStringList RandomPasswordLines(int length, int count) {
    count = std::clamp(count, 0, kMaxListPasswords);
    QStringList lines;
    lines.reserve(count);
    for (int j = 1; j <= count; ++j)
        lines << ListLineText(j, RandomListPassword(length), false, j == 1);
    return lines;
}

void RefreshPasswordList(App& app, int n) {
    SettingsStore::Batch batch(app.store);
    const int count = CountListPasswords(app, n);
    for (int i = 1; i <= count; ++i)
        app.write(Sections::User(n), UserKeys::ListPasswordUsed(i), 0);
}

QString SetNextListPassword(App& app, int n, QList<PasswordListLine>& lines, int selectedIndex) {
    SettingsStore::Batch batch(app.store);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool used = i < selectedIndex;
        if (lines[i].entry > 0)
            app.write(Sections::User(n), UserKeys::ListPasswordUsed(lines[i].entry), used ? 1 : 0);
        else
            lines[i].used = used;
    }
    return selectedIndex >= 0 && selectedIndex < lines.size() ? PasswordFromListLine(lines[selectedIndex].text)
                                                              : QString();
}

void SavePasswordList(App& app, int n, const QList<PasswordListLine>& lines) {
    const QString section = Sections::User(n);
    SettingsStore::Batch batch(app.store);
    // A line without a password would end the stored list there and hide every entry after
    // it; such lines are left out, and the entries after them move up.
    QStringList passwords;
    QStringList marks;
    for (const PasswordListLine& line : lines) {
        const QString password = PasswordFromListLine(line.text);
        if (password.isEmpty()) continue;
        passwords << password;
        QString mark = line.used ? QStringLiteral("1") : QStringLiteral("0");
        if (line.entry > 0) {
            mark = app.read(section, UserKeys::ListPasswordUsed(line.entry)).text();
            if (mark.isEmpty()) mark = QStringLiteral("0");
        }
        marks << mark;
    }
    ClearPasswordList(app, n);
    for (qsizetype i = 0; i < passwords.size(); ++i) {
        app.write(section, UserKeys::ListPassword(static_cast<int>(i + 1)), StoredPasswordForm(passwords.at(i)));
        app.write(section, UserKeys::ListPasswordUsed(static_cast<int>(i + 1)), marks.at(i));
    }
}
