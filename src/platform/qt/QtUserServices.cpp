#include "platform/qt/QtUserServices.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>

namespace {
const QString kManagerService = QStringLiteral("org.freedesktop.systemd1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/systemd1");
const QString kManagerInterface = QStringLiteral("org.freedesktop.systemd1.Manager");
constexpr int kCallTimeoutMs = 3000;

bool managerRuns() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()) return false;
    return bus.interface()->isServiceRegistered(kManagerService).value();
}

QDBusMessage call(const QString& method, const QVariantList& args) {
    QDBusMessage m = QDBusMessage::createMethodCall(kManagerService, kManagerPath, kManagerInterface, method);
    m.setArguments(args);
    return QDBusConnection::sessionBus().call(m, QDBus::Block, kCallTimeoutMs);
}
} // namespace

bool QtUserServices::hasUnit(const QString& unit) {
    if (!managerRuns()) return false;
    const QDBusMessage reply = call(QStringLiteral("GetUnitFileState"), {unit});
    return reply.type() == QDBusMessage::ReplyMessage;
}

bool QtUserServices::setUnitEnabled(const QString& unit, bool enabled) {
    if (!managerRuns()) return false;
    const QStringList units{unit};
    const QDBusMessage reply = enabled ? call(QStringLiteral("EnableUnitFiles"), {units, false, true})
                                       : call(QStringLiteral("DisableUnitFiles"), {units, false});
    if (reply.type() != QDBusMessage::ReplyMessage) return false;
    // The manager reads the changed links at once, so the next session finds them.
    call(QStringLiteral("Reload"), {});
    return true;
}
