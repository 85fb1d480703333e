// One controller tick of a logged-in user with 1, 10 and 100 users in the table, and what a
// session costs the disk: the bytes written per tick over a 300-tick session.
#include "TestPlatform.h"
#include "core/frmSecret.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "users/UserKeys.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace {
struct IoCounters {
    qint64 writeBytes = 0; // what reached the storage layer
    qint64 wchar = 0;      // what the process handed to write()
};

IoCounters io() {
    IoCounters c;
    QFile f(QStringLiteral("/proc/self/io"));
    if (!f.open(QIODevice::ReadOnly)) return c;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith("write_bytes:"))
            c.writeBytes = line.mid(12).trimmed().toLongLong();
        else if (line.startsWith("wchar:"))
            c.wchar = line.mid(6).trimmed().toLongLong();
    }
    return c;
}

// A session of user 1 among users daily users whose period has begun, with plenty of time.
std::unique_ptr<TestPlatform> session(int users) {
    auto tp = std::make_unique<TestPlatform>();
    App& app = *tp->app;
    for (int n = 1; n <= users; ++n) {
        const QString u = Sections::User(n);
        SettingsStore::Batch batch(app.store);
        app.write(u, UserKeys::Number, n);
        app.write(u, UserKeys::Name, QStringLiteral("user%1").arg(n));
        app.write(u, UserKeys::ParentRights, n == 1 ? 1 : 0);
        app.write(u, UserKeys::TimeBasedOn, PeriodTypes::Daily);
        app.write(u, UserKeys::LastStartDate, CurrentPeriodStart(app, PeriodTypes::Daily));
        app.write(u, UserKeys::AmmountHours, QStringLiteral("99"));
        app.write(u, UserKeys::FreeHours, QStringLiteral("99"));
        app.write(u, UserKeys::FreeMin, QStringLiteral("00"));
        app.write(u, UserKeys::FreeSec, QStringLiteral("00"));
    }
    app.write(Sections::Config, ConfigKeys::CurrUser, QStringLiteral("user1"));
    app.write(Sections::Config, ConfigKeys::TRWindow, 1);
    app.CurrentUserNumber = 1;
    app.secret().AddTrayIcon();
    app.secret().beginSession();
    app.secret().T1->stop(); // the benchmark fires the ticks itself
    return tp;
}

void BM_ControllerTick(benchmark::State& state) {
    auto tp = session(static_cast<int>(state.range(0)));
    frmSecret& secret = tp->app->secret();
    for (auto _ : state)
        secret.ControllerTick();
}
BENCHMARK(BM_ControllerTick)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_SessionDiskBytes(benchmark::State& state) {
    for (auto _ : state) {
        auto tp = session(10);
        frmSecret& secret = tp->app->secret();
        secret.ControllerTick(); // the first tick writes the two-digit forms
        const IoCounters before = io();
        for (int i = 0; i < 300; ++i)
            secret.ControllerTick();
        const IoCounters after = io();
        state.counters["disk_bytes_per_tick"] = static_cast<double>(after.writeBytes - before.writeBytes) / 300.0;
        state.counters["written_bytes_per_tick"] = static_cast<double>(after.wchar - before.wchar) / 300.0;
    }
}
BENCHMARK(BM_SessionDiskBytes)->Iterations(1)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
