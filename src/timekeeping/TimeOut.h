#pragma once

#include <QString>

class App;

// The current user's time is spent (the session clock has stored "00" in all three values):
// offer or grant extra minutes once, or stop the clock and carry out the user's actions in
// order: spend the list password, sound, message, program, end action.
void HandleTimeOut(App& app);

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
