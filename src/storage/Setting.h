#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// Every number the program reads from a stored text is read by WholeNumber, so that all readers
// of a value (the login's check and the session clock among them) agree on it:
//   blanks around the number are ignored, and a leading "+" or "-" is taken;
//   decimal digits, with an optional fraction that is cut off toward zero ("2.9" is 2, "-2.9"
//   is -2, ".5" is 0);
//   anything else is no number: "", ".", "1e3", "12abc", "0x10", "1,000";
//   a number beyond kNumberLimit reads as the limit with its sign, however many digits it has.
inline constexpr long long kNumberLimit = 1'000'000'000'000'000LL;
std::optional<long long> WholeNumber(QStringView text);

// A value as the store hands it out: absent, or text. The comparisons follow the store's
// rules: texts without regard to letter case, numbers by value ("00" equals 0, " 1" equals 1),
// and an absent value equal to both the empty text and 0.
class Setting final {
public:
    Setting() = default;
    Setting(const QString& text) : m_value(text) {} // NOLINT: a stored text is a setting
    static Setting absent() { return Setting(); }

    bool isAbsent() const { return !m_value.has_value(); }
    QString text() const { return m_value.value_or(QString()); }

    // The text as a whole number (WholeNumber); nullopt when it is not one. Absent reads as 0.
    std::optional<long long> number() const;
    // The text as a whole number, or fallback when it is not one.
    long long toLongLong(long long fallback = 0) const { return number().value_or(fallback); }
    int toInt(int fallback = 0) const;

    bool is(const QString& text) const; // text comparison without regard to case
    bool is(const char* text) const { return is(QString::fromUtf8(text)); }
    bool is(long long n) const; // numeric comparison; a text that is no number is unequal
    bool is(int n) const { return is(static_cast<long long>(n)); }
    bool isTrue() const;  // "True" in any case, or a number other than 0
    bool isFalse() const; // absent, "False" in any case, or a number equal to 0

    bool operator==(const Setting& o) const = default;

private:
    std::optional<QString> m_value;
};

// Number texts as the store writes them.
QString BoolText(bool b); // "True" / "False"
