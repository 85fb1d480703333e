#include "storage/Setting.h"

#include <algorithm>
#include <limits>

std::optional<long long> WholeNumber(QStringView text) {
    const QStringView t = text.trimmed();
    qsizetype i = 0;
    const bool negative = i < t.size() && t[i] == QLatin1Char('-');
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) ++i;
    const auto isDigit = [&](qsizetype at) {
        return at < t.size() && t[at] >= QLatin1Char('0') && t[at] <= QLatin1Char('9');
    };
    long long value = 0;
    bool digits = false;
    for (; isDigit(i); ++i) {
        digits = true;
        // Stops growing at the limit, so no number of digits can overflow.
        if (value < kNumberLimit) value = std::min(kNumberLimit, value * 10 + (t[i].unicode() - u'0'));
    }
    if (i < t.size() && t[i] == QLatin1Char('.')) {
        for (++i; isDigit(i); ++i)
            digits = true;
    }
    if (!digits || i != t.size()) return std::nullopt;
    return negative ? -value : value;
}

std::optional<long long> Setting::number() const {
    if (!m_value) return 0;
    return WholeNumber(*m_value);
}

int Setting::toInt(int fallback) const {
    const auto n = number();
    if (!n || *n > std::numeric_limits<int>::max() || *n < std::numeric_limits<int>::min()) return fallback;
    return static_cast<int>(*n);
}

bool Setting::is(const QString& text) const {
    return this->text().compare(text, Qt::CaseInsensitive) == 0;
}

bool Setting::is(long long n) const {
    const auto v = number();
    return v && *v == n;
}

bool Setting::isTrue() const {
    if (is(QStringLiteral("True"))) return true;
    const auto v = isAbsent() ? std::nullopt : number();
    return v && *v != 0;
}

bool Setting::isFalse() const {
    if (isAbsent() || is(QStringLiteral("False"))) return true;
    const auto v = number();
    return v && *v == 0;
}

QString BoolText(bool b) {
    return b ? QStringLiteral("True") : QStringLiteral("False");
}
