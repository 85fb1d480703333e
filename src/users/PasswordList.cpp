#include "users/PasswordList.h"

#include "core/App.h"
#include "storage/ConfigKeys.h"
#include "users/PasswordScramble.h"
#include "users/UserKeys.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <algorithm>

namespace {
// Filled once at start-up; program-wide like the rest of the process state.
QString g_characters;

QString userPath(int n) {
    return SettingsStore::SectionPath(kAppName, Sections::User(n));
}

// "Password<i>Used" with i a positive number.
bool isListMarker(const QString& name) {
    static const QRegularExpression marker(QStringLiteral("^password[1-9][0-9]*used$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return marker.match(name).hasMatch();
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

QStringList RandomizePasswordList(App& app, int n, int length, int count) {
    {
        SettingsStore::Batch batch(app.store);
        const int stored = CountListPasswords(app, n);
        for (int i = 1; i <= stored; ++i) {
            app.store.DeleteRegistryValue(RegRoot::LocalMachine, userPath(n), UserKeys::ListPasswordUsed(i));
            app.store.DeleteRegistryValue(RegRoot::LocalMachine, userPath(n), UserKeys::ListPassword(i));
        }
        // Markers left behind by an earlier, longer list would otherwise mark the new passwords
        // at their positions as spent before anyone has seen them.
        for (const RegValue& v : app.store.registry().values(RegRoot::LocalMachine, userPath(n)))
            if (isListMarker(v.name)) app.store.DeleteRegistryValue(RegRoot::LocalMachine, userPath(n), v.name);
        // Whatever is still stored for this user (nothing, normally) counts as unused again.
        const int left = CountListPasswords(app, n);
        for (int i = 1; i <= left; ++i)
            app.write(Sections::User(n), UserKeys::ListPasswordUsed(i), 0);
    }
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

QString SetNextListPassword(App& app, int n, int lineCount, int selectedIndex, const QString& selectedLine) {
    SettingsStore::Batch batch(app.store);
    for (int i = 1; i <= lineCount; ++i)
        app.write(Sections::User(n), UserKeys::ListPasswordUsed(i), i <= selectedIndex ? 1 : 0);
    return PasswordFromListLine(selectedLine);
}

void SavePasswordList(App& app, int n, const QStringList& lines) {
    SettingsStore::Batch batch(app.store);
    ClearPasswordList(app, n);
    // A line without a password would end the stored list there and hide every entry after
    // it; such lines are left out, and the entries after them move up.
    QStringList passwords;
    for (const QString& line : lines) {
        const QString password = PasswordFromListLine(line);
        if (!password.isEmpty()) passwords << password;
    }
    for (qsizetype i = 0; i < passwords.size(); ++i)
        app.write(Sections::User(n), UserKeys::ListPassword(static_cast<int>(i + 1)),
                  StoredPasswordForm(passwords.at(i)));
    for (qsizetype i = 0; i < passwords.size(); ++i) {
        const QString key = UserKeys::ListPasswordUsed(static_cast<int>(i + 1));
        if (app.read(Sections::User(n), key).text().isEmpty()) app.write(Sections::User(n), key, 0);
    }
}
