#include "platform/qt/QtProcessStart.h"

#include <QFileInfo>
#include <QProcess>

bool QtProcessStart::start(const QString& program) {
    if (program.isEmpty()) return false;
    return QProcess::startDetached(program, {}, QFileInfo(program).absolutePath());
}
