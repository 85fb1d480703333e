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
QString StoreUnreadable();
} // namespace LoginMessages

// The entry of the user box to select for the typed text: when the text names a user, the
// entry spelt exactly so, else the entry that differs only in letter case ("bob" is Bob);
// otherwise the current selection stays.
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

// Logs a refused login when "LogELogin" is on: "Bob was refused: no time left", and likewise for
// the hours, a wrong or spent password, an unreadable store and a name that is no user. The
// empty name or password the window only asks for again are not logged.
void LogRefusedLogin(App& app, const QString& selectedName, const LoginCheck& check);

// The lines a refused login adds for its reasons: "Your time renews tomorrow at 0:00." and
// "Logins are allowed again at 15:00.", from the renewal check and the hour rules themselves.
QString LoginWhenText(App& app, int n, int reasons);

// The login window's "Ask a parent": the name and password checked as a parent's login checks
// them, without any effect on the parent's record. The refusal text, or empty with *parent set
// and, when the password was one of the parent's list, *listPassword its number (else 0).
QString CheckParent(App& app, const QString& parentName, const QString& password, int* parent,
                    int* listPassword = nullptr);

// A parent's password asked for away from the login: "Ask a parent…" at the login window and
// the parent's page both go through CheckParentPassword, so that they share one count of wrong
// tries and one rest, kept in the store ("ParentWrongTries", "ParentRestUntil"): a restart gives
// no new tries. Every fifth wrong try in a row starts a rest of 1 minute, then 2, 4 ... up to an
// hour; a right password ends the count.
constexpr int kAskParentTries = 5;
constexpr int kAskParentRestSeconds = 60;
constexpr int kAskParentMaxRestSeconds = 3600;

struct ParentPasswordCheck {
    QString refusal;        // empty when the password is a parent's
    int parent = 0;         // the parent's number when it is
    bool resting = false;   // refused for the rest (now or by this try)
    qint64 restSeconds = 0; // how long the rest still lasts
};
// Seconds until the next try is taken (0: now).
qint64 ParentPasswordRestSeconds(App& app);
// The check itself: within a rest it refuses without looking; a wrong try is counted and logged
// with who was named and where from ("the login window", the page's address); a right list
// password is spent, as a login spends it.
ParentPasswordCheck CheckParentPassword(App& app, const QString& parentName, const QString& password,
                                        const QString& from);
// The longest part of a typed name that a wrong try logs.
inline constexpr int kLoggedNameLength = 64;
// Counts one wrong try, logs it, and starts the rest at every fifth in a row. The name is logged
// as typed, without control characters and cut at kLoggedNameLength.
void RecordWrongParentTry(App& app, const QString& who, const QString& from);
// The refusal a person reads during the rest.
QString ParentRestMessage(qint64 seconds);

// Gives user n minutes from a parent at the login window: added to the free time when it is
// spent, and a leave of that length from the login hours when they deny a login now. Logs
// "<parent> gave <user> <n> minutes at the login window" once the store has taken it; false
// (and nothing logged) when it refused the write.
bool GiveMinutesAtLogin(App& app, int parent, int n, int minutes);
// "LoginWTTLText" with its identifiers ($name, $number, $time, $date, $freetime, $totaltime,
// $basedon, any letter case) replaced in one pass: text that a replacement inserted is never
// looked at again.
QString ReplaceLoginIdentifiers(App& app, int n, const QString& text);

// The login countdown's length in seconds ("LoginTimerSecs"): a whole positive number, or the
// default of 60 for any other text ("60s", "1e3", "-5", "0"), which the activity log names once.
long long LoginCountdownSeconds(App& app);
inline constexpr long long kLoginCountdownDefault = 60;

// User n's login events in order: the sound, the message box, the program, the extra log line.
// The message box is opened without waiting (a box of the session). A sound file or program
// that does not exist is skipped without a word.
void RunLoginEvents(App& app, int n);
