#include "restrictions/ScreenSaver.h"

#include <QCoreApplication>

namespace {
QString switchText(const std::optional<bool>& on) {
    if (!on) return QCoreApplication::translate("ScreenSaver", qUtf8Printable(kNotAvailable));
    return *on ? QCoreApplication::translate("ScreenSaver", "True")
               : QCoreApplication::translate("ScreenSaver", "False");
}

QString secondsText(const std::optional<int>& seconds) {
    return seconds ? QString::number(*seconds)
                   : QCoreApplication::translate("ScreenSaver", qUtf8Printable(kNotAvailable));
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
