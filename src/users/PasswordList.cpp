#include "users/PasswordList.h"

#include "core/App.h"

namespace {
QString g_characters;
}

void LoadPasswordCharacters(App&) {}

const QString& PasswordCharacters() {
    return g_characters;
}

bool UsesPasswordList(App&, int) {
    return false;
}

int CountListPasswords(App&, int) {
    return 0;
}

void ClearPasswordList(App&, int) {}

QString ListLineNumber(int number) {
    return QString::number(number);
}

QString ListLineText(int, const QString&, bool, bool) {
    return QString();
}

QString PasswordFromListLine(const QString&) {
    return QString();
}

PasswordListLines LoadPasswordListLines(App&, int) {
    return {};
}

QString RandomListPassword(int) {
    return QString();
}

QStringList RandomizePasswordList(App&, int, int, int) {
    return {};
}

void RefreshPasswordList(App&, int) {}

QString SetNextListPassword(App&, int, int, int, const QString&) {
    return QString();
}

void SavePasswordList(App&, int, const QStringList&) {}
