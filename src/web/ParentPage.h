#pragma once

#include "web/ParentPageApi.h"
#include "web/WebServer.h"

#include <QObject>
#include <QString>
#include <memory>

class App;

// The parent's page as a part of the running program: serves while "ParentPage" in "Config"
// is 1, on "ParentPagePort", and closes the port as soon as it is turned off. The server's
// module is loaded when the page is first turned on.
class ParentPage final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ParentPage)

public:
    explicit ParentPage(App& app);
    ~ParentPage() override;

    // Starts, moves or stops the server as the store says. The reason when it could not
    // start (the module missing, the port taken); empty when it serves or is off.
    QString apply();
    bool serving() const;
    quint16 port() const;
    QString lastError() const { return m_error; }

    // What the Preferences tab shows. Each loads the module when needed; empty without it.
    QString certificateFile() const;
    QString keyFile() const;
    QString fingerprint();
    QStringList addresses();
    std::vector<std::vector<bool>> qrCode(const QByteArray& text);

    static constexpr quint16 kDefaultPort = 47613;

private:
    WebServer* server();

    App& m_app;
    std::unique_ptr<WebServer> m_server;
    std::unique_ptr<ParentPageApi> m_api;
    QString m_error;
};

// The program's one parent's page, created on first use.
ParentPage& TheParentPage(App& app);
// At start-up: turns the page on after the login window is up, when it is on in the store.
void StartParentPage(App& app);
// After the options are saved: opens, moves or closes the port as the store now says.
void ApplyParentPage(App& app);
