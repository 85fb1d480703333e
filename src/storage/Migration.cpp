#include "storage/Migration.h"

#include "core/App.h"
#include "core/ErrorPrompt.h"
#include "storage/ConfigKeys.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <utility>
#include <vector>

using namespace ConfigKeys;

namespace {
const QString kSource = QStringLiteral("MigrateSettings");

QString legacyPath(const QString& section) {
    return kLegacySettingsPath + QLatin1Char('\\') + section;
}

// The pairs of one section of the earlier versions' area, as text.
std::vector<std::pair<QString, QString>> legacyPairs(App& app, const QString& section) {
    std::vector<std::pair<QString, QString>> pairs;
    for (const RegValue& v : app.store.registry().values(RegRoot::CurrentUser, legacyPath(section))) {
        if (v.type == REG_SZ || v.type == REG_EXPAND_SZ)
            pairs.emplace_back(v.name, v.data.toString());
        else if (v.type == REG_DWORD)
            pairs.emplace_back(v.name, QString::number(v.data.toUInt()));
    }
    return pairs;
}

void copyLegacySection(App& app, const QString& section) {
    const auto pairs = legacyPairs(app, section);
    if (pairs.empty()) return;
    SettingsStore::Batch batch(app.store);
    for (const auto& [key, value] : pairs)
        app.write(section, key, value);
}

// Moves the settings the earlier versions kept in their own per-user area into the store.
void moveLegacySettings(App& app) {
    for (const QString& section : {Sections::Config, Sections::Compatability, Sections::WindowMetrics})
        copyLegacySection(app, section);
    RecountUsers(app);
    const QString countText = app.store.registry()
                                  .queryValue(RegRoot::CurrentUser, legacyPath(Sections::Config), CurrentNumberOfUsers)
                                  .value_or(RegValue{CurrentNumberOfUsers, REG_SZ, QStringLiteral("0")})
                                  .data.toString();
    // A count that is no number copies nothing; a count larger than the records the old area
    // holds stops at the first missing one instead of walking billions of empty numbers.
    const int oldCount = Setting(countText).toInt(0);
    for (int n = 1; n <= oldCount; ++n) {
        if (!app.store.registry().keyExists(RegRoot::CurrentUser, legacyPath(Sections::User(n)))) break;
        copyLegacySection(app, Sections::User(n));
    }
}

// The later steps: each write runs under the error prompt, so Retry repeats that write and
// Ignore goes on with the next one.
class StepWriter final {
public:
    explicit StepWriter(App& app) : m_app(app) {}

    bool done(const QString& mark) {
        return !m_app.read(Sections::Compatability, mark, false).is(QStringLiteral("False"));
    }
    void markDone(const QString& mark) { write(Sections::Compatability, mark, QStringLiteral("True")); }

    void config(const QString& key, const QString& value) { write(Sections::Config, key, value); }

    // Writes key = value for every user the table holds when the step begins.
    void eachUser(std::initializer_list<std::pair<const QString&, const char*>> values) {
        if (m_aborted) return;
        int count = 0;
        m_aborted = !RunStep(m_app, kSource, [&] { count = RecountUsers(m_app); });
        for (int n = 1; n <= count && !m_aborted; ++n)
            for (const auto& [key, value] : values)
                write(Sections::User(n), key, QString::fromLatin1(value));
    }

    void write(const QString& section, const QString& key, const QString& value) {
        if (m_aborted) return;
        m_aborted = !RunStep(m_app, kSource, [&] { m_app.write(section, key, value); });
    }

private:
    App& m_app;
    bool m_aborted = false;
};

const QString& mark(int step) {
    return CompatabilityKeys::Steps.at(static_cast<std::size_t>(step));
}
} // namespace

void MigrateSettings(App& app) {
    // One transaction: a start cut short leaves the store as it was, every step still to
    // do, and a first start costs one commit instead of one for every key laid down.
    SettingsStore::Batch batch(app.store);
    // "1.1": runs under the start-up sequence's own error prompt.
    if (app.read(Sections::Compatability, mark(0), false).is(QStringLiteral("False"))) {
        moveLegacySettings(app);
        app.write(Sections::Compatability, mark(0), QStringLiteral("True"));
    }

    StepWriter s(app);
    const QString zero = QStringLiteral("0");
    const QString one = QStringLiteral("1");

    if (!s.done(mark(1))) { // "0.9.2"
        s.eachUser({{UserKeys::LaunchProgram, "0"},
                    {UserKeys::LaunchProgramProg, ""},
                    {UserKeys::OptSingle, "1"},
                    {UserKeys::OptMult, "0"},
                    {UserKeys::RefreshPW, "1"},
                    {UserKeys::DisablePW, "0"},
                    {UserKeys::RefreshTimePW, "1"}});
        s.markDone(mark(1));
    }
    if (!s.done(mark(2))) { // "0.9.5"
        s.config(AllowW, zero);
        s.config(AllowT, one);
        s.config(LoginTimer, zero);
        s.config(LoginTimerSecs, QStringLiteral("60"));
        s.config(LoginTimerTA, QStringLiteral("Restart Windows"));
        s.markDone(mark(2));
        s.eachUser({{UserKeys::LoginProg, "0"},
                    {UserKeys::LoginProgLoc, ""},
                    {UserKeys::LoginDisplayMessage, "0"},
                    {UserKeys::LoginDisplayMessageText, ""},
                    {UserKeys::LoginPlaySound, "0"},
                    {UserKeys::LoginPlaySoundSoundLocation, ""},
                    {UserKeys::LoginWTTL, "0"},
                    {UserKeys::LoginWTTLText, ""}});
    }
    if (!s.done(mark(3))) { // "0.9.6"
        s.config(ForceLogin, zero);
        s.markDone(mark(3));
    }
    if (!s.done(mark(4))) { // "0.9.7"
        s.markDone(mark(4));
        s.config(AllowChangePW, zero);
    }
    if (!s.done(mark(5))) { // "0.9.7x"
        s.markDone(mark(5));
        s.config(UpScr, zero);
    }
    if (!s.done(mark(6))) { // "0.9.7x2"
        s.markDone(mark(6));
        s.eachUser({{UserKeys::LogoutProgOnQuit, "0"}});
    }
    if (!s.done(mark(7))) { // "0.9.7x3"
        s.markDone(mark(7));
        s.eachUser({{UserKeys::UserChangePW, "0"}});
    }
    if (!s.done(mark(8))) { // "0.9.9c"
        s.markDone(mark(8));
        s.config(BadShutdownWarn, one);
    }
    if (!s.done(mark(9))) { // "0.9.9d"
        for (const QString& key : LoginScreenDisables)
            s.config(key, zero);
        for (const QString& key : RunDisables)
            s.config(key, zero);
        s.markDone(mark(9));
    }
    if (!s.done(mark(10))) { // "0.9.9g"
        s.config(ThreeMinWarn, zero);
        s.markDone(mark(10));
    }
    if (!s.done(mark(11))) { // "1.0.0"
        s.eachUser({{UserKeys::TimeRestriction, "0"}, {UserKeys::TimeRestrictionAmmt, "0"}});
        s.markDone(mark(11));
    }
    if (!s.done(mark(12))) { // "1.0.3"
        s.config(AsService, one);
        s.markDone(mark(12));
    }
    if (!s.done(mark(13))) { // "1.1.1"
        s.config(TWLoc, zero);
        s.config(TRWindow, zero);
        s.markDone(mark(13));
    }
}
