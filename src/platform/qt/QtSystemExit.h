#pragma once

#include "platform/SystemExit.h"

// Ends the desktop through logind on the system bus: power off, end this desktop session, or
// reboot. Nothing else is ever used (no reboot call, no shutdown command, no shell), so what
// may happen is what logind's policy allows the person at the desktop.
class QtSystemExit final : public SystemExit {
public:
    bool exitWindows(unsigned flags) override;
};
