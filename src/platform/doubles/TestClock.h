#pragma once

#include "platform/Clock.h"

// A clock that stands still until a test moves it.
class TestClock final : public Clock {
public:
    explicit TestClock(QDateTime start = QDateTime(QDate(2026, 3, 4), QTime(15, 10, 45))) : m_now(std::move(start)) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime& t) { m_now = t; }
    void set(const QDate& d, const QTime& t = QTime(12, 0)) { m_now = QDateTime(d, t); }
    void advance(qint64 seconds) { m_now = m_now.addSecs(seconds); }

private:
    QDateTime m_now;
};
