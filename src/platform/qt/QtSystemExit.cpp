#include "platform/qt/QtSystemExit.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace {
const QString kService = QStringLiteral("org.freedesktop.login1");

bool call(const QString& path, const QString& interface, const QString& method, const QVariantList& args) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return false;
    QDBusMessage m = QDBusMessage::createMethodCall(kService, path, interface, method);
    m.setArguments(args);
    // Asked, not waited for: the answer does not matter once the desktop is going away.
    return bus.send(m);
}
} // namespace

bool QtSystemExit::exitWindows(unsigned flags) {
    const QString manager = QStringLiteral("/org/freedesktop/login1");
    const QString managerIf = QStringLiteral("org.freedesktop.login1.Manager");
    switch (flags) {
    case Shutdown:
        return call(manager, managerIf, QStringLiteral("PowerOff"), {true});
    case Reboot:
        return call(manager, managerIf, QStringLiteral("Reboot"), {true});
    case Logoff:
        // "auto" is the session this process belongs to.
        return call(QStringLiteral("/org/freedesktop/login1/session/auto"),
                    QStringLiteral("org.freedesktop.login1.Session"), QStringLiteral("Terminate"), {});
    default:
        return false;
    }
}
