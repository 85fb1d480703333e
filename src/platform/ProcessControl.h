#pragma once

// Ending the process at once, without close or unload handlers (the orderly exit and the
// error prompt's Abort). The test double only records, so callers return right after.
class ProcessControl {
public:
    virtual ~ProcessControl() = default;
    virtual void exitNow(int code) = 0;
};
