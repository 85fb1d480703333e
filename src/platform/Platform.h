#pragma once

#include "platform/Paths.h"

class Clock;
class MessageBox;
class InstanceLock;
class ProcessControl;
class SystemExit;
class Tray;
class Sound;
class Help;
class ProcessStart;
class DdeLink;
class Printer;
class Http;
class Clipboard;
class FilePicker;
class Screen;
class UserServices;
class InputGrab;

// Everything outside the program, in one bundle. The real program fills it with the Linux
// implementations; tests fill it from the doubles (TestPlatform). Nothing here is owned.
struct Platform {
    Paths paths;
    Clock* clock = nullptr;
    MessageBox* messageBox = nullptr;
    InstanceLock* instanceLock = nullptr;
    ProcessControl* process = nullptr;
    SystemExit* systemExit = nullptr;
    Tray* tray = nullptr;
    Sound* sound = nullptr;
    Help* help = nullptr;
    ProcessStart* processStart = nullptr;
    DdeLink* dde = nullptr;
    Printer* printer = nullptr;
    Http* http = nullptr;
    Clipboard* clipboard = nullptr;
    FilePicker* filePicker = nullptr;
    Screen* screen = nullptr;
    UserServices* userServices = nullptr; // none where no user service manager is reachable
    InputGrab* inputGrab = nullptr;
};
