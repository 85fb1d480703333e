#pragma once

#include <QString>

// The desktop user's service manager (a systemd user session): it restarts a killed copy of
// the program when the program's unit is enabled.
class UserServices {
public:
    virtual ~UserServices() = default;
    // True when a user service manager runs and knows the unit (it is installed).
    virtual bool hasUnit(const QString& unit) = 0;
    // Enables or disables the unit for the user's next sessions; true when the manager agreed.
    virtual bool setUnitEnabled(const QString& unit, bool enabled) = 0;
};

// The unit shipped with the program.
inline const QString kServiceUnitName = QStringLiteral("timeward.service");
