#pragma once

#include "web/WebServer.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <map>

class App;

// What the page needs from the running session, which the program's top floor owns: who is
// logged in (0: nobody) and the same hand-over as the status window's "End Session".
struct ParentPageSession {
    std::function<int()> loggedInUser;
    std::function<void()> endSession;
};

// The parent's page and its JSON API over the store: the built-in page files, the parents'
// login with a session cookie and a token for every change, and the actions, each logged with
// the parent's name and the caller's address. It reads the store afresh at every request.
class ParentPageApi final {
public:
    ParentPageApi(App& app, ParentPageSession session);

    WebResponse handle(const WebRequest& request);

    // A login is forgotten after this long without a request.
    static constexpr qint64 kIdleMs = 30 * 60 * 1000;
    // How many logins are kept at once; the one unused longest goes first.
    static constexpr int kMaxLogins = 16;
    static constexpr int kMaxMinutes = 600;
    inline static const QByteArray kCookieName = "tw_session";
    inline static const QByteArray kTokenHeader = "x-timeward-token";

private:
    struct Login {
        QString parent;   // the parent's name as stored
        QByteArray token; // must come with every change
        qint64 lastUseMs = 0;
    };
    Login* loginOf(const WebRequest& request);
    WebResponse login(const WebRequest& request);
    static WebResponse resting(qint64 seconds);
    WebResponse status(const Login& login);
    WebResponse minutes(const Login& login, const WebRequest& request, const QString& name);
    WebResponse renew(const Login& login, const WebRequest& request, const QString& name);
    WebResponse endSession(const Login& login, const WebRequest& request);
    WebResponse usage(const WebRequest& request, const QString& name);
    WebResponse log(const WebRequest& request);
    WebResponse answer(const Login& login, const WebRequest& request, const QString& id);
    void writeLog(const QString& line, const WebRequest& request);

    App& m_app;
    ParentPageSession m_session;
    std::map<QByteArray, Login> m_logins; // by cookie value
};
