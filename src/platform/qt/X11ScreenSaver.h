#pragma once

#include "platform/ScreenSaverSettings.h"

// The X server's screen-saver time-out and its DPMS standby and off times, asked on the
// application's own display connection. Empty when the program does not run on X11.
ScreenSaverSettings QueryX11ScreenSaver();
