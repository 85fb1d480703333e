#include "users/PasswordScramble.h"

#include <algorithm>

namespace {
const char kKey[] = "plumbek7";
constexpr int kKeyLength = 8;

// The 8-bit code of a character; anything beyond Latin-1 is "?", as an 8-bit conversion gives it.
int code8(QChar c) {
    return c.unicode() <= 0xFF ? c.unicode() : '?';
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    return -1;
}
} // namespace

QString ScramblePassword(const QString& text) {
    QString r;
    r.reserve(text.size());
    int k = 0;
    for (const QChar c : text) {
        const int key = static_cast<unsigned char>(kKey[k]);
        k = (k + 1) % kKeyLength;
        r.append(QChar(static_cast<char16_t>(code8(c) ^ key)));
    }
    return r;
}

QString TextToHex(const QString& text) {
    static const char digits[] = "0123456789ABCDEF";
    QString r;
    r.reserve(text.size() * 2);
    for (const QChar c : text) {
        const int v = code8(c);
        r.append(QLatin1Char(digits[v >> 4]));
        r.append(QLatin1Char(digits[v & 0xF]));
    }
    return r;
}

QString HexToText(const QString& hex) {
    QString r;
    r.reserve((hex.size() + 1) / 2);
    for (qsizetype i = 0; i < hex.size(); i += 2) {
        // A pair is read as a number up to its first non-digit; no digit at all gives 0.
        int v = 0;
        for (qsizetype j = i; j < i + 2 && j < hex.size(); ++j) {
            const int d = hexDigit(hex.at(j));
            if (d < 0) break;
            v = v * 16 + d;
        }
        r.append(QChar(static_cast<char16_t>(v)));
    }
    return r;
}

QString StoredPasswordForm(const QString& plain) {
    return TextToHex(ScramblePassword(plain));
}

QString PlainPassword(const QString& stored) {
    return ScramblePassword(HexToText(stored));
}

bool PasswordIsStorable(const QString& plain) {
    return std::all_of(plain.cbegin(), plain.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
}
