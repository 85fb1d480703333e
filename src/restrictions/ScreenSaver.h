#pragma once

#include "platform/ScreenSaverSettings.h"

#include <QString>
#include <functional>

// The six fields of the options dialog's "Current Screen Saver Status".
enum class ScreenSaverField { Active, TimeOut, LowPowerActive, LowPowerTimeout, PowerOffActive, PowerOffTimeout };

// What a field shows when the system has no source for it.
inline const QString kNotAvailable = QString::fromUtf8(QT_TRANSLATE_NOOP("ScreenSaver", "not available"));

// Hands each field, in order, its text from the desktop's own settings (the X server's screen
// saver and its power saving): "True" or "False" for the three switches, the number of seconds
// for the three time-outs, and "not available" for a value the system gives no source for.
void UpdateScreenSaverStatus(const ScreenSaverSettings& settings,
                             const std::function<void(ScreenSaverField, const QString&)>& show);
