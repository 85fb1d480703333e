#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

// A tiny HTTP server on 127.0.0.1 for the update check: answers every request with one
// canned response, or stays silent to let the client time out.
class LoopbackHttpServer final : public QObject {
public:
    LoopbackHttpServer() {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = m_server.nextPendingConnection()) {
                s->setParent(this);
                connect(s, &QTcpSocket::readyRead, this, [this, s] { serve(s); });
            }
        });
    }
    bool start() { return m_server.listen(QHostAddress::LocalHost, 0); }
    QString baseUrl() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }

    static QByteArray answer(int status, const QByteArray& reason, const QByteArray& body) {
        return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason +
               "\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(body.size()) +
               "\r\nConnection: close\r\n\r\n" + body;
    }

    QByteArray response;
    bool silent = false;
    QStringList paths; // request paths, in order

private:
    void serve(QTcpSocket* s) {
        QByteArray& buf = m_pending[s];
        buf += s->readAll();
        if (!buf.contains("\r\n\r\n")) return;
        const QList<QByteArray> first = buf.left(buf.indexOf("\r\n")).split(' ');
        paths << QString::fromLatin1(first.value(1));
        if (silent) return;
        s->write(response);
        s->disconnectFromHost();
    }
    QTcpServer m_server;
    QHash<QTcpSocket*, QByteArray> m_pending;
};
