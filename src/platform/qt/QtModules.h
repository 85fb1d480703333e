#pragma once

#include "platform/Http.h"
#include "platform/Sound.h"
#include "web/WebServer.h"

#include <QStringList>
#include <memory>

// Sound, the network and the parent's page need large libraries that most starts never use.
// They live in modules beside the program (libtimeward-sound.so, libtimeward-http.so,
// libtimeward-web.so) that are loaded on first use, so the login window does not wait for them.

// The folders a module is looked for in: the program's own folder (the build tree), then the
// library folder the installation puts modules in.
QStringList ModuleFolders(const QString& programFolder);

// Plays through the sound module, loaded at the first sound. Without the module there is no
// sound, as without an audio output.
class ModuleSound final : public Sound {
public:
    explicit ModuleSound(QStringList folders);
    ~ModuleSound() override;
    bool play(const QString& file) override;
    // Why the module could not be loaded; empty while it is loaded or not yet tried.
    QString loadError() const { return m_error; }

private:
    QStringList m_folders;
    std::unique_ptr<Sound> m_sound;
    QString m_error;
};

// Asks through the network module, loaded at the first request. Without the module every
// request fails with the reason.
class ModuleHttp final : public Http {
public:
    explicit ModuleHttp(QStringList folders);
    ~ModuleHttp() override;
    Response get(const QString& url, int timeoutMs) override;

private:
    QStringList m_folders;
    std::unique_ptr<Http> m_http;
    QString m_error;
};

// The parent's page server from its module, loaded when the page is first turned on; null
// with the reason in *why when the module is missing.
std::unique_ptr<WebServer> LoadWebServer(const QStringList& folders, QString* why);
