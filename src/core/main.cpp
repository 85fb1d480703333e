#include "core/App.h"
#include "core/LinuxPlatform.h"
#include "core/StartUp.h"
#include "core/frmSecret.h"
#include "platform/SqliteRegistry.h"

#include <QApplication>
#include <QStringList>
#include <cstdio>

namespace {
const QString kNoDisplay = QStringLiteral("no display to show the login window on (DISPLAY is not set); "
                                          "start TimeWard from a desktop session");

int fail(const QString& message) {
    std::fprintf(stderr, "timeward: %s\n", message.toLocal8Bit().constData());
    return 1;
}

bool haveDisplay() {
    const QString qpa = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!qpa.isEmpty() && !qpa.startsWith(QLatin1String("xcb")) && !qpa.startsWith(QLatin1String("wayland")))
        return true; // offscreen, vnc, minimal ... need no display
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}
} // namespace

int main(int argc, char** argv) {
    // The whole argument string, as one text: a switch must be all of it.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const QString argString = args.join(QLatin1Char(' '));

    UseOwnerOnlyFileModes();
    // Without a display only the /q and /l messengers can do anything: say so before the
    // data folder or the store is created or touched.
    const bool messenger = ParseCommandLine(argString) != CommandSwitch::None;
    if (!messenger && !haveDisplay()) return fail(kNoDisplay);

    const Paths paths = Paths::fromEnvironment();
    QString why;
    if (!EnsureDataFolder(paths, &why)) return fail(why);

    std::unique_ptr<SqliteRegistry> registry;
    try {
        registry = std::make_unique<SqliteRegistry>(paths.dataFile(QStringLiteral("registry.db")),
                                                    messenger ? SqliteRegistry::Durability::Full
                                                              : SqliteRegistry::Durability::Normal);
    } catch (const StoreOpenError& e) {
        return fail(QString::fromStdString(e.what()));
    }

    LinuxPlatform services(paths);
    App app(services.platform(), *registry);
    QString failure;
    // A messenger says what went wrong in its own one line; the store's diagnostics stay quiet.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const bool messengerDone = RunMessengerSteps(app, argString, &failure);
    qInstallMessageHandler(previous);
    if (messengerDone) return failure.isEmpty() ? 0 : fail(failure);

    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TimeWard"));
    QApplication::setApplicationVersion(QStringLiteral(TIMEWARD_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    services.attachGui();
    // The controller window lives from here to the end: exit link, close requests, T1.
    app.secret().openLinks();

    StartUpResident(app);
    return qapp.exec();
}
