#include "restrictions/ScreenSaver.h"

namespace {
QString switchText(const std::optional<bool>& on) {
    if (!on) return kNotAvailable;
    return *on ? QStringLiteral("True") : QStringLiteral("False");
}

QString secondsText(const std::optional<int>& seconds) {
    return seconds ? QString::number(*seconds) : kNotAvailable;
}
} // namespace

void UpdateScreenSaverStatus(const ScreenSaverSettings& s,
                             const std::function<void(ScreenSaverField, const QString&)>& show) {
    using F = ScreenSaverField;
    show(F::Active, switchText(s.active));
    show(F::TimeOut, secondsText(s.timeout));
    show(F::LowPowerActive, switchText(s.lowPowerActive));
    show(F::LowPowerTimeout, secondsText(s.lowPowerTimeout));
    show(F::PowerOffActive, switchText(s.powerOffActive));
    show(F::PowerOffTimeout, secondsText(s.powerOffTimeout));
}
