// The parent's page server's entry point (libtimeward-web.so, loaded by LoadWebServer).
#include "web/TlsWebServer.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT WebServer* timeward_create_web() {
    return new TlsWebServer;
}
