// The network module's entry point (libtimeward-http.so, loaded by ModuleHttp).
#include "platform/qt/QtHttp.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT Http* timeward_create_http() {
    return new QtHttp;
}
