#pragma once

#include "TestPlatform.h"
#include "restrictions/DisablePro.h"
#include "restrictions/ShellRestrictions.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "timekeeping/SessionClock.h"
#include "timekeeping/TimeOut.h"
#include "users/UserKeys.h"

#include <QFile>
#include <QStringList>

// The Disable control as the session holds the shell: a hold saves its states into the Tag
// ("hold:on"), its release reads them back ("hold:off").
class HoldRecorder final : public RestrictionComponent {
public:
    explicit HoldRecorder(QStringList& log) : m_log(log) {}
    void setMember(int n, bool on) override { m_real.setMember(n, on); }
    bool member(int n) const override { return m_real.member(n); }
    QString tag() const override {
        m_log << QStringLiteral("hold:off");
        return m_real.tag();
    }
    void setTag(const QString& t) override {
        m_log << QStringLiteral("hold:on");
        m_real.setTag(t);
    }

private:
    QStringList& m_log;
    DisablePro m_real{DisablePro::Kind::Disable, QStringLiteral("DisableZ"), std::make_shared<DisablePro::Record>()};
};

// A test platform with one logged-in user and recorders on the model's signals that windows act on.
struct SessionFixture {
    TestPlatform tp;
    App& app = *tp.app;
    QStringList hooks; // "timer:on", "timer:off", "hold:on", "hold:off", "refill", "login"
    HoldRecorder holdRecorder{hooks};
    std::shared_ptr<DisablePro::Record> record = std::make_shared<DisablePro::Record>();
    DisablePro startMenu{DisablePro::Kind::DisableStartMenu, QStringLiteral("DisableStartMenu1"), record};
    DisablePro controlPanel{DisablePro::Kind::DisableControlPanel, QStringLiteral("DisableControlPanel1"), record};
    DisablePro misc{DisablePro::Kind::DisableMisc, QStringLiteral("DisableMisc1"), record};
    QObject picture1, lblDDE;

    explicit SessionFixture(const QString& name = QStringLiteral("anna"), int number = 1) {
        SessionModel& model = app.model;
        model.setRestrictionControls({&holdRecorder, &startMenu, &controlPanel, &misc, &picture1, &lblDDE});
        addUser(name, number);
        app.CurrentUserNumber = static_cast<qint16>(number);
        app.write(Sections::Config, ConfigKeys::CurrUser, name);
        model.beginSession();
        QObject::connect(&model, &SessionModel::countingChanged, &model,
                         [this](bool on) { hooks << (on ? QStringLiteral("timer:on") : QStringLiteral("timer:off")); });
        QObject::connect(&model, &SessionModel::usersChanged, &model, [this] { hooks << QStringLiteral("refill"); });
        QObject::connect(&model, &SessionModel::endAction, &model, [this](const QString& action) {
            if (action == EndActions::DisplayTimeWardLogin) hooks << QStringLiteral("login");
        });
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
