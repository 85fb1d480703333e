#include "platform/qt/QtModules.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {
// The object the module's factory makes, or null with the reason in why. The library stays
// loaded for the life of the process: the object's code lives in it.
template <class T>
std::unique_ptr<T> load(const QStringList& folders, const QString& file, const char* factory, QString* why) {
    QStringList tried;
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(file);
        if (!QFileInfo::exists(path)) {
            tried << path;
            continue;
        }
        QLibrary library(path);
        library.setLoadHints(QLibrary::PreventUnloadHint);
        using Make = T* (*)();
        const auto make = reinterpret_cast<Make>(library.resolve(factory));
        if (!make) {
            *why = library.errorString();
            return nullptr;
        }
        return std::unique_ptr<T>(make());
    }
    *why = QCoreApplication::translate("QtModules", "%1 is not installed (looked for %2)")
               .arg(file, tried.join(QStringLiteral(", ")));
    return nullptr;
}
} // namespace

QStringList ModuleFolders(const QString& programFolder) {
    return {programFolder,
            QDir::cleanPath(programFolder + QLatin1Char('/') + QStringLiteral(TIMEWARD_MODULES_FROM_BIN))};
}

ModuleSound::ModuleSound(QStringList folders) : m_folders(std::move(folders)) {}
ModuleSound::~ModuleSound() = default;

bool ModuleSound::play(const QString& file) {
    // One try per run: a missing module stays missing.
    if (!m_sound && m_error.isEmpty()) {
        m_sound = load<Sound>(m_folders, QStringLiteral("libtimeward-sound.so"), "timeward_create_sound", &m_error);
        if (!m_sound) qWarning().noquote() << "no sound:" << m_error;
    }
    return m_sound && m_sound->play(file);
}

ModuleHttp::ModuleHttp(QStringList folders) : m_folders(std::move(folders)) {}
ModuleHttp::~ModuleHttp() = default;

Http::Response ModuleHttp::get(const QString& url, int timeoutMs) {
    if (!m_http && m_error.isEmpty())
        m_http = load<Http>(m_folders, QStringLiteral("libtimeward-http.so"), "timeward_create_http", &m_error);
    if (m_http) return m_http->get(url, timeoutMs);
    Response r;
    r.error = m_error;
    return r;
}

std::unique_ptr<WebServer> LoadWebServer(const QStringList& folders, QString* why) {
    return load<WebServer>(folders, QStringLiteral("libtimeward-web.so"), "timeward_create_web", why);
}
