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
QString LoginMessages::NotAParent(const QString& name) {
    return QCoreApplication::translate("LoginMessages", "%1 is not a parent").arg(name);
}

using namespace UserKeys;

namespace {
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

long long wholePart(App& app, int n, const QString& key) {
    return userValue(app, n, key).toLongLong(0);
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

bool hasTimeLeft(App& app, int n) {
    if (userValue(app, n, TimeBasedOn, UserDefaults::TimeBasedOn).text() == PeriodTypes::Unlimited) return true;
    return ReadFreeTime(app, Sections::User(n)).total() > 0;
}
} // namespace

int SelectTypedUser(App& app, const QStringList& entries, const QString& typed, int currentIndex) {
    if (FindUserByName(app, typed) == 0) return currentIndex;
    const auto it = std::find(entries.begin(), entries.end(), typed);
    return it == entries.end() ? currentIndex : static_cast<int>(it - entries.begin());
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
    const int n = FindUserByName(app, selectedName);
    if (n == 0) {
        r.message = LoginMessages::NotAUser(selectedName);
        return r;
    }
    if (UsesPasswordList(app, n)) {
        r.message = checkListPassword(app, n, password);
        if (!r.message.isEmpty()) return r;
    } else if (PlainPassword(userValue(app, n, Password).text()) != password) {
        r.message = LoginMessages::InvalidPassword();
        return r;
    }

    r.user = n;
    app.CurrentUserNumber = static_cast<qint16>(n);
    // A period that ended while the login window was up (overnight) is renewed before the
    // time is looked at.
    CheckTimePeriods(app);
    if (!hasTimeLeft(app, n)) {
        r.message = LoginMessages::NoTimeLeft();
        r.reasons = RefusedForTime | (LoginHoursDenyNow(app, n) ? RefusedForHours : 0);
        r.when = LoginWhenText(app, n, r.reasons);
        return r;
    }
    if (LoginHoursDenyNow(app, n)) {
        r.message = LoginMessages::NotNow();
        r.reasons = RefusedForHours;
        r.when = LoginWhenText(app, n, r.reasons);
        return r;
    }
    r.accepted = true;
    // Extra time and warnings belong to the session that got them.
    app.startSession();
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
        app.openSessionBox(userValue(app, n, LoginDisplayMessageText).text(), MsgButtons::Ok, MsgIcon::Information);
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

void GiveMinutesAtLogin(App& app, int parent, int n, int minutes) {
    if (minutes <= 0 || n <= 0) return;
    CheckTimePeriods(app); // a period that has ended is renewed first, not topped up
    const QString section = Sections::User(n);
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
    }
    WriteActivityLog(app, userValue(app, parent, Name).text() + QStringLiteral(" gave ") +
                              userValue(app, n, Name).text() + QLatin1Char(' ') + QString::number(minutes) +
                              QStringLiteral(" minutes at the login window"));
}
