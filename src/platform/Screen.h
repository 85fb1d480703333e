#pragma once

#include <QRect>

// The screen's geometry in pixels (window metrics are stored in twips, 15 a pixel).
class Screen {
public:
    virtual ~Screen() = default;
    virtual QRect geometry() const = 0;          // the whole primary screen
    virtual QRect availableGeometry() const = 0; // less panels and docks
    virtual QRect virtualGeometry() const = 0;   // every screen together
};
