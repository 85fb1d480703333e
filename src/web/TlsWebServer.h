#pragma once

#include "web/WebServer.h"

#include <QSslConfiguration>
#include <QTcpServer>
#include <set>

class WebConnection;

// The parent's page server over Qt's TLS sockets: a small HTTP/1.1 reader of its own, so that
// every connection is counted, timed and bounded from its first byte, before and after the
// handshake. A connection whose first byte is not a TLS handshake is plain HTTP: it gets a
// redirect to the same address over HTTPS and is closed.
class TlsWebServer final : public QTcpServer, public WebServer {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TlsWebServer)

public:
    TlsWebServer();
    ~TlsWebServer() override;

    bool start(quint16 port, const QString& certFile, const QString& keyFile, const QString& address, Handler handler,
               QString* why) override;
    void stop() override;
    bool listening() const override { return isListening(); }
    quint16 port() const override { return serverPort(); }
    int connectionCount() const override { return int(m_connections.size()); }
    void setLimits(const WebLimits& limits) override { m_limits = limits; }
    QString fingerprint(const QString& certFile) const override;
    QStringList machineAddresses() const override;
    std::vector<std::vector<bool>> qrCode(const QByteArray& text) const override;

    const WebLimits& limits() const { return m_limits; }
    const QSslConfiguration& tls() const { return m_tls; }
    WebResponse handle(const WebRequest& request) const { return m_handler(request); }
    void forget(WebConnection* connection);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    WebLimits m_limits;
    QSslConfiguration m_tls;
    Handler m_handler;
    std::set<WebConnection*> m_connections;
};

// Makes a self-signed certificate (ECDSA P-256, SHA-256, ten years) for the host name and
// addresses, written owner-only to the two files. False with the reason in *why.
bool MakeSelfSignedCertificate(const QString& certFile, const QString& keyFile, const QString& hostName,
                               const QStringList& addresses, QString* why);
