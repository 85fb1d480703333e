#pragma once

// Ends the desktop: flags as the system's exit call takes them.
class SystemExit {
public:
    enum Flags : unsigned { Shutdown = 1, Logoff = 0x42, Reboot = 2 };
    virtual ~SystemExit() = default;
    virtual bool exitWindows(unsigned flags) = 0;
};
