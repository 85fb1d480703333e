#include "storage/Setting.h"

#include <QLocale>
#include <limits>

std::optional<long long> Setting::number() const {
    if (!m_value) return 0;
    const QString t = m_value->trimmed();
    if (t.isEmpty()) return std::nullopt;
    bool ok = false;
    const long long n = t.toLongLong(&ok);
    if (ok) return n;
    // "1.0" or "1e3" are numbers too; anything out of range is no whole number.
    const double d = QLocale::c().toDouble(t, &ok);
    if (ok && d >= static_cast<double>(std::numeric_limits<long long>::min()) &&
        d <= static_cast<double>(std::numeric_limits<long long>::max()))
        return static_cast<long long>(d);
    return std::nullopt;
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
