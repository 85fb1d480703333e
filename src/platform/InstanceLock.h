#pragma once

// The previous-instance test: one resident copy per store.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // Takes the lock for this process; false when another process holds it.
    virtual bool tryAcquire() = 0;
    // Whether the lock's holder is a live copy: it answers on the exit link within timeoutMs.
    virtual bool holderAnswers(int timeoutMs) = 0;
};
