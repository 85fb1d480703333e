// One controller tick of a logged-in user with 1, 10 and 100 users in the table, what a
// session costs the disk (the bytes written and the commits per tick over a 300-tick session),
// the tick that must charge a 60-second stall, and the seconds a SIGKILL of a live session loses.
// Beside them, on a store file like the session's, the raw commit of three changed values that
// one session second needs at least; the last lines give the tick against it and the tick's
// growth with the number of users.
#include "RawStore.h"
#include "TestPlatform.h"
#include "platform/InstanceLock.h"
#include "program/LinuxPlatform.h"
#include "program/frmMain.h"
#include "program/frmSecret.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "users/UserKeys.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <csignal>
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
    // The views of a parent's session: the controller's tray icon, the time-remaining window
    // and the main window (shown: a hidden one is not refreshed), each refreshed by the tick.
    app.window<frmSecret>();
    app.window<frmMain>().show();
    app.model.beginSession();
    app.window<frmSecret>().T1->stop(); // the benchmark fires the ticks itself
    return tp;
}

void BM_ControllerTick(benchmark::State& state) {
    auto tp = session(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        tp->clock.advance(1); // one real second per tick, as T1 fires
        tp->app->model.ControllerTick();
    }
}
BENCHMARK(BM_ControllerTick)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);

// The tick after the program stood still for a minute: it charges 60 seconds at once, which
// should cost no more than an ordinary tick's one commit.
void BM_TickAfterStall(benchmark::State& state) {
    auto tp = session(10);
    for (auto _ : state) {
        tp->clock.advance(state.range(0));
        tp->app->model.ControllerTick();
    }
}
BENCHMARK(BM_TickAfterStall)->Arg(1)->Arg(60)->Unit(benchmark::kMicrosecond);

void BM_SessionDiskBytes(benchmark::State& state) {
    for (auto _ : state) {
        auto tp = session(10);
        tp->app->model.ControllerTick(); // the first tick writes the two-digit forms
        const IoCounters before = io();
        const quint64 commitsBefore = tp->registry->commits();
        for (int i = 0; i < 300; ++i) {
            tp->clock.advance(1);
            tp->app->model.ControllerTick();
        }
        const IoCounters after = io();
        // The clock's time and the day's usage history go in the same commit.
        state.counters["commits_per_tick"] = static_cast<double>(tp->registry->commits() - commitsBefore) / 300.0;
        state.counters["disk_bytes_per_tick"] = static_cast<double>(after.writeBytes - before.writeBytes) / 300.0;
        state.counters["written_bytes_per_tick"] = static_cast<double>(after.wchar - before.wchar) / 300.0;
    }
}
BENCHMARK(BM_SessionDiskBytes)->Iterations(1)->Unit(benchmark::kMillisecond);
const char* kHostVar = "TW_BENCH_SESSION_HOST";

// The resident copy of BM_SecondsLostPerKill: the real store, clock and controller timer
// with user 1 logged in; everything that could reach the desktop stays a double.
[[noreturn]] void runHost() {
    const Paths paths = Paths::fromEnvironment();
    SqliteRegistry registry(paths.dataFile(QStringLiteral("registry.db")));
    LinuxPlatform services(paths);
    services.attachGui();
    Platform& platform = services.platform();
    DesktopDoubles doubles;
    doubles.installInto(platform);
    App app(platform, registry);
    app.window<frmSecret>();
    app.CurrentUserNumber = 1;
    app.model.beginSession(); // the tray icon and the controller's timer
    QEventLoop loop;
    loop.exec();
    ::_exit(4);
}

long long storedSeconds(SettingsStore& store) {
    const QString u = Sections::User(1);
    return store.ReadSetting(kAppName, u, UserKeys::FreeHours).toLongLong() * 3600 +
           store.ReadSetting(kAppName, u, UserKeys::FreeMin).toLongLong() * 60 +
           store.ReadSetting(kAppName, u, UserKeys::FreeSec).toLongLong();
}

// A live session in a process of its own is killed at a random moment; the seconds it ran
// that the store does not show are lost. Reported: the worst and the mean over the kills.
void BM_SecondsLostPerKill(benchmark::State& state) {
    double worst = 0, total = 0;
    int kills = 0;
    for (auto _ : state) {
        QTemporaryDir dir;
        {
            SqliteRegistry reg(dir.filePath(QStringLiteral("registry.db")));
            SettingsStore store(reg);
            const QString u = Sections::User(1);
            store.WriteSetting(kAppName, Sections::Config, ConfigKeys::CurrUser, QStringLiteral("anna"));
            store.WriteSetting(kAppName, u, UserKeys::Name, QStringLiteral("anna"));
            store.WriteSetting(kAppName, u, UserKeys::TimeBasedOn, PeriodTypes::OneTime);
            store.WriteSetting(kAppName, u, UserKeys::FreeHours, QStringLiteral("05"));
            store.WriteSetting(kAppName, u, UserKeys::FreeMin, QStringLiteral("00"));
            store.WriteSetting(kAppName, u, UserKeys::FreeSec, QStringLiteral("00"));
        }
        SqliteRegistry reg(dir.filePath(QStringLiteral("registry.db")));
        SettingsStore store(reg);
        QProcess host;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TIMEWARD_HOME"), dir.path());
        env.insert(QString::fromLatin1(kHostVar), QStringLiteral("1"));
        host.setProcessEnvironment(env);
        host.start(QCoreApplication::applicationFilePath(), {});
        if (!host.waitForStarted(5000)) {
            state.SkipWithError("the session host did not start");
            break;
        }
        // The moment of the first charge is the start of the measured run.
        const long long start = storedSeconds(store);
        QElapsedTimer t;
        t.start();
        while (storedSeconds(store) == start && t.elapsed() < 15000)
            QThread::msleep(2);
        const long long first = storedSeconds(store);
        QElapsedTimer run;
        run.start();
        QThread::msleep(1500 + QRandomGenerator::global()->bounded(2000));
        ::kill(static_cast<pid_t>(host.processId()), SIGKILL);
        const double ran = static_cast<double>(run.elapsed()) / 1000.0;
        host.waitForFinished(5000);
        const double lost = static_cast<double>(storedSeconds(store) - (first - ran));
        worst = std::max(worst, lost);
        total += lost;
        ++kills;
    }
    state.counters["worst_lost_s"] = worst;
    state.counters["mean_lost_s"] = kills ? total / kills : 0;
}
BENCHMARK(BM_SecondsLostPerKill)->Iterations(10)->Unit(benchmark::kSecond);
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kHostVar)) runHost();
    benchmark::Initialize(&argc, argv);
    const auto raw = session(10);
    const QString file = raw->dataFile(QStringLiteral("registry.db"));
    benchmark::RegisterBenchmark("BM_Raw_CommitThree", [file](benchmark::State& state) {
        BM_Raw_CommitThree(state, file);
    })->Unit(benchmark::kMicrosecond);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("BM_ControllerTick/10", "BM_Raw_CommitThree", 4.0);
    reporter.printRatio("BM_ControllerTick/100", "BM_ControllerTick/10", 2.5);
    benchmark::Shutdown();
    return 0;
}
