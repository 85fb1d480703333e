#include "TestPlatform.h"

#include <QFile>

TestPlatform::TestPlatform() {
    platform.paths.dataFolder = dir.path();
    platform.paths.programFolder = dir.path() + QStringLiteral("/program");
    // The data folder as the program's start leaves it, drive_c/ included.
    EnsureDataFolder(platform.paths, nullptr);
    platform.clock = &clock;
    platform.messageBox = &messageBox;
    platform.instanceLock = &instanceLock;
    platform.process = &process;
    platform.systemExit = &systemExit;
    platform.tray = &tray;
    platform.sound = &sound;
    platform.help = &help;
    platform.processStart = &processStart;
    platform.dde = &dde;
    platform.printer = &printer;
    platform.http = &http;
    platform.clipboard = &clipboard;
    platform.filePicker = &filePicker;
    platform.screen = &screen;
    platform.userServices = &userServices;
    platform.inputGrab = &inputGrab;
    registry = std::make_unique<SqliteRegistry>(dataFile(QStringLiteral("registry.db")));
    app = std::make_unique<App>(platform, *registry);
}

QStringList TestPlatform::fileLines(const QString& path) const {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}
