#include "web/ParentPageApi.h"

#include "core/App.h"
#include "login/LoginValidation.h"
#include "platform/Clock.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "timekeeping/Requests.h"
#include "timekeeping/TimeFields.h"
#include "timekeeping/UsageHistory.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QUrlQuery>
#include <cmath>
#include <optional>

static void initPageResources() {
    Q_INIT_RESOURCE(page);
}

namespace {
WebResponse json(int status, const QJsonObject& body) {
    return {status, "application/json", QJsonDocument(body).toJson(QJsonDocument::Compact), {}};
}

WebResponse error(int status, const QString& reason) {
    return json(status, {{QStringLiteral("error"), reason}});
}

QByteArray randomHex(int bytes) {
    QByteArray raw(bytes, Qt::Uninitialized);
    QRandomGenerator::system()->generate(raw.begin(), raw.end());
    return raw.toHex();
}

// Compares without telling through its time how much of the secret was right.
bool sameSecret(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size() || a.isEmpty()) return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

QByteArray cookieValue(const WebRequest& request, const QByteArray& name) {
    for (const auto& [header, value] : request.headers) {
        if (header != "cookie") continue;
        for (QByteArray part : value.split(';')) {
            part = part.trimmed();
            if (part.startsWith(name + '=')) return part.mid(name.size() + 1);
        }
    }
    return {};
}

// "1:05:00".
QString clockText(long long seconds) {
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// A number from the query ("days=14"), within its bounds; def when absent, nullopt when bad.
std::optional<int> queryNumber(const WebRequest& request, const QString& name, int def, int low, int high) {
    const QUrlQuery query(QString::fromUtf8(request.query));
    if (!query.hasQueryItem(name)) return def;
    bool ok = false;
    const int v = query.queryItemValue(name).toInt(&ok);
    if (!ok || v < low || v > high) return std::nullopt;
    return v;
}

// The JSON object of the body; the reason it is not one in *why.
std::optional<QJsonObject> bodyObject(const WebRequest& request, QString* why) {
    QJsonParseError e;
    const QJsonDocument doc = QJsonDocument::fromJson(request.body, &e);
    if (e.error != QJsonParseError::NoError) {
        *why = QStringLiteral("Bad JSON: ") + e.errorString() + QStringLiteral(" at ") + QString::number(e.offset);
        return std::nullopt;
    }
    if (!doc.isObject()) {
        *why = QStringLiteral("Bad JSON: an object is expected");
        return std::nullopt;
    }
    return doc.object();
}

// The built-in page files, by path; nothing else is served and no path reaches a file.
struct PageFile {
    const char* path;
    const char* resource;
    const char* type;
};
constexpr PageFile kPageFiles[] = {
    {"/", ":/web/index.html", "text/html; charset=utf-8"},
    {"/index.html", ":/web/index.html", "text/html; charset=utf-8"},
    {"/app.js", ":/web/app.js", "text/javascript; charset=utf-8"},
    {"/style.css", ":/web/style.css", "text/css; charset=utf-8"},
};
} // namespace

ParentPageApi::ParentPageApi(App& app, ParentPageSession session) : m_app(app), m_session(std::move(session)) {
    initPageResources();
}

void ParentPageApi::writeLog(const QString& line, const WebRequest& request) {
    WriteActivityLog(m_app, line + QStringLiteral(" from the parent's page (") + request.peer + QLatin1Char(')'));
}

ParentPageApi::Login* ParentPageApi::loginOf(const WebRequest& request) {
    const QByteArray cookie = cookieValue(request, kCookieName);
    const qint64 now = m_app.platform.clock->monotonicMs();
    for (auto it = m_logins.begin(); it != m_logins.end();) {
        if (now - it->second.lastUseMs > kIdleMs)
            it = m_logins.erase(it);
        else
            ++it;
    }
    for (auto& [value, login] : m_logins) {
        if (!sameSecret(value, cookie)) continue;
        login.lastUseMs = now;
        return &login;
    }
    return nullptr;
}

WebResponse ParentPageApi::handle(const WebRequest& request) {
    const bool get = request.method == "GET" || request.method == "HEAD";
    const bool post = request.method == "POST";
    if (!request.path.startsWith("/api/")) {
        for (const PageFile& f : kPageFiles) {
            if (request.path != f.path) continue;
            if (!get) return error(405, QStringLiteral("Only GET is answered here."));
            QFile file(QLatin1String(f.resource));
            if (!file.open(QIODevice::ReadOnly)) return error(404, QStringLiteral("Not found."));
            return {200, f.type, request.method == "HEAD" ? QByteArray() : file.readAll(), {}};
        }
        return error(404, QStringLiteral("Not found."));
    }

    // Each part of the path decoded on its own, so an encoded "/" stays inside its part.
    QStringList parts;
    for (const QByteArray& p : request.path.mid(5).split('/'))
        parts << QString::fromUtf8(QByteArray::fromPercentEncoding(p));
    const auto route = [&](std::initializer_list<const char*> names) {
        if (qsizetype(names.size()) != parts.size()) return false;
        qsizetype i = 0;
        for (const char* n : names) {
            if (n && parts[i] != QLatin1String(n)) return false;
            ++i;
        }
        return true;
    };
    const auto wrongMethod = [] { return error(405, QStringLiteral("That method is not answered here.")); };

    if (route({"login"})) return post ? login(request) : wrongMethod();

    Login* who = loginOf(request);
    const bool known = route({"status"}) || route({"logout"}) || route({"session", "end"}) || route({"log"}) ||
                       route({"users", nullptr, "minutes"}) || route({"users", nullptr, "renew"}) ||
                       route({"usage", nullptr}) || route({"requests", nullptr});
    if (!known) return error(404, QStringLiteral("Not found."));
    if (!who) return error(401, QStringLiteral("Please log in."));
    if (post && !sameSecret(request.header(kTokenHeader), who->token))
        return error(403, QStringLiteral("The request carries no valid token."));

    if (route({"status"})) return get ? status(*who) : wrongMethod();
    if (route({"log"})) return get ? log(request) : wrongMethod();
    if (route({"usage", nullptr})) return get ? usage(request, parts[1]) : wrongMethod();
    if (!post) return wrongMethod();
    if (route({"logout"})) {
        const QString parent = who->parent;
        std::erase_if(m_logins, [&](const auto& entry) { return &entry.second == who; });
        writeLog(parent + QStringLiteral(" logged out"), request);
        WebResponse r = json(200, {{QStringLiteral("ok"), true}});
        r.headers.append({"Set-Cookie", kCookieName + "=; Path=/; Max-Age=0; HttpOnly; Secure; SameSite=Strict"});
        return r;
    }
    if (route({"session", "end"})) return endSession(*who, request);
    if (route({"users", nullptr, "minutes"})) return minutes(*who, request, parts[1]);
    if (route({"requests", nullptr})) return answer(*who, request, parts[1]);
    return renew(*who, request, parts[1]);
}

WebResponse ParentPageApi::login(const WebRequest& request) {
    // The rest is shared with "Ask a parent" at the login window and kept in the store.
    const qint64 rest = ParentPasswordRestSeconds(m_app);
    if (rest > 0) return resting(rest);
    QString why;
    const auto body = bodyObject(request, &why);
    if (!body) return error(400, why);
    const QJsonValue name = body->value(QStringLiteral("name"));
    const QJsonValue password = body->value(QStringLiteral("password"));
    if (!name.isString() || !password.isString())
        return error(400, QStringLiteral("Bad JSON: \"name\" and \"password\" must be texts"));
    if (name.toString().isEmpty() || password.toString().isEmpty())
        return error(400, QStringLiteral("Please enter a name and a password."));
    const ParentPasswordCheck check =
        CheckParentPassword(m_app, name.toString(), password.toString(),
                            QStringLiteral("the parent's page (") + request.peer + QLatin1Char(')'));
    if (!check.refusal.isEmpty() || check.parent <= 0) {
        WebResponse r = error(401, QStringLiteral("Wrong name or password."));
        if (check.restSeconds > 0) r.headers.append({"Retry-After", QByteArray::number(check.restSeconds)});
        return r;
    }
    const QString section = Sections::User(check.parent);

    while (int(m_logins.size()) >= kMaxLogins) {
        auto oldest = m_logins.begin();
        for (auto it = m_logins.begin(); it != m_logins.end(); ++it)
            if (it->second.lastUseMs < oldest->second.lastUseMs) oldest = it;
        m_logins.erase(oldest);
    }
    const QByteArray cookie = randomHex(32);
    Login entry{m_app.read(section, UserKeys::Name).text(), randomHex(32), m_app.platform.clock->monotonicMs()};
    m_logins[cookie] = entry;
    writeLog(entry.parent + QStringLiteral(" logged in"), request);
    WebResponse r = json(
        200, {{QStringLiteral("token"), QString::fromLatin1(entry.token)}, {QStringLiteral("parent"), entry.parent}});
    r.headers.append({"Set-Cookie", kCookieName + '=' + cookie + "; Path=/; HttpOnly; Secure; SameSite=Strict"});
    return r;
}

WebResponse ParentPageApi::resting(qint64 seconds) {
    WebResponse r = error(429, QStringLiteral("Too many wrong tries. Please wait %1 seconds.").arg(seconds));
    r.headers.append({"Retry-After", QByteArray::number(seconds)});
    return r;
}

WebResponse ParentPageApi::status(const Login& login) {
    const int count = RecountUsers(m_app);
    const int current = m_session.loggedInUser ? m_session.loggedInUser() : 0;
    QJsonArray users;
    QJsonValue sessionUser;
    for (int n = 1; n <= count; ++n) {
        const QString section = Sections::User(n);
        const QString basedOn = ReadUserSetting(m_app, n, UserKeys::TimeBasedOn).text();
        const bool unlimited = basedOn.compare(PeriodTypes::Unlimited, Qt::CaseInsensitive) == 0;
        const long long allowed = m_app.read(section, UserKeys::AmmountHours).toLongLong(0) * 3600 +
                                  m_app.read(section, UserKeys::AmmountMinutes).toLongLong(0) * 60 +
                                  m_app.read(section, UserKeys::AmmountSeconds).toLongLong(0);
        const long long left = ReadFreeTime(m_app, section).total();
        const QString name = m_app.read(section, UserKeys::Name).text();
        const QString na = QStringLiteral("N/A");
        users.append(QJsonObject{
            {QStringLiteral("name"), name},
            {QStringLiteral("parent"), m_app.read(section, UserKeys::ParentRights).is(1)},
            {QStringLiteral("basedOn"), basedOn},
            {QStringLiteral("allowed"), unlimited ? na : clockText(allowed)},
            {QStringLiteral("left"), unlimited ? na : clockText(left)},
            {QStringLiteral("leftSeconds"), unlimited ? QJsonValue() : QJsonValue(double(left))},
            {QStringLiteral("loggedIn"), n == current},
        });
        if (n == current) sessionUser = name;
    }
    QJsonArray requests;
    for (const MoreTimeRequest& r : OpenRequests(m_app))
        requests.append(QJsonObject{{QStringLiteral("id"), r.id},
                                    {QStringLiteral("user"), r.user},
                                    {QStringLiteral("minutes"), r.minutes},
                                    {QStringLiteral("reason"), r.reason},
                                    {QStringLiteral("asked"), r.asked}});
    return json(200, {{QStringLiteral("parent"), login.parent},
                      {QStringLiteral("users"), users},
                      {QStringLiteral("session"), QJsonObject{{QStringLiteral("user"), sessionUser}}},
                      {QStringLiteral("requests"), requests}});
}

WebResponse ParentPageApi::minutes(const Login& login, const WebRequest& request, const QString& name) {
    const int n = FindUserByName(m_app, name);
    if (n == 0) return error(404, QStringLiteral("No such user."));
    QString why;
    const auto body = bodyObject(request, &why);
    if (!body) return error(400, why);
    const QJsonValue v = body->value(QStringLiteral("minutes"));
    const double d = v.toDouble();
    if (!v.isDouble() || d != std::floor(d) || d == 0 || d < -kMaxMinutes || d > kMaxMinutes)
        return error(400, QStringLiteral("\"minutes\" must be a whole number from -%1 to %1, not 0").arg(kMaxMinutes));
    const QString section = Sections::User(n);
    const QString stored = m_app.read(section, UserKeys::Name).text();
    if (ReadUserSetting(m_app, n, UserKeys::TimeBasedOn).text().compare(PeriodTypes::Unlimited, Qt::CaseInsensitive) ==
        0)
        return error(409, QStringLiteral("%1 has unlimited time.").arg(stored));
    const int m = int(d);
    AddFreeMinutes(m_app, n, m);
    const long long left = ReadFreeTime(m_app, section).total();
    writeLog(m > 0 ? QStringLiteral("%1 gave %2 %3 minutes").arg(login.parent, stored).arg(m)
                   : QStringLiteral("%1 took %2 minutes from %3").arg(login.parent).arg(-m).arg(stored),
             request);
    return json(200, {{QStringLiteral("name"), stored},
                      {QStringLiteral("left"), clockText(left)},
                      {QStringLiteral("leftSeconds"), double(left)}});
}

WebResponse ParentPageApi::renew(const Login& login, const WebRequest& request, const QString& name) {
    const int n = FindUserByName(m_app, name);
    if (n == 0) return error(404, QStringLiteral("No such user."));
    const QString stored = m_app.read(Sections::User(n), UserKeys::Name).text();
    switch (RefreshTimePeriodStore(m_app, stored)) {
    case RefreshOutcome::Unlimited:
        return error(409, QStringLiteral("%1 has unlimited time.").arg(stored));
    case RefreshOutcome::EmptyName:
    case RefreshOutcome::NoSuchUser:
        return error(404, QStringLiteral("No such user."));
    case RefreshOutcome::Renewed:
    case RefreshOutcome::NotRenewable:
        break;
    }
    writeLog(QStringLiteral("%1 renewed the time of %2").arg(login.parent, stored), request);
    const long long left = ReadFreeTime(m_app, Sections::User(n)).total();
    return json(200, {{QStringLiteral("name"), stored},
                      {QStringLiteral("left"), clockText(left)},
                      {QStringLiteral("leftSeconds"), double(left)}});
}

WebResponse ParentPageApi::endSession(const Login& login, const WebRequest& request) {
    const int n = m_session.loggedInUser ? m_session.loggedInUser() : 0;
    if (n == 0 || !m_session.endSession) return error(409, QStringLiteral("Nobody is logged in."));
    const QString name = m_app.read(Sections::User(n), UserKeys::Name).text();
    writeLog(QStringLiteral("%1 ended the session of %2").arg(login.parent, name), request);
    m_session.endSession();
    return json(200, {{QStringLiteral("ended"), name}});
}

WebResponse ParentPageApi::usage(const WebRequest& request, const QString& name) {
    const int n = FindUserByName(m_app, name);
    if (n == 0) return error(404, QStringLiteral("No such user."));
    const auto days = queryNumber(request, QStringLiteral("days"), 14, 1, 366);
    if (!days) return error(400, QStringLiteral("\"days\" must be a whole number from 1 to 366"));
    const UsageOverview overview = BuildUsageOverview(m_app, m_app.platform.clock->today(), *days);
    const QString stored = m_app.read(Sections::User(n), UserKeys::Name).text();
    for (const UsageRow& row : overview.rows) {
        if (row.name != stored) continue;
        QJsonArray list;
        for (int i = 0; i < row.seconds.size(); ++i)
            list.append(QJsonObject{{QStringLiteral("date"), UsageDayName(overview.firstDay().addDays(i))},
                                    {QStringLiteral("seconds"), double(row.seconds[i])}});
        return json(200, {{QStringLiteral("name"), stored},
                          {QStringLiteral("days"), list},
                          {QStringLiteral("allowancePerDay"), double(row.allowancePerDay)}});
    }
    return error(404, QStringLiteral("No such user."));
}

WebResponse ParentPageApi::log(const WebRequest& request) {
    const auto lines = queryNumber(request, QStringLiteral("lines"), 100, 1, 1000);
    if (!lines) return error(400, QStringLiteral("\"lines\" must be a whole number from 1 to 1000"));
    return json(200, {{QStringLiteral("lines"), QJsonArray::fromStringList(LastingLogTail(m_app.paths(), *lines))}});
}

WebResponse ParentPageApi::answer(const Login& login, const WebRequest& request, const QString& idText) {
    bool isNumber = false;
    const int id = idText.toInt(&isNumber);
    if (!isNumber || id <= 0) return error(404, QStringLiteral("No such request."));
    QString why;
    const auto body = bodyObject(request, &why);
    if (!body) return error(400, why);
    const QString answer = body->value(QStringLiteral("answer")).toString();
    if (answer != QLatin1String("approve") && answer != QLatin1String("deny"))
        return error(400, QStringLiteral("\"answer\" must be \"approve\" or \"deny\""));
    const bool approve = answer == QLatin1String("approve");
    int minutes = 0;
    if (approve) {
        const QJsonValue v = body->value(QStringLiteral("minutes"));
        const double d = v.toDouble();
        if (!v.isDouble() || d != std::floor(d) || d < 1 || d > kMaxAnswerMinutes)
            return error(400, QStringLiteral("\"minutes\" must be a whole number from 1 to %1").arg(kMaxAnswerMinutes));
        minutes = int(d);
    }
    const AnswerResult r = AnswerRequest(m_app, id, approve, minutes, login.parent,
                                         QStringLiteral("from the parent's page (") + request.peer + QLatin1Char(')'));
    switch (r.outcome) {
    case AnswerResult::Answered:
        return json(200, {{QStringLiteral("user"), r.user}, {QStringLiteral("minutes"), r.minutes}});
    case AnswerResult::NoSuchRequest:
        return error(404, QStringLiteral("No such request."));
    case AnswerResult::NotOpen:
        return error(409, AnswerResultMessage(r));
    case AnswerResult::BadMinutes:
        return error(400, AnswerResultMessage(r));
    case AnswerResult::NoSuchUser:
        return error(404, AnswerResultMessage(r));
    case AnswerResult::NotSaved:
        break;
    }
    return error(500, AnswerResultMessage(r));
}
