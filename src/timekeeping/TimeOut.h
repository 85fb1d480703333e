#pragma once

#include <QString>

class App;

// The current user's time is spent (the session clock has stored "00" in all three values):
// offer or grant extra minutes once, or carry out the user's actions in order: spend the list
// password, sound, then stop the clock, program, end action, and then the message (over the
// login window when the end action brings it back). The question is opened without waiting;
// the time-out goes on when it is answered, or after kTimeOutBoxSeconds of the session's ticks
// without an answer (it then counts as No). A box still up from the session (the warning) is
// closed first.
void HandleTimeOut(App& app);

// The login hours of the logged-in user no longer allow this hour: the activity log says so
// and the user's time-out actions run as at a time-out, without the extra-time offer and
// without removing a one-time user (the time left is kept for the next login).
void HandleHoursEnd(App& app);

// How long a time-out's box waits for an answer, in ticks of the session clock.
inline constexpr int kTimeOutBoxSeconds = 60;

// The extra-time question, with the penalty ending or without it.
QString ExtraTimeQuestion(const QString& minutes, bool penalty);

// The activity log's line for a sound that could not be played (no audio output).
inline QString SoundNotPlayedText(const QString& file) {
    return QStringLiteral("Sound not played (no audio output): ") + file;
}

// The end actions of "Take Action Do", in the order they are compared.
namespace EndActions {
inline const QString ShutDownWindows = QStringLiteral("ShutDown Windows");
inline const QString RestartWindows = QStringLiteral("Restart Windows");
inline const QString RestartComputer = QStringLiteral("Restart Computer");
inline const QString DisplayTimeWardLogin = QStringLiteral("Display Time Ward Login");
// What the lists show for a stored end action, in this system's words; other texts as they are.
QString label(const QString& value);
} // namespace EndActions
