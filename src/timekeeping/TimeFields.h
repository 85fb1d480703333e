#pragma once

#include <QString>

class App;

// The normalisation of three time fields (hours, minutes, seconds) that the free-time dialog,
// the user editor and the wizard apply before they store a time:
//   empty -> "0", below 0 -> "0", plain decimal ("007" -> "7"), seconds above 60 carried into
//   minutes and minutes above 60 into hours (60 itself stays), below 10 with a leading "0".
// A field holding anything but a whole number (letters, a decimal point) cannot be normalised,
// and neither can one beyond kLargestTimeField: then nothing is changed and the answer names the
// field, so that the window can refuse the input with a message and keep it for correcting.
inline constexpr long long kLargestTimeField = 999999999;

enum class TimeField { None, Hours, Minutes, Seconds };

struct TimeFieldsCheck {
    enum Result { Ok, NotANumber, TooLarge } result = Ok;
    TimeField field = TimeField::None; // the first field refused (seconds, minutes, then hours)
    bool ok() const { return result == Ok; }
};

TimeFieldsCheck ReWriteTimeAmmt(QString& hours, QString& minutes, QString& seconds);

// The messages for a refused field.
QString TimeFieldsMessage(const TimeFieldsCheck& check);

// Stores user n's free time as the free-time dialog does: the three fields normalised by
// ReWriteTimeAmmt and written in one transaction, so that the session clock never sees half
// of them. False, with nothing written, when a field cannot be normalised or the store
// refused the write.
bool StoreFreeTime(App& app, int n, QString hours, QString minutes, QString seconds);

// Adds minutes to user n's free time (fewer takes them away, never below 0:00:00) through
// StoreFreeTime. False when the store refused it.
bool AddFreeMinutes(App& app, int n, long long minutes);
