// CheckTimePeriods runs every second of a session: 100 users of every renewing type, none due.
#include "TestPlatform.h"
#include "platform/Clock.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "users/UserKeys.h"

#include <QCoreApplication>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {
qint64 bytesWritten() {
    QFile f(QStringLiteral("/proc/self/io"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("write_bytes:")) return line.mid(12).trimmed().toLongLong();
    return 0;
}

void BM_CheckTimePeriods_100UsersNoneDue(benchmark::State& state) {
    TestPlatform tp;
    App& app = *tp.app;
    const QDate today = tp.clock.today();
    const QString types[] = {PeriodTypes::Daily, PeriodTypes::Weekly, PeriodTypes::Monthly, PeriodTypes::Unlimited,
                             PeriodTypes::OneTime};
    for (int n = 1; n <= 100; ++n) {
        const QString s = Sections::User(n);
        const QString& type = types[n % 5];
        app.write(s, UserKeys::Number, n);
        app.write(s, UserKeys::Name, QStringLiteral("User%1").arg(n));
        app.write(s, UserKeys::TimeBasedOn, type);
        app.write(s, UserKeys::LastStartDate, CurrentPeriodStart(today, type));
        app.write(s, UserKeys::AmmountHours, QStringLiteral("01"));
        app.write(s, UserKeys::FreeHours, QStringLiteral("00"));
        // The rest of a real record, so that the store holds as much as it does in use.
        for (const QString& key : {UserKeys::Password,        UserKeys::ParentRights,
                                   UserKeys::UserChangePW,    UserKeys::Notes,
                                   UserKeys::AmmountMinutes,  UserKeys::AmmountSeconds,
                                   UserKeys::FreeMin,         UserKeys::FreeSec,
                                   UserKeys::SubtrTime,       UserKeys::OneTimeRemove,
                                   UserKeys::TakeAction,      UserKeys::TakeActionDo,
                                   UserKeys::DisplayMessage,  UserKeys::DisplayMessageText,
                                   UserKeys::PlaySound,       UserKeys::PlaySoundSoundLocation,
                                   UserKeys::LaunchProgram,   UserKeys::LaunchProgramProg,
                                   UserKeys::OptSingle,       UserKeys::OptMult,
                                   UserKeys::RefreshPW,       UserKeys::DisablePW,
                                   UserKeys::RefreshTimePW,   UserKeys::LoginProg,
                                   UserKeys::LoginProgLoc,    UserKeys::LoginWTTL,
                                   UserKeys::TimeRestriction, UserKeys::TimeRestrictionAmmt})
            app.write(s, key, QStringLiteral("0"));
        for (int i = 1; i <= 10; ++i) {
            app.write(s, UserKeys::ListPassword(i), QStringLiteral("1102030405"));
            app.write(s, UserKeys::ListPasswordUsed(i), QStringLiteral("0"));
        }
    }
    CheckTimePeriods(app);
    const qint64 before = bytesWritten();
    for (auto _ : state)
        CheckTimePeriods(app);
    state.counters["disk_bytes_per_check"] =
        benchmark::Counter(static_cast<double>(bytesWritten() - before) / static_cast<double>(state.iterations()));
    if (app.read(Sections::User(1), UserKeys::FreeHours).text() != QLatin1String("00"))
        state.SkipWithError("a user was renewed");
}
BENCHMARK(BM_CheckTimePeriods_100UsersNoneDue)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
