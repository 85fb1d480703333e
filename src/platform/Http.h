#pragma once

#include <QByteArray>
#include <QString>

// A synchronous GET with a time-out.
class Http {
public:
    struct Response {
        bool ok = false; // an answer with status 2xx arrived
        int status = 0;
        QByteArray body;
        QString error; // why there is no answer, or the server's status text
    };
    virtual ~Http() = default;
    virtual Response get(const QString& url, int timeoutMs) = 0;
    // The update server's base address: $TIMEWARD_UPDATE_URL; empty when none is set.
    static QString baseUrl();
};
