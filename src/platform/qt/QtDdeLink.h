#pragma once

#include "platform/DdeLink.h"

#include <QByteArray>
#include <QObject>
#include <memory>
#include <vector>

class QSocketNotifier;

// The exit link point: a local (Unix domain) socket in the data folder that only the program's
// own account may reach. A connection is the open event (unless it asks whether a copy is
// present); every line received is new text.
// Plain sockets under Qt Core's notifiers: the link is up from the first moment of every start,
// and a local socket needs none of the network stack.
class QtDdeLink final : public QObject, public DdeLink {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtDdeLink)

public:
    explicit QtDdeLink(QString socketPath);
    ~QtDdeLink() override;
    bool listen() override;
    void close() override;
    QString socketPath() const { return m_path; }
    bool isListening() const { return m_listenFd >= 0; }

    // A line longer than this ends its connection: no sender can make the program hold more.
    static constexpr qsizetype kMaxLine = 64 * 1024;

private:
    struct Connection;
    void acceptPending();
    void readFrom(Connection* c);
    void drop(Connection* c);
    bool holds(const Connection* c) const;
    // The open event, once per connection.
    void open(Connection* c);
    // A first line that is the presence question is answered and its connection closed.
    bool answeredPresence(Connection* c);

    QString m_path;
    int m_listenFd = -1;
    QSocketNotifier* m_listenNotifier = nullptr;
    std::vector<std::unique_ptr<Connection>> m_connections;
    quint64 m_serial = 0;
};
