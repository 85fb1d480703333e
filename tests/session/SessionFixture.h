#pragma once

#include "TestPlatform.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "timekeeping/SessionClock.h"
#include "users/UserKeys.h"

#include <QFile>
#include <QStringList>

// A test platform with one logged-in user and recorders on the session's window hooks.
struct SessionFixture {
    TestPlatform tp;
    App& app = *tp.app;
    QStringList hooks; // "timer:on", "timer:off", "hold:on", "hold:off", "refill", "login"

    explicit SessionFixture(const QString& name = QStringLiteral("anna"), int number = 1) {
        app.ui.setControllerTimer = [this](bool on) {
            hooks << (on ? QStringLiteral("timer:on") : QStringLiteral("timer:off"));
        };
        app.ui.holdShellRestrictions = [this](bool on) {
            hooks << (on ? QStringLiteral("hold:on") : QStringLiteral("hold:off"));
        };
        app.ui.fillUserList = [this] { hooks << QStringLiteral("refill"); };
        app.ui.returnToLogin = [this] { hooks << QStringLiteral("login"); };
        addUser(name, number);
        app.CurrentUserNumber = static_cast<qint16>(number);
        app.write(Sections::Config, ConfigKeys::CurrUser, name);
    }

    QString user(int n = 0) const { return Sections::User(n ? n : app.CurrentUserNumber); }

    void addUser(const QString& name, int number) {
        app.write(Sections::User(number), UserKeys::Number, number);
        app.write(Sections::User(number), UserKeys::Name, name);
    }

    void setTime(const QString& h, const QString& m, const QString& s) {
        app.write(user(), UserKeys::FreeHours, h);
        app.write(user(), UserKeys::FreeMin, m);
        app.write(user(), UserKeys::FreeSec, s);
    }
    QString time() {
        return app.read(user(), UserKeys::FreeHours).text() + QLatin1Char(':') +
               app.read(user(), UserKeys::FreeMin).text() + QLatin1Char(':') +
               app.read(user(), UserKeys::FreeSec).text();
    }
    void set(const QString& key, const QString& value) { app.write(user(), key, value); }
    // One controller tick one real second after the last: the session clock charges what
    // really passed.
    void tick() {
        tp.clock.advance(1);
        TickUserTime(app);
    }
    // The period type, with the current period already started so that no renewal interferes.
    void setType(const QString& type) {
        set(UserKeys::TimeBasedOn, type);
        set(UserKeys::LastStartDate, CurrentPeriodStart(app, type));
    }
    void config(const QString& key, const QString& value) { app.write(Sections::Config, key, value); }

    // An existing plain file in the data folder, by its absolute path.
    QString makeFile(const QString& name) {
        const QString path = tp.dataFile(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("x");
        return path;
    }
};
