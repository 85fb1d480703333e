#pragma once

#include <QDateTime>

// The one source of "now". Stored dates and times always use the fixed texts below, so that
// a value written in one locale reads back the same in every other.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// Date as stored and shown: month/day/year without leading zeros ("3/7/2026").
QString DateText(const QDate& d);
// Time as stored and shown: "3:10:45 PM".
QString TimeText(const QTime& t);
// Reads a stored date text; an invalid QDate when the text is not a date.
QDate ParseDateText(const QString& text);
