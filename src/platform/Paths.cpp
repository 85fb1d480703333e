#include "platform/Paths.h"
#include "platform/Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

namespace {
mode_t g_startingUmask = 022;
bool g_umaskSet = false;

// Folders 0700 and files 0600 (an owner's execute bit is kept), below folder too. Links are
// left alone: they may point anywhere.
void tighten(const QByteArray& path, int depth) {
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0 || S_ISLNK(st.st_mode) || st.st_uid != ::geteuid()) return;
    const mode_t mode = st.st_mode & 07777;
    if (S_ISDIR(st.st_mode)) {
        if (mode != 0700) ::chmod(path.constData(), 0700);
        if (depth > 8) return;
        const QDir dir(QFile::decodeName(path));
        const QStringList entries =
            dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& e : entries)
            tighten(path + '/' + QFile::encodeName(e), depth + 1);
    } else if (S_ISREG(st.st_mode)) {
        const mode_t wanted = (mode & 0700) | 0600;
        if (mode != wanted) ::chmod(path.constData(), wanted);
    }
}

QString executableFolder() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    // Before the application object exists (the messenger path) ask the kernel.
    const QFileInfo exe(QStringLiteral("/proc/self/exe"));
    return exe.exists() ? QFileInfo(exe.symLinkTarget()).absolutePath() : QDir::currentPath();
}
} // namespace

#ifndef TIMEWARD_DATA_FROM_BIN
#define TIMEWARD_DATA_FROM_BIN "../share/timeward"
#endif

QString ResourceFolder(const QString& programFolder) {
    if (QFileInfo(programFolder + QStringLiteral("/help")).isDir()) return programFolder;
    const QString installed =
        QDir::cleanPath(programFolder + QLatin1Char('/') + QStringLiteral(TIMEWARD_DATA_FROM_BIN));
    return QFileInfo(installed).isDir() ? installed : programFolder;
}

Paths Paths::fromEnvironment() {
    Paths p;
    p.programFolder = executableFolder();
    const QString home = qEnvironmentVariable("TIMEWARD_HOME");
    if (!home.isEmpty()) {
        p.dataFolder = QDir(home).absolutePath();
        return p;
    }
    const QString system = QStringLiteral("/var/lib/timeward");
    if (QFileInfo(system).isDir() && ::access(system.toLocal8Bit().constData(), W_OK) == 0) {
        p.dataFolder = system;
        return p;
    }
    QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (xdg.isEmpty()) xdg = QDir::homePath() + QStringLiteral("/.local/share");
    p.dataFolder = xdg + QStringLiteral("/timeward");
    return p;
}

QString Paths::native(const QString& storedPath) const {
    QString s = storedPath;
    s.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (s.size() >= 2 && s.at(1) == QLatin1Char(':') && s.at(0).isLetter()) {
        const QString drive = QStringLiteral("drive_") + s.at(0).toLower();
        QString rest = s.mid(2);
        if (!rest.startsWith(QLatin1Char('/'))) rest.prepend(QLatin1Char('/'));
        return dataFolder + QLatin1Char('/') + drive + rest;
    }
    return s;
}

bool FileExists(const Paths& paths, const QString& path) {
    const QString p = paths.native(path);
    const int slash = p.lastIndexOf(QLatin1Char('/'));
    const QString name = slash >= 0 ? p.mid(slash + 1) : p;
    const QString folder = slash > 0 ? p.left(slash) : (slash == 0 ? QStringLiteral("/") : QStringLiteral("."));
    if (name.isEmpty()) return false;
    const QDir dir(folder);
    if (!dir.exists()) return false;
    // Plain files only: QDir leaves out hidden entries unless asked, and folders by filter.
    const QStringList entries = dir.entryList(QDir::Files | QDir::NoDotAndDotDot);
    for (const QString& e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0) return true;
    return false;
}

void UseOwnerOnlyFileModes() {
    const mode_t before = ::umask(077);
    if (!g_umaskSet) g_startingUmask = before;
    g_umaskSet = true;
}

unsigned StartingUmask() {
    if (!g_umaskSet) {
        const mode_t now = ::umask(022);
        ::umask(now);
        return now;
    }
    return g_startingUmask;
}

bool EnsureDataFolder(const Paths& paths, QString* why) {
    QDir d(paths.dataFolder);
    if (!d.exists()) {
        // Parents the program makes for its folder (~/.local/share) keep the usual modes.
        const QString parent = QFileInfo(paths.dataFolder).absolutePath();
        if (!QDir().mkpath(parent) || ::mkdir(QFile::encodeName(paths.dataFolder).constData(), 0700) != 0) {
            if (why) *why = QStringLiteral("cannot create the data folder %1").arg(paths.dataFolder);
            return false;
        }
    }
    tighten(QFile::encodeName(paths.dataFolder), 0);
    if (::access(QFile::encodeName(paths.dataFolder).constData(), W_OK | X_OK) != 0) {
        if (why) *why = QStringLiteral("the data folder %1 is not writable").arg(paths.dataFolder);
        return false;
    }
    // The folder behind "C:\" paths (the boot options' file among them) comes with the data
    // folder, so the first save of a new installation has somewhere to go.
    const QString driveC = paths.native(QStringLiteral("C:\\"));
    if (!QDir().mkpath(driveC)) {
        if (why) *why = QStringLiteral("cannot create %1").arg(driveC);
        return false;
    }
    return true;
}

bool WriteSharedFile(const QString& file, const QByteArray& bytes) {
    if (file.isEmpty()) return false;
    QSaveFile f(file);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    f.setPermissions(kSharedFileMode);
    return f.commit() && QFile::setPermissions(file, kSharedFileMode);
}
