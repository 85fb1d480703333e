#pragma once

#include <QString>
#include <QStringList>

class App;

// The answers of the login check, as the login window's label shows them.
namespace LoginMessages {
inline const QString SelectUser = QStringLiteral("Please select a user first");
inline const QString EnterPassword = QStringLiteral("Please enter a password");
inline const QString NotAUser = QStringLiteral(" is not a user"); // after the name
inline const QString InvalidPassword = QStringLiteral("Invalid Password!");
inline const QString PasswordUsed = QStringLiteral("Password already used!");
inline const QString NoTimeLeft = QStringLiteral("User has no time left!");
inline const QString NotNow = QStringLiteral("User cannot log in at this time!");
} // namespace LoginMessages

// The entry of the user box to select for the typed text: when the text names a user, the
// entry whose text is exactly that text (letter case counts); otherwise, or when no entry is
// spelt exactly so, the current selection stays.
int SelectTypedUser(App& app, const QStringList& entries, const QString& typed, int currentIndex);

struct LoginCheck {
    bool accepted = false;
    QString message; // the refusal for the label; empty when accepted
    int user = 0;    // the user's number once the password matched
};

// Every check of a login attempt in its order, with the store effects of the password list
// (refresh of a spent list, renewal by a new list password, the spent marker of the previous
// one) and CurrentUserNumber / LoginPasswordIndex. selectedName is null when no entry of the
// user box is selected.
LoginCheck ValidateLogin(App& app, const QString& selectedName, const QString& password);

// Whether user n's login-hour rules deny a login at this hour (0-23). The rules end where the
// stored rules end, however large "Time Restriction Ammt" is.
bool LoginHoursDeny(App& app, int n, int hour);

// "LoginWTTLText" with its identifiers ($name, $number, $time, $date, $freetime, $totaltime,
// $basedon, any letter case) replaced in one pass: text that a replacement inserted is never
// looked at again.
QString ReplaceLoginIdentifiers(App& app, int n, const QString& text);

// User n's login events in order: the sound, the message box, the program, the extra log line.
// A sound file or program that does not exist is skipped without a word.
void RunLoginEvents(App& app, int n);

// The whole-number part of a stored number as the login reads it: leading blanks, a sign and
// digits ("12.7" and "12abc" are 12, "abc" and "" are 0); beyond the range of a number it stops
// at the largest one.
long long WholeNumberPart(const QString& text);
