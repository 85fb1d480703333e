#pragma once

#include <QString>
#include <array>
#include <optional>

class App;

// The boot options of the system's start-up file. The program keeps no copy of them: the
// file is their only home, read when the options dialog loads and written when it saves.
namespace BootOptions {
inline const QString File = QStringLiteral("C:\\msdos.sys");
inline const QString Section = QStringLiteral("Options");
inline const QString BootDelay = QStringLiteral("BootDelay");
inline const QString BootGUI = QStringLiteral("BootGUI");
inline const QString BootWin = QStringLiteral("BootWin");
// The order in which the keys are both read and written.
inline const std::array<QString, 3> Keys = {BootDelay, BootGUI, BootWin};
} // namespace BootOptions

// Check-box states ("0" clear, "1" ticked, "2" greyed) of the three boot options.
struct BootOptionStates {
    int BootDelay = 0;
    int BootGUI = 0;
    int BootWin = 0;
};

// One key of the start-up file as the system's profile read gives it: at most 127
// characters, up to the first NUL, in upper case; "" when the file or the key is missing.
QString ReadBootOption(App& app, const QString& key);
// Writes one key; a refused write (read-only file) changes nothing and gives false.
bool WriteBootOption(App& app, const QString& key, const QString& value);

// Writes "BootDelay", "BootGUI" and "BootWin", in this order, each as its box's state. A
// refused write raises "Path/File access error" naming the file, after all three were tried,
// so the parent learns that the choice did not stick.
void SaveBootOptions(App& app, const BootOptionStates& states);

// The value a box takes from one key: the key's number when its text is a number (its whole
// part, WholeNumber), nothing when the file or the key is missing or the text is no
// number. The number is not checked here; the box refuses a state outside 0 to 2.
std::optional<long long> LoadBootOption(App& app, const QString& key);
