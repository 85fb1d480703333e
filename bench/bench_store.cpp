// ReadSetting and WriteSetting on a real store file: a present and an absent value, a changed
// and an unchanged write; beside them, on the same file, a raw prepared point query and a raw
// commit of three changed values, so the figures compare across machines. The last lines give
// ReadSetting of a present value against the raw point query.
#include "RawStore.h"
#include "TestPlatform.h"
#include "storage/ConfigKeys.h"

#include <QCoreApplication>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {
TestPlatform& fixture() {
    static TestPlatform tp;
    static bool filled = [] {
        for (int i = 0; i < 50; ++i)
            tp.app->write(Sections::Config, QStringLiteral("Key%1").arg(i), QString::number(i));
        return true;
    }();
    (void)filled;
    return tp;
}

qint64 bytesWritten() {
    QFile f(QStringLiteral("/proc/self/io"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("write_bytes:")) return line.mid(12).trimmed().toLongLong();
    return 0;
}

void BM_ReadSetting_Present(benchmark::State& state) {
    App& app = *fixture().app;
    for (auto _ : state)
        benchmark::DoNotOptimize(app.store.ReadSetting(kAppName, Sections::Config, QStringLiteral("Key25")));
}
BENCHMARK(BM_ReadSetting_Present);

void BM_ReadSetting_Absent(benchmark::State& state) {
    App& app = *fixture().app;
    for (auto _ : state)
        benchmark::DoNotOptimize(app.store.ReadSetting(kAppName, Sections::Config, QStringLiteral("Missing"), 0));
}
BENCHMARK(BM_ReadSetting_Absent);

void BM_WriteSetting_Changed(benchmark::State& state) {
    App& app = *fixture().app;
    long long i = 0;
    const qint64 before = bytesWritten();
    for (auto _ : state)
        app.store.WriteSetting(kAppName, Sections::Config, QStringLiteral("Counter"), ++i);
    state.counters["disk_bytes_per_write"] =
        benchmark::Counter(static_cast<double>(bytesWritten() - before) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_WriteSetting_Changed);

void BM_WriteSetting_Unchanged(benchmark::State& state) {
    App& app = *fixture().app;
    app.store.WriteSetting(kAppName, Sections::Config, QStringLiteral("Same"), QStringLiteral("value"));
    const qint64 before = bytesWritten();
    for (auto _ : state)
        app.store.WriteSetting(kAppName, Sections::Config, QStringLiteral("Same"), QStringLiteral("value"));
    state.counters["disk_bytes_per_write"] =
        benchmark::Counter(static_cast<double>(bytesWritten() - before) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_WriteSetting_Unchanged);
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const QString file = fixture().dataFile(QStringLiteral("registry.db"));
    benchmark::RegisterBenchmark("BM_Raw_PointQuery", [file](benchmark::State& state) {
        BM_Raw_PointQuery(state, file, Sections::Config, QStringLiteral("Key25"));
    });
    benchmark::RegisterBenchmark("BM_Raw_CommitThree",
                                 [file](benchmark::State& state) { BM_Raw_CommitThree(state, file); });
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("BM_ReadSetting_Present", "BM_Raw_PointQuery", 0.5);
    benchmark::Shutdown();
    return 0;
}
