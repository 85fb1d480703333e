#pragma once

#include <QString>

// Passwords are stored scrambled with a fixed eight-character key and written as hexadecimal
// text. Every character is taken as its 8-bit code (Latin-1); a character beyond code 255
// counts as "?", as the system's 8-bit conversion gives it.

// XORs each character with the key character at its position (the key restarts at its
// first character for every call, and again after every eighth). Its own inverse; the result
// has the length of the argument.
QString ScramblePassword(const QString& text);

// Two upper-case hexadecimal digits per character ("abc" -> "616263", a tab -> "09").
QString TextToHex(const QString& text);

// One character per two digits, upper or lower case; a pair stops at its first non-digit
// (no digit at all gives code 0) and an odd last digit is read alone.
QString HexToText(const QString& hex);

// The stored form of a password: scrambled, then hex ("" stays "").
QString StoredPasswordForm(const QString& plain);
// The plain password from its stored form: decoded, then unscrambled.
QString PlainPassword(const QString& stored);

// Whether every character of a password survives the 8-bit stored form (codes 0 to 255).
// Windows that take a new password refuse one that does not, since every character beyond
// that range would be stored as the same "?".
bool PasswordIsStorable(const QString& plain);
