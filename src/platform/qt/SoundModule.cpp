// The sound module's entry point (libtimeward-sound.so, loaded by ModuleSound).
#include "platform/qt/QtSound.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT Sound* timeward_create_sound() {
    return new QtSound;
}
