#pragma once

#include <QList>
#include <QString>
#include <array>
#include <optional>

class App;

// A child's "more time, please": asked from the session, stored under "Requests\<id>", answered
// by a parent from the main window or the parent's page, closed as denied when the session ends.

// The minutes a child may ask for.
inline constexpr std::array<int, 3> kRequestMinutes = {5, 15, 30};
// The longest reason kept, in characters.
inline constexpr int kMaxReasonLength = 100;
// A child asks at most once in this many seconds.
inline constexpr int kRequestRestSeconds = 5 * 60;
// A parent gives from 1 up to this many minutes in answer.
inline constexpr int kMaxAnswerMinutes = 600;
// Answered requests beyond this many (the newest kept) are removed when a new one is asked.
inline constexpr int kKeptRequests = 100;

struct MoreTimeRequest {
    int id = 0;
    QString user;
    int minutes = 0; // as asked
    QString reason;  // one line, at most kMaxReasonLength characters
    QString asked;   // as stored: "M/d/yyyy h:mm:ss AP"
    QString state;   // "Open", "Approved", "Denied" (or whatever another writer stored)
    int answer = 0;  // minutes given
    QString by;      // the parent who answered
    QString note;    // why TimeWard closed it without a parent ("session ended")
};

struct AskResult {
    enum Outcome {
        Asked,       // stored and logged; id is set
        NotLoggedIn, // nobody is logged in
        Parent,      // a parent gives time, not asks for it
        Unlimited,   // the user's time is not counted
        BadMinutes,  // not one of kRequestMinutes
        AlreadyOpen, // this user's earlier request waits for its answer
        TooSoon,     // the last one was asked less than kRequestRestSeconds ago; waitSeconds is set
        NotSaved,    // the store refused it; why says so
    } outcome = NotLoggedIn;
    int id = 0;
    int waitSeconds = 0;
    QString why;
    bool ok() const { return outcome == Asked; }
};

// The child's request from the logged-in session: minutes, and an optional reason made one
// line and cut to kMaxReasonLength. One open request per user, one every kRequestRestSeconds;
// both rules are read from the store, so a restarted copy keeps them.
AskResult AskForMoreTime(App& app, int minutes, const QString& reason);
// What the child is told (empty for Asked: the caller says it in its own words).
QString AskResultMessage(const AskResult& result);

// Every request in the store, oldest first; ids that are not numbers are skipped.
QList<MoreTimeRequest> AllRequests(App& app);
// The requests still waiting for a parent, oldest first.
QList<MoreTimeRequest> OpenRequests(App& app);
std::optional<MoreTimeRequest> ReadRequest(App& app, int id);

struct AnswerResult {
    enum Outcome {
        Answered,      // stored and logged
        NoSuchRequest, // no request has that id
        NotOpen,       // answered or closed already
        BadMinutes,    // approval outside 1 … kMaxAnswerMinutes
        NoSuchUser,    // the asking user no longer exists
        NotSaved,      // the store refused it; nothing changed; why says so
    } outcome = NoSuchRequest;
    QString user;
    int minutes = 0; // given
    QString why;
    bool ok() const { return outcome == Answered; }
};

// A parent's answer: approval adds the minutes to the user's free time at once (renewing a
// period that has ended first) and stores "Approved" with the minutes; a denial stores
// "Denied". Both in one transaction with the free time, then logged with where the answer came
// from, a phrase that ends the log line: "from the main window", "from the parent's page
// (<address>)".
AnswerResult AnswerRequest(App& app, int id, bool approve, int minutes, const QString& parentName, const QString& from);
// What the parent is told when the answer did not go through (empty for Answered).
QString AnswerResultMessage(const AnswerResult& result);

// Closes the open requests as "Denied" with the note reason: the named user's, or everybody's
// when user is empty. False when the store refused it (they stay open).
bool CloseOpenRequests(App& app, const QString& reason, const QString& user = QString());
inline const QString kSessionEndedNote = QStringLiteral("session ended");

// Made one line (control characters and line breaks become blanks, runs of blanks one) and
// cut to kMaxReasonLength characters, never in the middle of a character.
QString CleanReason(const QString& reason);

// The answer to this session's request, once, in a box of the session that does not stop the
// clock: "<parent> gave you <n> minutes." or "<parent> said no.". Run on the controller's tick.
void ShowRequestAnswer(App& app);
// The text of that box for an answered request; empty while it is open or when TimeWard
// closed it.
QString RequestAnswerText(const MoreTimeRequest& request);
