#include "RegTool.h"

#include "platform/Paths.h"
#include "platform/SqliteRegistry.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    static const QStringList helpSwitches = {QStringLiteral("/?"), QStringLiteral("-h"), QStringLiteral("--help")};
    if (args.isEmpty() || (args.size() == 1 && helpSwitches.contains(args.first()))) {
        out << kRegToolUsage;
        return args.isEmpty() ? 1 : 0;
    }
    UseOwnerOnlyFileModes();
    const Paths paths = Paths::fromEnvironment();
    QString why;
    if (!EnsureDataFolder(paths, &why)) {
        err << "twreg: " << why << '\n';
        return 1;
    }
    try {
        SqliteRegistry reg(paths.dataFile(QStringLiteral("registry.db")), SqliteRegistry::Durability::Full);
        return RunRegTool(args, reg, out, err);
    } catch (const StoreOpenError& e) {
        err << "twreg: " << e.what() << '\n';
        return 1;
    }
}
