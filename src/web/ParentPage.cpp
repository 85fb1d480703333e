#include "web/ParentPage.h"

#include "core/App.h"
#include "platform/qt/QtModules.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"

#include <QTimer>

ParentPage::ParentPage(App& app) : m_app(app) {
    setObjectName(QStringLiteral("ParentPage"));
}

ParentPage::~ParentPage() {
    if (m_server) m_server->stop();
}

ParentPage& TheParentPage(App& app) {
    return app.window<ParentPage>();
}

void StartParentPage(App& app) {
    if (!app.read(Sections::Config, ConfigKeys::ParentPage, 0).is(1)) return;
    ParentPage& page = TheParentPage(app);
    QTimer::singleShot(0, &page, [&page] { page.apply(); });
}

void ApplyParentPage(App& app) {
    // A page that never served has nothing to close: the module stays unloaded.
    if (app.read(Sections::Config, ConfigKeys::ParentPage, 0).is(1) || app.isLoaded("ParentPage"))
        TheParentPage(app).apply();
}

WebServer* ParentPage::server() {
    if (!m_server) {
        QString why;
        m_server = LoadWebServer(ModuleFolders(m_app.paths().programFolder), &why);
        if (!m_server) m_error = why;
    }
    return m_server.get();
}

QString ParentPage::certificateFile() const {
    return m_app.paths().dataFile(QStringLiteral("parentpage.crt"));
}

QString ParentPage::keyFile() const {
    return m_app.paths().dataFile(QStringLiteral("parentpage.key"));
}

bool ParentPage::serving() const {
    return m_server && m_server->listening();
}

quint16 ParentPage::port() const {
    return serving() ? m_server->port() : 0;
}

QString ParentPage::apply() {
    const bool on = m_app.read(Sections::Config, ConfigKeys::ParentPage, 0).is(1);
    const long long wanted = m_app.read(Sections::Config, ConfigKeys::ParentPagePort, kDefaultPort).toLongLong(0);
    const quint16 port = wanted >= 1 && wanted <= 65535 ? quint16(wanted) : kDefaultPort;
    if (!on) {
        // Closed at once; the logins go with it.
        if (m_server) m_server->stop();
        m_api.reset();
        m_error.clear();
        return {};
    }
    if (serving() && m_server->port() == port) return {};
    WebServer* s = server();
    if (!s) return m_error;
    s->stop();
    if (!m_api) {
        ParentPageSession session;
        session.loggedInUser = [this] { return m_app.model.inSession() ? int(m_app.CurrentUserNumber) : 0; };
        session.endSession = [this] { m_app.model.logOut(); };
        m_api = std::make_unique<ParentPageApi>(m_app, std::move(session));
    }
    QString why;
    ParentPageApi* api = m_api.get();
    if (!s->start(
            port, certificateFile(), keyFile(), QString(), [api](const WebRequest& r) { return api->handle(r); },
            &why)) {
        m_error = why;
        WriteWorkLog(m_app, QStringLiteral("Parent's page not started: ") + why);
        return m_error;
    }
    m_error.clear();
    return {};
}

QString ParentPage::fingerprint() {
    WebServer* s = server();
    return s ? s->fingerprint(certificateFile()) : QString();
}

QStringList ParentPage::addresses() {
    WebServer* s = server();
    return s ? s->machineAddresses() : QStringList();
}

std::vector<std::vector<bool>> ParentPage::qrCode(const QByteArray& text) {
    WebServer* s = server();
    return s ? s->qrCode(text) : std::vector<std::vector<bool>>{};
}
