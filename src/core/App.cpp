#include "core/App.h"

#include <memory>

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

int App::openSessionBox(const QString& text, MsgButtons buttons, MsgIcon icon, std::function<void(MsgAnswer)> answered,
                        std::function<void()> gone, const QString& extraButton) {
    auto id = std::make_shared<int>(0);
    *id = platform.messageBox->open(
        text, kProgramTitle, buttons, icon,
        [this, id, answered = std::move(answered)](MsgAnswer a) {
            for (auto it = m_sessionBoxes.begin(); it != m_sessionBoxes.end(); ++it) {
                if (it->id != *id) continue;
                const std::function<void()> done = std::move(it->gone);
                m_sessionBoxes.erase(it);
                if (done) done();
                break;
            }
            if (answered) answered(a);
        },
        extraButton);
    m_sessionBoxes.push_back({*id, std::move(gone)});
    return *id;
}

void App::closeSessionBox(int box) {
    for (auto it = m_sessionBoxes.begin(); it != m_sessionBoxes.end(); ++it) {
        if (it->id != box) continue;
        const std::function<void()> done = std::move(it->gone);
        m_sessionBoxes.erase(it);
        platform.messageBox->close(box);
        if (done) done();
        return;
    }
}

void App::closeSessionBoxes() {
    while (!m_sessionBoxes.empty())
        closeSessionBox(m_sessionBoxes.back().id);
}

qint64 App::unsavedSeconds(const QString& userName) const {
    const auto it = unsavedCharges.find(userName.toLower());
    return it == unsavedCharges.end() ? 0 : it->second;
}

void App::startSession() {
    closeSessionBoxes();
    session = Session{};
    // The clock of the new session starts from its login.
    sessionAccount = SessionAccount{};
}
