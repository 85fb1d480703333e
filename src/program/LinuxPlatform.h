#pragma once

#include "platform/Platform.h"

#include <memory>
#include <vector>

// The real program's outside services. The parts that need no display exist from the
// start (the messenger copy uses only those); attachGui() adds the rest once the
// application object exists.
class LinuxPlatform final {
public:
    explicit LinuxPlatform(const Paths& paths);
    ~LinuxPlatform();
    void attachGui();
    Platform& platform() { return m_platform; }

private:
    template <class T, class... A> T* own(A&&... args) {
        auto p = std::make_shared<T>(std::forward<A>(args)...);
        m_owned.push_back(p);
        return p.get();
    }
    Platform m_platform;
    std::vector<std::shared_ptr<void>> m_owned;
};
