#pragma once

#include "platform/Clock.h"

// A clock that stands still until a test moves it. The wall, monotonic and boot-time clocks
// move together through advance(); the others let a test stall the program, suspend the
// machine, set the wall clock by hand or reboot.
class TestClock final : public Clock {
public:
    explicit TestClock(QDateTime start = QDateTime(QDate(2026, 3, 4), QTime(15, 10, 45)))
        : m_now(std::move(start)), m_nowMs(m_now.toMSecsSinceEpoch()) {}
    QDateTime now() const override {
        // Moves are added up and applied when the time is asked for: a benchmark that moves
        // the clock every tick then measures the program's own work with the time, not the
        // double's.
        if (m_pendingMs != 0) {
            m_now = m_now.addMSecs(m_pendingMs);
            m_pendingMs = 0;
        }
        return m_now;
    }
    qint64 epochMs() const override { return m_nowMs; }
    qint64 monotonicMs() const override { return m_monotonicMs; }
    qint64 boottimeMs() const override { return m_boottimeMs; }
    QString bootId() const override { return m_bootId; }

    // Setting the wall clock moves only the wall clock, as setting the system's time does.
    void set(const QDateTime& t) {
        m_now = t;
        m_pendingMs = 0;
        m_nowMs = t.toMSecsSinceEpoch();
    }
    void set(const QDate& d, const QTime& t = QTime(12, 0)) { set(QDateTime(d, t)); }
    // Real time passing while the program runs (or stalls): every clock moves.
    void advance(qint64 seconds) { advanceMs(seconds * 1000); }
    void advanceMs(qint64 ms) {
        m_pendingMs += ms;
        m_nowMs += ms;
        m_monotonicMs += ms;
        m_boottimeMs += ms;
    }
    // The machine sleeps: the wall and boot-time clocks move, the monotonic clock does not.
    void suspend(qint64 seconds) {
        m_pendingMs += seconds * 1000;
        m_nowMs += seconds * 1000;
        m_boottimeMs += seconds * 1000;
    }
    // The machine was off for a while and started again: a new boot id, the boot-time and
    // monotonic clocks begin again.
    void reboot(qint64 secondsOff) {
        m_pendingMs += secondsOff * 1000;
        m_nowMs += secondsOff * 1000;
        m_monotonicMs = 5000;
        m_boottimeMs = 5000;
        m_bootId = QStringLiteral("boot-") + QString::number(++m_boots);
    }

private:
    mutable QDateTime m_now;
    mutable qint64 m_pendingMs = 0;
    qint64 m_nowMs;
    qint64 m_monotonicMs = 100'000;
    qint64 m_boottimeMs = 100'000;
    QString m_bootId = QStringLiteral("boot-0");
    int m_boots = 0;
};
