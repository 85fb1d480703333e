#pragma once

#include <QString>

class App;

// The one rule for a time typed as three fields (hours, minutes, seconds), which the free-time
// dialog, the user editor and the new-user wizard apply before they store it:
//   blank -> "0", below 0 -> "0", plain decimal ("007" -> "7"), seconds above 60 carried into
//   minutes and minutes above 60 into hours (60 itself stays), below 10 with a leading "0".
// A field is read as every stored number is (WholeNumber), but a typed time is whole: a field
// with a fraction, letters or other signs cannot be normalised, and neither can one beyond
// kLargestTimeField. Then nothing is changed and the answer names the first such field
// (seconds, minutes, then hours), so that the window can refuse the input and keep it for
// correcting; or, where the time does not count (an unlimited allowance), such a field is 0.
inline constexpr long long kLargestTimeField = 999999999;

enum class TimeField { None, Hours, Minutes, Seconds };

struct TimeFieldsCheck {
    enum Result { Ok, NotANumber, TooLarge } result = Ok;
    TimeField field = TimeField::None;
    bool ok() const { return result == Ok; }
};

enum class UnreadableField { Refuse, CountAsZero };

TimeFieldsCheck ReWriteTimeAmmt(QString& hours, QString& minutes, QString& seconds,
                                UnreadableField unreadable = UnreadableField::Refuse);

// The message for a refused field; it names the field's box.
QString TimeFieldsMessage(const TimeFieldsCheck& check);

// How every window, tip and report shows user n's stored time: hours, minutes and seconds as
// the record holds them, joined by ":" ("01:05:09"). The free time is the time left.
QString FreeTimeText(App& app, int n);
QString AllowanceText(App& app, int n);

// Stores user n's free time as the free-time dialog does: the three fields normalised by
// ReWriteTimeAmmt and written in one transaction, so that the session clock never sees half
// of them. False, with nothing written, when a field cannot be normalised or the store
// refused the write.
bool StoreFreeTime(App& app, int n, QString hours, QString minutes, QString seconds);

// Adds minutes to user n's free time (fewer takes them away, never below 0:00:00) through
// StoreFreeTime. False when the store refused it.
bool AddFreeMinutes(App& app, int n, long long minutes);
