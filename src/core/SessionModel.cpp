#include "core/SessionModel.h"

#include "core/App.h"
#include "core/ErrorPrompt.h"
#include "platform/Clock.h"
#include "timekeeping/Requests.h"
#include "timekeeping/SessionClock.h"

namespace {
QObject* tagHolder(QObject* parent, const QString& name) {
    auto* o = new QObject(parent);
    o->setObjectName(name);
    return o;
}

// Sets the flag for the life of one tick.
struct TickGuard {
    bool& flag;
    explicit TickGuard(bool& f) : flag(f) { flag = true; }
    ~TickGuard() { flag = false; }
    TickGuard(const TickGuard&) = delete;
    TickGuard& operator=(const TickGuard&) = delete;
};
} // namespace

SessionModel::SessionModel(App& app)
    : Picture1(tagHolder(this, QStringLiteral("Picture1"))), lblDDE(tagHolder(this, QStringLiteral("lblDDE"))),
      m_app(app) {
    setObjectName(QStringLiteral("SessionModel"));
}

SessionModel::~SessionModel() = default;

void SessionModel::ControllerTick() {
    // A firing queued before the clock stopped charges nothing.
    if (m_inTick || !clockRunning()) return;
    TickGuard guard(m_inTick);
    RunSteps(m_app, QStringLiteral("ControllerTick"),
             {
                 // One step charges every second that really passed since the last one.
                 [&] { TickUserTime(m_app); },
                 // A time-out may end the session inside the clock step: nothing of it is
                 // refreshed after that, so that no window of the ended session comes back.
                 [&] {
                     if (m_inSession) emit timeLeftChanged();
                 },
                 // The answer to the session's request for more time, once a parent gave it.
                 [&] {
                     if (m_inSession) ShowRequestAnswer(m_app);
                 },
             });
}

template <class F> void SessionModel::changeClock(F change) {
    const bool before = clockRunning();
    change();
    if (clockRunning() != before) emit countingChanged(clockRunning());
}

void SessionModel::startSession() {
    closeSessionBoxes();
    session = Session{};
    sessionAccount = SessionAccount{};
}

void SessionModel::beginSession() {
    changeClock([this] {
        m_inSession = true;
        m_countingEnabled = true;
        m_clockStopped = false;
    });
    emit sessionStarted();
}

void SessionModel::endSession() {
    changeClock([this] { m_inSession = false; });
    EndSessionClock(m_app);
    emit sessionEnded();
}

void SessionModel::setCountingEnabled(bool on) {
    if (m_inSession) PauseSessionClock(m_app, !on);
    changeClock([&] {
        m_countingEnabled = on;
        if (on) m_clockStopped = false;
    });
}

void SessionModel::stopClock() {
    changeClock([this] { m_clockStopped = true; });
}

void SessionModel::hold(int delta) {
    changeClock([&] { m_holds += delta; });
}

qint64 SessionModel::unsavedSeconds(const QString& userName) const {
    const auto it = unsavedCharges.find(userName.toLower());
    return it == unsavedCharges.end() ? 0 : it->second;
}

int SessionModel::openSessionBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                                 std::function<void(MsgAnswer)> answered, std::function<void()> gone,
                                 const QString& extraButton) {
    auto id = std::make_shared<int>(0);
    *id = m_app.platform.messageBox->open(
        text, kProgramTitle, buttons, icon,
        [this, id, answered = std::move(answered)](MsgAnswer a) {
            for (auto it = m_sessionBoxes.begin(); it != m_sessionBoxes.end(); ++it) {
                if (it->id != *id) continue;
                const std::function<void()> done = std::move(it->gone);
                m_sessionBoxes.erase(it);
                if (done) done();
                break;
            }
            if (answered) answered(a);
        },
        extraButton);
    m_sessionBoxes.push_back({*id, std::move(gone)});
    return *id;
}

void SessionModel::closeSessionBox(int box) {
    for (auto it = m_sessionBoxes.begin(); it != m_sessionBoxes.end(); ++it) {
        if (it->id != box) continue;
        const std::function<void()> done = std::move(it->gone);
        m_sessionBoxes.erase(it);
        m_app.platform.messageBox->close(box);
        if (done) done();
        return;
    }
}

void SessionModel::closeSessionBoxes() {
    while (!m_sessionBoxes.empty())
        closeSessionBox(m_sessionBoxes.back().id);
}

RestrictionControls SessionModel::restrictionControls() {
    if (m_controlsOverride) return *m_controlsOverride;
    if (!m_restrictionFileLinked) {
        m_restrictionFileLinked = true;
        restrictionRecord->stateFile = m_app.paths().dataFile(QStringLiteral("restrictions.state"));
        DisablePro::linkStateFile({&DisableZ, &DisableStartMenu1, &DisableControlPanel1, &DisableMisc1});
    }
    return {&DisableZ, &DisableStartMenu1, &DisableControlPanel1, &DisableMisc1, Picture1, lblDDE};
}
