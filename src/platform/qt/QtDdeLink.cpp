#include "platform/qt/QtDdeLink.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

QtDdeLink::QtDdeLink(QString socketPath) : m_path(std::move(socketPath)), m_server(new QLocalServer(this)) {
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = m_server->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                while (s->canReadLine()) {
                    QString line = QString::fromUtf8(s->readLine());
                    while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
                        line.chop(1);
                    if (onText) onText(line);
                }
            });
            if (onOpen) onOpen();
        }
    });
}

QtDdeLink::~QtDdeLink() {
    close();
}

bool QtDdeLink::listen() {
    if (m_server->isListening()) return true;
    // Only the resident copy listens (the instance lock is held), so a socket file left by
    // a copy that died is stale and may go.
    QLocalServer::removeServer(m_path);
    const bool ok = m_server->listen(m_path);
    if (ok) QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return ok;
}

void QtDdeLink::close() {
    if (m_server->isListening()) m_server->close();
}
