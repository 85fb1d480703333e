#pragma once

#include "core/App.h"
#include "platform/Platform.h"
#include "platform/SqliteRegistry.h"
#include "platform/doubles/TestClock.h"
#include "platform/doubles/TestMessageBox.h"
#include "platform/doubles/TestServices.h"

#include <QTemporaryDir>
#include <functional>
#include <memory>

// A whole program's context on doubles and a fresh store in a temporary data folder.
class TestPlatform final {
public:
    TestPlatform();

    QTemporaryDir dir;
    TestClock clock;
    TestMessageBox messageBox;
    TestInstanceLock instanceLock;
    TestProcessControl process;
    TestSystemExit systemExit;
    TestTray tray;
    TestSound sound;
    TestHelp help;
    TestProcessStart processStart;
    TestDdeLink dde;
    TestPrinter printer;
    TestHttp http;
    TestClipboard clipboard;
    TestFilePicker filePicker;
    TestScreen screen;
    TestUserServices userServices;
    TestInputGrab inputGrab;

    Platform platform;
    std::unique_ptr<SqliteRegistry> registry;
    std::unique_ptr<App> app;

    QString dataFile(const QString& name) const { return platform.paths.dataFile(name); }
    // Lines of a text file in the data folder (CR LF removed).
    QStringList fileLines(const QString& path) const;
};
