#include "core/App.h"
#include "core/Translations.h"
#include "platform/Resources.h"
#include "platform/SqliteRegistry.h"
#include "program/LinuxPlatform.h"
#include "program/StartUp.h"
#include "program/frmSecret.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <cstdio>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace {
const QString kNoDisplay = QStringLiteral("no display to show the login window on (DISPLAY is not set); "
                                          "start TimeWard from a desktop session");

int fail(const QString& message) {
    std::fprintf(stderr, "timeward: %s\n", message.toLocal8Bit().constData());
    return 1;
}

// Messages of the start while the store opens beside the application object. A store that
// cannot be opened is said in one line of its own; once it has opened they are let through.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};
std::mutex heldLock;
std::vector<HeldMessage> held;
QtMessageHandler passOn = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        qInstallMessageHandler(passOn);
        qt_message_output(type, context, text);
        return;
    }
    const std::lock_guard<std::mutex> lock(heldLock);
    held.push_back({type, context.file, context.line, context.function, context.category, text});
}

void releaseMessages(bool show) {
    qInstallMessageHandler(passOn);
    std::vector<HeldMessage> messages;
    {
        const std::lock_guard<std::mutex> lock(heldLock);
        messages.swap(held);
    }
    if (!show) return;
    for (const HeldMessage& m : messages)
        qt_message_output(m.type, QMessageLogContext(m.file, m.line, m.function, m.category), m.text);
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

    const CommandSwitch commandSwitch = ParseCommandLine(argString);
    if (commandSwitch == CommandSwitch::Help || commandSwitch == CommandSwitch::Version) {
        // Only an answer on standard output: no display, no data folder, no store.
        QCoreApplication core(argc, argv);
        const Paths paths = Paths::fromEnvironment();
        InstallTranslations(ChosenLanguage(QLocale::system().uiLanguages()),
                            ResourceFile(paths, QStringLiteral("translations")));
        const QString answer = commandSwitch == CommandSwitch::Help ? CommandLineUsage(paths) : VersionText();
        std::fputs(answer.toLocal8Bit().constData(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }

    UseOwnerOnlyFileModes();
    // Without a display only the /q and /l messengers can do anything: say so before the
    // data folder or the store is created or touched.
    const bool messenger = commandSwitch != CommandSwitch::None;
    if (!messenger && !haveDisplay()) return fail(kNoDisplay);

    const Paths paths = Paths::fromEnvironment();
    QString why;
    if (!EnsureDataFolder(paths, &why)) return fail(why);

    std::unique_ptr<SqliteRegistry> registry;
    QString storeError;
    const auto openStore = [&] {
        try {
            registry = std::make_unique<SqliteRegistry>(paths.dataFile(QStringLiteral("registry.db")),
                                                        messenger ? SqliteRegistry::Durability::Full
                                                                  : SqliteRegistry::Durability::Normal);
        } catch (const StoreOpenError& e) {
            storeError = QString::fromStdString(e.what());
        }
    };
    // The resident copy opens the store on a second thread while the application object connects
    // to the display, so the login window comes up sooner; a messenger needs no display.
    std::optional<QApplication> qapp;
    if (messenger) {
        openStore();
    } else {
        passOn = qInstallMessageHandler(holdMessage);
        std::thread opener(openStore);
        qapp.emplace(argc, argv);
        opener.join();
        releaseMessages(registry != nullptr);
    }
    if (!registry) return fail(storeError);

    LinuxPlatform services(paths);
    App app(services.platform(), *registry);
    QString failure;
    // A messenger says what went wrong in its own one line; the store's diagnostics stay quiet.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const bool messengerDone = RunMessengerSteps(app, argString, &failure);
    qInstallMessageHandler(previous);
    if (messengerDone) return failure.isEmpty() ? 0 : fail(failure);

    if (!qapp) qapp.emplace(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TimeWard"));
    QApplication::setApplicationVersion(QStringLiteral(TIMEWARD_VERSION));
    InstallTranslations(ChosenLanguage(QLocale::system().uiLanguages()),
                        ResourceFile(paths, QStringLiteral("translations")));
    QApplication::setQuitOnLastWindowClosed(false);
    services.attachGui();
    // The controller window lives from here to the end: exit link, close requests, T1.
    app.window<frmSecret>().openLinks();

    StartUpResident(app);
    return QApplication::exec();
}
