// timeward-keeper: continues or starts again the resident TimeWard of one data folder when its
// session clock stands still (a stopped or killed copy). Run as a system service.
//   timeward-keeper [--home DIR] [--restart-command PROGRAM] [--interval-ms N]
#include "Keeper.h"

#include "core/App.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "platform/SqliteRegistry.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

namespace {
int usage() {
    std::fprintf(stderr, "usage: timeward-keeper [--home DIR] [--restart-command PROGRAM] [--interval-ms N]\n");
    return 64;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication qapp(argc, argv);
    Paths paths = Paths::fromEnvironment();
    Keeper::Options options;
    int intervalMs = 1000;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (i + 1 >= args.size()) return usage();
        const QString value = args[++i];
        if (a == QLatin1String("--home")) {
            paths.dataFolder = value;
        } else if (a == QLatin1String("--restart-command")) {
            options.restartCommand = value;
        } else if (a == QLatin1String("--interval-ms")) {
            bool ok = false;
            intervalMs = value.toInt(&ok);
            if (!ok || intervalMs < 10) return usage();
        } else {
            return usage();
        }
    }
    ActAsDataFolderOwner(paths.dataFolder);
    // The restarted program finds the same data folder.
    qputenv("TIMEWARD_HOME", QFile::encodeName(paths.dataFolder));

    SystemClock clock;
    Platform platform;
    platform.paths = paths;
    platform.clock = &clock;
    const QString db = paths.dataFile(QStringLiteral("registry.db"));
    std::unique_ptr<SqliteRegistry> registry;
    std::unique_ptr<App> app;
    std::unique_ptr<Keeper> keeper;
    for (;;) {
        // The store is TimeWard's to create: the keeper waits for it.
        if (!keeper && QFile::exists(db)) {
            try {
                registry = std::make_unique<SqliteRegistry>(db);
                app = std::make_unique<App>(platform, *registry);
                keeper = std::make_unique<Keeper>(*app, options);
            } catch (const StoreOpenError& e) {
                std::fprintf(stderr, "timeward-keeper: %s\n", e.what());
                registry.reset();
            }
        }
        if (keeper) keeper->check();
        std::this_thread::sleep_for(std::chrono::milliseconds(intervalMs));
    }
}
