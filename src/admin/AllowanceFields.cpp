#include "admin/AllowanceFields.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <optional>

namespace {
// A whole number with an optional sign and blanks around it; nullopt otherwise.
std::optional<long long> wholeNumber(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^\\s*[+-]?\\d{1,12}\\s*$"));
    if (!re.match(text).hasMatch()) return std::nullopt;
    return text.trimmed().toLongLong();
}

QString twoDigits(long long v) {
    return v < 10 ? QStringLiteral("0") + QString::number(v) : QString::number(v);
}
} // namespace

AllowanceCheck NormaliseAllowance(QString& hours, QString& minutes, QString& seconds, bool unlimited) {
    struct Field {
        QString* text;
        const char* refusal; // what to type, naming the box
        long long value = 0;
    };
    Field fields[] = {
        {&seconds, QT_TRANSLATE_NOOP("AllowanceFields", "Please enter a whole number of seconds (0 to %1) in the "
                                                        "Seconds box.")},
        {&minutes, QT_TRANSLATE_NOOP("AllowanceFields", "Please enter a whole number of minutes (0 to %1) in the "
                                                        "Minutes box.")},
        {&hours, QT_TRANSLATE_NOOP("AllowanceFields", "Please enter a whole number of hours (0 to %1) in the Hours "
                                                      "box.")},
    };
    for (Field& f : fields) {
        if (f.text->trimmed().isEmpty()) {
            f.value = 0;
            continue;
        }
        const auto v = wholeNumber(*f.text);
        if (!v || *v > kMaxAllowanceField) {
            if (unlimited) {
                f.value = 0;
                continue;
            }
            AllowanceCheck refused;
            refused.ok = false;
            refused.message = QCoreApplication::translate("AllowanceFields", f.refusal).arg(kMaxAllowanceField);
            return refused;
        }
        f.value = std::max(*v, 0LL);
    }
    long long s = fields[0].value, m = fields[1].value, h = fields[2].value;
    if (s > 60) {
        m += s / 60;
        s %= 60;
    }
    if (m > 60) {
        h += m / 60;
        m %= 60;
    }
    seconds = twoDigits(s);
    minutes = twoDigits(m);
    hours = twoDigits(h);
    return {};
}
