#pragma once

#include <QString>
#include <functional>

// The shell tray in the manner of the system's notify-icon call: add, modify the tip,
// delete. A left double-click on the icon reaches onLeftDoubleClick.
class Tray {
public:
    virtual ~Tray() = default;
    virtual bool add(const QString& tip) = 0; // false where no tray exists
    virtual bool modify(const QString& tip) = 0;
    virtual bool remove() = 0;
    std::function<void()> onLeftDoubleClick;
};
