#pragma once

#include <QDateTime>
#include <QLocale>

// The one source of "now". Stored dates and times always use the fixed texts below, so that
// a value written in one locale reads back the same in every other.
//
// Three clocks, for three questions: the wall clock says which day it is (and can be moved
// by anyone who sets the time); the monotonic clock measures how long the program really
// ran (it never jumps and stands still while the machine is suspended, so a suspended
// session is not charged); the boot-time clock runs on through a suspend and, with the boot
// id, tells whether the wall clock moved by itself or was moved.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // The wall clock in milliseconds since the epoch: the instant of now() without its
    // local form, which costs a reading of the time zone.
    virtual qint64 epochMs() const { return now().toMSecsSinceEpoch(); }
    QDate today() const;
    // The local time of day now.
    QTime timeOfDay() const;
    // Milliseconds on the monotonic clock.
    virtual qint64 monotonicMs() const = 0;
    // Milliseconds since this boot, suspended time included.
    virtual qint64 boottimeMs() const = 0;
    // The kernel's id of this boot (a new one at every boot); empty where the system has none.
    virtual QString bootId() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 epochMs() const override { return QDateTime::currentMSecsSinceEpoch(); }
    qint64 monotonicMs() const override;
    qint64 boottimeMs() const override;
    QString bootId() const override;

private:
    mutable QString m_bootId;
};

// Date as stored: month/day/year without leading zeros ("3/7/2026").
QString DateText(const QDate& d);
// Time as stored: "3:10:45 PM".
QString TimeText(const QTime& t);
// Date and time as the desktop's locale shows them to a person (day/month order, 24-hour clock
// where the locale has them); never stored.
QString ShownDate(const QDate& d, const QLocale& locale = QLocale::system());
QString ShownTime(const QTime& t, const QLocale& locale = QLocale::system());
// A stored "date time" stamp ("3/7/2026 3:04:31 PM") as the locale shows it; a stamp that
// cannot be read is shown as stored.
QString ShownStamp(const QString& stored, const QLocale& locale = QLocale::system());
// The local date at an instant. Qt reads the time zone again at every conversion, which costs
// more than the rest of the once-a-second date work together; this takes the zone as last read.
QDate LocalDate(qint64 epochMs);
QTime LocalTimeOfDay(qint64 epochMs);
// Reads a stored date text; an invalid QDate when the text is not a date.
QDate ParseDateText(const QString& text);
