#pragma once

#include <QRect>
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

// The screen's geometry in pixels (window metrics are stored in twips, 15 a pixel).
class Screen {
public:
    virtual ~Screen() = default;
    virtual QRect geometry() const = 0;          // the whole primary screen
    virtual QRect availableGeometry() const = 0; // less panels and docks
    virtual QRect virtualGeometry() const = 0;   // every screen together
    virtual ScreenSaverSettings screenSaver() const = 0;
};
