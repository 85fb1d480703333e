#include "timekeeping/Requests.h"

#include "core/App.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "timekeeping/TimeFields.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

namespace {
const QString kStampForm = QStringLiteral("M/d/yyyy h:mm:ss AP");

QString stamp(App& app) {
    const QDateTime now = app.platform.clock->now();
    return DateText(now.date()) + QLatin1Char(' ') + TimeText(now.time());
}

QDateTime parseStamp(const QString& text) {
    return QLocale::c().toDateTime(text.trimmed(), kStampForm);
}

QString section(int id) {
    return Sections::Request(id);
}

MoreTimeRequest readRequest(App& app, int id) {
    const QString s = section(id);
    MoreTimeRequest r;
    r.id = id;
    r.user = app.read(s, RequestKeys::User).text();
    r.minutes = static_cast<int>(
        std::clamp(app.read(s, RequestKeys::Minutes).toLongLong(0), 0LL, static_cast<long long>(kMaxAnswerMinutes)));
    // Another writer (twreg, an older copy) may have stored anything: shown as one bounded line.
    r.reason = CleanReason(app.read(s, RequestKeys::Reason).text());
    r.asked = app.read(s, RequestKeys::Asked).text();
    r.state = app.read(s, RequestKeys::State).text();
    r.answer = static_cast<int>(
        std::clamp(app.read(s, RequestKeys::Answer).toLongLong(0), 0LL, static_cast<long long>(kMaxAnswerMinutes)));
    r.by = app.read(s, RequestKeys::By).text();
    r.note = app.read(s, RequestKeys::Note).text();
    return r;
}

// The ids below "Requests", ascending.
QList<int> requestIds(App& app) {
    QList<int> ids;
    const QStringList keys =
        app.store.registry().subKeys(RegRoot::LocalMachine, SettingsStore::SectionPath(kAppName, Sections::Requests));
    for (const QString& k : keys) {
        bool ok = false;
        const int id = k.toInt(&ok);
        if (ok && id > 0 && QString::number(id) == k) ids << id;
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

bool isOpen(const MoreTimeRequest& r) {
    return r.state.compare(RequestStates::Open, Qt::CaseInsensitive) == 0;
}

// Runs writes in one transaction; true when all of them reached the file. why receives the
// store's reason otherwise.
template <class F> bool inOneTransaction(App& app, QString& why, F&& writes) {
    SqliteRegistry& reg = app.store.registry();
    const quint64 failuresBefore = reg.writeFailures();
    bool ok = false;
    {
        SettingsStore::Batch batch(app.store);
        // Without the transaction the reads could be stale and the writes would land one by one.
        if (!reg.batchOpen()) {
            why = reg.lastError();
            return false;
        }
        // Nothing is written when writes() declines; a write that failed has failed the batch.
        if (!writes()) return false;
        ok = batch.commit() && reg.writeFailures() == failuresBefore;
    }
    if (!ok) why = reg.lastError();
    return ok;
}

// Removes the oldest answered requests beyond kKeptRequests.
void pruneAnswered(App& app, const QList<MoreTimeRequest>& all) {
    qsizetype excess = all.size() + 1 - kKeptRequests; // with the one being added
    for (const MoreTimeRequest& r : all) {
        if (excess <= 0) break;
        if (isOpen(r)) continue;
        app.store.DeleteRegistryKey(SettingsStore::SectionPath(kAppName, section(r.id)));
        --excess;
    }
}
} // namespace

QString CleanReason(const QString& reason) {
    QString line;
    line.reserve(std::min<qsizetype>(reason.size(), kMaxReasonLength * 2));
    for (const QChar c : reason) {
        const bool blank = c.isSpace() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
                           c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
        line += blank ? QChar(u' ') : c;
        if (line.size() > kMaxReasonLength * 4) break; // enough to fill the line after simplifying
    }
    line = line.simplified();
    if (line.size() > kMaxReasonLength) {
        line.truncate(kMaxReasonLength);
        // A surrogate pair is kept whole or not at all.
        if (line.back().isHighSurrogate()) line.chop(1);
        line = line.trimmed();
    }
    // A lone surrogate half is no character.
    QString out;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c.isHighSurrogate() && i + 1 < line.size() && line.at(i + 1).isLowSurrogate()) {
            out += c;
            out += line.at(++i);
        } else if (!c.isSurrogate()) {
            out += c;
        }
    }
    return out;
}

AskResult AskForMoreTime(App& app, int minutes, const QString& reason) {
    AskResult result;
    const QString name = app.read(Sections::Config, ConfigKeys::CurrUser).text();
    const int n = name.isEmpty() ? 0 : FindUserByName(app, name);
    if (n <= 0 || app.CurrentUserNumber <= 0) return result;
    const QString userSection = Sections::User(n);
    if (app.read(userSection, UserKeys::ParentRights, UserDefaults::ParentRights).is(1)) {
        result.outcome = AskResult::Parent;
        return result;
    }
    if (app.read(userSection, UserKeys::TimeBasedOn, UserDefaults::TimeBasedOn).is(PeriodTypes::Unlimited)) {
        result.outcome = AskResult::Unlimited;
        return result;
    }
    if (std::find(kRequestMinutes.begin(), kRequestMinutes.end(), minutes) == kRequestMinutes.end()) {
        result.outcome = AskResult::BadMinutes;
        return result;
    }
    const QString userName = app.read(userSection, UserKeys::Name).text();
    const QString line = CleanReason(reason);
    const qint64 nowMs = app.platform.clock->monotonicMs();
    const QDateTime now = app.platform.clock->now();
    QString why;
    const bool stored = inOneTransaction(app, why, [&] {
        // Read inside the write transaction: another copy cannot slip a request in between.
        const QList<MoreTimeRequest> all = AllRequests(app);
        const auto mine = [&](const MoreTimeRequest& r) { return r.user.compare(userName, Qt::CaseInsensitive) == 0; };
        for (const MoreTimeRequest& r : all) {
            if (mine(r) && isOpen(r)) {
                result.outcome = AskResult::AlreadyOpen;
                result.id = r.id;
                return false;
            }
        }
        // The rest holds on the monotonic clock as well, so that moving the wall clock does not
        // shorten it for this copy.
        if (app.model.session.lastAskMs >= 0 && nowMs - app.model.session.lastAskMs < kRequestRestSeconds * 1000LL) {
            result.outcome = AskResult::TooSoon;
            result.waitSeconds =
                static_cast<int>((app.model.session.lastAskMs + kRequestRestSeconds * 1000LL - nowMs + 999) / 1000);
            return false;
        }
        for (const MoreTimeRequest& r : all) {
            const QDateTime asked = parseStamp(r.asked);
            if (!mine(r) || !asked.isValid()) continue;
            // One asked in the future (the clock was set back) counts only within the rest.
            const qint64 since = asked.secsTo(now);
            if (since < kRequestRestSeconds && since > -kRequestRestSeconds) {
                result.outcome = AskResult::TooSoon;
                result.waitSeconds = static_cast<int>(since >= 0 ? kRequestRestSeconds - since : kRequestRestSeconds);
                return false;
            }
        }
        const int id = all.isEmpty() ? 1 : all.last().id + 1;
        const QString s = section(id);
        app.write(s, RequestKeys::User, userName);
        app.write(s, RequestKeys::Minutes, minutes);
        app.write(s, RequestKeys::Reason, line);
        app.write(s, RequestKeys::Asked, DateText(now.date()) + QLatin1Char(' ') + TimeText(now.time()));
        app.write(s, RequestKeys::State, RequestStates::Open);
        app.write(s, RequestKeys::Answer, 0);
        pruneAnswered(app, all);
        result.id = id;
        return true;
    });
    if (!stored) {
        if (result.outcome == AskResult::NotLoggedIn) { // not declined by a rule: the store refused
            result.outcome = AskResult::NotSaved;
            result.why =
                why.isEmpty() ? QCoreApplication::translate("Requests", "the settings store refused the change") : why;
            result.id = 0;
        }
        return result;
    }
    result.outcome = AskResult::Asked;
    app.model.session.askedRequest = result.id;
    app.model.session.lastAskMs = nowMs;
    app.model.notifyRequestsChanged();
    WriteActivityLog(app, QStringLiteral("User ") + userName + QStringLiteral(" asked for ") +
                              QString::number(minutes) + QStringLiteral(" more minutes") +
                              (line.isEmpty() ? QString() : QStringLiteral(": \"") + line + QLatin1Char('"')) +
                              QLatin1Char('.'));
    return result;
}

QString AskResultMessage(const AskResult& result) {
    switch (result.outcome) {
    case AskResult::Asked:
        return {};
    case AskResult::NotLoggedIn:
        return QCoreApplication::translate("Requests", "Nobody is logged in.");
    case AskResult::Parent:
        return QCoreApplication::translate("Requests", "A parent can give time in the main window.");
    case AskResult::Unlimited:
        return QCoreApplication::translate("Requests", "Your time is unlimited.");
    case AskResult::BadMinutes:
        return QCoreApplication::translate("Requests", "Please choose 5, 15 or 30 minutes.");
    case AskResult::AlreadyOpen:
        return QCoreApplication::translate("Requests",
                                           "You have already asked for more time. Please wait for a parent's answer.");
    case AskResult::TooSoon: {
        const int minutes = (result.waitSeconds + 59) / 60;
        if (minutes <= 1)
            return QCoreApplication::translate("Requests", "You have just asked. You can ask again in a minute.");
        return QCoreApplication::translate("Requests", "You have just asked. You can ask again in %n minute(s).",
                                           nullptr, minutes);
    }
    case AskResult::NotSaved:
        return QCoreApplication::translate(
                   "Requests",
                   "Your request could not be saved, so no parent can see it. Please ask a parent in person.") +
               QLatin1Char('\n') + result.why;
    }
    return {};
}

QList<MoreTimeRequest> AllRequests(App& app) {
    QList<MoreTimeRequest> all;
    for (const int id : requestIds(app))
        all << readRequest(app, id);
    return all;
}

QList<MoreTimeRequest> OpenRequests(App& app) {
    QList<MoreTimeRequest> open;
    for (const MoreTimeRequest& r : AllRequests(app))
        if (isOpen(r)) open << r;
    return open;
}

std::optional<MoreTimeRequest> ReadRequest(App& app, int id) {
    if (id <= 0 ||
        !app.store.registry().keyExists(RegRoot::LocalMachine, SettingsStore::SectionPath(kAppName, section(id))))
        return std::nullopt;
    return readRequest(app, id);
}

AnswerResult AnswerRequest(App& app, int id, bool approve, int minutes, const QString& parentName,
                           const QString& from) {
    AnswerResult result;
    if (approve && (minutes < 1 || minutes > kMaxAnswerMinutes)) {
        result.outcome = AnswerResult::BadMinutes;
        return result;
    }
    // A period that has ended is renewed first, not topped up.
    CheckTimePeriods(app);
    std::optional<MoreTimeRequest> request;
    QString why;
    bool declined = false; // by a rule, not by the store
    const bool stored = inOneTransaction(app, why, [&] {
        request = ReadRequest(app, id);
        declined = true;
        if (!request) return false;
        result.user = request->user;
        if (!isOpen(*request)) {
            result.outcome = AnswerResult::NotOpen;
            return false;
        }
        const int n = FindUserByName(app, request->user);
        if (approve && n <= 0) {
            result.outcome = AnswerResult::NoSuchUser;
            return false;
        }
        declined = false;
        if (approve && n > 0 &&
            !app.read(Sections::User(n), UserKeys::TimeBasedOn, UserDefaults::TimeBasedOn).is(PeriodTypes::Unlimited) &&
            !AddFreeMinutes(app, n, minutes))
            return false;
        const QString s = section(id);
        app.write(s, RequestKeys::State, approve ? RequestStates::Approved : RequestStates::Denied);
        app.write(s, RequestKeys::Answer, approve ? minutes : 0);
        app.write(s, RequestKeys::By, parentName);
        app.write(s, RequestKeys::Answered, stamp(app));
        return true;
    });
    if (!stored) {
        if (!declined) {
            result.outcome = AnswerResult::NotSaved;
            result.why =
                why.isEmpty() ? QCoreApplication::translate("Requests", "the settings store refused the change") : why;
        }
        return result;
    }
    result.outcome = AnswerResult::Answered;
    result.minutes = approve ? minutes : 0;
    app.model.notifyRequestsChanged();
    if (approve) app.model.notifyUsersChanged(); // the user's time grew
    const QString where = from.isEmpty() ? QString() : QLatin1Char(' ') + from;
    if (approve)
        WriteActivityLog(app, parentName + QStringLiteral(" gave ") + request->user + QLatin1Char(' ') +
                                  QString::number(minutes) + QStringLiteral(" minutes for the request of ") +
                                  QString::number(request->minutes) + QStringLiteral(" minutes") + where +
                                  QLatin1Char('.'));
    else
        WriteActivityLog(app, parentName + QStringLiteral(" said no to the request of ") + request->user +
                                  QStringLiteral(" for ") + QString::number(request->minutes) +
                                  QStringLiteral(" minutes") + where + QLatin1Char('.'));
    return result;
}

QString AnswerResultMessage(const AnswerResult& result) {
    switch (result.outcome) {
    case AnswerResult::Answered:
        return {};
    case AnswerResult::NoSuchRequest:
        return QCoreApplication::translate("Requests", "That request does not exist.");
    case AnswerResult::NotOpen:
        return QCoreApplication::translate("Requests", "That request has been answered or closed already.");
    case AnswerResult::BadMinutes:
        return QCoreApplication::translate("Requests", "Please give from 1 to %1 minutes.").arg(kMaxAnswerMinutes);
    case AnswerResult::NoSuchUser:
        return QCoreApplication::translate("Requests", "User %1 no longer exists.").arg(result.user);
    case AnswerResult::NotSaved:
        return QCoreApplication::translate("Requests", "The answer could not be saved, and nothing was changed:") +
               QLatin1Char('\n') + result.why;
    }
    return {};
}

bool CloseOpenRequests(App& app, const QString& reason, const QString& user) {
    // Most sessions asked nothing: then no write transaction is begun.
    const QList<MoreTimeRequest> open = OpenRequests(app);
    if (std::none_of(open.begin(), open.end(), [&](const MoreTimeRequest& r) {
            return user.isEmpty() || r.user.compare(user, Qt::CaseInsensitive) == 0;
        }))
        return true;
    QList<MoreTimeRequest> closed;
    QString why;
    const bool stored = inOneTransaction(app, why, [&] {
        for (const MoreTimeRequest& r : OpenRequests(app)) {
            if (!user.isEmpty() && r.user.compare(user, Qt::CaseInsensitive) != 0) continue;
            const QString s = section(r.id);
            app.write(s, RequestKeys::State, RequestStates::Denied);
            app.write(s, RequestKeys::Answer, 0);
            app.write(s, RequestKeys::Note, reason);
            app.write(s, RequestKeys::Answered, stamp(app));
            closed << r;
        }
        return true;
    });
    if (!stored) {
        WriteActivityLog(app, QStringLiteral("The open requests for more time could not be closed (") + why +
                                  QStringLiteral(")."));
        return false;
    }
    if (!closed.isEmpty()) app.model.notifyRequestsChanged();
    for (const MoreTimeRequest& r : closed)
        WriteActivityLog(app, QStringLiteral("The request of ") + r.user + QStringLiteral(" for ") +
                                  QString::number(r.minutes) + QStringLiteral(" minutes was closed: ") + reason +
                                  QLatin1Char('.'));
    return true;
}

QString RequestAnswerText(const MoreTimeRequest& request) {
    if (isOpen(request) || !request.note.isEmpty()) return {};
    const QString parent = request.by.isEmpty() ? QCoreApplication::translate("Requests", "A parent") : request.by;
    if (request.state.compare(RequestStates::Approved, Qt::CaseInsensitive) == 0)
        return QCoreApplication::translate("Requests", "%1 gave you %n minute(s).", nullptr, request.answer)
            .arg(parent);
    if (request.state.compare(RequestStates::Denied, Qt::CaseInsensitive) == 0)
        return QCoreApplication::translate("Requests", "%1 said no.").arg(parent);
    return {};
}

void ShowRequestAnswer(App& app) {
    const int id = app.model.session.askedRequest;
    if (id == 0) return;
    const std::optional<MoreTimeRequest> request = ReadRequest(app, id);
    if (request && isOpen(*request)) return;
    app.model.session.askedRequest = 0;
    if (!request) return;
    const QString text = RequestAnswerText(*request);
    if (!text.isEmpty()) app.model.openSessionBox(text, MsgButtons::Ok, MsgIcon::Information);
}
