#include "platform/qt/X11ScreenSaver.h"

#include <QGuiApplication>

// Xlib's macros clash with Qt's names, so its headers come last.
#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>

ScreenSaverSettings QueryX11ScreenSaver() {
    ScreenSaverSettings s;
    auto* app = qGuiApp;
    auto* x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* dpy = x11 ? x11->display() : nullptr;
    if (!dpy) return s;
    int timeout = 0, interval = 0, blanking = 0, exposures = 0;
    XGetScreenSaver(dpy, &timeout, &interval, &blanking, &exposures);
    s.active = timeout > 0;
    s.timeout = timeout;
    int event = 0, error = 0;
    if (DPMSQueryExtension(dpy, &event, &error) && DPMSCapable(dpy)) {
        CARD16 level = 0;
        BOOL on = 0;
        CARD16 standby = 0, suspend = 0, off = 0;
        if (DPMSInfo(dpy, &level, &on) && DPMSGetTimeouts(dpy, &standby, &suspend, &off)) {
            s.lowPowerActive = on && standby > 0;
            s.lowPowerTimeout = standby;
            s.powerOffActive = on && off > 0;
            s.powerOffTimeout = off;
        }
    }
    return s;
}
