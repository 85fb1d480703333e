#pragma once

#include <QString>
#include <functional>

class App;

// The system's screen-saver and power-saving settings, only ever read.
namespace ScreenSaverValues {
inline const QString Root = QStringLiteral("HKEY_CURRENT_USER");
inline const QString Key = QStringLiteral("Control Panel\\Desktop");
inline const QString Active = QStringLiteral("ScreenSaveActive");
inline const QString TimeOut = QStringLiteral("ScreenSaveTimeOut");
inline const QString LowPowerActive = QStringLiteral("ScreenSaveLowPowerActive");
inline const QString LowPowerTimeout = QStringLiteral("ScreenSaveLowPowerTimeout");
inline const QString PowerOffActive = QStringLiteral("ScreenSavePowerOffActive");
inline const QString PowerOffTimeout = QStringLiteral("ScreenSavePowerOffTimeout");
} // namespace ScreenSaverValues

// The six fields of the options dialog's "Current Screen Saver Status".
enum class ScreenSaverField { Active, TimeOut, LowPowerActive, LowPowerTimeout, PowerOffActive, PowerOffTimeout };

// Reads the six values in order and hands each field its text: "True" or "False" for the
// three switches (a switch that is absent or holds another value leaves its field as it is),
// the stored text for the three time-outs (empty when absent).
void UpdateScreenSaverStatus(App& app, const std::function<void(ScreenSaverField, const QString&)>& show);
