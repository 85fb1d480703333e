#pragma once

#include <optional>

// The desktop's screen-saver and power-saving settings; a value the system gives no source
// for stays empty. Times in seconds.
struct ScreenSaverSettings {
    std::optional<bool> active;
    std::optional<int> timeout;
    std::optional<bool> lowPowerActive;
    std::optional<int> lowPowerTimeout;
    std::optional<bool> powerOffActive;
    std::optional<int> powerOffTimeout;
};
