#pragma once

#include "platform/UserServices.h"

// The systemd user manager over the session bus. Nothing here starts or stops a unit; it
// only enables or disables the unit file.
class QtUserServices final : public UserServices {
public:
    bool hasUnit(const QString& unit) override;
    bool setUnitEnabled(const QString& unit, bool enabled) override;
};
