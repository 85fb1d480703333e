#include "core/App.h"

App::App(Platform& p, SqliteRegistry& registry) : platform(p), store(registry) {}

App::~App() {
    for (auto& [name, w] : m_windows)
        delete w.data();
    for (auto& w : m_unloading)
        delete w.data();
}

QObject* App::loadedWindow(const char* windowName) const {
    const auto it = m_windows.find(windowName);
    return it == m_windows.end() ? nullptr : it->second.data();
}

QObject* App::takeWindow(const char* windowName) {
    const auto it = m_windows.find(windowName);
    if (it == m_windows.end()) return nullptr;
    QObject* w = it->second.data();
    if (w) m_unloading.emplace_back(w);
    m_windows.erase(it);
    return w;
}

bool App::isLoaded(const char* windowName) const {
    const auto it = m_windows.find(windowName);
    return it != m_windows.end() && !it->second.isNull();
}

void App::unload(const char* windowName) {
    const auto it = m_windows.find(windowName);
    if (it != m_windows.end()) {
        delete it->second.data();
        m_windows.erase(it);
    }
}

void App::unloadLater(const char* windowName) {
    const auto it = m_windows.find(windowName);
    if (it != m_windows.end()) {
        if (QObject* w = it->second.data()) {
            w->deleteLater();
            m_unloading.emplace_back(w);
        }
        m_windows.erase(it);
    }
}
