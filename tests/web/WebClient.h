#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSslSocket>
#include <QTcpSocket>
#include <atomic>
#include <optional>
#include <thread>

// A client of the parent's page over a real connection on loopback. It talks from a thread of
// its own with blocking sockets, while the test's thread runs the event loop the server and
// the program live in: serve() runs a conversation so and returns its result.
template <class F> auto serve(F conversation) {
    std::optional<decltype(conversation())> result;
    std::atomic<bool> done = false;
    std::thread client([&] {
        result = conversation();
        done = true;
    });
    QElapsedTimer t;
    t.start();
    while (!done && t.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    client.join();
    return *result;
}

struct Reply {
    int status = 0; // 0: no answer (the connection was closed or refused)
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
    QByteArray header(const QByteArray& lowerName) const {
        for (const auto& [n, v] : headers)
            if (n == lowerName) return v;
        return {};
    }
};

// Reads one answer from a blocking socket.
inline Reply readReply(QAbstractSocket& s, int timeoutMs = 5000) {
    Reply r;
    QByteArray buf;
    qsizetype headEnd = -1;
    while ((headEnd = buf.indexOf("\r\n\r\n")) < 0) {
        if (!s.bytesAvailable() && !s.waitForReadyRead(timeoutMs)) return r;
        buf += s.readAll();
    }
    const QList<QByteArray> lines = buf.left(headEnd).split('\n');
    r.status = lines.value(0).split(' ').value(1).toInt();
    qsizetype length = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        r.headers.append({line.left(colon).toLower(), line.mid(colon + 1).trimmed()});
        if (r.headers.last().first == "content-length") length = r.headers.last().second.toLongLong();
    }
    r.body = buf.mid(headEnd + 4);
    while (r.body.size() < length) {
        if (!s.bytesAvailable() && !s.waitForReadyRead(timeoutMs)) break;
        r.body += s.readAll();
    }
    return r;
}

// A TLS connection to 127.0.0.1 that accepts the page's own certificate.
inline std::unique_ptr<QSslSocket> connectTls(quint16 port) {
    auto s = std::make_unique<QSslSocket>();
    s->setPeerVerifyMode(QSslSocket::VerifyNone);
    s->connectToHostEncrypted(QStringLiteral("127.0.0.1"), port);
    if (!s->waitForEncrypted(5000)) return nullptr;
    return s;
}

inline QByteArray requestBytes(const QByteArray& method, const QByteArray& path, const QByteArray& body,
                               const QList<QPair<QByteArray, QByteArray>>& headers) {
    QByteArray out = method + ' ' + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n";
    for (const auto& [n, v] : headers)
        out += n + ": " + v + "\r\n";
    if (!body.isNull())
        out += "Content-Type: application/json\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n";
    out += "\r\n" + body;
    return out;
}

// One request on a new connection.
inline Reply askOnce(quint16 port, const QByteArray& method, const QByteArray& path, const QByteArray& body = {},
                     const QList<QPair<QByteArray, QByteArray>>& headers = {}) {
    auto s = connectTls(port);
    if (!s) return {};
    s->write(requestBytes(method, path, body, headers));
    return readReply(*s);
}
