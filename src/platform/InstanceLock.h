#pragma once

// The previous-instance test: one resident copy per store.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // Takes the lock for this process; false when another running copy holds it.
    virtual bool tryAcquire() = 0;
};
