#pragma once

#include <QList>
#include <QString>
#include <functional>

// One entry of the icon's menu.
struct TrayMenuEntry {
    QString text;
    std::function<void()> run;
};

// The shell tray in the manner of the system's notify-icon call: add, modify the tip,
// delete. A left double-click on the icon reaches onLeftDoubleClick.
class Tray {
public:
    virtual ~Tray() = default;
    virtual bool add(const QString& tip) = 0; // false where no tray exists
    virtual bool modify(const QString& tip) = 0;
    virtual bool remove() = 0;
    std::function<void()> onLeftDoubleClick;
    // The icon's menu, asked for each time it opens (what it offers depends on who is logged
    // in); no entries, no menu.
    std::function<QList<TrayMenuEntry>()> menuEntries;
};
