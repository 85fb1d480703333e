#include "platform/qt/QtTray.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>

namespace {
// The program's picture when the application has none of its own: an hourglass on a disc.
QIcon programIcon() {
    if (!QApplication::windowIcon().isNull()) return QApplication::windowIcon();
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(30, 90, 160));
    p.setPen(Qt::NoPen);
    p.drawEllipse(1, 1, 30, 30);
    p.setBrush(QColor(250, 220, 120));
    const QPointF top[] = {{10, 8}, {22, 8}, {16, 16}};
    const QPointF bottom[] = {{16, 16}, {22, 24}, {10, 24}};
    p.drawPolygon(top, 3);
    p.drawPolygon(bottom, 3);
    return QIcon(pm);
}
} // namespace

QtTray::QtTray() = default;

QtTray::~QtTray() {
    if (QCoreApplication::instance()) {
        delete m_icon.data();
        delete m_menu.data();
    }
}

bool QtTray::add(const QString& tip) {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return false;
    if (m_icon.isNull()) {
        m_icon = new QSystemTrayIcon(programIcon());
        connect(m_icon.data(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
            // Only the double-click acts; single clicks and the context request do nothing.
            if (why == QSystemTrayIcon::DoubleClick && onLeftDoubleClick) onLeftDoubleClick();
        });
        if (m_menu.isNull()) {
            m_menu = new QMenu;
            m_menu->setObjectName(QStringLiteral("mnuTray"));
            connect(m_menu.data(), &QMenu::aboutToShow, this, [this] {
                m_menu->clear();
                if (!menuEntries) return;
                for (const TrayMenuEntry& e : menuEntries())
                    // Run once the menu has closed: an entry may end the session and its icon.
                    m_menu->addAction(e.text, m_menu.data(), [menu = m_menu, run = e.run] {
                        if (run) QTimer::singleShot(0, menu.data(), run);
                    });
            });
        }
        m_icon->setContextMenu(m_menu.data());
    }
    m_icon->setToolTip(tip);
    m_icon->show();
    return m_icon->isVisible();
}

bool QtTray::modify(const QString& tip) {
    if (m_icon.isNull() || !m_icon->isVisible()) return false;
    if (m_icon->toolTip() != tip) m_icon->setToolTip(tip);
    return true;
}

bool QtTray::remove() {
    if (m_icon.isNull()) return false;
    m_icon->hide();
    delete m_icon.data();
    return true;
}
