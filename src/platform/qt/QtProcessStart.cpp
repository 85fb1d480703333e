#include "platform/qt/QtProcessStart.h"

#include "platform/Paths.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <sys/stat.h>

bool QtProcessStart::start(const QString& program) {
    if (program.isEmpty()) return false;
    // The started program makes its files as the desktop would, not owner-only as this
    // program keeps its own data.
    const mode_t own = ::umask(static_cast<mode_t>(StartingUmask()));
    const bool started = QProcess::startDetached(program, {}, QFileInfo(program).absolutePath());
    ::umask(own);
    return started;
}

bool QtProcessStart::openUrl(const QUrl& url) {
    const mode_t own = ::umask(static_cast<mode_t>(StartingUmask()));
    const bool opened = QDesktopServices::openUrl(url);
    ::umask(own);
    return opened;
}
