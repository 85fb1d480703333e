#include "login/LoginValidation.h"

#include "core/App.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/ProcessStart.h"
#include "platform/Sound.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "timekeeping/TimeFields.h"
#include "timekeeping/TimeOut.h"
#include "users/PasswordList.h"
#include "users/PasswordScramble.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <limits>
#include <set>

QString LoginMessages::SelectUser() {
    return QCoreApplication::translate("LoginMessages", "Please select a user first");
}
QString LoginMessages::EnterPassword() {
    return QCoreApplication::translate("LoginMessages", "Please enter a password");
}
QString LoginMessages::NotAUser(const QString& name) {
    return QCoreApplication::translate("LoginMessages", "%1 is not a user").arg(name);
}
QString LoginMessages::InvalidPassword() {
    return QCoreApplication::translate("LoginMessages", "Invalid Password!");
}
QString LoginMessages::PasswordUsed() {
    return QCoreApplication::translate("LoginMessages", "Password already used!");
}
QString LoginMessages::NoTimeLeft() {
    return QCoreApplication::translate("LoginMessages", "User has no time left!");
}
QString LoginMessages::NotNow() {
    return QCoreApplication::translate("LoginMessages", "User cannot log in at this time!");
}
QString LoginMessages::StoreUnreadable() {
    return QCoreApplication::translate(
        "LoginMessages",
        "TimeWard cannot read its settings store right now, so nobody can log in. Please ask a parent.");
}
QString LoginMessages::NotAParent(const QString& name) {
    return QCoreApplication::translate("LoginMessages", "%1 is not a parent").arg(name);
}

using namespace UserKeys;

namespace {
// A name as typed, perhaps from the network, as one short line of the log.
QString loggedName(const QString& who) {
    QString shown = who.left(kLoggedNameLength);
    for (QChar& c : shown)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
            c.category() == QChar::Separator_Paragraph)
            c = QLatin1Char('?');
    if (who.size() > kLoggedNameLength) shown += QStringLiteral("...");
    return shown;
}

Setting userValue(App& app, int n, const QString& key) {
    return app.read(Sections::User(n), key);
}

template <class D> Setting userValue(App& app, int n, const QString& key, D def) {
    return app.read(Sections::User(n), key, def);
}

// The file a stored path names on this system. The path test finds a file whatever the letter
// case of its name, so the sound or program is handed over under its real name.
QString existingFile(const Paths& paths, const QString& stored) {
    const QString path = paths.native(stored);
    const QFileInfo info(path);
    if (info.isFile()) return path;
    const QDir dir = info.dir();
    const QStringList entries = dir.entryList(QDir::Files);
    for (const QString& e : entries)
        if (e.compare(info.fileName(), Qt::CaseInsensitive) == 0) return dir.filePath(e);
    return path;
}

// The list password the typed one matches, 0 for none; when several entries hold the same
// password the highest-numbered one is taken.
int matchingListPassword(App& app, int n, const QString& password) {
    int k = 0;
    const int count = CountListPasswords(app, n);
    for (int i = 1; i <= count; ++i)
        if (PlainPassword(userValue(app, n, ListPassword(i)).text()) == password) k = i;
    return k;
}

// Multiple-password mode: steps of the list. Returns the refusal, or an empty text.
QString checkListPassword(App& app, int n, const QString& password) {
    const QString section = Sections::User(n);
    const int count = CountListPasswords(app, n);

    // A spent list starts over when the user's record says so.
    bool anyUnused = false;
    for (int i = 1; i <= count && !anyUnused; ++i)
        anyUnused = userValue(app, n, ListPasswordUsed(i), 0).is(0);
    if (!anyUnused && userValue(app, n, RefreshPW, UserDefaults::RefreshPW).is(1)) {
        SettingsStore::Batch batch(app.store);
        for (int i = 1; i <= count; ++i)
            app.write(section, ListPasswordUsed(i), "0");
    }

    const int k = matchingListPassword(app, n, password);
    if (k != 0) app.LoginPasswordIndex = static_cast<qint16>(std::min(k, int{std::numeric_limits<qint16>::max()}));
    if (k == 0) return LoginMessages::InvalidPassword();
    if (!userValue(app, n, ListPasswordUsed(k), 0).is(0)) return LoginMessages::PasswordUsed();

    if (userValue(app, n, RefreshTimePW, UserDefaults::RefreshTimePW).is(1)) {
        const long long p = userValue(app, n, PasswordLastUsed, UserDefaults::PasswordLastUsed).toLongLong(0);
        if (p != k) {
            // Another entry than at the last renewing login: the previous one is spent and
            // the allowance starts afresh.
            if (userValue(app, n, DisablePW, UserDefaults::DisablePW).is(1) && p >= 1)
                app.write(section, ListPasswordUsed(static_cast<int>(std::min<long long>(p, 1'000'000'000))), "1");
            const QString type = userValue(app, n, TimeBasedOn).text();
            if (type == PeriodTypes::Daily || type == PeriodTypes::Monthly || type == PeriodTypes::Weekly) {
                SettingsStore::Batch batch(app.store);
                app.write(section, FreeHours, userValue(app, n, AmmountHours).text());
                app.write(section, FreeMin, userValue(app, n, AmmountMinutes).text());
                app.write(section, FreeSec, userValue(app, n, AmmountSeconds).text());
                app.write(section, LastStartDate, CurrentPeriodStart(app, type));
            }
        }
        if (!userValue(app, n, SubtrTime).text().isEmpty()) ApplyPendingDeduction(app, n);
        app.write(section, PasswordLastUsed, k);
    }
    return {};
}

// The time user n has left: the stored time less what this copy charged and the store has
// not taken yet (-1: unlimited). Seconds still owed are written now when the store takes them.
long long timeLeft(App& app, int n) {
    if (userValue(app, n, TimeBasedOn, UserDefaults::TimeBasedOn).text() == PeriodTypes::Unlimited) return -1;
    const QString section = Sections::User(n);
    const long long stored = ReadFreeTime(app, section).total();
    const QString name = userValue(app, n, Name).text();
    const qint64 owed = app.model.unsavedSeconds(name);
    const long long left = std::max(0LL, stored - owed);
    if (owed <= 0) return left;
    SqliteRegistry& reg = app.store.registry();
    const quint64 failuresBefore = reg.writeFailures();
    {
        SettingsStore::Batch batch(app.store);
        const auto two = [](long long v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
        app.write(section, FreeHours, two(left / 3600));
        app.write(section, FreeMin, two(left / 60 % 60));
        app.write(section, FreeSec, two(left % 60));
        if (batch.commit() && reg.writeFailures() == failuresBefore) app.model.unsavedCharges.erase(name.toLower());
    }
    return left;
}
} // namespace

int SelectTypedUser(App& app, const QStringList& entries, const QString& typed, int currentIndex) {
    if (FindUserByName(app, typed) == 0) return currentIndex;
    const auto it = std::find(entries.begin(), entries.end(), typed);
    if (it != entries.end()) return static_cast<int>(it - entries.begin());
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].compare(typed, Qt::CaseInsensitive) == 0) return i;
    return currentIndex;
}

void LogRefusedLogin(App& app, const QString& selectedName, const LoginCheck& check) {
    if (check.accepted) return;
    // What the person at the login window was told, in the log's own words.
    const std::pair<QString, const char*> reasons[] = {
        {LoginMessages::NoTimeLeft(), "no time left"},
        {LoginMessages::NotNow(), "logins are not allowed at this hour"},
        {LoginMessages::InvalidPassword(), "wrong password"},
        {LoginMessages::PasswordUsed(), "that password of the list was used already"},
        {LoginMessages::StoreUnreadable(), "the settings could not be read"},
    };
    const int n = check.user > 0 ? check.user : FindUserByName(app, selectedName);
    const QString name = n > 0 ? userValue(app, n, Name).text() : loggedName(selectedName);
    if (n == 0 && !selectedName.isEmpty() && check.message == LoginMessages::NotAUser(selectedName)) {
        WriteLoginLog(app, QStringLiteral("A login as \"") + name + QStringLiteral("\" was refused: no such user"));
        return;
    }
    for (const auto& [message, reason] : reasons)
        if (check.message == message) {
            WriteLoginLog(app, name + QStringLiteral(" was refused: ") + QLatin1String(reason));
            return;
        }
}

LoginCheck ValidateLogin(App& app, const QString& selectedName, const QString& password) {
    LoginCheck r;
    if (selectedName.isNull()) {
        r.message = LoginMessages::SelectUser();
        return r;
    }
    if (password.isEmpty()) {
        r.message = LoginMessages::EnterPassword();
        return r;
    }
    SqliteRegistry& reg = app.store.registry();
    // A store held by another process costs the login a moment, not half a minute a write.
    SqliteRegistry::ShortWait shortWait(reg);
    const quint64 readFailuresBefore = reg.readFailures();
    const auto unreadable = [&] { return reg.readFailures() != readFailuresBefore; };
    const int n = FindUserByName(app, selectedName);
    if (n == 0) {
        r.message = unreadable() ? LoginMessages::StoreUnreadable() : LoginMessages::NotAUser(selectedName);
        return r;
    }
    if (UsesPasswordList(app, n)) {
        r.message = checkListPassword(app, n, password);
    } else if (PlainPassword(userValue(app, n, Password).text()) != password) {
        r.message = LoginMessages::InvalidPassword();
    }
    if (unreadable()) r.message = LoginMessages::StoreUnreadable();
    if (!r.message.isEmpty()) return r;

    r.user = n;
    app.CurrentUserNumber = static_cast<qint16>(n);
    // A period that ended while the login window was up (overnight) is renewed before the
    // time is looked at.
    CheckTimePeriods(app);
    const long long left = timeLeft(app, n);
    const bool hoursDeny = LoginHoursDenyNow(app, n);
    // What cannot be read is neither time left nor an allowed hour.
    if (unreadable()) {
        r.message = LoginMessages::StoreUnreadable();
        return r;
    }
    if (left == 0) {
        r.message = LoginMessages::NoTimeLeft();
        r.reasons = RefusedForTime | (hoursDeny ? RefusedForHours : 0);
        r.when = LoginWhenText(app, n, r.reasons);
        return r;
    }
    if (hoursDeny) {
        r.message = LoginMessages::NotNow();
        r.reasons = RefusedForHours;
        r.when = LoginWhenText(app, n, r.reasons);
        return r;
    }
    r.accepted = true;
    // Extra time and warnings belong to the session that got them.
    app.model.startSession();
    app.sessionUserName = userValue(app, n, Name).text();
    app.model.sessionAccount.leftSeconds = left;
    return r;
}

QString ReplaceLoginIdentifiers(App& app, int n, const QString& text) {
    const QDateTime now = app.platform.clock->now();
    // In the order they are tried at each position.
    const std::pair<QString, QString> identifiers[] = {
        {QStringLiteral("$name"), userValue(app, n, Name).text()},
        {QStringLiteral("$number"), QString::number(app.CurrentUserNumber)},
        {QStringLiteral("$time"), TimeText(now.time())},
        {QStringLiteral("$date"), DateText(now.date())},
        {QStringLiteral("$freetime"), FreeTimeText(app, n)},
        {QStringLiteral("$totaltime"), AllowanceText(app, n)},
        {QStringLiteral("$basedon"), userValue(app, n, TimeBasedOn).text()},
    };
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        bool replaced = false;
        if (text[i] == QLatin1Char('$')) {
            for (const auto& [id, value] : identifiers) {
                if (QStringView(text).mid(i, id.size()).compare(id, Qt::CaseInsensitive) == 0) {
                    out += value;
                    i += id.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) out += text[i++];
    }
    return out;
}

void RunLoginEvents(App& app, int n) {
    const Paths& paths = app.paths();
    if (userValue(app, n, LoginPlaySound, 0).is(1)) {
        const QString file = userValue(app, n, LoginPlaySoundSoundLocation).text();
        if (!file.isEmpty() && FileExists(paths, file) && app.platform.sound &&
            !app.platform.sound->play(existingFile(paths, file)))
            WriteActivityLog(app, SoundNotPlayedText(existingFile(paths, file)));
    }
    // The message stays up while the session starts: its clock does not wait for the OK.
    if (userValue(app, n, LoginDisplayMessage, 0).is(1))
        app.model.openSessionBox(userValue(app, n, LoginDisplayMessageText).text(), MsgButtons::Ok,
                                 MsgIcon::Information);
    if (userValue(app, n, LoginProg, 0).is(1)) {
        const QString program = userValue(app, n, LoginProgLoc).text();
        if (!program.isEmpty() && FileExists(paths, program) && app.platform.processStart)
            app.platform.processStart->start(existingFile(paths, program));
    }
    if (userValue(app, n, LoginWTTL, 0).is(1))
        WriteActivityLog(app, ReplaceLoginIdentifiers(app, n, userValue(app, n, LoginWTTLText).text()));
}

QString LoginWhenText(App& app, int n, int reasons) {
    QStringList lines;
    if (reasons & RefusedForTime) lines << NextRenewalText(app, n);
    if (reasons & RefusedForHours) {
        const auto at = NextAllowedLogin(app, n, app.platform.clock->now());
        lines << (at ? QCoreApplication::translate("LoginMessages", "Logins are allowed again at %1.")
                           .arg(ShownTime(QTime(at->time().hour(), 0)))
                     : QCoreApplication::translate("LoginMessages", "Logins are not allowed at any hour."));
    }
    return lines.join(QLatin1Char('\n'));
}

QString CheckParent(App& app, const QString& parentName, const QString& password, int* parent, int* listPassword) {
    if (parent) *parent = 0;
    if (listPassword) *listPassword = 0;
    if (parentName.isEmpty()) return LoginMessages::SelectUser();
    if (password.isEmpty()) return LoginMessages::EnterPassword();
    const int n = FindUserByName(app, parentName);
    if (n == 0) return LoginMessages::NotAUser(parentName);
    // Only a parent's password counts; whether another user's would have matched is not told.
    if (!userValue(app, n, ParentRights, UserDefaults::ParentRights).is(1))
        return LoginMessages::NotAParent(parentName);
    if (UsesPasswordList(app, n)) {
        const int k = matchingListPassword(app, n, password);
        if (k == 0) return LoginMessages::InvalidPassword();
        if (!userValue(app, n, ListPasswordUsed(k), 0).is(0)) return LoginMessages::PasswordUsed();
        if (listPassword) *listPassword = k;
    } else if (PlainPassword(userValue(app, n, Password).text()) != password) {
        return LoginMessages::InvalidPassword();
    }
    if (parent) *parent = n;
    return {};
}

qint64 ParentPasswordRestSeconds(App& app) {
    // The stored rest, or the one this copy remembers when the store refused to take it.
    const QDateTime stored =
        QDateTime::fromString(app.read(Sections::Config, ConfigKeys::ParentRestUntil).text(), Qt::ISODateWithMs);
    qint64 untilMs = stored.isValid() ? stored.toMSecsSinceEpoch() : 0;
    if (app.askParentRestUntil.isValid()) untilMs = std::max(untilMs, app.askParentRestUntil.toMSecsSinceEpoch());
    // A clock set back never makes the rest longer than the longest one.
    const qint64 ms = std::min<qint64>(untilMs - app.platform.clock->epochMs(), kAskParentMaxRestSeconds * 1000LL);
    return ms > 0 ? (ms + 999) / 1000 : 0;
}

QString ParentRestMessage(qint64 seconds) {
    const qint64 minutes = std::max<qint64>(1, (seconds + 59) / 60);
    return minutes == 1 ? QObject::tr("Too many wrong passwords. Please wait a minute.")
                        : QObject::tr("Too many wrong passwords. Please wait %1 minutes.").arg(minutes);
}

void RecordWrongParentTry(App& app, const QString& who, const QString& from) {
    // The count this copy remembers stands in for one the store refused to take.
    const long long tries =
        std::max<long long>({0LL, app.read(Sections::Config, ConfigKeys::ParentWrongTries).number().value_or(0),
                             app.askParentWrongTries}) +
        1;
    app.askParentWrongTries = static_cast<int>(std::min<long long>(tries, 1'000'000));
    qint64 rest = 0;
    if (tries % kAskParentTries == 0) {
        // 1, 2, 4 ... minutes for each further five, up to an hour.
        const long long fives = std::min<long long>(tries / kAskParentTries - 1, 12);
        rest = std::min<qint64>(kAskParentRestSeconds << fives, kAskParentMaxRestSeconds);
    }
    {
        SettingsStore::Batch batch(app.store);
        app.write(Sections::Config, ConfigKeys::ParentWrongTries, tries);
        if (rest > 0) {
            app.askParentRestUntil =
                QDateTime::fromMSecsSinceEpoch(app.platform.clock->epochMs() + rest * 1000, Qt::UTC);
            app.write(Sections::Config, ConfigKeys::ParentRestUntil,
                      app.askParentRestUntil.toString(Qt::ISODateWithMs));
        }
    }
    WriteActivityLog(app, QStringLiteral("Wrong parent's password for \"%1\" from %2 (%3 in a row)%4.")
                              .arg(loggedName(who), from)
                              .arg(tries)
                              .arg(rest > 0 ? QStringLiteral("; no more tries for %1 seconds").arg(rest) : QString()));
}

ParentPasswordCheck CheckParentPassword(App& app, const QString& parentName, const QString& password,
                                        const QString& from) {
    ParentPasswordCheck r;
    r.restSeconds = ParentPasswordRestSeconds(app);
    if (r.restSeconds > 0) {
        r.resting = true;
        r.refusal = ParentRestMessage(r.restSeconds);
        return r;
    }
    r.refusal = CheckParent(app, parentName, password, &r.parent);
    // An empty box is no guess; everything else counts towards the rest.
    if (r.refusal == LoginMessages::SelectUser() || r.refusal == LoginMessages::EnterPassword()) return r;
    if (!r.refusal.isEmpty()) {
        RecordWrongParentTry(app, parentName, from);
        r.restSeconds = ParentPasswordRestSeconds(app);
        r.resting = r.restSeconds > 0;
        return r;
    }
    app.askParentWrongTries = 0;
    SettingsStore::Batch batch(app.store);
    if (!app.read(Sections::Config, ConfigKeys::ParentWrongTries).isAbsent())
        app.store.DeleteRegistryValue(RegRoot::LocalMachine, SettingsStore::SectionPath(kAppName, Sections::Config),
                                      ConfigKeys::ParentWrongTries);
    // A list password is spent as a login spends it at its end.
    if (UsesPasswordList(app, r.parent) && userValue(app, r.parent, DisablePW, UserDefaults::DisablePW).is(1))
        app.write(Sections::User(r.parent), ListPasswordUsed(matchingListPassword(app, r.parent, password)), 1);
    return r;
}

bool GiveMinutesAtLogin(App& app, int parent, int n, int minutes) {
    if (minutes <= 0 || n <= 0) return false;
    CheckTimePeriods(app); // a period that has ended is renewed first, not topped up
    const QString section = Sections::User(n);
    SqliteRegistry& reg = app.store.registry();
    SqliteRegistry::ShortWait wait(reg); // a lock held elsewhere: a moment, then a message
    const quint64 failuresBefore = reg.writeFailures();
    {
        SettingsStore::Batch batch(app.store);
        const bool unlimited =
            userValue(app, n, TimeBasedOn, UserDefaults::TimeBasedOn).text() == PeriodTypes::Unlimited;
        const long long left = ReadFreeTime(app, section).total();
        // Time used up: the minutes are the time left. Refused only for the hour, the user keeps
        // a larger rest as it is, but never has less than the minutes given.
        if (!unlimited && left < minutes * 60LL) {
            const long long total = minutes * 60LL;
            const auto two = [](long long v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
            app.write(section, FreeHours, two(total / 3600));
            app.write(section, FreeMin, two(total / 60 % 60));
            app.write(section, FreeSec, two(total % 60));
        }
        if (LoginHoursDeny(app, n, app.platform.clock->now().time().hour())) GiveHoursException(app, n, minutes * 60LL);
        if (!batch.commit() || reg.writeFailures() != failuresBefore) return false;
    }
    WriteActivityLog(app, userValue(app, parent, Name).text() + QStringLiteral(" gave ") +
                              userValue(app, n, Name).text() + QLatin1Char(' ') + QString::number(minutes) +
                              QStringLiteral(" minutes at the login window"));
    return true;
}

long long LoginCountdownSeconds(App& app) {
    const Setting stored = app.read(Sections::Config, ConfigKeys::LoginTimerSecs, kLoginCountdownDefault);
    static const QRegularExpression digits(QStringLiteral("^\\s*\\+?[0-9]+\\s*$"));
    const std::optional<long long> n = stored.number();
    if (digits.match(stored.text()).hasMatch() && n && *n >= 1) return *n;
    if (app.loggedBadSettings.insert(ConfigKeys::LoginTimerSecs).second)
        WriteActivityLog(app, QStringLiteral("LoginTimerSecs holds \"%1\", which is no whole number of seconds; the "
                                             "login countdown runs %2 seconds.")
                                  .arg(stored.text())
                                  .arg(kLoginCountdownDefault));
    return kLoginCountdownDefault;
}
