#include "users/PasswordScramble.h"

QString ScramblePassword(const QString& text) {
    return text;
}

QString TextToHex(const QString& text) {
    return text;
}

QString HexToText(const QString& hex) {
    return hex;
}

QString StoredPasswordForm(const QString& plain) {
    return TextToHex(ScramblePassword(plain));
}

QString PlainPassword(const QString& stored) {
    return ScramblePassword(HexToText(stored));
}
