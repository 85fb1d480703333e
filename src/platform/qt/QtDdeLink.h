#pragma once

#include "platform/DdeLink.h"

#include <QObject>

class QLocalServer;

// The exit link point: a local socket in the data folder that only the program's own
// account may reach. A connection is the open event; every line received is new text.
class QtDdeLink final : public QObject, public DdeLink {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtDdeLink)

public:
    explicit QtDdeLink(QString socketPath);
    ~QtDdeLink() override;
    bool listen() override;
    void close() override;
    QString socketPath() const { return m_path; }

private:
    QString m_path;
    QLocalServer* m_server;
};
