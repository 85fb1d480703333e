#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class App;

// Loads the table of characters that random list passwords are drawn from.
void LoadPasswordCharacters(App& app);
// The table: letters and digits without the look-alikes 0, 1, I, L, O, i and l, 55 in all.
// Empty until LoadPasswordCharacters has run.
const QString& PasswordCharacters();

// Whether user n logs in with a password list: "Opt Mult" is "True" in any letter case.
// "False", "0", "1" and a missing value mean the single password.
bool UsesPasswordList(App& app, int n);

// N: the number of consecutive non-empty "Password<i>" of user n from i = 1.
int CountListPasswords(App& app, int n);

// Removes "Password1" ... "Password<N>" of user n; the "Used" markers stay.
void ClearPasswordList(App& app, int n);

// The number of a list line: "01" ... "09", then "10", "11", ...
QString ListLineNumber(int number);
// One line of the editor's list: "01.) pw (UnUsed) <-". isNext adds " <-" (only to an unused
// entry).
QString ListLineText(int number, const QString& password, bool used, bool isNext);
// The password of a list line: the text between its first and second space.
QString PasswordFromListLine(const QString& line);

// The editor's list as loaded from the store.
struct PasswordListLines {
    QStringList lines;
    int nextIndex = -1;   // line of the first unused entry (0-based), -1 when none
    QString nextPassword; // its password ("" when none)
};
PasswordListLines LoadPasswordListLines(App& app, int n);

// The bounds the Randomize button keeps to; values outside are clamped into them.
inline constexpr int kMaxListPasswordLength = 64;
inline constexpr int kMaxListPasswords = 999;

// A password of length characters, each drawn independently with equal chance from the table,
// from the system's cryptographically strong source.
QString RandomListPassword(int length);

// A line of the editor's working copy of the list: its text, the stored entry it was loaded
// from (0 for a line made by Add or Randomize), and, for such a new line, whether Set Next has
// marked it used.
struct PasswordListLine {
    QString text;
    int entry = 0;
    bool used = false;
};

// Randomize: count new lines of length-character passwords, the first one marked as next.
// Nothing is stored: the new passwords replace the stored list only when the editor saves
// them (SavePasswordList), so Cancel keeps the old list.
QStringList RandomPasswordLines(int length, int count);

// Refresh: every stored entry of user n becomes unused at once.
void RefreshPasswordList(App& app, int n);

// Set Next: the lines above selectedIndex (0-based) become used, the selected one and those
// below it unused. Stored entries get their markers at once; new lines keep theirs in the
// working copy until the save. Returns the selected line's password.
QString SetNextListPassword(App& app, int n, QList<PasswordListLine>& lines, int selectedIndex);

// Saving the editor's lines: the old entries are removed and each line's password is stored
// under its position. A marker goes with its password: a line loaded from entry k keeps k's
// marker (missing or empty reads "0"), a new line is stored with its own ("0" unless Set Next
// marked it used), so a password added after Clear or Randomize never comes out spent.
void SavePasswordList(App& app, int n, const QList<PasswordListLine>& lines);