#pragma once

#include "platform/Tray.h"

#include <QObject>
#include <QPointer>

class QMenu;
class QSystemTrayIcon;

// The tray icon on the desktop's status area. Where the desktop has none (or on the
// offscreen platform) adding fails, and the caller's retries are bounded.
class QtTray final : public QObject, public Tray {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtTray)

public:
    QtTray();
    ~QtTray() override;
    bool add(const QString& tip) override;
    bool modify(const QString& tip) override;
    bool remove() override;

private:
    QPointer<QSystemTrayIcon> m_icon;
    QPointer<QMenu> m_menu;
};
