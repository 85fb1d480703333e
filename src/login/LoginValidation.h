#pragma once

#include "timekeeping/LoginHours.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>

class App;

// The answers of the login check, as the login window's label shows them, in the desktop's language.
namespace LoginMessages {
QString SelectUser();
QString EnterPassword();
QString NotAUser(const QString& name);
QString InvalidPassword();
QString PasswordUsed();
QString NoTimeLeft();
QString NotNow();
QString NotAParent(const QString& name);
} // namespace LoginMessages

// The entry of the user box to select for the typed text: when the text names a user, the
// entry whose text is exactly that text (letter case counts); otherwise, or when no entry is
// spelt exactly so, the current selection stays.
int SelectTypedUser(App& app, const QStringList& entries, const QString& typed, int currentIndex);

// Why a login with the right password was refused (both may apply).
enum LoginRefusal { RefusedForTime = 1, RefusedForHours = 2 };

struct LoginCheck {
    bool accepted = false;
    QString message; // the refusal for the label; empty when accepted
    int user = 0;    // the user's number once the password matched
    int reasons = 0; // LoginRefusal bits of a time or hours refusal
    QString when;    // for those: when the user may log in again, one line per reason
};

// Every check of a login attempt in its order, with the store effects of the password list
// (refresh of a spent list, renewal by a new list password, the spent marker of the previous
// one) and CurrentUserNumber / LoginPasswordIndex. selectedName is null when no entry of the
// user box is selected.
LoginCheck ValidateLogin(App& app, const QString& selectedName, const QString& password);

// The lines a refused login adds for its reasons: "Your time renews tomorrow at 0:00." and
// "Logins are allowed again at 15:00.", from the renewal check and the hour rules themselves.
QString LoginWhenText(App& app, int n, int reasons);

// The login window's "Ask a parent": the name and password checked as a parent's login checks
// them, without any effect on the parent's record. The refusal text, or empty with *parent set
// and, when the password was one of the parent's list, *listPassword its number (else 0).
QString CheckParent(App& app, const QString& parentName, const QString& password, int* parent,
                    int* listPassword = nullptr);

// After this many wrong tries in a row "Ask a parent…" rests for this many seconds.
constexpr int kAskParentTries = 5;
constexpr int kAskParentRestSeconds = 60;

// Gives user n minutes from a parent at the login window: added to the free time when it is
// spent, and a leave of that length from the login hours when they deny a login now. Logs
// "<parent> gave <user> <n> minutes at the login window".
void GiveMinutesAtLogin(App& app, int parent, int n, int minutes);
// "LoginWTTLText" with its identifiers ($name, $number, $time, $date, $freetime, $totaltime,
// $basedon, any letter case) replaced in one pass: text that a replacement inserted is never
// looked at again.
QString ReplaceLoginIdentifiers(App& app, int n, const QString& text);

// User n's login events in order: the sound, the message box, the program, the extra log line.
// The message box is opened without waiting (a box of the session). A sound file or program
// that does not exist is skipped without a word.
void RunLoginEvents(App& app, int n);
