// A separate process that writes into a store, for the tests of concurrent writers and of a
// writer killed in the middle of its work.
//   tw_storewriter DB writes PREFIX N   N values PREFIX_i = i, one transaction each
//   tw_storewriter DB pairs PREFIX      pairs PREFIX_i_a / PREFIX_i_b in one transaction each,
//                                       printing i after each commit, until killed
#include "platform/SqliteRegistry.h"
#include "storage/SettingsStore.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    if (a.size() < 4) return 2;
    SqliteRegistry reg(a.at(1));
    SettingsStore store(reg);
    const QString section = QStringLiteral("Load");
    if (a.at(2) == QLatin1String("writes") && a.size() == 5) {
        const int n = a.at(4).toInt();
        for (int i = 0; i < n; ++i)
            store.WriteSetting(kAppName, section, a.at(3) + QLatin1Char('_') + QString::number(i), i);
        return 0;
    }
    if (a.at(2) == QLatin1String("pairs")) {
        for (long i = 0;; ++i) {
            const QString payload = QString(4096, QLatin1Char('a' + i % 26));
            {
                SettingsStore::Batch batch(store);
                store.WriteSetting(kAppName, section, QStringLiteral("%1_%2_a").arg(a.at(3)).arg(i), payload);
                store.WriteSetting(kAppName, section, QStringLiteral("%1_%2_b").arg(a.at(3)).arg(i), payload);
            }
            std::printf("%ld\n", i);
            std::fflush(stdout);
        }
    }
    return 2;
}
