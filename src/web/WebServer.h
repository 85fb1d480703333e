#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// One request as the server read it: the method, the path and query as sent (still
// percent-encoded), the headers with their names in lower case, the body, and the caller's
// address.
struct WebRequest {
    QByteArray method;
    QByteArray path;
    QByteArray query;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
    QString peer;

    // The first header of that name (lower case), empty when absent.
    QByteArray header(const QByteArray& lowerName) const {
        for (const auto& [name, value] : headers)
            if (name == lowerName) return value;
        return {};
    }
};

// The answer. The server adds the length, the connection's fate and the headers every
// answer carries (the content security policy, no framing, no caching).
struct WebResponse {
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;
};

// What a connection may cost the program.
struct WebLimits {
    int maxConnections = 32;
    int idleMs = 10000;         // a connection that sends and takes nothing this long is closed
    int maxHeaderBytes = 16384; // request line and headers
    int maxBodyBytes = 16384;
};

// The parent's page server: HTTPS only, on every address of the machine, with its own
// certificate. It lives in a module of its own (libtimeward-web.so) with the network and TLS
// libraries, loaded only when the page is on.
class WebServer {
public:
    using Handler = std::function<WebResponse(const WebRequest&)>;
    virtual ~WebServer() = default;

    // Makes a self-signed certificate and key for the names and addresses when either file
    // is missing (owner-only), then listens on port (0: any free one) on every address, or on
    // the one address given. False with the reason in *why.
    virtual bool start(quint16 port, const QString& certFile, const QString& keyFile, const QString& address,
                       Handler handler, QString* why) = 0;
    // Closes the port and every connection at once.
    virtual void stop() = 0;
    virtual bool listening() const = 0;
    virtual quint16 port() const = 0;
    virtual int connectionCount() const = 0;
    virtual void setLimits(const WebLimits& limits) = 0;

    // The certificate's SHA-256 fingerprint as "AB:CD:…"; empty when the file holds none.
    virtual QString fingerprint(const QString& certFile) const = 0;
    // The machine's addresses a phone on the home network can reach (loopback and link-local
    // ones left out), IPv4 first.
    virtual QStringList machineAddresses() const = 0;
    // The QR code of text: rows of modules, true for dark; empty when it cannot be made.
    virtual std::vector<std::vector<bool>> qrCode(const QByteArray& text) const = 0;
};
