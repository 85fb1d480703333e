#include "program/LinuxPlatform.h"

#include "platform/Clock.h"
#include "platform/FileInstanceLock.h"
#include "platform/Resources.h"
#include "platform/qt/QtDdeLink.h"
#include "platform/qt/QtHelp.h"
#include "platform/qt/QtInputGrab.h"
#include "platform/qt/QtModules.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtProcessStart.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtSystemExit.h"
#include "platform/qt/QtTray.h"
#include "platform/qt/QtUserServices.h"

LinuxPlatform::LinuxPlatform(const Paths& paths) {
    m_platform.paths = paths;
    m_platform.clock = own<SystemClock>();
    m_platform.instanceLock = own<FileInstanceLock>(paths.dataFile(kLockFileName),
                                                          paths.dataFile(kExitLinkName));
    m_platform.process = own<QtProcessControl>();
}

LinuxPlatform::~LinuxPlatform() = default;

void LinuxPlatform::attachGui() {
    m_platform.messageBox = own<QtMessageBox>();
    m_platform.screen = own<QtScreen>();
    m_platform.filePicker = own<QtFilePicker>();
    m_platform.clipboard = own<QtClipboard>();
    m_platform.tray = own<QtTray>();
    m_platform.dde = own<QtDdeLink>(m_platform.paths.dataFile(kExitLinkName));
    m_platform.systemExit = own<QtSystemExit>();
    m_platform.sound = own<ModuleSound>(ModuleFolders(m_platform.paths.programFolder));
    m_platform.help = own<QtHelp>(ResourceFile(m_platform.paths, QStringLiteral("help")));
    m_platform.processStart = own<QtProcessStart>();
    m_platform.printer = own<QtPrinter>(m_platform.paths.dataFile(QStringLiteral("reports")));
    m_platform.http = own<ModuleHttp>(ModuleFolders(m_platform.paths.programFolder));
    m_platform.userServices = own<QtUserServices>();
    m_platform.inputGrab = own<QtInputGrab>();
}
