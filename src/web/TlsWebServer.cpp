#include "web/TlsWebServer.h"

#include <QFile>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QSaveFile>
#include <QSocketNotifier>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTimer>

#include <openssl/bn.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#include <qrencode.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const char* reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 409:
        return "Conflict";
    case 413:
        return "Content Too Large";
    case 429:
        return "Too Many Requests";
    case 431:
        return "Request Header Fields Too Large";
    case 501:
        return "Not Implemented";
    case 505:
        return "HTTP Version Not Supported";
    default:
        return status < 400 ? "OK" : status < 500 ? "Bad Request" : "Internal Server Error";
    }
}

QByteArray responseBytes(const WebResponse& r, bool keepAlive) {
    QByteArray out = "HTTP/1.1 " + QByteArray::number(r.status) + ' ' + reasonPhrase(r.status) + "\r\n";
    if (!r.contentType.isEmpty()) out += "Content-Type: " + r.contentType + "\r\n";
    out += "Content-Length: " + QByteArray::number(r.body.size()) + "\r\n";
    out += keepAlive ? "Connection: keep-alive\r\n" : "Connection: close\r\n";
    out += "Content-Security-Policy: default-src 'self'\r\n"
           "X-Frame-Options: DENY\r\n"
           "Cache-Control: no-store\r\n"
           "X-Content-Type-Options: nosniff\r\n"
           "Referrer-Policy: no-referrer\r\n";
    for (const auto& [name, value] : r.headers)
        out += name + ": " + value + "\r\n";
    out += "\r\n";
    out += r.body;
    return out;
}

WebResponse plainError(int status, const QByteArray& reason) {
    return {status, "text/plain; charset=utf-8", reason + '\n', {}};
}

bool isToken(const QByteArray& s) {
    if (s.isEmpty()) return false;
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= 32 || u >= 127 || std::strchr("()<>@,;:\\\"/[]?={}", c)) return false;
    }
    return true;
}

bool hasControl(const QByteArray& s) {
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 32 && c != '\t') || u == 127) return true;
    }
    return false;
}

// A Host header safe to put back into a Location: a name or address and a port.
bool isSafeHost(const QByteArray& host) {
    if (host.isEmpty() || host.size() > 255) return false;
    for (const char c : host)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == ':' || c == '[' || c == ']'))
            return false;
    return true;
}
} // namespace

// One connection: first a peek at its first byte, then either TLS or the plain redirect, then
// requests one after another until it closes, falls idle or breaks a rule.
class WebConnection final : public QObject {
public:
    WebConnection(TlsWebServer& server, qintptr descriptor) : m_server(server), m_descriptor(descriptor) {
        m_idle.setSingleShot(true);
        m_idle.setInterval(server.limits().idleMs);
        connect(&m_idle, &QTimer::timeout, this, &WebConnection::close);
        m_idle.start();
        m_peek = new QSocketNotifier(descriptor, QSocketNotifier::Read, this);
        connect(m_peek, &QSocketNotifier::activated, this, &WebConnection::peek);
    }
    ~WebConnection() override {
        if (m_peek) {
            delete m_peek;
            ::close(int(m_descriptor));
        }
    }

    void close() {
        if (m_closing) return;
        m_closing = true;
        m_idle.stop();
        if (m_socket) {
            m_socket->disconnect(this);
            m_socket->abort();
        }
        m_server.forget(this);
        deleteLater();
    }

private:
    void peek() {
        char first = 0;
        const ssize_t got = ::recv(int(m_descriptor), &first, 1, MSG_PEEK | MSG_DONTWAIT);
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return;
        delete m_peek;
        m_peek = nullptr;
        if (got <= 0) {
            ::close(int(m_descriptor));
            close();
            return;
        }
        m_plain = first != 0x16; // every TLS connection opens with a handshake record
        if (m_plain) {
            m_socket = new QTcpSocket(this);
        } else {
            auto* tls = new QSslSocket(this);
            tls->setSslConfiguration(m_server.tls());
            m_socket = tls;
        }
        m_socket->setReadBufferSize(m_server.limits().maxHeaderBytes + m_server.limits().maxBodyBytes + 4096);
        if (!m_socket->setSocketDescriptor(m_descriptor)) {
            ::close(int(m_descriptor));
            close();
            return;
        }
        connect(m_socket, &QAbstractSocket::readyRead, this, &WebConnection::read);
        connect(m_socket, &QAbstractSocket::bytesWritten, this, [this] { m_idle.start(); });
        connect(m_socket, &QAbstractSocket::disconnected, this, &WebConnection::close);
        connect(m_socket, &QAbstractSocket::errorOccurred, this, &WebConnection::close);
        if (auto* tls = qobject_cast<QSslSocket*>(m_socket)) {
            connect(tls, &QSslSocket::encryptedBytesWritten, this, [this] { m_idle.start(); });
            connect(tls, &QSslSocket::handshakeInterruptedOnError, this, [this] { close(); });
            tls->startServerEncryption();
        } else {
            read();
        }
    }

    void read() {
        // A handler that opens a window may run the event loop: what arrives meanwhile waits in
        // the socket until the answer is out.
        if (m_closing || m_answering) return;
        m_idle.start();
        m_buffer += m_socket->readAll();
        const WebLimits& limits = m_server.limits();
        while (!m_closing) {
            if (m_bodyLength < 0) {
                const qsizetype end = m_buffer.indexOf("\r\n\r\n");
                if (end < 0) {
                    if (m_buffer.size() > limits.maxHeaderBytes) fail(431, "The request's headers are too long.");
                    return;
                }
                if (end + 4 > limits.maxHeaderBytes) return fail(431, "The request's headers are too long.");
                if (!parseHead(m_buffer.left(end))) return;
                m_buffer.remove(0, end + 4);
                if (m_plain) return redirect();
            }
            if (m_buffer.size() < m_bodyLength) return;
            m_request.body = m_buffer.left(m_bodyLength);
            m_buffer.remove(0, m_bodyLength);
            m_bodyLength = -1;
            m_keepNext = keepAlive();
            WebRequest request = std::move(m_request);
            m_request = {};
            m_answering = true;
            m_idle.stop();
            const WebResponse response = m_server.handle(request);
            m_answering = false;
            m_idle.start();
            answer(response);
            if (!m_closing) m_buffer += m_socket->readAll();
        }
    }

    // Reads the request line and headers; false (after answering) when they break a rule.
    bool parseHead(const QByteArray& head) {
        const QList<QByteArray> lines = head.split('\n');
        QList<QByteArray> parts;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QByteArray line = lines[i];
            if (!line.endsWith('\r') && i + 1 < lines.size()) return fail(400, "Lines end with CR LF."), false;
            if (line.endsWith('\r')) line.chop(1);
            if (hasControl(line)) return fail(400, "The request holds control characters."), false;
            if (i == 0) {
                parts = line.split(' ');
                continue;
            }
            if (line.startsWith(' ') || line.startsWith('\t')) return fail(400, "Folded headers are refused."), false;
            const qsizetype colon = line.indexOf(':');
            const QByteArray name = line.left(colon).toLower();
            if (colon <= 0 || !isToken(name)) return fail(400, "A header has no name."), false;
            if (m_request.headers.size() >= 100) return fail(431, "Too many headers."), false;
            m_request.headers.append({name, line.mid(colon + 1).trimmed()});
        }
        if (parts.size() != 3 || !isToken(parts[0]) || !parts[1].startsWith('/'))
            return fail(400, "The request line is not understood."), false;
        if (parts[2] != "HTTP/1.1" && parts[2] != "HTTP/1.0") return fail(505, "Only HTTP/1.1 is spoken here."), false;
        m_request.method = parts[0];
        const qsizetype q = parts[1].indexOf('?');
        m_request.path = q < 0 ? parts[1] : parts[1].left(q);
        m_request.query = q < 0 ? QByteArray() : parts[1].mid(q + 1);
        // An IPv4 caller on the dual-stack port is logged as people know its address.
        const QHostAddress peer = m_socket->peerAddress();
        bool v4 = false;
        const quint32 v4Address = peer.toIPv4Address(&v4);
        m_request.peer = v4 ? QHostAddress(v4Address).toString() : peer.toString();
        m_http10 = parts[2] == "HTTP/1.0";
        if (!m_request.header("transfer-encoding").isEmpty())
            return fail(501, "Chunked bodies are not taken; send a Content-Length."), false;
        m_bodyLength = 0;
        bool seen = false;
        for (const auto& [name, value] : m_request.headers) {
            if (name != "content-length") continue;
            bool ok = false;
            const qint64 length = value.toLongLong(&ok);
            if (!ok || length < 0 || value.startsWith('+') || (seen && length != m_bodyLength)) {
                m_bodyLength = -1;
                return fail(400, "The Content-Length is not a number."), false;
            }
            if (length > m_server.limits().maxBodyBytes) {
                m_bodyLength = -1;
                return fail(413, "The request's body is too long."), false;
            }
            m_bodyLength = length;
            seen = true;
        }
        return true;
    }

    bool keepAlive() const {
        const QByteArray connection = m_request.header("connection").toLower();
        return m_http10 ? connection == "keep-alive" : connection != "close";
    }

    void answer(const WebResponse& response) {
        // The request was taken apart already; its Connection header went with it.
        const bool keep = m_keepNext;
        m_socket->write(responseBytes(response, keep));
        if (!keep) closeAfterWrite();
    }

    void fail(int status, const QByteArray& reason) {
        m_socket->write(responseBytes(plainError(status, reason), false));
        closeAfterWrite();
    }

    void redirect() {
        const QByteArray host = m_request.header("host");
        if (!isSafeHost(host)) return fail(400, "This port speaks HTTPS only.");
        WebResponse r{301, "text/plain; charset=utf-8", "This port speaks HTTPS only.\n", {}};
        r.headers.append({"Location", "https://" + host + "/"});
        m_socket->write(responseBytes(r, false));
        closeAfterWrite();
    }

    void closeAfterWrite() {
        m_buffer.clear();
        m_closing = true;
        m_socket->disconnect(this);
        QAbstractSocket* socket = m_socket;
        connect(socket, &QAbstractSocket::disconnected, this, [this] {
            m_server.forget(this);
            deleteLater();
        });
        socket->disconnectFromHost(); // sends what is written, then closes
        if (socket->state() == QAbstractSocket::UnconnectedState) {
            m_server.forget(this);
            deleteLater();
        }
    }

    TlsWebServer& m_server;
    qintptr m_descriptor;
    QSocketNotifier* m_peek = nullptr;
    QAbstractSocket* m_socket = nullptr;
    QTimer m_idle;
    QByteArray m_buffer;
    WebRequest m_request;
    qint64 m_bodyLength = -1; // -1: reading the head
    bool m_plain = false;
    bool m_http10 = false;
    bool m_keepNext = true;
    bool m_closing = false;
    bool m_answering = false;

    friend class TlsWebServer;
};

TlsWebServer::TlsWebServer() = default;

TlsWebServer::~TlsWebServer() {
    stop();
}

void TlsWebServer::incomingConnection(qintptr descriptor) {
    if (int(m_connections.size()) >= m_limits.maxConnections) {
        ::close(int(descriptor));
        return;
    }
    m_connections.insert(new WebConnection(*this, descriptor));
}

void TlsWebServer::forget(WebConnection* connection) {
    m_connections.erase(connection);
}

void TlsWebServer::stop() {
    close();
    const auto open = m_connections;
    m_connections.clear();
    for (WebConnection* c : open) {
        if (c->m_socket) {
            c->m_socket->disconnect(c);
            c->m_socket->abort();
        }
        delete c;
    }
}

bool TlsWebServer::start(quint16 port, const QString& certFile, const QString& keyFile, const QString& address,
                         Handler handler, QString* why) {
    stop();
    if (!QSslSocket::supportsSsl()) {
        *why = QStringLiteral("TLS is not available (%1)").arg(QSslSocket::activeBackend());
        return false;
    }
    if (!QFile::exists(certFile) || !QFile::exists(keyFile)) {
        if (!MakeSelfSignedCertificate(certFile, keyFile, QHostInfo::localHostName(), machineAddresses(), why))
            return false;
    }
    QFile c(certFile), k(keyFile);
    if (!c.open(QIODevice::ReadOnly) || !k.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("the certificate cannot be read");
        return false;
    }
    const QSslCertificate cert(c.readAll(), QSsl::Pem);
    const QByteArray keyPem = k.readAll();
    QSslKey key(keyPem, QSsl::Ec, QSsl::Pem);
    if (key.isNull()) key = QSslKey(keyPem, QSsl::Rsa, QSsl::Pem);
    if (cert.isNull() || key.isNull()) {
        *why = QStringLiteral("the certificate or its key is damaged (%1, %2)").arg(certFile, keyFile);
        return false;
    }
    m_tls = QSslConfiguration::defaultConfiguration();
    m_tls.setLocalCertificate(cert);
    m_tls.setPrivateKey(key);
    m_tls.setProtocol(QSsl::TlsV1_2OrLater);
    m_tls.setPeerVerifyMode(QSslSocket::VerifyNone);
    m_handler = std::move(handler);
    const QHostAddress on = address.isEmpty() ? QHostAddress(QHostAddress::Any) : QHostAddress(address);
    if (!listen(on, port)) {
        *why = errorString();
        return false;
    }
    return true;
}

QString TlsWebServer::fingerprint(const QString& certFile) const {
    const QList<QSslCertificate> certs = QSslCertificate::fromPath(certFile, QSsl::Pem);
    if (certs.isEmpty()) return {};
    return QString::fromLatin1(certs.first().digest(QCryptographicHash::Sha256).toHex(':').toUpper());
}

QStringList TlsWebServer::machineAddresses() const {
    QStringList v4, v6;
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        if (!(i.flags() & QNetworkInterface::IsUp) || (i.flags() & QNetworkInterface::IsLoopBack)) continue;
        for (const QNetworkAddressEntry& e : i.addressEntries()) {
            const QHostAddress a = e.ip();
            if (a.isLoopback() || a.isLinkLocal()) continue;
            if (a.protocol() == QAbstractSocket::IPv4Protocol)
                v4 << a.toString();
            else if (a.protocol() == QAbstractSocket::IPv6Protocol)
                v6 << a.toString();
        }
    }
    return v4 + v6;
}

std::vector<std::vector<bool>> TlsWebServer::qrCode(const QByteArray& text) const {
    std::vector<std::vector<bool>> rows;
    QRcode* code =
        QRcode_encodeData(int(text.size()), reinterpret_cast<const unsigned char*>(text.constData()), 0, QR_ECLEVEL_M);
    if (!code) return rows;
    for (int y = 0; y < code->width; ++y) {
        std::vector<bool> row;
        for (int x = 0; x < code->width; ++x)
            row.push_back(code->data[y * code->width + x] & 1);
        rows.push_back(std::move(row));
    }
    QRcode_free(code);
    return rows;
}

namespace {
template <class T, void (*F)(T*)> struct Free {
    void operator()(T* p) const { F(p); }
};
using PKey = std::unique_ptr<EVP_PKEY, Free<EVP_PKEY, EVP_PKEY_free>>;
using Cert = std::unique_ptr<X509, Free<X509, X509_free>>;
using Bio = std::unique_ptr<BIO, Free<BIO, BIO_free_all>>;
using Ext = std::unique_ptr<X509_EXTENSION, Free<X509_EXTENSION, X509_EXTENSION_free>>;

bool addExtension(X509* cert, int nid, const QByteArray& value) {
    X509V3_CTX ctx;
    X509V3_set_ctx_nodb(&ctx);
    X509V3_set_ctx(&ctx, cert, cert, nullptr, nullptr, 0);
    Ext ext(X509V3_EXT_conf_nid(nullptr, &ctx, nid, value.constData()));
    return ext && X509_add_ext(cert, ext.get(), -1) == 1;
}

QByteArray pem(const std::function<int(BIO*)>& write) {
    Bio bio(BIO_new(BIO_s_mem()));
    if (!bio || write(bio.get()) != 1) return {};
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio.get(), &data);
    return QByteArray(data, size);
}

// Writes the whole file or nothing, owner-only whatever the umask.
bool writePrivate(const QString& path, const QByteArray& bytes) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    ::fchmod(f.handle(), S_IRUSR | S_IWUSR);
    return f.write(bytes) == bytes.size() && f.commit();
}
} // namespace

bool MakeSelfSignedCertificate(const QString& certFile, const QString& keyFile, const QString& hostName,
                               const QStringList& addresses, QString* why) {
    const auto failed = [why](const char* what) {
        *why = QStringLiteral("the certificate could not be made (%1)").arg(QLatin1String(what));
        return false;
    };
    PKey key(EVP_EC_gen("P-256"));
    if (!key) return failed("key");
    Cert cert(X509_new());
    if (!cert || X509_set_version(cert.get(), 2) != 1) return failed("certificate");
    unsigned char serial[16];
    if (RAND_bytes(serial, sizeof serial) != 1) return failed("random serial");
    serial[0] &= 0x7f; // a positive number
    BIGNUM* bn = BN_bin2bn(serial, sizeof serial, nullptr);
    const bool serialSet = bn && BN_to_ASN1_INTEGER(bn, X509_get_serialNumber(cert.get()));
    BN_free(bn);
    if (!serialSet) return failed("serial");
    X509_gmtime_adj(X509_getm_notBefore(cert.get()), -24 * 3600);
    X509_gmtime_adj(X509_getm_notAfter(cert.get()), 10L * 365 * 24 * 3600);
    X509_set_pubkey(cert.get(), key.get());
    const QByteArray host = (hostName.isEmpty() ? QStringLiteral("localhost") : hostName).toUtf8();
    X509_NAME* name = X509_get_subject_name(cert.get());
    X509_NAME_add_entry_by_txt(name, "O", MBSTRING_UTF8, reinterpret_cast<const unsigned char*>("TimeWard"), -1, -1, 0);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_UTF8, reinterpret_cast<const unsigned char*>(host.constData()), -1,
                               -1, 0);
    X509_set_issuer_name(cert.get(), name);
    QByteArray alt = "DNS:" + host + ",DNS:localhost,IP:127.0.0.1,IP:::1";
    for (const QString& a : addresses)
        if (QHostAddress(a).protocol() != QAbstractSocket::UnknownNetworkLayerProtocol) alt += ",IP:" + a.toLatin1();
    // Names that would break the list are left out rather than trusted.
    if (!isSafeHost(host)) alt = "DNS:localhost,IP:127.0.0.1,IP:::1";
    if (!addExtension(cert.get(), NID_subject_alt_name, alt) ||
        !addExtension(cert.get(), NID_basic_constraints, "critical,CA:FALSE") ||
        !addExtension(cert.get(), NID_key_usage, "critical,digitalSignature") ||
        !addExtension(cert.get(), NID_ext_key_usage, "serverAuth"))
        return failed("extensions");
    if (X509_sign(cert.get(), key.get(), EVP_sha256()) <= 0) return failed("signature");
    const QByteArray keyPem =
        pem([&](BIO* b) { return PEM_write_bio_PrivateKey(b, key.get(), nullptr, nullptr, 0, nullptr, nullptr); });
    const QByteArray certPem = pem([&](BIO* b) { return PEM_write_bio_X509(b, cert.get()); });
    if (keyPem.isEmpty() || certPem.isEmpty()) return failed("encoding");
    if (!writePrivate(keyFile, keyPem) || !writePrivate(certFile, certPem)) {
        *why = QStringLiteral("the certificate could not be written to %1").arg(certFile);
        return false;
    }
    return true;
}
